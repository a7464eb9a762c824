// The message browser window against the test server, with two browsers
// open: what each sends, the rows and folders each shows after the replies,
// the boxes only the sending browser shows, the chain cache, and the
// enabled actions of every mode.

#include "library/gui/createmessagedialog.h"
#include "library/gui/messagesearchdialog.h"
#include "library/gui/settings.h"
#include "library/gui/textreader.h"
#include "product/client/view/messagebrowserdrag.h"
#include "product/client/view/messagebrowserview.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/view/messagebrowsertestsupport.h"

#include "deletemessageuserrequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace messagebrowsertest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Codes = std::vector<std::pair<int, int>>;
using Main = MessageBrowserMainPaneTreeWidget;

constexpr int Untagged = common::Untagged;
constexpr int Move = common::MoveMessage;

// The eleven mode-controlled actions, in the order of the mode table.
const char* const ModeActions[] = {"Message Folder...",
                                   "Message...",
                                   "Save",
                                   "Save All",
                                   "Edit Message Folder...",
                                   "Edit Message...",
                                   "Delete Message Folder...",
                                   "Delete Message...",
                                   "Search Messages...",
                                   "Refresh",
                                   "View Permissions"};

const char* const ModeStates[MessageBrowserView::ModeCount] = {
    "00000000011", "11000000111", "11001010111", "11000000011", "11000101101",
    "11110101101", "11110101101", "11000000101", "11010101101", "11000101111",
};

void AnswerInput(const QString& text, bool accept = true)
{
    testsupport::WhenModal<QInputDialog>([text, accept](QInputDialog* dialog) {
        dialog->setTextValue(text);
        if (accept) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

template <typename Request>
Request Parsed(const SentRequest& sent)
{
    Request request;
    EXPECT_TRUE(request.ParseFromString(sent.payload));
    return request;
}

class MessageBrowserTest : public MessageBrowserWindowTest
{
protected:
    std::string enabledStates(const MessageBrowserView* browser) const
    {
        std::string states;
        for (const char* text : ModeActions) {
            states += action(browser, text)->isEnabled() ? '1' : '0';
        }
        return states;
    }
    std::string modeStates(int mode) const { return ModeStates[mode]; }
    std::string subjectOf(const MessageBrowserView* browser, int messageId) const
    {
        const QTreeWidgetItem* row = browser->mainPane()->findMessageItem(messageId);
        return row ? row->text(2).toStdString() : std::string();
    }
    // Ticks a permission row of a listed message and clicks it.
    void tick(MessageBrowserView* browser, int messageId, int permissionRow, bool on)
    {
        QTreeWidgetItem* item = browser->mainPane()->findMessageItem(messageId)->child(0)->child(permissionRow);
        item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        emit browser->mainPane()->itemClicked(item, 0);
    }
};

TEST_F(MessageBrowserTest, EveryModeEnablesTheActionsOfItsChain)
{
    MessageBrowserView* browser = openBrowser();
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeStart));
    for (int mode = 0; mode < MessageBrowserView::ModeCount; ++mode) {
        const int id = browser->modeId(static_cast<MessageBrowserView::ModeIndex>(mode));
        browser->setMode(id);
        EXPECT_EQ(enabledStates(browser), modeStates(mode)) << browser->getModeName(id);
    }
    EXPECT_EQ(browser->getModeName(browser->modeId(MessageBrowserView::ModeMessagesSaved)), "modeMessagesSaved");
    EXPECT_EQ(action(browser, "Save All")->text(), QStringLiteral("Save All"));
    EXPECT_FALSE(action(browser, "View Permissions")->isChecked());
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Message Browser [127.0.0.1]"));
}

TEST_F(MessageBrowserTest, EventsSetTheirModes)
{
    MessageBrowserView* browser = openBrowser();
    chooseRoot(browser);
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessagesSelected));
    chooseFolder(browser, Sent);
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessageFolderSelected));
    clickMessage(browser, PlansReply);
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessagesSaved));
    tick(browser, PlansReply, 2, false);
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessageModified));
}

