#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace veritom {

// One text column of the candidate list with each distinct text kept once: a column holds
// few distinct values (materials, sizes, coil classes), so a row costs four bytes.
class CTextColumn {
public:
    void Clear();
    void Reserve(std::size_t rows) { m_ids.reserve(rows); }
    void ShrinkToFit() { m_ids.shrink_to_fit(); }
    void Append(std::string_view text);

    std::size_t Size() const { return m_ids.size(); }
    std::string_view At(std::size_t row) const { return m_entries[m_ids[row]]; }
    std::uint32_t IdAt(std::size_t row) const { return m_ids[row]; }
    std::size_t DistinctCount() const { return m_entries.size(); }
    std::string_view Entry(std::uint32_t id) const { return m_entries[id]; }
    // The place of the row's text among the column's distinct texts in byte order, for
    // sorting without comparing texts. Worked out once after the column was filled.
    std::uint32_t RankAt(std::size_t row) const;
    std::size_t BytesHeld() const;

private:
    std::uint32_t Intern(std::string_view text);

    std::vector<std::uint32_t> m_ids;
    std::deque<std::string> m_entries;  // stable places for the index's views
    std::unordered_map<std::string_view, std::uint32_t> m_index;
    std::uint32_t m_last = 0;
    mutable std::vector<std::uint32_t> m_ranks;  // by id; empty until asked
};

}  // namespace veritom
