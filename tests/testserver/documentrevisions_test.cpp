// SelectDocument with the minor opcode RevisionHistory: the revisions of one
// document (test.textproto, documents 300 to 302) whose periods overlap the
// one asked for.

#include "tests/support/testserverprocess.h"
#include "tests/testserver/rawclient.h"

#include "selectdocumentreply3.pb.h"
#include "selectdocumentrequest3.pb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace rawclient;
using ::testing::ElementsAre;
using testsupport::TestServerProcess;

constexpr int SelectDocument = 37;
constexpr int RevisionHistory = -52;

struct History
{
    int majorErcode = -1;
    std::vector<std::string> starts;
    std::vector<std::string> bodies;
};

History Select(const TestServerProcess& server,
               int documentId,
               const char* from,
               const char* to,
               int minorOpcode = RevisionHistory)
{
    zarv::data::SelectDocumentRequest request;
    request.set_document_id(documentId);
    request.mutable_sys_period()->set_from(from);
    request.mutable_sys_period()->set_to(to);
    const std::string frame = Exchange(server.port(), Request(SelectDocument, minorOpcode, OpenSessionId,
                                                              request.SerializeAsString(), OpenSessionKey));
    History history;
    history.majorErcode = SignedField(frame, MajorErcode);
    zarv::data::SelectDocumentReply reply;
    if (history.majorErcode == 0 && reply.ParseFromString(Decrypt(frame, OpenSessionKey).value_or("?"))) {
        for (const zarv::data::Document& document : reply.document()) {
            EXPECT_EQ(documentId, document.document_id());
            history.starts.push_back(document.sys_period().from());
            history.bodies.push_back(document.document_body());
        }
    }
    return history;
}

TEST(TestServerRevisionHistory, AnswersEveryRevisionInTheWholePeriodInTheFixturesOrder)
{
    TestServerProcess server;
    const History history = Select(server, 300, "1400-01-01 00:00:00", "9999-12-31 00:00:00");
    EXPECT_EQ(0, history.majorErcode);
    EXPECT_THAT(history.starts, ElementsAre("2024-07-01 12:00:00", "2024-01-15 08:30:00", "2023-11-05 23:45:10.25"));
    EXPECT_THAT(history.bodies, ElementsAre("<p>Third draft</p>", "<p>Second draft</p>", "<p>First draft</p>"));
}

TEST(TestServerRevisionHistory, AnswersOnlyTheRevisionsThatOverlapThePeriod)
{
    TestServerProcess server;
    EXPECT_THAT(Select(server, 300, "2024-02-01 00:00:00", "2024-03-01 00:00:00").starts,
                ElementsAre("2024-01-15 08:30:00"));
    EXPECT_THAT(Select(server, 300, "2025-01-01 00:00:00", "9999-12-31 00:00:00").starts,
                ElementsAre("2024-07-01 12:00:00"));
}

TEST(TestServerRevisionHistory, ADocumentWithoutRevisionsOrUnknownHasNone)
{
    TestServerProcess server;
    const History none = Select(server, 302, "1400-01-01 00:00:00", "9999-12-31 00:00:00");
    EXPECT_EQ(0, none.majorErcode);
    EXPECT_TRUE(none.starts.empty());
    EXPECT_TRUE(Select(server, 999, "1400-01-01 00:00:00", "9999-12-31 00:00:00").starts.empty());
}

TEST(TestServerRevisionHistory, AnotherMinorOpcodeAnswersTheCurrentRevisionOnly)
{
    TestServerProcess server;
    const History current = Select(server, 300, "1400-01-01 00:00:00", "9999-12-31 00:00:00", 1);
    EXPECT_EQ(0, current.majorErcode);
    EXPECT_THAT(current.bodies, ElementsAre("<p>Third draft</p>"));
}

}  // namespace
