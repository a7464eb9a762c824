// The passcode page in a bare wizard: sequences of presses mapped to what the
// page shows, its three fields and the warnings.

#include "product/client/view/selectpasscodewizardpage.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/view/wizardpagetestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

using testsupport::ChildWithText;

const QString NoPasscode = QStringLiteral("I do not want to associate a passcode with this key");
const QString WithPasscode = QStringLiteral("I want to associate a passcode with this key");
const QString EnterPrompt = QStringLiteral("Please enter a passcode.");
const QString ReenterPrompt = QStringLiteral("Please re-enter the passcode.");
const QString SuccessPrompt = QStringLiteral("A passcode has been successfully validated and associated with the key.");
const QString EmptyWarning = QStringLiteral("A passcode cannot be empty.");
const QString MismatchWarning = QStringLiteral("The passcodes you entered do not match.");

// Presses: 'P' the passcode button, 'N' the no-passcode button, a digit its
// key, 'E' Enter, 'D' Delete, '>' Next, '<' Back and Next again.
struct PasscodeCase
{
    const char* name;
    const char* presses;
    // Shown, in order; each answered with OK.
    QStringList warnings;
    // An empty prompt stands for a hidden one.
    QString prompt;
    bool red;
    bool keypadShown;
    QString entry;
    QString passcode;
    bool passcodeIsValid;
    bool noPasscode;
    // Next took the wizard to the page after.
    bool leftThePage;
};

const PasscodeCase PasscodeCases[] = {
    {"AtStart", "", {}, {}, false, false, {}, {}, false, true, false},
    {"PasscodeChosen", "P", {}, EnterPrompt, false, true, {}, {}, false, false, false},
    {"EnterWithNothingTyped", "PE", {EmptyWarning}, EnterPrompt, false, true, {}, {}, false, false, false},
    {"DeleteOnAnEmptyEntry", "PD", {}, EnterPrompt, false, true, {}, {}, false, false, false},
    {"DeleteAfterTwoDigits", "P12D", {}, EnterPrompt, false, true, "1", {}, false, false, false},
    {"EveryKey", "P1234567890", {}, EnterPrompt, false, true, "1234567890", {}, false, false, false},
    {"FirstEntry", "P12E", {}, ReenterPrompt, true, true, {}, "12", false, false, false},
    {"Mismatch", "P12E34E", {MismatchWarning}, ReenterPrompt, true, true, {}, "12", false, false, false},
    {"MismatchThenMatch", "P12E34E12E", {MismatchWarning}, SuccessPrompt, false, false, "12", "12", true, false, false},
    {"Match", "P4711E4711E", {}, SuccessPrompt, false, false, "4711", "4711", true, false, false},
    {"NoPasscodeAfterSuccess", "P12E12EN", {}, {}, false, false, "12", {}, false, true, false},
    {"StartingOverAfterSuccess", "P12E12ENP", {}, EnterPrompt, false, true, {}, {}, false, false, false},
    {"NextWithoutPasscode", ">", {}, {}, false, false, {}, {}, false, true, true},
    {"NextAfterSuccess", "P12E12E>", {}, SuccessPrompt, false, false, "12", "12", true, false, true},
    {"NextWithAnEmptyEntry", "P>", {EmptyWarning}, EnterPrompt, false, true, {}, {}, false, false, false},
    // The first entry was never confirmed, so nothing matches it.
    {"NextWithAnUnconfirmedFirstEntry",
     "P12>",
     {MismatchWarning},
     EnterPrompt,
     false,
     true,
     "12",
     {},
     false,
     false,
     false},
    {"NextWithAMismatchingSecondEntry",
     "P12E3>",
     {MismatchWarning},
     ReenterPrompt,
     true,
     true,
     "3",
     "12",
     false,
     false,
     false},
    // A matching second entry without Enter counts as confirmed.
    {"NextWithAnUnconfirmedMatch", "P12E12>", {}, SuccessPrompt, false, false, "12", "12", true, false, true},
    // Back resets the fields, and the page shows no passcode with them.
    {"BackAfterSuccess", "P12E12E<", {}, {}, false, false, "12", {}, false, true, false},
    {"BackDuringEntry", "P12E3<", {}, {}, false, false, "3", {}, false, true, false},
    {"PasscodeAfterBack", "P12E12E<P", {}, EnterPrompt, false, true, {}, {}, false, false, false},
};

// Answers every message box with OK as soon as it shows, and keeps the
// texts of the warnings in order.
class WarningRecorder : public QObject
{
public:
    WarningRecorder() { qApp->installEventFilter(this); }
    ~WarningRecorder() override { qApp->removeEventFilter(this); }

