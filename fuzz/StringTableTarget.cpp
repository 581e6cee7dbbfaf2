#include "FuzzTarget.h"
#include "base/StringTable.h"

namespace veritom::fuzz {

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

// The table written back in its own form; "\r\n" line ends keep a text's own final "\r".
std::string Write(const StringMap& table) {
    std::string out;
    for (const auto& [id, text] : table) {
        out += std::to_string(id) + '\t' + Escape(text) + "\r\n";
    }
    return out;
}

}  // namespace

// A parsed table written back and parsed again is the same table; a refused text says
// which line.
void StringTable(Bytes input) {
    const std::string_view source(reinterpret_cast<const char*>(input.data()), input.size());
    StringMap table;
    std::string error;
    if (!ParseStringTable(source, table, &error)) {
        Expect(error.rfind("line ", 0) == 0, "a refused table without the line");
        return;
    }
    Expect(error.empty(), "an accepted table with an error");
    StringMap again;
    Expect(ParseStringTable(Write(table), again), "a written table was refused");
    Expect(again == table, "a table changed when written and read again");
}

}  // namespace veritom::fuzz
