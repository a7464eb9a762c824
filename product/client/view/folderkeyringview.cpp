#include "product/client/view/folderkeyringview.h"

#include "library/core/proxy/folderkeyreader.h"
#include "product/client/view/keyringpanes.h"
#include "product/client/view/keywizards.h"

#include "deletefolderkeyrequest3.pb.h"
#include "insertfolderkeyrequest3.pb.h"
#include "updatefolderkeyrequest3.pb.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMessageBox>
#include <QToolBar>

namespace {

const char* const Context = "FolderKeyringView";

const AbstractViewWindow::ActionTexts NewTexts = {"New", ":icons/32x32/add.png", "NewStatusTip", "NewToolTip"};

QString HolderName(const zarv::data::FolderKey& key)
{
    return QString::fromStdString(FolderKeyReader(key).userDisplayName());
}

bool Accepted(const BusReply& bus, const zarv::data::SQLDiagRec& diagnostics)
{
    return bus.majorErcode == common::NoEr && bus.minorErcode == common::NoEr && diagnostics.sqlc() == 0;
}

}  // namespace

FolderKeyringView::FolderKeyringView(int folderId, const QString& name, QWidget* parent)
    : KeyringView(parent)
    , m_folderId(folderId)
    , m_folderName(name)
    , m_pane(new FolderKeyringPaneTreeWidget(this))
    , m_newAction(createAction(m_fileMenu, Context, NewTexts))
{
    connect(m_newAction, &QAction::triggered, this, &FolderKeyringView::newKey);

    initializeWindow(QStringLiteral("%1 Folder Keyring").arg(name), m_pane);
    initializeFileMenu();
    m_fileMenu->removeAction(m_newAction);
    // Before the separator that leads Revert.
    m_fileMenu->insertAction(m_fileMenu->actions().value(0), m_newAction);
    initializeEditMenu();
    initializeViewMenu();
    initializeToolsMenu();
    initializeStandardToolBar();
    QAction* first = m_standardToolBar->actions().value(0);
    m_standardToolBar->insertAction(first, m_newAction);
    m_standardToolBar->insertSeparator(first);

    connect(this, &FolderKeyringView::addFolderKey, m_pane, &FolderKeyringPaneTreeWidget::addFolderKey);
    connect(this, &FolderKeyringView::updateFolderKey, m_pane, &FolderKeyringPaneTreeWidget::updateFolderKey);
    connect(this, &FolderKeyringView::revertFolderKey, m_pane, &FolderKeyringPaneTreeWidget::revertFolderKey);
    connect(this, &FolderKeyringView::deleteFolderKey, m_pane, &FolderKeyringPaneTreeWidget::deleteFolderKey);
    connect(m_viewPermissionsAction, &QAction::toggled, m_pane, &KeyringPaneTreeWidget::viewPermissionsToggled);
    connect(m_viewDaysAction, &QAction::toggled, m_pane, &KeyringPaneTreeWidget::viewDaysToggled);
    connect(m_viewMonthsAction, &QAction::toggled, m_pane, &KeyringPaneTreeWidget::viewMonthsToggled);

    m_replyTable.add(common::InsertFolderKey, common::Untagged, this, &FolderKeyringView::insertFolderKeyReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::UpdateFolderKey, common::Untagged, this, &FolderKeyringView::updateFolderKeyReply,
                     ReplyTable::Takes::AllReplies);
    m_replyTable.add(common::DeleteFolderKey, common::Untagged, this, &FolderKeyringView::deleteFolderKeyReply,
                     ReplyTable::Takes::AllReplies);
}

FolderKeyringView::~FolderKeyringView() = default;

QTreeWidget* FolderKeyringView::keyPane() const
{
    return m_pane;
}

QString FolderKeyringView::holderName(QTreeWidgetItem* keyRow) const
{
    return HolderName(GetFolderKey(keyRow));
}

bool FolderKeyringView::isRowModified(QTreeWidgetItem* keyRow) const
{
    return IsModifiedFolderKey(keyRow);
}

