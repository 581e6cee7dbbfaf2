#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "data/Database.h"
#include "data/LanguageSource.h"
#include "model/ValveData.h"

namespace veritom::test {

// The selection database the build staged for a language, opened as the program opens it;
// with statements given, a copy of it in a temporary folder changed by them, so a test can
// reach what the real catalogue never gives (a query without a row, a missing text).
class CStepDatabase : public ILanguageSource {
public:
    static std::string StagedDirectory() { return VERITOM_STAGE_DIR "/share/veritom"; }

    explicit CStepDatabase(std::string language = "EN", const std::string& changes = {})
        : m_language(std::move(language)), m_db(*this) {
        std::string dir = StagedDirectory();
        if (!changes.empty()) {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "application-db-XXXXXX").string();
            m_copyDir = ::mkdtemp(pattern.data()) ? pattern : std::string();
            dir = m_copyDir;
            const std::string file = "/Morvane" + m_language + ".mdb";
            std::filesystem::copy_file(StagedDirectory() + file, dir + file);
            Change(dir + file, changes);
        }
        m_db.Open(dir, "Morvane", false, true, "");
    }
    ~CStepDatabase() override {
        m_db.Close();
        if (!m_copyDir.empty()) {
            std::error_code error;
            std::filesystem::remove_all(m_copyDir, error);
        }
    }
    CStepDatabase(const CStepDatabase&) = delete;
    CStepDatabase& operator=(const CStepDatabase&) = delete;

    std::string GetLanguageCode() const override { return m_language; }
    IDatabase& Db() { return m_db; }
    bool IsOpen() const { return m_db.IsOpen(); }

private:
    static void Change(const std::string& file, const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << message;
    }

    std::string m_language;
    std::string m_copyDir;
    IDatabase m_db;
};

// A stored query replaced by another text (which must declare the same parameters).
inline std::string ReplaceQuery(const std::string& name, const std::string& sql) {
    std::string quoted;
    for (const char c : sql) {
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    }
    return "UPDATE StoredQueries SET Sql = '" + quoted + "' WHERE Name = '" + name + "';";
}

// Records as the Application step's dialogs would see them.
inline CProd_ValveData ValveType(const std::string& func, const std::string& pattern,
                                 const std::string& option) {
    CProd_ValveData r;
    r.m_FuncLink = func;
    r.m_FlowPatLink = pattern;
    r.m_FlowPatOptLink = option;
    return r;
}

inline CProd_ValveData GeneralPurpose(const std::string& func = "2W",
                                      const std::string& pattern = "2NC",
                                      const std::string& option = "NOOPT") {
    CProd_ValveData r = ValveType(func, pattern, option);
    r.m_AppCategoryLink = std::string("GenPurp");
    r.m_AppTypeLink = std::string("GP");
    r.m_ApplicationTypeVAL = std::string("General Purpose Valve");
    r.m_SelMethodCode = 1;
    return r;
}

inline CProd_ValveData WithFluid(CProd_ValveData r, const std::string& state,
                                 const std::string& fluid) {
    r.m_FluidStateVAL = state;
    r.m_FluidLink = fluid;
    return r;
}

inline CProd_ValveData Proportional(const std::string& app = "PROPGAS") {
    CProd_ValveData r = ValveType("2W", "2NC", "NOOPT");
    r.m_AppCategoryLink = std::string("Specialty");
    r.m_AppTypeLink = app;
    r.m_SelMethodCode = 2;
    r.m_ChkBxFlags &= ~(
        CProd_ValveData::kFlagMaxInletPressureTicked | CProd_ValveData::kFlagVolumetricFlowTicked |
        CProd_ValveData::kFlagControlSignalTicked | CProd_ValveData::kFlagFlowFactorTicked);
    r.m_ConFluidLink = std::string("ALL");
    return r;
}

}  // namespace veritom::test
