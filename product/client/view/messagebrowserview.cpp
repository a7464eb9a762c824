#include "product/client/view/messagebrowserview.h"

#include "library/common/clock.h"
#include "library/core/lib/registry.h"
#include "library/core/proxy/messagereader.h"
#include "library/core/proxy/messagewriter.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/createmessagedialog.h"
#include "library/gui/linguist.h"
#include "library/gui/messagebrowseroptionsdialog.h"
#include "library/gui/messagesearchdialog.h"
#include "library/gui/settings.h"
#include "library/gui/textdocument.h"
#include "library/gui/textreader.h"
#include "library/gui/waitcursor.h"
#include "library/network/messagedispatcher.h"

#include "deletemessagefolderrequest3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "insertmessagefolderrequest3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectmessagefolderrequest3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagefolderrequest3.pb.h"
#include "updatemessagerequest3.pb.h"
#include "updatemessageuserrequest3.pb.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTimerEvent>
#include <QToolBar>

#include <ace/Log_Msg.h>
#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <new>
#include <vector>

namespace {

constexpr const char* Context = "MessageBrowserView";
constexpr const char* SharedContext = "Linguist";

using Texts = AbstractViewWindow::ActionTexts;
const Texts NewMessageFolderTexts = {"NewMessageFolder", ":icons/32x32/message-folder-create.png", nullptr,
                                     "NewMessageFolderToolTip"};
const Texts NewMessageTexts = {"NewMessage", ":icons/32x32/message-create.png", nullptr, "NewMessageToolTip"};
const Texts SaveTexts = {"Save", ":icons/32x32/save.png", "SaveStatusTip", "SaveToolTip"};
const Texts SaveAllTexts = {"SaveAll", ":icons/32x32/save-all.png", "SaveAllStatusTip", "SaveAllToolTip"};
const Texts EditMessageFolderTexts = {"EditMessageFolder", ":icons/32x32/message-folder-edit.png", nullptr,
                                      "EditMessageFolderToolTip"};
const Texts EditMessageTexts = {"EditMessage", ":icons/32x32/message-edit.png", nullptr, "EditMessageToolTip"};
const Texts DeleteMessageFolderTexts = {"DeleteMessageFolder", ":icons/32x32/message-folder-delete.png", nullptr,
                                        "DeleteMessageFolderToolTip"};
const Texts DeleteMessageTexts = {"DeleteMessage", ":icons/32x32/message-delete.png", nullptr, "DeleteMessageToolTip"};
const Texts SearchMessagesTexts = {"SearchMessages", ":icons/32x32/search.png", nullptr, nullptr};
const Texts RefreshTexts = {"Refresh", ":icons/32x32/refresh.png", nullptr, nullptr};
const Texts ViewPermissionsTexts = {"ViewPermissions", ":icons/32x32/message-permissions.png", nullptr, nullptr};
const Texts OptionsTexts = {"Options", ":icons/32x32/window-options.png", nullptr, nullptr};
const Texts CloseTexts = {"Close", nullptr, nullptr, nullptr};
const Texts AboutTexts = {"AboutZARV", nullptr, nullptr, nullptr};

const QString WindowIcon = QStringLiteral(":icons/32x32/message-browser.png");
const QString DeleteMessageFolderIcon = QStringLiteral(":icons/32x32/message-folder-delete.png");
const QString DeleteMessageIcon = QStringLiteral(":icons/32x32/message-delete.png");

const std::vector<const char*> ModeNames = {
    "modeStart",           "modeMessagesSelected", "modeMessageFolderSelected", "modeMessageFolderDeleted",
    "modeMessageSelected", "modeMessageModified",  "modeMessageReverted",       "modeMessageDeleted",
    "modeMessageSaved",    "modeMessagesSaved",
};

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

bool IsReceived(const zarv::data::Message& message)
{
    return message.message_user_is_recipient();
}

bool IsForeignKeyViolation(int returnCode, const zarv::data::SQLDiagRec& diagnostics)
{
    return returnCode == 0 && diagnostics.sqlc() == common::ForeignKeyViolation;
}

}  // namespace

const MessageBrowserView* MessageBrowserView::m_activeView = nullptr;

// The enabled state that each mode sets for each of the eleven actions it
// controls; a mode is entered after its parent, so the state in a mode is that
// of its chain of ancestors overlaid from the root down.
struct MessageBrowserModeValue
{
    MessageBrowserView::ModeIndex mode;
    QAction* const MessageBrowserView::*action;
    bool enabled;
};

