#include "authenticateuserreply3.pb.h"
#include "sqldiagrec3.pb.h"

#include <gtest/gtest.h>

namespace {

// The SQLSTATE packed six bits per character, first character lowest.
int PackSqlState(const std::string& state)
{
    int packed = 0;
    for (std::size_t i = 0; i < state.size(); ++i) {
        packed += ((state[i] - '0') & 0x3F) << (6 * i);
    }
    return packed;
}

TEST(SQLDiagRec, ImplicitFieldsAreWrittenOnlyWhenNotZero)
{
    zarv::data::SQLDiagRec record;
    EXPECT_TRUE(record.SerializeAsString().empty());
    record.set_sqlc(PackSqlState("23505"));
    EXPECT_EQ(83906754, record.sqlc());
    zarv::data::SQLDiagRec parsed;
    ASSERT_TRUE(parsed.ParseFromString(record.SerializeAsString()));
    EXPECT_EQ(83906754, parsed.sqlc());
    EXPECT_EQ(50352322, PackSqlState("23503"));
    EXPECT_EQ(0, PackSqlState("00000"));
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
    reply.mutable_sql_diag_rec()->set_sqlc(PackSqlState("23504"));
    reply.mutable_sql_diag_rec()->set_sqls("23504");
    zarv::data::AuthenticateUserReply parsed;
    ASSERT_TRUE(parsed.ParseFromString(reply.SerializeAsString()));
    ASSERT_TRUE(parsed.has_sql_diag_rec());
    EXPECT_EQ(PackSqlState("23504"), parsed.sql_diag_rec().sqlc());
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
