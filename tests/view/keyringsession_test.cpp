// The keyrings and key lists end to end: opened by their managers from the
// client's bus, against the project's test server over the keyrings'
// fixture (product/testserver/fixtures/keyrings.textproto).

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documenteditormanager.h"
#include "product/client/view/documenteditorview.h"
#include "product/client/view/documentkeyringview.h"
#include "product/client/view/folderkeyringview.h"
#include "product/client/view/keyringpanes.h"
#include "product/client/view/keylistviews.h"
#include "product/client/view/keymanagers.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/keyringtestsupport.h"

#include "deletedocumentrequest3.pb.h"
#include "deletefolderrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QApplication>
#include <QPointer>
#include <QStatusBar>
#include <QTreeWidget>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace keyringtest;
using testsupport::TestServerProcess;

// A window of another part of the client that sends the requests which open
// the keyrings and key lists.
class Sender : public AbstractViewWindow
{
public:
    Sender()
        : AbstractViewWindow(nullptr)
    {}
};

template <typename Window>
std::vector<Window*> Open()
{
    std::vector<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<Window*>(widget); window && window->isVisible()) {
            found.push_back(window);
        }
    }
    return found;
}

QStringList Names(QTreeWidget* tree)
{
    QStringList names;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        names << tree->topLevelItem(i)->text(0);
    }
    return names;
}

class KeyringSessionTest : public ::testing::Test
{
protected:
    explicit KeyringSessionTest(const std::vector<std::string>& faults = {})
        : m_server(faults, TestServerProcess::FixturePath("keyrings.textproto"))
    {}

    void SetUp() override
    {
        PrepareKeyringServices();
        ASSERT_NE(m_server.port(), 0);
        MessageDispatcher::setTimeout(std::chrono::seconds(10));
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(7);
        const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                       0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(key, key + 16, ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<DocumentEditorManager>,
                         &ApplicationComponent::CreateViewManager<FolderKeyringManager>,
                         &ApplicationComponent::CreateViewManager<DocumentKeyringManager>,
                         &ApplicationComponent::CreateViewManager<DocumentKeysManager>,
                         &ApplicationComponent::CreateViewManager<FolderKeysManager>});
        ASSERT_TRUE(m_tree->connectAbstractViewWindow(&m_sender));
    }

    void TearDown() override
    {
        // Deleting one window may delete others: each is held by a guard.
        QList<QPointer<QWidget>> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<KeyringView*>(widget) || qobject_cast<KeyListView*>(widget)
                || qobject_cast<DocumentEditorView*>(widget)) {
                windows.append(widget);
            }
        }
        for (const QPointer<QWidget>& window : windows) {
            delete window.data();
        }
        m_tree.reset();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    void openDocumentKeyring()
    {
        zarv::data::SelectDocumentKeyRequest request;
        request.set_document_key_document_id(PlanId);
        request.set_document_key_document_name("Plan");
        emit m_sender.deliverRequest(common::SelectDocumentKey, common::OpenDocumentKeyringView,
                                     request.SerializeAsString());
    }

    void openFolderKeyring()
    {
        zarv::data::SelectFolderKeyRequest request;
        request.set_folder_key_folder_id(SharedId);
        request.set_folder_key_folder_name("Shared");
        emit m_sender.deliverRequest(common::SelectFolderKey, common::OpenFolderKeyringView,
                                     request.SerializeAsString());
    }

    TestServerProcess m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    Sender m_sender;
};

TEST_F(KeyringSessionTest, KeyringsOpenOnceInTheirOrderAndCloseWithTheirRecord)
{
    openDocumentKeyring();
    openFolderKeyring();
    ASSERT_EQ(1u, Open<DocumentKeyringView>().size());
    ASSERT_EQ(1u, Open<FolderKeyringView>().size());
    DocumentKeyringView* documents = Open<DocumentKeyringView>()[0];
    FolderKeyringView* folders = Open<FolderKeyringView>()[0];
    auto* documentPane = qobject_cast<QTreeWidget*>(documents->centralWidget());
    auto* folderPane = qobject_cast<QTreeWidget*>(folders->centralWidget());
    EXPECT_EQ(QStringList({"Baker, Ann", "cole, Zoe", "Baker, Al"}), Names(documentPane));
    EXPECT_EQ(QStringList({"Baker, Al", "Baker, Ann", "cole, Zoe"}), Names(folderPane));
    EXPECT_TRUE(documents->windowTitle().startsWith(QStringLiteral("Plan Document Keyring")));

    // A second request raises the open keyring and drops the keys.
    delete documentPane->takeTopLevelItem(0);
    openDocumentKeyring();
    EXPECT_EQ(1u, Open<DocumentKeyringView>().size());
    EXPECT_EQ(2, documentPane->topLevelItemCount());

    // A deleted folder closes its keyrings only; a deleted document its own.
    zarv::data::DeleteFolderRequest deleteFolder;
    deleteFolder.set_folder_id(SharedId + 1);
    for (QObject* manager : m_tree->children()) {
        if (auto* keyrings = qobject_cast<AbstractViewManager*>(manager)) {
            keyrings->receiveReply(common::DeleteFolder, common::Untagged, deleteFolder.SerializeAsString(), 0, 0,
                                   std::string());
        }
    }
    EXPECT_EQ(1u, Open<FolderKeyringView>().size());
    deleteFolder.set_folder_id(SharedId);
    zarv::data::DeleteDocumentRequest deleteDocument;
    deleteDocument.set_document_id(PlanId);
    for (QObject* manager : m_tree->children()) {
        if (auto* keyrings = qobject_cast<AbstractViewManager*>(manager)) {
            keyrings->receiveReply(common::DeleteFolder, common::Untagged, deleteFolder.SerializeAsString(), 0, 0,
                                   std::string());
        }
    }
    EXPECT_TRUE(Open<FolderKeyringView>().empty());
    EXPECT_EQ(1u, Open<DocumentKeyringView>().size());
    for (QObject* manager : m_tree->children()) {
        if (auto* keyrings = qobject_cast<AbstractViewManager*>(manager)) {
            keyrings->receiveReply(common::DeleteDocument, common::Untagged, deleteDocument.SerializeAsString(), 0, 0,
                                   std::string());
        }
    }
    EXPECT_TRUE(Open<DocumentKeyringView>().empty());
}

