#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/component.h"
#include "library/gui/replytable.h"

#include <QApplication>
#include <QList>
#include <QPointer>

#include <string>

// The base of the view managers, which open, raise and close one kind of
// window in answer to the bus. Like a window, it splits every reply (both
// error codes 0 go to processReply, anything else to processError) and hands
// it to its reply table; a manager reports nothing itself, and a payload
// that does not parse is only logged.
//
// It also gives every manager its one step: raise the open window that
// shows a record, or create, wire and show one; close every window that
// shows a record when the record is deleted. Managers keep no list of their
// windows: an open window is found among the application's top-level widgets
// by its kind and by the key of the record it shows.
class AbstractViewManager : public Component
{
    Q_OBJECT

public:
    explicit AbstractViewManager(QObject* parent);
    ~AbstractViewManager() override;

public slots:
    void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS) override;

protected slots:
    virtual void processReply(QUENLARK_BUS_PROCESS_REPLY_PARAMETERS);
    virtual void processError(QUENLARK_BUS_PROCESS_ERROR_PARAMETERS);

protected:
    // What the lookup does with every open window that matches.
    enum class ViewAction
    {
        ActivateView = 1,
        CloseView = 2
    };

    // Whether a new window is shown when not all of its connections were made.
    enum class Show
    {
        Always,
        WhenWired
    };

    // Hangs the new window on the bus and shows it; true when all of its
    // connections were made.
    bool openWindow(AbstractViewWindow* window, Show show = Show::Always);

    // Activates and raises (ActivateView), or closes (CloseView), every open
    // window of the kind `Window` for which `keyOf(window)` equals `key`, in
    // the application's top-level order; true when at least one matched.
    template <typename Window, typename Key, typename KeyOf>
    static bool ViewExists(const Key& key, KeyOf keyOf, ViewAction action)
    {
        QList<QPointer<Window>> matches;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = dynamic_cast<Window*>(widget);
            // A window that has been closed waits hidden for its deletion.
            if (window && window->isVisible() && keyOf(*window) == key) {
                matches.append(window);
            }
        }
        // Closing may ask the user and may delete other windows meanwhile.
        for (const QPointer<Window>& window : matches) {
            if (!window) {
                continue;
            }
            if (action == ViewAction::ActivateView) {
                window->activateWindow();
                window->raise();
            } else {
                window->close();
            }
        }
        return !matches.isEmpty();
    }

    // Raises the open window of the kind that shows the record, or makes one
    // with `create()`, hangs it on the bus and shows it.
    template <typename Window, typename Key, typename KeyOf, typename Create>
    void raiseOrOpenWindow(const Key& key, KeyOf keyOf, Create create, Show show = Show::Always)
    {
        if (!ViewExists<Window>(key, keyOf, ViewAction::ActivateView)) {
            openWindow(create(), show);
        }
    }

    // Closes every open window of the kind that shows the deleted record.
    template <typename Window, typename Key, typename KeyOf>
    static bool CloseWindows(const Key& key, KeyOf keyOf)
    {
        return ViewExists<Window>(key, keyOf, ViewAction::CloseView);
    }

    // Hangs a window above the bus's executive connector, through the
    // application component that the manager keeps; true when all three
    // connections were made. The base knows no bus and hangs nothing.
    virtual bool connectViewWindow(const AbstractViewWindow* window);

    ReplyTable m_replyTable;

private:
    friend class ReplyTable;
};
