#include "tests/view/messagebrowsertestsupport.h"

#include "library/core/lib/registry.h"
#include "library/gui/abstractviewwindow.h"
#include "library/gui/settings.h"
#include "library/network/messagedispatcher.h"
#include "library/security/cryptographer.h"
#include "product/client/view/messagebrowsermanager.h"
#include "product/client/view/messagebrowserview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/support/temporarysettingsstore.h"

#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <climits>

static void InitializeClientResources()
{
    Q_INIT_RESOURCE(client);
}

namespace messagebrowsertest {
namespace {

void PrepareOnce()
{
    static bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    InitializeClientResources();
    static testsupport::TemporarySettingsStore store(QStringLiteral("messagebrowser_tests"));
    ASSERT_TRUE(store.isValid());
}

Registry& TheRegistry()
{
    return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance();
}

Cryptographer& TheCryptographer()
{
    return *ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
}

template <typename Reply, typename Request>
Reply Exchange(common::Opcode opcode, const Request& request)
{
    MessageDispatcher dispatcher(opcode, common::Untagged, request.SerializeAsString());
    Reply reply;
    EXPECT_TRUE(dispatcher.dispatch());
    EXPECT_TRUE(reply.ParseFromString(dispatcher.getReply()));
    return reply;
}

}  // namespace

zarv::data::User MiaRecord()
{
    zarv::data::User user;
    user.set_user_id(Mia);
    user.set_user_last_name("Moreau");
    user.set_user_first_name("Mia");
    user.set_user_folder_id(Mia + 100);
    user.set_user_message_folder_id(MiaRoot);
    return user;
}

MessageBoxAnswerer::MessageBoxAnswerer()
{
    qApp->installEventFilter(this);
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    qApp->removeEventFilter(this);
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
        m_shown.push_back({box->parentWidget(), box->text(), box->informativeText()});
        QMessageBox::StandardButton button = QMessageBox::Ok;
        if (!m_buttons.empty()) {
            button = m_buttons.front();
            m_buttons.erase(m_buttons.begin());
        }
        QTimer::singleShot(0, box, [box, button] {
            if (QAbstractButton* answer = box->button(button)) {
                answer->click();
            } else {
                ADD_FAILURE() << "the box has no such button: " << box->text().toStdString();
                box->reject();
            }
        });
    }
    return false;
}

MessageBrowserSessionTest::MessageBrowserSessionTest(const std::vector<std::string>& faults)
    : m_server(std::make_unique<testsupport::TestServerProcess>(
        faults,
        testsupport::TestServerProcess::FixturePath("messagebrowser.textproto")))
{}

void MessageBrowserSessionTest::SetUp()
{
    PrepareOnce();
    ASSERT_NE(m_server->port(), 0);
    static const unsigned char key[16] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                                          0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
    std::copy(std::begin(key), std::end(key), TheCryptographer().getEkey());
    MessageDispatcher::setServerName("127.0.0.1");
    MessageDispatcher::setServerPort(m_server->port());
    MessageDispatcher::setSessionId(14);
    MessageDispatcher::setTimeout(std::chrono::seconds(10));
    TheRegistry().setUser(MiaRecord());
}

void MessageBrowserSessionTest::TearDown()
{
    TheRegistry().clear();
    TheCryptographer().clear();
    MessageDispatcher::setSessionId(INT_MIN);
    Settings().remove(QStringLiteral("MessageBrowser"));
}

zarv::data::Message MessageBrowserSessionTest::listed(int messageId) const
{
    zarv::data::SelectMessageRequest own;
    own.set_message_user_id(Mia);
    const auto ownReply = Exchange<zarv::data::SelectMessageReply>(common::SelectMessage, own);
    for (const auto& message : ownReply.message()) {
        if (message.message_id() == messageId) {
            return message;
        }
    }
    zarv::data::SelectMessageUserRequest received;
    received.set_message_user_user_id(Mia);
    const auto receivedReply = Exchange<zarv::data::SelectMessageUserReply>(common::SelectMessageUser, received);
    for (const auto& message : receivedReply.message()) {
        if (message.message_id() == messageId) {
            return message;
        }
    }
    ADD_FAILURE() << "mia has no message " << messageId;
    return zarv::data::Message();
}

