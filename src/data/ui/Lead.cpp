#include "data/ui/Lead.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <limits>
#include <optional>

namespace veritom {

namespace {

std::optional<QImage::Format> FormatForBits(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return QImage::Format_Mono;
        case 8:
            return QImage::Format_Indexed8;
        case 24:
            return QImage::Format_RGB888;
        case 32:
            return QImage::Format_ARGB32;
        default:
            return std::nullopt;
    }
}

}  // namespace

CLead::CLead(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lead"));
}

short CLead::LoadMemory(const void* data, std::size_t size, int bitsPerPixel, int page) {
    if (!data || size == 0 || size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return kNoData;
    }
    std::optional<QImage::Format> format;
    if (bitsPerPixel != 0) {
        format = FormatForBits(bitsPerPixel);
        if (!format) {
            return kBadBitsPerPixel;
        }
    }
    // The bytes stay the caller's; the reader only looks at them.
    QByteArray bytes =
        QByteArray::fromRawData(static_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (page != 0 && !reader.jumpToImage(page)) {
        return kNoSuchPage;
    }
    QImage picture = reader.read();
    if (picture.isNull()) {
        return kDecodeFailed;
    }
    if (format) {
        picture = picture.convertToFormat(*format);
    }
    m_picture = std::move(picture);
    update();
    return kSuccess;
}

void CLead::Clear() {
    m_picture = QImage();
    update();
}

QRect CLead::PictureRect() const {
    if (!HasPicture() || rect().isEmpty()) {
        return {};
    }
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void CLead::paintEvent(QPaintEvent*) {
    if (!HasPicture()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PictureRect(), m_picture);
}

}  // namespace veritom
