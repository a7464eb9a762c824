#pragma once

#include <QList>
#include <QWizardPage>

class QListWidget;
class QListWidgetItem;
class QToolButton;

// The restore-document wizard's page for a folder that the user picks: he
// walks down from his home folder one level at a time (a double click opens
// a subfolder; back, home and forward buttons move through the way taken).
// The target is the selected subfolder, or the home folder itself while the
// page shows the home level with nothing selected.
class RestoreDocumentSelectFolderWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    // The record of a folder item.
    static constexpr int FolderRole = 257;
    static constexpr int FolderItemType = 2002;

    explicit RestoreDocumentSelectFolderWizardPage(QWidget* parent);

    void initializePage() override;
    bool isComplete() const override;
    // Refuses a target that holds a document of the restored document's
    // name; otherwise writes `documentFolderId` and `documentFolderName`.
    bool validatePage() override;

    // The folders listed so far on the way from home (the last is the one
    // shown), and those left by going back.
    const QList<int>& history() const { return m_history; }
    const QList<int>& forwardList() const { return m_forward; }

public slots:
    void folderItemClicked(QListWidgetItem* item);
    void folderItemDoubleClicked(QListWidgetItem* item);
    void undoSelectFolder();
    void selectHomeFolder();
    void redoSelectFolder();

private:
    void initializeWindow();
    void initializeLayout();
    // Lists the subfolders; the folder enters the history only when that
    // succeeded.
    void selectFolder(int folderId);
    bool isHomeFolderSelected() const;

    QListWidget* const m_folderListWidget;
    QToolButton* const m_backButton;
    QToolButton* const m_homeButton;
    QToolButton* const m_forwardButton;
    QList<int> m_history;
    QList<int> m_forward;
};
