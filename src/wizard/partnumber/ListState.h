#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "wizard/partnumber/ColumnTable.h"

namespace veritom {

// The layout and sort of the candidate list as the record keeps them between openings
// (PNListState): element 0 the mask of the columns shown (-1: nothing saved); elements 1 to
// 18 the table column at display positions 0 to 17 (-1: none); element 19 the display
// position sorted last (-1: none) and element 20 the direction flag that sort used;
// element 21 unused; elements 22 and 23 the column sorted before it and one minus the
// direction flag that sort used. A selection file is input: columns and positions out of
// range are ignored when it is read.
struct CListState {
    static constexpr int kElementCount = 24;
    static constexpr int kSavedPositions = 18;
    using Elements = std::array<std::int32_t, kElementCount>;

    bool saved = false;
    std::uint32_t mask = 0;
    std::vector<int> columns;  // table columns in display order
    int sortColumn = -1;       // the table column sorted last, kept by its saved position
    int sortDirection = 0;     // 0: the column's second comparator, 1: its first
    int historyColumn = -1;
    int historyDirection = 0;  // the direction flag its sort used

    static CListState Read(const Elements& elements);
    // Writes every element but 21, which keeps what it holds; the sort is written as the
    // display position of sortColumn.
    void Write(Elements& elements) const;

    // The columns shown, in display order: the saved order (a column that is out of range,
    // not shown in this variant or named twice is skipped) followed by the variant's other
    // columns in table order, so no column is ever lost; the table order when nothing is
    // saved.
    static std::vector<int> Layout(const CListState& state, ColumnVariant variant,
                                   bool coilClassInUse, bool tenthFilterInUse);
    static std::uint32_t MaskOf(const std::vector<int>& columns, ColumnVariant variant);
};

}  // namespace veritom