MessageBrowserView::MessageBrowserView(QWidget* parent)
    : AbstractBrowserView(parent)
    , m_newMenu(m_fileMenu->addMenu(Linguist::tr("New")))
    , m_newMessageFolderAction(createAction(m_newMenu, Context, NewMessageFolderTexts))
    , m_newMessageAction(createAction(m_newMenu, Context, NewMessageTexts))
    , m_saveAction(createAction(nullptr, SharedContext, SaveTexts))
    , m_saveAllAction(createAction(nullptr, SharedContext, SaveAllTexts))
    , m_editMessageFolderAction(createAction(m_editMenu, Context, EditMessageFolderTexts))
    , m_editMessageAction(createAction(m_editMenu, Context, EditMessageTexts))
    , m_deleteMessageFolderAction(createAction(nullptr, Context, DeleteMessageFolderTexts))
    , m_deleteMessageAction(createAction(nullptr, Context, DeleteMessageTexts))
    , m_searchMessagesAction(createAction(nullptr, Context, SearchMessagesTexts))
    , m_refreshAction(createAction(m_viewMenu, SharedContext, RefreshTexts))
    , m_viewPermissionsAction(createAction(nullptr, SharedContext, ViewPermissionsTexts))
    , m_optionsAction(createAction(m_toolsMenu, Context, OptionsTexts))
    , m_closeAction(createAction(nullptr, SharedContext, CloseTexts))
    , m_aboutAction(createAction(m_helpMenu, SharedContext, AboutTexts))
{
    connect(m_newMessageFolderAction, &QAction::triggered, m_sidePane,
            qOverload<>(&MessageBrowserSidePaneTreeWidget::newMessageFolder));
    connect(m_newMessageAction, &QAction::triggered, m_sidePane,
            qOverload<>(&MessageBrowserSidePaneTreeWidget::newMessage));
    connect(m_saveAction, &QAction::triggered, this, &MessageBrowserView::saveMessage);
    connect(m_saveAllAction, &QAction::triggered, this, &MessageBrowserView::saveAllMessages);
    connect(m_editMessageFolderAction, &QAction::triggered, m_sidePane,
            qOverload<>(&MessageBrowserSidePaneTreeWidget::editMessageFolder));
    connect(m_editMessageAction, &QAction::triggered, m_mainPane,
            qOverload<>(&MessageBrowserMainPaneTreeWidget::editMessage));
    connect(m_deleteMessageFolderAction, &QAction::triggered, m_sidePane,
            qOverload<>(&MessageBrowserSidePaneTreeWidget::deleteMessageFolder));
    connect(m_deleteMessageAction, &QAction::triggered, m_mainPane,
            qOverload<>(&MessageBrowserMainPaneTreeWidget::deleteMessage));
    connect(m_searchMessagesAction, &QAction::triggered, this, &MessageBrowserView::searchMessages);
    connect(m_refreshAction, &QAction::triggered, this, &MessageBrowserView::viewRefresh);
    connect(m_viewPermissionsAction, &QAction::triggered, this, &MessageBrowserView::viewPermissionsToggled);
    connect(m_optionsAction, &QAction::triggered, this, &MessageBrowserView::toolsOptions);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_aboutAction, &QAction::triggered, this, &MessageBrowserView::helpAbout);

    // Each mode's parent; the start has none.
    static const ModeIndex Parents[ModeCount] = {
        ModeStart,
        ModeStart,
        ModeMessagesSelected,
        ModeMessageFolderSelected,
        ModeMessageFolderSelected,
        ModeMessageSelected,
        ModeMessageModified,
        ModeMessageSelected,
        ModeMessageModified,
        ModeMessageModified,
    };
    for (int mode = ModeStart; mode < ModeCount; ++mode) {
        m_modes[mode] = registerMode(mode == ModeStart ? -1 : m_modes[Parents[mode]], ModeNames[mode]);
    }

    m_replyTable.add(common::DeleteMessageFolder, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleDeleteMessageFolder);
    m_replyTable.add(common::DeleteMessage, ReplyTable::AnyMinor, this, &MessageBrowserView::handleDeleteMessage,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteMessageUser, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleDeleteMessageUser);
    m_replyTable.add(common::InsertMessageFolder, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleInsertMessageFolder);
    m_replyTable.add(common::InsertMessage, ReplyTable::AnyMinor, this, &MessageBrowserView::handleInsertMessage);
    m_replyTable.add(common::SelectMessageFolder, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleSelectMessageFolder);
    m_replyTable.add(common::SelectMessage, ReplyTable::AnyMinor, this, &MessageBrowserView::handleSelectMessage);
    m_replyTable.add(common::SelectMessageUser, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleSelectMessageUser);
    m_replyTable.add(common::UpdateMessageFolder, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleUpdateMessageFolder);
    m_replyTable.add(common::UpdateMessage, common::MoveMessage, this, &MessageBrowserView::handleMoveMessage);
    m_replyTable.add(common::UpdateMessage, ReplyTable::AnyMinor, this, &MessageBrowserView::handleUpdateMessage,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateMessageUser, ReplyTable::AnyMinor, this,
                     &MessageBrowserView::handleUpdateMessageUser, ReplyTable::Takes::AllReplies);

    connectSignals();
    initializeMode();
    initializeWindow();
    initializeSidePane();
    initializeMainPane();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeStandardToolBar();
}

