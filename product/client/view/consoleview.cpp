#include "product/client/view/consoleview.h"

#include "library/core/lib/registry.h"
#include "library/core/proxy/userreader.h"
#include "library/database/lib/dbid.h"
#include "library/gui/linguist.h"
#include "library/gui/servercall.h"
#include "library/gui/settings.h"
#include "library/gui/spellchecker.h"
#include "library/network/messagedispatcher.h"
#include "library/network/port.h"
#include "product/client/component/logonsession.h"
#include "product/client/view/logondialog.h"
#include "product/client/view/picturedirectoriesdialog.h"
#include "product/client/view/resetpasswordwizard.h"
#include "product/client/view/restoredocumentwizard.h"
#include "library/gui/serverfailuretext.h"

#include "authenticateuserreply3.pb.h"
#include "insertdictionaryrequest3.pb.h"
#include "insertdocumentreply3.pb.h"
#include "insertdocumentrequest3.pb.h"
#include "selectdictionaryreply3.pb.h"
#include "selectdictionaryrequest3.pb.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QListWidget>
#include <QListWidgetItem>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>
#include <hunspell/hunspell.hxx>

#include <optional>

namespace {

constexpr const char* Context = "ConsoleView";

const AbstractViewWindow::ActionTexts UserGroupBrowserTexts = {
    "UserGroupBrowser", ":icons/32x32/user-groups.png", "NewUserGroupBrowserStatusTip", "NewUserGroupBrowserToolTip"};
const AbstractViewWindow::ActionTexts MessageBrowserTexts = {"MessageBrowser", ":icons/32x32/message-browser.png",
                                                             "NewMessageBrowserStatusTip", "NewMessageBrowserToolTip"};
const AbstractViewWindow::ActionTexts DocumentBrowserTexts = {
    "DocumentBrowser", ":icons/32x32/document-browser.png", "NewDocumentBrowserStatusTip", "NewDocumentBrowserToolTip"};
const AbstractViewWindow::ActionTexts DocumentKeysTexts = {"DocumentKeys", ":icons/32x32/document-keys.png",
                                                           "NewDocumentKeysStatusTip", "NewDocumentKeysToolTip"};
const AbstractViewWindow::ActionTexts FolderKeysTexts = {"FolderKeys", ":icons/32x32/folder-keys.png",
                                                         "NewFolderKeysStatusTip", "NewFolderKeysToolTip"};
const AbstractViewWindow::ActionTexts PictureDirectoriesTexts = {"PictureDirectories", ":icons/32x32/pictures.png",
                                                                 "PictureDirectoriesStatusTip", nullptr};
const AbstractViewWindow::ActionTexts RestoreDocumentTexts = {"RestoreDocument", ":icons/32x32/restore-document.png",
                                                              "RestoreDocumentStatusTip", "RestoreDocumentToolTip"};
const AbstractViewWindow::ActionTexts ResetPasswordTexts = {"ResetPassword", ":icons/32x32/reset-password.png",
                                                            "ResetPasswordStatusTip", "ResetPasswordToolTip"};

const QString WindowIconFileName = QStringLiteral(":icons/32x32/application.png");
const QString PicturesPrefix = QStringLiteral("pictures");

int LoggedOnUserId()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id();
}

}  // namespace

ConsoleView::ConsoleView(QWidget* parent)
    : AbstractConsoleView(parent)
    , m_userGroupBrowserAction(createAction(nullptr, Context, UserGroupBrowserTexts))
    , m_messageBrowserAction(createAction(nullptr, Context, MessageBrowserTexts))
    , m_documentBrowserAction(createAction(nullptr, Context, DocumentBrowserTexts))
    , m_documentKeysAction(createAction(nullptr, Context, DocumentKeysTexts))
    , m_folderKeysAction(createAction(nullptr, Context, FolderKeysTexts))
    , m_pictureDirectoriesAction(createAction(m_editMenu, Context, PictureDirectoriesTexts))
    , m_restoreDocumentAction(createAction(m_toolsMenu, Context, RestoreDocumentTexts))
    , m_resetPasswordAction(createAction(m_toolsMenu, Context, ResetPasswordTexts))
{
    m_replyTable.add(common::AuthenticateUser, ReplyTable::AnyMinor, this, &ConsoleView::authenticateUserReplyHandler,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::InsertDocument, common::RestoreDocument, this, &ConsoleView::restoreDocumentReplyHandler,
                     ReplyTable::Takes::AllReplies);
    connect(m_pictureDirectoriesAction, &QAction::triggered, this, &ConsoleView::pictureDirectories);
    connect(m_restoreDocumentAction, &QAction::triggered, this, &ConsoleView::restoreDocument);
    connect(m_resetPasswordAction, &QAction::triggered, this, &ConsoleView::resetPassword);

    initializeMode();
    initializeWindow();
    initializeFileMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    initializeLogTextEdit();
}

