#include "product/client/view/sessionduration.h"

#include "library/common/clock.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace {

using Ticks = boost::posix_time::time_duration::tick_type;

constexpr Ticks MicrosecondsPerMinute = 60'000'000;
constexpr Ticks MicrosecondsPerHour = 3'600'000'000;

// The clock's instant to the whole second.
boost::posix_time::ptime Now()
{
    const boost::posix_time::ptime now = common::Clock::universalTime();
    return boost::posix_time::ptime(now.date(), boost::posix_time::seconds(now.time_of_day().total_seconds()));
}

Ticks Left(const boost::posix_time::ptime& endTime)
{
    return (endTime - Now()).total_microseconds();
}

}  // namespace

SessionDuration::SessionDuration(QMainWindow* window)
    : m_window(window)
    , m_label(new QLabel(window))
{
    window->statusBar()->addPermanentWidget(m_label, 0);
}

SessionDuration::~SessionDuration() = default;

void SessionDuration::initializeStatus(unsigned int seconds)
{
    if (seconds == 0) {
        reset();
        return;
    }
    const Ticks duration = static_cast<Ticks>(seconds) * 1'000'000;
    m_endTime = Now() + boost::posix_time::microseconds(duration);
    show(duration);
}

void SessionDuration::updateStatus()
{
    if (!m_endTime.is_not_a_date_time()) {
        show(Left(m_endTime));
    }
}

void SessionDuration::timeoutEventHandler(int, const std::string&)
{
    if (m_endTime.is_not_a_date_time()) {
        return;
    }
    if (Left(m_endTime) < MicrosecondsPerMinute) {
        // Asked once: whatever the window does, later ticks find no countdown.
        m_endTime = boost::posix_time::ptime(boost::posix_time::not_a_date_time);
        m_window->close();
        return;
    }
    updateStatus();
}

void SessionDuration::reset()
{
    m_endTime = boost::posix_time::ptime(boost::posix_time::not_a_date_time);
    m_label->clear();
}

void SessionDuration::show(Ticks microseconds)
{
    const Ticks hours = microseconds / MicrosecondsPerHour;
    const Ticks minutes = microseconds / MicrosecondsPerMinute - hours * 60;
    m_label->setText(QStringLiteral("Session Duration [%1:%2]")
                         .arg(static_cast<qlonglong>(hours), 2, 10, QLatin1Char('0'))
                         .arg(static_cast<qlonglong>(minutes), 2, 10, QLatin1Char('0')));
    m_label->setStyleSheet(microseconds < MicrosecondsPerHour ? QStringLiteral("QLabel { color : red}")
                                                              : QStringLiteral("QLabel { color : gray}"));
}
