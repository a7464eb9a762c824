#include "library/gui/abstracttexteditorview.h"

#include "library/gui/iconpicker.h"
#include "library/gui/textdocument.h"

#include <QAction>
#include <QActionGroup>
#include <QColor>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextListFormat>
#include <QToolBar>
#include <QToolButton>

namespace {

const char* const Context = "AbstractTextEditorView";
const char* const SharedContext = "Linguist";

QString localText(const char* id)
{
    return QCoreApplication::translate(Context, id);
}

// The list styles in the order of the window's list actions; each has the
// same text in the Insert menu and in the list style group.
struct ListStyleRow
{
    const char* text;
    QTextListFormat::Style style;
};

const ListStyleRow ListStyles[AbstractTextEditorView::ListStyleCount] = {
    {"TextListCircle", QTextListFormat::ListCircle},         {"TextListDisc", QTextListFormat::ListDisc},
    {"TextListSquare", QTextListFormat::ListSquare},         {"TextListDecimal", QTextListFormat::ListDecimal},
    {"TextListUpperAlpha", QTextListFormat::ListUpperAlpha}, {"TextListLowerAlpha", QTextListFormat::ListLowerAlpha},
    {"TextListUpperRoman", QTextListFormat::ListUpperRoman}, {"TextListLowerRoman", QTextListFormat::ListLowerRoman},
};

// The colours of the font colour box, by name as the colour parser reads it.
const char* const FontColors[] = {
    "Black", "Dark Red", "Red", "Orange", "Yellow", "Light Green", "Green", "Light Blue", "Blue", "Dark Blue", "Purple",
};

// One action: the member that keeps it, the context of its text, its texts
// and icon. The tips are in this window's context and are set by the
// initialise step of the menu or tool bar that shows them.
struct ActionRow
{
    QAction* AbstractTextEditorView::*member;
    const char* textContext;
    AbstractViewWindow::ActionTexts texts;
};

}  // namespace

struct AbstractTextEditorView::ActionRows
{
    ActionRow edit[8];
    ActionRow formatting[3];
    ActionRow alignment[4];
    ActionRow indent[2];
    ActionRow insert[3];
    ActionRow noTextList[1];
    ActionRow table[5];
    ActionRow file[6];
    ActionRow tools[1];
    ActionRow help[1];
};