ConsoleView::~ConsoleView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

QList<QAction*> ConsoleView::loggedOnActions() const
{
    return {m_userGroupBrowserAction, m_messageBrowserAction,     m_documentBrowserAction, m_documentKeysAction,
            m_folderKeysAction,       m_pictureDirectoriesAction, m_restoreDocumentAction, m_resetPasswordAction};
}

void ConsoleView::initializeMode()
{
    for (QAction* action : loggedOnActions()) {
        registerEnabledWhenLoggedOff(action, false);
    }
    AbstractConsoleView::initializeMode();
}

void ConsoleView::initializeWindow()
{
    setCentralWidget(m_logTextEdit);
    m_statusMessage->show(tr("Greeting"));
    setWindowCaption(tr("ConsoleViewWindowTitle"), QString(), QString());
    setWindowIcon(QIcon(WindowIconFileName));
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

void ConsoleView::initializeFileMenu()
{
    m_fileMenu->addSeparator();
    QMenu* newMenu = m_fileMenu->addMenu(Linguist::tr("New"));
    newMenu->addAction(m_userGroupBrowserAction);
    newMenu->addSeparator();
    newMenu->addAction(m_messageBrowserAction);
    newMenu->addAction(m_documentBrowserAction);
    newMenu->addSeparator();
    newMenu->addAction(m_documentKeysAction);
    newMenu->addAction(m_folderKeysAction);

    connect(m_userGroupBrowserAction, &QAction::triggered, this, &ConsoleView::newUserGroupBrowser);
    connect(m_messageBrowserAction, &QAction::triggered, this, &ConsoleView::newMessageBrowser);
    connect(m_documentBrowserAction, &QAction::triggered, this, &ConsoleView::newDocumentBrowser);
    connect(m_documentKeysAction, &QAction::triggered, this, &ConsoleView::newDocumentKeys);
    connect(m_folderKeysAction, &QAction::triggered, this, &ConsoleView::newFolderKeys);
}

void ConsoleView::initializeToolsMenu()
{
    m_toolsMenu->insertSeparator(m_resetPasswordAction);
}

void ConsoleView::initializeStandardToolBar()
{
    AbstractConsoleView::initializeStandardToolBar();
    const QList<QList<QAction*>> groups = {
        {m_logOnAction, m_logOffAction},
        {m_networkSettingsAction},
        {m_viewLogAction},
        {m_userGroupBrowserAction},
        {m_messageBrowserAction, m_documentBrowserAction},
        {m_documentKeysAction, m_folderKeysAction},
        {m_restoreDocumentAction},
        {m_resetPasswordAction},
    };
    for (const QList<QAction*>& group : groups) {
        m_standardToolBar->addActions(group);
        m_standardToolBar->addSeparator();
    }
}

void ConsoleView::newUserGroupBrowser()
{
    emit deliverRequest(common::OpenUserGroupBrowserView);
}

void ConsoleView::newMessageBrowser()
{
    emit deliverRequest(common::OpenMessageBrowserView);
}

void ConsoleView::newDocumentBrowser()
{
    emit deliverRequest(common::OpenDocumentBrowserView);
}

void ConsoleView::newFolderKeys()
{
    emit deliverRequest(common::OpenFolderKeysView);
}

void ConsoleView::newDocumentKeys()
{
    emit deliverRequest(common::OpenDocumentKeysView);
}

void ConsoleView::pictureDirectories()
{
    PictureDirectoriesDialog dialog(this);
    QListWidget* list = dialog.getDirectoryListWidget();
    const QString home = Settings().getHomePictureDirectory();
    if (!home.isEmpty()) {
        // Always searched first; the user can neither select nor change it.
        (new QListWidgetItem(home, list))->setFlags(Qt::NoItemFlags);
    }
    for (const QString& directory : Settings().getPictureDirectories()) {
        new QListWidgetItem(directory, list);
    }
    if (dialog.exec() == QDialog::Accepted) {
        QList<QString> directories;
        for (int row = 0; row < list->count(); ++row) {
            const QString directory = list->item(row)->text();
            if (directory != home) {
                directories.append(directory);
            }
        }
        Settings().setPictureDirectories(directories);
    }
    setPictureSearchPaths();
}

void ConsoleView::restoreDocument()
{
    RestoreDocumentWizard wizard(this);
    if (wizard.exec() != QDialog::Accepted) {
        return;
    }
    zarv::data::InsertDocumentRequest request;
    zarv::data::Document& document = *request.mutable_document() = wizard.getDocument();
    document.set_document_id(DbId::m_NullId);
    document.set_document_user_id(LoggedOnUserId());
    document.set_document_folder_id(wizard.getDocumentFolderId());
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        warnNotRestored(document.document_name(),
                        ServerFailureText(common::ProtoSerializeToStringEr, ServerCall::ClientMinorErcode));
        return;
    }
    m_restoringDocumentName = document.document_name();
    emit deliverRequest(common::InsertDocument, common::RestoreDocument, payload);
    m_restoringDocumentName.clear();
}

