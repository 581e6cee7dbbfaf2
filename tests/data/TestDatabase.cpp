#include "TestDatabase.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <vector>

namespace veritom::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "veritom-data-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const char* made = mkdtemp(buffer.data());
    EXPECT_NE(made, nullptr);
    m_path = made ? made : pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void RunScript(const std::string& file, const std::string& script) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK) << file;
    char* error = nullptr;
    const int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
}

void AddStoredQuery(const std::string& file, const std::string& name, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK) << file;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO StoredQueries (Name, Sql) VALUES (?1, ?2)", -1, &statement,
                       nullptr);
    sqlite3_bind_text(statement, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(statement, 2, sql.c_str(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_DONE) << name;
}

void WriteSampleDatabase(const std::string& file) {
    RunScript(file, R"sql(
CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE Kinds (Id INTEGER PRIMARY KEY, Small SMALLINT, Whole INTEGER, Single SINGLE,
                    Dbl DOUBLE, Flag YESNO, Money CURRENCY, Stamp DATETIME, Name VARCHAR(50),
                    Pic LONGBINARY, Loose);
INSERT INTO Kinds VALUES (1, -2, 70000, 0.1, 2.5, -1, 12.3456, '2024-03-05 06:07:08', 'First',
                          x'0102FF', 'loose text');
INSERT INTO Kinds VALUES (2, 70000, 5000000000, 3, 4, 0, 7, 1700000000, '12', x'', 42);
INSERT INTO Kinds VALUES (3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
CREATE TABLE Keys (KeyId INTEGER, Label TEXT);
INSERT INTO Keys VALUES (12, 'twelve'), (120, 'hundred and twenty');
CREATE TABLE Messages (MessageLink TEXT, MessageLinkText MEMO);
INSERT INTO Messages VALUES ('NoRecordSel', 'No valve matches the selection.'),
                            ('Blank', ''), ('Nothing', NULL);
CREATE TABLE Msgs (MsgId TEXT, MsgIdInt INTEGER, WarningText TEXT);
INSERT INTO Msgs VALUES ('Hello', 7, 'Hello, engineer.');
CREATE TABLE Images (ImageName TEXT, Image BLOB);
INSERT INTO Images VALUES ('Coil.png', x'89504E470D0A1A0A'), ('Empty.png', x''),
                          ('NotBytes.png', NULL);
CREATE TABLE Notes (PartNumber TEXT, NoteLink TEXT);
INSERT INTO Notes VALUES ('8210G001', 'N7');
CREATE TABLE RefHelpNames (Category TEXT, FileName TEXT);
INSERT INTO RefHelpNames VALUES ('HELP', 'Morvane.hlp'), ('PDF', 'Catalogue.pdf');
INSERT INTO StoredQueries VALUES
  ('qKinds', 'SELECT * FROM Kinds WHERE Id = :parId'),
  ('qAllNames', 'SELECT Name, Id FROM Kinds ORDER BY Id'),
  ('qNothing', 'SELECT Name FROM Kinds WHERE Id < 0'),
  ('qKey', 'SELECT Label FROM Keys WHERE KeyId = :parKeyLink'),
  ('qJoin', 'SELECT :parA || ''-'' || :parB AS Joined'),
  ('qWithin', 'SELECT :parMaxValue <= 0.3 AS Within, :parMaxValue AS Echo'),
  ('qRoot', 'SELECT sqrt(16.0) AS Root'),
  ('qNote', 'SELECT NoteLink FROM Notes WHERE PartNumber = :ValvePartNumber_NoteLink'),
  ('qGetMessages', 'SELECT MessageLinkText FROM Messages WHERE MessageLink = :parMessageLink'),
  ('qMsgStr', 'SELECT WarningText AS AnyName FROM Msgs WHERE MsgId = :parMsgId'),
  ('qMsgInt', 'SELECT MsgId, WarningText FROM Msgs WHERE MsgIdInt = :parMsgIDInt'),
  ('qGetImage', 'SELECT Image FROM Images WHERE ImageName = :parImageName'),
  ('qSyntax', 'SELEC Name FROM Kinds'),
  ('qNoTable', 'SELECT * FROM Nowhere'),
  ('qTwo', 'SELECT 1; SELECT 2'),
  ('qBlank', '   ');
)sql");
}

}  // namespace veritom::test
