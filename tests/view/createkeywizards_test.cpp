// The create-key wizards against the test server (fixture
// keywizards.textproto): the holder look-up and the holder pages, both
// wizards from the introduction to Finish through the key wizards that the
// keyrings run, and the summaries.

#include "product/client/view/createkeyconfirmationwizardpages.h"
#include "product/client/view/createkeywizards.h"
#include "product/client/view/keywizards.h"
#include "product/client/view/revisionhistorylistwidget.h"
#include "product/client/view/selectkeyuserwizardpages.h"
#include "product/client/view/selectrevisionwizardpage.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qtmessagecapture.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/keywizardstestsupport.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/common/clock.h"
#include "library/gui/recorditems.h"
#include "library/gui/selectuserswidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTextEdit>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

namespace {

using namespace keywizardtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// 10:00 in Berlin on Sunday 10 January 2027.
const char* const Now = "2027-01-10 09:00:00";

// The three lists of a holder page's picker: groups, offered users, chosen
// users.
struct PickerLists
{
    QListWidget* sources;
    QListWidget* unselected;
    QListWidget* selected;
};

PickerLists ListsOf(const KeyUserWizardPage& page)
{
    const QList<QListWidget*> lists = page.findChildren<QListWidget*>();
    EXPECT_EQ(lists.size(), 3);
    return lists.size() == 3 ? PickerLists{lists[0], lists[1], lists[2]} : PickerLists{};
}

std::set<int> UserIds(const QListWidget* list)
{
    std::set<int> ids;
    for (int row = 0; row < list->count(); ++row) {
        ids.insert(list->item(row)->data(recorditems::UserRole).value<zarv::data::User>().user_id());
    }
    return ids;
}

QListWidgetItem* UserRow(const QListWidget* list, int userId)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(recorditems::UserRole).value<zarv::data::User>().user_id() == userId) {
            return list->item(row);
        }
    }
    ADD_FAILURE() << "user " << userId << " not listed";
    return nullptr;
}

// Lists the members of Staff, less the excluded users.
void IncludeStaff(KeyUserWizardPage& page)
{
    const PickerLists lists = ListsOf(page);
    ASSERT_EQ(lists.sources->count(), 1);
    ASSERT_EQ(lists.sources->item(0)->text(), QStringLiteral("Staff"));
    lists.sources->item(0)->setSelected(true);
    page.m_selectUsersWidget->include();
}

void Choose(KeyUserWizardPage& page, int userId)
{
    const PickerLists lists = ListsOf(page);
    lists.unselected->clearSelection();
    if (QListWidgetItem* row = UserRow(lists.unselected, userId)) {
        row->setSelected(true);
        page.m_selectUsersWidget->add();
    }
}

// Selects the row of Charter's earlier revision; the current one is listed
// first.
void ChooseEarlierRevision(SelectRevisionWizardPage& page)
{
    auto* list = page.findChild<RevisionHistoryListWidget*>();
    ASSERT_EQ(list->count(), 2);
    ASSERT_EQ(list->item(1)->data(Qt::UserRole).toString(), QLatin1String(EarlierRevision));
    list->clearSelection();
    list->item(1)->setSelected(true);
}

bool NextEnabled(const QWizard& wizard)
{
    return wizard.button(QWizard::NextButton)->isEnabled();
}

bool FinishEnabled(const QWizard& wizard)
{
    return wizard.button(QWizard::FinishButton)->isEnabled();
}

// Goes Next until the page of that id shows.
void NextTo(QWizard& wizard, int pageId)
{
    while (wizard.currentId() < pageId) {
        const int before = wizard.currentId();
        wizard.next();
        Settle();
        ASSERT_NE(wizard.currentId(), before) << "stuck on page " << before;
    }
}

class CreateKeyWizardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareServices();
        ASSERT_TRUE(m_server.running());
        m_guard.allow<CreateDocumentKeyWizard>();
        m_guard.allow<CreateFolderKeyWizard>();
    }

    testsupport::ScopedTimeZone m_zone{"Europe/Berlin"};
    common::FixedClock m_clock{boost::posix_time::time_from_string(Now)};
    testsupport::DialogGuard m_guard;
    Server m_server;
};

TEST_F(CreateKeyWizardTest, LooksUpTheHoldersOfAKey)
{
    EXPECT_THAT(keyholders::DocumentKeyHolderIds(CharterId), ElementsAre(UlaId, VicId));
    EXPECT_THAT(keyholders::DocumentKeyHolderIds(MemoId), ElementsAre(0));
    EXPECT_THAT(keyholders::FolderKeyHolderIds(ProjectsId), ElementsAre(WesId));
    EXPECT_THAT(keyholders::FolderKeyHolderIds(MemoId), IsEmpty());
}

