#pragma once

// What the key-rule page tests share: the built-in icons, a bare wizard
// around the page under test, widgets found by the texts a user sees, and
// the event loop run until the page has settled.

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWizard>
#include <QWizardPage>

namespace wizardtest {

// Registers the client's bundle (icons and translation), once per program.
void PrepareResources();

// A wizard of three pages, shown offscreen: an empty page, the page under
// test and another empty page; it goes Next from the first page to the page
// under test, as a user would. backAndForward() and forwardAndBack() leave
// the page and return to it.
class BareWizard
{
public:
    // Takes the page; the wizard becomes its parent.
    explicit BareWizard(QWizardPage* page);
    ~BareWizard();

    QWizard& wizard() { return m_wizard; }
    QVariant field(const char* name) const { return m_wizard.field(QString::fromLatin1(name)); }
    bool onPageUnderTest() const { return m_wizard.currentId() == m_pageId; }

    void backAndForward();
    void forwardAndBack();

private:
    QWizard m_wizard;
    int m_pageId;
};

// Runs the event loop for a while, so that queued work (the state machine's
// transitions, timers of the modal helpers) is done.
void Settle();

// The widget that a label showing exactly `labelText` names as its buddy.
template <typename Widget>
Widget* Buddy(const QWidget& parent, const QString& labelText)
{
    for (QLabel* label : parent.findChildren<QLabel*>()) {
        if (label->text() == labelText) {
            return qobject_cast<Widget*>(label->buddy());
        }
    }
    return nullptr;
}

// The page's logo is the built-in icon of that name.
bool LogoIs(const QWizardPage& page, const char* iconName);

}  // namespace wizardtest
