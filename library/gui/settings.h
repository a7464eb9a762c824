#pragma once

#include <QList>
#include <QPoint>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QVariant>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

class QWidget;

// The client's store of user preferences: the application's QSettings (user
// scope, the platform's default format, named by the organisation and
// application names that start-up sets), so every Settings object reads and
// writes the same store. Option keys are read with their default at each
// read; the store keeps no table of defaults.
//
// The process-wide instance is ACE_Singleton<Settings, ACE_Null_Mutex>::instance();
// windows also create short-lived local objects.
class Settings : public QSettings
{
public:
    // Which group holds a widget's geometry.
    enum GroupName : int
    {
        ClassNameGroup = 0,   // the class name of the widget's meta-object
        ObjectNameGroup = 1,  // the widget's object name
    };

    Settings();

    // The folders from which pictures are inserted, in stored order.
    QList<QString> getPictureDirectories();
    void setPictureDirectories(const QList<QString>& directories);
    // Appends the folder unless the list holds the same text (case-sensitive).
    void addPictureDirectory(const QString& directory);

    // The "Pictures" folder in the user's home folder, or an empty string
    // when it does not exist.
    QString getHomePictureDirectory() const;
    // The home picture folder (when it exists), then the stored folders;
    // duplicates are kept.
    QList<QString> getPictureSearchPaths();

    // The web browser's home page: the custom address or one of the shared choices.
    QString getHomePageUrl() const;

    // A window's size and position are kept per size of the available area
    // of the screen it is on. A group without a name stores and restores
    // nothing.
    void saveWidgetGeometrySettings(QWidget* widget, Settings::GroupName group);
    void restoreWidgetGeometrySettings(QWidget* widget,
                                       Settings::GroupName group,
                                       const QSize& defaultSize,
                                       const QPoint& defaultPos);

private:
    // Stores the value unless the store holds it already: any change makes
    // the store write its whole file to disk again, and wait for the disk.
    void setChangedValue(const QString& key, const QVariant& value);
    // "<group>/geometry/<width>x<height>", or an empty string.
    static QString geometryPrefix(const QWidget* widget, Settings::GroupName group);
};
