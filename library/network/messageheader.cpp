#include "library/network/messageheader.h"

#include "library/common/clock.h"
#include "library/common/codes.h"
#include "library/database/lib/dbid.h"

#include <boost/date_time/posix_time/posix_time_types.hpp>

MessageHeader::MessageHeader()
    : m_byteOrder(1)
    , m_messageId(0)
    , m_majorProtocol(1)
    , m_minorProtocol(0)
    , m_majorOpcode(common::UnsetOpcode)
    , m_minorOpcode(common::UnsetOpcode)
    , m_majorErcode(common::UnsetEr)
    , m_minorErcode(common::UnsetEr)
    , m_sessionId(DbId::m_NullId)
    , m_userId(DbId::m_NullId)
{
    const boost::posix_time::ptime now = common::Clock::universalTime();
    const boost::gregorian::date date = now.date();
    const boost::posix_time::time_duration time = now.time_of_day();
    m_year = date.year();
    m_month = date.month();
    m_day = date.day();
    m_hour = time.hours();
    m_minute = time.minutes();
    m_second = time.seconds();
}

MessageHeader::~MessageHeader() = default;

void MessageHeader::setOpcode(int opcode)
{
    m_majorOpcode = opcode;
    m_minorOpcode = common::Untagged;
}

void MessageHeader::setErcode(int ercode)
{
    m_majorErcode = ercode;
    m_minorErcode = common::NoEr;
}
