#include "TsvTable.h"

#include <fstream>
#include <sstream>

#include "BuildError.h"

namespace veritom::seldb {

namespace {

std::string Located(const std::string& source, int line, const std::string& what) {
    return source + ":" + std::to_string(line) + ": " + what;
}

std::string Unescape(const std::string& field, const std::string& source, int line) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (i + 1 == field.size()) {
            throw CBuildError(Located(source, line, "a field ends with a lone backslash"));
        }
        const char next = field[++i];
        switch (next) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                throw CBuildError(Located(source, line, std::string("unknown escape \\") + next));
        }
    }
    return out;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool IsSkipped(const std::string& line) {
    return line.empty() || line[0] == '#';
}

}  // namespace

CTsvTable CTsvTable::Parse(const std::string& text, const std::string& sourceName) {
    CTsvTable table;
    table.m_sourceName = sourceName;
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (IsSkipped(line)) {
            continue;
        }
        std::vector<std::string> fields = SplitTabs(line);
        if (table.m_header.empty()) {
            for (const std::string& name : fields) {
                if (name.empty()) {
                    throw CBuildError(Located(sourceName, lineNumber, "a column has no name"));
                }
            }
            table.m_header = std::move(fields);
            continue;
        }
        if (fields.size() != table.m_header.size()) {
            throw CBuildError(Located(sourceName, lineNumber,
                                      std::to_string(fields.size()) + " fields, the header has " +
                                          std::to_string(table.m_header.size())));
        }
        for (std::string& field : fields) {
            field = Unescape(field, sourceName, lineNumber);
        }
        table.m_rows.push_back({lineNumber, std::move(fields)});
    }
    if (table.m_header.empty()) {
        throw CBuildError(sourceName + ": no header line");
    }
    return table;
}

CTsvTable CTsvTable::Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw CBuildError("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str(), path);
}

int CTsvTable::ColumnIndex(const std::string& name) const {
    for (size_t i = 0; i < m_header.size(); ++i) {
        if (m_header[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace veritom::seldb
