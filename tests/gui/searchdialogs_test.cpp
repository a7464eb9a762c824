// The search dialogs against the test server (test.textproto: Ada's folder
// 11000 "Searchable", her key to it, and her message folder 11400), under the
// fixture's open session of "ada".

#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testserverprocess.h"

#include "library/core/lib/registry.h"
#include "library/gui/abstractsearcheditor.h"
#include "library/gui/documentsearchdialogs.h"
#include "library/gui/messagesearchdialog.h"
#include "library/gui/searchrequest.h"
#include "library/gui/searchresults.h"
#include "library/network/messagechannel.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int OpenSessionId = 7;
constexpr unsigned char OpenSessionKey[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                              0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
constexpr int Ada = 1;
constexpr int AdasHomeFolder = 100;
constexpr int SearchableMessages = 11400;

zarv::data::Folder Folder(int id, const char* name)
{
    zarv::data::Folder folder;
    folder.set_folder_id(id);
    folder.set_folder_name(name);
    return folder;
}

class SearchDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zarv::data::User ada;
        ada.set_user_id(Ada);
        ada.set_user_folder_id(AdasHomeFolder);
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->setUser(ada);
        m_folderKey.mutable_folder_key_folder()->CopyFrom(m_searchable);
    }

    void TearDown() override
    {
        ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->clear();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
        MessageDispatcher::setTimeout(MessageChannel::m_DefaultTimeout);
    }

    // Starts a server and points the dispatcher at it under the open session.
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

    static QTableWidget& results(const QDialog& dialog) { return *dialog.findChild<QTableWidget*>(); }

    static QStringList column(const QDialog& dialog, int column)
    {
        QStringList texts;
        const QTableWidget& table = results(dialog);
        for (int row = 0; row < table.rowCount(); ++row) {
            texts << (table.item(row, column) ? table.item(row, column)->text() : QStringLiteral("<none>"));
        }
        return texts;
    }

    // The one-line note above the results; empty while hidden.
    static QString note(const QDialog& dialog)
    {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisibleTo(&dialog) && !label->text().isEmpty()) {
                return label->text();
            }
        }
        return QString();
    }

    static QPushButton* button(const QDialog& dialog, QDialogButtonBox::StandardButton which)
    {
        return dialog.findChild<QDialogButtonBox*>()->button(which);
    }

    static void search(const QDialog& dialog) { button(dialog, QDialogButtonBox::Apply)->click(); }

    // Sets the first criterion row through its editor.
    static void setCriterion(const QDialog& dialog, int subject, int predicate, const QString& text)
    {
        auto* table = dialog.findChild<SearchTableView*>();
        auto* editor =
            qobject_cast<AbstractSearchEditor*>(table->indexWidget(table->getStandardItemModel()->index(0, 0)));
        ASSERT_NE(nullptr, editor);
        editor->setSubject(subject);
        editor->setPredicate(predicate);
        auto* field = editor->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        field->setText(text);
        emit field->editingFinished();
    }

    testsupport::ScopedTimeZone m_utc{"UTC"};
    std::optional<testsupport::TestServerProcess> m_server;
    const zarv::data::Folder m_searchable = Folder(11000, "Searchable");
    zarv::data::FolderKey m_folderKey;
};

