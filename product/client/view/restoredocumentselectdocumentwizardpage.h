#pragma once

#include <QWizardPage>

#include <optional>

class QDateTime;
class QDateTimeEdit;
class QListWidget;
class QListWidgetItem;
class QRadioButton;
class QTableWidget;

namespace zarv::data {
class Document;
class SelectDocumentReply;
}  // namespace zarv::data

// The first page of the restore-document wizard: the documents deleted in a
// period (the last day at first) with the revisions of the chosen one, and
// whether to restore it in the folder that held it or in a folder picked on
// the next page. Next writes the wizard's `document` and, for the folder
// that held it, `documentFolderId` and `documentFolderName`.
class RestoreDocumentSelectDocumentWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    // The record of a table row's name cell and of a revision item.
    static constexpr int DocumentRole = 1000;

    explicit RestoreDocumentSelectDocumentWizardPage(QWidget* parent);

    // Lists the documents deleted in the period; a failed query is told
    // once, until a query succeeds again.
    void initializePage() override;
    bool validatePage() override;
    // A row and one of its revisions are chosen. With the folder that held
    // the document chosen, that folder must still exist: looked up once per
    // chosen row; when it is gone, the page switches to a picked folder.
    bool isComplete() const override;
    int nextId() const override;

public slots:
    void fromDateTimeChanged(const QDateTime& dateTime);
    void toDateTimeChanged(const QDateTime& dateTime);
    // The current row changed, by mouse in any column or by keyboard: it is
    // selected and its revisions listed, the newest selected.
    void documentsTableWidgetCurrentRowChanged(int row);
    void revisionsListWidgetItemDoubleClicked(QListWidgetItem* item);

private:
    void initializeWidgets();
    void initializeLayout();
    // The record of the selected row, or null.
    std::optional<zarv::data::Document> selectedDocument() const;
    std::optional<zarv::data::Document> selectedRevision() const;
    void warn(const char* textId);

    QDateTimeEdit* const m_fromDateTimeEdit;
    QDateTimeEdit* const m_toDateTimeEdit;
    QTableWidget* const m_documentsTableWidget;
    QListWidget* const m_revisionsListWidget;
    QRadioButton* const m_originalFolderRadioButton;
    QRadioButton* const m_selectedFolderRadioButton;
    // The document whose original folder was looked up, and whether it exists.
    mutable std::optional<int> m_folderCheckedDocumentId;
    mutable bool m_originalFolderExists = false;
    bool m_queryFailureShown = false;
};

// Fills the table with one row per deleted document of the reply: its
// revision with the latest end of period (the deletion), unsorted.
void HandleSelectDeletedDocumentReply(const zarv::data::SelectDocumentReply& reply, QTableWidget* table);
