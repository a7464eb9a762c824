#pragma once

#include "library/core/proxy/bitword.h"
#include "library/core/proxy/displayname.h"
#include "library/core/proxy/nullid.h"
#include "library/database/lib/dbtimestamp.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <string>

// A time of day as the records hold it ("17:05:59") in the 12-hour form shown
// to the user ("05:05 PM"); seconds are dropped, and hours, minutes and
// seconds beyond their range carry over ("24:00:00" is "12:00 AM"). Text that
// is not a time of day gives the empty text and a logged warning.
std::string GetFormattedTime(const std::string& timeOfDay);

namespace proxy {

// "%1% - %2%" of the two formatted times; empty when either bound is empty or
// cannot be read, or when the two texts are equal (no hours limit).
std::string ActiveHoursText(const std::string& activeFrom, const std::string& activeTo);
// Whole hours as "1 hour", "2 hours", anything else in whole minutes ("1
// minute", "90 minutes"); empty for 0 seconds or less.
std::string SessionDurationText(int seconds);

using LocalForm = std::string (DbTimestamp::*)(boost::local_time::time_zone_ptr) const;
// `timestamp` in the computer's local time zone in the given form; empty when
// it is not valid, and empty with a logged warning when the local time
// cannot be computed (before 1970).
std::string LocalText(const DbTimestamp& timestamp, LocalForm form);

// The read access that document keys and folder keys share: `Proxy` names
// the bits, `Fields` finds the fields. Absent fields, and fields of absent
// nested records, give INT_MIN for an id, the empty text, 0 or false. The
// record must outlive the reader; nothing is copied or cached.
template <class Proxy, class Fields>
class KeyReaderBase : public Proxy
{
public:
    using Record = typename Fields::Record;

    explicit KeyReaderBase(const Record& key)
        : m_key(&key)
    {}

    operator const Record&() const { return *m_key; }

    int userId() const { return IdOrNull(user().has_user_id(), user().user_id()); }
    std::string userLastName() const { return user().user_last_name(); }
    std::string userFirstName() const { return user().user_first_name(); }
    std::string userMiddleName() const { return user().user_middle_name(); }
    int ownerId() const { return IdOrNull(owner().has_user_id(), owner().user_id()); }
    std::string ownerLastName() const { return owner().user_last_name(); }
    std::string ownerFirstName() const { return owner().user_first_name(); }
    std::string ownerMiddleName() const { return owner().user_middle_name(); }
    std::string description() const { return Fields::description(*m_key); }
    int properties() const { return Fields::properties(*m_key); }
    std::string creationDate() const { return Fields::creationDate(*m_key); }
    std::string activeRegion() const { return descriptor().active_region(); }
    std::string activeFrom() const { return descriptor().active_from(); }
    std::string activeTo() const { return descriptor().active_to(); }
    std::string password() const { return descriptor().password(); }
    int sessionDuration() const { return descriptor().session_duration(); }
    std::string expirationDate() const { return descriptor().expiration_date(); }

    bool property(typename Proxy::Property bit) const { return TestBit(properties(), bit); }
    bool active(typename Proxy::Active bit) const { return TestBit(descriptor().active(), bit); }
    bool audit(typename Proxy::Audit bit) const { return TestBit(descriptor().audits(), bit); }
    bool permission(typename Proxy::Permission bit) const { return TestBit(descriptor().permissions(), bit); }
    bool expirationAction(typename Proxy::Action bit) const { return TestBit(descriptor().expiration_action(), bit); }

