#include "library/gui/horizontalline.h"

#include <QFrame>

namespace utils {

QFrame* CreateHorizontalLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setMinimumHeight(10);
    return line;
}

}  // namespace utils