TEST(KeyHolderLookupTest, WithoutAReplyNobodyIsExcludedAndAWarningIsLogged)
{
    PrepareServices();
    const Server server({"no-reply@36", "no-reply@39"});
    ASSERT_TRUE(server.running());
    testsupport::QtMessageCapture capture;
    EXPECT_THAT(keyholders::DocumentKeyHolderIds(CharterId), IsEmpty());
    EXPECT_THAT(keyholders::FolderKeyHolderIds(ProjectsId), IsEmpty());
    EXPECT_EQ(capture.messages().size(), 2u);
}

TEST_F(CreateKeyWizardTest, TheHolderPageNeverOffersTheHolders)
{
    CreateDocumentKeyWizard charter(CharterId, QStringLiteral("Charter"), nullptr);
    IncludeStaff(*charter.getSelectDocumentKeyUserWizardPage());
    EXPECT_EQ(UserIds(ListsOf(*charter.getSelectDocumentKeyUserWizardPage()).unselected),
              (std::set<int>{WesId, XiaId}));

    CreateFolderKeyWizard projects(ProjectsId, QStringLiteral("Projects"), nullptr);
    IncludeStaff(*projects.getSelectFolderKeyUserWizardPage());
    EXPECT_EQ(UserIds(ListsOf(*projects.getSelectFolderKeyUserWizardPage()).unselected),
              (std::set<int>{UlaId, VicId, XiaId}));

    CreateDocumentKeyWizard memo(MemoId, QStringLiteral("Memo"), nullptr);
    IncludeStaff(*memo.getSelectDocumentKeyUserWizardPage());
    EXPECT_EQ(UserIds(ListsOf(*memo.getSelectDocumentKeyUserWizardPage()).unselected),
              (std::set<int>{UlaId, VicId, WesId, XiaId}));
}

TEST(HolderPageWithoutHoldersTest, OffersEveryoneWhenTheLookUpGetsNoReply)
{
    PrepareServices();
    const Server server({"no-reply@36"});
    ASSERT_TRUE(server.running());
    testsupport::QtMessageCapture capture;
    CreateDocumentKeyWizard charter(CharterId, QStringLiteral("Charter"), nullptr);
    IncludeStaff(*charter.getSelectDocumentKeyUserWizardPage());
    EXPECT_EQ(UserIds(ListsOf(*charter.getSelectDocumentKeyUserWizardPage()).unselected),
              (std::set<int>{UlaId, VicId, WesId, XiaId}));
    EXPECT_EQ(capture.messages().size(), 1u);
}

TEST_F(CreateKeyWizardTest, NextNeedsAChosenHolder)
{
    CreateDocumentKeyWizard wizard(CharterId, QStringLiteral("Charter"), nullptr);
    wizard.show();
    NextTo(wizard, 10);
    SelectDocumentKeyUserWizardPage& page = *wizard.getSelectDocumentKeyUserWizardPage();
    EXPECT_FALSE(NextEnabled(wizard));
    IncludeStaff(page);
    EXPECT_FALSE(NextEnabled(wizard));
    Choose(page, WesId);
    EXPECT_TRUE(NextEnabled(wizard));
    Choose(page, XiaId);
    const PickerLists lists = ListsOf(page);
    UserRow(lists.selected, WesId)->setSelected(true);
    page.m_selectUsersWidget->remove();
    EXPECT_TRUE(NextEnabled(wizard));
    lists.selected->item(0)->setSelected(true);
    page.m_selectUsersWidget->remove();
    EXPECT_FALSE(NextEnabled(wizard));
    Choose(page, WesId);
    EXPECT_TRUE(NextEnabled(wizard));
    wizard.back();
    wizard.next();
    EXPECT_EQ(UserIds(lists.selected), (std::set<int>{WesId}));
}

