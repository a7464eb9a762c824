#pragma once

#include <QString>

class QDate;

// Pieces of the key wizards' summaries.
namespace keysummary {

// A sentence shown in red, followed by a line break.
QString RedSentence(const QString& sentence);

// "Thursday, December 10, 2026", with English names.
QString DayText(const QDate& day);

// The red warning that a daily window does not end after it starts.
QString HoursNotAfterStart();

}  // namespace keysummary
