#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veritom {

// Tab stops of a list whose lines show tab-separated columns. Positions are dialog units, a
// quarter of the average character width each. After the last stop further stops follow at
// the distance of the last two (of the only one); without stops every 32 units.
class CTabStops {
public:
    static constexpr int kDefaultInterval = 32;

    void Set(std::vector<int> positions);
    const std::vector<int>& Positions() const { return m_positions; }

    // The columns of a line: its text split at each tab.
    static std::vector<std::string> Columns(std::string_view text);
    // Pixel x where each column starts, given each column's pixel width: a column starts at
    // the first stop right of the end of the one before.
    std::vector<int> ColumnStarts(const std::vector<int>& columnWidths, int averageCharWidth) const;
    // Pixel width of the whole line: where its last column ends.
    int LineWidth(const std::vector<int>& columnWidths, int averageCharWidth) const;

private:
    int StopAfter(int x, int averageCharWidth) const;

    std::vector<int> m_positions;
};

}  // namespace veritom
