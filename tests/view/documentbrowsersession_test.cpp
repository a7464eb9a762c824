// The document browser end to end: opened by its manager on the client's
// bus, talking to the project's test server over the browser's fixture
// (product/testserver/fixtures/docbrowser.textproto) under its open session.

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/component/logonsession.h"
#include "product/client/view/documentbrowsermanager.h"
#include "product/client/view/sessionduration.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/documentbrowsertestsupport.h"

#include "library/gui/passcodedialog.h"

#include "openfolderkeyrequest3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectfolderkeyrequest3.pb.h"
#include "selectfolderrequest3.pb.h"
#include "selectgroupkeyrequest3.pb.h"
#include "selectuserrequest3.pb.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace browsertest;
using testsupport::BoxRecorder;
using testsupport::TestServerProcess;
using testsupport::WhenModal;

// A window of another part of the client, hung on the bus: it asks for
// browsers as the console and the key lists do.
class OtherWindow : public AbstractViewWindow
{
public:
    OtherWindow()
        : AbstractViewWindow(nullptr)
    {}
};

// The requests that a browser sent, with the fields that name records.
std::string Describe(common::Opcode major, common::Opcode minor, const std::string& payload)
{
    std::string line = std::to_string(major) + " " + std::to_string(minor);
    const auto field = [&line](const char* name, bool present, int value) {
        if (present) {
            line += std::string(" ") + name + "=" + std::to_string(value);
        }
    };
    if (major == common::SelectFolder) {
        zarv::data::SelectFolderRequest request;
        request.ParseFromString(payload);
        field("parent", request.has_folder_parent_id(), request.folder_parent_id());
    } else if (major == common::SelectDocument) {
        zarv::data::SelectDocumentRequest request;
        request.ParseFromString(payload);
        field("folder", request.has_document_folder_id(), request.document_folder_id());
        field("document", request.has_document_id(), request.document_id());
    } else if (major == common::SelectGroupKey) {
        zarv::data::SelectGroupKeyRequest request;
        request.ParseFromString(payload);
        field("user", request.has_group_key_user_id(), request.group_key_user_id());
    } else if (major == common::SelectUser) {
        zarv::data::SelectUserRequest request;
        request.ParseFromString(payload);
        field("group", request.has_user_group_id(), request.user_group_id());
    } else if (major == common::SelectFolderKey) {
        zarv::data::SelectFolderKeyRequest request;
        request.ParseFromString(payload);
        field("parent", request.has_folder_parent_id(), request.folder_parent_id());
        field("user", request.has_folder_key_user_id(), request.folder_key_user_id());
    } else if (major == common::SelectDocumentKey) {
        zarv::data::SelectDocumentKeyRequest request;
        request.ParseFromString(payload);
        field("user", request.has_document_key_user_id(), request.document_key_user_id());
        field("folder", request.has_document_folder_id(), request.document_folder_id());
        field("document", request.has_document_key_document_id(), request.document_key_document_id());
    }
    return line;
}

class DocumentBrowserSessionTest : public ::testing::Test
{
protected:
    explicit DocumentBrowserSessionTest(const std::vector<std::string>& faults = {},
                                        const char* fixture = "docbrowser.textproto")
        : m_server(faults, TestServerProcess::FixturePath(fixture))
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
        for (DocumentBrowserView* browser : browsers()) {
            delete browser;
        }
        m_tree.reset();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    static std::vector<DocumentBrowserView*> browsers()
    {
        std::vector<DocumentBrowserView*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* browser = qobject_cast<DocumentBrowserView*>(widget); browser && browser->isVisible()) {
                found.push_back(browser);
            }
        }
        return found;
    }

    // Asks the manager for browsers, as the console or a key list does.
    void ask(common::Opcode minor, const std::string& payload = std::string())
    {
        emit m_other.deliverRequest(common::OpenDocumentBrowserView, minor, payload);
    }

    DocumentBrowserView& openBrowser()
    {
        ask(common::Untagged);
        const std::vector<DocumentBrowserView*> open = browsers();
        EXPECT_EQ(open.size(), 1U);
        DocumentBrowserView& browser = *open.front();
        QObject::connect(&browser, &DocumentBrowserView::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             m_requests.push_back(Describe(major, minor, payload));
                         });
        return browser;
    }

    static void click(DocumentBrowserView& browser, const QString& text)
    {
        SidePaneListWidget& side = SidePane(browser);
        const QList<QListWidgetItem*> found = side.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        side.setCurrentItem(found.front());
        side.open(found.front());
    }

    static void doubleClick(DocumentBrowserView& browser, const QString& text)
    {
        MainPaneListWidget& main = MainPane(browser);
        const QList<QListWidgetItem*> found = main.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        emit main.itemActivated(found.front());
    }

    static QString countdown(const DocumentBrowserView& browser)
    {
        for (const QLabel* label : browser.statusBar()->findChildren<QLabel*>()) {
            if (label->text().startsWith(QStringLiteral("Session Duration"))) {
                return label->text();
            }
        }
        return QString();
    }

    TestServerProcess m_server;
    std::unique_ptr<ApplicationComponent> m_tree;
    OtherWindow m_other;
    std::vector<std::string> m_requests;
    BoxRecorder m_boxes;
};

