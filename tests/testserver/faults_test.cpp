// Each fault mode produces the bytes it promises. The request is a log-on,
// whose reply always has a payload, so every mode has something to break.

#include "product/testserver/faults.h"
#include "tests/support/testserverprocess.h"
#include "tests/testserver/rawclient.h"

#include "authenticateuserreply3.pb.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace rawclient;
using testsupport::TestServerProcess;

// The payload of a sound log-on reply.
void ExpectLogOnPayload(const std::optional<std::string>& payload)
{
    ASSERT_TRUE(payload);
    zarv::data::AuthenticateUserReply reply;
    ASSERT_TRUE(reply.ParseFromString(*payload));
    EXPECT_TRUE(reply.user_session_inserted());
}

// A complete frame whose blocks are as the client sends them.
void ExpectSoundFrame(const std::string& frame)
{
    const std::optional<Blocks> blocks = Split(frame);
    ASSERT_TRUE(blocks);
    EXPECT_EQ(frame.size(), 80 + 16 + 16 + blocks->code.size());
    EXPECT_GT(blocks->code.size(), 0u);
    ExpectLogOnPayload(Decrypt(frame, ZeroKey));
}

// Flips bit 0 of the first byte of the tag or the code back.
std::string Unflip(std::string frame, std::size_t offset)
{
    frame[offset] = static_cast<char>(frame[offset] ^ 0x01);
    return frame;
}

struct FaultCase
{
    const char* name;
    std::vector<std::string> faults;
    std::function<void(const std::string& frame)> check;
};

void PrintTo(const FaultCase& faultCase, std::ostream* out)
{
    *out << faultCase.name;
}

class Faults : public ::testing::TestWithParam<FaultCase>
{};

TEST_P(Faults, ProduceTheBytesTheyPromise)
{
    TestServerProcess server(GetParam().faults);
    ASSERT_NE(0, server.port());
    GetParam().check(Exchange(server.port(), LogOnRequest("ada", "ada-secret")));
}

const FaultCase FaultCases[] = {
    {"none", {}, ExpectSoundFrame},
    {"close_after_0_header_bytes",
     {"close-after-header-bytes=0"},
     [](const std::string& frame) { EXPECT_EQ(0u, frame.size()); }},
    {"close_after_40_header_bytes",
     {"close-after-header-bytes=40"},
     [](const std::string& frame) {
         ASSERT_EQ(40u, frame.size());
         EXPECT_EQ(1u, Field(frame, ByteOrder));
         EXPECT_EQ(3u, Field(frame, MajorOpcode));
     }},
    {"close_after_79_header_bytes",
     {"close-after-header-bytes=79"},
     [](const std::string& frame) { EXPECT_EQ(79u, frame.size()); }},
    {"close_mid_code",
     {"close-mid-code"},
     [](const std::string& frame) {
         ASSERT_GE(frame.size(), 80u);
         const std::size_t code = Field(frame, CodeLength);
         EXPECT_GT(code, 0u);
         EXPECT_EQ(80 + 16 + 16 + code / 2, frame.size());
         EXPECT_FALSE(Split(frame));
     }},
    {"flip_tag",
     {"flip-tag"},
     [](const std::string& frame) {
         ASSERT_TRUE(Split(frame));
         EXPECT_FALSE(Decrypt(frame, ZeroKey));
         ExpectLogOnPayload(Decrypt(Unflip(frame, 80 + 16), ZeroKey));
     }},
    {"flip_code",
     {"flip-code"},
     [](const std::string& frame) {
         ASSERT_TRUE(Split(frame));
         EXPECT_FALSE(Decrypt(frame, ZeroKey));
         ExpectLogOnPayload(Decrypt(Unflip(frame, 80 + 32), ZeroKey));
     }},
    {"big_endian_header",
     {"big-endian-header", "session-id=5"},
     [](const std::string& frame) {
         ASSERT_GE(frame.size(), 80u);
         EXPECT_EQ(std::string(4, '\0'), frame.substr(0, 4));
         EXPECT_EQ(std::string("\0\0\0\5", 4), frame.substr(4, 4));
         EXPECT_EQ(std::string("\0\0\0\3", 4), frame.substr(20, 4));
         EXPECT_EQ(std::string("\0\0\0\x10", 4), frame.substr(64, 4));
         EXPECT_EQ(3u, Field(frame, MajorOpcode));
         ExpectSoundFrame(frame);
     }},
    {"error_codes_2_1",
     {"error-codes=2,1"},
     [](const std::string& frame) {
         EXPECT_EQ(std::string("\2\0\0\0\1\0\0\0", 8), frame.substr(28, 8));
         ExpectSoundFrame(frame);
     }},
    {"error_codes_1_1",
     {"error-codes=1,1"},
     [](const std::string& frame) {
         EXPECT_EQ(1, SignedField(frame, MajorErcode));
         EXPECT_EQ(1, SignedField(frame, MinorErcode));
         ExpectSoundFrame(frame);
     }},
    {"plain_body",
     {"plain-body"},
     [](const std::string& frame) {
         const std::optional<Blocks> blocks = Split(frame);
         ASSERT_TRUE(blocks);
         EXPECT_EQ("unauthenticated plain body", blocks->body);
         EXPECT_EQ(blocks->body.size(), Field(frame, BodyLength));
         EXPECT_EQ(frame.size(), 80 + 32 + blocks->code.size() + blocks->body.size());
         ExpectLogOnPayload(Decrypt(frame, ZeroKey));
     }},
    {"ivec_length_12",
     {"ivec-length=12"},
     [](const std::string& frame) {
         const std::optional<Blocks> blocks = Split(frame);
         ASSERT_TRUE(blocks);
         EXPECT_EQ(12u, blocks->ivec.size());
         EXPECT_EQ(frame.size(), 80 + 12 + 16 + blocks->code.size());
     }},
    {"ivec_length_20",
     {"ivec-length=20"},
     [](const std::string& frame) {
         const std::optional<Blocks> blocks = Split(frame);
         ASSERT_TRUE(blocks);
         EXPECT_EQ(std::string(4, '\0'), blocks->ivec.substr(16));
         EXPECT_EQ(frame.size(), 80 + 20 + 16 + blocks->code.size());
     }},
    {"atag_length_0",
     {"atag-length=0"},
     [](const std::string& frame) {
         const std::optional<Blocks> blocks = Split(frame);
         ASSERT_TRUE(blocks);
         EXPECT_EQ(0u, Field(frame, AtagLength));
         EXPECT_EQ(frame.size(), 80 + 16 + blocks->code.size());
     }},
    {"huge_code_length",
     {"huge-code-length"},
     [](const std::string& frame) {
         EXPECT_EQ(0x7FFFFFFFu, Field(frame, CodeLength));
         // The log-on reply's real code, a few kilobytes, then the server closes.
         EXPECT_GT(frame.size(), 80u + 32u);
         EXPECT_LT(frame.size(), 65536u);
     }},
    {"session_id",
     {"session-id=-12345"},
     [](const std::string& frame) {
         EXPECT_EQ(-12345, SignedField(frame, SessionId));
         ExpectSoundFrame(frame);
     }},
    {"no_reply", {"no-reply"}, [](const std::string& frame) { EXPECT_EQ(0u, frame.size()); }},
};