TEST_F(MessageBrowserTest, TheRootLoadAsksForFoldersThenOwnThenReceivedMessages)
{
    struct Case
    {
        int activationMode;
        std::vector<int> listed;
    };
    const Case cases[] = {{0, {Plans, PlansReply, PlansAnswer, Draft, Welcome}}, {1, {Draft, Welcome}}};
    for (const Case& c : cases) {
        Settings().setValue(QStringLiteral("MessageBrowser/Options/ActivationMode"), c.activationMode);
        m_requests.clear();
        MessageBrowserView* browser = openBrowser();
        MessageBrowserView* other = openBrowser();
        chooseRoot(browser);
        ASSERT_EQ(codes(), (Codes{{common::SelectMessageFolder, Untagged},
                                  {common::SelectMessage, Untagged},
                                  {common::SelectMessageUser, Untagged}}));
        const auto folders = Parsed<zarv::data::SelectMessageFolderRequest>(m_requests[0]);
        EXPECT_EQ(folders.message_folder_user_id(), Mia);
        EXPECT_EQ(folders.message_folder_parent_id(), MiaRoot);
        const auto own = Parsed<zarv::data::SelectMessageRequest>(m_requests[1]);
        EXPECT_EQ(own.message_user_id(), Mia);
        EXPECT_EQ(own.has_message_folder_id(), c.activationMode == 1);
        const auto received = Parsed<zarv::data::SelectMessageUserRequest>(m_requests[2]);
        EXPECT_EQ(received.message_user_user_id(), Mia);
        EXPECT_EQ(received.has_message_user_message_folder_id(), c.activationMode == 1);
        if (c.activationMode == 1) {
            EXPECT_EQ(own.message_folder_id(), MiaRoot);
            EXPECT_EQ(received.message_user_message_folder_id(), MiaRoot);
        }
        EXPECT_EQ(folderIds(browser), (std::vector<int>{Inbox, Sent, Empty}));
        EXPECT_EQ(listedIds(browser), c.listed) << "activation mode " << c.activationMode;
        EXPECT_TRUE(folderIds(other).empty()) << "the selects fill only the sender";
        EXPECT_TRUE(listedIds(other).empty());
        EXPECT_FALSE(browser->isActiveView());
        delete browser;
        delete other;
    }
}

