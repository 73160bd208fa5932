#include "gridfixture.h"

#include "platform/grid/gridlayout.h"

#include <QHeaderView>
#include <QTableView>

TEST(WeightedWidths, UnitIsTheTruncatedShareAfterTheMargin)
{
    struct Case {
        std::vector<int> weights;
        int width, margin;
        std::vector<int> expected;
    } cases[] = {
        {{1, 2, 3}, 1000, 30, {161, 322, 483}},   // (1000 - 30) / 6 = 161.67 -> 161
        {{2, 2}, 1153, 17 + 10, {562, 562}},      // scroll bar 17 and 10: 1126 / 4 = 281
        {{1, 0, 1}, 100, 0, {50, 0, 50}},         // a weight of 0 gets no width
        {{1, 1}, 20, 30, {0, 0}},                 // narrower than the margin: never negative
        {{}, 1000, 30, {}},                       // nothing shown: nothing changes
        {{0, 0}, 1000, 30, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeightedWidths(c.weights, c.width, c.margin), c.expected) << c.width << " " << c.margin;
}

using GridLayoutTest = GridFixture;

TEST_F(GridLayoutTest, FitByWeightSetsTheShownColumnsAndBestFitTheirContent)
{
    grid->resize(1040, 300);
    grid->fitColumnsByWeight(30);
    // Shown: Barkod 2, Açıklama 3, Marka 2, Liste Fiyatı 2, Yeni 1 -> unit (1040 - 30) / 10 = 101.
    EXPECT_EQ(grid->columnWidth(col("BARKOD")), 202);
    EXPECT_EQ(grid->columnWidth(col("ADI")), 303);
    EXPECT_EQ(grid->columnWidth(col("Y")), 101);
    // Widths stay through a reload.
    dataSet->setData(StockSample());
    EXPECT_EQ(grid->columnWidth(col("ADI")), 303);

    grid->setColumnWidth(col("ADI"), 5);
    grid->bestFit();
    const int needed = QFontMetrics(grid->view()->font()).horizontalAdvance(QStringLiteral("Hava filtresi"));
    EXPECT_GE(grid->columnWidth(col("ADI")), needed);
    EXPECT_LT(grid->columnWidth(col("ADI")), 303);
}

TEST_F(GridLayoutTest, OptionsSetHeightsIndicatorAndSelection)
{
    GridOptions options;
    options.headerHeight = 40;
    options.rowHeight = 100;
    options.indicatorWidth = 5;
    options.wholeRowSelection = false;
    grid->setOptions(options);
    EXPECT_EQ(grid->view()->horizontalHeader()->height(), 40);
    EXPECT_EQ(grid->view()->rowHeight(0), 100);
    EXPECT_EQ(grid->view()->verticalHeader()->width(), 5);
    EXPECT_EQ(grid->view()->selectionBehavior(), QAbstractItemView::SelectItems);
    grid->setRowHeight(60);
    EXPECT_EQ(grid->view()->rowHeight(3), 60);
}
