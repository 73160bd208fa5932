#include "server/proxim.h"

#include "platform/dsclient/dsconnection.h"
#include "platform/dsclient/servercallerror.h"
#include "platform/dsclient/wirevalue.h"

#include <stdexcept>

using dsclient::ServerCallError;

LoginRecordCopy CopyLoginRecord(const TSonucBilgisi& source)
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(source);
    return copy;
}

namespace {

// A record parameter: its object form, or null when none was given. The proxy
// consumes the copy it was handed.
QJsonValue recordParameter(LoginRecordCopy record)
{
    return record ? QJsonValue(record->toJson()) : QJsonValue(QJsonValue::Null);
}

template <class R>
std::optional<R> recordResult(const MethodAnswer& answer)
{
    const std::optional<QJsonObject> object = answer.record(answer.resultPosition());
    if (!object)
        return std::nullopt;
    try {
        return R::fromJson(*object);
    } catch (const RecordFormatError& e) {
        throw ServerCallError(ServerCallError::Kind::BadAnswer,
                              QStringLiteral("%1: %2").arg(QLatin1String(answer.method().name),
                                                           QString::fromUtf8(e.what())));
    }
}

// Results by kind; the answer checked them against the catalogue already.
qint32 int32Result(const MethodAnswer& a) { return a.int32(a.resultPosition()); }
QString textResult(const MethodAnswer& a) { return a.text(a.resultPosition()); }
DataTable tableResult(const MethodAnswer& a) { return a.table(a.resultPosition()); }
QByteArray streamResult(const MethodAnswer& a, qint64& size)
{
    size = a.int64(a.outPosition(0));
    return a.stream(a.resultPosition());
}

} // namespace

TServerMethods1Client::TServerMethods1Client(dsclient::DSConnection& connection) : connection_(connection) {}

const catalogue::Method& TServerMethods1Client::command(const char* method)
{
    const QString name = QLatin1String(method);
    auto it = commands_.constFind(name);
    if (it == commands_.cend()) {
        const catalogue::Method* row = catalogue::FindMethod(name);
        if (!row)
            throw std::invalid_argument("unknown server method " + std::string(method));
        it = commands_.insert(name, row);
    }
    return **it;
}

MethodAnswer TServerMethods1Client::Invoke(const QString& methodName, const QJsonArray& inputs)
{
    const catalogue::Method& method = command(methodName.toLatin1().constData());
    if (inputs.size() != method.inputCount())
        throw std::invalid_argument(QStringLiteral("%1 takes %2 parameters, %3 given")
                                        .arg(methodName)
                                        .arg(method.inputCount())
                                        .arg(inputs.size())
                                        .toStdString());
    int i = 0;
    for (const catalogue::Parameter& p : method.parameters) {
        if (p.direction == catalogue::Direction::Out)
            continue;
        const QString problem = dsclient::WireValueProblem(inputs.at(i), p.kind, p.recordType);
        if (!problem.isEmpty())
            throw std::invalid_argument(
                QStringLiteral("%1: parameter %2 (%3) %4").arg(methodName).arg(i).arg(QLatin1String(p.name), problem)
                    .toStdString());
        ++i;
    }
    return MethodAnswer(method, connection_.call(methodName, inputs));
}

std::optional<TAcilisEkranlariki> TServerMethods1Client::AcilisEkranlarVer2()
{
    return recordResult<TAcilisEkranlariki>(Invoke("AcilisEkranlarVer2", {}));
}

std::optional<TAcilisEkran> TServerMethods1Client::AcilisREklamVer(qint32 sira)
{
    return recordResult<TAcilisEkran>(Invoke("AcilisREklamVer", {sira}));
}

qint32 TServerMethods1Client::AcilisReklamAdet()
{
    return int32Result(Invoke("AcilisReklamAdet", {}));
}

