#include "library/gui/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace utils {

WaitCursor::WaitCursor(bool setCursor)
    : m_restored(!setCursor)
{
    if (setCursor) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QGuiApplication::restoreOverrideCursor();
    }
}

WaitCursor::~WaitCursor()
{
    restore();
}

void WaitCursor::restore()
{
    if (m_restored) {
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    m_restored = true;
}

}  // namespace utils
