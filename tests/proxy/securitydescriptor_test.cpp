#include "presentfields.h"

#include "library/core/proxy/documentkeyreader.h"
#include "library/core/proxy/securitydescriptorwriter.h"

#include <google/protobuf/util/message_differencer.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using google::protobuf::util::MessageDifferencer;
using zarv::data::SecurityDescriptor;

SecurityDescriptor Filled()
{
    SecurityDescriptor descriptor;
    descriptor.set_active(5);
    descriptor.set_active_region("Asia/Tokyo");
    descriptor.set_active_from("08:00:00");
    descriptor.set_active_to("16:00:00");
    descriptor.set_audits(3);
    descriptor.set_password("ABCD");
    descriptor.set_permissions(9);
    descriptor.set_session_duration(600);
    descriptor.set_expiration_date("2030-01-01 00:00:00");
    descriptor.set_expiration_action(2);
    return descriptor;
}

TEST(SecurityDescriptorWriter, NoInitializationTouchesNothing)
{
    SecurityDescriptor empty;
    SecurityDescriptorWriter emptyWriter(empty, SecurityDescriptorProxy::NoInitialization);
    EXPECT_TRUE(proxytest::PresentFields(empty).empty());
    SecurityDescriptor filled = Filled();
    SecurityDescriptorWriter filledWriter(filled, SecurityDescriptorProxy::NoInitialization);
    EXPECT_TRUE(MessageDifferencer::Equals(Filled(), filled));
}

TEST(SecurityDescriptorWriter, InitialValues)
{
    struct Case
    {
        SecurityDescriptorProxy::Initialization init;
        int active;
        int permissions;
        const char* expiration;
    };
    for (const Case& c : {Case{SecurityDescriptorProxy::Permissive, 0xFFFFF, 0xFFFF, "9999-12-31 00:00:00"},
                          Case{SecurityDescriptorProxy::Restrictive, 0, 0, "1400-01-01 00:00:00"}}) {
        for (SecurityDescriptor descriptor : {SecurityDescriptor(), Filled()}) {
            SecurityDescriptorWriter writer(descriptor, c.init);
            EXPECT_EQ(10u, proxytest::PresentFields(descriptor).size()) << c.init;
            EXPECT_EQ(c.active, descriptor.active());
            EXPECT_EQ(c.permissions, descriptor.permissions());
            EXPECT_EQ(c.expiration, descriptor.expiration_date());
            EXPECT_EQ("", descriptor.active_region());
            EXPECT_EQ("00:00:00", descriptor.active_from());
            EXPECT_EQ("00:00:00", descriptor.active_to());
            EXPECT_EQ(0, descriptor.audits());
            EXPECT_EQ("", descriptor.password());
            EXPECT_EQ(0, descriptor.session_duration());
            EXPECT_EQ(0, descriptor.expiration_action());
        }
    }
}

// A permissive record is usable on every weekday, Wednesday to Saturday too.
TEST(SecurityDescriptorWriter, PermissiveSetsEveryMonthAndWeekday)
{
    zarv::data::DocumentKey key;
    SecurityDescriptorWriter writer(*key.mutable_document_key_security_descriptor(),
                                    SecurityDescriptorProxy::Permissive);
    const DocumentKeyReader reader(key);
    EXPECT_FALSE(reader.inactive());
    EXPECT_TRUE(reader.activeOnWednesday());
    EXPECT_TRUE(reader.activeOnSaturday());
    EXPECT_TRUE(reader.activeDuringDecember());
    EXPECT_TRUE(reader.permission(DocumentKeyProxy::Print));
}

TEST(SecurityDescriptorWriter, OtherValuesSetOnlyTheCommonFields)
{
    SecurityDescriptor descriptor = Filled();
    SecurityDescriptorWriter writer(descriptor, static_cast<SecurityDescriptorProxy::Initialization>(3));
    EXPECT_EQ(5, descriptor.active());
    EXPECT_EQ(9, descriptor.permissions());
    EXPECT_EQ("2030-01-01 00:00:00", descriptor.expiration_date());
    EXPECT_EQ("", descriptor.password());
    EXPECT_EQ("00:00:00", descriptor.active_from());
    EXPECT_EQ("00:00:00", descriptor.active_to());
}

TEST(SecurityDescriptorEquality, ComparesTheTenFieldsByValue)
{
    SecurityDescriptor explicitNulls;
    explicitNulls.set_active(0);
    explicitNulls.set_active_region("");
    explicitNulls.set_active_from("");
    explicitNulls.set_active_to("");
    explicitNulls.set_audits(0);
    explicitNulls.set_password("");
    explicitNulls.set_permissions(0);
    explicitNulls.set_session_duration(0);
    explicitNulls.set_expiration_date("");
    explicitNulls.set_expiration_action(0);
    EXPECT_TRUE(SecurityDescriptor() == explicitNulls);
    EXPECT_FALSE(SecurityDescriptor() != explicitNulls);

    SecurityDescriptor restrictive;
    SecurityDescriptorWriter writer(restrictive, SecurityDescriptorProxy::Restrictive);
    EXPECT_TRUE(SecurityDescriptor() != restrictive);

    using Change = std::function<void(SecurityDescriptor&)>;
    const std::vector<std::pair<const char*, Change>> changes = {
        {"active", [](SecurityDescriptor& d) { d.set_active(4); }},
        {"region", [](SecurityDescriptor& d) { d.set_active_region("asia/tokyo"); }},
        {"from without leading zero", [](SecurityDescriptor& d) { d.set_active_from("8:00:00"); }},
        {"to", [](SecurityDescriptor& d) { d.set_active_to("16:00:00 "); }},
        {"audits", [](SecurityDescriptor& d) { d.set_audits(1); }},
        {"password", [](SecurityDescriptor& d) { d.set_password("ABCE"); }},
        {"permissions", [](SecurityDescriptor& d) { d.set_permissions(-9); }},
        {"session duration", [](SecurityDescriptor& d) { d.clear_session_duration_enum(); }},
        {"expiration date", [](SecurityDescriptor& d) { d.set_expiration_date("2030-01-01"); }},
        {"expiration action", [](SecurityDescriptor& d) { d.set_expiration_action(0); }},
    };
    for (const auto& [name, change] : changes) {
        SecurityDescriptor changed = Filled();
        change(changed);
        EXPECT_FALSE(Filled() == changed) << name;
        EXPECT_TRUE(Filled() != changed) << name;
    }
    EXPECT_TRUE(Filled() == Filled());
}

}  // namespace
