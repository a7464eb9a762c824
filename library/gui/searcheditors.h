#pragma once

#include "library/gui/abstractsearcheditor.h"
#include "library/gui/searchrequest.h"

#include <QStringList>

#include <vector>

// A criterion editor over one table of subjects: one mode per subject, in
// subject order, that shows the text or the date field and fills the
// predicates of that subject.
class SubjectTableSearchEditor : public AbstractSearchEditor
{
    Q_OBJECT

public:
    // Any other index is refused with a warning.
    void setSubject(int index) override;
    // An index outside the current subject's predicates changes nothing.
    void setPredicate(int index) override;

public slots:
    void enterMode(int mode);

protected:
    struct Table
    {
        const char* context;  // translation context and warnings' class name
        const char* predicateWarning;
        const std::vector<search::Subject>& subjects;
        QStringList& subjectList;  // the translated subjects, built once
    };

    SubjectTableSearchEditor(const Table& table, QWidget* parent);

    void initializeMode() override;

private:
    const search::Subject* currentSubject() const;

    const Table m_table;
    std::vector<int> m_subjectModes;
};

// The criterion editor of the document searches: name, content, creation
// date, modification date.
class DocumentSearchEditor : public SubjectTableSearchEditor
{
    Q_OBJECT

public:
    explicit DocumentSearchEditor(QWidget* parent);

private:
    static QStringList SubjectList;
};

// The criterion editor of the message search: sender, subject, content,
// creation date, modification date.
class MessageSearchEditor : public SubjectTableSearchEditor
{
    Q_OBJECT

public:
    explicit MessageSearchEditor(QWidget* parent);

private:
    static QStringList SubjectList;
};
