#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <string>
#include <utility>

namespace utils {

// The variant's text, or an empty string when it holds nothing or a type
// that does not convert to a string.
QString GetStringFromVariant(const QVariant& variant);

// The local calendar day as an interval in UTC: its local midnight, and that
// instant plus one day less one millisecond.
std::pair<QDateTime, QDateTime> DateToDurationUTC(const QDate& date);

// Names from UTF-8 parts; both are empty unless the first and the last name
// are set (at least one byte each; nothing is trimmed).
// Reading order: "Ann B. Lee", or "Ann Lee" without a middle name.
QString GetFullName(const std::string& first, const std::string& middle, const std::string& last);
// Sorting order: "Lee, Ann B.", or "Lee, Ann" without a middle name.
QString GetAlphabeticalName(const std::string& first, const std::string& middle, const std::string& last);

// Reads a date-time in the shared format ("yyyy-MM-dd HH:mm:ss"); anything
// after it, such as the fraction of a database time stamp, is ignored. The
// fields are taken as they stand and given `spec`. Empty or unparsable text
// gives an invalid date-time.
QDateTime GetDateTimeFromStringDateTime(const std::string& text, Qt::TimeSpec spec);

}  // namespace utils
