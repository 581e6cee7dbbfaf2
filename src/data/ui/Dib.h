#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <span>

#include "data/BmpLayout.h"

class QIODevice;
class QPainter;
class QRect;

namespace veritom {

// A device-independent bitmap read from a BMP file, as the main window draws its background.
// Damaged files are reported with the message boxes "Read error" (a short file, or one that
// does not start with "BM") and "Invalid bitmap file" (headers no bitmap can have); the
// mapping reader says "Empty bitmap file" for a zero-length file. A file that does not exist
// is not reported: callers draw their default instead. A failed read leaves the bitmap empty.
class CDib {
public:
    CDib() = default;

    bool Read(const QString& path);
    bool Read(QIODevice& device);
    // Reads the file through a read-only memory mapping instead of a copy.
    bool MapFile(const QString& path);
    // An all-zero bitmap of the size and bit count (1, 4, 8, 16, 24 or 32); 8 bits and fewer
    // get a grey colour table.
    bool CreateEmpty(int width, int height, int bitCount);
    void Empty();

    bool IsEmpty() const { return m_image.isNull(); }
    QSize Size() const { return m_image.size(); }
    int BitCount() const { return m_layout.bitCount; }
    // Entries of the colour table (0 for true-colour bitmaps).
    int ColorCount() const { return static_cast<int>(m_palette.size()); }
    // Bytes of pixel data as the file stores them.
    qint64 ImageSize() const { return static_cast<qint64>(m_layout.pixelSize); }
    // The colour table in red-green-blue order.
    const QList<QRgb>& Palette() const { return m_palette; }
    const QImage& Image() const { return m_image; }

    // Stretches the bitmap into target, copying the pixels without smoothing; false when
    // there is nothing to draw.
    bool Draw(QPainter& painter, const QRect& target) const;

private:
    enum class Reader { Stream, Mapping };
    bool Decode(std::span<const unsigned char> bytes, Reader reader);
    bool Fail(int messageId);

    BmpLayout m_layout;
    QList<QRgb> m_palette;
    QImage m_image;
};

}  // namespace veritom
