// mkseldb stops on every fault of its sources with a message that names the place, and never
// leaves a half-built database behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "BuildError.h"
#include "Canvas.h"
#include "CatalogueLoader.h"
#include "PictureBook.h"
#include "QueryCatalogue.h"
#include "SeldbBuilder.h"
#include "SqliteDb.h"
#include "TsvTable.h"

namespace veritom::seldb {
namespace {

namespace fs = std::filesystem;

class TempTree {
public:
    TempTree() {
        std::random_device random;
        m_root = fs::temp_directory_path() / ("seldb-test-" + std::to_string(random()));
        fs::create_directories(m_root);
    }
    ~TempTree() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    std::string Path(const std::string& relative) const { return (m_root / relative).string(); }
    void Write(const std::string& relative, const std::string& text) const {
        fs::create_directories((m_root / relative).parent_path());
        std::ofstream(m_root / relative, std::ios::binary) << text;
    }

private:
    fs::path m_root;
};

// The message of the build error fn raises, or "" when it raises none.
template <typename Fn>
std::string ErrorOf(Fn fn) {
    try {
        fn();
    } catch (const CBuildError& error) {
        return error.what();
    }
    return "";
}

TEST(TsvTable, ReadsRowsSkipsCommentsAndUnescapes) {
    const CTsvTable table = CTsvTable::Parse(
        "# a comment\n\nName\tText\r\nA\tline one\\nline two\n# between\nB\ttab\\there \\\\ end\n",
        "t.tsv");
    ASSERT_EQ(table.Header(), (std::vector<std::string>{"Name", "Text"}));
    ASSERT_EQ(table.Rows().size(), 2u);
    EXPECT_EQ(table.Rows()[0].fields[1], "line one\nline two");
    EXPECT_EQ(table.Rows()[1].fields[1], "tab\there \\ end");
    EXPECT_EQ(table.Rows()[1].line, 6);
    EXPECT_EQ(table.ColumnIndex("Text"), 1);
    EXPECT_EQ(table.ColumnIndex("None"), -1);
}

TEST(TsvTable, MalformedTextNamesTheLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"A\tB\nx\n", "t.tsv:2: 1 fields, the header has 2"},
        {"A\tB\nx\ty\tz\n", "t.tsv:2: 3 fields, the header has 2"},
        {"A\nbad \\q escape\n", "t.tsv:2: unknown escape \\q"},
        {"A\nends with \\\n", "t.tsv:2: a field ends with a lone backslash"},
        {"A\t\tB\n", "t.tsv:1: a column has no name"},
        {"# only a comment\n", "t.tsv: no header line"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf([&] { CTsvTable::Parse(c.text, "t.tsv"); }), c.message) << c.text;
    }
}

class Loader : public ::testing::Test {
protected:
    void SetUp() override {
        m_db.Exec(
            "CREATE TABLE Item (Link TEXT PRIMARY KEY, Count INTEGER, Weight REAL, Text TEXT)",
            "test");
    }
    std::string Load(const std::string& language, const std::string& tsv) {
        return ErrorOf([&] {
            CCatalogueLoader(m_db, language).Load(CTsvTable::Parse(tsv, "Item.tsv"), "Item");
        });
    }
    std::string Query(const std::string& sql) {
        CStatement statement(m_db.Get(), sql);
        return statement.Step() ? statement.ColumnText(0) : "<none>";
    }

    CSqliteDb m_db{":memory:"};
};

TEST_F(Loader, TakesTheTextsOfItsLanguageAndTypesNumbers) {
    const std::string tsv =
        "Link\tCount\tWeight\tText@EN\tText@DE\n08\t3\t0.5\tValve\tVentil\n09\t\t\t\t\n";
    ASSERT_EQ(Load("DE", tsv), "");
    EXPECT_EQ(Query("SELECT Text FROM Item WHERE Link = '08'"), "Ventil");
    EXPECT_EQ(
        Query("SELECT typeof(Link) || typeof(Count) || typeof(Weight) FROM Item WHERE Link = '08'"),
        "textintegerreal");
    EXPECT_EQ(Query("SELECT Link FROM Item WHERE Link = '08'"), "08");
    EXPECT_EQ(Query("SELECT typeof(Count) FROM Item WHERE Link = '09'"), "null");
}