const AbstractTextEditorView::ActionRows& AbstractTextEditorView::actionRows()
{
    using View = AbstractTextEditorView;
    static const ActionRows rows = {
        {
            {&View::m_undoAction, SharedContext, {"Undo", ":icons/32x32/undo.png", "UndoStatusTip", "UndoToolTip"}},
            {&View::m_redoAction, SharedContext, {"Redo", ":icons/32x32/redo.png", "RedoStatusTip", "RedoToolTip"}},
            {&View::m_cutAction, SharedContext, {"Cut", ":icons/32x32/cut.png", "CutStatusTip", "CutToolTip"}},
            {&View::m_copyAction, SharedContext, {"Copy", ":icons/32x32/copy.png", "CopyStatusTip", "CopyToolTip"}},
            {&View::m_pasteAction,
             SharedContext,
             {"Paste", ":icons/32x32/paste.png", "PasteStatusTip", "PasteToolTip"}},
            {&View::m_selectAllAction, SharedContext, {"SelectAll", nullptr, "SelectAllStatusTip", nullptr}},
            {&View::m_findAction, SharedContext, {"Find", ":icons/32x32/find.png", "FindStatusTip", nullptr}},
            {&View::m_replaceAction, Context, {"Replace", nullptr, "ReplaceStatusTip", nullptr}},
        },
        {
            {&View::m_boldAction,
             Context,
             {"Bold", ":icons/32x32/bold.png", "FormatBoldStatusTip", "FormatBoldToolTip"}},
            {&View::m_italicAction,
             Context,
             {"Italic", ":icons/32x32/italic.png", "FormatItalicStatusTip", "FormatItalicToolTip"}},
            {&View::m_underlineAction,
             Context,
             {"Underline", ":icons/32x32/underline.png", "FormatUnderlineStatusTip", "FormatUnderlineToolTip"}},
        },
        {
            {&View::m_alignLeftAction,
             Context,
             {"AlignLeft", ":icons/32x32/align-left.png", "FormatAlignLeftStatusTip", "FormatAlignLeftToolTip"}},
            {&View::m_alignCenterAction,
             Context,
             {"AlignCenter", ":icons/32x32/align-center.png", "FormatAlignCenterStatusTip",
              "FormatAlignCenterToolTip"}},
            {&View::m_alignRightAction,
             Context,
             {"AlignRight", ":icons/32x32/align-right.png", "FormatAlignRightStatusTip", "FormatAlignRightToolTip"}},
            {&View::m_alignJustifyAction,
             Context,
             {"AlignJustify", ":icons/32x32/align-justify.png", "FormatAlignJustifyStatusTip",
              "FormatAlignJustifyToolTip"}},
        },
        {
            {&View::m_increaseIndentAction,
             Context,
             {"IncreaseIndent", ":icons/32x32/indent-increase.png", nullptr, nullptr}},
            {&View::m_decreaseIndentAction,
             Context,
             {"DecreaseIndent", ":icons/32x32/indent-decrease.png", nullptr, nullptr}},
        },
        {
            {&View::m_insertHorizontalRulerAction, Context, {"InsertHorizontalRuler", nullptr, nullptr, nullptr}},
            {&View::m_insertTableAction, Context, {"InsertTable", ":icons/32x32/table-insert.png", nullptr, nullptr}},
            {&View::m_insertPictureAction,
             Context,
             {"InsertPicture", ":icons/32x32/picture-insert.png", nullptr, nullptr}},
        },
        {
            {&View::m_noTextListAction, Context, {"NoTextList", ":icons/32x32/plain-text.png", nullptr, nullptr}},
        },
        {
            {&View::m_insertRowsAction, Context, {"InsertRows", nullptr, nullptr, nullptr}},
            {&View::m_insertColumnsAction, Context, {"InsertColumns", nullptr, nullptr, nullptr}},
            {&View::m_setColumnWidthAction, Context, {"SetColumnWidth", nullptr, nullptr, nullptr}},
            {&View::m_deleteRowsAction, Context, {"DeleteRows", nullptr, nullptr, nullptr}},
            {&View::m_deleteColumnsAction, Context, {"DeleteColumns", nullptr, nullptr, nullptr}},
        },
        {
            {&View::m_saveAction, Context, {"Save", ":icons/32x32/save.png", "SaveStatusTip", "SaveToolTip"}},
            {&View::m_closeAction, SharedContext, {"Close", nullptr, "CloseStatusTip", nullptr}},
            {&View::m_exportToTextFileAction,
             Context,
             {"ExportToTextFile", nullptr, "ExportToTextFileStatusTip", nullptr}},
            {&View::m_exportToPdfFileAction,
             Context,
             {"ExportToPdfFile", nullptr, "ExportToPdfFileStatusTip", nullptr}},
            {&View::m_printAction, Context, {"Print", ":icons/32x32/print.png", "PrintStatusTip", "PrintToolTip"}},
            {&View::m_printPreviewAction, Context, {"PrintPreview", nullptr, "PrintPreviewStatusTip", nullptr}},
        },
        {
            {&View::m_checkSpellingAction,
             Context,
             {"CheckSpelling", ":icons/32x32/spell-check.png", "CheckSpellingStatusTip", nullptr}},
        },
        {
            {&View::m_aboutAction, SharedContext, {"AboutZARV", nullptr, nullptr, nullptr}},
        },
    };
    return rows;
}