TEST_F(SearchDialogTest, AFolderSearchListsTheReplyInOrderWithEachDocumentOnItsFirstCell)
{
    startServer();
    FolderDocumentSearchDialog dialog(m_searchable, nullptr);
    EXPECT_EQ(QStringLiteral("Search for Documents in 'Searchable'"), dialog.windowTitle());
    search(dialog);
    EXPECT_THAT(column(dialog, 0), ElementsAre("Alpha report", "Beta notes", "Größenplan"));
    EXPECT_THAT(column(dialog, 1), ElementsAre("2024-03-05 10:00:00", "2024-03-04 23:30:00", "2024-03-06 00:00:00"));
    EXPECT_THAT(column(dialog, 2), ElementsAre("2024-03-20 09:00:00", "2024-03-05 00:00:00", "2024-04-01 12:00:00"));
    const QVariant record = results(dialog).item(1, 0)->data(FolderDocumentSearchDialog::DocumentRole);
    EXPECT_EQ(11101, record.value<zarv::data::Document>().document_id());
    EXPECT_FALSE(results(dialog).item(1, 1)->data(FolderDocumentSearchDialog::DocumentRole).isValid());
    EXPECT_EQ(QString(), note(dialog));

    setCriterion(dialog, 0, 2, QStringLiteral("Alpha%"));
    search(dialog);
    EXPECT_THAT(column(dialog, 0), ElementsAre("Alpha report"));
    dialog.findChild<QCheckBox*>()->setChecked(true);
    search(dialog);
    EXPECT_THAT(column(dialog, 0), ElementsAre("Alpha report", "Alpha draft"));
    dialog.findChildren<QRadioButton*>().at(1)->setChecked(true);  // any
    setCriterion(dialog, 1, 0, QStringLiteral("Deep"));
    search(dialog);
    EXPECT_THAT(column(dialog, 0), ElementsAre("Gamma"));
}

TEST_F(SearchDialogTest, SortingByAnyColumnKeepsEveryCellWithItsRecord)
{
    startServer();
    FolderDocumentSearchDialog dialog(m_searchable, nullptr);
    dialog.findChild<QCheckBox*>()->setChecked(true);
    QTableWidget& table = results(dialog);
    const auto expectWhole = [&table]() {
        ASSERT_EQ(6, table.rowCount());
        for (int row = 0; row < table.rowCount(); ++row) {
            const auto document =
                table.item(row, 0)->data(FolderDocumentSearchDialog::DocumentRole).value<zarv::data::Document>();
            EXPECT_EQ(QString::fromStdString(document.document_name()), table.item(row, 0)->text());
            EXPECT_EQ(search::LocalDisplayDate(document.document_creation_date()), table.item(row, 1)->text());
            EXPECT_EQ(search::LocalDisplayDate(document.document_modification_date()), table.item(row, 2)->text());
        }
    };
    for (int sorted = 0; sorted < 3; ++sorted) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            SCOPED_TRACE(sorted);
            search(dialog);
            table.sortItems(sorted, order);
            expectWhole();
            // A search while the table is sorted fills it as whole rows too.
            search(dialog);
            expectWhole();
        }
    }
}

TEST_F(SearchDialogTest, OpenNeedsASelectionAndAccepts)
{
    startServer();
    FolderDocumentSearchDialog dialog(m_searchable, nullptr);
    QPushButton* open = button(dialog, QDialogButtonBox::Ok);
    EXPECT_EQ(QStringLiteral("Open"), open->text());
    EXPECT_EQ(QStringLiteral("Search"), button(dialog, QDialogButtonBox::Apply)->text());
    EXPECT_FALSE(open->isEnabled());
    testsupport::WhenModal<FolderDocumentSearchDialog>([](FolderDocumentSearchDialog* modal) {
        search(*modal);
        QPushButton* openButton = button(*modal, QDialogButtonBox::Ok);
        EXPECT_FALSE(openButton->isEnabled());
        results(*modal).selectRow(2);
        EXPECT_TRUE(openButton->isEnabled());
        results(*modal).selectRow(2);  // a second click takes it out again
        EXPECT_FALSE(openButton->isEnabled());
        results(*modal).selectRow(0);
        results(*modal).selectRow(2);
        openButton->click();
    });
    EXPECT_EQ(QDialog::Accepted, dialog.exec());
    const zarv::data::Documents selected = dialog.selectedDocuments();
    std::vector<int> ids;
    for (const auto& document : selected.document()) {
        ids.push_back(document.document_id());
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_THAT(ids, ElementsAre(11100, 11102));
}

TEST_F(SearchDialogTest, ResetLeavesOneFreshCriterionAndNoResultsButKeepsTheChoices)
{
    startServer();
    FolderDocumentSearchDialog dialog(m_searchable, nullptr);
    auto* criteria = dialog.findChild<SearchTableView*>();
    setCriterion(dialog, 0, 2, QStringLiteral("%"));
    criteria->addRow(0);
    criteria->addRow(0);
    dialog.findChild<QCheckBox*>()->setChecked(true);
    dialog.findChildren<QRadioButton*>().at(1)->setChecked(true);
    search(dialog);
    ASSERT_GT(results(dialog).rowCount(), 0);

    button(dialog, QDialogButtonBox::Reset)->click();
    ASSERT_EQ(1, criteria->getStandardItemModel()->rowCount());
    auto* editor =
        qobject_cast<AbstractSearchEditor*>(criteria->indexWidget(criteria->getStandardItemModel()->index(0, 0)));
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(0, editor->getSubject());
    EXPECT_EQ(QString(), editor->getText());
    EXPECT_EQ(0, results(dialog).rowCount());
    EXPECT_EQ(3, results(dialog).columnCount());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>()->isChecked());
    EXPECT_TRUE(dialog.findChildren<QRadioButton*>().at(1)->isChecked());
}