void ConsoleView::restoreDocumentReplyHandler(const BusReply& bus, const zarv::data::InsertDocumentReply& reply)
{
    zarv::data::InsertDocumentRequest request;
    request.ParseFromString(bus.request);
    const std::string& name = request.document().document_name();
    if (bus.majorErcode != common::NoEr || bus.minorErcode != common::NoEr) {
        warnNotRestored(name, ServerFailureText(bus.majorErcode, bus.minorErcode));
    } else if (reply.return_code() == 0 || reply.sql_diag_rec().sqlc() != 0) {
        // The server answered but stored nothing: its SQL state, else its return code.
        const int code = reply.sql_diag_rec().sqlc() != 0 ? reply.sql_diag_rec().sqlc() : reply.return_code();
        warnNotRestored(name, Linguist::tr("ServerRefusedRequest").arg(code));
    }
}

void ConsoleView::warnNotRestored(const std::string& documentName, const QString& reason)
{
    const QString document = QStringLiteral("'%1'").arg(QString::fromStdString(documentName));
    QMessageBox::warning(this, windowTitle(), tr("DocumentNotRestored").arg(document) + QLatin1Char(' ') + reason,
                         QMessageBox::Ok);
}

void ConsoleView::resetPassword()
{
    ResetPasswordWizard wizard(this);
    wizard.exec();
}

void ConsoleView::setPictureSearchPaths()
{
    QDir::setSearchPaths(PicturesPrefix, Settings().getPictureSearchPaths());
}

bool ConsoleView::logOn()
{
    LogonDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QString defaultTimeZone = dialog.getDefaultTimeZone();
    const int serverPort = dialog.getServerPort();
    const QString serverName = dialog.getServerName();
    const QString userPassword = dialog.getUserPassword();
    const QString userName = dialog.getUserName();
    return logOnWithNamePassword(userName, userPassword, serverName, serverPort, defaultTimeZone);
}

bool ConsoleView::logOnWithNamePassword(const QString& userName,
                                        const QString& userPassword,
                                        const QString& serverName,
                                        int serverPort,
                                        const QString& defaultTimeZone)
{
    // The transport needs a server to go to; the log-on dialog refuses a blank
    // name before it gets here.
    if (serverName.trimmed().isEmpty() || !network::IsValidPort(serverPort)) {
        return false;
    }
    const std::optional<std::string> payload =
        LogonSession::Request(userName.toStdString(), userPassword.toStdString(), serverName.toStdString(), serverPort,
                              defaultTimeZone.toStdString());
    if (!payload) {
        return false;
    }
    emit deliverRequest(common::AuthenticateUser, common::Untagged, *payload);
    return true;
}