namespace {

// Creates the actions of the rows with their texts and icons only, each
// added to `container` (a menu, a tool bar or an action group).
template <typename Rows, typename Container>
void createActions(AbstractTextEditorView* view, const Rows& rows, Container* container)
{
    for (const ActionRow& row : rows) {
        const AbstractViewWindow::ActionTexts texts{row.texts.text, row.texts.icon, nullptr, nullptr};
        QAction* action = view->createAction(nullptr, row.textContext, texts);
        container->addAction(action);
        view->*row.member = action;
    }
}

// An action with a status tip shows its icon in menus.
template <typename Rows>
void setStatusTips(AbstractTextEditorView* view, const Rows& rows)
{
    for (const ActionRow& row : rows) {
        if (row.texts.statusTip) {
            (view->*row.member)->setStatusTip(localText(row.texts.statusTip));
            (view->*row.member)->setIconVisibleInMenu(true);
        }
    }
}

template <typename Rows>
void setToolTips(AbstractTextEditorView* view, const Rows& rows)
{
    for (const ActionRow& row : rows) {
        if (row.texts.toolTip) {
            (view->*row.member)->setToolTip(localText(row.texts.toolTip));
        }
    }
}

QAction* createListAction(AbstractTextEditorView* view, const ListStyleRow& row)
{
    return view->createAction(nullptr, Context, {row.text, nullptr, nullptr, nullptr});
}

}  // namespace

AbstractTextEditorView::AbstractTextEditorView(QWidget* parent)
    : AbstractViewWindow(parent)
    , m_formattingToolBar(new QToolBar(this))
    , m_iconToolBar(new QToolBar(this))
    , m_fontNameComboBox(new QFontComboBox(m_formattingToolBar))
    , m_fontSizeComboBox(new QComboBox(m_formattingToolBar))
    , m_alignmentGroup(new QActionGroup(this))
    , m_indentGroup(new QActionGroup(this))
    , m_listStyleGroup(new QActionGroup(this))
    , m_fontColorComboBox(new QComboBox(m_formattingToolBar))
    , m_iconGroupComboBox(new QComboBox(m_iconToolBar))
    , m_iconSizeComboBox(new QComboBox(m_iconToolBar))
{
    const ActionRows& rows = actionRows();
    createActions(this, rows.edit, m_editMenu);
    createActions(this, rows.formatting, m_formattingToolBar);
    createActions(this, rows.alignment, m_alignmentGroup);
    createActions(this, rows.indent, m_indentGroup);

    m_insertMenu = new QMenu(tr("Insert"), this);
    m_formatMenu = new QMenu(tr("Format"), this);
    m_tableMenu = new QMenu(tr("Table"), this);
    m_insertMenuAction = menuBar()->addMenu(m_insertMenu);
    m_formatMenuAction = menuBar()->addMenu(m_formatMenu);
    m_tableMenuAction = menuBar()->addMenu(m_tableMenu);

    for (int style = 0; style < ListStyleCount; ++style) {
        m_insertListActions[style] = createListAction(this, ListStyles[style]);
        m_insertMenu->addAction(m_insertListActions[style]);
    }
    createActions(this, rows.insert, m_insertMenu);
    createActions(this, rows.noTextList, m_listStyleGroup);
    for (int style = 0; style < ListStyleCount; ++style) {
        m_formatListActions[style] = createListAction(this, ListStyles[style]);
        m_listStyleGroup->addAction(m_formatListActions[style]);
    }
    createActions(this, rows.table, m_tableMenu);
    createActions(this, rows.file, m_fileMenu);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    createActions(this, rows.tools, m_toolsMenu);
    createActions(this, rows.help, m_helpMenu);
    connect(m_aboutAction, &QAction::triggered, this, &AbstractTextEditorView::helpAbout);

    m_iconSelectionToolButton = new QToolButton(m_iconToolBar);
    for (QToolButton*& button : m_iconMemoryToolButtons) {
        button = new QToolButton(m_iconToolBar);
    }
}

QAction* AbstractTextEditorView::getUndoAction() const
{
    return m_undoAction;
}

QAction* AbstractTextEditorView::getRedoAction() const
{
    return m_redoAction;
}

QAction* AbstractTextEditorView::getCutAction() const
{
    return m_cutAction;
}

QAction* AbstractTextEditorView::getCopyAction() const
{
    return m_copyAction;
}

QAction* AbstractTextEditorView::getPasteAction() const
{
    return m_pasteAction;
}

