// The criterion editors and the criteria table that holds one editor per row.

#include "tests/gui/qstringprinter.h"
#include "tests/gui/qtmessagecapture.h"

#include "library/gui/searcheditors.h"
#include "library/gui/searchrequest.h"
#include "library/gui/searchtableview.h"

#include <QBrush>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The four fields of an editor, in their layout order.
struct Fields
{
    explicit Fields(const AbstractSearchEditor& editor)
    {
        const auto comboBoxes = editor.findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
        subject = comboBoxes.at(0);
        predicate = comboBoxes.at(1);
        text = editor.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
        date = editor.findChild<QDateEdit*>(QString(), Qt::FindDirectChildrenOnly);
    }

    QStringList predicates() const
    {
        QStringList texts;
        for (int index = 0; index < predicate->count(); ++index) {
            texts << predicate->itemText(index);
        }
        return texts;
    }

    QComboBox* subject;
    QComboBox* predicate;
    QLineEdit* text;
    QDateEdit* date;
};

const QStringList DateComparisons = {
    QStringLiteral("Equal"),        QStringLiteral("Not equal"),          QStringLiteral("Less than"),
    QStringLiteral("Greater than"), QStringLiteral("Less than or equal"), QStringLiteral("Greater than or equal")};

TEST(SearchEditor, ANewDocumentEditorAsksForTheNameToEqualAText)
{
    DocumentSearchEditor editor(nullptr);
    const Fields fields(editor);
    EXPECT_EQ(QStringLiteral("Document name"), fields.subject->currentText());
    EXPECT_EQ(QStringLiteral("Equal"), fields.predicate->currentText());
    EXPECT_THAT(fields.predicates(), ElementsAre("Equal", "Not equal", "Like", "Not like"));
    EXPECT_TRUE(fields.text->isVisibleTo(&editor));
    EXPECT_FALSE(fields.date->isVisibleTo(&editor));
    EXPECT_EQ(0, editor.getMode());

    MessageSearchEditor message(nullptr);
    const Fields messageFields(message);
    EXPECT_EQ(QStringLiteral("Message from"), messageFields.subject->currentText());
    EXPECT_EQ(QStringLiteral("Equal"), messageFields.predicate->currentText());
    EXPECT_EQ(5, messageFields.subject->count());
}

TEST(SearchEditor, ADateSubjectShowsTheDateFieldUpToTodayAndSixComparisons)
{
    DocumentSearchEditor editor(nullptr);
    const Fields fields(editor);
    editor.setSubject(2);
    EXPECT_EQ(QStringLiteral("Document creation date"), fields.subject->currentText());
    EXPECT_FALSE(fields.text->isVisibleTo(&editor));
    EXPECT_TRUE(fields.date->isVisibleTo(&editor));
    EXPECT_EQ(QDate::currentDate(), editor.getDate());
    EXPECT_EQ(QDate::currentDate(), fields.date->maximumDate());
    EXPECT_EQ(QStringLiteral("yyyy-MM-dd"), fields.date->displayFormat());
    EXPECT_EQ(DateComparisons, fields.predicates());
    EXPECT_EQ(0, editor.getPredicate());
    EXPECT_EQ(2, editor.getMode());

    editor.setSubject(1);
    EXPECT_THAT(fields.predicates(), ElementsAre("Contains"));
    EXPECT_TRUE(fields.text->isVisibleTo(&editor));
}

TEST(SearchEditor, AnUnknownSubjectWarnsOnDocumentsAndIsTheModificationDateOnMessages)
{
    DocumentSearchEditor document(nullptr);
    MessageSearchEditor message(nullptr);
    testsupport::QtMessageCapture capture;
    document.setSubject(4);
    EXPECT_EQ(0, document.getSubject());
    document.setSubject(-1);
    EXPECT_THAT(capture.take(), ElementsAre("DocumentSearchEditor::setSubject(4): invalid index",
                                            "DocumentSearchEditor::setSubject(-1): invalid index"));
    message.setSubject(4);
    EXPECT_EQ(QStringLiteral("Message modification date"), Fields(message).subject->currentText());
    EXPECT_EQ(DateComparisons, Fields(message).predicates());
    message.setSubject(5);
    EXPECT_THAT(capture.take(), ElementsAre("MessageSearchEditor::setSubject(5): invalid index"));
}

TEST(SearchEditor, RestoringSetsTheSubjectBeforeThePredicate)
{
    DocumentSearchEditor editor(nullptr);
    editor.setSubject(3);
    editor.setPredicate(5);
    EXPECT_EQ(QStringLiteral("Document modification date"), Fields(editor).subject->currentText());
    EXPECT_EQ(QStringLiteral("Greater than or equal"), Fields(editor).predicate->currentText());
}

