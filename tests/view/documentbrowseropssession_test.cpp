// The document browser's operations end to end: a browser opened by its
// manager on the client's bus changes Dana's folders on the project's test
// server (product/testserver/fixtures/docbrowser.textproto, session 7), and
// shows the server's refusals.

#include "library/gui/itemcreationdialogs.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documentbrowsermanager.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/documentbrowsertestsupport.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::TestServerProcess;
using testsupport::WhenModal;

class OtherWindow : public AbstractViewWindow
{
public:
    OtherWindow()
        : AbstractViewWindow(nullptr)
    {}
};

class DocumentBrowserOpsSessionTest : public ::testing::Test
{
protected:
    DocumentBrowserOpsSessionTest()
        : m_server({}, TestServerProcess::FixturePath("docbrowser.textproto"))
    {}

    void SetUp() override
    {
        PrepareBrowserServices();
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
                         &ApplicationComponent::CreateViewManager<DocumentBrowserManager>});
        ASSERT_TRUE(m_tree->connectAbstractViewWindow(&m_other));
    }

    void TearDown() override
    {
        std::vector<DocumentBrowserView*> browsers;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* browser = qobject_cast<DocumentBrowserView*>(widget); browser && browser->isVisible()) {
                browsers.push_back(browser);
            }
        }
        for (DocumentBrowserView* browser : browsers) {
            delete browser;
        }
        m_tree.reset();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    DocumentBrowserView& openHome()
    {
        emit m_other.deliverRequest(common::OpenDocumentBrowserView, common::Untagged, std::string());
        DocumentBrowserView* browser = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* each = qobject_cast<DocumentBrowserView*>(widget); each && each->isVisible()) {
                browser = each;
            }
        }
        EXPECT_NE(browser, nullptr);
        SidePaneListWidget& side = SidePane(*browser);
        side.setCurrentRow(0);
        side.open(side.item(0));
        return *browser;
    }

    static void select(DocumentBrowserView& browser, const QString& text)
    {
        const QList<QListWidgetItem*> found = MainPane(browser).findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        MainPane(browser).setCurrentItem(found.front());
    }

    TestServerProcess m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    OtherWindow m_other;
};

TEST_F(DocumentBrowserOpsSessionTest, ANewFolderCannotTakeASiblingsNameAndAFullFolderStays)
{
    DocumentBrowserView& browser = openHome();
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Projects")));

    WhenModal<CreateFolderDialog>([](CreateFolderDialog* dialog) {
        dialog->findChildren<QLineEdit*>().at(0)->setText(QStringLiteral("Drafts"));
        dialog->accept();
    });
    browser.newFolder();
    ASSERT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Drafts")));

    QString clash;
    WhenModal<QInputDialog>([&clash](QInputDialog* dialog) {
        dialog->setTextValue(QStringLiteral("Letters"));
        dialog->accept();
        WhenModal<QMessageBox>([&clash](QMessageBox* box) {
            clash = box->text();
            box->accept();
        });
    });
    select(browser, QStringLiteral("Drafts"));
    MainPane(browser).renameItem();
    EXPECT_EQ(clash, QStringLiteral("A folder named 'Letters' already exists."));
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Drafts")));

    QString full;
    WhenModal<QMessageBox>([&full](QMessageBox* box) {
        box->button(QMessageBox::Ok)->click();
        WhenModal<QMessageBox>([&full](QMessageBox* next) {
            full = next->text();
            next->accept();
        });
    });
    select(browser, QStringLiteral("Projects"));
    MainPane(browser).deleteItem();
    EXPECT_EQ(full, QStringLiteral("You cannot delete a non-empty folder."));
    EXPECT_TRUE(Texts(MainPane(browser)).contains(QStringLiteral("Projects")));

    // The empty new folder goes.
    WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    select(browser, QStringLiteral("Drafts"));
    MainPane(browser).deleteItem();
    EXPECT_FALSE(Texts(MainPane(browser)).contains(QStringLiteral("Drafts")));
}

}  // namespace
