#pragma once

#include <QString>

// Rules the server shares with the client so both compute and match alike.
namespace appserver {

// Turkish letters folded the way the client's search box maps them
// (ğ→G, ü→U, ş→S, ı→I, i→I, ö→O, ç→C and their capitals), then upper case.
QString FoldForSearch(const QString& text);

// Net after successive discounts (a rate of 0 or below is skipped), not rounded.
double ApplyDiscounts(double gross, double ind1, double ind2, double ind3, double ind4);

// Half away from zero to two decimals, as the client's RoundTwoDecimals.
double Round2(double value);

// The money fields of one basket or order line.
struct LineAmounts {
    double tutar = 0;         // gross amount
    double indirimTutar = 0;  // discount amount
    double netTutar = 0;      // amount after discounts
    double netBirimFiyat = 0; // unit price after discounts
    double vergiTutari = 0;   // VAT amount
};
LineAmounts ComputeLine(double miktar, double fiyat, double kdv, double ind1, double ind2, double ind3,
                        double ind4);

// "10+5" for the rates 10 and 5; empty when there is no discount.
QString DiscountText(double ind1, double ind2, double ind3, double ind4);

} // namespace appserver