TEST_F(Loader, FaultsNameTheFileLineAndColumn) {
    const struct {
        const char* tsv;
        const char* message;
    } cases[] = {
        {"Link\tCount\na\t3x\n", "Item.tsv:2: column Count: '3x' is not a whole number"},
        {"Link\tWeight\na\theavy\n", "Item.tsv:2: column Weight: 'heavy' is not a number"},
        {"Link\tText@EN\na\tx\n", "Item.tsv: column Text lacks a translation"},
        {"Link\tText@EN\tText@DE\na\tValve\t\n",
         "Item.tsv:2: column Text has a text in one language only"},
        {"Link\tText@FR\na\tx\n", "Item.tsv: column Text@FR names an unknown language"},
        {"Link\tColour\na\tred\n", "Item.tsv: table Item has no column Colour"},
        {"Link\tLink\na\tb\n", "Item.tsv: column Link appears twice"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load("EN", c.tsv), c.message) << c.tsv;
    }
    EXPECT_NE(Load("EN", "Link\na\na\n").find("Item.tsv:3: UNIQUE constraint failed"),
              std::string::npos);
}

// A source tree with one table, one picture table, no rapid selection and the given queries.
void WriteTree(const TempTree& tree, const std::string& queries,
               const std::vector<std::pair<std::string, std::string>>& files) {
    tree.Write("schema.sql",
               "CREATE TABLE StoredQueries (Name TEXT PRIMARY KEY, Sql TEXT NOT NULL);\n"
               "CREATE TABLE Images (ImageName TEXT PRIMARY KEY, Image BLOB NOT NULL);\n"
               "CREATE TABLE RapidField (Query TEXT);\n"
               "CREATE TABLE Item (Link TEXT PRIMARY KEY, Text TEXT);\n");
    tree.Write("generate.sql", "-- nothing to generate\n");
    tree.Write("scale.sql",
               "INSERT INTO Item SELECT Link || 'x' || :copy, Text FROM Item WHERE instr(Link, "
               "'x') = 0;\n");
    tree.Write("checks.sql",
               "SELECT 'item ' || Link || ' has no text' FROM Item WHERE Text = '';\n");
    tree.Write("data/tables.txt", "Item\n");
    tree.Write("data/Item.tsv", "Link\tText@EN\tText@DE\nA\tone\teins\n");
    tree.Write("queries/include/fragments.txt", "by_link\n");
    tree.Write("queries/include/by_link.sql", "WHERE Link = :parLink\n");
    tree.Write("queries/queries.txt", queries);
    for (const auto& [name, text] : files) {
        tree.Write("queries/" + name + ".sql", text);
    }
}

TEST(Builder, BuildsTheDatabaseAndScalesTheCatalogue) {
    TempTree tree;
    WriteTree(tree, "qItem\n", {{"qItem", "SELECT Text FROM Item\n-- @include by_link\n"}});
    CSeldbBuilder({tree.Path(""), "DE", tree.Path("out/MorvaneDE.mdb"), 3}).Build();
    ASSERT_TRUE(fs::exists(tree.Path("out/MorvaneDE.mdb")));
    EXPECT_FALSE(fs::exists(tree.Path("out/MorvaneDE.mdb.tmp")));

    CSqliteDb db(tree.Path("out/MorvaneDE.mdb"));
    CStatement stored(db.Get(), "SELECT Sql FROM StoredQueries WHERE Name = 'qItem'");
    ASSERT_TRUE(stored.Step());
    EXPECT_EQ(stored.ColumnText(0), "SELECT Text FROM Item\nWHERE Link = :parLink");
    EXPECT_EQ(db.QueryInt("SELECT COUNT(*) FROM Item"), 3);
    EXPECT_EQ(db.QueryInt("SELECT COUNT(*) FROM Images"),
              static_cast<long long>(CPictureBook().Names().size()));
}

