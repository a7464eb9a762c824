#include "product/client/view/documentkeyringview.h"

#include "library/core/proxy/documentkeyreader.h"
#include "library/database/lib/dbtimestamp.h"
#include "product/client/view/keyringpanes.h"
#include "product/client/view/keywizards.h"

#include "deletedocumentkeyrequest3.pb.h"
#include "insertdocumentkeyrequest3.pb.h"
#include "updatedocumentkeyrequest3.pb.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QToolBar>

namespace {

const char* const Context = "DocumentKeyringView";

const AbstractViewWindow::ActionTexts NewTexts = {"New", ":icons/32x32/add.png", "NewStatusTip", "NewToolTip"};
const AbstractViewWindow::ActionTexts SetRevisionTexts = {"SetRevision", ":icons/32x32/revision.png",
                                                          "SetRevisionStatusTip", "SetRevisionToolTip"};

QString HolderName(const zarv::data::DocumentKey& key)
{
    return QString::fromStdString(DocumentKeyReader(key).userDisplayName());
}

bool Accepted(const BusReply& bus, const zarv::data::SQLDiagRec& diagnostics)
{
    return bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr && diagnostics.sqlc() == 0;
}

}  // namespace

DocumentKeyringView::DocumentKeyringView(int documentId, const QString& name, QWidget* parent)
    : KeyringView(parent)
    , m_documentId(documentId)
    , m_documentName(name)
    , m_pane(new DocumentKeyringPaneTreeWidget(this))
    , m_newAction(createAction(m_fileMenu, Context, NewTexts))
    , m_setRevisionAction(createAction(m_editMenu, Context, SetRevisionTexts))
{
    connect(m_newAction, &QAction::triggered, this, &DocumentKeyringView::newKey);
    connect(m_setRevisionAction, &QAction::triggered, this, &DocumentKeyringView::setRevision);

    initializeWindow(QStringLiteral("%1 Document Keyring").arg(name), m_pane);
    initializeFileMenu();
    m_fileMenu->removeAction(m_newAction);
    // Before the separator that leads Revert.
    m_fileMenu->insertAction(m_fileMenu->actions().value(0), m_newAction);
    initializeEditMenu();
    m_editMenu->removeAction(m_setRevisionAction);
    m_editMenu->insertAction(m_setActiveHoursAction, m_setRevisionAction);
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    m_standardToolBar->insertAction(m_setActiveHoursAction, m_setRevisionAction);
    QAction* first = m_standardToolBar->actions().value(0);
    m_standardToolBar->insertAction(first, m_newAction);
    m_standardToolBar->insertSeparator(first);

    connect(this, &DocumentKeyringView::addDocumentKey, m_pane, &DocumentKeyringPaneTreeWidget::addDocumentKey);
    connect(this, &DocumentKeyringView::updateDocumentKey, m_pane, &DocumentKeyringPaneTreeWidget::updateDocumentKey);
    connect(this, &DocumentKeyringView::revertDocumentKey, m_pane, &DocumentKeyringPaneTreeWidget::revertDocumentKey);
    connect(this, &DocumentKeyringView::deleteDocumentKey, m_pane, &DocumentKeyringPaneTreeWidget::deleteDocumentKey);
    connect(m_viewPermissionsAction, &QAction::toggled, m_pane, &KeyringPaneTreeWidget::viewPermissionsToggled);
    connect(m_viewDaysAction, &QAction::toggled, m_pane, &KeyringPaneTreeWidget::viewDaysToggled);
    connect(m_viewMonthsAction, &QAction::toggled, m_pane, &KeyringPaneTreeWidget::viewMonthsToggled);

    m_replyTable.add(common::InsertDocumentKey, common::Untagged, this, &DocumentKeyringView::insertDocumentKeyReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateDocumentKey, common::Untagged, this, &DocumentKeyringView::updateDocumentKeyReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteDocumentKey, common::Untagged, this, &DocumentKeyringView::deleteDocumentKeyReply,
                     ReplyTable::Takes::AllReplies);
}

DocumentKeyringView::~DocumentKeyringView() = default;

QTreeWidget* DocumentKeyringView::keyPane() const
{
    return m_pane;
}

QString DocumentKeyringView::holderName(QTreeWidgetItem* keyRow) const
{
    return HolderName(GetDocumentKey(keyRow));
}

bool DocumentKeyringView::isRowModified(QTreeWidgetItem* keyRow) const
{
    return IsModifiedDocumentKey(keyRow);
}

void DocumentKeyringView::saveRow(QTreeWidgetItem* keyRow)
{
    if (!IsDocumentKeyTreeWidgetItem(keyRow)) {
        return;
    }
    zarv::data::UpdateDocumentKeyRequest request;
    *request.mutable_document_key() = GetDocumentKey(keyRow);
    std::string payload;
    if (request.SerializeToString(&payload)) {
        sendKeyRequest(common::UpdateDocumentKey, payload, HolderName(request.document_key()));
    }
}

