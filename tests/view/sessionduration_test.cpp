// The session countdown under a fixed clock: the text and colour it shows,
// and the one close request when less than a minute is left.

#include "library/common/clock.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include "product/client/view/sessionduration.h"
#include "tests/gui/qstringprinter.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>

#include <gtest/gtest.h>

namespace {

using boost::posix_time::ptime;
using boost::posix_time::seconds;
using boost::posix_time::time_from_string;

// Counts the requests to close and refuses them, so that it stays to count.
class CountingWindow : public QMainWindow
{
public:
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

class SessionDurationTest : public ::testing::Test
{
protected:
    const ptime m_start = time_from_string("2026-03-01 10:00:00.250");
    common::FixedClock m_clock{m_start};
    CountingWindow m_window;
    SessionDuration m_duration{&m_window};

    QString text() const { return m_duration.label()->text(); }
    bool red() const { return m_duration.label()->styleSheet().contains(QStringLiteral("red")); }
    void tickAt(long secondsAfterStart)
    {
        m_clock.set(m_start + seconds(secondsAfterStart));
        m_duration.timeoutEventHandler(1, std::string());
    }
};

TEST_F(SessionDurationTest, ShowsTheDurationAsHoursAndMinutes)
{
    struct Case
    {
        unsigned int seconds;
        const char* text;
        bool red;
    };
    for (const Case& each :
         {Case{59, "Session Duration [00:00]", true}, Case{3600, "Session Duration [01:00]", false},
          Case{3599, "Session Duration [00:59]", true}, Case{90061, "Session Duration [25:01]", false},
          Case{360000, "Session Duration [100:00]", false}}) {
        m_duration.initializeStatus(each.seconds);
        EXPECT_EQ(text(), QString::fromLatin1(each.text)) << each.seconds;
        EXPECT_EQ(red(), each.red) << each.seconds;
    }
}

TEST_F(SessionDurationTest, ATickShowsTheTimeLeftAndTurnsRedUnderAnHour)
{
    m_duration.initializeStatus(3600);
    tickAt(30);
    EXPECT_EQ(text(), QStringLiteral("Session Duration [00:59]"));
    EXPECT_TRUE(red());
    EXPECT_EQ(m_window.closeRequests, 0);
}

TEST_F(SessionDurationTest, ExactlyOneMinuteLeftStaysAndLessClosesOnce)
{
    m_duration.initializeStatus(120);
    tickAt(60);
    EXPECT_EQ(text(), QStringLiteral("Session Duration [00:01]"));
    EXPECT_EQ(m_window.closeRequests, 0);
    tickAt(61);
    EXPECT_EQ(m_window.closeRequests, 1);
    // The window did not close; the later ticks ask no more.
    tickAt(62);
    tickAt(600);
    EXPECT_EQ(m_window.closeRequests, 1);
    EXPECT_EQ(text(), QStringLiteral("Session Duration [00:01]"));

    // A new countdown may ask again.
    m_duration.initializeStatus(59);
    tickAt(600);
    EXPECT_EQ(m_window.closeRequests, 2);
}

TEST_F(SessionDurationTest, NoCountdownAfterResetOrWithoutALimit)
{
    m_duration.initializeStatus(59);
    m_duration.reset();
    EXPECT_EQ(text(), QString());
    tickAt(120);
    EXPECT_EQ(m_window.closeRequests, 0);
    EXPECT_EQ(text(), QString());

    m_duration.initializeStatus(59);
    m_duration.initializeStatus(0);
    EXPECT_EQ(text(), QString());
    tickAt(240);
    EXPECT_EQ(m_window.closeRequests, 0);
}

TEST_F(SessionDurationTest, TheLabelSitsInTheWindowsStatusBar)
{
    EXPECT_EQ(m_duration.label()->parentWidget()->parentWidget(), &m_window);
    EXPECT_EQ(text(), QString());
}

}  // namespace
