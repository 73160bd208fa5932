#include "app/usertyperules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool HasRule(int type, RuledGrid grid, const char* field, bool shown, bool offered)
{
    const auto rules = ColumnRulesFor(grid, type);
    return std::any_of(rules.begin(), rules.end(), [&](const ColumnRule& rule) {
        return rule.field == QLatin1String(field) && rule.shown == shown && rule.offered == offered;
    });
}

} // namespace

TEST(UserTypeRules, SalespersonsSeeStockBalancesAndOrderColumnsInEveryStockGrid)
{
    for (int type : {1, 2}) {
        SCOPED_TRACE(type);
        for (RuledGrid grid : {RuledGrid::StockList, RuledGrid::NewProducts, RuledGrid::CampaignProducts})
            for (const char* field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"})
                EXPECT_TRUE(HasRule(type, grid, field, true, true)) << field;
        const auto basket = ColumnRulesFor(RuledGrid::Basket, type);
        ASSERT_EQ(basket.size(), 1u);
        EXPECT_EQ(basket.front().field, "KALAN");
        EXPECT_EQ(basket.front().caption, "Kalan");
        EXPECT_TRUE(basket.front().shown && basket.front().offered);
    }
}

TEST(UserTypeRules, RestrictedCustomersLoseTheirColumnsEntirely)
{
    EXPECT_TRUE(HasRule(3, RuledGrid::Basket, "DURUM", false, false));
    for (RuledGrid grid : {RuledGrid::StockList, RuledGrid::NewProducts}) {
        EXPECT_TRUE(HasRule(4, grid, "K", false, false));
        EXPECT_TRUE(HasRule(4, grid, "KAMPFIYAT", false, false));
    }
    EXPECT_FALSE(RulesForUserType(4).campaignTabVisible);
    // Nothing else in the stock grids changes for them.
    EXPECT_TRUE(ColumnRulesFor(RuledGrid::StockList, 3).empty());
    EXPECT_TRUE(ColumnRulesFor(RuledGrid::Basket, 4).empty());
}

TEST(UserTypeRules, OtherKindsKeepTheDesignDefaults)
{
    for (int type : {0, 5, -1, 99}) {
        SCOPED_TRACE(type);
        const UserTypeRules rules = RulesForUserType(type);
        EXPECT_FALSE(rules.customerButtonVisible);
        EXPECT_FALSE(rules.reportsVisible);
        EXPECT_TRUE(rules.campaignTabVisible);
        EXPECT_TRUE(rules.columns.empty());
    }
}
