#include "library/gui/itemcreationdialogs.h"

#include "library/gui/horizontalline.h"
#include "library/gui/linguist.h"
#include "library/gui/url.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const ItemCreationDialogLook AddUrlLook = {
    "AddUrlDialog", "Url:", "UrlDescription:", "AddUrlDialogWindowTitle", ":icons/32x32/web-address.png", 2000, 256,
    "https://",     false,
};

const ItemCreationDialogLook CreateDocumentLook = {
    "CreateDocumentDialog",
    "DocumentName:",
    "DocumentDescription:",
    "CreateDocumentDialogWindowTitle",
    ":icons/32x32/document-create.png",
    0,
    0,
    "",
    true,
};

const ItemCreationDialogLook CreateFolderLook = {
    "CreateFolderDialog",
    "FolderName:",
    "FolderDescription:",
    "CreateFolderDialogWindowTitle",
    ":icons/32x32/folder-create.png",
    0,
    0,
    "",
    true,
};

QString Translated(const ItemCreationDialogLook& look, const char* id)
{
    return QCoreApplication::translate(look.context, id);
}

void LimitLength(QLineEdit* lineEdit, int maxLength)
{
    if (maxLength > 0) {
        lineEdit->setMaxLength(maxLength);
    }
}

}  // namespace

ItemCreationDialog::ItemCreationDialog(const ItemCreationDialogLook& look, QWidget* parent)
    : QDialog(parent)
    , m_firstLabel(new QLabel(Translated(look, look.firstLabel), this))
    , m_secondLabel(new QLabel(Translated(look, look.secondLabel), this))
    , m_firstLineEdit(new QLineEdit(this))
    , m_secondLineEdit(new QLineEdit(this))
    , m_okPushButton(new QPushButton(Linguist::tr("Ok"), this))
    , m_cancelPushButton(new QPushButton(Linguist::tr("Cancel"), this))
{
    setWindowTitle(Translated(look, look.windowTitle));
    setWindowIcon(QIcon(QString::fromLatin1(look.windowIcon)));
    setMinimumWidth(400);

    m_firstLabel->setBuddy(m_firstLineEdit);
    m_secondLabel->setBuddy(m_secondLineEdit);
    LimitLength(m_firstLineEdit, look.firstMaxLength);
    LimitLength(m_secondLineEdit, look.secondMaxLength);
    m_firstLineEdit->setText(QString::fromLatin1(look.firstText));
    m_okPushButton->setEnabled(look.okEnabledAtStart);

    auto* fieldsLayout = new QGridLayout;
    fieldsLayout->addWidget(m_firstLabel, 0, 0);
    fieldsLayout->addWidget(m_firstLineEdit, 0, 1);
    fieldsLayout->addWidget(m_secondLabel, 1, 0);
    fieldsLayout->addWidget(m_secondLineEdit, 1, 1);

    auto* buttonsLayout = new QHBoxLayout;
    buttonsLayout->addWidget(m_okPushButton);
    buttonsLayout->addStretch();
    buttonsLayout->addWidget(m_cancelPushButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsLayout);
    layout->addWidget(utils::CreateHorizontalLine(this));
    layout->addLayout(buttonsLayout);

    connect(m_okPushButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

AddUrlDialog::AddUrlDialog(QWidget* parent)
    : ItemCreationDialog(AddUrlLook, parent)
{
    // Only the user's edits decide: the prefilled text leaves OK disabled.
    connect(firstLineEdit(), &QLineEdit::textEdited, this, &AddUrlDialog::urlEdited);
}

QString AddUrlDialog::getUrl() const
{
    return firstLineEdit()->text();
}

QString AddUrlDialog::getUrlDescription() const
{
    return secondLineEdit()->text();
}

void AddUrlDialog::urlEdited(const QString& text)
{
    okPushButton()->setEnabled(Url(text).isSecure());
}

CreateDocumentDialog::CreateDocumentDialog(QWidget* parent)
    : ItemCreationDialog(CreateDocumentLook, parent)
{}

QString CreateDocumentDialog::getDocumentName() const
{
    return firstLineEdit()->text().trimmed();
}

QString CreateDocumentDialog::getDocumentDescription() const
{
    return secondLineEdit()->text().trimmed();
}

CreateFolderDialog::CreateFolderDialog(QWidget* parent)
    : ItemCreationDialog(CreateFolderLook, parent)
{}

QString CreateFolderDialog::getFolderName() const
{
    return firstLineEdit()->text().trimmed();
}

QString CreateFolderDialog::getFolderDescription() const
{
    return secondLineEdit()->text().trimmed();
}
