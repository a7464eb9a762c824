#include "library/gui/itemcreationdialogs.h"

#include "library/gui/linguist.h"
#include "library/gui/twofielddialoglayout.h"
#include "library/gui/url.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

    LimitLength(m_firstLineEdit, look.firstMaxLength);
    LimitLength(m_secondLineEdit, look.secondMaxLength);
    m_firstLineEdit->setText(QString::fromLatin1(look.firstText));
    m_okPushButton->setEnabled(look.okEnabledAtStart);

    utils::LayOutTwoFieldDialog(this, m_firstLabel, m_firstLineEdit, m_secondLabel, m_secondLineEdit, m_okPushButton,
                                m_cancelPushButton);
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
