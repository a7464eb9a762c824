#include "library/network/message.h"

#include "library/common/assertion.h"
#include "library/common/codes.h"
#include "library/security/aesgcm.h"
#include "library/security/randombytes.h"

#include <ace/CDR_Stream.h>
#include <ace/Log_Msg.h>
#include <ace/Message_Block.h>

#include <array>
#include <cstdint>

namespace {

// The twenty header fields in wire order.
enum HeaderField
{
    ByteOrderField,
    SessionIdField,
    MessageIdField,
    MajorProtocolField,
    MinorProtocolField,
    MajorOpcodeField,
    MinorOpcodeField,
    MajorErcodeField,
    MinorErcodeField,
    YearField,
    MonthField,
    DayField,
    HourField,
    MinuteField,
    SecondField,
    HmacLengthField,
    IvecLengthField,
    AtagLengthField,
    CodeLengthField,
    BodyLengthField,
    HeaderFieldCount
};

using HeaderFields = std::array<ACE_CDR::ULong, HeaderFieldCount>;

static_assert(HeaderFieldCount * sizeof(ACE_CDR::ULong) == MessageHeader::m_HeaderLength);

// The byte-order field of a header whose fields are little-endian.
constexpr ACE_CDR::ULong LittleEndian = 1;

const unsigned char ZeroKey[AES_EKEY_BLOCK_SIZE] = {};

const unsigned char* KeyOrZeroKey(const unsigned char* key)
{
    return key ? key : ZeroKey;
}

ACE_CDR::ULong Field(int value)
{
    return static_cast<ACE_CDR::ULong>(value);
}

int Value(ACE_CDR::ULong field)
{
    return static_cast<int>(field);
}

// The first field is read little-endian; any other value than 1 means that
// the other nineteen are big-endian.
HeaderFields DecodeHeader(const char* bytes)
{
    HeaderFields fields{};
    ACE_InputCDR cdr(bytes, MessageHeader::m_HeaderLength, ACE_CDR::BYTE_ORDER_LITTLE_ENDIAN);
    cdr.read_ulong(fields[ByteOrderField]);
    if (fields[ByteOrderField] != LittleEndian) {
        cdr.reset_byte_order(ACE_CDR::BYTE_ORDER_BIG_ENDIAN);
    }
    cdr.read_ulong_array(&fields[SessionIdField], HeaderFieldCount - 1);
    return fields;
}

bool BlockLengthsAcceptable(const HeaderFields& fields)
{
    return fields[HmacLengthField] <= MessageHmac::m_MaxHmacLength && fields[IvecLengthField] == AES_IVEC_BLOCK_SIZE
           && fields[AtagLengthField] == AES_ATAG_BLOCK_SIZE && fields[CodeLengthField] <= MessageCode::m_MaxCodeLength
           && fields[BodyLengthField] <= MessageBody::m_MaxBodyLength;
}

// A received UnsetEr never survives: it reads as NoEr.
int ReceivedErcode(ACE_CDR::ULong field)
{
    const int ercode = Value(field);
    return ercode == common::UnsetEr ? common::NoEr : ercode;
}

iovec Buffer(const void* data, std::size_t length)
{
    return iovec{const_cast<void*>(data), length};
}

}  // namespace

Message::Message(unsigned short port, const char* host, std::chrono::milliseconds timeout)
    : MessageChannel(port, host, timeout)
{}

Message::~Message() = default;

int Message::encrypt(const unsigned char* key)
{
    if (m_body.empty()) {
        return 1;
    }
    RandomBytes(m_ivec.data(), m_ivec.size());
    Code code(m_body.size(), 0);
    const int result =
        AesGcmEncrypt(m_body.data(), code.data(), m_body.size(), KeyOrZeroKey(key), m_ivec.data(), m_atag.data());
    if (result > 0) {
        m_code = std::move(code);
        m_codeLength = static_cast<std::uint32_t>(m_code.size());
        m_body.clear();
        m_bodyLength = 0;
    }
    return result;
}

