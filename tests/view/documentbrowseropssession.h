#pragma once

// What the end-to-end tests of the document browser's operations share: the
// test server over a fixture of product/testserver/fixtures with one session
// open, the client's bus with the browser's and the editor's managers, and
// the browser driven as a user does, each request it sends written down.

#include "library/common/codes.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/component/applicationcomponent.h"
#include "product/client/view/documentbrowsermanager.h"
#include "product/client/view/documenteditormanager.h"
#include "product/client/view/documenteditorview.h"
#include "tests/support/testserverprocess.h"
#include "tests/view/documentbrowsertestsupport.h"

#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <QApplication>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace browsertest {

// A window of another part of the client, hung on the bus: it asks for
// browsers as the console does.
class OtherWindow : public AbstractViewWindow
{
public:
    OtherWindow()
        : AbstractViewWindow(nullptr)
    {}
};

// A request as the tests write it: the two codes, and for the requests that
// open an editor the record they name.
inline std::string DescribeRequest(common::Opcode major, common::Opcode minor, const std::string& payload)
{
    std::string line = std::to_string(major) + " " + std::to_string(minor);
    if (minor != common::OpenDocumentEditorView) {
        return line;
    }
    if (major == common::SelectDocument) {
        zarv::data::SelectDocumentRequest request;
        request.ParseFromString(payload);
        line += " document=" + std::to_string(request.document_id());
    } else if (major == common::SelectDocumentKey) {
        zarv::data::SelectDocumentKeyRequest request;
        request.ParseFromString(payload);
        line += " user=" + std::to_string(request.document_key_user_id())
                + " document=" + std::to_string(request.document_key_document_id());
    }
    return line;
}

class BrowserOpsSessionTest : public ::testing::Test
{
protected:
    explicit BrowserOpsSessionTest(const char* fixture, int sessionId)
        : m_server({}, testsupport::TestServerProcess::FixturePath(fixture))
        , m_sessionId(sessionId)
    {}

    void SetUp() override
    {
        PrepareBrowserServices();
        ASSERT_NE(m_server.port(), 0);
        MessageDispatcher::setTimeout(std::chrono::seconds(10));
        MessageDispatcher::setServerName("127.0.0.1");
        MessageDispatcher::setServerPort(m_server.port());
        MessageDispatcher::setSessionId(m_sessionId);
        const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                       0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
        std::copy(key, key + 16, ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->getEkey());
        m_tree = std::make_unique<ApplicationComponent>(
            nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                         &ApplicationComponent::CreateViewManager<DocumentBrowserManager>,
                         &ApplicationComponent::CreateViewManager<DocumentEditorManager>});
        ASSERT_TRUE(m_tree->connectAbstractViewWindow(&m_other));
    }

    void TearDown() override
    {
        closeEditors();
        for (DocumentBrowserView* browser : Shown<DocumentBrowserView>()) {
            delete browser;
        }
        m_tree.reset();
        ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance()->clear();
    }

    // The shown top-level windows of a kind.
    template <typename Window>
    static std::vector<Window*> Shown()
    {
        std::vector<Window*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) {
                found.push_back(window);
            }
        }
        return found;
    }

    // The documents of the open editors, by id, in increasing order.
    static std::vector<int> editedDocuments()
    {
        std::vector<int> ids;
        for (const DocumentEditorView* editor : Shown<DocumentEditorView>()) {
            ids.push_back(editor->getDocument().document_id());
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    static void closeEditors()
    {
        for (DocumentEditorView* editor : Shown<DocumentEditorView>()) {
            delete editor;
        }
    }

    // A new browser from the manager, as the console asks for one; what it
    // sends goes into `m_requests`, and the payloads into `m_payloads`.
    DocumentBrowserView& openBrowser()
    {
        const std::vector<DocumentBrowserView*> before = Shown<DocumentBrowserView>();
        emit m_other.deliverRequest(common::OpenDocumentBrowserView, common::Untagged, std::string());
        DocumentBrowserView* browser = nullptr;
        for (DocumentBrowserView* each : Shown<DocumentBrowserView>()) {
            if (std::find(before.begin(), before.end(), each) == before.end()) {
                browser = each;
            }
        }
        EXPECT_NE(browser, nullptr);
        QObject::connect(browser, &DocumentBrowserView::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& payload) {
                             m_requests.push_back(DescribeRequest(major, minor, payload));
                             m_payloads.push_back(payload);
                         });
        return *browser;
    }

    // A click on a side-pane entry.
    static void click(DocumentBrowserView& browser, const QString& text)
    {
        SidePaneListWidget& side = SidePane(browser);
        const QList<QListWidgetItem*> found = side.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        side.setCurrentItem(found.front());
        side.open(found.front());
    }

    // The main-pane item that shows this text.
    static QListWidgetItem* item(const DocumentBrowserView& browser, const QString& text)
    {
        const QList<QListWidgetItem*> found = MainPane(browser).findItems(text, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.isEmpty() ? nullptr : found.front();
    }

    static void select(DocumentBrowserView& browser, const QString& text)
    {
        MainPane(browser).setCurrentItem(item(browser, text));
    }

    static void doubleClick(DocumentBrowserView& browser, const QString& text)
    {
        if (QListWidgetItem* found = item(browser, text)) {
            emit MainPane(browser).itemActivated(found);
        }
    }

    testsupport::TestServerProcess m_server;
    int m_sessionId;
    std::unique_ptr<ApplicationComponent> m_tree;
    OtherWindow m_other;
    std::vector<std::string> m_requests;
    std::vector<std::string> m_payloads;
};

}  // namespace browsertest