TEST_F(SearchDialogTest, TheHomeFolderIsNamedSoByItsIdOnly)
{
    EXPECT_EQ(QStringLiteral("Search for Documents in 'Home Folder'"),
              FolderDocumentSearchDialog(Folder(AdasHomeFolder, "Home"), nullptr).windowTitle());
    EXPECT_EQ(QStringLiteral("Search for Documents in 'Home Folder'"),
              FolderDocumentSearchDialog(Folder(11002, "Home Folder"), nullptr).windowTitle());
    EXPECT_EQ(QStringLiteral("Search for Documents in 'Anywhere'"),
              FolderDocumentSearchDialog(Folder(11003, "Anywhere"), nullptr).windowTitle());
    zarv::data::FolderKey home;
    *home.mutable_folder_key_folder() = Folder(AdasHomeFolder, "Home");
    EXPECT_EQ(QStringLiteral("Search for Documents in 'Home'"),
              FolderKeyDocumentSearchDialog(home, nullptr).windowTitle());
}

TEST_F(SearchDialogTest, AFolderKeySearchListsKeysWithTheEmphasisedOneInBold)
{
    startServer();
    FolderKeyDocumentSearchDialog dialog(m_folderKey, nullptr);
    EXPECT_EQ(QStringLiteral("Search for Documents in 'Searchable'"), dialog.windowTitle());
    const zarv::data::SelectDocumentKeyRequest request = dialog.getSelectDocumentKeyRequest();
    EXPECT_EQ(11000, request.document_folder_id());
    EXPECT_EQ(Ada, request.document_key_user_id());
    EXPECT_TRUE(request.has_search_subfolders());

    dialog.findChild<QCheckBox*>()->setChecked(true);
    search(dialog);
    EXPECT_THAT(column(dialog, 0), ElementsAre("Alpha report", "Beta notes", "Undated"));
    QTableWidget& table = results(dialog);
    EXPECT_EQ(QFont::Bold, table.item(0, 0)->font().weight());
    EXPECT_NE(QFont::Bold, table.item(1, 0)->font().weight());
    // A key whose document has no valid dates is listed with empty dates and
    // carries its key.
    EXPECT_EQ(QString(), table.item(2, 1)->text());
    EXPECT_EQ(QString(), table.item(2, 2)->text());
    const auto key =
        table.item(2, 0)->data(FolderKeyDocumentSearchDialog::DocumentKeyRole).value<zarv::data::DocumentKey>();
    EXPECT_EQ(11105, key.document_key_document().document_id());

    table.selectRow(2);
    table.selectRow(0);
    const zarv::data::DocumentKeys selected = dialog.selectedDocumentKeys();
    ASSERT_EQ(2, selected.document_key_size());
}

