// The restore-document wizard against the test server (the deleted documents
// and folders of accountwizards.textproto), with the clock fixed at
// 2024-03-05 12:00:00 UTC: the deleted-document page, the target-folder page,
// the lookups and the confirmation.

#include "product/client/view/restoredocumentselectdocumentwizardpage.h"
#include "product/client/view/restoredocumentselectfolderwizardpage.h"
#include "product/client/view/restoredocumentwizard.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/scopedtimezone.h"
#include "tests/view/accountwizardstestsupport.h"
#include "tests/view/wizardpagetestsupport.h"

#include "library/common/clock.h"
#include "library/gui/documentrevisiondialog.h"
#include "library/network/messagedispatcher.h"

#include "document3.pb.h"

#include <QAbstractButton>
#include <QDateTimeEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using accountwizardstest::BoxesDuring;
using accountwizardstest::WizardServer;
using testsupport::ChildWithText;

const char* const NameClash = "The selected folder already contains a document with the same name as the name of the "
                              "document to be restored.";

QDateTime Local(int year, int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

// A double click as the user makes it: a click, then the second press.
void DoubleClick(QListWidget* list, QListWidgetItem* item)
{
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// Rows as "name | date deleted".
using Rows = std::vector<std::string>;

class RestoreWizardTest : public ::testing::Test
{
protected:
    explicit RestoreWizardTest(const char* zone = "UTC", const std::vector<std::string>& faults = {})
        : m_zone(zone)
        , m_server(faults)
    {}

    void SetUp() override
    {
        wizardtest::PrepareResources();
        m_wizard.emplace(nullptr);
        m_wizard->show();
        m_page = m_wizard->findChild<RestoreDocumentSelectDocumentWizardPage*>();
        m_folderPage = m_wizard->findChild<RestoreDocumentSelectFolderWizardPage*>();
        ASSERT_TRUE(m_page && m_folderPage);
        const QList<QDateTimeEdit*> editors = m_page->findChildren<QDateTimeEdit*>();
        ASSERT_EQ(editors.size(), 2);
        m_from = editors[0];
        m_to = editors[1];
        m_table = m_page->findChild<QTableWidget*>();
        m_revisions = m_page->findChild<QListWidget*>();
        m_original = ChildWithText<QRadioButton>(
            *m_page, QStringLiteral("Automatically restore the document in the folder that contained it"));
        m_selected = ChildWithText<QRadioButton>(
            *m_page, QStringLiteral("Manually select the folder in which the document is to be restored"));
        ASSERT_TRUE(m_table && m_revisions && m_original && m_selected);
        m_folders = m_folderPage->findChild<QListWidget*>();
        ASSERT_NE(m_folders, nullptr);
        m_wizard->next();
        ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectDocumentPage);
    }

    Rows rows() const
    {
        Rows texts;
        for (int row = 0; row < m_table->rowCount(); ++row) {
            texts.push_back(m_table->item(row, 0)->text().toStdString() + " | "
                            + m_table->item(row, 1)->text().toStdString());
        }
        return texts;
    }

    QStringList revisionTexts() const
    {
        QStringList texts;
        for (int row = 0; row < m_revisions->count(); ++row) {
            texts << m_revisions->item(row)->text();
        }
        return texts;
    }

    // The record behind the selected revision.
    zarv::data::Document selectedRevision() const
    {
        const QList<QListWidgetItem*> selected = m_revisions->selectedItems();
        if (selected.isEmpty()) {
            return {};
        }
        return selected.front()
            ->data(RestoreDocumentSelectDocumentWizardPage::DocumentRole)
            .value<zarv::data::Document>();
    }

    // Every document deleted in March.
    void listMarch() { m_from->setDateTime(Local(2024, 3, 1, 0)); }

    void click(int row, int column)
    {
        QTableWidgetItem* item = m_table->item(row, column);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, m_table->visualItemRect(item).center());
    }

    // Clicks the name of the first row of that name.
    void clickName(const QString& name)
    {
        for (int row = 0; row < m_table->rowCount(); ++row) {
            if (m_table->item(row, 0)->text() == name) {
                click(row, 0);
                return;
            }
        }
        ADD_FAILURE() << "no row " << name.toStdString();
    }

    bool nextEnabled() const { return m_wizard->button(QWizard::NextButton)->isEnabled(); }

    // Next; the texts of the warnings shown.
    QStringList pressNext()
    {
        QStringList texts;
        for (const consoletest::ShownBox& box : BoxesDuring([this] { m_wizard->next(); })) {
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(box.title, QStringLiteral("Restore Document"));
            texts << box.text;
        }
        return texts;
    }

    QString confirmation() const { return m_wizard->currentPage()->findChild<QTextEdit*>()->toPlainText(); }

    testsupport::ScopedTimeZone m_zone;
    common::FixedClock m_clock{boost::posix_time::time_from_string("2024-03-05 12:00:00")};
    WizardServer m_server;
    std::optional<RestoreDocumentWizard> m_wizard;
    RestoreDocumentSelectDocumentWizardPage* m_page = nullptr;
    RestoreDocumentSelectFolderWizardPage* m_folderPage = nullptr;
    QDateTimeEdit* m_from = nullptr;
    QDateTimeEdit* m_to = nullptr;
    QTableWidget* m_table = nullptr;
    QListWidget* m_revisions = nullptr;
    QRadioButton* m_original = nullptr;
    QRadioButton* m_selected = nullptr;
    QListWidget* m_folders = nullptr;
};

