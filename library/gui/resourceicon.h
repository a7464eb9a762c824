#pragma once

#include <QIcon>
#include <QString>

// The icon of an image file (usually a resource), read once per process:
// building a QIcon from a file name decodes the whole image at once, and
// every window builds its actions' and items' icons anew. The icons go with
// the application object.
QIcon ResourceIcon(const QString& path);
QIcon ResourceIcon(const char* path);
