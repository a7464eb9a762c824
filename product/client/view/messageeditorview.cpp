#include "product/client/view/messageeditorview.h"

#include "library/common/clock.h"
#include "library/core/lib/registry.h"
#include "library/database/lib/dbid.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/linguist.h"
#include "library/gui/recorditems.h"
#include "library/gui/replytable.h"
#include "library/gui/resourceicon.h"
#include "library/gui/selectrecordsdialogs.h"
#include "library/gui/servercall.h"
#include "library/gui/serverfailuretext.h"
#include "library/gui/settings.h"
#include "library/gui/textdocument.h"
#include "library/gui/textreader.h"
#include "library/gui/utils.h"
#include "library/gui/waitcursor.h"
#include "library/network/messagedispatcher.h"
#include "product/client/view/keywizards.h"

#include "deletemessagedocumentreply3.pb.h"
#include "deletemessagedocumentrequest3.pb.h"
#include "deletemessagereply3.pb.h"
#include "deletemessagerequest3.pb.h"
#include "deletemessageuserreply3.pb.h"
#include "deletemessageuserrequest3.pb.h"
#include "document3.pb.h"
#include "documents3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "insertmessagedocumentreply3.pb.h"
#include "insertmessagedocumentrequest3.pb.h"
#include "insertmessageuserreply3.pb.h"
#include "insertmessageuserrequest3.pb.h"
#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "logeventexportmessagetopdffilerequest3.pb.h"
#include "logeventexportmessagetotextfilerequest3.pb.h"
#include "logeventpastemessagefromclipboardrequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"
#include "selectmessagereply3.pb.h"
#include "selectmessagerequest3.pb.h"
#include "selectmessageuserreply3.pb.h"
#include "selectmessageuserrequest3.pb.h"
#include "updatemessagereply3.pb.h"
#include "updatemessagerequest3.pb.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStringDecoder>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

constexpr const char* Context = "MessageEditorView";
constexpr int DeleteWarningTimeout = 4000;
// SQLSTATE 23504, which some servers give for a message that another answers.
const std::string ChainedMessageState = "23504";

const QString WindowIcon = QStringLiteral(":icons/32x32/message-edit.png");
const QString KeysIcon = QStringLiteral(":icons/32x32/key.png");

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Tr(const char* id)
{
    return QCoreApplication::translate(Context, id);
}

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

std::string UtcNow()
{
    return DbTimestamp(common::Clock::universalTime()).toDbString();
}

QPushButton* NewButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(Tr(text), parent);
    button->setObjectName(QString::fromLatin1(text));
    return button;
}

QLineEdit* NewLineEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QToolButton* NewToolButton(const char* icon, const char* toolTip, const char* name)
{
    auto* button = new QToolButton;
    button->setIcon(ResourceIcon(QString::fromLatin1(icon)));
    button->setToolTip(Tr(toolTip));
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The body as HTML, decoded as the HTML declares, as UTF-8 otherwise.
QString DecodeBody(const std::string& body)
{
    const QByteArray bytes(body.data(), static_cast<qsizetype>(body.size()));
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid()) {
        return QString::fromUtf8(bytes);
    }
    return decoder.decode(bytes);
}

int DocumentIdOf(const QListWidgetItem* item)
{
    return item->data(recorditems::DocumentRole).value<zarv::data::Document>().document_id();
}

std::vector<zarv::data::User> Sorted(const zarv::data::Users& users)
{
    std::vector<zarv::data::User> sorted(users.user().begin(), users.user().end());
    std::stable_sort(sorted.begin(), sorted.end(), messageeditorview::UserLessOperatorClass());
    return sorted;
}

// `from` less the users of `less`, both sorted.
std::vector<zarv::data::User> Difference(const std::vector<zarv::data::User>& from,
                                         const std::vector<zarv::data::User>& less)
{
    std::vector<zarv::data::User> result;
    std::set_difference(from.begin(), from.end(), less.begin(), less.end(), std::back_inserter(result),
                        messageeditorview::UserLessOperatorClass());
    return result;
}

}  // namespace

namespace messageeditorview {

bool UserLessOperatorClass::operator()(const zarv::data::User& a, const zarv::data::User& b) const
{
    return b.has_user_id() && (!a.has_user_id() || a.user_id() < b.user_id());
}

zarv::data::Users GetMessageUsersWithoutDocumentKeyForDocument(int messageId, int documentId)
{
    zarv::data::SelectMessageUserRequest recipientsRequest;
    recipientsRequest.set_message_user_message_id(messageId);
    const auto recipients =
        ServerCall(common::SelectMessageUser).call<zarv::data::SelectMessageUserReply>(recipientsRequest);

    zarv::data::SelectDocumentKeyRequest keysRequest;
    keysRequest.set_document_key_document_id(documentId);
    const auto keys = ServerCall(common::SelectDocumentKey).call<zarv::data::SelectDocumentKeyReply>(keysRequest);

    std::set<int> holders;
    if (keys) {
        for (const zarv::data::DocumentKey& key : keys->document_key()) {
            holders.insert(key.document_key_user().user_id());
        }
    }
    zarv::data::Users lacking;
    if (recipients) {
        for (const zarv::data::Message& row : recipients->message()) {
            if (holders.count(row.message_recipient().user_id()) == 0) {
                *lacking.add_user() = row.message_recipient();
            }
        }
    }
    return lacking;
}

}  // namespace messageeditorview

MessageEditorView* MessageEditorView::m_activeView = nullptr;

