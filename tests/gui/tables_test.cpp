#include "library/gui/columnwidthdelegate.h"
#include "library/gui/inserttabledialog.h"
#include "tests/gui/modaldialogdriver.h"
#include "tests/gui/qstringprinter.h"
#include "tests/gui/qtmessagecapture.h"
#include "tests/gui/texteditorwindow.h"
#include "tests/gui/translationfixture.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTextTable>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

using testsupport::WhenModal;

QStringList Widths(const QListWidget& list)
{
    QStringList widths;
    for (int row = 0; row < list.count(); ++row) {
        widths.append(list.item(row)->text());
    }
    return widths;
}

// The widths of a table format: fixed ones in pixels, -1 for any other kind.
std::vector<double> FixedWidths(const QTextTableFormat& format)
{
    std::vector<double> widths;
    for (const QTextLength& width : format.columnWidthConstraints()) {
        widths.push_back(width.type() == QTextLength::FixedLength ? width.rawValue() : -1);
    }
    return widths;
}

class InsertTableDialogTest : public testsupport::TranslationFixture
{};

TEST_F(InsertTableDialogTest, StartsWithOneColumnOfOneHundredPixels)
{
    InsertTableDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Insert Table"));
    QComboBox* alignment = dialog.getAlignmentComboBox();
    ASSERT_EQ(alignment->count(), 4);
    EXPECT_EQ(alignment->currentText(), QStringLiteral("Left"));
    EXPECT_EQ(alignment->itemText(2), QStringLiteral("Centered"));
    struct Box
    {
        QSpinBox* spinBox;
        const char* label;
        int minimum;
    };
    for (const Box& box : {Box{dialog.getCellPaddingSpinBox(), "Cell padding:", 0},
                           Box{dialog.getCellSpacingSpinBox(), "Cell spacing:", 0},
                           Box{dialog.getRowsSpinBox(), "Rows:", 1}, Box{dialog.getColumnsSpinBox(), "Columns:", 1}}) {
        EXPECT_EQ(box.spinBox->value(), 1) << box.label;
        EXPECT_EQ(box.spinBox->minimum(), box.minimum) << box.label;
        EXPECT_EQ(box.spinBox->maximum(), 99) << box.label;
        EXPECT_NE(testsupport::ChildWithText<QLabel>(dialog, QString::fromLatin1(box.label)), nullptr) << box.label;
    }
    EXPECT_EQ(Widths(*dialog.getColumnsListWidget()), QStringList{QStringLiteral("100")});
    EXPECT_TRUE(dialog.getColumnsListWidget()->item(0)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_NE(dialog.findChild<QGroupBox*>()->title(), QString());
    EXPECT_EQ(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Column widths"));
    EXPECT_NE(testsupport::ChildWithText<QPushButton>(dialog, QStringLiteral("OK")), nullptr);
    EXPECT_NE(testsupport::ChildWithText<QPushButton>(dialog, QStringLiteral("Cancel")), nullptr);
}

TEST_F(InsertTableDialogTest, TheColumnListFollowsTheColumnsBox)
{
    InsertTableDialog dialog(nullptr);
    QListWidget& list = *dialog.getColumnsListWidget();
    dialog.getColumnsSpinBox()->setValue(3);
    EXPECT_EQ(Widths(list), (QStringList{QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100")}));

    // The second width edited to 250 through the list's own editor.
    QAbstractItemDelegate* delegate = list.itemDelegate();
    ASSERT_NE(dynamic_cast<ColumnWidthDelegate*>(delegate), nullptr);
    const QModelIndex second = list.model()->index(1, 0);
    std::unique_ptr<QWidget> editor(delegate->createEditor(list.viewport(), QStyleOptionViewItem(), second));
    auto* spinBox = qobject_cast<QSpinBox*>(editor.get());
    ASSERT_NE(spinBox, nullptr);
    delegate->setEditorData(spinBox, second);
    EXPECT_EQ(spinBox->value(), 100);
    spinBox->setValue(250);
    delegate->setModelData(spinBox, list.model(), second);
    EXPECT_EQ(Widths(list), (QStringList{QStringLiteral("100"), QStringLiteral("250"), QStringLiteral("100")}));

    dialog.getColumnsSpinBox()->setValue(1);
    EXPECT_EQ(Widths(list), QStringList{QStringLiteral("100")});
    dialog.getColumnsSpinBox()->setValue(2);
    EXPECT_EQ(Widths(list), (QStringList{QStringLiteral("100"), QStringLiteral("100")}));
}

TEST_F(InsertTableDialogTest, TheWidthEditorHoldsWidthsFrom20To1000AndCommitsWhenDone)
{
    InsertTableDialog dialog(nullptr);
    QListWidget& list = *dialog.getColumnsListWidget();
    QAbstractItemDelegate* delegate = list.itemDelegate();
    const QModelIndex first = list.model()->index(0, 0);
    std::unique_ptr<QWidget> editor(delegate->createEditor(list.viewport(), QStyleOptionViewItem(), first));
    auto* spinBox = qobject_cast<QSpinBox*>(editor.get());
    ASSERT_NE(spinBox, nullptr);
    EXPECT_EQ(spinBox->minimum(), 20);
    EXPECT_EQ(spinBox->maximum(), 1000);
    for (const int typed : {5, 1001}) {
        spinBox->setValue(typed);
        EXPECT_EQ(spinBox->value(), typed < 20 ? 20 : 1000);
    }

    // Finishing the edit stores the value and closes the editor.
    std::vector<QWidget*> committed;
    std::vector<QWidget*> closed;
    QObject::connect(delegate, &QAbstractItemDelegate::commitData, [&](QWidget* w) { committed.push_back(w); });
    QObject::connect(delegate, &QAbstractItemDelegate::closeEditor,
                     [&](QWidget* w, QAbstractItemDelegate::EndEditHint) { closed.push_back(w); });
    spinBox->setValue(640);
    emit spinBox->editingFinished();
    EXPECT_EQ(committed, std::vector<QWidget*>{spinBox});
    EXPECT_EQ(closed, std::vector<QWidget*>{spinBox});
}

QTextTable* FirstTable(const QTextDocument& document)
{
    const QList<QTextFrame*> frames = document.rootFrame()->childFrames();
    return frames.isEmpty() ? nullptr : qobject_cast<QTextTable*>(frames.front());
}

class TableEditingTest : public testsupport::TranslationFixture
{
protected:
    testsupport::TextEditorWindow m_window;
    testsupport::ProbedEditor& m_editor = m_window.editor();
};

TEST_F(TableEditingTest, AnUnchangedDialogInsertsTheOneByOneTableWithItsFormats)
{
    m_window.setText(QStringLiteral("before after"), 7, 7);
    QObject* parent = nullptr;
    WhenModal<InsertTableDialog>([&parent](InsertTableDialog* dialog) {
        parent = dialog->parent();
        testsupport::ChildWithText<QPushButton>(*dialog, QStringLiteral("OK"))->click();
    });
    m_editor.insertTable();
    EXPECT_EQ(parent, &m_editor);

    QTextTable* table = FirstTable(*m_editor.document());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(m_editor.toPlainText().remove(QChar::ObjectReplacementCharacter).simplified(),
              QStringLiteral("before after"));
    EXPECT_EQ(table->rows(), 1);
    EXPECT_EQ(table->columns(), 1);
    const QTextTableFormat format = table->format();
    EXPECT_EQ(format.alignment(), Qt::AlignLeft);
    EXPECT_EQ(format.cellPadding(), 1);
    EXPECT_EQ(format.cellSpacing(), 1);
    EXPECT_EQ(FixedWidths(format), std::vector<double>{100});
    const QTextTableCellFormat cell = table->cellAt(0, 0).format().toTableCellFormat();
    EXPECT_EQ(cell.topBorder(), 1);
    EXPECT_EQ(cell.bottomBorder(), 1);
    EXPECT_EQ(cell.leftBorder(), 1);
    EXPECT_EQ(cell.rightBorder(), 1);
}

TEST_F(TableEditingTest, TheDialogsChoicesShapeTheTable)
{
    struct Case
    {
        int alignment;
        Qt::Alignment expected;
    };
    const Case cases[] = {{1, Qt::AlignRight}, {2, Qt::AlignHCenter}, {3, Qt::AlignJustify}};
    for (const Case& c : cases) {
        m_window.setText(QString());
        WhenModal<InsertTableDialog>([&c](InsertTableDialog* dialog) {
            dialog->getAlignmentComboBox()->setCurrentIndex(c.alignment);
            dialog->getCellPaddingSpinBox()->setValue(4);
            dialog->getCellSpacingSpinBox()->setValue(0);
            dialog->getRowsSpinBox()->setValue(2);
            dialog->getColumnsSpinBox()->setValue(3);
            dialog->getColumnsListWidget()->item(1)->setText(QStringLiteral("250"));
            dialog->getColumnsListWidget()->item(2)->setText(QStringLiteral("wide"));
            dialog->accept();
        });
        m_editor.insertTable();
        QTextTable* table = FirstTable(*m_editor.document());
        ASSERT_NE(table, nullptr) << c.alignment;
        EXPECT_EQ(table->rows(), 2);
        EXPECT_EQ(table->columns(), 3);
        EXPECT_EQ(table->format().alignment(), c.expected);
        EXPECT_EQ(table->format().cellPadding(), 4);
        EXPECT_EQ(table->format().cellSpacing(), 0);
        // A width that is not a number is 0.
        EXPECT_EQ(FixedWidths(table->format()), (std::vector<double>{100, 250, 0}));
        EXPECT_EQ(table->cellAt(1, 2).format().toTableCellFormat().leftBorder(), 1);
    }

    // An alignment past the four is warned about; the table still comes.
    m_window.setText(QString());
    testsupport::QtMessageCapture messages;
    WhenModal<InsertTableDialog>([](InsertTableDialog* dialog) {
        dialog->getAlignmentComboBox()->addItem(QStringLiteral("Odd"));
        dialog->getAlignmentComboBox()->setCurrentIndex(4);
        dialog->accept();
    });
    m_editor.insertTable();
    // The offscreen platform adds warnings of its own when the dialog shows.
    const std::vector<std::string> warnings = messages.take();
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), "AbstractTextEditor::insertTable(): currentIndex invalid!"),
              1);
    EXPECT_NE(FirstTable(*m_editor.document()), nullptr);
}

TEST_F(TableEditingTest, CancellingEitherDialogChangesNothing)
{
    testsupport::DialogGuard guard;
    guard.allow<InsertTableDialog>();
    guard.allow<QInputDialog>();
    m_window.setText(QStringLiteral("text"));
    WhenModal<InsertTableDialog>([](InsertTableDialog* dialog) {
        testsupport::ChildWithText<QPushButton>(*dialog, QStringLiteral("Cancel"))->click();
    });
    m_editor.insertTable();
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("text"));
    EXPECT_FALSE(m_editor.document()->isUndoAvailable());

    // Outside a table no dialog opens at all.
    guard.forbid<QInputDialog>();
    m_editor.setColumnWidth();

    guard.allow<QInputDialog>();
    QTextTable* table = m_editor.textCursor().insertTable(1, 2);
    m_editor.setTextCursor(table->cellAt(0, 1).firstCursorPosition());
    const QTextTableFormat before = m_editor.textCursor().currentTable()->format();
    WhenModal<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    m_editor.setColumnWidth();
    EXPECT_EQ(m_editor.textCursor().currentTable()->format(), before);
}

TEST_F(TableEditingTest, SetColumnWidthChangesOnlyTheCursorsColumn)
{
    struct Case
    {
        const char* name;
        std::function<void()> makeTable;
        std::vector<double> before;
        std::vector<double> after;
    };
    const Case cases[] = {
        {"inserted with widths",
         [this] {
             QTextTableFormat format;
             format.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, 100),
                                               QTextLength(QTextLength::FixedLength, 120),
                                               QTextLength(QTextLength::FixedLength, 140)});
             m_editor.textCursor().insertTable(2, 3, format);
         },
         {100, 120, 140},
         {100, 120, 250}},
        {"read from HTML without widths",
         [this] { m_editor.setHtml(QStringLiteral("<table><tr><td>a</td><td>b</td><td>c</td></tr></table>")); },
         {-1, -1, -1},
         {-1, -1, 250}},
        // A format without a list of widths: the missing ones stay variable.
        {"inserted without widths", [this] { m_editor.textCursor().insertTable(2, 3); }, {}, {-1, -1, 250}},
    };
    for (const Case& c : cases) {
        m_window.setText(QString());
        c.makeTable();
        QTextTable* table = FirstTable(*m_editor.document());
        ASSERT_NE(table, nullptr) << c.name;
        EXPECT_EQ(FixedWidths(table->format()), c.before) << c.name;
        m_editor.setTextCursor(table->cellAt(0, 2).firstCursorPosition());

        WhenModal<QInputDialog>([&c](QInputDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Set Column Width")) << c.name;
            EXPECT_EQ(dialog->intValue(), 20) << c.name;
            EXPECT_EQ(dialog->intMinimum(), 20) << c.name;
            EXPECT_EQ(dialog->intMaximum(), 9999) << c.name;
            dialog->setIntValue(250);
            dialog->accept();
        });
        m_editor.setColumnWidth();
        EXPECT_EQ(FixedWidths(table->format()), c.after) << c.name;
    }
}

}  // namespace
