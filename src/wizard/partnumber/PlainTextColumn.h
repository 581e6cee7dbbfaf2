#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veritom {

// A text column whose texts are all different (the part numbers): the texts one after the
// other in one block, and where each ends.
class CPlainTextColumn {
public:
    void Clear();
    void Reserve(std::size_t rows, std::size_t bytesPerRow);
    void Append(std::string_view text);
    void ShrinkToFit();

    std::size_t Size() const { return m_ends.size(); }
    std::string_view At(std::size_t row) const {
        const std::uint32_t begin = row == 0 ? 0 : m_ends[row - 1];
        return std::string_view(m_chars).substr(begin, m_ends[row] - begin);
    }
    std::size_t BytesHeld() const { return m_chars.capacity() + m_ends.capacity() * 4; }

private:
    std::string m_chars;
    std::vector<std::uint32_t> m_ends;
};

}  // namespace veritom