MessageBrowserView::~MessageBrowserView()
{
    m_chainTimer.stop();
    setActiveView(false);
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void MessageBrowserView::connectSignals()
{
    using Side = MessageBrowserSidePaneTreeWidget;
    using Main = MessageBrowserMainPaneTreeWidget;
    using View = MessageBrowserView;
    connect(this, &View::addMessageFolderItem, m_sidePane, &Side::addMessageFolderItem);
    connect(this, &View::addMessageItem, m_mainPane, &Main::addMessageItem);
    connect(this, &View::moveMessageItem, m_mainPane, &Main::moveMessageItem);
    connect(this, &View::removeMessageFolderItem, m_sidePane, &Side::removeMessageFolderItem);
    connect(this, &View::removeMessageFolderMessageItems, m_mainPane, &Main::removeMessageFolderMessageItems);
    connect(this, &View::removeMessageItem, m_mainPane, &Main::removeMessageItem);
    connect(this, &View::resetSidePane, m_sidePane, &Side::resetPane);
    connect(this, &View::resetMainPane, m_mainPane, qOverload<int>(&Main::resetPane));
    connect(this, &View::resetMessageViewerPane, chainReader(), &QTextEdit::clear);
    connect(this, &View::showPanes, m_mainPane, &Main::showPane);
    connect(this, &View::showPanes, m_sidePane, &Side::showPane);
    connect(this, &View::updateMessageFolderItem, m_sidePane, &Side::updateMessageFolderItem);
    connect(this, qOverload<const zarv::data::Message&>(&View::updateMessageItem), m_mainPane,
            qOverload<const zarv::data::Message&>(&Main::updateMessageItem));
    connect(this, qOverload<QTreeWidgetItem*, int>(&View::updateMessageItem), m_mainPane,
            qOverload<QTreeWidgetItem*, int>(&Main::updateMessageItem));
    connect(m_sidePane, qOverload<const zarv::data::MessageFolder&>(&Side::deleteMessageFolder), this,
            &View::deleteMessageFolder);
    connect(m_sidePane, qOverload<const zarv::data::MessageFolder&>(&Side::editMessageFolder), this,
            &View::editMessageFolder);
    connect(m_sidePane, &Side::messageFolderItemSelected, this, &View::messageFolderItemSelected);
    connect(m_sidePane, &Side::messagesSelected, this, &View::messagesSelected);
    connect(m_sidePane, &Side::moveMessage, this, &View::moveMessage);
    connect(m_sidePane, qOverload<int>(&Side::newMessage), this, &View::newMessage);
    connect(m_sidePane, qOverload<int>(&Side::newMessageFolder), this, &View::newMessageFolder);
    connect(m_mainPane, qOverload<const zarv::data::Message&>(&Main::deleteMessage), this, &View::deleteMessage);
    connect(m_mainPane, qOverload<const zarv::data::Message&>(&Main::editMessage), this, &View::editMessage);
    connect(m_mainPane, &QTreeWidget::itemClicked, this, &View::messageItemClicked);
    connect(m_mainPane, &QTreeWidget::itemClicked, this, &View::messageItemClickedUpdateActions);
    connect(m_mainPane, &Main::resetMessageViewerPane, this, &View::resetMessageViewerPane);
    connect(m_mainPane, &Main::updateMessage, this, &View::updateMessage);
    connect(m_mainPane, &QTreeWidget::itemSelectionChanged, chainReader(), &QTextEdit::clear);
    // A message dropped on the list moves into the list's folder, as one
    // dropped on a folder does.
    connect(m_mainPane, &Main::moveMessage, this, &View::moveMessage);
}

void MessageBrowserView::initializeMode()
{
    using V = MessageBrowserView;
    static const MessageBrowserModeValue Values[] = {
        {ModeStart, &V::m_newMessageFolderAction, false},
        {ModeStart, &V::m_newMessageAction, false},
        {ModeStart, &V::m_saveAction, false},
        {ModeStart, &V::m_saveAllAction, false},
        {ModeStart, &V::m_editMessageFolderAction, false},
        {ModeStart, &V::m_editMessageAction, false},
        {ModeStart, &V::m_deleteMessageFolderAction, false},
        {ModeStart, &V::m_deleteMessageAction, false},
        {ModeStart, &V::m_searchMessagesAction, false},
        {ModeStart, &V::m_refreshAction, true},
        {ModeStart, &V::m_viewPermissionsAction, true},
        {ModeMessagesSelected, &V::m_newMessageAction, true},
        {ModeMessagesSelected, &V::m_newMessageFolderAction, true},
        {ModeMessagesSelected, &V::m_searchMessagesAction, true},
        {ModeMessagesSelected, &V::m_refreshAction, true},
        {ModeMessagesSelected, &V::m_editMessageFolderAction, false},
        {ModeMessageFolderSelected, &V::m_deleteMessageFolderAction, true},
        {ModeMessageFolderSelected, &V::m_editMessageFolderAction, true},
        {ModeMessageFolderDeleted, &V::m_deleteMessageFolderAction, false},
        {ModeMessageFolderDeleted, &V::m_editMessageFolderAction, false},
        {ModeMessageFolderDeleted, &V::m_searchMessagesAction, false},
        {ModeMessageSelected, &V::m_deleteMessageAction, true},
        {ModeMessageSelected, &V::m_editMessageAction, true},
        {ModeMessageSelected, &V::m_deleteMessageFolderAction, false},
        {ModeMessageSelected, &V::m_refreshAction, false},
        {ModeMessageSelected, &V::m_editMessageFolderAction, false},
        {ModeMessageModified, &V::m_saveAction, true},
        {ModeMessageModified, &V::m_saveAllAction, true},
        {ModeMessageDeleted, &V::m_deleteMessageAction, false},
        {ModeMessageDeleted, &V::m_editMessageAction, false},
        {ModeMessageDeleted, &V::m_saveAction, false},
        {ModeMessageSaved, &V::m_saveAction, false},
        {ModeMessagesSaved, &V::m_saveAction, false},
        {ModeMessagesSaved, &V::m_saveAllAction, false},
        {ModeMessagesSaved, &V::m_refreshAction, true},
    };
    static_assert(std::size(Values) == 35, "the modes set 35 values");
    for (const MessageBrowserModeValue& value : Values) {
        registerProp(m_modes[value.mode], Mode::Entering, this->*value.action, "enabled", value.enabled);
    }
    setMode(m_modes[ModeStart]);
}

void MessageBrowserView::initializeWindow()
{
    m_splitter->addWidget(chainReader());
    setWindowCaption(tr("MessageBrowserWindowTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString());
    setWindowIcon(QIcon(WindowIcon));
    chainReader()->setDocument(new TextDocument(chainReader()));
    chainReader()->setReadOnly(true);
    chainReader()->setTextInteractionFlags(Qt::NoTextInteraction);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

void MessageBrowserView::initializeSidePane()
{
    m_sidePane->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_sidePane->addActions({m_newMessageFolderAction, m_editMessageFolderAction, m_deleteMessageFolderAction});
    m_sidePane->setFocus();
}

void MessageBrowserView::initializeMainPane()
{
    m_mainPane->setExpandsOnDoubleClick(false);
    m_mainPane->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_mainPane->addActions({m_saveAction, m_editMessageAction, m_deleteMessageAction});
}

void MessageBrowserView::initializeFileMenu()
{
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_saveAction);
    m_fileMenu->addAction(m_saveAllAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_closeAction);
}

void MessageBrowserView::initializeEditMenu()
{
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_deleteMessageFolderAction);
    m_editMenu->addAction(m_deleteMessageAction);
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_searchMessagesAction);
}

void MessageBrowserView::initializeViewMenu()
{
    m_refreshAction->setIconVisibleInMenu(true);
    m_refreshAction->setStatusTip(tr("ViewRefreshStatusTip"));
    m_viewMenu->addSeparator();
    m_viewMenu->addAction(m_viewPermissionsAction);
    m_viewPermissionsAction->setCheckable(true);
    m_viewPermissionsAction->setChecked(false);
    m_viewPermissionsAction->setIconVisibleInMenu(true);
    m_viewPermissionsAction->setStatusTip(tr("ViewPermissionsStatusTip"));
}

void MessageBrowserView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    const QList<QList<QAction*>> groups = {
        {m_newMessageFolderAction, m_newMessageAction},
        {m_saveAction, m_saveAllAction},
        {m_editMessageFolderAction, m_editMessageAction},
        {m_deleteMessageFolderAction, m_deleteMessageAction},
        {m_refreshAction},
        {m_viewPermissionsAction},
        {m_searchMessagesAction},
        {m_optionsAction},
    };
    for (const QList<QAction*>& group : groups) {
        m_standardToolBar->addActions(group);
        m_standardToolBar->addSeparator();
    }
}