MessageEditorView::MessageEditorView(const zarv::data::Message& message, QWidget* parent)
    : TextEditorView<MessageEditor>(parent)
    , m_message(message)
    , m_attachMenu(m_fileMenu->addMenu(Tr("Attach")))
    , m_attachDocumentAction(m_attachMenu->addAction(ResourceIcon(QStringLiteral(":icons/32x32/document-create.png")),
                                                     Tr("AttachDocument")))
    , m_verifyDocumentKeysAction(m_toolsMenu->addAction(ResourceIcon(KeysIcon), Tr("VerifyDocumentKeys")))
    , m_addresseeToolBar(new QToolBar(this))
    , m_sendPushButton(NewButton("Send", m_addresseeToolBar))
    , m_discardPushButton(NewButton("Discard", m_addresseeToolBar))
    , m_toPushButton(NewButton("To", m_addresseeToolBar))
    , m_toLineEdit(NewLineEdit("to", m_addresseeToolBar))
    , m_ccPushButton(NewButton("Cc", m_addresseeToolBar))
    , m_ccLineEdit(NewLineEdit("cc", m_addresseeToolBar))
    , m_bccPushButton(NewButton("Bcc", m_addresseeToolBar))
    , m_bccLineEdit(NewLineEdit("bcc", m_addresseeToolBar))
    , m_subjectPushButton(NewButton("Subject", m_addresseeToolBar))
    , m_subjectLineEdit(NewLineEdit("subject", m_addresseeToolBar))
    , m_documentsListWidget(new QListWidget(m_addresseeToolBar))
    , m_attachDocumentToolButton(NewToolButton(":icons/32x32/add.png", "AddDocument", "addDocument"))
    , m_detachDocumentToolButton(NewToolButton(":icons/32x32/remove.png", "RemoveDocument", "removeDocument"))
    , m_verifyDocumentKeysToolButton(NewToolButton(":icons/32x32/key.png", "VerifyDocuments", "verifyDocuments"))
    , m_textDocument(new TextDocument(this))
{
    m_documentsListWidget->setObjectName(QStringLiteral("documents"));
    m_attachDocumentAction->setObjectName(QStringLiteral("attachDocument"));
    m_verifyDocumentKeysAction->setObjectName(QStringLiteral("verifyDocumentKeys"));
    connect(m_attachDocumentAction, &QAction::triggered, this, &MessageEditorView::attachDocument);
    connect(m_verifyDocumentKeysAction, &QAction::triggered, this, [this]() { verifyDocumentKeys(0); });

    using Takes = ReplyTable::Takes;
    m_replyTable.add(common::UpdateMessage, ReplyTable::AnyMinor, this, &MessageEditorView::handleUpdateMessage,
                     Takes::AllReplies);
    m_replyTable.add(common::DeleteMessageDocument, ReplyTable::AnyMinor, this,
                     &MessageEditorView::handleDeleteMessageDocument, Takes::AllReplies);
    m_replyTable.add(common::DeleteMessage, ReplyTable::AnyMinor, this, &MessageEditorView::handleDeleteMessage,
                     Takes::AllReplies);
    m_replyTable.add<zarv::data::InsertMessageUserReply>(
        common::InsertMessageUser, ReplyTable::AnyMinor, Takes::AllReplies,
        [this](const BusReply& bus, const auto& reply) {
            followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
        });
    m_replyTable.add<zarv::data::DeleteMessageUserReply>(
        common::DeleteMessageUser, ReplyTable::AnyMinor, Takes::AllReplies,
        [this](const BusReply& bus, const auto& reply) {
            followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
        });
    m_replyTable.add<zarv::data::InsertMessageDocumentReply>(
        common::InsertMessageDocument, ReplyTable::AnyMinor, Takes::AllReplies,
        [this](const BusReply& bus, const auto& reply) {
            followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
        });
    m_replyTable.add<zarv::data::InsertDocumentKeyReply>(
        common::InsertDocumentKey, ReplyTable::AnyMinor, Takes::AllReplies,
        [this](const BusReply& bus, const auto& reply) {
            followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
        });

    connectSignals();
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
    initializeAddresseeToolBar();
    initializeMessageEditor();
    initializeDocumentsListWidget();
    initializeMessageReader();
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

MessageEditorView::~MessageEditorView()
{
    setActiveView(false);
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void MessageEditorView::setActiveView(bool active)
{
    if (active) {
        m_activeView = this;
    } else if (m_activeView == this) {
        m_activeView = nullptr;
    }
}

bool MessageEditorView::isActiveView() const
{
    return m_activeView == this;
}

// Construction

void MessageEditorView::connectSignals()
{
    TextReader* reader = chainReader();
    for (QLineEdit* edit : {m_toLineEdit, m_ccLineEdit, m_bccLineEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &MessageEditorView::addressLineEditTextChanged);
    }
    connect(m_documentsListWidget, &QListWidget::itemDoubleClicked, this, &MessageEditorView::openDocument);
    // What leaves the reader pane by any way follows the Copy action.
    reader->setCopyAction(m_copyAction);
    reader->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(reader, &QWidget::customContextMenuRequested, this, &MessageEditorView::messageReaderContextMenuEvent);

    if (m_message.message_parent_id() != DbId::m_NullId) {
        for (QCheckBox* box : {m_filterCopiedToClipboardCheckBox, m_filterExportedToTextFileCheckBox,
                               m_filterExportedToPdfFileCheckBox, m_filterPrintedCheckBox}) {
            connect(box, &QCheckBox::stateChanged, this, &MessageEditorView::filterStateChanged);
        }
        connect(m_filterCopiedToClipboardCheckBox, &QCheckBox::stateChanged, this,
                &MessageEditorView::filterEditCopyStateChanged);
        connect(m_filterExportedToTextFileCheckBox, &QCheckBox::stateChanged, this,
                &MessageEditorView::filterExportToTextFileStateChanged);
        connect(m_filterExportedToPdfFileCheckBox, &QCheckBox::stateChanged, this,
                &MessageEditorView::filterExportToPdfFileStateChanged);
        connect(m_filterPrintedCheckBox, &QCheckBox::stateChanged, this, &MessageEditorView::filterPrintStateChanged);
        connect(m_textEditor, &AbstractTextReader::focusIn, this, &MessageEditorView::focusInTextEditor);
        connect(reader, &AbstractTextReader::focusIn, this, &MessageEditorView::focusInMessageReader);
    }

    connect(m_saveAction, &QAction::triggered, this, &MessageEditorView::saveMessage);
    connect(m_exportToTextFileAction, &QAction::triggered, this, &MessageEditorView::exportMessageToTextFile);
    connect(m_exportToPdfFileAction, &QAction::triggered, this, &MessageEditorView::exportMessageToPdfFile);
    connect(m_printAction, &QAction::triggered, this, &MessageEditorView::printMessage);
    connect(m_printPreviewAction, &QAction::triggered, this, &MessageEditorView::printPreviewMessage);

    for (AbstractTextReader* pane :
         {static_cast<AbstractTextReader*>(m_textEditor), static_cast<AbstractTextReader*>(reader)}) {
        connect(pane, &AbstractTextReader::exportBytesToTextFile, this, &MessageEditorView::exportBytesToTextFile);
        connect(pane, &AbstractTextReader::exportBytesToPdfFile, this, &MessageEditorView::exportBytesToPdfFile);
        connect(pane, &AbstractTextReader::printBytes, this, &MessageEditorView::printBytes);
    }

    connect(m_cutAction, &QAction::triggered, this, &MessageEditorView::cutMessageToClipboard);
    connect(m_copyAction, &QAction::triggered, this, &MessageEditorView::copyMessageToClipboard);
    connect(m_pasteAction, &QAction::triggered, this, &MessageEditorView::pasteMessageFromClipboard);
    connect(m_textEditor, &AbstractTextEditor::cutBytesToClipboard, this, &MessageEditorView::cutBytesToClipboard);
    connect(m_textEditor, &AbstractTextReader::copyBytesToClipboard, this, &MessageEditorView::copyBytesToClipboard);
    connect(m_textEditor, &AbstractTextEditor::pasteBytesFromClipboard, this,
            &MessageEditorView::pasteBytesFromClipboard);
    connect(reader, &AbstractTextReader::copyBytesToClipboard, this, &MessageEditorView::copyBytesToClipboard);

    connect(m_sendPushButton, &QPushButton::clicked, this, &MessageEditorView::send);
    connect(m_discardPushButton, &QPushButton::clicked, this, &MessageEditorView::discard);
    connect(m_toPushButton, &QPushButton::clicked, this, &MessageEditorView::addUsersTo);
    connect(m_ccPushButton, &QPushButton::clicked, this, &MessageEditorView::addUsersCc);
    connect(m_bccPushButton, &QPushButton::clicked, this, &MessageEditorView::addUsersBcc);
    connect(m_subjectPushButton, &QPushButton::clicked, this, &MessageEditorView::editSubject);
    connect(m_attachDocumentToolButton, &QToolButton::clicked, this, &MessageEditorView::attachDocument);
    connect(m_detachDocumentToolButton, &QToolButton::clicked, this, &MessageEditorView::detachDocument);
    connect(m_verifyDocumentKeysToolButton, &QToolButton::clicked, this, [this]() { verifyDocumentKeys(0); });
}

void MessageEditorView::initializeWindow()
{
    modificationChanged(false);
    setWindowIcon(ResourceIcon(WindowIcon));

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filterContentsLabel);
    filterRow->addWidget(m_filterCopiedToClipboardCheckBox);
    filterRow->addWidget(m_filterExportedToTextFileCheckBox);
    filterRow->addWidget(m_filterExportedToPdfFileCheckBox);
    filterRow->addWidget(m_filterPrintedCheckBox);
    filterRow->addStretch();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_textEditor);
    layout->addWidget(chainReader());
    layout->addLayout(filterRow);
    setCentralWidget(central);

    const struct
    {
        QLineEdit* edit;
        zarv::data::Message_ufield field;
    } fields[] = {{m_toLineEdit, zarv::data::Message::TO},
                  {m_ccLineEdit, zarv::data::Message::CC},
                  {m_bccLineEdit, zarv::data::Message::BCC}};
    for (const auto& entry : fields) {
        entry.edit->setReadOnly(true);
        entry.edit->setText(FormatUserNames(SelectMessageUsers(m_message, entry.field, ExcludeNoUser)));
    }
    m_subjectLineEdit->setReadOnly(true);
    m_subjectLineEdit->setText(FromUtf8(m_message.message_subject()));
    addressLineEditTextChanged(QString());
    focusInTextEditor(nullptr);
}

