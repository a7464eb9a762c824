#pragma once

#include <QTextEdit>

class QFocusEvent;
class QString;

// The rich-text widget of the document and message windows. It exports its
// document to a text or PDF file, prints it, previews the print, copies the
// selection and opens the find dialog. It audits nothing itself: after each
// of these operations it emits a count that the window turns into the audit
// request of its record. Every count is a length in UTF-16 code units, cut
// to 32 bits.
class AbstractTextReader : public QTextEdit
{
    Q_OBJECT

public:
    explicit AbstractTextReader(QWidget* parent);

    // Whether the widget holds a selection that can be copied.
    bool getCopyAvailable() const;

public slots:
    // Runs the find dialog on this widget and returns when it closes.
    virtual void findText();
    // The save dialogs propose `pathName`. A name without a suffix is given
    // ".txt"; the format follows the suffix (txt, htm/html, odt, md). A
    // cancelled dialog does nothing; a failed export is reported in a box
    // and emits no count.
    virtual void exportToTextFile(const QString& pathName);
    virtual void exportToPdfFile(const QString& pathName);
    // The names are not used.
    virtual void print(const QString& fileName);
    virtual void printPreview(const QString& fileName);
    virtual void copyToClipboard();
    virtual void updateCopyAvailable(bool yes);

signals:
    void focusIn(QFocusEvent* focusEvent);
    // The length of the whole document's plain text.
    void exportBytesToTextFile(unsigned int bytesOut);
    void exportBytesToPdfFile(unsigned int bytesOut);
    void printBytes(unsigned int bytesOut);
    // The length of the selected text (a paragraph break counts as one).
    void copyBytesToClipboard(unsigned int bytesOut);

protected:
    void focusInEvent(QFocusEvent* event) override;

    // The count that the signals carry for `text`.
    static unsigned int CountOf(const QString& text);

private:
    void reportExportFailure(const QString& title, const QString& fileName);
    unsigned int plainTextCount() const;

    bool m_copyAvailable;
};
