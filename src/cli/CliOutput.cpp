#include "CliOutput.h"

#include <iostream>

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

void PrintFields(const std::vector<std::string>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::cout << (i ? "\t" : "") << EscapeField(items[i]);
    }
    std::cout << '\n';
}

}  // namespace veritom::cli
