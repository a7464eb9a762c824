#include "library/gui/textreader.h"

TextReader::TextReader(QWidget* parent)
    : AbstractTextReader(parent)
{
    setContextMenuPolicy(Qt::CustomContextMenu);
}
