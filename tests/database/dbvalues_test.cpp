#include "library/database/lib/dbid.h"
#include "library/database/lib/dbint.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DbId, NullIsOnlyIntMin)
{
    EXPECT_TRUE(DbId(INT_MIN).null());
    EXPECT_TRUE(DbId(DbId::m_NullId).null());
    EXPECT_FALSE(DbId(0).null());
    EXPECT_FALSE(DbId(-1).null());
    EXPECT_FALSE(DbId(DbId::m_RootId).null());
    EXPECT_EQ(-2147483647, DbId::m_RootId);
}

TEST(DbId, KeepsEveryIntAndVoidsToIntMin)
{
    for (int value : {INT_MIN, INT_MIN + 1, -1, 0, 1, 5, INT_MAX}) {
        DbId id(0);
        id = value;
        EXPECT_EQ(value, static_cast<int>(id));
        EXPECT_TRUE(id == value);
        EXPECT_FALSE(id != value);
        EXPECT_TRUE(id != ~value);
    }
    DbId id(42);
    id.voidCol();
    EXPECT_EQ(-2147483647 - 1, static_cast<int>(id));
    EXPECT_TRUE(id.null());

    const DbId other(7);
    id = other;
    EXPECT_TRUE(id == 7);
}

TEST(DbId, AddressIsTheStoredInt)
{
    DbId id(3);
    int* stored = &id;
    *stored = 9;
    EXPECT_EQ(9, static_cast<int>(id));
}

TEST(DbInt, NullIsZero)
{
    EXPECT_TRUE(DbInt(0).null());
    EXPECT_FALSE(DbInt(-1).null());
    EXPECT_FALSE(DbInt(INT_MIN).null());

    DbInt value(12);
    value.voidCol();
    EXPECT_EQ(0, static_cast<int>(value));
}

TEST(DbInt, WritesInPlace)
{
    DbInt value(1);
    static_cast<int&>(value) = 5;
    EXPECT_TRUE(value == 5);
    *(&value) = 6;
    EXPECT_TRUE(value == 6);
    value = DbInt(-3);
    EXPECT_TRUE(value == -3);
    value = 8;
    EXPECT_EQ(8, static_cast<int>(value));
}

}  // namespace