TEST_F(SearchDialogTest, NoReplyIsSaidAboveTheResults)
{
    startServer();
    FolderKeyDocumentSearchDialog keyDialog(m_folderKey, nullptr);
    FolderDocumentSearchDialog folderDialog(m_searchable, nullptr);
    search(keyDialog);
    search(folderDialog);
    ASSERT_EQ(2, results(keyDialog).rowCount());
    ASSERT_EQ(3, results(folderDialog).rowCount());

    m_server.reset();  // the port no longer answers
    search(keyDialog);
    search(folderDialog);
    EXPECT_EQ(QStringLiteral("No reply from the server."), note(keyDialog));
    EXPECT_EQ(QStringLiteral("No reply from the server."), note(folderDialog));
    EXPECT_THAT(column(keyDialog, 0), ElementsAre("Alpha report", "Beta notes"));
    EXPECT_EQ(0, results(folderDialog).rowCount());
    // The criteria stay.
    EXPECT_EQ(1, folderDialog.findChild<SearchTableView*>()->getStandardItemModel()->rowCount());
}

TEST_F(SearchDialogTest, ARefusedSearchIsListedAndNamesTheError)
{
    startServer({"error-codes=2,1"});
    FolderDocumentSearchDialog dialog(m_searchable, nullptr);
    search(dialog);
    EXPECT_EQ(QStringLiteral("The server refused the request (code 2)."), note(dialog));
    EXPECT_THAT(column(dialog, 0), ElementsAre("Alpha report", "Beta notes", "Größenplan"));
}

zarv::data::Message MessageOf(const QTableWidget& table, int row)
{
    return table.item(row, 0)->data(MessageSearchDialog::MessageRole).value<zarv::data::Message>();
}

TEST_F(SearchDialogTest, AMessageSearchListsOwnThenReceivedMessages)
{
    startServer();
    MessageSearchDialog dialog(SearchableMessages, Ada, nullptr);
    EXPECT_EQ(QStringLiteral("Search for Messages"), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("Message From"), results(dialog).horizontalHeaderItem(0)->text());
    search(dialog);
    EXPECT_THAT(column(dialog, 0),
                ElementsAre("Lovelace, Ada", "Lovelace, Ada", "Lovelace, Ada", "Brecht, Bert", "Dupré, Cléo Marie"));
    EXPECT_THAT(column(dialog, 1),
                ElementsAre("Budget 2024", "Note to self", "Note to self", "Budget review", "Größe"));
    EXPECT_THAT(column(dialog, 2), ElementsAre("2024-03-05 09:00:00", "2024-03-06 10:00:00", "2024-03-06 10:00:00",
                                               "2024-03-07 11:00:00", "2024-02-01 08:00:00"));
    QTableWidget& table = results(dialog);
    EXPECT_EQ(11601, MessageOf(table, 1).message_id());
    EXPECT_EQ(11601, MessageOf(table, 2).message_id());

    table.selectRow(1);
    table.selectRow(2);
    const zarv::data::Messages selected = dialog.selectedMessages();
    ASSERT_EQ(2, selected.message_size());
    EXPECT_EQ(11601, selected.message(0).message_id());
    EXPECT_EQ(11601, selected.message(1).message_id());

    setCriterion(dialog, 0, 2, QStringLiteral("Brecht%"));
    search(dialog);
    EXPECT_THAT(column(dialog, 1), ElementsAre("Budget review"));
}

TEST_F(SearchDialogTest, TheSecondMessageExchangeListsWhenTheFirstFails)
{
    startServer({"no-reply@46"});
    MessageSearchDialog dialog(SearchableMessages, Ada, nullptr);
    search(dialog);
    EXPECT_THAT(column(dialog, 1), ElementsAre("Note to self", "Budget review", "Größe"));
    EXPECT_EQ(QStringLiteral("No reply from the server."), note(dialog));

    m_server.reset();
    search(dialog);
    EXPECT_EQ(0, results(dialog).rowCount());
    EXPECT_EQ(QStringLiteral("No reply from the server."), note(dialog));
}

}  // namespace
