#include "data/Recordset.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "data/DaoException.h"
#include "data/Database.h"
#include "data/QD.h"
#include "data/Query.h"

using namespace veritom;
using veritom::test::FixedLanguage;
using veritom::test::TempDir;

namespace {

// A recordset that keeps the messages its getters would otherwise discard.
class ObservedRecordset : public IRecordset {
public:
    using IRecordset::IRecordset;
    mutable std::vector<std::string> errors;

protected:
    void OnFieldError(const std::string& message) const override { errors.push_back(message); }
};

class RecordsetFields : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteSampleDatabase(m_dir.File("TestEN.mdb"));
        ASSERT_TRUE(m_db.Open(m_dir.Path().string(), "Test", false, true, ""));
    }

    // Opens qKinds on the row with the given id.
    void OpenKind(std::int16_t id) {
        QD query(m_db, "qKinds");
        query.SetParam("[parId]", id);
        m_records.Open(query);
        ASSERT_FALSE(m_records.IsEOF());
    }

    // Expects call to raise the engine exception with number, source and description.
    static void ExpectEngineFailure(const std::function<void()>& call, int number,
                                    const std::string& source, const std::string& description) {
        try {
            call();
            ADD_FAILURE() << "no engine failure: " << description;
        } catch (const CDaoException& e) {
            EXPECT_EQ(e.Number(), number);
            EXPECT_EQ(e.Source(), source);
            EXPECT_EQ(e.Description(), description);
            EXPECT_EQ(std::string(e.what()), "DAO error " + std::to_string(number) + ", SOURCE = " +
                                                 source + ", DESCR = " + description);
        }
    }

    TempDir m_dir;
    FixedLanguage m_language{"EN"};
    test::MessageRecorder m_messages;
    IDatabase m_db{m_language};
    ObservedRecordset m_records{m_db};
};

}  // namespace

TEST_F(RecordsetFields, FieldsReadWithTheKindOfTheirDeclaredType) {
    OpenKind(1);
    EXPECT_EQ(m_records.GetFieldCount(), 11);
    EXPECT_EQ(m_records.GetFieldValue("Small").Kind(), FieldKind::Int16);
    EXPECT_EQ(m_records.GetInt("Small"), -2);  // sign-extended
    EXPECT_EQ(m_records.GetLong("Whole"), 70000);
    EXPECT_EQ(m_records.GetFieldValue("Single").Kind(), FieldKind::Float32);
    // A 32-bit float widens as a float: 0.1f, not 0.1 re-read from text.
    EXPECT_EQ(m_records.GetDouble("Single"), static_cast<double>(0.1f));
    EXPECT_NE(m_records.GetDouble("Single"), 0.1);
    EXPECT_EQ(m_records.GetFloat("Single"), 0.1f);
    EXPECT_EQ(m_records.GetDouble("Dbl"), 2.5);
    EXPECT_EQ(m_records.GetFloat("Small"), -2.0f);
    EXPECT_TRUE(m_records.GetBool("Flag"));  // stored as -1
    EXPECT_EQ(m_records.GetCurrency("Money").tenThousandths, 123456);
    using namespace std::chrono;
    EXPECT_EQ(m_records.GetDateTime("Stamp"), sys_days(2024y / March / 5) + 6h + 7min + 8s);
    EXPECT_EQ(m_records.GetString("Name"), "First");
    EXPECT_EQ(m_records.GetString("Loose"), "loose text");
    ByteArray block;
    ASSERT_TRUE(IRecordset::CopyBinaryToGlobal(m_records.GetFieldValue("Pic"), block));
    EXPECT_EQ(block, (ByteArray{0x01, 0x02, 0xFF}));
    EXPECT_TRUE(m_records.errors.empty());
}

TEST_F(RecordsetFields, ValuesBeyondTheirDeclaredWidthAreNeverTruncated) {
    OpenKind(2);
    EXPECT_EQ(m_records.GetFieldValue("Small").Kind(), FieldKind::Int32);
    EXPECT_EQ(m_records.GetInt("Small"), 70000);
    // Five billion fits no 32-bit integer: GetInt reports a mismatch, GetDouble has it.
    EXPECT_EQ(m_records.GetInt("Whole"), 0);
    EXPECT_EQ(m_records.GetDouble("Whole"), 5e9);
    EXPECT_EQ(m_records.GetFloat("Single"), 3.0f);
    EXPECT_FALSE(m_records.GetBool("Flag"));
    EXPECT_EQ(m_records.GetCurrency("Money").tenThousandths, 70000);
    EXPECT_EQ(m_records.GetDateTime("Stamp"), DateTime(std::chrono::seconds(1700000000)));
    EXPECT_EQ(m_records.GetString("Name"), "12");
    EXPECT_EQ(m_records.GetFieldValue("Loose").Kind(), FieldKind::Int32);
    ByteArray block{9};
    ASSERT_TRUE(IRecordset::CopyBinaryToGlobal(m_records.GetFieldValue("Pic"), block));
    EXPECT_TRUE(block.empty());
    EXPECT_EQ(m_records.errors, std::vector<std::string>{"IRecordset::GetInt : Not Integer Type"});
}

