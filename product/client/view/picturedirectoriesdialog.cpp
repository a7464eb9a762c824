#include "product/client/view/picturedirectoriesdialog.h"

#include "library/gui/linguist.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

PictureDirectoriesDialog::PictureDirectoriesDialog(QWidget* parent)
    : QDialog(parent)
    , m_directoryListWidget(new QListWidget(this))
    , m_addPushButton(new QPushButton(tr("Add"), this))
    , m_editPushButton(new QPushButton(tr("Edit"), this))
    , m_removePushButton(new QPushButton(tr("Remove"), this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(tr("PictureDirectoriesDialogTitle"));
    initializeWidgets();
    initializeLayout();
}

PictureDirectoriesDialog::~PictureDirectoriesDialog() = default;

QListWidget* PictureDirectoriesDialog::getDirectoryListWidget() const
{
    return m_directoryListWidget;
}

void PictureDirectoriesDialog::initializeWidgets()
{
    connect(m_addPushButton, &QPushButton::clicked, this, &PictureDirectoriesDialog::addDirectory);
    connect(m_editPushButton, &QPushButton::clicked, this, &PictureDirectoriesDialog::editDirectory);
    connect(m_removePushButton, &QPushButton::clicked, this, &PictureDirectoriesDialog::removeDirectory);
    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

void PictureDirectoriesDialog::initializeLayout()
{
    auto* buttonsLayout = new QVBoxLayout;
    buttonsLayout->addWidget(m_addPushButton);
    buttonsLayout->addWidget(m_editPushButton);
    buttonsLayout->addWidget(m_removePushButton);
    buttonsLayout->addStretch();
    buttonsLayout->addWidget(m_okPushButton);
    buttonsLayout->addWidget(m_cancelPushButton);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_directoryListWidget);
    layout->addLayout(buttonsLayout);
}

void PictureDirectoriesDialog::addDirectory()
{
    QFileDialog picker(this, tr("SelectPictureDirectory"), QStringLiteral("."));
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    const QStringList directories = picker.selectedFiles();
    if (directories.size() != 1 || findDirectory(directories.first())) {
        return;
    }
    m_directoryListWidget->addItem(directories.first());
}

void PictureDirectoriesDialog::editDirectory()
{
    QListWidgetItem* item = selectedDirectory();
    if (!item) {
        return;
    }
    const QString oldDirectory = item->text();
    bool ok = false;
    const QString newDirectory = QInputDialog::getText(
        this, tr("EditDirectoryDialogTitle"), tr("EditDirectoryDialogLabel"), QLineEdit::Normal, oldDirectory, &ok);
    if (!ok || newDirectory.isEmpty() || newDirectory == oldDirectory) {
        return;
    }
    // The new path is listed already: the list keeps that entry and drops the
    // edited one, so every directory stays listed once.
    if (findDirectory(newDirectory, item)) {
        delete item;
        return;
    }
    if (QFileInfo(newDirectory).isDir()) {
        item->setText(newDirectory);
        return;
    }
    QMessageBox warning(QMessageBox::Warning, tr("DirectoryDoesNotExistDialogTitle"), tr("DirectoryDoesNotExist"),
                        QMessageBox::Ok, this);
    // The path is the user's own text: shown as typed, never as markup.
    warning.setInformativeText(Qt::convertFromPlainText(newDirectory, Qt::WhiteSpacePre));
    warning.exec();
}

void PictureDirectoriesDialog::removeDirectory()
{
    delete selectedDirectory();
}

QListWidgetItem* PictureDirectoriesDialog::selectedDirectory() const
{
    const QList<QListWidgetItem*> selected = m_directoryListWidget->selectedItems();
    return selected.size() == 1 ? selected.first() : nullptr;
}

QListWidgetItem* PictureDirectoriesDialog::findDirectory(const QString& directory, const QListWidgetItem* except) const
{
    for (int row = 0; row < m_directoryListWidget->count(); ++row) {
        QListWidgetItem* item = m_directoryListWidget->item(row);
        if (item != except && item->text() == directory) {
            return item;
        }
    }
    return nullptr;
}
