#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QTemporaryDir>

#include "data/ui/BitmapEx.h"

namespace veritom {
namespace {

const QRgb kRed = qRgb(220, 30, 30);

// Every pixel a different colour, so a wrong restore cannot go unnoticed.
QImage Patterned(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 4 % 256, y * 8 % 256, (x + y) % 256));
        }
    }
    return image;
}

// A white 10x10 square with a red 4x4 middle; white is the transparent colour.
QImage Indicator() {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 3; y < 7; ++y) {
        for (int x = 3; x < 7; ++x) {
            image.setPixel(x, y, kRed);
        }
    }
    return image;
}

TEST(BitmapEx, LeavesTheTransparentColourUnpainted) {
    const QImage original = Patterned(40, 20);
    QImage canvas = original;
    CBitmapEx bitmap(Indicator());
    {
        QPainter painter(&canvas);
        EXPECT_TRUE(bitmap.DrawTransparent(painter, 5, 5, Qt::white, false));
    }
    EXPECT_FALSE(bitmap.HasSavedBackground());
    EXPECT_EQ(canvas.pixel(5, 5), original.pixel(5, 5));
    EXPECT_EQ(canvas.pixel(14, 14), original.pixel(14, 14));
    EXPECT_EQ(canvas.pixel(8, 8), kRed);
    EXPECT_EQ(canvas.pixel(11, 11), kRed);
}

TEST(BitmapEx, RestoresTheBackgroundOfTheSecondOfTwoDrawings) {
    const QImage original = Patterned(60, 20);
    QImage canvas = original;
    CBitmapEx bitmap(Indicator());
    QPainter painter(&canvas);
    ASSERT_TRUE(bitmap.DrawTransparent(painter, 5, 5, Qt::white, true));
    ASSERT_TRUE(bitmap.DrawTransparent(painter, 30, 5, Qt::white, true));
    EXPECT_EQ(bitmap.SavedPosition(), QPoint(30, 5));
    ASSERT_TRUE(bitmap.RestoreBackground(painter));
    painter.end();

    EXPECT_EQ(canvas.copy(30, 5, 10, 10), original.copy(30, 5, 10, 10));
    EXPECT_EQ(canvas.pixel(8, 8), kRed);  // the first drawing stays
    EXPECT_FALSE(bitmap.HasSavedBackground());
    QPainter again(&canvas);
    EXPECT_FALSE(bitmap.RestoreBackground(again));
}

TEST(BitmapEx, OverlappingDrawingsRestoreWhatLayUnderTheLastOne) {
    QImage canvas = Patterned(40, 20);
    CBitmapEx bitmap(Indicator());
    QPainter painter(&canvas);
    ASSERT_TRUE(bitmap.DrawTransparent(painter, 5, 5, Qt::white, true));
    painter.end();
    const QImage afterFirst = canvas;

    painter.begin(&canvas);
    ASSERT_TRUE(bitmap.DrawTransparent(painter, 8, 5, Qt::white, true));
    ASSERT_TRUE(bitmap.RestoreBackground(painter));
    painter.end();
    EXPECT_EQ(canvas, afterFirst);
}

TEST(BitmapEx, FollowsThePaintersTransformAndWorksOnPixmaps) {
    QPixmap pixmap = QPixmap::fromImage(Patterned(40, 20));
    const QImage original = pixmap.toImage();
    CBitmapEx bitmap(Indicator());
    {
        QPainter painter(&pixmap);
        painter.translate(10, 2);
        ASSERT_TRUE(bitmap.DrawTransparent(painter, 5, 5, Qt::white, true));
        EXPECT_EQ(bitmap.SavedPosition(), QPoint(15, 7));
        EXPECT_EQ(pixmap.toImage().pixel(19, 11), kRed);
        ASSERT_TRUE(bitmap.RestoreBackground(painter));
    }
    EXPECT_EQ(pixmap.toImage().convertToFormat(original.format()), original);
}

TEST(BitmapEx, CannotKeepTheBackgroundOfADeviceThatCannotBeRead) {
    QPicture picture;
    CBitmapEx bitmap(Indicator());
    QPainter painter(&picture);
    EXPECT_FALSE(bitmap.DrawTransparent(painter, 0, 0, Qt::white, true));
    EXPECT_FALSE(bitmap.HasSavedBackground());
    // Drawing off the edge keeps only what lies on the device.
    QImage canvas = Patterned(20, 20);
    QPainter onImage(&canvas);
    ASSERT_TRUE(bitmap.DrawTransparent(onImage, 15, 15, Qt::white, true));
    EXPECT_EQ(bitmap.SavedPosition(), QPoint(15, 15));
}

TEST(BitmapEx, LoadsPictureFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OpeningEN.bmp"));
    ASSERT_TRUE(Indicator().save(path, "BMP"));
    CBitmapEx bitmap;
    ASSERT_TRUE(bitmap.Load(path));
    EXPECT_EQ(bitmap.Size(), QSize(10, 10));
    EXPECT_FALSE(bitmap.Load(dir.filePath(QStringLiteral("OpeningFR.bmp"))));
    EXPECT_TRUE(bitmap.IsNull());
    QImage canvas = Patterned(20, 20);
    QPainter painter(&canvas);
    EXPECT_FALSE(bitmap.DrawTransparent(painter, 0, 0, Qt::white, true));
}

}  // namespace
}  // namespace veritom
