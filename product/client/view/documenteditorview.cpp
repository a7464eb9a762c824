#include "product/client/view/documenteditorview.h"

#include "library/core/lib/registry.h"
#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/documentkeywriter.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/documenteditoroptionsdialog.h"
#include "library/gui/linguist.h"
#include "library/gui/replytable.h"
#include "library/gui/servercall.h"
#include "library/gui/serverfailuretext.h"
#include "library/gui/settings.h"
#include "library/gui/textdocument.h"
#include "library/network/messagedispatcher.h"
#include "library/security/hash.h"
#include "product/client/view/sessionduration.h"

#include "deletedocumentwebpagereply3.pb.h"
#include "deletedocumentwebpagerequest3.pb.h"
#include "insertdocumentwebpagerequest3.pb.h"
#include "logeventcopydocumenttoclipboardrequest3.pb.h"
#include "logeventexportdocumenttopdffilerequest3.pb.h"
#include "logeventexportdocumenttotextfilerequest3.pb.h"
#include "logeventpastedocumentfromclipboardrequest3.pb.h"
#include "logeventprintdocumentrequest3.pb.h"
#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectdocumentwebpagereply3.pb.h"
#include "selectdocumentwebpagerequest3.pb.h"
#include "updatedocumentrequest3.pb.h"
#include "updatedocumentwebpagereply3.pb.h"
#include "updatedocumentwebpagerequest3.pb.h"

#include <QAction>
#include <QByteArray>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDockWidget>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStringDecoder>
#include <QToolBar>
#include <QToolButton>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

namespace {

const char* const WindowIconFileName = ":icons/32x32/document_text.png";
const char* const RevisionIconFileName = ":icons/32x32/revision.png";

// The window options and their defaults when nothing is stored.
const char* const StandardToolBarArea = "DocumentEditor/Options/StandardToolBarArea";
const char* const FormattingToolBarArea = "DocumentEditor/Options/FormattingToolBarArea";
const char* const IconToolBarArea = "DocumentEditor/Options/IconToolBarArea";
const char* const UrlAttachmentsDockWidgetArea = "DocumentEditor/Options/UrlAttachmentsDockWidgetArea";
const char* const RevisionHistoryDockWidgetArea = "DocumentEditor/Options/RevisionHistoryDockWidgetArea";
const char* const StandardToolBarDisplay = "DocumentEditor/Options/StandardToolBarDisplay";
const char* const FormattingToolBarDisplay = "DocumentEditor/Options/FormattingToolBarDisplay";
const char* const IconToolBarDisplay = "DocumentEditor/Options/IconToolBarDisplay";
const char* const UrlAttachmentsDockWidgetDisplay = "DocumentEditor/Options/UrlAttachmentsDockWidgetDisplay";
const char* const StandardToolBarBreak = "DocumentEditor/Options/StandardToolBarBreak";
const char* const FormattingToolBarBreak = "DocumentEditor/Options/FormattingToolBarBreak";
const char* const IconToolBarBreak = "DocumentEditor/Options/IconToolBarBreak";

Settings& Options()
{
    return *ACE_Singleton<Settings, ACE_Null_Mutex>::instance();
}

bool OptionFlag(const char* key, bool defaultValue)
{
    return Options().value(QString::fromLatin1(key), defaultValue).toBool();
}

int OptionArea(const char* key, int defaultValue)
{
    return Options().value(QString::fromLatin1(key), defaultValue).toInt();
}

// Left, right, top or bottom; any other stored value leaves its bar or dock
// out of the window.
bool IsArea(int area)
{
    return area == 1 || area == 2 || area == 4 || area == 8;
}

// The permissions of a descriptor, read as a key's.
class Permissions
{
public:
    explicit Permissions(const zarv::data::SecurityDescriptor& descriptor)
    {
        *m_key.mutable_document_key_security_descriptor() = descriptor;
    }

    bool has(DocumentKeyProxy::Permission bit) const { return DocumentKeyReader(m_key).permission(bit); }
    int sessionDuration() const { return DocumentKeyReader(m_key).sessionDuration(); }

private:
    zarv::data::DocumentKey m_key;
};

// The body as HTML: its bytes up to the first NUL, decoded as the HTML
// declares (byte-order mark or meta charset), as UTF-8 otherwise.
QString DecodeBody(const std::string& body)
{
    const QByteArray bytes(
        body.data(), static_cast<qsizetype>(body.find('\0') == std::string::npos ? body.size() : body.find('\0')));
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid()) {
        return QString::fromUtf8(bytes);
    }
    return decoder.decode(bytes);
}

bool Succeeded(const BusReply& bus, const zarv::data::UpdateDocumentReply& reply)
{
    return bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr && reply.return_code() != 0
           && reply.sql_diag_rec().sqlc() == 0;
}

QString Refused(long long code)
{
    return DocumentEditorView::tr("ServerRefusedChanges").arg(code);
}

}  // namespace

