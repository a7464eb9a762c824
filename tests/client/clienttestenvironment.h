#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a file or resource; "<unreadable>" when it cannot be
// opened.
QByteArray ReadAll(const QString& fileName);
