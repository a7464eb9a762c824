#pragma once

#include <cstddef>

// The frame header's values. On the wire the header is twenty 32-bit fields
// (80 bytes); this part holds the sixteen that are not block lengths, of
// which the user id never travels. The six time fields are the UTC time when
// the header was made.
class MessageHeader
{
public:
    // The size of the header on the wire.
    static constexpr std::size_t m_HeaderLength = 80;

    // Reads the clock; throws std::runtime_error when it cannot be read as UTC.
    MessageHeader();
    virtual ~MessageHeader();

    int getByteOrder() const { return m_byteOrder; }
    void setByteOrder(int byteOrder) { m_byteOrder = byteOrder; }
    int getMessageId() const { return m_messageId; }
    void setMessageId(int messageId) { m_messageId = messageId; }
    int getMajorProtocol() const { return m_majorProtocol; }
    void setMajorProtocol(int majorProtocol) { m_majorProtocol = majorProtocol; }
    int getMinorProtocol() const { return m_minorProtocol; }
    void setMinorProtocol(int minorProtocol) { m_minorProtocol = minorProtocol; }
    int getMajorOpcode() const { return m_majorOpcode; }
    void setMajorOpcode(int majorOpcode) { m_majorOpcode = majorOpcode; }
    int getMinorOpcode() const { return m_minorOpcode; }
    void setMinorOpcode(int minorOpcode) { m_minorOpcode = minorOpcode; }
    int getMajorErcode() const { return m_majorErcode; }
    void setMajorErcode(int majorErcode) { m_majorErcode = majorErcode; }
    int getMinorErcode() const { return m_minorErcode; }
    void setMinorErcode(int minorErcode) { m_minorErcode = minorErcode; }
    int getYear() const { return m_year; }
    int getMonth() const { return m_month; }
    int getDay() const { return m_day; }
    int getHour() const { return m_hour; }
    int getMinute() const { return m_minute; }
    int getSecond() const { return m_second; }
    int getSessionId() const { return m_sessionId; }
    void setSessionId(int sessionId) { m_sessionId = sessionId; }
    int getUserId() const { return m_userId; }
    void setUserId(int userId) { m_userId = userId; }

    // The major code with the minor code reset: Untagged, and NoEr.
    void setOpcode(int opcode);
    int getOpcode() const { return m_majorOpcode; }
    void setErcode(int ercode);
    int getErcode() const { return m_majorErcode; }

protected:
    int m_byteOrder;
    int m_messageId;
    int m_majorProtocol;
    int m_minorProtocol;
    int m_majorOpcode;
    int m_minorOpcode;
    int m_majorErcode;
    int m_minorErcode;
    int m_year;
    int m_month;
    int m_day;
    int m_hour;
    int m_minute;
    int m_second;
    int m_sessionId;
    int m_userId;
};