qint32 TServerMethods1Client::BakiyeDegistir(LoginRecordCopy k, qint32 stokno, qint32 sepetsirano,
                                             qint32 siparissirano, double Adet, double Bakiye, const QString& barkod)
{
    return int32Result(Invoke("BakiyeDegistir", {recordParameter(std::move(k)), stokno, sepetsirano, siparissirano,
                                                 Adet, Bakiye, barkod}));
}

qint32 TServerMethods1Client::BakiyeDuzenle(LoginRecordCopy k, qint32 stokno, qint32 sepetsirano,
                                            qint32 siparissirano, double Adet, double Bakiye, const QString& barkod)
{
    return int32Result(Invoke("BakiyeDuzenle", {recordParameter(std::move(k)), stokno, sepetsirano, siparissirano,
                                                Adet, Bakiye, barkod}));
}

qint32 TServerMethods1Client::BakiyeFiyatDegistir(LoginRecordCopy k, qint32 stokno, qint32 sepetsirano,
                                                  qint32 siparissirano, double Adet, double Bakiye,
                                                  const QString& barkod, double fiyat, double ind)
{
    return int32Result(Invoke("BakiyeFiyatDegistir", {recordParameter(std::move(k)), stokno, sepetsirano,
                                                      siparissirano, Adet, Bakiye, barkod, fiyat, ind}));
}

DataTable TServerMethods1Client::BakiyelerVer2(qint32 carino)
{
    return tableResult(Invoke("BakiyelerVer2", {carino}));
}

DataTable TServerMethods1Client::BalonGetir(LoginRecordCopy bil)
{
    return tableResult(Invoke("BalonGetir", {recordParameter(std::move(bil))}));
}

QByteArray TServerMethods1Client::BannerResimVer(qint64& size)
{
    return streamResult(Invoke("BannerResimVer", {}), size);
}

QByteArray TServerMethods1Client::BannerResimVer2(qint64& size)
{
    return streamResult(Invoke("BannerResimVer2", {}), size);
}

QByteArray TServerMethods1Client::BannerResimVer3(qint64& size)
{
    return streamResult(Invoke("BannerResimVer3", {}), size);
}

std::optional<TSonucBilgisi> TServerMethods1Client::BuyukGetir(const QString& idsi)
{
    return recordResult<TSonucBilgisi>(Invoke("BuyukGetir", {idsi}));
}

DataTable TServerMethods1Client::CariAra(LoginRecordCopy bil, const QString& aranan)
{
    return tableResult(Invoke("CariAra", {recordParameter(std::move(bil)), aranan}));
}

QString TServerMethods1Client::CariDurumVer(qint32 carino)
{
    return textResult(Invoke("CariDurumVer", {carino}));
}

DataTable TServerMethods1Client::CariEkstreVer(qint32 carino)
{
    return tableResult(Invoke("CariEkstreVer", {carino}));
}

DataTable TServerMethods1Client::CariSepetVer(LoginRecordCopy bil, qint32 n)
{
    return tableResult(Invoke("CariSepetVer", {recordParameter(std::move(bil)), n}));
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(qint32 carino)
{
    return textResult(Invoke("CariVadeGunGecmismiBul", {carino}));
}

QString TServerMethods1Client::EchoString(const QString& Value)
{
    return textResult(Invoke("EchoString", {Value}));
}

DataTable TServerMethods1Client::FaturaAltGetir(qint32 idnosu)
{
    return tableResult(Invoke("FaturaAltGetir", {idnosu}));
}

DataTable TServerMethods1Client::FaturaGetir(qint32 carino, qint32 idnosu)
{
    return tableResult(Invoke("FaturaGetir", {carino, idnosu}));
}

DataTable TServerMethods1Client::KampanyaliVer2(qint32 cario, qint32 satici)
{
    return tableResult(Invoke("KampanyaliVer2", {cario, satici}));
}

DataTable TServerMethods1Client::KargoVer()
{
    return tableResult(Invoke("KargoVer", {}));
}

DataTable TServerMethods1Client::KargolarVer(qint32 gn)
{
    return tableResult(Invoke("KargolarVer", {gn}));
}

QString TServerMethods1Client::KayanYaziGetir()
{
    return textResult(Invoke("KayanYaziGetir", {}));
}

qint32 TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                                             const QString& adres1, const QString& adres2, const QString& ilce,
                                             const QString& sehir, const QString& telefon, const QString& fax,
                                             const QString& vd, const QString& vn, const QString& yetkili,
                                             const QString& kullaniciadi, const QString& sifre,
                                             const QString& mail, const QString& kargoambar)
{
    return int32Result(Invoke("MailGonserCari", {idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon, fax,
                                                 vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar}));
}

