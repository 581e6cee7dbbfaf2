#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

namespace veritom {

// A bitmap drawn with one colour left transparent, which can keep what lay under it and put
// it back: the blinking step indicator and the opening pictures use it.
//
// Keeping the background reads the painter's device, so it works on a QImage or QPixmap
// (a widget cannot be read back while it paints; paint a widget through such a buffer, or
// simply repaint it without the bitmap).
class CBitmapEx {
public:
    CBitmapEx() = default;
    explicit CBitmapEx(QImage image);

    // Loads a picture file at its own size; false (and a null bitmap) when it cannot be read.
    bool Load(const QString& path);
    void SetImage(QImage image);

    bool IsNull() const { return m_image.isNull(); }
    QSize Size() const { return m_image.size(); }
    const QImage& Image() const { return m_image; }

    // Draws the bitmap with its top left at (x, y); pixels of transparentColour leave the
    // background visible. With saveBackground, the pixels under the bitmap are kept first,
    // replacing any kept before; false when they could not be read from the device.
    bool DrawTransparent(QPainter& painter, int x, int y, const QColor& transparentColour,
                         bool saveBackground);
    // Puts the kept pixels back where they were taken and forgets them; false when none.
    bool RestoreBackground(QPainter& painter);

    bool HasSavedBackground() const { return !m_saved.isNull(); }
    // Device coordinates of the kept pixels.
    QPoint SavedPosition() const { return m_savedAt; }

private:
    const QImage& MaskedFor(QRgb key);
    bool SaveBackground(QPainter& painter, const QRect& logicalRect);

    QImage m_image;
    QImage m_masked;
    QRgb m_maskKey = 0;
    QImage m_saved;
    QPoint m_savedAt;
};

}  // namespace veritom