TEST_F(CreateKeyWizardTest, TheDocumentWizardRunsFromTheIntroductionToFinish)
{
    QStringList titles;
    QString summary;
    testsupport::WhenModal<CreateDocumentKeyWizard>([&](CreateDocumentKeyWizard* wizard) {
        EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Create Document Key Wizard"));
        EXPECT_EQ(wizard->currentPage(), wizard->getCreateDocumentKeyIntroductionWizardPage());
        titles << wizard->currentPage()->title();
        wizard->next();
        SelectRevisionWizardPage* revisions = wizard->getSelectRevisionWizardPage();
        testsupport::ChildWithText<QRadioButton>(*revisions, QStringLiteral("Previous Revision"))->click();
        Settle();
        ChooseEarlierRevision(*revisions);
        while (wizard->currentId() < 10) {
            titles << wizard->currentPage()->title();
            wizard->next();
        }
        IncludeStaff(*wizard->getSelectDocumentKeyUserWizardPage());
        Choose(*wizard->getSelectDocumentKeyUserWizardPage(), XiaId);
        wizard->next();
        Settle();
        summary = ShownText(*SummaryOf(*wizard));
        EXPECT_TRUE(FinishEnabled(*wizard));
        wizard->button(QWizard::FinishButton)->click();
    });
    const auto keys = KeyWizards::current().createDocumentKeys(CharterId, QStringLiteral("Charter"), nullptr);
    ASSERT_TRUE(keys.has_value());
    ASSERT_EQ(keys->size(), 1);
    const zarv::data::DocumentKey& key = keys->front();
    EXPECT_EQ(key.document_key_document().document_id(), CharterId);
    EXPECT_EQ(key.document_key_user().user_id(), XiaId);
    EXPECT_EQ(key.document_key_user().user_last_name(), "Zane");
    EXPECT_EQ(key.document_key_document_revision(), EarlierRevision);
    EXPECT_EQ(key.document_key_creation_date(), "2027-01-10 09:00:00");
    // Defaults: active all year and all week, a year from today, no
    // passcode, no window, no session limit; an earlier revision allows no
    // update.
    const zarv::data::SecurityDescriptor& rules = key.document_key_security_descriptor();
    EXPECT_EQ(rules.active(), 1048575);
    EXPECT_EQ(rules.expiration_date(), "2028-01-10 00:00:00");
    EXPECT_EQ(rules.password(), "");
    EXPECT_EQ(rules.active_region(), "");
    EXPECT_EQ(rules.session_duration(), 0);
    EXPECT_EQ(rules.permissions() & 2, 0);
    EXPECT_EQ(titles.front(), QStringLiteral("Introduction"));
    EXPECT_EQ(titles.size(), 10);
    EXPECT_TRUE(summary.contains(QStringLiteral("The document key will access revision")));
    EXPECT_TRUE(summary.contains(QStringLiteral("Zane, Xia ")));
}

TEST_F(CreateKeyWizardTest, TheFolderWizardRunsFromTheIntroductionToFinish)
{
    testsupport::WhenModal<CreateFolderKeyWizard>([&](CreateFolderKeyWizard* wizard) {
        EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Create Folder Key Wizard"));
        EXPECT_EQ(wizard->currentPage()->subTitle(),
                  QStringLiteral("This wizard will guide you through the creation of a folder key."));
        NextTo(*wizard, 9);
        IncludeStaff(*wizard->getSelectFolderKeyUserWizardPage());
        Choose(*wizard->getSelectFolderKeyUserWizardPage(), UlaId);
        Choose(*wizard->getSelectFolderKeyUserWizardPage(), XiaId);
        wizard->next();
        Settle();
        EXPECT_EQ(wizard->currentPage(), wizard->getCreateFolderKeyConfirmationWizardPage());
        wizard->button(QWizard::FinishButton)->click();
    });
    const auto keys = KeyWizards::current().createFolderKeys(ProjectsId, QStringLiteral("Projects"), nullptr);
    ASSERT_TRUE(keys.has_value());
    ASSERT_EQ(keys->size(), 2);
    EXPECT_EQ(keys->at(0).folder_key_user().user_id(), UlaId);
    EXPECT_EQ(keys->at(0).folder_key_user().user_middle_name(), "May");
    EXPECT_EQ(keys->at(1).folder_key_user().user_id(), XiaId);
    for (const zarv::data::FolderKey& key : *keys) {
        EXPECT_EQ(key.folder_key_folder().folder_id(), ProjectsId);
        EXPECT_EQ(key.folder_key_folder().folder_name(), "Projects");
        EXPECT_EQ(key.folder_key_security_descriptor().active(), 1048575);
    }
}

TEST_F(CreateKeyWizardTest, CancelGivesNoKeys)
{
    testsupport::WhenModal<CreateDocumentKeyWizard>(
        [](CreateDocumentKeyWizard* wizard) { wizard->button(QWizard::CancelButton)->click(); });
    EXPECT_FALSE(KeyWizards::current().createDocumentKeys(CharterId, QStringLiteral("Charter"), nullptr));
}

