#include "product/client/view/messagereaderview.h"

#include "library/common/clock.h"
#include "library/core/lib/registry.h"
#include "library/core/proxy/messageproxy.h"
#include "library/core/proxy/messagereader.h"
#include "library/core/proxy/messagewriter.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/gui/keyopeners.h"
#include "library/gui/linguist.h"
#include "library/gui/recorditems.h"
#include "library/gui/resourceicon.h"
#include "library/gui/servercall.h"
#include "library/gui/serverfailuretext.h"
#include "library/gui/settings.h"
#include "library/gui/textreader.h"
#include "library/network/messagedispatcher.h"

#include "logeventcopymessagetoclipboardrequest3.pb.h"
#include "logeventexportmessagetopdffilerequest3.pb.h"
#include "logeventexportmessagetotextfilerequest3.pb.h"
#include "logeventprintmessagerequest3.pb.h"
#include "openmessagerequest3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectmessagedocumentreply3.pb.h"
#include "selectmessagedocumentrequest3.pb.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QVBoxLayout>

#include <ace/Log_Msg.h>
#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

#include <set>

namespace {

constexpr const char* Context = "MessageReaderView";
constexpr const char* SharedContext = "Linguist";

using Texts = AbstractViewWindow::ActionTexts;
const Texts CloseTexts = {"Close", nullptr, nullptr, nullptr};
const Texts ExportToTextFileTexts = {"ExportToTextFile", nullptr, nullptr, nullptr};
const Texts ExportToPdfFileTexts = {"ExportToPdfFile", nullptr, nullptr, nullptr};
const Texts PrintTexts = {"Print", ":icons/32x32/print.png", nullptr, nullptr};
const Texts PrintPreviewTexts = {"PrintPreview", nullptr, nullptr, nullptr};
const Texts CopyTexts = {"Copy", ":icons/32x32/copy.png", nullptr, nullptr};
const Texts SelectAllTexts = {"SelectAll", nullptr, nullptr, nullptr};
const Texts FindTexts = {"Find", ":icons/32x32/find.png", nullptr, nullptr};
const Texts AboutTexts = {"AboutZARV", nullptr, nullptr, nullptr};

const QString WindowIcon = QStringLiteral(":icons/32x32/messages.png");

const zarv::data::User& LoggedOnUser()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser();
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QPushButton* NewButton(const char* text, QWidget* parent)
{
    auto* button = new QPushButton(QCoreApplication::translate(Context, text), parent);
    button->setObjectName(QString::fromLatin1(text));
    return button;
}

zarv::data::Message RecipientRow(int userId, zarv::data::Message_ufield field, int folderId, const std::string& date)
{
    zarv::data::Message row;
    row.set_message_user_user_id(userId);
    row.set_message_user_field(field);
    row.set_message_user_properties(0);
    row.set_message_user_creation_date(date);
    row.set_message_user_message_folder_id(folderId);
    return row;
}

}  // namespace

