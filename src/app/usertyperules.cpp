#include "app/usertyperules.h"

#include "app/tform1.h"
#include "catalogue/campaignproductstab.h"
#include "catalogue/stocklisttab.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>

namespace {

bool IsSalesperson(int musteriTipi)
{
    return musteriTipi == 1 || musteriTipi == 2;
}

} // namespace

UserTypeRules RulesForUserType(int musteriTipi)
{
    UserTypeRules rules;
    // The three kinds are tested one after the other, as separate rules.
    if (IsSalesperson(musteriTipi)) {
        rules.customerButtonVisible = true;
        rules.reportsVisible = true;
        rules.columns = {
            {RuledGrid::StockList, QStringLiteral("KALAN"), true, true, {}},
            {RuledGrid::StockList, QStringLiteral("ALINANSIPARIS"), true, true, {}},
            {RuledGrid::StockList, QStringLiteral("VERILENSIPARIS"), true, true, {}},
            {RuledGrid::Basket, QStringLiteral("KALAN"), true, true, QStringLiteral("Kalan")},
            {RuledGrid::NewProducts, QStringLiteral("KALAN"), true, true, {}},
            {RuledGrid::NewProducts, QStringLiteral("ALINANSIPARIS"), true, true, {}},
            {RuledGrid::NewProducts, QStringLiteral("VERILENSIPARIS"), true, true, {}},
            {RuledGrid::CampaignProducts, QStringLiteral("KALAN"), true, true, {}},
            {RuledGrid::CampaignProducts, QStringLiteral("ALINANSIPARIS"), true, true, {}},
            {RuledGrid::CampaignProducts, QStringLiteral("VERILENSIPARIS"), true, true, {}},
        };
    }
    if (musteriTipi == 3) {
        rules.reportsVisible = false;
        rules.columns = {{RuledGrid::Basket, QStringLiteral("DURUM"), false, false, {}}};
    }
    if (musteriTipi == 4) {
        rules.reportsVisible = false;
        rules.campaignTabVisible = false;
        rules.columns = {
            {RuledGrid::StockList, QStringLiteral("KAMPFIYAT"), false, false, {}},
            {RuledGrid::StockList, QStringLiteral("K"), false, false, {}},
            {RuledGrid::NewProducts, QStringLiteral("K"), false, false, {}},
            {RuledGrid::NewProducts, QStringLiteral("KAMPFIYAT"), false, false, {}},
        };
    }
    return rules;
}

std::vector<ColumnRule> ColumnRulesFor(RuledGrid grid, int musteriTipi)
{
    std::vector<ColumnRule> result;
    for (const ColumnRule& rule : RulesForUserType(musteriTipi).columns) {
        if (rule.grid == grid)
            result.push_back(rule);
    }
    return result;
}

void ApplyUserTypeRules(TForm1& form, int musteriTipi)
{
    const UserTypeRules rules = RulesForUserType(musteriTipi);
    form.musteritus->setVisible(rules.customerButtonVisible);
    form.R1->setVisible(rules.reportsVisible);
    const int campaignTab = form.sPageControl1->indexOf(form.campaignProductsTab->page());
    if (campaignTab >= 0)
        form.sPageControl1->setTabVisible(campaignTab, rules.campaignTabVisible);
    for (const ColumnRule& rule : ColumnRulesFor(RuledGrid::StockList, musteriTipi))
        form.stockListTab->applyColumnRule(rule.field, rule.shown, rule.offered);
}
