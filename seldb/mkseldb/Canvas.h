#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veritom::seldb {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// A small raster to draw the catalogue's pictures on, written out as a 24-bit BMP file.
// Drawing takes coordinates of a width x height picture; the raster holds scale pixels for
// each of them, so a picture shown at its size on a high-density screen, or scaled down
// smoothly on an ordinary one, stays sharp. Coordinates outside the raster are clipped.
class CCanvas {
public:
    CCanvas(int width, int height, Rgb background, int scale = 1);

    // In raster pixels.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb Pixel(int x, int y) const;

    void FillRect(int x, int y, int w, int h, Rgb colour);
    void FrameRect(int x, int y, int w, int h, int thickness, Rgb colour);
    void Line(double x0, double y0, double x1, double y1, int thickness, Rgb colour);
    void FillCircle(double cx, double cy, double radius, Rgb colour);
    void FillTriangle(double x0, double y0, double x1, double y1, double x2, double y2, Rgb colour);
    // A line ending in a filled head at (x1, y1).
    void Arrow(double x0, double y0, double x1, double y1, int thickness, Rgb colour);
    // Upper-case letters, digits and "-/. " in a 5x7 font, each dot scale pixels wide.
    void Text(int x, int y, const std::string& text, int scale, Rgb colour);

    // The complete BMP file: headers and bottom-up rows padded to four bytes.
    std::vector<unsigned char> ToBmp() const;

private:
    void Plot(int x, int y, Rgb colour);
    // The same operations in raster pixels.
    void RasterFillRect(int x, int y, int w, int h, Rgb colour);
    void RasterFillCircle(double cx, double cy, double radius, Rgb colour);
    void RasterLine(double x0, double y0, double x1, double y1, double thickness, Rgb colour);
    void RasterFillTriangle(double x0, double y0, double x1, double y1, double x2, double y2,
                            Rgb colour);

    int m_scale;
    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

}  // namespace veritom::seldb