TEST_F(CreateKeyWizardTest, PreChosenHoldersStartOnTheHolderPage)
{
    testsupport::WhenModal<CreateDocumentKeyWizard>([](CreateDocumentKeyWizard* wizard) {
        NextTo(*wizard, 11);
        wizard->button(QWizard::FinishButton)->click();
    });
    const auto keys = KeyWizards::current().createDocumentKeys(CharterId, QStringLiteral("Charter"), nullptr,
                                                               {Person(WesId, "Wes", "Young")});
    ASSERT_TRUE(keys.has_value());
    ASSERT_EQ(keys->size(), 1);
    EXPECT_EQ(keys->front().document_key_user().user_id(), WesId);
    EXPECT_EQ(keys->front().document_key_document_revision(), "9999-12-31 00:00:00");
}

// The summary page of the document wizard, reached with Wes chosen.
class SummaryTest : public CreateKeyWizardTest
{
protected:
    void SetUp() override
    {
        CreateKeyWizardTest::SetUp();
        m_wizard.emplace(CharterId, QStringLiteral("Charter"), nullptr);
        m_wizard->getSelectDocumentKeyUserWizardPage()->m_selectUsersWidget->addUser(Person(WesId, "Wes", "Young"));
        m_wizard->show();
        Settle();
    }

    void set(const char* field, const QVariant& value) { m_wizard->setField(QLatin1String(field), value); }

    // Enters the summary with Next from the holder page.
    QTextEdit& enterSummary()
    {
        NextTo(*m_wizard, 10);
        m_wizard->next();
        Settle();
        EXPECT_EQ(m_wizard->currentId(), 11);
        return *SummaryOf(*m_wizard);
    }

    void backTo(int pageId)
    {
        while (m_wizard->currentId() > pageId) {
            m_wizard->back();
        }
    }

    std::optional<CreateDocumentKeyWizard> m_wizard;
};

TEST_F(SummaryTest, TheDefaultChoicesReadInOrder)
{
    QTextEdit& summary = enterSummary();
    EXPECT_TRUE(InOrder(ShownText(summary),
                        {"The document key will access the current revision of the document.",
                         "The document key will have the following permissions associated with it:",
                         "The document key will have an active status.",
                         "The document key will be active during the following months:", "January", "December",
                         "The document key will be active on the following days:", "Monday", "Saturday", "Sunday",
                         "The document key will not be restricted to a time interval during the day.",
                         "The document key will not have a session duration associated with it.",
                         "The document key's expiration date will be Monday, January 10, 2028, in 365 days.",
                         "The document key will not have a passcode.",
                         "A document key with these selections will be created for each of the following users:",
                         "Young, Wes "}));
    EXPECT_THAT(RedTexts(summary), IsEmpty());
    EXPECT_TRUE(FinishEnabled(*m_wizard));
}