void FolderKeyringView::saveRow(QTreeWidgetItem* keyRow)
{
    if (!IsFolderKeyTreeWidgetItem(keyRow) || !isRowModified(keyRow)) {
        return;
    }
    zarv::data::UpdateFolderKeyRequest request;
    *request.mutable_folder_key() = GetFolderKey(keyRow);
    std::string payload;
    if (request.SerializeToString(&payload)) {
        sendKeyRequest(common::UpdateFolderKey, payload, HolderName(request.folder_key()));
    }
}

void FolderKeyringView::revertRow(QTreeWidgetItem* keyRow)
{
    if (keyRow && isRowModified(keyRow)) {
        emit revertFolderKey(GetFolderKeyBase(keyRow));
    }
}

void FolderKeyringView::deleteRow(QTreeWidgetItem* keyRow)
{
    if (!IsFolderKeyTreeWidgetItem(keyRow)) {
        return;
    }
    const zarv::data::FolderKey key = GetFolderKey(keyRow);
    QMessageBox box(this);
    box.setText(QCoreApplication::translate(Context, "DeleteFolderKeyConfirmationWindowTitle"));
    box.setInformativeText(QCoreApplication::translate(Context, "DeleteFolderKeyConfirmation").arg(HolderName(key)));
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Ok) {
        return;
    }
    zarv::data::DeleteFolderKeyRequest request;
    request.set_folder_key_folder_id(key.folder_key_folder().folder_id());
    request.set_folder_key_user_id(key.folder_key_user().user_id());
    std::string payload;
    if (request.SerializeToString(&payload)) {
        sendKeyRequest(common::DeleteFolderKey, payload, HolderName(key));
    }
}

void FolderKeyringView::newKey()
{
    const auto keys = KeyWizards::current().createFolderKeys(m_folderId, m_folderName, this);
    if (!keys) {
        return;
    }
    for (const zarv::data::FolderKey& key : *keys) {
        zarv::data::InsertFolderKeyRequest request;
        *request.mutable_folder_key() = key;
        std::string payload;
        if (request.SerializeToString(&payload)) {
            sendKeyRequest(common::InsertFolderKey, payload, HolderName(key));
        }
    }
}

void FolderKeyringView::changeRules(QTreeWidgetItem* keyRow,
                                    const std::function<void(zarv::data::SecurityDescriptor&)>& change)
{
    zarv::data::FolderKey key = GetFolderKey(keyRow);
    change(*key.mutable_folder_key_security_descriptor());
    keyRow->setData(0, KeyringKeyRole, QVariant::fromValue(key));
    saveRow(keyRow);
}

void FolderKeyringView::insertFolderKeyReply(const BusReply& bus, const zarv::data::InsertFolderKeyReply& reply)
{
    zarv::data::InsertFolderKeyRequest request;
    if (!request.ParseFromString(bus.request) || FolderKeyReader(request.folder_key()).folderId() != m_folderId) {
        return;
    }
    if (!Accepted(bus, reply.sql_diag_rec())) {
        reportRefusal("KeyNotGranted");
        return;
    }
    emit addFolderKey(request.folder_key());
}

void FolderKeyringView::updateFolderKeyReply(const BusReply& bus, const zarv::data::UpdateFolderKeyReply& reply)
{
    zarv::data::UpdateFolderKeyRequest request;
    if (!request.ParseFromString(bus.request) || FolderKeyReader(request.folder_key()).folderId() != m_folderId) {
        return;
    }
    if (!Accepted(bus, reply.sql_diag_rec())) {
        reportRefusal("KeyNotSaved");
        return;
    }
    emit updateFolderKey(request.folder_key());
}

void FolderKeyringView::deleteFolderKeyReply(const BusReply& bus, const zarv::data::DeleteDocumentKeyReply& reply)
{
    zarv::data::DeleteFolderKeyRequest request;
    if (!request.ParseFromString(bus.request) || request.folder_key_folder_id() != m_folderId) {
        return;
    }
    if (!Accepted(bus, reply.sql_diag_rec())) {
        reportRefusal("KeyNotDeleted");
        return;
    }
    emit deleteFolderKey(request.folder_key_user_id());
}
