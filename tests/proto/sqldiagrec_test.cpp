#include "authenticateuserreply3.pb.h"
#include "library/common/codes.h"
#include "sqldiagrec3.pb.h"

#include <gtest/gtest.h>

namespace {

TEST(SQLDiagRec, ImplicitFieldsAreWrittenOnlyWhenNotZero)
{
    zarv::data::SQLDiagRec record;
    EXPECT_TRUE(record.SerializeAsString().empty());
    record.set_sqlc(common::PackSqlState("23505"));
    EXPECT_EQ(83906754, record.sqlc());
    zarv::data::SQLDiagRec parsed;
    ASSERT_TRUE(parsed.ParseFromString(record.SerializeAsString()));
    EXPECT_EQ(83906754, parsed.sqlc());
    EXPECT_EQ(50352322, common::PackSqlState("23503"));
    EXPECT_EQ(0, common::PackSqlState("00000"));
}

TEST(SQLDiagRec, AbsentRecordOfAReplyReadsAsSuccess)
{
    zarv::data::AuthenticateUserReply reply;
    ASSERT_TRUE(reply.ParseFromString(std::string()));
    EXPECT_FALSE(reply.has_sql_diag_rec());
    EXPECT_EQ(0, reply.sql_diag_rec().sqlc());
    EXPECT_EQ("", reply.sql_diag_rec().sqls());
}

TEST(SQLDiagRec, TravelsInsideAReplyWithItsState)
{
    zarv::data::AuthenticateUserReply reply;
    reply.mutable_sql_diag_rec()->set_sqlc(common::PackSqlState("23504"));
    reply.mutable_sql_diag_rec()->set_sqls("23504");
    zarv::data::AuthenticateUserReply parsed;
    ASSERT_TRUE(parsed.ParseFromString(reply.SerializeAsString()));
    ASSERT_TRUE(parsed.has_sql_diag_rec());
    EXPECT_EQ(common::PackSqlState("23504"), parsed.sql_diag_rec().sqlc());
    EXPECT_EQ("23504", parsed.sql_diag_rec().sqls());
    EXPECT_EQ("", parsed.sql_diag_rec().sqlm());
}

TEST(SQLDiagRec, StateTextThatIsNotUtf8FailsTheParse)
{
    // Field 1010 (sqls), length 2, a lone continuation byte after '2'.
    EXPECT_FALSE(zarv::data::SQLDiagRec().ParseFromString(std::string("\x92\x3F\x02\x32\x80", 5)));
    EXPECT_TRUE(zarv::data::SQLDiagRec().ParseFromString(std::string("\x92\x3F\x02\x32\x33", 5)));
}

}  // namespace