void MessageEditorView::initializeFileMenu()
{
    AbstractTextEditorView::initializeFileMenu();
    m_fileMenu->removeAction(m_attachMenu->menuAction());
    m_fileMenu->insertMenu(m_saveAction, m_attachMenu);
    m_fileMenu->insertSeparator(m_saveAction);
}

void MessageEditorView::initializeEditMenu()
{
    AbstractTextEditorView::initializeEditMenu();
}

void MessageEditorView::initializeViewMenu()
{
    AbstractTextEditorView::initializeViewMenu();
    m_viewMenuAction->setVisible(false);
}

void MessageEditorView::initializeToolsMenu()
{
    AbstractTextEditorView::initializeToolsMenu();
    m_toolsMenu->insertSeparator(m_verifyDocumentKeysAction);
}

void MessageEditorView::initializeAddresseeToolBar()
{
    m_sendPushButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    QSizePolicy listPolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    listPolicy.setHeightForWidth(true);
    m_documentsListWidget->setSizePolicy(listPolicy);
    m_documentsListWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_documentsListWidget->setSortingEnabled(true);

    auto* sendColumn = new QVBoxLayout;
    sendColumn->addWidget(m_sendPushButton);
    sendColumn->addWidget(m_discardPushButton);

    auto* grid = new QGridLayout;
    const std::pair<QPushButton*, QLineEdit*> rows[] = {{m_toPushButton, m_toLineEdit},
                                                        {m_ccPushButton, m_ccLineEdit},
                                                        {m_bccPushButton, m_bccLineEdit},
                                                        {m_subjectPushButton, m_subjectLineEdit}};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(rows[row].first, row, 1);
        grid->addWidget(rows[row].second, row, 2);
    }

    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addStretch();
    buttonColumn->addWidget(m_attachDocumentToolButton);
    buttonColumn->addStretch();
    buttonColumn->addWidget(m_detachDocumentToolButton);
    buttonColumn->addStretch();
    buttonColumn->addStretch();
    buttonColumn->addWidget(m_verifyDocumentKeysToolButton);
    buttonColumn->addStretch();

    auto* container = new QWidget(m_addresseeToolBar);
    auto* row = new QHBoxLayout(container);
    row->addLayout(sendColumn);
    row->addLayout(grid);
    row->addWidget(m_documentsListWidget);
    row->addLayout(buttonColumn);

    m_addresseeToolBar->setObjectName(QStringLiteral("AddresseeToolBar"));
    m_addresseeToolBar->setWindowTitle(Tr("AddresseeToolbar"));
    m_addresseeToolBar->setMovable(false);
    m_addresseeToolBar->setFloatable(false);
    m_addresseeToolBar->addWidget(container);
    insertToolBar(m_standardToolBar, m_addresseeToolBar);
    insertToolBarBreak(m_standardToolBar);
}

