#include "library/gui/abstracttexteditor.h"

#include "library/gui/abstracttexteditorview.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QTextTable>

#include <memory>

namespace {

// The text of a drag that starts in an editor. Qt deletes it when the drag
// ends; unless it was dropped back into the editor that it came from, that
// editor counts a copy then.
class DraggedText : public QMimeData
{
public:
    DraggedText(AbstractTextEditor* source, unsigned int count)
        : m_source(source)
        , m_count(count)
        , m_stayed(false)
    {}
    ~DraggedText() override
    {
        if (m_source && !m_stayed) {
            emit m_source->copyBytesToClipboard(m_count);
        }
    }
    DraggedText(const DraggedText&) = delete;
    DraggedText& operator=(const DraggedText&) = delete;

    bool isFrom(const AbstractTextEditor* editor) const { return m_source == editor; }
    void stay() const { m_stayed = true; }

private:
    QPointer<AbstractTextEditor> m_source;
    const unsigned int m_count;
    mutable bool m_stayed;
};

const DraggedText* AsDraggedText(const QMimeData* source)
{
    return dynamic_cast<const DraggedText*>(source);
}

// The plain text that inserting `source` brings in.
QString PlainTextOf(const QMimeData* source)
{
    if (source->hasText()) {
        return source->text();
    }
    if (source->hasHtml()) {
        return QTextDocumentFragment::fromHtml(source->html()).toPlainText();
    }
    return QString();
}

}  // namespace

AbstractTextEditor::AbstractTextEditor(AbstractTextEditorView* view)
    : AbstractTextReader(view)
    , m_view(view)
    , m_leftButtonDown(false)
{
    connect(this, &QTextEdit::cursorPositionChanged, this, &AbstractTextEditor::handleCursorPositionChanged);
}

void AbstractTextEditor::copyToClipboard()
{
    if (copyAllowed()) {
        AbstractTextReader::copyToClipboard();
    }
}

void AbstractTextEditor::cutToClipboard()
{
    if (!getCopyAvailable() || !copyAllowed() || isReadOnly()) {
        return;
    }
    const QString selected = textCursor().selectedText();
    cut();
    emit cutBytesToClipboard(CountOf(selected));
}

void AbstractTextEditor::pasteFromClipboard()
{
    if (QGuiApplication::clipboard()->text(QClipboard::Clipboard).isEmpty()) {
        return;
    }
    // Counted where the text comes in.
    paste();
}

void AbstractTextEditor::handleCursorPositionChanged()
{
    emit cursorPositionChanged(textCursor());
}

void AbstractTextEditor::insertHorizontalRuler()
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertHtml(QStringLiteral("<hr><br>"));
    cursor.endEditBlock();
}

void AbstractTextEditor::insertTextListDisc()
{
    insertTextList(QTextListFormat::ListDisc);
}

void AbstractTextEditor::insertTextListCircle()
{
    insertTextList(QTextListFormat::ListCircle);
}

void AbstractTextEditor::insertTextListSquare()
{
    insertTextList(QTextListFormat::ListSquare);
}

void AbstractTextEditor::insertTextListDecimal()
{
    insertTextList(QTextListFormat::ListDecimal);
}

void AbstractTextEditor::insertTextListUpperAlpha()
{
    insertTextList(QTextListFormat::ListUpperAlpha);
}

void AbstractTextEditor::insertTextListLowerAlpha()
{
    insertTextList(QTextListFormat::ListLowerAlpha);
}

void AbstractTextEditor::insertTextListUpperRoman()
{
    insertTextList(QTextListFormat::ListUpperRoman);
}

void AbstractTextEditor::insertTextListLowerRoman()
{
    insertTextList(QTextListFormat::ListLowerRoman);
}

void AbstractTextEditor::insertTextList(QTextListFormat::Style style)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QTextListFormat listFormat;
    listFormat.setStyle(style);
    listFormat.setIndent(cursor.blockFormat().indent() + 1);
    cursor.insertList(listFormat);
    cursor.endEditBlock();
}