TEST_F(RestoreWizardTest, FirstEntryListsTheLastDay)
{
    EXPECT_EQ(m_wizard->windowTitle(), QStringLiteral("Restore Document Wizard"));
    EXPECT_EQ(m_page->title(), QStringLiteral("Restore Document"));
    EXPECT_EQ(m_from->dateTime(), Local(2024, 3, 4, 12));
    EXPECT_EQ(m_to->dateTime(), Local(2024, 3, 5, 12));
    EXPECT_EQ(m_from->maximumDateTime(), Local(2024, 3, 5, 12));
    EXPECT_EQ(m_to->maximumDateTime(), Local(2024, 3, 5, 12));
    // Both ends of the period count.
    EXPECT_EQ(rows(), (Rows{"Report | 2024-03-04 12:00:00"}));
    EXPECT_TRUE(m_original->isChecked());
    EXPECT_FALSE(nextEnabled());
    m_to->setDateTime(Local(2024, 3, 6, 0));
    EXPECT_EQ(m_to->dateTime(), Local(2024, 3, 5, 12));
}

TEST_F(RestoreWizardTest, OneRowPerDocumentByNameWithTheLatestDeletionFirst)
{
    listMarch();
    EXPECT_EQ(rows(),
              (Rows{"Agenda | 2024-03-02 09:00:00", "Agenda | 2024-03-02 08:00:00", "Budget | 2024-03-01 12:00:00",
                    "Notes | 2024-03-04 11:00:00", "Report | 2024-03-04 12:00:00", "Zeta | 2024-03-04 10:00:00",
                    "agenda | 2024-03-03 10:00:00"}));
    EXPECT_FALSE(m_table->item(0, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(RestoreWizardTest, ANameClickListsTheRevisionsNewestFirstAndSelectsTheNewest)
{
    listMarch();
    clickName(QStringLiteral("Budget"));
    EXPECT_EQ(revisionTexts(), (QStringList{"2024-03-01 12:00:00", "2024-03-01 11:00:00", "2024-03-01 10:00:00"}));
    EXPECT_EQ(selectedRevision().document_body(), "<p>Budget three</p>");
    EXPECT_TRUE(nextEnabled());
    EXPECT_EQ(m_page->nextId(), RestoreDocumentWizard::ConfirmationPage);
}

TEST_F(RestoreWizardTest, TheDateCellAndTheKeyboardLoadTheRevisionsOfTheRowTheyChoose)
{
    listMarch();
    click(2, 1);
    EXPECT_EQ(m_table->currentRow(), 2);
    EXPECT_EQ(selectedRevision().document_id(), 13300);
    QTest::keyClick(m_table, Qt::Key_Up);
    EXPECT_EQ(m_table->selectedItems().front()->row(), 1);
    EXPECT_EQ(revisionTexts(), (QStringList{"2024-03-02 08:00:00", "2024-03-01 08:00:00"}));
    EXPECT_EQ(selectedRevision().document_id(), 13301);
    // One row at a time.
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      m_table->visualItemRect(m_table->item(4, 0)).center());
    EXPECT_EQ(m_table->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(selectedRevision().document_id(), 13306);
}

TEST_F(RestoreWizardTest, NextRefusesARevisionOfAnotherDocument)
{
    listMarch();
    clickName(QStringLiteral("Agenda"));
    auto* foreign = new QListWidgetItem(QStringLiteral("foreign"), m_revisions);
    zarv::data::Document other;
    other.set_document_id(13303);
    other.set_document_folder_id(13120);
    other.set_document_name("agenda");
    foreign->setData(RestoreDocumentSelectDocumentWizardPage::DocumentRole, QVariant::fromValue(other));
    m_revisions->setCurrentItem(foreign);
    EXPECT_EQ(pressNext(), QStringList());
    EXPECT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectDocumentPage);
}

struct CascadeCase
{
    const char* name;
    // Set in this order; an invalid time is not set.
    QDateTime to;
    QDateTime from;
    QDateTime expectedFrom;
    QDateTime expectedTo;
};

const CascadeCase CascadeCases[] = {
    {"FromAfterToMovesToOneDayLater", Local(2024, 3, 2, 0), Local(2024, 3, 2, 6), Local(2024, 3, 2, 6),
     Local(2024, 3, 3, 6)},
    {"FromAtToMovesToOneDayLater", Local(2024, 3, 2, 0), Local(2024, 3, 2, 0), Local(2024, 3, 2, 0),
     Local(2024, 3, 3, 0)},
    {"FromAtTheMaximumHoldsTheToAtTheMaximum", QDateTime(), Local(2024, 3, 5, 12), Local(2024, 3, 4, 12),
     Local(2024, 3, 5, 12)},
    {"FromLessThanADayBeforeTheMaximumHoldsTheToAtTheMaximum", Local(2024, 3, 5, 0), Local(2024, 3, 5, 6),
     Local(2024, 3, 4, 12), Local(2024, 3, 5, 12)},
    {"ToBeforeFromMovesFromOneDayEarlier", Local(2024, 3, 2, 0), QDateTime(), Local(2024, 3, 1, 0),
     Local(2024, 3, 2, 0)},
    {"ToAtFromMovesFromOneDayEarlier", Local(2024, 3, 4, 12), QDateTime(), Local(2024, 3, 3, 12),
     Local(2024, 3, 4, 12)},
    {"FromBeforeToMovesNothing", QDateTime(), Local(2024, 3, 2, 0), Local(2024, 3, 2, 0), Local(2024, 3, 5, 12)},
};

class CascadeTest : public RestoreWizardTest, public ::testing::WithParamInterface<CascadeCase>
{};

TEST_P(CascadeTest, ThePeriodKeepsItsFromBeforeItsTo)
{
    const CascadeCase& test = GetParam();
    if (test.to.isValid()) {
        m_to->setDateTime(test.to);
    }
    if (test.from.isValid()) {
        m_from->setDateTime(test.from);
    }
    EXPECT_EQ(m_from->dateTime(), test.expectedFrom);
    EXPECT_EQ(m_to->dateTime(), test.expectedTo);
}

INSTANTIATE_TEST_SUITE_P(Edits, CascadeTest, ::testing::ValuesIn(CascadeCases), [](const auto& info) {
    return std::string(info.param.name);
});

// One hour ahead of UTC all year.
class OneHourAheadTest : public RestoreWizardTest
{
protected:
    OneHourAheadTest()
        : RestoreWizardTest("XXX-1")
    {}
};

TEST_F(OneHourAheadTest, ThePeriodTravelsInUtcAndDatesShowInLocalTime)
{
    EXPECT_EQ(m_to->dateTime(), Local(2024, 3, 5, 13));
    // Local 09:30 to 10:30 is 08:30 to 09:30 UTC: the home Agenda (09:00 UTC)
    // lies in it, the Letters Agenda (08:00 UTC) does not.
    m_from->setDateTime(Local(2024, 3, 2, 9, 30));
    m_to->setDateTime(Local(2024, 3, 2, 10, 30));
    EXPECT_EQ(rows(), (Rows{"Agenda | 2024-03-02 10:00:00"}));
}

TEST_F(RestoreWizardTest, AGoneFolderSwitchesToAPickedFolder)
{
    listMarch();
    clickName(QStringLiteral("Zeta"));
    EXPECT_TRUE(m_selected->isChecked());
    EXPECT_FALSE(m_original->isEnabled());
    EXPECT_TRUE(nextEnabled());
    EXPECT_EQ(m_page->nextId(), RestoreDocumentWizard::SelectFolderPage);
    // Another document sets the buttons back.
    clickName(QStringLiteral("Budget"));
    EXPECT_TRUE(m_original->isEnabled());
    EXPECT_TRUE(m_original->isChecked());
    // A folder id that two records share is no folder either.
    clickName(QStringLiteral("Notes"));
    EXPECT_TRUE(m_selected->isChecked());
    EXPECT_EQ(pressNext(), QStringList());
    EXPECT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectFolderPage);
}

TEST_F(RestoreWizardTest, TheOriginalFolderMayNotHoldTheName)
{
    listMarch();
    clickName(QStringLiteral("Budget"));
    EXPECT_EQ(pressNext(), QStringList{QString::fromLatin1(NameClash)});
    EXPECT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectDocumentPage);
    EXPECT_EQ(m_wizard->getDocumentFolderId(), 0);
    // The user picks a folder instead.
    m_selected->click();
    EXPECT_EQ(pressNext(), QStringList());
    EXPECT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectFolderPage);
}

