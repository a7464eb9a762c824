#include "library/gui/resourcecopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace utils {

QString CopyResourceToTempororyFile(const QString& resourceName, QTemporaryFile& file)
{
    if (resourceName.isEmpty()) {
        return QString();
    }
    // The resource is opened first, so that a missing one leaves no file behind.
    QFile resource(resourceName);
    if (!resource.open(QIODevice::ReadOnly) || !file.open()) {
        return QString();
    }
    // Lines are copied as bytes: "\r\n" and a missing final "\n" both become
    // "\n", and the text itself is never re-encoded.
    while (!resource.atEnd()) {
        QByteArray line = resource.readLine();
        if (line.isEmpty()) {
            return QString();  // a read error: a line holds at least one byte
        }
        if (line.endsWith('\n')) {
            line.chop(1);
        }
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        line.append('\n');
        if (file.write(line) != line.size()) {
            return QString();
        }
    }
    // The libraries that read the copy open it by name while it stays open here.
    if (!file.flush()) {
        return QString();
    }
    return QDir::toNativeSeparators(file.fileName());
}

}  // namespace utils
