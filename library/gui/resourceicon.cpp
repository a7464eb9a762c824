#include "library/gui/resourceicon.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QHash<QString, QIcon>& Icons()
{
    static QHash<QString, QIcon> icons;
    return icons;
}

void ForgetIcons()
{
    Icons().clear();
}

}  // namespace

QIcon ResourceIcon(const QString& path)
{
    QHash<QString, QIcon>& icons = Icons();
    auto icon = icons.constFind(path);
    if (icon == icons.cend()) {
        if (icons.isEmpty()) {
            // Pixmaps must not outlive the application.
            qAddPostRoutine(ForgetIcons);
        }
        icon = icons.insert(path, QIcon(path));
    }
    return *icon;
}

QIcon ResourceIcon(const char* path)
{
    return ResourceIcon(QString::fromLatin1(path));
}