TEST(SearchEditor, APredicateOutsideTheSubjectsListChangesNothingSilently)
{
    DocumentSearchEditor editor(nullptr);
    editor.setPredicate(2);
    testsupport::QtMessageCapture capture;
    editor.setPredicate(4);  // a name has four predicates
    editor.setPredicate(-1);
    EXPECT_EQ(2, editor.getPredicate());
    editor.setSubject(1);
    editor.setPredicate(1);  // content has only Contains
    EXPECT_EQ(0, editor.getPredicate());
    EXPECT_THAT(capture.messages(), IsEmpty());
}

TEST(SearchEditor, TextIsTrimmedAndAnInvalidDateIsRefused)
{
    DocumentSearchEditor editor(nullptr);
    editor.setText(QStringLiteral("  spaced out \t"));
    EXPECT_EQ(QStringLiteral("spaced out"), Fields(editor).text->text());
    Fields(editor).text->setText(QStringLiteral(" typed "));
    EXPECT_EQ(QStringLiteral("typed"), editor.getText());

    const QDate earlier(2024, 3, 5);
    editor.setDate(earlier);
    testsupport::QtMessageCapture capture;
    editor.setDate(QDate());
    EXPECT_THAT(capture.messages(), ElementsAre("AbstractSearchEditor::setDate(): invalid date"));
    EXPECT_EQ(earlier, editor.getDate());
}

TEST(SearchEditor, EveryChangeCommitsTheEditor)
{
    DocumentSearchEditor editor(nullptr);
    QSignalSpy commits(&editor, &AbstractSearchEditor::commitData);
    editor.setPredicate(1);
    EXPECT_EQ(1, commits.count());
    editor.setSubject(2);  // the refilled predicates commit too
    EXPECT_GE(commits.count(), 2);
    EXPECT_EQ(&editor, commits.last().at(0).value<QWidget*>());
    commits.clear();
    editor.setDate(QDate(2024, 1, 1));
    EXPECT_EQ(1, commits.count());
    emit Fields(editor).text->editingFinished();
    EXPECT_EQ(2, commits.count());
}

TEST(SearchEditor, ThePreferredWidthGrowsWithTheComboBoxes)
{
    DocumentSearchEditor editor(nullptr);
    const int narrow = editor.sizeHint().width();
    Fields(editor).subject->addItem(QString(60, 'W'));
    EXPECT_GT(editor.sizeHint().width(), narrow);
}

class SearchTable : public ::testing::Test
{
protected:
    QStandardItemModel& model() { return *m_table.getStandardItemModel(); }

    AbstractSearchEditor* editor(int row)
    {
        return qobject_cast<AbstractSearchEditor*>(m_table.indexWidget(model().index(row, 0)));
    }

