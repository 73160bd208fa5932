#include "handlers.h"

#include "database.h"

#include "server/baglantiu.h"

namespace appserver {

// The login record of the account bound to this machine; Varmi false when the
// machine is unknown.
static TSonucBilgisi loginRecord(Connection& db, const QString& machineId)
{
    TSonucBilgisi r;
    r.setBILGISAYARID(machineId);
    r.setVersion(db.scalar("SELECT DEGER FROM ayar WHERE ANAHTAR = 'Version'").toInt());
    const auto rows = db.query(
        "SELECT u.SIRANO, u.ADI, u.SIFRE, u.MUSTERITIPI, u.AKTIF, u.MAIL, COALESCE(c.CARINO, 0), "
        "COALESCE(c.CARIKOD, ''), COALESCE(c.CARIADI, ''), COALESCE(st.SATICINO, 0), COALESCE(st.ADI, ''), "
        "COALESCE(st.TELEFON, ''), COALESCE(st.MAIL, '') "
        "FROM makine m JOIN kullanici u ON u.SIRANO = m.KULLANICI "
        "LEFT JOIN cari c ON c.CARINO = u.CARINO "
        "LEFT JOIN satici st ON st.SATICINO = COALESCE(u.SATICINO, c.SATICINO) "
        "WHERE m.BILGISAYARID = ?",
        {machineId});
    if (rows.empty())
        return r;
    const QVariantList& u = rows.front();
    r.setVarmi(true);
    r.setSirano(u[0].toInt());
    r.setADI(u[1].toString());
    r.setSIFRE(u[2].toString());
    r.setMusteriTipi(u[3].toInt());
    r.setAKTIF(u[4].toInt());
    r.setKullanicimail(u[5].toString());
    r.setCARINO(u[6].toInt());
    r.setcarikod(u[7].toString());
    r.setCariAdi(u[8].toString());
    r.setSaticiNo(u[9].toInt());
    r.setSaticiAdi(u[10].toString());
    r.setSaticiTelefon(u[11].toString());
    r.setSaticiMail(u[12].toString());
    return r;
}

void RegisterLoginMethods(HandlerTable& t)
{
    t["BuyukGetir"] = [](CallContext& c) {
        return Answer{QJsonValue(loginRecord(c.db, c.args.text(0)).toJson())};
    };
}

} // namespace appserver
