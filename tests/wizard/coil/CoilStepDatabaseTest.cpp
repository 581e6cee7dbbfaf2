#include <gtest/gtest.h>

#include <algorithm>

#include "CoilRecords.h"
#include "HeadlessCoil.h"
#include "MessageRecorder.h"
#include "StagedDatabase.h"
#include "base/DialogResult.h"
#include "data/CatalogueMessage.h"
#include "wizard/WizardStrings.h"
#include "wizard/coil/CoilQueries.h"

// The Solenoid step's decisions on the selection database the build makes.
namespace veritom {
namespace {

using Location = CElectricalSelection::Location;
using test::ApplicationAnswers;
using test::ApplicationStageRecord;
using test::ChangedDatabase;
using test::CoilPicks;
using test::IndexOf;
using test::MessageRecorder;
using test::RunCoilDialogs;

class CoilStep : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::CStagedDatabase::Exists("EN")) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        ASSERT_TRUE(m_staged.IsOpen());
    }
    IDatabase& Db() { return m_staged.Db(); }

    // The record after a first pass through both dialogs with their preselections.
    CProd_ValveData Completed(const ApplicationAnswers& answers = {}, const CoilPicks& picks = {}) {
        CProd_ValveData record = ApplicationStageRecord(answers);
        EXPECT_EQ(RunCoilDialogs(Db(), record, picks), IDOK);
        return record;
    }

    MessageRecorder m_messages;
    test::CStagedDatabase m_staged{"EN"};
};

std::vector<std::string> Texts(const std::vector<VoltageEntry>& list) {
    std::vector<std::string> texts;
    for (const VoltageEntry& entry : list) {
        texts.push_back(entry.text);
    }
    return texts;
}

// The pressure differentials reach the coil queries as differences. Water valves of a 1/2"
// port that open at 10 psi hold up to 150 psi with an AC coil and 100 psi with a DC coil:
// 9 bar (130.5 psi) or 7.5 bar (108.8 psi) leave only AC coils, 6 bar (87 psi) both. A
// minimum of 0.69 bar is 10 psi, not the -4.7 psig of an absolute 0.69 bar.
TEST_F(CoilStep, DifferentialsInAnyPressureUnitOfferTheCoilsOfTheSameInPsi) {
    struct Case {
        double maximum;
        double minimum;
        const char* unit;
        bool dc;
    };
    const Case cases[] = {
        {130.5, 10, "PSIG", false}, {9, 0.69, "BAR", false},    {7.5, 0.69, "BAR", false},
        {900, 69, "KPA", false},    {0.9, 0.069, "MPA", false}, {87, 10, "PSIG", true},
        {6, 0.69, "BAR", true},     {600, 69, "KPA", true},     {5.9, 0.68, "ATM", true},
        {87, 10, "PSIA", true},     {6e5, 6.9e4, "PA", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.maximum) + ' ' + c.unit);
        CProd_ValveData record = ApplicationStageRecord();
        record.m_App_MOPDVAL.Set(c.maximum, c.unit);
        record.m_App_MinOPDVAL.Set(c.minimum, c.unit);
        const std::vector<SolenoidRow> rows = CCoilQueries(Db(), record).Solenoids();
        ASSERT_FALSE(rows.empty());
        const bool dc = std::any_of(rows.begin(), rows.end(),
                                    [](const SolenoidRow& row) { return row.current == "DC"; });
        EXPECT_EQ(dc, c.dc);
    }
}

