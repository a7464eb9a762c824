// The console's two account actions end to end against the test server: the
// password reset, then a fresh log-on with the new password, and the restore
// of a deleted document, refused or stored.

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "library/gui/abstractviewwindow.h"
#include "library/network/networksettings.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/consolemanager.h"
#include "product/client/view/consoleview.h"
#include "product/client/view/logondialog.h"
#include "product/client/view/resetpasswordwizard.h"
#include "product/client/view/restoredocumentselectdocumentwizardpage.h"
#include "product/client/view/restoredocumentwizard.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/accountwizardstestsupport.h"
#include "tests/view/consoletestsupport.h"
#include "tests/view/wizardpagetestsupport.h"

#include "document3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"

#include <QAbstractButton>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

namespace {

using accountwizardstest::BoxesDuring;
using testsupport::TestServerProcess;
using testsupport::WhenModal;

// A line edit of the wizard's current page, found by its label.
QLineEdit* Field(const QWizard& wizard, const char* label)
{
    QLineEdit* field = wizardtest::Buddy<QLineEdit>(*wizard.currentPage(), QString::fromLatin1(label));
    EXPECT_NE(field, nullptr) << label;
    static QLineEdit standIn;
    return field ? field : &standIn;
}

struct SentRequest
{
    common::Opcode major;
    common::Opcode minor;
    std::string payload;
};

class ConsoleAccountTest : public ::testing::Test
{
protected:
    explicit ConsoleAccountTest(const std::vector<std::string>& faults = {})
        : m_server(faults, TestServerProcess::FixturePath(accountwizardstest::Fixture))
    {}

    void SetUp() override
    {
        consoletest::PrepareClientServices();
        ASSERT_NE(m_server.port(), 0);
        m_tree = std::make_unique<ApplicationComponent>(nullptr,
                                                        std::vector<ApplicationComponent::ViewManagerFactory>{
                                                            &ApplicationComponent::CreateViewManager<ConsoleManager>});
        m_console = consoletest::FindConsole();
        ASSERT_NE(m_console, nullptr);
        QObject::connect(m_console, &AbstractMainWindow::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             m_requests.push_back({major, minor, payload});
                         });
        ASSERT_TRUE(logOn(QString::fromLatin1(accountwizardstest::Password)));
        ASSERT_EQ(userId(), accountwizardstest::UserId);
        m_requests.clear();
    }

    void TearDown() override
    {
        delete consoletest::FindConsole();
        m_tree.reset();
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    bool logOn(const QString& password)
    {
        return m_console->logOnWithNamePassword(QString::fromLatin1(accountwizardstest::UserName), password,
                                                QStringLiteral("127.0.0.1"), m_server.port(), QStringLiteral("UTC"));
    }

    static int userId() { return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id(); }

    // Restores the Letters "Agenda" (deleted 2024-03-02 08:00 UTC) through the
    // console's action; the message boxes shown after the wizard closed.
    std::vector<consoletest::ShownBox> restoreLettersAgenda()
    {
        bool finished = false;
        WhenModal<RestoreDocumentWizard>([&finished](RestoreDocumentWizard* wizard) {
            wizard->next();
            auto* page = wizard->findChild<RestoreDocumentSelectDocumentWizardPage*>();
            page->findChildren<QDateTimeEdit*>().at(0)->setDateTime(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
            auto* table = page->findChild<QTableWidget*>();
            ASSERT_GE(table->rowCount(), 2);
            ASSERT_EQ(table->item(1, 1)->text().left(10), QStringLiteral("2024-03-02"));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 0)).center());
            wizard->next();
            ASSERT_EQ(wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
            wizard->button(QWizard::FinishButton)->click();
            finished = true;
        });
        const auto boxes =
            BoxesDuring([this] { consoletest::ConsoleAction(m_console, "Restore Document...")->trigger(); });
        EXPECT_TRUE(finished);
        return boxes;
    }

