#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace veritom::test {

// Writes a record stream byte by byte, independently of the archive class, so tests can
// check the stream layout against the one the program writes.
class RecordStreamWriter {
public:
    // Counted single-byte text; the texts of these tests are short ASCII.
    void Text(const std::string& text) {
        m_bytes.push_back(static_cast<std::uint8_t>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    }
    void Int(std::int32_t value) { Little(static_cast<std::uint32_t>(value), 4); }
    void Float(float value) { Little(std::bit_cast<std::uint32_t>(value), 4); }
    void Double(double value) { Little(std::bit_cast<std::uint64_t>(value), 8); }

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    void Little(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }

    std::vector<std::uint8_t> m_bytes;
};

}  // namespace veritom::test
