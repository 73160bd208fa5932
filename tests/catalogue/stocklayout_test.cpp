// The stock grid's layout by window width, its look, its menu, the price
// summary and the rules of the kind of user.
#include "stocktabfixture.h"

#include "app/usertyperules.h"
#include "catalogue/stockcolumns.h"
#include "platform/dsclient/tablecodec.h"
#include "support/recordingserver.h"
#include "support/sampletables.h"

#include <QAction>
#include <QMenu>
#include <QStyle>
#include <QTableView>

namespace {

using testsupport::RecordingServer;
using testsupport::ScriptedAnswer;

DataTable priceTable()
{
    return makeTable({{"STOK_STOKNO", FieldType::Int32}, {"IND1", FieldType::Double}, {"LISTEFIYAT1", FieldType::Double},
                      {"KAMPFIYAT", FieldType::Double}, {"NETFIYAT", FieldType::Double},
                      {"KDVDAHIL", FieldType::Double}, {"KALAN", FieldType::Double}},
                     {{1, 0.0, 1234.5, 0.0, 1000.0, 1200.0, 5.0},
                      {2, 0.0, 20.0, 12.5, 15.0, 18.0, 4.0},
                      {3, 0.0, QVariant(), QVariant(), 7.25, 8.7, 3.0}});
}

class StockLayoutTest : public StockTabFixture {
protected:
    void SetUp() override
    {
        server.setDefault("StokAraGetir",
                          ScriptedAnswer::Json("{\"result\":[" + dsclient::encodeTable(priceTable()) + "]}"));
        openWindow(server.port());
    }

    bool shown(const QString& name) const { return tab->grid()->isColumnShown(tab->grid()->columnIndex(name)); }
    int width(const QString& name) const { return tab->grid()->columnWidth(tab->grid()->columnIndex(name)); }
    int scrollBar() const { return tab->grid()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tab->grid()); }

    RecordingServer server;
};

