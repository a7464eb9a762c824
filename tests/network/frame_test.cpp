#include "library/common/clock.h"
#include "library/network/message.h"
#include "library/security/aesgcm.h"
#include "tests/network/peers.h"
#include "tests/support/acelogcapture.h"
#include "tests/support/hexbytes.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/wireframe.h"

#include <boost/date_time/posix_time/posix_time.hpp>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>

namespace {

using namespace wireframe;
using peers::SocketPair;
using testsupport::AceLogCapture;

const unsigned char SessionKey[16] = {0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87,
                                      0x98, 0xA9, 0xBA, 0xCB, 0xDC, 0xED, 0xFE, 0x0F};

std::string Bytes(const unsigned char* data, std::size_t length)
{
    return std::string(reinterpret_cast<const char*>(data), length);
}

std::string Bytes(const MessageCode::Code& code)
{
    return Bytes(code.data(), code.size());
}

// A frame whose far end the test holds, waiting at most half a second for it.
struct AttachedMessage
{
    SocketPair pair;
    Message message{0, "", std::chrono::milliseconds(500)};

    AttachedMessage() { pair.attach(message); }
};

TEST(Frame, RequestIsHeaderIvTagAndCipherTextWithTheFieldsOfTheHeader)
{
    testsupport::ScopedTimeZone zone("Pacific/Kiritimati");
    common::FixedClock clock(boost::posix_time::time_from_string("2024-12-31 23:59:59.750"));

    for (const std::string& payload : {std::string(), std::string("x"), std::string(300, 'p')}) {
        SCOPED_TRACE(payload.size());
        AttachedMessage frame;
        frame.message.setMajorOpcode(37);
        frame.message.setMinorOpcode(-5);
        frame.message.setSessionId(7);
        frame.message.setBody(payload);
        EXPECT_EQ(payload.empty() ? 1 : static_cast<int>(payload.size()), frame.message.encrypt(SessionKey));

        const std::size_t length = 112 + payload.size();
        EXPECT_EQ(static_cast<ssize_t>(length), frame.message.send());
        frame.message.getSockStream().close_writer();
        const std::string request = frame.pair.read(length + 1);
        ASSERT_EQ(length, request.size());

        Fields expected{};
        expected[ByteOrder] = 1;
        expected[SessionId] = 7;
        expected[MajorProtocol] = 1;
        expected[MajorOpcode] = 37;
        expected[MinorOpcode] = static_cast<std::uint32_t>(-5);
        expected[MajorErcode] = 1;
        expected[MinorErcode] = 1;
        expected[Year] = 2024;
        expected[Month] = 12;
        expected[Day] = 31;
        expected[Hour] = 23;
        expected[Minute] = 59;
        expected[Second] = 59;
        expected[IvecLength] = 16;
        expected[AtagLength] = 16;
        expected[CodeLength] = static_cast<std::uint32_t>(payload.size());
        EXPECT_EQ(expected, DecodeLittleEndian(request));
        EXPECT_EQ("01 00 00 00 07 00 00 00 00 00 00 00 01 00 00 00", testsupport::HexFromBytes(request.substr(0, 16)));

        const std::string ivec = request.substr(80, 16);
        const std::string atag = request.substr(96, 16);
        if (payload.empty()) {
            EXPECT_EQ(std::string(32, '\0'), ivec + atag);
            continue;
        }
        std::string plain(payload.size(), '\0');
        EXPECT_EQ(static_cast<int>(payload.size()),
                  AesGcmDecrypt(reinterpret_cast<const unsigned char*>(request.data() + 112), plain.data(),
                                payload.size(), SessionKey, reinterpret_cast<const unsigned char*>(ivec.data()),
                                reinterpret_cast<const unsigned char*>(atag.data())));
        EXPECT_EQ(payload, plain);
        EXPECT_TRUE(frame.message.getBody().empty());
        EXPECT_EQ(0u, frame.message.getBodyLength());
    }
}

TEST(Frame, EverySendDrawsAFreshIv)
{
    std::string ivecs[2];
    std::string codes[2];
    for (int i = 0; i < 2; ++i) {
        Message message(0, "");
        message.setBody("the same payload");
        message.encrypt(nullptr);
        ivecs[i] = Bytes(message.getIvec(), 16);
        codes[i] = Bytes(message.getCode());
    }
    EXPECT_NE(ivecs[0], ivecs[1]);
    EXPECT_NE(codes[0], codes[1]);
}

TEST(Frame, ReplyHeaderIsDecodedInEitherByteOrderAndReceivedUnsetCodesReadAsNoError)
{
    struct Case
    {
        const char* name;
        Reply reply;
        int majorErcode;
        int minorErcode;
        int sessionId;
    };
    Reply bigEndian = Reply().session(5).codes(66, 0);
    bigEndian.fields[ByteOrder] = 0;
    bigEndian.bigEndian = true;
    const Case cases[] = {
        {"codes 1 and 1", Reply().codes(1, 1).session(12), 0, 0, 12},
        {"codes 2 and 1", Reply().codes(2, 1).session(12), 2, 0, 12},
        {"codes 1 and 2", Reply().codes(1, 2).session(12), 0, 2, 12},
        {"server error", Reply().codes(66, 0).session(INT_MIN), 66, 0, INT_MIN},
        {"big-endian", bigEndian, 66, 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reply reply = c.reply;
        reply.encrypted("reply payload", SessionKey);
        AttachedMessage frame;
        frame.pair.write(reply.bytes());

        ASSERT_EQ(0, frame.message.receive());
        EXPECT_EQ(c.majorErcode, frame.message.getMajorErcode());
        EXPECT_EQ(c.minorErcode, frame.message.getMinorErcode());
        EXPECT_EQ(c.sessionId, frame.message.getSessionId());
        EXPECT_EQ(35, frame.message.getMajorOpcode());
        EXPECT_EQ(2025, frame.message.getYear());
        EXPECT_EQ(13, frame.message.decrypt(SessionKey));
        EXPECT_EQ("reply payload", frame.message.getBody());
        EXPECT_TRUE(frame.message.getCode().empty());
    }
    EXPECT_EQ("00 00 00 00 00 00 00 05", testsupport::HexFromBytes(bigEndian.bytes().substr(0, 8)));
}

TEST(Frame, ReplyWithoutCodeDecryptsToAnEmptyPayload)
{
    AttachedMessage frame;
    frame.pair.write(Reply().codes(0, 0).bytes());
    ASSERT_EQ(0, frame.message.receive());
    EXPECT_EQ(0u, frame.message.getCodeLength());
    EXPECT_EQ(1, frame.message.decrypt(SessionKey));
    EXPECT_EQ("", frame.message.getBody());
}

TEST(Frame, AlteredTagOrCipherTextDoesNotDecrypt)
{
    for (const std::size_t flipped : {std::size_t(0), std::size_t(1)}) {
        SCOPED_TRACE(flipped == 0 ? "tag" : "cipher text");
        Reply reply = Reply().encrypted("secret reply", SessionKey);
        std::string& block = flipped == 0 ? reply.atag : reply.code;
        block[3] = static_cast<char>(block[3] ^ 0x01);
        AttachedMessage frame;
        frame.pair.write(reply.bytes());
        ASSERT_EQ(0, frame.message.receive());
        EXPECT_EQ(-1, frame.message.decrypt(SessionKey));
        EXPECT_EQ("", frame.message.getBody());
        EXPECT_EQ(12u, frame.message.getCodeLength());
    }
}

TEST(Frame, HeaderCutShortLeavesTheHeaderAsItWas)
{
    AceLogCapture log;
    AttachedMessage frame;
    frame.pair.write(Reply().codes(0, 0).session(9).bytes().substr(0, 40));
    frame.pair.closeFar();

    EXPECT_EQ(-1, frame.message.receive());
    EXPECT_EQ(1, frame.message.getMajorErcode());
    EXPECT_EQ(1, frame.message.getMinorErcode());
    EXPECT_EQ(INT_MIN, frame.message.getSessionId());
    ASSERT_FALSE(log.entries().empty());
    EXPECT_EQ(LM_NOTICE, log.entries().back().priority);
    EXPECT_TRUE(log.contains("Message::receiveHeader(): headerCount != m_HeaderLength"));
}

TEST(Frame, SilentPeerEndsTheReceiveAtTheTimeOut)
{
    AttachedMessage frame;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(-1, frame.message.receive());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(1, frame.message.getMajorErcode());
}

TEST(Frame, BlockLengthsOutsideTheirBoundsAreRefusedBeforeAnyBlockIsRead)
{
    struct Case
    {
        const char* name;
        Field field;
        std::uint32_t length;
        bool accepted;
    };
    const Case cases[] = {
        {"IV of 12", IvecLength, 12, false},
        {"IV of 17", IvecLength, 17, false},
        {"tag of 0", AtagLength, 0, false},
        {"tag of 32", AtagLength, 32, false},
        {"HMAC of 513", HmacLength, 513, false},
        {"HMAC of 512", HmacLength, 512, true},
        {"huge code", CodeLength, 0x7FFFFFFFu, false},
        {"code over 256 MiB", CodeLength, MessageCode::m_MaxCodeLength + 1, false},
        {"huge body", BodyLength, 0xFFFFFFFFu, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reply reply = Reply().codes(2, 3).session(4);
        reply.keepLengths = true;
        reply.fields[IvecLength] = 16;
        reply.fields[AtagLength] = 16;
        reply.fields[c.field] = c.length;
        AceLogCapture log;
        AttachedMessage frame;
        frame.pair.write(reply.bytes().substr(0, HeaderLength));

        EXPECT_EQ(c.accepted ? 80 : -1, frame.message.receiveHeader());
        EXPECT_EQ(c.accepted ? 2 : 1, frame.message.getMajorErcode());
        EXPECT_EQ(c.accepted ? 4 : INT_MIN, frame.message.getSessionId());
        EXPECT_EQ(c.accepted ? 512u : 0u, frame.message.getHmacLength());
        EXPECT_EQ(16u, frame.message.getIvecLength());
        EXPECT_EQ(16u, frame.message.getAtagLength());
        EXPECT_EQ(!c.accepted, log.contains("Message::receiveHeader(): block lengths refused"));
    }
}

TEST(Frame, BlockCutShortIsNotStoredAndNamesItsCondition)
{
    struct Case
    {
        const char* name;
        std::size_t cut;  // bytes of the frame that arrive
        const char* condition;
        bool codeStored;
    };
    Reply reply = Reply().codes(2, 3).encrypted("cipher text block", SessionKey);
    reply.hmac = "HMACHMAC";
    reply.body = "plain";
    const std::size_t code = 80 + 8 + 16 + 16;
    const Case cases[] = {
        {"HMAC", 84, "hmacMessageBlock->length() == m_hmacLength", false},
        {"IV", 88 + 15, "ivecMessageBlock->length() == m_ivecLength", false},
        {"tag", 88 + 16, "atagMessageBlock->length() == m_atagLength", false},
        {"code", code + 10, "codeMessageBlock->length() == m_codeLength", false},
        {"body", code + 17 + 4, "bodyMessageBlock->length() == m_bodyLength", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AceLogCapture log;
        AttachedMessage frame;
        frame.pair.write(reply.bytes().substr(0, c.cut));
        frame.pair.closeFar();

        EXPECT_EQ(-1, frame.message.receive());
        EXPECT_TRUE(log.contains("library/network/message"));
        EXPECT_TRUE(log.contains(c.condition));
        // The header holds the reply's values; the short block holds nothing.
        EXPECT_EQ(2, frame.message.getMajorErcode());
        EXPECT_EQ(3, frame.message.getMinorErcode());
        EXPECT_EQ(c.codeStored, !frame.message.getCode().empty());
        EXPECT_TRUE(frame.message.getBody().empty());
    }
}

TEST(Frame, WritingToAClosedPeerFailsWithoutEndingTheProcess)
{
    AceLogCapture log;
    AttachedMessage frame;
    frame.pair.closeFar();
    frame.message.setBody(std::string(1 << 20, 'b'));
    frame.message.encrypt(nullptr);

    EXPECT_EQ(-1, frame.message.send());
    EXPECT_TRUE(log.contains("common::Error != sen"));
    EXPECT_TRUE(log.contains("len == sen"));
    EXPECT_TRUE(log.contains("Message::send()"));
    EXPECT_EQ(LM_ERROR, log.entries().back().priority);
}

TEST(Frame, UnconnectedChannelFailsToSend)
{
    AceLogCapture log;
    Message message(0, "");
    EXPECT_EQ(-1, message.send());
    EXPECT_EQ(-1, message.connect());
}

TEST(Frame, HmacIsCertifiedOnlyByItsOwnNonEmptyText)
{
    Message message(0, "");
    EXPECT_EQ(-1, message.certifyHmac(""));
    message.setHmac("ABC");
    EXPECT_EQ(3u, message.getHmacLength());
    EXPECT_EQ(0, message.certifyHmac("ABC"));
    EXPECT_EQ(-1, message.certifyHmac("ABD"));
}

}  // namespace