TEST_F(RestoreWizardTest, TheOriginalFolderGoesToTheConfirmation)
{
    listMarch();
    clickName(QStringLiteral("Report"));
    EXPECT_EQ(pressNext(), QStringList());
    ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
    EXPECT_EQ(m_wizard->getDocumentFolderId(), accountwizardstest::Folder2024Id);
    EXPECT_EQ(m_wizard->getDocumentFolderName(), QStringLiteral("2024"));
    // The revision is its start, in local time.
    EXPECT_EQ(confirmation(), QStringLiteral("Click Finish to restore 'Report' (revision 2024-03-01 07:00:00) in the "
                                             "'2024' folder."));
    const zarv::data::Document document = m_wizard->getDocument();
    EXPECT_EQ(document.document_id(), 13306);
    EXPECT_EQ(document.document_body(), "<p>Old report</p>");
    EXPECT_EQ(document.sys_period().to(), "2024-03-04 12:00:00");
    m_wizard->button(QWizard::FinishButton)->click();
    EXPECT_EQ(m_wizard->result(), QDialog::Accepted);
}

TEST_F(RestoreWizardTest, TheHomeFolderIsLookedUpAndNamedHomeFolder)
{
    listMarch();
    click(0, 0);
    EXPECT_EQ(pressNext(), QStringList());
    ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
    EXPECT_EQ(m_wizard->getDocumentFolderId(), accountwizardstest::HomeFolderId);
    EXPECT_EQ(confirmation(), QStringLiteral("Click Finish to restore 'Agenda' (revision 2024-03-01 07:00:00) in the "
                                             "'Home Folder' folder."));
}