TEST_F(MessageBrowserTest, FoldersAreCreatedRenamedAndDeletedInEveryBrowser)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    chooseRoot(other);
    m_requests.clear();

    AnswerInput(QString());
    browser->sidePane()->newMessageFolder();
    EXPECT_TRUE(m_requests.empty()) << "an empty name sends nothing";
    AnswerInput(QStringLiteral("Later"), false);
    browser->sidePane()->newMessageFolder();
    EXPECT_TRUE(m_requests.empty());

    AnswerInput(QStringLiteral("  "));
    browser->sidePane()->newMessageFolder();
    ASSERT_EQ(codes(), (Codes{{common::InsertMessageFolder, Untagged}}));
    const std::vector<int> withNew = folderIds(browser);
    ASSERT_EQ(withNew.size(), 4u);
    EXPECT_EQ(folderIds(other), withNew);
    EXPECT_EQ(MessageFolderOf(browser->sidePane()->rootItem()->child(3))->message_folder_name(), "  ")
        << "a name of blanks is sent as it is";

    browser->sidePane()->clearSelection();
    browser->sidePane()->rootItem()->child(3)->setSelected(true);
    AnswerInput(QStringLiteral("Archive"));
    browser->sidePane()->editMessageFolder();
    EXPECT_EQ(other->sidePane()->rootItem()->child(3)->text(0), QStringLiteral("Archive"));
    EXPECT_EQ(browser->sidePane()->rootItem()->child(3)->text(0), QStringLiteral("Archive"));

    m_boxes.answer({QMessageBox::Ok});
    browser->deleteMessageFolder(*MessageFolderOf(browser->sidePane()->rootItem()->child(3)));
    EXPECT_THAT(folderIds(browser), ElementsAre(Inbox, Sent, Empty));
    EXPECT_THAT(folderIds(other), ElementsAre(Inbox, Sent, Empty));
    EXPECT_EQ(enabledStates(other), modeStates(MessageBrowserView::ModeMessageFolderDeleted));

    // The refusal of a non-empty folder shows in the sender alone.
    m_boxes.clear();
    m_boxes.answer({QMessageBox::Ok});
    browser->deleteMessageFolder(*MessageFolderOf(browser->sidePane()->rootItem()->child(0)));
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[0].text, QStringLiteral("Are you sure you want to delete this folder?"));
    EXPECT_EQ(m_boxes.shown()[0].informativeText, QStringLiteral("Inbox"));
    EXPECT_EQ(m_boxes.shown()[1].text, QStringLiteral("You cannot delete a non-empty message folder."));
    EXPECT_EQ(m_boxes.shown()[1].parent, browser);
    EXPECT_THAT(folderIds(other), ElementsAre(Inbox, Sent, Empty));

    // Cancel sends nothing.
    m_requests.clear();
    m_boxes.answer({QMessageBox::Cancel});
    browser->deleteMessageFolder(*MessageFolderOf(browser->sidePane()->rootItem()->child(2)));
    EXPECT_TRUE(m_requests.empty());
}

TEST_F(MessageBrowserTest, ANewMessageIsListedEverywhereAndOpenedByItsSender)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    chooseRoot(other);
    m_requests.clear();
    browser->sidePane()->clearSelection();
    browser->sidePane()->rootItem()->setSelected(true);
    testsupport::WhenModal<CreateMessageDialog>([](CreateMessageDialog* dialog) {
        dialog->messageSubjectTextEdited(QStringLiteral("Agenda"));
        dialog->accept();
    });
    browser->sidePane()->newMessage();
    ASSERT_EQ(codes(), (Codes{{common::InsertMessage, Untagged}, {common::OpenMessageEditorView, Untagged}}));
    EXPECT_EQ(m_requests[1].browser, browser);
    const auto opened = Parsed<zarv::data::OpenMessageRequest>(m_requests[1]);
    EXPECT_EQ(opened.message().message_subject(), "Agenda");
    EXPECT_EQ(opened.message().message_folder_id(), MiaRoot);
    const int id = opened.message().message_id();
    EXPECT_GT(id, Welcome);
    EXPECT_EQ(subjectOf(browser, id), "Agenda");
    EXPECT_EQ(subjectOf(other, id), "Agenda");

    m_requests.clear();
    testsupport::WhenModal<CreateMessageDialog>([](CreateMessageDialog* dialog) { dialog->reject(); });
    browser->sidePane()->newMessage();
    EXPECT_TRUE(m_requests.empty());
}

