#include "server/baglantiu.h"

std::span<const RecordField<TSonucBilgisi>> TSonucBilgisi::Fields()
{
    using R = TSonucBilgisi;
    static constexpr RecordField<R> fields[] = {
        Field<&R::BILGISAYARID, &R::setBILGISAYARID>("FBILGISAYARID"),
        Field<&R::SaticiMail, &R::setSaticiMail>("FSaticiMail"),
        Field<&R::Sirano, &R::setSirano>("FSirano"),
        Field<&R::CariAdi, &R::setCariAdi>("FCariAdi"),
        Field<&R::SIFRE, &R::setSIFRE>("FSIFRE"),
        Field<&R::SaticiNo, &R::setSaticiNo>("FSaticiNo"),
        Field<&R::CARINO, &R::setCARINO>("FCARINO"),
        Field<&R::AKTIF, &R::setAKTIF>("FAKTIF"),
        Field<&R::Kullanicimail, &R::setKullanicimail>("FKullanicimail"),
        Field<&R::ADI, &R::setADI>("FADI"),
        Field<&R::SaticiTelefon, &R::setSaticiTelefon>("FSaticiTelefon"),
        Field<&R::carikod, &R::setcarikod>("Fcarikod"),
        Field<&R::Varmi, &R::setVarmi>("FVarmi"),
        Field<&R::SaticiAdi, &R::setSaticiAdi>("FSaticiAdi"),
        Field<&R::BilgiSayarAdi, &R::setBilgiSayarAdi>("FBilgiSayarAdi"),
        Field<&R::Disip, &R::setDisip>("FDisip"),
        Field<&R::Icip, &R::setIcip>("FIcip"),
        Field<&R::BilgisayarKullanici, &R::setBilgisayarKullanici>("FBilgisayarKullanici"),
        Field<&R::MusteriTipi, &R::setMusteriTipi>("FMusteriTipi"),
        Field<&R::Version, &R::setVersion>("FVersion"),
    };
    return fields;
}

std::span<const RecordField<TSiparisDipAyrinti>> TSiparisDipAyrinti::Fields()
{
    using R = TSiparisDipAyrinti;
    static constexpr RecordField<R> fields[] = {
        Field<&R::SizinMesaj, &R::setSizinMesaj>("FSizinMesaj"),
        Field<&R::Durumu, &R::setDurumu>("FDurumu"),
        Field<&R::Veren, &R::setVeren>("FVeren"),
        Field<&R::Kargo, &R::setKargo>("FKargo"),
        Field<&R::BizimMesaj, &R::setBizimMesaj>("FBizimMesaj"),
        Field<&R::TeslimCinsi, &R::setTeslimCinsi>("FTeslimCinsi"),
        Field<&R::KargoCinsi, &R::setKargoCinsi>("FKargoCinsi"),
        Field<&R::SaticiNotu, &R::setSaticiNotu>("FSaticiNotu"),
    };
    return fields;
}

std::span<const RecordField<TTusSonuclari>> TTusSonuclari::Fields()
{
    using R = TTusSonuclari;
    static constexpr RecordField<R> fields[] = {
        Field<&R::Alindi, &R::setAlindi>("FAlindi"),
        Field<&R::Onaylandi, &R::setOnaylandi>("FOnaylandi"),
        Field<&R::ParcaliHazirlandi, &R::setParcaliHazirlandi>("FParcaliHazirlandi"),
        Field<&R::SevkEdildi, &R::setSevkEdildi>("FSevkEdildi"),
        Field<&R::Hazirlandi, &R::setHazirlandi>("FHazirlandi"),
        Field<&R::Goruldu, &R::setGoruldu>("FGoruldu"),
    };
    return fields;
}