TEST_F(RestoreWizardTest, FinishRefusesAnIncompleteChoice)
{
    listMarch();
    click(0, 0);
    m_wizard->next();
    ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
    QWizardPage* page = m_wizard->currentPage();
    m_wizard->setDocumentFolderId(accountwizardstest::LettersFolderId);
    m_wizard->setDocumentFolderName(QString());
    page->initializePage();
    EXPECT_EQ(confirmation(), QString());
    m_wizard->button(QWizard::FinishButton)->click();
    EXPECT_TRUE(m_wizard->isVisible());
    EXPECT_EQ(m_wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
}

TEST_F(RestoreWizardTest, ARevisionDoubleClickedShowsIt)
{
    listMarch();
    clickName(QStringLiteral("Budget"));
    QString title;
    testsupport::WhenModal<DocumentRevisionDialog>([&title](DocumentRevisionDialog* dialog) {
        title = dialog->windowTitle();
        dialog->reject();
    });
    DoubleClick(m_revisions, m_revisions->item(2));
    EXPECT_EQ(title, QStringLiteral("Document 'Budget' (revision 2024-03-01 10:00:00)"));
}

TEST(RestoreDocumentLookups, AskTheServerAndReadFailuresAsNothing)
{
    wizardtest::PrepareResources();
    {
        WizardServer server;
        EXPECT_EQ(RestoreDocumentWizard::GetFolder(accountwizardstest::ArchiveFolderId).folder_name(), "Archive");
        const zarv::data::Folder twins = RestoreDocumentWizard::GetFolder(accountwizardstest::TwinsFolderId);
        EXPECT_EQ(twins.folder_name(), "");
        EXPECT_EQ(twins.folder_id(), 0);
        EXPECT_EQ(RestoreDocumentWizard::GetFolder(13999).folder_name(), "");
        EXPECT_TRUE(RestoreDocumentWizard::IsFolderParentOfDocumentName(accountwizardstest::LettersFolderId, "budget"));
        EXPECT_FALSE(
            RestoreDocumentWizard::IsFolderParentOfDocumentName(accountwizardstest::LettersFolderId, "Budget"));
        EXPECT_TRUE(RestoreDocumentWizard::IsFolderParentOfDocument(accountwizardstest::ArchiveFolderId, 13200));
        EXPECT_FALSE(RestoreDocumentWizard::IsFolderParentOfDocument(accountwizardstest::ArchiveFolderId, 13300));
    }
    WizardServer refusing({"error-codes=74,0"});
    EXPECT_EQ(RestoreDocumentWizard::GetFolder(accountwizardstest::ArchiveFolderId).folder_name(), "");
    EXPECT_FALSE(RestoreDocumentWizard::IsFolderParentOfDocument(accountwizardstest::ArchiveFolderId, 13200));
}

// A failed query of the deleted documents is told once, until one succeeds.
class FailedQueryTest : public RestoreWizardTest
{
protected:
    FailedQueryTest()
        : RestoreWizardTest("UTC", {"error-codes=74,0"})
    {}

    void SetUp() override
    {
        m_firstBoxes = BoxesDuring([this] { RestoreWizardTest::SetUp(); });
    }

    std::vector<consoletest::ShownBox> m_firstBoxes;
};

TEST_F(FailedQueryTest, WarnsOnceUntilAQuerySucceeds)
{
    ASSERT_EQ(m_firstBoxes.size(), 1U);
    EXPECT_EQ(m_firstBoxes[0].text, QStringLiteral("The server refused the request (code 74)."));
    EXPECT_TRUE(rows().empty());
    EXPECT_TRUE(BoxesDuring([this] { listMarch(); }).empty());

    testsupport::TestServerProcess working({},
                                           testsupport::TestServerProcess::FixturePath(accountwizardstest::Fixture));
    MessageDispatcher::setServerPort(working.port());
    EXPECT_TRUE(BoxesDuring([this] { m_from->setDateTime(Local(2024, 3, 2, 0)); }).empty());
    EXPECT_FALSE(rows().empty());
    m_server.pointHere();
    const auto again = BoxesDuring([this] { listMarch(); });
    ASSERT_EQ(again.size(), 1U);
    EXPECT_EQ(again[0].text, QStringLiteral("The server refused the request (code 74)."));
    EXPECT_TRUE(rows().empty());
}

// The target-folder page, entered for "Zeta", whose folder is gone.
class FolderPageTest : public RestoreWizardTest
{
protected:
    void SetUp() override
    {
        RestoreWizardTest::SetUp();
        listMarch();
        clickName(QStringLiteral("Zeta"));
        m_wizard->next();
        ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectFolderPage);
    }

    QStringList folderNames() const
    {
        QStringList names;
        for (int row = 0; row < m_folders->count(); ++row) {
            names << m_folders->item(row)->text();
        }
        return names;
    }

    QListWidgetItem* folderItem(const QString& name) const
    {
        const QList<QListWidgetItem*> found = m_folders->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.isEmpty() ? nullptr : found.front();
    }

    void open(const QString& name)
    {
        QListWidgetItem* item = folderItem(name);
        ASSERT_NE(item, nullptr);
        DoubleClick(m_folders, item);
    }

    void select(const QString& name)
    {
        QListWidgetItem* item = folderItem(name);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(m_folders->viewport(), Qt::LeftButton, {}, m_folders->visualItemRect(item).center());
    }

    QToolButton* button(int index) const { return m_folderPage->findChildren<QToolButton*>().at(index); }
    void back() { button(0)->click(); }
    void home() { button(1)->click(); }
    void forward() { button(2)->click(); }
};

