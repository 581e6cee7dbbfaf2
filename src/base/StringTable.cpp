#include "StringTable.h"

#include <charconv>
#include <cstddef>

namespace veritom {

extern const unsigned char kProgramStringSource[];
extern const std::size_t kProgramStringSourceSize;

namespace {

StringMap& InstalledTable() {
    static StringMap table;
    return table;
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}

}  // namespace

bool ParseStringTable(std::string_view source, StringMap& out, std::string* error) {
    int lineNumber = 0;
    while (!source.empty()) {
        ++lineNumber;
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        int id = 0;
        const auto idText = line.substr(0, tab);
        const auto [ptr, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
        if (tab == std::string_view::npos || ec != std::errc{} ||
            ptr != idText.data() + idText.size()) {
            if (error) {
                *error = "line " + std::to_string(lineNumber) + ": expected ID<TAB>text";
            }
            return false;
        }
        out[id] = Unescape(line.substr(tab + 1));
    }
    return true;
}

const StringMap& ProgramStringTable() {
    static const StringMap table = [] {
        StringMap parsed;
        ParseStringTable(std::string_view(reinterpret_cast<const char*>(kProgramStringSource),
                                          kProgramStringSourceSize),
                         parsed);
        return parsed;
    }();
    return table;
}

void InstallLanguageTable(StringMap table) {
    InstalledTable() = std::move(table);
}

std::string LoadString(int id) {
    const StringMap& installed = InstalledTable();
    if (auto it = installed.find(id); it != installed.end()) {
        return it->second;
    }
    const StringMap& own = ProgramStringTable();
    if (auto it = own.find(id); it != own.end()) {
        return it->second;
    }
    return {};
}

}  // namespace veritom
