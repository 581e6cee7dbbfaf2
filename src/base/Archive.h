#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veritom {

// Little-endian byte stream in the classic archive forms, for storing or for loading.
// Each Transfer call writes the value when storing and reads it when loading, so one
// Serialize function serves both directions. Reading never trusts a length: reading past
// the end, or a count or length larger than what remains, marks the archive failed, leaves
// the value zero or empty, and every later read fails too.
class CArchive {
public:
    enum class Mode { Store, Load };

    CArchive();                                          // storing into an empty buffer
    explicit CArchive(std::vector<std::uint8_t> bytes);  // loading from bytes

    bool IsStoring() const { return m_mode == Mode::Store; }
    bool IsLoading() const { return m_mode == Mode::Load; }
    bool Failed() const { return m_failed; }
    // The written bytes (storing) or the whole input (loading).
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::size_t Position() const { return m_pos; }
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

    void Transfer(std::uint8_t& value);
    void Transfer(std::int16_t& value);
    void Transfer(std::uint16_t& value);
    void Transfer(std::int32_t& value);
    void Transfer(std::uint32_t& value);
    void Transfer(float& value);
    void Transfer(double& value);
    // Text, UTF-8 in memory: the counted single-byte Windows-1252 form when every character
    // has such a byte, else the Unicode form (0xFF, 0xFFFE, counted length, UTF-16LE).
    void Transfer(std::string& value);
    // Element count of a list: 16-bit, or 0xFFFF followed by 32-bit.
    void TransferCount(std::uint32_t& count);
    // Raw bytes of a fixed size (for fixed-layout headers).
    void TransferBytes(std::uint8_t* data, std::size_t size);

    void Write(std::uint8_t value);
    void Write(std::uint16_t value);
    void Write(std::uint32_t value);
    void WriteBytes(const void* data, std::size_t size);

    bool Read(std::uint8_t& value);
    bool Read(std::uint16_t& value);
    bool Read(std::uint32_t& value);
    bool ReadBytes(void* data, std::size_t size);

    // Marks the archive failed, for callers that find the content inconsistent.
    void Fail() { m_failed = true; }

private:
    void WriteLength(std::uint32_t length);
    bool ReadLength(std::uint32_t& length, bool& unicode);
    void StoreText(const std::string& value);
    bool LoadText(std::string& value);

    Mode m_mode;
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

}  // namespace veritom
