// The revision page and the document key permission page after it, against
// the test server (the revision histories of test.textproto).

#include "product/client/view/revisionhistorylistwidget.h"
#include "product/client/view/selectdocumentkeypermissionswizardpage.h"
#include "product/client/view/selectrevisionwizardpage.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::ChildWithText;

// The fixture's open session of "ada".
constexpr int OpenSessionId = 7;
constexpr unsigned char OpenSessionKey[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};

constexpr int ThreeRevisions = 300;
constexpr int OneRevisionNotADate = 301;
constexpr int NoRevision = 302;

class RevisionPageTest : public ::testing::Test
{
protected:
    void SetUp() override { wizardtest::PrepareResources(); }

    void TearDown() override
    {
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
        MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
    }

    // Starts the server and points the dispatcher at it under the open session.
    void startServer(const std::vector<std::string>& faults = {})
    {
        m_server.emplace(faults);
        ASSERT_NE(m_server->port(), 0);
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server->port());
        MessageDispatcher::setSessionId(OpenSessionId);
        MessageDispatcher::setTimeout(std::chrono::seconds(5));
        std::copy(std::begin(OpenSessionKey), std::end(OpenSessionKey),
                  ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
    }

    void build(int documentId)
    {
        m_page = new SelectRevisionWizardPage(nullptr, documentId);
        m_wizard.emplace(m_page);
        m_current = ChildWithText<QRadioButton>(*m_page, QStringLiteral("Current Revision"));
        m_previous = ChildWithText<QRadioButton>(*m_page, QStringLiteral("Previous Revision"));
        m_list = m_page->findChild<RevisionHistoryListWidget*>();
        ASSERT_TRUE(m_current && m_previous && m_list);
    }

    QStringList rows(int role = Qt::DisplayRole) const
    {
        QStringList texts;
        for (int row = 0; row < m_list->count(); ++row) {
            texts << m_list->item(row)->data(role).toString();
        }
        return texts;
    }

    QString field(const char* name) const { return m_wizard->field(name).toString(); }

    std::optional<testsupport::TestServerProcess> m_server;
    SelectRevisionWizardPage* m_page = nullptr;
    std::optional<wizardtest::BareWizard> m_wizard;
    QRadioButton* m_current = nullptr;
    QRadioButton* m_previous = nullptr;
    RevisionHistoryListWidget* m_list = nullptr;
};

TEST_F(RevisionPageTest, StartsOnTheCurrentRevisionWithoutAsking)
{
    build(ThreeRevisions);
    EXPECT_TRUE(m_wizard->field("currentRevision").toBool());
    EXPECT_FALSE(m_wizard->field("previousRevision").toBool());
    EXPECT_TRUE(field("revisionDateTime").isNull());
    EXPECT_TRUE(field("revisionSysStart").isNull());
    EXPECT_FALSE(m_list->isVisibleTo(m_page));
    EXPECT_EQ(m_page->revisionHistoryListWidgetItem(), nullptr);
    EXPECT_EQ(m_page->title(), QStringLiteral("Select Revision"));
    EXPECT_TRUE(wizardtest::LogoIs(*m_page, "revision"));
}

struct HistoryCase
{
    const char* name;
    const char* zone;
    QStringList texts;
    QStringList toolTips;
};

const HistoryCase HistoryCases[] = {
    {"Utc",
     "UTC",
     {"2024-07-01 12:00:00", "2024-01-15 08:30:00", "2023-11-05 23:45:10"},
     {"2024-07-01 12:00:00", "2024-01-15 08:30:00", "2023-11-05 23:45:10.250000"}},
    {"Berlin",
     "Europe/Berlin",
     {"2024-07-01 14:00:00", "2024-01-15 09:30:00", "2023-11-06 00:45:10"},
     {"2024-07-01 14:00:00", "2024-01-15 09:30:00", "2023-11-06 00:45:10.250000"}},
    {"NewYork",
     "America/New_York",
     {"2024-07-01 08:00:00", "2024-01-15 03:30:00", "2023-11-05 18:45:10"},
     {"2024-07-01 08:00:00", "2024-01-15 03:30:00", "2023-11-05 18:45:10.250000"}},
};

class HistoryTest : public RevisionPageTest, public ::testing::WithParamInterface<HistoryCase>
{};

