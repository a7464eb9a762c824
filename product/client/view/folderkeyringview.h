#pragma once

#include "library/gui/replytable.h"
#include "product/client/view/keyringview.h"

#include "deletedocumentkeyreply3.pb.h"
#include "folderkey3.pb.h"
#include "insertfolderkeyreply3.pb.h"
#include "updatefolderkeyreply3.pb.h"

class FolderKeyringPaneTreeWidget;

// The keys that other users hold to one folder: the document keyring's twin
// without revisions. Only rows with changes are saved.
class FolderKeyringView : public KeyringView
{
    Q_OBJECT

public:
    FolderKeyringView(int folderId, const QString& name, QWidget* parent);
    ~FolderKeyringView() override;

    int getFolderId() const { return m_folderId; }
    QString getFolderName() const { return m_folderName; }

signals:
    void addFolderKey(const zarv::data::FolderKey& folderKey);
    void updateFolderKey(const zarv::data::FolderKey& folderKey);
    void revertFolderKey(const zarv::data::FolderKey& folderKeyBase);
    void deleteFolderKey(int userId);

public slots:
    void newKey();

protected:
    QTreeWidget* keyPane() const override;
    QString keyringName() const override { return m_folderName; }
    QString holderName(QTreeWidgetItem* keyRow) const override;
    bool isRowModified(QTreeWidgetItem* keyRow) const override;
    void saveRow(QTreeWidgetItem* keyRow) override;
    void revertRow(QTreeWidgetItem* keyRow) override;
    void deleteRow(QTreeWidgetItem* keyRow) override;
    void changeRules(QTreeWidgetItem* keyRow,
                     const std::function<void(zarv::data::SecurityDescriptor&)>& change) override;

private:
    void insertFolderKeyReply(const BusReply& bus, const zarv::data::InsertFolderKeyReply& reply);
    void updateFolderKeyReply(const BusReply& bus, const zarv::data::UpdateFolderKeyReply& reply);
    // The reply to a folder key's delete has the shape of a document key's.
    void deleteFolderKeyReply(const BusReply& bus, const zarv::data::DeleteDocumentKeyReply& reply);

    const int m_folderId;
    const QString m_folderName;
    FolderKeyringPaneTreeWidget* const m_pane;
    QAction* const m_newAction;
};
