#include "library/common/assertion.h"
#include "tests/support/acelogcapture.h"

#include <gtest/gtest.h>

namespace {

constexpr int GuardLine = __LINE__ + 4;

int GuardedLength(const char* text)
{
    if (!QUENLARK_ASSERT(text != nullptr)) {
        return -1;
    }
    return static_cast<int>(std::char_traits<char>::length(text));
}

TEST(Assertion, FailureIsReportedWithUnitLineAndConditionAndCodeGoesOn)
{
    testsupport::AceLogCapture log;
    EXPECT_EQ(-1, GuardedLength(nullptr));
    ASSERT_EQ(1u, log.entries().size());
    EXPECT_EQ(LM_ERROR, log.entries()[0].priority);
    const std::string& text = log.entries()[0].text;
    EXPECT_NE(std::string::npos, text.find("file tests/common/assertion_test,")) << text;
    EXPECT_NE(std::string::npos, text.find("line " + std::to_string(GuardLine) + " ")) << text;
    EXPECT_NE(std::string::npos, text.find("'text != nullptr'")) << text;
}

TEST(Assertion, PassingConditionIsSilentAndEvaluatedOnce)
{
    testsupport::AceLogCapture log;
    int evaluations = 0;
    EXPECT_TRUE(QUENLARK_ASSERT(++evaluations == 1));
    EXPECT_EQ(1, evaluations);
    EXPECT_EQ(3, GuardedLength("abc"));
    EXPECT_TRUE(log.entries().empty());
}

TEST(Assertion, SourceUnitDropsOnlyTheExtension)
{
    const struct
    {
        const char* file;
        const char* unit;
    } cases[] = {
        {"library/network/message.cpp", "library/network/message"},
        {"library/core/lib/registry.h", "library/core/lib/registry"},
        {"a.dir/file", "a.dir/file"},
        {"", ""},
    };
    for (const auto& c : cases) {
        char buffer[64];
        EXPECT_STREQ(c.unit, common::SourceUnit(c.file, buffer, sizeof buffer)) << c.file;
    }
}

}  // namespace
