#include "library/gui/creategroupdialog.h"
#include "library/gui/documentrevisiondialog.h"
#include "library/gui/editgroupdialog.h"
#include "library/gui/textdialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qtmessagecapture.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/translationfixture.h"
#include "tests/support/scopedtimezone.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::WhenModal;

QLabel* LabelWithText(const QWidget& dialog, const QString& text)
{
    return testsupport::ChildWithText<QLabel>(dialog, text);
}

QPushButton* ButtonWithText(const QWidget& dialog, const QString& text)
{
    return testsupport::ChildWithText<QPushButton>(dialog, text);
}

// The name and description fields, found through their labels.
struct GroupFields
{
    QLineEdit* name;
    QLineEdit* description;
};

GroupFields FieldsOf(const CreateGroupDialog& dialog)
{
    QLabel* nameLabel = LabelWithText(dialog, QStringLiteral("Group name:"));
    QLabel* descriptionLabel = LabelWithText(dialog, QStringLiteral("Group description:"));
    return {nameLabel ? qobject_cast<QLineEdit*>(nameLabel->buddy()) : nullptr,
            descriptionLabel ? qobject_cast<QLineEdit*>(descriptionLabel->buddy()) : nullptr};
}

class GroupDialogTest : public testsupport::TranslationFixture
{};

TEST_F(GroupDialogTest, CreateGroupDialogShowsItsFieldsAndButtons)
{
    CreateGroupDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create Group"));
    EXPECT_EQ(dialog.minimumWidth(), 300);
    const GroupFields fields = FieldsOf(dialog);
    ASSERT_NE(fields.name, nullptr);
    ASSERT_NE(fields.description, nullptr);
    EXPECT_NE(fields.name, fields.description);
    EXPECT_EQ(fields.name->validator(), nullptr);
    EXPECT_EQ(fields.name->maxLength(), QLineEdit().maxLength());
    EXPECT_NE(ButtonWithText(dialog, QStringLiteral("OK")), nullptr);
    EXPECT_NE(ButtonWithText(dialog, QStringLiteral("Cancel")), nullptr);
}

TEST_F(GroupDialogTest, TypedTextsComeBackTrimmed)
{
    struct Case
    {
        const char* typed;
        const char* returned;
    };
    const Case cases[] = {
        {"  Project team  ", "Project team"},         {"Team\t", "Team"}, {"   ", ""}, {"", ""},
        {"Inner  blanks stay", "Inner  blanks stay"},
    };
    for (const Case& c : cases) {
        CreateGroupDialog dialog(nullptr);
        const GroupFields fields = FieldsOf(dialog);
        ASSERT_NE(fields.name, nullptr);
        QTest::keyClicks(fields.name, QString::fromUtf8(c.typed));
        QTest::keyClicks(fields.description, QString::fromUtf8(c.typed));
        EXPECT_EQ(dialog.getGroupName().toStdString(), c.returned) << '"' << c.typed << '"';
        EXPECT_EQ(dialog.getGroupDescription().toStdString(), c.returned) << '"' << c.typed << '"';
    }
}

