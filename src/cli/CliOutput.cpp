#include "CliOutput.h"

#include <iostream>
#include <string_view>

namespace veritom::cli {

std::string EscapeField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

namespace {

// The length of the valid UTF-8 character at the start of text (no overlong form, no
// surrogate, at most U+10FFFF), or 0.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2)) {
            return 0;
        }
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) >= 0xA0;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3)) {
            return 0;
        }
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool beyond = lead == 0xF4 && byte(1) >= 0x90;
        return overlong || beyond ? 0 : 4;
    }
    return 0;
}

}  // namespace

std::string EscapeBytes(const std::string& bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\\' || c == '\t' || c == '\n' || c == '\r') {
            out += EscapeField(std::string(1, bytes[i++]));
            continue;
        }
        const bool control = c < 0x20 || c == 0x7F;
        const std::size_t length = control ? 0 : Utf8Length(std::string_view(bytes).substr(i));
        if (length == 0) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            ++i;
        } else {
            out.append(bytes, i, length);
            i += length;
        }
    }
    return out;
}

void PrintFields(const std::vector<std::string>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::cout << (i ? "\t" : "") << EscapeField(items[i]);
    }
    std::cout << '\n';
}

}  // namespace veritom::cli
