#include "product/client/view/keyringview.h"

#include "library/gui/linguist.h"
#include "library/gui/settings.h"
#include "library/gui/standingstatusmessage.h"
#include "library/network/messagedispatcher.h"
#include "product/client/view/keyrulestorage.h"
#include "product/client/view/keywizards.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QTreeWidget>

namespace {

const char* const Context = "KeyringView";

// Revert's status tip and the hours of Set Active Hours are the keyring's own
// words; every other text is shared.
const AbstractViewWindow::ActionTexts RevertTexts = {"Revert", nullptr, "RevertStatusTip", nullptr};
const AbstractViewWindow::ActionTexts RevertAllTexts = {"RevertAll", nullptr, "RevertAllStatusTip", nullptr};
const AbstractViewWindow::ActionTexts SaveTexts = {"Save", ":icons/32x32/save.png", "SaveStatusTip", "SaveToolTip"};
const AbstractViewWindow::ActionTexts SaveAllTexts = {"SaveAll", ":icons/32x32/save-all.png", "SaveAllStatusTip",
                                                      "SaveAllToolTip"};
const AbstractViewWindow::ActionTexts CloseTexts = {"Close", nullptr, "CloseStatusTip", nullptr};
const AbstractViewWindow::ActionTexts SetActiveHoursTexts = {"SetActiveHours", ":icons/32x32/active-hours.png",
                                                             "SetActiveHoursStatusTip", "SetActiveHoursToolTip"};
const AbstractViewWindow::ActionTexts SetSessionDurationTexts = {
    "SetSessionDuration", ":icons/32x32/session-duration.png", "SetSessionDurationStatusTip",
    "SetSessionDurationToolTip"};
const AbstractViewWindow::ActionTexts SetExpirationDateTexts = {
    "SetExpirationDate", ":icons/32x32/expiration-date.png", "SetExpirationDateStatusTip", "SetExpirationDateToolTip"};
const AbstractViewWindow::ActionTexts SetPasscodeTexts = {"SetPasscode", ":icons/32x32/passcode.png",
                                                          "SetPasscodeStatusTip", "SetPasscodeToolTip"};
const AbstractViewWindow::ActionTexts DeleteTexts = {"Delete", ":icons/32x32/item-delete.png", "DeleteStatusTip",
                                                     "DeleteToolTip"};
const AbstractViewWindow::ActionTexts ViewMonthsTexts = {"ViewMonths", ":icons/32x32/active-months.png",
                                                         "ViewMonthsStatusTip", "ViewMonthsToolTip"};
const AbstractViewWindow::ActionTexts ViewDaysTexts = {"ViewDays", ":icons/32x32/active-days.png", "ViewDaysStatusTip",
                                                       "ViewDaysToolTip"};
const AbstractViewWindow::ActionTexts ViewPermissionsTexts = {"ViewPermissions", ":icons/32x32/key-permissions.png",
                                                              "ViewPermissionsStatusTip", "ViewPermissionsToolTip"};
const AbstractViewWindow::ActionTexts AboutTexts = {"AboutZARV", nullptr, nullptr, nullptr};

QString Tr(const char* id)
{
    return QCoreApplication::translate(Context, id);
}

}  // namespace

