#include "tests/log/eventchecks.h"

#include "library/gui/log/describedlogevent.h"
#include "tests/gui/qtmessagecapture.h"
#include "tests/log/logtestsupport.h"

namespace logtest {

namespace {

const cef::EventDescriptor& DescriptorOf(const CheckCase& checkCase)
{
    const cef::EventDescriptor* descriptor = checkCase.majorOpcode < 0 ? cef::FindRequestEvent(checkCase.majorOpcode)
                                                                       : cef::FindReplyEvent(checkCase.majorOpcode);
    if (!descriptor) {
        throw std::invalid_argument("no audit event for " + std::to_string(checkCase.majorOpcode));
    }
    return *descriptor;
}

std::string LineOf(const CheckCase& checkCase)
{
    const cef::EventDescriptor& descriptor = DescriptorOf(checkCase);
    if (checkCase.majorOpcode < 0) {
        DescribedRequestLogEvent event(descriptor, checkCase.majorOpcode, common::Untagged, checkCase.request);
        return event();
    }
    DescribedReplyLogEvent event(descriptor, checkCase.majorOpcode, common::Untagged, checkCase.request,
                                 checkCase.majorErcode, 0, checkCase.reply);
    return event();
}

}  // namespace

TEST_P(EventChecks, GivesItsWarningOrItsPairsWithAndWithoutDetails)
{
    const CheckCase& checkCase = GetParam();
    const cef::EventDescriptor& descriptor = DescriptorOf(checkCase);
    for (bool details : {true, false}) {
        SCOPED_TRACE(details ? "with details" : "without details");
        const Expect& expect = details ? checkCase.withDetails : checkCase.withoutDetails;
        LoggedOnUser user(AuditBits(descriptor.severity, details));
        testsupport::QtMessageCapture warnings;
        const std::string line = LineOf(checkCase);
        if (!expect.warning.empty()) {
            EXPECT_EQ("", line);
            EXPECT_EQ(std::vector<std::string>{expect.warning}, warnings.messages());
            continue;
        }
        EXPECT_TRUE(warnings.messages().empty()) << warnings.messages().front();
        const CefLine parsed = ParseCefLine(line);
        EXPECT_EQ(expect.pairs, EventPairs(parsed)) << line;
        ASSERT_EQ(7u, parsed.header.size());
        EXPECT_EQ(std::to_string(descriptor.classId), parsed.header[4]);
        EXPECT_EQ(std::to_string(descriptor.severity), parsed.header[6]);
    }
}

TEST_P(EventChecks, FilteredOutEventReadsNothingAndWarnsNothing)
{
    const CheckCase& checkCase = GetParam();
    const cef::Severity severity = DescriptorOf(checkCase).severity;
    // Every bit but the one that would log the event, its details bit included.
    LoggedOnUser user(~(1 << severity));
    testsupport::QtMessageCapture warnings;
    EXPECT_EQ("", LineOf(checkCase));
    EXPECT_TRUE(warnings.messages().empty());
}

}  // namespace logtest