TEST_F(StockLayoutTest, NarrowUpTo1152PixelsWideFrom1153)
{
    const QStringList prices = WidePriceFields();

    window->resize(1152, 800);
    QTRY_COMPARE_WITH_TIMEOUT(window->width(), 1152, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(tab->grid()->rowHeight(), 100, 30000);
    EXPECT_TRUE(shown(kPriceSummaryCaption));
    for (const QString& field : prices)
        EXPECT_FALSE(shown(field)) << field.toStdString();
    EXPECT_EQ(width(kPriceSummaryCaption), 150 - scrollBar());
    // The fixed widths hold once the user switches those columns on.
    for (const auto& [field, fixed] : {std::pair{"OEM1", 80}, {"OEM2", 70}, {"OEM3", 70}, {"OZELKOD", 60}}) {
        tab->grid()->setColumnShown(tab->grid()->columnIndex(QString::fromLatin1(field)), true);
        EXPECT_EQ(width(QString::fromLatin1(field)), fixed) << field;
        tab->grid()->setColumnShown(tab->grid()->columnIndex(QString::fromLatin1(field)), false);
    }
    // Durum 1, Barkod 2, Açıklama 3, Finish Kod 2, Resim 1, Marka 2, Model 2, Yeni 1,
    // Kampanyalı 1, İndirim Oran 2 and Fiyat Bilgisi 2 share the width: 19 parts.
    const int unit = (tab->grid()->width() - scrollBar() - 10) / 19;
    EXPECT_EQ(width(QStringLiteral("ADI")), 3 * unit);
    EXPECT_EQ(width(QStringLiteral("BARKOD")), 2 * unit);

    window->resize(1153, 800);
    QTRY_COMPARE_WITH_TIMEOUT(tab->grid()->rowHeight(), 60, 30000);
    EXPECT_FALSE(shown(kPriceSummaryCaption));
    for (const QString& field : prices)
        EXPECT_TRUE(shown(field)) << field.toStdString();
    // Plus Liste Fiyatı 2, Kampanyalı Fiyat 2, Net Fiyatı 2, KDV Dahil 3, less the summary: 26 parts.
    const int wideUnit = (tab->grid()->width() - scrollBar() - 10) / 26;
    EXPECT_EQ(width(QStringLiteral("KDVDAHIL")), 3 * wideUnit);
}

TEST_F(StockLayoutTest, PriceSummaryLines)
{
    search(QStringLiteral("fren"));
    const ClientDataSet& stok = *tab->dataSet();
    ASSERT_EQ(stok.recordCount(), 3);
    EXPECT_EQ(StockPriceSummary(stok, 0),
              QStringLiteral("Liste Fiyatı: 1.234,50\r\nNetFiyat: 1.000,00\r\nKDV li Fiyat: 1.200,00\r\n"));
    EXPECT_EQ(StockPriceSummary(stok, 1), QStringLiteral("Liste Fiyatı: 20,00\r\nKampanyalı Fiyat: 12,50\r\n"
                                                         "NetFiyat: 15,00\r\nKDV li Fiyat: 18,00\r\n"));
    // An empty price keeps its label and shows no number.
    EXPECT_EQ(StockPriceSummary(stok, 2), QStringLiteral("Liste Fiyatı: \r\nNetFiyat: 7,25\r\nKDV li Fiyat: 8,70\r\n"));
    EXPECT_EQ(StockPriceSummary(stok, 1, false).count(QStringLiteral("\r\n")), 3);

    // The cell is drawn by the program: a narrow grid paints it without trouble.
    window->resize(1000, 800);
    QTRY_COMPARE_WITH_TIMEOUT(tab->grid()->rowHeight(), 100, 30000);
    EXPECT_FALSE(window->grab().isNull());
}

TEST_F(StockLayoutTest, GridLookAndMenu)
{
    DataGrid* grid = tab->grid();
    EXPECT_EQ(grid->options().headerHeight, 40);
    EXPECT_EQ(grid->options().indicatorWidth, 5);
    EXPECT_TRUE(grid->options().wholeRowSelection);
    EXPECT_TRUE(grid->options().headerFilters);
    EXPECT_EQ(grid->gridStyle().evenRow, QColor(239, 239, 239));
    EXPECT_EQ(grid->gridStyle().selectedRow, QColor(210, 240, 249));
    EXPECT_EQ(grid->view()->editTriggers(), QAbstractItemView::NoEditTriggers);

    QStringList offered;
    for (int c : grid->offeredColumns())
        offered << grid->columns()[size_t(c)].shownCaption();
    EXPECT_EQ(offered, (QStringList{"Durum", "Oem1", "Oem2", "Oem3", "Barkod", "Açıklama", "Oem4", "Finish Kod",
                                    "Üretici Kod", "Resim", "Diğer Adı", "Oem No", "Birim", "Marka", "Model",
                                    "Ana Grup", "Özel Kod", "KDV", "Liste Fiyatı", "Yeni", "Kampanyalı",
                                    "İndirim Oran"}));

    QMenu* popstok = window->findChild<QMenu*>(QStringLiteral("popstok"));
    ASSERT_NE(popstok, nullptr);
    QStringList entries;
    for (QAction* action : popstok->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->objectName() + ":" + action->text());
    EXPECT_EQ(entries, (QStringList{"S2:Sepete Ekle", "-", "B1:Sipariş Bakiyeleriniz", "-", "S3:Siparişleri Göster"}));

    search(QStringLiteral("fren"));
    EXPECT_EQ(grid->footerText(grid->columnIndex(QStringLiteral("OEM1"))), QString());
    grid->setColumnShown(grid->columnIndex(QStringLiteral("OEM1")), true);
    EXPECT_EQ(grid->footerText(grid->columnIndex(QStringLiteral("OEM1"))), QStringLiteral("3"));
}

TEST_F(StockLayoutTest, UserTypeRules)
{
    // A salesperson sees the stock balance columns; they can be switched off.
    ApplyUserTypeRules(*window, 1);
    for (const char* field : {"KALAN", "ALINANSIPARIS", "VERILENSIPARIS"}) {
        const int column = tab->grid()->columnIndex(QString::fromLatin1(field));
        EXPECT_TRUE(tab->grid()->isColumnShown(column)) << field;
        EXPECT_TRUE(tab->grid()->isColumnOffered(column)) << field;
    }
    EXPECT_TRUE(shown(QStringLiteral("KAMPFIYAT")));

    // Customer kind 4 sees no campaign: the wide layout keeps the campaign price
    // hidden, the customisation does not offer it, and the summary leaves it out.
    auto fresh = std::make_unique<TForm1>();
    fresh->setWindowState(Qt::WindowNoState);
    fresh->resize(1300, 800);
    ApplyUserTypeRules(*fresh, 4);
    fresh->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fresh.get(), 30000));
    DataGrid* grid = fresh->stockListTab->grid();
    for (int width : {1000, 1300}) {
        fresh->resize(width, 800);
        QTRY_COMPARE_WITH_TIMEOUT(grid->rowHeight(), width > 1152 ? 60 : 100, 30000);
        for (const char* field : {"KAMPFIYAT", "K"}) {
            const int column = grid->columnIndex(QString::fromLatin1(field));
            EXPECT_FALSE(grid->isColumnShown(column)) << field << " at " << width;
            EXPECT_FALSE(grid->isColumnOffered(column)) << field;
        }
    }
    EXPECT_TRUE(grid->isColumnShown(grid->columnIndex(QStringLiteral("NETFIYAT"))));
    const ColumnSpec& summary = grid->columns()[size_t(grid->columnIndex(kPriceSummaryCaption))];
    ClientDataSet prices;
    prices.setData(priceTable());
    EXPECT_FALSE(summary.text(prices, 1).contains(QStringLiteral("Kampanyalı")));
}

} // namespace
