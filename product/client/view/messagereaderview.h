#pragma once

#include "library/gui/abstractviewwindow.h"
#include "library/gui/replytable.h"
#include "product/client/view/messagereadermixin.h"

#include "insertmessagereply3.pb.h"
#include "insertmessagerequest3.pb.h"
#include "message3.pb.h"
#include "users3.pb.h"

#include <optional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPoint;
class QPushButton;
class QToolBar;

namespace zarv::data {
class Document;
}

// The window of one received message: the message and its chain read-only
// under the content filters, the sender, the other addressees, the subject
// and the attached documents. An attachment opens under the user's own key;
// the pane's text is exported, printed and copied only as the filters allow,
// and every such use is audited. Reply, Reply to All and Forward create the
// new message on the server, open it in the message editor and close the
// reader; a refused or unanswered request keeps the reader open.
class MessageReaderView : public AbstractViewWindow, public MessageReaderMixin
{
    Q_OBJECT

public:
    MessageReaderView(const zarv::data::Message& message, QWidget* parent);
    ~MessageReaderView() override;

    const zarv::data::Message& getMessage() const { return m_message; }

    // The request that Reply (PARENT_RELATION_REPLY), Reply to All
    // (PARENT_RELATION_REPLY_ALL) or Forward (PARENT_RELATION_FORWARD) sends.
    zarv::data::InsertMessageRequest buildInsertMessageRequest(zarv::data::Message_rfield relation) const;

signals:
    void exportToTextFile(const QString& pathName);
    void exportToPdfFile(const QString& pathName);
    void print(const QString& fileName);
    void printPreview(const QString& fileName);
    void copyToClipboard();

private slots:
    void messageReaderContextMenuEvent(const QPoint& point);
    void exportMessageToTextFile();
    void exportMessageToPdfFile();
    void printMessage();
    void printPreviewMessage();
    void copyMessageToClipboard();
    void exportBytesToTextFile(unsigned int bytesOut);
    void exportBytesToPdfFile(unsigned int bytesOut);
    void printBytes(unsigned int bytesOut);
    void copyBytesToClipboard(unsigned int bytesOut);
    void replyTo();
    void replyToAll();
    void forwardTo();
    void filterStateChanged(int state);
    void filterEditCopyStateChanged(int state);
    void filterExportToTextFileStateChanged(int state);
    void filterExportToPdfFileStateChanged(int state);
    void filterPrintStateChanged(int state);
    void documentItemDoubleClicked(QListWidgetItem* item);

private:
    void initializeWindow();
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeAddresseeToolBar();
    void initializeMessageReader();
    void initializeDocumentsListWidget();
    void connectSignals();

    void openDocument(const zarv::data::Document& document);
    template <typename Request>
    void sendAudit(common::Opcode majorOpcode, unsigned int bytesOut);
    void sendInsertMessage(zarv::data::Message_rfield relation);
    void handleInsertMessage(const BusReply& bus, const zarv::data::InsertMessageReply& reply);

    zarv::data::Message m_message;
    // The To and then the Cc addressees, without the logged-on user.
    zarv::data::Users m_otherAddressees;

    QAction* const m_closeAction;
    QAction* const m_exportToTextFileAction;
    QAction* const m_exportToPdfFileAction;
    QAction* const m_printAction;
    QAction* const m_printPreviewAction;
    QAction* const m_copyAction;
    QAction* const m_selectAllAction;
    QAction* const m_findAction;
    QAction* const m_aboutAction;
    QToolBar* const m_addresseeToolBar;
    QPushButton* const m_replyToPushButton;
    QLineEdit* const m_senderLineEdit;
    QPushButton* const m_replyToAllPushButton;
    QLineEdit* const m_addresseesLineEdit;
    QPushButton* const m_forwardToPushButton;
    QLabel* const m_subjectLabel;
    QLineEdit* const m_subjectLineEdit;
    QListWidget* const m_documentsListWidget;

    // Set while this reader's own InsertMessage is on the bus: of several
    // open readers, only the sender opens the editor on the new message.
    bool m_sendingInsertMessage = false;
    // What became of that request: the new message's id, or the failure.
    std::optional<int> m_insertedMessageId;
    std::optional<ReplyFailure> m_insertFailure;
};
