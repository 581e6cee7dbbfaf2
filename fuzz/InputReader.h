#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace veritom::fuzz {

// Takes values off the front of a fuzz input; past the end every value is zero or empty.
class CInputReader {
public:
    explicit CInputReader(std::span<const std::uint8_t> input) : m_rest(input) {}

    std::uint8_t Byte();
    std::uint32_t UInt32();
    std::uint64_t UInt64();
    std::span<const std::uint8_t> Take(std::size_t count);
    std::string Text(std::size_t count);
    std::span<const std::uint8_t> Rest();
    std::string RestText();
    bool Empty() const { return m_rest.empty(); }

private:
    std::span<const std::uint8_t> m_rest;
};

// Valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF), checked independently of
// the codec under test.
bool IsValidUtf8(std::string_view text);
// UTF-16 without an unpaired surrogate.
bool IsWellFormedUtf16(std::u16string_view text);

}  // namespace veritom::fuzz
