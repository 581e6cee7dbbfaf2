#include "CatalogueLoader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "BuildError.h"

namespace veritom::seldb {

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// Declared types of the table's columns, by name.
std::map<std::string, std::string> DeclaredColumns(CSqliteDb& db, const std::string& tableName) {
    CStatement info(db.Get(), "SELECT name, type FROM pragma_table_info(?1)");
    info.BindText(1, tableName);
    std::map<std::string, std::string> columns;
    while (info.Step()) {
        columns[info.ColumnText(0)] = Upper(info.ColumnText(1));
    }
    if (columns.empty()) {
        throw CBuildError("the schema has no table " + tableName);
    }
    return columns;
}

bool ParseInteger(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseReal(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

CCatalogueLoader::CCatalogueLoader(CSqliteDb& db, std::string language)
    : m_db(db), m_language(std::move(language)) {}

const std::vector<std::string>& CCatalogueLoader::Languages() {
    static const std::vector<std::string> languages = {"EN", "DE"};
    return languages;
}

std::vector<CCatalogueLoader::Column> CCatalogueLoader::MapColumns(
    const CTsvTable& table, const std::string& tableName) const {
    const auto declared = DeclaredColumns(m_db, tableName);
    const auto& header = table.Header();
    std::vector<Column> columns;
    std::map<std::string, int> seen;
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string& source = header[i];
        const size_t at = source.find('@');
        const std::string name = source.substr(0, at);
        const std::string tag = at == std::string::npos ? "" : source.substr(at + 1);
        if (!tag.empty() &&
            std::find(Languages().begin(), Languages().end(), tag) == Languages().end()) {
            throw CBuildError(table.SourceName() + ": column " + source +
                              " names an unknown language");
        }
        const auto type = declared.find(name);
        if (type == declared.end()) {
            throw CBuildError(table.SourceName() + ": table " + tableName + " has no column " +
                              name);
        }
        auto known = seen.find(name);
        if (known == seen.end()) {
            known = seen.emplace(name, static_cast<int>(columns.size())).first;
            columns.push_back({name, type->second, -1, {}});
        } else if (tag.empty()) {
            throw CBuildError(table.SourceName() + ": column " + name + " appears twice");
        }
        Column& column = columns[static_cast<size_t>(known->second)];
        if (tag.empty() || tag == m_language) {
            column.sourceIndex = static_cast<int>(i);
        }
        if (!tag.empty()) {
            column.translations.push_back(static_cast<int>(i));
        }
    }
    for (const Column& column : columns) {
        if (!column.translations.empty() && column.translations.size() != Languages().size()) {
            throw CBuildError(table.SourceName() + ": column " + column.name +
                              " lacks a translation");
        }
    }
    return columns;
}

void CCatalogueLoader::BindField(CStatement& insert, int index, const Column& column,
                                 const std::string& field, const std::string& where) const {
    const bool integer = column.type.find("INT") != std::string::npos;
    const bool real = column.type == "REAL" || column.type == "DOUBLE" || column.type == "FLOAT";
    if (!integer && !real) {
        insert.BindText(index, field);
        return;
    }
    if (field.empty()) {
        insert.BindNull(index);
        return;
    }
    if (integer) {
        long long value = 0;
        if (!ParseInteger(field, value)) {
            throw CBuildError(where + ": column " + column.name + ": '" + field +
                              "' is not a whole number");
        }
        insert.BindInt64(index, value);
        return;
    }
    double value = 0.0;
    if (!ParseReal(field, value)) {
        throw CBuildError(where + ": column " + column.name + ": '" + field + "' is not a number");
    }
    insert.BindDouble(index, value);
}

void CCatalogueLoader::Load(const CTsvTable& table, const std::string& tableName) {
    const std::vector<Column> columns = MapColumns(table, tableName);
    std::string names;
    std::string slots;
    for (size_t i = 0; i < columns.size(); ++i) {
        names += (i ? ", " : "") + ("\"" + columns[i].name + "\"");
        slots += (i ? ", ?" : "?") + std::to_string(i + 1);
    }
    CStatement insert(m_db.Get(),
                      "INSERT INTO \"" + tableName + "\" (" + names + ") VALUES (" + slots + ")");
    for (const CTsvTable::Row& row : table.Rows()) {
        const std::string where = table.SourceName() + ":" + std::to_string(row.line);
        for (size_t i = 0; i < columns.size(); ++i) {
            const Column& column = columns[i];
            for (int other : column.translations) {
                if (row.fields[static_cast<size_t>(other)].empty() !=
                    row.fields[static_cast<size_t>(column.sourceIndex)].empty()) {
                    throw CBuildError(where + ": column " + column.name +
                                      " has a text in one language only");
                }
            }
            BindField(insert, static_cast<int>(i + 1), column,
                      row.fields[static_cast<size_t>(column.sourceIndex)], where);
        }
        try {
            insert.Step();
        } catch (const CBuildError& error) {
            throw CBuildError(where + ": " + error.what());
        }
        insert.Reset();
    }
}

}  // namespace veritom::seldb
