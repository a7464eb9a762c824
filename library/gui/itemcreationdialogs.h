#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// What sets one item creation dialog apart from its twins: texts and icon
// (translation ids in the dialog's own context), field limits (0 for the
// field's own), prefilled text and whether OK starts enabled.
struct ItemCreationDialogLook
{
    const char* context;
    const char* firstLabel;
    const char* secondLabel;
    const char* windowTitle;
    const char* windowIcon;
    int firstMaxLength;
    int secondMaxLength;
    const char* firstText;
    bool okEnabledAtStart;
};

// Two labelled line edits above OK and Cancel: the body of the small dialogs
// that collect the two texts of a new item. They check nothing beyond what
// enables OK and talk to no server; the caller reads the texts after Accepted.
class ItemCreationDialog : public QDialog
{
    Q_OBJECT

public:
    ItemCreationDialog(const ItemCreationDialogLook& look, QWidget* parent);

protected:
    QLineEdit* firstLineEdit() const { return m_firstLineEdit; }
    QLineEdit* secondLineEdit() const { return m_secondLineEdit; }
    QPushButton* okPushButton() const { return m_okPushButton; }

private:
    QLabel* m_firstLabel;
    QLabel* m_secondLabel;
    QLineEdit* m_firstLineEdit;
    QLineEdit* m_secondLineEdit;
    QPushButton* m_okPushButton;
    QPushButton* m_cancelPushButton;
};

// A web page for a document: its URL, prefilled with "https://", and a
// description. OK is enabled only while the URL the user edited is secure;
// both texts come back exactly as typed.
class AddUrlDialog : public ItemCreationDialog
{
    Q_OBJECT

public:
    explicit AddUrlDialog(QWidget* parent);

    QString getUrl() const;
    QString getUrlDescription() const;

public slots:
    void urlEdited(const QString& text);
};

// The name and description of a new document, trimmed.
class CreateDocumentDialog : public ItemCreationDialog
{
    Q_OBJECT

public:
    explicit CreateDocumentDialog(QWidget* parent);

    QString getDocumentName() const;
    QString getDocumentDescription() const;
};

// The name and description of a new folder, trimmed.
class CreateFolderDialog : public ItemCreationDialog
{
    Q_OBJECT

public:
    explicit CreateFolderDialog(QWidget* parent);

    QString getFolderName() const;
    QString getFolderDescription() const;
};
