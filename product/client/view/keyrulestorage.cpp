#include "product/client/view/keyrulestorage.h"

#include "library/common/clock.h"
#include "library/database/lib/dbtimestamp.h"
#include "library/security/cryptographer.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <ace/Null_Mutex.h>
#include <ace/Singleton.h>

namespace keyrules {

std::string StoredTimeOfDay(const QTime& time)
{
    return time.toString(QStringLiteral("hh:mm:ss")).toStdString();
}

std::string StoredExpirationDate(const QDate& day)
{
    if (!day.isValid()) {
        return std::string();
    }
    return DbTimestamp(day.toString(QStringLiteral("yyyy-MM-dd")).toStdString()).toDbString();
}

std::string StoredPasscode(const QString& passcode)
{
    const Cryptographer* cryptographer = ACE_Singleton<Cryptographer, ACE_Null_Mutex>::instance();
    return cryptographer->encodePassword(cryptographer->hashPassword(passcode.toStdString()));
}

std::string StoredNow()
{
    return DbTimestamp(common::Clock::universalTime()).toDbString();
}

bool IsActiveWindow(const QTime& from, const QTime& to, const QString& region)
{
    return from.isValid() && to.isValid() && from < to && !region.isEmpty();
}

QDate LocalToday()
{
    const boost::gregorian::date today = common::Clock::localTime().date();
    return QDate(today.year(), today.month(), today.day());
}

}  // namespace keyrules
