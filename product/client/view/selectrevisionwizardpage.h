#pragma once

#include <QWizardPage>

class QListWidgetItem;
class QRadioButton;
class RevisionHistoryListWidget;

// Which revision of a document a new document key shows: the current one, or
// an earlier one picked from the document's revision history, which the page
// fetches from the server each time Previous Revision is chosen. The fields
// are "revisionDateTime" and "revisionSysStart" (the chosen row's local text
// and server stamp), "currentRevision" and "previousRevision". Going Back
// keeps the choice.
class SelectRevisionWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    SelectRevisionWizardPage(QWidget* parent, int documentId);

    // The first selected row, or null.
    QListWidgetItem* revisionHistoryListWidgetItem() const;

    void cleanupPage() override;

public slots:
    // Current Revision chosen: the list hides and empties. Previous Revision
    // chosen: the history is fetched and shown with its first row selected;
    // when there is none, or the server did not answer, the page returns to
    // Current Revision.
    void toggleCurrentRevision(bool state);

private:
    void initializeWindow();
    void initializeWidgets();
    void returnToCurrentRevision();

    const int m_documentId;
    QRadioButton* m_currentRevisionRadioButton;
    QRadioButton* m_previousRevisionRadioButton;
    RevisionHistoryListWidget* m_revisionHistoryListWidget;
};
