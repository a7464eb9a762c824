#include "library/common/ercodenames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ErcodeNames, NamedCodesGiveTheirNames)
{
    const struct
    {
        common::Ercode code;
        const char* name;
    } cases[] = {
        {common::ServiceNoReplyEr, "ServiceNoReplyEr"},
        {0, "NoEr"},
        {1, "UnsetEr"},
        {3, "DatabaseConnectionEr"},
        {8, "DatabaseRuntimeEr"},
        {63, "ServiceBadPasswordEr"},
        {65, "ServiceBadServerTimezoneEr"},
        {92, "ServiceVerifyMessageDatabaseEr"},
    };
    for (const auto& entry : cases) {
        const char* name = common::ErcodeName(entry.code);
        ASSERT_NE(nullptr, name) << entry.code;
        EXPECT_EQ(std::string(entry.name), name) << entry.code;
    }
}

TEST(ErcodeNames, ValuesTheClientDoesNotNameHaveNoName)
{
    for (common::Ercode code : {-2, 2, 11, 57, 91, 93, 1000}) {
        EXPECT_EQ(nullptr, common::ErcodeName(code)) << code;
    }
}

}  // namespace