void AbstractTextEditorView::initializeFileMenu()
{
    setStatusTips(this, actionRows().file);
    m_fileMenu->insertSeparator(m_exportToTextFileAction);
    m_fileMenu->insertSeparator(m_printAction);
    m_fileMenu->insertSeparator(m_closeAction);
}

void AbstractTextEditorView::initializeEditMenu()
{
    setStatusTips(this, actionRows().edit);
    m_editMenu->insertSeparator(m_cutAction);
    m_editMenu->insertSeparator(m_selectAllAction);
    m_editMenu->insertSeparator(m_findAction);
}

void AbstractTextEditorView::initializeViewMenu() {}

void AbstractTextEditorView::initializeTableMenu()
{
    menuBar()->insertAction(m_toolsMenuAction, m_tableMenuAction);
    m_tableMenu->insertSeparator(m_deleteRowsAction);
}

void AbstractTextEditorView::initializeInsertMenu()
{
    menuBar()->insertAction(m_tableMenuAction, m_insertMenuAction);
    m_insertMenu->insertSeparator(m_insertHorizontalRulerAction);
}

void AbstractTextEditorView::initializeFormatMenu()
{
    menuBar()->insertAction(m_tableMenuAction, m_formatMenuAction);
    m_listStyleGroup->setExclusive(true);
    for (QAction* action : m_listStyleGroup->actions()) {
        action->setCheckable(true);
    }
    m_formatMenu->addActions({m_boldAction, m_italicAction, m_underlineAction});
    m_formatMenu->addSeparator();
    m_formatMenu->addActions(m_alignmentGroup->actions());
    m_formatMenu->addSeparator();
    m_formatMenu->addAction(m_noTextListAction);
    m_formatMenu->addSeparator();
    for (QAction* action : m_formatListActions) {
        m_formatMenu->addAction(action);
    }
}

void AbstractTextEditorView::initializeToolsMenu()
{
    setStatusTips(this, actionRows().tools);
}

