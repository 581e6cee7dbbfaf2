#include "Catalogue.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace veritom::stage {

namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) {
            return cells;
        }
        start = tab + 1;
    }
}

CCatalogueTable ReadTable(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (columns.empty()) {
            columns = SplitTabs(line);
        } else {
            std::vector<std::string> row = SplitTabs(line);
            row.resize(columns.size());
            rows.push_back(std::move(row));
        }
    }
    return CCatalogueTable(std::move(columns), std::move(rows));
}

}  // namespace

CCatalogueTable::CCatalogueTable(std::vector<std::string> columns,
                                 std::vector<std::vector<std::string>> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

std::size_t CCatalogueTable::Index(const std::string& column, const std::string& language) const {
    for (const std::string& name : {column + "@" + language, column}) {
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (m_columns[i] == name) {
                return i;
            }
        }
    }
    throw std::runtime_error("no catalogue column " + column);
}

const std::string& CCatalogueTable::Get(const std::vector<std::string>& row,
                                        const std::string& column,
                                        const std::string& language) const {
    return row.at(Index(column, language));
}

std::vector<std::vector<std::string>> CCatalogueTable::Where(const std::string& column,
                                                             const std::string& value) const {
    const std::size_t index = Index(column, "");
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : m_rows) {
        if (row[index] == value) {
            rows.push_back(row);
        }
    }
    return rows;
}

const std::vector<std::string>& CCatalogueTable::Find(const std::string& column,
                                                      const std::string& value) const {
    const std::size_t index = Index(column, "");
    for (const auto& row : m_rows) {
        if (row[index] == value) {
            return row;
        }
    }
    throw std::runtime_error("no catalogue row with " + column + " " + value);
}

CCatalogue::CCatalogue(std::string directory, std::string language)
    : m_directory(std::move(directory)), m_language(std::move(language)) {}

const CCatalogueTable& CCatalogue::Table(const std::string& name) {
    auto it = m_tables.find(name);
    if (it == m_tables.end()) {
        it = m_tables.emplace(name, ReadTable(m_directory + "/" + name + ".tsv")).first;
    }
    return it->second;
}

std::string CCatalogue::Text(const std::string& table, const std::string& keyColumn,
                             const std::string& key, const std::string& column) {
    const CCatalogueTable& t = Table(table);
    return t.Get(t.Find(keyColumn, key), column, m_language);
}

}  // namespace veritom::stage
