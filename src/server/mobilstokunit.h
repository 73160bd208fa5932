#pragma once

#include "server/transferrecord.h"

#include <QList>
#include <QString>

// A customer's master data: addresses, contacts, tax data and lira totals.
class TMobilCariBilgisi : public TransferRecord<TMobilCariBilgisi> {
public:
    static constexpr const char* kTypeName = "mobilstokunit.TMobilCariBilgisi";
    static std::span<const RecordField<TMobilCariBilgisi>> Fields();

    QString BILGISAYARID() const { return FBILGISAYARID; }
    void setBILGISAYARID(const QString& value) { FBILGISAYARID = value; }
    QString SEHIR() const { return FSEHIR; }
    void setSEHIR(const QString& value) { FSEHIR = value; }
    QString FAX1() const { return FFAX1; }
    void setFAX1(const QString& value) { FFAX1 = value; }
    QString SATICIMAIL() const { return FSATICIMAIL; }
    void setSATICIMAIL(const QString& value) { FSATICIMAIL = value; }
    QString SATICIADI() const { return FSATICIADI; }
    void setSATICIADI(const QString& value) { FSATICIADI = value; }
    QString CARIADI() const { return FCARIADI; }
    void setCARIADI(const QString& value) { FCARIADI = value; }
    QString EMAIL() const { return FEMAIL; }
    void setEMAIL(const QString& value) { FEMAIL = value; }
    QString VERGIDAIRESI() const { return FVERGIDAIRESI; }
    void setVERGIDAIRESI(const QString& value) { FVERGIDAIRESI = value; }
    QString YETKILI() const { return FYETKILI; }
    void setYETKILI(const QString& value) { FYETKILI = value; }
    QString AltGrup() const { return FAltGrup; }
    void setAltGrup(const QString& value) { FAltGrup = value; }
    QString TEL2() const { return FTEL2; }
    void setTEL2(const QString& value) { FTEL2 = value; }
    QString SIFRE() const { return FSIFRE; }
    void setSIFRE(const QString& value) { FSIFRE = value; }
    QString GSM() const { return FGSM; }
    void setGSM(const QString& value) { FGSM = value; }
    QString TEL1() const { return FTEL1; }
    void setTEL1(const QString& value) { FTEL1 = value; }
    QString ADRES2() const { return FADRES2; }
    void setADRES2(const QString& value) { FADRES2 = value; }
    double TLBORC() const { return FTLBORC; }
    void setTLBORC(double value) { FTLBORC = value; }
    double TLALACAK() const { return FTLALACAK; }
    void setTLALACAK(double value) { FTLALACAK = value; }
    QString ADRES1() const { return FADRES1; }
    void setADRES1(const QString& value) { FADRES1 = value; }
    QString ULKE() const { return FULKE; }
    void setULKE(const QString& value) { FULKE = value; }
    QString AnaGrup() const { return FAnaGrup; }
    void setAnaGrup(const QString& value) { FAnaGrup = value; }
    qint32 CARINO() const { return FCARINO; }
    void setCARINO(qint32 value) { FCARINO = value; }
    double TLBAKIYE() const { return FTLBAKIYE; }
    void setTLBAKIYE(double value) { FTLBAKIYE = value; }
    QString VERGINO() const { return FVERGINO; }
    void setVERGINO(const QString& value) { FVERGINO = value; }
    QString MAIL() const { return FMAIL; }
    void setMAIL(const QString& value) { FMAIL = value; }
    QString OzelKod() const { return FOzelKod; }
    void setOzelKod(const QString& value) { FOzelKod = value; }
    QString KULLANICIADI() const { return FKULLANICIADI; }
    void setKULLANICIADI(const QString& value) { FKULLANICIADI = value; }
    QString SATICITELEFON() const { return FSATICITELEFON; }
    void setSATICITELEFON(const QString& value) { FSATICITELEFON = value; }
    QString CARIKOD() const { return FCARIKOD; }
    void setCARIKOD(const QString& value) { FCARIKOD = value; }
    QString FAX2() const { return FFAX2; }
    void setFAX2(const QString& value) { FFAX2 = value; }
    QString ILCE() const { return FILCE; }
    void setILCE(const QString& value) { FILCE = value; }

    friend bool operator==(const TMobilCariBilgisi&, const TMobilCariBilgisi&) = default;

private:
    QString FBILGISAYARID;
    QString FSEHIR;
    QString FFAX1;
    QString FSATICIMAIL;
    QString FSATICIADI;
    QString FCARIADI;
    QString FEMAIL;
    QString FVERGIDAIRESI;
    QString FYETKILI;
    QString FAltGrup;
    QString FTEL2;
    QString FSIFRE;
    QString FGSM;
    QString FTEL1;
    QString FADRES2;
    double FTLBORC = 0;
    double FTLALACAK = 0;
    QString FADRES1;
    QString FULKE;
    QString FAnaGrup;
    qint32 FCARINO = 0;
    double FTLBAKIYE = 0;
    QString FVERGINO;
    QString FMAIL;
    QString FOzelKod;
    QString FKULLANICIADI;
    QString FSATICITELEFON;
    QString FCARIKOD;
    QString FFAX2;
    QString FILCE;
};

// One opening screen or announcement. FResim holds a JPEG picture as hexadecimal digit
// pairs, two characters per byte; FArama is what choosing it does.
class TAcilisEkran : public TransferRecord<TAcilisEkran> {
public:
    static constexpr const char* kTypeName = "mobilstokunit.TAcilisEkran";
    static std::span<const RecordField<TAcilisEkran>> Fields();

    qint32 SiraNo() const { return FSiraNo; }
    void setSiraNo(qint32 value) { FSiraNo = value; }
    QString Resim() const { return FResim; }
    void setResim(const QString& value) { FResim = value; }
    QString Baslik() const { return FBaslik; }
    void setBaslik(const QString& value) { FBaslik = value; }
    QString Arama() const { return FArama; }
    void setArama(const QString& value) { FArama = value; }

    friend bool operator==(const TAcilisEkran&, const TAcilisEkran&) = default;

private:
    qint32 FSiraNo = 0;
    QString FResim;
    QString FBaslik;
    QString FArama;
};

// The opening screens and announcements the server offers.
class TAcilisEkranlariki : public TransferRecord<TAcilisEkranlariki> {
public:
    static constexpr const char* kTypeName = "mobilstokunit.TAcilisEkranlariki";
    static std::span<const RecordField<TAcilisEkranlariki>> Fields();

    QList<TAcilisEkran> Ekranlar() const { return FEkranlar; }
    void setEkranlar(const QList<TAcilisEkran>& value) { FEkranlar = value; }

    friend bool operator==(const TAcilisEkranlariki&, const TAcilisEkranlariki&) = default;

private:
    QList<TAcilisEkran> FEkranlar;
};
