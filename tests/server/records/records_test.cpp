#include "server/baglantiu.h"
#include "server/mobilstokunit.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <functional>

namespace {

// A salesperson working for a customer: every field differs from its default and from the others.
TSonucBilgisi loggedInSalesperson()
{
    TSonucBilgisi r;
    r.setBILGISAYARID("WD-WCC4N1234567");
    r.setSaticiMail("satis@ornek.com.tr");
    r.setSirano(17);
    r.setCariAdi("Öztürk Oto Yedek Parça Ltd. Şti.");
    r.setSIFRE("gizli");
    r.setSaticiNo(3);
    r.setCARINO(1204);
    r.setAKTIF(1);
    r.setKullanicimail("ali@ornek.com.tr");
    r.setADI("ALİ");
    r.setSaticiTelefon("0532 000 00 00");
    r.setcarikod("120.01.004");
    r.setVarmi(true);
    r.setSaticiAdi("Mehmet Çelik");
    r.setBilgiSayarAdi("MAGAZA-PC");
    r.setDisip("203.0.113.9");
    r.setIcip("192.168.1.20");
    r.setBilgisayarKullanici("kasa");
    r.setMusteriTipi(2);
    r.setVersion(4);
    return r;
}

TSiparisDipAyrinti shippedOrderFooter()
{
    TSiparisDipAyrinti r;
    r.setSizinMesaj("Acil lütfen");
    r.setDurumu("Sevk Edildi");
    r.setVeren("ALİ");
    r.setKargo("Yurtiçi");
    r.setBizimMesaj("Eksik yok");
    r.setTeslimCinsi("Adrese");
    r.setKargoCinsi("Alıcı ödemeli");
    r.setSaticiNotu("Bayi aranacak");
    return r;
}

TTusSonuclari someCounters()
{
    TTusSonuclari r;
    r.setAlindi(1);
    r.setOnaylandi(2);
    r.setParcaliHazirlandi(3);
    r.setSevkEdildi(4);
    r.setHazirlandi(5);
    r.setGoruldu(-6);
    return r;
}

const char* const customerJson = R"({"type":"mobilstokunit.TMobilCariBilgisi","id":1,"fields":{
  "FBILGISAYARID":"MAC-001122334455","FSEHIR":"İzmir","FFAX1":"0232 111 11 12","FSATICIMAIL":"s@o.tr",
  "FSATICIADI":"Mehmet Çelik","FCARIADI":"Öztürk Oto","FEMAIL":"info@ozturk.tr","FVERGIDAIRESI":"Konak",
  "FYETKILI":"Hasan Öztürk","FAltGrup":"B","FTEL2":"0232 111 11 13","FSIFRE":"gizli","FGSM":"0533 1",
  "FTEL1":"0232 111 11 11","FADRES2":"No: 5","FTLBORC":12500.75,"FTLALACAK":0.1,"FADRES1":"Sanayi Sitesi",
  "FULKE":"Türkiye","FAnaGrup":"BAYİ","FCARINO":1204,"FTLBAKIYE":-12500.65,"FVERGINO":"1234567890",
  "FMAIL":"siparis@ozturk.tr","FOzelKod":"X1","FKULLANICIADI":"ALİ","FSATICITELEFON":"0532",
  "FCARIKOD":"120.01.004","FFAX2":"0232 111 11 14","FILCE":"Bornova"}})";

const char* const screensJson = R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[
  {"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":1,"FResim":"FFD8FFE0","FBaslik":"Kampanya","FArama":"#KAMPANYA#"}},
  {"type":"mobilstokunit.TAcilisEkran","id":3,"fields":{"FSiraNo":2,"FResim":"","FBaslik":"Yeni ürünler","FArama":"#YENİ#"}}]}})";

template <class R>
std::vector<QString> fieldNames()
{
    std::vector<QString> names;
    for (const auto& field : R::Fields())
        names.push_back(QString::fromLatin1(field.name));
    return names;
}

TEST(TransferRecords, FreshRecordsHoldTheirDefaults)
{
    const TSonucBilgisi login;
    EXPECT_EQ(login.MusteriTipi(), 1);
    EXPECT_EQ(login.Version(), 1);
    EXPECT_EQ(login.CARINO(), 0);
    EXPECT_EQ(login.Sirano(), 0);
    EXPECT_FALSE(login.Varmi());
    EXPECT_TRUE(login.ADI().isEmpty());
    EXPECT_EQ(TTusSonuclari().Goruldu(), 0);
    EXPECT_EQ(TMobilCariBilgisi().TLBAKIYE(), 0.0);
    EXPECT_TRUE(TAcilisEkranlariki().Ekranlar().isEmpty());
}