int Message::decrypt(const unsigned char* key)
{
    if (m_code.empty()) {
        return 1;
    }
    std::string body(m_code.size(), '\0');
    const int result =
        AesGcmDecrypt(m_code.data(), body.data(), m_code.size(), KeyOrZeroKey(key), m_ivec.data(), m_atag.data());
    if (result > 0) {
        m_body = std::move(body);
        m_bodyLength = static_cast<std::uint32_t>(m_body.size());
        m_code.clear();
        m_codeLength = 0;
    }
    return result;
}

ssize_t Message::send()
{
    HeaderFields fields{};
    fields[ByteOrderField] = Field(m_byteOrder);
    fields[SessionIdField] = Field(m_sessionId);
    fields[MessageIdField] = Field(m_messageId);
    fields[MajorProtocolField] = Field(m_majorProtocol);
    fields[MinorProtocolField] = Field(m_minorProtocol);
    fields[MajorOpcodeField] = Field(m_majorOpcode);
    fields[MinorOpcodeField] = Field(m_minorOpcode);
    fields[MajorErcodeField] = Field(m_majorErcode);
    fields[MinorErcodeField] = Field(m_minorErcode);
    fields[YearField] = Field(m_year);
    fields[MonthField] = Field(m_month);
    fields[DayField] = Field(m_day);
    fields[HourField] = Field(m_hour);
    fields[MinuteField] = Field(m_minute);
    fields[SecondField] = Field(m_second);
    fields[HmacLengthField] = m_hmacLength;
    fields[IvecLengthField] = m_ivecLength;
    fields[AtagLengthField] = m_atagLength;
    fields[CodeLengthField] = m_codeLength;
    fields[BodyLengthField] = m_bodyLength;

    ACE_OutputCDR header(m_HeaderLength, ACE_CDR::BYTE_ORDER_LITTLE_ENDIAN);
    header.write_ulong_array(fields.data(), HeaderFieldCount);

    // The blocks go straight from their own buffers: no frame-sized copy.
    const std::array<iovec, 6> buffers = {
        Buffer(header.begin()->rd_ptr(), header.total_length()),
        Buffer(m_hmac.data(), m_hmacLength),
        Buffer(m_ivec.data(), m_ivecLength),
        Buffer(m_atag.data(), m_atagLength),
        Buffer(m_code.data(), m_codeLength),
        Buffer(m_body.data(), m_bodyLength),
    };
    const ssize_t len = static_cast<ssize_t>(header.total_length()) + m_hmacLength + m_ivecLength + m_atagLength
                        + m_codeLength + m_bodyLength;

    const ssize_t sen = sendExact(buffers.data(), static_cast<int>(buffers.size()));
    const bool written = QUENLARK_ASSERT(common::Error != sen);
    const bool whole = QUENLARK_ASSERT(len == sen);
    if (!written || !whole) {
        ACE_ERROR((LM_ERROR, ACE_TEXT("(%P|%t) %p\n"), ACE_TEXT("Message::send()")));
        return common::Error;
    }
    return sen;
}

int Message::receive()
{
    if (receiveHeader() == common::Error || receiveHmac() == common::Error || receiveIvec() == common::Error
        || receiveAtag() == common::Error || receiveCode() == common::Error || receiveBody() == common::Error) {
        return common::Error;
    }
    return 0;
}

