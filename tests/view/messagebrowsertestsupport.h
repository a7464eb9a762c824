#pragma once

// What the message browser's tests share: a test server over
// fixtures/messagebrowser.textproto with mia logged on (session 14), the
// client's bus with the message browser manager, browsers whose requests are
// recorded in send order, and message boxes answered and noted as they show.
//
// The fixture: mia's root message folder 14100 holds Inbox 14101, Sent 14102
// and Empty 14103. Noah's 14501 (unread, in her Inbox) is answered by her
// 14502 (in Sent, TO noah, CC omar), which noah answers with 14503 (read, in
// her Inbox). 14504 is her draft without addressees in the root folder, where
// omar's unread 14505 lies too.

#include "product/client/component/applicationcomponent.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testserverprocess.h"

#include "message3.pb.h"
#include "user3.pb.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class MessageBrowserView;
class QAction;
class QTreeWidgetItem;

namespace messagebrowsertest {

constexpr int Mia = 14001;
constexpr int Noah = 14002;
constexpr int Omar = 14003;
constexpr int MiaRoot = 14100;
constexpr int Inbox = 14101;
constexpr int Sent = 14102;
constexpr int Empty = 14103;
constexpr int NoahRoot = 14200;
constexpr int Plans = 14501;
constexpr int PlansReply = 14502;
constexpr int PlansAnswer = 14503;
constexpr int Draft = 14504;
constexpr int Welcome = 14505;

zarv::data::User MiaRecord();

// Every message box that shows is noted and answered with the button of its
// turn (OK when none is left).
class MessageBoxAnswerer : public QObject
{
public:
    struct Shown
    {
        const QWidget* parent;
        QString text;
        QString informativeText;
    };

    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;

    void answer(std::vector<QMessageBox::StandardButton> buttons) { m_buttons = std::move(buttons); }
    const std::vector<Shown>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QMessageBox::StandardButton> m_buttons;
    std::vector<Shown> m_shown;
};

// mia logged on with the test server; the panes and the window need the
// user in the Registry and the session for their addressee lookups.
class MessageBrowserSessionTest : public ::testing::Test
{
protected:
    explicit MessageBrowserSessionTest(const std::vector<std::string>& faults = {});
    void SetUp() override;
    void TearDown() override;

    // A message as the server lists it to mia.
    zarv::data::Message listed(int messageId) const;

    testsupport::ScopedTimeZone m_zone{"UTC"};
    std::unique_ptr<testsupport::TestServerProcess> m_server;
};

// One request a browser sent, in send order across browsers.
struct SentRequest
{
    const MessageBrowserView* browser;
    int majorOpcode;
    int minorOpcode;
    std::string payload;
};

class MessageBrowserWindowTest : public MessageBrowserSessionTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A browser hung on the bus, shown, its requests recorded.
    MessageBrowserView* openBrowser();
    // The codes of the requests that one browser (or every browser) sent.
    std::vector<std::pair<int, int>> codes(const MessageBrowserView* browser = nullptr) const;
    // Chooses the root "Messages" or a folder in the browser's tree.
    void chooseRoot(MessageBrowserView* browser);
    void chooseFolder(MessageBrowserView* browser, int messageFolderId);
    // A click on the row of a message.
    void clickMessage(MessageBrowserView* browser, int messageId);
    // The listed message ids, sorted.
    std::vector<int> listedIds(const MessageBrowserView* browser) const;
    std::vector<int> folderIds(const MessageBrowserView* browser) const;
    QAction* action(const MessageBrowserView* browser, const char* text) const;

    std::unique_ptr<ApplicationComponent> m_tree;
    std::vector<SentRequest> m_requests;
    MessageBoxAnswerer m_boxes;
};

}  // namespace messagebrowsertest
