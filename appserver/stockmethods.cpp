#include "handlers.h"

#include "database.h"
#include "domainrules.h"
#include "tablebuilder.h"

#include "server/baglantiu.h"

namespace appserver {
namespace {

// Every field of the stock, new-products and campaign grids.
QString stockSelect(const QString& where)
{
    return QStringLiteral(R"SQL(
SELECT DURUM, OEM1, OEM2, OEM3, BARKOD, ADI, OEM4, STOKNO AS STOK_STOKNO, FINISHKOD, URETICIKODU,
  CASE WHEN RESIM IS NULL THEN 0 ELSE 1 END AS RESIM, BARKOD AS BARKOD_BARKODNO, DIGERADI, DPKOD, OEMNO, BIRIM,
  MARKA, MODEL, ANAGRUP, OZELKOD, KALAN, PKOD, KDV,
  (SELECT COALESCE(SUM(x.KALAN), 0.0) FROM siparissatir x WHERE x.STOKNO = stok.STOKNO) AS ALINANSIPARIS,
  (STOKNO % 7) * 5.0 AS VERILENSIPARIS,
  ESKIFIYAT AS LISTEFIYAT1, KAMPFIYAT, FIYAT, ESKIFIYAT, Y, K,
  CASE WHEN K > 0 THEN ROUND2(100 - FIYAT * 100 / ESKIFIYAT) ELSE IND1 END AS INDIRIM,
  CASE WHEN K > 0 THEN '%' || CAST(ROUND2(100 - FIYAT * 100 / ESKIFIYAT) AS TEXT)
       ELSE INDYAZI(IND1, IND2, IND3, IND4) END AS INDIRIMYAZI,
  IND1, IND2, IND3, IND4,
  ROUND2(NETAFTER(FIYAT, IND1, IND2, IND3, IND4)) AS NETFIYAT,
  ROUND2(ROUND2(NETAFTER(FIYAT, IND1, IND2, IND3, IND4)) * (1 + KDV / 100)) AS KDVDAHIL
FROM stok )SQL") + where;
}

QString escapedLike(QString token)
{
    token.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return '%' + token + '%';
}

// Every word of the text must appear in the item's codes or names; letters are
// compared folded, so "FREN BALATASI", "fren balatası" and "FREN BALATASı" agree.
RawJson searchStock(Connection& db, const QString& kod)
{
    const QStringList words = FoldForSearch(kod).split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QueryTableAnswer(db, stockSelect("WHERE 0"));
    QStringList conditions;
    QVariantList params;
    for (const QString& w : words) {
        conditions << "ARAMA LIKE ? ESCAPE '\\'";
        params << escapedLike(w);
    }
    return QueryTableAnswer(db, stockSelect("WHERE " + conditions.join(" AND ") + " ORDER BY KALAN DESC, STOKNO LIMIT 3000"),
                            params);
}

} // namespace

void RegisterStockMethods(HandlerTable& t)
{
    t["StokAraGetir"] = [](CallContext& c) { return Answer{searchStock(c.db, c.args.text(0))}; };
    t["YenilerVer2"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(c.db, stockSelect("WHERE Y = 1 ORDER BY STOKNO DESC"))};
    };
    // User type 4 sees no campaigns.
    t["KampanyaliVer2"] = [](CallContext& c) {
        const QString where = c.args.int32(1) == 4 ? "WHERE 0" : "WHERE K > 0 ORDER BY STOKNO";
        return Answer{QueryTableAnswer(c.db, stockSelect(where))};
    };
    t["ResimVer5"] = [](CallContext& c) {
        const QByteArray picture = c.db.scalar("SELECT RESIM FROM stok WHERE STOKNO = ?", {c.args.int32(0)}).toByteArray();
        return Answer{QJsonValue(qint64(picture.size())), QJsonValue(QString::fromLatin1(picture.toBase64()))};
    };
}

} // namespace appserver
