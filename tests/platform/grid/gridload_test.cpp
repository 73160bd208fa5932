#include "gridfixture.h"

#include "platform/grid/gridloadview.h"
#include "server/tabload.h"

#include <QDeadlineTimer>
#include <QTableView>

#include <atomic>

// Waits for a condition with a generous limit, processing events meanwhile.
template <typename Condition>
bool WaitFor(Condition condition)
{
    QDeadlineTimer deadline(30000);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(5);
    return condition();
}

using GridLoadTest = GridFixture;

TEST_F(GridLoadTest, DetachedDuringTheLoadAndShowingTheNewRowsAfter)
{
    grid->setFooterSummaries({{QStringLiteral("BARKOD"), FooterSummary::Kind::Count}});
    grid->setColumnFilter(col("MARKA"), QStringLiteral("ARDEN"));
    ASSERT_EQ(grid->rowCount(), 2);

    std::atomic<int> rowsSeenDuringLoad{-1};
    TabLoadSpec spec;
    spec.view = std::make_shared<DataGridLoadView>(grid.get());
    spec.load = [&] {
        DataTable fresh = StockSample();
        fresh.column(3).setValue(1, QStringLiteral("ARDEN")); // B-200 becomes ARDEN too
        dataSet->setData(std::move(fresh));
        return false;
    };
    spec.beforeReattach = [&](bool) { rowsSeenDuringLoad = grid->rowCount(); };
    auto* load = new TabLoad(spec, grid.get());
    ASSERT_TRUE(load->start());
    EXPECT_TRUE(grid->isDetached());
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_FALSE(grid->view()->updatesEnabled());

    ASSERT_TRUE(WaitFor([&] { return !load->isRunning(); }));
    EXPECT_EQ(rowsSeenDuringLoad, 0);
    EXPECT_FALSE(grid->isDetached());
    EXPECT_TRUE(grid->view()->updatesEnabled());
    EXPECT_EQ(shownStockNumbers(), (QList<int>{2, 1, 3})); // filter and sort kept
    EXPECT_EQ(grid->footerText(col("BARKOD")), "3");
}