void MessageEditorView::initializeMessageEditor()
{
    m_textEditor->setDocument(m_textDocument);
    connect(m_textDocument, &QTextDocument::modificationChanged, this, &MessageEditorView::modificationChanged);
    m_textDocument->setHtml(DecodeBody(m_message.message_body()));
    m_textDocument->setModified(false);
    m_textEditor->setFocus(Qt::OtherFocusReason);
    modificationChanged(false);
}

void MessageEditorView::initializeDocumentsListWidget()
{
    zarv::data::SelectMessageDocumentRequest request;
    request.set_message_document_message_id(m_message.message_id());
    const auto reply = ServerCall(common::SelectMessageDocument).call<zarv::data::SelectMessageDocumentReply>(request);
    if (!reply) {
        return;
    }
    for (const zarv::data::MessageDocument& attachment : reply->message_document()) {
        m_documentsListWidget->addItem(recorditems::NewDocumentItem(attachment.message_document_document()));
    }
}

void MessageEditorView::initializeMessageReader()
{
    if (m_message.has_message_parent_chain_cache()) {
        chainReader()->clear();
        chainReader()->setHtml(FromUtf8(m_message.message_parent_chain_cache()));
        m_message.clear_message_parent_chain_cache();
        return;
    }
    displayMessageParentChain();
}

void MessageEditorView::displayMessageParentChain()
{
    if (!m_message.has_message_parent_id() || !m_message.has_message_parent_relation()
        || m_message.message_parent_relation() == zarv::data::Message::PARENT_RELATION_NONE) {
        return;
    }
    zarv::data::SelectMessageRequest request;
    request.set_message_id(m_message.message_parent_id());
    const auto reply = ServerCall(common::SelectMessage).call<zarv::data::SelectMessageReply>(request);
    if (!reply || reply->message_size() != 1) {
        return;
    }
    displayFilteredMessageChain(reply->message(0));
}

// Caption and Send

void MessageEditorView::modificationChanged(bool changed)
{
    const QString title =
        QStringLiteral("%1%2").arg(FromUtf8(m_message.message_subject()), changed ? QStringLiteral("*") : QString());
    setWindowCaption(title, QString::fromStdString(MessageDispatcher::getServerName()), QString());
}

void MessageEditorView::addressLineEditTextChanged(const QString&)
{
    m_sendPushButton->setEnabled(!m_toLineEdit->text().isEmpty() || !m_ccLineEdit->text().isEmpty()
                                 || !m_bccLineEdit->text().isEmpty());
}

// Active pane

void MessageEditorView::disconnectPanes()
{
    disconnect(this, &MessageEditorView::exportToTextFile, nullptr, nullptr);
    disconnect(this, &MessageEditorView::exportToPdfFile, nullptr, nullptr);
    disconnect(this, &MessageEditorView::print, nullptr, nullptr);
    disconnect(this, &MessageEditorView::printPreview, nullptr, nullptr);
    disconnect(this, &MessageEditorView::cutToClipboard, nullptr, nullptr);
    disconnect(this, &MessageEditorView::copyToClipboard, nullptr, nullptr);
    disconnect(this, &MessageEditorView::pasteFromClipboard, nullptr, nullptr);
    for (QAction* action : {m_selectAllAction, m_findAction, m_replaceAction}) {
        disconnect(action, &QAction::triggered, nullptr, nullptr);
    }
}

