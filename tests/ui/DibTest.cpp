#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>

#include "BmpBytes.h"
#include "FileKinds.h"
#include "MessageRecorder.h"
#include "data/ui/Dib.h"

namespace veritom {
namespace {

using Bytes = std::vector<unsigned char>;

class DibTest : public ::testing::Test {
protected:
    QString WriteFile(const Bytes& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("picture%1.bmp").arg(++m_files));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        return path;
    }

    QTemporaryDir m_dir;
    int m_files = 0;
    test::MessageRecorder m_messages;
};

const std::vector<std::uint32_t> kPalette = {0x000000, 0x2060A0, 0xFFFFFF};

Bytes Good() {
    return test::MakeBmp(6, 4, 8, kPalette);
}
Bytes Empty() {
    return {};
}
Bytes OtherSignature() {
    Bytes bytes = Good();
    bytes[0] = 'G';
    bytes[1] = 'I';
    return bytes;
}
Bytes Truncated() {
    Bytes bytes = Good();
    bytes.resize(bytes.size() - 5);
    return bytes;
}
Bytes ImpossibleHeader() {
    Bytes bytes = Good();
    test::Put16(bytes, 28, 7);
    return bytes;
}

TEST_F(DibTest, ReadsABitmapWithItsColourTableAndDrawsItStretched) {
    CDib dib;
    ASSERT_TRUE(dib.Read(WriteFile(Good())));
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(dib.Size(), QSize(6, 4));
    EXPECT_EQ(dib.BitCount(), 8);
    EXPECT_EQ(dib.ColorCount(), 3);
    EXPECT_EQ(dib.ImageSize(), 8 * 4);
    EXPECT_EQ(dib.Palette(),
              (QList<QRgb>{qRgb(0, 0, 0), qRgb(0x20, 0x60, 0xA0), qRgb(255, 255, 255)}));

    QImage canvas(60, 40, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        EXPECT_TRUE(dib.Draw(painter, QRect(10, 10, 30, 20)));
    }
    EXPECT_EQ(canvas.pixel(10, 10), qRgb(0x20, 0x60, 0xA0));
    EXPECT_EQ(canvas.pixel(39, 29), qRgb(0x20, 0x60, 0xA0));
    EXPECT_EQ(canvas.pixel(40, 30), qRgb(255, 255, 255));
}

TEST_F(DibTest, ReportsDamagedFilesWithTheMessageOfEachReader) {
    struct Case {
        const char* name;
        std::function<Bytes()> make;
        const char* readMessage;
        const char* mapMessage;
    };
    const Case cases[] = {
        {"zero length", Empty, "Read error", "Empty bitmap file"},
        {"signature other than BM", OtherSignature, "Read error", "Invalid bitmap file"},
        {"truncated pixels", Truncated, "Read error", "Invalid bitmap file"},
        {"impossible header", ImpossibleHeader, "Invalid bitmap file", "Invalid bitmap file"},
    };
    for (const Case& c : cases) {
        const QString path = WriteFile(c.make());
        CDib dib;
        ASSERT_TRUE(dib.Read(WriteFile(Good())));
        m_messages.boxes.clear();

        EXPECT_FALSE(dib.Read(path)) << c.name;
        EXPECT_TRUE(dib.IsEmpty()) << c.name;
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{c.readMessage}) << c.name;

        m_messages.boxes.clear();
        EXPECT_FALSE(dib.MapFile(path)) << c.name;
        EXPECT_TRUE(dib.IsEmpty()) << c.name;
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{c.mapMessage}) << c.name;
    }
}

TEST_F(DibTest, AMissingFileOrWhatIsNoFileIsNotReadNorReported) {
    test::FileKinds files;
    CDib dib;
    for (const std::string& path : {m_dir.filePath(QStringLiteral("background.bmp")).toStdString(),
                                    files.Folder(), files.Fifo(), files.Device()}) {
        EXPECT_FALSE(dib.Read(QString::fromStdString(path))) << path;
        EXPECT_FALSE(dib.MapFile(QString::fromStdString(path))) << path;
    }
    EXPECT_TRUE(m_messages.boxes.empty());
    QPainter painter;
    EXPECT_FALSE(dib.Draw(painter, QRect(0, 0, 10, 10)));
}

TEST_F(DibTest, ReadsFromAnyDeviceAndThroughAMapping) {
    const Bytes bytes = test::MakeBmp(3, -2, 24, {}, 0x123456);
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    CDib fromDevice;
    ASSERT_TRUE(fromDevice.Read(buffer));
    EXPECT_EQ(fromDevice.ColorCount(), 0);
    EXPECT_EQ(fromDevice.Image().pixel(2, 1), qRgb(0x12, 0x34, 0x56));

    CDib mapped;
    ASSERT_TRUE(mapped.MapFile(WriteFile(bytes)));
    EXPECT_EQ(mapped.Image().pixel(0, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(DibTest, CreatesEmptyBitmaps) {
    CDib dib;
    ASSERT_TRUE(dib.CreateEmpty(10, 5, 4));
    EXPECT_EQ(dib.Size(), QSize(10, 5));
    EXPECT_EQ(dib.ColorCount(), 16);
    EXPECT_EQ(dib.Palette().back(), qRgb(255, 255, 255));
    EXPECT_EQ(dib.ImageSize(), 8 * 5);
    ASSERT_TRUE(dib.CreateEmpty(3, 3, 24));
    EXPECT_EQ(dib.ColorCount(), 0);
    EXPECT_EQ(dib.Image().pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_FALSE(dib.CreateEmpty(0, 5, 8));
    EXPECT_FALSE(dib.CreateEmpty(5, 5, 7));
    EXPECT_TRUE(dib.IsEmpty());
}

}  // namespace
}  // namespace veritom
