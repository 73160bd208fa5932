#include "server/mobilstokunit.h"

std::span<const RecordField<TMobilCariBilgisi>> TMobilCariBilgisi::Fields()
{
    using R = TMobilCariBilgisi;
    static constexpr RecordField<R> fields[] = {
        Field<&R::BILGISAYARID, &R::setBILGISAYARID>("FBILGISAYARID"),
        Field<&R::SEHIR, &R::setSEHIR>("FSEHIR"),
        Field<&R::FAX1, &R::setFAX1>("FFAX1"),
        Field<&R::SATICIMAIL, &R::setSATICIMAIL>("FSATICIMAIL"),
        Field<&R::SATICIADI, &R::setSATICIADI>("FSATICIADI"),
        Field<&R::CARIADI, &R::setCARIADI>("FCARIADI"),
        Field<&R::EMAIL, &R::setEMAIL>("FEMAIL"),
        Field<&R::VERGIDAIRESI, &R::setVERGIDAIRESI>("FVERGIDAIRESI"),
        Field<&R::YETKILI, &R::setYETKILI>("FYETKILI"),
        Field<&R::AltGrup, &R::setAltGrup>("FAltGrup"),
        Field<&R::TEL2, &R::setTEL2>("FTEL2"),
        Field<&R::SIFRE, &R::setSIFRE>("FSIFRE"),
        Field<&R::GSM, &R::setGSM>("FGSM"),
        Field<&R::TEL1, &R::setTEL1>("FTEL1"),
        Field<&R::ADRES2, &R::setADRES2>("FADRES2"),
        Field<&R::TLBORC, &R::setTLBORC>("FTLBORC"),
        Field<&R::TLALACAK, &R::setTLALACAK>("FTLALACAK"),
        Field<&R::ADRES1, &R::setADRES1>("FADRES1"),
        Field<&R::ULKE, &R::setULKE>("FULKE"),
        Field<&R::AnaGrup, &R::setAnaGrup>("FAnaGrup"),
        Field<&R::CARINO, &R::setCARINO>("FCARINO"),
        Field<&R::TLBAKIYE, &R::setTLBAKIYE>("FTLBAKIYE"),
        Field<&R::VERGINO, &R::setVERGINO>("FVERGINO"),
        Field<&R::MAIL, &R::setMAIL>("FMAIL"),
        Field<&R::OzelKod, &R::setOzelKod>("FOzelKod"),
        Field<&R::KULLANICIADI, &R::setKULLANICIADI>("FKULLANICIADI"),
        Field<&R::SATICITELEFON, &R::setSATICITELEFON>("FSATICITELEFON"),
        Field<&R::CARIKOD, &R::setCARIKOD>("FCARIKOD"),
        Field<&R::FAX2, &R::setFAX2>("FFAX2"),
        Field<&R::ILCE, &R::setILCE>("FILCE"),
    };
    return fields;
}

std::span<const RecordField<TAcilisEkran>> TAcilisEkran::Fields()
{
    using R = TAcilisEkran;
    static constexpr RecordField<R> fields[] = {
        Field<&R::SiraNo, &R::setSiraNo>("FSiraNo"),
        Field<&R::Resim, &R::setResim>("FResim"),
        Field<&R::Baslik, &R::setBaslik>("FBaslik"),
        Field<&R::Arama, &R::setArama>("FArama"),
    };
    return fields;
}

std::span<const RecordField<TAcilisEkranlariki>> TAcilisEkranlariki::Fields()
{
    using R = TAcilisEkranlariki;
    static constexpr RecordField<R> fields[] = {
        Field<&R::Ekranlar, &R::setEkranlar>("FEkranlar"),
    };
    return fields;
}