void AbstractTextEditorView::initializeStandardToolBar()
{
    AbstractViewWindow::initializeStandardToolBar();
    setToolTips(this, actionRows().file);
    setToolTips(this, actionRows().edit);
    m_standardToolBar->setWindowTitle(tr("Standard"));
    m_standardToolBar->addAction(m_saveAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addAction(m_printAction);
    m_standardToolBar->addSeparator();
    m_standardToolBar->addActions({m_undoAction, m_redoAction});
    m_standardToolBar->addSeparator();
    m_standardToolBar->addActions({m_cutAction, m_copyAction, m_pasteAction});
}

void AbstractTextEditorView::initializeFormattingToolBar()
{
    const QFont defaultFont = TextDocument(nullptr).defaultFont();
    const QString defaultSize = QString::number(defaultFont.pointSize());

    for (QAction* action : m_alignmentGroup->actions()) {
        action->setCheckable(true);
    }
    for (QAction* action : {m_boldAction, m_italicAction, m_underlineAction}) {
        action->setCheckable(true);
    }
    setToolTips(this, actionRows().formatting);
    setStatusTips(this, actionRows().formatting);
    setToolTips(this, actionRows().alignment);
    setStatusTips(this, actionRows().alignment);

    m_fontNameComboBox->setFontFilters(QFontComboBox::MonospacedFonts | QFontComboBox::ProportionalFonts);
    m_fontNameComboBox->setWritingSystem(QFontDatabase::Latin);
    m_fontNameComboBox->setToolTip(tr("FontNameToolTip"));
    m_fontNameComboBox->setObjectName(QStringLiteral("FontName"));
    m_fontNameComboBox->setEditable(false);
    m_fontNameComboBox->setCurrentFont(defaultFont);

    m_fontColorComboBox->setToolTip(tr("FontColorToolTip"));
    m_fontColorComboBox->setObjectName(QStringLiteral("FontColor"));
    m_fontColorComboBox->setEditable(false);

    for (int size : QFontDatabase::standardSizes()) {
        m_fontSizeComboBox->addItem(QString::number(size));
    }
    m_fontSizeComboBox->setToolTip(tr("FontSizeToolTip"));
    m_fontSizeComboBox->setObjectName(QStringLiteral("FontSize"));
    m_fontSizeComboBox->setEditable(false);
    m_fontSizeComboBox->setCurrentIndex(
        m_fontSizeComboBox->findText(defaultSize, Qt::MatchExactly | Qt::MatchCaseSensitive));

    fillFontColorComboBox();

    m_formattingToolBar->setWindowTitle(tr("FormattingToolbar"));
    m_formattingToolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    m_formattingToolBar->addWidget(m_fontNameComboBox);
    m_formattingToolBar->addWidget(m_fontSizeComboBox);
    m_formattingToolBar->addSeparator();
    m_formattingToolBar->addActions(m_alignmentGroup->actions());
    m_formattingToolBar->addSeparator();
    m_indentGroup->setExclusive(false);
    m_formattingToolBar->addActions(m_indentGroup->actions());
    m_formattingToolBar->addSeparator();
    m_formattingToolBar->addWidget(m_fontColorComboBox);

    connect(m_alignmentGroup, &QActionGroup::triggered, this, &AbstractTextEditorView::formatAlignment);
    addToolBar(Qt::TopToolBarArea, m_formattingToolBar);
}

void AbstractTextEditorView::fillFontColorComboBox()
{
    QPixmap swatch(m_fontColorComboBox->iconSize());
    for (const char* name : FontColors) {
        const QString text = QString::fromLatin1(name);
        swatch.fill(QColor::fromString(text));
        m_fontColorComboBox->addItem(QIcon(swatch), text);
    }
    m_fontColorComboBox->setCurrentIndex(0);
}

void AbstractTextEditorView::initializeIconToolBar()
{
    m_iconGroupComboBox->setToolTip(tr("IconGroup"));
    m_iconSizeComboBox->setToolTip(tr("IconSize"));
    m_iconSelectionToolButton->setToolTip(tr("IconSelection"));
    m_iconSelectionToolButton->setPopupMode(QToolButton::MenuButtonPopup);

    m_iconToolBar->addWidget(m_iconGroupComboBox);
    m_iconToolBar->addSeparator();
    m_iconToolBar->addWidget(m_iconSizeComboBox);
    m_iconToolBar->addSeparator();
    m_iconToolBar->addWidget(m_iconSelectionToolButton);
    m_iconToolBar->addSeparator();
    for (QToolButton* button : m_iconMemoryToolButtons) {
        m_iconToolBar->addWidget(button);
    }
    m_iconToolBar->addSeparator();

    m_iconToolBar->setWindowTitle(tr("IconToolbar"));
    m_iconToolBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_iconToolBar);

    content::icons::InitIconGroupComboBox(m_iconGroupComboBox);
    content::icons::InitIconSizeComboBox(m_iconSizeComboBox, content::icons::Action);
    content::icons::InitIconSelectionToolButton(m_iconSelectionToolButton, content::icons::Action,
                                                content::icons::Size24px);

    connect(m_iconGroupComboBox, &QComboBox::activated, this, &AbstractTextEditorView::iconGroupChanged);
    connect(m_iconSizeComboBox, &QComboBox::activated, this, &AbstractTextEditorView::iconSizeChanged);
    connect(m_iconSelectionToolButton, &QToolButton::triggered, this, &AbstractTextEditorView::iconSelectionTriggered);
    connect(m_iconSelectionToolButton, &QToolButton::clicked, this, &AbstractTextEditorView::iconSelectionClicked);
    for (QToolButton* button : m_iconMemoryToolButtons) {
        connect(button, &QToolButton::triggered, this, &AbstractTextEditorView::iconMemoryToolButtonTriggered);
    }
}

void AbstractTextEditorView::setToolBarsEnabled(bool enabled)
{
    for (QToolBar* toolBar : {m_standardToolBar, m_formattingToolBar, m_iconToolBar}) {
        toolBar->setEnabled(enabled);
        toolBar->setVisible(enabled);
    }
}

