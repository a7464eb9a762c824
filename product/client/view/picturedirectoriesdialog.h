#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// Edits a list of picture directories, one list entry per path. The dialog
// touches only its own list: the caller fills it before exec and reads it
// back afterwards. Each directory is listed once; an entry without item
// flags (the caller's fixed home entry) can be neither edited nor removed.
class PictureDirectoriesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PictureDirectoriesDialog(QWidget* parent);
    ~PictureDirectoriesDialog() override;

    QListWidget* getDirectoryListWidget() const;

public slots:
    // Appends a directory chosen in a directory picker unless it is listed.
    void addDirectory();
    // Lets the user retype the selected entry's path; it must name an
    // existing directory.
    void editDirectory();
    // Deletes the selected entry.
    void removeDirectory();

private:
    void initializeWidgets();
    void initializeLayout();

    // The one selected entry, or null when none or several are selected.
    QListWidgetItem* selectedDirectory() const;
    // An entry other than `except` whose text is exactly `directory`.
    QListWidgetItem* findDirectory(const QString& directory, const QListWidgetItem* except = nullptr) const;

    QListWidget* m_directoryListWidget;
    QPushButton* m_addPushButton;
    QPushButton* m_editPushButton;
    QPushButton* m_removePushButton;
    QPushButton* m_okPushButton;
    QPushButton* m_cancelPushButton;
};
