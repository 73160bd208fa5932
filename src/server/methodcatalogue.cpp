#include "server/methodcatalogue.h"

#include <algorithm>
#include <array>

namespace catalogue {
namespace {

using K = Kind;
constexpr Direction Out = Direction::Out;

#define PARAMS(name, ...) constexpr Parameter name[] = {__VA_ARGS__}

constexpr Parameter kNone[1] = {};

PARAMS(pSira, {"sira", K::Int32});
PARAMS(pBakiye, {"k", K::Record, Direction::In, kLoginRecord}, {"stokno", K::Int32}, {"sepetsirano", K::Int32},
       {"siparissirano", K::Int32}, {"Adet", K::Double}, {"Bakiye", K::Double}, {"barkod", K::Text});
PARAMS(pBakiyeFiyat, {"k", K::Record, Direction::In, kLoginRecord}, {"stokno", K::Int32}, {"sepetsirano", K::Int32},
       {"siparissirano", K::Int32}, {"Adet", K::Double}, {"Bakiye", K::Double}, {"barkod", K::Text},
       {"fiyat", K::Double}, {"ind", K::Double});
PARAMS(pCarino, {"carino", K::Int32});
PARAMS(pBil, {"bil", K::Record, Direction::In, kLoginRecord});
PARAMS(pBilgi, {"bilgi", K::Record, Direction::In, kLoginRecord});
PARAMS(pSize, {"size", K::Int64, Out});
PARAMS(pIdsi, {"idsi", K::Text});
PARAMS(pCariAra, {"bil", K::Record, Direction::In, kLoginRecord}, {"aranan", K::Text});
PARAMS(pCariSepetVer, {"bil", K::Record, Direction::In, kLoginRecord}, {"n", K::Int32});
PARAMS(pIdnosu, {"idnosu", K::Int32});
PARAMS(pFaturaGetir, {"carino", K::Int32}, {"idnosu", K::Int32});
PARAMS(pKampanyali, {"cario", K::Int32}, {"satici", K::Int32});
PARAMS(pGn, {"gn", K::Int32});
#define MAIL_TEXTS                                                                                        \
    {"idsi", K::Text}, {"baslik", K::Text}, {"firmaadi", K::Text}, {"adres1", K::Text}, {"adres2", K::Text}, \
        {"ilce", K::Text}, {"sehir", K::Text}, {"telefon", K::Text}, {"fax", K::Text}, {"vd", K::Text},      \
        {"vn", K::Text}, {"yetkili", K::Text}, {"kullaniciadi", K::Text}, {"sifre", K::Text},               \
        {"mail", K::Text}, {"kargoambar", K::Text}
PARAMS(pMail, MAIL_TEXTS);
PARAMS(pMailNormal, MAIL_TEXTS, {"konu", K::Text});
#undef MAIL_TEXTS
PARAMS(pMobilCari, {"sirano", K::Int32}, {"_idsi", K::Text});
PARAMS(pRaporTarih, {"bilgi", K::Record, Direction::In, kLoginRecord}, {"tarih1", K::Double}, {"tarih2", K::Double});
PARAMS(pRaporGetir, {"raporno", K::Int32}, {"bolum", K::Int32}, {"idno", K::Int32}, {"carino", K::Int32},
       {"saticiadi", K::Text}, {"tarih1", K::Double}, {"tarih2", K::Double}, {"size", K::Int64, Out});
PARAMS(pResimVer5, {"stokno", K::Int32}, {"boy", K::Int64, Out});
PARAMS(pSanalPosPdf, {"sirano", K::Int32}, {"boy", K::Int64, Out});
PARAMS(pSepetEkle2, {"bilgim", K::Record, Direction::In, kLoginRecord}, {"carino", K::Int32}, {"stokno", K::Int32},
       {"barkod", K::Text}, {"stokadi", K::Text}, {"miktar", K::Double}, {"kdv", K::Double}, {"fiyat", K::Double},
       {"ind1", K::Double}, {"verenid", K::Int32}, {"k", K::Int32}, {"ind2", K::Double}, {"ind3", K::Double},
       {"ind4", K::Double});
PARAMS(pSepetGuncelle2, {"bilgim", K::Record, Direction::In, kLoginRecord}, {"carino", K::Int32},
       {"stokno", K::Int32}, {"barkod", K::Text}, {"stokadi", K::Text}, {"miktar", K::Double}, {"kdv", K::Double},
       {"fiyat", K::Double}, {"ind1", K::Double}, {"verenid", K::Int32}, {"_sepetsirano", K::Int32},
       {"ind2", K::Double}, {"ind3", K::Double}, {"ind4", K::Double});
PARAMS(pSepetSatirSil, {"bilgi", K::Record, Direction::In, kLoginRecord}, {"satirno", K::Int32},
       {"aciklamam", K::Text});
PARAMS(pSepetSecim, {"sirano", K::Int32}, {"secim", K::Int32});
PARAMS(pSiparisAyrintisi, {"carino", K::Int32}, {"idnosu", K::Int32});
PARAMS(pSiparisDip, {"carino", K::Int32}, {"siranosu", K::Int32});
PARAMS(pSiparisKaydet, {"BB", K::Record, Direction::In, kLoginRecord}, {"_carino", K::Int32}, {"_teslim", K::Int32},
       {"_kargo", K::Int32}, {"_aciklama", K::Text}, {"_verenid", K::Int32}, {"_kargoyeni", K::Int32});
PARAMS(pStokAraGetir, {"kod", K::Text}, {"bilgi", K::Record, Direction::In, kLoginRecord});
PARAMS(pTumSiparisler, {"carino", K::Int32}, {"stokno", K::Int32});
PARAMS(pValue, {"Value", K::Text});

#undef PARAMS

template <std::size_t N>
constexpr std::span<const Parameter> P(const Parameter (&a)[N])
{
    return {a, N};
}
constexpr std::span<const Parameter> none{kNone, 0};

// Kept in name order (case-sensitive) so FindMethod can search it.
const std::array kMethods = {
    Method{"AcilisEkranlarVer2", none, K::Record, kOpeningScreensRecord},
    Method{"AcilisREklamVer", P(pSira), K::Record, kOpeningScreenRecord},
    Method{"AcilisReklamAdet", none, K::Int32},
    Method{"BakiyeDegistir", P(pBakiye), K::Int32},
    Method{"BakiyeDuzenle", P(pBakiye), K::Int32},
    Method{"BakiyeFiyatDegistir", P(pBakiyeFiyat), K::Int32},
    Method{"BakiyelerVer2", P(pCarino), K::Rows},
    Method{"BalonGetir", P(pBil), K::Rows},
    Method{"BannerResimVer", P(pSize), K::Stream},
    Method{"BannerResimVer2", P(pSize), K::Stream},
    Method{"BannerResimVer3", P(pSize), K::Stream},
    Method{"BuyukGetir", P(pIdsi), K::Record, kLoginRecord},
    Method{"CariAra", P(pCariAra), K::Rows},
    Method{"CariDurumVer", P(pCarino), K::Text},
    Method{"CariEkstreVer", P(pCarino), K::Rows},
    Method{"CariSepetVer", P(pCariSepetVer), K::Rows},
    Method{"CariVadeGunGecmismiBul", P(pCarino), K::Text},
    Method{"EchoString", P(pValue), K::Text},
    Method{"FaturaAltGetir", P(pIdnosu), K::Rows},
    Method{"FaturaGetir", P(pFaturaGetir), K::Rows},
    Method{"KampanyaliVer2", P(pKampanyali), K::DataPacket},
    Method{"KargoVer", none, K::Rows},
    Method{"KargolarVer", P(pGn), K::Rows},
    Method{"KayanYaziGetir", none, K::Text},
    Method{"MailGonserCari", P(pMail), K::Int32},
    Method{"MailGonserCariNormal", P(pMailNormal), K::Int32},
    Method{"MobilCariBilgisiGetir", P(pMobilCari), K::Record, kCustomerRecord},
    Method{"OncekiSiparisler", P(pCarino), K::Rows},
    Method{"RaporAlinanSiparisler", P(pRaporTarih), K::Rows},
    Method{"RaporEnCokSatilanStoklar", P(pRaporTarih), K::Rows},
    Method{"RaporGetir", P(pRaporGetir), K::Stream},
    Method{"ResimVer5", P(pResimVer5), K::Stream},
    Method{"ReverseString", P(pValue), K::Text},
    Method{"SAnalPosPdfVer", P(pSanalPosPdf), K::Stream},
    Method{"SanalposSiranoVer", P(pIdnosu), K::Int32},
    Method{"SepetEkle2", P(pSepetEkle2), K::Int32},
    Method{"SepetGuncelle2", P(pSepetGuncelle2), K::Int32},
    Method{"SepetHepsiniSil", P(pBilgi), K::Int32},
    Method{"SepetSatirSil", P(pSepetSatirSil), K::Int32},
    Method{"SepetSayisi", P(pBil), K::Int32},
    Method{"SepetSecimGuncelle", P(pSepetSecim), K::None},
    Method{"SepetVer2", P(pCarino), K::DataPacket},
    Method{"SiparisAyrintisi2", P(pSiparisAyrintisi), K::Rows},
    Method{"SiparisAytintisiDip", P(pSiparisDip), K::Record, kOrderFooterRecord},
    Method{"SiparisKaydet", P(pSiparisKaydet), K::Boolean},
    Method{"StokAraGetir", P(pStokAraGetir), K::DataPacket},
    Method{"Tahsilat", P(pIdnosu), K::Rows},
    Method{"TeslimVer", none, K::Rows},
    Method{"TumSiparislerVer", P(pTumSiparisler), K::Rows},
    Method{"TusSonuclariVer", P(pBil), K::Record, kStateCountersRecord},
    Method{"YenilerVer2", P(pCarino), K::DataPacket},
};

bool nameLess(const Method& m, const QString& name)
{
    return QString::compare(QLatin1String(m.name), name, Qt::CaseSensitive) < 0;
}

} // namespace

int Method::inputCount() const
{
    return int(std::count_if(parameters.begin(), parameters.end(),
                             [](const Parameter& p) { return p.direction == Direction::In; }));
}

int Method::outputCount() const
{
    return int(parameters.size()) - inputCount();
}

std::span<const Method> Methods()
{
    return kMethods;
}

const Method* FindMethod(const QString& name)
{
    auto it = std::lower_bound(kMethods.begin(), kMethods.end(), name, nameLess);
    if (it == kMethods.end() || QLatin1String(it->name) != name)
        return nullptr;
    return &*it;
}

} // namespace catalogue
