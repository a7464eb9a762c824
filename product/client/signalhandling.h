#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM end the client with status 1 and a critical message that
// names the signal; SIGPIPE is ignored. The handler only records the signal,
// since almost nothing is safe while a signal interrupts the program: it
// writes the signal number to a pipe, and a SignalReceiver on the event loop
// reads it, writes the message and exits. A blocking server request is
// interrupted by the signal and gives up, so the event loop gets it at once.

// The process's handler of SIGINT and SIGTERM.
void signal_handler(int signalNumber);

// Ignores SIGPIPE and installs signal_handler for SIGINT and SIGTERM. When a
// handler cannot be installed, writes the critical message naming its signal
// and returns false.
bool InstallSignalHandlers();

// Takes the signals recorded by signal_handler on the event loop of the thread
// that creates it. Only one may exist, after InstallSignalHandlers.
class SignalReceiver : public QObject
{
    Q_OBJECT

public:
    explicit SignalReceiver(QObject* parent = nullptr);

private:
    void receiveSignals();

    QSocketNotifier* m_notifier;
};
