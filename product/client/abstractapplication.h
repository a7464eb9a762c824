#pragma once

#include <QApplication>

// The client's widget application. Its event dispatch drops an event whose
// handling throws a standard exception, with a warning, and goes on; anything
// else that is thrown reaches the caller.
class AbstractApplication : public QApplication
{
public:
    AbstractApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
