#pragma once

#include "library/common/codes.h"
#include "library/gui/messageeditor.h"
#include "library/gui/texteditorview.h"
#include "product/client/view/messagereadermixin.h"

#include "message3.pb.h"
#include "user3.pb.h"
#include "users3.pb.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QCloseEvent;
class QFocusEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPoint;
class QPushButton;
class QToolBar;
class QToolButton;
class TextDocument;
struct BusReply;

namespace zarv::data {
class DeleteMessageDocumentReply;
class DeleteMessageReply;
class UpdateMessageReply;
}  // namespace zarv::data

namespace messageeditorview {

// Users by user id, those without one first.
struct UserLessOperatorClass
{
    bool operator()(const zarv::data::User& a, const zarv::data::User& b) const;
};

// The recipients of the message, in the server's order, that hold no key to
// the document. A lookup that fails contributes no users: a failed key
// lookup leaves every recipient without a key.
zarv::data::Users GetMessageUsersWithoutDocumentKeyForDocument(int messageId, int documentId);

}  // namespace messageeditorview

// The window in which the author writes one own message: its body, its To,
// Cc and Bcc addressees, its subject and its attached documents, above the
// read-only chain that a reply or forward answers. Addressees and
// attachments are stored on the server as they change; Save sends the whole
// message with its body and subject, Send saves and closes, Discard deletes
// the message. Before the window closes, the recipients' keys to the
// attachments are checked and the missing ones offered. Every export, print,
// copy, cut and paste of either pane is audited.
class MessageEditorView : public TextEditorView<MessageEditor>, public MessageReaderMixin
{
    Q_OBJECT

public:
    // The largest body, in bytes of its HTML as UTF-8, that a save sends.
    static constexpr long long MaximumBodyBytes = 1048576;

    MessageEditorView(const zarv::data::Message& message, QWidget* parent);
    ~MessageEditorView() override;

    const zarv::data::Message& getMessage() const { return m_message; }

    void setActiveView(bool active);
    bool isActiveView() const;

    TextDocument* textDocument() const { return m_textDocument; }

signals:
    void exportToTextFile(const QString& pathName);
    void exportToPdfFile(const QString& pathName);
    void print(const QString& fileName);
    void printPreview(const QString& fileName);
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();

public slots:
    void messageReaderContextMenuEvent(const QPoint& point);
    void exportMessageToTextFile();
    void exportMessageToPdfFile();
    void printMessage();
    void printPreviewMessage();
    void cutMessageToClipboard();
    void copyMessageToClipboard();
    void pasteMessageFromClipboard();
    void exportBytesToTextFile(unsigned int bytesOut);
    void exportBytesToPdfFile(unsigned int bytesOut);
    void printBytes(unsigned int bytesOut);
    void cutBytesToClipboard(unsigned int bytesOut);
    void copyBytesToClipboard(unsigned int bytesOut);
    void pasteBytesFromClipboard(unsigned int bytesIn);
    void addressLineEditTextChanged(const QString& text);
    void modificationChanged(bool changed);
    void focusInTextEditor(QFocusEvent* focusEvent);
    void focusInMessageReader(QFocusEvent* focusEvent);
    void filterStateChanged(int state);
    void filterEditCopyStateChanged(int state);
    void filterExportToTextFileStateChanged(int state);
    void filterExportToPdfFileStateChanged(int state);
    void filterPrintStateChanged(int state);

    void attachDocument();
    void detachDocument();
    void openDocument(QListWidgetItem* item);
    void verifyDocumentKeys(int confirmation = 0);
    void addUsersTo();
    void addUsersCc();
    void addUsersBcc();

    void send();
    void discard();
    void editSubject();
    void saveMessage();

protected:
    void closeEvent(QCloseEvent* event) override;
    void initializeEditMenu() override;

private:
    // What became of this window's own change while its request was out.
    struct OwnChange
    {
        common::Opcode majorOpcode;
        bool answered = false;
        bool done = false;
        common::Ercode majorErcode = common::NoEr;
        common::Ercode minorErcode = common::NoEr;
        int sqlc = 0;
    };

    void connectSignals();
    void initializeWindow();
    void initializeFileMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeAddresseeToolBar();
    void initializeMessageEditor();
    void initializeDocumentsListWidget();
    void initializeMessageReader();
    void displayMessageParentChain();

    void connectTextEditor(bool connected);
    void connectMessageReader(bool connected);
    void disconnectPanes();
    void enableMessageReaderWidgets(bool enabled);
    void filterMessageReader();

    template <typename Request>
    void sendAudit(common::Opcode majorOpcode, unsigned int size);

    bool addUsers(const zarv::data::Message& message, QString& names, zarv::data::Message_ufield field);
    // Each true when the server made every change.
    bool insertUsers(const zarv::data::Message& message,
                     const std::vector<zarv::data::User>& users,
                     zarv::data::Message_ufield field);
    bool deleteUsers(const zarv::data::Message& message, const std::vector<zarv::data::User>& users);
    void addUsersToField(zarv::data::Message_ufield field, QLineEdit* lineEdit);
    void showHeldAttachments();

    // The body as stored, or nothing (after the excess-characters box) when
    // it is over the limit.
    std::optional<std::string> checkedBody();
    // Sends the message copy; true when the server stored it.
    bool sendMessageCopy();
    void warnNotSaved(const OwnChange& change);

    // Sends a request of this window and waits for what became of it.
    OwnChange sendOwnChange(common::Opcode majorOpcode, const std::string& payload);
    void followOwnChange(const BusReply& bus, int returnCode, int sqlc);
    void warnChangeFailed(const OwnChange& change);

    void handleUpdateMessage(const BusReply& bus, const zarv::data::UpdateMessageReply& reply);
    void handleDeleteMessageDocument(const BusReply& bus, const zarv::data::DeleteMessageDocumentReply& reply);
    void handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply& reply);

    static MessageEditorView* m_activeView;

    zarv::data::Message m_message;
    QMenu* const m_attachMenu;
    QAction* const m_attachDocumentAction;
    QAction* const m_verifyDocumentKeysAction;
    QToolBar* const m_addresseeToolBar;
    QPushButton* const m_sendPushButton;
    QPushButton* const m_discardPushButton;
    QPushButton* const m_toPushButton;
    QLineEdit* const m_toLineEdit;
    QPushButton* const m_ccPushButton;
    QLineEdit* const m_ccLineEdit;
    QPushButton* const m_bccPushButton;
    QLineEdit* const m_bccLineEdit;
    QPushButton* const m_subjectPushButton;
    QLineEdit* const m_subjectLineEdit;
    QListWidget* const m_documentsListWidget;
    QToolButton* const m_attachDocumentToolButton;
    QToolButton* const m_detachDocumentToolButton;
    QToolButton* const m_verifyDocumentKeysToolButton;
    TextDocument* const m_textDocument;

    std::optional<OwnChange> m_ownChange;
};
