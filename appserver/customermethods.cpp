#include "handlers.h"

#include "database.h"
#include "domainrules.h"
#include "tablebuilder.h"

#include "server/baglantiu.h"
#include "server/mobilstokunit.h"

#include <QRegularExpression>

namespace appserver {
namespace {

// Which customers a login may list: type 2 all, type 1 its own, others itself.
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

QString stateCount(int state)
{
    return QString("(SELECT COUNT(*) FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = %1)").arg(state);
}

QString customerSelect(const QString& where)
{
    return "SELECT c.CARINO, c.CARIKOD, c.CARIADI, COALESCE(st.ADI, '') AS SATICISI, "
           "(SELECT COALESCE(SUM(h.BORC - h.ALACAK), 0.0) FROM hareket h WHERE h.CARINO = c.CARINO) AS TLBAKIYE, "
           "c.DURUM, c.OZELKOD, c.KOD1, c.KOD2, c.KOD3, c.KOD4, c.KOD5, c.TEL1, c.TEL2, c.ILCE, c.IL, c.GSM, "
           "(SELECT COUNT(*) FROM sepet s WHERE s.CARINO = c.CARINO) AS SEPET, c.YETKILI, c.INDIRIM, c.VADE, "
           "c.VADEKONTROLGUN, c.VADEKONTROLAY, c.VERGIDAIRESI, c.VERGINO, c.ADRES1, c.ADRES2, c.ANAGRUP, c.ALTGRUP, "
           "c.FAX1, c.FAX2, c.EMAIL, " +
           stateCount(1) + " AS ALINDI, " + stateCount(3) + " AS ONAYLANDI, " + stateCount(2) + " AS GORULDU, " +
           stateCount(5) + " AS HAZIRLANDI, " + stateCount(4) +
           " AS PARCALIHAZIRLANDI FROM cari c LEFT JOIN satici st ON st.SATICINO = c.SATICINO WHERE " + where +
           " ORDER BY c.CARIADI";
}

const TypeHints kCustomerTypes = {{"SEPET", FieldType::Int32}, {"VADE", FieldType::Int32}};

// State codes of the customer window's buttons: 1 basket, 2..7 order states.
int orderStateOfButton(int n)
{
    switch (n) {
    case 2: return 1; // alındı
    case 3: return 3; // onaylandı
    case 4: return 2; // görüldü
    case 5: return 4; // parçalı hazırlandı
    case 6: return 5; // hazırlandı
    case 7: return 6; // sevk edildi
    default: return 0;
    }
}

TMobilCariBilgisi customerRecord(Connection& db, int carino, const QString& machineId)
{
    TMobilCariBilgisi r;
    r.setBILGISAYARID(machineId);
    // A customer number of 0 means the customer bound to this machine.
    QVariant no = carino;
    if (carino == 0)
        no = db.scalar("SELECT u.CARINO FROM makine m JOIN kullanici u ON u.SIRANO = m.KULLANICI WHERE m.BILGISAYARID = ?",
                       {machineId});
    const auto rows = db.query(
        "SELECT c.IL, c.FAX1, COALESCE(st.MAIL, ''), COALESCE(st.ADI, ''), c.CARIADI, c.EMAIL, c.VERGIDAIRESI, "
        "c.YETKILI, c.ALTGRUP, c.TEL2, COALESCE(u.SIFRE, ''), c.GSM, c.TEL1, c.ADRES2, "
        "(SELECT COALESCE(SUM(BORC), 0.0) FROM hareket h WHERE h.CARINO = c.CARINO), "
        "(SELECT COALESCE(SUM(ALACAK), 0.0) FROM hareket h WHERE h.CARINO = c.CARINO), c.ADRES1, c.ULKE, c.ANAGRUP, "
        "c.CARINO, c.VERGINO, c.EMAIL, c.OZELKOD, COALESCE(u.ADI, ''), COALESCE(st.TELEFON, ''), c.CARIKOD, c.FAX2, c.ILCE "
        "FROM cari c LEFT JOIN satici st ON st.SATICINO = c.SATICINO "
        "LEFT JOIN kullanici u ON u.CARINO = c.CARINO WHERE c.CARINO = ? LIMIT 1",
        {no});
    if (rows.empty())
        return r;
    const QVariantList& v = rows.front();
    r.setSEHIR(v[0].toString());
    r.setFAX1(v[1].toString());
    r.setSATICIMAIL(v[2].toString());
    r.setSATICIADI(v[3].toString());
    r.setCARIADI(v[4].toString());
    r.setEMAIL(v[5].toString());
    r.setVERGIDAIRESI(v[6].toString());
    r.setYETKILI(v[7].toString());
    r.setAltGrup(v[8].toString());
    r.setTEL2(v[9].toString());
    r.setSIFRE(v[10].toString());
    r.setGSM(v[11].toString());
    r.setTEL1(v[12].toString());
    r.setADRES2(v[13].toString());
    r.setTLBORC(v[14].toDouble());
    r.setTLALACAK(v[15].toDouble());
    r.setADRES1(v[16].toString());
    r.setULKE(v[17].toString());
    r.setAnaGrup(v[18].toString());
    r.setCARINO(v[19].toInt());
    r.setTLBAKIYE(Round2(v[14].toDouble() - v[15].toDouble()));
    r.setVERGINO(v[20].toString());
    r.setMAIL(v[21].toString());
    r.setOzelKod(v[22].toString());
    r.setKULLANICIADI(v[23].toString());
    r.setSATICITELEFON(v[24].toString());
    r.setCARIKOD(v[25].toString());
    r.setFAX2(v[26].toString());
    r.setILCE(v[27].toString());
    return r;
}

} // namespace

void RegisterCustomerMethods(HandlerTable& t)
{
    t["CariAra"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        QVariantList params;
        QString where = scope(b, params);
        const QString text = FoldForSearch(c.args.text(1).trimmed());
        if (!text.isEmpty()) {
            where += " AND (FOLD(c.CARIKOD) LIKE ? OR FOLD(c.CARIADI) LIKE ? OR FOLD(c.IL) LIKE ? OR FOLD(c.ILCE) LIKE ?)";
            const QString like = '%' + text + '%';
            params << like << like << like << like;
        }
        return Answer{QueryTableAnswer(c.db, customerSelect(where), params, kCustomerTypes)};
    };
    t["CariSepetVer"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        const int n = c.args.int32(1);
        QVariantList params;
        QString where = scope(b, params);
        if (n == 1)
            where += " AND EXISTS (SELECT 1 FROM sepet s WHERE s.CARINO = c.CARINO)";
        else if (const int state = orderStateOfButton(n))
            where += QString(" AND EXISTS (SELECT 1 FROM siparis o WHERE o.CARINO = c.CARINO AND o.DURUM = %1)").arg(state);
        else
            where += " AND 0";
        return Answer{QueryTableAnswer(c.db, customerSelect(where), params, kCustomerTypes)};
    };
    t["SepetSayisi"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        QVariantList params;
        const QString where = scope(b, params);
        return Answer{QJsonValue(c.db.scalar("SELECT COUNT(*) FROM cari c WHERE " + where +
                                                 " AND EXISTS (SELECT 1 FROM sepet s WHERE s.CARINO = c.CARINO)",
                                             params).toInt())};
    };
    t["TusSonuclariVer"] = [](CallContext& c) {
        const auto b = c.args.record<TSonucBilgisi>(0);
        QVariantList params;
        const QString where = scope(b, params);
        const auto row = c.db.query("SELECT " + QStringList{"1", "3", "4", "6", "5", "2"}
                                                    .replaceInStrings(QRegularExpression("^(\\d)$"),
                                                                      "SUM(o.DURUM = \\1)")
                                                    .join(", ") +
                                        " FROM siparis o JOIN cari c ON c.CARINO = o.CARINO WHERE " + where,
                                    params).front();
        TTusSonuclari r;
        r.setAlindi(row[0].toInt());
        r.setOnaylandi(row[1].toInt());
        r.setParcaliHazirlandi(row[2].toInt());
        r.setSevkEdildi(row[3].toInt());
        r.setHazirlandi(row[4].toInt());
        r.setGoruldu(row[5].toInt());
        return Answer{QJsonValue(r.toJson())};
    };
    t["MobilCariBilgisiGetir"] = [](CallContext& c) {
        return Answer{QJsonValue(customerRecord(c.db, c.args.int32(0), c.args.text(1)).toJson())};
    };
}

} // namespace appserver
