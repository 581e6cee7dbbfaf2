#include "data/ui/BitmapEx.h"

#include <QPainter>
#include <QPixmap>

namespace veritom {

CBitmapEx::CBitmapEx(QImage image) {
    SetImage(std::move(image));
}

bool CBitmapEx::Load(const QString& path) {
    SetImage(QImage(path));
    return !IsNull();
}

void CBitmapEx::SetImage(QImage image) {
    m_image = std::move(image);
    m_masked = QImage();
}

const QImage& CBitmapEx::MaskedFor(QRgb key) {
    key &= RGB_MASK;
    if (!m_masked.isNull() && m_maskKey == key) {
        return m_masked;
    }
    m_masked = m_image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < m_masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_masked.scanLine(y));
        for (int x = 0; x < m_masked.width(); ++x) {
            if ((line[x] & RGB_MASK) == key) {
                line[x] = 0;
            }
        }
    }
    m_maskKey = key;
    return m_masked;
}

bool CBitmapEx::SaveBackground(QPainter& painter, const QRect& logicalRect) {
    m_saved = QImage();
    QImage fromPixmap;
    const QImage* device = dynamic_cast<const QImage*>(painter.device());
    if (const auto* pixmap = dynamic_cast<const QPixmap*>(painter.device())) {
        fromPixmap = pixmap->toImage();
        device = &fromPixmap;
    }
    if (!device) {
        return false;
    }
    const QRect area = painter.deviceTransform()
                           .mapRect(logicalRect)
                           .intersected(QRect(QPoint(0, 0), device->size()));
    if (area.isEmpty()) {
        return false;
    }
    m_saved = device->copy(area);
    m_savedAt = area.topLeft();
    return true;
}

bool CBitmapEx::DrawTransparent(QPainter& painter, int x, int y, const QColor& transparentColour,
                                bool saveBackground) {
    if (IsNull()) {
        return false;
    }
    const bool saved = saveBackground && SaveBackground(painter, QRect(QPoint(x, y), Size()));
    painter.drawImage(QPoint(x, y), MaskedFor(transparentColour.rgb()));
    return saved || !saveBackground;
}

bool CBitmapEx::RestoreBackground(QPainter& painter) {
    if (!HasSavedBackground()) {
        return false;
    }
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(m_savedAt, m_saved);
    painter.restore();
    m_saved = QImage();
    return true;
}

}  // namespace veritom
