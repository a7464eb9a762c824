#pragma once

#include "library/gui/linguist.h"
#include "library/gui/searchtableview.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>

// The frame of the search dialogs: the criteria (a `TableView`, one
// criterion per row) under the choice whether all or any of them must hold,
// a line that says when a search failed, the results, and Search, Reset,
// Open and Close. The concrete dialog gives the result columns, connects
// Search, Reset and the results' selection, and runs the search; each result
// row's first cell carries its record.
template <typename TableView>
class AbstractSearchDialog : public QDialog
{
public:
    explicit AbstractSearchDialog(QWidget* parent)
        : QDialog(parent)
        , m_allRadioButton(new QRadioButton(Linguist::tr("AllOfTheFollowing")))
        , m_anyRadioButton(new QRadioButton(Linguist::tr("AnyOfTheFollowing")))
        , m_resultTable(new QTableWidget(this))
        , m_buttonBox(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Close | QDialogButtonBox::Apply
                                           | QDialogButtonBox::Reset))
        , m_criteriaTable(new TableView(this))
        , m_searchForLayout(new QHBoxLayout)
        , m_noteLabel(new QLabel)
    {
        m_allRadioButton->setChecked(true);

        m_resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_resultTable->setSelectionMode(QAbstractItemView::MultiSelection);
        m_resultTable->setSortingEnabled(true);

        QPushButton* searchButton = m_buttonBox->button(QDialogButtonBox::Apply);
        searchButton->setText(Linguist::tr("Search"));
        searchButton->setDefault(true);
        m_buttonBox->button(QDialogButtonBox::Ok)->setText(Linguist::tr("Open"));
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
        QObject::connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
        QObject::connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

        m_noteLabel->setVisible(false);

        auto* searchFor = new QGroupBox(Linguist::tr("SearchFor"));
        searchFor->setLayout(m_searchForLayout);
        m_searchForLayout->addWidget(m_allRadioButton);
        m_searchForLayout->addWidget(m_anyRadioButton);
        m_searchForLayout->addStretch();

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(searchFor);
        layout->addWidget(m_criteriaTable);
        layout->addWidget(m_noteLabel);
        layout->addWidget(m_resultTable);
        layout->addWidget(m_buttonBox);
        setMinimumSize(640, 480);
        searchButton->setFocus();
    }

    // Open is enabled while a result is selected.
    virtual void itemSelectionChanged()
    {
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_resultTable->selectedItems().isEmpty());
    }

    // One fresh criterion and no results; the all-or-any choice and the
    // concrete dialog's own widgets keep their state.
    virtual void reset()
    {
        QStandardItemModel* criteria = m_criteriaTable->getStandardItemModel();
        criteria->removeRows(0, criteria->rowCount());
        criteria->insertRow(0);
        m_resultTable->model()->removeRows(0, m_resultTable->rowCount());
        showNote(QString());
    }

    virtual void search() = 0;

protected:
    bool anyOf() const { return m_anyRadioButton->isChecked(); }

    QPushButton* searchButton() const { return m_buttonBox->button(QDialogButtonBox::Apply); }
    QPushButton* resetButton() const { return m_buttonBox->button(QDialogButtonBox::Reset); }

    // The line above the results; hidden while empty.
    void showNote(const QString& note)
    {
        m_noteLabel->setText(note);
        m_noteLabel->setVisible(!note.isEmpty());
    }

    void resizeResultColumns()
    {
        if (m_resultTable->rowCount() > 0) {
            m_resultTable->resizeColumnsToContents();
        }
    }

    QRadioButton* m_allRadioButton;
    QRadioButton* m_anyRadioButton;
    QTableWidget* m_resultTable;
    QDialogButtonBox* m_buttonBox;
    TableView* m_criteriaTable;
    QHBoxLayout* m_searchForLayout;
    QLabel* m_noteLabel;
};
