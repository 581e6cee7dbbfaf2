#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace veritom {

class CUnitConvMap;

// One line of a unit list: the text shown and the number stored with it (the item data).
struct ComboLine {
    std::string text;
    int itemData = 0;
};

// What a unit combo box holds and gives back. In unit mode a line's item data is the unit's
// display text id; in number or text mode it is the position under which the line's number
// or text is stored.
class CComboUnitList {
public:
    static constexpr std::size_t kNumberCount = 20;

    // A line for every catalogue unit of the category, in catalogue order.
    void FillCategory(int categoryId);
    // A line for every unit compatible with value's unit and not excluded; selects the line
    // of value's own unit.
    void FillCompatible(const CUnitConvMap& value, const std::vector<std::string_view>& excluded);
    // A line for each non-zero number: its text with suffix, stored and carried at its
    // position, so a zero leaves a gap in the item data.
    void AddNumbers(const std::array<double, kNumberCount>& numbers, int decimals,
                    bool keepTrailingZeros, bool dropPointWhenWhole, std::string_view suffix);
    // Adds a line for a number greater than 0 at the next free position; false otherwise.
    bool AddNumber(std::string text, double number);
    // Adds a line for a non-empty text at the next free position; false otherwise.
    bool AddText(std::string text);
    void Clear();

    const std::vector<ComboLine>& Lines() const { return m_lines; }
    // The selected line, -1 for none; a line that does not exist selects none.
    void Select(int index);
    int Selected() const { return m_selected; }
    // Selects the line whose item data is itemData; false when there is none.
    bool SelectItemData(int itemData);

    // Gives value the unit of the selected line; "Unit NotFound" and false when none.
    bool GetSelectedUnit(CUnitConvMap& value) const;
    // The code of the selected line's unit; "Unit NotFound" and empty when none.
    std::string GetSelectedUnitCode() const;
    // The number, shown text or stored text of the selected line; with nothing selected
    // "Nothing in Combo Box Selected", 0 or the empty text. A line without a stored number
    // or text gives 0 or the empty text.
    double GetSelectedNumber() const;
    std::string GetSelectedText() const;
    std::string GetSelectedStoredText() const;

private:
    const ComboLine* SelectedLine() const;
    int NextFreePosition() const;
    void AddLine(std::string text, int itemData) { m_lines.push_back({std::move(text), itemData}); }

    std::vector<ComboLine> m_lines;
    std::map<int, double> m_numbers;
    std::map<int, std::string> m_texts;
    int m_selected = -1;
};

}  // namespace veritom
