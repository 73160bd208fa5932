#pragma once

#include "platform/dataset/datatable.h"
#include "server/baglantiu.h"
#include "server/methodanswer.h"
#include "server/methodcatalogue.h"
#include "server/mobilstokunit.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QString>

#include <memory>
#include <optional>

namespace dsclient {
class DSConnection;
}

// The login record a call takes: a fresh copy of the main window's record
// (Create, then Kopyala). The proxy consumes it; a null pointer is sent as null.
using LoginRecordCopy = std::unique_ptr<TSonucBilgisi>;
LoginRecordCopy CopyLoginRecord(const TSonucBilgisi& source);

// Proxy of the server class TServerMethods1: one typed operation per method of
// the catalogue, parameters in catalogue order, out parameters by reference.
// Results are values owned by the caller (records, tables, stream bytes), so
// nothing refers back into the proxy once a call has returned. A proxy lives for
// one call frame and is used by one thread at a time, like its connection.
class TServerMethods1Client {
public:
    explicit TServerMethods1Client(dsclient::DSConnection& connection);

    // The one generic invoke every operation goes through: inputs as JSON values
    // in catalogue order (records in their object form or null, streams base64).
    // Throws ServerCallError; an unknown method or wrong inputs are BadRequest-like
    // programming errors reported as std::invalid_argument.
    MethodAnswer Invoke(const QString& method, const QJsonArray& inputs);

    std::optional<TAcilisEkranlariki> AcilisEkranlarVer2();
    std::optional<TAcilisEkran> AcilisREklamVer(qint32 sira);
    qint32 AcilisReklamAdet();
    qint32 BakiyeDegistir(LoginRecordCopy k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet,
                          double Bakiye, const QString& barkod);
    qint32 BakiyeDuzenle(LoginRecordCopy k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano, double Adet,
                         double Bakiye, const QString& barkod);
    qint32 BakiyeFiyatDegistir(LoginRecordCopy k, qint32 stokno, qint32 sepetsirano, qint32 siparissirano,
                               double Adet, double Bakiye, const QString& barkod, double fiyat, double ind);
    DataTable BakiyelerVer2(qint32 carino);
    DataTable BalonGetir(LoginRecordCopy bil);
    QByteArray BannerResimVer(qint64& size);
    QByteArray BannerResimVer2(qint64& size);
    QByteArray BannerResimVer3(qint64& size);
    std::optional<TSonucBilgisi> BuyukGetir(const QString& idsi);
    DataTable CariAra(LoginRecordCopy bil, const QString& aranan);
    QString CariDurumVer(qint32 carino);
    DataTable CariEkstreVer(qint32 carino);
    DataTable CariSepetVer(LoginRecordCopy bil, qint32 n);
    QString CariVadeGunGecmismiBul(qint32 carino);
    QString EchoString(const QString& Value);
    DataTable FaturaAltGetir(qint32 idnosu);
    DataTable FaturaGetir(qint32 carino, qint32 idnosu);
    DataTable KampanyaliVer2(qint32 cario, qint32 satici);
    DataTable KargoVer();
    DataTable KargolarVer(qint32 gn);
    QString KayanYaziGetir();
    qint32 MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
                          const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
                          const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
                          const QString& kullaniciadi, const QString& sifre, const QString& mail,
                          const QString& kargoambar);
    qint32 MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                const QString& adres1, const QString& adres2, const QString& ilce,
                                const QString& sehir, const QString& telefon, const QString& fax, const QString& vd,
                                const QString& vn, const QString& yetkili, const QString& kullaniciadi,
                                const QString& sifre, const QString& mail, const QString& kargoambar,
                                const QString& konu);
    std::optional<TMobilCariBilgisi> MobilCariBilgisiGetir(qint32 sirano, const QString& _idsi);
    DataTable OncekiSiparisler(qint32 carino);
    DataTable RaporAlinanSiparisler(LoginRecordCopy bilgi, double tarih1, double tarih2);
    DataTable RaporEnCokSatilanStoklar(LoginRecordCopy bilgi, double tarih1, double tarih2);
    QByteArray RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino, const QString& saticiadi,
                          double tarih1, double tarih2, qint64& size);
    QByteArray ResimVer5(qint32 stokno, qint64& boy);
    QString ReverseString(const QString& Value);
    QByteArray SAnalPosPdfVer(qint32 sirano, qint64& boy);
    qint32 SanalposSiranoVer(qint32 idnosu);
    qint32 SepetEkle2(LoginRecordCopy bilgim, qint32 carino, qint32 stokno, const QString& barkod,
                      const QString& stokadi, double miktar, double kdv, double fiyat, double ind1, qint32 verenid,
                      qint32 k, double ind2, double ind3, double ind4);
    qint32 SepetGuncelle2(LoginRecordCopy bilgim, qint32 carino, qint32 stokno, const QString& barkod,
                          const QString& stokadi, double miktar, double kdv, double fiyat, double ind1,
                          qint32 verenid, qint32 _sepetsirano, double ind2, double ind3, double ind4);
    qint32 SepetHepsiniSil(LoginRecordCopy bilgi);
    qint32 SepetSatirSil(LoginRecordCopy bilgi, qint32 satirno, const QString& aciklamam);
    qint32 SepetSayisi(LoginRecordCopy bil);
    void SepetSecimGuncelle(qint32 sirano, qint32 secim);
    DataTable SepetVer2(qint32 carino);
    DataTable SiparisAyrintisi2(qint32 carino, qint32 idnosu);
    std::optional<TSiparisDipAyrinti> SiparisAytintisiDip(qint32 carino, qint32 siranosu);
    bool SiparisKaydet(LoginRecordCopy BB, qint32 _carino, qint32 _teslim, qint32 _kargo, const QString& _aciklama,
                       qint32 _verenid, qint32 _kargoyeni);
    DataTable StokAraGetir(const QString& kod, LoginRecordCopy bilgi);
    DataTable Tahsilat(qint32 idnosu);
    DataTable TeslimVer();
    DataTable TumSiparislerVer(qint32 carino, qint32 stokno);
    std::optional<TTusSonuclari> TusSonuclariVer(LoginRecordCopy bil);
    DataTable YenilerVer2(qint32 carino);

private:
    // A prepared command: the method's catalogue row, looked up once per proxy.
    const catalogue::Method& command(const char* method);

    dsclient::DSConnection& connection_;
    QHash<QString, const catalogue::Method*> commands_;
};
