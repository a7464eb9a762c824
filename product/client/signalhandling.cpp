#include "product/client/signalhandling.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The pipe from signal_handler to the SignalReceiver; both ends never block,
// so a handler never waits on a full pipe.
int SignalPipe[2] = {-1, -1};

bool OpenSignalPipe()
{
    return SignalPipe[0] != -1 || pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) == 0;
}

bool InstallHandler(int signalNumber)
{
    struct sigaction action = {};
    action.sa_handler = signal_handler;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls restart, except the waits that never do (such
    // as the transport's poll for a reply), which then fail with EINTR.
    action.sa_flags = SA_RESTART;
    return sigaction(signalNumber, &action, nullptr) == 0;
}

[[noreturn]] void EndOnSignal(int signalNumber)
{
    qCritical("Quenlark Client received %s signal!", signalNumber == SIGINT ? "SIGINT" : "SIGTERM");
    std::exit(1);
}

}  // namespace

void signal_handler(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(SignalPipe[1], &number, 1);
    errno = savedErrno;
}

bool InstallSignalHandlers()
{
    std::signal(SIGPIPE, SIG_IGN);
    if (!OpenSignalPipe() || !InstallHandler(SIGINT)) {
        qCritical("Cannot register signal handler for SIGINT!");
        return false;
    }
    if (!InstallHandler(SIGTERM)) {
        qCritical("Cannot register signal handler for SIGTERM!");
        return false;
    }
    return true;
}

SignalReceiver::SignalReceiver(QObject* parent)
    : QObject(parent)
    , m_notifier(new QSocketNotifier(SignalPipe[0], QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalReceiver::receiveSignals);
}

void SignalReceiver::receiveSignals()
{
    // signal_handler handles only SIGINT and SIGTERM.
    unsigned char number = 0;
    if (read(SignalPipe[0], &number, 1) == 1) {
        EndOnSignal(number);
    }
}
