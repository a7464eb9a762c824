#pragma once

// Drives the dialogs that a test opens with exec() and finds their widgets.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

namespace testsupport {

// The first child widget of type Widget (a label, a button...) that shows
// exactly `text`, or null.
template <typename Widget>
Widget* ChildWithText(const QWidget& parent, const QString& text)
{
    for (Widget* child : parent.findChildren<Widget*>()) {
        if (child->text() == text) {
            return child;
        }
    }
    return nullptr;
}

namespace detail {

template <typename Dialog, typename Action>
void PollModal(Action action, int delay, int triesLeft)
{
    QTimer::singleShot(delay, [action, triesLeft]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal); dialog && dialog->isVisible()) {
            action(dialog);
            return;
        }
        if (triesLeft > 0) {
            PollModal<Dialog>(action, 10, triesLeft - 1);
            return;
        }
        ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " showed; found "
                      << (modal ? modal->metaObject()->className() : "none");
        if (auto* other = qobject_cast<QDialog*>(modal)) {
            other->reject();
        }
    });
}

}  // namespace detail

// Runs the action on the next modal dialog of type Dialog once its event loop
// is up. When none shows within five seconds the test fails, and a modal
// dialog of another type is rejected, so the test never hangs.
template <typename Dialog, typename Action>
void WhenModal(Action action)
{
    detail::PollModal<Dialog>(action, 0, 500);
}

// While it lives, every dialog that shows and is not of an allowed class
// fails the test and is rejected at once.
class DialogGuard : public QObject
{
public:
    DialogGuard() { qApp->installEventFilter(this); }
    ~DialogGuard() override { qApp->removeEventFilter(this); }

    template <typename Dialog>
    void allow()
    {
        m_allowed.insert(QByteArray(Dialog::staticMetaObject.className()));
    }
    template <typename Dialog>
    void forbid()
    {
        m_allowed.remove(QByteArray(Dialog::staticMetaObject.className()));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && !m_allowed.contains(QByteArray(dialog->metaObject()->className()))) {
                ADD_FAILURE() << "unexpected " << dialog->metaObject()->className() << " \""
                              << dialog->windowTitle().toStdString() << '"';
                QTimer::singleShot(0, dialog, &QDialog::reject);
            }
        }
        return false;
    }

private:
    QSet<QByteArray> m_allowed;
};

}  // namespace testsupport
