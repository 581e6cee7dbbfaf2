#include "PictureBook.h"

#include "BuildError.h"

namespace veritom::seldb {

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
// Drawn at twice the size the dialogs show them, so they stay sharp on any screen.
constexpr int kScale = 2;
constexpr Rgb kPaper{255, 255, 255};
constexpr Rgb kInk{20, 40, 110};
constexpr Rgb kFlow{0, 120, 60};
constexpr Rgb kCoil{190, 120, 30};
constexpr Rgb kMetal{150, 155, 165};
constexpr Rgb kDark{60, 60, 70};
constexpr Rgb kWater{40, 130, 220};

// One square of a valve symbol: a passage from one port to another, or a blocked port.
// Coordinates are fractions of the square, y growing downward.
struct Passage {
    double x0, y0, x1, y1;
    bool bothWays;
};
struct Stop {
    double x, y;
};
struct Position {
    std::vector<Passage> passages;
    std::vector<Stop> stops;
};
struct Port {
    double x, y;
    const char* label;
};

void DrawPosition(CCanvas& canvas, int left, int top, int size, const Position& position) {
    canvas.FrameRect(left, top, size, size, 2, kInk);
    const auto px = [&](double f) { return left + f * size; };
    const auto py = [&](double f) { return top + f * size; };
    for (const Passage& p : position.passages) {
        canvas.Arrow(px(p.x0), py(p.y0 == 1.0 ? 0.95 : 0.05), px(p.x1),
                     py(p.y1 == 1.0 ? 0.95 : 0.05), 2, kFlow);
        if (p.bothWays) {
            canvas.Arrow(px(p.x1), py(p.y1 == 1.0 ? 0.95 : 0.05), px(p.x0),
                         py(p.y0 == 1.0 ? 0.95 : 0.05), 2, kFlow);
        }
    }
    for (const Stop& s : position.stops) {
        const double inward = s.y == 1.0 ? -0.25 : 0.25;
        canvas.Line(px(s.x), py(s.y), px(s.x), py(s.y + inward), 2, kInk);
        canvas.Line(px(s.x - 0.1), py(s.y + inward), px(s.x + 0.1), py(s.y + inward), 2, kInk);
    }
}

// A two-position valve symbol: solenoid on the left, spring on the right, the ports drawn at
// the square next to the spring, which is the position without current.
void DrawValveSymbol(CCanvas& canvas, const Position& energized, const Position& normal,
                     const std::vector<Port>& ports, const std::string& caption) {
    const int size = 50;
    const int top = 30;
    const int left = 30;
    DrawPosition(canvas, left, top, size, energized);
    DrawPosition(canvas, left + size, top, size, normal);
    // Solenoid operator.
    canvas.FrameRect(left - 22, top + 12, 22, 26, 2, kInk);
    canvas.Line(left - 22, top + 38, left, top + 12, 2, kInk);
    // Return spring.
    const int springX = left + 2 * size;
    double x = springX;
    for (int i = 0; i < 5; ++i) {
        const double next = x + 4;
        canvas.Line(x, top + 25 + (i % 2 ? 8 : -8), next, top + 25 + (i % 2 ? -8 : 8), 2, kInk);
        x = next;
    }
    for (const Port& port : ports) {
        const double portX = left + size + port.x * size;
        const double edgeY = top + port.y * size;
        const double outerY = port.y == 1.0 ? edgeY + 14 : edgeY - 14;
        canvas.Line(portX, edgeY, portX, outerY, 2, kInk);
        canvas.Text(static_cast<int>(portX) + 4,
                    static_cast<int>(port.y == 1.0 ? outerY - 7 : outerY), port.label, 1, kInk);
    }
    canvas.Text(8, kHeight - 14, caption, 1, kDark);
}

void DrawCoilBlock(CCanvas& canvas, int left, int top) {
    canvas.FillRect(left, top, 60, 50, kCoil);
    canvas.FrameRect(left, top, 60, 50, 2, kDark);
    for (int y = top + 8; y < top + 46; y += 6) {
        canvas.Line(left + 4, y, left + 56, y, 1, kDark);
    }
}

void DrawValveBody(CCanvas& canvas, int left, int top) {
    canvas.FillRect(left, top, 100, 34, kMetal);
    canvas.FrameRect(left, top, 100, 34, 2, kDark);
    canvas.FillRect(left - 12, top + 8, 12, 18, kMetal);
    canvas.FillRect(left + 100, top + 8, 12, 18, kMetal);
    canvas.FillRect(left + 40, top - 14, 20, 14, kMetal);
    canvas.FrameRect(left + 40, top - 14, 20, 14, 2, kDark);
}

Position Blocked2() {
    return {{}, {{0.5, 1.0}, {0.5, 0.0}}};
}
Position Open2() {
    return {{{0.5, 1.0, 0.5, 0.0, false}}, {}};
}

// Three ports: A above at 0.3, P below at 0.3, R below at 0.7.
Position PressureToOutlet(bool bothWays) {
    return {{{0.3, 1.0, 0.3, 0.0, bothWays}}, {{0.7, 1.0}}};
}
Position OutletToExhaust(bool bothWays) {
    return {{{0.3, 0.0, 0.7, 1.0, bothWays}}, {{0.3, 1.0}}};
}

const std::vector<Port> kPorts2 = {{0.5, 0.0, "2"}, {0.5, 1.0, "1"}};
const std::vector<Port> kPorts3 = {{0.3, 0.0, "2"}, {0.3, 1.0, "1"}, {0.7, 1.0, "3"}};
const std::vector<Port> kPorts4 = {
    {0.3, 0.0, "4"}, {0.7, 0.0, "2"}, {0.3, 1.0, "1"}, {0.7, 1.0, "3"}};

void DrawTermination(CCanvas& canvas, const std::string& kind) {
    DrawCoilBlock(canvas, 50, 20);
    if (kind == "LD") {
        canvas.Line(70, 70, 60, 110, 3, kDark);
        canvas.Line(90, 70, 100, 110, 3, kWater);
    } else if (kind == "SP") {
        for (int x : {62, 78, 94}) {
            canvas.FillRect(x, 70, 6, 18, kMetal);
            canvas.FrameRect(x, 70, 6, 18, 1, kDark);
        }
    } else if (kind == "PL") {
        canvas.FillRect(110, 28, 34, 34, kDark);
        canvas.FillRect(116, 34, 22, 22, kMetal);
        canvas.Line(144, 45, 156, 45, 4, kDark);
    } else {
        canvas.FillRect(60, 70, 40, 24, kMetal);
        canvas.FrameRect(60, 70, 40, 24, 2, kDark);
        for (int x : {68, 80, 92}) {
            canvas.FillCircle(x, 82, 3, kDark);
        }
        canvas.FillRect(72, 94, 16, 16, kMetal);
    }
}

void DrawEnclosure(CCanvas& canvas, const std::string& kind) {
    if (kind == "T7") {
        canvas.FillRect(40, 14, 80, 80, kDark);
        canvas.FillRect(48, 22, 64, 64, kMetal);
        for (int x : {44, 112}) {
            for (int y : {18, 86}) {
                canvas.FillCircle(x, y, 3, kPaper);
            }
        }
        canvas.FillRect(120, 44, 24, 20, kDark);
        canvas.Text(66, 100, "XP", 2, kDark);
        return;
    }
    canvas.FillRect(45, 18, 70, 70, kMetal);
    canvas.FrameRect(45, 18, 70, 70, kind == "T4X" ? 5 : 2, kDark);
    canvas.FillRect(70, 88, 20, 16, kMetal);
    if (kind == "T4X") {
        for (int x : {20, 135}) {
            canvas.FillTriangle(x, 30, x - 6, 44, x + 6, 44, kWater);
            canvas.FillCircle(x, 46, 6, kWater);
        }
    }
}

}  // namespace

