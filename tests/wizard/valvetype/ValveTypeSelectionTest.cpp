#include <gtest/gtest.h>

#include "FakeVeritomApp.h"
#include "FixtureDatabase.h"
#include "HeadlessValveType.h"
#include "app/NerithObject.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "model/ValveObject.h"
#include "wizard/valvetype/ValveTypeOptionsSelection.h"
#include "wizard/valvetype/ValveTypeSelection.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::FixtureDatabase;
using test::Picks;
using test::RunValveTypeDialogs;
using Outcome = CValveTypeSelection::Outcome;

class English : public ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

struct Database {
    Database() { EXPECT_TRUE(db.Open(fixture.Dir(), "Morvane", false, true, "")); }
    FixtureDatabase fixture;
    English language;
    IDatabase db{language};
};

const CValveTypeAnswer kNormallyClosed = {"2-Way Normally Closed", "2NC", "", 0};
const CValveTypeAnswer kAngle = {"Angle Pattern", "ANG", "picANG", 0};

std::vector<std::string> TextsOf(const std::vector<CValveTypeAnswer>& entries) {
    std::vector<std::string> texts;
    for (const auto& entry : entries) {
        texts.push_back(entry.text);
    }
    return texts;
}

TEST(ValveTypeSelection, Preselection) {
    struct Case {
        std::string functionType;
        std::string flowPattern;
        int functionIndex;
        int flowIndex;
    };
    const Case cases[] = {
        {"", "", 0, 0},
        {"2-Way Normally Closed", "Angle", 0, 1},       // first beginning with the text
        {"2-Way Normally Closed", "Angle Body", 0, 2},  // ... not any containing it
        {"2-Way Normally Closed", "Diagonal", 0, 0},    // no match: the first
        {"2-Way Normally Closed", "", 0, 0},
        {"2-Way Normally Open", "Straight", 1, 0},
        {"2-way normally closed", "Angle", 0, 0},  // not found: no flow pattern preselection
        {"", "Angle", 0, 0},
        {"3-Way Universal", "Angle", 2, -1},  // a function type without flow patterns
    };
    Database d;
    for (const Case& c : cases) {
        CValveTypeAnswers current;
        current.functionType.text = c.functionType;
        current.flowPattern.text = c.flowPattern;
        CValveTypeSelection selection(d.db, current);
        selection.Load();
        EXPECT_EQ(selection.GetFunctionTypeIndex(), c.functionIndex) << c.functionType;
        EXPECT_EQ(selection.GetFlowPatternIndex(), c.flowIndex)
            << c.functionType << " / " << c.flowPattern;
        EXPECT_EQ(selection.CanAccept(), c.flowIndex >= 0);
    }
}

TEST(ValveTypeSelection, ListsAndPictures) {
    Database d;
    CValveTypeSelection selection(d.db, {});
    selection.Load();
    EXPECT_EQ(TextsOf(selection.GetFunctionTypes()),
              (std::vector<std::string>{"2-Way Normally Closed", "2-Way Normally Open",
                                        "3-Way Universal"}));
    ASSERT_EQ(selection.GetFlowPatterns().size(), 3u);
    EXPECT_EQ(selection.GetFlowPatterns()[1], kAngle);

    EXPECT_EQ(selection.GetFlowPatternPicture(), (ByteArray{0x42, 0x4D, 0x2A, 0x00}));
    EXPECT_TRUE(selection.SelectFlowPattern(1));  // an image name without a stored image
    EXPECT_FALSE(selection.GetFlowPatternPicture());
    EXPECT_TRUE(selection.SelectFlowPattern(2));  // no image name
    EXPECT_FALSE(selection.GetFlowPatternPicture());
    EXPECT_FALSE(selection.SelectFlowPattern(3));
    EXPECT_EQ(selection.GetFlowPatternIndex(), 2);

    // Another function type refills the flow patterns and selects the first.
    EXPECT_FALSE(selection.SelectFunctionType(0));
    EXPECT_TRUE(selection.SelectFunctionType(1));
    EXPECT_EQ(TextsOf(selection.GetFlowPatterns()),
              (std::vector<std::string>{"Straight Through Open"}));
    EXPECT_EQ(selection.GetFlowPatternIndex(), 0);
    EXPECT_TRUE(selection.SelectFunctionType(2));
    EXPECT_TRUE(selection.GetFlowPatterns().empty());
    EXPECT_EQ(selection.GetFlowPatternIndex(), -1);
    EXPECT_FALSE(selection.CanAccept());
    EXPECT_FALSE(selection.GetFlowPatternPicture());
    EXPECT_EQ(selection.Conclude(IDOK, {"x", "y", "", 0}), Outcome::StayOpen);
}

