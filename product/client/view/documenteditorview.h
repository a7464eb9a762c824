#pragma once

#include "library/common/codes.h"
#include "library/gui/busdeclarations.h"
#include "library/gui/documenteditor.h"
#include "library/gui/texteditorview.h"
#include "library/gui/url.h"
#include "library/gui/urlwidgets.h"

#include "document3.pb.h"
#include "securitydescriptor3.pb.h"
#include "updatedocumentreply3.pb.h"

#include <QMap>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class QDockWidget;
class QListWidget;
class QListWidgetItem;
class SessionDuration;
class TextDocument;
struct BusReply;

// The window in which the user reads and edits the body of one document,
// under the security descriptor that the record carries: the document's own
// or, for a document opened through a key, the key's. It saves the body,
// asks before unsaved edits are closed away, and sends one audit request for
// every export, print, copy, cut and paste. The countdown of the key's
// session closes it through the same question. Its revision dock shows the
// document's earlier revisions read-only in place of the body, and its URL
// dock the web pages attached to the document.
class DocumentEditorView : public TextEditorView<DocumentEditor>
{
    Q_OBJECT

public:
    // The largest body, in bytes of its HTML as UTF-8, that a save sends.
    static constexpr long long MaximumBodyBytes = 1048576;

    DocumentEditorView(const zarv::data::Document& document, QWidget* parent);
    ~DocumentEditorView() override;

    // The record as the window was opened with it, less what a successful
    // change of its name, description or folder has brought since.
    const zarv::data::Document& getDocument() const { return m_document; }

    // Applies a descriptor to the whole window: the text, the tool bars, the
    // docks, the actions and the countdown.
    void setSecurity(const zarv::data::SecurityDescriptor& descriptor);
    // Re-reads the window options and re-arranges the tool bars and docks.
    void updateOptions();
    virtual void setDockWidgetsEnabled(bool enabled);

    // The body as the user edits it, whatever the editor shows.
    TextDocument* textDocument() const { return m_textDocument; }
    UrlDockWidget* urlDockWidget() const { return m_urlDockWidget; }
    QDockWidget* revisionHistoryDockWidget() const { return m_revisionHistoryDockWidget; }
    QListWidget* revisionHistoryListWidget() const { return m_revisionHistoryListWidget; }

    // The answers of the docks' synchronous reads, serialised.
    void selectDocumentRevisionsHandler(const std::string& reply);
    void displayDocumentRevisionHandler(const std::string& reply);
    void selectDocumentUrlsHandler(const std::string& reply);

signals:
    void exportToTextFile(const QString& pathName);
    void exportToPdfFile(const QString& pathName);
    void print(const QString& fileName);
    void printPreview(const QString& fileName);
    void cutToClipboard();
    void copyToClipboard();
    void pasteFromClipboard();
    // A page for the URL dock to list.
    void addUrl(const Url& url);

public slots:
    void receiveEvent(QUENLARK_BUS_EVENT_PARAMETERS) override;

    void exportDocumentToTextFile();
    void exportDocumentToPdfFile();
    void printDocument();
    void printPreviewDocument();
    void cutDocumentToClipboard();
    void copyDocumentToClipboard();
    void pasteDocumentFromClipboard();
    void exportBytesToTextFile(unsigned int bytesOut);
    void exportBytesToPdfFile(unsigned int bytesOut);
    void printBytes(unsigned int bytesOut);
    void cutBytesToClipboard(unsigned int bytesOut);
    void copyBytesToClipboard(unsigned int bytesOut);
    void pasteBytesFromClipboard(unsigned int bytesIn);
    void modificationChanged(bool changed);
    // Sends the body when it is modified; true when it is saved by the time
    // the call returns (or was not modified).
    bool saveDocument(common::Opcode minorOpcode = common::Untagged);
    void toggleUrlAttachments(bool checked);
    void toggleRevisionHistory(bool checked);
    void revisionClicked(QListWidgetItem* listWidgetItem);
    void loadUrl(const Url& url);
    void newUrl(const Url& url);
    void editUrl(const Url& url);
    void removeUrl(QListWidgetItem* item);
    void options();

protected:
    void closeEvent(QCloseEvent* event) override;
    void initializeEditMenu() override;
    void initializeFormattingToolBar() override;
    void initializeIconToolBar() override;
    void
    reportFailedReply(common::Opcode majorOpcode, common::Opcode minorOpcode, const ReplyFailure& failure) override;

private:
    // What became of this window's own save while its request was out.
    struct SaveOutcome
    {
        bool answered = false;
        bool saved = false;
        // The reason shown when it was not saved.
        QString reason;
    };

    void initializeWindow();
    void initializeFileMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();
    void initializeDocumentEditor();
    void initializeUrlAttachmentsDockWidget();
    void initializeRevisionHistoryDockWidget();
    void initializeRevisionTextSecurityDescriptor();

    void enableToolBars(const zarv::data::SecurityDescriptor& descriptor);
    void enableDockWidgets(const zarv::data::SecurityDescriptor& descriptor);
    void enableActions(const zarv::data::SecurityDescriptor& descriptor);
    bool isOwner() const;
    void setCaption(bool modified);

    void documentUpdated(const BusReply& bus, const zarv::data::UpdateDocumentReply& reply);
    // What became of this window's own change of a web page, decided by the
    // reply's codes, return code and diagnostic.
    void webpageChangeAnswered(const BusReply& bus, int returnCode, int sqlc);
    // Sends one change of a web page; true when the server made it.
    bool
    sendWebpageChange(common::Opcode majorOpcode, const std::string& payload, const char* notDoneText, const Url& url);
    // Lists again the pages that the server holds, as last known.
    void showHeldWebpages();
    int documentId() const;
    void sendAudit(common::Opcode majorOpcode, unsigned int size);
    // Save, Discard or Cancel on closing; Save or Discard once the key's
    // session is over, asked again until the body is saved or discarded.
    bool mayClose();
    void warnNotSaved(const QString& reason);

    zarv::data::Document m_document;
    // What the audit requests carry: the record as opened, without its body.
    zarv::data::Document m_auditDocument;
    TextDocument* const m_textDocument;
    UrlDockWidget* const m_urlDockWidget;
    QDockWidget* const m_revisionHistoryDockWidget;
    QListWidget* const m_revisionHistoryListWidget;
    std::unique_ptr<SessionDuration> m_sessionDuration;
    TextDocument* const m_revisionTextDocument;
    zarv::data::SecurityDescriptor m_revisionTextSecurityDescriptor;
    QAction* m_optionsAction = nullptr;

    // Which bars and docks the options placed in the window; the others are
    // left out and never shown.
    bool m_standardToolBarPlaced = false;
    bool m_formattingToolBarPlaced = false;
    bool m_iconToolBarPlaced = false;
    bool m_urlDockWidgetPlaced = false;

    // Set while this window's own save request is out: its reply arrives
    // within the request's delivery.
    std::optional<SaveOutcome> m_pendingSave;
    // Set while a clock tick is handled: a close in that time is the
    // countdown's.
    bool m_sessionEnding = false;
    bool m_closeQuestionOpen = false;

    // What became of this window's own change of a web page while its
    // request was out.
    struct WebpageChange
    {
        common::Opcode majorOpcode;
        bool done = false;
        QString reason;
    };
    std::optional<WebpageChange> m_pendingWebpageChange;
    // The web pages that the server holds, as far as this window knows: its
    // last reading and its changes since. Address to description.
    QMap<QString, QString> m_heldWebpages;
    bool m_revisionShown = false;
};
