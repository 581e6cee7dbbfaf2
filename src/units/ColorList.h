#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "units/TabStops.h"

namespace veritom {

// A colour as 0xRRGGBB; kSystemColour stands for the system's window or window-text colour.
using ListColour = std::int32_t;
inline constexpr ListColour kSystemColour = -1;

constexpr ListColour RgbColour(int red, int green, int blue) {
    return (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}

// The system colours a colour list draws with.
struct ListSystemColours {
    ListColour window = RgbColour(255, 255, 255);
    ListColour windowText = RgbColour(0, 0, 0);
    ListColour buttonFace = RgbColour(240, 240, 240);
    ListColour greyText = RgbColour(109, 109, 109);
    ListColour highlight = RgbColour(0, 120, 215);
    ListColour highlightText = RgbColour(255, 255, 255);
};

// How one line is drawn.
struct LinePaint {
    bool drawn = false;
    ListColour text = 0;
    ListColour background = 0;
    bool focusRect = false;
};

// The lines of a colour list box and its rules: each line carries its own colours, a value
// for the caller and a selectable flag; the selection never rests on an unselectable line;
// a disabled empty list holds a placeholder line that is never drawn.
class CColorList {
public:
    enum class KeyMove { Down, Up };
    static constexpr std::string_view kPlaceholder = "asdf";

    // Adds a line (the first removes the placeholder) and returns its index.
    int AddLine(std::string text, bool selectable = true, ListColour textColour = kSystemColour,
                ListColour background = kSystemColour);
    // The caller's value of a line, -1 when it has none or the line has no record.
    void SetLineValue(int index, std::int32_t value);
    std::int32_t GetLineValue(int index) const;
    void SetLineColours(int index, ListColour text, ListColour background);
    // True for a line without a record (the placeholder) and for a selectable line.
    bool IsSelectable(int index) const;
    // Removes all lines; disabled, the list then holds the placeholder.
    void Clear();
    // Enables or disables; a disabled empty list gets the placeholder.
    void Enable(bool enabled);
    bool IsEnabled() const { return m_enabled; }

    void SetTabStops(std::vector<int> positions) { m_tabStops.Set(std::move(positions)); }
    const CTabStops& TabStops() const { return m_tabStops; }
    void SetKeepColours(bool keep) { m_keepColours = keep; }
    void SetNoSelection(bool on) { m_noSelection = on; }
    bool NoSelection() const { return m_noSelection; }
    void SetSystemColours(const ListSystemColours& colours) { m_system = colours; }

    int Count() const { return static_cast<int>(m_lines.size()); }
    const std::string& Text(int index) const { return m_lines[Checked(index)].text; }
    bool HasRecord(int index) const;

    // The key that moved the selection last: Page Down, Right and Down move down, Page Up,
    // Left and Up move up.
    void NoteKeyMove(KeyMove move) { m_lastMove = move; }
    // Where the selection lands when it would go to target from previous: target when it is
    // selectable, else the nearest selectable line in the direction of the last key move,
    // else previous. Always -1 in no-selection mode.
    int Land(int target, int previous) const;
    // Whether a click on a line may select it.
    bool AcceptsClick(int index) const;
    // The first line whose text starts with exactly the typed character, -1 for none.
    int FindTyped(std::string_view character) const;
    // How line index is drawn when selected or not, with or without the focus.
    LinePaint Paint(int index, bool selected, bool hasFocus) const;

private:
    struct Record {
        ListColour text = kSystemColour;
        ListColour background = kSystemColour;
        std::int32_t value = -1;
        bool selectable = true;
    };
    struct Line {
        std::string text;
        std::optional<Record> record;
    };

    std::size_t Checked(int index) const;
    Record* RecordAt(int index);
    const Record* RecordAt(int index) const;
    bool HasPlaceholder() const { return m_lines.size() == 1 && !m_lines.front().record; }
    void UpdatePlaceholder();

    std::vector<Line> m_lines;
    CTabStops m_tabStops;
    ListSystemColours m_system;
    KeyMove m_lastMove = KeyMove::Down;
    bool m_enabled = true;
    bool m_keepColours = false;
    bool m_noSelection = false;
};

}  // namespace veritom
