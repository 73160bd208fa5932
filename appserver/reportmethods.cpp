#include "handlers.h"

#include "database.h"
#include "media.h"
#include "tablebuilder.h"

#include "server/baglantiu.h"

#include <QDate>

namespace appserver {
namespace {

// Dates arrive as day numbers counted from 30 December 1899.
QString dateOf(double day)
{
    return QDate(1899, 12, 30).addDays(qint64(day)).toString(Qt::ISODate);
}

// Salespersons report on their own customers (type 2 on all); others on themselves.
QString scope(const TSonucBilgisi& b, QVariantList& params)
{
    if (b.MusteriTipi() == 2)
        return "1";
    if (b.MusteriTipi() == 1) {
        params << b.SaticiNo();
        return "c.SATICINO = ?";
    }
    params << b.CARINO();
    return "c.CARINO = ?";
}

const QString kLineNet = "ROUND2(NETAFTER(x.FIYAT * x.MIKTAR, x.IND1, x.IND2, x.IND3, x.IND4))";

} // namespace

void RegisterReportMethods(HandlerTable& t)
{
    t["RaporAlinanSiparisler"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        QVariantList params{dateOf(c.args.number(1)), dateOf(c.args.number(2))};
        const QString where = scope(b, params);
        const QString sql =
            "SELECT COALESCE(st.ADI, '') AS SATICIADI, o.IDNO, o.CARINO, o.TARIH, 'TL' AS KUR, 1.0 AS KURTL, "
            "o.VERENID AS VERENIDNO, COALESCE(k.ADI, '') AS KARGO, COALESCE(tl.ADI, '') AS TESLIM, "
            "COALESCE(u.ADI, '') AS VEREN, c.CARIKOD, c.CARIADI, "
            "CASE o.DURUM WHEN 1 THEN 'Alındı' WHEN 2 THEN 'Görüldü' WHEN 3 THEN 'Onaylandı' "
            "WHEN 4 THEN 'Parçalı Hazırlandı' WHEN 5 THEN 'Hazırlandı' ELSE 'Sevk Edildi' END AS DURUM, "
            "COALESCE(f.ADI, '') AS KARGOADI, "
            "COALESCE((SELECT SUM(ROUND2(" + kLineNet + " * x.KDV / 100)) FROM siparissatir x WHERE x.IDNO = o.IDNO), 0.0) AS VERGI, "
            "COALESCE((SELECT SUM(" + kLineNet + ") FROM siparissatir x WHERE x.IDNO = o.IDNO), 0.0) AS NETTUTAR, "
            "COALESCE((SELECT SUM(ROUND2(x.FIYAT * x.MIKTAR)) FROM siparissatir x WHERE x.IDNO = o.IDNO), 0.0) AS TUTAR "
            "FROM siparis o JOIN cari c ON c.CARINO = o.CARINO LEFT JOIN satici st ON st.SATICINO = c.SATICINO "
            "LEFT JOIN kargo k ON k.ID = o.KARGOID LEFT JOIN teslim tl ON tl.ID = o.TESLIMID "
            "LEFT JOIN kullanici u ON u.SIRANO = o.VERENID LEFT JOIN kargofirma f ON f.SIRANO = o.KARGOFIRMAID "
            "WHERE o.TARIH BETWEEN ? AND ? AND " + where + " ORDER BY SATICIADI, o.TARIH";
        return Answer{QueryTableAnswer(c.db, sql, params, {{"IDNO", FieldType::Double}})};
    };
    t["RaporEnCokSatilanStoklar"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        QVariantList params{dateOf(c.args.number(1)), dateOf(c.args.number(2))};
        const QString where = scope(b, params);
        const QString sql =
            "SELECT s.BARKOD, s.FINISHKOD AS KOD, s.ADI, s.DEPARTMAN, SUM(x.MIKTAR) AS MIKTAR, "
            "SUM(" + kLineNet + ") AS NETTUTAR, SUM(ROUND2(" + kLineNet + " * x.KDV / 100)) AS TLVERGI, "
            "SUM(ROUND2(x.FIYAT * x.MIKTAR)) AS TUTAR FROM siparissatir x JOIN siparis o ON o.IDNO = x.IDNO "
            "JOIN cari c ON c.CARINO = o.CARINO JOIN stok s ON s.STOKNO = x.STOKNO "
            "WHERE o.TARIH BETWEEN ? AND ? AND " + where + " GROUP BY s.STOKNO ORDER BY MIKTAR DESC LIMIT 500";
        return Answer{QueryTableAnswer(c.db, sql, params)};
    };
    // A PDF of the customer's orders in the period, drawn on request.
    t["RaporGetir"] = [](CallContext& c) {
        const auto& a = c.args;
        const QString from = dateOf(a.number(5)), to = dateOf(a.number(6));
        const QString name = c.db.scalar("SELECT ADI FROM rapor WHERE RAPORNO = ?", {a.int32(0)}).toString();
        if (name.isEmpty())
            return Answer{QJsonValue(0), QJsonValue(QString())};
        QStringList lines{"Cari No: " + QString::number(a.int32(3)), "Temsilci: " + a.text(4),
                          "Dönem: " + from + " - " + to, ""};
        for (const auto& r : c.db.query("SELECT o.IDNO, o.TARIH, COUNT(x.SIRANO), COALESCE(SUM(" + kLineNet + "), 0.0) "
                                        "FROM siparis o LEFT JOIN siparissatir x ON x.IDNO = o.IDNO "
                                        "WHERE o.CARINO = ? AND o.TARIH BETWEEN ? AND ? GROUP BY o.IDNO ORDER BY o.TARIH",
                                        {a.int32(3), from, to}))
            lines << QString("Sipariş %1  %2  %3 kalem  %4 TL")
                         .arg(r[0].toString(), r[1].toString(), r[2].toString(), QString::number(r[3].toDouble(), 'f', 2));
        const QByteArray pdf = media::SimplePdf(name, lines);
        return Answer{QJsonValue(qint64(pdf.size())), QJsonValue(QString::fromLatin1(pdf.toBase64()))};
    };
}

} // namespace appserver