qint32 TServerMethods1Client::MailGonserCariNormal(const QString& idsi, const QString& baslik,
                                                   const QString& firmaadi, const QString& adres1,
                                                   const QString& adres2, const QString& ilce, const QString& sehir,
                                                   const QString& telefon, const QString& fax, const QString& vd,
                                                   const QString& vn, const QString& yetkili,
                                                   const QString& kullaniciadi, const QString& sifre,
                                                   const QString& mail, const QString& kargoambar,
                                                   const QString& konu)
{
    return int32Result(Invoke("MailGonserCariNormal", {idsi, baslik, firmaadi, adres1, adres2, ilce, sehir, telefon,
                                                       fax, vd, vn, yetkili, kullaniciadi, sifre, mail, kargoambar,
                                                       konu}));
}

std::optional<TMobilCariBilgisi> TServerMethods1Client::MobilCariBilgisiGetir(qint32 sirano, const QString& _idsi)
{
    return recordResult<TMobilCariBilgisi>(Invoke("MobilCariBilgisiGetir", {sirano, _idsi}));
}

DataTable TServerMethods1Client::OncekiSiparisler(qint32 carino)
{
    return tableResult(Invoke("OncekiSiparisler", {carino}));
}

DataTable TServerMethods1Client::RaporAlinanSiparisler(LoginRecordCopy bilgi, double tarih1, double tarih2)
{
    return tableResult(Invoke("RaporAlinanSiparisler", {recordParameter(std::move(bilgi)), tarih1, tarih2}));
}

DataTable TServerMethods1Client::RaporEnCokSatilanStoklar(LoginRecordCopy bilgi, double tarih1, double tarih2)
{
    return tableResult(Invoke("RaporEnCokSatilanStoklar", {recordParameter(std::move(bilgi)), tarih1, tarih2}));
}

QByteArray TServerMethods1Client::RaporGetir(qint32 raporno, qint32 bolum, qint32 idno, qint32 carino,
                                             const QString& saticiadi, double tarih1, double tarih2, qint64& size)
{
    return streamResult(Invoke("RaporGetir", {raporno, bolum, idno, carino, saticiadi, tarih1, tarih2}), size);
}

QByteArray TServerMethods1Client::ResimVer5(qint32 stokno, qint64& boy)
{
    return streamResult(Invoke("ResimVer5", {stokno}), boy);
}

QString TServerMethods1Client::ReverseString(const QString& Value)
{
    return textResult(Invoke("ReverseString", {Value}));
}

QByteArray TServerMethods1Client::SAnalPosPdfVer(qint32 sirano, qint64& boy)
{
    return streamResult(Invoke("SAnalPosPdfVer", {sirano}), boy);
}

qint32 TServerMethods1Client::SanalposSiranoVer(qint32 idnosu)
{
    return int32Result(Invoke("SanalposSiranoVer", {idnosu}));
}

qint32 TServerMethods1Client::SepetEkle2(LoginRecordCopy bilgim, qint32 carino, qint32 stokno, const QString& barkod,
                                         const QString& stokadi, double miktar, double kdv, double fiyat, double ind1,
                                         qint32 verenid, qint32 k, double ind2, double ind3, double ind4)
{
    return int32Result(Invoke("SepetEkle2", {recordParameter(std::move(bilgim)), carino, stokno, barkod, stokadi,
                                             miktar, kdv, fiyat, ind1, verenid, k, ind2, ind3, ind4}));
}

