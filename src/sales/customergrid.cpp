#include "sales/customergrid.h"

#include "platform/grid/datagrid.h"

namespace {

ColumnTable customerColumns()
{
    constexpr auto shown = ColumnVisibility::Shown;
    constexpr auto hidden = ColumnVisibility::HiddenOffered;
    const std::pair<const char*, ColumnVisibility> columns[] = {
        {"CARINO", hidden},         {"CARIKOD", shown},        {"CARIADI", shown},
        {"SATICISI", shown},        {"TLBAKIYE", shown},       {"DURUM", shown},
        {"OZELKOD", hidden},        {"KOD1", hidden},          {"KOD2", hidden},
        {"KOD3", hidden},           {"KOD4", hidden},          {"KOD5", hidden},
        {"TEL1", hidden},           {"TEL2", hidden},          {"ILCE", hidden},
        {"IL", hidden},             {"GSM", hidden},           {"SEPET", shown},
        {"YETKILI", hidden},        {"INDIRIM", hidden},       {"VADE", hidden},
        {"VADEKONTROLGUN", hidden}, {"VADEKONTROLAY", hidden}, {"VERGIDAIRESI", hidden},
        {"VERGINO", hidden},        {"ADRES1", hidden},        {"ADRES2", hidden},
        {"ANAGRUP", hidden},        {"ALTGRUP", hidden},       {"FAX1", hidden},
        {"FAX2", hidden},           {"EMAIL", hidden},         {"ALINDI", shown},
        {"ONAYLANDI", shown},       {"GORULDU", shown},        {"HAZIRLANDI", shown},
        {"PARCALIHAZIRLANDI", shown}};
    ColumnTable table;
    for (const auto& [field, visibility] : columns) {
        ColumnSpec spec;
        spec.field = QString::fromLatin1(field);
        spec.visibility = visibility;
        table.push_back(spec);
    }
    return table;
}

} // namespace

DataGrid* CreateCustomerGrid(QWidget* parent)
{
    auto* grid = new DataGrid(parent);
    GridOptions options;
    options.headerHeight = 40;
    options.rowHeight = 24;
    options.showFooter = true;
    grid->setOptions(options);
    grid->setColumns(customerColumns());
    grid->setFooterSummaries({FooterSummary{QStringLiteral("CARIKOD"), FooterSummary::Kind::Count}});
    return grid;
}
