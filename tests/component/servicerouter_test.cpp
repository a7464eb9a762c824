// The service router's audit tables: which replies are preceded by EventLogged
// and with which log kind, which requests it turns into EventLogged and
// stops, and that everything else passes through untouched.

#include "library/common/codes.h"
#include "library/core/lib/registry.h"
#include "product/client/component/servicerouter.h"

#include "user3.pb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

// What left the router, one line each, payloads included.
class RouterOutput
{
public:
    explicit RouterOutput(const ServiceRouter& router)
    {
        QObject::connect(&router, &ServiceRouter::deliverEvent,
                         [this](common::Evcode major, common::Evcode minor, const std::string& event) {
                             m_lines.push_back("event " + std::to_string(major) + " " + std::to_string(minor));
                             m_events.push_back(event);
                         });
        QObject::connect(&router, &ServiceRouter::deliverReply,
                         [this](common::Opcode major, common::Opcode minor, const std::string& request,
                                common::Ercode majorErcode, common::Ercode minorErcode, const std::string& reply) {
                             m_lines.push_back("reply " + std::to_string(major) + " " + std::to_string(minor) + " "
                                               + request + " " + std::to_string(majorErcode) + " "
                                               + std::to_string(minorErcode) + " " + reply);
                         });
        QObject::connect(&router, &ServiceRouter::deliverRequest,
                         [this](common::Opcode major, common::Opcode minor, const std::string& request) {
                             m_lines.push_back("request " + std::to_string(major) + " " + std::to_string(minor) + " "
                                               + request);
                         });
    }

    std::vector<std::string> take()
    {
        m_events.clear();
        return std::move(m_lines);
    }
    const std::vector<std::string>& events() const { return m_events; }

private:
    std::vector<std::string> m_lines;
    std::vector<std::string> m_events;
};

std::string Event(common::Evcode logKind)
{
    return "event " + std::to_string(common::EventLogged) + " " + std::to_string(logKind);
}

// Audited replies and their log kinds.
const std::map<common::Opcode, common::Evcode> AuditedReplies = {
    {3, -2},   {4, -45},  {7, -8},   {10, -11}, {13, -14}, {15, -15}, {16, -16},
    {21, -23}, {22, -22}, {24, -25}, {25, -24}, {28, -28}, {30, -29}, {31, -30},
    {37, -37}, {40, -39}, {46, -43}, {50, -44}, {53, -48}, {56, -52}, {61, -60},
};

// Audit requests and their log kinds.
const std::map<common::Opcode, common::Evcode> AuditRequests = {
    {-12, -6},  {-13, -7},  {-14, -18}, {-15, -19}, {-16, -20},
    {-17, -21}, {-18, -33}, {-19, -34}, {-20, -35}, {-21, -36},
};

class ServiceRouterTest : public ::testing::Test
{
protected:
    void SetUp() override { registry().clear(); }
    void TearDown() override { registry().clear(); }

    static Registry& registry() { return *ACE_Singleton<Registry, ACE_Null_Mutex>::instance(); }

    ServiceRouter m_router{nullptr};
    RouterOutput m_output{m_router};
};

TEST_F(ServiceRouterTest, AnAuditedReplyIsPrecededByItsLogKindAndEveryReplyPassesUnchanged)
{
    for (common::Opcode major = -70; major <= 70; ++major) {
        SCOPED_TRACE(major);
        m_router.receiveReply(major, common::OpenDocumentEditorView, "request", common::ServiceBadIdEr, 3, "reply");
        const std::string reply = "reply " + std::to_string(major) + " -35 request 44 3 reply";
        const auto audited = AuditedReplies.find(major);
        if (audited == AuditedReplies.end()) {
            EXPECT_EQ(m_output.take(), (std::vector<std::string>{reply}));
        } else {
            EXPECT_EQ(m_output.take(), (std::vector<std::string>{Event(audited->second), reply}));
        }
    }
}

TEST_F(ServiceRouterTest, AnAuditRequestBecomesItsLogKindAndGoesNoFurther)
{
    for (common::Opcode major = -70; major <= 70; ++major) {
        SCOPED_TRACE(major);
        // An empty payload is still audited.
        m_router.receiveRequest(major, common::Untagged, std::string());
        const auto audit = AuditRequests.find(major);
        if (audit == AuditRequests.end()) {
            EXPECT_EQ(m_output.take(), (std::vector<std::string>{"request " + std::to_string(major) + " 1 "}));
        } else {
            EXPECT_EQ(m_output.take(), (std::vector<std::string>{Event(audit->second)}));
        }
    }
}

TEST_F(ServiceRouterTest, TheEventCarriesTheAuditLineWhenTheUsersSettingsSelectIt)
{
    // Log-off is audited at severity 4.
    struct Row
    {
        const char* name;
        int audits;
        bool line;
    };
    const Row rows[] = {
        {"nothing selected", 0, false},
        {"severity 4 selected", 1 << 4, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        zarv::data::User user;
        user.set_user_id(1);
        user.mutable_user_security_descriptor()->set_audits(row.audits);
        registry().setUser(user);

        m_router.receiveReply(common::TerminateUserSession, common::Untagged, std::string(), common::NoEr, common::NoEr,
                              std::string());
        ASSERT_EQ(m_output.events().size(), 1u);
        const std::string line = m_output.events().front();
        EXPECT_EQ(line.rfind("CEF:0|Quenlark|QuenlarkClient|1.0.0|", 0) == 0, row.line) << line;
        EXPECT_EQ(line.empty(), !row.line) << line;
        m_output.take();
    }
}

}  // namespace
