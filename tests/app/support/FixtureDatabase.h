#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace veritom::test {

// A temporary directory holding a small selection database "MorvaneEN.mdb" with the
// tables and stored queries the product object, the workflow and the Valve Type step use.
// Removed with its contents.
class FixtureDatabase {
public:
    FixtureDatabase() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "h6-fixture-XXXXXX").string();
        m_dir = ::mkdtemp(pattern.data()) ? pattern : std::string();
        Run(kSchema);
    }
    ~FixtureDatabase() {
        std::error_code error;
        std::filesystem::remove_all(m_dir, error);
    }
    FixtureDatabase(const FixtureDatabase&) = delete;
    FixtureDatabase& operator=(const FixtureDatabase&) = delete;

    const std::string& Dir() const { return m_dir; }
    std::string File() const { return m_dir + "/MorvaneEN.mdb"; }
    std::string PathOf(const std::string& name) const { return m_dir + "/" + name; }

    // Runs more statements on the database.
    void Run(const std::string& sql) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(File().c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        const std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << message;
    }

private:
    static constexpr const char* kSchema = R"sql(
PRAGMA synchronous = OFF;
CREATE TABLE StoredQueries(Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE FunctionTypes(FuncLink TEXT, FuncLinkText TEXT, Ord INTEGER);
INSERT INTO FunctionTypes VALUES
  ('2NC', '2-Way Normally Closed', 1), ('2NO', '2-Way Normally Open', 2),
  ('3UN', '3-Way Universal', 3);
CREATE TABLE FlowPatterns(FuncLink TEXT, FloPatLink TEXT, FloPatLinkText TEXT,
                          FloPatPic TEXT, Ord INTEGER);
INSERT INTO FlowPatterns VALUES
  ('2NC', 'STR', 'Straight Through', 'picSTR', 1),
  ('2NC', 'ANG', 'Angle Pattern', 'picANG', 2),
  ('2NC', 'ANL', 'Angle Body, Long Stem', '', 3),
  ('2NO', 'STO', 'Straight Through Open', 'picSTR', 1);
CREATE TABLE FlowOptions(FuncLink TEXT, FloPatLink TEXT, FloPatOptLink TEXT,
                         FloPatOptLinkText TEXT, Ord INTEGER);
INSERT INTO FlowOptions VALUES
  ('2NC', 'STR', 'NOOPT', 'No Option', 1),
  ('2NC', 'ANG', 'NOOPT', 'Standard', 1),
  ('2NC', 'ANG', 'MO', 'Manual Operator', 2),
  ('2NC', 'ANG', 'SS', 'Stainless Stem', 3),
  ('2NC', 'ANL', 'MO', 'Manual Operator', 1),
  ('2NC', 'ANL', 'LP', 'Low Power Coil', 2);
CREATE TABLE Images(ImageName TEXT, Image BLOB);
INSERT INTO Images VALUES ('picSTR', x'424D2A00');
CREATE TABLE RefHelpNames(Category TEXT, FileName TEXT);
INSERT INTO RefHelpNames VALUES
  ('Reference', 'Reference.PDF'), ('Help', 'Morvane.HLP'), ('HELP', 'MorvaneDialogs.hlp'),
  ('Products', 'products.txt'), ('License Agreement', ''), ('Offer of Sale', 'terms.pdf');
CREATE TABLE ReportLabels(MapKey TEXT, FieldLabel TEXT);
INSERT INTO ReportLabels VALUES
  ('FluidVAL', 'Medium'), ('FunctionTypeVAL', 'Function Type'), ('FuncLink', ''),
  ('FluidVAL', 'Fluid'), ('App_MOPDVAL', 'Max. Pressure Differential'),
  ('OnlyALabel', 'Label Without Value');
INSERT INTO StoredQueries VALUES
  ('qFunctionType', 'SELECT FuncLink, FuncLinkText FROM FunctionTypes ORDER BY Ord'),
  ('qFlowPattern', 'SELECT FloPatLink, FloPatLinkText, FloPatPic FROM FlowPatterns
                    WHERE FuncLink = :parFuncLink ORDER BY Ord'),
  ('qFlowPatternOpt', 'SELECT FloPatOptLink, FloPatOptLinkText FROM FlowOptions
                       WHERE FuncLink = :parFuncLink AND FloPatLink = :parFloPatLink
                       ORDER BY Ord'),
  ('qGetImage', 'SELECT Image FROM Images WHERE ImageName = :parImageName'),
  ('qSelRepLabels', 'SELECT MapKey, FieldLabel FROM ReportLabels ORDER BY rowid');
)sql";

    std::string m_dir;
};

}  // namespace veritom::test