void MessageEditorView::connectTextEditor(bool connected)
{
    disconnectPanes();
    if (!connected) {
        return;
    }
    MessageEditor* editor = m_textEditor;
    connect(this, &MessageEditorView::exportToTextFile, editor, &AbstractTextReader::exportToTextFile);
    connect(this, &MessageEditorView::exportToPdfFile, editor, &AbstractTextReader::exportToPdfFile);
    connect(this, &MessageEditorView::print, editor, &AbstractTextReader::print);
    connect(this, &MessageEditorView::printPreview, editor, &AbstractTextReader::printPreview);
    connect(this, &MessageEditorView::cutToClipboard, editor, &AbstractTextEditor::cutToClipboard);
    connect(this, &MessageEditorView::copyToClipboard, editor, &AbstractTextReader::copyToClipboard);
    connect(this, &MessageEditorView::pasteFromClipboard, editor, &AbstractTextEditor::pasteFromClipboard);
    connect(m_selectAllAction, &QAction::triggered, editor, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, editor, &AbstractTextReader::findText);
    connect(m_replaceAction, &QAction::triggered, editor, &TextEditor::replaceText);
}

void MessageEditorView::connectMessageReader(bool connected)
{
    disconnectPanes();
    if (!connected) {
        return;
    }
    TextReader* reader = chainReader();
    connect(this, &MessageEditorView::exportToTextFile, reader, &AbstractTextReader::exportToTextFile);
    connect(this, &MessageEditorView::exportToPdfFile, reader, &AbstractTextReader::exportToPdfFile);
    connect(this, &MessageEditorView::print, reader, &AbstractTextReader::print);
    connect(this, &MessageEditorView::printPreview, reader, &AbstractTextReader::printPreview);
    connect(this, &MessageEditorView::copyToClipboard, reader, &AbstractTextReader::copyToClipboard);
    connect(m_selectAllAction, &QAction::triggered, reader, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, reader, &AbstractTextReader::findText);
}

void MessageEditorView::focusInTextEditor(QFocusEvent*)
{
    setActionsEnabled(true);
    enableMessageReaderWidgets(false);
    connectTextEditor(true);
}

void MessageEditorView::focusInMessageReader(QFocusEvent*)
{
    setActionsEnabled(false);
    enableMessageReaderWidgets(true);
    connectMessageReader(true);
    filterMessageReader();
}

void MessageEditorView::enableMessageReaderWidgets(bool enabled)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_filterContentsLabel, m_filterCopiedToClipboardCheckBox, m_filterExportedToTextFileCheckBox,
             m_filterExportedToPdfFileCheckBox, m_filterPrintedCheckBox}) {
        widget->setEnabled(enabled);
    }
    if (enabled) {
        m_findAction->setEnabled(true);
    }
}

void MessageEditorView::filterMessageReader()
{
    filterEditCopyStateChanged(m_filterCopiedToClipboardCheckBox->checkState());
    filterExportToTextFileStateChanged(m_filterExportedToTextFileCheckBox->checkState());
    filterExportToPdfFileStateChanged(m_filterExportedToPdfFileCheckBox->checkState());
    filterPrintStateChanged(m_filterPrintedCheckBox->checkState());
}

void MessageEditorView::filterStateChanged(int)
{
    displayMessageParentChain();
}

void MessageEditorView::filterEditCopyStateChanged(int state)
{
    const bool checked = state == Qt::Checked;
    m_selectAllAction->setEnabled(checked);
    m_copyAction->setEnabled(checked);
    chainReader()->setTextInteractionFlags(checked ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                                   : Qt::NoTextInteraction);
}

void MessageEditorView::filterExportToTextFileStateChanged(int state)
{
    m_exportToTextFileAction->setEnabled(state == Qt::Checked);
}

void MessageEditorView::filterExportToPdfFileStateChanged(int state)
{
    m_exportToPdfFileAction->setEnabled(state == Qt::Checked);
}

void MessageEditorView::filterPrintStateChanged(int state)
{
    m_printAction->setEnabled(state == Qt::Checked);
    m_printPreviewAction->setEnabled(state == Qt::Checked);
}

// Context menu, export, print, copy and paste

void MessageEditorView::messageReaderContextMenuEvent(const QPoint& point)
{
    QMenu menu(this);
    menu.addAction(m_copyAction);
    menu.addSeparator();
    menu.addAction(m_selectAllAction);
    menu.addSeparator();
    menu.addAction(m_findAction);
    menu.exec(chainReader()->mapToGlobal(point));
}

void MessageEditorView::exportMessageToTextFile()
{
    emit exportToTextFile(FromUtf8(m_message.message_subject()));
}

void MessageEditorView::exportMessageToPdfFile()
{
    emit exportToPdfFile(FromUtf8(m_message.message_subject()));
}

void MessageEditorView::printMessage()
{
    emit print(FromUtf8(m_message.message_subject()));
}

void MessageEditorView::printPreviewMessage()
{
    emit printPreview(FromUtf8(m_message.message_subject()));
}

void MessageEditorView::cutMessageToClipboard()
{
    emit cutToClipboard();
}

void MessageEditorView::copyMessageToClipboard()
{
    emit copyToClipboard();
}

void MessageEditorView::pasteMessageFromClipboard()
{
    emit pasteFromClipboard();
}

template <typename Request>
void MessageEditorView::sendAudit(common::Opcode majorOpcode, unsigned int size)
{
    if (const std::optional<std::string> payload = MessageAuditPayload<Request>(m_message, size)) {
        emit deliverRequest(majorOpcode, common::Untagged, *payload);
    }
}

void MessageEditorView::exportBytesToTextFile(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventExportMessageToTextFileRequest>(common::LogEventExportMessageToTextFile, bytesOut);
}

void MessageEditorView::exportBytesToPdfFile(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventExportMessageToPdfFileRequest>(common::LogEventExportMessageToPdfFile, bytesOut);
}

void MessageEditorView::printBytes(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventPrintMessageRequest>(common::LogEventPrintMessage, bytesOut);
}

void MessageEditorView::cutBytesToClipboard(unsigned int bytesOut)
{
    // A cut takes the text out as a copy does.
    copyBytesToClipboard(bytesOut);
}

