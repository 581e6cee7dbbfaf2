#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace veritom {

// Windows-1252 bytes of a UTF-8 text, or nothing when a character has no such byte
// (or the UTF-8 is malformed).
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);
// UTF-8 of Windows-1252 bytes; the five unassigned bytes map to the same code points.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-16 code units of a UTF-8 text; malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-8 of UTF-16 code units; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace veritom
