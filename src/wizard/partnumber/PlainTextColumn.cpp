#include "wizard/partnumber/PlainTextColumn.h"

namespace veritom {

void CPlainTextColumn::Clear() {
    m_chars.clear();
    m_chars.shrink_to_fit();
    m_ends.clear();
    m_ends.shrink_to_fit();
}

void CPlainTextColumn::Reserve(std::size_t rows, std::size_t bytesPerRow) {
    m_ends.reserve(rows);
    m_chars.reserve(rows * bytesPerRow);
}

void CPlainTextColumn::ShrinkToFit() {
    m_chars.shrink_to_fit();
    m_ends.shrink_to_fit();
}

void CPlainTextColumn::Append(std::string_view text) {
    m_chars.append(text);
    m_ends.push_back(static_cast<std::uint32_t>(m_chars.size()));
}

}  // namespace veritom
