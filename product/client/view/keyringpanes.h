#pragma once

#include "library/gui/abstractpanetreewidget.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QStringList>

namespace keyrows {
struct Layout;
}

// The item data of a keyring pane: column 0 of a key row keeps the key as
// loaded and as edited; a cell's kind says which box it is, if any.
enum KeyringRole : int
{
    KeyringKeyBaseRole = Qt::UserRole,
    KeyringKeyRole = Qt::UserRole + 1,
    KeyringItemKindRole = Qt::UserRole + 2
};

// The tree of a keyring window: one row per key holder, the key's rules in
// columns and, below, its permission, weekday and month boxes. A box toggled
// by mouse or keyboard changes the row's edited key at once, and the row shows
// whether its key differs from the one loaded (icon) and whether it is
// active (font). The pane never talks to the server; the window hands it the
// keys to show.
class KeyringPaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    ~KeyringPaneTreeWidget() override;

public slots:
    // Asks for the columns to fit their contents once control returns to the
    // event loop; requests in a row fit them once.
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

protected:
    KeyringPaneTreeWidget(QWidget* parent, const keyrows::Layout& layout, const QStringList& headers);

    // The box of `bit` in the edited key of `keyRow` changed to `on`.
    virtual void applyBit(QTreeWidgetItem* keyRow, bool permission, int bit, bool on) = 0;
    // A check-state change of the user: applied to the edited key unless the
    // pane itself is writing its rows.
    void checkChanged(QTreeWidgetItem* item, int column);

    const keyrows::Layout& m_layout;
    // Set while the pane writes its own rows, whose changes are not edits.
    bool m_writing = false;

private:
    void fitColumns();

    bool m_resizePending = false;
};

class DocumentKeyringPaneTreeWidget : public KeyringPaneTreeWidget
{
    Q_OBJECT

public:
    explicit DocumentKeyringPaneTreeWidget(QWidget* parent);
    ~DocumentKeyringPaneTreeWidget() override;

public slots:
    void addDocumentKey(const zarv::data::DocumentKey& documentKey);
    // The first row of the key's holder takes it as loaded and edited key.
    void updateDocumentKey(const zarv::data::DocumentKey& documentKey);
    void revertDocumentKey(const zarv::data::DocumentKey& documentKeyBase);
    // Removes the first row of the holder.
    void deleteDocumentKey(int userId);
    void documentKeyChanged(QTreeWidgetItem* item, int column);

protected:
    void applyBit(QTreeWidgetItem* keyRow, bool permission, int bit, bool on) override;
};

class FolderKeyringPaneTreeWidget : public KeyringPaneTreeWidget
{
    Q_OBJECT

public:
    explicit FolderKeyringPaneTreeWidget(QWidget* parent);
    ~FolderKeyringPaneTreeWidget() override;

public slots:
    void addFolderKey(const zarv::data::FolderKey& folderKey);
    void updateFolderKey(const zarv::data::FolderKey& folderKey);
    void revertFolderKey(const zarv::data::FolderKey& folderKeyBase);
    void deleteFolderKey(int userId);
    void folderKeyChanged(QTreeWidgetItem* item, int column);

protected:
    void applyBit(QTreeWidgetItem* keyRow, bool permission, int bit, bool on) override;
};

// A top-level row whose column 0 has the kind 0.
bool IsDocumentKeyTreeWidgetItem(const QTreeWidgetItem* item);
bool IsFolderKeyTreeWidgetItem(const QTreeWidgetItem* item);
// The key row of any cell; `item` must not be null.
QTreeWidgetItem* GetDocumentKeyTreeWidgetItem(QTreeWidgetItem* item);
QTreeWidgetItem* GetFolderKeyTreeWidgetItem(QTreeWidgetItem* item);
// The edited and the loaded key of a key row; an empty key for any other row.
zarv::data::DocumentKey GetDocumentKey(QTreeWidgetItem* item);
zarv::data::DocumentKey GetDocumentKeyBase(QTreeWidgetItem* item);
zarv::data::FolderKey GetFolderKey(QTreeWidgetItem* item);
zarv::data::FolderKey GetFolderKeyBase(QTreeWidgetItem* item);
// Whether the edited key's rules differ from those loaded.
bool IsModifiedDocumentKey(QTreeWidgetItem* keyRow);
bool IsModifiedFolderKey(QTreeWidgetItem* keyRow);
