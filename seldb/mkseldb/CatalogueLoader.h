#pragma once

#include <string>
#include <vector>

#include "SqliteDb.h"
#include "TsvTable.h"

namespace veritom::seldb {

// Loads catalogue tables into the database for one language. A column named "Text@EN" in the
// source fills the table column "Text" in the English database and "Text@DE" in the German
// one; every language column needs its partner in every language, and a row that has a text
// in one language must have it in all. Numbers are checked against the column's declared
// type, so a typing slip stops the build with the file and line.
class CCatalogueLoader {
public:
    CCatalogueLoader(CSqliteDb& db, std::string language);

    static const std::vector<std::string>& Languages();

    // Inserts every row of the table into the database table of the same name.
    void Load(const CTsvTable& table, const std::string& tableName);

private:
    struct Column {
        std::string name;               // database column
        std::string type;               // declared type, upper case
        int sourceIndex = -1;           // field of the chosen language
        std::vector<int> translations;  // the same text in every language, to check
    };

    std::vector<Column> MapColumns(const CTsvTable& table, const std::string& tableName) const;
    void BindField(CStatement& insert, int index, const Column& column, const std::string& field,
                   const std::string& where) const;

    CSqliteDb& m_db;
    std::string m_language;
};

}  // namespace veritom::seldb