MessageReaderView::MessageReaderView(const zarv::data::Message& message, QWidget* parent)
    : AbstractViewWindow(parent)
    , m_message(message)
    , m_closeAction(createAction(m_fileMenu, SharedContext, CloseTexts))
    , m_exportToTextFileAction(createAction(m_fileMenu, Context, ExportToTextFileTexts))
    , m_exportToPdfFileAction(createAction(m_fileMenu, Context, ExportToPdfFileTexts))
    , m_printAction(createAction(m_fileMenu, SharedContext, PrintTexts))
    , m_printPreviewAction(createAction(m_fileMenu, SharedContext, PrintPreviewTexts))
    , m_copyAction(createAction(m_editMenu, SharedContext, CopyTexts))
    , m_selectAllAction(createAction(m_editMenu, SharedContext, SelectAllTexts))
    , m_findAction(createAction(m_editMenu, SharedContext, FindTexts))
    , m_aboutAction(createAction(m_helpMenu, SharedContext, AboutTexts))
    , m_addresseeToolBar(new QToolBar(this))
    , m_replyToPushButton(NewButton("ReplyTo", m_addresseeToolBar))
    , m_senderLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_replyToAllPushButton(NewButton("ReplyToAll", m_addresseeToolBar))
    , m_addresseesLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_forwardToPushButton(NewButton("ForwardTo", m_addresseeToolBar))
    , m_subjectLabel(new QLabel(QCoreApplication::translate(Context, "Subject"), m_addresseeToolBar))
    , m_subjectLineEdit(new QLineEdit(m_addresseeToolBar))
    , m_documentsListWidget(new QListWidget(m_addresseeToolBar))
{
    m_senderLineEdit->setObjectName(QStringLiteral("sender"));
    m_addresseesLineEdit->setObjectName(QStringLiteral("addressees"));
    m_subjectLineEdit->setObjectName(QStringLiteral("subject"));
    m_documentsListWidget->setObjectName(QStringLiteral("documents"));
    m_replyTable.add(common::InsertMessage, ReplyTable::AnyMinor, this, &MessageReaderView::handleInsertMessage,
                     ReplyTable::Takes::AllReplies);

    initializeWindow();
    initializeFileMenu();
    initializeEditMenu();
    m_viewMenuAction->setVisible(false);
    m_toolsMenuAction->setVisible(false);
    initializeAddresseeToolBar();
    initializeMessageReader();
    initializeDocumentsListWidget();
    connectSignals();
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

MessageReaderView::~MessageReaderView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void MessageReaderView::initializeWindow()
{
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filterContentsLabel);
    filterRow->addWidget(m_filterCopiedToClipboardCheckBox);
    filterRow->addWidget(m_filterExportedToTextFileCheckBox);
    filterRow->addWidget(m_filterExportedToPdfFileCheckBox);
    filterRow->addWidget(m_filterPrintedCheckBox);
    filterRow->addStretch();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(chainReader());
    layout->addLayout(filterRow);
    setCentralWidget(central);

    const MessageReader reader(m_message);
    setWindowCaption(FromUtf8(reader.subject()), QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(ResourceIcon(WindowIcon));
    m_replyToPushButton->setEnabled(reader.permission(MessageProxy::Reply));
    m_replyToAllPushButton->setEnabled(reader.permission(MessageProxy::ReplyAll));
    m_forwardToPushButton->setEnabled(reader.permission(MessageProxy::Forward));

    m_senderLineEdit->setText(FromUtf8(reader.senderDisplayNameAlphabetical()));
    const int userId = LoggedOnUser().user_id();
    for (const zarv::data::Message_ufield field : {zarv::data::Message::TO, zarv::data::Message::CC}) {
        const zarv::data::Users users = SelectMessageUsers(m_message, field, ExcludeSessionUser);
        for (const zarv::data::User& user : users.user()) {
            if (user.user_id() != userId) {
                *m_otherAddressees.add_user() = user;
            }
        }
    }
    zarv::data::Users shown;
    *shown.add_user() = m_message.message_sender();
    shown.mutable_user()->MergeFrom(m_otherAddressees.user());
    m_addresseesLineEdit->setText(FormatUserNames(shown));
    m_subjectLabel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_subjectLineEdit->setText(FromUtf8(reader.subject()));
    for (QLineEdit* edit : {m_senderLineEdit, m_addresseesLineEdit, m_subjectLineEdit}) {
        edit->setReadOnly(true);
    }
}

void MessageReaderView::initializeFileMenu()
{
    // The actions joined the menu in the order Close, Export..., Print...
    m_fileMenu->insertSeparator(m_exportToTextFileAction);
    m_fileMenu->insertSeparator(m_printAction);
    for (QAction* action : {m_exportToTextFileAction, m_exportToPdfFileAction, m_printAction, m_printPreviewAction}) {
        action->setEnabled(false);
    }
}

void MessageReaderView::initializeEditMenu()
{
    m_editMenu->insertSeparator(m_selectAllAction);
    m_editMenu->insertSeparator(m_findAction);
    m_copyAction->setEnabled(false);
    m_selectAllAction->setEnabled(false);
    chainReader()->setCopyAction(m_copyAction);
}

void MessageReaderView::initializeAddresseeToolBar()
{
    auto* grid = new QGridLayout;
    grid->addWidget(m_replyToPushButton, 0, 0);
    grid->addWidget(m_senderLineEdit, 0, 1);
    grid->addWidget(m_replyToAllPushButton, 1, 0);
    grid->addWidget(m_addresseesLineEdit, 1, 1);
    grid->addWidget(m_forwardToPushButton, 2, 0);
    grid->addWidget(m_subjectLabel, 3, 0);
    grid->addWidget(m_subjectLineEdit, 3, 1);

    QSizePolicy listPolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    listPolicy.setHeightForWidth(true);
    m_documentsListWidget->setSizePolicy(listPolicy);

    auto* widget = new QWidget(m_addresseeToolBar);
    auto* row = new QHBoxLayout(widget);
    row->addLayout(grid);
    row->addWidget(m_documentsListWidget);
    m_addresseeToolBar->addWidget(widget);
    m_addresseeToolBar->setObjectName(QStringLiteral("AddresseeToolBar"));
    m_addresseeToolBar->setWindowTitle(QCoreApplication::translate(Context, "AddresseeToolbar"));
    m_addresseeToolBar->setMovable(false);
    m_addresseeToolBar->setFloatable(false);
    addToolBar(Qt::TopToolBarArea, m_addresseeToolBar);
}

void MessageReaderView::initializeMessageReader()
{
    if (m_message.has_message_chain_cache()) {
        // The browser's rendering, shown once: later displays fetch afresh.
        chainReader()->clear();
        chainReader()->setHtml(FromUtf8(m_message.message_chain_cache()));
        m_message.clear_message_chain_cache();
        return;
    }
    displayFilteredMessageChain(m_message);
}

void MessageReaderView::initializeDocumentsListWidget()
{
    zarv::data::SelectMessageDocumentRequest request;
    request.set_message_document_message_id(m_message.message_id());
    ServerCall call(common::SelectMessageDocument);
    const auto reply = call.call<zarv::data::SelectMessageDocumentReply>(request);
    if (!reply) {
        ACE_DEBUG((LM_WARNING,
                   ACE_TEXT("MessageReaderView: the attachments of message %d could not be listed (%d, %d)\n"),
                   m_message.message_id(), call.majorErcode(), call.minorErcode()));
        return;
    }
    for (const zarv::data::MessageDocument& attachment : reply->message_document()) {
        m_documentsListWidget->addItem(recorditems::NewDocumentItem(attachment.message_document_document()));
    }
}

void MessageReaderView::connectSignals()
{
    TextReader* reader = chainReader();
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_exportToTextFileAction, &QAction::triggered, this, &MessageReaderView::exportMessageToTextFile);
    connect(m_exportToPdfFileAction, &QAction::triggered, this, &MessageReaderView::exportMessageToPdfFile);
    connect(m_printAction, &QAction::triggered, this, &MessageReaderView::printMessage);
    connect(m_printPreviewAction, &QAction::triggered, this, &MessageReaderView::printPreviewMessage);
    connect(m_copyAction, &QAction::triggered, this, &MessageReaderView::copyMessageToClipboard);
    connect(m_selectAllAction, &QAction::triggered, reader, &QTextEdit::selectAll);
    connect(m_findAction, &QAction::triggered, reader, &AbstractTextReader::findText);
    connect(m_aboutAction, &QAction::triggered, this, &MessageReaderView::helpAbout);

    connect(this, &MessageReaderView::exportToTextFile, reader, &AbstractTextReader::exportToTextFile);
    connect(this, &MessageReaderView::exportToPdfFile, reader, &AbstractTextReader::exportToPdfFile);
    connect(this, &MessageReaderView::print, reader, &AbstractTextReader::print);
    connect(this, &MessageReaderView::printPreview, reader, &AbstractTextReader::printPreview);
    connect(this, &MessageReaderView::copyToClipboard, reader, &AbstractTextReader::copyToClipboard);
    connect(reader, &AbstractTextReader::exportBytesToTextFile, this, &MessageReaderView::exportBytesToTextFile);
    connect(reader, &AbstractTextReader::exportBytesToPdfFile, this, &MessageReaderView::exportBytesToPdfFile);
    connect(reader, &AbstractTextReader::printBytes, this, &MessageReaderView::printBytes);
    connect(reader, &AbstractTextReader::copyBytesToClipboard, this, &MessageReaderView::copyBytesToClipboard);
    connect(reader, &QWidget::customContextMenuRequested, this, &MessageReaderView::messageReaderContextMenuEvent);

    connect(m_replyToPushButton, &QPushButton::clicked, this, &MessageReaderView::replyTo);
    connect(m_replyToAllPushButton, &QPushButton::clicked, this, &MessageReaderView::replyToAll);
    connect(m_forwardToPushButton, &QPushButton::clicked, this, &MessageReaderView::forwardTo);
    connect(m_documentsListWidget, &QListWidget::itemDoubleClicked, this,
            &MessageReaderView::documentItemDoubleClicked);

    for (QCheckBox* box : {m_filterCopiedToClipboardCheckBox, m_filterExportedToTextFileCheckBox,
                           m_filterExportedToPdfFileCheckBox, m_filterPrintedCheckBox}) {
        connect(box, &QCheckBox::stateChanged, this, &MessageReaderView::filterStateChanged);
    }
    connect(m_filterCopiedToClipboardCheckBox, &QCheckBox::stateChanged, this,
            &MessageReaderView::filterEditCopyStateChanged);
    connect(m_filterExportedToTextFileCheckBox, &QCheckBox::stateChanged, this,
            &MessageReaderView::filterExportToTextFileStateChanged);
    connect(m_filterExportedToPdfFileCheckBox, &QCheckBox::stateChanged, this,
            &MessageReaderView::filterExportToPdfFileStateChanged);
    connect(m_filterPrintedCheckBox, &QCheckBox::stateChanged, this, &MessageReaderView::filterPrintStateChanged);
}

