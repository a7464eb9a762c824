#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

class QStandardItemModel;

// The one-column table of search criteria, one criterion per row, each row
// with a persistent editor that the column's delegate creates. A click on the
// column header ("+") appends a row; a click on a row header ("-") removes
// that row.
class SearchTableView : public QTableView
{
    Q_OBJECT

public:
    explicit SearchTableView(QWidget* parent);

    QStandardItemModel* getStandardItemModel() const { return m_standardItemModel; }

public slots:
    // Appends one row at the end, whatever section was clicked.
    void addRow(int logicalIndex);
    void deleteRow(int logicalIndex);

protected slots:
    // Decorates each new row's header and opens its editor.
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

private:
    QStandardItemModel* m_standardItemModel;
};

// Copies a criterion between a row's editor (an AbstractSearchEditor) and the
// row's item, under the four criterion roles.
class AbstractSearchDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget*
    createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override = 0;
    // Only when the row holds all four values.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Always all four, in role order.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void
    updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // Hands the editor's commits on to the view.
    QWidget* connected(QWidget* editor) const;
};

class DocumentSearchDelegate : public AbstractSearchDelegate
{
    Q_OBJECT

public:
    explicit DocumentSearchDelegate(QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class MessageSearchDelegate : public AbstractSearchDelegate
{
    Q_OBJECT

public:
    explicit MessageSearchDelegate(QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The criteria table of the document searches.
class DocumentSearchTableView : public SearchTableView
{
    Q_OBJECT

public:
    explicit DocumentSearchTableView(QWidget* parent);
};

// The criteria table of the message search.
class MessageSearchTableView : public SearchTableView
{
    Q_OBJECT

public:
    explicit MessageSearchTableView(QWidget* parent);
};
