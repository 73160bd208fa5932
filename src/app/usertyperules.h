#pragma once

#include <QString>

#include <vector>

class TForm1;

// What the kind of user (MusteriTipi of the login record) changes in the main
// window. 1 and 2 are salespersons; 3 and 4 are customers with restrictions;
// every other value keeps the design defaults: "Başka Cari Seç" and "Raporlar"
// hidden, the columns KALAN, ALINANSIPARIS and VERILENSIPARIS hidden and not
// offered in the column customisation, everything else shown.
//
// This is the one place for these rules: the shell applies its part through
// ApplyUserTypeRules, and every grid named below looks its columns up here
// (ColumnRulesFor) when it builds its column table.

enum class RuledGrid { StockList, Basket, NewProducts, CampaignProducts };

// A grid column whose design state the user type changes.
struct ColumnRule {
    RuledGrid grid;
    QString field;
    bool shown;   // visible in the grid
    bool offered; // may be switched on and off in the column customisation
    QString caption; // empty: the grid's own caption
};

struct UserTypeRules {
    bool customerButtonVisible = false; // musteritus "Başka Cari Seç"
    bool reportsVisible = false;        // R1 "Raporlar"
    bool campaignTabVisible = true;     // "Kampanyalı Stoklar"
    std::vector<ColumnRule> columns;
};

UserTypeRules RulesForUserType(int musteriTipi);

// The column rules of one grid for this kind of user.
std::vector<ColumnRule> ColumnRulesFor(RuledGrid grid, int musteriTipi);

// Shows and hides the shell's controls (button, menu entry, tab) by the rules.
void ApplyUserTypeRules(TForm1& form, int musteriTipi);