void AbstractTextEditor::formatBold(bool isChecked)
{
    QTextCharFormat format;
    format.setFontWeight(isChecked ? QFont::Bold : QFont::Normal);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatItalic(bool isChecked)
{
    QTextCharFormat format;
    format.setFontItalic(isChecked);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatUnderline(bool isChecked)
{
    QTextCharFormat format;
    format.setUnderlineStyle(isChecked ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatFont(const QString& qstring)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{qstring});
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatFontSize(const QString& qstring)
{
    bool isNumber = false;
    const double pointSize = qstring.toDouble(&isNumber);
    // A size of 0 would make the text vanish from every page that shows it.
    if (!isNumber || !(pointSize > 0)) {
        return;
    }
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatFontColor(const QString& qstring)
{
    QTextCharFormat format;
    format.setForeground(QBrush(QColor::fromString(qstring)));
    mergeFormatOnWordOrSelection(format);
}

void AbstractTextEditor::formatIncreaseIndent()
{
    QTextCursor cursor = textCursor();
    QTextBlockFormat format = cursor.blockFormat();
    format.setIndent(format.indent() + 1);
    cursor.beginEditBlock();
    cursor.setBlockFormat(format);
    cursor.endEditBlock();
}

void AbstractTextEditor::formatDecreaseIndent()
{
    QTextCursor cursor = textCursor();
    QTextBlockFormat format = cursor.blockFormat();
    if (format.indent() <= 0) {
        return;
    }
    format.setIndent(format.indent() - 1);
    cursor.beginEditBlock();
    cursor.setBlockFormat(format);
    cursor.endEditBlock();
}

void AbstractTextEditor::formatTextListDisc(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListDisc);
    }
}

void AbstractTextEditor::formatTextListCircle(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListCircle);
    }
}

void AbstractTextEditor::formatTextListSquare(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListSquare);
    }
}

void AbstractTextEditor::formatTextListDecimal(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListDecimal);
    }
}

void AbstractTextEditor::formatTextListUpperAlpha(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListUpperAlpha);
    }
}

void AbstractTextEditor::formatTextListLowerAlpha(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListLowerAlpha);
    }
}

void AbstractTextEditor::formatTextListUpperRoman(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListUpperRoman);
    }
}

void AbstractTextEditor::formatTextListLowerRoman(bool isChecked)
{
    if (isChecked) {
        formatTextList(QTextListFormat::ListLowerRoman);
    }
}

void AbstractTextEditor::formatTextList(QTextListFormat::Style style)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    QTextListFormat listFormat;
    if (const QTextList* list = cursor.currentList()) {
        listFormat = list->format();
    } else {
        listFormat.setIndent(cursor.blockFormat().indent() + 1);
    }
    listFormat.setStyle(style);
    cursor.createList(listFormat);
    cursor.endEditBlock();
}

void AbstractTextEditor::unformatTextList()
{
    QTextCursor cursor = textCursor();
    QTextList* list = cursor.currentList();
    if (!list) {
        return;
    }
    cursor.beginEditBlock();
    list->remove(cursor.block());
    QTextBlockFormat format = cursor.blockFormat();
    format.setIndent(0);
    cursor.setBlockFormat(format);
    cursor.endEditBlock();
}

void AbstractTextEditor::insertRows()
{
    const QTextCursor cursor = textCursor();
    if (QTextTable* table = cursor.currentTable()) {
        table->insertRows(table->cellAt(cursor).row() + 1, 1);
    }
}

void AbstractTextEditor::insertColumns()
{
    const QTextCursor cursor = textCursor();
    if (QTextTable* table = cursor.currentTable()) {
        table->insertColumns(table->cellAt(cursor).column() + 1, 1);
    }
}