TEST_F(CoilStep, OpeningOffersTheVoltagesOfTheEarlierAnswers) {
    const std::vector<std::string> generalAc = {
        "24 V / 60 Hz",  "110 V / 50 Hz", "120 V / 60 Hz",       "220 V / 50 Hz",
        "230 V / 50 Hz", "240 V / 60 Hz", "Non-standard voltage"};
    struct Case {
        const char* name;
        ApplicationAnswers answers;
        std::string savedCurrent;
        std::string savedVoltage;
        std::string savedEnvironment;
        std::string current;
        std::string voltage;
        std::vector<std::string> shown;
        Location location;
    };
    ApplicationAnswers calculated;
    calculated.method = 2;
    calculated.calculatedCv = 4;
    ApplicationAnswers catalogIgnoresCv;
    catalogIgnoresCv.calculatedCv = 1000;
    const Case cases[] = {
        {"fresh: AC and its default",
         {},
         "",
         "",
         "ORD",
         "AC",
         "120 V / 60 Hz",
         generalAc,
         Location::Ordinary},
        {"saved DC answers",
         {},
         "DC",
         "12 V",
         "HAZ",
         "DC",
         "12 V",
         {"6 V", "12 V", "24 V", "125 V", "Non-standard voltage"},
         Location::Hazardous},
        {"a saved voltage no longer offered: the first",
         {},
         "DC",
         "99 V",
         "ORD",
         "DC",
         "6 V",
         {"6 V", "12 V", "24 V", "125 V", "Non-standard voltage"},
         Location::Ordinary},
        {"the non-standard voltage saved",
         {},
         "ALL",
         "Non-standard voltage",
         "ORD",
         "AC",
         "Non-standard voltage",
         generalAc,
         Location::Ordinary},
        {"a single standard voltage: no non-standard line",
         test::Steam(),
         "DC",
         "",
         "ORD",
         "DC",
         "24 V",
         {"24 V"},
         Location::Ordinary},
        {"steam on AC",
         test::Steam(),
         "",
         "",
         "ORD",
         "AC",
         "120 V / 60 Hz",
         {"120 V / 60 Hz", "230 V / 50 Hz", "Non-standard voltage"},
         Location::Ordinary},
        {"calculated size", calculated, "", "", "ORD", "AC", "120 V / 60 Hz", generalAc,
         Location::Ordinary},
        {"catalog data ignores the calculated flow factor", catalogIgnoresCv, "", "", "ORD", "AC",
         "120 V / 60 Hz", generalAc, Location::Ordinary},
    };
    for (const Case& c : cases) {
        CProd_ValveData record = ApplicationStageRecord(c.answers);
        record.m_Sol_CurrentVAL = c.savedCurrent;
        record.m_Sol_VoltageVAL = c.savedVoltage;
        record.m_OpEnvLink = c.savedEnvironment;
        CElectricalSelection selection(Db(), record);
        ASSERT_TRUE(selection.Load()) << c.name;
        EXPECT_TRUE(selection.IsAcAvailable()) << c.name;
        EXPECT_TRUE(selection.IsDcAvailable()) << c.name;
        EXPECT_EQ(selection.GetCurrent(), c.current) << c.name;
        EXPECT_EQ(Texts(selection.GetVoltages()), c.shown) << c.name;
        ASSERT_GE(selection.GetVoltageIndex(), 0) << c.name;
        EXPECT_EQ(selection.GetVoltages()[selection.GetVoltageIndex()].text, c.voltage) << c.name;
        EXPECT_EQ(selection.GetLocation().selected, c.location) << c.name;
        // No coil is offered at the non-standard voltage, so neither environment is.
        const bool standard = c.voltage != "Non-standard voltage";
        EXPECT_EQ(selection.GetLocation().hazardousEnabled, standard) << c.name;
        EXPECT_EQ(selection.GetLocation().text.empty(), !standard) << c.name;
        EXPECT_EQ(selection.MissingChoiceMessage(), 0) << c.name;
    }
}