// Context menu, export, print and copy

void MessageReaderView::messageReaderContextMenuEvent(const QPoint& point)
{
    QMenu menu(this);
    menu.addAction(m_copyAction);
    menu.addSeparator();
    menu.addAction(m_selectAllAction);
    menu.addSeparator();
    menu.addAction(m_findAction);
    menu.exec(chainReader()->mapToGlobal(point));
}

void MessageReaderView::exportMessageToTextFile()
{
    emit exportToTextFile(FromUtf8(m_message.message_subject()));
}

void MessageReaderView::exportMessageToPdfFile()
{
    emit exportToPdfFile(FromUtf8(m_message.message_subject()));
}

void MessageReaderView::printMessage()
{
    emit print(FromUtf8(m_message.message_subject()));
}

void MessageReaderView::printPreviewMessage()
{
    emit printPreview(FromUtf8(m_message.message_subject()));
}

void MessageReaderView::copyMessageToClipboard()
{
    emit copyToClipboard();
}

template <typename Request>
void MessageReaderView::sendAudit(common::Opcode majorOpcode, unsigned int bytesOut)
{
    if (const std::optional<std::string> payload = MessageAuditPayload<Request>(m_message, bytesOut)) {
        emit deliverRequest(majorOpcode, common::Untagged, *payload);
    }
}