void ConsoleView::reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure)
{
    // The log-on's row takes failed replies too: only an unreadable one comes here.
    if (majorOpcode == common::AuthenticateUser) {
        setWindowCaption(QObject::tr("CannotParseReply."), QString(), QString());
        return;
    }
    if (majorOpcode == common::InsertDocument && minorOpcode == common::RestoreDocument) {
        warnNotRestored(m_restoringDocumentName, ServerFailureText(failure.majorErcode, failure.minorErcode));
        return;
    }
    AbstractConsoleView::reportFailedReply(majorOpcode, minorOpcode, failure);
}

void ConsoleView::authenticateUserReplyHandler(const BusReply& bus,
                                               const zarv::data::AuthenticateUserReply& authenticateUserReply)
{
    const auto& [majorOpcode, minorOpcode, request, majorErcode, minorErcode, reply] = bus;
    if (majorErcode != common::NoEr) {
        AbstractConsoleView::authenticateUserReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode,
                                                          reply);
        return;
    }
    if (!authenticateUserReply.user_name_found()) {
        m_statusMessage->show(tr("UserNameNotFound"), StatusTimeout);
        return;
    }
    if (!authenticateUserReply.user_password_decoded()) {
        m_statusMessage->show(tr("UserPasswordNotDecoded"), StatusTimeout);
        return;
    }
    if (!authenticateUserReply.user_session_inserted()) {
        m_statusMessage->show(tr("UserSessionNotInserted"), StatusTimeout);
        return;
    }

    AbstractConsoleView::authenticateUserReplyHandler(majorOpcode, minorOpcode, request, majorErcode, minorErcode,
                                                      reply);
    const zarv::data::User& user = ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
    setWindowCaption(tr("ConsoleViewWindowTitle"), QString::fromStdString(MessageDispatcher::getServerName()),
                     QString::fromStdString(UserReader(user).displayName()));
    setPictureSearchPaths();
    setMode(m_loggedOnMode);
    loadDictionaryWords();
}

void ConsoleView::loadDictionaryWords()
{
    Hunspell* hunspell = ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance()->getSpellChecker();
    if (!hunspell) {
        return;
    }
    zarv::data::SelectDictionaryRequest request;
    request.set_dictionary_user_id(LoggedOnUserId());
    // A failure leaves the words out without a message.
    const std::optional<zarv::data::SelectDictionaryReply> reply =
        ServerCall(common::SelectDictionary).call<zarv::data::SelectDictionaryReply>(request);
    if (!reply) {
        return;
    }
    for (const zarv::data::Dictionary& dictionary : reply->dictionary()) {
        hunspell->add(dictionary.dictionary_word());
    }
}

bool ConsoleView::logOff()
{
    if (!isLoggedOn()) {
        QCoreApplication::quit();
        return true;
    }
    QMessageBox box(QMessageBox::Question, windowTitle(), tr("LogOffConfirmation"), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        return false;
    }
    // Other windows may still need the session to close (an editor saving
    // its changes); one that stays open keeps the user logged on.
    if (!closeOtherWindows()) {
        return false;
    }

    setWindowCaption(tr("ConsoleViewWindowTitle"), QString(), QString());
    setMode(m_loggedOffMode);
    storeDictionaryWords();
    emit deliverRequest(common::TerminateUserSession);
    ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance()->reset();
    LogonSession::Close();
    QCoreApplication::quit();
    return true;
}

bool ConsoleView::closeOtherWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != this && widget->isVisible() && qobject_cast<AbstractViewWindow*>(widget)) {
            windows.append(widget);
        }
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window && !window->close()) {
            return false;
        }
    }
    return true;
}

void ConsoleView::storeDictionaryWords()
{
    const int userId = LoggedOnUserId();
    for (const DictionaryEntry& entry :
         ACE_Singleton<SpellChecker, ACE_Null_Mutex>::instance()->getDictionaryEntries()) {
        zarv::data::InsertDictionaryRequest request;
        zarv::data::Dictionary* dictionary = request.mutable_dictionary();
        *dictionary = entry;
        dictionary->set_dictionary_user_id(userId);
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            continue;
        }
        // The outcome is not looked at: a word that does not reach the server is lost.
        ServerCall(common::InsertDictionary).send(payload);
    }
}
