#include "handlers.h"

#include "database.h"
#include "tablebuilder.h"

#include "platform/format/formatfloat.h"

#include <QDate>
#include <QLocale>

namespace appserver {
namespace {

QString money(double v)
{
    return FormatFloat(kMoneyFormat, v, QLocale(QLocale::Turkish, QLocale::Turkey));
}

double balanceOf(Connection& db, int carino)
{
    return db.scalar("SELECT COALESCE(SUM(BORC - ALACAK), 0.0) FROM hareket WHERE CARINO = ?", {carino}).toDouble();
}

// Debits fallen due and not covered by the credits so far.
QString overdueWarning(Connection& db, int carino)
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const double due = db.scalar("SELECT COALESCE(SUM(BORC), 0.0) FROM hareket WHERE CARINO = ? AND VADETARIHI < ?",
                                 {carino, today})
                           .toDouble();
    const double paid = db.scalar("SELECT COALESCE(SUM(ALACAK), 0.0) FROM hareket WHERE CARINO = ?", {carino}).toDouble();
    const double overdue = due - paid;
    if (overdue < 0.005)
        return {};
    return QString("Vadesi geçmiş %1 TL bakiyeniz bulunmaktadır. Lütfen ödemenizi yapınız.").arg(money(overdue));
}

} // namespace

