#pragma once

#include "library/gui/mode.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <string>

class QComboBox;
class QDateEdit;
class QLineEdit;

// The editor of one search criterion, in one row: a subject, a predicate, a
// text field and a date field. A concrete editor fills the subjects, keeps
// one mode per subject (the mode id is the subject's index) and shows the
// text or the date field in each. Every change of the subject, the predicate
// or the date, and the end of an edit of the text, emits commitData.
class AbstractSearchEditor : public QWidget
{
    Q_OBJECT

public:
    explicit AbstractSearchEditor(QWidget* parent);

    virtual void setSubject(int index) = 0;
    virtual int getSubject() const;
    virtual void setPredicate(int index) = 0;
    virtual int getPredicate() const;
    // Trimmed of white space at both ends.
    virtual QString getText() const;
    virtual QDate getDate() const;
    virtual void setText(const QString& text);
    // An invalid date is refused with a warning.
    virtual void setDate(const QDate& date);
    virtual void initializeWindow();
    virtual void initializeMode() = 0;

    QSize sizeHint() const override;

    Mode* mode() const { return m_mode; }
    int getMode() const { return m_mode->getMode(); }
    std::string getModeName(int mode) const { return m_mode->getModeName(mode); }
    void setMode(int mode) { m_mode->setMode(mode); }
    int registerMode(int parent, const std::string& name) { return m_mode->registerMode(parent, name); }
    int registerMode(const std::string& name, int parent) { return m_mode->registerMode(parent, name); }
    void registerProp(int mode,
                      Mode::Condition condition,
                      QObject* object,
                      const std::string& property,
                      const QVariant& value)
    {
        m_mode->registerProp(mode, condition, object, property, value);
    }
    void registerTran(int from, int to) { m_mode->registerTran(from, to); }

signals:
    void commitData(QWidget* editor);

public slots:
    // Switches to the subject's mode, then commits.
    void subjectChanged(int index);
    void predicateChanged(int index);
    void textEditingFinished();
    void dateChanged(const QDate& date);

protected:
    QComboBox* m_subjectComboBox;
    QComboBox* m_predicateComboBox;
    QLineEdit* m_lineEdit;
    QDateEdit* m_dateEdit;
    Mode* m_mode;
};
