// The reset-password wizard: the live feedback of the password rules, the
// warnings of its two checking pages in order, and Commit against the test
// server (the stored password, the Registry, refusals and no reply).

#include "product/client/view/resetpasswordwizard.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/network/peers.h"
#include "tests/support/wireframe.h"
#include "tests/view/accountwizardstestsupport.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/network/messagedispatcher.h"
#include "library/security/aesgcm.h"
#include "library/security/cryptographer.h"

#include "updateuserreply3.pb.h"
#include "updateuserrequest3.pb.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using accountwizardstest::BoxesDuring;
using accountwizardstest::WizardServer;
using wizardtest::Buddy;

const QString Symbols =
    QStringLiteral("!  #  $  %  &  (  )  *  +  ,  -  .  /  :  ;  <  =  >  ?  @  [  \\  ]  ^  _  `  {  |  }  ~");

// The class boxes' texts: plain, then optional.
const std::array<QString, 4> PlainTexts = {
    QStringLiteral("The new password must contain at least 1 lowercase character"),
    QStringLiteral("The new password must contain at least 1 uppercase character"),
    QStringLiteral("The new password must contain at least 1 digit"), Symbols};
const std::array<QString, 4> OptionalTexts = {
    QStringLiteral("Password must contain at least 1 lowercase character (optional)"),
    QStringLiteral("Password must contain at least 1 uppercase character (optional)"),
    QStringLiteral("Password must contain at least 1 digit (optional)"),
    QStringLiteral("Password must contain at least 1 symbol (optional)")};

std::string StoredPasswordOfRegistry()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUserPassword();
}

bool RegistryHoldsPassword(const QString& password)
{
    const Cryptographer& cryptographer = *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
    return cryptographer.decodePassword(cryptographer.hashPassword(password.toStdString()), StoredPasswordOfRegistry());
}

// The rules as the user sees them while typing: one row per text typed.
struct RuleCase
{
    const char* name;
    QString typed;
    // Length, lower-case, upper-case, digit, symbol.
    std::array<bool, 5> checked;
    // The classes worded as optional.
    std::array<bool, 4> optional;
    const char* light;
    bool confirmationEnabled;
};

const RuleCase RuleCases[] = {
    {"SixLowercaseLetters", "abcdef", {true, true, false, false, false}, {}, "password-fair", false},
    {"FourCharactersOfThreeClasses",
     "aB1c",
     {false, true, true, true, false},
     {false, false, false, true},
     "password-weak",
     false},
    {"NoSymbol", "abcDE1", {true, true, true, true, false}, {false, false, false, true}, "password-strong", true},
    {"AllFourClasses", "aB1$xy", {true, true, true, true, true}, {true, true, true, true}, "password-strong", true},
    {"QuoteAndApostropheOnly", "ab\"'cd", {true, true, false, false, false}, {}, "password-fair", false},
    {"NonAsciiLetters", QStringLiteral("ÄÖÜäöüß"), {true, false, false, false, false}, {}, "password-fair", false},
    // Trimmed, the text is five characters long.
    {"BlanksAtBothEnds",
     "  aB1c$  ",
     {false, true, true, true, true},
     {true, true, true, true},
     "password-weak",
     false},
    {"DeletedBackToEmpty", "", {}, {}, "password-weak", false},
};

class PasswordRulesTest : public ::testing::TestWithParam<RuleCase>
{
protected:
    void SetUp() override
    {
        wizardtest::PrepareResources();
        m_page = new ResetPasswordReinitializeWizardPage(nullptr);
        m_wizard.emplace(m_page);
        m_boxes = m_page->findChildren<QCheckBox*>();
        m_password = Buddy<QLineEdit>(*m_page, QStringLiteral("Enter the new password:"));
        m_confirmation = Buddy<QLineEdit>(*m_page, QStringLiteral("Confirm the new password:"));
        ASSERT_EQ(m_boxes.size(), 5);
        ASSERT_TRUE(m_password && m_confirmation);
    }

