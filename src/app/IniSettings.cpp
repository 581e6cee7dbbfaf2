#include "IniSettings.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>

#include "base/TextCodec.h"

namespace veritom {

namespace {

enum : unsigned char { kSpace = 1, kSpecial = 2 };

unsigned char Traits(char c) {
    switch (c) {
        case '\t':
        case ' ':
            return kSpace;
        case '\n':
        case '\r':
            return kSpace | kSpecial;
        case '"':
        case ';':
        case '=':
        case '\\':
            return kSpecial;
        default:
            return 0;
    }
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int HexValue(char16_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

int OctalValue(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
               return lower(x) == lower(y);
           });
}

// One logical line of an INI file: where it starts, how long it is and where its first '='
// outside quotes stands (npos when none).
struct IniLine {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t equals = std::string_view::npos;
};

// Reads the next logical line from pos as QSettings does: blank lines and ';' comments are
// skipped, quotes may span line ends, a backslash protects the next character (a line end
// too), and a ';' outside quotes ends the line. False at the end of data.
bool ReadIniLine(std::string_view data, std::size_t& pos, IniLine& line) {
    const std::size_t size = data.size();
    bool inQuotes = false;
    line.equals = std::string_view::npos;
    line.start = pos;
    while (line.start < size && (Traits(data[line.start]) & kSpace)) {
        ++line.start;
    }
    std::size_t i = line.start;
    while (i < size) {
        while (i < size && !(Traits(data[i]) & kSpecial)) {
            ++i;
        }
        if (i == size) {
            break;
        }
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && line.equals == std::string_view::npos) {
                line.equals = i - 1;
            }
        } else if (IsLineEnd(c)) {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size && IsLineEnd(escaped) && IsLineEnd(data[i]) && data[i] != escaped) {
                    ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (i == line.start + 1) {  // ';' starting a line: a comment
            while (i < size && !IsLineEnd(data[i])) {
                ++i;
            }
            while (i < size && (Traits(data[i]) & kSpace)) {
                ++i;
            }
            line.start = i;
        } else if (!inQuotes) {  // ';' after something: the rest is the next line's
            --i;
            break;
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

// A key or section name: '\' is the group separator '/', %XX and %UXXXX are characters.
std::string UnescapeKey(std::string_view key) {
    const std::u16string text = Utf8ToUtf16(key);
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u'\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 == text.size()) {
            out += c;
            ++i;
            continue;
        }
        const bool wide = text[i + 1] == u'U';
        const std::size_t first = i + (wide ? 2 : 1);
        const std::size_t digits = wide ? 4 : 2;
        char16_t value = 0;
        bool ok = first + digits <= text.size();
        for (std::size_t d = 0; ok && d < digits; ++d) {
            const int h = HexValue(text[first + d]);
            ok = h >= 0;
            value = static_cast<char16_t>(value * 16 + (ok ? h : 0));
        }
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += value;
        i = first + digits;
    }
    return Utf16ToUtf8(out);
}

void ChopTrailingBlanks(std::u16string& text, std::size_t limit) {
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) {
        text.pop_back();
    }
}

char16_t SimpleEscape(char c) {
    switch (c) {
        case 'a':
            return u'\a';
        case 'b':
            return u'\b';
        case 'f':
            return u'\f';
        case 'n':
            return u'\n';
        case 'r':
            return u'\r';
        case 't':
            return u'\t';
        case 'v':
            return u'\v';
        case '"':
        case '?':
        case '\'':
        case '\\':
            return static_cast<char16_t>(c);
        default:
            return 0;
    }
}

// How many arguments "@Rect(1 2 3 4)" and its kind have: items are separated by spaces.
std::size_t ArgumentCount(std::u16string_view text, std::size_t open) {
    return static_cast<std::size_t>(
        std::count_if(text.begin() + static_cast<std::ptrdiff_t>(open) + 1, text.end(),
                      [](char16_t c) { return c == u' ' || c == u')'; }));
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// What QVariant::toString gives for a stored text after QSettings has read its '@' form.
std::string StoredText(std::u16string_view text) {
    if (text.empty() || text.front() != u'@') {
        return Utf16ToUtf8(text);
    }
    if (text.back() == u')') {
        if (StartsWith(text, u"@ByteArray(")) {
            std::string bytes;
            for (const char16_t c : text.substr(11, text.size() - 12)) {
                bytes += c <= 0xFF ? static_cast<char>(c) : '?';
            }
            return Utf16ToUtf8(Utf8ToUtf16(bytes));
        }
        if (StartsWith(text, u"@String(")) {
            return Utf16ToUtf8(text.substr(8, text.size() - 9));
        }
        if (StartsWith(text, u"@Variant(") || StartsWith(text, u"@DateTime(") ||
            text == u"@Invalid()" || (StartsWith(text, u"@Rect(") && ArgumentCount(text, 5) == 4) ||
            (StartsWith(text, u"@Size(") && ArgumentCount(text, 5) == 2) ||
            (StartsWith(text, u"@Point(") && ArgumentCount(text, 6) == 2)) {
            return std::string();
        }
    }
    if (StartsWith(text, u"@@")) {
        return Utf16ToUtf8(text.substr(1));
    }
    return Utf16ToUtf8(text);
}

locale_t UnicodeCase() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

char16_t FoldCase(char16_t c) {
    if (c < 0x80) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || !UnicodeCase()) {
        return c;
    }
    const auto lower = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), UnicodeCase()));
    return lower <= 0xFFFF && !(lower >= 0xD800 && lower <= 0xDFFF) ? static_cast<char16_t>(lower)
                                                                    : c;
}

}  // namespace