    TestServerProcess m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    ConsoleView* m_console = nullptr;
    std::vector<SentRequest> m_requests;
};

TEST_F(ConsoleAccountTest, AResetPasswordHoldsForTheNextLogOnTypedWithBlanks)
{
    bool committed = false;
    WhenModal<ResetPasswordWizard>([&committed](ResetPasswordWizard* wizard) {
        wizard->next();
        Field(*wizard, "User name:")->setText(QStringLiteral("dana"));
        Field(*wizard, "Current password:")->setText(QString::fromLatin1(accountwizardstest::Password));
        wizard->next();
        ASSERT_EQ(wizard->currentId(), 2);
        Field(*wizard, "Enter the new password:")->setText(QStringLiteral("Fresh-Start9"));
        Field(*wizard, "Confirm the new password:")->setText(QStringLiteral("Fresh-Start9"));
        wizard->next();
        committed = wizard->currentId() == 3;
        wizard->button(QWizard::FinishButton)->click();
    });
    consoletest::ConsoleAction(m_console, "Reset Password...")->trigger();
    ASSERT_TRUE(committed);
    EXPECT_TRUE(m_requests.empty());

    // The old password no longer logs on; the new one does, typed with blanks
    // around it as the log-on dialog reads it.
    BoxesDuring([this] { logOn(QString::fromLatin1(accountwizardstest::Password)); });
    EXPECT_NE(userId(), accountwizardstest::UserId);
    NetworkSettings settings;
    settings.setServerName(QStringLiteral("127.0.0.1"));
    settings.setServerPort(m_server.port());
    settings.setDefaultTimeZone(QStringLiteral("UTC"));
    WhenModal<LogonDialog>([](LogonDialog* dialog) {
        const auto field = [dialog](const char* label) {
            return qobject_cast<QLineEdit*>(
                testsupport::ChildWithText<QLabel>(*dialog, QString::fromLatin1(label))->buddy());
        };
        field("User name:")->setText(QStringLiteral(" dana "));
        field("User password:")->setText(QStringLiteral("  Fresh-Start9 "));
        dialog->accept();
    });
    m_console->logOn();
    EXPECT_EQ(userId(), accountwizardstest::UserId);
}

TEST_F(ConsoleAccountTest, AnAcceptedRestoreInsertsTheRevisionAsANewDocumentInTheFolder)
{
    EXPECT_TRUE(restoreLettersAgenda().empty());
    ASSERT_FALSE(m_requests.empty());
    const SentRequest& sent = m_requests.back();
    EXPECT_EQ(sent.major, common::InsertDocument);
    EXPECT_EQ(sent.minor, common::RestoreDocument);
    zarv::data::InsertDocumentRequest request;
    ASSERT_TRUE(request.ParseFromString(sent.payload));
    EXPECT_EQ(request.document().document_id(), INT_MIN);
    EXPECT_EQ(request.document().document_user_id(), accountwizardstest::UserId);
    EXPECT_EQ(request.document().document_folder_id(), accountwizardstest::LettersFolderId);
    EXPECT_EQ(request.document().document_body(), "<p>Letters agenda, second</p>");
    EXPECT_EQ(accountwizardstest::FolderDocumentNames(accountwizardstest::LettersFolderId),
              (std::vector<std::string>{"budget", "Agenda"}));
}

TEST_F(ConsoleAccountTest, AStoredNothingReplyWarnsWithTheSqlState)
{
    zarv::data::InsertDocumentRequest request;
    request.mutable_document()->set_document_name("Agenda");
    zarv::data::InsertDocumentReply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(common::UniqueViolation);
    reply.set_return_code(0);
    const auto boxes = BoxesDuring([&] {
        m_console->receiveReply(common::InsertDocument, common::RestoreDocument, request.SerializeAsString(),
                                common::NoEr, common::NoEr, reply.SerializeAsString());
    });
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes[0].text, QStringLiteral("The document 'Agenda' was not restored. The server refused the request "
                                            "(code %1).")
                                 .arg(common::UniqueViolation));
}