TEST_F(RecordsetFields, NullAndMismatchedFieldsReadAsZeroThroughTheErrorHook) {
    OpenKind(3);
    EXPECT_TRUE(m_records.GetFieldValue("Name").IsNull());
    EXPECT_EQ(m_records.GetString("Name"), "");
    EXPECT_EQ(m_records.GetDouble("Dbl"), 0.0);
    EXPECT_EQ(m_records.GetInt("Whole"), 0);
    EXPECT_EQ(m_records.GetFloat("Single"), 0.0f);
    EXPECT_FALSE(m_records.GetBool("Flag"));
    EXPECT_EQ(m_records.GetCurrency("Money"), Currency());
    EXPECT_EQ(m_records.GetDateTime("Stamp"), DateTime());
    ByteArray block{7};
    EXPECT_FALSE(IRecordset::CopyBinaryToGlobal(m_records.GetFieldValue("Pic"), block));
    EXPECT_EQ(block, ByteArray{7});
    EXPECT_EQ(m_records.errors, (std::vector<std::string>{
                                    "IRecordset::GetString : Not String Type",
                                    "IRecordset::GetDouble : Not Numeric Type",
                                    "IRecordset::GetInt : Not Integer Type",
                                    "IRecordset::GetFloat : Not Numeric Type",
                                    "IRecordset::GetBool : Not Logical Type",
                                    "IRecordset::GetCurrency : Not Currency Type",
                                    "IRecordset::GetDateTime: Not Date Type",
                                }));

    m_records.errors.clear();
    OpenKind(1);
    EXPECT_EQ(m_records.GetInt("Name"), 0);
    EXPECT_EQ(m_records.GetLong("Dbl"), 0);
    EXPECT_EQ(m_records.GetString("Whole"), "");
    EXPECT_FALSE(m_records.GetBool("Small"));
    ByteArray untouched;
    EXPECT_FALSE(IRecordset::CopyBinaryToGlobal(m_records.GetFieldValue("Name"), untouched));
    EXPECT_EQ(m_records.errors, (std::vector<std::string>{
                                    "IRecordset::GetInt : Not Integer Type",
                                    "IRecordset::GetLong : Not Integer Type",
                                    "IRecordset::GetString : Not String Type",
                                    "IRecordset::GetBool : Not Logical Type",
                                }));
}

TEST_F(RecordsetFields, PositionsReadTheCurrentRecordAndOutOfRangeGoesToTheHook) {
    QD query(m_db, "qAllNames");
    m_records.Open(query);
    EXPECT_EQ(m_records.GetString(0), "First");
    EXPECT_EQ(m_records.GetInt(1), 1);
    EXPECT_EQ(m_records.GetFieldName(1), "Id");
    EXPECT_TRUE(m_records.errors.empty());

    EXPECT_EQ(m_records.GetString(-1), "");
    EXPECT_EQ(m_records.GetString(2), "");
    EXPECT_EQ(m_records.GetInt(2), 0);
    EXPECT_EQ(m_records.GetLong(-5), 0);
    EXPECT_EQ(m_records.GetDouble(2), 0.0);
    EXPECT_EQ(m_records.GetFloat(2), 0.0f);
    EXPECT_FALSE(m_records.GetBool(2));
    EXPECT_EQ(m_records.GetCurrency(2), Currency());
    EXPECT_EQ(m_records.GetDateTime(2), DateTime());
    EXPECT_EQ(m_records.errors, (std::vector<std::string>{
                                    "IRecordset::GetString : Index out of range",
                                    "IRecordset::GetString : Index out of range",
                                    "IRecordset::GetInt : Index out of range",
                                    "IRecordset::GetLong : Index out of range",
                                    "IRecordset::GetDouble : Index out of range",
                                    "IRecordset::GetFloat : Index out of range",
                                    "IRecordset::GetBool : Index out of range",
                                    "IRecordset::GetCurrency : Index out of range",
                                    "IRecordset::GetDateTime : Index out of range",
                                }));
    ExpectEngineFailure([&] { m_records.GetFieldValue(2); }, SQLITE_RANGE, "qAllNames",
                        "Field position 2 is out of range.");
}

