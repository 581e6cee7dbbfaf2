// The catalogue is coherent enough for the wizard to reach part numbers by either method, and
// rich enough that every message and branch the program has can be reached.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "MessageRecorder.h"
#include "StagedDatabase.h"
#include "data/Recordset.h"

namespace veritom::test {
namespace {

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CStagedDatabase::Exists("EN") && CStagedDatabase::Exists("DE"));
        ASSERT_TRUE(m_en.IsOpen() && m_de.IsOpen());
    }
    std::vector<Row> Run(const std::string& query, const Params& params = {}) {
        return RunQuery(m_en.Db(), query, params);
    }

    MessageRecorder m_recorder;
    CStagedDatabase m_en{"EN"};
    CStagedDatabase m_de{"DE"};
};

Params P(std::initializer_list<std::pair<const char*, ParamValue>> list) {
    Params params;
    for (const auto& [name, value] : list) {
        params.emplace_back(name, value);
    }
    return params;
}

Params Text3(const std::string& func, const std::string& pattern, const std::string& option) {
    return P(
        {{"[parFuncLink]", func}, {"[parFloPatLink]", pattern}, {"[parFloPatOptLink]", option}});
}

std::string Link(const Row& row, const char* field) {
    return Text(row, field);
}

TEST_F(Catalogue, EveryValveTypeHasPatternsAndOptionRowsOfEveryShape) {
    int noOptionOnly = 0;
    int withNoOptionRow = 0;
    int realOptionsOnly = 0;
    for (const Row& func : Run("qFunctionType")) {
        const auto patterns = Run("qFlowPattern", P({{"[parFuncLink]", Link(func, "FuncLink")}}));
        EXPECT_FALSE(patterns.empty()) << Link(func, "FuncLink");
        for (const Row& pattern : patterns) {
            const auto options =
                Run("qFlowPatternOpt", P({{"[parFuncLink]", Link(func, "FuncLink")},
                                          {"[parFloPatLink]", Link(pattern, "FloPatLink")}}));
            ASSERT_FALSE(options.empty()) << Link(pattern, "FloPatLink");
            int noOption = 0;
            for (const Row& option : options) {
                noOption += Link(option, "FloPatOptLink") == "NOOPT" ? 1 : 0;
            }
            noOptionOnly += noOption == 1 && options.size() == 1 ? 1 : 0;
            withNoOptionRow += noOption == 1 && options.size() > 1 ? 1 : 0;
            realOptionsOnly += noOption == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(noOptionOnly, 0);
    EXPECT_GT(withNoOptionRow, 0);
    EXPECT_GT(realOptionsOnly, 0);
}

// Every valve type offers an application; every application has method 1 or 2; both methods
// and every availability of the two categories occur.
TEST_F(Catalogue, ApplicationsOfEveryValveTypeHaveAMethod) {
    std::set<std::string> availability;
    std::set<int> methods;
    for (const Row& func : Run("qFunctionType")) {
        for (const Row& pattern :
             Run("qFlowPattern", P({{"[parFuncLink]", Link(func, "FuncLink")}}))) {
            for (const Row& option :
                 Run("qFlowPatternOpt", P({{"[parFuncLink]", Link(func, "FuncLink")},
                                           {"[parFloPatLink]", Link(pattern, "FloPatLink")}}))) {
                const Params type = Text3(Link(func, "FuncLink"), Link(pattern, "FloPatLink"),
                                          Link(option, "FloPatOptLink"));
                std::string categories;
                for (const Row& category : Run("qApplications_Available", type)) {
                    const std::string link = Link(category, "AppCategoryLink");
                    categories += link + " ";
                    const auto apps =
                        Run("qApplications", type + P({{"[parBMaterialLink]", std::string("ALL")},
                                                       {"[parAppCategoryLink]", link}}));
                    EXPECT_FALSE(apps.empty());
                    for (const Row& app : apps) {
                        const auto code = Run("qValveSelMethodCode",
                                              P({{"[parAppTypeLink]", Link(app, "AppTypeLink")},
                                                 {"[parAppCategoryLink]", link}}));
                        ASSERT_EQ(code.size(), 1u);
                        const int method = static_cast<int>(Number(code[0], "SelMethodCode"));
                        EXPECT_TRUE(method == 1 || method == 2) << Link(app, "AppTypeLink");
                        methods.insert(method);
                    }
                }
                EXPECT_FALSE(categories.empty()) << Link(pattern, "FloPatLink");
                availability.insert(categories);
            }
        }
    }
    EXPECT_EQ(methods, (std::set<int>{1, 2}));
    EXPECT_EQ(availability,
              (std::set<std::string>{"GenPurp ", "Specialty ", "GenPurp Specialty "}));
}

// The message keys the Parts use, in both languages, with texts of their own.
TEST_F(Catalogue, EveryMessageKeyHasATextInBothLanguages) {
    for (const char* key :
         {"OpEnvironment",     "NONSTD",         "RapidSelCount0", "WarningVAL",
          "CompInterch",       "RapidSel",       "NoRecordSel",    "NoRecordsPass",
          "NoMoreInfo",        "ValvesNotAvail", "NullCheck",      "PressDiffCheck",
          "MOPDToHigh",        "MinOPDToLow",    "NoRecordSet",    "NullCheck2",
          "OtherMedia_Sizing", "TempTooHigh",    "MIPToHigh",      "FloFacToHigh",
          "VolFlowToHigh",     "PositiveCheck2"}) {
        const Params param = P({{"[parMessageLink]", std::string(key)}});
        const auto en = RunQuery(m_en.Db(), "qGetMessages", param);
        const auto de = RunQuery(m_de.Db(), "qGetMessages", param);
        ASSERT_EQ(en.size(), 1u) << key;
        ASSERT_EQ(de.size(), 1u) << key;
        EXPECT_FALSE(Text(en[0], "MessageLinkText").empty()) << key;
        EXPECT_NE(Text(en[0], "MessageLinkText"), Text(de[0], "MessageLinkText")) << key;
    }
}

// Every picture a choice names is stored as a well-formed 24-bit BMP file.
TEST_F(Catalogue, EveryPictureNamedIsAStoredBitmap) {
    IRecordset names(m_en.Db());
    names.Open(OpenType::Dynaset,
               "SELECT FloPatPic FROM FlowPattern UNION SELECT TermPic FROM Termination "
               "UNION SELECT EnclosePic FROM Enclosure WHERE EnclosePic <> '' "
               "UNION SELECT ImageName FROM RapidSeriesType",
               kOpenReadOnly);
    int count = 0;
    for (; !names.IsEOF(); names.MoveNext(), ++count) {
        const std::string name = names.GetString(0);
        const auto image = Run("qGetImage", P({{"[parImageName]", name}}));
        ASSERT_EQ(image.size(), 1u) << name;
        const ByteArray* bytes = image[0].at("Image").Get<ByteArray>();
        ASSERT_NE(bytes, nullptr) << name;
        ASSERT_GT(bytes->size(), 54u) << name;
        const auto le32 = [&](size_t at) {
            std::uint32_t v = 0;
            std::memcpy(&v, bytes->data() + at, 4);
            return v;
        };
        EXPECT_EQ((*bytes)[0], 'B');
        EXPECT_EQ((*bytes)[1], 'M');
        EXPECT_EQ(le32(2), bytes->size()) << name;
        EXPECT_EQ(le32(10), 54u);
        EXPECT_GT(le32(18), 0u);
        EXPECT_GT(le32(22), 0u);
        EXPECT_EQ((*bytes)[28], 24);
    }
    EXPECT_GE(count, 10);
}

// A selection by catalog data, step by step with the first or default answer, reaches part
// numbers of valves that passed the check.
TEST_F(Catalogue, MethodOneByCatalogDataReachesPartNumbers) {
    const Params type = Text3("2W", "2NC", "NOOPT");
    const Params app = P({{"[parAppTypeLink]", std::string("GP")},
                          {"[parAppCategoryLink]", std::string("GenPurp")}});
    const auto fluids = Run("qFluid_Compatibility_Seal_AND_Body_Material",
                            type + app +
                                P({{"[parFluidStateLink]", std::string("LIQ")},
                                   {"[parComFluidLink]", std::string("1")}}));
    std::string fluid;
    for (const Row& row : fluids) {
        if (Number(row, "CategoryDefault") != 0 && fluid.empty()) {
            fluid = Link(row, "FluidLink");
        }
    }
    ASSERT_EQ(fluid, "WATER");
    const Params common = type + app +
                          P({{"[parFluidStateLink]", std::string("LIQ")},
                             {"[parFluidLink]", fluid},
                             {"[parConSizeLink]", std::string("08")},
                             {"[parMOPDValue]", 100.0f},
                             {"[parChkBx_MIP]", std::int16_t{0}},
                             {"[parMIPValue]", 100.0f},
                             {"[parMinOPDValue]", 10.0f}});
    const auto passed = Run("qValves_Pass_Known_Op_Param", common);
    ASSERT_FALSE(passed.empty());

    std::string voltage;
    for (const Row& row : Run("qSolenoids_Pass1_SelMeth1_Param_Complete", common)) {
        if (Link(row, "AcDcLink") == "AC" && Number(row, "VoltDefault") == 1) {
            voltage = Link(row, "VoltLink");
        }
    }
    ASSERT_EQ(voltage, "120A6");
    const Params electrical =
        common + P({{"[parAcDcLink]", std::string("AC")}, {"[parVoltLink]", voltage}});
    const auto environments = Run("qOpEnvironment_SelMeth1_Param", electrical);
    std::set<std::string> places;
    for (const Row& row : environments) {
        places.insert(Link(row, "OpEnvLink"));
    }
    EXPECT_EQ(places, (std::set<std::string>{"ORD", "HAZ"}));
    const Params located = electrical + P({{"[parOpEnvLink]", std::string("ORD")}});
    const auto constructions = Run("qSolConst_SelMeth1_Param", located);
    ASSERT_FALSE(constructions.empty());
    const Params built =
        located + P({{"[parSolConstLink]", Link(constructions[0], "SolConstLink")}});
    const auto terminations = Run("qTerminations_SelMeth1_Param", built);
    ASSERT_FALSE(terminations.empty());
    const Params terminated = built + P({{"[parTermLink]", Link(terminations[0], "TermLink")}});
    const auto enclosures = Run("qEnclosures_SelMeth1_Param", terminated);
    ASSERT_FALSE(enclosures.empty());

    const Params list = terminated + P({{"[parEncloseLink]", Link(enclosures[0], "EncloseLink")},
                                        {"[parFluidCategoryLink]", std::string("WATER")},
                                        {"[parBMaterialLink2]", std::string("ALL")},
                                        {"[parSMaterialLink]", std::string("ALL")},
                                        {"[parFlowFactorLink]", std::string("Cv")},
                                        {"[parFlowFacValue_Low]", 0.0f},
                                        {"[parConTypeLink]", std::string("ALL")},
                                        {"[parActLink]", std::string("ALL")},
                                        {"[parMaxOperFluidTemp]", 100.0f},
                                        {"[parMinOperFluidTemp]", 100.0f},
                                        {"[parMaxInletPressure]", 100.0f},
                                        {"[parApprovLink]", std::string("ALL")},
                                        {"[parCoilClsLink]", std::string("ALL")}});
    const auto parts = Run("qSel_PN_PNDisplay_Param", list);
    ASSERT_FALSE(parts.empty());
    std::set<std::string> valves;
    for (const Row& row : passed) {
        valves.insert(Link(row, "ValveNumberLink") + Link(row, "SufxLink"));
    }
    for (const Row& part : parts) {
        const std::string pn = Link(part, "CompletePN");
        EXPECT_EQ(valves.count(Link(part, "ValveNumberLink") + Link(part, "SufxLink")), 1u) << pn;
        EXPECT_NE(pn.find("-120A6"), std::string::npos) << pn;
        EXPECT_GE(Number(part, "MOPD"), 100.0);
    }
}

// Valve size information (proportional valves) reaches part numbers with the signal chosen.
TEST_F(Catalogue, MethodTwoReachesPartNumbersWithTheSignalChosen) {
    const auto signals = Run("qControlSig");
    ASSERT_GE(signals.size(), 2u);
    const Row& signal = signals[1];
    const Params check =
        Text3("2W", "2NC", "NOOPT") + P({{"[parAppTypeLink]", std::string("PROPLIQ")},
                                         {"[parChkBx_MIP]", std::int16_t{1}},
                                         {"[parMIPValue]", 100.0f},
                                         {"[parChkBx_VolFlow]", std::int16_t{1}},
                                         {"[parVolFlowValue]", 20000.0f},
                                         {"[parChkBx_ControlSig]", std::int16_t{1}},
                                         {"[parControlSigLink]", Link(signal, "ControlSigLink")},
                                         {"[parChkBx_FloFacValue]", std::int16_t{1}},
                                         {"[parFloFacValue]", 1.5f}});
    ASSERT_FALSE(Run("qValves_Pass_SelMethod2", check).empty());
    const auto parts = Run("qSel_PN_PNDisplay_SelMeth2",
                           check + P({{"[parFluidCategoryLink]", std::string("NA")},
                                      {"[parBMaterialLink2]", std::string("ALL")},
                                      {"[parSMaterialLink]", std::string("ALL")},
                                      {"[parFlowFactorLink]", std::string("Kv")},
                                      {"[parFlowFacValue_Low]", 0.0f},
                                      {"[parConTypeLink]", std::string("ALL")},
                                      {"[parActLink]", std::string("ALL")},
                                      {"[parMaxOperFluidTemp]", 100.0f},
                                      {"[parMinOperFluidTemp]", 100.0f},
                                      {"[parMaxInletPressure]", 100.0f},
                                      {"[parControlSigLink2]", std::string("ALL")}}));
    ASSERT_FALSE(parts.empty());
    for (const Row& part : parts) {
        EXPECT_EQ(Text(part, "ControlSigText"), Text(signal, "ControlSigText"));
        // Shown in the kind chosen: Kv = 14.28 Cv, and every part reaches 1.5 Cv.
        EXPECT_GE(Number(part, "FlowFacValue"), 1.5 * 14.28 - 1e-6);
    }
}

// With the coil left open, a calculated-size selection of a general purpose valve offers more
// than 10,000 candidates, so the part number step asks before listing them.
TEST_F(Catalogue, AnApplicationWithoutSolenoidYieldsOverTenThousandCandidates) {
    const auto cv = Run("qFlowRate_Calc_Liq", P({{"[parFluidStateLink]", std::string("LIQ")},
                                                 {"[parFluidLink]", std::string("WATER")},
                                                 {"[parMOPDValue]", 25.0f},
                                                 {"[parUserFlowRate_GPM]", 0.25f}}));
    ASSERT_EQ(cv.size(), 1u);
    const float calculated = static_cast<float>(Number(cv[0], "CalcCv"));
    const Params list =
        Text3("2W", "2NC", "NOOPT") + P({{"[parAppTypeLink]", std::string("GP")},
                                         {"[parAppCategoryLink]", std::string("GenPurp")},
                                         {"[parFluidCategoryLink]", std::string("WATER")},
                                         {"[parChkBx_MIP]", std::int16_t{0}},
                                         {"[parMIPValue]", 100.0f},
                                         {"[parFluidStateLink]", std::string("LIQ")},
                                         {"[parFluidLink]", std::string("WATER")},
                                         {"[parMOPDValue]", 25.0f},
                                         {"[parMxOpFldTemp]", 100.0f},
                                         {"[parCalcCv]", calculated},
                                         {"[parBMaterialLink2]", std::string("ALL")},
                                         {"[parSMaterialLink]", std::string("ALL")},
                                         {"[parFlowFactorLink]", std::string("Cv")},
                                         {"[parFlowFacValue_Low]", 0.0f},
                                         {"[parConTypeLink]", std::string("ALL")},
                                         {"[parActLink]", std::string("ALL")},
                                         {"[parMaxOperFluidTemp]", 100.0f},
                                         {"[parMinOperFluidTemp]", 100.0f},
                                         {"[parMaxInletPressure]", 100.0f}});
    const auto en = Column(m_en.Db(), "qSel_PN_PNDisplay_Sizing_NoSol", list, "CompletePN");
    EXPECT_GT(en.size(), 10000u);
    // Links, numbers and part numbers are the same in both languages.
    EXPECT_EQ(Column(m_de.Db(), "qSel_PN_PNDisplay_Sizing_NoSol", list, "CompletePN"), en);
}

// A filter keeps one option per order value, so two links never share an order.
TEST_F(Catalogue, FilterOptionOrdersIdentifyTheirLinks) {
    const auto options =
        Run("qSel_PN_PNDisplay_Sizing_NoSol_ALLSelect",
            Text3("2W", "2NC", "NOOPT") + P({{"[parAppTypeLink]", std::string("GP")},
                                             {"[parAppCategoryLink]", std::string("GenPurp")},
                                             {"[parFluidCategoryLink]", std::string("WATER")},
                                             {"[parChkBx_MIP]", std::int16_t{0}},
                                             {"[parMIPValue]", 100.0f},
                                             {"[parFluidStateLink]", std::string("LIQ")},
                                             {"[parFluidLink]", std::string("WATER")},
                                             {"[parMOPDValue]", 25.0f},
                                             {"[parMxOpFldTemp]", 100.0f},
                                             {"[parCalcCv]", 0.05f}}));
    ASSERT_FALSE(options.empty());
    const std::vector<std::pair<std::string, std::string>> filters = {
        {"BMaterialLink2", "BMaterialLinkOrder"}, {"SMaterialLink", "SMaterialLinkOrder"},
        {"ConTypeLink", "ConTypeLinkOrder"},      {"ActLink", "ActLinkOrder"},
        {"CoilClsLink", "CoilClsLinkOrder"},      {"ApprovLink", "ApprovLinkOrder"}};
    for (const auto& [link, order] : filters) {
        std::map<double, std::set<std::string>> linksByOrder;
        for (const Row& row : options) {
            linksByOrder[Number(row, order)].insert(Text(row, link));
        }
        EXPECT_GT(linksByOrder.size(), 1u) << link;
        for (const auto& [value, links] : linksByOrder) {
            EXPECT_EQ(links.size(), 1u) << link << " order " << value;
        }
    }
}

struct FailedCheck {
    std::string message;  // the key the dialog shows
    std::string passQuery;
    Params passParams;
    std::string limitQuery;
    Params limitParams;
    std::string limitField;
    double entered;
    bool limitBelowEntered;  // MinOPDToLow: the limit is above what was entered
};

// Each failure message of the method dialogs is reachable: the check finds no valve and the
// limit query explains why.
TEST_F(Catalogue, EveryCheckMessageCanBeReached) {
    const Params limits = P({{"[parAppTypeLink]", std::string("GP")},
                             {"[parFluidLink]", std::string("WATER")},
                             {"[parFluidStateLink]", std::string("LIQ")},
                             {"[parAppCategoryLink]", std::string("GenPurp")}});
    const auto catalog = [&](const Params& type, float mopd, float minOpd, std::int16_t mipTicked,
                             float mip) {
        return type + limits +
               P({{"[parConSizeLink]", std::string("ALL")},
                  {"[parMOPDValue]", mopd},
                  {"[parChkBx_MIP]", mipTicked},
                  {"[parMIPValue]", mip},
                  {"[parMinOPDValue]", minOpd}});
    };
    const auto sizing = [&](float temperature) {
        return Text3("2W", "2NC", "NOOPT") + limits +
               P({{"[parMOPDValue]", 25.0f},
                  {"[parChkBx_MIP]", std::int16_t{0}},
                  {"[parMIPValue]", 100.0f},
                  {"[parCalcCv]", 0.05f},
                  {"[parMxOpFldTemp]", temperature}});
    };
    const Params proportional =
        Text3("2W", "2NC", "NOOPT") + P({{"[parAppTypeLink]", std::string("PROPGAS")}});
    const auto method2 = [&](std::int16_t flowTicked, float flow, std::int16_t volumeTicked,
                             float volume, std::int16_t mipTicked, float mip) {
        return proportional + P({{"[parChkBx_MIP]", mipTicked},
                                 {"[parMIPValue]", mip},
                                 {"[parChkBx_VolFlow]", volumeTicked},
                                 {"[parVolFlowValue]", volume},
                                 {"[parChkBx_ControlSig]", std::int16_t{0}},
                                 {"[parControlSigLink]", std::string("V010")},
                                 {"[parChkBx_FloFacValue]", flowTicked},
                                 {"[parFloFacValue]", flow}});
    };
    const Params gpType = Text3("2W", "2NC", "NOOPT");
    const Params fourWay = Text3("4W", "4SR", "IP");
    const std::vector<FailedCheck> cases = {
        {"MOPDToHigh", "qValves_Pass_Known_Op_Param", catalog(gpType, 5000, 10, 0, 100),
         "qTestMOPD", gpType + limits, "MOPDValue", 5000, true},
        {"MinOPDToLow", "qValves_Pass_Known_Op_Param", catalog(fourWay, 100, 10, 0, 100),
         "qTestMinOPD", fourWay + limits, "MinOPDValue", 10, false},
        {"MIPToHigh", "qValves_Pass_Known_Op_Param", catalog(gpType, 10, 10, 1, 5000), "qTestMIP",
         gpType + limits, "MIPValue", 5000, true},
        {"TempTooHigh", "qSelMethod_ValveSizing", sizing(400), "qTempMax", gpType + limits,
         "MaxTemp_F", 400, true},
        {"FloFacToHigh", "qValves_Pass_SelMethod2", method2(1, 100, 0, 0, 0, 0), "qTestFloFacValue",
         proportional + P({{"[parAppCategoryLink]", std::string("Specialty")}}), "FloFacValue", 100,
         true},
        {"VolFlowToHigh", "qValves_Pass_SelMethod2", method2(0, 0, 1, 1e6f, 0, 0), "qTestVolFlow",
         proportional + P({{"[parBMaterialLink]", std::string("ALL")}}), "VolFlowValue", 1e6, true},
        {"MIPToHigh (valve size)", "qValves_Pass_SelMethod2", method2(0, 0, 0, 0, 1, 5000),
         "qTestMIP",
         proportional + P({{"[parFluidStateLink]", std::string("")},
                           {"[parFluidLink]", std::string("")},
                           {"[parAppCategoryLink]", std::string("Specialty")}}),
         "MIPValue", 5000, true},
    };
    for (const FailedCheck& check : cases) {
        SCOPED_TRACE(check.message);
        EXPECT_TRUE(Run(check.passQuery, check.passParams).empty());
        const auto limit = Run(check.limitQuery, check.limitParams);
        ASSERT_EQ(limit.size(), 1u);
        const double value = Number(limit[0], check.limitField);
        if (check.limitBelowEntered) {
            EXPECT_LT(value, check.entered);
        } else {
            EXPECT_GT(value, check.entered);
        }
    }
}

// The fluid list grows when all available fluids are shown: fluids rated only with limits are
// added, and the remaining fluids of the state come as not selectable.
TEST_F(Catalogue, ShowingAllFluidsAddsLimitedAndRemainingFluids) {
    const Params base =
        Text3("4W", "4SR", "IP") + P({{"[parAppTypeLink]", std::string("GP")},
                                      {"[parAppCategoryLink]", std::string("GenPurp")},
                                      {"[parFluidStateLink]", std::string("LIQ")}});
    const auto links = [](const std::vector<Row>& rows) {
        std::set<std::string> set;
        for (const Row& row : rows) {
            set.insert(Text(row, "FluidLink"));
        }
        return set;
    };
    const auto compatible = links(Run("qFluid_Compatibility_Seal_AND_Body_Material",
                                      base + P({{"[parComFluidLink]", std::string("1")}})));
    const auto all = links(Run("qFluid_Compatibility_Seal_AND_Body_Material",
                               base + P({{"[parComFluidLink]", std::string("0")}})));
    EXPECT_EQ(compatible.count("WATER"), 1u);
    EXPECT_EQ(compatible.count("ETHANOL"), 0u);
    EXPECT_EQ(all.count("ETHANOL"), 1u);
    EXPECT_EQ(all.count("SEAWATER"), 0u);

    const Params state = P({{"[parFluidStateLink]", std::string("LIQ")}});
    EXPECT_TRUE(Run("qFluid_Compatibility_Seal_AND_Body_Material_ALL",
                    state + P({{"[parComFluidLink]", std::string("1")}}))
                    .empty());
    const auto remaining = Run("qFluid_Compatibility_Seal_AND_Body_Material_ALL",
                               state + P({{"[parComFluidLink]", std::string("0")}}));
    EXPECT_EQ(links(remaining).count("SEAWATER"), 1u);
    for (const Row& row : remaining) {
        EXPECT_EQ(Number(row, "FluidSelectable"), 0.0);
    }
}

TEST_F(Catalogue, FluidsCoverEveryStateWithOneDefaultAndOneOtherMedium) {
    size_t fluids = 0;
    for (const std::string state : {"GAS", "LIQ", "OIL"}) {
        const auto rows =
            Run("qFluid_Compatibility_Seal_AND_Body_Material_ALL",
                P({{"[parFluidStateLink]", state}, {"[parComFluidLink]", std::string("0")}}));
        fluids += rows.size();
        int defaults = 0;
        for (const Row& row : rows) {
            defaults += Number(row, "CategoryDefault") != 0 ? 1 : 0;
            EXPECT_GT(Number(row, "FluidSpecificGravity"), 0.0);
        }
        EXPECT_EQ(defaults, 1) << state;
        EXPECT_EQ(Run("qOtherMedia", P({{"[parFluidStateLink]", state}})).size(), 1u) << state;
    }
    EXPECT_GE(fluids, 15u);
}

TEST_F(Catalogue, CoilsOfferEightVoltagesWithADefaultPerCurrentAndTheNonStandardEntry) {
    const auto rows =
        Run("qSolenoids_Pass1_SelMeth1_Param_Complete",
            Text3("2W", "2NC", "NOOPT") + P({{"[parAppTypeLink]", std::string("GP")},
                                             {"[parAppCategoryLink]", std::string("GenPurp")},
                                             {"[parFluidStateLink]", std::string("GAS")},
                                             {"[parFluidLink]", std::string("AIR")},
                                             {"[parConSizeLink]", std::string("04")},
                                             {"[parMOPDValue]", 10.0f},
                                             {"[parChkBx_MIP]", std::int16_t{0}},
                                             {"[parMIPValue]", 100.0f},
                                             {"[parMinOPDValue]", 10.0f}}));
    std::set<std::string> voltages;
    std::map<std::string, int> defaults;
    for (const Row& row : rows) {
        voltages.insert(Text(row, "VoltLink"));
        defaults[Text(row, "AcDcLink")] += Number(row, "VoltDefault") == 1 ? 1 : 0;
    }
    EXPECT_GE(voltages.size(), 8u);
    EXPECT_EQ(defaults, (std::map<std::string, int>{{"AC", 1}, {"DC", 1}}));
    const auto nonStandard = Run("qNonStandard");
    ASSERT_EQ(nonStandard.size(), 1u);
    EXPECT_EQ(Text(nonStandard[0], "Link"), "ALL");
}

// The report has a label for every key the record and the program put in the report map.
TEST_F(Catalogue, ReportLabelsCoverEveryReportKey) {
    std::map<std::string, std::string> en;
    std::map<std::string, std::string> de;
    for (const Row& row : RunQuery(m_en.Db(), "qSelRepLabels", {})) {
        en[Text(row, "MapKey")] = Text(row, "FieldLabel");
    }
    for (const Row& row : RunQuery(m_de.Db(), "qSelRepLabels", {})) {
        de[Text(row, "MapKey")] = Text(row, "FieldLabel");
    }
    const char* quantities[] = {"App_FlowRate",         "App_FluidTemp",
                                "Filter_MaxFluidTemp",  "Filter_MinFluidTemp",
                                "App_FlowFactor",       "App_MOPD",
                                "App_MinOPD",           "App_MaxInPressure",
                                "Filter_MaxInletPress", "App_MaxVolumetricFlow",
                                "CalcFlowFactor"};
    std::vector<std::string> keys = {"MethodLink",
                                     "FunctionTypeVAL",
                                     "FuncLink",
                                     "FlowPatternVAL",
                                     "FlowPatLink",
                                     "FlowPatPic",
                                     "FlowPatOptionVAL",
                                     "FlowPatOptLink",
                                     "FlowPatOptSelected",
                                     "BMaterialLinkText",
                                     "BMaterialLink",
                                     "AppCategoryLink",
                                     "AppTypeLink",
                                     "ApplicationTypeVAL",
                                     "AppTypeStaticText",
                                     "SelMethodCode",
                                     "App_PortSizeVAL",
                                     "ConFluidLink",
                                     "App_ControlSigVAL",
                                     "ControlSigLink",
                                     "FluidStateVAL",
                                     "FluidAndStateLink",
                                     "ComFluidLink",
                                     "FluidVAL",
                                     "FluidLink",
                                     "FluidCategoryLink",
                                     "FluidCategoryTextVAL",
                                     "FluidSpecificGravity",
                                     "App_SelMethodVAL",
                                     "OpEnvLink",
                                     "Sol_OpEnvVAL",
                                     "OpEnvStaticText",
                                     "Sol_CurrentVAL",
                                     "VoltLink",
                                     "Sol_VoltageVAL",
                                     "SolConstLink",
                                     "Sol_ConstructionVAL",
                                     "SolConstStaticText",
                                     "TermLink",
                                     "Sol_TerminationVAL",
                                     "TermStaticText",
                                     "TermPic",
                                     "EncloseLink",
                                     "Sol_EnclosureVAL",
                                     "EncloseStaticText",
                                     "EnclosePic",
                                     "PN_CompletePNVAL",
                                     "PN_PNDescriptionVAL",
                                     "PN_AcDcVAL",
                                     "PN_WattageVAL",
                                     "PN_MinOPDVAL",
                                     "PN_ConnectionSizeVAL",
                                     "PN_BodyMaterialVAL",
                                     "PN_SealMaterialVAL",
                                     "PN_FlowFactorVAL",
                                     "PN_ConnectionTypeVAL",
                                     "PN_ActuationVAL",
                                     "PN_CoilClassVAL",
                                     "PN_ApprovalVAL",
                                     "PN_ControlSignalVAL",
                                     "PN_ValveNumberLink",
                                     "PN_SufxLink",
                                     "PN_MaxFluidTempVAL",
                                     "PN_MinFluidTempVAL",
                                     "PN_MaxInletPressVAL",
                                     "PN_OrificeVAL",
                                     "PN_MOPDVAL",
                                     "Filter_FlowFactorVAL",
                                     "Filter_FlowFactorUnitVAL",
                                     "Filter_BodyMaterialVAL",
                                     "Filter_SealMaterialVAL",
                                     "Filter_ConnectionTypeVAL",
                                     "Filter_ActuationVAL",
                                     "Filter_ControlInputSigVAL",
                                     "Filter_CoilTempClassVAL",
                                     "Filter_AgencyApprovalVAL",
                                     "PN_FlowFactorUnitVAL",
                                     "App_ChkBx_MIPVAL",
                                     "App_ChkBx_VolFlowVAL",
                                     "App_ChkBx_ControlSigVAL",
                                     "App_ChkBx_FloFacValueVAL",
                                     "GRAPHICSPATH",
                                     "WarningVAL",
                                     "SoftwareVersionVAL",
                                     "ReportDateVAL"};
    for (const char* quantity : quantities) {
        keys.push_back(std::string(quantity) + "VAL");
        keys.push_back(std::string(quantity) + "UnitVAL");
    }
    for (const std::string& key : keys) {
        EXPECT_FALSE(en[key].empty()) << key;
        EXPECT_FALSE(de[key].empty()) << key;
    }
    EXPECT_TRUE(en.at("PN_FlowFactor_Low_**NOT USED").empty());
}

// The Solenoid step's summary puts the current after the voltage text, so a voltage text names
// no current; where a voltage is shown apart from its current (descriptions, the tools'
// voltage lists) it carries it once, as the summary does.
TEST_F(Catalogue, AVoltageNamesItsCurrentOnce) {
    const std::set<std::string> currentWords = {
        "AC", "DC", "Gleichspannung", "Wechselspannung", "Gleichstrom", "Wechselstrom"};
    for (CStagedDatabase* staged : {&m_en, &m_de}) {
        IRecordset rs(staged->Db());
        rs.Open(OpenType::Dynaset,
                "SELECT v.VoltLinkText, c.AcDcText, w.VoltText FROM Voltage v "
                "JOIN CurrentType c ON c.AcDcLink = v.AcDcLink "
                "JOIN VoltageWithCurrent w ON w.VoltLink = v.VoltLink",
                kOpenReadOnly);
        int voltages = 0;
        for (; !rs.IsEOF(); rs.MoveNext(), ++voltages) {
            const std::string text = rs.GetString(0);
            std::size_t start = 0;
            while (start < text.size()) {
                const std::size_t end = std::min(text.find_first_of(" /,", start), text.size());
                EXPECT_EQ(currentWords.count(text.substr(start, end - start)), 0u) << text;
                start = end + 1;
            }
            EXPECT_EQ(rs.GetString(2), text + " " + rs.GetString(1));
        }
        EXPECT_GE(voltages, 10) << staged->GetLanguageCode();
    }
}

// Every information page category of the menus names a file the program can open.
TEST_F(Catalogue, InformationPagesNameTheirFiles) {
    for (const std::string category :
         {"Contacting Veldor", "Veldor Locations", "License Agreement", "Help", "Reference",
          "Product Support", "Offer of Sale", "Products", "Related Products", "HELP"}) {
        for (CStagedDatabase* staged : {&m_en, &m_de}) {
            IRecordset rs(staged->Db());
            rs.Open(OpenType::Dynaset,
                    "SELECT * FROM RefHelpNames WHERE Category = '" + category + "'",
                    kOpenReadOnly);
            ASSERT_FALSE(rs.IsEOF()) << category;
            const std::string file = rs.GetString(1);
            const std::string ending = file.size() > 3 ? file.substr(file.size() - 3) : "";
            const bool help = category == "Help" || category == "HELP";
            EXPECT_EQ(ending, help ? "hlp" : "pdf") << category << ": " << file;
        }
    }
}

TEST_F(Catalogue, InterchangeAnswersWithAndWithoutVoltages) {
    const auto competitors = Run("qTool_Interchange_Competitors");
    ASSERT_GE(competitors.size(), 3u);
    std::set<std::string> prefixes;
    bool lineWithoutVoltages = false;
    for (const Row& competitor : competitors) {
        const Params who = P({{"[parCompttrLink]", Text(competitor, "CompttrLink")}});
        const auto parts = Run("qTool_Interchange_CompPN", who);
        ASSERT_FALSE(parts.empty()) << Text(competitor, "CompttrLink");
        for (const Row& part : parts) {
            prefixes.insert(Text(part, "CompttrPrefix"));
            EXPECT_EQ(Text(part, "CompleteCompttrPN"), Text(part, "CompttrPrefix") +
                                                           Text(part, "CompttrPN") +
                                                           Text(part, "CompttrSuffix"));
            const Params key =
                who + P({{"[parCompttrPrefixLink]", Text(part, "CompttrPrefixLink")},
                         {"[parCompttrPN]", Text(part, "CompttrPN")},
                         {"[parCompttrSuffixLink]", Text(part, "CompttrSuffixLink")}});
            const auto lines = Run("qTool_Interchange_VeldorProdLine", key);
            ASSERT_FALSE(lines.empty()) << Text(part, "CompleteCompttrPN");
            for (const Row& line : lines) {
                const Params division =
                    key + P({{"[parProductLinkIndiv]", Text(line, "ProductLinkIndiv")}});
                const auto voltages = Run("qTool_Interchange_Voltage", division);
                std::string voltage = "NA";
                for (const Row& row : voltages) {
                    if (Number(row, "VoltDefault") == 1 && voltage == "NA") {
                        voltage = Text(row, "VoltCode");
                    }
                }
                lineWithoutVoltages = lineWithoutVoltages || voltages.empty();
                const auto answer = Run("qTool_Interchange_Compttr_PNResult",
                                        division + P({{"[parVoltCode", voltage}}));
                ASSERT_EQ(answer.size(), 1u) << Text(part, "CompleteCompttrPN");
                const std::string pn = Text(answer[0], "CompleteVeldorPN");
                EXPECT_FALSE(Text(answer[0], "DescriptionText").empty());
                EXPECT_EQ(pn.find('-') == std::string::npos, voltages.empty()) << pn;
            }
        }
    }
    EXPECT_GE(prefixes.size(), 3u);
    EXPECT_TRUE(lineWithoutVoltages);
}

TEST_F(Catalogue, TextsDifferBetweenLanguagesWhereLinksAgree) {
    const auto en = RunQuery(m_en.Db(), "qFunctionType", {});
    const auto de = RunQuery(m_de.Db(), "qFunctionType", {});
    ASSERT_EQ(en.size(), de.size());
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_EQ(Text(en[i], "FuncLink"), Text(de[i], "FuncLink"));
        EXPECT_NE(Text(en[i], "FuncLinkText"), Text(de[i], "FuncLinkText"));
    }
    EXPECT_FALSE(Run("qValvesNotAvail").empty());
}

// A number a query writes into a text follows the language's decimal mark; the range's own
// link stays a plain number in both.
TEST_F(Catalogue, NumbersInComposedTextsFollowTheLanguage) {
    const Params entered = {{"[parChkBx_FloFacValue]", std::int16_t{1}},
                            {"[parFlowFactorLink]", std::string("Cv")},
                            {"[parFloFacUnit]", std::string("Cv")},
                            {"[parFloFacValueEntered]", 2.5f}};
    const auto en = RunQuery(m_en.Db(), "qSel_PN_FloFacSel", entered);
    const auto de = RunQuery(m_de.Db(), "qSel_PN_FloFacSel", entered);
    ASSERT_FALSE(en.empty());
    ASSERT_FALSE(de.empty());
    EXPECT_EQ(Text(en[0], "FlowFacRangeText"), "2.50 and above (as entered)");
    EXPECT_EQ(Text(de[0], "FlowFacRangeText"), "ab 2,50 (wie eingegeben)");
    EXPECT_EQ(Text(de[0], "FlowFacValue_Low"), "2.5");
    // Ranges below the value entered are left out.
    for (size_t i = 1; i < en.size(); ++i) {
        EXPECT_GT(std::stod(Text(en[i], "FlowFacValue_Low")), 2.5);
    }
}

}  // namespace
}  // namespace veritom::test
