#include <gtest/gtest.h>

#include "base/DialogResult.h"
#include "base/Links.h"
#include "wizard/WizardStrings.h"
#include "wizard/coil/CoilAdditionalSelection.h"
#include "wizard/coil/ElectricalSelection.h"
#include "wizard/coil/VoltageLists.h"
#include "wizard/complete/SelectionCompletedOptions.h"

// The rules of the Solenoid and Selection Complete dialogs on their own, without a database.
namespace veritom {
namespace {

using Location = CElectricalSelection::Location;

std::vector<std::string> Texts(const std::vector<VoltageEntry>& list) {
    std::vector<std::string> texts;
    for (const VoltageEntry& entry : list) {
        texts.push_back(entry.text);
    }
    return texts;
}

const VoltageEntry kNonStandard = {"Non-standard", "ALL", 999, false};

TEST(VoltageLists, OneLinePerOrderSortedWithTheNonStandardEntryWhereThereIsAChoice) {
    struct Case {
        const char* name;
        std::vector<SolenoidRow> rows;
        std::optional<VoltageEntry> nonStandard;
        std::vector<std::string> ac;
        std::vector<std::string> dc;
        int acDefault;
        int dcDefault;
    };
    const Case cases[] = {
        {"single standard voltage: no non-standard entry",
         {{"DC", 130, "024D", "24 V DC", true}},
         kNonStandard,
         {},
         {"24 V DC"},
         0,
         0},
        {"sorted by order, the non-standard entry by its order too",
         {{"AC", 30, "120A6", "120 V", true}, {"AC", 10, "024A6", "24 V", false}},
         VoltageEntry{"Special", "ALL", 20, false},
         {"24 V", "Special", "120 V"},
         {},
         2,
         0},
        {"a repeated order adds one line, the first row of it",
         {{"AC", 10, "024A6", "24 V", false},
          {"AC", 10, "024A5", "24 V / 50 Hz", false},
          {"AC", 20, "110A5", "110 V", false}},
         kNonStandard,
         {"24 V", "110 V", "Non-standard"},
         {},
         0,
         0},
        {"no default flagged: the first line",
         {{"DC", 1, "a", "A", false}, {"DC", 2, "b", "B", false}},
         std::nullopt,
         {},
         {"A", "B"},
         0,
         0},
        {"a negative order is a voltage like any other",
         {{"DC", -1, "n", "Minus", false}, {"DC", 5, "p", "Plus", true}},
         std::nullopt,
         {},
         {"Minus", "Plus"},
         0,
         1},
        {"rows of other currents are ignored",
         {{"XX", 1, "x", "X", true}},
         kNonStandard,
         {},
         {},
         0,
         0},
    };
    for (const Case& c : cases) {
        CVoltageLists lists;
        lists.Build(c.rows, c.nonStandard);
        EXPECT_EQ(Texts(lists.List("AC")), c.ac) << c.name;
        EXPECT_EQ(Texts(lists.List("DC")), c.dc) << c.name;
        EXPECT_EQ(lists.DefaultIndex("AC"), c.acDefault) << c.name;
        EXPECT_EQ(lists.DefaultIndex("DC"), c.dcDefault) << c.name;
        EXPECT_TRUE(lists.List("ALL").empty());
    }
}

TEST(ElectricalDecisions, CurrentFollowsWhatIsOfferedThenTheSavedAnswer) {
    struct Case {
        bool ac;
        bool dc;
        std::string saved;
        std::string checked;
    };
    const Case cases[] = {
        {true, true, "", "AC"},    {true, true, "DC", "DC"},  {true, true, "AC", "AC"},
        {true, false, "DC", "AC"}, {false, true, "AC", "DC"}, {false, true, "", "DC"},
        {true, true, "ALL", "AC"}, {false, false, "AC", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CElectricalSelection::DecideCurrent(c.ac, c.dc, c.saved), c.checked)
            << c.ac << c.dc << " saved " << c.saved;
    }
}

TEST(ElectricalDecisions, VoltagePreselection) {
    const std::vector<VoltageEntry> list = {{"24 V", "a"}, {"120 V", "b"}, {"Non-standard", "ALL"}};
    struct Case {
        std::vector<VoltageEntry> list;
        std::string saved;
        int defaultIndex;
        int selected;
    };
    const Case cases[] = {
        {list, "", 1, 1},              // nothing saved: the default
        {list, "Non-standard", 1, 2},  // the saved text exactly
        {list, "120", 1, 0},           // no line equals it: the first
        {list, "120 v", 1, 0},         // letter case counts
        {list, "", 7, 0},              // a default out of range: the first
        {{}, "24 V", 0, -1},           // nothing to select
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CElectricalSelection::PreselectVoltage(c.list, c.saved, c.defaultIndex),
                  c.selected)
            << c.saved;
    }
}

TEST(ElectricalDecisions, EnvironmentFollowsWhatTheVoltageIsOfferedFor) {
    const LocationEntry ordinary = {"ORD", "Ordinary", "safe"};
    const LocationEntry hazardous = {"HAZ", "Hazardous", "explosive"};
    struct Case {
        const char* name;
        std::vector<LocationEntry> found;
        Location current;
        bool ordinaryEnabled;
        bool hazardousEnabled;
        Location selected;
        std::string link;
        std::string text;
    };
    const Case cases[] = {
        {"neither", {}, Location::Hazardous, true, false, Location::Ordinary, "ORD", ""},
        {"only ordinary",
         {ordinary},
         Location::Hazardous,
         true,
         false,
         Location::Ordinary,
         "ORD",
         "Ordinary"},
        {"only hazardous",
         {hazardous},
         Location::Ordinary,
         false,
         true,
         Location::Hazardous,
         "HAZ",
         "Hazardous"},
        {"both keep ordinary",
         {hazardous, ordinary},
         Location::Ordinary,
         true,
         true,
         Location::Ordinary,
         "ORD",
         "Ordinary"},
        {"both keep hazardous",
         {ordinary, hazardous},
         Location::Hazardous,
         true,
         true,
         Location::Hazardous,
         "HAZ",
         "Hazardous"},
        {"unknown links count for nothing",
         {{"XYZ", "X", "x"}},
         Location::Hazardous,
         true,
         false,
         Location::Ordinary,
         "ORD",
         ""},
    };
    for (const Case& c : cases) {
        const auto state = CElectricalSelection::DecideLocation(c.found, c.current);
        EXPECT_EQ(state.ordinaryEnabled, c.ordinaryEnabled) << c.name;
        EXPECT_EQ(state.hazardousEnabled, c.hazardousEnabled) << c.name;
        EXPECT_EQ(state.selected, c.selected) << c.name;
        EXPECT_EQ(state.link, c.link) << c.name;
        EXPECT_EQ(state.text, c.text) << c.name;
    }
}

TEST(AdditionalDecisions, SavedAnswerFindsTheExactTextBeforeOneItBegins) {
    const std::vector<CoilChoice> list = {
        {"Alpha", "A", "", ""}, {"Type 4X, watertight", "T4X", "", ""}, {"Type 4", "T4", "", ""}};
    struct Case {
        std::string saved;
        bool allowPrefix;
        int found;
    };
    const Case cases[] = {
        {"Type 4", true, 2},   // not "Type 4X": the exact text wins
        {"Type 4X", true, 1},  // begins the entry's text
        {"Type", true, 1},     // the first entry it begins
        {"Type", false, 0},    // no prefix match asked for: the first entry
        {"Type 4", false, 2},  //
        {"", true, 0},         // nothing saved
        {"Beta", true, 0},     // not offered any more
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CCoilAdditionalSelection::FindSaved(list, c.saved, c.allowPrefix), c.found)
            << c.saved << " prefix " << c.allowPrefix;
    }
    EXPECT_EQ(CCoilAdditionalSelection::FindSaved({}, "Type 4", true), -1);
}

