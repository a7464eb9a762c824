#include "library/gui/passcodedialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::WhenModal;

// The keys as they read, by key number (key 10 is Enter, key 11 the zero).
const char* const KeyTexts[] = {"1",      "2  ABC", "3  DEF", "4  GHI", "5  JKL", "6  MNO",
                                "7 PQRS", "8  TUV", "9 WXYZ", "Enter ", "0     ", "Delete"};

QPushButton* Key(const PasscodeDialog& dialog, int key)
{
    return testsupport::ChildWithText<QPushButton>(dialog, QString::fromUtf8(KeyTexts[key - 1]));
}

TEST(PasscodeDialogTest, LooksLikeAKeypad)
{
    PasscodeDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Passcode"));
    for (int key = 1; key <= 12; ++key) {
        QPushButton* button = Key(dialog, key);
        ASSERT_NE(button, nullptr) << "key " << key;
        EXPECT_EQ(button->font().family(), QStringLiteral("Courier"));
        EXPECT_EQ(button->font().pointSize(), 12);
        EXPECT_FALSE(button->font().italic());
    }
    auto* field = dialog.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    EXPECT_EQ(field->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(PasscodeDialogTest, KeySequences)
{
    // Key 13 stands for the Escape key of the keyboard.
    constexpr int Escape = 13;
    struct Case
    {
        std::vector<int> keys;
        int result;
        const char* passcode;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10}, QDialog::Accepted, "1234567890"},
        {{11, 11, 7, 10}, QDialog::Accepted, "007"},
        {{10}, QDialog::Rejected, ""},
        {{12, 12, 4, 10}, QDialog::Accepted, "4"},
        {{5, 12, 12, 10}, QDialog::Rejected, ""},
        {{2, 3, 12, 9, 10}, QDialog::Accepted, "29"},
        {{8, 1, Escape}, QDialog::Rejected, ""},
    };
    for (const Case& c : cases) {
        PasscodeDialog dialog(nullptr);
        WhenModal<PasscodeDialog>([&c](PasscodeDialog* shown) {
            auto* field = shown->findChild<QLineEdit*>();
            QString shownDigits;
            for (int key : c.keys) {
                if (key == Escape) {
                    QTest::keyClick(shown, Qt::Key_Escape);
                    return;
                }
                Key(*shown, key)->click();
                if (!shown->isVisible()) {
                    return;
                }
                EXPECT_EQ(field->displayText().contains(QRegularExpression(QStringLiteral("[0-9]"))), false)
                    << "the field shows digits";
            }
            ADD_FAILURE() << "the keys did not close the dialog";
            shown->reject();
        });
        EXPECT_EQ(dialog.exec(), c.result) << c.passcode;
        EXPECT_EQ(dialog.getPasscode().toStdString(), c.passcode);
    }
}

TEST(PasscodeDialogTest, TheFieldTakesNoKeyboardInput)
{
    PasscodeDialog dialog(nullptr);
    auto* field = dialog.findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    dialog.show();
    QTest::keyClicks(field, QStringLiteral("123abc"));
    QTest::keyClicks(&dialog, QStringLiteral("456"));
    Key(dialog, 7)->click();
    EXPECT_EQ(field->text(), QStringLiteral("7"));
    EXPECT_EQ(field->displayText().size(), 1);
    EXPECT_NE(field->displayText(), QStringLiteral("7"));
}

TEST(PasscodeDialogTest, SetPasscodeKeepsADifferentTextTrimmed)
{
    PasscodeDialog dialog(nullptr);
    dialog.setPasscode(QStringLiteral(" 1234 "));
    EXPECT_EQ(dialog.getPasscode(), QStringLiteral("1234"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(), QString());
    dialog.enterPasscodeDigit('5');
    EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(), QStringLiteral("5"));
    EXPECT_EQ(dialog.getPasscode(), QStringLiteral("1234"));
}

}  // namespace
