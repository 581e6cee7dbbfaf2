#include "InputReader.h"

#include <algorithm>

namespace veritom::fuzz {

std::uint8_t CInputReader::Byte() {
    const auto taken = Take(1);
    return taken.empty() ? 0 : taken[0];
}

std::uint32_t CInputReader::UInt32() {
    std::uint32_t value = 0;
    const auto taken = Take(4);
    for (std::size_t i = 0; i < taken.size(); ++i) {
        value |= static_cast<std::uint32_t>(taken[i]) << (8 * i);
    }
    return value;
}

std::uint64_t CInputReader::UInt64() {
    const std::uint64_t low = UInt32();
    return low | (static_cast<std::uint64_t>(UInt32()) << 32);
}

std::span<const std::uint8_t> CInputReader::Take(std::size_t count) {
    const std::size_t taken = std::min(count, m_rest.size());
    const auto front = m_rest.first(taken);
    m_rest = m_rest.subspan(taken);
    return front;
}

std::string CInputReader::Text(std::size_t count) {
    const auto taken = Take(count);
    return std::string(taken.begin(), taken.end());
}

std::span<const std::uint8_t> CInputReader::Rest() {
    return Take(m_rest.size());
}

std::string CInputReader::RestText() {
    return Text(m_rest.size());
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
            high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            const unsigned char min = k == 1 ? low : 0x80;
            const unsigned char max = k == 1 ? high : 0xBF;
            if (c < min || c > max) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

bool IsWellFormedUtf16(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return false;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

}  // namespace veritom::fuzz
