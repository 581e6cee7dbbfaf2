#pragma once

#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "data/Database.h"
#include "data/LanguageSource.h"

namespace veritom::test {

// The staged English selection database, or a copy of it changed by SQL statements, opened
// read-only as the program opens it. A copy lives in a temporary folder of its own.
class CToolDatabase : public ILanguageSource {
public:
    static std::string StagedFile(const std::string& language = "EN") {
        return VERITOM_STAGE_DIR "/share/veritom/Morvane" + language + ".mdb";
    }
    static bool Exists() { return std::filesystem::exists(StagedFile()); }

    explicit CToolDatabase(const std::string& changes = "", const std::string& language = "EN")
        : m_db(*this) {
        std::string file = StagedFile(language);
        if (!changes.empty()) {
            file = Copy(file, changes);
        }
        m_db.OpenFile(file, false, true, "");
    }
    ~CToolDatabase() override {
        m_db.Close();
        if (!m_folder.empty()) {
            std::filesystem::remove_all(m_folder);
        }
    }
    CToolDatabase(const CToolDatabase&) = delete;
    CToolDatabase& operator=(const CToolDatabase&) = delete;

    std::string GetLanguageCode() const override { return std::string(); }
    IDatabase& Db() { return m_db; }
    const std::string& Error() const { return m_error; }

private:
    std::string Copy(const std::string& staged, const std::string& changes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "tooldb-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            m_error = "no temporary folder";
            return staged;
        }
        m_folder = pattern;
        const std::string file = m_folder + "/Morvane.mdb";
        std::filesystem::copy_file(staged, file);
        std::filesystem::permissions(
            file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        sqlite3* db = nullptr;
        if (sqlite3_open(file.c_str(), &db) == SQLITE_OK) {
            char* error = nullptr;
            if (sqlite3_exec(db, changes.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
                m_error = error ? error : "the changes failed";
            }
            sqlite3_free(error);
        }
        sqlite3_close(db);
        return file;
    }

    std::string m_folder;
    std::string m_error;
    IDatabase m_db;
};

}  // namespace veritom::test