INSTANTIATE_TEST_SUITE_P(TestServer,
                         Faults,
                         ::testing::ValuesIn(FaultCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return info.param.name; });

TEST(TestServerFaultDelay, HoldsTheReplyBack)
{
    TestServerProcess server({"delay-ms=400"});
    const auto start = std::chrono::steady_clock::now();
    ExpectSoundFrame(Exchange(server.port(), LogOnRequest("ada", "ada-secret")));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
}

TEST(TestServerFaultTrickle, SendsTheWholeReplyAByteAtATime)
{
    // A refusal: a reply of 112 bytes without a payload.
    TestServerProcess server({"trickle-ms=5"});
    const auto start = std::chrono::steady_clock::now();
    const std::string frame = Exchange(server.port(), Request(35, 1, 8, "", ZeroKey));
    ASSERT_EQ(112u, frame.size());
    EXPECT_TRUE(Split(frame));
    EXPECT_EQ(66, SignedField(frame, MajorErcode));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5 * 111));
}

TEST(TestServerFaultScope, FaultsApplyToRefusalsToo)
{
    TestServerProcess server({"error-codes=2,1", "session-id=9"});
    const std::string frame = Exchange(server.port(), Request(35, 1, 8, "", ZeroKey));
    EXPECT_EQ(2, SignedField(frame, MajorErcode));
    EXPECT_EQ(9, SignedField(frame, SessionId));
}

TEST(TestServerFaultScope, AModeLimitedToAnOpcodeLeavesTheOthersAlone)
{
    TestServerProcess server({"no-reply@35", "error-codes=2,1@3"});
    EXPECT_EQ(0u, Exchange(server.port(), Request(35, 1, 8, "", ZeroKey)).size());
    const std::string logOn = Exchange(server.port(), LogOnRequest("ada", "ada-secret"));
    EXPECT_EQ(2, SignedField(logOn, MajorErcode));
}

TEST(TestServerFaultScope, ALimitNeedsAKnownModeAndAnOpcode)
{
    for (const char* mode : {"no-reply@", "no-reply@x", "nothing@40", "delay-ms@40", "error-codes=2@40"}) {
        testserver::Faults faults;
        std::string error;
        EXPECT_FALSE(faults.add(mode, error)) << mode;
        EXPECT_FALSE(error.empty()) << mode;
    }
    testserver::Faults faults;
    std::string error;
    ASSERT_TRUE(faults.add("no-reply@40", error)) << error;
    EXPECT_FALSE(faults.noReply);
    EXPECT_TRUE(faults.forOpcode(40).noReply);
    EXPECT_FALSE(faults.forOpcode(37).noReply);
}

}  // namespace
