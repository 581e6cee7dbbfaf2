#include "TabStops.h"

#include <algorithm>

namespace veritom {

namespace {

int ToPixels(int dialogUnits, int averageCharWidth) {
    return dialogUnits * averageCharWidth / 4;
}

}  // namespace

void CTabStops::Set(std::vector<int> positions) {
    std::erase_if(positions, [](int position) { return position <= 0; });
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    m_positions = std::move(positions);
}

std::vector<std::string> CTabStops::Columns(std::string_view text) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (std::size_t tab = text.find('\t'); tab != std::string_view::npos;
         tab = text.find('\t', start)) {
        columns.emplace_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    columns.emplace_back(text.substr(start));
    return columns;
}

int CTabStops::StopAfter(int x, int averageCharWidth) const {
    for (int position : m_positions) {
        const int stop = ToPixels(position, averageCharWidth);
        if (stop > x) {
            return stop;
        }
    }
    const std::size_t count = m_positions.size();
    const int last = count == 0 ? 0 : m_positions.back();
    int interval = count == 0   ? kDefaultInterval
                   : count == 1 ? last
                                : last - m_positions[count - 2];
    const int lastPx = ToPixels(last, averageCharWidth);
    const int intervalPx = std::max(1, ToPixels(interval, averageCharWidth));
    return lastPx + ((std::max(x, lastPx) - lastPx) / intervalPx + 1) * intervalPx;
}

std::vector<int> CTabStops::ColumnStarts(const std::vector<int>& columnWidths,
                                         int averageCharWidth) const {
    std::vector<int> starts;
    int x = 0;
    for (std::size_t i = 0; i < columnWidths.size(); ++i) {
        if (i > 0) {
            x = StopAfter(x, averageCharWidth);
        }
        starts.push_back(x);
        x += columnWidths[i];
    }
    return starts;
}

int CTabStops::LineWidth(const std::vector<int>& columnWidths, int averageCharWidth) const {
    if (columnWidths.empty()) {
        return 0;
    }
    return ColumnStarts(columnWidths, averageCharWidth).back() + columnWidths.back();
}

}  // namespace veritom