TEST_F(GroupDialogTest, OkAcceptsAndCancelRejects)
{
    struct Case
    {
        const char* button;
        int result;
    };
    for (const Case& c : {Case{"OK", QDialog::Accepted}, Case{"Cancel", QDialog::Rejected}}) {
        CreateGroupDialog dialog(nullptr);
        WhenModal<CreateGroupDialog>([&c](CreateGroupDialog* shown) {
            QTest::keyClicks(FieldsOf(*shown).name, QStringLiteral(" Readers "));
            QPushButton* button = ButtonWithText(*shown, QString::fromLatin1(c.button));
            if (button) {
                button->click();
            } else {
                ADD_FAILURE() << "no button " << c.button;
                shown->reject();
            }
        });
        EXPECT_EQ(dialog.exec(), c.result) << c.button;
        // The caller reads the fields after exec returned.
        EXPECT_EQ(dialog.getGroupName(), QStringLiteral("Readers"));
    }

    CreateGroupDialog dialog(nullptr);
    WhenModal<CreateGroupDialog>([](CreateGroupDialog* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

TEST_F(GroupDialogTest, EditGroupDialogShowsTheCallersTextsAndReturnsThemTrimmed)
{
    EditGroupDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edit Group"));
    dialog.setGroupName(QStringLiteral("  Auditors "));
    dialog.setGroupDescription(QStringLiteral(" People who <b>read</b> the logs "));

    const GroupFields fields = FieldsOf(dialog);
    ASSERT_NE(fields.name, nullptr);
    EXPECT_EQ(fields.name->text(), QStringLiteral("  Auditors "));
    EXPECT_EQ(fields.description->text(), QStringLiteral(" People who <b>read</b> the logs "));

    WhenModal<EditGroupDialog>([](EditGroupDialog* shown) {
        FieldsOf(*shown).description->clear();
        ButtonWithText(*shown, QStringLiteral("OK"))->click();
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.getGroupName(), QStringLiteral("Auditors"));
    EXPECT_EQ(dialog.getGroupDescription(), QString());
}

// Revisions are shown in local time; the tests fix the zone to one east of
// UTC without daylight saving time.
class DocumentRevisionDialogTest : public testsupport::TranslationFixture
{
private:
    testsupport::ScopedTimeZone m_zone{"Asia/Tokyo"};
};

TEST_F(DocumentRevisionDialogTest, TitleShowsTheRevisionInLocalTime)
{
    struct Case
    {
        const char* name;
        const char* revision;
        const char* title;
    };
    const Case cases[] = {
        // Late in the evening in UTC is the next morning in Tokyo.
        {"Plan", "2024-05-01 22:30:45.123456", "Document 'Plan' (revision 2024-05-02 07:30:45)"},
        {"Plan", "2024-05-01 10:00:00", "Document 'Plan' (revision 2024-05-01 19:00:00)"},
        // A name is shown as it stands, placeholders included.
        {"Q%2 report", "2023-12-31 15:00:00", "Document 'Q%2 report' (revision 2024-01-01 00:00:00)"},
    };
    for (const Case& c : cases) {
        testsupport::QtMessageCapture capture;
        DocumentRevisionDialog dialog(QString::fromUtf8(c.name), QString::fromUtf8(c.revision),
                                      QStringLiteral("<p>body</p>"), nullptr);
        EXPECT_EQ(dialog.windowTitle().toStdString(), c.title);
        EXPECT_TRUE(capture.messages().empty());
    }
}

TEST_F(DocumentRevisionDialogTest, AnUnreadableRevisionLeavesTheDialogUntitledWithOneWarning)
{
    for (const char* revision : {"", "yesterday", "2024-05-01"}) {
        testsupport::QtMessageCapture capture;
        DocumentRevisionDialog dialog(QStringLiteral("Plan"), QString::fromUtf8(revision),
                                      QStringLiteral("<p>still shown</p>"), nullptr);
        EXPECT_EQ(dialog.windowTitle(), QString()) << revision;
        EXPECT_EQ(capture.messages(),
                  std::vector<std::string>{
                      "DocumentRevisionDialog::DocumentRevisionDialog: not documentRevisionDateTimeUTC.isValid()"})
            << revision;
        QTextEdit* content = dialog.findChild<QTextEdit*>();
        ASSERT_NE(content, nullptr);
        EXPECT_EQ(content->toPlainText(), QStringLiteral("still shown"));
    }
}

TEST_F(DocumentRevisionDialogTest, ContentIsShownAsHtmlAndCannotBeSelected)
{
    DocumentRevisionDialog dialog(QStringLiteral("Plan"), QStringLiteral("2024-05-01 10:00:00"),
                                  QStringLiteral("<h1>Heading</h1><p>Some <b>bold</b> text</p>"), nullptr);
    EXPECT_EQ(dialog.minimumSize(), QSize(800, 600));
    QTextEdit* content = dialog.findChild<QTextEdit*>();
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->toPlainText(), QStringLiteral("Heading\nSome bold text"));
    EXPECT_TRUE(content->isReadOnly());
    EXPECT_EQ(content->textInteractionFlags(), Qt::NoTextInteraction);

    dialog.show();
    QTest::keyClick(content, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(content, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_FALSE(content->textCursor().hasSelection());
}

TEST_F(DocumentRevisionDialogTest, CloseEndsTheDialog)
{
    DocumentRevisionDialog dialog(QStringLiteral("Plan"), QStringLiteral("2024-05-01 10:00:00"), QString(), nullptr);
    WhenModal<DocumentRevisionDialog>([](DocumentRevisionDialog* shown) {
        shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TextDialogTest, ShowsTheNoticeFormattedAndTheTextAsItStands)
{
    const QString notice = QStringLiteral("<p><b>Quenlark Client</b> 1.0.1</p>");
    const QString text = QStringLiteral("<html><body><b>Licence</b>\n  terms &amp; conditions</body></html>");
    TextDialog dialog(nullptr, QStringLiteral("About Quenlark..."), notice, text);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Quenlark..."));
    EXPECT_EQ(dialog.minimumSize(), QSize(640, 480));
    QLabel* label = dialog.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), notice);
    EXPECT_EQ(label->textFormat(), Qt::AutoText);
    QTextEdit* body = dialog.findChild<QTextEdit*>();
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->toPlainText(), text);
    EXPECT_TRUE(body->isReadOnly());
}

TEST(TextDialogTest, OkAcceptsAndEscapeRejects)
{
    TextDialog dialog(nullptr, QStringLiteral("Title"), QStringLiteral("Notice"), QStringLiteral("Text"));
    WhenModal<TextDialog>(
        [](TextDialog* shown) { shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);

    WhenModal<TextDialog>([](TextDialog* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

}  // namespace