bool MessageBrowserView::isActiveView() const
{
    return m_activeView == this;
}

void MessageBrowserView::setActiveView(bool active)
{
    if (active) {
        m_activeView = this;
    } else if (m_activeView == this) {
        m_activeView = nullptr;
    }
}

template <typename Request>
bool MessageBrowserView::send(common::Opcode majorOpcode,
                              common::Opcode minorOpcode,
                              const Request& request,
                              bool marked)
{
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return false;
    }
    utils::WaitCursor waitCursor(true);
    if (marked) {
        setActiveView(true);
    }
    emit deliverRequest(majorOpcode, minorOpcode, payload);
    return true;
}

void MessageBrowserView::receiveReply(const common::Opcode majorOpcode,
                                      const common::Opcode minorOpcode,
                                      const std::string& request,
                                      const common::Ercode majorErcode,
                                      const common::Ercode minorErcode,
                                      const std::string& reply)
{
    AbstractBrowserView::receiveReply(majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply);
    setActiveView(false);
}

void MessageBrowserView::reportFailedReply(common::Opcode majorOpcode,
                                           common::Opcode minorOpcode,
                                           const ReplyFailure& failure)
{
    if (isActiveView()) {
        AbstractBrowserView::reportFailedReply(majorOpcode, minorOpcode, failure);
    }
}

zarv::data::Message MessageBrowserView::getMessage(const QTreeWidgetItem* item) const
{
    const QTreeWidgetItem* row = item ? m_mainPane->getTopLevelItem(item) : nullptr;
    if (!row) {
        throw std::bad_alloc();
    }
    return MessageOf(row, MessageBrowserMainPaneTreeWidget::EditedMessageRole);
}

// Loading

