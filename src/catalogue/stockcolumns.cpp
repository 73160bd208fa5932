#include "catalogue/stockcolumns.h"

#include "catalogue/stockstateicons.h"
#include "platform/dataset/clientdataset.h"
#include "platform/format/formatfloat.h"
#include "platform/grid/gridstyle.h"

#include <QPainter>

namespace {

struct StockColumn {
    const char* field;
    const char* caption;
    ColumnVisibility visibility;
    int weight;
    DisplayKind display;
};

constexpr auto kShown = ColumnVisibility::Shown;
constexpr auto kOffered = ColumnVisibility::HiddenOffered;
constexpr auto kHidden = ColumnVisibility::HiddenNotOffered;
// The price columns follow the window's width (LayoutStockColumns), not the user.
constexpr auto kByWidth = ColumnVisibility::HiddenNotOffered;
constexpr auto kWrapped = DisplayKind::WrappedText;

const StockColumn kStockColumns[] = {
    {"DURUM", "Durum", kShown, 1, DisplayKind::Icon},
    {"OEM1", "Oem1", kOffered, 2, kWrapped},
    {"OEM2", "Oem2", kOffered, 2, kWrapped},
    {"OEM3", "Oem3", kOffered, 2, kWrapped},
    {"BARKOD", "Barkod", kShown, 2, kWrapped},
    {"ADI", "Açıklama", kShown, 3, kWrapped},
    {"OEM4", "Oem4", kOffered, 2, kWrapped},
    {"STOK_STOKNO", "", kHidden, 1, kWrapped},
    {"FINISHKOD", "Finish Kod", kShown, 2, kWrapped},
    {"URETICIKODU", "Üretici Kod", kOffered, 2, kWrapped},
    {"RESIM", "Resim", kShown, 1, DisplayKind::PictureIcon},
    {"BARKOD_BARKODNO", "", kHidden, 1, kWrapped},
    {"DIGERADI", "Diğer Adı", kOffered, 3, kWrapped},
    {"DPKOD", "", kHidden, 2, kWrapped},
    {"OEMNO", "Oem No", kOffered, 2, kWrapped},
    {"BIRIM", "Birim", kOffered, 1, kWrapped},
    {"MARKA", "Marka", kShown, 2, kWrapped},
    {"MODEL", "Model", kShown, 2, kWrapped},
    {"ANAGRUP", "Ana Grup", kOffered, 2, kWrapped},
    {"OZELKOD", "Özel Kod", kOffered, 2, kWrapped},
    {"KALAN", "", kHidden, 1, kWrapped},
    {"PKOD", "", kHidden, 1, kWrapped},
    {"KDV", "", kOffered, 1, kWrapped},
    {"ALINANSIPARIS", "", kHidden, 1, kWrapped},
    {"VERILENSIPARIS", "", kHidden, 1, kWrapped},
    {"LISTEFIYAT1", "Liste Fiyatı", kByWidth, 2, kWrapped},
    {"KAMPFIYAT", "Kampanyalı Fiyat", kByWidth, 2, kWrapped},
    {"FIYAT", "Liste Fiyatı", kOffered, 2, kWrapped},
    {"Y", "Yeni", kShown, 1, DisplayKind::YesNoIcon},
    {"K", "Kampanyalı", kShown, 1, DisplayKind::YesNoIcon},
    {"INDIRIMYAZI", "İndirim Oran", kShown, 2, DisplayKind::CentredText},
    {"NETFIYAT", "Net Fiyatı", kByWidth, 2, kWrapped},
    {"KDVDAHIL", "KDV Dahil Fiyat", kByWidth, 3, kWrapped},
};

QIcon StateIconOf(const QVariant& value)
{
    bool ok = false;
    const int durum = value.toInt(&ok);
    // An empty state has an icon of its own.
    return StockStateIcon(value.isNull() || !ok ? -1 : durum);
}

// "Label: 1.234,50" for a price, the label alone when the row has none.
QString PriceLine(const ClientDataSet& dataSet, int row, const char* field, const char* label)
{
    QString line = QString::fromUtf8(label);
    const int column = dataSet.fieldIndex(QString::fromLatin1(field));
    if (column >= 0 && !dataSet.isNull(row, column))
        line += FormatFloat(QString::fromLatin1(kMoneyFormat), dataSet.value(row, column).toDouble());
    return line + QStringLiteral("\r\n");
}

double PriceOf(const ClientDataSet& dataSet, int row, const char* field)
{
    const int column = dataSet.fieldIndex(QString::fromLatin1(field));
    return column >= 0 && !dataSet.isNull(row, column) ? dataSet.value(row, column).toDouble() : 0.0;
}

} // namespace

QStringList WidePriceFields()
{
    return {QStringLiteral("KDVDAHIL"), QStringLiteral("NETFIYAT"), QStringLiteral("KAMPFIYAT"),
            QStringLiteral("LISTEFIYAT1")};
}

ColumnTable StockColumns(std::function<bool()> campaignPriceShown)
{
    ColumnTable table;
    for (const StockColumn& c : kStockColumns) {
        ColumnSpec spec;
        spec.field = QString::fromLatin1(c.field);
        spec.caption = QString::fromUtf8(c.caption);
        spec.visibility = c.visibility;
        spec.weight = c.weight;
        spec.display = c.display;
        if (c.display == DisplayKind::Icon)
            spec.icon = StateIconOf;
        if (spec.field == QLatin1String("KALAN"))
            spec.sort = Qt::DescendingOrder; // most in stock first
        table.push_back(std::move(spec));
    }
    ColumnSpec summary;
    summary.caption = kPriceSummaryCaption;
    summary.visibility = kByWidth;
    summary.weight = 2;
    summary.display = DisplayKind::CustomDrawn;
    auto campaign = [shown = std::move(campaignPriceShown)] { return !shown || shown(); };
    summary.paint = [campaign](QPainter& painter, const GridCell& cell) {
        PaintStockPriceSummary(painter, cell, campaign());
    };
    summary.text = [campaign](const ClientDataSet& dataSet, int row) {
        return StockPriceSummary(dataSet, row, campaign()).trimmed();
    };
    table.push_back(std::move(summary));
    return table;
}

QString StockPriceSummary(const ClientDataSet& dataSet, int row, bool withCampaignPrice)
{
    QString text = PriceLine(dataSet, row, "LISTEFIYAT1", "Liste Fiyatı: ");
    if (withCampaignPrice && PriceOf(dataSet, row, "KAMPFIYAT") > 0)
        text += PriceLine(dataSet, row, "KAMPFIYAT", "Kampanyalı Fiyat: ");
    text += PriceLine(dataSet, row, "NETFIYAT", "NetFiyat: ");
    text += PriceLine(dataSet, row, "KDVDAHIL", "KDV li Fiyat: ");
    return text;
}

void PaintStockPriceSummary(QPainter& painter, const GridCell& cell, bool withCampaignPrice)
{
    // The row's own stripe, so the cell matches the cells beside it whatever
    // order the grid shows the rows in.
    const GridStyle style = cell.style ? *cell.style : GridStyle::standard();
    painter.fillRect(cell.rect, style.rowBackground(cell.viewRow, cell.selected));
    if (!cell.dataSet || cell.row < 0 || cell.row >= cell.dataSet->recordCount())
        return;
    QString text = StockPriceSummary(*cell.dataSet, cell.row, withCampaignPrice);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.chop(1); // the last line break would push the lines off centre
    painter.setPen(cell.selected ? style.selectedText : style.text);
    painter.drawText(cell.rect.adjusted(10, 0, -10, 0), int(Qt::AlignRight | Qt::AlignVCenter), text);
}
