#include "catalogue/stockstateicons.h"

#include <QImage>
#include <QPixmap>
#include <QSet>

#include <gtest/gtest.h>

// Each state code draws its own picture, at the screen's full resolution.
TEST(StockStateIcons, DistinctPicturesDrawnAtDeviceResolution)
{
    QSet<QByteArray> pictures;
    for (int durum : {0, 1, 2, 3, 4, 5, 6, -1}) {
        const QPixmap pixmap = StockStateIcon(durum).pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(pixmap.size(), QSize(32, 32)) << durum;
        EXPECT_EQ(pixmap.devicePixelRatio(), 2.0) << durum;
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   image.sizeInBytes()));
    }
    EXPECT_EQ(pictures.size(), 8);
    // Codes without a description share the one unknown picture.
    EXPECT_EQ(StockStateIcon(7).pixmap(16).toImage(), StockStateIcon(-1).pixmap(16).toImage());
    EXPECT_TRUE(StockStateLegendLabel(7).isEmpty());
}
