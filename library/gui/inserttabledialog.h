#pragma once

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;
class QSpinBox;

// Asks for a new table's alignment, cell padding and spacing, rows, columns
// and one width per column (20 to 1000 pixels, 100 when new).
class InsertTableDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InsertTableDialog(QWidget* parent);

    QComboBox* getAlignmentComboBox() const;
    QSpinBox* getCellPaddingSpinBox() const;
    QSpinBox* getCellSpacingSpinBox() const;
    QSpinBox* getRowsSpinBox() const;
    QSpinBox* getColumnsSpinBox() const;
    QListWidget* getColumnsListWidget() const;

public slots:
    // Keeps one width per column: removes the last ones or appends new ones.
    void columnsSpinBoxValueChanged(int value);

private:
    QComboBox* m_alignmentComboBox;
    QSpinBox* m_cellPaddingSpinBox;
    QSpinBox* m_cellSpacingSpinBox;
    QSpinBox* m_rowsSpinBox;
    QSpinBox* m_columnsSpinBox;
    QListWidget* m_columnsListWidget;
    QPushButton* m_okPushButton;
    QPushButton* m_cancelPushButton;
};
