#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QString>

class QMainWindow;
class QStatusBar;

// A status-bar message that a hover does not erase. Moving over a menu entry
// or a tool-bar button shows its status tip in place of the message; when the
// tip goes, the message comes back with what is left of its time-out. A
// message whose time-out has run out does not come back; the window shows
// each of its own messages through show(), which replaces the one before.
class StandingStatusMessage : public QObject
{
    Q_OBJECT

public:
    // Watches the window's status tips; the window owns the object.
    explicit StandingStatusMessage(QMainWindow* window);

    // Shows the text on the window's status bar, for `timeout` milliseconds,
    // or until it is replaced when `timeout` is 0.
    void show(const QString& text, int timeout = 0);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStatusBar* const m_statusBar;
    QString m_text;
    QDeadlineTimer m_deadline;
};
