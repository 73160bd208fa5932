#include "runningserver.h"

#include "commands.h"
#include "domainrules.h"

#include "server/mobilstokunit.h"

#include <QImage>
#include <QProcess>

using namespace testkit;

namespace {

TEST(AppServerInput, BadInputIsAnsweredWithAnErrorAndTheServerGoesOn)
{
    RunningServer s;
    Caller call(s.port());
    const std::string hugeText(50 * 1024 * 1024, 'x');
    struct Case { const char* what; std::string method; std::string body; };
    const Case cases[] = {
        {"invalid JSON", "EchoString", "{\"_parameters\":[\"a\""},
        {"not an object", "EchoString", "[1,2]"},
        {"wrong count", "EchoString", R"({"_parameters":["a","b"]})"},
        {"wrong type", "OncekiSiparisler", R"({"_parameters":["1"]})"},
        {"fraction for int32", "OncekiSiparisler", R"({"_parameters":[1.5]})"},
        {"int32 out of range", "OncekiSiparisler", R"({"_parameters":[4294967296]})"},
        {"unknown method", "NoSuchMethod", R"({"_parameters":[]})"},
        {"record of the wrong type", "SepetHepsiniSil",
         R"({"_parameters":[{"type":"mobilstokunit.TAcilisEkran","id":1,"fields":{}}]})"},
        {"record field of the wrong type", "SepetHepsiniSil",
         R"({"_parameters":[{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"bir"}}]})"},
        {"50 MB body", "EchoString", "{\"_parameters\":[\"" + hugeText + "\"]}"},
    };
    for (const Case& c : cases) {
        const QJsonObject a = QJsonDocument::fromJson(QByteArray::fromStdString(call.raw(c.method, c.body))).object();
        EXPECT_TRUE(a.value("error").isString()) << c.what;
        EXPECT_FALSE(a.contains("result")) << c.what;
        // A fresh connection, since the server may close one after a refused body.
        Caller next(s.port());
        EXPECT_EQ(next.result("EchoString", {"hâlâ"}), QJsonArray{"hâlâ"}) << "after " << c.what;
    }
}

TEST(AppServerLogin, BuyukGetirReturnsTheAccountBoundToTheMachine)
{
    RunningServer s;
    appserver::RegisterMachine(s.file(), "MAKINE-1", "BAYI");
    appserver::RegisterMachine(s.file(), "MAKINE-2", "PASIF");
    appserver::RegisterMachine(s.file(), "MAKINE-1", "SATICI"); // binding again moves it
    appserver::SetVersion(s.file(), 3);
    EXPECT_THROW(appserver::RegisterMachine(s.file(), "MAKINE-3", "YOK"), std::runtime_error);
    Caller call(s.port());

    const auto satici = TSonucBilgisi::fromJson(call.result("BuyukGetir", {"MAKINE-1"}).at(0));
    EXPECT_TRUE(satici.Varmi());
    EXPECT_EQ(satici.ADI(), "SATICI");
    EXPECT_EQ(satici.SIFRE(), "1234");
    EXPECT_EQ(satici.MusteriTipi(), 1);
    EXPECT_EQ(satici.AKTIF(), 1);
    EXPECT_GT(satici.SaticiNo(), 0);
    EXPECT_EQ(satici.Version(), 3);

    const auto pasif = TSonucBilgisi::fromJson(call.result("BuyukGetir", {"MAKINE-2"}).at(0));
    EXPECT_EQ(pasif.AKTIF(), 0);
    EXPECT_GT(pasif.CARINO(), 0);
    EXPECT_FALSE(pasif.CariAdi().isEmpty());

    const auto unknown = TSonucBilgisi::fromJson(call.result("BuyukGetir", {"BILINMEYEN"}).at(0));
    EXPECT_FALSE(unknown.Varmi());
    EXPECT_EQ(unknown.BILGISAYARID(), "BILINMEYEN");
}

TEST(AppServerStock, SearchFoldsTurkishLettersAndCarriesThePriceFields)
{
    RunningServer s;
    Caller call(s.port());
    const DataTable typed = call.table("StokAraGetir", {"FREN BALATASI CLIO", LoginOf(1)});
    const DataTable lower = call.table("StokAraGetir", {"fren balatası clıo", LoginOf(1)});
    ASSERT_GT(typed.rowCount(), 0);
    EXPECT_EQ(typed.rowCount(), lower.rowCount());
    for (const char* f : {"STOK_STOKNO", "BARKOD", "ADI", "MARKA", "MODEL", "FINISHKOD", "KDV", "FIYAT", "IND1",
                          "IND2", "IND3", "IND4", "INDIRIMYAZI", "NETFIYAT", "KDVDAHIL", "LISTEFIYAT1", "KAMPFIYAT",
                          "K", "Y", "DURUM", "RESIM", "KALAN", "OEM1", "OEM2", "OEM3", "OEM4"})
        EXPECT_GE(typed.indexOf(f), 0) << f;
    EXPECT_EQ(typed.column(typed.indexOf("IND1")).def().type, FieldType::Double);
    EXPECT_EQ(typed.column(typed.indexOf("STOK_STOKNO")).def().type, FieldType::Int32);
    for (int r = 0; r < typed.rowCount(); ++r) {
        EXPECT_TRUE(Cell(typed, "ADI", r).toString().contains("Clio"));
        const double net = appserver::Round2(appserver::ApplyDiscounts(
            Cell(typed, "FIYAT", r).toDouble(), Cell(typed, "IND1", r).toDouble(), Cell(typed, "IND2", r).toDouble(),
            Cell(typed, "IND3", r).toDouble(), Cell(typed, "IND4", r).toDouble()));
        EXPECT_DOUBLE_EQ(Cell(typed, "NETFIYAT", r).toDouble(), net);
        EXPECT_DOUBLE_EQ(Cell(typed, "KDVDAHIL", r).toDouble(),
                         appserver::Round2(net * (1 + Cell(typed, "KDV", r).toDouble() / 100)));
        if (r > 0) // largest remaining stock first
            EXPECT_GE(Cell(typed, "KALAN", r - 1).toDouble(), Cell(typed, "KALAN", r).toDouble());
    }
    // By barcode and by an OEM code written without its blanks.
    const QString barkod = Cell(typed, "BARKOD", 0).toString();
    EXPECT_EQ(call.table("StokAraGetir", {barkod, LoginOf(1)}).rowCount(), 1);
    const QString oem3 = Cell(typed, "OEM3", 0).toString().remove(' ');
    EXPECT_GE(call.table("StokAraGetir", {oem3, LoginOf(1)}).rowCount(), 1);
    EXPECT_EQ(call.table("StokAraGetir", {"   ", LoginOf(1)}).rowCount(), 0);
    EXPECT_EQ(call.table("StokAraGetir", {"%_%", LoginOf(1)}).rowCount(), 0);

    EXPECT_GT(call.table("YenilerVer2", {1}).rowCount(), 0);
    EXPECT_GT(call.table("KampanyaliVer2", {1, 0}).rowCount(), 0);
    EXPECT_EQ(call.table("KampanyaliVer2", {4, 4}).rowCount(), 0);

    const QJsonArray picture = call.result("ResimVer5", {1});
    const QByteArray jpeg = QByteArray::fromBase64(picture.at(1).toString().toLatin1());
    EXPECT_EQ(picture.at(0).toInteger(), jpeg.size());
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8"));
    EXPECT_EQ(call.result("ResimVer5", {2}).at(0).toInteger(), 0);
}

TEST(AppServerStatement, RowsInDateOrderWithDocumentsBehindThem)
{
    RunningServer s;
    Caller call(s.port());
    const DataTable ekstre = call.table("CariEkstreVer", {1});
    ASSERT_GT(ekstre.rowCount(), 3);
    EXPECT_GE(ekstre.indexOf("BAKIYE"), 0);
    EXPECT_GE(ekstre.indexOf("D"), 0);
    int invoice = 0, collection = 0;
    for (int r = 0; r < ekstre.rowCount(); ++r) {
        if (r > 0)
            EXPECT_LE(Cell(ekstre, "TARIH", r - 1).toDate(), Cell(ekstre, "TARIH", r).toDate());
        const QString kind = Cell(ekstre, "TURADI", r).toString();
        if (kind == "Satış Faturası")
            invoice = Cell(ekstre, "IDNO", r).toInt();
        if (kind == "Tahsilat" && call.result("SanalposSiranoVer", {Cell(ekstre, "IDNO", r).toInt()}).at(0).toInt() > 0)
            collection = Cell(ekstre, "IDNO", r).toInt();
    }
    ASSERT_GT(invoice, 0);
    EXPECT_GT(call.table("FaturaGetir", {1, invoice}).rowCount(), 0);
    EXPECT_EQ(call.table("FaturaGetir", {2, invoice}).rowCount(), 0); // another customer's invoice
    const DataTable alt = call.table("FaturaAltGetir", {invoice});
    ASSERT_EQ(alt.rowCount(), 1);
    EXPECT_NEAR(Cell(alt, "MATRAH", 0).toDouble() + Cell(alt, "KDVTUTAR", 0).toDouble(),
                Cell(alt, "KDVDAHIL", 0).toDouble(), 0.005);

    ASSERT_GT(collection, 0) << "the demo data has card collections";
    EXPECT_EQ(call.table("Tahsilat", {collection}).rowCount(), 1);
    const int pos = call.result("SanalposSiranoVer", {collection}).at(0).toInt();
    const QJsonArray pdf = call.result("SAnalPosPdfVer", {pos});
    const QByteArray bytes = QByteArray::fromBase64(pdf.at(1).toString().toLatin1());
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(pdf.at(0).toInteger(), bytes.size());

    EXPECT_FALSE(call.result("CariDurumVer", {1}).at(0).toString().isEmpty());
    EXPECT_TRUE(call.result("CariDurumVer", {999999}).at(0).toString().isEmpty());
    EXPECT_TRUE(call.result("CariVadeGunGecmismiBul", {1}).at(0).toString().contains("Vadesi"));
    EXPECT_TRUE(call.result("CariVadeGunGecmismiBul", {40}).at(0).toString().isEmpty()); // settled customer
}

TEST(AppServerContent, BannersAnnouncementsAndAdvertisements)
{
    RunningServer s;
    Caller call(s.port());
    struct B { const char* method; const char* magic; };
    for (const B& b : {B{"BannerResimVer", "GIF89a"}, B{"BannerResimVer2", "GIF89a"}, B{"BannerResimVer3", "BM"}}) {
        const QJsonArray r = call.result(b.method, {});
        const QByteArray bytes = QByteArray::fromBase64(r.at(1).toString().toLatin1());
        EXPECT_TRUE(bytes.startsWith(b.magic)) << b.method;
        EXPECT_EQ(r.at(0).toInteger(), bytes.size()) << b.method;
        EXPECT_FALSE(QImage::fromData(bytes).isNull()) << b.method;
    }
    const auto all = TAcilisEkranlariki::fromJson(call.result("AcilisEkranlarVer2", {}).at(0));
    ASSERT_FALSE(all.Ekranlar().isEmpty());
    QStringList searches;
    for (const TAcilisEkran& e : all.Ekranlar()) {
        searches << e.Arama();
        EXPECT_FALSE(QImage::fromData(QByteArray::fromHex(e.Resim().toLatin1()), "JPEG").isNull());
    }
    EXPECT_TRUE(searches.contains("#KAMPANYA#"));
    EXPECT_TRUE(searches.contains("#YENİ#"));

    const int ads = call.result("AcilisReklamAdet", {}).at(0).toInt();
    ASSERT_GT(ads, 0);
    EXPECT_FALSE(TAcilisEkran::fromJson(call.result("AcilisREklamVer", {0}).at(0)).Baslik().isEmpty());
    EXPECT_TRUE(call.result("AcilisREklamVer", {ads}).at(0).isNull());

    const DataTable balon = call.table("BalonGetir", {LoginOf(1)});
    ASSERT_EQ(balon.rowCount(), 1);
    ASSERT_EQ(balon.fieldCount(), 5);
    EXPECT_EQ(balon.column(0).def().type, FieldType::Int32);
    EXPECT_EQ(balon.column(4).def().type, FieldType::Double);
    EXPECT_TRUE(call.result("KayanYaziGetir", {}).at(0).toString().contains("<b>"));
}

TEST(AppServerCustomers, SalespersonsSeeTheirCustomersWithCounters)
{
    RunningServer s;
    Caller call(s.port());
    const QJsonObject satici = LoginOf(0, 2, 1, 1);
    const DataTable list = call.table("CariAra", {satici, ""});
    ASSERT_GT(list.rowCount(), 0);
    for (const char* f : {"CARINO", "CARIKOD", "CARIADI", "SATICISI", "TLBAKIYE", "SEPET", "ALINDI", "ONAYLANDI",
                          "GORULDU", "HAZIRLANDI", "PARCALIHAZIRLANDI", "VADE", "EMAIL"})
        EXPECT_GE(list.indexOf(f), 0) << f;
    const QString name = Cell(list, "CARIADI", 0).toString();
    const DataTable found = call.table("CariAra", {satici, name.toLower()});
    EXPECT_GE(found.rowCount(), 1);
    EXPECT_LT(list.rowCount(), call.table("CariAra", {LoginOf(0, 3, 2, 2), ""}).rowCount()); // type 2 sees all

    const auto counters = TTusSonuclari::fromJson(call.result("TusSonuclariVer", {satici}).at(0));
    EXPECT_GT(counters.Alindi() + counters.Onaylandi() + counters.SevkEdildi(), 0);
    EXPECT_EQ(call.table("CariSepetVer", {satici, 2}).rowCount() > 0, counters.Alindi() > 0);

    const auto cari = TMobilCariBilgisi::fromJson(call.result("MobilCariBilgisiGetir", {1, "M"}).at(0));
    EXPECT_EQ(cari.CARINO(), 1);
    EXPECT_FALSE(cari.ADRES1().isEmpty());
    EXPECT_FALSE(cari.VERGINO().isEmpty());
    EXPECT_EQ(call.result("MailGonserCariNormal", QJsonArray{"M", "Konu", "F", "A1", "A2", "I", "S", "T", "F", "VD",
                                                               "VN", "Y", "K", "1234", "m@x", "ambar", "konu"})
                  .at(0)
                  .toInt(),
              1);
}

TEST(AppServerBinary, PrintsItsPortFirstAndAnswersEchoString)
{
    QTemporaryDir dir;
    QFile::copy(SeededTemplate(), dir.path() + "/demo.db");
    QProcess p;
    p.start(VELKORA_APPSERVER_BINARY, {"serve", "--db", dir.path() + "/demo.db", "--port", "0"});
    ASSERT_TRUE(p.waitForStarted(10000));
    for (int i = 0; i < 300 && !p.canReadLine(); ++i)
        p.waitForReadyRead(100);
    const int port = p.readLine().trimmed().toInt();
    ASSERT_GT(port, 0);
    Caller call(port);
    EXPECT_EQ(call.raw("EchoString", R"({"_parameters":["Merhaba"]})"), R"({"result":["Merhaba"]})");

    httplib::Client web("127.0.0.1", port);
    auto ip = web.Get("/ip.php");
    ASSERT_TRUE(ip);
    EXPECT_EQ(ip->body, "127.0.0.1");
    auto pay = web.Get("/dervano.html?carino=1&sube=MERKEZ&firmasi=A%26B&bakiye=10");
    ASSERT_TRUE(pay);
    EXPECT_NE(pay->body.find("A&amp;B"), std::string::npos);
    auto setup = web.Get("/exe/VelkoraSetup.exe");
    ASSERT_TRUE(setup);
    EXPECT_GT(setup->body.size(), 1200u);

    // Passwords never reach the log.
    call.raw("MailGonserCari", R"({"_parameters":["M","b","f","a","a","i","s","t","f","v","n","y","k","GIZLI","m","k"]})");
    call.raw("SepetHepsiniSil", R"({"_parameters":[{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FSIFRE":"GIZLI2"}}]})");
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(10000));
    const QByteArray log = p.readAllStandardError();
    EXPECT_TRUE(log.contains("EchoString(Value=\"Merhaba\")"));
    EXPECT_TRUE(log.contains("MailGonserCari("));
    EXPECT_FALSE(log.contains("GIZLI"));
}

} // namespace