// The server refuses the insert alone, or does not answer it.
struct RefusalCase
{
    const char* name;
    const char* fault;
    const char* reason;
};

const RefusalCase RefusalCases[] = {
    {"Refused", "error-codes=74,0@22", "The server refused the request (code 74)."},
    {"NoReply", "no-reply@22", "No reply from the server."},
};

class RefusedRestoreTest : public ConsoleAccountTest, public ::testing::WithParamInterface<RefusalCase>
{
protected:
    RefusedRestoreTest()
        : ConsoleAccountTest({GetParam().fault})
    {}
};

TEST_P(RefusedRestoreTest, Warns)
{
    const auto boxes = restoreLettersAgenda();
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes[0].text, QStringLiteral("The document 'Agenda' was not restored. ") + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Faults, RefusedRestoreTest, ::testing::ValuesIn(RefusalCases), [](const auto& info) {
    return std::string(info.param.name);
});

class UnansweredRestoreTest : public ConsoleAccountTest
{
protected:
    UnansweredRestoreTest()
        : ConsoleAccountTest({"no-reply@22"})
    {}
};

TEST_F(UnansweredRestoreTest, TheDocumentStaysRestorable)
{
    EXPECT_EQ(restoreLettersAgenda().size(), 1U);
    EXPECT_EQ(accountwizardstest::FolderDocumentNames(accountwizardstest::LettersFolderId),
              (std::vector<std::string>{"budget"}));
    // The wizard finds it again and takes it to the confirmation.
    EXPECT_EQ(restoreLettersAgenda().size(), 1U);
}

// The trial: "Budget draft" left Projects when the sample server started, so
// the wizard's first period finds it, and it goes back where it was.
TEST(SampleTrial, BudgetDraftIsFoundInTheLastDayAndRestoredIntoProjects)
{
    consoletest::PrepareClientServices();
    testsupport::ScopedTimeZone zone("UTC");
    TestServerProcess server({}, TestServerProcess::FixturePath("sample.textproto"));
    ASSERT_NE(server.port(), 0);
    ApplicationComponent tree(nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                                           &ApplicationComponent::CreateViewManager<ConsoleManager>});
    ConsoleView* console = consoletest::FindConsole();
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(console->logOnWithNamePassword(QString::fromLatin1(consoletest::SampleUserName),
                                               QString::fromLatin1(consoletest::SamplePassword),
                                               QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("UTC")));
    constexpr int Projects = 2010;
    QString confirmation;
    WhenModal<RestoreDocumentWizard>([&confirmation](RestoreDocumentWizard* wizard) {
        wizard->next();
        auto* table = wizard->findChild<RestoreDocumentSelectDocumentWizardPage*>()->findChild<QTableWidget*>();
        ASSERT_EQ(table->rowCount(), 1);
        ASSERT_EQ(table->item(0, 0)->text(), QStringLiteral("Budget draft"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 0)).center());
        wizard->next();
        ASSERT_EQ(wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
        confirmation = wizard->currentPage()->findChild<QTextEdit*>()->toPlainText();
        wizard->button(QWizard::FinishButton)->click();
    });
    EXPECT_TRUE(
        BoxesDuring([console] { consoletest::ConsoleAction(console, "Restore Document...")->trigger(); }).empty());
    EXPECT_TRUE(confirmation.startsWith(
        QStringLiteral("Click Finish to restore 'Budget draft' (revision 2024-10-01 09:00:00)")))
        << confirmation.toStdString();
    EXPECT_TRUE(confirmation.endsWith(QStringLiteral("in the 'Projects' folder.")));
    const std::vector<std::string> names = accountwizardstest::FolderDocumentNames(Projects);
    EXPECT_NE(std::find(names.begin(), names.end(), "Budget draft"), names.end());
    delete console;
    ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
    ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
}

}  // namespace
