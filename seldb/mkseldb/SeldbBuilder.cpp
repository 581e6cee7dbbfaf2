#include "SeldbBuilder.h"

#include <algorithm>
#include <filesystem>

#include "BuildError.h"
#include "CatalogueLoader.h"
#include "PictureBook.h"
#include "QueryCatalogue.h"
#include "SqliteDb.h"
#include "TsvTable.h"

namespace veritom::seldb {

namespace fs = std::filesystem;

CSeldbBuilder::CSeldbBuilder(BuildOptions options) : m_options(std::move(options)) {}

void CSeldbBuilder::Build() {
    const auto& languages = CCatalogueLoader::Languages();
    if (std::find(languages.begin(), languages.end(), m_options.language) == languages.end()) {
        throw CBuildError("unknown language " + m_options.language);
    }
    if (m_options.scale < 1) {
        throw CBuildError("the scale must be 1 or more");
    }
    const fs::path out(m_options.outPath);
    if (out.has_parent_path()) {
        fs::create_directories(out.parent_path());
    }
    const std::string temporary = m_options.outPath + ".tmp";
    fs::remove(temporary);
    try {
        BuildInto(temporary);
    } catch (...) {
        fs::remove(temporary);
        throw;
    }
    fs::rename(temporary, out);
}

void CSeldbBuilder::BuildInto(const std::string& path) {
    CSqliteDb db(path);
    db.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA foreign_keys = ON;",
            "settings");
    db.Exec("BEGIN", "transaction");
    db.Exec(ReadTextFile(m_options.sourceDir + "/schema.sql"), "schema.sql");
    LoadCatalogue(db);
    if (m_options.scale > 1) {
        ScaleCatalogue(db);
    }
    db.Exec(ReadTextFile(m_options.sourceDir + "/generate.sql"), "generate.sql");
    StorePictures(db);
    RunChecks(db);
    CQueryCatalogue queries(m_options.sourceDir);
    queries.Read();
    queries.Store(db);
    CheckRapidQueries(db);
    db.Exec("COMMIT", "transaction");
    db.Exec("ANALYZE; VACUUM;", "finishing");
}

void CSeldbBuilder::LoadCatalogue(CSqliteDb& db) {
    CCatalogueLoader loader(db, m_options.language);
    for (const std::string& name : ReadManifest(m_options.sourceDir + "/data/tables.txt")) {
        loader.Load(CTsvTable::Read(m_options.sourceDir + "/data/" + name + ".tsv"), name);
    }
}

// Runs scale.sql once per extra copy with :copy bound to the copy's number.
void CSeldbBuilder::ScaleCatalogue(CSqliteDb& db) {
    const std::string text = ReadTextFile(m_options.sourceDir + "/scale.sql");
    for (int copy = 2; copy <= m_options.scale; ++copy) {
        const char* next = text.c_str();
        while (*next != '\0') {
            sqlite3_stmt* statement = nullptr;
            const char* tail = nullptr;
            if (sqlite3_prepare_v2(db.Get(), next, -1, &statement, &tail) != SQLITE_OK) {
                throw CBuildError("scale.sql: " + db.ErrorMessage());
            }
            next = tail;
            if (statement == nullptr) {
                continue;
            }
            const int slot = sqlite3_bind_parameter_index(statement, ":copy");
            if (slot > 0) {
                sqlite3_bind_int(statement, slot, copy);
            }
            const int rc = sqlite3_step(statement);
            sqlite3_finalize(statement);
            if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
                throw CBuildError("scale.sql: " + db.ErrorMessage());
            }
        }
    }
}

void CSeldbBuilder::StorePictures(CSqliteDb& db) {
    const CPictureBook book;
    CStatement insert(db.Get(), "INSERT INTO Images(ImageName, Image) VALUES (?1, ?2)");
    for (const std::string& name : book.Names()) {
        insert.BindText(1, name);
        insert.BindBlob(2, book.Draw(name));
        insert.Step();
        insert.Reset();
    }
}

// Each statement of checks.sql returns one text per fault in the catalogue.
void CSeldbBuilder::RunChecks(CSqliteDb& db) {
    const std::string text = ReadTextFile(m_options.sourceDir + "/checks.sql");
    const char* next = text.c_str();
    while (*next != '\0') {
        const char* tail = nullptr;
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db.Get(), next, -1, &raw, &tail) != SQLITE_OK) {
            throw CBuildError("checks.sql: " + db.ErrorMessage());
        }
        next = tail;
        if (raw == nullptr) {
            continue;
        }
        const bool fault = sqlite3_step(raw) == SQLITE_ROW;
        const unsigned char* text = fault ? sqlite3_column_text(raw, 0) : nullptr;
        const std::string problem =
            text ? reinterpret_cast<const char*>(text) : "a check of checks.sql failed";
        sqlite3_finalize(raw);
        if (fault) {
            throw CBuildError("catalogue: " + problem);
        }
    }
}

void CSeldbBuilder::CheckRapidQueries(CSqliteDb& db) {
    CStatement missing(db.Get(),
                       "SELECT DISTINCT Query FROM RapidField "
                       "WHERE Query <> '' AND Query NOT IN (SELECT Name FROM StoredQueries) "
                       "ORDER BY Query");
    if (missing.Step()) {
        throw CBuildError("RapidField names the query " + missing.ColumnText(0) +
                          ", which is not in queries.txt");
    }
}

}  // namespace veritom::seldb
