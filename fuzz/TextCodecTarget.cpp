#include <algorithm>
#include <iterator>

#include "FuzzTarget.h"
#include "InputReader.h"
#include "base/TextCodec.h"

namespace veritom::fuzz {

namespace {

// Characters of Windows-1252 bytes 0x80 to 0x9F, the five unassigned bytes as themselves.
constexpr char32_t kWindows1252High[] = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

bool HasWindows1252Byte(char32_t cp) {
    return cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF) ||
           std::find(std::begin(kWindows1252High), std::end(kWindows1252High), cp) !=
               std::end(kWindows1252High);
}

// Code points of valid UTF-8.
std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out += cp;
        i += length;
    }
    return out;
}

// The input as UTF-8: valid text survives every round trip; malformed text is refused by
// the single-byte form and replaced, never passed on, by the Unicode form.
void CheckAsUtf8(const std::string& text) {
    const bool valid = IsValidUtf8(text);
    const std::u16string wide = Utf8ToUtf16(text);
    Expect(IsWellFormedUtf16(wide), "UTF-16 of any input must be well formed");
    const std::string back = Utf16ToUtf8(wide);
    Expect(IsValidUtf8(back), "UTF-8 of any UTF-16 must be valid");
    if (valid) {
        Expect(back == text, "valid UTF-8 changed through UTF-16");
    } else {
        Expect(back.find("\xEF\xBF\xBD") != std::string::npos,
               "malformed UTF-8 came back without a replacement character");
    }
    const auto single = Utf8ToWindows1252(text);
    if (!valid) {
        Expect(!single, "malformed UTF-8 was given a single-byte form");
        return;
    }
    const std::u32string codePoints = CodePoints(text);
    const bool representable =
        std::all_of(codePoints.begin(), codePoints.end(), HasWindows1252Byte);
    Expect(single.has_value() == representable, "single-byte form given or refused wrongly");
    if (single) {
        Expect(single->size() == codePoints.size(), "single-byte form of the wrong length");
        Expect(Windows1252ToUtf8(*single) == text, "a single-byte form did not decode back");
    }
}

// The input as Windows-1252 bytes: every byte has a character, and it comes back.
void CheckAsWindows1252(const std::string& bytes) {
    const std::string utf8 = Windows1252ToUtf8(bytes);
    Expect(IsValidUtf8(utf8), "decoded Windows-1252 is not valid UTF-8");
    const auto again = Utf8ToWindows1252(utf8);
    Expect(again && *again == bytes, "Windows-1252 bytes did not come back");
    Expect(Utf16ToUtf8(Utf8ToUtf16(utf8)) == utf8, "decoded Windows-1252 changed through UTF-16");
}

// The input as UTF-16LE code units: well-formed units come back; unpaired surrogates are
// replaced one for one.
void CheckAsUtf16(Bytes input) {
    std::u16string wide;
    for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
        wide += static_cast<char16_t>(input[i] | (input[i + 1] << 8));
    }
    const std::string utf8 = Utf16ToUtf8(wide);
    Expect(IsValidUtf8(utf8), "UTF-8 of any UTF-16 must be valid");
    const std::u16string back = Utf8ToUtf16(utf8);
    if (IsWellFormedUtf16(wide)) {
        Expect(back == wide, "well-formed UTF-16 changed through UTF-8");
        return;
    }
    Expect(back.size() == wide.size(), "unpaired surrogates were not replaced one for one");
    for (std::size_t i = 0; i < wide.size(); ++i) {
        Expect(back[i] == wide[i] || back[i] == u'\xFFFD', "a code unit changed");
    }
}

}  // namespace

void TextCodec(Bytes input) {
    const std::string text(input.begin(), input.end());
    CheckAsUtf8(text);
    CheckAsWindows1252(text);
    CheckAsUtf16(input);
}

}  // namespace veritom::fuzz
