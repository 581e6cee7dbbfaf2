#include "Archive.h"

#include <bit>
#include <cstring>

#include "TextCodec.h"

namespace veritom {

namespace {

constexpr std::uint8_t kLongLength = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
constexpr std::uint16_t kWideLength = 0xFFFF;

template <typename Int>
Int FromLittleEndian(const std::uint8_t* p) {
    std::make_unsigned_t<Int> v = 0;
    for (std::size_t i = 0; i < sizeof(Int); ++i) {
        v |= static_cast<std::make_unsigned_t<Int>>(p[i]) << (8 * i);
    }
    return static_cast<Int>(v);
}

}  // namespace

CArchive::CArchive() : m_mode(Mode::Store) {}

CArchive::CArchive(std::vector<std::uint8_t> bytes)
    : m_mode(Mode::Load), m_bytes(std::move(bytes)) {}

void CArchive::WriteBytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), p, p + size);
}

void CArchive::Write(std::uint8_t value) {
    m_bytes.push_back(value);
}

void CArchive::Write(std::uint16_t value) {
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void CArchive::Write(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

bool CArchive::ReadBytes(void* data, std::size_t size) {
    // An empty block may come without a buffer, which memset and memcpy must never see.
    if (m_failed || size > Remaining()) {
        m_failed = true;
        if (size > 0) {
            std::memset(data, 0, size);
        }
        return false;
    }
    if (size > 0) {
        std::memcpy(data, m_bytes.data() + m_pos, size);
        m_pos += size;
    }
    return true;
}

bool CArchive::Read(std::uint8_t& value) {
    return ReadBytes(&value, 1);
}

bool CArchive::Read(std::uint16_t& value) {
    std::uint8_t raw[2];
    const bool ok = ReadBytes(raw, sizeof raw);
    value = FromLittleEndian<std::uint16_t>(raw);
    return ok;
}

bool CArchive::Read(std::uint32_t& value) {
    std::uint8_t raw[4];
    const bool ok = ReadBytes(raw, sizeof raw);
    value = FromLittleEndian<std::uint32_t>(raw);
    return ok;
}

void CArchive::Transfer(std::uint8_t& value) {
    IsStoring() ? Write(value) : void(Read(value));
}

void CArchive::Transfer(std::uint16_t& value) {
    IsStoring() ? Write(value) : void(Read(value));
}

void CArchive::Transfer(std::int16_t& value) {
    auto raw = static_cast<std::uint16_t>(value);
    Transfer(raw);
    value = static_cast<std::int16_t>(raw);
}

void CArchive::Transfer(std::uint32_t& value) {
    IsStoring() ? Write(value) : void(Read(value));
}

void CArchive::Transfer(std::int32_t& value) {
    auto raw = static_cast<std::uint32_t>(value);
    Transfer(raw);
    value = static_cast<std::int32_t>(raw);
}

void CArchive::Transfer(float& value) {
    auto raw = std::bit_cast<std::uint32_t>(value);
    Transfer(raw);
    value = std::bit_cast<float>(raw);
}

void CArchive::Transfer(double& value) {
    std::uint64_t raw = std::bit_cast<std::uint64_t>(value);
    if (IsStoring()) {
        Write(static_cast<std::uint32_t>(raw));
        Write(static_cast<std::uint32_t>(raw >> 32));
        return;
    }
    // All eight bytes or none: half a double read from a cut stream must not survive.
    std::uint8_t bytes[8];
    ReadBytes(bytes, sizeof bytes);
    value = std::bit_cast<double>(FromLittleEndian<std::uint64_t>(bytes));
}

void CArchive::TransferBytes(std::uint8_t* data, std::size_t size) {
    IsStoring() ? WriteBytes(data, size) : void(ReadBytes(data, size));
}

void CArchive::TransferCount(std::uint32_t& count) {
    if (IsStoring()) {
        if (count < kWideLength) {
            Write(static_cast<std::uint16_t>(count));
        } else {
            Write(kWideLength);
            Write(count);
        }
        return;
    }
    std::uint16_t shortCount = 0;
    Read(shortCount);
    count = shortCount;
    if (shortCount == kWideLength) {
        Read(count);
    }
    // Every element takes at least one byte, so a larger count cannot be genuine.
    if (count > Remaining()) {
        m_failed = true;
        count = 0;
    }
}

void CArchive::WriteLength(std::uint32_t length) {
    if (length < kLongLength) {
        Write(static_cast<std::uint8_t>(length));
    } else if (length < kUnicodeMarker) {
        Write(kLongLength);
        Write(static_cast<std::uint16_t>(length));
    } else {
        Write(kLongLength);
        Write(kWideLength);
        Write(length);
    }
}

bool CArchive::ReadLength(std::uint32_t& length, bool& unicode) {
    unicode = false;
    for (;;) {
        std::uint8_t shortLength = 0;
        if (!Read(shortLength)) {
            return false;
        }
        if (shortLength < kLongLength) {
            length = shortLength;
            return true;
        }
        std::uint16_t mediumLength = 0;
        if (!Read(mediumLength)) {
            return false;
        }
        if (mediumLength == kUnicodeMarker) {
            if (unicode) {
                m_failed = true;  // a second marker is not a length
                return false;
            }
            unicode = true;
            continue;
        }
        if (mediumLength < kWideLength) {
            length = mediumLength;
            return true;
        }
        return Read(length);
    }
}

void CArchive::StoreText(const std::string& value) {
    if (const auto single = Utf8ToWindows1252(value)) {
        WriteLength(static_cast<std::uint32_t>(single->size()));
        WriteBytes(single->data(), single->size());
        return;
    }
    const std::u16string wide = Utf8ToUtf16(value);
    Write(kLongLength);
    Write(kUnicodeMarker);
    WriteLength(static_cast<std::uint32_t>(wide.size()));
    for (const char16_t unit : wide) {
        Write(static_cast<std::uint16_t>(unit));
    }
}

bool CArchive::LoadText(std::string& value) {
    value.clear();
    std::uint32_t length = 0;
    bool unicode = false;
    if (!ReadLength(length, unicode)) {
        return false;
    }
    const std::uint64_t byteCount = static_cast<std::uint64_t>(length) * (unicode ? 2 : 1);
    if (byteCount > Remaining()) {
        m_failed = true;
        return false;
    }
    const std::uint8_t* p = m_bytes.data() + m_pos;
    m_pos += static_cast<std::size_t>(byteCount);
    if (!unicode) {
        value = Windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(p), length));
        return true;
    }
    std::u16string wide(length, u'\0');
    for (std::uint32_t i = 0; i < length; ++i) {
        wide[i] = static_cast<char16_t>(FromLittleEndian<std::uint16_t>(p + 2 * i));
    }
    value = Utf16ToUtf8(wide);
    return true;
}

void CArchive::Transfer(std::string& value) {
    if (IsStoring()) {
        StoreText(value);
    } else {
        LoadText(value);
    }
}

}  // namespace veritom