CIniSettings CIniSettings::Parse(std::string_view data) {
    if (data.substr(0, 3) == "\xEF\xBB\xBF") {
        data.remove_prefix(3);
    }
    // Each section's lines, gathered first: a section may appear more than once.
    std::map<std::string, std::string> sections;
    CIniSettings settings;
    const auto addLines = [&](const std::string& section, std::string_view lines) {
        std::string& text = sections[section];
        if (!text.empty()) {
            text += '\n';
        }
        text += lines;
    };
    std::string section;
    std::size_t sectionStart = 0;
    std::size_t pos = 0;
    IniLine line;
    while (ReadIniLine(data, pos, line)) {
        const std::string_view text = data.substr(line.start, line.length);
        if (text.front() != '[') {
            continue;
        }
        addLines(section, data.substr(sectionStart, line.start - sectionStart));
        std::size_t close = text.find(']');
        if (close == std::string_view::npos) {
            settings.m_formatOk = false;
            close = text.size();
        }
        const std::string_view name = Trimmed(text.substr(1, close - 1));
        if (EqualsIgnoringAsciiCase(name, "general")) {
            section.clear();
        } else if (EqualsIgnoringAsciiCase(name, "%general")) {
            section = std::string(name.substr(1)) + '/';
        } else {
            section = UnescapeKey(name) + '/';
        }
        sectionStart = pos;
    }
    addLines(section, data.substr(std::min(sectionStart, data.size())));

    std::vector<const std::pair<const std::string, std::string>*> order;
    for (const auto& entry : sections) {
        order.push_back(&entry);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return Utf16Less(a->first, b->first); });
    for (const auto* entry : order) {
        settings.ParseSection(entry->first, entry->second);
    }
    return settings;
}

void CIniSettings::ParseSection(const std::string& prefix, std::string_view data) {
    std::size_t pos = 0;
    IniLine line;
    while (ReadIniLine(data, pos, line)) {
        if (line.equals == std::string_view::npos) {
            continue;  // QSettings skips such a line too, noting it only when asked later
        }
        const std::string_view key = Trimmed(data.substr(line.start, line.equals - line.start));
        const std::string_view value =
            data.substr(line.equals + 1, line.start + line.length - line.equals - 1);
        m_values[prefix + UnescapeKey(key)] = UnescapeValue(value);
    }
}