void MessageReaderView::exportBytesToTextFile(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventExportMessageToTextFileRequest>(common::LogEventExportMessageToTextFile, bytesOut);
}

void MessageReaderView::exportBytesToPdfFile(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventExportMessageToPdfFileRequest>(common::LogEventExportMessageToPdfFile, bytesOut);
}

void MessageReaderView::printBytes(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventPrintMessageRequest>(common::LogEventPrintMessage, bytesOut);
}

void MessageReaderView::copyBytesToClipboard(unsigned int bytesOut)
{
    sendAudit<zarv::data::LogEventCopyMessageToClipboardRequest>(common::LogEventCopyMessageToClipboard, bytesOut);
}

// Filters

void MessageReaderView::filterStateChanged(int)
{
    displayFilteredMessageChain(m_message);
}

void MessageReaderView::filterEditCopyStateChanged(int state)
{
    const bool checked = state == Qt::Checked;
    m_copyAction->setEnabled(checked);
    m_selectAllAction->setEnabled(checked);
    chainReader()->setTextInteractionFlags(checked ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

void MessageReaderView::filterExportToTextFileStateChanged(int state)
{
    m_exportToTextFileAction->setEnabled(state == Qt::Checked);
}

void MessageReaderView::filterExportToPdfFileStateChanged(int state)
{
    m_exportToPdfFileAction->setEnabled(state == Qt::Checked);
}

void MessageReaderView::filterPrintStateChanged(int state)
{
    m_printAction->setEnabled(state == Qt::Checked);
    m_printPreviewAction->setEnabled(state == Qt::Checked);
}

// Attachments

void MessageReaderView::documentItemDoubleClicked(QListWidgetItem* item)
{
    if (item) {
        openDocument(item->data(recorditems::DocumentRole).value<zarv::data::Document>());
    }
}

void MessageReaderView::openDocument(const zarv::data::Document& document)
{
    zarv::data::SelectDocumentKeyRequest request;
    request.set_document_key_document_id(document.document_id());
    request.set_document_key_user_id(LoggedOnUser().user_id());
    ServerCall call(common::SelectDocumentKey);
    const auto reply = call.call<zarv::data::SelectDocumentKeyReply>(request);
    if (!reply) {
        ACE_DEBUG((LM_WARNING, ACE_TEXT("MessageReaderView: the keys to document %d could not be listed (%d, %d)\n"),
                   document.document_id(), call.majorErcode(), call.minorErcode()));
        return;
    }
    if (reply->document_key_size() == 1) {
        DocumentKeyOpener(reply->document_key(0)).open(this);
        return;
    }
    const QString name = FromUtf8(document.document_name());
    QMessageBox box(this);
    box.setIcon(QMessageBox::NoIcon);
    box.setText(QCoreApplication::translate(Context, "HandleSelectDocumentKeyFailureText").arg(name));
    box.setInformativeText(
        QCoreApplication::translate(Context, "HandleSelectDocumentKeyFailureInformativeText").arg(name));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

// Reply, Reply to All, Forward

zarv::data::InsertMessageRequest MessageReaderView::buildInsertMessageRequest(zarv::data::Message_rfield relation) const
{
    const zarv::data::User& user = LoggedOnUser();
    const MessageReader shown(m_message);
    zarv::data::InsertMessageRequest request;
    zarv::data::Message& message = *request.mutable_message();
    MessageWriter writer(message, user);
    writer.setUserId(user.user_id());
    writer.setParentId(relation == zarv::data::Message::PARENT_RELATION_REPLY_ALL ? m_message.message_id()
                                                                                  : shown.id());
    writer.setParentRelation(relation);
    const QString subject = relation == zarv::data::Message::PARENT_RELATION_FORWARD
                                ? Linguist::tr("ForwardSubject").arg(FromUtf8(m_message.message_subject()))
                                : FormatMessageReplySubject(m_message);
    writer.setSubject(subject.toStdString());
    writer.setFolderId(shown.folderId());
    for (int bit = MessageProxy::View; bit <= MessageProxy::Forward; ++bit) {
        const auto permission = static_cast<MessageProxy::Permission>(bit);
        writer.setPermission(permission, shown.permission(permission));
    }
    if (relation == zarv::data::Message::PARENT_RELATION_FORWARD) {
        return request;
    }

    const std::string date = DbTimestamp(common::Clock::universalTime()).toDbString();
    const zarv::data::User& sender = m_message.message_sender();
    const int authorId = relation == zarv::data::Message::PARENT_RELATION_REPLY ? shown.userId() : sender.user_id();
    const int authorFolderId = relation == zarv::data::Message::PARENT_RELATION_REPLY ? shown.senderMessageFolderId()
                                                                                      : sender.user_message_folder_id();
    *request.add_message_user() = RecipientRow(authorId, zarv::data::Message::TO, authorFolderId, date);
    if (relation == zarv::data::Message::PARENT_RELATION_REPLY_ALL) {
        // Nobody is addressed twice, also when the author addressed himself.
        std::set<int> addressed = {authorId};
        for (const zarv::data::User& addressee : m_otherAddressees.user()) {
            if (addressed.insert(addressee.user_id()).second) {
                *request.add_message_user() = RecipientRow(addressee.user_id(), zarv::data::Message::CC,
                                                           addressee.user_message_folder_id(), date);
            }
        }
    }
    return request;
}

void MessageReaderView::replyTo()
{
    sendInsertMessage(zarv::data::Message::PARENT_RELATION_REPLY);
}

void MessageReaderView::replyToAll()
{
    sendInsertMessage(zarv::data::Message::PARENT_RELATION_REPLY_ALL);
}

void MessageReaderView::forwardTo()
{
    sendInsertMessage(zarv::data::Message::PARENT_RELATION_FORWARD);
}

void MessageReaderView::sendInsertMessage(zarv::data::Message_rfield relation)
{
    std::string payload;
    if (!buildInsertMessageRequest(relation).SerializeToString(&payload)) {
        ACE_DEBUG((LM_WARNING, ACE_TEXT("MessageReaderView: the new message could not be written\n")));
        return;
    }
    m_insertedMessageId.reset();
    m_insertFailure.reset();
    {
        const QScopedValueRollback<bool> sending(m_sendingInsertMessage, true);
        emit deliverRequest(common::InsertMessage, common::Untagged, payload);
    }
    if (m_insertedMessageId) {
        close();
        return;
    }
    // The reply comes within the call; none at all counts as no reply.
    const ReplyFailure failure = m_insertFailure.value_or(ReplyFailure{common::ServiceNoReplyEr, 1});
    QMessageBox::warning(this, windowTitle(), ServerFailureText(failure.majorErcode, failure.minorErcode));
}

void MessageReaderView::handleInsertMessage(const BusReply& bus, const zarv::data::InsertMessageReply& reply)
{
    if (!m_sendingInsertMessage) {
        return;
    }
    if (bus.majorErcode != common::NoEr || bus.minorErcode != common::NoEr) {
        m_insertFailure = ReplyFailure{bus.majorErcode, bus.minorErcode};
        return;
    }
    zarv::data::InsertMessageRequest request;
    if (!request.ParseFromString(bus.request)) {
        return;
    }
    zarv::data::OpenMessageRequest open;
    *open.mutable_message() = request.message();
    open.mutable_message()->set_message_id(reply.message_id());
    std::string payload;
    if (!open.SerializeToString(&payload)) {
        return;
    }
    m_insertedMessageId = reply.message_id();
    emit deliverRequest(common::OpenMessageEditorView, common::Untagged, payload);
}