void MessageEditorView::copyBytesToClipboard(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventCopyMessageToClipboardRequest>(common::LogEventCopyMessageToClipboard, bytesOut);
}

void MessageEditorView::pasteBytesFromClipboard(unsigned int bytesIn)
{
    sendAudit<zarv::data::LogEventPasteMessageFromClipboardRequest>(common::LogEventPasteMessageFromClipboard, bytesIn);
}

// This window's own changes

MessageEditorView::OwnChange MessageEditorView::sendOwnChange(common::Opcode majorOpcode, const std::string& payload)
{
    OwnChange change{majorOpcode};
    {
        const QScopedValueRollback<std::optional<OwnChange>> pending(m_ownChange, change);
        emit deliverRequest(majorOpcode, common::Untagged, payload);
        change = *m_ownChange;
    }
    if (!change.answered) {
        change.majorErcode = common::ServiceNoReplyEr;
        change.minorErcode = 1;
    }
    return change;
}

void MessageEditorView::followOwnChange(const BusReply& bus, int returnCode, int sqlc)
{
    if (!m_ownChange || m_ownChange->majorOpcode != bus.majorOpcode) {
        return;
    }
    m_ownChange->answered = true;
    m_ownChange->majorErcode = bus.majorErcode;
    m_ownChange->minorErcode = bus.minorErcode;
    m_ownChange->sqlc = sqlc;
    m_ownChange->done =
        bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr && returnCode != 0 && sqlc == 0;
}

void MessageEditorView::warnChangeFailed(const OwnChange& change)
{
    const common::Ercode code = change.majorErcode != common::NoEr ? change.majorErcode : change.sqlc;
    statusBar()->showMessage(ServerFailureText(code, change.minorErcode));
}

// Addressees

void MessageEditorView::addUsersTo()
{
    addUsersToField(zarv::data::Message::TO, m_toLineEdit);
}

void MessageEditorView::addUsersCc()
{
    addUsersToField(zarv::data::Message::CC, m_ccLineEdit);
}

void MessageEditorView::addUsersBcc()
{
    addUsersToField(zarv::data::Message::BCC, m_bccLineEdit);
}

void MessageEditorView::addUsersToField(zarv::data::Message_ufield field, QLineEdit* lineEdit)
{
    QString names;
    if (addUsers(m_message, names, field)) {
        lineEdit->setText(names);
    }
}

bool MessageEditorView::addUsers(const zarv::data::Message& message, QString& names, zarv::data::Message_ufield field)
{
    const zarv::data::Message_ufield fields[] = {zarv::data::Message::TO, zarv::data::Message::CC,
                                                 zarv::data::Message::BCC};
    zarv::data::Users old;
    SelectUsersDialog dialog(this);
    for (const zarv::data::Message_ufield each : fields) {
        const zarv::data::Users current = SelectMessageUsers(message, each, ExcludeNoUser);
        if (each == field) {
            old = current;
            continue;
        }
        for (const zarv::data::User& user : current.user()) {
            dialog.addExcludedUser(user.user_id());
        }
    }
    for (const zarv::data::User& user : old.user()) {
        dialog.addUser(user);
    }
    dialog.init();
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const zarv::data::Users selected = dialog.selectedUsers();
    const std::vector<zarv::data::User> chosen = Sorted(selected);
    const std::vector<zarv::data::User> held = Sorted(old);
    std::vector<zarv::data::User> kept;
    std::set_intersection(chosen.begin(), chosen.end(), held.begin(), held.end(), std::back_inserter(kept),
                          messageeditorview::UserLessOperatorClass());
    const bool inserted = insertUsers(message, Difference(chosen, kept), field);
    const bool deleted = deleteUsers(message, Difference(held, kept));
    if (!inserted || !deleted) {
        // The line edit shows what the server holds, not what was asked.
        names = FormatUserNames(SelectMessageUsers(message, field, ExcludeNoUser));
        return true;
    }
    QStringList list;
    for (const zarv::data::User& user : selected.user()) {
        list.append(utils::GetAlphabeticalName(user.user_first_name(), user.user_middle_name(), user.user_last_name()));
    }
    names = list.join(QStringLiteral("; "));
    return true;
}

bool MessageEditorView::insertUsers(const zarv::data::Message& message,
                                    const std::vector<zarv::data::User>& users,
                                    zarv::data::Message_ufield field)
{
    std::optional<OwnChange> failed;
    for (const zarv::data::User& user : users) {
        zarv::data::InsertMessageUserRequest request;
        zarv::data::Message& row = *request.mutable_message();
        row.set_message_user_message_id(message.message_id());
        row.set_message_user_user_id(user.user_id());
        row.set_message_user_message_folder_id(user.user_message_folder_id());
        row.set_message_user_field(field);
        row.set_message_user_properties(0);
        row.set_message_user_creation_date(UtcNow());
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            continue;
        }
        const OwnChange change = sendOwnChange(common::InsertMessageUser, payload);
        if (!change.done && !failed) {
            failed = change;
        }
    }
    if (failed) {
        warnChangeFailed(*failed);
    }
    return !failed;
}

bool MessageEditorView::deleteUsers(const zarv::data::Message& message, const std::vector<zarv::data::User>& users)
{
    std::optional<OwnChange> failed;
    for (const zarv::data::User& user : users) {
        zarv::data::DeleteMessageUserRequest request;
        request.set_message_user_message_id(message.message_id());
        request.set_message_user_user_id(user.user_id());
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            continue;
        }
        const OwnChange change = sendOwnChange(common::DeleteMessageUser, payload);
        if (!change.done && !failed) {
            failed = change;
        }
    }
    if (failed) {
        warnChangeFailed(*failed);
    }
    return !failed;
}