void AbstractTextEditorView::setActionsEnabled(bool enabled)
{
    const QList<QAction*> leading = {
        m_saveAction,
        m_exportToTextFileAction,
        m_exportToPdfFileAction,
        m_printAction,
        m_printPreviewAction,
        m_undoAction,
        m_redoAction,
        m_cutAction,
        m_copyAction,
        m_pasteAction,
        m_selectAllAction,
        m_findAction,
        m_replaceAction,
        m_insertHorizontalRulerAction,
        m_insertPictureAction,
        m_insertTableAction,
    };
    for (QAction* action : leading) {
        action->setEnabled(enabled);
    }
    for (QAction* action : m_insertListActions) {
        action->setEnabled(enabled);
    }
    for (QAction* action : {m_boldAction, m_italicAction, m_underlineAction}) {
        action->setEnabled(enabled);
    }
    for (QAction* action : m_alignmentGroup->actions()) {
        action->setEnabled(enabled);
    }
    m_noTextListAction->setEnabled(enabled);
    for (QAction* action : m_formatListActions) {
        action->setEnabled(enabled);
    }
    for (QAction* action : {m_insertRowsAction, m_insertColumnsAction, m_setColumnWidthAction, m_deleteRowsAction,
                            m_deleteColumnsAction, m_checkSpellingAction}) {
        action->setEnabled(enabled);
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_fontNameComboBox, m_fontColorComboBox, m_fontSizeComboBox,
                                         m_iconGroupComboBox, m_iconSizeComboBox, m_iconSelectionToolButton}) {
        widget->setEnabled(enabled);
    }
    setIconMemoryToolButtonsEnabled(enabled);
}

void AbstractTextEditorView::setIconMemoryToolButtonsEnabled(bool enabled)
{
    for (QToolButton* button : m_iconMemoryToolButtons) {
        button->setEnabled(enabled);
    }
}

void AbstractTextEditorView::formatAlignment(QAction* action)
{
    if (action == m_alignLeftAction) {
        emit setAlignment(Qt::AlignLeft);
    } else if (action == m_alignCenterAction) {
        emit setAlignment(Qt::AlignHCenter);
    } else if (action == m_alignRightAction) {
        emit setAlignment(Qt::AlignRight);
    } else if (action == m_alignJustifyAction) {
        emit setAlignment(Qt::AlignJustify);
    }
}

void AbstractTextEditorView::currentCharFormatChanged(const QTextCharFormat& textCharFormat)
{
    followFontStyle(textCharFormat.font());
}

void AbstractTextEditorView::followFontStyle(const QFont& font)
{
    m_boldAction->setChecked(font.weight() > QFont::Medium);
    m_italicAction->setChecked(font.style() != QFont::StyleNormal);
    m_underlineAction->setChecked(font.underline());
}

void AbstractTextEditorView::cursorPositionChanged(const QTextCursor& textCursor)
{
    const QTextCharFormat charFormat = textCursor.charFormat();
    // What the character format leaves open, the document's default font
    // decides, as it does on the screen.
    QFont font = charFormat.font();
    if (const QTextDocument* document = textCursor.document()) {
        font = font.resolve(document->defaultFont());
    }
    const QColor foreground = charFormat.foreground().color();
    {
        const QSignalBlocker fontNameBlocker(m_fontNameComboBox);
        const QSignalBlocker fontSizeBlocker(m_fontSizeComboBox);
        const QSignalBlocker fontColorBlocker(m_fontColorComboBox);
        m_fontNameComboBox->setCurrentFont(font);
        m_fontSizeComboBox->setCurrentIndex(
            m_fontSizeComboBox->findText(QString::number(font.pointSize()), Qt::MatchExactly | Qt::MatchCaseSensitive));
        for (int index = 0; index < m_fontColorComboBox->count(); ++index) {
            if (QColor::fromString(m_fontColorComboBox->itemText(index)) == foreground) {
                m_fontColorComboBox->setCurrentIndex(index);
                break;
            }
        }
    }
    followFontStyle(font);

    const Qt::Alignment alignment = textCursor.blockFormat().alignment();
    followAlignment(alignment ? alignment : Qt::AlignLeft);

    const bool inTable = textCursor.currentTable() != nullptr;
    for (QAction* action : {m_insertRowsAction, m_insertColumnsAction, m_setColumnWidthAction, m_deleteRowsAction,
                            m_deleteColumnsAction}) {
        action->setEnabled(inTable);
    }
    followList(textCursor);
}

