#include "Format.h"

#include <locale.h>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace veritom::detail {

namespace {

bool IsIn(char c, const char* set) {
    return c != '\0' && std::strchr(set, c) != nullptr;
}

// A number in a conversion, saturating instead of overflowing so that an absurd width still
// fails the bound.
std::size_t ReadCount(std::string_view format, std::size_t& i, std::string& out) {
    std::size_t value = 0;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        value = std::min<std::size_t>(value * 10 + static_cast<std::size_t>(format[i] - '0'),
                                      kFormatMaxWidth + 1);
        out += format[i++];
    }
    return value;
}

// Rewrites format so that integer conversions take long long, and checks each conversion
// against kinds and against the bounds of width and precision. Returns false on any mismatch,
// unsupported conversion or bound exceeded.
bool NormaliseFormat(std::string_view format, std::string_view kinds, std::string& out) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        out += format[i];
        if (format[i] != '%') {
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += format[++i];
            continue;
        }
        ++i;
        // Flags, width and precision in printf's own order: snprintf takes anything else for
        // a conversion of its own, which may read arguments these checks never saw.
        while (i < format.size() && IsIn(format[i], "-+ #0")) {
            out += format[i++];
        }
        const std::size_t width = ReadCount(format, i, out);
        std::size_t precision = 0;
        if (i < format.size() && format[i] == '.') {
            out += format[i++];
            precision = ReadCount(format, i, out);
        }
        while (i < format.size() && IsIn(format[i], "hlLqjzt")) {
            ++i;  // length modifiers are replaced by our own
        }
        if (i == format.size() || next == kinds.size() || width > kFormatMaxWidth) {
            return false;
        }
        const char conv = format[i];
        const char kind = kinds[next++];
        if (IsIn(conv, "fFeEgGaA")) {
            if (kind != 'f' || precision > kFormatMaxPrecision) {
                return false;
            }
        } else if (IsIn(conv, "diuxXo")) {
            if (kind != 'd' || precision > kFormatMaxWidth) {
                return false;
            }
            out += "ll";
        } else if (conv == 's') {
            if (kind != 's' || precision > kFormatMaxWidth) {
                return false;
            }
        } else {
            return false;
        }
        out += conv;
    }
    return next == kinds.size();
}

// The C locale for the duration of one call: numbers are written with a point whatever
// locale the application set for the process (Qt sets the user's at start-up).
class CLocaleScope {
public:
    CLocaleScope() : m_c(newlocale(LC_ALL_MASK, "C", nullptr)) {
        if (m_c) {
            m_previous = uselocale(m_c);
        }
    }
    ~CLocaleScope() {
        if (m_c) {
            uselocale(m_previous);
            freelocale(m_c);
        }
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_c;
    locale_t m_previous = nullptr;
};

}  // namespace

std::string FormatChecked(std::string_view format, std::string_view kinds, ...) {
    // snprintf reads the format only up to a NUL, so the checks must see no more than that;
    // a NUL inside a conversion would otherwise pass for one of its flags.
    format = format.substr(0, format.find('\0'));
    std::string normalised;
    if (!NormaliseFormat(format, kinds, normalised)) {
        return {};
    }
    const CLocaleScope cLocale;
    va_list args;
    va_start(args, kinds);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, normalised.c_str(), copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), normalised.c_str(), args);
        result.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return result;
}

}  // namespace veritom::detail