KeyringView::KeyringView(QWidget* parent)
    : AbstractViewWindow(parent)
    , m_revertAction(createAction(m_fileMenu, Context, RevertTexts))
    , m_revertAllAction(createAction(m_fileMenu, "Linguist", RevertAllTexts))
    , m_saveAction(createAction(m_fileMenu, "Linguist", SaveTexts))
    , m_saveAllAction(createAction(m_fileMenu, "Linguist", SaveAllTexts))
    , m_closeAction(createAction(m_fileMenu, "Linguist", CloseTexts))
    , m_setActiveHoursAction(createAction(m_editMenu, Context, SetActiveHoursTexts))
    , m_setSessionDurationAction(createAction(m_editMenu, "Linguist", SetSessionDurationTexts))
    , m_setExpirationDateAction(createAction(m_editMenu, "Linguist", SetExpirationDateTexts))
    , m_setPasscodeAction(createAction(m_editMenu, "Linguist", SetPasscodeTexts))
    , m_deleteAction(createAction(m_editMenu, "Linguist", DeleteTexts))
    , m_viewMonthsAction(createAction(m_viewMenu, "Linguist", ViewMonthsTexts))
    , m_viewDaysAction(createAction(m_viewMenu, "Linguist", ViewDaysTexts))
    , m_viewPermissionsAction(createAction(m_viewMenu, "Linguist", ViewPermissionsTexts))
    , m_aboutAction(createAction(m_helpMenu, "Linguist", AboutTexts))
    , m_status(new StandingStatusMessage(this))
{
    connect(m_revertAction, &QAction::triggered, this, qOverload<>(&KeyringView::revertKey));
    connect(m_revertAllAction, &QAction::triggered, this, &KeyringView::revertAllKeys);
    connect(m_saveAction, &QAction::triggered, this, qOverload<>(&KeyringView::saveKey));
    connect(m_saveAllAction, &QAction::triggered, this, &KeyringView::saveAllKeys);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    connect(m_setActiveHoursAction, &QAction::triggered, this, &KeyringView::setActiveHours);
    connect(m_setSessionDurationAction, &QAction::triggered, this, &KeyringView::setSessionDuration);
    connect(m_setExpirationDateAction, &QAction::triggered, this, &KeyringView::setExpirationDate);
    connect(m_setPasscodeAction, &QAction::triggered, this, &KeyringView::setPasscode);
    connect(m_deleteAction, &QAction::triggered, this, qOverload<>(&KeyringView::deleteKey));
    connect(m_aboutAction, &QAction::triggered, this, &KeyringView::helpAbout);
}

KeyringView::~KeyringView()
{
    Settings().saveWidgetGeometrySettings(this, Settings::ClassNameGroup);
}

void KeyringView::initializeWindow(const QString& caption, QTreeWidget* pane)
{
    setWindowCaption(caption, QString::fromStdString(MessageDispatcher::getServerName()), QString());
    setWindowIcon(QIcon(QStringLiteral(":icons/32x32/item-keyring.png")));
    setCentralWidget(pane);
    Settings().restoreWidgetGeometrySettings(this, Settings::ClassNameGroup, QSize(640, 480), QPoint(64, 48));
}

void KeyringView::initializeFileMenu()
{
    m_fileMenu->insertSeparator(m_revertAction);
    m_fileMenu->insertSeparator(m_saveAction);
    m_fileMenu->insertSeparator(m_closeAction);
}

void KeyringView::initializeEditMenu()
{
    m_editMenu->insertSeparator(m_deleteAction);
}

void KeyringView::initializeViewMenu()
{
    for (QAction* action : {m_viewMonthsAction, m_viewDaysAction, m_viewPermissionsAction}) {
        action->setCheckable(true);
        action->setChecked(false);
    }
    m_viewMenu->insertSeparator(m_viewPermissionsAction);
}

void KeyringView::initializeToolsMenu()
{
    m_toolsMenuAction->setVisible(false);
}

void KeyringView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    m_standardToolBar->addAction(m_saveAction);
    m_standardToolBar->addAction(m_saveAllAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_setActiveHoursAction);
    m_standardToolBar->addAction(m_setSessionDurationAction);
    m_standardToolBar->addAction(m_setExpirationDateAction);
    m_standardToolBar->addAction(m_setPasscodeAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_deleteAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_viewMonthsAction);
    m_standardToolBar->addAction(m_viewDaysAction);
    m_standardToolBar->addAction(m_viewPermissionsAction);
}

bool KeyringView::isModified() const
{
    QTreeWidget* pane = keyPane();
    for (int i = 0; i < pane->topLevelItemCount(); ++i) {
        if (isRowModified(pane->topLevelItem(i))) {
            return true;
        }
    }
    return false;
}

QTreeWidgetItem* KeyringView::currentKeyRow() const
{
    QTreeWidgetItem* item = keyPane()->currentItem();
    while (item && item->parent()) {
        item = item->parent();
    }
    return item;
}

void KeyringView::revertKey()
{
    if (QTreeWidgetItem* keyRow = currentKeyRow()) {
        revertRow(keyRow);
    }
}

void KeyringView::revertAllKeys()
{
    QTreeWidget* pane = keyPane();
    for (int i = 0; i < pane->topLevelItemCount(); ++i) {
        revertRow(pane->topLevelItem(i));
    }
}

void KeyringView::saveKey()
{
    if (QTreeWidgetItem* keyRow = currentKeyRow()) {
        saveRow(keyRow);
    }
}

void KeyringView::saveAllKeys()
{
    // A reply may add or remove rows: the count is read afresh every step.
    QTreeWidget* pane = keyPane();
    for (int i = 0; i < pane->topLevelItemCount(); ++i) {
        saveRow(pane->topLevelItem(i));
    }
}