TEST_F(FolderPageTest, EntryShowsTheHomeLevelAndTheHomeFolderIsATarget)
{
    EXPECT_EQ(m_folderPage->title(), QStringLiteral("Restore Document"));
    EXPECT_EQ(folderNames(), (QStringList{"Archive", "Letters"}));
    EXPECT_EQ(m_folders->item(0)->type(), RestoreDocumentSelectFolderWizardPage::FolderItemType);
    EXPECT_TRUE(nextEnabled());
    EXPECT_EQ(pressNext(), QStringList());
    ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
    EXPECT_EQ(m_wizard->getDocumentFolderId(), accountwizardstest::HomeFolderId);
    EXPECT_EQ(m_wizard->getDocumentFolderName(), QString());
    EXPECT_EQ(confirmation(), QStringLiteral("Click Finish to restore 'Zeta' (revision 2024-03-01 07:00:00) in the "
                                             "'Home Folder' folder."));
    m_wizard->button(QWizard::FinishButton)->click();
    EXPECT_EQ(m_wizard->result(), QDialog::Accepted);
    EXPECT_EQ(m_wizard->getDocument().document_folder_id(), 13999);
}

TEST_F(FolderPageTest, TheSelectedSubfolderIsTheTarget)
{
    open(QStringLiteral("Archive"));
    EXPECT_FALSE(nextEnabled());
    select(QStringLiteral("2024"));
    EXPECT_TRUE(nextEnabled());
    EXPECT_EQ(pressNext(), QStringList());
    ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::ConfirmationPage);
    EXPECT_EQ(m_wizard->getDocumentFolderId(), accountwizardstest::Folder2024Id);
    EXPECT_EQ(confirmation(), QStringLiteral("Click Finish to restore 'Zeta' (revision 2024-03-01 07:00:00) in the "
                                             "'2024' folder."));
}

