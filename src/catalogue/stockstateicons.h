#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// Stock state codes (DURUM) of the stock lists: 0 none, 1 in stock, 2 call us,
// 3 on the way, 4 special order, 5 being supplied, 6 running low. Any other
// value (an empty field included) has an icon of its own and no description.
QIcon StockStateIcon(int durum);

// The caption beside the state's icon in the legend strip, blanks included;
// empty for a code without a description.
QString StockStateLegendLabel(int durum);

// The legend's heading and the codes it explains, in the order they are shown.
QString StockStateLegendHeading();
QList<int> StockStateLegendOrder();
