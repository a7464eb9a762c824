#include "library/gui/abstracttextreader.h"

#include "library/gui/finddialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocumentWriter>

#include <memory>

AbstractTextReader::AbstractTextReader(QWidget* parent)
    : QTextEdit(parent)
    , m_copyAvailable(false)
{
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QTextEdit::copyAvailable, this, &AbstractTextReader::updateCopyAvailable);
}

bool AbstractTextReader::getCopyAvailable() const
{
    return m_copyAvailable;
}

void AbstractTextReader::findText()
{
    FindDialog dialog(*this, this);
    dialog.exec();
}

void AbstractTextReader::exportToTextFile(const QString& pathName)
{
    const QString title = tr("ExportToTextFile");
    QString fileName = QFileDialog::getSaveFileName(this, title, pathName, QStringLiteral("Text Files (*.txt)"));
    if (fileName.isEmpty()) {
        return;
    }
    // The dialog's filter offers text files only.
    if (QFileInfo(fileName).suffix().isEmpty()) {
        fileName += QStringLiteral(".txt");
    }
    QTextDocumentWriter writer(fileName);
    if (!writer.write(document())) {
        reportExportFailure(title, fileName);
        return;
    }
    emit exportBytesToTextFile(plainTextCount());
}

void AbstractTextReader::exportToPdfFile(const QString& pathName)
{
    const QString title = tr("ExportToPdfFile");
    const QString fileName = QFileDialog::getSaveFileName(this, title, pathName, QStringLiteral("PDF Files (*.pdf)"));
    if (fileName.isEmpty()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(fileName);
    printer.setOutputFormat(QPrinter::PdfFormat);
    document()->print(&printer);
    // The print routine reports nothing: a file that could not be opened
    // leaves the printer in its error state, or no file at all.
    const QFileInfo written(fileName);
    if (printer.printerState() == QPrinter::Error || !written.isFile() || written.size() == 0) {
        reportExportFailure(title, fileName);
        return;
    }
    emit exportBytesToPdfFile(plainTextCount());
}

void AbstractTextReader::print(const QString&)
{
    QPrinter printer(QPrinter::HighResolution);
    const auto dialog = std::make_unique<QPrintDialog>(&printer, this);
    if (textCursor().hasSelection()) {
        dialog->setOption(QAbstractPrintDialog::PrintSelection);
    }
    dialog->setWindowTitle(tr("PrintDialog"));
    if (dialog->exec() == QDialog::Accepted) {
        QTextEdit::print(&printer);
        emit printBytes(plainTextCount());
    }
}

void AbstractTextReader::printPreview(const QString&)
{
    QPrinter printer(QPrinter::HighResolution);
    const auto dialog = std::make_unique<QPrintPreviewDialog>(&printer);
    connect(
        dialog.get(), &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter* target) { QTextEdit::print(target); }, Qt::DirectConnection);
    if (dialog->exec() == QDialog::Accepted) {
        emit printBytes(plainTextCount());
    }
}

void AbstractTextReader::copyToClipboard()
{
    if (!m_copyAvailable) {
        return;
    }
    const QString selected = textCursor().selectedText();
    copy();
    emit copyBytesToClipboard(CountOf(selected));
}

void AbstractTextReader::updateCopyAvailable(bool yes)
{
    m_copyAvailable = yes;
}

void AbstractTextReader::focusInEvent(QFocusEvent* event)
{
    emit focusIn(event);
    QTextEdit::focusInEvent(event);
}

unsigned int AbstractTextReader::CountOf(const QString& text)
{
    return static_cast<unsigned int>(text.size());
}

void AbstractTextReader::reportExportFailure(const QString& title, const QString& fileName)
{
    QMessageBox::warning(this, title, tr("ExportFailed").arg(QDir::toNativeSeparators(fileName)));
}

unsigned int AbstractTextReader::plainTextCount() const
{
    return CountOf(document()->toPlainText());
}
