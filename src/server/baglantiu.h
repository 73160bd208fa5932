#pragma once

#include "server/transferrecord.h"

#include <QString>

// The login record: who is logged in, as which user type, for which customer, from which
// machine, and the program version the server knows. A copy goes with most server calls.
// MusteriTipi 1 and 2 are salespersons.
class TSonucBilgisi : public TransferRecord<TSonucBilgisi> {
public:
    static constexpr const char* kTypeName = "baglantiu.TSonucBilgisi";
    static std::span<const RecordField<TSonucBilgisi>> Fields();

    QString BILGISAYARID() const { return FBILGISAYARID; }
    void setBILGISAYARID(const QString& value) { FBILGISAYARID = value; }
    QString SaticiMail() const { return FSaticiMail; }
    void setSaticiMail(const QString& value) { FSaticiMail = value; }
    qint32 Sirano() const { return FSirano; }
    void setSirano(qint32 value) { FSirano = value; }
    QString CariAdi() const { return FCariAdi; }
    void setCariAdi(const QString& value) { FCariAdi = value; }
    QString SIFRE() const { return FSIFRE; }
    void setSIFRE(const QString& value) { FSIFRE = value; }
    qint32 SaticiNo() const { return FSaticiNo; }
    void setSaticiNo(qint32 value) { FSaticiNo = value; }
    qint32 CARINO() const { return FCARINO; }
    void setCARINO(qint32 value) { FCARINO = value; }
    qint32 AKTIF() const { return FAKTIF; }
    void setAKTIF(qint32 value) { FAKTIF = value; }
    QString Kullanicimail() const { return FKullanicimail; }
    void setKullanicimail(const QString& value) { FKullanicimail = value; }
    QString ADI() const { return FADI; }
    void setADI(const QString& value) { FADI = value; }
    QString SaticiTelefon() const { return FSaticiTelefon; }
    void setSaticiTelefon(const QString& value) { FSaticiTelefon = value; }
    QString carikod() const { return Fcarikod; }
    void setcarikod(const QString& value) { Fcarikod = value; }
    bool Varmi() const { return FVarmi; }
    void setVarmi(bool value) { FVarmi = value; }
    QString SaticiAdi() const { return FSaticiAdi; }
    void setSaticiAdi(const QString& value) { FSaticiAdi = value; }
    QString BilgiSayarAdi() const { return FBilgiSayarAdi; }
    void setBilgiSayarAdi(const QString& value) { FBilgiSayarAdi = value; }
    QString Disip() const { return FDisip; }
    void setDisip(const QString& value) { FDisip = value; }
    QString Icip() const { return FIcip; }
    void setIcip(const QString& value) { FIcip = value; }
    QString BilgisayarKullanici() const { return FBilgisayarKullanici; }
    void setBilgisayarKullanici(const QString& value) { FBilgisayarKullanici = value; }
    qint32 MusteriTipi() const { return FMusteriTipi; }
    void setMusteriTipi(qint32 value) { FMusteriTipi = value; }
    qint32 Version() const { return FVersion; }
    void setVersion(qint32 value) { FVersion = value; }

    // Copies every field of source into this record through the setters.
    void Kopyala(const TSonucBilgisi& source) { copyFields(source); }

    friend bool operator==(const TSonucBilgisi&, const TSonucBilgisi&) = default;

private:
    QString FBILGISAYARID;
    QString FSaticiMail;
    qint32 FSirano = 0;
    QString FCariAdi;
    QString FSIFRE;
    qint32 FSaticiNo = 0;
    qint32 FCARINO = 0;
    qint32 FAKTIF = 0;
    QString FKullanicimail;
    QString FADI;
    QString FSaticiTelefon;
    QString Fcarikod;
    bool FVarmi = false;
    QString FSaticiAdi;
    QString FBilgiSayarAdi;
    QString FDisip;
    QString FIcip;
    QString FBilgisayarKullanici;
    qint32 FMusteriTipi = 1;
    qint32 FVersion = 1;
};

// The footer of one order: messages, status, carrier and delivery kinds.
class TSiparisDipAyrinti : public TransferRecord<TSiparisDipAyrinti> {
public:
    static constexpr const char* kTypeName = "baglantiu.TSiparisDipAyrinti";
    static std::span<const RecordField<TSiparisDipAyrinti>> Fields();

    QString SizinMesaj() const { return FSizinMesaj; }
    void setSizinMesaj(const QString& value) { FSizinMesaj = value; }
    QString Durumu() const { return FDurumu; }
    void setDurumu(const QString& value) { FDurumu = value; }
    QString Veren() const { return FVeren; }
    void setVeren(const QString& value) { FVeren = value; }
    QString Kargo() const { return FKargo; }
    void setKargo(const QString& value) { FKargo = value; }
    QString BizimMesaj() const { return FBizimMesaj; }
    void setBizimMesaj(const QString& value) { FBizimMesaj = value; }
    QString TeslimCinsi() const { return FTeslimCinsi; }
    void setTeslimCinsi(const QString& value) { FTeslimCinsi = value; }
    QString KargoCinsi() const { return FKargoCinsi; }
    void setKargoCinsi(const QString& value) { FKargoCinsi = value; }
    QString SaticiNotu() const { return FSaticiNotu; }
    void setSaticiNotu(const QString& value) { FSaticiNotu = value; }

    // Copies every field of source into this record through the setters.
    void Kopyala(const TSiparisDipAyrinti& source) { copyFields(source); }

    friend bool operator==(const TSiparisDipAyrinti&, const TSiparisDipAyrinti&) = default;

private:
    QString FSizinMesaj;
    QString FDurumu;
    QString FVeren;
    QString FKargo;
    QString FBizimMesaj;
    QString FTeslimCinsi;
    QString FKargoCinsi;
    QString FSaticiNotu;
};

// Order-state counters of one customer, shown on the customer selection buttons.
class TTusSonuclari : public TransferRecord<TTusSonuclari> {
public:
    static constexpr const char* kTypeName = "baglantiu.TTusSonuclari";
    static std::span<const RecordField<TTusSonuclari>> Fields();

    qint32 Alindi() const { return FAlindi; }
    void setAlindi(qint32 value) { FAlindi = value; }
    qint32 Onaylandi() const { return FOnaylandi; }
    void setOnaylandi(qint32 value) { FOnaylandi = value; }
    qint32 ParcaliHazirlandi() const { return FParcaliHazirlandi; }
    void setParcaliHazirlandi(qint32 value) { FParcaliHazirlandi = value; }
    qint32 SevkEdildi() const { return FSevkEdildi; }
    void setSevkEdildi(qint32 value) { FSevkEdildi = value; }
    qint32 Hazirlandi() const { return FHazirlandi; }
    void setHazirlandi(qint32 value) { FHazirlandi = value; }
    qint32 Goruldu() const { return FGoruldu; }
    void setGoruldu(qint32 value) { FGoruldu = value; }

    // Copies every field of source into this record through the setters.
    void Kopyala(const TTusSonuclari& source) { copyFields(source); }

    friend bool operator==(const TTusSonuclari&, const TTusSonuclari&) = default;

private:
    qint32 FAlindi = 0;
    qint32 FOnaylandi = 0;
    qint32 FParcaliHazirlandi = 0;
    qint32 FSevkEdildi = 0;
    qint32 FHazirlandi = 0;
    qint32 FGoruldu = 0;
};