// Attachments

void MessageEditorView::showHeldAttachments()
{
    m_documentsListWidget->clear();
    initializeDocumentsListWidget();
}

void MessageEditorView::attachDocument()
{
    SelectDocumentsDialog dialog(this);
    dialog.setUserId(LoggedOnUser().user_id());
    for (int row = 0; row < m_documentsListWidget->count(); ++row) {
        dialog.addExcludedDocument(DocumentIdOf(m_documentsListWidget->item(row)));
    }
    dialog.init();
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    std::optional<OwnChange> failed;
    {
        utils::WaitCursor waitCursor(true);
        const zarv::data::Documents documents = dialog.selectedDocuments();
        for (const zarv::data::Document& document : documents.document()) {
            zarv::data::InsertMessageDocumentRequest request;
            zarv::data::MessageDocument& row = *request.mutable_message_document();
            row.set_message_document_message_id(m_message.message_id());
            row.set_message_document_document_id(document.document_id());
            row.set_message_document_properties(0);
            row.set_message_document_creation_date(UtcNow());
            std::string payload;
            if (!request.SerializeToString(&payload)) {
                continue;
            }
            m_documentsListWidget->addItem(recorditems::NewDocumentItem(document));
            const OwnChange change = sendOwnChange(common::InsertMessageDocument, payload);
            if (!change.done && !failed) {
                failed = change;
            }
        }
    }
    if (failed) {
        showHeldAttachments();
        warnChangeFailed(*failed);
    }
}

void MessageEditorView::detachDocument()
{
    const QList<QListWidgetItem*> selected = m_documentsListWidget->selectedItems();
    for (const QListWidgetItem* item : selected) {
        zarv::data::DeleteMessageDocumentRequest request;
        request.set_message_document_message_id(m_message.message_id());
        request.set_message_document_document_id(DocumentIdOf(item));
        std::string payload;
        if (!request.SerializeToString(&payload)) {
            continue;
        }
        const OwnChange change = sendOwnChange(common::DeleteMessageDocument, payload);
        if (!change.done) {
            showHeldAttachments();
            warnChangeFailed(change);
            return;
        }
    }
}

void MessageEditorView::handleDeleteMessageDocument(const BusReply& bus,
                                                    const zarv::data::DeleteMessageDocumentReply& reply)
{
    followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
    zarv::data::DeleteMessageDocumentRequest request;
    const bool removed = bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr && reply.return_code() != 0
                         && reply.sql_diag_rec().sqlc() == 0;
    if (!removed || !request.ParseFromString(bus.request)
        || request.message_document_message_id() != m_message.message_id()) {
        return;
    }
    for (int row = 0; row < m_documentsListWidget->count(); ++row) {
        if (DocumentIdOf(m_documentsListWidget->item(row)) == request.message_document_document_id()) {
            delete m_documentsListWidget->takeItem(row);
            return;
        }
    }
}

void MessageEditorView::openDocument(QListWidgetItem* item)
{
    if (!item) {
        return;
    }
    zarv::data::SelectDocumentRequest request;
    request.set_document_id(DocumentIdOf(item));
    std::string payload;
    if (request.SerializeToString(&payload)) {
        emit deliverRequest(common::SelectDocument, common::OpenDocumentEditorView, payload);
    }
}

// Key verification

void MessageEditorView::verifyDocumentKeys(int confirmation)
{
    if (m_documentsListWidget->count() == 0) {
        return;
    }
    bool allVerified = true;
    std::optional<OwnChange> failed;
    for (int row = 0; row < m_documentsListWidget->count(); ++row) {
        const zarv::data::Document document =
            m_documentsListWidget->item(row)->data(recorditems::DocumentRole).value<zarv::data::Document>();
        const zarv::data::Users users = messageeditorview::GetMessageUsersWithoutDocumentKeyForDocument(
            m_message.message_id(), document.document_id());
        if (users.user_size() == 0) {
            continue;
        }
        allVerified = false;
        const QString name = FromUtf8(document.document_name());
        QMessageBox box(this);
        box.setWindowTitle(Tr("CreateDocumentKeysForMessageUsersConfirmationWindowTitle"));
        box.setWindowIcon(ResourceIcon(KeysIcon));
        box.setIcon(QMessageBox::Question);
        box.setText(Tr("CreateDocumentKeysForMessageUsersConfirmation"));
        box.setInformativeText(name);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        if (box.exec() != QMessageBox::Yes) {
            continue;
        }
        const std::vector<zarv::data::User> holders(users.user().begin(), users.user().end());
        const auto keys = KeyWizards::current().createDocumentKeys(document.document_id(), name, this, holders);
        if (!keys) {
            continue;
        }
        for (const zarv::data::DocumentKey& key : *keys) {
            zarv::data::InsertDocumentKeyRequest request;
            *request.mutable_document_key() = key;
            std::string payload;
            if (!request.SerializeToString(&payload)) {
                continue;
            }
            const OwnChange change = sendOwnChange(common::InsertDocumentKey, payload);
            if (!change.done && !failed) {
                failed = change;
            }
        }
    }
    if (failed) {
        warnChangeFailed(*failed);
    }
    if (confirmation == 0 && allVerified) {
        QMessageBox::information(this, Tr("AllDocumentKeysVerifiedWindowTitle"), Tr("AllDocumentKeysVerified"),
                                 QMessageBox::Ok);
    }
}

// Save, subject, Send, Discard and closing

std::optional<std::string> MessageEditorView::checkedBody()
{
    const QByteArray html = m_textDocument->toHtml().toUtf8();
    const long long size = html.size();
    if (size > MaximumBodyBytes) {
        QMessageBox box;
        box.setText(Tr("MessageContainsExcessCharacters").arg(size - MaximumBodyBytes));
        box.exec();
        return std::nullopt;
    }
    return html.toStdString();
}