void DocumentKeyringView::revertRow(QTreeWidgetItem* keyRow)
{
    if (keyRow && isRowModified(keyRow)) {
        emit revertDocumentKey(GetDocumentKeyBase(keyRow));
    }
}

void DocumentKeyringView::deleteRow(QTreeWidgetItem* keyRow)
{
    if (!IsDocumentKeyTreeWidgetItem(keyRow)) {
        return;
    }
    const zarv::data::DocumentKey key = GetDocumentKey(keyRow);
    QMessageBox box(this);
    box.setText(QCoreApplication::translate(Context, "DeleteDocumentKeyConfirmationWindowTitle"));
    box.setInformativeText(QCoreApplication::translate(Context, "DeleteDocumentKeyConfirmation").arg(HolderName(key)));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok) {
        return;
    }
    zarv::data::DeleteDocumentKeyRequest request;
    request.set_document_key_document_id(key.document_key_document().document_id());
    request.set_document_key_user_id(key.document_key_user().user_id());
    std::string payload;
    if (request.SerializeToString(&payload)) {
        sendKeyRequest(common::DeleteDocumentKey, payload, HolderName(key));
    }
}

void DocumentKeyringView::newKey()
{
    const auto keys = KeyWizards::current().createDocumentKeys(m_documentId, m_documentName, this);
    if (!keys) {
        return;
    }
    for (const zarv::data::DocumentKey& key : *keys) {
        zarv::data::InsertDocumentKeyRequest request;
        *request.mutable_document_key() = key;
        std::string payload;
        if (request.SerializeToString(&payload)) {
            sendKeyRequest(common::InsertDocumentKey, payload, HolderName(key));
        }
    }
}

void DocumentKeyringView::setRevision()
{
    QTreeWidgetItem* keyRow = currentKeyRow();
    if (!keyRow) {
        return;
    }
    zarv::data::DocumentKey key = GetDocumentKey(keyRow);
    const DocumentKeyReader reader(key);
    const std::optional<RevisionChoice> choice = KeyWizards::current().setRevision(
        QString::fromStdString(reader.documentName()), HolderName(key), reader.documentId(), this);
    if (!choice) {
        return;
    }
    std::string revision = DbTimestamp::m_MaxTimestamp;
    if (!choice->currentRevision) {
        // A previous revision that was never chosen binds the key to nothing.
        const DbTimestamp start(choice->revisionSysStart.toStdString());
        if (choice->revisionSysStart.isEmpty() || !start.isValid()) {
            return;
        }
        revision = choice->revisionSysStart.toStdString();
    }
    key.set_document_key_document_revision(revision);
    storeAndSave(keyRow, key);
}

void DocumentKeyringView::changeRules(QTreeWidgetItem* keyRow,
                                      const std::function<void(zarv::data::SecurityDescriptor&)>& change)
{
    zarv::data::DocumentKey key = GetDocumentKey(keyRow);
    change(*key.mutable_document_key_security_descriptor());
    storeAndSave(keyRow, key);
}

void DocumentKeyringView::storeAndSave(QTreeWidgetItem* keyRow, const zarv::data::DocumentKey& key)
{
    keyRow->setData(0, KeyringKeyRole, QVariant::fromValue(key));
    saveRow(keyRow);
}

void DocumentKeyringView::insertDocumentKeyReply(const BusReply& bus, const zarv::data::InsertDocumentKeyReply& reply)
{
    zarv::data::InsertDocumentKeyRequest request;
    if (!request.ParseFromString(bus.request)
        || DocumentKeyReader(request.document_key()).documentId() != m_documentId) {
        return;
    }
    if (!Accepted(bus, reply.sql_diag_rec())) {
        reportRefusal("KeyNotGranted");
        return;
    }
    emit addDocumentKey(request.document_key());
}

void DocumentKeyringView::updateDocumentKeyReply(const BusReply& bus, const zarv::data::UpdateDocumentKeyReply& reply)
{
    zarv::data::UpdateDocumentKeyRequest request;
    if (!request.ParseFromString(bus.request)
        || DocumentKeyReader(request.document_key()).documentId() != m_documentId) {
        return;
    }
    if (!Accepted(bus, reply.sql_diag_rec())) {
        reportRefusal("KeyNotSaved");
        return;
    }
    emit updateDocumentKey(request.document_key());
}

void DocumentKeyringView::deleteDocumentKeyReply(const BusReply& bus, const zarv::data::DeleteDocumentKeyReply& reply)
{
    zarv::data::DeleteDocumentKeyRequest request;
    if (!request.ParseFromString(bus.request) || request.document_key_document_id() != m_documentId) {
        return;
    }
    if (!Accepted(bus, reply.sql_diag_rec())) {
        reportRefusal("KeyNotDeleted");
        return;
    }
    emit deleteDocumentKey(request.document_key_user_id());
}