void MessageBrowserWindowTest::SetUp()
{
    MessageBrowserSessionTest::SetUp();
    m_tree = std::make_unique<ApplicationComponent>(
        nullptr, std::vector<ApplicationComponent::ViewManagerFactory>{
                     &ApplicationComponent::CreateViewManager<MessageBrowserManager>});
}

void MessageBrowserWindowTest::TearDown()
{
    // A browser takes its menus, which are top-level widgets too, with it.
    QList<QPointer<MessageBrowserView>> browsers;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<MessageBrowserView*>(widget)) {
            browsers.append(browser);
        }
    }
    qDeleteAll(browsers);
    m_tree.reset();
    MessageBrowserSessionTest::TearDown();
}

MessageBrowserView* MessageBrowserWindowTest::openBrowser()
{
    auto* browser = new MessageBrowserView(nullptr);
    QObject::connect(browser, &AbstractMainWindow::deliverRequest,
                     [this, browser](common::Opcode major, common::Opcode minor, const std::string& payload) {
                         m_requests.push_back({browser, major, minor, payload});
                     });
    EXPECT_TRUE(m_tree->connectAbstractViewWindow(static_cast<const AbstractViewWindow*>(browser)));
    browser->show();
    return browser;
}

std::vector<std::pair<int, int>> MessageBrowserWindowTest::codes(const MessageBrowserView* browser) const
{
    std::vector<std::pair<int, int>> result;
    for (const SentRequest& request : m_requests) {
        if (!browser || request.browser == browser) {
            result.emplace_back(request.majorOpcode, request.minorOpcode);
        }
    }
    return result;
}

void MessageBrowserWindowTest::chooseRoot(MessageBrowserView* browser)
{
    QTreeWidgetItem* root = browser->sidePane()->rootItem();
    browser->sidePane()->setCurrentItem(root);
    emit static_cast<QTreeWidget*>(browser->sidePane())->itemClicked(root, 0);
}

void MessageBrowserWindowTest::chooseFolder(MessageBrowserView* browser, int messageFolderId)
{
    QTreeWidgetItem* root = browser->sidePane()->rootItem();
    for (int index = 0; index < root->childCount(); ++index) {
        QTreeWidgetItem* item = root->child(index);
        if (MessageFolderOf(item)->message_folder_id() == messageFolderId) {
            browser->sidePane()->setCurrentItem(item);
            emit static_cast<QTreeWidget*>(browser->sidePane())->itemClicked(item, 0);
            return;
        }
    }
    ADD_FAILURE() << "no folder " << messageFolderId;
}

void MessageBrowserWindowTest::clickMessage(MessageBrowserView* browser, int messageId)
{
    QTreeWidgetItem* row = browser->mainPane()->findMessageItem(messageId);
    ASSERT_NE(row, nullptr) << messageId;
    browser->mainPane()->setCurrentItem(row);
    emit browser->mainPane()->itemClicked(row, 0);
}

std::vector<int> MessageBrowserWindowTest::listedIds(const MessageBrowserView* browser) const
{
    std::vector<int> ids;
    const MessageBrowserMainPaneTreeWidget* pane = browser->mainPane();
    for (int index = 0; index < pane->topLevelItemCount(); ++index) {
        ids.push_back(
            MessageOf(pane->topLevelItem(index), MessageBrowserMainPaneTreeWidget::EditedMessageRole).message_id());
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<int> MessageBrowserWindowTest::folderIds(const MessageBrowserView* browser) const
{
    std::vector<int> ids;
    const QTreeWidgetItem* root = browser->sidePane()->rootItem();
    for (int index = 0; index < root->childCount(); ++index) {
        ids.push_back(MessageFolderOf(root->child(index))->message_folder_id());
    }
    return ids;
}

QAction* MessageBrowserWindowTest::action(const MessageBrowserView* browser, const char* text) const
{
    for (QAction* each : browser->findChildren<QAction*>()) {
        if (each->text() == QString::fromUtf8(text)) {
            return each;
        }
    }
    ADD_FAILURE() << "no action " << text;
    static QAction* const standIn = new QAction;
    return standIn;
}

}  // namespace messagebrowsertest
