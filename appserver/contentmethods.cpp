#include "handlers.h"

#include "database.h"
#include "tablebuilder.h"

#include "server/baglantiu.h"
#include "server/mobilstokunit.h"

namespace appserver {
namespace {

TAcilisEkran screen(const QVariantList& row)
{
    TAcilisEkran e;
    e.setSiraNo(row[0].toInt());
    e.setBaslik(row[1].toString());
    e.setArama(row[2].toString());
    // Pictures travel as hexadecimal text, two digits per byte.
    e.setResim(QString::fromLatin1(row[3].toByteArray().toHex().toUpper()));
    return e;
}

Answer banner(Connection& db, int no)
{
    const QByteArray bytes = db.scalar("SELECT RESIM FROM banner WHERE NO = ?", {no}).toByteArray();
    return Answer{QJsonValue(qint64(bytes.size())), QJsonValue(QString::fromLatin1(bytes.toBase64()))};
}

} // namespace

void RegisterContentMethods(HandlerTable& t)
{
    // One row: basket lines, new items, campaign items, announcements, open balance.
    t["BalonGetir"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        const QString sql =
            "SELECT (SELECT COUNT(*) FROM sepet WHERE CARINO = ?1) AS SEPET, "
            "(SELECT COUNT(*) FROM stok WHERE Y = 1) AS YENI, "
            "CASE WHEN ?2 = 4 THEN 0 ELSE (SELECT COUNT(*) FROM stok WHERE K > 0) END AS KAMPANYA, "
            "(SELECT COUNT(*) FROM duyuru WHERE REKLAM = 0) AS DUYURU, "
            "(SELECT COALESCE(SUM(x.KALAN), 0.0) FROM siparissatir x JOIN siparis o ON o.IDNO = x.IDNO "
            " WHERE o.CARINO = ?1 AND o.DURUM < 6) AS BAKIYE";
        return Answer{QueryTableAnswer(c.db, sql, {b.CARINO(), b.MusteriTipi()},
                                       {{"SEPET", FieldType::Int32}, {"YENI", FieldType::Int32},
                                        {"KAMPANYA", FieldType::Int32}, {"DUYURU", FieldType::Int32}})};
    };
    t["AcilisEkranlarVer2"] = [](CallContext& c) {
        QList<TAcilisEkran> list;
        for (const auto& row : c.db.query("SELECT SIRANO, BASLIK, ARAMA, RESIM FROM duyuru WHERE REKLAM = 0 ORDER BY SIRANO"))
            list << screen(row);
        TAcilisEkranlariki all;
        all.setEkranlar(list);
        return Answer{QJsonValue(all.toJson())};
    };
    t["AcilisReklamAdet"] = [](CallContext& c) {
        return Answer{QJsonValue(c.db.scalar("SELECT COUNT(*) FROM duyuru WHERE REKLAM = 1").toInt())};
    };
    // The index counts from 0; past the end there is no entry (null).
    t["AcilisREklamVer"] = [](CallContext& c) {
        const int sira = c.args.int32(0);
        const auto rows = c.db.query(
            "SELECT SIRANO, BASLIK, ARAMA, RESIM FROM duyuru WHERE REKLAM = 1 ORDER BY SIRANO LIMIT 1 OFFSET ?", {sira});
        if (sira < 0 || rows.empty())
            return Answer{QJsonValue(QJsonValue::Null)};
        return Answer{QJsonValue(screen(rows.front()).toJson())};
    };
    t["KayanYaziGetir"] = [](CallContext& c) {
        return Answer{QJsonValue(c.db.scalar("SELECT DEGER FROM ayar WHERE ANAHTAR = 'KayanYazi'").toString())};
    };
    t["BannerResimVer"] = [](CallContext& c) { return banner(c.db, 1); };
    t["BannerResimVer2"] = [](CallContext& c) { return banner(c.db, 2); };
    t["BannerResimVer3"] = [](CallContext& c) { return banner(c.db, 3); };
}

} // namespace appserver