TEST_F(MessageBrowserTest, SaveAndSaveAllSendTheEditedOwnMessages)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    chooseRoot(other);
    m_requests.clear();

    // Save of a row that is not modified sends nothing.
    clickMessage(browser, Draft);
    browser->saveMessage();
    EXPECT_TRUE(m_requests.empty());

    tick(browser, Draft, 3, true);
    browser->saveMessage();
    ASSERT_EQ(codes(), (Codes{{common::UpdateMessage, Untagged}}));
    EXPECT_EQ(Parsed<zarv::data::UpdateMessageRequest>(m_requests[0]).message().message_subject(), "Draft");
    EXPECT_EQ(
        Parsed<zarv::data::UpdateMessageRequest>(m_requests[0]).message().message_security_descriptor().permissions(),
        1 | (1 << 5));
    EXPECT_FALSE(browser->mainPane()->isMessageModified());
    EXPECT_EQ(other->mainPane()->findMessageItem(Draft)->child(0)->child(3)->checkState(0), Qt::Checked)
        << "the reply refreshes the row in every browser";
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessagesSaved));

    // Save All: No keeps the edits, sends nothing and reverts the mode.
    m_requests.clear();
    tick(browser, Draft, 3, false);
    tick(browser, PlansReply, 2, false);
    tick(browser, Plans, 0, false);  // a received message: its rows are disabled, but a tick still counts
    m_boxes.answer({QMessageBox::No});
    browser->saveAllMessages();
    EXPECT_TRUE(m_requests.empty());
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessageReverted));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, QStringLiteral("Save permissions?"));

    m_boxes.answer({QMessageBox::Yes});
    browser->saveAllMessages();
    EXPECT_EQ(codes(), (Codes{{common::UpdateMessage, Untagged}, {common::UpdateMessage, Untagged}}))
        << "the received message is skipped";
    EXPECT_TRUE(browser->mainPane()->isMessageModified(browser->mainPane()->findMessageItem(Plans)));
    EXPECT_FALSE(browser->mainPane()->isMessageModified(browser->mainPane()->findMessageItem(Draft)));
}

TEST_F(MessageBrowserTest, OwnAndReceivedMessagesAreDeletedAReferencedOneIsRefused)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    chooseRoot(other);
    m_requests.clear();

    m_boxes.answer({QMessageBox::Ok});
    browser->deleteMessage(listed(Draft));
    EXPECT_EQ(codes(), (Codes{{common::DeleteMessage, Untagged}}));
    EXPECT_EQ(listedIds(other), (std::vector<int>{Plans, PlansReply, PlansAnswer, Welcome}));
    EXPECT_EQ(enabledStates(other), modeStates(MessageBrowserView::ModeMessageDeleted));

    m_requests.clear();
    m_boxes.answer({QMessageBox::Ok});
    browser->deleteMessage(listed(Welcome));
    ASSERT_EQ(codes(), (Codes{{common::DeleteMessageUser, Untagged}}));
    const auto removed = Parsed<zarv::data::DeleteMessageUserRequest>(m_requests[0]);
    EXPECT_EQ(removed.message_user_user_id(), Mia);
    EXPECT_EQ(removed.message_user_message_id(), Welcome);
    EXPECT_EQ(listedIds(browser), (std::vector<int>{Plans, PlansReply, PlansAnswer}));
    EXPECT_EQ(listedIds(other), (std::vector<int>{Plans, PlansReply, PlansAnswer}));

    m_boxes.clear();
    m_boxes.answer({QMessageBox::Ok});
    browser->deleteMessage(listed(PlansReply));
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[1].text, QStringLiteral("You cannot delete a referenced message."));
    EXPECT_EQ(m_boxes.shown()[1].parent, browser);
    EXPECT_EQ(listedIds(other), (std::vector<int>{Plans, PlansReply, PlansAnswer}));
}

