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

}  // namespace
