#include "demoseed.h"

#include "database.h"
#include "domainrules.h"
#include "media.h"

#include <QDate>
#include <QStringList>

#include <random>

namespace appserver::demoseed {
namespace {

// Every value comes from this fixed sequence, so the set is the same on each run.
class Dice {
public:
    int below(int n) { return int(FGen() % quint32(n)); }
    template <class T, size_t N>
    const T& pick(const T (&a)[N]) { return a[below(int(N))]; }
    const QString& pick(const QStringList& l) { return l[below(int(l.size()))]; }

private:
    std::mt19937 FGen{20240601u};
};

// Dates are spread backwards from a fixed day.
const QDate kToday(2025, 6, 2);

const char* const kParts[] = {"Yağ Filtresi", "Hava Filtresi", "Polen Filtresi", "Yakıt Filtresi",
                              "Fren Balatası Ön", "Fren Balatası Arka", "Fren Diski", "Debriyaj Seti",
                              "Amortisör Ön", "Amortisör Arka", "Rot Başı", "Rotil", "Salıncak",
                              "Triger Seti", "V Kayışı", "Devirdaim Pompası", "Termostat", "Radyatör",
                              "Buji", "Ateşleme Bobini", "Far Ampulü", "Silecek Süpürgesi", "Egzoz Susturucu",
                              "Motor Takozu", "Aks Körüğü", "Conta Takımı", "Şanzıman Yağı", "Marş Motoru",
                              "Alternatör", "Klima Kompresörü"};
const char* const kMakes[] = {"Renault", "Fiat", "Ford", "Volkswagen", "Opel", "Toyota", "Hyundai",
                              "Peugeot", "Citroen", "Dacia"};
const char* const kModels[][4] = {{"Clio", "Megane", "Symbol", "Kangoo"}, {"Doblo", "Linea", "Egea", "Palio"},
                                  {"Focus", "Fiesta", "Transit", "Connect"}, {"Golf", "Passat", "Polo", "Caddy"},
                                  {"Astra", "Corsa", "Vectra", "Insignia"}, {"Corolla", "Yaris", "Auris", "Hilux"},
                                  {"Accent", "i20", "Getz", "Tucson"}, {"206", "307", "Partner", "301"},
                                  {"C3", "C4", "Berlingo", "C-Elysee"}, {"Logan", "Sandero", "Duster", "Lodgy"}};
const char* const kBrands[] = {"Bosch", "Mahle", "Valeo", "Sachs", "TRW", "Febi", "Gates", "NGK", "Mann",
                               "Lemförder"};
const char* const kGroups[] = {"Filtre", "Fren", "Süspansiyon", "Motor", "Elektrik", "Soğutma"};
const char* const kCities[][2] = {{"İstanbul", "Kadıköy"}, {"Ankara", "Çankaya"}, {"İzmir", "Bornova"},
                                  {"Bursa", "Nilüfer"}, {"Konya", "Selçuklu"}, {"Adana", "Seyhan"},
                                  {"Eskişehir", "Odunpazarı"}, {"Gaziantep", "Şahinbey"}};
const char* const kFirms[] = {"Oto Yedek", "Otomotiv", "Oto Parça", "Yedek Parça", "Motor Sanayi"};
const char* const kSurnames[] = {"Yılmaz", "Kaya", "Demir", "Şahin", "Çelik", "Yıldız", "Öztürk", "Aydın",
                                 "Özdemir", "Arslan", "Doğan", "Kılıç"};
const char* const kNames[] = {"Ahmet", "Mehmet", "Ayşe", "Fatma", "Mustafa", "Zeynep", "Hüseyin", "Emine",
                              "İbrahim", "Hatice", "Gökhan", "Özlem"};

constexpr int kStockCount = 2400;
constexpr int kCustomerCount = 40;

QString day(int daysBack)
{
    return kToday.addDays(-daysBack).toString(Qt::ISODate);
}

void seedSettings(Connection& db)
{
    db.run("INSERT INTO ayar VALUES ('Version', '1')");
    db.run("INSERT INTO ayar VALUES ('KayanYazi', ?)",
           {QStringLiteral("<b>Velkora B2B</b> ile siparişleriniz aynı gün kargoda! "
                           "<font color=\"red\">Haziran kampanyası</font> başladı: fren ve filtre ürünlerinde "
                           "<i>%15'e varan</i> indirim.")});
}

void seedSalespersons(Connection& db)
{
    db.run("INSERT INTO satici VALUES (1, 'Murat Erdem', '0532 111 22 33', 'murat.erdem@velkora.com.tr')");
    db.run("INSERT INTO satici VALUES (2, 'Selin Aksoy', '0533 444 55 66', 'selin.aksoy@velkora.com.tr')");
    db.run("INSERT INTO satici VALUES (3, 'Kemal Tunç', '0535 777 88 99', 'kemal.tunc@velkora.com.tr')");
}

void seedCustomers(Connection& db, Dice& d)
{
    for (int n = 1; n <= kCustomerCount; ++n) {
        const auto& city = kCities[d.below(8)];
        const QString owner = QString::fromUtf8(d.pick(kNames)) + ' ' + QString::fromUtf8(d.pick(kSurnames));
        const QString firm = QString::fromUtf8(d.pick(kSurnames)) + ' ' + QString::fromUtf8(d.pick(kFirms)) +
                             (n % 3 ? " Ltd. Şti." : " A.Ş.");
        const QString code = QString("120.%1").arg(n, 4, 10, QChar('0'));
        db.run("INSERT INTO cari (CARINO, CARIKOD, CARIADI, SATICINO, YETKILI, ADRES1, ADRES2, ILCE, IL, ULKE, "
               "TEL1, TEL2, GSM, FAX1, FAX2, EMAIL, VERGIDAIRESI, VERGINO, OZELKOD, ANAGRUP, ALTGRUP, "
               "KOD1, KOD2, KOD3, KOD4, KOD5, INDIRIM, VADE, VADEKONTROLGUN, VADEKONTROLAY, DURUM) "
               "VALUES (?,?,?,?,?,?,?,?,?,'Türkiye',?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
               {n, code, firm, 1 + (n - 1) % 3, owner,
                QString("Sanayi Sitesi %1. Blok No:%2").arg(1 + d.below(20)).arg(1 + d.below(90)),
                QString::fromUtf8(city[1]) + " / " + QString::fromUtf8(city[0]), QString::fromUtf8(city[1]),
                QString::fromUtf8(city[0]), QString("0212 %1").arg(3000000 + n * 7919),
                QString("0212 %1").arg(4000000 + n * 104729), QString("0532 %1").arg(5000000 + n * 3571),
                QString("0212 %1").arg(6000000 + n * 2221), "", QString("bayi%1@ornek.com.tr").arg(n),
                QString::fromUtf8(city[1]) + " V.D.", QString("%1").arg(1000000000LL + n * 7777777LL),
                n % 4 ? "A" : "B", "Bayi", n % 2 ? "Perakende" : "Toptan", "K1", "K2", "K3", "K4", "K5",
                double(5 * (n % 3)), 30 + 15 * (n % 3), 10, 1, n == kCustomerCount ? "Pasif" : "Aktif"});
    }
}

void seedAccounts(Connection& db)
{
    // SIRANO, ADI, type, active, customer, salesperson
    struct A { int sirano; const char* adi; int tip; int aktif; int carino; int satici; };
    const A accounts[] = {{1, "BAYI", 0, 1, 1, 0},   {2, "SATICI", 1, 1, 0, 1}, {3, "SATICI2", 2, 1, 0, 2},
                          {4, "BAYI3", 3, 1, 3, 0},  {5, "BAYI4", 4, 1, 4, 0},  {6, "PASIF", 0, 0, 5, 0}};
    for (const A& a : accounts)
        db.run("INSERT INTO kullanici (SIRANO, ADI, SIFRE, MUSTERITIPI, AKTIF, CARINO, SATICINO, MAIL) "
               "VALUES (?,?,'1234',?,?,?,?,?)",
               {a.sirano, a.adi, a.tip, a.aktif, a.carino ? QVariant(a.carino) : QVariant(),
                a.satici ? QVariant(a.satici) : QVariant(),
                QString::fromLatin1(a.adi).toLower() + "@ornek.com.tr"});
}

void seedStock(Connection& db, Dice& d)
{
    static const QColor colours[] = {QColor(176, 32, 32), QColor(32, 96, 160), QColor(40, 120, 60),
                                     QColor(90, 60, 140), QColor(160, 100, 20)};
    for (int no = 1; no <= kStockCount; ++no) {
        const int makeIx = d.below(10);
        const QString part = QString::fromUtf8(d.pick(kParts));
        const QString make = QString::fromUtf8(kMakes[makeIx]);
        const QString model = QString::fromUtf8(kModels[makeIx][d.below(4)]);
        const QString brand = QString::fromUtf8(d.pick(kBrands));
        const QString adi = QString("%1 %2 %3").arg(part, make, model);
        const QString barkod = QString("VK%1").arg(100000 + no);
        const QString oem1 = QString("%1%2").arg(QChar('A' + makeIx)).arg(7000000 + no * 37);
        const QString oem2 = QString("%1-%2").arg(600 + d.below(300)).arg(10000 + no);
        const QString oem3 = QString("%1 %2 %3").arg(d.below(90) + 10).arg(d.below(900) + 100).arg(no);
        const QString finish = QString("F%1").arg(50000 + no * 3);
        const QString uretici = brand.left(3).toUpper() + QString::number(200000 + no);
        const double fiyat = Round2(20 + d.below(500000) / 100.0);
        const double kdv = no % 17 == 0 ? 10 : 20;
        const bool campaign = no % 11 == 0;
        const bool isNew = no % 13 == 0;
        double ind1 = 0, ind2 = 0;
        if (!campaign && no % 3 != 0) {
            ind1 = 5.0 * (1 + d.below(4));
            if (no % 2 == 0)
                ind2 = 5;
        }
        const double kamp = campaign ? Round2(fiyat * 0.85) : 0;
        const int durum = d.below(7);
        const double kalan = durum == 0 ? 0 : d.below(250);
        const QString group = QString::fromUtf8(d.pick(kGroups));
        const QString diger = brand + ' ' + part;
        const QString arama = FoldForSearch(QStringList{barkod, adi, diger, make, model, brand, oem1, oem2, oem3,
                                                        QString(oem3).remove(' '), finish, uretici}
                                                .join(' '));
        QVariant resim;
        if (no % 4 == 1)
            resim = media::CaptionJpeg(part + "\n" + make + ' ' + model, 160, 120, colours[no % 5], 70);
        db.run("INSERT INTO stok (STOKNO, BARKOD, ADI, DIGERADI, MARKA, MODEL, FINISHKOD, URETICIKODU, "
               "OEM1, OEM2, OEM3, OEM4, OEMNO, DPKOD, PKOD, BIRIM, ANAGRUP, OZELKOD, DEPARTMAN, "
               "KDV, FIYAT, ESKIFIYAT, IND1, IND2, IND3, IND4, KAMPFIYAT, K, Y, DURUM, KALAN, RESIM, ARAMA) "
               "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,'Adet',?,?,?,?,?,?,?,?,0,0,?,?,?,?,?,?,?)",
               {no, barkod, adi, diger, make, model, finish, uretici, oem1, oem2, oem3, "", oem1,
                QString("DP%1").arg(no), QString("P%1").arg(no % 97), group, no % 5 ? "STD" : "OZEL", group,
                kdv, campaign ? kamp : fiyat, fiyat, ind1, ind2, kamp, campaign ? 1 : 0, isNew ? 1 : 0, durum,
                kalan, resim, arama});
    }
}

void seedDeliveryAndCargo(Connection& db)
{
    db.run("INSERT INTO teslim VALUES (1, 'Kargo ile'), (2, 'Servis Aracı ile'), (3, 'Depodan Teslim')");
    db.run("INSERT INTO kargo VALUES (1, 'Alıcı Ödemeli'), (2, 'Gönderici Ödemeli'), (3, 'Ambar')");
    db.run("INSERT INTO kargofirma VALUES "
           "(1, 1, 'Yurtiçi Kargo', 'Alıcı ödemeli gönderiler 17:00''a kadar çıkar.'),"
           "(2, 1, 'Aras Kargo', 'Desi hesabı teslimde yapılır.'),"
           "(3, 2, 'MNG Kargo', 'Kargo ücreti faturaya eklenir.'),"
           "(4, 2, 'Sürat Kargo', ''),"
           "(5, 3, 'Anadolu Ambarı', 'Ambar teslimleri ertesi gün çıkar.'),"
           "(6, 3, 'Ege Ambarı', 'Sadece İzmir ve çevresi.')");
}

void seedOrders(Connection& db, Dice& d)
{
    static const char* const notes[] = {"", "Acil lütfen", "Faturayı e-posta ile gönderin", "Kargo ile"};
    for (int carino = 1; carino <= kCustomerCount; ++carino) {
        const int orders = 3 + d.below(5);
        for (int o = 0; o < orders; ++o) {
            const int durum = 1 + (o + carino) % 6; // every state appears
            const int back = 5 + o * 17 + d.below(10);
            db.run("INSERT INTO siparis (CARINO, TARIH, SAAT, TESLIMID, KARGOID, KARGOFIRMAID, ACIKLAMA, VERENID, "
                   "DURUM, ALANNOTU, SATICINOTU) VALUES (?,?,?,?,?,?,?,?,?,?,?)",
                   {carino, day(back), QString("%1:%2:00").arg(9 + d.below(8), 2, 10, QChar('0')).arg(d.below(60), 2, 10, QChar('0')),
                    1 + d.below(3), 1 + d.below(3), 1 + d.below(6), QString::fromUtf8(d.pick(notes)),
                    carino == 1 ? 1 : 2, durum, durum >= 3 ? "Siparişiniz onaylandı." : "",
                    durum >= 5 ? "Eksikler ayrıca gönderilecek." : ""});
            const qint64 idno = db.lastInsertId();
            const int lines = 2 + d.below(4);
            for (int l = 0; l < lines; ++l) {
                const int stokno = 1 + d.below(kStockCount);
                const auto st = db.query("SELECT BARKOD, ADI, KDV, FIYAT, IND1, IND2 FROM stok WHERE STOKNO = ?",
                                         {stokno}).front();
                const double miktar = 1 + d.below(10);
                // Shipped and prepared orders have delivered part or all.
                const double teslim = durum == 6 ? miktar : durum == 4 ? std::floor(miktar / 2) : 0;
                db.run("INSERT INTO siparissatir (IDNO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, FIYAT, ILKFIYAT, "
                       "IND1, IND2, IND3, IND4, TESLIMEDILEN, KALAN) VALUES (?,?,?,?,?,?,?,?,?,?,0,0,?,?)",
                       {idno, stokno, st[0], st[1], miktar, st[2], st[3], st[3], st[4], st[5], teslim,
                        miktar - teslim});
            }
        }
    }
}

void seedStatements(Connection& db, Dice& d)
{
    int idno = 1000;
    int posNo = 1;
    for (int carino = 1; carino <= kCustomerCount; ++carino) {
        const int moves = 8 + d.below(8);
        double balance = 0;
        for (int m = 0; m < moves; ++m) {
            const int back = 360 - m * (340 / moves);
            ++idno;
            const int kind = m == 0 ? 0 : d.below(10);
            if (kind < 6) {
                // Invoice with its lines.
                const int lines = 1 + d.below(4);
                db.run("INSERT INTO hareket (IDNO, CARINO, TARIH, VADETARIHI, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA) "
                       "VALUES (?,?,?,?,'Satış Faturası',?,0,0,?)",
                       {idno, carino, day(back), day(back - 30), QString("SF%1").arg(idno),
                        QString("%1 kalem").arg(lines)});
                double total = 0;
                for (int l = 0; l < lines; ++l) {
                    const int stokno = 1 + d.below(kStockCount);
                    const auto st = db.query("SELECT FIYAT, IND1, IND2, KDV FROM stok WHERE STOKNO = ?", {stokno}).front();
                    const double miktar = 1 + d.below(6);
                    const LineAmounts a = ComputeLine(miktar, st[0].toDouble(), st[3].toDouble(), st[1].toDouble(),
                                                      st[2].toDouble(), 0, 0);
                    total += a.netTutar + a.vergiTutari;
                    db.run("INSERT INTO faturasatir (IDNO, STOKNO, MIKTAR, FIYAT, IND1, IND2, KDV) VALUES (?,?,?,?,?,?,?)",
                           {idno, stokno, miktar, st[0], st[1], st[2], st[3]});
                }
                total = Round2(total);
                balance += total;
                db.run("UPDATE hareket SET BORC = ? WHERE IDNO = ?", {total, idno});
            } else if (kind < 9) {
                const double amount = Round2(qMax(100.0, balance * (0.3 + d.below(50) / 100.0)));
                balance -= amount;
                const bool byCard = kind == 8 || m % 4 == 0;
                db.run("INSERT INTO hareket (IDNO, CARINO, TARIH, VADETARIHI, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA, "
                       "SANALPOSNO) VALUES (?,?,?,?,'Tahsilat',?,0,?,?,?)",
                       {idno, carino, day(back), day(back), QString("TH%1").arg(idno), amount,
                        byCard ? "Sanal POS tahsilatı" : "Nakit tahsilat", byCard ? posNo : 0});
                if (byCard) {
                    const QString card = QString("5401 **** **** %1").arg(1000 + idno % 9000);
                    const QByteArray pdf = media::SimplePdf(
                        "Sanal POS Tahsilat Makbuzu",
                        {QString("Makbuz No: %1").arg(posNo), QString("Cari No: %1").arg(carino),
                         "Tarih: " + day(back), "Kart: " + card, QString("Tutar: %1 TL").arg(amount, 0, 'f', 2),
                         "Banka: Velkora Bank", "Taksit: 1"});
                    db.run("INSERT INTO sanalpos VALUES (?,?,?,'Velkora Bank',?,1,?)", {posNo, idno, card, amount, pdf});
                    ++posNo;
                }
            } else {
                const double amount = Round2(50 + d.below(50000) / 100.0);
                balance += amount;
                db.run("INSERT INTO hareket (IDNO, CARINO, TARIH, VADETARIHI, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA) "
                       "VALUES (?,?,?,?,'Tediye',?,?,0,'İade ödemesi')",
                       {idno, carino, day(back), day(back), QString("TD%1").arg(idno), amount});
            }
        }
        // The last customers have settled everything and have nothing overdue.
        if (carino > kCustomerCount - 5 && balance > 0) {
            ++idno;
            db.run("INSERT INTO hareket (IDNO, CARINO, TARIH, VADETARIHI, TURADI, EVRAK, BORC, ALACAK, ACIKLAMA) "
                   "VALUES (?,?,?,?,'Tahsilat',?,0,?,'Hesap kapama')",
                   {idno, carino, day(2), day(2), QString("TH%1").arg(idno), Round2(balance)});
        }
    }
}

void seedContent(Connection& db)
{
    struct E { int reklam; const char* baslik; const char* arama; QColor colour; };
    const E entries[] = {
        {0, "Haziran Kampanyası", "#KAMPANYA#", QColor(190, 30, 45)},
        {0, "Yeni Gelen Ürünler", "#YENİ#", QColor(30, 110, 170)},
        {0, "Filtrelerde Büyük Fırsat", "FILTRE", QColor(40, 130, 70)},
        {0, "Bilgilendirme", "", QColor(90, 90, 90)},
        {1, "Hoş Geldiniz", "", QColor(20, 60, 120)},
        {1, "Fren Balatalarında İndirim", "FREN BALATASI", QColor(170, 40, 40)},
        {1, "Kampanyalı Ürünler", "#KAMPANYA#", QColor(200, 120, 20)},
    };
    int n = 0;
    for (const E& e : entries)
        db.run("INSERT INTO duyuru VALUES (?,?,?,?,?)",
               {++n, e.reklam, QString::fromUtf8(e.baslik), QString::fromUtf8(e.arama),
                media::CaptionJpeg(QString::fromUtf8(e.baslik), e.reklam ? 480 : 600, e.reklam ? 320 : 400, e.colour)});
    db.run("INSERT INTO banner VALUES (1, ?)", {media::CaptionGif("Velkora B2B", 300, 60, QColor(190, 30, 45))});
    db.run("INSERT INTO banner VALUES (2, ?)",
           {media::CaptionGif("Aynı gün kargo - Velkora", 900, 50, QColor(30, 60, 120))});
    db.run("INSERT INTO banner VALUES (3, ?)", {media::CaptionBmp("Velkora Oto Yedek Parça", 867, 100, QColor(40, 40, 40))});
    db.run("INSERT INTO rapor VALUES (1, 'Alınan Siparişler'), (2, 'En Çok Satılan Stoklar')");
}

} // namespace

void Seed(Connection& db)
{
    Dice d;
    seedSettings(db);
    seedSalespersons(db);
    seedCustomers(db, d);
    seedAccounts(db);
    seedStock(db, d);
    seedDeliveryAndCargo(db);
    seedOrders(db, d);
    seedStatements(db, d);
    seedContent(db);
}

} // namespace appserver::demoseed
