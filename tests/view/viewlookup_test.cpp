// The managers' window look-up over windows of one kind: every match is
// closed, none found answers false, and a window that refuses to close stays
// open and is still found.

#include "library/gui/abstractviewmanager.h"
#include "library/gui/abstractviewwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

#include <vector>

namespace {

class KeyedWindow : public AbstractViewWindow
{
public:
    explicit KeyedWindow(int key, bool closes = true)
        : AbstractViewWindow(nullptr)
        , m_key(key)
        , m_closes(closes)
    {
        show();
    }

    int key() const { return m_key; }

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(m_closes); }

private:
    const int m_key;
    const bool m_closes;
};

int KeyOf(const KeyedWindow& window)
{
    return window.key();
}

// The look-up, reachable for the test.
class Lookup : public AbstractViewManager
{
public:
    Lookup()
        : AbstractViewManager(nullptr)
    {}

    static bool Raise(int key) { return ViewExists<KeyedWindow>(key, &KeyOf, ViewAction::ActivateView); }
    static bool Close(int key) { return CloseWindows<KeyedWindow>(key, &KeyOf); }
};

TEST(ViewLookupTest, EveryMatchIsTreatedAndARefusingWindowStaysOpen)
{
    QPointer<KeyedWindow> first = new KeyedWindow(1);
    QPointer<KeyedWindow> second = new KeyedWindow(1);
    QPointer<KeyedWindow> refusing = new KeyedWindow(1, false);
    QPointer<KeyedWindow> other = new KeyedWindow(2);

    EXPECT_FALSE(Lookup::Raise(3));
    EXPECT_FALSE(Lookup::Close(3));
    EXPECT_TRUE(Lookup::Raise(1));

    EXPECT_TRUE(Lookup::Close(1));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    ASSERT_FALSE(refusing.isNull());
    EXPECT_TRUE(refusing->isVisible());
    ASSERT_FALSE(other.isNull());
    EXPECT_TRUE(other->isVisible());
    EXPECT_TRUE(Lookup::Raise(1)) << "the refusing window is still found";
    delete refusing;
    delete other;
}

}  // namespace