void MessageBrowserView::messagesSelected()
{
    const bool rootOnly = MessageBrowserOptionsDialog::GetActivationMode() == 1;
    utils::WaitCursor waitCursor(true);
    saveAllMessages();
    const zarv::data::User& user = LoggedOnUser();
    emit resetSidePane();
    emit resetMainPane(user.user_message_folder_id());
    emit resetMessageViewerPane();

    zarv::data::SelectMessageFolderRequest folders;
    folders.set_message_folder_user_id(user.user_id());
    folders.set_message_folder_parent_id(user.user_message_folder_id());
    send(common::SelectMessageFolder, common::Untagged, folders);
    selectMessages(user.user_message_folder_id(), !rootOnly);
    finishLoading();
    setMode(m_modes[ModeMessagesSelected]);
}

void MessageBrowserView::messageFolderItemSelected(const zarv::data::MessageFolder& messageFolder)
{
    utils::WaitCursor waitCursor(true);
    saveAllMessages();
    emit resetMainPane(messageFolder.message_folder_id());
    emit resetMessageViewerPane();
    selectMessages(messageFolder.message_folder_id(), false);
    finishLoading();
    setMode(m_modes[ModeMessageFolderSelected]);
}

void MessageBrowserView::selectMessages(int messageFolderId, bool wholeTree)
{
    const zarv::data::User& user = LoggedOnUser();
    zarv::data::SelectMessageRequest own;
    own.set_message_user_id(user.user_id());
    zarv::data::SelectMessageUserRequest received;
    received.set_message_user_user_id(user.user_id());
    if (!wholeTree) {
        own.set_message_folder_id(messageFolderId);
        received.set_message_user_message_folder_id(messageFolderId);
    }
    send(common::SelectMessage, common::Untagged, own);
    send(common::SelectMessageUser, common::Untagged, received);
}

void MessageBrowserView::finishLoading()
{
    if (m_mainPane->topLevelItemCount() > 0) {
        m_mainPane->scrollToTop();
        m_mainPane->clearSelection();
        m_mainPane->setFocus();
    }
}

void MessageBrowserView::viewRefresh()
{
    const QTreeWidgetItem* item = m_sidePane->getSelectedTreeWidgetItem();
    if (!item) {
        emit showPanes();
    } else if (item->type() == MessageBrowserSidePaneTreeWidget::RootMessageFolderItem) {
        messagesSelected();
    } else if (item->type() == MessageBrowserSidePaneTreeWidget::MessageFolderItem) {
        if (const auto folder = MessageFolderOf(item)) {
            messageFolderItemSelected(*folder);
        }
    }
    m_mainPane->setFocus();
}

// Folders

void MessageBrowserView::newMessageFolder(int messageFolderParentId)
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, tr("NewMessageFolderInputDialog"), tr("MessageFolderName"),
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted || name.isEmpty()) {
        return;
    }
    zarv::data::InsertMessageFolderRequest request;
    zarv::data::MessageFolder* folder = request.mutable_message_folder();
    folder->set_message_folder_user_id(LoggedOnUser().user_id());
    folder->set_message_folder_parent_id(messageFolderParentId);
    folder->set_message_folder_name(name.toStdString());
    folder->set_message_folder_description(std::string());
    folder->set_message_folder_properties(0);
    folder->set_message_folder_creation_date(DbTimestamp(common::Clock::universalTime()).toDbString());
    zarv::data::SecurityDescriptor* descriptor = folder->mutable_message_folder_security_descriptor();
    descriptor->set_active(1);
    descriptor->set_active_region(std::string());
    descriptor->set_active_from("00:00:00");
    descriptor->set_active_to("00:00:00");
    descriptor->set_audits(0);
    descriptor->set_password(std::string());
    descriptor->set_permissions(0);
    descriptor->set_session_duration(0);
    descriptor->set_expiration_date(DbTimestamp::m_MaxTimestamp);
    descriptor->set_expiration_action(0);
    send(common::InsertMessageFolder, common::Untagged, request);
}

void MessageBrowserView::editMessageFolder(const zarv::data::MessageFolder& messageFolder)
{
    bool accepted = false;
    const QString name =
        QInputDialog::getText(this, tr("EditMessageFolderInputDialog"), tr("MessageFolderName"), QLineEdit::Normal,
                              QString::fromStdString(messageFolder.message_folder_name()), &accepted);
    if (!accepted || name.isEmpty()) {
        return;
    }
    zarv::data::UpdateMessageFolderRequest request;
    request.mutable_message_folder()->set_message_folder_id(messageFolder.message_folder_id());
    request.mutable_message_folder()->set_message_folder_name(name.toStdString());
    send(common::UpdateMessageFolder, common::Untagged, request);
}

