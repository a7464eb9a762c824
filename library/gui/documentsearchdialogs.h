#pragma once

#include "library/gui/abstractsearchdialog.h"

#include "documentkeys3.pb.h"
#include "documents3.pb.h"
#include "folder3.pb.h"
#include "folderkey3.pb.h"
#include "selectdocumentkeyrequest3.pb.h"
#include "selectdocumentrequest3.pb.h"

class QCheckBox;

// The frame of the two document searches, with the columns Document Name,
// Creation Date and Modification Date.
class DocumentSearchDialog : public AbstractSearchDialog<DocumentSearchTableView>
{
    Q_OBJECT

public:
    explicit DocumentSearchDialog(QWidget* parent);

public slots:
    void itemSelectionChanged() override;
    void reset() override;
};

// Searches the documents of a folder, and of its subfolders when asked. When
// the search fails the results are emptied.
class FolderDocumentSearchDialog : public DocumentSearchDialog
{
    Q_OBJECT

public:
    // The first cell's role of a result's zarv::data::Document.
    static constexpr int DocumentRole = Qt::UserRole + 3;

    // The folder must outlive the dialog.
    FolderDocumentSearchDialog(const zarv::data::Folder& folder, QWidget* parent);

    zarv::data::SelectDocumentRequest getSelectDocumentRequest() const;
    zarv::data::Documents selectedDocuments() const;

public slots:
    void search() override;

private:
    const zarv::data::Folder& m_folder;
    QCheckBox* m_searchSubfoldersCheckBox;
};

// Searches the documents reachable through a folder key. When the search
// fails the previous results stay.
class FolderKeyDocumentSearchDialog : public DocumentSearchDialog
{
    Q_OBJECT

public:
    // The first cell's role of a result's zarv::data::DocumentKey.
    static constexpr int DocumentKeyRole = Qt::UserRole + 4;

    // The key must outlive the dialog.
    FolderKeyDocumentSearchDialog(const zarv::data::FolderKey& folderKey, QWidget* parent);

    zarv::data::SelectDocumentKeyRequest getSelectDocumentKeyRequest() const;
    zarv::data::DocumentKeys selectedDocumentKeys() const;

public slots:
    void search() override;

private:
    const zarv::data::FolderKey& m_folderKey;
    QCheckBox* m_searchSubfoldersCheckBox;
};