TEST_F(RecordsetFields, NavigationWalksEveryRecordAndFailsWithoutACurrentOne) {
    QD query(m_db, "qAllNames");
    m_records.Open(query);
    EXPECT_FALSE(m_records.IsBOF());
    m_records.MoveLast();
    EXPECT_EQ(m_records.GetRecordCount(), 3);
    EXPECT_EQ(m_records.GetInt("Id"), 3);
    m_records.MoveFirst();
    std::vector<int> ids;
    while (!m_records.IsEOF()) {
        ids.push_back(m_records.GetInt("Id"));
        m_records.MoveNext();
    }
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(m_records.IsBOF());
    ExpectEngineFailure([&] { m_records.MoveNext(); }, SQLITE_MISUSE, "qAllNames",
                        "No current record.");
    ExpectEngineFailure([&] { m_records.GetString("Name"); }, SQLITE_MISUSE, "qAllNames",
                        "No current record.");
    m_records.MovePrev();
    EXPECT_EQ(m_records.GetInt("Id"), 3);
    m_records.MoveFirst();
    m_records.MovePrev();
    EXPECT_TRUE(m_records.IsBOF());
    ExpectEngineFailure([&] { m_records.MovePrev(); }, SQLITE_MISUSE, "qAllNames",
                        "No current record.");

    m_records.Close();
    ExpectEngineFailure([&] { m_records.IsEOF(); }, SQLITE_MISUSE, "qAllNames",
                        "The recordset is not open.");
}

TEST_F(RecordsetFields, EmptyResultIsBeforeFirstAndAfterLast) {
    QD query(m_db, "qNothing");
    m_records.Open(query);
    EXPECT_TRUE(m_records.IsBOF());
    EXPECT_TRUE(m_records.IsEOF());
    EXPECT_EQ(m_records.GetRecordCount(), 0);
    EXPECT_EQ(m_records.GetFieldCount(), 1);
    ExpectEngineFailure([&] { m_records.MoveFirst(); }, SQLITE_MISUSE, "qNothing",
                        "No current record.");
    ExpectEngineFailure([&] { m_records.MoveLast(); }, SQLITE_MISUSE, "qNothing",
                        "No current record.");
}

TEST_F(RecordsetFields, UnknownFieldNameIsAnEngineFailureButCaseDoesNotMatter) {
    QD query(m_db, "qAllNames");
    m_records.Open(query);
    EXPECT_EQ(m_records.GetString("NAME"), "First");
    ExpectEngineFailure([&] { m_records.GetString("FlowPatLink"); }, SQLITE_NOTFOUND, "qAllNames",
                        "No such field: FlowPatLink");
}

TEST_F(RecordsetFields, QueryFailuresCarryNumberSourceAndDescription) {
    ExpectEngineFailure([&] { QD query(m_db, "qAbsent"); }, SQLITE_NOTFOUND, "qAbsent",
                        "No such stored query: qAbsent");
    ExpectEngineFailure([&] { QD query(m_db, "qSyntax"); }, SQLITE_ERROR, "qSyntax",
                        "near \"SELEC\": syntax error");
    ExpectEngineFailure([&] { QD query(m_db, "qNoTable"); }, SQLITE_ERROR, "qNoTable",
                        "no such table: Nowhere");
    ExpectEngineFailure([&] { QD query(m_db, "qTwo"); }, SQLITE_ERROR, "qTwo",
                        "The stored query holds more than one SQL statement.");
    ExpectEngineFailure([&] { QD query(m_db, "qBlank"); }, SQLITE_ERROR, "qBlank",
                        "The stored query holds no SQL statement.");
}

TEST_F(RecordsetFields, ParametersMustBeExactlyTheDeclaredOnes) {
    QD query(m_db, "qJoin");
    EXPECT_EQ(query.GetParameterNames(), (std::vector<std::string>{"[parA]", "[parB]"}));
    ExpectEngineFailure([&] { query.SetParam("[parC]", "x"); }, SQLITE_RANGE, "qJoin",
                        "No such parameter: [parC]");
    query.SetParam("[parB]", "second");
    ExpectEngineFailure([&] { m_records.Open(query); }, SQLITE_RANGE, "qJoin",
                        "Parameter :parA has no value.");
    EXPECT_FALSE(m_records.IsOpen());

    // Set in any order, by any case, and re-set to run again.
    query.SetParam("[PARA]", std::string("first"));
    m_records.Open(query);
    EXPECT_EQ(m_records.GetString("Joined"), "first-second");
    query.SetParam("[parA]", static_cast<std::int16_t>(5));
    m_records.Open(query);
    EXPECT_EQ(m_records.GetString("Joined"), "5-second");
}

TEST_F(RecordsetFields, DottedParameterNameAndTextKeyMatchingANumber) {
    QD note(m_db, "qNote");
    note.SetParam("[ValvePartNumber.NoteLink]", "8210G001");
    m_records.Open(note);
    EXPECT_EQ(m_records.GetString("NoteLink"), "N7");

    QD key(m_db, "qKey");
    key.SetParam("[parKeyLink", "12");
    m_records.Open(key);
    ASSERT_FALSE(m_records.IsEOF());
    EXPECT_EQ(m_records.GetString(0), "twelve");
    EXPECT_EQ(m_records.GetRecordCount(), 1);
}