void MessageBrowserView::deleteMessageFolder(const zarv::data::MessageFolder& messageFolder)
{
    QMessageBox box(QMessageBox::Question, tr("DeleteMessageFolderDialogTitle"), tr("DeleteMessageFolderDialogText"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(QIcon(DeleteMessageFolderIcon));
    box.setInformativeText(QString::fromStdString(messageFolder.message_folder_name()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok) {
        return;
    }
    zarv::data::DeleteMessageFolderRequest request;
    request.set_message_folder_id(messageFolder.message_folder_id());
    send(common::DeleteMessageFolder, common::Untagged, request);
}

// Messages

void MessageBrowserView::newMessage(int messageFolderId)
{
    zarv::data::InsertMessageRequest request;
    zarv::data::Message* message = request.mutable_message();
    MessageWriter(*message, LoggedOnUser()).setFolderId(messageFolderId);
    CreateMessageDialog dialog(message, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    send(common::InsertMessage, common::Untagged, request);
}

void MessageBrowserView::editMessage(const zarv::data::Message& message)
{
    zarv::data::OpenMessageRequest request;
    *request.mutable_message() = message;
    send(IsReceived(message) ? common::OpenMessageReaderView : common::OpenMessageEditorView, common::Untagged,
         request);
    // A client request gets no reply that would clear the marker.
    setActiveView(false);
}

void MessageBrowserView::updateMessage(const zarv::data::Message& message)
{
    displayMessageChain(message, false, false, false, false);
}

void MessageBrowserView::moveMessage(const zarv::data::Message& message, int messageFolderId)
{
    m_draggedMessage = message;
    if (IsReceived(message)) {
        zarv::data::UpdateMessageUserRequest request;
        zarv::data::Message* moved = request.mutable_message();
        moved->set_message_id(message.message_id());
        moved->set_message_user_message_id(message.message_id());
        moved->set_message_user_user_id(LoggedOnUser().user_id());
        moved->set_message_user_message_folder_id(messageFolderId);
        send(common::UpdateMessageUser, common::MoveMessage, request);
    } else {
        zarv::data::UpdateMessageRequest request;
        request.mutable_message()->set_message_id(message.message_id());
        request.mutable_message()->set_message_folder_id(messageFolderId);
        send(common::UpdateMessage, common::MoveMessage, request);
    }
    m_draggedMessage.reset();
}

void MessageBrowserView::deleteMessage(const zarv::data::Message& message)
{
    QMessageBox box(QMessageBox::Question, tr("DeleteMessageDialogTitle"), tr("DeleteMessageDialogText"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setWindowIcon(QIcon(DeleteMessageIcon));
    box.setMinimumWidth(400);
    box.setInformativeText(QString::fromStdString(message.message_subject()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok) {
        return;
    }
    if (IsReceived(message)) {
        zarv::data::DeleteMessageUserRequest request;
        request.set_message_user_user_id(LoggedOnUser().user_id());
        request.set_message_user_message_id(message.message_id());
        send(common::DeleteMessageUser, common::Untagged, request);
    } else {
        zarv::data::DeleteMessageRequest request;
        request.set_message_id(message.message_id());
        request.set_message_subject(message.message_subject());
        send(common::DeleteMessage, common::Untagged, request);
    }
}

void MessageBrowserView::saveMessage()
{
    const QTreeWidgetItem* item = m_mainPane->currentItem();
    const QTreeWidgetItem* row = item ? m_mainPane->getTopLevelItem(item) : nullptr;
    if (!row) {
        return;
    }
    zarv::data::Message edited;
    zarv::data::Message saved;
    if (!m_mainPane->isMessageModified(row, edited, saved) || IsReceived(edited)) {
        return;
    }
    zarv::data::UpdateMessageRequest request;
    *request.mutable_message() = edited;
    send(common::UpdateMessage, common::Untagged, request);
}

bool MessageBrowserView::saveAllMessages()
{
    QList<QString> subjects;
    if (!m_mainPane->isMessageModified(subjects)) {
        return true;
    }
    QMessageBox box(QMessageBox::Question, tr("SaveModifiedPermissionsConfirmationWindowTitle"),
                    tr("SaveModifiedPermissionsConfirmation"), QMessageBox::Yes | QMessageBox::No, this);
    box.setInformativeText(subjects.join(QStringLiteral("<br>")));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        setMode(m_modes[ModeMessageReverted]);
        return true;
    }
    // Each reply refreshes its row, which may move it: the records are
    // gathered before the first one is sent.
    std::vector<zarv::data::Message> modified;
    for (int index = 0; index < m_mainPane->topLevelItemCount(); ++index) {
        zarv::data::Message edited;
        zarv::data::Message saved;
        if (m_mainPane->isMessageModified(m_mainPane->topLevelItem(index), edited, saved) && !IsReceived(edited)) {
            modified.push_back(edited);
        }
    }
    m_failedSaves = 0;
    for (const zarv::data::Message& message : modified) {
        zarv::data::UpdateMessageRequest request;
        *request.mutable_message() = message;
        send(common::UpdateMessage, common::Untagged, request);
    }
    return m_failedSaves == 0;
}

void MessageBrowserView::searchMessages()
{
    const auto folder = MessageFolderOf(m_sidePane->getSelectedTreeWidgetItem());
    if (!folder) {
        return;
    }
    MessageSearchDialog dialog(folder->message_folder_id(), LoggedOnUser().user_id(), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const zarv::data::Messages chosen = dialog.selectedMessages();
    for (const zarv::data::Message& message : chosen.message()) {
        editMessage(message);
    }
}

void MessageBrowserView::toolsOptions()
{
    MessageBrowserOptionsDialog dialog(this);
    dialog.exec();
}

void MessageBrowserView::viewPermissionsToggled(bool checked)
{
    if (checked) {
        m_mainPane->expandAll();
    } else {
        m_mainPane->collapseAll();
    }
}

void MessageBrowserView::handleOpenMessage(const zarv::data::Message& message)
{
    if (!IsReceived(message) || !message.has_message_user_properties()
        || (message.message_user_properties() & 1) == 0) {
        return;
    }
    zarv::data::UpdateMessageUserRequest request;
    zarv::data::Message* read = request.mutable_message();
    read->set_message_id(message.message_id());
    read->set_message_user_message_id(message.message_id());
    read->set_message_user_user_id(LoggedOnUser().user_id());
    read->set_message_user_properties(message.message_user_properties() & ~1);
    send(common::UpdateMessageUser, common::Untagged, request, false);
    m_mainPane->handleOpenMessage(message);
}

// The chain viewer and its cache

void MessageBrowserView::messageItemClicked(QTreeWidgetItem* treeWidgetItem, int)
{
    QTreeWidgetItem* top = treeWidgetItem ? m_mainPane->getTopLevelItem(treeWidgetItem) : nullptr;
    if (!top) {
        throw std::bad_alloc();
    }
    utils::WaitCursor waitCursor(true);
    emit updateMessageItem(top, 0);
    const zarv::data::Message message = getMessage(top);
    if (m_cachedMessage.message_id() != message.message_id()) {
        m_chainTimer.stop();
        renderChain(message);
    } else if (m_chainTimer.isActive()) {
        if (treeWidgetItem == top) {
            waitCursor.restore();
            editMessage(m_cachedMessage);
        }
    } else {
        renderChain(message);
    }
    setMode(m_modes[ModeMessageSelected]);
}

void MessageBrowserView::renderChain(const zarv::data::Message& message)
{
    m_cachedMessage = message;
    const auto [whole, parents] = getMessageChain(m_cachedMessage, false, false, false, false);
    chainReader()->clear();
    chainReader()->setHtml(whole);
    if (IsReceived(m_cachedMessage)) {
        m_cachedMessage.set_message_chain_cache(whole.toStdString());
    } else {
        m_cachedMessage.set_message_parent_chain_cache(parents.toStdString());
    }
    m_chainTimer.start(static_cast<int>(m_chainCacheInterval.count()), this);
}

void MessageBrowserView::messageItemClickedUpdateActions(QTreeWidgetItem* treeWidgetItem, int)
{
    const QTreeWidgetItem* top = treeWidgetItem ? m_mainPane->getTopLevelItem(treeWidgetItem) : nullptr;
    if (top && m_mainPane->isMessageModified(top)) {
        setMode(m_modes[ModeMessageModified]);
    } else if (m_mainPane->isMessageModified()) {
        setMode(m_modes[ModeMessageSaved]);
    } else {
        setMode(m_modes[ModeMessagesSaved]);
    }
}

void MessageBrowserView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_chainTimer.timerId()) {
        return;
    }
    m_chainTimer.stop();
    m_cachedMessage = zarv::data::Message();
}

void MessageBrowserView::closeEvent(QCloseEvent* event)
{
    if (!saveAllMessages()) {
        // The edits whose save failed are still in the list.
        QMessageBox::warning(this, QCoreApplication::applicationName(), tr("PermissionsNotSaved"));
        event->ignore();
        return;
    }
    AbstractBrowserView::closeEvent(event);
}

// Replies

void MessageBrowserView::showInformation(const QString& text)
{
    QMessageBox::information(this, QCoreApplication::applicationName(), text);
}

void MessageBrowserView::handleDeleteMessageFolder(const BusReply& bus,
                                                   const zarv::data::DeleteMessageFolderReply& reply)
{
    zarv::data::DeleteMessageFolderRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    if (reply.return_code() != 0) {
        emit removeMessageFolderItem(request.message_folder_id());
        emit removeMessageFolderMessageItems(request.message_folder_id());
        setMode(m_modes[ModeMessageFolderDeleted]);
    } else if (IsForeignKeyViolation(reply.return_code(), reply.sql_diag_rec()) && isActiveView()) {
        showInformation(tr("CannotDeleteNonEmptyMessageFolder"));
    }
}

void MessageBrowserView::handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply& reply)
{
    zarv::data::DeleteMessageRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    if (bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr) {
        emit removeMessageItem(request.message_id());
        setMode(m_modes[ModeMessageDeleted]);
    } else if (!isActiveView()) {
        return;
    } else if (IsForeignKeyViolation(reply.return_code(), reply.sql_diag_rec())) {
        showInformation(tr("CannotDeleteReferencedMessage"));
    } else {
        AbstractBrowserView::reportFailedReply(bus.majorOpcode, bus.minorOpcode, {bus.majorErcode, bus.minorErcode});
    }
}

void MessageBrowserView::handleDeleteMessageUser(const BusReply& bus, const zarv::data::DeleteMessageUserReply& reply)
{
    zarv::data::DeleteMessageUserRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    if (reply.return_code() != 0) {
        // Another user's recipient row (an addressee removed in an editor)
        // leaves the author's message listed.
        if (request.message_user_user_id() == LoggedOnUser().user_id()) {
            emit removeMessageItem(request.message_user_message_id());
            setMode(m_modes[ModeMessageDeleted]);
        }
    } else if (IsForeignKeyViolation(reply.return_code(), reply.sql_diag_rec()) && isActiveView()) {
        showInformation(tr("CannotDeleteReferencedMessage"));
    }
}

void MessageBrowserView::handleInsertMessageFolder(const BusReply& bus,
                                                   const zarv::data::InsertMessageFolderReply& reply)
{
    zarv::data::InsertMessageFolderRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    zarv::data::MessageFolder folder = request.message_folder();
    folder.set_message_folder_id(reply.message_folder_id());
    emit addMessageFolderItem(folder);
}

void MessageBrowserView::handleInsertMessage(const BusReply& bus, const zarv::data::InsertMessageReply& reply)
{
    zarv::data::InsertMessageRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    zarv::data::Message message = request.message();
    message.set_message_id(reply.message_id());
    emit addMessageItem(message);
    if (isActiveView()) {
        zarv::data::OpenMessageRequest open;
        *open.mutable_message() = message;
        send(common::OpenMessageEditorView, common::Untagged, open, false);
    }
}

void MessageBrowserView::handleSelectMessageFolder(const BusReply&, const zarv::data::SelectMessageFolderReply& reply)
{
    if (!isActiveView()) {
        return;
    }
    for (const zarv::data::MessageFolder& folder : reply.message_folder()) {
        emit addMessageFolderItem(folder);
    }
}

void MessageBrowserView::handleSelectMessage(const BusReply&, const zarv::data::SelectMessageReply& reply)
{
    if (!isActiveView()) {
        return;
    }
    for (const zarv::data::Message& message : reply.message()) {
        emit addMessageItem(message);
    }
    viewPermissionsToggled(m_viewPermissionsAction->isChecked());
}

void MessageBrowserView::handleSelectMessageUser(const BusReply&, const zarv::data::SelectMessageUserReply& reply)
{
    if (!isActiveView()) {
        return;
    }
    for (const zarv::data::Message& message : reply.message()) {
        emit addMessageItem(message);
    }
}

void MessageBrowserView::handleUpdateMessageFolder(const BusReply& bus, const zarv::data::UpdateMessageFolderReply&)
{
    zarv::data::UpdateMessageFolderRequest request;
    if (request.ParseFromString(bus.request)) {
        emit updateMessageFolderItem(request.message_folder());
    }
}

void MessageBrowserView::setModeFromList()
{
    if (!m_mainPane->isMessageModified()) {
        setMode(m_modes[ModeMessagesSaved]);
        return;
    }
    setMode(m_modes[ModeMessageModified]);
    const QTreeWidgetItem* current = m_mainPane->currentItem();
    if (current && m_mainPane->getTopLevelItem(current) && !m_mainPane->isMessageModified(current)) {
        setMode(m_modes[ModeMessageSaved]);
    }
}

void MessageBrowserView::handleUpdateMessage(const BusReply& bus, const zarv::data::UpdateMessageReply&)
{
    if (bus.majorErcode != common::NoEr || bus.minorErcode != common::NoEr) {
        if (isActiveView()) {
            ++m_failedSaves;
            AbstractBrowserView::reportFailedReply(bus.majorOpcode, bus.minorOpcode,
                                                   {bus.majorErcode, bus.minorErcode});
        }
        return;
    }
    zarv::data::UpdateMessageRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    utils::WaitCursor waitCursor(true);
    emit updateMessageItem(request.message());
    const auto [whole, parents] = getMessageChain(request.message(), false, false, false, false);
    chainReader()->clear();
    chainReader()->setHtml(whole);
    setModeFromList();
}

std::optional<zarv::data::Message> MessageBrowserView::movedMessage(const zarv::data::Message& request) const
{
    if (const QTreeWidgetItem* row = m_mainPane->findMessageItem(request.message_id())) {
        return MessageOf(row, MessageBrowserMainPaneTreeWidget::SavedMessageRole);
    }
    if (isActiveView() && m_draggedMessage && m_draggedMessage->message_id() == request.message_id()) {
        return m_draggedMessage;
    }
    return std::nullopt;
}

void MessageBrowserView::handleMoveMessage(const BusReply& bus, const zarv::data::UpdateMessageReply&)
{
    zarv::data::UpdateMessageRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    if (auto moved = movedMessage(request.message())) {
        MessageWriter(*moved).setFolderId(request.message().message_folder_id());
        emit moveMessageItem(*moved);
    }
}

void MessageBrowserView::handleUpdateMessageUser(const BusReply& bus, const zarv::data::UpdateMessageUserReply&)
{
    if (bus.minorOpcode != common::MoveMessage) {
        if (bus.majorErcode != common::NoEr || bus.minorErcode != common::NoEr) {
            ACE_DEBUG((LM_WARNING, ACE_TEXT("MessageBrowserView: marking a message read failed (%d, %d)\n"),
                       bus.majorErcode, bus.minorErcode));
        }
        return;
    }
    if (bus.majorErcode != common::NoEr || bus.minorErcode != common::NoEr) {
        reportFailedReply(bus.majorOpcode, bus.minorOpcode, {bus.majorErcode, bus.minorErcode});
        return;
    }
    zarv::data::UpdateMessageUserRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    if (auto moved = movedMessage(request.message())) {
        MessageWriter(*moved).setFolderId(request.message().message_user_message_folder_id());
        emit moveMessageItem(*moved);
    }
}