void RegisterStatementMethods(HandlerTable& t)
{
    // BAKIYE and D are sent for the client to fill with its running balance.
    t["CariEkstreVer"] = [](CallContext& c) {
        return Answer{QueryTableAnswer(c.db,
                                       "SELECT CARINO, TARIH, TURADI, EVRAK, BORC, ALACAK, 'TL' AS KUR, 0.0 AS BAKIYE, "
                                       "' ' AS D, IDNO, ACIKLAMA FROM hareket WHERE CARINO = ? ORDER BY TARIH, IDNO",
                                       {c.args.int32(0)}, {{"IDNO", FieldType::Int32}})};
    };
    t["FaturaGetir"] = [](CallContext& c) {
        const QString sql = R"SQL(
SELECT s.OEMNO, s.ADI AS STOKADI, s.FINISHKOD, s.MARKA, s.MODEL, s.ANAGRUP, s.OZELKOD, s.BIRIM, s.BARKOD,
  h.TARIH AS STOKHAR_HAREKETTARIHI, h.TURADI AS STOKHAR_HAREKETTIPI2, h.EVRAK AS EVRAKNO,
  f.MIKTAR AS STOKHAR_MIKTAR, f.FIYAT AS STOKHAR_TLBIRIMFIYATI,
  ROUND2(ROUND2(NETAFTER(f.FIYAT * f.MIKTAR, f.IND1, f.IND2, 0, 0)) * f.KDV / 100) AS STOKHAR_TLVERGI,
  ROUND2(f.FIYAT * f.MIKTAR) AS STOKHAR_TLTUTAR, f.IND1 AS STOKHAR_INDIRIM1, f.IND2 AS STOKHAR_INDIRIM2,
  0.0 AS STOKHAR_INDIRIM3, f.KDV AS KDV,
  ROUND2(f.FIYAT * f.MIKTAR - NETAFTER(f.FIYAT * f.MIKTAR, f.IND1, f.IND2, 0, 0)) AS STOKHAR_TOPLAMINDIRIM,
  0.0 AS STOKHAR_TOPLAMMASRAF,
  ROUND2(ROUND2(NETAFTER(f.FIYAT * f.MIKTAR, f.IND1, f.IND2, 0, 0)) / f.MIKTAR) AS STOKHAR_NETTLBIRIMFIYATI,
  ROUND2(NETAFTER(f.FIYAT * f.MIKTAR, f.IND1, f.IND2, 0, 0)) AS STOKHAR_NETTLTUTAR, 1.0 AS STOKHAR_KURTL,
  CAST(julianday(h.VADETARIHI) - julianday(h.TARIH) AS INTEGER) AS STOKHAR_VADE, COALESCE(st.ADI, '') AS SATICIADI,
  s.URETICIKODU, s.DPKOD, s.PKOD, h.IDNO
FROM faturasatir f JOIN hareket h ON h.IDNO = f.IDNO JOIN stok s ON s.STOKNO = f.STOKNO
JOIN cari c ON c.CARINO = h.CARINO LEFT JOIN satici st ON st.SATICINO = c.SATICINO
WHERE h.CARINO = ? AND h.IDNO = ? ORDER BY f.SIRANO)SQL";
        return Answer{QueryTableAnswer(c.db, sql, {c.args.int32(0), c.args.int32(1)},
                                       {{"STOKHAR_VADE", FieldType::Int32}})};
    };
    // One row of totals.
    t["FaturaAltGetir"] = [](CallContext& c) {
        const QString sql = R"SQL(
SELECT COALESCE(SUM(ROUND2(FIYAT * MIKTAR)), 0.0) AS TOPLAM,
  COALESCE(SUM(ROUND2(FIYAT * MIKTAR - NETAFTER(FIYAT * MIKTAR, IND1, IND2, 0, 0))), 0.0) AS TOPLAMINDIRIM,
  COALESCE(SUM(ROUND2(NETAFTER(FIYAT * MIKTAR, IND1, IND2, 0, 0))), 0.0) AS MATRAH,
  COALESCE(SUM(ROUND2(ROUND2(NETAFTER(FIYAT * MIKTAR, IND1, IND2, 0, 0)) * KDV / 100)), 0.0) AS KDVTUTAR,
  COALESCE(SUM(ROUND2(NETAFTER(FIYAT * MIKTAR, IND1, IND2, 0, 0)) + ROUND2(ROUND2(NETAFTER(FIYAT * MIKTAR, IND1, IND2, 0, 0)) * KDV / 100)), 0.0) AS KDVDAHIL
FROM faturasatir WHERE IDNO = ?)SQL";
        return Answer{QueryTableAnswer(c.db, sql, {c.args.int32(0)})};
    };
    t["Tahsilat"] = [](CallContext& c) {
        const QString sql = R"SQL(
SELECT h.TARIH AS "Tarih", h.TURADI AS "Türü",
  CASE WHEN h.SANALPOSNO > 0 THEN 'Kredi Kartı' ELSE 'Nakit' END AS "Cins", h.EVRAK AS "EvrakNo",
  h.VADETARIHI AS "Vade", h.ALACAK + h.BORC AS "Tutar", 'TL' AS "Kur", 1.0 AS "KurTL", h.ACIKLAMA AS "Açıklama",
  0.0 AS "Döviz Tutar", h.IDNO AS "Ref", '12:00:00' AS "Saat"
FROM hareket h WHERE h.IDNO = ? AND h.TURADI IN ('Tahsilat', 'Tediye'))SQL";
        return Answer{QueryTableAnswer(c.db, sql, {c.args.int32(0)},
                                       {{"Tarih", FieldType::Date}, {"Vade", FieldType::Date}, {"Tutar", FieldType::Double},
                                        {"KurTL", FieldType::Double}, {"Döviz Tutar", FieldType::Double}})};
    };
    t["SanalposSiranoVer"] = [](CallContext& c) {
        return Answer{QJsonValue(c.db.scalar("SELECT COALESCE(MAX(SIRANO), 0) FROM sanalpos WHERE IDNO = ?",
                                             {c.args.int32(0)}).toInt())};
    };
    t["SAnalPosPdfVer"] = [](CallContext& c) {
        const QByteArray pdf = c.db.scalar("SELECT PDF FROM sanalpos WHERE SIRANO = ?", {c.args.int32(0)}).toByteArray();
        return Answer{QJsonValue(qint64(pdf.size())), QJsonValue(QString::fromLatin1(pdf.toBase64()))};
    };
    t["CariDurumVer"] = [](CallContext& c) {
        if (!c.db.scalar("SELECT 1 FROM cari WHERE CARINO = ?", {c.args.int32(0)}).isValid())
            return Answer{QJsonValue(QString())};
        return Answer{QJsonValue(money(balanceOf(c.db, c.args.int32(0))))};
    };
    t["CariVadeGunGecmismiBul"] = [](CallContext& c) { return Answer{QJsonValue(overdueWarning(c.db, c.args.int32(0)))}; };
}

} // namespace appserver
