#include "product/client/view/keylistviews.h"

#include "library/core/lib/registry.h"
#include "library/gui/keyopeners.h"
#include "library/gui/servercall.h"
#include "library/gui/serverfailuretext.h"
#include "library/gui/settings.h"
#include "library/gui/standingstatusmessage.h"
#include "library/network/messagedispatcher.h"
#include "product/client/view/keylisttrees.h"

#include "selectdocumentkeyreply3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectfolderkeyreply3.pb.h"
#include "selectfolderkeyrequest3.pb.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace {

int LoggedOnUserId()
{
    return ACE_Singleton<Registry, ACE_Null_Mutex>::instance()->getUser().user_id();
}

AbstractViewWindow::ActionTexts RefreshTexts = {"Refresh", ":icons/32x32/refresh.png", "RefreshStatusTip",
                                                "RefreshToolTip"};
AbstractViewWindow::ActionTexts ViewMonthsTexts = {"ViewMonths", ":icons/32x32/active-months.png",
                                                   "ViewMonthsStatusTip", "ViewMonthsToolTip"};
AbstractViewWindow::ActionTexts ViewDaysTexts = {"ViewDays", ":icons/32x32/active-days.png", "ViewDaysStatusTip",
                                                 "ViewDaysToolTip"};
AbstractViewWindow::ActionTexts ViewPermissionsTexts = {"ViewPermissions", ":icons/32x32/key-permissions.png",
                                                        "ViewPermissionsStatusTip", "ViewPermissionsToolTip"};
AbstractViewWindow::ActionTexts AboutTexts = {"AboutZARV", nullptr, nullptr, nullptr};

const AbstractViewWindow::ActionTexts OpenDocumentTexts = {"OpenDocument", ":icons/32x32/document-browser.png",
                                                           "OpenDocumentStatusTip", "OpenDocumentToolTip"};
const AbstractViewWindow::ActionTexts OpenFolderTexts = {"OpenFolder", ":icons/32x32/folder.png", "OpenFolderStatusTip",
                                                         "OpenFolderToolTip"};

// One synchronous round trip for the user's keys. The list shows whatever a
// readable reply holds; a reply that never came, or one the server refused,
// is told on the status bar.
template <typename Reply, typename Request>
std::optional<Reply> ReadKeys(ServerCall& call, const Request& request)
{
    std::string payload;
    if (!request.SerializeToString(&payload) || !call.send(payload)) {
        return std::nullopt;
    }
    Reply reply;
    if (!reply.ParseFromString(call.reply())) {
        return std::nullopt;
    }
    return reply;
}

QString FailureText(const ServerCall& call, bool read)
{
    return read && call.succeeded() ? QString() : ServerFailureText(call);
}

}  // namespace

KeyListView::KeyListView(QWidget* parent,
                         const char* context,
                         const ActionTexts& openTexts,
                         const char* titleId,
                         const char* icon,
                         KeyListPaneTreeWidget* tree)
    : AbstractViewWindow(parent)
    , m_openAction(createAction(m_fileMenu, context, openTexts))
    , m_refreshAction(createAction(m_viewMenu, context, RefreshTexts))
    , m_viewMonthsAction(createAction(m_viewMenu, context, ViewMonthsTexts))
    , m_viewDaysAction(createAction(m_viewMenu, context, ViewDaysTexts))
    , m_viewPermissionsAction(createAction(m_viewMenu, context, ViewPermissionsTexts))
    , m_helpAboutAction(createAction(m_helpMenu, "Linguist", AboutTexts))
    , m_tree(tree)
    , m_status(new StandingStatusMessage(this))
{
    connect(m_refreshAction, &QAction::triggered, this, &KeyListView::refresh);
    connect(m_viewMonthsAction, &QAction::triggered, this, &KeyListView::viewMonthsToggled);
    connect(m_viewDaysAction, &QAction::triggered, this, &KeyListView::viewDaysToggled);
    connect(m_viewPermissionsAction, &QAction::triggered, this, &KeyListView::viewPermissionsToggled);
    connect(m_helpAboutAction, &QAction::triggered, this, &KeyListView::helpAbout);

    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
    setWindowCaption(QCoreApplication::translate(context, titleId),
                     QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(QIcon(QString::fromLatin1(icon)));
    setCentralWidget(m_tree);

    m_editMenuAction->setVisible(false);
    m_viewMenu->insertSeparator(m_viewMonthsAction);
    for (QAction* action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction}) {
        action->setCheckable(true);
    }
    m_viewMenu->insertSeparator(m_viewPermissionsAction);
    m_toolsMenuAction->setVisible(false);

    initializeStandardToolBar();
    m_standardToolBar->addAction(m_openAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_refreshAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewMonthsAction);
    m_standardToolBar->addAction(m_viewDaysAction);
    m_standardToolBar->addAction(m_viewPermissionsAction);

    connect(this, &KeyListView::resizeColumnsToContents, m_tree, &KeyListPaneTreeWidget::resizeColumnsToContents);
    connect(this, &KeyListView::viewPermissionsToggled, m_tree, &KeyListPaneTreeWidget::viewPermissionsToggled);
    connect(this, &KeyListView::viewDaysToggled, m_tree, &KeyListPaneTreeWidget::viewDaysToggled);
    connect(this, &KeyListView::viewMonthsToggled, m_tree, &KeyListPaneTreeWidget::viewMonthsToggled);
}