void KeyringView::deleteKey()
{
    if (QTreeWidgetItem* keyRow = currentKeyRow()) {
        deleteRow(keyRow);
    }
}

void KeyringView::setActiveHours()
{
    QTreeWidgetItem* keyRow = currentKeyRow();
    if (!keyRow) {
        return;
    }
    const std::optional<ActiveHoursChoice> choice =
        KeyWizards::current().setActiveHours(keyringName(), holderName(keyRow), this);
    if (!choice) {
        return;
    }
    if (!choice->restrictedHours) {
        changeRules(keyRow, [](zarv::data::SecurityDescriptor& rules) {
            rules.set_active_from("00:00:00");
            rules.set_active_to("00:00:00");
            rules.set_active_region("");
        });
        return;
    }
    if (!choice->activeFrom.isValid() || !choice->activeTo.isValid() || choice->activeRegion.isEmpty()) {
        return;
    }
    if (choice->activeFrom >= choice->activeTo) {
        m_status->show(Tr("ActiveHoursEndNotAfterStart"));
        return;
    }
    const std::string from = keyrules::StoredTimeOfDay(choice->activeFrom);
    const std::string to = keyrules::StoredTimeOfDay(choice->activeTo);
    const std::string region = choice->activeRegion.toStdString();
    changeRules(keyRow, [&](zarv::data::SecurityDescriptor& rules) {
        rules.set_active_from(from);
        rules.set_active_to(to);
        rules.set_active_region(region);
    });
}

void KeyringView::setSessionDuration()
{
    QTreeWidgetItem* keyRow = currentKeyRow();
    if (!keyRow) {
        return;
    }
    const std::optional<SessionDurationChoice> choice =
        KeyWizards::current().setSessionDuration(keyringName(), holderName(keyRow), this);
    if (!choice) {
        return;
    }
    const int count = choice->durationSpinBox;
    int seconds = 0;
    if (choice->restrictedDuration && count > 0) {
        seconds = count * (choice->durationComboBox != 0 ? 3600 : 60);
    }
    changeRules(keyRow, [seconds](zarv::data::SecurityDescriptor& rules) { rules.set_session_duration(seconds); });
}

void KeyringView::setExpirationDate()
{
    QTreeWidgetItem* keyRow = currentKeyRow();
    if (!keyRow) {
        return;
    }
    const std::optional<ExpirationDateChoice> choice =
        KeyWizards::current().setExpirationDate(keyringName(), holderName(keyRow), this);
    if (!choice || !choice->expirationDate.isValid()) {
        return;
    }
    const std::string stored = keyrules::StoredExpirationDate(choice->expirationDate);
    if (stored.empty()) {
        return;
    }
    changeRules(keyRow, [&stored](zarv::data::SecurityDescriptor& rules) { rules.set_expiration_date(stored); });
}

void KeyringView::setPasscode()
{
    QTreeWidgetItem* keyRow = currentKeyRow();
    if (!keyRow) {
        return;
    }
    const std::optional<PasscodeChoice> choice =
        KeyWizards::current().setPasscode(keyringName(), holderName(keyRow), this);
    if (!choice || (!choice->noPasscode && !choice->passcodeIsValid)) {
        return;
    }
    const std::string password = choice->noPasscode ? std::string() : choice->passcode.toStdString();
    changeRules(keyRow, [&password](zarv::data::SecurityDescriptor& rules) { rules.set_password(password); });
}

void KeyringView::sendKeyRequest(common::Opcode majorOpcode, const std::string& payload, const QString& holder)
{
    QScopedValueRollback<bool> sending(m_sending, true);
    QScopedValueRollback<QString> sendingHolder(m_sendingHolder, holder);
    emit deliverRequest(majorOpcode, common::Untagged, payload);
}

void KeyringView::reportRefusal(const char* textId)
{
    if (m_sending) {
        m_status->show(Tr(textId).arg(m_sendingHolder));
    }
}

void KeyringView::closeEvent(QCloseEvent* event)
{
    if (!isModified()) {
        event->accept();
        return;
    }
    QMessageBox box(this);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(QStringLiteral("%1%2").arg(Linguist::tr("DoYouWantToSaveYourChanges"), Linguist::tr("QuestionMark")));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        saveAllKeys();
        if (isModified()) {
            event->ignore();
        } else {
            event->accept();
        }
        break;
    case QMessageBox::Discard:
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}
