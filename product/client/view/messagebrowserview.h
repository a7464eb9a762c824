#pragma once

#include "library/gui/abstractbrowserview.h"
#include "library/gui/textreader.h"
#include "product/client/view/messagebrowsermainpanetreewidget.h"
#include "product/client/view/messagebrowsersidepanetreewidget.h"
#include "product/client/view/messageviewer.h"

#include "deletemessagefolderreply3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "insertmessagefolderreply3.pb.h"
#include "insertmessagereply3.pb.h"
#include "message3.pb.h"
#include "messagefolder3.pb.h"
#include "selectmessagefolderreply3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "updatemessagefolderreply3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessageuserreply3.pb.h"

#include <QBasicTimer>

#include <chrono>
#include <optional>
#include <string>

class QAction;
class QCloseEvent;
class QMenu;
class QTimerEvent;

// The window in which the logged-on user works with his messages: the
// message folders on the left, the messages of the chosen folder in the
// middle and the chain of the chosen message on the right. Any number may be
// open; every open browser follows the replies to every window's message
// requests, and the few replies that only the sender acts on are told by the
// active-browser marker, which the sending browser sets just before it sends.
//
// A first click on a message renders its chain and keeps the message, with
// the rendered page in the field that the opened window reads, for the chain
// cache's interval; a second click on it within that time opens it.
class MessageBrowserView
    : public AbstractBrowserView<MessageBrowserMainPaneTreeWidget, MessageBrowserSidePaneTreeWidget>,
      public MessageViewer
{
    Q_OBJECT

public:
    // How long a rendered chain is kept for a second click.
    static constexpr std::chrono::milliseconds DefaultChainCacheInterval{5000};

    explicit MessageBrowserView(QWidget* parent);
    ~MessageBrowserView() override;

    // Marks a received unread message read on the server and in the list.
    void handleOpenMessage(const zarv::data::Message& message);
    bool isActiveView() const;
    void setActiveView(bool active);
    // The current record of the row of the item; throws std::bad_alloc
    // without a row.
    zarv::data::Message getMessage(const QTreeWidgetItem* item) const;

    // Tests shorten the chain cache.
    void setChainCacheInterval(std::chrono::milliseconds interval) { m_chainCacheInterval = interval; }
    const zarv::data::Message& cachedMessage() const { return m_cachedMessage; }

    MessageBrowserMainPaneTreeWidget* mainPane() const { return m_mainPane; }
    MessageBrowserSidePaneTreeWidget* sidePane() const { return m_sidePane; }
    using MessageViewer::chainReader;

    // The modes, in the order they are registered (their ids count from 0).
    enum ModeIndex
    {
        ModeStart,
        ModeMessagesSelected,
        ModeMessageFolderSelected,
        ModeMessageFolderDeleted,
        ModeMessageSelected,
        ModeMessageModified,
        ModeMessageReverted,
        ModeMessageDeleted,
        ModeMessageSaved,
        ModeMessagesSaved,
        ModeCount
    };
    int modeId(ModeIndex mode) const { return m_modes[mode]; }

signals:
    void showPanes();
    void resetSidePane();
    void resetMainPane(int messageFolderId);
    void resetMessageViewerPane();
    void addMessageItem(const zarv::data::Message& message);
    void moveMessageItem(const zarv::data::Message& message);
    void removeMessageItem(int messageId);
    void addMessageFolderItem(const zarv::data::MessageFolder& messageFolder);
    void updateMessageFolderItem(const zarv::data::MessageFolder& messageFolder);
    void removeMessageFolderItem(int messageFolderId);
    void removeMessageFolderMessageItems(int messageFolderId);
    void updateMessageItem(const zarv::data::Message& message);
    void updateMessageItem(QTreeWidgetItem* item, int column);

public slots:
    void messagesSelected();
    void messageFolderItemSelected(const zarv::data::MessageFolder& messageFolder);
    void newMessageFolder(int messageFolderParentId);
    void editMessageFolder(const zarv::data::MessageFolder& messageFolder);
    void deleteMessageFolder(const zarv::data::MessageFolder& messageFolder);
    void newMessage(int messageFolderId);
    // Opens the message in the reader (received) or the editor (own).
    void editMessage(const zarv::data::Message& message);
    void updateMessage(const zarv::data::Message& message);
    void moveMessage(const zarv::data::Message& message, int messageFolderId);
    void deleteMessage(const zarv::data::Message& message);
    void saveMessage();
    // Asks whether to save the modified permissions; false when the user said
    // Yes and a save was refused or not answered.
    bool saveAllMessages();
    void searchMessages();
    void messageItemClicked(QTreeWidgetItem* treeWidgetItem, int column);
    void messageItemClickedUpdateActions(QTreeWidgetItem* treeWidgetItem, int column);
    void viewRefresh();
    void viewPermissionsToggled(bool checked);
    void toolsOptions();

public slots:
    void receiveReply(QUENLARK_BUS_REPLY_PARAMETERS) override;

protected:
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Only the browser that sent the request says that it failed.
    void
    reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure) override;