void AbstractTextEditorView::followAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignLeft) {
        m_alignLeftAction->setChecked(true);
    } else if (alignment & Qt::AlignHCenter) {
        m_alignCenterAction->setChecked(true);
    } else if (alignment & Qt::AlignRight) {
        m_alignRightAction->setChecked(true);
    } else if (alignment & Qt::AlignJustify) {
        m_alignJustifyAction->setChecked(true);
    }
}

void AbstractTextEditorView::followList(const QTextCursor& textCursor)
{
    const QTextList* list = textCursor.currentList();
    if (!list || list->format().style() == QTextListFormat::ListStyleUndefined) {
        m_noTextListAction->setChecked(true);
        return;
    }
    for (int style = 0; style < ListStyleCount; ++style) {
        if (ListStyles[style].style == list->format().style()) {
            m_formatListActions[style]->setChecked(true);
            return;
        }
    }
}

void AbstractTextEditorView::iconGroupChanged(int index)
{
    bool isInt = false;
    const int group = m_iconGroupComboBox->itemData(index).toInt(&isInt);
    if (!isInt || group < content::icons::Action || group > content::icons::Toggle) {
        return;
    }
    content::icons::InitIconSizeComboBox(m_iconSizeComboBox, content::icons::Group(group));
    content::icons::InitIconSelectionToolButton(m_iconSelectionToolButton, content::icons::Group(group),
                                                content::icons::Size24px);
}

void AbstractTextEditorView::iconSizeChanged(int index)
{
    bool isInt = false;
    const int size = m_iconSizeComboBox->itemData(index).toInt(&isInt);
    bool groupIsInt = false;
    const int group = m_iconGroupComboBox->currentData().toInt(&groupIsInt);
    if (!isInt || !groupIsInt) {
        return;
    }
    content::icons::InitIconSelectionToolButton(m_iconSelectionToolButton, content::icons::Group(group),
                                                content::icons::Size(size));
}

void AbstractTextEditorView::iconSelectionTriggered(QAction* action)
{
    m_iconSelectionToolButton->setDefaultAction(action);
}

void AbstractTextEditorView::iconSelectionClicked(bool)
{
    QAction* selected = m_iconSelectionToolButton->defaultAction();
    if (!selected) {
        return;
    }
    const QString iconPath = selected->data().toString();
    emit insertIcon(iconPath);
    rememberIcon(selected, iconPath);
}

// The memory buttons fill from left to right, then replace in turn the one
// filled longest ago; an icon already remembered changes nothing.
void AbstractTextEditorView::rememberIcon(QAction* selected, const QString& iconPath)
{
    for (QToolButton* button : m_iconMemoryToolButtons) {
        if (button->defaultAction() && button->defaultAction()->data().toString() == iconPath) {
            return;
        }
    }
    QToolButton* button = m_iconMemoryToolButtons[static_cast<quint32>(m_iconMemoryCounter) % IconMemoryCount];
    delete button->defaultAction();
    auto* remembered = new QAction(selected->icon(), selected->text(), this);
    remembered->setData(iconPath);
    button->setDefaultAction(remembered);
    button->setToolTip(QFileInfo(iconPath).baseName().replace(QLatin1Char('_'), QLatin1Char(' ')));
    ++m_iconMemoryCounter;
}

void AbstractTextEditorView::iconMemoryToolButtonTriggered(QAction* action)
{
    if (action && action->data().canConvert<QString>()) {
        emit insertIcon(action->data().toString());
    }
}

void AbstractTextEditorView::toolbars(bool visible)
{
    for (QToolBar* toolBar : {m_standardToolBar, m_formattingToolBar, m_iconToolBar}) {
        toolBar->setVisible(visible);
    }
}
