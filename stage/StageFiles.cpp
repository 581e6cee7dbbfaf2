// Draws the pictures and writes the reference documents of the installation tree, so the
// tree needs no binary files in the repository and nothing from outside.
//
//   veritom_stagefiles bmp KIND OUT.bmp
//   veritom_stagefiles reference LANGUAGE SOURCE CATALOGUE_DIR OUT_DIR NAME.pdf...

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "PdfDocument.h"
#include "ReferenceSource.h"
#include "ReferenceTables.h"

namespace {

using veritom::stage::CCatalogue;
using veritom::stage::CPdfDocument;
using veritom::stage::CReferenceTables;
using veritom::stage::ReferenceBlock;
using veritom::stage::ReferenceSource;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Hex(std::uint32_t rgb) {
    return {double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF)};
}

class Canvas {
public:
    Canvas(int width, int height, Rgb fill)
        : m_width(width), m_height(height), m_pixels(std::size_t(width) * height, fill) {}

    void VerticalGradient(Rgb top, Rgb bottom) {
        for (int y = 0; y < m_height; ++y) {
            const Rgb c = Mix(top, bottom, m_height > 1 ? double(y) / (m_height - 1) : 0.0);
            for (int x = 0; x < m_width; ++x) {
                At(x, y) = c;
            }
        }
    }

    // Fills the shape inside(x, y) with four samples a pixel, for soft edges.
    void Fill(const std::function<bool(double, double)>& inside, Rgb colour) {
        static constexpr double kOffsets[] = {0.25, 0.75};
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                int hits = 0;
                for (double dy : kOffsets) {
                    for (double dx : kOffsets) {
                        hits += inside(x + dx, y + dy) ? 1 : 0;
                    }
                }
                if (hits > 0) {
                    At(x, y) = Mix(At(x, y), colour, hits / 4.0);
                }
            }
        }
    }

    void Rect(double left, double top, double width, double height, Rgb colour) {
        Fill(
            [=](double x, double y) {
                return x >= left && x < left + width && y >= top && y < top + height;
            },
            colour);
    }

    void Circle(double cx, double cy, double radius, Rgb colour) {
        Fill([=](double x,
                 double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; },
             colour);
    }

    // A horizontal band whose colour runs from edge to middle to edge, like a lit cylinder.
    void Cylinder(double left, double top, double width, double height, Rgb edge, Rgb middle) {
        for (int y = int(top); y < int(top + height) && y < m_height; ++y) {
            const double t = 1.0 - std::fabs((y + 0.5 - top) / height * 2.0 - 1.0);
            Rect(left, y, width, 1, Mix(edge, middle, t));
        }
    }

    bool WriteBmp(const std::string& path) const {
        const std::uint32_t stride = (std::uint32_t(m_width) * 3 + 3) & ~3u;
        const std::uint32_t pixelBytes = stride * std::uint32_t(m_height);
        std::string out;
        const auto put16 = [&out](std::uint32_t v) {
            out += char(v & 0xFF);
            out += char((v >> 8) & 0xFF);
        };
        const auto put32 = [&put16](std::uint32_t v) {
            put16(v & 0xFFFF);
            put16(v >> 16);
        };
        out += "BM";
        put32(54 + pixelBytes);
        put32(0);
        put32(54);
        put32(40);
        put32(std::uint32_t(m_width));
        put32(std::uint32_t(m_height));
        put16(1);
        put16(24);
        put32(0);
        put32(pixelBytes);
        put32(2835);  // 72 dots per inch
        put32(2835);
        put32(0);
        put32(0);
        for (int y = m_height - 1; y >= 0; --y) {
            std::uint32_t written = 0;
            for (int x = 0; x < m_width; ++x, written += 3) {
                const Rgb& c = m_pixels[std::size_t(y) * m_width + x];
                out += char(Channel(c.b));
                out += char(Channel(c.g));
                out += char(Channel(c.r));
            }
            out.append(stride - written, '\0');
        }
        std::ofstream file(path, std::ios::binary);
        file.write(out.data(), std::streamsize(out.size()));
        return bool(file);
    }

private:
    static unsigned char Channel(double v) {
        return static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L));
    }
    Rgb& At(int x, int y) { return m_pixels[std::size_t(y) * m_width + x]; }

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

const Rgb kWhite = Hex(0xFFFFFF);
const Rgb kNavy = Hex(0x1F3A5C);
const Rgb kSteel = Hex(0x8A96A3);
const Rgb kSteelLight = Hex(0xD9DEE3);
const Rgb kCopper = Hex(0xB5652A);
const Rgb kCopperLight = Hex(0xE9A66B);

// A solenoid valve seen from the side: pipe with flanges, body, bonnet and coil.
void DrawValve(Canvas& c, double cx, double cy, double scale) {
    const auto s = [scale](double v) { return v * scale; };
    c.Cylinder(cx - s(150), cy - s(18), s(300), s(36), kSteel, kSteelLight);
    for (double side : {-1.0, 1.0}) {
        c.Rect(cx + side * s(150) - s(8), cy - s(30), s(16), s(60), kSteel);
    }
    c.Cylinder(cx - s(60), cy - s(40), s(120), s(80), Hex(0x4F5B66), Hex(0x9AA6B2));
    c.Rect(cx - s(22), cy - s(62), s(44), s(24), Hex(0x6D7884));
    c.Cylinder(cx - s(42), cy - s(150), s(84), s(90), kCopper, kCopperLight);
    c.Rect(cx - s(46), cy - s(154), s(92), s(8), Hex(0x3C4650));
    c.Rect(cx - s(46), cy - s(64), s(92), s(8), Hex(0x3C4650));
    c.Rect(cx - s(6), cy - s(176), s(12), s(22), Hex(0x3C4650));
    c.Circle(cx, cy - s(182), s(9), Hex(0x3C4650));
}

