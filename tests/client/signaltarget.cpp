// A client stand-in for the signal tests: the client's signal handling and
// application object, and one server request that it is waiting for when the
// signal comes. Usage: client_signal_target <server port>

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "product/client/abstractapplication.h"
#include "product/client/signalhandling.h"

#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2 || !InstallSignalHandlers()) {
        return 2;
    }
    AbstractApplication application(argc, argv);
    new SignalReceiver(&application);

    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(std::atoi(argv[1]));
    // Far longer than any test waits: only the signal can end the wait.
    MessageDispatcher::setTimeout(std::chrono::minutes(30));
    const std::string request;
    QTimer::singleShot(0, [&request] {
        MessageDispatcher dispatcher(common::TerminateUserSession, common::Untagged, request);
        std::puts("waiting for the server");
        std::fflush(stdout);
        dispatcher.dispatch();
        std::puts("request ended");
        std::fflush(stdout);
    });
    return application.exec();
}
