#include "product/client/abstractapplication.h"

#include <QString>
#include <QtGlobal>

#include <exception>
#include <stdexcept>

namespace {

void WarnDroppedEvent(const char* pattern, const std::exception& error)
{
    const QString text = QString::fromLatin1(pattern).arg(QString::fromUtf8(error.what()));
    qWarning("%s", text.toUtf8().constData());
}

}  // namespace

AbstractApplication::AbstractApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{}

bool AbstractApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::length_error& error) {
        WarnDroppedEvent("std::length_error: %1", error);
    } catch (const std::exception& error) {
        WarnDroppedEvent("std::exception: %1", error);
    }
    return false;
}