CPictureBook::CPictureBook() {
    m_painters["FP_2NC"] = [](CCanvas& c) {
        DrawValveSymbol(c, Open2(), Blocked2(), kPorts2, "2/2 NC");
    };
    m_painters["FP_2NO"] = [](CCanvas& c) {
        DrawValveSymbol(c, Blocked2(), Open2(), kPorts2, "2/2 NO");
    };
    m_painters["FP_3NC"] = [](CCanvas& c) {
        DrawValveSymbol(c, PressureToOutlet(false), OutletToExhaust(false), kPorts3, "3/2 NC");
    };
    m_painters["FP_3NO"] = [](CCanvas& c) {
        DrawValveSymbol(c, OutletToExhaust(false), PressureToOutlet(false), kPorts3, "3/2 NO");
    };
    m_painters["FP_3UN"] = [](CCanvas& c) {
        DrawValveSymbol(c, PressureToOutlet(true), OutletToExhaust(true), kPorts3, "3/2 UNIVERSAL");
    };
    m_painters["FP_4SR"] = [](CCanvas& c) {
        const Position straight{{{0.3, 1.0, 0.3, 0.0, false}, {0.7, 0.0, 0.7, 1.0, false}}, {}};
        const Position crossed{{{0.3, 1.0, 0.7, 0.0, false}, {0.3, 0.0, 0.7, 1.0, false}}, {}};
        DrawValveSymbol(c, straight, crossed, kPorts4, "4/2");
    };
    for (const char* kind : {"LD", "SP", "PL", "SC"}) {
        m_painters[std::string("TERM_") + kind] = [kind](CCanvas& c) { DrawTermination(c, kind); };
    }
    for (const char* kind : {"T1", "T4X", "T7"}) {
        m_painters[std::string("ENC_") + kind] = [kind](CCanvas& c) { DrawEnclosure(c, kind); };
    }
    m_painters["RAP_VA"] = [](CCanvas& c) {
        DrawCoilBlock(c, 50, 8);
        DrawValveBody(c, 30, 76);
    };
    m_painters["RAP_V"] = [](CCanvas& c) { DrawValveBody(c, 30, 60); };
    m_painters["RAP_S"] = [](CCanvas& c) { DrawCoilBlock(c, 50, 35); };
}

std::vector<std::string> CPictureBook::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : m_painters) {
        names.push_back(entry.first);
    }
    return names;
}

std::vector<unsigned char> CPictureBook::Draw(const std::string& name) const {
    const auto painter = m_painters.find(name);
    if (painter == m_painters.end()) {
        throw CBuildError("no picture named " + name);
    }
    CCanvas canvas(kWidth, kHeight, kPaper, kScale);
    painter->second(canvas);
    return canvas.ToBmp();
}

}  // namespace veritom::seldb