TEST(SelectionCompletedOptions, ButtonsOfEachTemplate) {
    struct Case {
        int templateId;
        std::vector<int> commands;
        int cadButtons;
        int checkBoxText;
    };
    const Case cases[] = {
        {207, {32801, 32803, 32775, 32804, 32808, 32809, 32806}, 4, ids::kShowOptionsWithMnemonic},
        {208, {32801, 32803, 32775}, 0, ids::kShowOptions},
        {0, {32801, 32803, 32775}, 0, ids::kShowOptions},  // anything else: no CAD group
    };
    for (const Case& c : cases) {
        const CSelectionCompletedOptions options(c.templateId);
        std::vector<int> commands;
        int cad = 0;
        for (const CompletionAction& action : options.Actions()) {
            commands.push_back(action.commandId);
            cad += action.cad ? 1 : 0;
        }
        EXPECT_EQ(commands, c.commands) << c.templateId;
        EXPECT_EQ(cad, c.cadButtons) << c.templateId;
        EXPECT_EQ(options.HasCadGroup(), c.cadButtons > 0) << c.templateId;
        EXPECT_EQ(options.ShowOptionsTextId(), c.checkBoxText) << c.templateId;
    }
    EXPECT_EQ(CSelectionCompletedOptions::ShowValue(true), 1);
    EXPECT_EQ(CSelectionCompletedOptions::ShowValue(false), 0);
}

}  // namespace
}  // namespace veritom