qint32 TServerMethods1Client::SepetGuncelle2(LoginRecordCopy bilgim, qint32 carino, qint32 stokno,
                                             const QString& barkod, const QString& stokadi, double miktar,
                                             double kdv, double fiyat, double ind1, qint32 verenid,
                                             qint32 _sepetsirano, double ind2, double ind3, double ind4)
{
    return int32Result(Invoke("SepetGuncelle2", {recordParameter(std::move(bilgim)), carino, stokno, barkod,
                                                 stokadi, miktar, kdv, fiyat, ind1, verenid, _sepetsirano, ind2,
                                                 ind3, ind4}));
}

qint32 TServerMethods1Client::SepetHepsiniSil(LoginRecordCopy bilgi)
{
    return int32Result(Invoke("SepetHepsiniSil", {recordParameter(std::move(bilgi))}));
}

qint32 TServerMethods1Client::SepetSatirSil(LoginRecordCopy bilgi, qint32 satirno, const QString& aciklamam)
{
    return int32Result(Invoke("SepetSatirSil", {recordParameter(std::move(bilgi)), satirno, aciklamam}));
}

qint32 TServerMethods1Client::SepetSayisi(LoginRecordCopy bil)
{
    return int32Result(Invoke("SepetSayisi", {recordParameter(std::move(bil))}));
}

void TServerMethods1Client::SepetSecimGuncelle(qint32 sirano, qint32 secim)
{
    Invoke("SepetSecimGuncelle", {sirano, secim});
}

DataTable TServerMethods1Client::SepetVer2(qint32 carino)
{
    return tableResult(Invoke("SepetVer2", {carino}));
}

DataTable TServerMethods1Client::SiparisAyrintisi2(qint32 carino, qint32 idnosu)
{
    return tableResult(Invoke("SiparisAyrintisi2", {carino, idnosu}));
}

std::optional<TSiparisDipAyrinti> TServerMethods1Client::SiparisAytintisiDip(qint32 carino, qint32 siranosu)
{
    return recordResult<TSiparisDipAyrinti>(Invoke("SiparisAytintisiDip", {carino, siranosu}));
}

bool TServerMethods1Client::SiparisKaydet(LoginRecordCopy BB, qint32 _carino, qint32 _teslim, qint32 _kargo,
                                          const QString& _aciklama, qint32 _verenid, qint32 _kargoyeni)
{
    const MethodAnswer answer = Invoke("SiparisKaydet", {recordParameter(std::move(BB)), _carino, _teslim, _kargo,
                                                         _aciklama, _verenid, _kargoyeni});
    return answer.boolean(answer.resultPosition());
}

DataTable TServerMethods1Client::StokAraGetir(const QString& kod, LoginRecordCopy bilgi)
{
    return tableResult(Invoke("StokAraGetir", {kod, recordParameter(std::move(bilgi))}));
}

DataTable TServerMethods1Client::Tahsilat(qint32 idnosu)
{
    return tableResult(Invoke("Tahsilat", {idnosu}));
}

DataTable TServerMethods1Client::TeslimVer()
{
    return tableResult(Invoke("TeslimVer", {}));
}

DataTable TServerMethods1Client::TumSiparislerVer(qint32 carino, qint32 stokno)
{
    return tableResult(Invoke("TumSiparislerVer", {carino, stokno}));
}

std::optional<TTusSonuclari> TServerMethods1Client::TusSonuclariVer(LoginRecordCopy bil)
{
    return recordResult<TTusSonuclari>(Invoke("TusSonuclariVer", {recordParameter(std::move(bil))}));
}

DataTable TServerMethods1Client::YenilerVer2(qint32 carino)
{
    return tableResult(Invoke("YenilerVer2", {carino}));
}