TEST_F(MessageBrowserTest, DropsMoveFullRecordsInEveryBrowser)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    chooseRoot(other);
    m_requests.clear();

    // Onto the root of the tree: both root lists keep the whole row, now in
    // the root folder.
    browser->moveMessage(listed(PlansReply), MiaRoot);
    ASSERT_EQ(codes(), (Codes{{common::UpdateMessage, Move}}));
    const auto ownMove = Parsed<zarv::data::UpdateMessageRequest>(m_requests[0]).message();
    EXPECT_EQ(ownMove.message_id(), PlansReply);
    EXPECT_EQ(ownMove.message_folder_id(), MiaRoot);
    EXPECT_FALSE(ownMove.has_message_subject());
    browser->moveMessage(listed(Plans), MiaRoot);
    ASSERT_EQ(codes().back(), (std::pair<int, int>{common::UpdateMessageUser, Move}));
    const auto receivedMove = Parsed<zarv::data::UpdateMessageUserRequest>(m_requests.back()).message();
    EXPECT_EQ(receivedMove.message_user_message_id(), Plans);
    EXPECT_EQ(receivedMove.message_user_user_id(), Mia);
    EXPECT_EQ(receivedMove.message_user_message_folder_id(), MiaRoot);
    for (const MessageBrowserView* each : {browser, other}) {
        EXPECT_EQ(subjectOf(each, PlansReply), "RE: Plans");
        EXPECT_EQ(each->mainPane()->findMessageItem(PlansReply)->text(1), QStringLiteral("Moreau, Mia"));
        EXPECT_EQ(MessageOf(each->mainPane()->findMessageItem(PlansReply), Main::SavedMessageRole).message_folder_id(),
                  MiaRoot);
        EXPECT_EQ(subjectOf(each, Plans), "Plans");
        const zarv::data::Message received =
            MessageOf(each->mainPane()->findMessageItem(Plans), Main::SavedMessageRole);
        EXPECT_TRUE(received.message_user_is_recipient());
        EXPECT_EQ(received.message_user_message_folder_id(), MiaRoot);
    }
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessagesSelected)) << "moves keep the mode";

    // Onto the other browser's list, which shows the Inbox: the sender adds
    // the dragged record; the root list drops the row.
    chooseFolder(other, Inbox);
    m_requests.clear();
    std::unique_ptr<QMimeData> data(CreateMessageMimeData(listed(Draft)));
    const auto accepted = other->mainPane()->acceptedDrop(browser->mainPane(), Qt::MoveAction, data.get());
    ASSERT_TRUE(accepted.has_value());
    emit other->mainPane()->moveMessage(*accepted, other->mainPane()->messageFolderId());
    ASSERT_EQ(codes(), (Codes{{common::UpdateMessage, Move}}));
    EXPECT_EQ(m_requests[0].browser, other);
    EXPECT_EQ(Parsed<zarv::data::UpdateMessageRequest>(m_requests[0]).message().message_folder_id(), Inbox);
    EXPECT_EQ(subjectOf(other, Draft), "Draft");
    EXPECT_EQ(MessageOf(other->mainPane()->findMessageItem(Draft), Main::SavedMessageRole).message_folder_id(), Inbox);
    EXPECT_EQ(browser->mainPane()->findMessageItem(Draft), nullptr);

    chooseFolder(browser, Inbox);
    EXPECT_EQ(listedIds(browser), (std::vector<int>{PlansAnswer, Draft})) << "the server moved both";
}

TEST_F(MessageBrowserTest, OpeningAnUnreadMessageMarksItReadOncePerBrowser)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    chooseRoot(other);
    m_requests.clear();
    browser->editMessage(listed(Plans));
    ASSERT_EQ(codes(), (Codes{{common::OpenMessageReaderView, Untagged},
                              {common::UpdateMessageUser, Untagged},
                              {common::UpdateMessageUser, Untagged}}));
    EXPECT_EQ(codes(other), (Codes{{common::UpdateMessageUser, Untagged}}));
    const auto read = Parsed<zarv::data::UpdateMessageUserRequest>(m_requests[1]).message();
    EXPECT_EQ(read.message_user_message_id(), Plans);
    EXPECT_EQ(read.message_user_user_id(), Mia);
    EXPECT_EQ(read.message_user_properties(), 0);
    EXPECT_FALSE(other->mainPane()->findMessageItem(Plans)->font(2).bold());
    EXPECT_FALSE(browser->isActiveView()) << "the open clears the marker it set";

    m_requests.clear();
    browser->editMessage(listed(PlansAnswer));
    EXPECT_EQ(codes(), (Codes{{common::OpenMessageReaderView, Untagged}})) << "a read message sends none";
    m_requests.clear();
    browser->editMessage(listed(Draft));
    EXPECT_EQ(codes(), (Codes{{common::OpenMessageEditorView, Untagged}}));
    chooseRoot(other);
    EXPECT_FALSE(other->mainPane()->findMessageItem(Plans)->font(2).bold()) << "the server stored it read";
}

