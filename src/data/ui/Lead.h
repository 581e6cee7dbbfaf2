#pragma once

#include <QImage>
#include <QWidget>
#include <cstddef>

namespace veritom {

// The imaging control of the wizard dialogs: shows a picture given as the bytes of a whole
// image file (BMP, PNG, JPEG or GIF, as the selection database stores them), scaled into
// the control's rectangle with its proportions kept. A load that fails keeps the picture
// shown before.
class CLead : public QWidget {
public:
    // Results of LoadMemory.
    static constexpr short kSuccess = 0;
    static constexpr short kNoData = -1;
    static constexpr short kDecodeFailed = -2;
    static constexpr short kNoSuchPage = -3;
    static constexpr short kBadBitsPerPixel = -4;

    explicit CLead(QWidget* parent = nullptr);

    // Decodes size bytes at data. bitsPerPixel 0 keeps the file's depth, otherwise 1, 8, 24
    // or 32; page picks a frame of a multi-frame file (0: the first).
    short LoadMemory(const void* data, std::size_t size, int bitsPerPixel = 0, int page = 0);
    void Clear();

    bool HasPicture() const { return !m_picture.isNull(); }
    const QImage& Picture() const { return m_picture; }
    // Where the picture is drawn: as large as fits, centred.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

}  // namespace veritom
