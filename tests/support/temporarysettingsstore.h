#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// Points the application's user-scope settings store at an empty temporary
// folder, under the organisation "QuenlarkTests" and the given application
// name, so that no test reads or writes the user's real settings. The folder
// goes with the object.
class TemporarySettingsStore
{
public:
    explicit TemporarySettingsStore(const QString& applicationName)
    {
        QCoreApplication::setOrganizationName(QStringLiteral("QuenlarkTests"));
        QCoreApplication::setApplicationName(applicationName);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    }

    bool isValid() const { return m_folder.isValid(); }

private:
    QTemporaryDir m_folder;
};

}  // namespace testsupport