// A fault anywhere stops the build with a message that names it, and no database is left.
TEST(Builder, FaultsStopTheBuildAndLeaveNoDatabase) {
    const struct {
        const char* what;
        std::string queries;
        std::vector<std::pair<std::string, std::string>> files;
        std::string itemTsv;
        const char* message;
    } cases[] = {
        {"syntax",
         "qBroken\n",
         {{"qBroken", "SELEC Text FROM Item"}},
         "",
         "query qBroken does not prepare: near \"SELEC\": syntax error"},
        {"unknown column",
         "qGood\nqWrong\n",
         {{"qGood", "SELECT Text FROM Item"}, {"qWrong", "SELECT Colour FROM Item"}},
         "",
         "query qWrong does not prepare: no such column: Colour"},
        {"writes",
         "qWrites\n",
         {{"qWrites", "DELETE FROM Item"}},
         "",
         "query qWrites must be a SELECT that only reads"},
        {"two statements",
         "qTwo\n",
         {{"qTwo", "SELECT 1; SELECT 2;"}},
         "",
         "query qTwo must be exactly one statement"},
        {"positional parameter",
         "qAnon\n",
         {{"qAnon", "SELECT Text FROM Item WHERE Link = ?"}},
         "",
         "query qAnon: parameter '?' must be named as :name"},
        {"unlisted fragment",
         "qFrag\n",
         {{"qFrag", "SELECT 1\n-- @include missing\n"}},
         "",
         "query qFrag: fragment missing is not listed in queries/include/fragments.txt"},
        {"missing file", "qNone\n", {}, "", "cannot read "},
        {"listed twice",
         "qItem\nqItem\n",
         {{"qItem", "SELECT 1"}},
         "",
         "queries.txt: query qItem is listed twice"},
        {"catalogue check",
         "qItem\n",
         {{"qItem", "SELECT 1"}},
         "Link\tText@EN\tText@DE\nB\t\t\n",
         "catalogue: item B has no text"},
    };
    for (const auto& c : cases) {
        TempTree tree;
        WriteTree(tree, c.queries, c.files);
        if (!c.itemTsv.empty()) {
            tree.Write("data/Item.tsv", c.itemTsv);
        }
        const std::string out = tree.Path("MorvaneEN.mdb");
        const std::string message = ErrorOf([&] {
            CSeldbBuilder({tree.Path(""), "EN", out, 1}).Build();
        });
        EXPECT_EQ(message.rfind(c.message, 0), 0u) << c.what << ": " << message;
        EXPECT_FALSE(fs::exists(out)) << c.what;
        EXPECT_FALSE(fs::exists(out + ".tmp")) << c.what;
    }
}

TEST(Builder, RejectsAnUnknownLanguageAndScale) {
    TempTree tree;
    WriteTree(tree, "", {});
    EXPECT_EQ(ErrorOf([&] {
                  CSeldbBuilder({tree.Path(""), "FR", tree.Path("x.mdb"), 1}).Build();
              }),
              "unknown language FR");
    EXPECT_EQ(ErrorOf([&] {
                  CSeldbBuilder({tree.Path(""), "EN", tree.Path("x.mdb"), 0}).Build();
              }),
              "the scale must be 1 or more");
}

TEST(QueryCatalogue, AFragmentThatIncludesItselfIsAFault) {
    TempTree tree;
    tree.Write("queries/include/fragments.txt", "loop\n");
    tree.Write("queries/include/loop.sql", "-- @include loop\n");
    CQueryCatalogue catalogue(tree.Path(""));
    tree.Write("queries/queries.txt", "qLoop\n");
    tree.Write("queries/qLoop.sql", "SELECT 1\n-- @include loop\n");
    EXPECT_EQ(ErrorOf([&] { catalogue.Read(); }), "query qLoop: fragment loop includes itself");
}

// Rows are stored bottom-up, three bytes a pixel in blue-green-red order, padded to four.
TEST(Canvas, WritesABottomUpTwentyFourBitBitmap) {
    CCanvas canvas(5, 2, Rgb{255, 255, 255});
    canvas.FillRect(0, 0, 1, 1, Rgb{200, 10, 20});
    const std::vector<unsigned char> bmp = canvas.ToBmp();
    const size_t rowSize = 16;  // 5 * 3 = 15 bytes, padded
    ASSERT_EQ(bmp.size(), 54 + 2 * rowSize);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[2] | bmp[3] << 8, static_cast<int>(bmp.size()));
    EXPECT_EQ(bmp[18], 5);  // width
    EXPECT_EQ(bmp[22], 2);  // height
    EXPECT_EQ(bmp[28], 24);
    const size_t topRow = 54 + rowSize;  // the top row comes last
    EXPECT_EQ(bmp[topRow], 20);
    EXPECT_EQ(bmp[topRow + 1], 10);
    EXPECT_EQ(bmp[topRow + 2], 200);
    EXPECT_EQ(bmp[54], 255);
    EXPECT_EQ(bmp[topRow - 1], 0);                // padding of the bottom row
    canvas.FillRect(-3, -3, 2, 2, Rgb{0, 0, 0});  // wholly outside: clipped, no fault
    EXPECT_EQ(canvas.Pixel(0, 0).r, 200);
}

TEST(PictureBook, DrawsEveryNamedPictureAndRefusesOthers) {
    const CPictureBook book;
    for (const std::string& name : book.Names()) {
        const auto bmp = book.Draw(name);
        EXPECT_GT(bmp.size(), 54u) << name;
    }
    EXPECT_EQ(ErrorOf([&] { book.Draw("FP_NONE"); }), "no picture named FP_NONE");
}

}  // namespace
}  // namespace veritom::seldb
