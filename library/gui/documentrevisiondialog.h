#pragma once

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QTextEdit;

// Shows one stored revision of a document, read-only and not selectable,
// titled with the document's name and the revision's date and time in local
// time. The revision is the database text of an instant in UTC; when it does
// not parse the dialog stays untitled. It ends Rejected (Close).
class DocumentRevisionDialog : public QDialog
{
    Q_OBJECT

public:
    DocumentRevisionDialog(const QString& documentName,
                           const QString& revision,
                           const QString& content,
                           QWidget* parent);

private:
    QString m_documentName;
    QString m_revision;
    QString m_content;  // HTML
    QTextEdit* m_contentTextEdit;
    QDialogButtonBox* m_buttonBox;
};
