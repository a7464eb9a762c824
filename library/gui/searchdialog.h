#pragma once

#include <QDialog>
#include <QTextCursor>
#include <QTextDocument>

class QBoxLayout;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

// The search part of the find and the find-and-replace dialogs: the search
// field, the options, Find, Find All and Close, over the document of one
// text widget. Results show only as the widget's selection and highlights.
// The dialog lives for one modal run; when it goes, the widget loses the
// highlights and gets back the caret and selection of the time it opened.
class SearchDialog : public QDialog
{
    Q_OBJECT

public:
    SearchDialog(QTextEdit& textEdit, QWidget* parent);
    ~SearchDialog() override;

    QTextDocument::FindFlags getFindFlags() const;

protected slots:
    // Enables Find and the direction buttons while the search field holds text.
    virtual void textChanged(const QString& text);
    // The next match from the search cursor, without wrapping around.
    virtual void find();
    // Highlights every match from the start of the document.
    virtual void findAll();

protected:
    virtual void connectSignals();

    // Layout parts that both dialogs share: a row with a field under its
    // label beside a column of two buttons; the sunken box that holds such
    // rows; the options with the Close row below them.
    static QBoxLayout* CreateFieldRow(QLabel* label, QLineEdit* field, QPushButton* first, QPushButton* second);
    QFrame* createBox(QBoxLayout* rows);
    QFrame* createSunkenLine();
    void addOptionsAndClose(QBoxLayout* layout);

    // The widget's cursor after it has moved to the start of the document.
    QTextCursor moveToStart();
    void showMatch(const QTextCursor& match);

    QTextEdit& m_textEdit;
    QTextCursor m_savedCursor;
    QTextCursor m_searchCursor;
    QLabel* m_findWhatLabel;
    QLineEdit* m_findWhatLineEdit;
    QRadioButton* m_searchForwardRadioButton;
    QRadioButton* m_searchBackwardRadioButton;
    QRadioButton* m_caseSensitiveRadioButton;
    QRadioButton* m_caseInsensitiveRadioButton;
    QCheckBox* m_matchOnlyCompleteWordsCheckBox;
    QPushButton* m_findPushButton;
    QPushButton* m_findAllPushButton;
    QPushButton* m_closePushButton;
};
