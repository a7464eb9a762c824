#pragma once

#include "library/gui/abstractviewwindow.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

class DocumentKeysPaneTreeWidget;
class FolderKeysPaneTreeWidget;
class KeyListPaneTreeWidget;
class QAction;
class StandingStatusMessage;

// The base of the two windows that list the keys given to the logged-on user.
// The list is read-only and is read from the server in one synchronous round
// trip when the window is built and on every Refresh; Open opens the object
// of the current key through the key's opener, which checks its rules and
// passcode on the way. The window takes no part in the bus's replies.
class KeyListView : public AbstractViewWindow
{
    Q_OBJECT

public:
    ~KeyListView() override;

signals:
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

public slots:
    // Reads the list afresh: every View action unchecked, every row closed.
    void refresh();

protected:
    // `context` holds the window's texts; `openTexts` those of its Open action.
    KeyListView(QWidget* parent,
                const char* context,
                const ActionTexts& openTexts,
                const char* titleId,
                const char* icon,
                KeyListPaneTreeWidget* tree);

    // Asks the server for the user's keys and adds them to the tree; the
    // failure's text when no list came back whole, else an empty text.
    virtual QString fill(int userId) = 0;
    // The key record of the current row's key row; null when there is none.
    QVariant currentKey() const;

    QAction* const m_openAction;
    QAction* const m_refreshAction;
    QAction* const m_viewMonthsAction;
    QAction* const m_viewDaysAction;
    QAction* const m_viewPermissionsAction;
    QAction* const m_helpAboutAction;

private:
    KeyListPaneTreeWidget* const m_tree;
    StandingStatusMessage* const m_status;
};

// "My Document Keyring": the document keys given to the user.
class DocumentKeysView : public KeyListView
{
    Q_OBJECT

public:
    explicit DocumentKeysView(QWidget* parent);
    ~DocumentKeysView() override;

signals:
    void addDocumentKey(const zarv::data::DocumentKey& documentKey);

public slots:
    void openDocument();

protected:
    QString fill(int userId) override;

private:
    DocumentKeysPaneTreeWidget* const m_documentKeysPaneTreeWidget;
};

// "My Folder Keyring": the folder keys given to the user; Open shows the
// key's folder in a new document browser.
class FolderKeysView : public KeyListView
{
    Q_OBJECT

public:
    explicit FolderKeysView(QWidget* parent);
    ~FolderKeysView() override;

signals:
    void addFolderKey(const zarv::data::FolderKey& folderKey);

public slots:
    void openFolder();

protected:
    QString fill(int userId) override;

private:
    FolderKeysPaneTreeWidget* const m_folderKeysPaneTreeWidget;
};
