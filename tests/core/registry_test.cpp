#include "library/core/lib/registry.h"
#include "tests/support/acelogcapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string StoredPassword(64, 'A');

zarv::data::User NamedUser()
{
    zarv::data::User user;
    user.set_user_id(7);
    user.set_user_name("5E884898DA28047151D0E56F8DC6292773603D0D6AABBDD62A11EF721D1542D8");
    user.set_user_first_name("Ada");
    return user;
}

void ExpectEmpty(const Registry& registry)
{
    EXPECT_EQ("", registry.getUserName());
    EXPECT_EQ("", registry.getUserPassword());
    EXPECT_EQ(0u, registry.getUser().ByteSizeLong());
    EXPECT_EQ(zarv::data::User::USER_SECURITY_DESCRIPTOR_ENUM_NOT_SET,
              registry.getUser().user_security_descriptor_enum_case());
}

TEST(Registry, StartsAndClearsEmpty)
{
    Registry registry;
    ExpectEmpty(registry);

    registry.setUser(NamedUser());
    registry.setUserPassword(StoredPassword);
    EXPECT_NE("", registry.getUserName());
    registry.clear();
    ExpectEmpty(registry);
}

TEST(Registry, PasswordCreatesADescriptorHoldingOnlyIt)
{
    Registry registry;
    registry.setUser(NamedUser());
    EXPECT_EQ(NamedUser().user_name(), registry.getUserName());
    EXPECT_EQ("", registry.getUserPassword());

    registry.setUserPassword(StoredPassword);
    EXPECT_EQ(StoredPassword, registry.getUserPassword());
    zarv::data::SecurityDescriptor onlyPassword;
    onlyPassword.set_password(StoredPassword);
    EXPECT_EQ(onlyPassword.SerializeAsString(), registry.getUser().user_security_descriptor().SerializeAsString());
    EXPECT_EQ(7, registry.getUser().user_id());
    EXPECT_EQ("Ada", registry.getUser().user_first_name());
}

TEST(Registry, DescriptorWithoutPasswordReadsEmpty)
{
    zarv::data::User user = NamedUser();
    user.mutable_user_security_descriptor()->set_audits(3);
    Registry registry;
    registry.setUser(user);
    EXPECT_EQ("", registry.getUserPassword());
}

TEST(Registry, EmptyTextsAreRefusedAndKeepTheRecord)
{
    Registry registry;
    registry.setUser(NamedUser());
    registry.setUserPassword(StoredPassword);

    testsupport::AceLogCapture log;
    registry.setUserPassword("");
    EXPECT_TRUE(log.contains("library/core/lib/registry"));
    EXPECT_TRUE(log.contains("'! userPassword.empty()'"));
    registry.setUserName("");
    EXPECT_TRUE(log.contains("'! userName.empty()'"));

    EXPECT_EQ(StoredPassword, registry.getUserPassword());
    EXPECT_EQ(NamedUser().user_name(), registry.getUserName());
}

TEST(Registry, SetUserNameReplacesTheName)
{
    Registry registry;
    registry.setUserName("ABCDEF");
    EXPECT_EQ("ABCDEF", registry.getUserName());
    EXPECT_EQ(zarv::data::User::kUserName, registry.getUser().user_name_enum_case());
}

TEST(Registry, SetUserReplacesEveryField)
{
    Registry registry;
    registry.setUser(NamedUser());
    registry.setUserPassword(StoredPassword);

    zarv::data::User other;
    other.set_user_last_name("Lovelace");
    registry.setUser(other);
    EXPECT_EQ("", registry.getUserPassword());
    EXPECT_EQ("", registry.getUserName());
    EXPECT_EQ(zarv::data::User::USER_ID_ENUM_NOT_SET, registry.getUser().user_id_enum_case());
    EXPECT_EQ("Lovelace", registry.getUser().user_last_name());

    // The registry keeps its own copy.
    other.set_user_last_name("Byron");
    EXPECT_EQ("Lovelace", registry.getUser().user_last_name());
}

TEST(Registry, ProcessWideInstanceIsMadeOnce)
{
    using ProcessRegistry = ACE_Singleton<Registry, ACE_Null_Mutex>;
    Registry* registry = ProcessRegistry::instance();
    ASSERT_NE(nullptr, registry);
    EXPECT_EQ(registry, ProcessRegistry::instance());
    ExpectEmpty(*registry);
}

}  // namespace
