#include "library/core/proxy/messagewriter.h"
#include "library/gui/createmessagedialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"

#include "message3.pb.h"
#include "user3.pb.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using testsupport::ChildWithText;
using testsupport::WhenModal;

// The bits that the dialog manages: View and 3 to 10.
constexpr int ManagedBits = 0x7F9;

const std::map<std::string, int> BoxBits = {
    {"Allow the contents of the message to be viewed", 0},
    {"Allow the contents of the message to be copied to the clipboard", 3},
    {"Allow the contents of the message to be exported to a text file", 4},
    {"Allow the contents of the message to be exported to a PDF file", 5},
    {"Allow the contents of the message to be printed", 6},
    {"Allow the contents of the message to be searched", 7},
    {"Allow reply", 8},
    {"Allow reply to all", 9},
    {"Allow forward to others", 10},
};

// A new message as the message browser prepares it: the logged-on user as
// sender, no permission bit set.
zarv::data::Message PreparedMessage()
{
    zarv::data::User user;
    user.set_user_id(1);
    user.set_user_last_name("Lovelace");
    user.set_user_first_name("Ada");
    zarv::data::Message message;
    MessageWriter writer(message, user);
    writer.setFolderId(200);
    return message;
}

template <typename Field>
Field* FieldOf(const QWidget& dialog, const std::string& label)
{
    QLabel* found = ChildWithText<QLabel>(dialog, QString::fromStdString(label));
    EXPECT_NE(found, nullptr) << label;
    return found ? qobject_cast<Field*>(found->buddy()) : nullptr;
}

class CreateMessageDialogTest : public ::testing::Test
{
protected:
    CreateMessageDialogTest()
        : m_message(PreparedMessage())
        , m_dialog(&m_message, nullptr)
    {}

    int permissions() const { return m_message.message_security_descriptor().permissions(); }
    QCheckBox* box(const std::string& label) { return FieldOf<QCheckBox>(m_dialog, label); }
    QCheckBox* readOnly() { return FieldOf<QCheckBox>(m_dialog, "Message read-only"); }
    QLineEdit* subject() { return FieldOf<QLineEdit>(m_dialog, "Message subject:"); }
    QPushButton* ok() { return ChildWithText<QPushButton>(m_dialog, QStringLiteral("OK")); }

    // Every permission box's check state and whether it can be used, against
    // the bits that should be checked.
    void expectBoxes(int checkedBits, bool enabled)
    {
        for (const auto& [label, bit] : BoxBits) {
            QCheckBox* found = box(label);
            ASSERT_NE(found, nullptr) << label;
            EXPECT_EQ(found->isChecked(), (checkedBits >> bit & 1) != 0) << label;
            EXPECT_EQ(found->isEnabled(), enabled) << label;
        }
    }

    zarv::data::Message m_message;
    CreateMessageDialog m_dialog;
};

TEST_F(CreateMessageDialogTest, StartsWithViewSearchReplyAndReplyAll)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Create Message"));
    EXPECT_EQ(m_dialog.minimumWidth(), 480);
    auto* tabs = m_dialog.findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Message Content Permissions"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Message User Permissions"));
    EXPECT_EQ(permissions(), 0x381);
    expectBoxes(0x381, true);
    ASSERT_NE(ok(), nullptr);
    EXPECT_FALSE(ok()->isEnabled());
    ASSERT_NE(readOnly(), nullptr);
    EXPECT_FALSE(readOnly()->isChecked());
    EXPECT_EQ(m_message.message_subject(), "");
}

TEST(CreateMessageDialogBitsTest, BitsOutsideTheBoxesAreLeftAlone)
{
    zarv::data::Message message = PreparedMessage();
    MessageWriter(message).setPermissions(0x806 | 0x10000);
    CreateMessageDialog dialog(&message, nullptr);
    EXPECT_EQ(message.message_security_descriptor().permissions(), 0x806 | 0x10000 | 0x381);
}

TEST_F(CreateMessageDialogTest, ReadOnlyLeavesViewAndThenViewReplyAndReplyAll)
{
    ASSERT_NE(readOnly(), nullptr);
    box("Allow forward to others")->click();
    box("Allow the contents of the message to be printed")->click();
    EXPECT_EQ(permissions(), 0x381 | 0x400 | 0x40);

    readOnly()->click();
    EXPECT_EQ(permissions(), 0x001);
    expectBoxes(0x001, false);
    // Disabled boxes cannot be changed.
    QTest::mouseClick(box("Allow reply"), Qt::LeftButton);
    box("Allow the contents of the message to be viewed")->click();
    EXPECT_EQ(permissions(), 0x001);

    readOnly()->click();
    EXPECT_EQ(permissions(), 0x301) << "Search and Forward stay cleared";
    expectBoxes(0x301, true);

    box("Allow the contents of the message to be copied to the clipboard")->click();
    EXPECT_EQ(permissions(), 0x309);
    box("Allow the contents of the message to be viewed")->click();
    EXPECT_EQ(permissions() & ManagedBits, 0x308);
}

TEST_F(CreateMessageDialogTest, SubjectIsStoredTrimmedAndKeepsItsLastNonEmptyValue)
{
    QLineEdit* field = subject();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, QStringLiteral("  Hi all "));
    EXPECT_EQ(m_message.message_subject(), "Hi all");
    EXPECT_TRUE(ok()->isEnabled());
    while (!field->text().isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(m_message.message_subject(), "H");

    QTest::keyClicks(field, QStringLiteral("   "));
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_EQ(m_message.message_subject(), "H");
    QTest::keyClicks(field, QStringLiteral("Caf"));
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral("\u00e9"), Qt::NoModifier);
    EXPECT_EQ(m_message.message_subject(), "Caf\xc3\xa9");
}

TEST_F(CreateMessageDialogTest, CancelLeavesTheChangesInTheCallersRecord)
{
    WhenModal<CreateMessageDialog>([this](CreateMessageDialog* shown) {
        QTest::keyClicks(subject(), QStringLiteral("Draft"));
        readOnly()->click();
        ChildWithText<QPushButton>(*shown, QStringLiteral("Cancel"))->click();
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(m_message.message_subject(), "Draft");
    EXPECT_EQ(permissions(), 0x001);
}

TEST_F(CreateMessageDialogTest, OkAcceptsOnceASubjectIsTyped)
{
    WhenModal<CreateMessageDialog>([this](CreateMessageDialog* shown) {
        EXPECT_EQ(shown->focusWidget(), subject());
        QTest::keyClicks(subject(), QStringLiteral("Plan"));
        ChildWithText<QPushButton>(*shown, QStringLiteral("OK"))->click();
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(m_message.message_subject(), "Plan");
}

}  // namespace
