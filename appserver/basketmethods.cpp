#include "handlers.h"

#include "database.h"
#include "linecolumns.h"
#include "tablebuilder.h"

#include "server/baglantiu.h"

#include <QDateTime>

namespace appserver {
namespace {

const QString kBasketSource = QStringLiteral(
    "SELECT SIRANO, 0 AS IDNO, CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, FIYAT, FIYAT AS ILKFIYAT, "
    "IND1, IND2, IND3, IND4, 0.0 AS TESLIMEDILEN, MIKTAR AS KALAN, TARIH, SAAT, NULL AS TESLIMID, "
    "NULL AS KARGOID, '' AS ACIKLAMA, VERENID, SEC FROM sepet WHERE CARINO = ?");

// Quantities and prices the server accepts for a basket line.
bool sensible(double miktar, double fiyat)
{
    return miktar > 0 && miktar < 1e7 && fiyat >= 0 && fiyat < 1e9;
}

int addLine(CallContext& c)
{
    const auto& a = c.args;
    const int carino = a.int32(1);
    const double miktar = a.number(5), fiyat = a.number(7);
    if (!sensible(miktar, fiyat))
        return 0;
    Transaction t(c.db);
    if (!c.db.scalar("SELECT 1 FROM cari WHERE CARINO = ?", {carino}).isValid() ||
        !c.db.scalar("SELECT 1 FROM stok WHERE STOKNO = ?", {a.int32(2)}).isValid())
        return 0;
    const QDateTime now = QDateTime::currentDateTime();
    c.db.run("INSERT INTO sepet (CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, FIYAT, IND1, IND2, IND3, IND4, "
             "VERENID, K, SEC, TARIH, SAAT) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,1,?,?)",
             {carino, a.int32(2), a.text(3), a.text(4), miktar, a.number(6), fiyat, a.number(8), a.number(11),
              a.number(12), a.number(13), a.int32(9), a.int32(10), now.date().toString(Qt::ISODate),
              now.time().toString("HH:mm:ss")});
    t.commit();
    return 1;
}

int updateLine(CallContext& c)
{
    const auto& a = c.args;
    const double miktar = a.number(5), fiyat = a.number(7);
    if (!sensible(miktar, fiyat))
        return 0;
    Transaction t(c.db);
    const int n = c.db.run("UPDATE sepet SET MIKTAR = ?, KDV = ?, FIYAT = ?, IND1 = ?, IND2 = ?, IND3 = ?, IND4 = ? "
                           "WHERE SIRANO = ? AND CARINO = ?",
                           {miktar, a.number(6), fiyat, a.number(8), a.number(11), a.number(12), a.number(13),
                            a.int32(10), a.int32(1)});
    t.commit();
    return n == 1 ? 1 : 0;
}

int changeOne(CallContext& c, const QString& sql, const QVariantList& params)
{
    Transaction t(c.db);
    const int n = c.db.run(sql, params);
    t.commit();
    return n;
}

} // namespace

void RegisterBasketMethods(HandlerTable& t)
{
    t["SepetVer2"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(c.db, LineSelect(kBasketSource) + " ORDER BY l.SIRANO", {c.args.int32(0)},
                                       {{"SEC", FieldType::Int32}, {"SIRANO", FieldType::Int32}})};
    };
    t["SepetEkle2"] = [](CallContext& c) { return Answer{QJsonValue(addLine(c))}; };
    t["SepetGuncelle2"] = [](CallContext& c) { return Answer{QJsonValue(updateLine(c))}; };
    t["SepetSecimGuncelle"] = [](CallContext& c) {
        changeOne(c, "UPDATE sepet SET SEC = ? WHERE SIRANO = ?", {c.args.int32(1) ? 1 : 0, c.args.int32(0)});
        return Answer{};
    };
    t["SepetSatirSil"] = [](CallContext& c) {
        const auto bilgi = c.args.record<TSonucBilgisi>(0);
        return Answer{QJsonValue(changeOne(c, "DELETE FROM sepet WHERE SIRANO = ? AND CARINO = ?",
                                           {c.args.int32(1), bilgi.CARINO()}))};
    };
    t["SepetHepsiniSil"] = [](CallContext& c) {
        const auto bilgi = c.args.record<TSonucBilgisi>(0);
        return Answer{QJsonValue(changeOne(c, "DELETE FROM sepet WHERE CARINO = ?", {bilgi.CARINO()}))};
    };
}

} // namespace appserver
