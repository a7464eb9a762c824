#pragma once

#include "product/client/view/abstractconsoleview.h"

#include "authenticateuserreply3.pb.h"
#include "insertdocumentreply3.pb.h"

#include <QString>

#include <string>

class QAction;

// The application's main window and launcher. Logged off it offers Log On,
// Network Settings and About; logged on it opens the other windows (user
// groups, message browser, document browser, the keys given to the user),
// edits the picture directories, restores a deleted document, resets the
// password and shows the audit log. Logging off, like closing it, ends the
// program.
//
// The console keeps no session of its own: the user is the Registry's, the
// session key the Cryptographer's, the server and session the transport's
// and the session's new dictionary words the SpellChecker's.
class ConsoleView : public AbstractConsoleView
{
    Q_OBJECT

public:
    explicit ConsoleView(QWidget* parent);
    ~ConsoleView() override;

    // Clears any earlier log-on, points the transport at the server and sends
    // the encrypted AuthenticateUser request; the reply has been handled when
    // it returns. False when nothing was sent: a blank server name or an
    // invalid port, or a request that cannot be encrypted or serialised.
    bool logOnWithNamePassword(const QString& userName,
                               const QString& userPassword,
                               const QString& serverName,
                               int serverPort,
                               const QString& defaultTimeZone);

public slots:
    void newUserGroupBrowser();
    void newMessageBrowser();
    void newDocumentBrowser();
    void newFolderKeys();
    void newDocumentKeys();
    void pictureDirectories();
    // Runs the restore-document wizard and, when it is accepted, inserts the
    // chosen revision as a new document of the user in the chosen folder. A
    // document the server did not store is told in a warning.
    void restoreDocument();
    // Runs the reset-password wizard, which stores the new password itself.
    void resetPassword();
    // Runs the log-on dialog and logs on with what it returns; false when it
    // was cancelled or nothing was sent.
    bool logOn() override;
    // Asks whether to log off (unless logged off), closes every other window
    // (a window that refuses stops the log-off, the session intact), stores
    // the session's new dictionary words, ends the session and quits the
    // event loop. False when the user declined or a window stayed open.
    bool logOff() override;

protected:
    // The log-on reply, whatever its minor and error codes: the error codes
    // reported by the base's table, a refusal that the flags tell on the
    // status bar, or the logged-on console.
    using AbstractConsoleView::authenticateUserReplyHandler;
    void authenticateUserReplyHandler(const BusReply& bus,
                                      const zarv::data::AuthenticateUserReply& authenticateUserReply);
    // A log-on reply that cannot be read titles the window "Cannot parse reply.".
    void
    reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure) override;
    // A restore counts only when both codes are 0, the return code is not
    // and the SQL state is; otherwise the user is warned.
    void restoreDocumentReplyHandler(const BusReply& bus, const zarv::data::InsertDocumentReply& reply);

private:
    void initializeMode();
    void initializeWindow();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();

    // The actions that only a logged-on user can use.
    QList<QAction*> loggedOnActions() const;
    bool closeOtherWindows();
    void loadDictionaryWords();
    void storeDictionaryWords();
    void setPictureSearchPaths();
    void warnNotRestored(const std::string& documentName, const QString& reason);

    QAction* const m_userGroupBrowserAction;
    QAction* const m_messageBrowserAction;
    QAction* const m_documentBrowserAction;
    QAction* const m_documentKeysAction;
    QAction* const m_folderKeysAction;
    QAction* const m_pictureDirectoriesAction;
    QAction* const m_restoreDocumentAction;
    QAction* const m_resetPasswordAction;
    // The document being restored while its request is on its way.
    std::string m_restoringDocumentName;
};