bool MessageEditorView::sendMessageCopy()
{
    zarv::data::UpdateMessageRequest request;
    *request.mutable_message() = m_message;
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return false;
    }
    const OwnChange change = sendOwnChange(common::UpdateMessage, payload);
    if (!change.done) {
        warnNotSaved(change);
    }
    return change.done;
}

void MessageEditorView::warnNotSaved(const OwnChange& change)
{
    const QString reason =
        change.majorErcode == common::ServiceNoReplyEr
            ? Linguist::tr("NoReplyFromServer")
            : Tr("ServerRefusedChanges").arg(change.majorErcode != common::NoEr ? change.majorErcode : change.sqlc);
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    Tr("ChangesNotSaved").arg(FromUtf8(m_message.message_subject())), QMessageBox::Ok, this);
    box.setInformativeText(reason);
    box.exec();
}

void MessageEditorView::saveMessage()
{
    if (m_textDocument->isModified()) {
        const std::optional<std::string> body = checkedBody();
        if (!body) {
            return;
        }
        m_message.set_message_body(*body);
    }
    sendMessageCopy();
}

void MessageEditorView::editSubject()
{
    bool accepted = false;
    const QString text = QInputDialog::getText(this, Tr("EditMessageInputDialog"), Tr("MessageSubject:"),
                                               QLineEdit::Normal, m_subjectLineEdit->text(), &accepted)
                             .trimmed();
    if (!accepted || text.isEmpty()) {
        return;
    }
    const std::optional<std::string> body = checkedBody();
    if (!body) {
        return;
    }
    const std::string previousSubject = m_message.message_subject();
    m_message.set_message_subject(text.toStdString());
    m_message.set_message_body(*body);
    if (!sendMessageCopy()) {
        // The subject shown and the one kept stay the server's.
        m_message.set_message_subject(previousSubject);
    }
}

void MessageEditorView::send()
{
    saveMessage();
    if (!m_textDocument->isModified()) {
        close();
    }
}

void MessageEditorView::discard()
{
    if (!m_textDocument->isEmpty()) {
        QMessageBox box(this);
        box.setWindowTitle(Tr("DeleteMessageDialogTitle"));
        box.setWindowIcon(ResourceIcon(QStringLiteral(":icons/32x32/message-delete.png")));
        box.setIcon(QMessageBox::Question);
        box.setText(Tr("DeleteMessageDialogText"));
        box.setInformativeText(FromUtf8(m_message.message_subject()));
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        if (box.exec() != QMessageBox::Ok) {
            return;
        }
    }
    zarv::data::DeleteMessageRequest request;
    request.set_message_id(m_message.message_id());
    request.set_message_subject(m_message.message_subject());
    std::string payload;
    if (!request.SerializeToString(&payload)) {
        return;
    }
    const bool wasModified = m_textDocument->isModified();
    // Cleared first: a successful delete closes the window within the call.
    m_textDocument->setModified(false);
    setActiveView(true);
    const OwnChange change = sendOwnChange(common::DeleteMessage, payload);
    setActiveView(false);
    if (!change.done) {
        m_textDocument->setModified(wasModified);
    }
}

void MessageEditorView::handleDeleteMessage(const BusReply& bus, const zarv::data::DeleteMessageReply& reply)
{
    followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
    if (!isActiveView() || !m_ownChange || m_ownChange->done) {
        return;
    }
    const zarv::data::SQLDiagRec& diagnostic = reply.sql_diag_rec();
    if (diagnostic.sqlc() == common::ForeignKeyViolation || diagnostic.sqls() == ChainedMessageState) {
        statusBar()->showMessage(Tr("DeleteMessageWarning"), DeleteWarningTimeout);
        return;
    }
    warnChangeFailed(*m_ownChange);
}

void MessageEditorView::handleUpdateMessage(const BusReply& bus, const zarv::data::UpdateMessageReply& reply)
{
    zarv::data::UpdateMessageRequest request;
    if (!request.ParseFromString(bus.request) || request.message().message_id() != m_message.message_id()) {
        return;
    }
    const bool ownSave = m_ownChange && m_ownChange->majorOpcode == common::UpdateMessage;
    followOwnChange(bus, reply.return_code(), reply.sql_diag_rec().sqlc());
    const bool stored = bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr && reply.return_code() != 0
                        && reply.sql_diag_rec().sqlc() == 0;
    if (!stored) {
        return;
    }
    if (ownSave) {
        m_subjectLineEdit->setText(FromUtf8(m_message.message_subject()));
        m_textDocument->setModified(false);
        modificationChanged(false);
        return;
    }
    // Another window's change: the next save of the whole copy keeps it.
    const zarv::data::Message& changed = request.message();
    if (changed.has_message_folder_id()) {
        m_message.set_message_folder_id(changed.message_folder_id());
    }
    if (changed.has_message_security_descriptor()) {
        *m_message.mutable_message_security_descriptor() = changed.message_security_descriptor();
    }
}

void MessageEditorView::closeEvent(QCloseEvent* event)
{
    verifyDocumentKeys(1);
    if (!m_textDocument->isModified()) {
        event->accept();
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QStringLiteral("%1 %2%3").arg(Tr("DoYouWantToSaveChangesYouMadeTo"),
                                                  FromUtf8(m_message.message_subject()), Tr("QuestionMark")),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        saveMessage();
        if (m_textDocument->isModified()) {
            event->ignore();
        } else {
            event->accept();
        }
        return;
    case QMessageBox::Discard:
        event->accept();
        return;
    default:
        event->ignore();
        return;
    }
}
