#pragma once

#include "library/gui/abstractviewwindow.h"

#include "securitydescriptor3.pb.h"

#include <QString>

#include <functional>

class QAction;
class QCloseEvent;
class QTreeWidget;
class QTreeWidgetItem;
class StandingStatusMessage;

// The base of the two keyring windows, which list the keys that other users
// hold to one document or folder, one row per holder, and let the owner
// change, save, revert, grant and delete them. It brings the actions, menus
// and tool bar both share, the Set actions (each runs its key wizard and
// saves the current key with the chosen rule at once), and the question on
// closing with unsaved changes. The subclass owns the pane and the requests.
class KeyringView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit KeyringView(QWidget* parent);
    ~KeyringView() override;

    // Some key row holds changes that are not saved.
    bool isModified() const;

public slots:
    void revertKey();
    void revertAllKeys();
    void saveKey();
    void saveAllKeys();
    void setActiveHours();
    void setSessionDuration();
    void setExpirationDate();
    void setPasscode();
    void deleteKey();

protected:
    void initializeFileMenu();
    void initializeEditMenu();
    void initializeViewMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();
    // Caption "<name> <kind> Keyring", icon, central pane, geometry.
    void initializeWindow(const QString& caption, QTreeWidget* pane);

    void closeEvent(QCloseEvent* event) override;

    // What the document and the folder keyring do each their own way.
    virtual QTreeWidget* keyPane() const = 0;
    virtual QString keyringName() const = 0;
    // The display name of the key row's holder.
    virtual QString holderName(QTreeWidgetItem* keyRow) const = 0;
    virtual bool isRowModified(QTreeWidgetItem* keyRow) const = 0;
    virtual void saveRow(QTreeWidgetItem* keyRow) = 0;
    virtual void revertRow(QTreeWidgetItem* keyRow) = 0;
    virtual void deleteRow(QTreeWidgetItem* keyRow) = 0;
    // Stores the edited key of the row with its rules changed, then saves it.
    virtual void changeRules(QTreeWidgetItem* keyRow,
                             const std::function<void(zarv::data::SecurityDescriptor&)>& change) = 0;

    // The key row of the pane's current row, or null.
    QTreeWidgetItem* currentKeyRow() const;
    // Sends a request about the key of `holder`; while it is on the bus, a
    // failed reply to it is this window's to tell.
    void sendKeyRequest(common::Opcode majorOpcode, const std::string& payload, const QString& holder);
    // Tells on the status bar that the key of the holder of the request
    // being sent was not saved, granted or deleted; replies to requests of
    // other windows are theirs to tell.
    void reportRefusal(const char* textId);
    bool isSending() const { return m_sending; }

    QAction* const m_revertAction;
    QAction* const m_revertAllAction;
    QAction* const m_saveAction;
    QAction* const m_saveAllAction;
    QAction* const m_closeAction;
    QAction* const m_setActiveHoursAction;
    QAction* const m_setSessionDurationAction;
    QAction* const m_setExpirationDateAction;
    QAction* const m_setPasscodeAction;
    QAction* const m_deleteAction;
    QAction* const m_viewMonthsAction;
    QAction* const m_viewDaysAction;
    QAction* const m_viewPermissionsAction;
    QAction* const m_aboutAction;

private:
    StandingStatusMessage* const m_status;
    bool m_sending = false;
    QString m_sendingHolder;
};
