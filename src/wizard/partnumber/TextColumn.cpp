#include "wizard/partnumber/TextColumn.h"

#include <algorithm>
#include <numeric>

namespace veritom {

namespace {

// Below this many distinct texts a look along the entries beats hashing.
constexpr std::size_t kIndexedFrom = 12;

}  // namespace

void CTextColumn::Clear() {
    m_ids.clear();
    m_ids.shrink_to_fit();
    m_entries.clear();
    m_index.clear();
    m_last = 0;
    m_ranks.clear();
}

void CTextColumn::Append(std::string_view text) {
    // Rows come valve by valve, so a text mostly repeats the row before.
    if (m_entries.empty() || m_entries[m_last] != text) {
        m_last = Intern(text);
    }
    m_ids.push_back(m_last);
}

std::uint32_t CTextColumn::Intern(std::string_view text) {
    if (m_entries.size() < kIndexedFrom) {
        for (std::size_t id = 0; id < m_entries.size(); ++id) {
            if (m_entries[id] == text) {
                return static_cast<std::uint32_t>(id);
            }
        }
    } else if (const auto found = m_index.find(text); found != m_index.end()) {
        return found->second;
    }
    const auto id = static_cast<std::uint32_t>(m_entries.size());
    m_entries.emplace_back(text);
    m_ranks.clear();
    if (m_entries.size() == kIndexedFrom) {
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            m_index.emplace(m_entries[i], static_cast<std::uint32_t>(i));
        }
    } else if (m_entries.size() > kIndexedFrom) {
        m_index.emplace(m_entries.back(), id);
    }
    return id;
}

std::uint32_t CTextColumn::RankAt(std::size_t row) const {
    if (m_ranks.size() != m_entries.size()) {
        std::vector<std::uint32_t> byText(m_entries.size());
        std::iota(byText.begin(), byText.end(), 0u);
        std::sort(byText.begin(), byText.end(),
                  [this](std::uint32_t a, std::uint32_t b) { return m_entries[a] < m_entries[b]; });
        m_ranks.assign(m_entries.size(), 0);
        for (std::size_t place = 0; place < byText.size(); ++place) {
            m_ranks[byText[place]] = static_cast<std::uint32_t>(place);
        }
    }
    return m_ranks[m_ids[row]];
}

std::size_t CTextColumn::BytesHeld() const {
    std::size_t bytes =
        m_ids.capacity() * sizeof(std::uint32_t) + m_ranks.capacity() * sizeof(std::uint32_t);
    for (const std::string& entry : m_entries) {
        bytes += sizeof(std::string) + (entry.capacity() > 15 ? entry.capacity() + 1 : 0);
    }
    // The index: a node and a bucket per entry.
    bytes +=
        m_index.size() * (sizeof(std::string_view) + 2 * sizeof(void*) + sizeof(std::uint32_t)) +
        m_index.bucket_count() * sizeof(void*);
    return bytes;
}

}  // namespace veritom
