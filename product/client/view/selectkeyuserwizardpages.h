#pragma once

#include <QList>
#include <QWizardPage>

#include <vector>

class QListWidgetItem;
class SelectUsersWidget;

// Who holds the keys to a document or a folder, asked of the server: the
// holders' ids in the reply's order, 0 for a key without a holder record.
// Empty, with a warning logged, when the server could not be asked.
namespace keyholders {
std::vector<int> DocumentKeyHolderIds(int documentId);
std::vector<int> FolderKeyHolderIds(int folderId);
}  // namespace keyholders

// The users who receive a copy of a new key: the user picker, less every user
// who already holds a key to the same document or folder. The holders are
// asked of the server once, when the page is built; when that fails nobody
// is excluded. Next (or Finish) is enabled while at least one user is chosen.
// Going Back keeps the chosen users.
class KeyUserWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    ~KeyUserWizardPage() override;

    // Every chosen user's item, in list order; each carries its user record.
    QList<QListWidgetItem*> selectedItems() const;

    bool isComplete() const override;
    void cleanupPage() override;

    // The picker; hosts may preselect users with addUser before the wizard
    // runs.
    SelectUsersWidget* const m_selectUsersWidget;

public slots:
    // The picker's modes that may change the chosen users, or list groups
    // afresh, make the wizard ask isComplete() again.
    void setMode(int mode);

protected:
    // `context` is the page's translation context, which holds its title and
    // subtitle.
    KeyUserWizardPage(QWidget* parent, const char* context);

    // Excludes the holders, starts the picker and follows its modes.
    void initializeWidgets(const std::vector<int>& holderIds);
};

// The holder page of the document-key wizard; its parent is that wizard.
class SelectDocumentKeyUserWizardPage : public KeyUserWizardPage
{
    Q_OBJECT

public:
    explicit SelectDocumentKeyUserWizardPage(QWidget* parent);
};

// The holder page of the folder-key wizard; its parent is that wizard.
class SelectFolderKeyUserWizardPage : public KeyUserWizardPage
{
    Q_OBJECT

public:
    explicit SelectFolderKeyUserWizardPage(QWidget* parent);
};
