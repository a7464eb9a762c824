#include "library/gui/searcheditors.h"

#include "library/gui/linguist.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>

QStringList DocumentSearchEditor::SubjectList;
QStringList MessageSearchEditor::SubjectList;

SubjectTableSearchEditor::SubjectTableSearchEditor(const Table& table, QWidget* parent)
    : AbstractSearchEditor(parent)
    , m_table(table)
{
    for (std::size_t subject = 0; subject < m_table.subjects.size(); ++subject) {
        m_subjectModes.push_back(registerMode(-1, std::string()));
    }
    if (m_table.subjectList.isEmpty()) {
        for (const search::Subject& subject : m_table.subjects) {
            m_table.subjectList << QCoreApplication::translate(m_table.context, subject.textId);
        }
    }
    SubjectTableSearchEditor::initializeMode();
    m_subjectComboBox->addItems(m_table.subjectList);
}

void SubjectTableSearchEditor::setSubject(int index)
{
    if (index < 0 || index >= static_cast<int>(m_table.subjects.size())) {
        qWarning("%s::setSubject(%d): invalid index", m_table.context, index);
        return;
    }
    m_subjectComboBox->setCurrentIndex(index);
}

void SubjectTableSearchEditor::setPredicate(int index)
{
    const search::Subject* subject = currentSubject();
    if (subject == nullptr) {
        qWarning(m_table.predicateWarning, index);
        return;
    }
    if (index >= 0 && index < static_cast<int>(search::PredicatesOf(subject->predicates).size())) {
        m_predicateComboBox->setCurrentIndex(index);
    }
}

void SubjectTableSearchEditor::enterMode(int mode)
{
    m_predicateComboBox->clear();
    for (std::size_t subject = 0; subject < m_subjectModes.size(); ++subject) {
        if (m_subjectModes[subject] != mode) {
            continue;
        }
        for (const search::Predicate& predicate : search::PredicatesOf(m_table.subjects[subject].predicates)) {
            m_predicateComboBox->addItem(Linguist::tr(predicate.textId));
        }
        m_predicateComboBox->setCurrentIndex(0);
    }
}

void SubjectTableSearchEditor::initializeMode()
{
    for (std::size_t subject = 0; subject < m_subjectModes.size(); ++subject) {
        const bool isDate = m_table.subjects[subject].predicates == search::PredicateList::DateComparison;
        registerProp(m_subjectModes[subject], Mode::Entering, m_lineEdit, "visible", !isDate);
        registerProp(m_subjectModes[subject], Mode::Entering, m_dateEdit, "visible", isDate);
    }
    connect(m_mode, &Mode::enterMode, this, &SubjectTableSearchEditor::enterMode);
    setMode(m_subjectModes.front());
}

const search::Subject* SubjectTableSearchEditor::currentSubject() const
{
    const int index = getSubject();
    if (index < 0 || index >= static_cast<int>(m_table.subjects.size())) {
        return nullptr;
    }
    return &m_table.subjects[static_cast<std::size_t>(index)];
}

DocumentSearchEditor::DocumentSearchEditor(QWidget* parent)
    : SubjectTableSearchEditor({"DocumentSearchEditor", "AbstractSearchEditor::setPredicate(%d): invalid index",
                                search::DocumentSubjects(), SubjectList},
                               parent)
{}

MessageSearchEditor::MessageSearchEditor(QWidget* parent)
    : SubjectTableSearchEditor({"MessageSearchEditor", "MessageSearchEditor::setPredicate(%d): invalid index",
                                search::MessageSubjects(), SubjectList},
                               parent)
{}
