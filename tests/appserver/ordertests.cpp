#include "runningserver.h"

using namespace testkit;

namespace {

QJsonArray addParams(int carino, int stokno, double miktar)
{
    return {LoginOf(carino), carino, stokno, QString("VK%1").arg(100000 + stokno), "Parça", miktar, 20.0, 100.0, 10.0,
            1, 0, 5.0, 0.0, 0.0};
}

TEST(AppServerOrders, SiparisKaydetTakesExactlyTheSelectedBasketLines)
{
    RunningServer s;
    Caller call(s.port());
    const int carino = 2;
    call.result("SepetHepsiniSil", {LoginOf(carino)});
    for (int stokno : {10, 20, 30})
        ASSERT_EQ(call.result("SepetEkle2", addParams(carino, stokno, 2)).at(0).toInt(), 1);
    DataTable basket = call.table("SepetVer2", {carino});
    ASSERT_EQ(basket.rowCount(), 3);
    EXPECT_EQ(Cell(basket, "SEC", 0).toInt(), 1);
    // 100 x 2 after 10 % and 5 %: 171.00; VAT 20 %: 34.20
    EXPECT_DOUBLE_EQ(Cell(basket, "NETTUTAR", 0).toDouble(), 171.0);
    EXPECT_DOUBLE_EQ(Cell(basket, "NETBIRIMFIYAT", 0).toDouble(), 85.5);
    EXPECT_DOUBLE_EQ(Cell(basket, "INDIRIMTUTAR", 0).toDouble(), 29.0);
    EXPECT_DOUBLE_EQ(Cell(basket, "VERGITUTARI", 0).toDouble(), 34.2);
    EXPECT_EQ(Cell(basket, "INDIRIMYAZI", 0).toString(), "10+5");
    const int third = Cell(basket, "SIRANO", 2).toInt();
    EXPECT_TRUE(call.result("SepetSecimGuncelle", {third, 0}).isEmpty());

    const int before = call.table("OncekiSiparisler", {carino}).rowCount();
    ASSERT_EQ(call.result("SiparisKaydet", {LoginOf(carino), carino, 1, 1, "Acil", 1, 2}), QJsonArray{true});

    const DataTable orders = call.table("OncekiSiparisler", {carino});
    ASSERT_EQ(orders.rowCount(), before + 1);
    const int idno = Cell(orders, "IDNO", 0).toInt(); // newest first
    EXPECT_EQ(Cell(orders, "DURUM", 0).toString(), "Alındı");
    EXPECT_DOUBLE_EQ(Cell(orders, "NETTUTAR", 0).toDouble(), 342.0);
    const DataTable lines = call.table("SiparisAyrintisi2", {carino, idno});
    ASSERT_EQ(lines.rowCount(), 2);
    EXPECT_EQ(Cell(lines, "STOKNO", 0).toInt(), 10);
    EXPECT_EQ(Cell(lines, "STOKNO", 1).toInt(), 20);
    EXPECT_DOUBLE_EQ(Cell(lines, "KALAN", 0).toDouble(), 2.0);
    const auto dip = TSiparisDipAyrinti::fromJson(call.result("SiparisAytintisiDip", {0, idno}).at(0));
    EXPECT_EQ(dip.SizinMesaj(), "Acil");
    EXPECT_EQ(dip.Durumu(), "Alındı");
    EXPECT_FALSE(dip.TeslimCinsi().isEmpty());

    basket = call.table("SepetVer2", {carino});
    ASSERT_EQ(basket.rowCount(), 1);
    EXPECT_EQ(Cell(basket, "SIRANO", 0).toInt(), third);

    // Nothing selected: false and nothing changes.
    ASSERT_EQ(call.result("SiparisKaydet", {LoginOf(carino), carino, 1, 1, "", 1, 2}), QJsonArray{false});
    EXPECT_EQ(call.table("OncekiSiparisler", {carino}).rowCount(), before + 1);
    EXPECT_EQ(call.table("SepetVer2", {carino}).rowCount(), 1);

    // The new order's lines are open balances, and they can be changed.
    const DataTable balances = call.table("BakiyelerVer2", {carino});
    int line = 0;
    for (int r = 0; r < balances.rowCount(); ++r)
        if (Cell(balances, "IDNO", r).toInt() == idno)
            line = Cell(balances, "STOKHAR_NO", r).toInt();
    ASSERT_GT(line, 0);
    EXPECT_EQ(call.result("BakiyeDegistir", {LoginOf(carino), 0, line, line, 1.0, 1.0, ""}).at(0).toInt(), 1);
    EXPECT_EQ(call.result("BakiyeDegistir", {LoginOf(carino), 0, line, line, -1.0, -1.0, ""}).at(0).toInt(), 0);
    EXPECT_EQ(call.result("BakiyeDuzenle", {LoginOf(carino), 0, line, line, 1.0, 1.0, ""}).at(0).toInt(), 1);
    EXPECT_EQ(call.table("TumSiparislerVer", {carino, 10}).rowCount() >= 1, true);
}

TEST(AppServerOrders, BasketChangesStayWithinTheCustomer)
{
    RunningServer s;
    Caller call(s.port());
    ASSERT_EQ(call.result("SepetEkle2", addParams(3, 5, 1)).at(0).toInt(), 1);
    ASSERT_EQ(call.result("SepetEkle2", addParams(4, 6, 1)).at(0).toInt(), 1);
    EXPECT_EQ(call.result("SepetEkle2", addParams(3, 5, 0)).at(0).toInt(), 0);       // no quantity
    EXPECT_EQ(call.result("SepetEkle2", addParams(3, 999999, 1)).at(0).toInt(), 0);  // no such item
    const int line = Cell(call.table("SepetVer2", {3}), "SIRANO", 0).toInt();

    QJsonArray update{LoginOf(3), 3, 0, "VK1", "Parça", 4.0, 20.0, 50.0, 0.0, 1, line, 0.0, 0.0, 0.0};
    EXPECT_EQ(call.result("SepetGuncelle2", update).at(0).toInt(), 1);
    EXPECT_DOUBLE_EQ(Cell(call.table("SepetVer2", {3}), "TUTAR", 0).toDouble(), 200.0);
    update[1] = 4; // another customer's number cannot change the line
    EXPECT_EQ(call.result("SepetGuncelle2", update).at(0).toInt(), 0);

    EXPECT_EQ(call.result("SepetSatirSil", {LoginOf(4), line, "x"}).at(0).toInt(), 0);
    EXPECT_EQ(call.result("SepetHepsiniSil", {LoginOf(3)}).at(0).toInt(), 1);
    EXPECT_EQ(call.table("SepetVer2", {3}).rowCount(), 0);
    EXPECT_EQ(call.table("SepetVer2", {4}).rowCount(), 1);

    EXPECT_GT(call.table("TeslimVer", {}).rowCount(), 0);
    EXPECT_GT(call.table("KargoVer", {}).rowCount(), 0);
    const DataTable firms = call.table("KargolarVer", {1});
    ASSERT_GT(firms.rowCount(), 0);
    for (const char* f : {"ADI", "SIRANO", "UYARI"})
        EXPECT_GE(firms.indexOf(f), 0) << f;
}

} // namespace