TEST_F(RecordsetFields, FloatParametersBindAsTyped) {
    QD query(m_db, "qWithin");
    query.SetParam("[parMaxValue]", 0.3f);
    m_records.Open(query);
    EXPECT_EQ(m_records.GetInt("Within"), 1);
    EXPECT_EQ(m_records.GetDouble("Echo"), 0.3);
    query.SetParam("[parMaxValue]", 0.30001f);
    m_records.Open(query);
    EXPECT_EQ(m_records.GetInt("Within"), 0);
}

TEST_F(RecordsetFields, StatementTextOpensWithoutAStoredQuery) {
    m_records.Open(OpenType::Dynaset, "SELECT * FROM RefHelpNames WHERE Category = 'HELP'",
                   kOpenReadOnly);
    ASSERT_FALSE(m_records.IsEOF());
    EXPECT_EQ(m_records.GetString(1), "Morvane.hlp");
    ExpectEngineFailure(
        [&] { m_records.Open(OpenType::Dynaset, "SELECT * FROM RefHelpNames WHERE Category = ?"); },
        SQLITE_RANGE, "SQLite", "Parameter ? has no value.");
    ExpectEngineFailure([&] { m_records.Open(OpenType::Dynaset, "SELECT * FROM Absent"); },
                        SQLITE_ERROR, "SQLite", "no such table: Absent");
}

TEST_F(RecordsetFields, QueryOpenedBeforeTheDatabaseClosedCannotRun) {
    QD query(m_db, "qAllNames");
    ASSERT_TRUE(query.IsOpen());
    m_db.Close();
    ASSERT_TRUE(m_db.Open(m_dir.Path().string(), "Test", false, true, ""));
    EXPECT_FALSE(query.IsOpen());
    ExpectEngineFailure([&] { m_records.Open(query); }, SQLITE_MISUSE, "qAllNames",
                        "The stored query is not open.");
    query.Open("qAllNames");
    m_records.Open(query);
    EXPECT_EQ(m_records.GetRecordCount(), 3);
}

namespace {

using namespace veritom::declare;
constexpr auto kJoin = Query("qJoin", Params(Text("[parA]"), Text("[parB]")),
                             Fields(TextField("joined"), IntField("Missing")));
constexpr auto kAllNames = Query("qAllNames", Params(), Fields(TextField("Name")));
// Same parameter name and kind, but another query's declaration.
constexpr auto kLookAlike = Query("qLookAlike", Params(Text("[parA]")), Fields());

}  // namespace

// A declared query is set and read only through its own declaration's handles, each the way
// it is declared; anything else is the caller's fault and fails as an engine misuse.
TEST_F(RecordsetFields, DeclaredQueriesAreUsedOnlyAsDeclared) {
    const std::string misuse = "The program used stored query qJoin other than it declares it.";
    CQuery join(m_db, kJoin);
    join.Set(kJoin.Param("[parA]"), "first");
    join.Set(kJoin.Param("[parB]"), std::string("second"));
    m_records.Open(join);
    // Declared fields are found regardless of case, once, when the result opens.
    EXPECT_EQ(m_records.GetString(kJoin.Field("joined")), "first-second");

    const struct {
        const char* what;
        std::function<void()> call;
        int number;
        std::string description;
    } cases[] = {
        {"parameter of another declaration", [&] { join.Set(kLookAlike.Param("[parA]"), "x"); },
         SQLITE_MISUSE, misuse},
        {"parameter in another kind", [&] { join.Set(kJoin.Param("[parA]"), std::int16_t{5}); },
         SQLITE_MISUSE, misuse},
        {"field read another way", [&] { m_records.GetInt(kJoin.Field("joined")); }, SQLITE_MISUSE,
         misuse},
        {"field of another declaration", [&] { m_records.GetString(kAllNames.Field("Name")); },
         SQLITE_MISUSE, misuse},
        {"declared field the result lacks", [&] { m_records.GetInt(kJoin.Field("Missing")); },
         SQLITE_NOTFOUND, "No such field: qJoin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectEngineFailure(c.call, c.number, "qJoin", c.description);
    }

    // Another result of another query: its own handles work, the old ones no longer do.
    CQuery names(m_db, kAllNames);
    m_records.Open(names);
    EXPECT_EQ(m_records.GetString(kAllNames.Field("Name")), "First");
    ExpectEngineFailure([&] { m_records.GetString(kJoin.Field("joined")); }, SQLITE_MISUSE,
                        "qAllNames",
                        "The program used stored query qAllNames other than it declares it.");
}
