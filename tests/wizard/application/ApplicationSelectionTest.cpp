// Select Application on the selection database the build makes: the categories a valve type
// offers, the application chosen and its description, and how OK and the method dialog's
// result end the step.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "StepDatabase.h"
#include "base/DialogResult.h"
#include "wizard/application/ApplicationSelection.h"

namespace veritom::test {
namespace {

using Next = CApplicationSelection::Next;
using Outcome = CApplicationSelection::Outcome;

const char* kGeneralPurposeText =
    "Solenoid valves for air, inert gases, water, light oils and similar media in ordinary "
    "industrial service.";

class ApplicationSelection : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_db.IsOpen()); }

    MessageRecorder m_recorder;
    CStepDatabase m_db{"EN"};
};

std::vector<std::string> Texts(const CApplicationSelection& selection) {
    std::vector<std::string> texts;
    for (const auto& application : selection.GetListed()) {
        texts.push_back(application.text);
    }
    return texts;
}

CProd_ValveData WithApplication(CProd_ValveData r, const char* category, const char* link,
                                const char* text) {
    r.m_AppCategoryLink = std::string(category);
    r.m_AppTypeLink = std::string(link);
    r.m_ApplicationTypeVAL = std::string(text);
    return r;
}

TEST_F(ApplicationSelection, CategoriesTheValveTypeOffers) {
    const std::vector<std::string> speciality2NC = {
        "Steam and Hot Water", "High Pressure Gas and Liquid", "Fuel Gas Safety Shutoff",
        "Proportional Flow Control, Gases", "Proportional Flow Control, Liquids"};
    struct Case {
        const char* what;
        CProd_ValveData record;
        bool generalPurposeAvailable;
        bool specialityAvailable;
        std::string category;
        std::vector<std::string> listed;
        int selected;
        std::string description;
    };
    const std::vector<Case> cases = {
        {"both offered, fresh: general purpose without a list",
         ValveType("2W", "2NC", "NOOPT"),
         true,
         true,
         "GenPurp",
         {},
         -1,
         kGeneralPurposeText},
        {"both offered, a speciality stored",
         WithApplication(ValveType("2W", "2NC", "NOOPT"), "Specialty", "HIPRESS",
                         "High Pressure Gas and Liquid"),
         true, true, "Specialty", speciality2NC, 1,
         "Direct acting stainless steel valves for pressure differentials up to 1500 psi."},
        {"a stored speciality the list lacks: the first",
         WithApplication(ValveType("2W", "2NC", "NOOPT"), "Specialty", "GONE", "Gone"), true, true,
         "Specialty", speciality2NC, 0, ""},
        {"only speciality, fresh",
         ValveType("2W", "2NC", "MR"),
         false,
         true,
         "Specialty",
         {"Fuel Gas Safety Shutoff"},
         0,
         ""},
        {"only general purpose, a speciality stored",
         WithApplication(ValveType("2W", "2NO", "NOOPT"), "Specialty", "STEAM",
                         "Steam and Hot Water"),
         true,
         false,
         "GenPurp",
         {},
         -1,
         kGeneralPurposeText},
        {"no application at all",
         ValveType("9W", "9XX", "NOOPT"),
         false,
         false,
         "GenPurp",
         {},
         -1,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CApplicationSelection selection(m_db.Db(), c.record);
        selection.Load();
        EXPECT_EQ(selection.IsGeneralPurposeAvailable(), c.generalPurposeAvailable);
        EXPECT_EQ(selection.IsSpecialityAvailable(), c.specialityAvailable);
        EXPECT_EQ(selection.GetCategory(), c.category);
        EXPECT_EQ(selection.IsListEnabled(), !c.listed.empty());
        EXPECT_EQ(Texts(selection), c.listed);
        EXPECT_EQ(selection.GetSelectedIndex(), c.selected);
        if (!c.description.empty()) {
            EXPECT_EQ(selection.GetDescription(), c.description);
        }
        if (c.category == "Specialty" && c.selected >= 0) {
            EXPECT_EQ(selection.GetDescription(),
                      selection.GetListed()[static_cast<std::size_t>(c.selected)].description);
        }
    }
}

// The description shown is the chosen application's: for general purpose the one the step
// takes (the catalogue's last general purpose row), never another row's.
TEST_F(ApplicationSelection, DescriptionIsTheChosenApplications) {
    CStepDatabase twoRows(
        "EN",
        "INSERT INTO Application (AppTypeLink, AppCategoryLink, SelMethodCode, AppOrder, "
        "RefLink, FluidCompatFile, FluidCompatPage, AppTypeLinkText, AppTypeStaticText, "
        "AppInfoText) VALUES ('GP2', 'GenPurp', 1, 99, '', '', '', 'General Purpose, Second', "
        "'The second description.', '');"
        "INSERT INTO AppSeries (AppTypeLink, SeriesLink) VALUES ('GP2', 'K20');");
    CApplicationSelection selection(twoRows.Db(), ValveType("2W", "2NC", "NOOPT"));
    selection.Load();
    EXPECT_EQ(selection.GetDescription(), "The second description.");
    ASSERT_EQ(selection.Accept(), Next::KnownParameters);
    EXPECT_EQ(selection.WorkingRecord().m_AppTypeLink.Value(), "GP2");
    EXPECT_EQ(selection.WorkingRecord().m_AppTypeStaticText.Value(), "The second description.");
}

TEST_F(ApplicationSelection, RadioButtonsSwitchTheCategory) {
    CApplicationSelection selection(m_db.Db(), ValveType("2W", "2NC", "NOOPT"));
    selection.Load();
    EXPECT_FALSE(selection.ChooseGeneralPurpose());  // already
    EXPECT_TRUE(selection.ChooseSpeciality());
    EXPECT_EQ(selection.GetCategory(), "Specialty");
    EXPECT_EQ(selection.GetSelectedIndex(), 0);
    EXPECT_EQ(selection.GetDescription(), selection.GetListed()[0].description);
    EXPECT_TRUE(selection.Select(3));
    EXPECT_EQ(selection.GetDescription(), selection.GetListed()[3].description);
    EXPECT_FALSE(selection.Select(5));
    EXPECT_TRUE(selection.ChooseGeneralPurpose());
    EXPECT_TRUE(selection.GetListed().empty());
    EXPECT_EQ(selection.GetSelectedIndex(), -1);
    EXPECT_FALSE(selection.Select(0));
    EXPECT_EQ(selection.GetDescription(), kGeneralPurposeText);

    // A category the valve type does not offer cannot be chosen.
    CApplicationSelection onlyGeneral(m_db.Db(), ValveType("2W", "2NO", "NOOPT"));
    onlyGeneral.Load();
    EXPECT_FALSE(onlyGeneral.ChooseSpeciality());
    EXPECT_TRUE(onlyGeneral.IsGeneralPurpose());
}

TEST_F(ApplicationSelection, OkLeadsToTheMethodDialog) {
    struct Case {
        const char* what;
        CProd_ValveData record;
        int pick;  // speciality list index, -1: none
        Next next;
        int method;
        bool changed;
    };
    CProd_ValveData storedGeneral = GeneralPurpose();
    storedGeneral.m_SelMethodCode = 1;
    CProd_ValveData storedSteam = WithApplication(ValveType("2W", "2NC", "NOOPT"), "Specialty",
                                                  "STEAM", "Steam and Hot Water");
    const std::vector<Case> cases = {
        {"general purpose, fresh", ValveType("2W", "2NC", "NOOPT"), -1, Next::KnownParameters, 1,
         true},
        {"general purpose again", storedGeneral, -1, Next::KnownParameters, 1, false},
        {"steam again", storedSteam, 0, Next::KnownParameters, 1, false},
        {"proportional gas", storedSteam, 3, Next::ValveSize, 2, true},
        {"no application at all", ValveType("9W", "9XX", "NOOPT"), -1, Next::Beep, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CApplicationSelection selection(m_db.Db(), c.record);
        selection.Load();
        if (c.pick >= 0) {
            ASSERT_TRUE(selection.Select(c.pick));
        }
        EXPECT_EQ(selection.Accept(), c.next);
        if (c.next == Next::Beep) {
            continue;
        }
        EXPECT_EQ(selection.GetMethodCode(), c.method);
        EXPECT_EQ(selection.IsChanged(), c.changed);
        EXPECT_EQ(selection.WorkingRecord().m_SelMethodCode.Value(), c.method);
        EXPECT_EQ(selection.WorkingRecord().m_AppCategoryLink.Value(), selection.GetCategory());
    }
}

// Another application starts the operating parameters afresh; the same one keeps them.
TEST_F(ApplicationSelection, AnotherApplicationResetsTheParameters) {
    CProd_ValveData record = GeneralPurpose();
    record.m_App_MOPDVAL.Set(50, "BAR");
    record.m_FluidLink = std::string("WATER");
    record.m_MethodLink = 1;

    CApplicationSelection same(m_db.Db(), record);
    same.Load();
    ASSERT_EQ(same.Accept(), Next::KnownParameters);
    EXPECT_EQ(same.WorkingRecord().m_App_MOPDVAL.Value(), 50);
    EXPECT_EQ(same.WorkingRecord().m_FluidLink.Value(), "WATER");

    CApplicationSelection other(m_db.Db(), record);
    other.Load();
    ASSERT_TRUE(other.ChooseSpeciality());
    ASSERT_EQ(other.Accept(), Next::KnownParameters);
    EXPECT_EQ(other.WorkingRecord().m_App_MOPDVAL.Value(), 100);
    EXPECT_EQ(other.WorkingRecord().m_App_MOPDVAL.Unit(), "PSIG");
    EXPECT_EQ(other.WorkingRecord().m_FluidLink.Value(), "");
    EXPECT_EQ(other.WorkingRecord().m_MethodLink, 0);
    EXPECT_EQ(other.WorkingRecord().m_FuncLink.Value(), "2W");
    EXPECT_EQ(other.WorkingRecord().m_ApplicationTypeVAL.Value(), "Steam and Hot Water");
}

// An application the catalogue gives no method for keeps the method the record has.
TEST(ApplicationSelectionMethod, MissingMethodKeepsTheRecords) {
    MessageRecorder recorder;
    CStepDatabase db("EN", ReplaceQuery("qValveSelMethodCode",
                                        "SELECT 1 AS SelMethodCode WHERE :parAppTypeLink IS NULL "
                                        "AND :parAppCategoryLink IS NULL"));
    for (int stored : {1, 2, 0}) {
        CProd_ValveData record = ValveType("2W", "2NC", "NOOPT");
        record.m_SelMethodCode = stored;
        CApplicationSelection selection(db.Db(), record);
        selection.Load();
        const Next next = selection.Accept();
        EXPECT_EQ(selection.GetMethodCode(), stored);
        EXPECT_EQ(next, stored == 1   ? Next::KnownParameters
                        : stored == 2 ? Next::ValveSize
                                      : Next::Beep);
    }
}

TEST_F(ApplicationSelection, MethodDialogResultEndsTheStep) {
    struct Case {
        const char* what;
        bool sameApplication;
        int methodResult;
        Outcome outcome;
    };
    const std::vector<Case> cases = {
        {"parameters confirmed", true, IDOK, Outcome::Ok},
        {"another application confirmed", false, IDOK, Outcome::Ok},
        {"nothing changed anywhere", true, IDUNCHANGED, Outcome::Unchanged},
        {"unchanged parameters of another application", false, IDUNCHANGED, Outcome::StayOpen},
        {"method dialog cancelled", true, IDCANCEL, Outcome::StayOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CProd_ValveData record = GeneralPurpose();
        if (!c.sameApplication) {
            record.m_ApplicationTypeVAL = std::string("Something Else");
        }
        CApplicationSelection selection(m_db.Db(), record);
        selection.Load();
        ASSERT_EQ(selection.Accept(), Next::KnownParameters);
        CProd_ValveData answered = selection.WorkingRecord();
        answered.m_FluidVAL = std::string("Water");
        answered.m_SelMethodCode = 7;
        EXPECT_EQ(selection.Conclude(c.methodResult, answered), c.outcome);
        if (c.outcome == Outcome::Ok) {
            EXPECT_EQ(selection.Result().m_FluidVAL.Value(), "Water");
            EXPECT_EQ(selection.Result().m_SelMethodCode.Value(), 1);
        }
    }
}

}  // namespace
}  // namespace veritom::test
