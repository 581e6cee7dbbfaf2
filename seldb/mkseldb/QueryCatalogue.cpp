#include "QueryCatalogue.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "BuildError.h"

namespace veritom::seldb {

namespace {

const std::string kIncludeMark = "-- @include ";

std::string Trim(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    auto begin = std::find_if_not(text.begin(), text.end(), isSpace);
    auto end = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return begin < end ? std::string(begin, end) : std::string();
}

bool IsQueryName(const std::string& name) {
    return name.size() > 1 && name[0] == 'q' &&
           std::all_of(name.begin(), name.end(),
                       [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '-'; });
}

// True when the rest of a query text holds nothing but blanks and comments.
bool OnlyCommentsLeft(const char* tail) {
    std::string rest(tail);
    size_t i = 0;
    while (i < rest.size()) {
        if (std::isspace(static_cast<unsigned char>(rest[i]))) {
            ++i;
        } else if (rest.compare(i, 2, "--") == 0) {
            const size_t end = rest.find('\n', i);
            i = end == std::string::npos ? rest.size() : end;
        } else if (rest.compare(i, 2, "/*") == 0) {
            const size_t end = rest.find("*/", i + 2);
            i = end == std::string::npos ? rest.size() : end + 2;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw CBuildError("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> ReadManifest(const std::string& path) {
    std::istringstream in(ReadTextFile(path));
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        const std::string name = Trim(line);
        if (!name.empty() && name[0] != '#') {
            names.push_back(name);
        }
    }
    return names;
}

CQueryCatalogue::CQueryCatalogue(std::string sourceDir) : m_sourceDir(std::move(sourceDir)) {}

std::string CQueryCatalogue::ReadFragment(const std::string& name,
                                          const std::string& queryName) const {
    if (m_fragmentNames.count(name) == 0) {
        throw CBuildError("query " + queryName + ": fragment " + name +
                          " is not listed in queries/include/fragments.txt");
    }
    return ReadTextFile(m_sourceDir + "/queries/include/" + name + ".sql");
}

std::string CQueryCatalogue::Expand(const std::string& text, const std::string& queryName,
                                    std::vector<std::string>& stack) const {
    std::istringstream in(text);
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        const std::string trimmed = Trim(line);
        if (trimmed.rfind(kIncludeMark, 0) != 0) {
            out += line + '\n';
            continue;
        }
        const std::string fragment = Trim(trimmed.substr(kIncludeMark.size()));
        if (std::find(stack.begin(), stack.end(), fragment) != stack.end()) {
            throw CBuildError("query " + queryName + ": fragment " + fragment + " includes itself");
        }
        stack.push_back(fragment);
        out += Expand(ReadFragment(fragment, queryName), queryName, stack);
        stack.pop_back();
    }
    return out;
}

void CQueryCatalogue::Read() {
    const auto fragments = ReadManifest(m_sourceDir + "/queries/include/fragments.txt");
    m_fragmentNames = std::set<std::string>(fragments.begin(), fragments.end());
    for (const std::string& name : ReadManifest(m_sourceDir + "/queries/queries.txt")) {
        if (!IsQueryName(name)) {
            throw CBuildError("queries.txt: '" + name + "' is not a query name");
        }
        if (m_queries.count(name) != 0) {
            throw CBuildError("queries.txt: query " + name + " is listed twice");
        }
        std::vector<std::string> stack;
        const std::string text = ReadTextFile(m_sourceDir + "/queries/" + name + ".sql");
        m_queries[name] = Trim(Expand(text, name, stack));
        if (m_queries[name].empty()) {
            throw CBuildError("query " + name + " is empty");
        }
    }
}

std::vector<std::string> CQueryCatalogue::DeclaredParameters(sqlite3_stmt* statement) {
    std::vector<std::string> names;
    const int count = sqlite3_bind_parameter_count(statement);
    for (int i = 1; i <= count; ++i) {
        const char* name = sqlite3_bind_parameter_name(statement, i);
        // A bare "?" has no name.
        names.push_back(name == nullptr ? std::string("?") : std::string(name));
    }
    return names;
}

void CQueryCatalogue::Validate(sqlite3* db, const std::string& name, const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, &tail) !=
        SQLITE_OK) {
        const std::string reason = sqlite3_errmsg(db);
        sqlite3_finalize(statement);
        throw CBuildError("query " + name + " does not prepare: " + reason);
    }
    const bool single = statement != nullptr && OnlyCommentsLeft(tail);
    const bool readOnly = statement != nullptr && sqlite3_stmt_readonly(statement) != 0;
    const bool returnsRows = statement != nullptr && sqlite3_column_count(statement) > 0;
    const auto parameters = statement ? DeclaredParameters(statement) : std::vector<std::string>();
    sqlite3_finalize(statement);
    if (!single) {
        throw CBuildError("query " + name + " must be exactly one statement");
    }
    if (!readOnly || !returnsRows) {
        throw CBuildError("query " + name + " must be a SELECT that only reads");
    }
    for (const std::string& parameter : parameters) {
        if (parameter.size() < 2 || parameter[0] != ':') {
            throw CBuildError("query " + name + ": parameter '" + parameter +
                              "' must be named as :name");
        }
    }
}

void CQueryCatalogue::Store(CSqliteDb& db) const {
    CStatement insert(db.Get(), "INSERT INTO StoredQueries(Name, Sql) VALUES (?1, ?2)");
    for (const auto& [name, sql] : m_queries) {
        Validate(db.Get(), name, sql);
        insert.BindText(1, name);
        insert.BindText(2, sql);
        insert.Step();
        insert.Reset();
    }
}

}  // namespace veritom::seldb
