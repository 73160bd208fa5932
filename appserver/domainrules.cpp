#include "domainrules.h"

#include "platform/format/formatfloat.h"

#include <QLocale>

namespace appserver {

QString FoldForSearch(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case 0x011F: case 0x011E: out += 'G'; break;
        case 0x00FC: case 0x00DC: out += 'U'; break;
        case 0x015F: case 0x015E: out += 'S'; break;
        case 0x0131: case 0x0130: case 'i': out += 'I'; break;
        case 0x00F6: case 0x00D6: out += 'O'; break;
        case 0x00E7: case 0x00C7: out += 'C'; break;
        default: out += c.toUpper();
        }
    }
    return out;
}

double ApplyDiscounts(double gross, double ind1, double ind2, double ind3, double ind4)
{
    double net = gross;
    for (double rate : {ind1, ind2, ind3, ind4})
        if (rate > 0)
            net -= net * rate / 100;
    return net;
}

double Round2(double value)
{
    return RoundTwoDecimals(value, QLocale::c());
}

LineAmounts ComputeLine(double miktar, double fiyat, double kdv, double ind1, double ind2, double ind3, double ind4)
{
    LineAmounts a;
    a.tutar = Round2(fiyat * miktar);
    const double net = ApplyDiscounts(fiyat * miktar, ind1, ind2, ind3, ind4);
    a.indirimTutar = Round2(fiyat * miktar - net);
    a.netTutar = Round2(net);
    a.netBirimFiyat = miktar == 0 ? 0 : Round2(a.netTutar / miktar);
    a.vergiTutari = Round2(a.netTutar * kdv / 100);
    return a;
}

QString DiscountText(double ind1, double ind2, double ind3, double ind4)
{
    QStringList parts;
    for (double rate : {ind1, ind2, ind3, ind4})
        if (rate > 0)
            parts << QString::number(rate, 'g', 15);
    return parts.join('+');
}

} // namespace appserver
