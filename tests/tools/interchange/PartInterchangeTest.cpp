// The competitor interchange on the staged selection database and on copies with deliberate
// gaps.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "ToolDatabase.h"
#include "tools/interchange/PartInterchange.h"

namespace veritom::test {
namespace {

using Outcome = CPartInterchange::TypeOutcome;

class PartInterchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!CToolDatabase::Exists()) {
            GTEST_SKIP() << "the selection database has not been built";
        }
    }

    static int IndexOf(const std::vector<CInterchangeChoice>& entries, const std::string& link) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].link == link) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no " << link;
        return -1;
    }

    static std::string SelectedPart(const CPartInterchange& interchange) {
        return interchange.PartIndex() < 0
                   ? "<none>"
                   : interchange.Parts()[static_cast<std::size_t>(interchange.PartIndex())]
                         .complete;
    }

    static std::string AnswerNumber(const CPartInterchange& interchange) {
        return interchange.Answer() ? interchange.Answer()->partNumber : "<none>";
    }

    MessageRecorder m_messages;
};

TEST_F(PartInterchangeTest, OpeningSelectsTheFirstOfEveryListAndAnswers) {
    CToolDatabase db;
    CPartInterchange interchange(db.Db());
    EXPECT_EQ(interchange.OpeningNotice()->rfind("The interchange proposes", 0), 0u);
    interchange.Open();
    ASSERT_EQ(interchange.Competitors().size(), 3u);
    EXPECT_EQ(interchange.CompetitorIndex(), 0);
    EXPECT_EQ(SelectedPart(interchange), "AF8210");
    EXPECT_EQ(interchange.PartNumberText(), "AF8210");
    ASSERT_EQ(interchange.Divisions().size(), 2u);
    EXPECT_EQ(interchange.Divisions()[0].link, "MVG");
    EXPECT_EQ(interchange.DivisionIndex(), 0);
    ASSERT_TRUE(interchange.HasVoltages());
    // The default voltage is chosen, not merely the first.
    const auto& voltage =
        interchange.Voltages()[static_cast<std::size_t>(interchange.VoltageIndex())];
    EXPECT_TRUE(voltage.isDefault);
    EXPECT_EQ(interchange.VoltageCode(), voltage.code);
    EXPECT_EQ(AnswerNumber(interchange), "K21BN08040N-SF1L-" + voltage.code);
    EXPECT_TRUE(interchange.CanAddToOrderPad());
    const COrderPadLine line = interchange.OrderLine();
    EXPECT_EQ(line.partNumber, AnswerNumber(interchange));
    EXPECT_EQ(line.division, "");
    EXPECT_EQ(line.description, interchange.Answer()->description);
}

// Typing matches the complete number (prefix, number and suffix) in upper case; the query
// gets the prefix and suffix links of the row found.
TEST_F(PartInterchangeTest, TypedPartNumbersFindTheirRowsWithPrefixAndSuffix) {
    struct Case {
        const char* competitor;
        const char* typed;
        Outcome outcome;
        const char* row;
        const char* answer;
    };
    CToolDatabase db;
    for (const Case& c : {
             Case{"ARD", "af82", Outcome::Same, "AF8210", "K21BN08040N-SF1L-"},
             Case{"ARD", "af8210v", Outcome::Selected, "AF8210V", "K21BN08040V-SF1L-"},
             Case{"ARD", "AFX", Outcome::Selected, "AFX8210", "K21BN08040N-SF7L-"},
             Case{"ARD", "af83", Outcome::Selected, "AF8320", "K30BN04006N-SF1L-"},
             Case{"BRH", "bh-2401-e", Outcome::Selected, "BH-2401-E", "K21BN12048E-MF4L-"},
             Case{"BRH", "b1", Outcome::Same, "B114-N", "K40AN04016NI-SF1L-"},
             Case{"CSV", "cs 32", Outcome::Selected, "CS 32.03/G", "K30BG02004N-SF1S-"},
             Case{"CSV", "CS32", Outcome::NoMatch, "<none>", "<none>"},
         }) {
        SCOPED_TRACE(std::string(c.competitor) + " " + c.typed);
        CPartInterchange interchange(db.Db());
        interchange.Open();
        interchange.SelectCompetitor(IndexOf(interchange.Competitors(), c.competitor));
        EXPECT_EQ(interchange.TypePartNumber(c.typed), c.outcome);
        EXPECT_EQ(SelectedPart(interchange), c.row);
        // The user's text stays as typed.
        EXPECT_EQ(interchange.PartNumberText(), c.typed);
        EXPECT_EQ(AnswerNumber(interchange).rfind(c.answer, 0), 0u) << AnswerNumber(interchange);
        EXPECT_EQ(interchange.CanAddToOrderPad(), c.outcome != Outcome::NoMatch);
    }
}

TEST_F(PartInterchangeTest, ADivisionWithoutVoltagesSendsNaAndCannotBeOrdered) {
    CToolDatabase db;
    CPartInterchange interchange(db.Db());
    interchange.Open();
    ASSERT_TRUE(interchange.SelectDivision(IndexOf(interchange.Divisions(), "MVB")));
    EXPECT_FALSE(interchange.HasVoltages());
    EXPECT_EQ(interchange.VoltageIndex(), -1);
    EXPECT_EQ(interchange.VoltageCode(), "NA");
    ASSERT_TRUE(interchange.Answer().has_value());
    EXPECT_EQ(interchange.Answer()->partNumber, "K21BN08040N");
    EXPECT_EQ(interchange.Answer()->note, "Coil and enclosure are ordered separately.");
    EXPECT_FALSE(interchange.CanAddToOrderPad());
    EXPECT_EQ(interchange.OrderLine().partNumber, "");
    // Back to the line with coils: voltages and ordering return.
    ASSERT_TRUE(interchange.SelectDivision(IndexOf(interchange.Divisions(), "MVG")));
    EXPECT_TRUE(interchange.HasVoltages());
    EXPECT_TRUE(interchange.CanAddToOrderPad());
}