KeyListView::~KeyListView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void KeyListView::refresh()
{
    // Unchecked from here, the actions ask the tree for nothing: the new rows
    // start closed anyway.
    for (QAction* action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction}) {
        action->setChecked(false);
    }
    m_tree->clear();
    m_tree->setUpdatesEnabled(false);
    const QString failure = fill(LoggedOnUserId());
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* keyRow = m_tree->topLevelItem(i);
        keyRow->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        for (int g = 0; g < keyRow->childCount(); ++g) {
            QTreeWidgetItem* group = keyRow->child(g);
            group->setFlags(Qt::ItemIsEnabled);
            for (int c = 0; c < group->childCount(); ++c) {
                group->child(c)->setFlags(Qt::ItemIsEnabled);
            }
        }
    }
    m_tree->setUpdatesEnabled(true);
    if (!failure.isEmpty()) {
        m_status->show(failure);
    }
}

QVariant KeyListView::currentKey() const
{
    QTreeWidgetItem* item = m_tree->currentItem();
    while (item && item->parent()) {
        item = item->parent();
    }
    return item ? item->data(0, KeyListRecordRole) : QVariant();
}

DocumentKeysView::DocumentKeysView(QWidget* parent)
    : KeyListView(parent,
                  "DocumentKeysView",
                  OpenDocumentTexts,
                  "DocumentKeysViewTitle",
                  ":icons/32x32/document-keys.png",
                  new DocumentKeysPaneTreeWidget(nullptr))
    , m_documentKeysPaneTreeWidget(static_cast<DocumentKeysPaneTreeWidget*>(centralWidget()))
{
    connect(m_openAction, &QAction::triggered, this, &DocumentKeysView::openDocument);
    connect(this, &DocumentKeysView::addDocumentKey, m_documentKeysPaneTreeWidget,
            &DocumentKeysPaneTreeWidget::addDocumentKey);
    refresh();
}

DocumentKeysView::~DocumentKeysView() = default;

QString DocumentKeysView::fill(int userId)
{
    zarv::data::SelectDocumentKeyRequest request;
    request.set_document_key_user_id(userId);
    ServerCall call(common::SelectDocumentKey, common::OpenDocumentKeysView);
    const auto reply = ReadKeys<zarv::data::SelectDocumentKeyReply>(call, request);
    if (reply) {
        for (const zarv::data::DocumentKey& key : reply->document_key()) {
            emit addDocumentKey(key);
        }
    }
    return FailureText(call, reply.has_value());
}

void DocumentKeysView::openDocument()
{
    const QVariant key = currentKey();
    if (key.isValid()) {
        const zarv::data::DocumentKey documentKey = key.value<zarv::data::DocumentKey>();
        DocumentKeyOpener(documentKey).open(this);
    }
}

FolderKeysView::FolderKeysView(QWidget* parent)
    : KeyListView(parent,
                  "FolderKeysView",
                  OpenFolderTexts,
                  "FolderKeysViewTitle",
                  ":icons/32x32/folder-keys.png",
                  new FolderKeysPaneTreeWidget(nullptr))
    , m_folderKeysPaneTreeWidget(static_cast<FolderKeysPaneTreeWidget*>(centralWidget()))
{
    connect(m_openAction, &QAction::triggered, this, &FolderKeysView::openFolder);
    connect(this, &FolderKeysView::addFolderKey, m_folderKeysPaneTreeWidget, &FolderKeysPaneTreeWidget::addFolderKey);
    refresh();
}

FolderKeysView::~FolderKeysView() = default;

QString FolderKeysView::fill(int userId)
{
    zarv::data::SelectFolderKeyRequest request;
    request.set_folder_key_user_id(userId);
    ServerCall call(common::SelectFolderKey, common::OpenFolderKeysView);
    const auto reply = ReadKeys<zarv::data::SelectFolderKeyReply>(call, request);
    if (reply) {
        for (const zarv::data::FolderKey& key : reply->folder_key()) {
            emit addFolderKey(key);
        }
    }
    return FailureText(call, reply.has_value());
}

void FolderKeysView::openFolder()
{
    const QVariant key = currentKey();
    if (key.isValid()) {
        const zarv::data::FolderKey folderKey = key.value<zarv::data::FolderKey>();
        FolderKeyOpener(folderKey).openInNewBrowser(this);
    }
}
