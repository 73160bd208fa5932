#pragma once

#include "platform/grid/columnspec.h"

#include <QString>
#include <QStringList>

#include <functional>

class ClientDataSet;

// The caption of the column the program draws itself: the row's prices as one
// summary, shown instead of the four price columns on narrow windows.
inline const QString kPriceSummaryCaption = QStringLiteral("Fiyat Bilgisi");

// The price columns that show on wide windows only.
QStringList WidePriceFields();

// Column table of the stock grid: states, codes, names, prices and flags, in
// the order the dealer sees them. While `campaignPriceShown` answers false the
// price summary leaves the campaign price out (a customer kind that sees no
// campaigns); without it the campaign price is always part of the summary.
ColumnTable StockColumns(std::function<bool()> campaignPriceShown = {});

// The price summary of one row, each line ending in "\r\n": list price, the
// campaign price when there is one (greater than 0) and it may be shown, net
// price, price with VAT; each formatted as money. A missing price shows its
// label without a number.
QString StockPriceSummary(const ClientDataSet& dataSet, int row, bool withCampaignPrice = true);

// Paints the summary right-aligned and vertically centred, 10 pixels in from
// either side, on the row's own background.
void PaintStockPriceSummary(QPainter& painter, const GridCell& cell, bool withCampaignPrice);