TEST_P(HistoryTest, RowsFollowTheReplyInTheMachinesLocalTime)
{
    const HistoryCase& test = GetParam();
    testsupport::ScopedTimeZone zone(test.zone);
    startServer();
    build(ThreeRevisions);
    testsupport::DialogGuard noBoxes;
    m_previous->click();
    EXPECT_TRUE(m_list->isVisibleTo(m_page));
    EXPECT_EQ(rows(), test.texts);
    EXPECT_EQ(rows(Qt::ToolTipRole), test.toolTips);
    EXPECT_EQ(rows(Qt::UserRole),
              (QStringList{"2024-07-01 12:00:00", "2024-01-15 08:30:00", "2023-11-05 23:45:10.25"}));
    EXPECT_FALSE(m_list->item(0)->icon().isNull());
    EXPECT_EQ(field("revisionDateTime"), test.texts.front());
    EXPECT_EQ(field("revisionSysStart"), QStringLiteral("2024-07-01 12:00:00"));
    ASSERT_NE(m_page->revisionHistoryListWidgetItem(), nullptr);
    EXPECT_EQ(m_page->revisionHistoryListWidgetItem()->text(), test.texts.front());
}

INSTANTIATE_TEST_SUITE_P(RevisionPage, HistoryTest, ::testing::ValuesIn(HistoryCases), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(RevisionPageTest, TheChosenRowsServerStampPassesOnByteForByte)
{
    testsupport::ScopedTimeZone zone("UTC");
    startServer();
    build(ThreeRevisions);
    m_previous->click();
    ASSERT_EQ(m_list->count(), 3);
    m_list->item(2)->setSelected(true);
    EXPECT_EQ(field("revisionSysStart"), QStringLiteral("2023-11-05 23:45:10.25"));
    EXPECT_EQ(field("revisionDateTime"), QStringLiteral("2023-11-05 23:45:10"));

    // Deselected: nothing chosen, while Previous Revision stays.
    m_list->item(2)->setSelected(false);
    EXPECT_TRUE(field("revisionSysStart").isEmpty());
    EXPECT_TRUE(field("revisionDateTime").isEmpty());
    EXPECT_TRUE(m_wizard->field("previousRevision").toBool());
    EXPECT_EQ(m_page->revisionHistoryListWidgetItem(), nullptr);
}

TEST_F(RevisionPageTest, AStampThatIsNotADateIsLeftOut)
{
    testsupport::ScopedTimeZone zone("UTC");
    startServer();
    build(OneRevisionNotADate);
    m_previous->click();
    EXPECT_EQ(rows(), (QStringList{"2024-02-01 10:00:00"}));
    EXPECT_TRUE(m_list->item(0)->isSelected());
    EXPECT_TRUE(m_wizard->field("previousRevision").toBool());
}

TEST_F(RevisionPageTest, BackToTheCurrentRevisionEmptiesTheList)
{
    testsupport::ScopedTimeZone zone("UTC");
    startServer();
    build(ThreeRevisions);
    m_previous->click();
    m_wizard->backAndForward();
    m_wizard->forwardAndBack();
    EXPECT_EQ(m_list->count(), 3);
    EXPECT_EQ(field("revisionSysStart"), QStringLiteral("2024-07-01 12:00:00"));

    m_current->click();
    EXPECT_EQ(m_list->count(), 0);
    EXPECT_FALSE(m_list->isVisibleTo(m_page));
    EXPECT_TRUE(field("revisionDateTime").isEmpty());
    EXPECT_TRUE(field("revisionSysStart").isEmpty());
    EXPECT_TRUE(m_wizard->field("currentRevision").toBool());
}

TEST_F(RevisionPageTest, ADocumentWithoutRevisionsFallsBackSilently)
{
    startServer();
    build(NoRevision);
    testsupport::DialogGuard noBoxes;
    m_previous->click();
    wizardtest::Settle();
    EXPECT_TRUE(m_current->isChecked());
    EXPECT_FALSE(m_previous->isChecked());
    EXPECT_EQ(m_list->count(), 0);
    EXPECT_FALSE(m_list->isVisibleTo(m_page));
    EXPECT_TRUE(field("revisionSysStart").isEmpty());
}

struct FailureCase
{
    const char* name;
    std::vector<std::string> faults;
    const char* warning;
};

const FailureCase FailureCases[] = {
    {"NoReply", {"no-reply"}, "No reply from the server."},
    {"ErrorCodes", {"error-codes=4,1"}, "The server refused the request (code 4)."},
};

class FailureTest : public RevisionPageTest, public ::testing::WithParamInterface<FailureCase>
{};

TEST_P(FailureTest, AWarningAndBackToTheCurrentRevision)
{
    const FailureCase& test = GetParam();
    startServer(test.faults);
    build(ThreeRevisions);
    QString shown;
    testsupport::WhenModal<QMessageBox>([&shown](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Warning"));
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    m_previous->click();
    EXPECT_EQ(shown, QLatin1String(test.warning));
    EXPECT_TRUE(m_current->isChecked());
    EXPECT_EQ(m_list->count(), 0);
    EXPECT_FALSE(m_list->isVisibleTo(m_page));
}

INSTANTIATE_TEST_SUITE_P(RevisionPage, FailureTest, ::testing::ValuesIn(FailureCases), [](const auto& info) {
    return std::string(info.param.name);
});

// ---- The document key permission page after the revision page ----

class PermissionsAfterRevisionTest : public RevisionPageTest
{
protected:
    void SetUp() override
    {
        RevisionPageTest::SetUp();
        startServer();
        m_revisionPage = new SelectRevisionWizardPage(nullptr, ThreeRevisions);
        m_permissionsPage = new SelectDocumentKeyPermissionsWizardPage(nullptr);
        m_wizard.addPage(m_revisionPage);
        m_wizard.addPage(m_permissionsPage);
        m_wizard.addPage(new QWizardPage);
        m_wizard.show();
        m_update = ChildWithText<QCheckBox>(*m_permissionsPage,
                                            QStringLiteral("Allow the contents of the document to be updated"));
        ASSERT_NE(m_update, nullptr);
    }

    void choose(const char* revision)
    {
        ChildWithText<QRadioButton>(*m_revisionPage, QString::fromLatin1(revision))->click();
    }

    bool field(const char* name) const { return m_wizard.field(QString::fromLatin1(name)).toBool(); }

    QWizard m_wizard;
    SelectRevisionWizardPage* m_revisionPage = nullptr;
    SelectDocumentKeyPermissionsWizardPage* m_permissionsPage = nullptr;
    QCheckBox* m_update = nullptr;
};

TEST_F(PermissionsAfterRevisionTest, OnlyAKeyToTheCurrentRevisionMayAllowUpdates)
{
    m_wizard.next();
    EXPECT_TRUE(m_update->isEnabled());
    EXPECT_FALSE(m_update->isChecked());
    EXPECT_TRUE(field("permissionViewDocumentContents"));
    EXPECT_TRUE(field("permissionSearchDocumentContents"));
    EXPECT_FALSE(field("permissionPrintDocumentContents"));
    m_update->click();
    EXPECT_TRUE(field("permissionUpdateDocument"));

    // Next and Back from a later page keep the box.
    m_wizard.next();
    m_wizard.back();
    EXPECT_TRUE(field("permissionUpdateDocument"));

    // Back unticks it; an earlier revision disables it.
    m_wizard.back();
    EXPECT_FALSE(field("permissionUpdateDocument"));
    EXPECT_TRUE(m_update->isEnabled());
    choose("Previous Revision");
    ASSERT_FALSE(field("currentRevision"));
    m_update->setChecked(true);
    m_wizard.next();
    EXPECT_FALSE(m_update->isChecked());
    EXPECT_FALSE(m_update->isEnabled());
    EXPECT_FALSE(field("permissionUpdateDocument"));

    // Back to the current revision: enabled and unticked again.
    m_wizard.back();
    choose("Current Revision");
    m_wizard.next();
    EXPECT_TRUE(m_update->isEnabled());
    EXPECT_FALSE(m_update->isChecked());
    EXPECT_TRUE(field("permissionViewDocumentContents"));
    EXPECT_TRUE(wizardtest::LogoIs(*m_permissionsPage, "key-permissions"));
    EXPECT_EQ(m_permissionsPage->title(), QStringLiteral("Select Permissions"));
}

}  // namespace