TEST_F(MessageBrowserTest, ASecondClickWithinTheCacheIntervalOpensTheRenderedChain)
{
    MessageBrowserView* browser = openBrowser();
    browser->setChainCacheInterval(std::chrono::milliseconds(300));
    chooseRoot(browser);
    m_requests.clear();

    clickMessage(browser, PlansAnswer);
    EXPECT_THAT(browser->chainReader()->toPlainText().toStdString(), HasSubstr("Tuesday it is."));
    EXPECT_THAT(browser->chainReader()->toPlainText().toStdString(), HasSubstr("Tuesday suits me."));
    EXPECT_TRUE(m_requests.empty());
    // A click on a permission row of the cached message neither renders nor opens.
    emit browser->mainPane()->itemClicked(browser->mainPane()->findMessageItem(PlansAnswer)->child(0), 0);
    EXPECT_TRUE(m_requests.empty());
    clickMessage(browser, PlansAnswer);
    ASSERT_EQ(codes(), (Codes{{common::OpenMessageReaderView, Untagged}}));
    const auto received = Parsed<zarv::data::OpenMessageRequest>(m_requests[0]).message();
    EXPECT_THAT(received.message_chain_cache(), HasSubstr("Tuesday it is."));
    EXPECT_FALSE(received.has_message_parent_chain_cache());

    m_requests.clear();
    clickMessage(browser, PlansReply);
    EXPECT_TRUE(m_requests.empty()) << "another message renders";
    clickMessage(browser, PlansReply);
    ASSERT_EQ(codes(), (Codes{{common::OpenMessageEditorView, Untagged}}));
    const auto own = Parsed<zarv::data::OpenMessageRequest>(m_requests[0]).message();
    EXPECT_THAT(own.message_parent_chain_cache(), HasSubstr("Shall we meet?"));
    EXPECT_THAT(own.message_parent_chain_cache(), ::testing::Not(HasSubstr("Tuesday suits me.")));

    m_requests.clear();
    QTest::qWait(500);
    EXPECT_FALSE(browser->cachedMessage().has_message_id());
    browser->chainReader()->clear();
    clickMessage(browser, PlansReply);
    EXPECT_TRUE(m_requests.empty()) << "after the interval the chain renders again";
    EXPECT_THAT(browser->chainReader()->toPlainText().toStdString(), HasSubstr("Tuesday suits me."));
    EXPECT_EQ(enabledStates(browser), modeStates(MessageBrowserView::ModeMessagesSaved));
}

// Removing one addressee of mia's message (as a message editor does) leaves
// the message listed; removing mia's own recipient row removes it.
TEST_F(MessageBrowserTest, RemovingAnotherAddresseeKeepsTheAuthorsMessage)
{
    MessageBrowserView* browser = openBrowser();
    chooseRoot(browser);
    AbstractViewWindow editor(nullptr);
    ASSERT_TRUE(m_tree->connectAbstractViewWindow(static_cast<const AbstractViewWindow*>(&editor)));
    zarv::data::DeleteMessageUserRequest request;
    request.set_message_user_message_id(PlansReply);
    request.set_message_user_user_id(Omar);
    emit editor.deliverRequest(common::DeleteMessageUser, Untagged, request.SerializeAsString());
    EXPECT_NE(browser->mainPane()->findMessageItem(PlansReply), nullptr);

    request.set_message_user_message_id(PlansAnswer);
    request.set_message_user_user_id(Mia);
    emit editor.deliverRequest(common::DeleteMessageUser, Untagged, request.SerializeAsString());
    EXPECT_EQ(browser->mainPane()->findMessageItem(PlansAnswer), nullptr);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MessageBrowserTest, ASaveThatFailsOnClosingKeepsTheWindowAndItsEdits)
{
    QPointer<MessageBrowserView> browser = openBrowser();
    chooseRoot(browser);
    clickMessage(browser, Draft);
    tick(browser, Draft, 3, true);
    m_server->stop();
    m_boxes.answer({QMessageBox::Yes, QMessageBox::Ok});
    EXPECT_FALSE(browser->close());
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[1].parent, browser.data());
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->mainPane()->isMessageModified());
    EXPECT_EQ(browser->statusBar()->currentMessage(), QStringLiteral("No reply from the server."));

    m_boxes.answer({QMessageBox::No});
    EXPECT_TRUE(browser->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(browser.isNull());
}