ssize_t Message::receiveHeader()
{
    // CDR reads 32-bit fields from aligned addresses.
    alignas(ACE_CDR::MAX_ALIGNMENT) char bytes[m_HeaderLength];
    const std::size_t headerCount = receiveExact(bytes, m_HeaderLength);
    if (headerCount != m_HeaderLength) {
        ACE_ERROR(
            (LM_NOTICE, ACE_TEXT("(%P|%t) %p\n"), ACE_TEXT("Message::receiveHeader(): headerCount != m_HeaderLength")));
        return common::Error;
    }

    const HeaderFields fields = DecodeHeader(bytes);
    if (!BlockLengthsAcceptable(fields)) {
        ACE_ERROR((LM_NOTICE,
                   ACE_TEXT("(%P|%t) Message::receiveHeader(): block lengths refused: HMAC %u, IV %u, "
                            "tag %u, code %u, body %u\n"),
                   fields[HmacLengthField], fields[IvecLengthField], fields[AtagLengthField], fields[CodeLengthField],
                   fields[BodyLengthField]));
        return common::Error;
    }

    m_byteOrder = Value(fields[ByteOrderField]);
    m_sessionId = Value(fields[SessionIdField]);
    m_messageId = Value(fields[MessageIdField]);
    m_majorProtocol = Value(fields[MajorProtocolField]);
    m_minorProtocol = Value(fields[MinorProtocolField]);
    m_majorOpcode = Value(fields[MajorOpcodeField]);
    m_minorOpcode = Value(fields[MinorOpcodeField]);
    m_majorErcode = ReceivedErcode(fields[MajorErcodeField]);
    m_minorErcode = ReceivedErcode(fields[MinorErcodeField]);
    m_year = Value(fields[YearField]);
    m_month = Value(fields[MonthField]);
    m_day = Value(fields[DayField]);
    m_hour = Value(fields[HourField]);
    m_minute = Value(fields[MinuteField]);
    m_second = Value(fields[SecondField]);
    m_hmacLength = fields[HmacLengthField];
    m_ivecLength = fields[IvecLengthField];
    m_atagLength = fields[AtagLengthField];
    m_codeLength = fields[CodeLengthField];
    m_bodyLength = fields[BodyLengthField];
    return static_cast<ssize_t>(m_HeaderLength);
}

std::unique_ptr<ACE_Message_Block> Message::receiveBlock(void* buffer, std::size_t length)
{
    auto block = std::make_unique<ACE_Message_Block>(static_cast<const char*>(buffer), length);
    block->wr_ptr(receiveExact(block->wr_ptr(), length));
    return block;
}

ssize_t Message::receiveHmac()
{
    std::string hmac(m_hmacLength, '\0');
    const auto hmacMessageBlock = receiveBlock(hmac.data(), hmac.size());
    if (!QUENLARK_ASSERT(hmacMessageBlock->length() == m_hmacLength)) {
        return common::Error;
    }
    setHmac(hmac);
    return static_cast<ssize_t>(m_hmacLength);
}

ssize_t Message::receiveIvec()
{
    decltype(m_ivec) ivec{};
    const auto ivecMessageBlock = receiveBlock(ivec.data(), m_ivecLength);
    if (!QUENLARK_ASSERT(ivecMessageBlock->length() == m_ivecLength)) {
        return common::Error;
    }
    m_ivec = ivec;
    return static_cast<ssize_t>(m_ivecLength);
}

ssize_t Message::receiveAtag()
{
    decltype(m_atag) atag{};
    const auto atagMessageBlock = receiveBlock(atag.data(), m_atagLength);
    if (!QUENLARK_ASSERT(atagMessageBlock->length() == m_atagLength)) {
        return common::Error;
    }
    m_atag = atag;
    return static_cast<ssize_t>(m_atagLength);
}

ssize_t Message::receiveCode()
{
    Code code(m_codeLength, 0);
    const auto codeMessageBlock = receiveBlock(code.data(), code.size());
    if (!QUENLARK_ASSERT(codeMessageBlock->length() == m_codeLength)) {
        return common::Error;
    }
    m_code = std::move(code);
    return static_cast<ssize_t>(m_codeLength);
}

ssize_t Message::receiveBody()
{
    std::string body(m_bodyLength, '\0');
    const auto bodyMessageBlock = receiveBlock(body.data(), body.size());
    if (!QUENLARK_ASSERT(bodyMessageBlock->length() == m_bodyLength)) {
        return common::Error;
    }
    m_body = std::move(body);
    return static_cast<ssize_t>(m_bodyLength);
}

int Message::certifyHmac(const std::string& hmac) const
{
    return !hmac.empty() && hmac == m_hmac ? 0 : common::Error;
}
