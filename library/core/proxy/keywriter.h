#pragma once

#include "library/core/proxy/bitword.h"

#include "securitydescriptor3.pb.h"
#include "user3.pb.h"

#include <string>

namespace proxy {

// The write access that document keys and folder keys share: `Proxy` names
// the bits, `Fields` finds the fields. Every setter marks the field it writes
// present and creates the nested record that holds it when the key has none;
// nothing else changes. A bit setter reads an absent word as 0 and keeps the
// other 31 bits. The record must outlive the writer.
template <class Proxy, class Fields>
class KeyWriterBase : public Proxy
{
public:
    using Record = typename Fields::Record;

    void setDescription(const std::string& description) { Fields::setDescription(*m_key, description); }
    void setProperties(int properties) { Fields::setProperties(*m_key, properties); }
    void setProperty(typename Proxy::Property bit, bool on)
    {
        Fields::setProperties(*m_key, WithBit(Fields::properties(*m_key), bit, on));
    }

    void setUserId(int id) { Fields::mutableUser(*m_key).set_user_id(id); }
    void setUserLastName(const std::string& name) { Fields::mutableUser(*m_key).set_user_last_name(name); }
    void setUserFirstName(const std::string& name) { Fields::mutableUser(*m_key).set_user_first_name(name); }
    void setUserMiddleName(const std::string& name) { Fields::mutableUser(*m_key).set_user_middle_name(name); }

    void setActiveRegion(const std::string& region) { descriptor().set_active_region(region); }
    void setActiveFrom(const std::string& timeOfDay) { descriptor().set_active_from(timeOfDay); }
    void setActiveTo(const std::string& timeOfDay) { descriptor().set_active_to(timeOfDay); }
    void setPassword(const std::string& password) { descriptor().set_password(password); }
    void setSessionDuration(int seconds) { descriptor().set_session_duration(seconds); }

    void setActive(typename Proxy::Active bit, bool on)
    {
        const int word = WithBit(Fields::descriptor(*m_key).active(), bit, on);
        descriptor().set_active(word);
    }
    void setPermission(typename Proxy::Permission bit, bool on)
    {
        const int word = WithBit(Fields::descriptor(*m_key).permissions(), bit, on);
        descriptor().set_permissions(word);
    }
    void setAudit(typename Proxy::Audit bit, bool on)
    {
        const int word = WithBit(Fields::descriptor(*m_key).audits(), bit, on);
        descriptor().set_audits(word);
    }

    void setActiveDuringJanuary(bool on) { setActive(Proxy::January, on); }
    void setActiveDuringFebruary(bool on) { setActive(Proxy::February, on); }
    void setActiveDuringMarch(bool on) { setActive(Proxy::March, on); }
    void setActiveDuringApril(bool on) { setActive(Proxy::April, on); }
    void setActiveDuringMay(bool on) { setActive(Proxy::May, on); }
    void setActiveDuringJune(bool on) { setActive(Proxy::June, on); }
    void setActiveDuringJuly(bool on) { setActive(Proxy::July, on); }
    void setActiveDuringAugust(bool on) { setActive(Proxy::August, on); }
    void setActiveDuringSeptember(bool on) { setActive(Proxy::September, on); }
    void setActiveDuringOctober(bool on) { setActive(Proxy::October, on); }
    void setActiveDuringNovember(bool on) { setActive(Proxy::November, on); }
    void setActiveDuringDecember(bool on) { setActive(Proxy::December, on); }
    void setActiveOnSunday(bool on) { setActive(Proxy::Sunday, on); }
    void setActiveOnMonday(bool on) { setActive(Proxy::Monday, on); }
    void setActiveOnTuesday(bool on) { setActive(Proxy::Tuesday, on); }
    void setActiveOnWednesday(bool on) { setActive(Proxy::Wednesday, on); }
    void setActiveOnThursday(bool on) { setActive(Proxy::Thursday, on); }
    void setActiveOnFriday(bool on) { setActive(Proxy::Friday, on); }
    void setActiveOnSaturday(bool on) { setActive(Proxy::Saturday, on); }

protected:
    explicit KeyWriterBase(Record& key)
        : m_key(&key)
    {}

    Record& key() { return *m_key; }
    zarv::data::SecurityDescriptor& descriptor() { return Fields::mutableDescriptor(*m_key); }
    // Clear, then copy every field present in `source`.
    void assign(const Record& source) { m_key->CopyFrom(source); }

private:
    Record* m_key;
};

}  // namespace proxy