TEST_F(FolderPageTest, AFolderHoldingTheNameIsRefused)
{
    // "Report" is deleted from 2024, and the home folder holds a "Report".
    m_wizard->back();
    clickName(QStringLiteral("Report"));
    m_selected->click();
    m_wizard->next();
    ASSERT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectFolderPage);
    EXPECT_EQ(pressNext(), QStringList{QString::fromLatin1(NameClash)});
    EXPECT_EQ(m_wizard->currentId(), RestoreDocumentWizard::SelectFolderPage);
    select(QStringLiteral("Letters"));
    EXPECT_EQ(pressNext(), QStringList());
    EXPECT_EQ(m_wizard->getDocumentFolderName(), QStringLiteral("Letters"));
}

enum class Step
{
    Back,
    Home,
    Forward,
    OpenArchive,
    OpenLetters,
    Open2023,
    SelectLetters
};

struct WalkCase
{
    const char* name;
    std::vector<Step> steps;
    QStringList listed;
    std::vector<int> history;
    std::vector<int> forward;
    bool complete;
};

const WalkCase WalkCases[] = {
    {"Entry", {}, {"Archive", "Letters"}, {13100}, {}, true},
    {"Open", {Step::OpenArchive}, {"2023", "2024"}, {13100, 13110}, {}, false},
    {"OpenAnEmptyFolder", {Step::OpenArchive, Step::Open2023}, {}, {13100, 13110, 13111}, {}, false},
    {"SelectAtHome", {Step::SelectLetters}, {"Archive", "Letters"}, {13100}, {}, true},
    {"OpenAndBack", {Step::OpenArchive, Step::Back}, {"Archive", "Letters"}, {13100}, {13110}, false},
    {"BackAndSelect",
     {Step::OpenArchive, Step::Back, Step::SelectLetters},
     {"Archive", "Letters"},
     {13100},
     {13110},
     true},
    {"BackAndHome", {Step::OpenArchive, Step::Back, Step::Home}, {"Archive", "Letters"}, {13100}, {}, true},
    {"BackAndForward", {Step::OpenArchive, Step::Back, Step::Forward}, {"2023", "2024"}, {13100, 13110}, {}, false},
    {"BackOpenOtherKeepsTheForwardList",
     {Step::OpenArchive, Step::Back, Step::OpenLetters},
     {"Twins", "Twins again"},
     {13100, 13120},
     {13110},
     false},
    {"BackOpenOtherAndForward",
     {Step::OpenArchive, Step::Back, Step::OpenLetters, Step::Forward},
     {"2023", "2024"},
     {13100, 13120, 13110},
     {},
     false},
    {"NothingToGoBackOrForwardTo", {Step::Back, Step::Forward}, {"Archive", "Letters"}, {13100}, {}, true},
};

