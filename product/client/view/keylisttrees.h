#pragma once

#include "library/gui/abstractpanetreewidget.h"

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

namespace keyrows {
struct Layout;
}

// The item data of a key list: column 0 of a key row keeps its key; a row's
// kind stands on the column of its text.
enum KeyListRole : int
{
    KeyListRecordRole = Qt::UserRole,
    KeyListKindRole = Qt::UserRole + 1
};

// The read-only tree of the keys given to the user: one row per key with its
// owner, object and rules, and below it the Permissions, Days and Months
// groups of check marks. Rows stay in the order they are added.
class KeyListPaneTreeWidget : public AbstractPaneTreeWidget
{
    Q_OBJECT

public:
    ~KeyListPaneTreeWidget() override;

public slots:
    // Fits the columns once control returns to the event loop; requests in a
    // row fit them once.
    void resizeColumnsToContents();
    void viewPermissionsToggled(bool view);
    void viewDaysToggled(bool view);
    void viewMonthsToggled(bool view);

protected:
    KeyListPaneTreeWidget(QWidget* parent, const keyrows::Layout& layout, int activeColumn, const QStringList& headers);

    // Appends a key row: column 0 the owner and the key, `texts` in the
    // columns from 1 on but the Active column, then the groups.
    void addKeyRow(const QVariant& key, const QString& owner, const QStringList& texts, int permissions, int active);

private:
    void fitColumns();

    const keyrows::Layout& m_layout;
    const int m_activeColumn;
    bool m_resizePending = false;
};

class DocumentKeysPaneTreeWidget : public KeyListPaneTreeWidget
{
    Q_OBJECT

public:
    explicit DocumentKeysPaneTreeWidget(QWidget* parent);
    ~DocumentKeysPaneTreeWidget() override;

public slots:
    void addDocumentKey(const zarv::data::DocumentKey& documentKey);
};

class FolderKeysPaneTreeWidget : public KeyListPaneTreeWidget
{
    Q_OBJECT

public:
    explicit FolderKeysPaneTreeWidget(QWidget* parent);
    ~FolderKeysPaneTreeWidget() override;

public slots:
    void addFolderKey(const zarv::data::FolderKey& folderKey);
};