TEST_F(SummaryTest, UnusableChoicesAreRed)
{
    NextTo(*m_wizard, 3);
    set("active", false);
    for (const char* month : {"january", "february", "march", "april", "may", "june", "july", "august", "september",
                              "october", "november", "december"}) {
        set(month, false);
    }
    for (const char* day : {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"}) {
        set(day, false);
    }
    for (const char* permission :
         {"permissionViewDocumentContents", "permissionUpdateDocument", "permissionCopyDocumentContentsFromClipboard",
          "permissionCopyDocumentContentsToClipboard", "permissionExportDocumentContentsToTextFile",
          "permissionExportDocumentContentsToPdfFile", "permissionPrintDocumentContents",
          "permissionSearchDocumentContents"}) {
        set(permission, false);
    }
    QTextEdit& summary = enterSummary();
    EXPECT_THAT(RedTexts(summary),
                ElementsAre("The document key does not have any permissions associated with it.",
                            "The document key will not have an active status.",
                            "The document key will not be active during any months.",
                            "The document key will not be active on any days."));
    EXPECT_TRUE(FinishEnabled(*m_wizard));
}

struct ExpiryCase
{
    const char* name;
    int daysAhead;
    const char* sentence;
    bool red;
};

const ExpiryCase ExpiryCases[] = {
    {"Tomorrow", 1, "The document key's expiration date will be Monday, January 11, 2027, tomorrow.", false},
    {"InSevenDays", 7, "The document key's expiration date will be Sunday, January 17, 2027, in 7 days.", false},
};

class ExpirySummaryTest : public SummaryTest, public ::testing::WithParamInterface<ExpiryCase>
{};

TEST_P(ExpirySummaryTest, CountsTheDaysFromToday)
{
    NextTo(*m_wizard, 8);
    set("expirationDateCalendar", QDate(2027, 1, 10).addDays(GetParam().daysAhead));
    QTextEdit& summary = enterSummary();
    EXPECT_TRUE(ShownText(summary).contains(QLatin1String(GetParam().sentence)));
    EXPECT_EQ(RedTexts(summary).contains(QLatin1String(GetParam().sentence)), GetParam().red);
}

INSTANTIATE_TEST_SUITE_P(Days, ExpirySummaryTest, ::testing::ValuesIn(ExpiryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SummaryTest, TomorrowBecomesTodayAfterMidnight)
{
    NextTo(*m_wizard, 8);
    set("expirationDateCalendar", QDate(2027, 1, 11));
    enterSummary();
    m_clock.set(boost::posix_time::time_from_string("2027-01-10 23:30:00"));
    backTo(10);
    m_wizard->next();
    Settle();
    EXPECT_THAT(RedTexts(*SummaryOf(*m_wizard)),
                ElementsAre("The document key's expiration date will be Monday, January 11, 2027, today."));
}

TEST_F(SummaryTest, TheCurrentRevisionIsNamedEvenWithARowHighlighted)
{
    m_wizard->next();
    SelectRevisionWizardPage* revisions = m_wizard->getSelectRevisionWizardPage();
    testsupport::ChildWithText<QRadioButton>(*revisions, QStringLiteral("Previous Revision"))->click();
    Settle();
    ChooseEarlierRevision(*revisions);
    ASSERT_NE(revisions->revisionHistoryListWidgetItem(), nullptr);
    const QString shown = revisions->revisionHistoryListWidgetItem()->text();
    QTextEdit& earlier = enterSummary();
    EXPECT_TRUE(ShownText(earlier).contains(QStringLiteral("The document key will access revision %1 of the document.")
                                                .arg(shown)));
    set("currentRevision", true);
    backTo(10);
    m_wizard->next();
    Settle();
    EXPECT_TRUE(ShownText(*SummaryOf(*m_wizard))
                    .startsWith(QStringLiteral("The document key will access the current revision of the document.")));
}

TEST_F(SummaryTest, HoursThatCannotApplyKeepFinishDisabled)
{
    NextTo(*m_wizard, 6);
    ChooseHours(*m_wizard->currentPage(), true, QTime(9, 0), QTime(9, 0));
    QTextEdit& summary = enterSummary();
    EXPECT_TRUE(InOrder(ShownText(summary),
                        {"The document key will be active during the time interval from 9:00 AM to 9:00 AM.",
                         "The end of the active hours must be after their start."}));
    EXPECT_THAT(RedTexts(summary), ElementsAre("The end of the active hours must be after their start."));
    EXPECT_FALSE(FinishEnabled(*m_wizard));

    backTo(6);
    ChooseHours(*m_wizard->currentPage(), true, QTime(9, 0), QTime(17, 0));
    wizardtest::Buddy<QComboBox>(*m_wizard->currentPage(), QStringLiteral("Region:"))->setCurrentIndex(-1);
    ASSERT_TRUE(m_wizard->field(QStringLiteral("region")).toString().isEmpty());
    enterSummary();
    EXPECT_THAT(RedTexts(*SummaryOf(*m_wizard)), IsEmpty());
    EXPECT_FALSE(FinishEnabled(*m_wizard));

    backTo(6);
    ChooseHours(*m_wizard->currentPage(), false, QTime(9, 0), QTime(17, 0));
    enterSummary();
    EXPECT_TRUE(ShownText(*SummaryOf(*m_wizard))
                    .contains(QStringLiteral("The document key will not be restricted to a time interval during the day.")));
    EXPECT_TRUE(FinishEnabled(*m_wizard));
}

TEST_F(SummaryTest, NoHolderIsRed)
{
    const PickerLists lists = ListsOf(*m_wizard->getSelectDocumentKeyUserWizardPage());
    lists.selected->item(0)->setSelected(true);
    m_wizard->getSelectDocumentKeyUserWizardPage()->m_selectUsersWidget->remove();
    QTextEdit& summary = enterSummary();
    EXPECT_THAT(RedTexts(summary), ElementsAre("No users have been selected."));
}

}  // namespace