TEST_F(CoilStep, NothingToChooseKeepsTheDialogOpen) {
    struct Case {
        const char* name;
        ApplicationAnswers answers;
        int message;
    };
    ApplicationAnswers tooLarge;
    tooLarge.method = 2;
    tooLarge.calculatedCv = 1000;  // the sizing form takes the flow factor
    ApplicationAnswers noPort;
    noPort.port = "99";  // the catalog data form takes the port
    for (const Case& c :
         {Case{"no valve reaches the flow factor", tooLarge, ids::kNoVoltageOffered},
          Case{"no valve has the port", noPort, ids::kNoVoltageOffered}}) {
        CProd_ValveData record = ApplicationStageRecord(c.answers);
        CElectricalSelection selection(Db(), record);
        EXPECT_FALSE(selection.Load()) << c.name;
        EXPECT_TRUE(selection.GetVoltages().empty()) << c.name;
        EXPECT_EQ(selection.GetCurrent(), "") << c.name;
        EXPECT_EQ(selection.MissingChoiceMessage(), c.message) << c.name;
        EXPECT_EQ(RunCoilDialogs(Db(), record, {}), IDCANCEL) << c.name;
    }
}

// A voltage line without a link is no voltage: OK asks for one instead of going on.
TEST_F(CoilStep, AVoltageWithoutALinkIsNotAccepted) {
    ChangedDatabase changed(
        "UPDATE Voltage SET VoltLink = '' WHERE VoltLink = '120A6';"
        "UPDATE Coil SET VoltLink = '' WHERE VoltLink = '120A6';");
    ASSERT_TRUE(changed.IsReady());
    CProd_ValveData record = ApplicationStageRecord();
    CElectricalSelection selection(changed.Db(), record);
    ASSERT_TRUE(selection.Load());
    EXPECT_EQ(selection.GetVoltages()[selection.GetVoltageIndex()].text, "120 V / 60 Hz");
    EXPECT_EQ(selection.MissingChoiceMessage(), ids::kChooseVoltage);
    EXPECT_EQ(RunCoilDialogs(changed.Db(), record, {}), IDCANCEL);
    EXPECT_EQ(RunCoilDialogs(changed.Db(), record, {.voltage = "24 V / 60 Hz"}), IDOK);
    EXPECT_EQ(record.m_VoltLink.Value(), "024A6");
}

TEST_F(CoilStep, PressingTheCheckedCurrentAsksNothingAnother) {
    CElectricalSelection selection(Db(), ApplicationStageRecord());
    ASSERT_TRUE(selection.Load());
    selection.SelectVoltage(0);
    EXPECT_FALSE(selection.SelectCurrent("AC"));
    EXPECT_EQ(selection.GetVoltageIndex(), 0);  // the user's pick stays
    EXPECT_TRUE(selection.SelectCurrent("DC"));
    EXPECT_EQ(selection.GetVoltages()[selection.GetVoltageIndex()].text, "24 V");
    EXPECT_FALSE(selection.SelectCurrent("ALL"));
}