// An edit saved through the server becomes the row's loaded key; a second
// grant for a holder is refused and adds no row.
TEST_F(KeyringSessionTest, SavesAndGrantsGoThroughTheServer)
{
    StandInWizards wizards;
    openDocumentKeyring();
    DocumentKeyringView* keyring = Open<DocumentKeyringView>()[0];
    auto* pane = qobject_cast<QTreeWidget*>(keyring->centralWidget());
    QTreeWidgetItem* zoe = pane->topLevelItem(1);
    zoe->child(1)->child(5)->setCheckState(1, Qt::Unchecked);
    ASSERT_TRUE(keyring->isModified());
    pane->setCurrentItem(zoe);
    keyring->saveKey();
    EXPECT_FALSE(keyring->isModified());
    EXPECT_TRUE(IconIs(zoe, "key"));

    wizards.documentKeys =
        QList<zarv::data::DocumentKey>{DocumentKey(PlanId, Holder(AnnId, "Ann", "Baker"), AllActive, 1),
                                       DocumentKey(PlanId, Holder(KitId, "Kit", "Lane"), AllActive, 1)};
    keyring->newKey();
    EXPECT_EQ(4, pane->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Lane, Kit"), pane->topLevelItem(3)->text(0));
    EXPECT_EQ(QStringLiteral("The key of Ann Baker was not granted."), keyring->statusBar()->currentMessage());

    // Reopened from the server, Zoe's key has lost Saturday.
    delete keyring;
    openDocumentKeyring();
    QTreeWidgetItem* reloaded =
        qobject_cast<QTreeWidget*>(Open<DocumentKeyringView>()[0]->centralWidget())->topLevelItem(1);
    EXPECT_EQ(Qt::Unchecked, reloaded->child(1)->child(5)->checkState(1));
    EXPECT_EQ(Qt::Checked, reloaded->child(1)->child(4)->checkState(1));
}

TEST_F(KeyringSessionTest, KeyListsListTheUsersKeysReadOnlyAndOpenThemThroughTheirOpener)
{
    emit m_sender.deliverRequest(common::OpenDocumentKeysView, common::Untagged, std::string());
    emit m_sender.deliverRequest(common::OpenDocumentKeysView, common::Untagged, std::string());
    ASSERT_EQ(2u, Open<DocumentKeysView>().size());
    DocumentKeysView* list = Open<DocumentKeysView>()[0];
    auto* tree = qobject_cast<QTreeWidget*>(list->centralWidget());
    ASSERT_EQ(2, tree->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Notes"), tree->topLevelItem(0)->text(1));
    EXPECT_EQ(QStringLiteral("Budget"), tree->topLevelItem(1)->text(1));
    QTreeWidgetItem* saturday = tree->topLevelItem(1)->child(1)->child(5);
    EXPECT_EQ(Qt::ItemIsSelectable | Qt::ItemIsEnabled, tree->topLevelItem(1)->flags());
    EXPECT_EQ(Qt::ItemIsEnabled, saturday->flags());

    // Refresh unchecks the views and closes every row.
    QAction* viewDays = nullptr;
    for (QAction* action : list->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("View Days")) {
            viewDays = action;
        }
    }
    ASSERT_NE(viewDays, nullptr);
    viewDays->trigger();
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    list->refresh();
    EXPECT_FALSE(viewDays->isChecked());
    EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());

    // Open from a Days row of the second key opens that key's document.
    tree->setCurrentItem(tree->topLevelItem(1)->child(1)->child(2));
    list->openDocument();
    ASSERT_EQ(1u, Open<DocumentEditorView>().size());
    EXPECT_EQ(BudgetId, Open<DocumentEditorView>()[0]->getDocument().document_id());

    emit m_sender.deliverRequest(common::OpenFolderKeysView, common::Untagged, std::string());
    ASSERT_EQ(1u, Open<FolderKeysView>().size());
    auto* folders = qobject_cast<QTreeWidget*>(Open<FolderKeysView>()[0]->centralWidget());
    ASSERT_EQ(1, folders->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Reports"), folders->topLevelItem(0)->text(1));
}

class KeyListNoServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareKeyringServices();
        MessageDispatcher::setTimeout(std::chrono::seconds(2));
        MessageDispatcher::setServerName("127.0.0.1");
        // A port with nothing behind it.
        MessageDispatcher::setServerPort(1);
    }
};

TEST_F(KeyListNoServerTest, AListWithoutAServerIsEmptyAndSaysSo)
{
    DocumentKeysView list(nullptr);
    auto* tree = qobject_cast<QTreeWidget*>(list.centralWidget());
    EXPECT_EQ(0, tree->topLevelItemCount());
    EXPECT_EQ(8, tree->columnCount());
    EXPECT_EQ(QStringLiteral("No reply from the server."), list.statusBar()->currentMessage());
}

}  // namespace
