#include "data/ui/Dib.h"

#include <QFile>
#include <QIODevice>
#include <QPainter>

#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"

namespace veritom {

namespace {

// Larger than any bitmap BmpLayout accepts, so a stream is never read without end.
constexpr qint64 kMaxFileBytes = (qint64{1} << 30) + (qint64{1} << 20);

QImage::Format EmptyFormatFor(int bitCount) {
    switch (bitCount) {
        case 1:
            return QImage::Format_Mono;
        case 4:
        case 8:
            return QImage::Format_Indexed8;
        case 16:
            return QImage::Format_RGB16;
        case 24:
            return QImage::Format_RGB888;
        case 32:
            return QImage::Format_RGB32;
        default:
            return QImage::Format_Invalid;
    }
}

}  // namespace

bool CDib::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Empty();
        return false;
    }
    return Read(file);
}

bool CDib::Read(QIODevice& device) {
    constexpr qint64 kChunk = qint64{1} << 20;
    QByteArray bytes;
    while (bytes.size() <= kMaxFileBytes) {
        const QByteArray chunk = device.read(kChunk);
        if (chunk.isEmpty()) {
            break;
        }
        bytes += chunk;
    }
    if (bytes.size() > kMaxFileBytes) {
        return Fail(ids::kBitmapInvalidFile);
    }
    return Decode(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())),
                  Reader::Stream);
}

bool CDib::MapFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Empty();
        return false;
    }
    const qint64 size = file.size();
    uchar* view = size > 0 && size <= kMaxFileBytes ? file.map(0, size) : nullptr;
    if (!view) {
        return Fail(size == 0 ? ids::kBitmapEmptyFile : ids::kBitmapInvalidFile);
    }
    const bool ok = Decode(std::span<const unsigned char>(view, static_cast<std::size_t>(size)),
                           Reader::Mapping);
    file.unmap(view);
    return ok;
}

bool CDib::Decode(std::span<const unsigned char> bytes, Reader reader) {
    Empty();
    const BmpStatus status = ReadBmpLayout(bytes, m_layout);
    if (status != BmpStatus::Ok) {
        const bool readError = reader == Reader::Stream && status != BmpStatus::Invalid;
        return Fail(readError ? ids::kBitmapReadError : ids::kBitmapInvalidFile);
    }
    QImage image;
    if (!image.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")) {
        return Fail(ids::kBitmapInvalidFile);
    }
    m_image = std::move(image);
    for (const std::uint32_t rgb : m_layout.palette) {
        m_palette.push_back(qRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }
    return true;
}

bool CDib::Fail(int messageId) {
    Empty();
    MessageBox(LoadString(messageId), MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

bool CDib::CreateEmpty(int width, int height, int bitCount) {
    Empty();
    const QImage::Format format = EmptyFormatFor(bitCount);
    if (width <= 0 || height <= 0 || format == QImage::Format_Invalid) {
        return false;
    }
    QImage image(width, height, format);
    if (image.isNull()) {
        return false;
    }
    if (bitCount <= 8) {
        const int colours = 1 << bitCount;
        for (int i = 0; i < colours; ++i) {
            const int grey = colours > 1 ? i * 255 / (colours - 1) : 0;
            m_palette.push_back(qRgb(grey, grey, grey));
        }
        image.setColorTable(m_palette);
    }
    image.fill(0);
    m_layout.width = width;
    m_layout.height = height;
    m_layout.bitCount = static_cast<std::uint16_t>(bitCount);
    m_layout.colorCount = static_cast<std::uint32_t>(m_palette.size());
    m_layout.pixelSize = ((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4 *
                         static_cast<std::uint64_t>(height);
    m_image = std::move(image);
    return true;
}

void CDib::Empty() {
    m_layout = BmpLayout{};
    m_palette.clear();
    m_image = QImage();
}

bool CDib::Draw(QPainter& painter, const QRect& target) const {
    if (IsEmpty() || target.isEmpty()) {
        return false;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_image);
    painter.restore();
    return true;
}

}  // namespace veritom
