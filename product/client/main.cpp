#include "product/client/abstractapplication.h"
#include "product/client/clientstartup.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/signalhandling.h"
#include "product/client/viewmanagers.h"

#include <QtGlobal>

int main(int argc, char** argv)
{
    if (!InstallSignalHandlers()) {
        return 1;
    }
    ClientStartup startup;
    auto* application = new AbstractApplication(argc, argv);
    new SignalReceiver(application);
    startup.prepare();

    int result = 1;
    try {
        // Building the tree opens the first window.
        new ApplicationComponent(application, ClientViewManagers());
        result = application->exec();
    } catch (...) {
        qCritical("Quenlark Client uncaught exception!");
        result = 1;
    }
    // The application component goes with it, stopping the clock first.
    delete application;
    return result;
}
