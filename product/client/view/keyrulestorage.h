#pragma once

#include <string>

class QDate;
class QString;
class QTime;

// The stored forms of a key's rules: what the key wizards hand over and the
// keyrings write, as the key validators read them.
namespace keyrules {

// A time of day of the daily window, "hh:mm:ss".
std::string StoredTimeOfDay(const QTime& time);

// The key expires at the start of the day the owner picked, wherever the
// holder is: the day itself at 00:00:00, not shifted to UTC. Empty when the
// date is not valid.
std::string StoredExpirationDate(const QDate& day);

// The encoded hash of a passcode, the form a key's password holds. The salt
// is fresh on every call.
std::string StoredPasscode(const QString& passcode);

// Now, in UTC, in database form.
std::string StoredNow();

// A daily window limits a key only when it ends after it starts and names a
// region; any other window stores no restriction.
bool IsActiveWindow(const QTime& from, const QTime& to, const QString& region);

// Today's date on this computer.
QDate LocalToday();

}  // namespace keyrules