// Refilled lists start without a selection, so the first entry of the new list counts as a
// change and the answer belongs to the part now selected.
TEST_F(PartInterchangeTest, RefilledListsAlwaysRecomputeTheAnswer) {
    CToolDatabase db;
    CPartInterchange interchange(db.Db());
    interchange.Open();
    ASSERT_EQ(interchange.DivisionIndex(), 0);
    ASSERT_EQ(AnswerNumber(interchange).rfind("K21", 0), 0u);
    // AF8262: the same first division (position 0), another valve.
    ASSERT_TRUE(interchange.TypePartNumber("AF8262") == Outcome::Selected);
    EXPECT_EQ(interchange.DivisionIndex(), 0);
    EXPECT_EQ(AnswerNumber(interchange).rfind("K20BN04006N-SF1L-", 0), 0u)
        << AnswerNumber(interchange);

    // Another competitor: its first row, divisions and answer, though every position is 0.
    ASSERT_TRUE(interchange.SelectCompetitor(IndexOf(interchange.Competitors(), "BRH")));
    EXPECT_EQ(interchange.PartIndex(), 0);
    EXPECT_EQ(interchange.PartNumberText(), SelectedPart(interchange));
    EXPECT_EQ(AnswerNumber(interchange).rfind("K40", 0), 0u) << AnswerNumber(interchange);

    // Choosing what is chosen already runs nothing again.
    EXPECT_FALSE(interchange.SelectCompetitor(interchange.CompetitorIndex()));
    EXPECT_FALSE(interchange.SelectPart(interchange.PartIndex()));
    EXPECT_FALSE(interchange.SelectDivision(interchange.DivisionIndex()));
    EXPECT_FALSE(interchange.SelectVoltage(interchange.VoltageIndex()));
    EXPECT_FALSE(interchange.SelectPart(99));
}

TEST_F(PartInterchangeTest, APartNumberThatMatchesNothingLeavesNothingToOrder) {
    CToolDatabase db;
    CPartInterchange interchange(db.Db());
    interchange.Open();
    ASSERT_TRUE(interchange.CanAddToOrderPad());
    EXPECT_EQ(interchange.TypePartNumber("XY-1"), Outcome::NoMatch);
    EXPECT_EQ(interchange.PartIndex(), -1);
    EXPECT_TRUE(interchange.Divisions().empty());
    EXPECT_FALSE(interchange.HasVoltages());
    EXPECT_FALSE(interchange.Answer().has_value());
    EXPECT_FALSE(interchange.CanAddToOrderPad());
    EXPECT_EQ(interchange.OrderLine().partNumber, "");
    // Typing on to a number that exists brings everything back.
    EXPECT_EQ(interchange.TypePartNumber("AF8210"), Outcome::Selected);
    EXPECT_TRUE(interchange.CanAddToOrderPad());
}

TEST_F(PartInterchangeTest, GapsInTheDatabase) {
    {
        SCOPED_TRACE("a competitor without part numbers");
        CToolDatabase db("DELETE FROM CompetitorPN WHERE CompttrLink = 'CSV';");
        ASSERT_EQ(db.Error(), "");
        CPartInterchange interchange(db.Db());
        interchange.Open();
        ASSERT_TRUE(interchange.SelectCompetitor(IndexOf(interchange.Competitors(), "CSV")));
        EXPECT_TRUE(interchange.Parts().empty());
        EXPECT_EQ(interchange.PartNumberText(), "");
        EXPECT_FALSE(interchange.Answer().has_value());
        EXPECT_FALSE(interchange.CanAddToOrderPad());
        EXPECT_EQ(interchange.TypePartNumber("CS"), Outcome::Beep);
    }
    {
        SCOPED_TRACE("no competitors");
        CToolDatabase db("DELETE FROM Competitor;");
        ASSERT_EQ(db.Error(), "");
        CPartInterchange interchange(db.Db());
        interchange.Open();
        EXPECT_TRUE(interchange.Competitors().empty());
        EXPECT_EQ(interchange.CompetitorIndex(), -1);
        EXPECT_TRUE(interchange.Parts().empty());
        EXPECT_FALSE(interchange.Answer().has_value());
    }
    {
        SCOPED_TRACE("a part without an answer");
        CToolDatabase db(
            "UPDATE StoredQueries SET Sql = replace(Sql, 'ORDER BY p.PNId', "
            "'AND i.CompttrPN <> ''8320'' ORDER BY p.PNId') WHERE Name = "
            "'qTool_Interchange_Compttr_PNResult';");
        ASSERT_EQ(db.Error(), "");
        CPartInterchange interchange(db.Db());
        interchange.Open();
        ASSERT_TRUE(interchange.CanAddToOrderPad());
        EXPECT_EQ(interchange.TypePartNumber("AF8320"), Outcome::Selected);
        EXPECT_EQ(interchange.DivisionIndex(), 0);
        EXPECT_FALSE(interchange.Answer().has_value());
        EXPECT_FALSE(interchange.CanAddToOrderPad());
    }
}

}  // namespace
}  // namespace veritom::test
