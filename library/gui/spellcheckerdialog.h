#pragma once

#include <QDialog>
#include <QMap>
#include <QSet>
#include <QString>
#include <QTextCursor>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

// Walks the document of one text widget word by word from its start and
// stops at every word that the spell checker's Hunspell object rejects, for
// the user to ignore it (here or everywhere), change it (here or everywhere)
// or add it to his dictionary. Words of one character are never checked.
// When the dialog goes, Hunspell learns every word ignored everywhere or
// added during the run. Without a Hunspell object the dialog says that
// spell checking is not available and changes nothing.
class SpellCheckerDialog : public QDialog
{
    Q_OBJECT

public:
    SpellCheckerDialog(QTextEdit& textEdit, QWidget* parent);
    ~SpellCheckerDialog() override;

public slots:
    void ignore();
    void ignoreAll();
    void change();
    void changeAll();
    void addToDictionary();

    // Continues the walk up to the next rejected word or the end.
    void checkSpelling();

private:
    // Moves the word cursor to the start of the next word; false when it did
    // not advance, which ends the walk.
    bool moveOn();
    void resume();
    void finish(const QString& text);

    QTextEdit& m_textEdit;
    QTextCursor m_wordCursor;
    QSet<QString> m_ignoreAll;
    QMap<QString, QString> m_changeAll;
    QListWidget* m_suggestionListWidget;
    QLabel* m_wordLabel;
    QPushButton* m_ignorePushButton;
    QPushButton* m_ignoreAllPushButton;
    QPushButton* m_changePushButton;
    QPushButton* m_changeAllPushButton;
    QPushButton* m_addToDictionaryPushButton;
    QPushButton* m_closePushButton;
    bool m_atEnd;
};
