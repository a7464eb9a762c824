#pragma once

#include <boost/date_time/posix_time/posix_time_types.hpp>

#include <string>

class QLabel;
class QMainWindow;

// The time left of a key's session in the status bar of the window that
// opened the key: "Session Duration [hh:mm]", red under one hour. It counts
// down on the application's clock ticks and closes the window, once, when
// less than a minute is left. "Now" is read through common::Clock, to the
// second.
class SessionDuration
{
public:
    // The label joins the window's status bar; the window owns it.
    explicit SessionDuration(QMainWindow* window);
    virtual ~SessionDuration();
    SessionDuration(const SessionDuration&) = delete;
    SessionDuration& operator=(const SessionDuration&) = delete;

    // Starts a countdown of that many seconds; 0 (no limit) stops it.
    void initializeStatus(unsigned int seconds);
    // Shows the time left now.
    void updateStatus();
    // One clock tick: the time left, or the window closed.
    void timeoutEventHandler(int minorEvcode, const std::string& event);
    // Stops the countdown and empties the label.
    void reset();

    const QLabel* label() const { return m_label; }

private:
    void show(boost::posix_time::time_duration::tick_type microseconds);

    QMainWindow* const m_window;
    QLabel* const m_label;
    // Not a date time while no countdown runs.
    boost::posix_time::ptime m_endTime;
};