TEST(ValveTypeSelection, ChangeAndOptionPassedOn) {
    Database d;
    const CValveTypeAnswers current = {kNormallyClosed, kAngle, {"Stainless Stem", "SS", "", 2}};
    CValveTypeSelection selection(d.db, current);
    selection.Load();
    EXPECT_FALSE(selection.IsChanged());
    EXPECT_EQ(selection.GetOptionPassedOn(), current.option);
    selection.SelectFlowPattern(0);
    EXPECT_TRUE(selection.IsChanged());
    EXPECT_EQ(selection.GetOptionPassedOn(), CValveTypeAnswer());
    selection.SelectFlowPattern(1);
    EXPECT_FALSE(selection.IsChanged());

    // A stored flow pattern whose picture name differs counts as a change.
    CValveTypeAnswers renamed = current;
    renamed.flowPattern.third = "oldPicture";
    CValveTypeSelection other(d.db, renamed);
    other.Load();
    EXPECT_EQ(other.GetFlowPatternIndex(), 1);
    EXPECT_TRUE(other.IsChanged());
}

TEST(ValveTypeSelection, CombiningTheOptionsResult) {
    struct Case {
        bool changed;
        int optionsResult;
        Outcome outcome;
    };
    const Case cases[] = {
        {false, IDOK, Outcome::Ok},
        {true, IDOK, Outcome::Ok},
        {false, IDUNCHANGED, Outcome::Unchanged},
        {true, IDUNCHANGED, Outcome::Ok},
        {false, IDCANCEL, Outcome::StayOpen},
        {true, IDCANCEL, Outcome::StayOpen},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CValveTypeSelection::Combine(c.changed, c.optionsResult), c.outcome)
            << c.changed << " " << c.optionsResult;
    }

    Database d;
    const CValveTypeAnswers current = {kNormallyClosed, kAngle, {"Stainless Stem", "SS", "", 2}};
    const CValveTypeAnswer manual = {"Manual Operator", "MO", "", 2};
    {
        CValveTypeSelection selection(d.db, current);
        selection.Load();
        ASSERT_EQ(selection.Conclude(IDOK, manual), Outcome::Ok);
        EXPECT_EQ(selection.Result().option, manual);
        EXPECT_EQ(selection.Result().flowPattern, kAngle);
    }
    {
        CValveTypeSelection selection(d.db, current);
        selection.Load();
        selection.SelectFlowPattern(2);
        ASSERT_EQ(selection.Conclude(IDUNCHANGED, manual), Outcome::Ok);
        EXPECT_EQ(selection.Result().option, CValveTypeAnswer());  // the empty option passed on
        EXPECT_EQ(selection.Result().flowPattern.link, "ANL");
    }
}

TEST(ValveTypeOptions, OptionsOfAFlowPattern) {
    struct Case {
        std::string flowPattern;
        std::string currentOption;
        std::vector<std::string> texts;
        int count;
        bool atOnce;
        int selected;
    };
    const Case cases[] = {
        {"STR", "", {"No Option"}, 0, true, 0},
        {"STR", "Manual", {"No Option"}, 0, true, 0},
        {"ANG", "", {"Standard", "Manual Operator", "Stainless Stem"}, 2, false, 0},
        {"ANG", "Stain", {"Standard", "Manual Operator", "Stainless Stem"}, 2, false, 2},
        {"ANG", "Brass", {"Standard", "Manual Operator", "Stainless Stem"}, 2, false, 0},
        {"ANL", "Low", {"Manual Operator", "Low Power Coil"}, 2, false, 1},
        {"XXX", "", {}, 0, false, -1},
    };
    Database d;
    for (const Case& c : cases) {
        CValveTypeOptionsSelection options(d.db, kNormallyClosed, {"", c.flowPattern, "", 0},
                                           {c.currentOption, "", "", 0});
        options.Load();
        EXPECT_EQ(TextsOf(options.GetOptions()), c.texts) << c.flowPattern;
        EXPECT_EQ(options.GetOptionCount(), c.count) << c.flowPattern;
        EXPECT_EQ(options.AcceptsAtOnce(), c.atOnce) << c.flowPattern;
        EXPECT_EQ(options.GetSelectedIndex(), c.selected) << c.flowPattern << c.currentOption;
    }
}

