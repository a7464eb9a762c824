#pragma once

#include "library/gui/abstracttextreader.h"

#include <QTextListFormat>

class AbstractTextEditorView;
class QContextMenuEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QTextCharFormat;
class QTextCursor;

// The editable reader: character and paragraph formatting, lists, table
// rows and columns, rulers and icons, cut and paste with their own counts.
// It creates no actions: its window owns them and connects them to the
// slots here. The window's Copy and Paste actions decide what may leave or
// enter the editor by any way (keys, the clipboard, the mouse selection,
// drag and drop); every copy out and paste in that is let through is
// counted once, except a drag within the editor.
class AbstractTextEditor : public AbstractTextReader
{
    Q_OBJECT

public:
    // The window is the parent and owns the editor.
    explicit AbstractTextEditor(AbstractTextEditorView* view);

public slots:
    void copyToClipboard() override;
    virtual void cutToClipboard();
    virtual void pasteFromClipboard();

    // Emits cursorPositionChanged with the current cursor.
    void handleCursorPositionChanged();
    void insertHorizontalRuler();
    void insertTextListDisc();
    void insertTextListCircle();
    void insertTextListSquare();
    void insertTextListDecimal();
    void insertTextListUpperAlpha();
    void insertTextListLowerAlpha();
    void insertTextListUpperRoman();
    void insertTextListLowerRoman();
    // A new paragraph at the cursor, the first item of a new list one
    // indent deeper than the cursor's paragraph.
    void insertTextList(QTextListFormat::Style style);
    // Character formats apply to the selection, or to the word under the
    // cursor, and to the text typed next.
    void formatBold(bool isChecked);
    void formatItalic(bool isChecked);
    void formatUnderline(bool isChecked);
    void formatFont(const QString& qstring);
    // A text that is not a positive number changes nothing.
    void formatFontSize(const QString& qstring);
    void formatFontColor(const QString& qstring);
    void formatIncreaseIndent();
    void formatDecreaseIndent();
    // Each formats the paragraphs under the cursor as a list of its style
    // when checked, and does nothing when not.
    void formatTextListDisc(bool isChecked);
    void formatTextListCircle(bool isChecked);
    void formatTextListSquare(bool isChecked);
    void formatTextListDecimal(bool isChecked);
    void formatTextListUpperAlpha(bool isChecked);
    void formatTextListLowerAlpha(bool isChecked);
    void formatTextListUpperRoman(bool isChecked);
    void formatTextListLowerRoman(bool isChecked);
    // A list keeps its format and changes its style; a paragraph outside a
    // list starts a list one indent deeper than itself.
    void formatTextList(QTextListFormat::Style style);
    // Takes the cursor's paragraph out of its list, at indent 0.
    void unformatTextList();
    // One row or column after the cursor's cell.
    void insertRows();
    void insertColumns();
    // Removes the cursor's row or column, never the first one.
    void deleteRows();
    void deleteColumns();
    // The icon's resource path, as the icon picker gives it.
    void insertIcon(const QString& qstring);

signals:
    void cursorPositionChanged(const QTextCursor& textCursor);
    void cutBytesToClipboard(unsigned int bytesOut);
    void pasteBytesFromClipboard(unsigned int bytesIn);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Every way out of and into the editor passes here.
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

    AbstractTextEditorView* const m_view;

private:
    bool copyAllowed() const;
    bool pasteAllowed() const;
    void mergeFormatOnWordOrSelection(const QTextCharFormat& format);
    bool isOwnDrag(const QMimeData* source) const;

    // Set by a left-button press: the text that the text edit asks for
    // before the button is released is for a drag.
    mutable bool m_leftButtonDown;
};