DocumentEditorView::DocumentEditorView(const zarv::data::Document& document, QWidget* parent)
    : TextEditorView<DocumentEditor>(parent)
    , m_document(document)
    , m_textDocument(new TextDocument(this))
    , m_urlDockWidget(new UrlDockWidget(this))
    , m_revisionHistoryDockWidget(new QDockWidget(this))
    , m_revisionHistoryListWidget(new QListWidget(m_revisionHistoryDockWidget))
    , m_sessionDuration(std::make_unique<SessionDuration>(this))
    , m_revisionTextDocument(new TextDocument(this))
{
    m_auditDocument = m_document;
    m_auditDocument.clear_document_body();

    m_optionsAction = m_toolsMenu->addAction(Linguist::tr("Options"));
    connect(m_optionsAction, &QAction::triggered, this, &DocumentEditorView::options);

    m_replyTable.add(common::UpdateDocument, ReplyTable::AnyMinor, this, &DocumentEditorView::documentUpdated,
                     ReplyTable::Takes::AllReplies);
    // The insert of a page has no reply message of its own: a server that
    // answers it does so in the layout of the other writes (diagnostic
    // record, return code), which the update's reply reads.
    m_replyTable.add<zarv::data::UpdateDocumentWebpageReply>(
        common::InsertDocumentWebpage, ReplyTable::AnyMinor, ReplyTable::Takes::AllReplies,
        [this](const BusReply& bus, const zarv::data::UpdateDocumentWebpageReply& reply) {
            // A server that sends nothing for an insert it made.
            const bool bare = bus.reply.empty();
            webpageChangeAnswered(bus, bare ? 1 : reply.return_code(), bare ? 0 : reply.sql_diag_rec().sqlc());
        });
    m_replyTable.add<zarv::data::UpdateDocumentWebpageReply>(
        common::UpdateDocumentWebpage, ReplyTable::AnyMinor, ReplyTable::Takes::AllReplies,
        [this](const BusReply& bus, const zarv::data::UpdateDocumentWebpageReply& reply) {
            webpageChangeAnswered(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
        });
    m_replyTable.add<zarv::data::DeleteDocumentWebpageReply>(
        common::DeleteDocumentWebpage, ReplyTable::AnyMinor, ReplyTable::Takes::AllReplies,
        [this](const BusReply& bus, const zarv::data::DeleteDocumentWebpageReply& reply) {
            webpageChangeAnswered(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
        });

    initializeWindow();
    initializeFileMenu();
    initializeEditMenu();
    initializeViewMenu();
    initializeTableMenu();
    initializeInsertMenu();
    initializeFormatMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    initializeFormattingToolBar();
    initializeIconToolBar();
    initializeDocumentEditor();
    initializeUrlAttachmentsDockWidget();
    initializeRevisionHistoryDockWidget();
    initializeRevisionTextSecurityDescriptor();
    updateOptions();
    setSecurity(m_document.has_document_security_descriptor() ? m_document.document_security_descriptor()
                                                              : zarv::data::SecurityDescriptor());
}

DocumentEditorView::~DocumentEditorView()
{
    // The base's destruction hides the docks: their show/hide actions must no
    // longer reach this part of the window.
    disconnect(m_urlDockWidget->toggleViewAction(), nullptr, this, nullptr);
    disconnect(m_revisionHistoryDockWidget->toggleViewAction(), nullptr, this, nullptr);
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void DocumentEditorView::initializeWindow()
{
    setCaption(false);
    setWindowIcon(QIcon(QString::fromLatin1(WindowIconFileName)));
    setCentralWidget(m_textEditor);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

void DocumentEditorView::setCaption(bool modified)
{
    const QString name = QString::fromStdString(m_document.document_name());
    setWindowCaption(modified ? name + QStringLiteral("*") : name,
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
}

void DocumentEditorView::initializeFileMenu()
{
    AbstractTextEditorView::initializeFileMenu();
    // The Save action's check state is no operation code: a save from the
    // menu or the tool bar always asks for the plain reply.
    connect(m_saveAction, &QAction::triggered, this, [this]() { saveDocument(0); });
    connect(m_exportToTextFileAction, &QAction::triggered, this, &DocumentEditorView::exportDocumentToTextFile);
    connect(m_exportToPdfFileAction, &QAction::triggered, this, &DocumentEditorView::exportDocumentToPdfFile);
    connect(m_printAction, &QAction::triggered, this, &DocumentEditorView::printDocument);
    connect(m_printPreviewAction, &QAction::triggered, this, &DocumentEditorView::printPreviewDocument);
    connect(this, &DocumentEditorView::exportToTextFile, m_textEditor, &AbstractTextReader::exportToTextFile);
    connect(this, &DocumentEditorView::exportToPdfFile, m_textEditor, &AbstractTextReader::exportToPdfFile);
    connect(this, &DocumentEditorView::print, m_textEditor, &AbstractTextReader::print);
    connect(this, &DocumentEditorView::printPreview, m_textEditor, &AbstractTextReader::printPreview);
    connect(m_textEditor, &AbstractTextReader::exportBytesToTextFile, this, &DocumentEditorView::exportBytesToTextFile);
    connect(m_textEditor, &AbstractTextReader::exportBytesToPdfFile, this, &DocumentEditorView::exportBytesToPdfFile);
    connect(m_textEditor, &AbstractTextReader::printBytes, this, &DocumentEditorView::printBytes);
}

void DocumentEditorView::initializeEditMenu()
{
    AbstractTextEditorView::initializeEditMenu();
    connect(m_cutAction, &QAction::triggered, this, &DocumentEditorView::cutDocumentToClipboard);
    connect(m_copyAction, &QAction::triggered, this, &DocumentEditorView::copyDocumentToClipboard);
    connect(m_pasteAction, &QAction::triggered, this, &DocumentEditorView::pasteDocumentFromClipboard);
    connect(this, &DocumentEditorView::cutToClipboard, m_textEditor, &AbstractTextEditor::cutToClipboard);
    connect(this, &DocumentEditorView::copyToClipboard, m_textEditor, &AbstractTextReader::copyToClipboard);
    connect(this, &DocumentEditorView::pasteFromClipboard, m_textEditor, &AbstractTextEditor::pasteFromClipboard);
    connect(m_textEditor, &AbstractTextEditor::cutBytesToClipboard, this, &DocumentEditorView::cutBytesToClipboard);
    connect(m_textEditor, &AbstractTextReader::copyBytesToClipboard, this, &DocumentEditorView::copyBytesToClipboard);
    connect(m_textEditor, &AbstractTextEditor::pasteBytesFromClipboard, this,
            &DocumentEditorView::pasteBytesFromClipboard);
}

void DocumentEditorView::initializeViewMenu()
{
    AbstractTextEditorView::initializeViewMenu();
    const struct
    {
        QAction* action;
        const char* statusTip;
    } entries[] = {
        {m_standardToolBar->toggleViewAction(), QT_TR_NOOP("ViewStandardToolBarStatusTip")},
        {m_formattingToolBar->toggleViewAction(), QT_TR_NOOP("ViewFormattingToolBarStatusTip")},
        {m_iconToolBar->toggleViewAction(), QT_TR_NOOP("ViewIconToolBarStatusTip")},
        {m_urlDockWidget->toggleViewAction(), QT_TR_NOOP("ViewUrlAttachmentsDockWidgetStatusTip")},
        {m_revisionHistoryDockWidget->toggleViewAction(), QT_TR_NOOP("ViewRevisionHistoryDockWidgetStatusTip")},
    };
    for (const auto& entry : entries) {
        entry.action->setStatusTip(tr(entry.statusTip));
        m_viewMenu->addAction(entry.action);
    }
}

void DocumentEditorView::initializeToolsMenu()
{
    AbstractTextEditorView::initializeToolsMenu();
    m_toolsMenu->insertSeparator(m_optionsAction);
}

void DocumentEditorView::initializeStandardToolBar()
{
    AbstractTextEditorView::initializeStandardToolBar();
}

void DocumentEditorView::initializeFormattingToolBar()
{
    AbstractTextEditorView::initializeFormattingToolBar();
}

void DocumentEditorView::initializeIconToolBar()
{
    AbstractTextEditorView::initializeIconToolBar();
}

void DocumentEditorView::initializeDocumentEditor()
{
    m_textEditor->setDocument(m_textDocument);
    m_textEditor->setHtml(DecodeBody(m_document.document_body()));
    m_textDocument->setModified(false);
    m_textEditor->setFocus();
    connect(m_textDocument, &QTextDocument::modificationChanged, this, &DocumentEditorView::modificationChanged);
}

void DocumentEditorView::initializeUrlAttachmentsDockWidget()
{
    const QString name = QString::fromStdString(m_document.document_name());
    m_urlDockWidget->setObjectName(QStringLiteral("UrlAttachments"));
    m_urlDockWidget->setWindowTitle(QStringLiteral("%1 %2 %3").arg(tr("UrlAttachments"), tr("for"), name));
    m_urlDockWidget->setAllowedAreas(Qt::BottomDockWidgetArea);
    m_urlDockWidget->setFeatures(QDockWidget::DockWidgetClosable);
    addDockWidget(Qt::BottomDockWidgetArea, m_urlDockWidget);

    connect(m_urlDockWidget->toggleViewAction(), &QAction::toggled, this, &DocumentEditorView::toggleUrlAttachments);
    connect(m_urlDockWidget, qOverload<const Url&>(&UrlDockWidget::loadUrl), this, &DocumentEditorView::loadUrl);
    connect(m_urlDockWidget, &UrlDockWidget::newUrl, this, &DocumentEditorView::newUrl);
    connect(m_urlDockWidget, qOverload<const Url&>(&UrlDockWidget::editUrl), this, &DocumentEditorView::editUrl);
    connect(m_urlDockWidget, qOverload<QListWidgetItem*>(&UrlDockWidget::removeUrl), this,
            &DocumentEditorView::removeUrl);
    connect(this, &DocumentEditorView::addUrl, m_urlDockWidget, qOverload<const Url&>(&UrlDockWidget::addUrl));
}

void DocumentEditorView::initializeRevisionHistoryDockWidget()
{
    const QString name = QString::fromStdString(m_document.document_name());
    m_revisionHistoryDockWidget->setObjectName(QStringLiteral("RevisionHistory"));
    m_revisionHistoryDockWidget->setWindowTitle(QStringLiteral("%1 %2 %3").arg(tr("RevisionHistory"), tr("for"), name));
    m_revisionHistoryDockWidget->setWidget(m_revisionHistoryListWidget);
    m_revisionHistoryDockWidget->setFeatures(QDockWidget::DockWidgetClosable);

    connect(m_revisionHistoryDockWidget->toggleViewAction(), &QAction::toggled, this,
            &DocumentEditorView::toggleRevisionHistory);
    connect(m_revisionHistoryListWidget, &QListWidget::itemClicked, this, &DocumentEditorView::revisionClicked);
}

void DocumentEditorView::initializeRevisionTextSecurityDescriptor()
{
    zarv::data::DocumentKey key;
    DocumentKeyWriter writer(key, DocumentKeyProxy::NoInitialization);
    writer.setPermission(DocumentKeyProxy::View, true);
    writer.setPermission(DocumentKeyProxy::Update, false);
    writer.setPermission(DocumentKeyProxy::CopyFromClipboard, false);
    writer.setPermission(DocumentKeyProxy::CopyToClipboard, true);
    writer.setPermission(DocumentKeyProxy::ExportToTextFile, false);
    writer.setPermission(DocumentKeyProxy::ExportToPdfFile, false);
    writer.setPermission(DocumentKeyProxy::Print, false);
    m_revisionTextSecurityDescriptor = key.document_key_security_descriptor();
}

void DocumentEditorView::updateOptions()
{
    const int standardArea = OptionArea(StandardToolBarArea, Qt::TopToolBarArea);
    const int formattingArea = OptionArea(FormattingToolBarArea, Qt::TopToolBarArea);
    const int iconArea = OptionArea(IconToolBarArea, Qt::TopToolBarArea);
    const int urlArea = OptionArea(UrlAttachmentsDockWidgetArea, Qt::BottomDockWidgetArea);
    const int revisionArea = OptionArea(RevisionHistoryDockWidgetArea, Qt::LeftDockWidgetArea);
    const bool standardDisplay = OptionFlag(StandardToolBarDisplay, true);
    const bool formattingDisplay = OptionFlag(FormattingToolBarDisplay, true);
    const bool iconDisplay = OptionFlag(IconToolBarDisplay, false);
    const bool urlDisplay = OptionFlag(UrlAttachmentsDockWidgetDisplay, false);
    const bool standardBreak = OptionFlag(StandardToolBarBreak, false);
    const bool formattingBreak = OptionFlag(FormattingToolBarBreak, true);
    const bool iconBreak = OptionFlag(IconToolBarBreak, false);

    for (QToolBar* toolBar : {m_standardToolBar, m_formattingToolBar, m_iconToolBar}) {
        removeToolBar(toolBar);
    }
    removeDockWidget(m_urlDockWidget);
    removeDockWidget(m_revisionHistoryDockWidget);

    const auto placeToolBar = [this](QToolBar* toolBar, int area, bool lineBreak) {
        if (!IsArea(area)) {
            return false;
        }
        addToolBar(static_cast<Qt::ToolBarArea>(area), toolBar);
        if (lineBreak) {
            addToolBarBreak(static_cast<Qt::ToolBarArea>(area));
        }
        return true;
    };
    m_standardToolBarPlaced = placeToolBar(m_standardToolBar, standardArea, standardBreak);
    m_formattingToolBarPlaced = placeToolBar(m_formattingToolBar, formattingArea, formattingBreak);
    m_iconToolBarPlaced = placeToolBar(m_iconToolBar, iconArea, iconBreak);

    m_urlDockWidgetPlaced = IsArea(urlArea);
    if (m_urlDockWidgetPlaced) {
        addDockWidget(static_cast<Qt::DockWidgetArea>(urlArea), m_urlDockWidget);
    }
    if (IsArea(revisionArea)) {
        addDockWidget(static_cast<Qt::DockWidgetArea>(revisionArea), m_revisionHistoryDockWidget);
    }

    m_standardToolBar->setVisible(m_standardToolBarPlaced && standardDisplay);
    m_formattingToolBar->setVisible(m_formattingToolBarPlaced && formattingDisplay);
    m_iconToolBar->setVisible(m_iconToolBarPlaced && iconDisplay);
    m_urlDockWidget->setVisible(m_urlDockWidgetPlaced && urlDisplay);
    m_revisionHistoryDockWidget->hide();
}

bool DocumentEditorView::isOwner() const
{
    const zarv::data::User& user = ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
    return user.user_id() == m_document.document_user_id();
}

void DocumentEditorView::setSecurity(const zarv::data::SecurityDescriptor& descriptor)
{
    const Permissions permissions(descriptor);
    if (permissions.has(DocumentKeyProxy::View)) {
        m_textEditor->show();
        if (permissions.has(DocumentKeyProxy::Update)) {
            m_textEditor->setTextInteractionFlags(Qt::TextEditorInteraction);
        } else {
            m_textEditor->setTextInteractionFlags(
                permissions.has(DocumentKeyProxy::CopyToClipboard) ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        }
    } else {
        m_textEditor->hide();
    }
    setToolBarsEnabled(false);
    enableToolBars(descriptor);
    setDockWidgetsEnabled(false);
    enableDockWidgets(descriptor);
    setActionsEnabled(false);
    enableActions(descriptor);
    m_sessionDuration->initializeStatus(static_cast<unsigned int>(std::max(permissions.sessionDuration(), 0)));
}

void DocumentEditorView::enableToolBars(const zarv::data::SecurityDescriptor& descriptor)
{
    const Permissions permissions(descriptor);
    if (!permissions.has(DocumentKeyProxy::View)) {
        return;
    }
    const auto enable = [](QToolBar* toolBar, bool placed, const char* displayKey, bool displayDefault) {
        toolBar->setEnabled(true);
        toolBar->setVisible(placed && OptionFlag(displayKey, displayDefault));
    };
    if (permissions.has(DocumentKeyProxy::Update)) {
        enable(m_standardToolBar, m_standardToolBarPlaced, StandardToolBarDisplay, true);
        enable(m_formattingToolBar, m_formattingToolBarPlaced, FormattingToolBarDisplay, true);
        enable(m_iconToolBar, m_iconToolBarPlaced, IconToolBarDisplay, false);
    } else if (permissions.has(DocumentKeyProxy::CopyFromClipboard)
               || permissions.has(DocumentKeyProxy::CopyToClipboard) || permissions.has(DocumentKeyProxy::Print)) {
        enable(m_standardToolBar, m_standardToolBarPlaced, StandardToolBarDisplay, true);
    }
}

void DocumentEditorView::enableDockWidgets(const zarv::data::SecurityDescriptor& descriptor)
{
    const bool owner = isOwner();
    m_revisionHistoryDockWidget->setEnabled(owner);
    m_revisionHistoryDockWidget->toggleViewAction()->setEnabled(owner);
    // Only the owner changes the web pages of the document.
    m_urlDockWidget->setReadOnly(!owner);
    m_urlDockWidget->setAcceptDrops(owner);

    const bool view = Permissions(descriptor).has(DocumentKeyProxy::View);
    m_urlDockWidget->setEnabled(view);
    m_urlDockWidget->toggleViewAction()->setEnabled(view);
    m_urlDockWidget->setVisible(view && m_urlDockWidgetPlaced && OptionFlag(UrlAttachmentsDockWidgetDisplay, false));
}

void DocumentEditorView::enableActions(const zarv::data::SecurityDescriptor& descriptor)
{
    m_optionsAction->setEnabled(isOwner());
    const Permissions permissions(descriptor);
    if (!permissions.has(DocumentKeyProxy::View)) {
        return;
    }
    const bool update = permissions.has(DocumentKeyProxy::Update);
    const bool copyOut = permissions.has(DocumentKeyProxy::CopyToClipboard);
    const bool print = permissions.has(DocumentKeyProxy::Print);

    m_findAction->setEnabled(true);
    m_selectAllAction->setEnabled(copyOut);
    m_copyAction->setEnabled(copyOut);
    m_exportToTextFileAction->setEnabled(permissions.has(DocumentKeyProxy::ExportToTextFile));
    m_exportToPdfFileAction->setEnabled(permissions.has(DocumentKeyProxy::ExportToPdfFile));
    m_printAction->setEnabled(print);
    m_printPreviewAction->setEnabled(print);
    m_cutAction->setEnabled(update && copyOut);
    m_pasteAction->setEnabled(update && permissions.has(DocumentKeyProxy::CopyFromClipboard));

    QList<QAction*> editing = {m_saveAction,
                               m_undoAction,
                               m_redoAction,
                               m_replaceAction,
                               m_insertHorizontalRulerAction,
                               m_insertPictureAction,
                               m_insertTableAction,
                               m_boldAction,
                               m_italicAction,
                               m_underlineAction,
                               m_alignLeftAction,
                               m_alignCenterAction,
                               m_alignRightAction,
                               m_alignJustifyAction,
                               m_noTextListAction,
                               m_checkSpellingAction};
    editing += QList<QAction*>(m_insertListActions.begin(), m_insertListActions.end());
    editing += QList<QAction*>(m_formatListActions.begin(), m_formatListActions.end());
    for (QAction* action : editing) {
        action->setEnabled(update);
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_fontNameComboBox, m_fontSizeComboBox, m_fontColorComboBox,
                                         m_iconGroupComboBox, m_iconSizeComboBox, m_iconSelectionToolButton}) {
        widget->setEnabled(update);
    }
    setIconMemoryToolButtonsEnabled(update);
}

void DocumentEditorView::setDockWidgetsEnabled(bool enabled)
{
    m_urlDockWidget->setEnabled(enabled);
    m_revisionHistoryDockWidget->setEnabled(enabled);
}

void DocumentEditorView::receiveEvent(const common::Evcode majorEvcode,
                                      const common::Evcode minorEvcode,
                                      const std::string& event)
{
    if (majorEvcode == common::ClockTicked) {
        QScopedValueRollback<bool> ending(m_sessionEnding, true);
        m_sessionDuration->timeoutEventHandler(minorEvcode, event);
    } else if (majorEvcode == common::DocumentEditorOptionsChanged && isOwner()) {
        updateOptions();
    }
}

void DocumentEditorView::options()
{
    DocumentEditorOptionsDialog dialog(nullptr);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (QMessageBox::question(this, windowTitle(), tr("ApplyUpdatedOptions?"), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No)
        == QMessageBox::Yes) {
        emit deliverRequest(common::ApplyDocumentEditorOptions, common::Untagged, std::string());
    }
}

void DocumentEditorView::modificationChanged(bool changed)
{
    setCaption(changed);
}

void DocumentEditorView::exportDocumentToTextFile()
{
    emit exportToTextFile(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::exportDocumentToPdfFile()
{
    emit exportToPdfFile(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::printDocument()
{
    emit print(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::printPreviewDocument()
{
    emit printPreview(QString::fromStdString(m_document.document_name()));
}

void DocumentEditorView::cutDocumentToClipboard()
{
    emit cutToClipboard();
}

void DocumentEditorView::copyDocumentToClipboard()
{
    emit copyToClipboard();
}

void DocumentEditorView::pasteDocumentFromClipboard()
{
    emit pasteFromClipboard();
}

namespace {

template <typename Request>
bool AuditPayload(const zarv::data::Document& document, unsigned int size, std::string& payload)
{
    Request request;
    *request.mutable_document() = document;
    request.set_size(static_cast<int>(size));
    return request.SerializeToString(&payload);
}

}  // namespace

void DocumentEditorView::sendAudit(common::Opcode majorOpcode, unsigned int size)
{
    std::string payload;
    bool serialised = false;
    switch (majorOpcode) {
    case common::LogEventExportDocumentToTextFile:
        serialised = AuditPayload<zarv::data::LogEventExportDocumentToTextFileRequest>(m_auditDocument, size, payload);
        break;
    case common::LogEventExportDocumentToPdfFile:
        serialised = AuditPayload<zarv::data::LogEventExportDocumentToPdfFileRequest>(m_auditDocument, size, payload);
        break;
    case common::LogEventPrintDocument:
        serialised = AuditPayload<zarv::data::LogEventPrintDocumentRequest>(m_auditDocument, size, payload);
        break;
    case common::LogEventCopyDocumentToClipboard:
        serialised = AuditPayload<zarv::data::LogEventCopyDocumentToClipboardRequest>(m_auditDocument, size, payload);
        break;
    case common::LogEventPasteDocumentFromClipboard:
        serialised =
            AuditPayload<zarv::data::LogEventPasteDocumentFromClipboardRequest>(m_auditDocument, size, payload);
        break;
    default:
        break;
    }
    if (serialised) {
        emit deliverRequest(majorOpcode, common::Untagged, payload);
    }
}

void DocumentEditorView::exportBytesToTextFile(unsigned int bytesOut)
{
    sendAudit(common::LogEventExportDocumentToTextFile, bytesOut);
}

void DocumentEditorView::exportBytesToPdfFile(unsigned int bytesOut)
{
    sendAudit(common::LogEventExportDocumentToPdfFile, bytesOut);
}

void DocumentEditorView::printBytes(unsigned int bytesOut)
{
    sendAudit(common::LogEventPrintDocument, bytesOut);
}

void DocumentEditorView::cutBytesToClipboard(unsigned int bytesOut)
{
    // A cut takes the text out as a copy does.
    sendAudit(common::LogEventCopyDocumentToClipboard, bytesOut);
}

void DocumentEditorView::copyBytesToClipboard(unsigned int bytesOut)
{
    sendAudit(common::LogEventCopyDocumentToClipboard, bytesOut);
}

void DocumentEditorView::pasteBytesFromClipboard(unsigned int bytesIn)
{
    sendAudit(common::LogEventPasteDocumentFromClipboard, bytesIn);
}

bool DocumentEditorView::saveDocument(common::Opcode minorOpcode)
{
    if (!m_textDocument->isModified()) {
        return true;
    }
    const QByteArray html = m_textDocument->toHtml().toUtf8();
    const long long size = html.size();
    if (size > MaximumBodyBytes) {
        const QString excess = QString::number(size - MaximumBodyBytes);
        QMessageBox box;
        box.setText(tr("DocumentContainsExcessCharacters").arg(excess));
        box.exec();
        return false;
    }
    // Only the body is the editor's: the name, folder and description may
    // have changed meanwhile, and a key's descriptor is not the document's.
    zarv::data::UpdateDocumentRequest request;
    zarv::data::Document& document = *request.mutable_document();
    document.set_document_id(m_document.document_id());
    document.set_document_body(html.toStdString());
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return false;
    }
    SaveOutcome outcome;
    {
        QScopedValueRollback<std::optional<SaveOutcome>> pending(m_pendingSave, SaveOutcome());
        emit deliverRequest(common::UpdateDocument, minorOpcode, payload);
        outcome = *m_pendingSave;
    }
    if (outcome.saved) {
        return true;
    }
    warnNotSaved(outcome.answered ? outcome.reason : Linguist::tr("NoReplyFromServer"));
    return false;
}

void DocumentEditorView::documentUpdated(const BusReply& bus, const zarv::data::UpdateDocumentReply& reply)
{
    zarv::data::UpdateDocumentRequest request;
    if (!request.ParseFromString(bus.request) || request.document().document_id() != m_document.document_id()) {
        return;
    }
    if (m_pendingSave) {
        m_pendingSave->answered = true;
        m_pendingSave->saved = Succeeded(bus, reply);
        if (m_pendingSave->saved) {
            setCaption(false);
            m_textDocument->setModified(false);
        } else if (bus.majorErcode == common::ServiceNoReplyEr) {
            m_pendingSave->reason = Linguist::tr("NoReplyFromServer");
        } else {
            m_pendingSave->reason =
                Refused(bus.majorErcode != common::NoEr ? bus.majorErcode : reply.sql_diag_rec().sqlc());
        }
        return;
    }
    // Another window's change of the same document: its name, description
    // and folder are followed; the body stays as the user edits it.
    if (!Succeeded(bus, reply)) {
        return;
    }
    const zarv::data::Document& changed = request.document();
    if (changed.has_document_name()) {
        m_document.set_document_name(changed.document_name());
    }
    if (changed.has_document_description()) {
        m_document.set_document_description(changed.document_description());
    }
    if (changed.has_document_folder_id()) {
        m_document.set_document_folder_id(changed.document_folder_id());
    }
    setCaption(m_textDocument->isModified());
}

void DocumentEditorView::reportFailedReply(common::Opcode majorOpcode,
                                           common::Opcode minorOpcode,
                                           const ReplyFailure& failure)
{
    if (m_pendingWebpageChange && majorOpcode == m_pendingWebpageChange->majorOpcode) {
        m_pendingWebpageChange->reason = ServerFailureText(failure.majorErcode, failure.minorErcode);
        return;
    }
    if (m_pendingSave && majorOpcode == common::UpdateDocument) {
        m_pendingSave->answered = true;
        m_pendingSave->reason = failure.majorErcode == common::ServiceNoReplyEr ? Linguist::tr("NoReplyFromServer")
                                                                                : Refused(failure.majorErcode);
        return;
    }
    AbstractTextEditorView::reportFailedReply(majorOpcode, minorOpcode, failure);
}

void DocumentEditorView::warnNotSaved(const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    tr("ChangesNotSaved").arg(QString::fromStdString(m_document.document_name())), QMessageBox::Ok,
                    this);
    box.setInformativeText(reason);
    box.exec();
}

void DocumentEditorView::closeEvent(QCloseEvent* event)
{
    // A close that arrives while the question is open (a tick, the manager)
    // waits for the user's answer.
    if (m_closeQuestionOpen) {
        event->ignore();
        return;
    }
    if (!m_textDocument->isModified() || mayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool DocumentEditorView::mayClose()
{
    QScopedValueRollback<bool> open(m_closeQuestionOpen, true);
    const bool sessionOver = m_sessionEnding;
    const QString text =
        QStringLiteral("%1 %2%3").arg(tr("DoYouWantToSaveChangesYouMadeTo"),
                                      QString::fromStdString(m_document.document_name()), Linguist::tr("QuestionMark"));
    const QMessageBox::StandardButtons buttons = sessionOver
                                                     ? QMessageBox::Save | QMessageBox::Discard
                                                     : QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    for (;;) {
        QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), text, buttons, this);
        box.setDefaultButton(QMessageBox::Save);
        const int answer = box.exec();
        if (answer == QMessageBox::Save) {
            if (saveDocument(common::CloseDocumentEditorView)) {
                return true;
            }
        } else if (answer == QMessageBox::Discard) {
            return true;
        }
        // The key's session is over: the text is saved or discarded, never kept.
        if (!sessionOver) {
            return false;
        }
    }
}

int DocumentEditorView::documentId() const
{
    return m_document.document_id();
}

void DocumentEditorView::toggleRevisionHistory(bool checked)
{
    if (checked) {
        m_revisionShown = true;
        setSecurity(m_revisionTextSecurityDescriptor);
        // The body keeps its text and its modified flag meanwhile; saving and
        // the close question go on looking at it.
        m_textEditor->setDocument(m_revisionTextDocument);
        m_revisionHistoryDockWidget->activateWindow();
        m_revisionHistoryDockWidget->raise();

        zarv::data::SelectDocumentRequest request;
        request.set_document_id(documentId());
        request.mutable_sys_period()->set_from(DbTimestamp::m_MinTimestamp);
        request.mutable_sys_period()->set_to(DbTimestamp::m_MaxTimestamp);
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            return;
        }
        ServerCall call(common::SelectDocument, common::RevisionHistory);
        if (call.send(payload) && call.succeeded()) {
            selectDocumentRevisionsHandler(call.reply());
        } else {
            statusBar()->showMessage(ServerFailureText(call));
        }
        return;
    }
    if (!m_revisionShown) {
        return;
    }
    m_revisionShown = false;
    m_textEditor->setDocument(m_textDocument);
    setSecurity(m_document.has_document_security_descriptor() ? m_document.document_security_descriptor()
                                                              : zarv::data::SecurityDescriptor());
    m_revisionHistoryListWidget->clear();
    m_revisionTextDocument->clear();
}

void DocumentEditorView::selectDocumentRevisionsHandler(const std::string& reply)
{
    // The answer to this window's own round trip: taken whether or not the
    // window is active.
    zarv::data::SelectDocumentReply revisions;
    if (!revisions.ParseFromString(reply)) {
        return;
    }
    const QIcon icon(QString::fromLatin1(RevisionIconFileName));
    for (const zarv::data::Document& revision : revisions.document()) {
        const std::string& from = revision.sys_period().from();
        const DbTimestamp start(from);
        if (!start.isValid()) {
            continue;
        }
        std::string local;
        try {
            local = start.toLocalDbString(nullptr);
        } catch (const std::out_of_range&) {
            // Before 1970 the C library cannot convert to local time.
            continue;
        }
        auto* item = new QListWidgetItem(icon, QStringLiteral("%1 %2 %3")
                                                   .arg(QString::fromStdString(revision.document_name()), tr("revised"),
                                                        QString::fromStdString(local)));
        item->setData(Qt::UserRole, QString::fromStdString(from));
        m_revisionHistoryListWidget->addItem(item);
    }
    if (m_revisionHistoryListWidget->count() > 0) {
        m_revisionHistoryListWidget->scrollToTop();
    }
}

void DocumentEditorView::revisionClicked(QListWidgetItem* listWidgetItem)
{
    if (!listWidgetItem) {
        return;
    }
    const std::string start = listWidgetItem->data(Qt::UserRole).toString().toStdString();
    zarv::data::SelectDocumentRequest request;
    request.set_document_id(documentId());
    request.mutable_sys_period()->set_from(start);
    request.mutable_sys_period()->set_to(start);
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return;
    }
    ServerCall call(common::SelectDocument, common::ShowRevision);
    if (call.send(payload) && call.succeeded()) {
        displayDocumentRevisionHandler(call.reply());
    } else {
        statusBar()->showMessage(ServerFailureText(call));
    }
}

void DocumentEditorView::displayDocumentRevisionHandler(const std::string& reply)
{
    m_revisionTextDocument->clear();
    zarv::data::SelectDocumentReply revision;
    if (revision.ParseFromString(reply) && revision.document_size() == 1) {
        m_revisionTextDocument->setHtml(DecodeBody(revision.document(0).document_body()));
    }
}

void DocumentEditorView::toggleUrlAttachments(bool checked)
{
    if (!checked) {
        return;
    }
    zarv::data::SelectDocumentWebpageRequest request;
    request.set_document_webpage_document_id(documentId());
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return;
    }
    ServerCall call(common::SelectDocumentWebpage, common::Untagged);
    if (call.send(payload) && call.succeeded()) {
        selectDocumentUrlsHandler(call.reply());
    } else {
        statusBar()->showMessage(ServerFailureText(call));
    }
}

void DocumentEditorView::selectDocumentUrlsHandler(const std::string& reply)
{
    zarv::data::SelectDocumentWebpageReply pages;
    if (!pages.ParseFromString(reply)) {
        return;
    }
    m_heldWebpages.clear();
    for (const zarv::data::DocumentWebpage& page : pages.document_webpage()) {
        Url url(QString::fromStdString(page.document_webpage_url()));
        if (!url.isSecure()) {
            continue;
        }
        url.setDocumentId(DbId(page.document_webpage_document_id()));
        url.setDescription(QString::fromStdString(page.document_webpage_description()));
        m_heldWebpages.insert(url.toString(), url.getDescription());
        emit addUrl(url);
    }
}

void DocumentEditorView::showHeldWebpages()
{
    m_urlDockWidget->urlListWidget()->clear();
    m_urlDockWidget->descriptionLabel()->setText(QStringLiteral(" "));
    for (auto page = m_heldWebpages.cbegin(); page != m_heldWebpages.cend(); ++page) {
        Url url(page.key());
        url.setDocumentId(DbId(documentId()));
        url.setDescription(page.value());
        emit addUrl(url);
    }
}

void DocumentEditorView::loadUrl(const Url& url)
{
    if (url.isSecure()) {
        QDesktopServices::openUrl(url);
    }
}

void DocumentEditorView::newUrl(const Url& url)
{
    if (!url.isSecure()) {
        return;
    }
    const std::string text(url);
    zarv::data::InsertDocumentWebpageRequest request;
    zarv::data::DocumentWebpage& page = *request.mutable_document_webpage();
    page.set_document_webpage_document_id(documentId());
    page.set_document_webpage_url(text);
    page.set_document_webpage_url_hash(HashUrl(text));
    page.set_document_webpage_description(url.getDescription().toStdString());
    page.set_document_webpage_properties(0);
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        showHeldWebpages();
        return;
    }
    if (sendWebpageChange(common::InsertDocumentWebpage, payload, QT_TR_NOOP("WebpageNotAdded"), url)) {
        m_heldWebpages.insert(url.toString(), url.getDescription());
    }
}

void DocumentEditorView::editUrl(const Url& url)
{
    if (url.isEmpty()) {
        return;
    }
    zarv::data::UpdateDocumentWebpageRequest request;
    zarv::data::DocumentWebpage& page = *request.mutable_document_webpage();
    page.set_document_webpage_document_id(documentId());
    page.set_document_webpage_url_hash(HashUrl(std::string(url)));
    page.set_document_webpage_description(url.getDescription().toStdString());
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        showHeldWebpages();
        return;
    }
    if (sendWebpageChange(common::UpdateDocumentWebpage, payload, QT_TR_NOOP("WebpageNotChanged"), url)) {
        m_heldWebpages.insert(url.toString(), url.getDescription());
    }
}

void DocumentEditorView::removeUrl(QListWidgetItem* item)
{
    if (!item) {
        return;
    }
    const Url url(item->text());
    if (url.isEmpty()) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), tr("DeleteWebpageConfirmationWindowTitle"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setInformativeText(tr("DeleteWebpageConfirmation").arg(url.toDisplayString()));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok) {
        return;
    }
    zarv::data::DeleteDocumentWebpageRequest request;
    request.set_document_webpage_document_id(documentId());
    request.set_document_webpage_user_id(ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id());
    request.set_document_webpage_url_hash(HashUrl(std::string(url)));
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return;
    }
    if (sendWebpageChange(common::DeleteDocumentWebpage, payload, QT_TR_NOOP("WebpageNotRemoved"), url)) {
        m_heldWebpages.remove(url.toString());
        delete item;
    }
}

bool DocumentEditorView::sendWebpageChange(common::Opcode majorOpcode,
                                           const std::string& payload,
                                           const char* notDoneText,
                                           const Url& url)
{
    WebpageChange outcome{majorOpcode, false, QString()};
    {
        QScopedValueRollback<std::optional<WebpageChange>> pending(m_pendingWebpageChange,
                                                                   WebpageChange{majorOpcode, false, QString()});
        emit deliverRequest(majorOpcode, common::Untagged, payload);
        outcome = *m_pendingWebpageChange;
    }
    if (outcome.done) {
        return true;
    }
    // The list goes back to what the server holds.
    showHeldWebpages();
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    tr(notDoneText).arg(url.toDisplayString()), QMessageBox::Ok, this);
    box.setInformativeText(outcome.reason.isEmpty() ? Linguist::tr("NoReplyFromServer") : outcome.reason);
    box.exec();
    return false;
}

void DocumentEditorView::webpageChangeAnswered(const BusReply& bus, int returnCode, int sqlc)
{
    if (!m_pendingWebpageChange || m_pendingWebpageChange->majorOpcode != bus.majorOpcode) {
        return;
    }
    const bool codesClear = bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr;
    m_pendingWebpageChange->done = codesClear && returnCode != 0 && sqlc == 0;
    if (!m_pendingWebpageChange->done) {
        m_pendingWebpageChange->reason =
            codesClear ? ServerFailureText(common::NoEr, sqlc) : ServerFailureText(bus.majorErcode, bus.minorErcode);
    }
}