TEST(ValveTypeOptions, AcceptingAnOption) {
    Database d;
    const CValveTypeAnswer angle = {"", "ANG", "", 0};
    CValveTypeOptionsSelection options(d.db, kNormallyClosed, angle,
                                       {"Stainless Stem", "SS", "", 2});
    options.Load();
    CValveTypeAnswer chosen;
    EXPECT_EQ(options.Accept(chosen), IDUNCHANGED);
    EXPECT_EQ(chosen, (CValveTypeAnswer{"Stainless Stem", "SS", "", 2}));
    options.Select(0);
    EXPECT_EQ(options.Accept(chosen), IDOK);
    EXPECT_EQ(chosen, (CValveTypeAnswer{"Standard", "NOOPT", "", 2}));

    // The same option with another count is another option.
    CValveTypeOptionsSelection recount(d.db, kNormallyClosed, angle,
                                       {"Stainless Stem", "SS", "", 3});
    recount.Load();
    EXPECT_EQ(recount.Accept(chosen), IDOK);

    CValveTypeOptionsSelection none(d.db, kNormallyClosed, {"", "XXX", "", 0}, {});
    none.Load();
    EXPECT_EQ(none.Accept(chosen), 0);
    EXPECT_FALSE(none.Select(0));
}

TEST(ValveTypeStep, ThroughTheProductObject) {
    FixtureDatabase fixture;
    FakeVeritomApp app;
    app.netPath = fixture.Dir();
    CNerithObject object(app);
    ASSERT_TRUE(object.Initialize());
    Picks picks;
    app.dialogs.valveType = [&](CValveTypeAnswers& answers) {
        return RunValveTypeDialogs(object.GetDatabase(), answers, picks);
    };
    app.dialogs.application = [](CProd_ValveData& record) {
        record.m_SelMethodCode = 1;
        record.m_MethodLink = 1;
        record.m_FluidVAL = std::string("Water");
        record.m_App_PortSizeVAL = std::string("3/4");
        return IDOK;
    };

    // A pattern whose only option is "NOOPT": the options close by themselves.
    ASSERT_TRUE(object.PerformButtonAction(100));
    EXPECT_EQ(object.GetValveTypeAnswers().option, (CValveTypeAnswer{"No Option", "NOOPT", "", 0}));
    EXPECT_EQ(object.GetButtonSelectionDisplayText(0), "2-Way Normally Closed,  Straight Through");
    ASSERT_TRUE(object.PerformButtonAction(101));
    CProd_ValveObject* workflow = object.GetWorkflow();

    // The same choice again: IDUNCHANGED, the workflow and its answers survive.
    EXPECT_FALSE(object.PerformButtonAction(100));
    EXPECT_EQ(object.GetWorkflow(), workflow);
    EXPECT_EQ(object.GetHighestStep(), 2);
    EXPECT_EQ(object.GetButtonSelectionDisplayText(1), "Fluid is Water,  Port Connection Size 3/4");

    // Another flow pattern: the option is chosen anew and the workflow starts again.
    picks = {-1, 1, 2};
    ASSERT_TRUE(object.PerformButtonAction(100));
    EXPECT_EQ(object.GetValveTypeAnswers().option,
              (CValveTypeAnswer{"Stainless Stem", "SS", "", 2}));
    EXPECT_EQ(object.GetButtonSelectionDisplayText(0),
              "2-Way Normally Closed,  Angle Pattern,  Stainless Stem");
    EXPECT_EQ(object.GetButtonSelectionDisplayText(1), "");
    EXPECT_EQ(object.GetHighestStep(), 1);
    EXPECT_EQ(object.GetWorkflow()->GetValveData().m_FlowPatOptSelected.Value(), 2);
    EXPECT_EQ(object.GetWorkflow()->GetValveData().m_FlowPatPic.Value(), "picANG");
    EXPECT_EQ(app.dialogs.reselectionCalls, 2);

    // Reopened, the stored answers are preselected, so OK alone changes nothing.
    picks = {};
    EXPECT_FALSE(object.PerformButtonAction(100));
    EXPECT_EQ(object.GetValveTypeAnswers().option.link, "SS");
}

}  // namespace
}  // namespace veritom