    const QStringList& warnings() const { return m_warnings; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Warning"));
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            m_warnings << box->text();
            QTimer::singleShot(0, box, [box]() { box->button(QMessageBox::Ok)->click(); });
        }
        return false;
    }

private:
    QStringList m_warnings;
};

class PasscodePageTest : public ::testing::TestWithParam<PasscodeCase>
{
protected:
    void SetUp() override { wizardtest::PrepareResources(); }
};

QPushButton* Key(const QWidget& page, char press)
{
    for (QPushButton* key : page.findChildren<QPushButton*>()) {
        const QString caption = key->text();
        if ((press == 'E' && caption.startsWith(QLatin1String("Enter")))
            || (press == 'D' && caption == QLatin1String("Delete"))
            || (press >= '0' && press <= '9' && caption.startsWith(QLatin1Char(press)))) {
            return key;
        }
    }
    return nullptr;
}

TEST_P(PasscodePageTest, PressesLeadToTheStateTheFieldsAndTheWarnings)
{
    const PasscodeCase& test = GetParam();
    auto* page = new SelectPasscodeWizardPage(nullptr);
    wizardtest::BareWizard bare(page);
    WarningRecorder recorder;
    for (const char* press = test.presses; *press; ++press) {
        switch (*press) {
        case 'P':
            ChildWithText<QRadioButton>(*page, WithPasscode)->click();
            break;
        case 'N':
            ChildWithText<QRadioButton>(*page, NoPasscode)->click();
            break;
        case '>':
            bare.wizard().next();
            break;
        case '<':
            bare.backAndForward();
            break;
        default:
            QPushButton* key = Key(*page, *press);
            ASSERT_NE(key, nullptr) << *press;
            key->click();
        }
        wizardtest::Settle();
    }

    EXPECT_EQ(recorder.warnings(), test.warnings);
    // The prompt is the one label without a frame; the other is the separator.
    QLabel* promptLabel = nullptr;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->frameShape() == QFrame::NoFrame) {
            promptLabel = label;
        }
    }
    ASSERT_NE(promptLabel, nullptr);
    EXPECT_EQ(promptLabel->isVisibleTo(page) ? promptLabel->text() : QString(), test.prompt);
    if (!test.prompt.isEmpty()) {
        EXPECT_EQ(promptLabel->styleSheet().contains(QLatin1String("red")), test.red);
    }
    auto* entry = page->findChild<QLineEdit*>();
    EXPECT_EQ(entry->isVisibleTo(page), test.keypadShown);
    for (QPushButton* key : page->findChildren<QPushButton*>()) {
        EXPECT_EQ(key->isVisibleTo(page), test.keypadShown) << key->text().toStdString();
    }
    EXPECT_EQ(entry->text(), test.entry);
    EXPECT_EQ(bare.field("passcode").toString(), test.passcode);
    EXPECT_EQ(bare.field("passcodeIsValid").toBool(), test.passcodeIsValid);
    EXPECT_EQ(bare.field("noPasscode").toBool(), test.noPasscode);
    EXPECT_EQ(!bare.onPageUnderTest(), test.leftThePage);
}

INSTANTIATE_TEST_SUITE_P(PasscodePage, PasscodePageTest, ::testing::ValuesIn(PasscodeCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST(PasscodePage, KeysAreTheKeypadInItsGridWithoutFocus)
{
    wizardtest::PrepareResources();
    auto* page = new SelectPasscodeWizardPage(nullptr);
    wizardtest::BareWizard bare(page);
    const QList<QPushButton*> keys = page->findChildren<QPushButton*>();
    ASSERT_EQ(keys.size(), 12);
    QStringList captions;
    for (QPushButton* key : keys) {
        captions << key->text();
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(captions, (QStringList{"1", "2  ABC", "3  DEF", "4  GHI", "5  JKL", "6  MNO", "7 PQRS", "8  TUV",
                                     "9 WXYZ", "Enter ", "0     ", "Delete"}));
    EXPECT_FALSE(keys[9]->icon().isNull());
    EXPECT_FALSE(keys[11]->icon().isNull());
    EXPECT_EQ(page->findChild<QLineEdit*>()->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(page->findChild<QLineEdit*>()->isReadOnly());
    EXPECT_EQ(page->title(), QStringLiteral("Select Passcode"));
    EXPECT_TRUE(wizardtest::LogoIs(*page, "passcode"));
}

}  // namespace
