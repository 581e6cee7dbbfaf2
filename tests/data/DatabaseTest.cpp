#include "data/Database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "data/DaoException.h"
#include "data/QD.h"
#include "data/Recordset.h"
#include "data/Snapshot.h"
#include "data/Statement.h"

using namespace veritom;
using veritom::test::FixedLanguage;
using veritom::test::MessageRecorder;
using veritom::test::TempDir;

namespace {

class DatabaseOpen : public ::testing::Test {
protected:
    void SetUp() override { test::WriteSampleDatabase(m_dir.File("MorvaneEN.mdb")); }

    std::string Dir() const { return m_dir.Path().string(); }

    TempDir m_dir;
    FixedLanguage m_language{"EN"};
    MessageRecorder m_messages;
};

// Result code of writing one row through a connection of its own.
int WriteFromOutside(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    int rc = sqlite3_exec(db, "INSERT INTO Keys VALUES (1, 'one')", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

int ReadFromOutside(const std::string& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    int rc = sqlite3_exec(db, "SELECT count(*) FROM Keys", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
}

}  // namespace

TEST_F(DatabaseOpen, FileNameIsDirectoryBaseNameLanguageAndMdb) {
    IDatabase db(m_language);
    ASSERT_TRUE(db.Open(Dir(), "Morvane", true, true, ""));
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.GetFullPath(), m_dir.File("MorvaneEN.mdb"));
    EXPECT_EQ(db.GetDirectory(), Dir());
    EXPECT_EQ(db.GetBaseName(), "Morvane");
    EXPECT_EQ(db.GetLanguageCode(), "EN");
    EXPECT_TRUE(m_messages.boxes.empty());

    // Each open asks the owner again, so a language switch moves to that language's file.
    m_language.Set("");
    test::WriteSampleDatabase(m_dir.File("Morvane.mdb"));
    db.Close();
    ASSERT_TRUE(db.Open(Dir() + "/", "Morvane", false, true, ""));
    EXPECT_EQ(db.GetFullPath(), m_dir.File("Morvane.mdb"));
    EXPECT_EQ(db.GetLanguageCode(), "");
}

TEST_F(DatabaseOpen, BadFilesFailAtOnceWithTheEngineMessage) {
    const std::string notSqlite = m_dir.File("MorvaneXX.mdb");
    std::ofstream(notSqlite) << "Standard Jet DB, or so it claims, but certainly not SQLite....";
    test::RunScript(m_dir.File("MorvaneNT.mdb"), "CREATE TABLE Other (X INTEGER);");
    const struct {
        const char* language;
        std::string message;
    } cases[] = {
        {"FR", "DAO error 14, SOURCE = SQLite, DESCR = unable to open database file (" +
                   m_dir.File("MorvaneFR.mdb") + ")"},
        {"XX", "DAO error 26, SOURCE = SQLite, DESCR = file is not a database (" + notSqlite + ")"},
        {"NT", "DAO error 1, SOURCE = SQLite, DESCR = no such table: StoredQueries (" +
                   m_dir.File("MorvaneNT.mdb") + ")"},
    };
    for (const auto& c : cases) {
        for (const bool exclusive : {true, false}) {
            m_messages.boxes.clear();
            m_language.Set(c.language);
            IDatabase db(m_language);
            EXPECT_FALSE(db.Open(Dir(), "Morvane", exclusive, true, "")) << c.language;
            EXPECT_FALSE(db.IsOpen());
            ASSERT_EQ(m_messages.boxes.size(), 1u) << c.language;
            EXPECT_EQ(m_messages.boxes[0].text, c.message);
            EXPECT_EQ(m_messages.boxes[0].buttons, MsgButtons::Ok);
        }
    }
}

TEST_F(DatabaseOpen, NeverCreatesAMissingFile) {
    for (const bool readOnly : {true, false}) {
        IDatabase db(m_language);
        EXPECT_FALSE(db.Open(Dir(), "Absent", false, readOnly, ""));
        EXPECT_FALSE(std::filesystem::exists(m_dir.File("AbsentEN.mdb")));
    }
}

TEST_F(DatabaseOpen, FailedOpenLeavesTheDatabaseClosedForQueries) {
    IDatabase db(m_language);
    ASSERT_TRUE(db.Open(Dir(), "Morvane", false, true, ""));
    EXPECT_FALSE(db.Open(Dir(), "Absent", false, true, ""));
    try {
        QD query(db, "qAllNames");
        FAIL() << "a query on a closed database ran";
    } catch (const CDaoException& e) {
        EXPECT_EQ(e.Number(), SQLITE_MISUSE);
        EXPECT_EQ(e.Source(), "qAllNames");
        EXPECT_EQ(e.Description(), "The database is not open.");
    }
}

TEST_F(DatabaseOpen, ExclusiveReadOnlyKeepsOutWritersButNotReaders) {
    const std::string file = m_dir.File("MorvaneEN.mdb");
    {
        IDatabase db(m_language);
        ASSERT_TRUE(db.Open(Dir(), "Morvane", true, true, ""));
        EXPECT_EQ(ReadFromOutside(file), SQLITE_OK);
        EXPECT_EQ(WriteFromOutside(file), SQLITE_BUSY);

        IDatabase second(m_language);
        ASSERT_TRUE(second.Open(Dir(), "Morvane", false, true, ""));
        QD query(second, "qAllNames");
        IRecordset records(second);
        records.Open(query);
        EXPECT_EQ(records.GetRecordCount(), 3);
    }
    {
        IDatabase db(m_language);
        ASSERT_TRUE(db.Open(Dir(), "Morvane", false, true, ""));
        EXPECT_EQ(WriteFromOutside(file), SQLITE_OK);
    }
}

TEST_F(DatabaseOpen, ExclusiveWritableKeepsOutEveryone) {
    IDatabase db(m_language);
    ASSERT_TRUE(db.Open(Dir(), "Morvane", true, false, ""));
    EXPECT_EQ(ReadFromOutside(m_dir.File("MorvaneEN.mdb")), SQLITE_BUSY);
    db.Close();
    EXPECT_EQ(ReadFromOutside(m_dir.File("MorvaneEN.mdb")), SQLITE_OK);
}

TEST_F(DatabaseOpen, StoredQueriesAreListedAndFoundRegardlessOfCase) {
    IDatabase db(m_language);
    ASSERT_TRUE(db.Open(Dir(), "Morvane", false, true, ""));
    const auto names = db.GetStoredQueryNames();
    ASSERT_FALSE(names.empty());
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_NE(std::find(names.begin(), names.end(), "qGetMessages"), names.end());
    EXPECT_EQ(db.FindStoredQuery("QGETIMAGE"), db.FindStoredQuery("qGetImage"));
    EXPECT_TRUE(db.FindStoredQuery("qGetImage").has_value());
    EXPECT_FALSE(db.FindStoredQuery("qAbsent").has_value());
}

TEST_F(DatabaseOpen, SquareRootIsAvailableToQueries) {
    IDatabase db(m_language);
    ASSERT_TRUE(db.Open(Dir(), "Morvane", false, true, ""));
    QD query(db, "qRoot");
    IRecordset records(db);
    records.Open(query);
    EXPECT_DOUBLE_EQ(records.GetDouble("Root"), 4.0);
}

// A damaged or tampered query that returns endless rows fails as an engine failure at the
// row limit instead of filling the memory.
TEST_F(DatabaseOpen, EndlessResultStopsAtTheRowLimit) {
    test::AddStoredQuery(m_dir.File("MorvaneEN.mdb"), "qEndless",
                         "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
                         "SELECT i FROM n");
    IDatabase db(m_language);
    ASSERT_TRUE(db.Open(Dir(), "Morvane", false, true, ""));
    const std::optional<std::string> sql = db.FindStoredQuery("qEndless");
    ASSERT_TRUE(sql);
    const StatementPtr statement = PrepareStatement(db.Handle(), *sql, "qEndless");
    try {
        ReadSnapshot(statement.get(), "qEndless", 1000);
        FAIL() << "no engine failure";
    } catch (const CDaoException& failure) {
        EXPECT_EQ(failure.Number(), SQLITE_TOOBIG);
        EXPECT_EQ(failure.Description(),
                  "The query returns more than 1000 rows; the selection database may be damaged.");
    }
    // A result at the limit is read whole.
    const StatementPtr limited =
        PrepareStatement(db.Handle(), "SELECT i FROM (" + *sql + ") LIMIT 1000", "qLimited");
    EXPECT_EQ(ReadSnapshot(limited.get(), "qLimited", 1000).rows.size(), 1000u);
}