TEST_F(CoilStep, EachPathWritesItsMembers) {
    struct Case {
        const char* name;
        CoilPicks picks;
        std::string current;
        std::string voltageLink;
        std::string environment;
        std::string construction;
        std::string termination;
        std::string enclosureLink;
        std::string enclosure;
        std::string enclosurePicture;
    };
    const Case cases[] = {
        {"preselections",
         {},
         "AC",
         "120A6",
         "ORD",
         "STD",
         "LD",
         "T1",
         "Type 1, general purpose",
         "ENC_T1"},
        {"DC, hazardous, screw terminals",
         {.current = "DC",
          .voltage = "12 V",
          .location = Location::Hazardous,
          .termination = "Screw terminals in junction box"},
         "DC",
         "012D",
         "HAZ",
         "EXP",
         "SC",
         "T7",
         "Type 7/9, explosion-proof",
         "ENC_T7"},
        {"the integral coil leaves the enclosure open",
         {.construction = "Integral coil with connector"},
         "AC",
         "120A6",
         "ORD",
         "INT",
         "PL",
         "ALL",
         "Integral (no separate enclosure)",
         ""},
    };
    for (const Case& c : cases) {
        CProd_ValveData record = ApplicationStageRecord();
        ASSERT_EQ(RunCoilDialogs(Db(), record, c.picks), IDOK) << c.name;
        EXPECT_EQ(record.m_Sol_CurrentVAL.Value(), c.current) << c.name;
        EXPECT_EQ(record.m_VoltLink.Value(), c.voltageLink) << c.name;
        EXPECT_EQ(record.m_OpEnvLink.Value(), c.environment) << c.name;
        EXPECT_EQ(record.m_SolConstLink.Value(), c.construction) << c.name;
        EXPECT_EQ(record.m_TermLink.Value(), c.termination) << c.name;
        EXPECT_EQ(record.m_TermPic.Value(), "TERM_" + c.termination) << c.name;
        EXPECT_EQ(record.m_EncloseLink.Value(), c.enclosureLink) << c.name;
        EXPECT_EQ(record.m_Sol_EnclosureVAL.Value(), c.enclosure) << c.name;
        EXPECT_EQ(record.m_EnclosePic.Value(), c.enclosurePicture) << c.name;
        // The descriptions the user read are kept for the report.
        EXPECT_FALSE(record.m_OpEnvStaticText.Value().empty()) << c.name;
        EXPECT_FALSE(record.m_SolConstStaticText.Value().empty()) << c.name;
        EXPECT_FALSE(record.m_TermStaticText.Value().empty()) << c.name;
        EXPECT_FALSE(record.m_EncloseStaticText.Value().empty()) << c.name;
        // The keys stay with the values.
        EXPECT_EQ(record.m_EncloseLink.Name(), "EncloseLink") << c.name;
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(CoilStep, ConfirmingTheSameAnswersIsUnchanged) {
    const CoilPicks hazardous = {.current = "DC",
                                 .voltage = "24 V",
                                 .location = Location::Hazardous,
                                 .termination = "Screw terminals in junction box"};
    for (const CoilPicks& first : {CoilPicks{}, hazardous}) {
        CProd_ValveData record = Completed({}, first);
        const CProd_ValveData before = record;
        EXPECT_EQ(RunCoilDialogs(Db(), record, {}), IDUNCHANGED);
        EXPECT_TRUE(record == before);
    }
}

TEST_F(CoilStep, AnotherVoltageClearsTheCoilDetailsChosenForTheOldOne) {
    CProd_ValveData record = Completed({}, {.termination = "Screw terminals in junction box"});
    ASSERT_EQ(record.m_TermLink.Value(), "SC");
    record.m_PN_CompletePNVAL = std::string("4M-DDD");
    CElectricalSelection selection(Db(), record);
    ASSERT_TRUE(selection.Load());
    selection.SelectVoltage(IndexOf(selection.GetVoltages(), "240 V / 60 Hz"));
    const CProd_ValveData forAdditional = selection.RecordForAdditional();
    EXPECT_EQ(forAdditional.m_VoltLink.Value(), "240A6");
    EXPECT_EQ(forAdditional.m_TermLink.Value(), "");
    EXPECT_EQ(forAdditional.m_PN_CompletePNVAL.Value(), "");
    // The same voltage keeps them.
    CElectricalSelection same(Db(), record);
    ASSERT_TRUE(same.Load());
    EXPECT_EQ(same.RecordForAdditional().m_TermLink.Value(), "SC");
}

TEST_F(CoilStep, UnchangedCoilDetailsAfterAnElectricalChangeStillCountAsOk) {
    struct Case {
        bool electricalChanged;
        int additionalResult;
        CElectricalSelection::Outcome outcome;
    };
    using Outcome = CElectricalSelection::Outcome;
    const Case cases[] = {
        {false, IDOK, Outcome::Ok},           {false, IDUNCHANGED, Outcome::Unchanged},
        {false, IDCANCEL, Outcome::StayOpen}, {true, IDOK, Outcome::Ok},
        {true, IDUNCHANGED, Outcome::Ok},     {true, IDCANCEL, Outcome::StayOpen},
    };
    const CProd_ValveData completed = Completed();
    for (const Case& c : cases) {
        CElectricalSelection selection(Db(), completed);
        ASSERT_TRUE(selection.Load());
        if (c.electricalChanged) {
            selection.SelectCurrent("DC");
        }
        EXPECT_EQ(selection.IsChanged(), c.electricalChanged);
        EXPECT_EQ(selection.ConcludeAdditional(c.additionalResult, selection.RecordForAdditional()),
                  c.outcome)
            << c.electricalChanged << " " << c.additionalResult;
        if (c.outcome == Outcome::Ok) {
            EXPECT_EQ(selection.Result().m_Sol_CurrentVAL.Value(),
                      c.electricalChanged ? "DC" : "AC");
        }
    }
    // The whole way: no construction is offered, so dialog 106 confirms nothing new.
    ChangedDatabase changed("DELETE FROM SolConstruction;");
    ASSERT_TRUE(changed.IsReady());
    CProd_ValveData record = completed;
    record.Reset(4);
    ASSERT_EQ(RunCoilDialogs(changed.Db(), record, {.current = "DC"}), IDOK);
    EXPECT_EQ(record.m_VoltLink.Value(), "024D");
}

TEST_F(CoilStep, NonStandardVoltageLeavesTheCoilOpen) {
    const std::optional<std::string> nonStandardText = LookupCatalogueMessage(Db(), "NONSTD");
    ASSERT_TRUE(nonStandardText);
    struct Case {
        const char* name;
        bool alreadyNonStandard;
        MsgAnswer answer;
        int result;
    };
    const Case cases[] = {
        {"confirmed", false, MsgAnswer::Ok, IDOK},
        {"cancelled: the dialog stays", false, MsgAnswer::Cancel, IDCANCEL},
        {"confirmed again", true, MsgAnswer::Ok, IDUNCHANGED},
    };
    for (const Case& c : cases) {
        CProd_ValveData record = Completed();
        if (c.alreadyNonStandard) {
            ASSERT_EQ(RunCoilDialogs(Db(), record, {.voltage = "Non-standard voltage"}), IDOK);
        }
        const CProd_ValveData before = record;
        MessageRecorder messages;
        messages.Answer(c.answer);
        EXPECT_EQ(RunCoilDialogs(Db(), record, {.voltage = "Non-standard voltage"}), c.result)
            << c.name;
        ASSERT_EQ(messages.boxes.size(), 1u) << c.name;
        EXPECT_EQ(messages.boxes[0].text, *nonStandardText);
        EXPECT_EQ(messages.boxes[0].buttons, MsgButtons::OkCancel);
        if (c.result != IDOK) {
            EXPECT_TRUE(record == before) << c.name;
            continue;
        }
        for (const CStringExSel* link :
             {&record.m_Sol_CurrentVAL, &record.m_VoltLink, &record.m_SolConstLink,
              &record.m_TermLink, &record.m_EncloseLink}) {
            EXPECT_EQ(link->Value(), "ALL") << link->Name();
        }
        EXPECT_EQ(record.m_Sol_VoltageVAL.Value(), "Non-standard voltage");
        // Nothing of the old coil is left to be reported.
        EXPECT_EQ(record.m_Sol_ConstructionVAL.Value(), "");
        EXPECT_EQ(record.m_Sol_TerminationVAL.Value(), "");
        EXPECT_EQ(record.m_Sol_EnclosureVAL.Value(), "");
        EXPECT_EQ(record.m_TermPic.Value(), "");
        EXPECT_EQ(CProd_ValveObject::SolenoidSummary(record), "Non-standard voltage");
    }
}

TEST_F(CoilStep, SavedCoilDetailsArePreselected) {
    struct Case {
        std::string construction;
        std::string termination;
        std::string enclosure;
        std::string chosenTermination;
        std::string chosenEnclosure;
        std::vector<std::string> enclosures;
    };
    const Case cases[] = {
        {"",
         "",
         "",
         "Flying leads, 18 in",
         "Type 1, general purpose",
         {"Type 1, general purpose", "Type 4X, watertight and corrosion resistant"}},
        {"Standard molded coil",
         "Screw terminals in junction box",
         "",
         "Screw terminals in junction box",
         "Type 4X, watertight and corrosion resistant",
         {"Type 4X, watertight and corrosion resistant"}},
        {"Standard molded coil",
         "Flying leads, 18 in",
         "Type 4X",
         "Flying leads, 18 in",
         "Type 4X, watertight and corrosion resistant",
         {"Type 1, general purpose", "Type 4X, watertight and corrosion resistant"}},
        {"Integral coil with connector",
         "Flying leads, 18 in",
         "Type 1, general purpose",
         "Square plug connector",
         "Integral (no separate enclosure)",
         {"Integral (no separate enclosure)"}},
    };
    for (const Case& c : cases) {
        CProd_ValveData record = Completed();
        record.m_Sol_ConstructionVAL = c.construction;
        record.m_Sol_TerminationVAL = c.termination;
        record.m_Sol_EnclosureVAL = c.enclosure;
        CCoilAdditionalSelection additional(Db(), record);
        additional.Load();
        const auto& terminations = additional.GetTerminations();
        const auto& enclosures = additional.GetEnclosures();
        ASSERT_GE(additional.GetTerminationIndex(), 0);
        ASSERT_GE(additional.GetEnclosureIndex(), 0);
        EXPECT_EQ(terminations[additional.GetTerminationIndex()].text, c.chosenTermination);
        EXPECT_EQ(enclosures[additional.GetEnclosureIndex()].text, c.chosenEnclosure);
        std::vector<std::string> texts;
        for (const CoilChoice& choice : enclosures) {
            texts.push_back(choice.text);
        }
        EXPECT_EQ(texts, c.enclosures);
        EXPECT_TRUE(additional.TerminationPicture().has_value());
    }
}

TEST_F(CoilStep, ListsWithEntriesCanBeUsedAgain) {
    // The plug connector is gone from the catalogue, so the integral coil has no termination.
    ChangedDatabase changed("DELETE FROM Termination WHERE TermLink = 'PL';");
    ASSERT_TRUE(changed.IsReady());
    CCoilAdditionalSelection additional(changed.Db(), Completed());
    additional.Load();
    const int integral = IndexOf(additional.GetConstructions(), "Integral coil with connector");
    ASSERT_TRUE(additional.SelectConstruction(integral));
    EXPECT_FALSE(additional.IsTerminationEnabled());
    EXPECT_FALSE(additional.IsEnclosureEnabled());
    EXPECT_EQ(additional.GetTerminationIndex(), -1);
    EXPECT_EQ(additional.TerminationDescription(), "");
    EXPECT_FALSE(additional.TerminationPicture().has_value());
    ASSERT_TRUE(additional.SelectConstruction(0));
    EXPECT_TRUE(additional.IsTerminationEnabled());
    EXPECT_TRUE(additional.IsEnclosureEnabled());
    EXPECT_EQ(additional.GetTerminationIndex(), 0);
    EXPECT_EQ(additional.GetEnclosureIndex(), 0);
}

TEST_F(CoilStep, AnEnclosureWithoutPictureShowsNone) {
    CCoilAdditionalSelection additional(Db(), Completed());
    additional.Load();
    EXPECT_TRUE(additional.EnclosurePicture().has_value());
    additional.SelectConstruction(
        IndexOf(additional.GetConstructions(), "Integral coil with connector"));
    EXPECT_FALSE(additional.EnclosurePicture().has_value());
}

}  // namespace
}  // namespace veritom
