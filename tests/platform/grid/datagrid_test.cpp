#include "gridfixture.h"

#include "platform/grid/gridfilter.h"
#include "platform/grid/gridheader.h"

#include <QTableView>
#include <QToolButton>

using GridTest = GridFixture;

TEST_F(GridTest, CustomizationOffersExactlyTheOfferedColumnsAndSwitchesThem)
{
    QTest::mouseClick(grid->customizeButton(), Qt::LeftButton);
    QMenu* menu = openMenu("columnCustomizeMenu");
    ASSERT_NE(menu, nullptr);
    // Not offered: STOKNO (hidden) and Y (shown); a column without caption offers its field name.
    EXPECT_EQ(actionTexts(menu), (QStringList{"Barkod", "Açıklama", "Oem1", "Marka", "KALAN", "Liste Fiyatı"}));
    EXPECT_FALSE(actionNamed(menu, "Oem1")->isChecked());
    EXPECT_TRUE(actionNamed(menu, "Marka")->isChecked());

    actionNamed(menu, "KALAN")->trigger();
    actionNamed(menu, "Marka")->trigger();
    EXPECT_FALSE(grid->view()->isColumnHidden(col("KALAN")));
    EXPECT_TRUE(grid->view()->isColumnHidden(col("MARKA")));
    EXPECT_TRUE(grid->view()->isColumnHidden(col("STOKNO")));
    EXPECT_EQ(grid->view()->model()->headerData(col("KALAN"), Qt::Horizontal).toString(), "KALAN");

    // The switches survive a reload, which rebuilds the header's sections.
    dataSet->setData(StockSample());
    EXPECT_FALSE(grid->view()->isColumnHidden(col("KALAN")));
    EXPECT_TRUE(grid->view()->isColumnHidden(col("MARKA")));
}

TEST_F(GridTest, NotOfferedColumnShowsOnlyWhenTheProgramShowsIt)
{
    const int stokno = col("STOKNO");
    EXPECT_TRUE(grid->view()->isColumnHidden(stokno));
    grid->setColumnVisibility(stokno, ColumnVisibility::Shown);
    EXPECT_FALSE(grid->view()->isColumnHidden(stokno));
    EXPECT_TRUE(grid->offeredColumns().contains(stokno));

    // Hidden and taken out of the customisation, as a user type rule does.
    grid->setColumnVisibility(col("MARKA"), ColumnVisibility::HiddenNotOffered);
    EXPECT_TRUE(grid->view()->isColumnHidden(col("MARKA")));
    QTest::mouseClick(grid->customizeButton(), Qt::LeftButton);
    QMenu* menu = openMenu("columnCustomizeMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(actionNamed(menu, "Marka"), nullptr);
}

TEST_F(GridTest, HeaderFilterButtonNarrowsRowsAndAllBringsThemBack)
{
    const int marka = col("MARKA");
    const QRect button = grid->header()->filterButtonRect(marka);
    ASSERT_FALSE(button.isEmpty());
    QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {}, button.center());
    QMenu* menu = openMenu("columnFilterMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(actionTexts(menu), (QStringList{"(Tümü)", "(Boş)", "ARDEN", "KORVA"}));
    // The click on the button did not sort by the column.
    EXPECT_EQ(grid->rowsModel()->sortColumn(), col("KALAN"));

    actionNamed(menu, "ARDEN")->trigger();
    EXPECT_EQ(shownStockNumbers(), (QList<int>{1, 3}));

    grid->setColumnFilter(col("ADI"), QStringLiteral("Fren diski"));
    EXPECT_EQ(shownStockNumbers(), (QList<int>{3}));

    QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {}, button.center());
    menu = openMenu("columnFilterMenu");
    ASSERT_NE(menu, nullptr);
    actionNamed(menu, "(Tümü)")->trigger();
    EXPECT_EQ(shownStockNumbers(), (QList<int>{3})); // the other column's filter stays
    grid->clearFilter();
    EXPECT_EQ(shownStockNumbers(), (QList<int>{2, 1, 4, 3}));

    grid->setColumnFilter(marka, QString()); // "(Boş)": rows without a make
    EXPECT_EQ(shownStockNumbers(), (QList<int>{4}));
}

TEST_F(GridTest, RowsKeepTheTableSortThroughReloadsAndSortingCanBeOff)
{
    EXPECT_EQ(shownStockNumbers(), (QList<int>{2, 1, 4, 3}));
    dataSet->setData(StockSample());
    EXPECT_EQ(shownStockNumbers(), (QList<int>{2, 1, 4, 3}));

    GridOptions options;
    options.sorting = false;
    grid->setOptions(options);
    QTest::mouseClick(grid->header()->viewport(), Qt::LeftButton, {},
                      QPoint(grid->header()->sectionViewportPosition(col("BARKOD")) + 5, 5));
    EXPECT_EQ(shownStockNumbers(), (QList<int>{2, 1, 4, 3}));
}

TEST_F(GridTest, TypingSearchesTheRowsAndReadOnly)
{
    // Typed letters add up to one search text while they come within the input
    // interval; a long interval keeps a slow machine from splitting the text.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(600000);
    grid->view()->setFocus();
    grid->focusRow(1); // B-200, focused on the first shown column
    QTest::keyClicks(grid->view(), "B-3");
    QApplication::setKeyboardInputInterval(interval);
    EXPECT_EQ(grid->focusedRow(), 2);
    EXPECT_EQ(dataSet->currentRow(), 2); // the dataset follows the focused row
    EXPECT_EQ(grid->view()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(GridTest, CustomDrawnCellGetsTheDataSetRow)
{
    ColumnTable columns = StockColumns();
    QList<int> paintedRows;
    ColumnSpec summary;
    summary.caption = QStringLiteral("Fiyat Bilgisi");
    summary.display = DisplayKind::CustomDrawn;
    summary.paint = [&](QPainter&, const GridCell& cell) {
        paintedRows.append(cell.dataSet->value(cell.row, 0).toInt() * 10 + cell.viewRow);
    };
    columns.push_back(summary);
    grid->setColumns(columns);
    EXPECT_EQ(grid->columnIndex(QStringLiteral("Fiyat Bilgisi")), int(columns.size()) - 1);
    grid->view()->grab();
    std::sort(paintedRows.begin(), paintedRows.end());
    paintedRows.erase(std::unique(paintedRows.begin(), paintedRows.end()), paintedRows.end());
    // STOKNO*10 + position: sorted by KALAN the rows show as 2, 1, 4, 3.
    EXPECT_EQ(paintedRows, (QList<int>{11, 20, 33, 42}));
}