TEST(TransferRecords, FieldsAreListedInDeclarationOrder)
{
    EXPECT_EQ(fieldNames<TSonucBilgisi>(),
              (std::vector<QString>{"FBILGISAYARID", "FSaticiMail", "FSirano", "FCariAdi", "FSIFRE", "FSaticiNo",
                                    "FCARINO", "FAKTIF", "FKullanicimail", "FADI", "FSaticiTelefon", "Fcarikod",
                                    "FVarmi", "FSaticiAdi", "FBilgiSayarAdi", "FDisip", "FIcip",
                                    "FBilgisayarKullanici", "FMusteriTipi", "FVersion"}));
    EXPECT_EQ(fieldNames<TSiparisDipAyrinti>(),
              (std::vector<QString>{"FSizinMesaj", "FDurumu", "FVeren", "FKargo", "FBizimMesaj", "FTeslimCinsi",
                                    "FKargoCinsi", "FSaticiNotu"}));
    EXPECT_EQ(fieldNames<TTusSonuclari>(),
              (std::vector<QString>{"FAlindi", "FOnaylandi", "FParcaliHazirlandi", "FSevkEdildi", "FHazirlandi",
                                    "FGoruldu"}));
    EXPECT_EQ(fieldNames<TMobilCariBilgisi>().size(), 30u);
    EXPECT_EQ(fieldNames<TAcilisEkran>(), (std::vector<QString>{"FSiraNo", "FResim", "FBaslik", "FArama"}));
}

TEST(TransferRecords, KopyalaReplacesEveryFieldAlsoWithEmptyTexts)
{
    TSonucBilgisi login = loggedInSalesperson();
    login.Kopyala(TSonucBilgisi());
    EXPECT_EQ(login, TSonucBilgisi());
    login.Kopyala(loggedInSalesperson());
    EXPECT_EQ(login, loggedInSalesperson());
    EXPECT_EQ(login.carikod(), "120.01.004");

    TSiparisDipAyrinti footer = shippedOrderFooter();
    footer.Kopyala(TSiparisDipAyrinti());
    EXPECT_EQ(footer, TSiparisDipAyrinti());
    footer.Kopyala(shippedOrderFooter());
    EXPECT_EQ(footer, shippedOrderFooter());

    TTusSonuclari counters = someCounters();
    counters.Kopyala(TTusSonuclari());
    EXPECT_EQ(counters, TTusSonuclari());
    counters.Kopyala(someCounters());
    EXPECT_EQ(counters, someCounters());
}

TEST(TransferRecords, LoginRecordJsonUsesTheMarshallerFormAndTypes)
{
    const QJsonObject json = loggedInSalesperson().toJson(5);
    EXPECT_EQ(json.value("type").toString(), "baglantiu.TSonucBilgisi");
    EXPECT_EQ(json.value("id").toInt(), 5);
    const QJsonObject fields = json.value("fields").toObject();
    EXPECT_EQ(fields.size(), 20);
    EXPECT_TRUE(fields.value("FVarmi").isBool());
    EXPECT_TRUE(fields.value("FVarmi").toBool());
    EXPECT_TRUE(fields.value("FSirano").isDouble());
    EXPECT_EQ(fields.value("FSirano").toInt(), 17);
    EXPECT_EQ(fields.value("FCARINO").toInt(), 1204);
    EXPECT_EQ(fields.value("Fcarikod").toString(), "120.01.004");
    EXPECT_EQ(fields.value("FADI").toString(), "ALİ");
    EXPECT_TRUE(fields.value("FMusteriTipi").isDouble());

    // through text, as on the connection
    const QByteArray text = QJsonDocument(json).toJson(QJsonDocument::Compact);
    EXPECT_EQ(TSonucBilgisi::fromJsonText(text), loggedInSalesperson());
    EXPECT_EQ(TSonucBilgisi::fromJson(TSonucBilgisi().toJson()), TSonucBilgisi());
}