    bool activeOnSunday() const { return active(Proxy::Sunday); }
    bool activeOnMonday() const { return active(Proxy::Monday); }
    bool activeOnTuesday() const { return active(Proxy::Tuesday); }
    bool activeOnWednesday() const { return active(Proxy::Wednesday); }
    bool activeOnThursday() const { return active(Proxy::Thursday); }
    bool activeOnFriday() const { return active(Proxy::Friday); }
    bool activeOnSaturday() const { return active(Proxy::Saturday); }
    bool activeDuringJanuary() const { return active(Proxy::January); }
    bool activeDuringFebruary() const { return active(Proxy::February); }
    bool activeDuringMarch() const { return active(Proxy::March); }
    bool activeDuringApril() const { return active(Proxy::April); }
    bool activeDuringMay() const { return active(Proxy::May); }
    bool activeDuringJune() const { return active(Proxy::June); }
    bool activeDuringJuly() const { return active(Proxy::July); }
    bool activeDuringAugust() const { return active(Proxy::August); }
    bool activeDuringSeptember() const { return active(Proxy::September); }
    bool activeDuringOctober() const { return active(Proxy::October); }
    bool activeDuringNovember() const { return active(Proxy::November); }
    bool activeDuringDecember() const { return active(Proxy::December); }

    // Any weekday bit; any month bit.
    bool activeDuringWeek() const { return AnyBit(descriptor().active(), Proxy::Sunday, Proxy::Saturday); }
    bool activeDuringYear() const { return AnyBit(descriptor().active(), Proxy::January, Proxy::December); }
    // None of the permission bits that have a meaning for this kind of key.
    bool noPermissions() const { return !AnyBit(descriptor().permissions(), 0, Fields::m_PermissionBits - 1); }
    // Switched off, no weekday, no month or no permission. Hours, region and
    // expiry are the validators' business.
    bool inactive() const
    {
        return !active(Proxy::ActiveStatus) || !activeDuringWeek() || !activeDuringYear() || noPermissions();
    }

    // In the computer's local time zone.
    std::string creationDateDisplay() const
    {
        return creationDate().empty() ? std::string()
                                      : LocalText(DbTimestamp(creationDate()), &DbTimestamp::toLocalDisplayString);
    }
    std::string userDisplayName() const
    {
        return GetUserDisplayName(userLastName(), userFirstName(), userMiddleName());
    }
    std::string userDisplayNameAlphabetical() const
    {
        return GetUserDisplayNameAlphabetical(userLastName(), userFirstName(), userMiddleName());
    }
    std::string ownerDisplayName() const
    {
        return GetUserDisplayName(ownerLastName(), ownerFirstName(), ownerMiddleName());
    }
    std::string ownerDisplayNameAlphabetical() const
    {
        return GetUserDisplayNameAlphabetical(ownerLastName(), ownerFirstName(), ownerMiddleName());
    }
    std::string activeHoursDisplay() const { return ActiveHoursText(activeFrom(), activeTo()); }
    std::string sessionDurationDisplay() const { return SessionDurationText(sessionDuration()); }

protected:
    int parentId() const { return IdOrNull(Fields::hasParentId(*m_key), Fields::parentId(*m_key)); }
    std::string parentName() const { return Fields::parentName(*m_key); }

    // The same parent, holder, description and rules: what the key lists show
    // and edit. The owner, the property word, the creation date, the audits,
    // the expiration action and the bits without a meaning play no part.
    bool sameKey(const KeyReaderBase& other) const
    {
        const zarv::data::SecurityDescriptor& mine = descriptor();
        const zarv::data::SecurityDescriptor& theirs = other.descriptor();
        return parentId() == other.parentId() && userId() == other.userId() && userLastName() == other.userLastName()
               && userFirstName() == other.userFirstName() && userMiddleName() == other.userMiddleName()
               && description() == other.description() && parentName() == other.parentName()
               && LowBitsEqual(mine.active(), theirs.active(), Proxy::Saturday + 1)
               && activeFrom() == other.activeFrom() && activeTo() == other.activeTo()
               && activeRegion() == other.activeRegion() && sessionDuration() == other.sessionDuration()
               && expirationDate() == other.expirationDate() && password() == other.password()
               && LowBitsEqual(mine.permissions(), theirs.permissions(), Fields::m_PermissionBits);
    }

private:
    const zarv::data::User& user() const { return Fields::user(*m_key); }
    const zarv::data::User& owner() const { return Fields::owner(*m_key); }
    const zarv::data::SecurityDescriptor& descriptor() const { return Fields::descriptor(*m_key); }

    const Record* m_key;
};

}  // namespace proxy