// The value after '=' as QSettings reads it: surrounding blanks dropped unless quoted, quotes
// removed, C-style escapes (\n, \t, \", \\, \xhhhh, octal), a backslash before a line end
// continuing the line, and commas outside quotes making a list.
CIniSettings::Value CIniSettings::UnescapeValue(std::string_view str) {
    Value value;
    std::u16string& text = value.text;
    const std::size_t size = str.size();
    bool inQuotes = false;
    bool quoted = false;
    bool cutShort = false;  // ended inside an escape: QSettings then keeps trailing blanks
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < size && IsBlank(str[i])) {
            ++i;
        }
    };
    skipBlanks();
    std::size_t chopLimit = 0;
    while (i < size && !cutShort) {
        const char c = str[i];
        if (c == '\\') {
            if (++i >= size) {
                cutShort = true;
                break;
            }
            const char escaped = str[i++];
            if (const char16_t simple = SimpleEscape(escaped)) {
                text += simple;
            } else if (escaped == 'x' && i >= size) {
                cutShort = true;
            } else if ((escaped == 'x' && HexValue(static_cast<unsigned char>(str[i])) >= 0) ||
                       OctalValue(escaped) >= 0) {
                const bool hex = escaped == 'x';
                char16_t code = hex ? 0 : static_cast<char16_t>(OctalValue(escaped));
                while (i < size) {
                    const int digit =
                        hex ? HexValue(static_cast<unsigned char>(str[i])) : OctalValue(str[i]);
                    if (digit < 0) {
                        break;
                    }
                    code = static_cast<char16_t>(code * (hex ? 16 : 8) + digit);
                    ++i;
                }
                text += code;
                cutShort = i >= size;
            } else if (IsLineEnd(escaped)) {
                if (i < size && IsLineEnd(str[i]) && str[i] != escaped) {
                    ++i;
                }
            }  // any other escaped character is dropped with its backslash
            chopLimit = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                chopLimit = text.size();
            }
        } else if (c == ',' && !inQuotes) {
            if (!quoted) {
                ChopTrailingBlanks(text, chopLimit);
            }
            value.isList = true;
            value.items.push_back(std::move(text));
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            chopLimit = 0;
        } else {
            std::size_t end = i + 1;
            while (end < size && str[end] != '\\' && str[end] != '"' && str[end] != ',') {
                ++end;
            }
            text += Utf8ToUtf16(str.substr(i, end - i));
            i = end;
        }
    }
    if (!cutShort && !quoted) {
        ChopTrailingBlanks(text, chopLimit);
    }
    if (value.isList) {
        value.items.push_back(std::move(text));
        text.clear();
    }
    return value;
}

std::vector<std::string> CIniSettings::Children(const std::string& group, bool groups) const {
    const std::string prefix = group.empty() ? std::string() : group + '/';
    std::vector<std::string> names;
    for (auto it = m_values.lower_bound(prefix);
         it != m_values.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        const std::string rest = it->first.substr(prefix.size());
        const std::size_t slash = rest.find('/');
        if (groups && slash != std::string::npos) {
            names.push_back(rest.substr(0, slash));
        } else if (!groups && slash == std::string::npos) {
            names.push_back(rest);
        }
    }
    std::sort(names.begin(), names.end(), Utf16Less);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<std::string> CIniSettings::ChildGroups(const std::string& group) const {
    return Children(group, true);
}

std::vector<std::string> CIniSettings::ChildKeys(const std::string& group) const {
    return Children(group, false);
}

std::optional<std::string> CIniSettings::Text(const std::string& key) const {
    const auto it = m_values.find(key);
    if (it == m_values.end()) {
        return std::nullopt;
    }
    const Value& value = it->second;
    if (!value.isList) {
        return StoredText(value.text);
    }
    // An item with a single leading '@' makes QSettings read the list as typed values, which
    // have no text.
    std::string joined;
    for (std::size_t i = 0; i < value.items.size(); ++i) {
        const std::u16string_view item = value.items[i];
        if (StartsWith(item, u"@") && !StartsWith(item, u"@@")) {
            return std::string();
        }
        joined +=
            (i == 0 ? "" : ", ") + Utf16ToUtf8(StartsWith(item, u"@@") ? item.substr(1) : item);
    }
    return joined;
}

bool Utf16Less(const std::string& a, const std::string& b) {
    return Utf8ToUtf16(a) < Utf8ToUtf16(b);
}

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const std::u16string x = Utf8ToUtf16(a);
    const std::u16string y = Utf8ToUtf16(b);
    const std::size_t common = std::min(x.size(), y.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference = FoldCase(x[i]) - FoldCase(y[i]);
        if (difference != 0) {
            return difference;
        }
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

}  // namespace veritom