TEST_F(MessageBrowserTest, AFailedRequestIsReportedByItsSenderAlone)
{
    MessageBrowserView* browser = openBrowser();
    MessageBrowserView* other = openBrowser();
    chooseRoot(browser);
    m_server->stop();
    AnswerInput(QStringLiteral("Lost"));
    browser->newMessageFolder(MiaRoot);
    EXPECT_EQ(browser->statusBar()->currentMessage(), QStringLiteral("No reply from the server."));
    EXPECT_EQ(other->statusBar()->currentMessage(), QString());
    EXPECT_EQ(folderIds(browser), (std::vector<int>{Inbox, Sent, Empty})) << "rows change only on replies";
    EXPECT_FALSE(browser->isActiveView());
}

TEST_F(MessageBrowserTest, ViewPermissionsShowsThePermissionRowsOfTheOwnMessagesLoaded)
{
    MessageBrowserView* browser = openBrowser();
    chooseRoot(browser);
    QAction* viewPermissions = action(browser, "View Permissions");
    viewPermissions->trigger();
    EXPECT_TRUE(browser->mainPane()->findMessageItem(Welcome)->isExpanded());
    chooseRoot(browser);
    for (const int own : {PlansReply, Draft}) {
        EXPECT_TRUE(browser->mainPane()->findMessageItem(own)->isExpanded()) << own;
    }
    for (const int received : {Plans, PlansAnswer, Welcome}) {
        EXPECT_FALSE(browser->mainPane()->findMessageItem(received)->isExpanded())
            << received << " arrives after the setting is applied";
    }
    viewPermissions->trigger();
    EXPECT_FALSE(browser->mainPane()->findMessageItem(Draft)->isExpanded());
}

TEST_F(MessageBrowserTest, TheManagerOpensABrowserPerRequest)
{
    AbstractViewWindow console(nullptr);
    ASSERT_TRUE(m_tree->connectAbstractViewWindow(static_cast<const AbstractViewWindow*>(&console)));
    emit console.deliverRequest(common::OpenMessageBrowserView);
    emit console.deliverRequest(common::OpenMessageBrowserView);
    int browsers = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        browsers += qobject_cast<MessageBrowserView*>(widget) && widget->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(browsers, 2);
}

// The chosen messages outlive the dialog's list while each of them opens.
TEST_F(MessageBrowserTest, EveryMessageChosenInTheSearchOpens)
{
    MessageBrowserView* browser = openBrowser();
    chooseRoot(browser);
    chooseFolder(browser, Inbox);
    m_requests.clear();
    testsupport::WhenModal<MessageSearchDialog>([](MessageSearchDialog* dialog) {
        QDialogButtonBox* buttons = dialog->findChild<QDialogButtonBox*>();
        buttons->button(QDialogButtonBox::Apply)->click();
        dialog->findChild<QTableWidget*>()->selectAll();
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    action(browser, "Search Messages...")->trigger();
    std::vector<int> opened;
    for (const SentRequest& sent : m_requests) {
        if (sent.majorOpcode == common::OpenMessageReaderView) {
            opened.push_back(Parsed<zarv::data::OpenMessageRequest>(sent).message().message_id());
        }
    }
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, (std::vector<int>{Plans, PlansAnswer}));
}

}  // namespace
}  // namespace messagebrowsertest
