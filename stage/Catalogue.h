#pragma once

#include <map>
#include <string>
#include <vector>

namespace veritom::stage {

// One catalogue table of seldb/data: its column names and rows of texts.
class CCatalogueTable {
public:
    CCatalogueTable() = default;
    CCatalogueTable(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);

    const std::vector<std::vector<std::string>>& Rows() const { return m_rows; }
    // The cell of a column by name; a name without a language takes the column of the
    // language (Name@EN) where the table has one. Throws when the table has no such column.
    const std::string& Get(const std::vector<std::string>& row, const std::string& column,
                           const std::string& language) const;
    // The rows whose column holds value.
    std::vector<std::vector<std::string>> Where(const std::string& column,
                                                const std::string& value) const;
    // The first row whose column holds value; throws when there is none.
    const std::vector<std::string>& Find(const std::string& column, const std::string& value) const;

private:
    std::size_t Index(const std::string& column, const std::string& language) const;

    std::vector<std::string> m_columns;
    std::vector<std::vector<std::string>> m_rows;
};

// The catalogue tables, read from the folder of .tsv files when first asked for.
class CCatalogue {
public:
    CCatalogue(std::string directory, std::string language);

    const CCatalogueTable& Table(const std::string& name);
    // The text of a column of the row whose key column holds key, in the catalogue's language.
    std::string Text(const std::string& table, const std::string& keyColumn, const std::string& key,
                     const std::string& column);
    const std::string& Language() const { return m_language; }

private:
    std::string m_directory;
    std::string m_language;
    std::map<std::string, CCatalogueTable> m_tables;
};

}  // namespace veritom::stage
