#include "stocktable.h"

#include <QDate>
#include <random>

namespace {

const char* const kMakes[] = {"BOSCH", "MANN FİLTRE", "SACHS", "VALEO", "LEMFÖRDER", "FEBİ", "MAHLE", "GATES"};
const char* const kModels[] = {"FİAT DOBLÒ 1.3 MJT", "RENAULT MEGANE II", "FORD TRANSİT 2.4", "OPEL ASTRA G",
                               "TOFAŞ ŞAHİN", "VW PASSAT B5", "HYUNDAİ ACCENT", "PEUGEOT 206"};
const char* const kNames[] = {"FREN BALATASI ÖN TAKIM", "YAĞ FİLTRESİ", "DEBRİYAJ SETİ ÜÇLÜ", "AMORTİSÖR ARKA SOL",
                              "TRİGER SETİ + DEVİRDAİM", "ROT BAŞI SAĞ", "HAVA FİLTRESİ (KÖPÜKLÜ)", "ŞARJ DİNAMOSU 90A"};
const char* const kGroups[] = {"FREN SİSTEMİ", "FİLTRELER", "ŞANZIMAN", "SÜSPANSİYON", "MOTOR", "ELEKTRİK"};

void addField(DataTable& t, const char* name, FieldType type, int size = 0)
{
    FieldDef def;
    def.name = QString::fromLatin1(name);
    def.type = type;
    def.size = size;
    t.addField(def);
}

} // namespace

DataTable makeStockTable(int rows)
{
    DataTable t;
    const char* const texts[] = {"STOKKODU", "STOKADI", "MARKA", "MODEL", "FINISHKOD", "BARKOD", "OEM1", "OEM2",
                                 "OEM3", "OEM4", "OEMNO", "URETICIKODU", "DIGERADI", "ANAGRUP", "OZELKOD", "BIRIM",
                                 "INDIRIMYAZI"};
    const char* const prices[] = {"FIYAT", "IND1", "IND2", "IND3", "IND4", "NETFIYAT",
                                  "KDV", "KDVDAHIL", "KAMPFIYAT", "LISTEFIYAT1", "KALAN"};
    const char* const flags[] = {"DURUM", "RESIM", "K", "Y"};
    addField(t, "STOKNO", FieldType::Int32);
    for (const char* n : texts)
        addField(t, n, FieldType::WideString, 60);
    for (const char* n : prices)
        addField(t, n, FieldType::Double);
    for (const char* n : flags)
        addField(t, n, FieldType::Int32);
    addField(t, "GUNCELLEME", FieldType::DateTime);
    addField(t, "AKTIF", FieldType::Boolean);
    t.reserveRows(rows);

    std::mt19937 random(20261211);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    auto money = [&](double lo, double hi) { return std::round((lo + (hi - lo) * (random() / 4294967296.0)) * 100) / 100; };
    std::string s;
    for (int r = 0; r < rows; ++r) {
        int c = 0;
        t.column(c++).appendInt(100000 + r);
        for (int i = 0; i < 17; ++i) {
            Column& col = t.column(c++);
            if (i >= 6 && i <= 12 && pick(4) == 0) { // OEM codes and other names are often missing
                col.appendNull();
                continue;
            }
            switch (i) {
            case 1: s = kNames[pick(8)]; s += ' '; s += kModels[pick(8)]; break;
            case 2: s = kMakes[pick(8)]; break;
            case 3: s = kModels[pick(8)]; break;
            case 5: s = "869" + std::to_string(1000000000 + pick(999999999)); break;
            case 12: s = kNames[pick(8)]; break;
            case 13: s = kGroups[pick(6)]; break;
            case 14: s = pick(2) ? "ÖZEL-" + std::to_string(pick(1000)) : std::string(); break;
            case 15: s = pick(5) ? "ADET" : "TAKIM"; break;
            case 16: s = "%" + std::to_string(pick(40)) + " + %" + std::to_string(pick(10)); break;
            default: s = "ST-" + std::to_string(pick(99999)) + "-" + std::to_string(r % 997) + "Ç"; break;
            }
            col.appendText(s);
        }
        for (int i = 0; i < 11; ++i) {
            Column& col = t.column(c++);
            if (i == 8 && pick(3) != 0)
                col.appendNull(); // most items carry no campaign price
            else
                col.appendDouble(i >= 1 && i <= 4 ? double(pick(4) * 5) : money(1, 25000));
        }
        t.column(c++).appendInt(pick(7));
        t.column(c++).appendInt(pick(2));
        t.column(c++).appendInt(pick(2));
        t.column(c++).appendInt(pick(2));
        t.column(c++).appendInt(dateTimeKey(QDate(2026, 1, 1).addDays(pick(340)), QTime(pick(24), pick(60), pick(60))));
        t.column(c++).appendInt(pick(10) != 0);
    }
    return t;
}