private:
    void connectSignals();
    void initializeMode();
    void initializeWindow();
    void initializeSidePane();
    void initializeMainPane();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeStandardToolBar();

    // Sets the marker and sends the request; false when it does not
    // serialise.
    template <typename Request>
    bool send(common::Opcode majorOpcode, common::Opcode minorOpcode, const Request& request, bool marked = true);
    void renderChain(const zarv::data::Message& message);
    void setModeFromList();
    void selectMessages(int messageFolderId, bool wholeTree);
    void finishLoading();
    void showInformation(const QString& text);

    void handleDeleteMessageFolder(const BusReply& bus, const zarv::data::DeleteMessageFolderReply& reply);
    void handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply& reply);
    void handleDeleteMessageUser(const BusReply& bus, const zarv::data::DeleteMessageUserReply& reply);
    void handleInsertMessageFolder(const BusReply& bus, const zarv::data::InsertMessageFolderReply& reply);
    void handleInsertMessage(const BusReply& bus, const zarv::data::InsertMessageReply& reply);
    void handleSelectMessageFolder(const BusReply& bus, const zarv::data::SelectMessageFolderReply& reply);
    void handleSelectMessage(const BusReply& bus, const zarv::data::SelectMessageReply& reply);
    void handleSelectMessageUser(const BusReply& bus, const zarv::data::SelectMessageUserReply& reply);
    void handleUpdateMessageFolder(const BusReply& bus, const zarv::data::UpdateMessageFolderReply& reply);
    void handleUpdateMessage(const BusReply& bus, const zarv::data::UpdateMessageReply& reply);
    void handleMoveMessage(const BusReply& bus, const zarv::data::UpdateMessageReply& reply);
    void handleUpdateMessageUser(const BusReply& bus, const zarv::data::UpdateMessageUserReply& reply);
    // The full record that a move reply applies to: the listed row, else the
    // dragged record in the sending browser.
    std::optional<zarv::data::Message> movedMessage(const zarv::data::Message& request) const;

    QMenu* const m_newMenu;
    QAction* const m_newMessageFolderAction;
    QAction* const m_newMessageAction;
    QAction* const m_saveAction;
    QAction* const m_saveAllAction;
    QAction* const m_editMessageFolderAction;
    QAction* const m_editMessageAction;
    QAction* const m_deleteMessageFolderAction;
    QAction* const m_deleteMessageAction;
    QAction* const m_searchMessagesAction;
    QAction* const m_refreshAction;
    QAction* const m_viewPermissionsAction;
    QAction* const m_optionsAction;
    QAction* const m_closeAction;
    QAction* const m_aboutAction;

    QBasicTimer m_chainTimer;
    std::chrono::milliseconds m_chainCacheInterval = DefaultChainCacheInterval;
    zarv::data::Message m_cachedMessage;
    int m_modes[ModeCount] = {};
    // The record the last move sent from here was dragged with.
    std::optional<zarv::data::Message> m_draggedMessage;
    // Saves refused or not answered since the last Save All began.
    int m_failedSaves = 0;

    static const MessageBrowserView* m_activeView;
};
