#pragma once

#include <QString>

class QTemporaryFile;

namespace utils {

// Copies a text resource (or any file that QFile opens) into `file`, which it
// opens and leaves open, and returns the copy's name with native separators.
// Lines end in a single line feed in the copy, the last one included. Returns
// an empty string, and creates no file, for an empty name; an empty string
// too when the resource cannot be read or the copy cannot be written.
// The copy exists until `file` is destroyed.
QString CopyResourceToTempororyFile(const QString& resourceName, QTemporaryFile& file);

}  // namespace utils
