#pragma once

#include <cstdint>
#include <vector>

#include "wizard/partnumber/ColumnTable.h"

namespace veritom {

class CCandidateList;

// The display order of the candidate list and how a header click sorts it. Each column has
// a direction flag: 0 sorts with the column's second comparator (descending; ascending for
// "Min OPD"), 1 with its first, and every click flips it, so clicks alternate. Rows that
// compare equal fall back on the column sorted before (its comparator as that sort used it),
// one level deep; rows still equal keep their order.
class CCandidateSort {
public:
    struct Key {
        int column = -1;    // table column; -1 none
        int direction = 0;  // the direction flag the sort used
    };

    // A new list in query order: no column sorted, every direction flag 0. The column
    // sorted before is kept, as it breaks ties of the next sort.
    void Reset(std::size_t rows);
    std::size_t Size() const { return m_order.size(); }
    std::uint32_t RowAt(std::size_t displayRow) const { return m_order[displayRow]; }
    // The display row of a list row; -1 when there is none.
    std::int64_t DisplayRowOf(std::uint32_t row) const;

    // A header click on column: sorts by it with its direction flag, then flips the flag.
    void Sort(const CCandidateList& list, int column);
    // Sorts by column with a given direction flag and history, as a reopened list restores
    // the sort it had.
    void Restore(const CCandidateList& list, Key last, Key history);
    // Sorts by column ascending or descending, as the command line asks.
    void SortAscending(const CCandidateList& list, int column, bool ascending);

    // Forgets the columns sorted last and before.
    void ClearHistory() {
        m_last = {};
        m_history = {};
    }

    const Key& Last() const { return m_last; }
    const Key& History() const { return m_history; }
    // The direction flag the column's next click uses.
    int DirectionOf(int column) const;

    // True when the column's comparator with this direction flag sorts ascending.
    static bool IsAscending(int column, int direction);
    // -1, 0 or 1 as row a sorts before, with or after row b by column, ascending.
    static int Compare(const CCandidateList& list, int column, std::uint32_t a, std::uint32_t b);

private:
    void Apply(const CCandidateList& list, Key key);

    std::vector<std::uint32_t> m_order;
    std::vector<int> m_directions = std::vector<int>(CColumnTable::kColumnCount, 0);
    Key m_last;
    Key m_history;
};

}  // namespace veritom
