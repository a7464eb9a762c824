#include "library/gui/settings.h"

#include "library/common/assertion.h"
#include "library/gui/linguist.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QWidget>

namespace {

const char PictureDirectoriesGroup[] = "MachineSettings";
const char PictureDirectoriesArray[] = "PictureDirectories";
const char PictureDirectoryKey[] = "PictureDirectory";
const char HomePageUrlIndexKey[] = "WebBrowser/Options/HomePageUrlIndex";
const char HomePageCustomUrlKey[] = "WebBrowser/Options/HomePageCustomUrl";

const char* const HomePageChoices[] = {"HomePageChoice1Url", "HomePageChoice2Url", "HomePageChoice3Url",
                                       "HomePageChoice4Url", "HomePageChoice5Url"};

}  // namespace

Settings::Settings()
    : QSettings()
{}

QList<QString> Settings::getPictureDirectories()
{
    QList<QString> directories;
    beginGroup(PictureDirectoriesGroup);
    const int count = beginReadArray(PictureDirectoriesArray);
    for (int index = 0; index < count; ++index) {
        setArrayIndex(index);
        directories.append(value(PictureDirectoryKey).toString());
    }
    endArray();
    endGroup();
    return directories;
}

void Settings::setPictureDirectories(const QList<QString>& directories)
{
    beginGroup(PictureDirectoriesGroup);
    beginWriteArray(PictureDirectoriesArray, static_cast<int>(directories.size()));
    for (int index = 0; index < directories.size(); ++index) {
        setArrayIndex(index);
        setValue(PictureDirectoryKey, directories.at(index));
    }
    endArray();
    endGroup();
}

void Settings::addPictureDirectory(const QString& directory)
{
    QList<QString> directories = getPictureDirectories();
    if (directories.contains(directory)) {
        return;
    }
    directories.append(directory);
    setPictureDirectories(directories);
}

QString Settings::getHomePictureDirectory() const
{
    const QString path = QDir::homePath() + QLatin1Char('/') + Linguist::tr("Pictures");
    return QFileInfo(path).isDir() ? path : QString();
}

QList<QString> Settings::getPictureSearchPaths()
{
    QList<QString> paths;
    const QString home = getHomePictureDirectory();
    if (!home.isEmpty()) {
        paths.append(home);
    }
    paths.append(getPictureDirectories());
    return paths;
}

QString Settings::getHomePageUrl() const
{
    const int index = value(HomePageUrlIndexKey, 0).toInt();
    const QString custom = value(HomePageCustomUrlKey, QString()).toString();
    if (index == 0 && !custom.isEmpty()) {
        return custom;
    }
    const int choice = (index >= 2 && index <= 5) ? index : 1;
    return Linguist::tr(HomePageChoices[choice - 1]);
}

void Settings::saveWidgetGeometrySettings(QWidget* widget, Settings::GroupName group)
{
    const QString prefix = geometryPrefix(widget, group);
    if (prefix.isEmpty()) {
        return;
    }
    beginGroup(prefix);
    setChangedValue(QStringLiteral("size"), widget->size());
    setChangedValue(QStringLiteral("pos"), widget->pos());
    endGroup();
}

void Settings::setChangedValue(const QString& key, const QVariant& value)
{
    if (this->value(key) != value) {
        setValue(key, value);
    }
}

void Settings::restoreWidgetGeometrySettings(QWidget* widget,
                                             Settings::GroupName group,
                                             const QSize& defaultSize,
                                             const QPoint& defaultPos)
{
    const QString prefix = geometryPrefix(widget, group);
    if (prefix.isEmpty()) {
        return;
    }
    beginGroup(prefix);
    widget->resize(value("size", defaultSize).toSize());
    widget->move(value("pos", defaultPos).toPoint());
    endGroup();
}

QString Settings::geometryPrefix(const QWidget* widget, Settings::GroupName group)
{
    if (!QUENLARK_ASSERT(widget != nullptr)) {
        return QString();
    }
    QString name;
    switch (group) {
    case ClassNameGroup:
        name = QString::fromLatin1(widget->metaObject()->className());
        break;
    case ObjectNameGroup:
        name = widget->objectName();
        break;
    }
    const QScreen* screen = widget->screen();
    if (name.isEmpty() || screen == nullptr) {
        return QString();
    }
    const QSize available = screen->availableGeometry().size();
    return QStringLiteral("%1/geometry/%2x%3")
        .arg(name, QString::number(available.width()), QString::number(available.height()));
}
