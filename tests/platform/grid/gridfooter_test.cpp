#include "gridfixture.h"

#include "platform/grid/gridfooter.h"

#include <QHeaderView>
#include <QLayout>
#include <QTableView>

using FooterTest = GridFixture;

TEST_F(FooterTest, CountAndMoneySumsFollowTheShownRows)
{
    grid->setFooterSummaries({{QStringLiteral("BARKOD"), FooterSummary::Kind::Count},
                              {QStringLiteral("FIYAT"), FooterSummary::Kind::Sum},
                              {QStringLiteral("KALAN"), FooterSummary::Kind::Sum}});
    EXPECT_TRUE(grid->footer()->isVisible());
    EXPECT_EQ(grid->footerText(col("BARKOD")), "4");
    EXPECT_EQ(grid->footerText(col("FIYAT")), "1.344,74"); // the null price adds nothing
    EXPECT_EQ(grid->footerText(col("KALAN")), "");         // under a hidden column nothing shows
    grid->setColumnShown(col("KALAN"), true);
    EXPECT_EQ(grid->footerText(col("KALAN")), "20,00");

    grid->setColumnFilter(col("MARKA"), QStringLiteral("ARDEN"));
    EXPECT_EQ(grid->footerText(col("BARKOD")), "2");
    EXPECT_EQ(grid->footerText(col("FIYAT")), "1.334,49");

    grid->clearFilter();
    dataSet->emptyDataSet();
    EXPECT_EQ(grid->footerText(col("BARKOD")), "0");
    EXPECT_EQ(grid->footerText(col("FIYAT")), "0,00");
}

TEST_F(FooterTest, FooterCellsStayUnderTheirColumns)
{
    grid->setFooterSummaries({{QStringLiteral("FIYAT"), FooterSummary::Kind::Sum}});
    const int fiyat = col("FIYAT");
    grid->setColumnWidth(col("BARKOD"), 300);
    grid->layout()->activate();
    const QHeaderView* header = grid->view()->horizontalHeader();
    const QPoint sectionLeft =
        header->mapTo(grid.get(), QPoint(header->sectionViewportPosition(fiyat), 0));
    // The footer's text is drawn right-aligned inside the section: the pixel column at
    // the section's right edge minus padding holds text, the one left of the section none.
    const QImage footer = grid->footer()->grab().toImage();
    const int right = sectionLeft.x() - grid->footer()->x() + header->sectionSize(fiyat) - 6;
    auto columnHasInk = [&](int x) {
        const QColor background = grid->gridStyle().footerBackground;
        for (int y = 2; y < footer.height() - 1; ++y)
            if (footer.pixelColor(x * footer.devicePixelRatio(), y * footer.devicePixelRatio()) != background)
                return true;
        return false;
    };
    bool inkNearRight = false;
    for (int x = right - 8; x <= right; ++x)
        inkNearRight = inkNearRight || columnHasInk(x);
    EXPECT_TRUE(inkNearRight);
    EXPECT_FALSE(columnHasInk(sectionLeft.x() - grid->footer()->x() - 20));
}
