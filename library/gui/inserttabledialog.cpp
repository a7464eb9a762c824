#include "library/gui/inserttabledialog.h"

#include "library/gui/columnwidthdelegate.h"
#include "library/gui/linguist.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString NewColumnWidth = QStringLiteral("100");

QSpinBox* CreateSpinBox(QWidget* parent, int minimum, int maximum)
{
    auto* spinBox = new QSpinBox(parent);
    spinBox->setRange(minimum, maximum);
    spinBox->setValue(1);
    return spinBox;
}

}  // namespace

InsertTableDialog::InsertTableDialog(QWidget* parent)
    : QDialog(parent)
    , m_alignmentComboBox(new QComboBox(this))
    , m_cellPaddingSpinBox(CreateSpinBox(this, 0, 99))
    , m_cellSpacingSpinBox(CreateSpinBox(this, 0, 99))
    , m_rowsSpinBox(CreateSpinBox(this, 1, 99))
    , m_columnsSpinBox(CreateSpinBox(this, 1, 99))
    , m_columnsListWidget(new QListWidget(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(tr("InsertTableDialogTitle"));
    m_alignmentComboBox->addItems(
        {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Centered"), QStringLiteral("Justified")});
    m_columnsListWidget->setItemDelegate(new ColumnWidthDelegate(m_columnsListWidget));
    columnsSpinBoxValueChanged(m_columnsSpinBox->value());

    auto* form = new QFormLayout;
    form->addRow(tr("Alignment"), m_alignmentComboBox);
    form->addRow(tr("CellPadding"), m_cellPaddingSpinBox);
    form->addRow(tr("CellSpacing"), m_cellSpacingSpinBox);
    form->addRow(tr("Rows"), m_rowsSpinBox);
    form->addRow(tr("Columns"), m_columnsSpinBox);
    auto* widthsBox = new QGroupBox(tr("ColumnWidths"), this);
    auto* widthsLayout = new QVBoxLayout(widthsBox);
    widthsLayout->addWidget(m_columnsListWidget);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okPushButton);
    buttons->addWidget(m_cancelPushButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(widthsBox);
    layout->addLayout(buttons);

    connect(m_columnsSpinBox, &QSpinBox::valueChanged, this, &InsertTableDialog::columnsSpinBoxValueChanged);
    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* InsertTableDialog::getAlignmentComboBox() const
{
    return m_alignmentComboBox;
}

QSpinBox* InsertTableDialog::getCellPaddingSpinBox() const
{
    return m_cellPaddingSpinBox;
}

QSpinBox* InsertTableDialog::getCellSpacingSpinBox() const
{
    return m_cellSpacingSpinBox;
}

QSpinBox* InsertTableDialog::getRowsSpinBox() const
{
    return m_rowsSpinBox;
}

QSpinBox* InsertTableDialog::getColumnsSpinBox() const
{
    return m_columnsSpinBox;
}

QListWidget* InsertTableDialog::getColumnsListWidget() const
{
    return m_columnsListWidget;
}

void InsertTableDialog::columnsSpinBoxValueChanged(int value)
{
    while (m_columnsListWidget->count() > value) {
        delete m_columnsListWidget->takeItem(m_columnsListWidget->count() - 1);
    }
    while (m_columnsListWidget->count() < value) {
        auto* item = new QListWidgetItem(NewColumnWidth, m_columnsListWidget);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
}
