#include "wizard/partnumber/ListState.h"

#include <algorithm>

namespace veritom {

namespace {

constexpr std::size_t kMaskElement = 0;
constexpr std::size_t kFirstColumnElement = 1;
constexpr std::size_t kSortPositionElement = 19;
constexpr std::size_t kSortDirectionElement = 20;
constexpr std::size_t kHistoryColumnElement = 22;
constexpr std::size_t kHistoryDirectionElement = 23;

int Flag(std::int32_t value) {
    return value != 0 ? 1 : 0;
}

bool Contains(const std::vector<int>& columns, int column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

}  // namespace

CListState CListState::Read(const Elements& elements) {
    CListState state;
    state.saved = elements[kMaskElement] != -1;
    state.mask = static_cast<std::uint32_t>(elements[kMaskElement]);
    for (std::size_t i = 0; i < kSavedPositions; ++i) {
        const int column = elements[kFirstColumnElement + i];
        if (CColumnTable::IsColumn(column)) {
            state.columns.push_back(column);
        }
    }
    const int position = elements[kSortPositionElement];
    if (position >= 0 && position < kSavedPositions) {
        const int column = elements[kFirstColumnElement + static_cast<std::size_t>(position)];
        if (CColumnTable::IsColumn(column)) {
            state.sortColumn = column;
            state.sortDirection = Flag(elements[kSortDirectionElement]);
        }
    }
    const int history = elements[kHistoryColumnElement];
    if (CColumnTable::IsColumn(history)) {
        state.historyColumn = history;
        state.historyDirection = 1 - Flag(elements[kHistoryDirectionElement]);
    }
    return state;
}

void CListState::Write(Elements& elements) const {
    elements[kMaskElement] = saved ? static_cast<std::int32_t>(mask) : -1;
    for (std::size_t i = 0; i < kSavedPositions; ++i) {
        elements[kFirstColumnElement + i] = i < columns.size() ? columns[i] : -1;
    }
    const auto sorted = std::find(columns.begin(), columns.end(), sortColumn);
    const bool hasSort =
        sortColumn >= 0 && sorted != columns.end() && sorted - columns.begin() < kSavedPositions;
    elements[kSortPositionElement] =
        hasSort ? static_cast<std::int32_t>(sorted - columns.begin()) : -1;
    elements[kSortDirectionElement] = hasSort ? sortDirection : 0;
    elements[kHistoryColumnElement] = historyColumn;
    elements[kHistoryDirectionElement] = historyColumn >= 0 ? 1 - historyDirection : 0;
}

std::vector<int> CListState::Layout(const CListState& state, ColumnVariant variant,
                                    bool coilClassInUse, bool tenthFilterInUse) {
    std::vector<int> columns;
    const auto take = [&](int column) {
        if (CColumnTable::IsShown(variant, column, coilClassInUse, tenthFilterInUse) &&
            !Contains(columns, column)) {
            columns.push_back(column);
        }
    };
    if (state.saved) {
        for (const int column : state.columns) {
            take(column);
        }
    }
    for (int column = 0; column < CColumnTable::kColumnCount; ++column) {
        take(column);
    }
    return columns;
}

std::uint32_t CListState::MaskOf(const std::vector<int>& columns, ColumnVariant variant) {
    std::uint32_t mask = 0;
    for (const int column : columns) {
        mask |= CColumnTable::Entry(variant, column).bit;
    }
    return mask;
}

}  // namespace veritom
