#include "handlers.h"

#include "database.h"
#include "linecolumns.h"
#include "tablebuilder.h"

#include "server/baglantiu.h"

#include <QDateTime>

namespace appserver {
namespace {

// Order state codes and their names.
const QString kStateName = QStringLiteral(
    "CASE o.DURUM WHEN 1 THEN 'Alındı' WHEN 2 THEN 'Görüldü' WHEN 3 THEN 'Onaylandı' "
    "WHEN 4 THEN 'Parçalı Hazırlandı' WHEN 5 THEN 'Hazırlandı' WHEN 6 THEN 'Sevk Edildi' ELSE '' END");

QString orderLineSource(const QString& where)
{
    return "SELECT x.SIRANO, x.IDNO, o.CARINO, x.STOKNO, x.BARKOD, x.STOKADI, x.MIKTAR, x.KDV, x.FIYAT, x.ILKFIYAT, "
           "x.IND1, x.IND2, x.IND3, x.IND4, x.TESLIMEDILEN, x.KALAN, o.TARIH, o.SAAT, o.TESLIMID, o.KARGOID, "
           "o.ACIKLAMA, o.VERENID, 0 AS SEC FROM siparissatir x JOIN siparis o ON o.IDNO = x.IDNO " +
           where;
}

// Moves exactly the selected lines of the customer's basket into a new order,
// all in one transaction; with no selected line nothing changes.
bool saveOrder(CallContext& c)
{
    const auto& a = c.args;
    const int carino = a.int32(1);
    Transaction t(c.db);
    const auto lines = c.db.query("SELECT SIRANO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, FIYAT, IND1, IND2, IND3, IND4 "
                                  "FROM sepet WHERE CARINO = ? AND SEC = 1 ORDER BY SIRANO",
                                  {carino});
    if (lines.empty())
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    c.db.run("INSERT INTO siparis (CARINO, TARIH, SAAT, TESLIMID, KARGOID, KARGOFIRMAID, ACIKLAMA, VERENID, DURUM) "
             "VALUES (?,?,?,?,?,?,?,?,1)",
             {carino, now.date().toString(Qt::ISODate), now.time().toString("HH:mm:ss"), a.int32(2), a.int32(3),
              a.int32(6), a.text(4), a.int32(5)});
    const qint64 idno = c.db.lastInsertId();
    for (const QVariantList& l : lines) {
        c.db.run("INSERT INTO siparissatir (IDNO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, FIYAT, ILKFIYAT, "
                 "IND1, IND2, IND3, IND4, TESLIMEDILEN, KALAN) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,0,?)",
                 {idno, l[1], l[2], l[3], l[4], l[5], l[6], l[6], l[7], l[8], l[9], l[10], l[4]});
        c.db.run("DELETE FROM sepet WHERE SIRANO = ?", {l[0]});
    }
    t.commit();
    return true;
}

QJsonValue orderFooter(Connection& db, int idno)
{
    TSiparisDipAyrinti r;
    const auto rows = db.query(
        "SELECT o.ACIKLAMA, " + kStateName +
            ", COALESCE(u.ADI, ''), COALESCE(f.ADI, ''), o.ALANNOTU, COALESCE(t.ADI, ''), COALESCE(k.ADI, ''), "
            "o.SATICINOTU FROM siparis o LEFT JOIN kullanici u ON u.SIRANO = o.VERENID "
            "LEFT JOIN kargofirma f ON f.SIRANO = o.KARGOFIRMAID LEFT JOIN teslim t ON t.ID = o.TESLIMID "
            "LEFT JOIN kargo k ON k.ID = o.KARGOID WHERE o.IDNO = ?",
        {idno});
    // An unknown order still gets a footer, with every text empty.
    if (!rows.empty()) {
        const QVariantList& f = rows.front();
        r.setSizinMesaj(f[0].toString());
        r.setDurumu(f[1].toString());
        r.setVeren(f[2].toString());
        r.setKargo(f[3].toString());
        r.setBizimMesaj(f[4].toString());
        r.setTeslimCinsi(f[5].toString());
        r.setKargoCinsi(f[6].toString());
        r.setSaticiNotu(f[7].toString());
    }
    return r.toJson();
}

int changeBalance(CallContext& c, const QString& sql, const QVariantList& params)
{
    Transaction t(c.db);
    const int n = c.db.run(sql, params);
    t.commit();
    return n;
}

} // namespace

void RegisterOrderMethods(HandlerTable& t)
{
    t["SiparisKaydet"] = [](CallContext& c) { return Answer{QJsonValue(saveOrder(c))}; };
    t["TeslimVer"] = [](CallContext& c) { return Answer{QueryTableAnswer(c.db, "SELECT ID, ADI FROM teslim ORDER BY ID")}; };
    t["KargoVer"] = [](CallContext& c) { return Answer{QueryTableAnswer(c.db, "SELECT ID, ADI FROM kargo ORDER BY ID")}; };
    t["KargolarVer"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(c.db, "SELECT SIRANO, ADI, UYARI FROM kargofirma WHERE KARGOID = ? ORDER BY SIRANO",
                                       {c.args.int32(0)}, {{"SIRANO", FieldType::Int32}})};
    };
    t["OncekiSiparisler"] = [](CallContext& c) {
        const QString sql =
            "SELECT o.CARINO, o.IDNO, o.TARIH, 'TL' AS KUR, 1.0 AS KURTL, o.VERENID AS VERENIDNO, "
            "COALESCE(k.ADI, '') AS KARGO, COALESCE(t.ADI, '') AS TESLIM, COALESCE(u.ADI, '') AS VEREN, "
            "c.CARIKOD, c.CARIADI, "
            "COALESCE((SELECT SUM(ROUND2(ROUND2(NETAFTER(x.FIYAT * x.MIKTAR, x.IND1, x.IND2, x.IND3, x.IND4)) * x.KDV / 100)) "
            "  FROM siparissatir x WHERE x.IDNO = o.IDNO), 0.0) AS VERGI, "
            "COALESCE((SELECT SUM(ROUND2(NETAFTER(x.FIYAT * x.MIKTAR, x.IND1, x.IND2, x.IND3, x.IND4))) "
            "  FROM siparissatir x WHERE x.IDNO = o.IDNO), 0.0) AS NETTUTAR, "
            "COALESCE((SELECT SUM(ROUND2(x.FIYAT * x.MIKTAR)) FROM siparissatir x WHERE x.IDNO = o.IDNO), 0.0) AS TUTAR, " +
            kStateName +
            " AS DURUM, COALESCE(f.ADI, '') AS KARGOADI, o.ACIKLAMA AS VERENINNOTU, o.ALANNOTU "
            "FROM siparis o JOIN cari c ON c.CARINO = o.CARINO LEFT JOIN kargo k ON k.ID = o.KARGOID "
            "LEFT JOIN teslim t ON t.ID = o.TESLIMID LEFT JOIN kullanici u ON u.SIRANO = o.VERENID "
            "LEFT JOIN kargofirma f ON f.SIRANO = o.KARGOFIRMAID WHERE o.CARINO = ? ORDER BY o.IDNO DESC";
        return Answer{QueryTableAnswer(c.db, sql, {c.args.int32(0)}, {{"IDNO", FieldType::Int32}})};
    };
    t["SiparisAyrintisi2"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(c.db, LineSelect(orderLineSource("WHERE x.IDNO = ? AND o.CARINO = ?")) +
                                                 " ORDER BY l.SIRANO",
                                       {c.args.int32(1), c.args.int32(0)})};
    };
    t["SiparisAytintisiDip"] = [](CallContext& c) { return Answer{orderFooter(c.db, c.args.int32(1))}; };
    t["TumSiparislerVer"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(c.db,
                                       LineSelect(orderLineSource("WHERE o.CARINO = ? AND (? = 0 OR x.STOKNO = ?)")) +
                                           " ORDER BY l.IDNO DESC, l.SIRANO",
                                       {c.args.int32(0), c.args.int32(1), c.args.int32(1)})};
    };
    // Open balances: undelivered rests of orders not yet shipped.
    t["BakiyelerVer2"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(
            c.db, LineSelect(orderLineSource("WHERE o.CARINO = ? AND x.KALAN > 0 AND o.DURUM < 6")) + " ORDER BY l.IDNO, l.SIRANO",
            {c.args.int32(0)})};
    };
    // A balance is the rest of one order line (siparissirano = STOKHAR_NO).
    t["BakiyeDuzenle"] = [](CallContext& c) {
        return Answer{QJsonValue(changeBalance(c, "UPDATE siparissatir SET KALAN = 0 WHERE SIRANO = ?", {c.args.int32(3)}))};
    };
    t["BakiyeDegistir"] = [](CallContext& c) {
        const double bakiye = c.args.number(5);
        if (bakiye < 0)
            return Answer{QJsonValue(0)};
        return Answer{QJsonValue(changeBalance(
            c, "UPDATE siparissatir SET KALAN = MIN(?, MIKTAR - TESLIMEDILEN) WHERE SIRANO = ?", {bakiye, c.args.int32(3)}))};
    };
    t["BakiyeFiyatDegistir"] = [](CallContext& c) {
        const double fiyat = c.args.number(7), ind = c.args.number(8);
        if (fiyat < 0 || ind < 0 || ind > 100)
            return Answer{QJsonValue(0)};
        return Answer{QJsonValue(changeBalance(
            c, "UPDATE siparissatir SET FIYAT = ?, IND1 = ?, IND2 = 0, IND3 = 0, IND4 = 0 WHERE SIRANO = ?",
            {fiyat, ind, c.args.int32(3)}))};
    };
}

} // namespace appserver
