#include "product/client/abstractapplication.h"
#include "product/client/clientstartup.h"
#include "product/client/signalhandling.h"

#include <QMainWindow>
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
        QMainWindow console;
        console.setWindowTitle(QStringLiteral("Console"));
        console.resize(640, 480);
        console.show();
        result = application->exec();
    } catch (...) {
        qCritical("Quenlark Client uncaught exception!");
        result = 1;
    }
    delete application;
    return result;
}