TEST(TransferRecords, EveryRecordSurvivesARoundTrip)
{
    EXPECT_EQ(TSiparisDipAyrinti::fromJson(shippedOrderFooter().toJson()), shippedOrderFooter());
    EXPECT_EQ(TTusSonuclari::fromJson(someCounters().toJson()), someCounters());

    const TMobilCariBilgisi customer = TMobilCariBilgisi::fromJsonText(customerJson);
    EXPECT_EQ(customer.CARINO(), 1204);
    EXPECT_EQ(customer.TLBAKIYE(), -12500.65);
    EXPECT_EQ(customer.TLALACAK(), 0.1);
    EXPECT_EQ(customer.SEHIR(), "İzmir");
    EXPECT_EQ(customer.ILCE(), "Bornova");
    EXPECT_EQ(customer.VERGINO(), "1234567890");
    // every member the server sent comes back out, with its JSON type
    EXPECT_EQ(customer.toJson(), QJsonDocument::fromJson(customerJson).object());
    const QByteArray customerText = QJsonDocument(customer.toJson()).toJson();
    EXPECT_EQ(TMobilCariBilgisi::fromJsonText(customerText), customer);

    const TAcilisEkranlariki screens = TAcilisEkranlariki::fromJsonText(screensJson);
    ASSERT_EQ(screens.Ekranlar().size(), 2);
    EXPECT_EQ(screens.Ekranlar()[0].Arama(), "#KAMPANYA#");
    EXPECT_EQ(screens.Ekranlar()[1].SiraNo(), 2);
    EXPECT_EQ(screens.Ekranlar()[1].Baslik(), "Yeni ürünler");
    const QJsonObject encoded = screens.toJson();
    EXPECT_EQ(encoded, QJsonDocument::fromJson(screensJson).object());
    const QJsonArray entries = encoded.value("fields").toObject().value("FEkranlar").toArray();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].toObject().value("type").toString(), "mobilstokunit.TAcilisEkran");
    // every object of one message has its own id
    EXPECT_EQ(entries[0].toObject().value("id").toInt(), 2);
    EXPECT_EQ(entries[1].toObject().value("id").toInt(), 3);
    EXPECT_EQ(TAcilisEkranlariki::fromJson(encoded), screens);
}

TEST(TransferRecords, NullMeansNoRecordAndMissingFieldsKeepDefaults)
{
    EXPECT_FALSE(TSonucBilgisi::fromNullableJson(QJsonValue::Null).has_value());
    const auto login = TSonucBilgisi::fromNullableJson(
        QJsonDocument::fromJson(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"ALİ","FYeniAlan":3}})")
            .object());
    ASSERT_TRUE(login.has_value());
    EXPECT_EQ(login->ADI(), "ALİ");
    EXPECT_EQ(login->MusteriTipi(), 1);
    EXPECT_EQ(login->Version(), 1);

    const auto screens = TAcilisEkranlariki::fromJsonText(
        R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":null}})");
    EXPECT_TRUE(screens.Ekranlar().isEmpty());
}

TEST(TransferRecords, BadJsonRaisesRecordFormatErrorNamingRecordAndField)
{
    struct Case {
        const char* json;
        std::function<void(const QByteArray&)> decode;
        const char* mentions;
    };
    const auto login = [](const QByteArray& text) { TSonucBilgisi::fromJsonText(text); };
    const auto screens = [](const QByteArray& text) { TAcilisEkranlariki::fromJsonText(text); };
    const Case cases[] = {
        {R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})", login, "TSonucBilgisi"},
        {R"({"id":1,"fields":{}})", login, "TSonucBilgisi"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":[]})", login, "fields"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1})", login, "fields"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"1204"}})", login, "FCARINO"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":3000000000}})", login, "FCARINO"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FSirano":1.5}})", login, "FSirano"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})", login, "FVarmi"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":null}})", login, "FADI"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":5}})", login, "FADI"},
        {R"([{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{}}])", login, "object"},
        {R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FADI":"AL)", login, "malformed"},
        {"", login, "malformed"},
        {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":{}}})", screens, "FEkranlar"},
        {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[
            {"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":1}},
            {"type":"mobilstokunit.TAcilisEkran","id":3,"fields":{"FSiraNo":"iki"}}]}})", screens, "FEkranlar[1]"},
        {R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[7]}})", screens, "FEkranlar[0]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.json);
        try {
            c.decode(QByteArray(c.json));
            ADD_FAILURE() << "no error raised";
        } catch (const RecordFormatError& error) {
            EXPECT_NE(std::string(error.what()).find(c.mentions), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(TTusSonuclari::fromJson(QJsonValue(5)), RecordFormatError);
    EXPECT_THROW(TTusSonuclari::fromJson(QJsonValue::Null), RecordFormatError);
    EXPECT_THROW(TTusSonuclari::fromNullableJson(QJsonValue("x")), RecordFormatError);
}

} // namespace
