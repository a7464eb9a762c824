#include "tests/gui/qtmessagecapture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Handles every user event by running the action it is given.
class ThrowingReceiver : public QObject
{
public:
    std::function<void()> action;
    int handled = 0;

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User) {
            return QObject::event(event);
        }
        action();
        ++handled;
        return true;
    }
};

bool SendUserEvent(QObject* receiver)
{
    QEvent event(QEvent::User);
    return QCoreApplication::sendEvent(receiver, &event);
}

struct ThrownCase
{
    const char* name;
    std::function<void()> thrower;
    const char* warning;
};

TEST(AbstractApplicationNotify, DropsAnEventWhoseHandlerThrowsAStandardExceptionAndGoesOn)
{
    const ThrownCase cases[] = {
        {"length_error", [] { throw std::length_error("buffer of 15 bytes"); },
         "std::length_error: buffer of 15 bytes"},
        {"runtime_error", [] { throw std::runtime_error("EVP_DecryptFinal_ex failed"); },
         "std::exception: EVP_DecryptFinal_ex failed"},
        {"out_of_range", [] { throw std::out_of_range("stoi"); }, "std::exception: stoi"},
        {"UTF-8 text", [] { throw std::invalid_argument("caf\xc3\xa9"); }, "std::exception: caf\xc3\xa9"},
    };
    for (const ThrownCase& thrown : cases) {
        SCOPED_TRACE(thrown.name);
        ThrowingReceiver receiver;
        testsupport::QtMessageCapture capture;

        receiver.action = thrown.thrower;
        EXPECT_FALSE(SendUserEvent(&receiver));
        EXPECT_EQ(receiver.handled, 0);
        EXPECT_EQ(capture.messages(), std::vector<std::string>{thrown.warning});

        receiver.action = [] {};
        EXPECT_TRUE(SendUserEvent(&receiver));
        EXPECT_EQ(receiver.handled, 1);
        EXPECT_EQ(capture.messages().size(), 1u);
    }
}

TEST(AbstractApplicationNotify, PostedEventThatThrowsLeavesTheEventLoopRunning)
{
    ThrowingReceiver receiver;
    testsupport::QtMessageCapture capture;
    int calls = 0;
    receiver.action = [&calls] {
        if (++calls == 1) {
            throw std::runtime_error("first");
        }
    };
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&receiver, QEvent::User);

    EXPECT_EQ(calls, 2);
    EXPECT_EQ(receiver.handled, 1);
    EXPECT_EQ(capture.messages(), std::vector<std::string>{"std::exception: first"});
}

TEST(AbstractApplicationNotify, AnythingElseThatIsThrownReachesTheCaller)
{
    ThrowingReceiver receiver;
    receiver.action = [] { throw 42; };
    EXPECT_THROW(SendUserEvent(&receiver), int);

    receiver.action = [] {};
    EXPECT_TRUE(SendUserEvent(&receiver));
}

}  // namespace
