#include "library/gui/texteditor.h"

#include "library/gui/inserttabledialog.h"
#include "library/gui/replacedialog.h"
#include "library/gui/settings.h"
#include "library/gui/spellcheckerdialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPalette>
#include <QSpinBox>
#include <QTextTable>

#include <iterator>

namespace {

const QString PictureSearchPrefix = QStringLiteral("pictures");

// The folder of the last picture inserted, by any editor of the process.
QString& DefaultPictureDirectory()
{
    static QString directory;
    return directory;
}

// Read once per process.
const QString& HomePictureDirectory()
{
    static const QString directory = Settings().getHomePictureDirectory();
    return directory;
}

const QString& CurrentDirectory()
{
    static const QString directory = QStringLiteral(".");
    return directory;
}

QString PictureStartDirectory()
{
    QString& last = DefaultPictureDirectory();
    if (!last.isEmpty() && !QFileInfo(last).isDir()) {
        last.clear();
    }
    if (!last.isEmpty()) {
        return last;
    }
    return HomePictureDirectory().isEmpty() ? CurrentDirectory() : HomePictureDirectory();
}

Qt::Alignment TableAlignment(int index, bool* valid)
{
    static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter, Qt::AlignJustify};
    *valid = index >= 0 && index < static_cast<int>(std::size(alignments));
    return *valid ? alignments[index] : Qt::Alignment();
}

}  // namespace

TextEditor::TextEditor(AbstractTextEditorView* view)
    : AbstractTextEditor(view)
{
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette look = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        look.setColor(group, QPalette::Highlight, Qt::lightGray);
        look.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    setPalette(look);
}

void TextEditor::insertPicture()
{
    const QString title = tr("SelectPicture");
    const QString fileName = QFileDialog::getOpenFileName(this, title, PictureStartDirectory(), tr("PictureFiles"));
    const QFileInfo file(fileName);
    if (fileName.isEmpty() || !file.exists()) {
        return;
    }
    const QImage image = QImageReader(fileName).read();
    if (image.isNull()) {
        QMessageBox::warning(this, title, tr("UnreadablePicture").arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    // Referenced, not embedded: the document keeps the name and the size.
    QTextImageFormat format;
    format.setWidth(image.width());
    format.setHeight(image.height());
    format.setName(PictureSearchPrefix + QLatin1Char(':') + file.fileName());
    textCursor().insertImage(format);

    const QString directory = file.canonicalPath();
    Settings settings;
    if (!settings.getPictureDirectories().contains(directory)) {
        settings.addPictureDirectory(directory);
        QDir::addSearchPath(PictureSearchPrefix, directory);
    }
    DefaultPictureDirectory() = directory;
}

void TextEditor::insertTable()
{
    const QTextCursor cursor = textCursor();
    InsertTableDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QTextTableFormat format;
    QList<QTextLength> widths;
    const QListWidget* columns = dialog.getColumnsListWidget();
    for (int row = 0; row < columns->count(); ++row) {
        // 0 for a text that is not a number.
        widths.append(QTextLength(QTextLength::FixedLength, columns->item(row)->text().toInt()));
    }
    format.setColumnWidthConstraints(widths);
    bool valid = false;
    const Qt::Alignment alignment = TableAlignment(dialog.getAlignmentComboBox()->currentIndex(), &valid);
    if (valid) {
        format.setAlignment(alignment);
    } else {
        qWarning("AbstractTextEditor::insertTable(): currentIndex invalid!");
    }
    format.setCellPadding(dialog.getCellPaddingSpinBox()->value());
    format.setCellSpacing(dialog.getCellSpacingSpinBox()->value());

    QTextCursor at = cursor;
    QTextTable* table = at.insertTable(dialog.getRowsSpinBox()->value(), dialog.getColumnsSpinBox()->value(), format);
    QTextTableCellFormat cellFormat;
    cellFormat.setTopBorder(1);
    cellFormat.setBottomBorder(1);
    cellFormat.setLeftBorder(1);
    cellFormat.setRightBorder(1);
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            table->cellAt(row, column).setFormat(cellFormat);
        }
    }
}

void TextEditor::setColumnWidth()
{
    const QTextCursor cursor = textCursor();
    QTextTable* table = cursor.currentTable();
    if (!table) {
        return;
    }
    QTextTableFormat format = table->format();
    bool accepted = false;
    const int width =
        QInputDialog::getInt(this, QCoreApplication::translate("AbstractTextEditor", "SetColumnWidthDialogTitle"),
                             QString(), 20, 20, 9999, 1, &accepted);
    if (!accepted) {
        return;
    }
    // A table whose format lists fewer widths than it has columns (one from
    // foreign HTML, say) first gets the missing ones as they behave now.
    QList<QTextLength> widths = format.columnWidthConstraints();
    while (widths.size() < table->columns()) {
        widths.append(QTextLength());
    }
    widths[table->cellAt(cursor).column()] = QTextLength(QTextLength::FixedLength, width);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
}

void TextEditor::replaceText()
{
    ReplaceDialog dialog(*this, this);
    dialog.exec();
}

void TextEditor::checkSpelling()
{
    // Its position follows the corrections.
    const QTextCursor kept = textCursor();
    SpellCheckerDialog dialog(*this, this);
    dialog.exec();
    setTextCursor(kept);
    ensureCursorVisible();
}

void TextEditor::hidePane()
{
    hide();
}

void TextEditor::showPane()
{
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
    show();
}

void TextEditor::resetPane()
{
    clear();
}
