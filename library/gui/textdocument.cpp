#include "library/gui/textdocument.h"

#include <QFont>

namespace {

// The font of the package fonts-dejavu-core, which the client installs.
const QFont DefaultFont(QStringLiteral("DejaVu Sans"), 10);

}  // namespace

TextDocument::TextDocument(QObject* parent)
    : QTextDocument(parent)
{
    setDefaultFont(DefaultFont);
}
