#include "library/gui/utils.h"

#include "library/gui/linguist.h"

#include <QMetaType>

namespace utils {

QString GetStringFromVariant(const QVariant& variant)
{
    const QMetaType type = variant.metaType();
    if (!type.isValid() || !QMetaType::canConvert(type, QMetaType::fromType<QString>())) {
        return QString();
    }
    return variant.toString();
}

std::pair<QDateTime, QDateTime> DateToDurationUTC(const QDate& date)
{
    const QDateTime start = QDateTime(date, QTime(0, 0), Qt::LocalTime).toUTC();
    // Counted in UTC, so a day on which the local clock changes is as long as any other.
    const QDateTime end = start.addDays(1).addMSecs(-1);
    return {start, end};
}

QString GetFullName(const std::string& first, const std::string& middle, const std::string& last)
{
    if (first.empty() || last.empty()) {
        return QString();
    }
    if (middle.empty()) {
        return QStringLiteral("%1 %2").arg(QString::fromStdString(first), QString::fromStdString(last));
    }
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromStdString(first), QString::fromStdString(middle), QString::fromStdString(last));
}

QString GetAlphabeticalName(const std::string& first, const std::string& middle, const std::string& last)
{
    if (first.empty() || last.empty()) {
        return QString();
    }
    if (middle.empty()) {
        return QStringLiteral("%1, %2").arg(QString::fromStdString(last), QString::fromStdString(first));
    }
    return QStringLiteral("%1, %2 %3")
        .arg(QString::fromStdString(last), QString::fromStdString(first), QString::fromStdString(middle));
}

QDateTime GetDateTimeFromStringDateTime(const std::string& text, Qt::TimeSpec spec)
{
    if (text.empty()) {
        return QDateTime();
    }
    const QString format = Linguist::tr("QDateTimeFormat");
    const std::string prefix = text.substr(0, static_cast<std::size_t>(format.size()));
    QDateTime result = QDateTime::fromString(QString::fromStdString(prefix), format);
    // The fields were read as local time; setTimeSpec keeps them and only
    // changes how they are read, also for a local time that does not exist.
    result.setTimeSpec(spec);
    return result;
}

}  // namespace utils
