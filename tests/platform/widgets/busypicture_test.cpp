#include "platform/widgets/busypicture.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

TEST(BusyPicture, HiddenUntilStartedAndAgainAfterStop)
{
    QWidget bar;
    auto* picture = new BusyPicture(&bar);
    bar.show();
    EXPECT_FALSE(picture->isVisible());
    EXPECT_FALSE(picture->isRunning());

    picture->start();
    EXPECT_TRUE(picture->isVisible());
    EXPECT_TRUE(picture->isRunning());

    picture->stop();
    EXPECT_FALSE(picture->isVisible());
    EXPECT_FALSE(picture->isRunning());
}

TEST(BusyPicture, DrawsAtDoubleDensity)
{
    BusyPicture picture;
    picture.resize(picture.sizeHint());
    QImage image(picture.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::transparent);
    picture.render(&image, {}, {}, QWidget::DrawChildren);
    // Some pixels are painted, and the centre stays clear (it is a ring).
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    EXPECT_GT(painted, 50);
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0);
}