Canvas Background() {
    Canvas c(800, 600, kWhite);
    c.VerticalGradient(Hex(0xF5F8FB), Hex(0xD8E3EE));
    c.Rect(0, 596, 800, 4, Hex(0xB8C8D8));
    return c;
}

Canvas Picture(int width, int height) {
    Canvas c(width, height, kWhite);
    c.VerticalGradient(Hex(0x2E5680), kNavy);
    c.Rect(0, height - 6.0, width, 6, kCopper);
    DrawValve(c, width / 2.0, height * 0.68, height / 300.0);
    return c;
}

Canvas Indicator() {
    Canvas c(35, 16, kWhite);  // white is the transparent colour
    const Rgb red = Hex(0xD0352B);
    c.Fill(
        [](double x, double y) { return x >= 2 && x <= 14 && std::fabs(y - 8) <= (x - 2) * 0.6; },
        red);
    c.Rect(13, 5, 20, 6, red);
    return c;
}

Canvas TipBulb() {
    Canvas c(32, 32, kWhite);
    c.Circle(16, 12, 9, Hex(0xF2C318));
    c.Circle(13, 9, 3, Hex(0xFBE9A0));
    c.Rect(11.5, 20, 9, 3, kSteel);
    c.Rect(11.5, 23.5, 9, 3, Hex(0x6D7884));
    c.Rect(13.5, 27, 5, 2, kSteel);
    return c;
}

Canvas Stale() {
    Canvas c(16, 16, kWhite);
    c.Circle(8, 8, 7, Hex(0xD0352B));
    c.Rect(7, 3.5, 2, 6, kWhite);
    c.Rect(7, 11, 2, 2, kWhite);
    return c;
}

Canvas StateIcons() {
    Canvas c(48, 16, kWhite);
    c.Circle(8, 8, 5, Hex(0xA0A8B0));
    c.Circle(24, 8, 6, Hex(0x2E9E4F));
    c.Fill(
        [](double x, double y) { return x >= 34 && x <= 46 && std::fabs(y - 8) <= (46 - x) * 0.5; },
        Hex(0x2E6FBF));
    return c;
}

int WriteBitmap(const std::string& kind, const std::string& path) {
    const std::map<std::string, std::function<Canvas()>> kinds = {
        {"background", Background},
        {"opening", [] { return Picture(480, 300); }},
        {"splash", [] { return Picture(420, 260); }},
        {"indicator", Indicator},
        {"tipbulb", TipBulb},
        {"stale", Stale},
        {"stateicons", StateIcons},
    };
    const auto it = kinds.find(kind);
    if (it == kinds.end()) {
        std::cerr << "veritom_stagefiles: unknown picture '" << kind << "'\n";
        return 1;
    }
    if (!it->second().WriteBmp(path)) {
        std::cerr << "veritom_stagefiles: cannot write " << path << '\n';
        return 1;
    }
    return 0;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in ? text.str() : std::string();
}

void AddBlock(CPdfDocument& pdf, CReferenceTables& tables, const ReferenceBlock& block) {
    switch (block.kind) {
        case ReferenceBlock::Kind::Heading:
            pdf.Heading(block.text);
            break;
        case ReferenceBlock::Kind::Paragraph:
            pdf.Paragraph(block.text);
            break;
        case ReferenceBlock::Kind::Bullet:
            pdf.Bullet(block.text);
            break;
        case ReferenceBlock::Kind::Table:
            pdf.Table({block.rows.front(), {block.rows.begin() + 1, block.rows.end()}});
            break;
        case ReferenceBlock::Kind::CatalogueTable:
            pdf.Table(tables.Build(block.text, block.argument));
            break;
    }
}

// Writes the named reference documents of one language from its source text, with the
// tables made from the catalogue.
int WriteReferences(const std::string& language, const std::string& sourcePath,
                    const std::string& catalogueDir, const std::string& outputDir,
                    const std::vector<std::string>& names) {
    ReferenceSource source;
    std::string error;
    const std::string text = ReadText(sourcePath);
    if (text.empty() || !ParseReferenceSource(text, source, error)) {
        std::cerr << sourcePath << ": " << (text.empty() ? "cannot read" : error) << '\n';
        return 1;
    }
    CCatalogue catalogue(catalogueDir, language);
    CReferenceTables tables(catalogue, source.labels);
    for (const std::string& name : names) {
        const auto it = source.documents.find(name);
        if (it == source.documents.end()) {
            std::cerr << sourcePath << ": no @doc " << name
                      << ", which the selection database names\n";
            return 1;
        }
        CPdfDocument pdf(it->second.title, source.runningHead, source.pageLabel);
        try {
            for (const ReferenceBlock& block : it->second.blocks) {
                AddBlock(pdf, tables, block);
            }
        } catch (const std::exception& e) {
            std::cerr << sourcePath << ": " << name << ": " << e.what() << '\n';
            return 1;
        }
        if (!pdf.Write(outputDir + "/" + name, error)) {
            std::cerr << sourcePath << ": " << name << ": " << error << '\n';
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "bmp") {
        return WriteBitmap(args[1], args[2]);
    }
    if (args.size() >= 5 && args[0] == "reference") {
        return WriteReferences(args[1], args[2], args[3], args[4],
                               std::vector<std::string>(args.begin() + 5, args.end()));
    }
    std::cerr << "usage: veritom_stagefiles bmp KIND OUT.bmp\n"
                 "       veritom_stagefiles reference LANGUAGE SOURCE CATALOGUE_DIR OUT_DIR "
                 "NAME.pdf...\n";
    return 1;
}