void AbstractTextEditor::deleteRows()
{
    const QTextCursor cursor = textCursor();
    QTextTable* table = cursor.currentTable();
    if (!table || table->rows() <= 1) {
        return;
    }
    const int row = table->cellAt(cursor).row();
    if (row > 0) {
        table->removeRows(row, 1);
    }
}

void AbstractTextEditor::deleteColumns()
{
    const QTextCursor cursor = textCursor();
    QTextTable* table = cursor.currentTable();
    if (!table || table->columns() <= 1) {
        return;
    }
    const int column = table->cellAt(cursor).column();
    if (column > 0) {
        table->removeColumns(column, 1);
    }
}

void AbstractTextEditor::insertIcon(const QString& qstring)
{
    textCursor().insertHtml(QStringLiteral("<img src=%1>").arg(qstring));
}

void AbstractTextEditor::keyPressEvent(QKeyEvent* event)
{
    // The clipboard keys go through the counting slots, or nowhere.
    if (event->matches(QKeySequence::Copy)) {
        copyToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cutToClipboard();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (pasteAllowed()) {
            pasteFromClipboard();
        }
        return;
    }
    AbstractTextReader::keyPressEvent(event);
}

void AbstractTextEditor::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(m_view->getUndoAction());
    menu.addAction(m_view->getRedoAction());
    menu.addSeparator();
    menu.addAction(m_view->getCutAction());
    menu.addAction(m_view->getCopyAction());
    menu.addAction(m_view->getPasteAction());
    menu.exec(event->globalPos());
}

void AbstractTextEditor::mousePressEvent(QMouseEvent* event)
{
    m_leftButtonDown = event->button() == Qt::LeftButton;
    AbstractTextReader::mousePressEvent(event);
}

void AbstractTextEditor::mouseReleaseEvent(QMouseEvent* event)
{
    m_leftButtonDown = false;
    AbstractTextReader::mouseReleaseEvent(event);
}

QMimeData* AbstractTextEditor::createMimeDataFromSelection() const
{
    if (!copyAllowed()) {
        return new QMimeData;
    }
    if (!m_leftButtonDown) {
        // The clipboard (the counting slots) or the mouse selection.
        return AbstractTextReader::createMimeDataFromSelection();
    }
    // The drag consumes the press: the release goes to the drag.
    m_leftButtonDown = false;
    const std::unique_ptr<QMimeData> selection(AbstractTextReader::createMimeDataFromSelection());
    auto* dragged = new DraggedText(const_cast<AbstractTextEditor*>(this), CountOf(textCursor().selectedText()));
    for (const QString& format : selection->formats()) {
        dragged->setData(format, selection->data(format));
    }
    return dragged;
}

bool AbstractTextEditor::canInsertFromMimeData(const QMimeData* source) const
{
    if (!isOwnDrag(source) && !pasteAllowed()) {
        return false;
    }
    return AbstractTextReader::canInsertFromMimeData(source);
}

void AbstractTextEditor::insertFromMimeData(const QMimeData* source)
{
    if (isOwnDrag(source)) {
        // A move within the editor: nothing comes in or goes out.
        AsDraggedText(source)->stay();
        AbstractTextReader::insertFromMimeData(source);
        return;
    }
    if (!pasteAllowed()) {
        return;
    }
    const unsigned int count = CountOf(PlainTextOf(source));
    AbstractTextReader::insertFromMimeData(source);
    if (count > 0) {
        emit pasteBytesFromClipboard(count);
    }
}

bool AbstractTextEditor::copyAllowed() const
{
    return m_view->getCopyAction()->isEnabled();
}

bool AbstractTextEditor::pasteAllowed() const
{
    return m_view->getPasteAction()->isEnabled();
}

void AbstractTextEditor::mergeFormatOnWordOrSelection(const QTextCharFormat& format)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        cursor.select(QTextCursor::WordUnderCursor);
    }
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}

bool AbstractTextEditor::isOwnDrag(const QMimeData* source) const
{
    const DraggedText* dragged = AsDraggedText(source);
    return dragged && dragged->isFrom(this);
}
