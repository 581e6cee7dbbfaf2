#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "BmpBytes.h"
#include "data/ui/Lead.h"

namespace veritom {
namespace {

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

short Load(CLead& lead, const QByteArray& bytes, int bitsPerPixel = 0, int page = 0) {
    return lead.LoadMemory(bytes.constData(), static_cast<std::size_t>(bytes.size()), bitsPerPixel,
                           page);
}

// The smallest GIF: one red pixel. Qt reads GIF but cannot write it.
const unsigned char kRedPixelGif[] = {'G',  'I',  'F',  '8',  '9',  'a',  0x01, 0x00, 0x01,
                                      0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
                                      0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                      0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};

TEST(Lead, DecodesTheImageFormatsOfTheDatabase) {
    const auto bmp = test::MakeBmp(8, 6, 24, {}, 0x0000FF);
    const struct {
        const char* name;
        QByteArray bytes;
        QSize size;
    } cases[] = {
        {"BMP", QByteArray(reinterpret_cast<const char*>(bmp.data()), qsizetype(bmp.size())),
         QSize(8, 6)},
        {"PNG", Encoded(Filled(30, 20, qRgb(0, 128, 0)), "PNG"), QSize(30, 20)},
        {"JPEG", Encoded(Filled(16, 16, qRgb(200, 200, 0)), "JPEG"), QSize(16, 16)},
        {"GIF", QByteArray(reinterpret_cast<const char*>(kRedPixelGif), sizeof kRedPixelGif),
         QSize(1, 1)},
    };
    for (const auto& c : cases) {
        CLead lead;
        EXPECT_EQ(Load(lead, c.bytes), CLead::kSuccess) << c.name;
        EXPECT_EQ(lead.Picture().size(), c.size) << c.name;
    }
}

TEST(Lead, KeepsThePreviousPictureWhenALoadFails) {
    CLead lead;
    ASSERT_EQ(Load(lead, Encoded(Filled(40, 20, qRgb(255, 0, 0)), "PNG")), CLead::kSuccess);
    const qint64 shown = lead.Picture().cacheKey();

    const auto bmp = test::MakeBmp(4, 4, 8, {0, 0xFFFFFF});
    const QByteArray headerOnly(reinterpret_cast<const char*>(bmp.data()), 20);
    EXPECT_EQ(Load(lead, QByteArray("not a picture at all")), CLead::kDecodeFailed);
    EXPECT_EQ(Load(lead, headerOnly), CLead::kDecodeFailed);
    EXPECT_EQ(Load(lead, QByteArray()), CLead::kNoData);
    EXPECT_EQ(lead.LoadMemory(nullptr, 10), CLead::kNoData);
    const QByteArray png = Encoded(Filled(5, 5, qRgb(0, 0, 255)), "PNG");
    EXPECT_EQ(Load(lead, png, 12), CLead::kBadBitsPerPixel);
    EXPECT_EQ(Load(lead, png, 0, 1), CLead::kNoSuchPage);
    EXPECT_EQ(lead.Picture().cacheKey(), shown);
    EXPECT_EQ(lead.Picture().pixel(0, 0), qRgb(255, 0, 0));

    EXPECT_EQ(Load(lead, png, 8), CLead::kSuccess);
    EXPECT_EQ(lead.Picture().format(), QImage::Format_Indexed8);
}

TEST(Lead, ScalesThePictureIntoItsRectangleKeepingItsProportions) {
    CLead lead;
    lead.resize(200, 100);
    EXPECT_EQ(lead.PictureRect(), QRect());
    ASSERT_EQ(Load(lead, Encoded(Filled(20, 20, qRgb(255, 0, 0)), "PNG")), CLead::kSuccess);
    EXPECT_EQ(lead.PictureRect(), QRect(50, 0, 100, 100));
    ASSERT_EQ(Load(lead, Encoded(Filled(40, 10, qRgb(255, 0, 0)), "PNG")), CLead::kSuccess);
    EXPECT_EQ(lead.PictureRect(), QRect(0, 25, 200, 50));

    QImage shot(200, 100, QImage::Format_RGB32);
    shot.fill(Qt::white);
    lead.render(&shot);
    EXPECT_EQ(shot.pixel(100, 50), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(100, 10), lead.palette().window().color().rgb());  // above the picture

    lead.Clear();
    EXPECT_FALSE(lead.HasPicture());
}

}  // namespace
}  // namespace veritom
