#include "Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace veritom::seldb {

namespace {

using Glyph = std::array<std::uint8_t, 7>;

const std::map<char, Glyph>& Font() {
    static const std::map<char, Glyph> font = {
        {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
        {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
        {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
        {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
        {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
        {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
        {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
        {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
        {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
        {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
        {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
        {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
        {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
        {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}},
        {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
        {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
        {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
        {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
        {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
        {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
        {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
        {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
        {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
        {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
        {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
        {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
        {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
        {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
        {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
        {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
        {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
        {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
        {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
        {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
        {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}},
        {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
        {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
        {'/', {0x00, 0x01, 0x02, 0x04, 0x08, 0x10, 0x00}},
        {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
        {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    };
    return font;
}

void PutLe16(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void PutLe32(std::vector<unsigned char>& out, std::uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}

}  // namespace

CCanvas::CCanvas(int width, int height, Rgb background, int scale)
    : m_scale(std::max(1, scale)),
      m_width(width * m_scale),
      m_height(height * m_scale),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), background) {}

Rgb CCanvas::Pixel(int x, int y) const {
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void CCanvas::Plot(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] =
        colour;
}

void CCanvas::FillRect(int x, int y, int w, int h, Rgb colour) {
    RasterFillRect(x * m_scale, y * m_scale, w * m_scale, h * m_scale, colour);
}

void CCanvas::RasterFillRect(int x, int y, int w, int h, Rgb colour) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            Plot(col, row, colour);
        }
    }
}

// Made of FillRect, so it scales with it.
void CCanvas::FrameRect(int x, int y, int w, int h, int thickness, Rgb colour) {
    FillRect(x, y, w, thickness, colour);
    FillRect(x, y + h - thickness, w, thickness, colour);
    FillRect(x, y, thickness, h, colour);
    FillRect(x + w - thickness, y, thickness, h, colour);
}

void CCanvas::FillCircle(double cx, double cy, double radius, Rgb colour) {
    RasterFillCircle(cx * m_scale, cy * m_scale, radius * m_scale, colour);
}

void CCanvas::RasterFillCircle(double cx, double cy, double radius, Rgb colour) {
    const int top = static_cast<int>(std::floor(cy - radius));
    const int bottom = static_cast<int>(std::ceil(cy + radius));
    for (int y = top; y <= bottom; ++y) {
        for (int x = static_cast<int>(std::floor(cx - radius));
             x <= static_cast<int>(std::ceil(cx + radius)); ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            if (dx * dx + dy * dy <= radius * radius) {
                Plot(x, y, colour);
            }
        }
    }
}

void CCanvas::Line(double x0, double y0, double x1, double y1, int thickness, Rgb colour) {
    RasterLine(x0 * m_scale, y0 * m_scale, x1 * m_scale, y1 * m_scale, thickness * m_scale, colour);
}

void CCanvas::RasterLine(double x0, double y0, double x1, double y1, double thickness, Rgb colour) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(std::ceil(length * 2)));
    const double radius = thickness / 2.0;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        RasterFillCircle(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, radius, colour);
    }
}

void CCanvas::FillTriangle(double x0, double y0, double x1, double y1, double x2, double y2,
                           Rgb colour) {
    const double s = m_scale;
    RasterFillTriangle(x0 * s, y0 * s, x1 * s, y1 * s, x2 * s, y2 * s, colour);
}

void CCanvas::RasterFillTriangle(double x0, double y0, double x1, double y1, double x2, double y2,
                                 Rgb colour) {
    const int minX = static_cast<int>(std::floor(std::min({x0, x1, x2})));
    const int maxX = static_cast<int>(std::ceil(std::max({x0, x1, x2})));
    const int minY = static_cast<int>(std::floor(std::min({y0, y1, y2})));
    const int maxY = static_cast<int>(std::ceil(std::max({y0, y1, y2})));
    const auto edge = [](double ax, double ay, double bx, double by, double px, double py) {
        return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
    };
    for (int y = minY; y <= maxY; ++y) {
        for (int x = minX; x <= maxX; ++x) {
            const double e0 = edge(x0, y0, x1, y1, x, y);
            const double e1 = edge(x1, y1, x2, y2, x, y);
            const double e2 = edge(x2, y2, x0, y0, x, y);
            if ((e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0)) {
                Plot(x, y, colour);
            }
        }
    }
}

void CCanvas::Arrow(double x0, double y0, double x1, double y1, int thickness, Rgb colour) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    if (length <= 0.0) {
        return;
    }
    const double ux = (x1 - x0) / length;
    const double uy = (y1 - y0) / length;
    const double head = std::max(6.0, thickness * 3.0);
    const double baseX = x1 - ux * head;
    const double baseY = y1 - uy * head;
    // Made of Line and FillTriangle, so it scales with them.
    Line(x0, y0, baseX, baseY, thickness, colour);
    FillTriangle(x1, y1, baseX - uy * head / 2, baseY + ux * head / 2, baseX + uy * head / 2,
                 baseY - ux * head / 2, colour);
}

void CCanvas::Text(int x, int y, const std::string& text, int scale, Rgb colour) {
    int penX = x;
    for (char c : text) {
        const auto glyph = Font().find(c);
        if (glyph != Font().end()) {
            for (int row = 0; row < 7; ++row) {
                for (int col = 0; col < 5; ++col) {
                    if (glyph->second[static_cast<size_t>(row)] & (0x10 >> col)) {
                        FillRect(penX + col * scale, y + row * scale, scale, scale, colour);
                    }
                }
            }
        }
        penX += 6 * scale;
    }
}

std::vector<unsigned char> CCanvas::ToBmp() const {
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(m_width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowSize * static_cast<std::uint32_t>(m_height);
    const std::uint32_t headerBytes = 14 + 40;
    std::vector<unsigned char> out;
    out.reserve(headerBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, headerBytes + pixelBytes);
    PutLe32(out, 0);
    PutLe32(out, headerBytes);
    PutLe32(out, 40);
    PutLe32(out, static_cast<std::uint32_t>(m_width));
    PutLe32(out, static_cast<std::uint32_t>(m_height));
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0);  // uncompressed
    PutLe32(out, pixelBytes);
    PutLe32(out, 2835);  // 72 dots per inch
    PutLe32(out, 2835);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const Rgb pixel = Pixel(x, y);
            out.push_back(pixel.b);
            out.push_back(pixel.g);
            out.push_back(pixel.r);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(m_width) * 3; pad < rowSize; ++pad) {
            out.push_back(0);
        }
    }
    return out;
}

}  // namespace veritom::seldb