TEST_F(DocumentBrowserSessionTest, FromTheHomeFolderToAFolderKeyCountingDown)
{
    DocumentBrowserView& browser = openBrowser();
    EXPECT_EQ(MainPane(browser).count(), 0);

    click(browser, "Home Folder");
    EXPECT_EQ(m_requests, (std::vector<std::string>{"40 -38 parent=1100", "37 -38 folder=1100"}));
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Projects", "Letters", "Readme"}));
    doubleClick(browser, "Projects");
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Plan", "Minutes"}));
    EXPECT_EQ(Texts(SidePane(browser)), QStringList({"Home Folder", "Home Groups", "Projects"}));

    m_requests.clear();
    click(browser, "Home Groups");
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Staff"}));
    doubleClick(browser, "Staff");
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Eaton, Eli", "Ford, "}));
    doubleClick(browser, "Eaton, Eli");
    EXPECT_EQ(m_requests, (std::vector<std::string>{"41 1 user=101", "50 1 group=301", "39 -6 parent=1200 user=101",
                                                    "36 -5 user=101 folder=1200"}));
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Shared Reports", "Open Share", "Eli's note"}));

    m_requests.clear();
    WhenModal<PasscodeDialog>([](PasscodeDialog* dialog) {
        dialog->setPasscode(QStringLiteral("2468"));
        dialog->accept();
    });
    doubleClick(browser, "Shared Reports");
    EXPECT_TRUE(m_boxes.boxes.empty());
    EXPECT_EQ(m_requests, (std::vector<std::string>{"39 -6 parent=1210 user=101", "36 -5 user=101 folder=1210"}));
    // Folder keys first; the expired key is not shown.
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Archive", "Budget summary", "Old figures"}));
    EXPECT_EQ(countdown(browser), QStringLiteral("Session Duration [02:00]"));
    EXPECT_TRUE(browser.action(browser::Search)->isEnabled());
    const QListWidgetItem* budget = MainPane(browser).item(1);
    EXPECT_TRUE(budget->font().bold());
    const QListWidgetItem* switchedOff = MainPane(browser).item(2);
    EXPECT_EQ(switchedOff->flags(), Qt::NoItemFlags);
    EXPECT_EQ(switchedOff->toolTip(), QStringLiteral("Key Inactive"));
    EXPECT_EQ(SidePane(browser).currentItem()->text(), QStringLiteral("Shared Reports"));

    // Opening the key not opened before clears its emphasis on the server and
    // in the browser.
    m_requests.clear();
    doubleClick(browser, "Budget summary");
    EXPECT_EQ(m_requests, (std::vector<std::string>{"36 -35 user=101 document=1600", "52 -33"}));
    EXPECT_FALSE(MainPane(browser).item(1)->font().bold());
    EXPECT_EQ(browser.statusBar()->currentMessage(), QString());

    // Another navigation stops the countdown.
    click(browser, "Home Folder");
    EXPECT_EQ(countdown(browser), QString());
}

TEST_F(DocumentBrowserSessionTest, ARefusedPasscodeLeavesThePaneEmptyAndTheRightOneOpens)
{
    DocumentBrowserView& browser = openBrowser();
    click(browser, "Home Groups");
    doubleClick(browser, "Staff");
    doubleClick(browser, "Eaton, Eli");
    m_requests.clear();
    WhenModal<PasscodeDialog>([](PasscodeDialog* dialog) {
        dialog->setPasscode(QStringLiteral("1357"));
        dialog->accept();
    });
    doubleClick(browser, "Shared Reports");
    ASSERT_EQ(m_boxes.boxes.size(), 1U);
    EXPECT_EQ(m_boxes.boxes[0].text, QStringLiteral("Incorrect password!"));
    EXPECT_EQ(MainPane(browser).count(), 0);
    EXPECT_EQ(countdown(browser), QString());
    EXPECT_TRUE(m_requests.empty());

    WhenModal<PasscodeDialog>([](PasscodeDialog* dialog) {
        dialog->setPasscode(QStringLiteral("2468"));
        dialog->accept();
    });
    click(browser, "Shared Reports");
    EXPECT_EQ(m_requests, (std::vector<std::string>{"39 -6 parent=1210 user=101", "36 -5 user=101 folder=1210"}));
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Archive", "Budget summary", "Old figures"}));
    EXPECT_EQ(countdown(browser), QStringLiteral("Session Duration [02:00]"));
}