    ResetPasswordReinitializeWizardPage* m_page = nullptr;
    std::optional<wizardtest::BareWizard> m_wizard;
    QList<QCheckBox*> m_boxes;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_confirmation = nullptr;
};

TEST_F(PasswordRulesTest, StartsWithNothingMetAndTheConfirmationDisabled)
{
    EXPECT_EQ(m_page->title(), QStringLiteral("Reset Password Settings"));
    EXPECT_TRUE(m_page->isCommitPage());
    EXPECT_EQ(m_boxes[0]->text(), QStringLiteral("The new password must have a length of at least 6 characters"));
    for (int box = 0; box < 5; ++box) {
        EXPECT_FALSE(m_boxes[box]->isChecked());
        EXPECT_FALSE(m_boxes[box]->isEnabled());
        if (box > 0) {
            EXPECT_EQ(m_boxes[box]->text(), PlainTexts[box - 1]);
        }
    }
    EXPECT_FALSE(m_confirmation->isEnabled());
    EXPECT_EQ(m_password->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(wizardtest::LogoIs(*m_page, "password-weak"));
}

TEST_P(PasswordRulesTest, FeedbackFollowsTheTypedText)
{
    const RuleCase& test = GetParam();
    // Every row is typed after a strong password, whose confirmation is typed
    // too, so that what the row must clear is there to clear.
    QTest::keyClicks(m_password, QStringLiteral("Strong-1"));
    QTest::keyClicks(m_confirmation, QStringLiteral("Strong-1"));
    for (int count = 0; count < 8; ++count) {
        QTest::keyClick(m_password, Qt::Key_Backspace);
    }
    // Inserted as one edit: the key helpers know only ASCII.
    m_password->insert(test.typed);
    for (int box = 0; box < 5; ++box) {
        EXPECT_EQ(m_boxes[box]->isChecked(), test.checked[box]) << "box " << box;
    }
    for (int rule = 0; rule < 4; ++rule) {
        EXPECT_EQ(m_boxes[rule + 1]->text(), test.optional[rule] ? OptionalTexts[rule] : PlainTexts[rule])
            << "class " << rule;
    }
    EXPECT_TRUE(wizardtest::LogoIs(*m_page, test.light));
    EXPECT_EQ(m_confirmation->isEnabled(), test.confirmationEnabled);
    if (!test.confirmationEnabled) {
        EXPECT_TRUE(m_confirmation->text().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PasswordRulesTest, ::testing::ValuesIn(RuleCases), [](const auto& info) {
    return std::string(info.param.name);
});

// The whole wizard against the test server, started on the page after the
// introduction.
class ResetPasswordTest : public ::testing::Test
{
protected:
    explicit ResetPasswordTest(const std::vector<std::string>& faults = {})
        : m_server(faults)
    {}

    void SetUp() override
    {
        m_wizard.show();
        m_wizard.next();
        m_userName = Buddy<QLineEdit>(*m_wizard.currentPage(), QStringLiteral("User name:"));
        m_currentPassword = Buddy<QLineEdit>(*m_wizard.currentPage(), QStringLiteral("Current password:"));
        ASSERT_TRUE(m_userName && m_currentPassword);
        m_newPassword = Buddy<QLineEdit>(*m_wizard.page(2), QStringLiteral("Enter the new password:"));
        m_confirmation = Buddy<QLineEdit>(*m_wizard.page(2), QStringLiteral("Confirm the new password:"));
        ASSERT_TRUE(m_newPassword && m_confirmation);
    }

    // Next on the authenticate page with these entries.
    QStringList authenticate(const QString& userName, const QString& password)
    {
        m_userName->setText(userName);
        m_currentPassword->setText(password);
        return pressNext();
    }

    QStringList commit(const QString& password, const QString& confirmation)
    {
        m_newPassword->setText(password);
        m_confirmation->setText(confirmation);
        return pressNext();
    }

    // Next; the texts of the warnings shown (every one a warning box titled
    // with the page's title).
    QStringList pressNext()
    {
        const QString title = m_wizard.currentPage()->title();
        QStringList texts;
        for (const consoletest::ShownBox& box : BoxesDuring([this] { m_wizard.next(); })) {
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(box.title, title);
            texts << box.text;
        }
        return texts;
    }

    void passAuthentication()
    {
        ASSERT_EQ(authenticate(QString::fromLatin1(accountwizardstest::UserName),
                               QString::fromLatin1(accountwizardstest::Password)),
                  QStringList());
        ASSERT_EQ(m_wizard.currentId(), 2);
    }

    WizardServer m_server;
    ResetPasswordWizard m_wizard{nullptr};
    QLineEdit* m_userName = nullptr;
    QLineEdit* m_currentPassword = nullptr;
    QLineEdit* m_newPassword = nullptr;
    QLineEdit* m_confirmation = nullptr;
};

struct EntryCase
{
    const char* name;
    const char* first;
    const char* second;
    // The one warning shown; null when the page accepts.
    const char* warning;
};

const EntryCase AuthenticationCases[] = {
    {"NoUserName", "", "Dana-Secret1", "Your user name must be entered."},
    {"NothingAtAllNamesTheUserName", "", "", "Your user name must be entered."},
    {"BlanksOnly", "   ", "   ", "Your user name must be entered."},
    {"NoPassword", "dana", " ", "Your current password must be entered."},
    {"NameInOtherLetterCase", "Dana", "Dana-Secret1", "An invalid user name has been entered."},
    {"WrongNameBeforeWrongPassword", "eli", "wrong", "An invalid user name has been entered."},
    {"WrongPassword", "dana", "dana-secret1", "An invalid password has been entered."},
    {"TypedWithBlanks", " dana ", "  Dana-Secret1 ", nullptr},
};

class AuthenticationTest : public ResetPasswordTest, public ::testing::WithParamInterface<EntryCase>
{};

TEST_P(AuthenticationTest, WarnsOfTheFirstEntryThatFails)
{
    const EntryCase& test = GetParam();
    const QStringList warnings = authenticate(QString::fromUtf8(test.first), QString::fromUtf8(test.second));
    if (test.warning) {
        EXPECT_EQ(warnings, QStringList{QString::fromUtf8(test.warning)});
        EXPECT_EQ(m_wizard.currentId(), 1);
        EXPECT_EQ(m_userName->text(), QString::fromUtf8(test.first));
    } else {
        EXPECT_EQ(warnings, QStringList());
        EXPECT_EQ(m_wizard.currentId(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, AuthenticationTest, ::testing::ValuesIn(AuthenticationCases), [](const auto& info) {
    return std::string(info.param.name);
});

const EntryCase CommitCases[] = {
    {"NoNewPassword", "", "", "A new password has not been specified."},
    {"BlanksOnly", "    ", "", "A new password has not been specified."},
    {"TooShort", "aB1c", "", "A new password must have a length of at least 6 characters."},
    {"TooShortOnceTrimmed", "  aB1c$  ", "aB1c$", "A new password must have a length of at least 6 characters."},
    {"TooFewClasses", "abcdefg", "abcdefg", "A new password must satisfy at least 3 of the optional requirements."},
    {"SameAsCurrentBeforeTheConfirmation", "Dana-Secret1", "",
     "Your new password must be different from your current password."},
    {"SameAsCurrentTypedWithBlanks", " Dana-Secret1 ", "Other-1",
     "Your new password must be different from your current password."},
    {"NoConfirmation", "New-Pass1", "", "You must confirm your new password."},
    {"ConfirmationInOtherLetterCase", "New-Pass1", "New-pass1",
     "The text entered in the confirmation field is not equal to the new password."},
};

class CommitTest : public ResetPasswordTest, public ::testing::WithParamInterface<EntryCase>
{};

TEST_P(CommitTest, WarnsOfTheFirstRuleBrokenAndKeepsThePassword)
{
    const EntryCase& test = GetParam();
    passAuthentication();
    const std::string before = StoredPasswordOfRegistry();
    EXPECT_EQ(commit(QString::fromUtf8(test.first), QString::fromUtf8(test.second)),
              QStringList{QString::fromUtf8(test.warning)});
    EXPECT_EQ(m_wizard.currentId(), 2);
    EXPECT_EQ(StoredPasswordOfRegistry(), before);
}

INSTANTIATE_TEST_SUITE_P(Entries, CommitTest, ::testing::ValuesIn(CommitCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(ResetPasswordTest, CommitStoresTheTrimmedPasswordAndTheLastPageTellsIt)
{
    EXPECT_EQ(m_wizard.windowTitle(), QStringLiteral("Reset Password Wizard"));
    EXPECT_EQ(m_wizard.options(), QWizard::NoCancelButtonOnLastPage);
    passAuthentication();
    EXPECT_EQ(commit(QStringLiteral("  NewPass1x "), QStringLiteral(" NewPass1x")), QStringList());
    ASSERT_EQ(m_wizard.currentId(), 3);
    EXPECT_TRUE(RegistryHoldsPassword(QStringLiteral("NewPass1x")));
    EXPECT_FALSE(RegistryHoldsPassword(QString::fromLatin1(accountwizardstest::Password)));

    const QString text = m_wizard.currentPage()->findChild<QTextEdit*>()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("The length of your new password is 9 characters.")));
    EXPECT_TRUE(text.contains(QStringLiteral("In addition, your new password satisfies these requirements:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Password must contain at least 1 lowercase character")));
    EXPECT_TRUE(text.contains(QStringLiteral("Password must contain at least 1 uppercase character")));
    EXPECT_TRUE(text.contains(QStringLiteral("Password must contain at least 1 digit")));
    EXPECT_FALSE(text.contains(QStringLiteral("symbol")));
    EXPECT_FALSE(m_wizard.button(QWizard::CancelButton)->isVisible());
    EXPECT_FALSE(m_wizard.button(QWizard::BackButton)->isVisible()
                 && m_wizard.button(QWizard::BackButton)->isEnabled());
}

TEST_F(ResetPasswordTest, ASecondResetChecksTheNewPassword)
{
    passAuthentication();
    ASSERT_EQ(commit(QStringLiteral("First-New1"), QStringLiteral("First-New1")), QStringList());

    ResetPasswordWizard second(nullptr);
    second.show();
    second.next();
    auto* userName = Buddy<QLineEdit>(*second.currentPage(), QStringLiteral("User name:"));
    auto* password = Buddy<QLineEdit>(*second.currentPage(), QStringLiteral("Current password:"));
    ASSERT_TRUE(userName && password);
    userName->setText(QStringLiteral("dana"));
    password->setText(QString::fromLatin1(accountwizardstest::Password));
    const auto refused = BoxesDuring([&] { second.next(); });
    ASSERT_EQ(refused.size(), 1U);
    EXPECT_EQ(refused[0].text, QStringLiteral("An invalid password has been entered."));
    password->setText(QStringLiteral("First-New1"));
    EXPECT_TRUE(BoxesDuring([&] { second.next(); }).empty());
    EXPECT_EQ(second.currentId(), 2);

    Buddy<QLineEdit>(*second.currentPage(), QStringLiteral("Enter the new password:"))->setText("First-New1");
    const auto same = BoxesDuring([&] { second.next(); });
    ASSERT_EQ(same.size(), 1U);
    EXPECT_EQ(same[0].text, QStringLiteral("Your new password must be different from your current password."));
}

// The payload of a request frame, decrypted under the session key.
std::string DecryptedPayload(const std::string& frame)
{
    const wireframe::Fields fields = wireframe::DecodeLittleEndian(frame);
    std::size_t offset = wireframe::HeaderLength + fields[wireframe::HmacLength];
    const std::string ivec = frame.substr(offset, fields[wireframe::IvecLength]);
    offset += ivec.size();
    const std::string atag = frame.substr(offset, fields[wireframe::AtagLength]);
    offset += atag.size();
    const std::string code = frame.substr(offset, fields[wireframe::CodeLength]);
    std::string plain(code.size(), '\0');
    const int length = AesGcmDecrypt(reinterpret_cast<const unsigned char*>(code.data()), plain.data(), code.size(),
                                     ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey(),
                                     reinterpret_cast<const unsigned char*>(ivec.data()),
                                     reinterpret_cast<const unsigned char*>(atag.data()));
    EXPECT_EQ(length, static_cast<int>(code.size()));
    return plain;
}

TEST_F(ResetPasswordTest, CommitSendsOneUpdateUserWithTheUserIdAndThePasswordOnly)
{
    passAuthentication();
    zarv::data::UpdateUserReply stored;
    stored.mutable_sql_diag_rec();
    stored.set_return_code(1);
    wireframe::Reply reply;
    reply.fields[wireframe::MajorOpcode] = common::UpdateUser;
    reply.codes(0, 0).session(MessageDispatcher::getSessionId());
    reply.encrypted(stored.SerializeAsString(), ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
    peers::LoopbackPeer peer({reply.bytes()});
    MessageDispatcher::setServerPort(peer.port());

    EXPECT_EQ(commit(QStringLiteral("New-Pass1"), QStringLiteral("New-Pass1")), QStringList());
    EXPECT_EQ(m_wizard.currentId(), 3);
    const std::vector<std::string> requests = peer.requests();
    ASSERT_EQ(requests.size(), 1U);
    const wireframe::Fields fields = wireframe::DecodeLittleEndian(requests[0]);
    EXPECT_EQ(static_cast<int>(fields[wireframe::MajorOpcode]), common::UpdateUser);
    EXPECT_EQ(static_cast<int>(fields[wireframe::MinorOpcode]), common::Untagged);
    zarv::data::UpdateUserRequest sent;
    ASSERT_TRUE(sent.ParseFromString(DecryptedPayload(requests[0])));
    zarv::data::UpdateUserRequest expected;
    expected.mutable_user()->set_user_id(accountwizardstest::UserId);
    expected.mutable_user()->mutable_user_security_descriptor()->set_password(StoredPasswordOfRegistry());
    EXPECT_EQ(sent.SerializeAsString(), expected.SerializeAsString()) << sent.DebugString();
    EXPECT_TRUE(RegistryHoldsPassword(QStringLiteral("New-Pass1")));
}

// The server refuses the change, or never answers.
struct FailureCase
{
    const char* name;
    const char* fault;
    const char* warning;
};

const FailureCase FailureCases[] = {
    {"Refused", "error-codes=74,0", "The server refused the request (code 74)."},
    {"NoReply", "no-reply", "No reply from the server."},
};

class FailedCommitTest : public ResetPasswordTest, public ::testing::WithParamInterface<FailureCase>
{
protected:
    FailedCommitTest()
        : ResetPasswordTest({GetParam().fault})
    {}
};

TEST_P(FailedCommitTest, WarnsKeepsThePasswordAndCommitsAgain)
{
    passAuthentication();
    const std::string before = StoredPasswordOfRegistry();
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(commit(QStringLiteral("New-Pass1"), QStringLiteral("New-Pass1")),
                  QStringList{QString::fromUtf8(GetParam().warning)});
        EXPECT_EQ(m_wizard.currentId(), 2);
        EXPECT_EQ(StoredPasswordOfRegistry(), before);
        EXPECT_TRUE(m_wizard.button(QWizard::CommitButton)->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FailedCommitTest, ::testing::ValuesIn(FailureCases), [](const auto& info) {
    return std::string(info.param.name);
});

}  // namespace