    // Types the text into the row's editor and finishes with Return.
    void enterText(int row, const QString& text)
    {
        QLineEdit* field = Fields(*editor(row)).text;
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QVariant stored(int row, int role) { return model().index(row, 0).data(role); }

    QStringList storedTexts()
    {
        QStringList texts;
        for (int row = 0; row < model().rowCount(); ++row) {
            texts << stored(row, search::CriterionTextRole).toString();
        }
        return texts;
    }

    DocumentSearchTableView m_table{nullptr};
};

TEST_F(SearchTable, StartsWithOneRowAndItsEditorUnderAPlusHeader)
{
    ASSERT_EQ(1, model().rowCount());
    EXPECT_NE(nullptr, qobject_cast<DocumentSearchEditor*>(editor(0)));
    EXPECT_EQ(QStringLiteral("+"), model().headerData(0, Qt::Horizontal).toString());
    EXPECT_EQ(QStringLiteral("Add search criteria"), model().headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString());
    EXPECT_EQ(QColor(Qt::green), model().headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color());
    EXPECT_EQ(QStringLiteral("-"), model().headerData(0, Qt::Vertical).toString());
    EXPECT_EQ(QStringLiteral("Delete search criteria"),
              model().headerData(0, Qt::Vertical, Qt::ToolTipRole).toString());
    EXPECT_EQ(QColor(Qt::red), model().headerData(0, Qt::Vertical, Qt::ForegroundRole).value<QBrush>().color());
    EXPECT_TRUE(m_table.horizontalHeader()->stretchLastSection());

    MessageSearchTableView messages(nullptr);
    EXPECT_NE(nullptr,
              qobject_cast<MessageSearchEditor*>(messages.indexWidget(messages.getStandardItemModel()->index(0, 0))));
}

TEST_F(SearchTable, AnUntouchedRowHoldsNoData)
{
    for (int role : {search::CriterionSubjectRole, search::CriterionPredicateRole, search::CriterionTextRole,
                     search::CriterionDateRole}) {
        EXPECT_FALSE(stored(0, role).isValid()) << role;
    }
    editor(0)->setPredicate(2);
    EXPECT_EQ(0, stored(0, search::CriterionSubjectRole).toInt());
    EXPECT_EQ(2, stored(0, search::CriterionPredicateRole).toInt());
    EXPECT_EQ(QString(), stored(0, search::CriterionTextRole).toString());
    EXPECT_EQ(QDate::currentDate(), stored(0, search::CriterionDateRole).toDate());
}

TEST_F(SearchTable, PlusAppendsARowAtTheEndWhateverSectionWasClicked)
{
    enterText(0, QStringLiteral("first"));
    emit m_table.horizontalHeader()->sectionClicked(0);
    m_table.addRow(7);
    ASSERT_EQ(3, model().rowCount());
    EXPECT_THAT(storedTexts(), ElementsAre("first", "", ""));
    EXPECT_NE(nullptr, editor(2));
    EXPECT_EQ(QStringLiteral("-"), model().headerData(2, Qt::Vertical).toString());
    EXPECT_EQ(QAbstractItemView::SingleSelection, m_table.selectionMode());
}

TEST_F(SearchTable, MinusRemovesItsOwnRow)
{
    m_table.addRow(0);
    m_table.addRow(0);
    for (int row = 0; row < 3; ++row) {
        enterText(row, QString::number(row + 1));
    }
    emit m_table.verticalHeader()->sectionClicked(1);
    EXPECT_THAT(storedTexts(), ElementsAre("1", "3"));
    EXPECT_EQ(QStringLiteral("3"), editor(1)->getText());

    m_table.deleteRow(0);
    m_table.deleteRow(0);
    EXPECT_EQ(0, model().rowCount());
    emit m_table.horizontalHeader()->sectionClicked(0);
    ASSERT_EQ(1, model().rowCount());
    EXPECT_NE(nullptr, editor(0));
}

TEST_F(SearchTable, TextIsStoredOnlyWhenEditingFinishes)
{
    m_table.show();
    QLineEdit* field = Fields(*editor(0)).text;
    QTest::keyClicks(field, QStringLiteral("  draft  "));
    EXPECT_FALSE(stored(0, search::CriterionTextRole).isValid());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(QStringLiteral("draft"), stored(0, search::CriterionTextRole).toString());

    QTest::keyClicks(field, QStringLiteral(" two"));
    EXPECT_EQ(QStringLiteral("draft"), stored(0, search::CriterionTextRole).toString());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &focusOut);
    EXPECT_EQ(QStringLiteral("draft two"), stored(0, search::CriterionTextRole).toString());
}

TEST_F(SearchTable, ASubjectChangeStoresThatSubjectAndItsFirstPredicate)
{
    enterText(0, QStringLiteral("kept"));
    editor(0)->setPredicate(3);
    ASSERT_EQ(3, stored(0, search::CriterionPredicateRole).toInt());
    Fields(*editor(0)).subject->setCurrentIndex(2);
    EXPECT_EQ(2, stored(0, search::CriterionSubjectRole).toInt());
    EXPECT_EQ(0, stored(0, search::CriterionPredicateRole).toInt());
    EXPECT_EQ(QStringLiteral("kept"), stored(0, search::CriterionTextRole).toString());
    EXPECT_EQ(0, editor(0)->getPredicate());

    editor(0)->setPredicate(5);
    editor(0)->setDate(QDate(2024, 3, 5));
    EXPECT_EQ(5, stored(0, search::CriterionPredicateRole).toInt());
    EXPECT_EQ(QDate(2024, 3, 5), stored(0, search::CriterionDateRole).toDate());
}

TEST_F(SearchTable, ARowWrittenInTheModelIsLoadedIntoItsEditor)
{
    const QModelIndex index = model().index(0, 0);
    model().setData(index, 3, search::CriterionSubjectRole);
    model().setData(index, 5, search::CriterionPredicateRole);
    model().setData(index, QStringLiteral("loaded"), search::CriterionTextRole);
    model().setData(index, QDate(2023, 12, 24), search::CriterionDateRole);
    EXPECT_EQ(3, editor(0)->getSubject());
    EXPECT_EQ(5, editor(0)->getPredicate());
    EXPECT_EQ(QStringLiteral("loaded"), editor(0)->getText());
    EXPECT_EQ(QDate(2023, 12, 24), editor(0)->getDate());
}

}  // namespace
