#pragma once

#include <QWizardPage>

class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

// Whether one session under a new key is limited, and to how many minutes or
// hours: the fields "restrictedDuration", "durationSpinBox" (1 to 28800, 60
// at start) and "durationComboBox" (0 minutes, 1 hours). Going Back keeps the
// choices.
class SelectSessionDurationWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit SelectSessionDurationWizardPage(QWidget* parent);

    void cleanupPage() override;

public slots:
    // Shows the duration and its unit only while the duration is restricted.
    void toggleRestrictedDuration(bool b);

private:
    QRadioButton* m_unrestrictedDurationRadioButton;
    QRadioButton* m_restrictedDurationRadioButton;
    QLabel* m_durationLabel;
    QLabel* m_unitsLabel;
    QSpinBox* m_durationSpinBox;
    QComboBox* m_durationComboBox;
};
