#pragma once

#include "library/database/lib/dbid.h"
#include "library/gui/selectrecordswidget.h"

#include <QList>

#include <set>

class QToolButton;

namespace zarv::data {
class Document;
class Documents;
class Folder;
}  // namespace zarv::data

// Picks a set of documents by way of folders: the left column browses the
// logged-on user's folders (Back, Home, Forward above the subfolders of the
// folder shown; a double click opens a subfolder); including a folder lists
// its documents, less the excluded ones, which the server leaves out.
//
// Host: construct, setUserId, exclude, then init().
class SelectDocumentsWidget : public SelectRecordsWidget
{
    Q_OBJECT

public:
    explicit SelectDocumentsWidget(QWidget* parent);
    ~SelectDocumentsWidget() override;

    const int m_modeStart = Start;
    const int m_modeNoSubfolders = FirstSourceMode;
    const int m_modeSubfolders = SecondSourceMode;
    const int m_modeFoldersNotSelected = SourcesNotSelected;
    const int m_modeFoldersSelected = SourcesSelected;
    const int m_modeFoldersIncluded = SourcesIncluded;
    const int m_modeFoldersEmpty = SourcesEmpty;
    const int m_modeUnselectedDocumentsEmpty = UnselectedEmpty;
    const int m_modeUnselectedDocumentsFilled = UnselectedFilled;
    const int m_modeUnselectedDocumentsNotSelected = UnselectedNotSelected;
    const int m_modeUnselectedDocumentsSelected = UnselectedSelected;
    const int m_modeSelectedDocumentsEmpty = SelectedEmpty;
    const int m_modeSelectedDocumentsFilled = SelectedFilled;
    const int m_modeSelectedDocumentsNotSelected = SelectedNotSelected;
    const int m_modeSelectedDocumentsSelected = SelectedSelected;

    // Kept; the listing always starts at the logged-on user's home folder.
    void setUserId(int userId);
    // Preselects the document unless it is selected already.
    void addDocument(const zarv::data::Document& document);
    // Takes effect on the next include.
    void addExcludedDocument(int documentId);

    zarv::data::Documents selectedDocuments() const;

    // The folder ids opened, the last one shown; and those left by Back.
    const QList<int>& backHistory() const { return m_backHistory; }
    const QList<int>& forwardHistory() const { return m_forwardHistory; }

public slots:
    // Empties both histories, opens the home folder and lists its documents.
    void init() override;
    void undoSelectFolder();
    void selectHomeFolder();
    void redoSelectFolder();
    void folderItemDoubleClicked(QListWidgetItem* item);

protected:
    void includeSource(QListWidgetItem* source) override;
    void enterUnselectedModeAfterInclude(int countBefore) override;

protected slots:
    virtual void enterMode(int mode);
    virtual void leaveMode(int mode);

private:
    void openHomeFolder();
    // Lists the subfolders; the id joins the back history when that worked.
    void selectFolder(int folderId);
    void includeFolder(const zarv::data::Folder& folder);

    QToolButton* const m_back;
    QToolButton* const m_home;
    QToolButton* const m_forward;
    DbId m_userId = DbId::m_NullId;
    std::set<int> m_excludedDocuments;
    QList<int> m_backHistory;
    QList<int> m_forwardHistory;
};