TEST_F(DocumentBrowserSessionTest, TheManagerOpensOneBrowserPerFolderKeyEachFilledWhileAnotherWindowIsActive)
{
    m_other.show();
    m_other.activateWindow();
    KeyRules search;
    search.permissions = 65;
    zarv::data::OpenFolderKeyRequest request;
    *request.add_folder_key() = FolderKey(1211, "Open Share");
    *request.add_folder_key() = FolderKey(1220, "Archive", search);
    ask(common::OpenFolderKey, request.SerializeAsString());
    const std::vector<DocumentBrowserView*> open = browsers();
    ASSERT_EQ(open.size(), 2U);
    QStringList contents;
    for (const DocumentBrowserView* browser : open) {
        const QStringList side = Texts(SidePane(*browser));
        ASSERT_EQ(side.size(), 3);
        EXPECT_EQ(SidePane(*browser).currentRow(), 2);
        contents << side[2] + ": " + Texts(MainPane(*browser)).join(QStringLiteral(", "));
        // No limit, no countdown.
        EXPECT_EQ(countdown(*browser), QString());
    }
    contents.sort();
    EXPECT_EQ(contents, QStringList({"Archive: Old report", "Open Share: Memo"}));
    m_other.hide();

    ask(5);
    ask(common::OpenFolderKey, "not a request");
    EXPECT_EQ(browsers().size(), 2U);
    ask(common::Untagged);
    ASSERT_EQ(browsers().size(), 3U);
}

class DocumentBrowserUnansweredTest : public DocumentBrowserSessionTest
{
protected:
    DocumentBrowserUnansweredTest()
        : DocumentBrowserSessionTest({"no-reply@40"})
    {}
};

TEST_F(DocumentBrowserUnansweredTest, AnUnansweredListingIsToldByTheBrowserThatAskedAlone)
{
    DocumentBrowserView& asking = openBrowser();
    ask(common::Untagged);
    click(asking, "Home Folder");
    EXPECT_EQ(asking.statusBar()->currentMessage(), QStringLiteral("No reply from the server."));
    // The documents still came.
    EXPECT_EQ(Texts(MainPane(asking)), QStringList({"Readme"}));
    for (const DocumentBrowserView* browser : browsers()) {
        if (browser != &asking) {
            EXPECT_EQ(browser->statusBar()->currentMessage(), QString());
            EXPECT_EQ(MainPane(*browser).count(), 0);
        }
    }
}

class DocumentBrowserRefusedTest : public DocumentBrowserSessionTest
{
protected:
    DocumentBrowserRefusedTest()
        : DocumentBrowserSessionTest({"error-codes=2,1@41"})
    {}
};

TEST_F(DocumentBrowserRefusedTest, ARefusedListingIsToldWithItsCode)
{
    DocumentBrowserView& asking = openBrowser();
    click(asking, "Home Groups");
    EXPECT_EQ(asking.statusBar()->currentMessage(), QStringLiteral("The server refused the request (code 2)."));
    EXPECT_EQ(MainPane(asking).count(), 0);
}

// The trial of the README over the sample data, logged on as Avery.
class DocumentBrowserTrialTest : public DocumentBrowserSessionTest
{
protected:
    DocumentBrowserTrialTest()
        : DocumentBrowserSessionTest({}, "sample.textproto")
    {}

    void SetUp() override
    {
        DocumentBrowserSessionTest::SetUp();
        const std::optional<std::string> logOn =
            LogonSession::Request("avery", "quenlark-trial", "127.0.0.1", m_server.port(), "America/New_York");
        ASSERT_TRUE(logOn);
        emit m_other.deliverRequest(common::AuthenticateUser, common::Untagged, *logOn);
    }
};

TEST_F(DocumentBrowserTrialTest, TheSharedReportsOpenWithTheirPasscodeAndCountDown)
{
    DocumentBrowserView& browser = openBrowser();
    click(browser, "Home Folder");
    doubleClick(browser, "Projects");
    EXPECT_EQ(Texts(MainPane(browser)), QStringList({"Project plan", "Meeting notes"}));
    click(browser, "Home Groups");
    doubleClick(browser, "Staff");
    doubleClick(browser, "Morgan, Blake");
    WhenModal<PasscodeDialog>([](PasscodeDialog* dialog) {
        dialog->setPasscode(QStringLiteral("2468"));
        dialog->accept();
    });
    doubleClick(browser, "Shared Reports");
    EXPECT_TRUE(m_boxes.boxes.empty());
    const QList<QListWidgetItem*> budget =
        MainPane(browser).findItems(QStringLiteral("Budget summary"), Qt::MatchExactly);
    ASSERT_EQ(budget.size(), 1);
    EXPECT_TRUE(budget.front()->font().bold());
    EXPECT_EQ(countdown(browser), QStringLiteral("Session Duration [02:00]"));
}

}  // namespace