class WalkTest : public FolderPageTest, public ::testing::WithParamInterface<WalkCase>
{};

TEST_P(WalkTest, TheListAndTheWayFollowTheSteps)
{
    for (const Step step : GetParam().steps) {
        switch (step) {
        case Step::Back:
            back();
            break;
        case Step::Home:
            home();
            break;
        case Step::Forward:
            forward();
            break;
        case Step::OpenArchive:
            open(QStringLiteral("Archive"));
            break;
        case Step::OpenLetters:
            open(QStringLiteral("Letters"));
            break;
        case Step::Open2023:
            open(QStringLiteral("2023"));
            break;
        case Step::SelectLetters:
            select(QStringLiteral("Letters"));
            break;
        }
    }
    EXPECT_EQ(folderNames(), GetParam().listed);
    // As vectors: QList's own comparison passes a null pointer to memcmp for
    // an empty list.
    const auto vector = [](const QList<int>& ids) { return std::vector<int>(ids.begin(), ids.end()); };
    EXPECT_EQ(vector(m_folderPage->history()), GetParam().history);
    EXPECT_EQ(vector(m_folderPage->forwardList()), GetParam().forward);
    EXPECT_EQ(m_folderPage->isComplete(), GetParam().complete);
    EXPECT_EQ(nextEnabled(), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(Walks, WalkTest, ::testing::ValuesIn(WalkCases), [](const auto& info) {
    return std::string(info.param.name);
});

}  // namespace
