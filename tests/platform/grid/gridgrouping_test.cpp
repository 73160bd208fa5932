#include "gridfixture.h"
#include "xlsxreader.h"

#include "platform/grid/gridexport.h"
#include "platform/grid/gridgrouping.h"

#include <QTableView>
#include <QTemporaryDir>

using GroupingTest = GridFixture;

TEST_F(GroupingTest, GroupsWithTitleAndFooterRowsAndCollapse)
{
    grid->setGroupColumn(col("MARKA"));
    grid->setGroupSummaries({{QStringLiteral("BARKOD"), FooterSummary::Kind::Count},
                             {QStringLiteral("FIYAT"), FooterSummary::Kind::Sum}});
    grid->setFooterSummaries({{QStringLiteral("BARKOD"), FooterSummary::Kind::Count}});
    const GridGrouping& g = *grid->groupingModel();
    const QAbstractItemModel* shown = grid->view()->model();
    // Groups in ascending order of the make: "", ARDEN, KORVA; rows keep the KALAN order inside.
    ASSERT_EQ(grid->rowCount(), 3 * 2 + 4);
    QList<int> kinds, rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
        kinds.append(g.rowKind(r));
        rows.append(grid->dataSetRow(r));
    }
    const int T = GridGrouping::GroupTitleRow, D = GridGrouping::DataRow, F = GridGrouping::GroupFooterRow;
    EXPECT_EQ(kinds, (QList<int>{T, D, F, T, D, D, F, T, D, F}));
    EXPECT_EQ(rows, (QList<int>{-1, 3, -1, -1, 0, 2, -1, -1, 1, -1}));
    EXPECT_EQ(shown->index(3, col("BARKOD")).data().toString(), "Marka : ARDEN");
    EXPECT_EQ(shown->index(6, col("BARKOD")).data().toString(), "2");
    EXPECT_EQ(shown->index(6, col("FIYAT")).data().toString(), "1.334,49");
    EXPECT_EQ(grid->view()->columnSpan(3, col("BARKOD")), grid->view()->model()->columnCount() - col("BARKOD"));
    EXPECT_EQ(grid->footerText(col("BARKOD")), "4"); // the grid footer counts data rows only

    // A click on a title row collapses its group and a second one expands it again.
    const QRect title = grid->view()->visualRect(shown->index(3, col("BARKOD")));
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {}, title.center());
    EXPECT_EQ(grid->rowCount(), 7);
    QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {}, title.center());
    EXPECT_EQ(grid->rowCount(), 10);

    // Exported group by group, all groups expanded, data rows only.
    QTemporaryDir dir;
    ExportGridToSpreadsheet(*grid, dir.filePath("g.xlsx"));
    const SheetCells sheet = ReadFirstSheet(dir.filePath("g.xlsx"));
    ASSERT_TRUE(sheet.ok);
    const QStringList barcodes{sheet.at(1, 0), sheet.at(2, 0), sheet.at(3, 0), sheet.at(4, 0)};
    EXPECT_EQ(barcodes, (QStringList{"B-400", "B-100", "B-300", "B-200"}));

    grid->setGroupColumn(-1);
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->view()->columnSpan(0, col("BARKOD")), 1);
}
