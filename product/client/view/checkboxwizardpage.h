#pragma once

#include <QList>
#include <QWizardPage>

#include <vector>

class QBoxLayout;
class QCheckBox;

// One check box of a key-rule page: its text id, the wizard field that
// carries its checked state and whether it is ticked at start.
struct CheckBoxField
{
    const char* textId;
    const char* field;
    bool ticked;
};

// A key-rule page whose choices are check boxes, each one boolean wizard
// field; the key builders read them with toBool().
class CheckBoxWizardPage : public QWizardPage
{
    Q_OBJECT

protected:
    explicit CheckBoxWizardPage(QWidget* parent);

    // Creates one box per row, in order: its text is the id translated in
    // `context`, its field is registered and it joins `layout`. The boxes
    // start unticked; tickInitialBoxes() ticks those marked so.
    void addCheckBoxFields(const std::vector<CheckBoxField>& rows, const char* context, QBoxLayout* layout);
    void tickInitialBoxes();

    const QList<QCheckBox*>& checkBoxes() const { return m_checkBoxes; }
    // The box of the field, or null.
    QCheckBox* checkBox(const char* field) const;

private:
    std::vector<CheckBoxField> m_rows;
    QList<QCheckBox*> m_checkBoxes;
};
