#pragma once

#include "library/gui/replytable.h"
#include "product/client/view/keyringview.h"

#include "deletedocumentkeyreply3.pb.h"
#include "documentkey3.pb.h"
#include "insertdocumentkeyreply3.pb.h"
#include "updatedocumentkeyreply3.pb.h"

class DocumentKeyringPaneTreeWidget;

// The keys that other users hold to one document. A change goes to the server
// as a bus request, and reaches the rows only through its reply without
// errors; a refused or unanswered one leaves the rows as they were and says
// so. Save sends the row's key whether or not it changed.
class DocumentKeyringView : public KeyringView
{
    Q_OBJECT

public:
    DocumentKeyringView(int documentId, const QString& name, QWidget* parent);
    ~DocumentKeyringView() override;

    int getDocumentId() const { return m_documentId; }
    QString getDocumentName() const { return m_documentName; }

signals:
    void addDocumentKey(const zarv::data::DocumentKey& documentKey);
    void updateDocumentKey(const zarv::data::DocumentKey& documentKey);
    void revertDocumentKey(const zarv::data::DocumentKey& documentKeyBase);
    void deleteDocumentKey(int userId);

public slots:
    // Grants new keys through the create-key wizard.
    void newKey();
    // Binds the current key to a revision of the document.
    void setRevision();

protected:
    QTreeWidget* keyPane() const override;
    QString keyringName() const override { return m_documentName; }
    QString holderName(QTreeWidgetItem* keyRow) const override;
    bool isRowModified(QTreeWidgetItem* keyRow) const override;
    void saveRow(QTreeWidgetItem* keyRow) override;
    void revertRow(QTreeWidgetItem* keyRow) override;
    void deleteRow(QTreeWidgetItem* keyRow) override;
    void changeRules(QTreeWidgetItem* keyRow,
                     const std::function<void(zarv::data::SecurityDescriptor&)>& change) override;

private:
    void insertDocumentKeyReply(const BusReply& bus, const zarv::data::InsertDocumentKeyReply& reply);
    void updateDocumentKeyReply(const BusReply& bus, const zarv::data::UpdateDocumentKeyReply& reply);
    void deleteDocumentKeyReply(const BusReply& bus, const zarv::data::DeleteDocumentKeyReply& reply);
    // Stores the changed key as the row's edited key and saves it.
    void storeAndSave(QTreeWidgetItem* keyRow, const zarv::data::DocumentKey& key);

    const int m_documentId;
    const QString m_documentName;
    DocumentKeyringPaneTreeWidget* const m_pane;
    QAction* const m_newAction;
    QAction* const m_setRevisionAction;
};
