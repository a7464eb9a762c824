#pragma once

#include "library/gui/abstractviewwindow.h"

#include <QString>

#include <array>

class QAction;
class QActionGroup;
class QComboBox;
class QFont;
class QFontComboBox;
class QMenu;
class QTextCharFormat;
class QTextCursor;
class QToolBar;
class QToolButton;

// The base of the windows that edit rich text. It owns every action, menu,
// tool bar and box of such a window but no editor: the editor window
// template creates the editor and connects it. A concrete window completes
// the menus and tool bars by calling the ten initialise steps in their
// order: File, Edit, View, Table, Insert, Format and Tools menus, then the
// standard, formatting and icon tool bars.
//
// The editor widget reads Undo, Redo, Cut, Copy and Paste for its context
// menu and its key filter, so their enabled states decide what the editor
// lets out and in.
class AbstractTextEditorView : public AbstractViewWindow
{
    Q_OBJECT

public:
    explicit AbstractTextEditorView(QWidget* parent);

    QAction* getUndoAction() const;
    QAction* getRedoAction() const;
    QAction* getCutAction() const;
    QAction* getCopyAction() const;
    QAction* getPasteAction() const;

    // Enables or disables the standard, formatting and icon tool bars and
    // shows or hides them with the same flag.
    virtual void setToolBarsEnabled(bool enabled);
    // Every editing control: all actions but Close, About and the two
    // indents, the five boxes, the icon selection button and the memory
    // buttons.
    virtual void setActionsEnabled(bool enabled);
    virtual void setIconMemoryToolButtonsEnabled(bool enabled);

    // The list styles in the order of their actions, each in the Insert menu
    // and in the list style group.
    static constexpr int ListStyleCount = 8;
    static constexpr int IconMemoryCount = 10;

signals:
    void setAlignment(Qt::Alignment alignment);
    // The resource path of the icon to insert at the editor's cursor.
    void insertIcon(const QString& iconPath);

public slots:
    void formatAlignment(QAction* action);
    // Checks Bold, Italic and Underline as the format's font reads.
    void currentCharFormatChanged(const QTextCharFormat& textCharFormat);
    // Brings the formatting controls and the Table actions into line with
    // the text at the cursor. It only shows the format: the three boxes keep
    // their signals to themselves meanwhile, so a cursor move never reaches
    // the editor's formatting slots.
    void cursorPositionChanged(const QTextCursor& textCursor);

    void iconGroupChanged(int index);
    void iconSizeChanged(int index);
    void iconSelectionTriggered(QAction* action);
    // Inserts the selection button's icon and keeps it on a memory button.
    void iconSelectionClicked(bool checked);
    void iconMemoryToolButtonTriggered(QAction* action);
    // Shows or hides the standard, formatting and icon tool bars.
    void toolbars(bool visible);

protected:
    void initializeFileMenu();
    virtual void initializeEditMenu();
    // The windows fill the View menu; the base adds nothing.
    void initializeViewMenu();
    virtual void initializeInsertMenu();
    virtual void initializeFormatMenu();
    virtual void initializeTableMenu();
    void initializeToolsMenu();
    void initializeStandardToolBar();
    virtual void initializeFormattingToolBar();
    virtual void initializeIconToolBar();

    QToolBar* const m_formattingToolBar;
    QToolBar* const m_iconToolBar;
    QFontComboBox* const m_fontNameComboBox;
    QComboBox* const m_fontSizeComboBox;
    QActionGroup* const m_alignmentGroup;
    QActionGroup* const m_indentGroup;
    QActionGroup* const m_listStyleGroup;
    QComboBox* const m_fontColorComboBox;
    QComboBox* const m_iconGroupComboBox;
    QComboBox* const m_iconSizeComboBox;

    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_cutAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_selectAllAction = nullptr;
    QAction* m_findAction = nullptr;
    QAction* m_replaceAction = nullptr;
    QAction* m_boldAction = nullptr;
    QAction* m_italicAction = nullptr;
    QAction* m_underlineAction = nullptr;
    QAction* m_alignLeftAction = nullptr;
    QAction* m_alignCenterAction = nullptr;
    QAction* m_alignRightAction = nullptr;
    QAction* m_alignJustifyAction = nullptr;
    QAction* m_increaseIndentAction = nullptr;
    QAction* m_decreaseIndentAction = nullptr;
    QMenu* m_insertMenu = nullptr;
    QMenu* m_formatMenu = nullptr;
    QMenu* m_tableMenu = nullptr;
    QAction* m_insertMenuAction = nullptr;
    QAction* m_formatMenuAction = nullptr;
    QAction* m_tableMenuAction = nullptr;
    // Circle, Disc, Square, Decimal, Upper Alpha, Lower Alpha, Upper Roman,
    // Lower Roman.
    std::array<QAction*, ListStyleCount> m_insertListActions{};
    QAction* m_insertHorizontalRulerAction = nullptr;
    QAction* m_insertTableAction = nullptr;
    QAction* m_insertPictureAction = nullptr;
    QAction* m_noTextListAction = nullptr;
    std::array<QAction*, ListStyleCount> m_formatListActions{};
    QAction* m_insertRowsAction = nullptr;
    QAction* m_insertColumnsAction = nullptr;
    QAction* m_setColumnWidthAction = nullptr;
    QAction* m_deleteRowsAction = nullptr;
    QAction* m_deleteColumnsAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_closeAction = nullptr;
    QAction* m_exportToTextFileAction = nullptr;
    QAction* m_exportToPdfFileAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_printPreviewAction = nullptr;
    QAction* m_checkSpellingAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QToolButton* m_iconSelectionToolButton = nullptr;
    int m_iconMemoryCounter = 0;
    std::array<QToolButton*, IconMemoryCount> m_iconMemoryToolButtons{};

private:
    struct ActionRows;
    // The window's actions but the list styles, one table per place.
    static const ActionRows& actionRows();

    void fillFontColorComboBox();
    void followFontStyle(const QFont& font);
    void followAlignment(Qt::Alignment alignment);
    void followList(const QTextCursor& textCursor);
    void rememberIcon(QAction* action, const QString& iconPath);
};
