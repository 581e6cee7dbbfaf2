// Every call site of a stored query: the query opens with exactly the parameters its caller
// sets, in the caller's forms, and every field the caller reads is there in a kind the
// caller's getter accepts, in both languages.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "MessageRecorder.h"
#include "StagedDatabase.h"
#include "data/DaoException.h"
#include "data/QD.h"
#include "data/QueryDef.h"
#include "data/Recordset.h"

namespace veritom::test {
namespace {

// How the caller reads a field: GetString, GetInt/GetLong, GetDouble/GetFloat, or the raw
// bytes of a picture.
enum class Read { String, Int, Number, Bytes };

struct Field {
    std::string name;
    Read read;
};

struct CallSite {
    std::string where;  // the caller, for the test's name
    std::string query;
    Params params;
    std::vector<Field> fields;
    bool yieldsRows = true;  // the sample parameters describe a selection that has answers
};

// Failure output names the call site instead of dumping its bytes.
void PrintTo(const CallSite& site, std::ostream* os) {
    *os << site.where << ": " << site.query;
}

Params T(const std::string& name, const std::string& value) {
    return {{name, value}};
}
Params F(const std::string& name, float value) {
    return {{name, value}};
}
Params S(const std::string& name, std::int16_t value) {
    return {{name, value}};
}

std::vector<Field> Strings(std::initializer_list<const char*> names) {
    std::vector<Field> fields;
    for (const char* name : names) {
        fields.push_back({name, Read::String});
    }
    return fields;
}

using ::veritom::test::operator+;

std::vector<Field> operator+(std::vector<Field> left, const std::vector<Field>& right) {
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// Samples of a real selection: a general purpose 2-way normally closed valve for water.
const Params kValveType =
    T("[parFuncLink]", "2W") + T("[parFloPatLink]", "2NC") + T("[parFloPatOptLink]", "NOOPT");
const Params kApp = T("[parAppTypeLink]", "GP") + T("[parAppCategoryLink]", "GenPurp");
const Params kFluid = T("[parFluidStateLink]", "LIQ") + T("[parFluidLink]", "WATER");
const Params kMip = S("[parChkBx_MIP]", 0) + F("[parMIPValue]", 100.0f);
const Params kCatalog =
    T("[parConSizeLink]", "08") + F("[parMOPDValue]", 100.0f) + kMip + F("[parMinOPDValue]", 10.0f);
const Params kSizing =
    F("[parMOPDValue]", 25.0f) + kMip + F("[parCalcCv]", 0.05f) + F("[parMxOpFldTemp]", 100.0f);
const Params kSolenoidParam = kValveType + kApp + kFluid + kCatalog;
const Params kSolenoidSizing = kValveType + kApp + kFluid + kSizing;
const Params kCoil = T("[parOpEnvLink]", "ORD") + T("[parAcDcLink]", "AC") +
                     T("[parVoltLink]", "120A6") + T("[parSolConstLink]", "STD") +
                     T("[parTermLink]", "LD") + T("[parEncloseLink]", "T1");
const Params kFilters = T("[parBMaterialLink2]", "ALL") + T("[parSMaterialLink]", "ALL") +
                        T("[parFlowFactorLink]", "Cv") + F("[parFlowFacValue_Low]", 0.0f) +
                        T("[parConTypeLink]", "ALL") + T("[parActLink]", "ALL") +
                        F("[parMaxOperFluidTemp]", 100.0f) + F("[parMinOperFluidTemp]", 100.0f) +
                        F("[parMaxInletPressure]", 100.0f);
const Params kCoilFilters = T("[parApprovLink]", "ALL") + T("[parCoilClsLink]", "ALL");
// A proportional valve for gas, every limit of the valve size dialog ticked.
const Params kMethod2Type = kValveType + T("[parAppTypeLink]", "PROPGAS");
const Params kMethod2 = kMethod2Type + S("[parChkBx_MIP]", 1) + F("[parMIPValue]", 100.0f) +
                        S("[parChkBx_VolFlow]", 1) + F("[parVolFlowValue]", 5000.0f) +
                        S("[parChkBx_ControlSig]", 1) + T("[parControlSigLink]", "MA420") +
                        S("[parChkBx_FloFacValue]", 1) + F("[parFloFacValue]", 0.05f);
// The list kinds' record parameters.
const Params kKind1 = kMethod2 + T("[parFluidCategoryLink]", "NA");
const Params kKindCommon = kValveType + T("[parAppTypeLink]", "GP") +
                           T("[parFluidCategoryLink]", "WATER") + kMip + kFluid +
                           T("[parAppCategoryLink]", "GenPurp");
const Params kKind2 = kKindCommon + F("[parMOPDValue]", 100.0f) + kCoil +
                      F("[parMinOPDValue]", 10.0f) + T("[parConSizeLink]", "08");
const Params kKind3 = kKindCommon + F("[parMOPDValue]", 100.0f) + F("[parMinOPDValue]", 10.0f) +
                      T("[parConSizeLink]", "08");
const Params kKind4 = kKindCommon + F("[parMOPDValue]", 25.0f) + kCoil +
                      F("[parMxOpFldTemp]", 100.0f) + F("[parCalcCv]", 0.05f);
const Params kKind5 = kKindCommon + F("[parMOPDValue]", 25.0f) + F("[parMxOpFldTemp]", 100.0f) +
                      F("[parCalcCv]", 0.05f);
const Params kTestLimits = kValveType + kApp + kFluid;

const std::vector<Field> kOptionFields = {
    {"BMaterialLink2", Read::String},     {"BMaterialLink2Text", Read::String},
    {"BMaterialLinkOrder", Read::Number}, {"SMaterialLink", Read::String},
    {"SMaterialLinkText", Read::String},  {"SMaterialLinkOrder", Read::Number},
    {"ConTypeLink", Read::String},        {"ConTypeLinkText", Read::String},
    {"ConTypeLinkOrder", Read::Number},   {"ActLink", Read::String},
    {"ActLinkText", Read::String},        {"ActLinkOrder", Read::Number},
    {"CoilClsLink", Read::String},        {"CoilClsLinkText", Read::String},
    {"CoilClsLinkOrder", Read::Number},   {"ApprovLink", Read::String},
    {"ApprovLinkText", Read::String},     {"ApprovLinkOrder", Read::Number},
    {"ControlSigLink2", Read::String},    {"ControlSigLink2Text", Read::String},
    {"ControlSigOrder", Read::Number}};
const std::vector<Field> kListFields =
    Strings({"CompletePN", "PN_AcDcLinkText", "PN_WattageText", "PN_ConSizeLink2Text",
             "PN_BMaterialLink2Text", "PN_SMaterialLinkText", "PN_ConTypeLinkText",
             "PN_ActLinkText", "PN_CoilClsLinkText", "PN_ApprovLinkText", "ValveNumberLink",
             "SufxLink", "MinOPD", "ControlSigText", "OrificeLinkText"}) +
    std::vector<Field>{{"FlowFacValue", Read::Number},
                       {"MaximumFldTemp", Read::Number},
                       {"MinimumFldTemp", Read::Number},
                       {"MaxInPress", Read::Number},
                       {"MOPD", Read::Number}};
const std::vector<Field> kVerifyFields = Strings({"ValveNumberLink", "SufxCode", "PressureDrop"});
const std::vector<Field> kFluidFields =
    Strings({"FluidLinkText", "FluidLink", "FluidCategoryLink", "FluidCategoryText"});
const Params kInterchangePart = T("[parCompttrLink]", "ARD") + T("[parCompttrPrefixLink]", "AF") +
                                T("[parCompttrPN]", "8210") + T("[parCompttrSuffixLink]", "NONE");

std::vector<CallSite> SolenoidCallSites(const std::string& form, const Params& common) {
    const std::string m = "_SelMeth1_" + form;
    // The voltage query always gets the catalog-data pair, whatever the method.
    const Params voltage = kValveType + kApp + kFluid + F("[parMOPDValue]", 25.0f) + kMip +
                           T("[parConSizeLink]", "08") + F("[parMinOPDValue]", 10.0f) +
                           T("[parAcDcLink]", "AC");
    const Params construction = common + T("[parOpEnvLink]", "ORD") + T("[parAcDcLink]", "AC") +
                                T("[parVoltLink]", "120A6");
    return {
        {"solenoid coil rows",
         "qSolenoids_Pass1" + m + "_Complete",
         common,
         {{"AcDcLink", Read::String},
          {"VoltOrder", Read::Number},
          {"VoltLink", Read::String},
          {"VoltLinkText", Read::String},
          {"VoltDefault", Read::Int}}},
        {"solenoid voltages", "qVoltage" + m,
         form == "Param" ? common + T("[parAcDcLink]", "AC") : voltage,
         Strings({"VoltLinkText", "VoltLink"})},
        {"solenoid environment", "qOpEnvironment" + m,
         common + T("[parAcDcLink]", "AC") + T("[parVoltLink]", "120A6"),
         Strings({"OpEnvLink", "OpEnvLinkText", "OpEnvStaticText"})},
        {"solenoid constructions", "qSolConst" + m, construction,
         Strings({"SolConstLinkText", "SolConstLink", "SolConstStaticText"})},
        {"solenoid terminations", "qTerminations" + m, construction + T("[parSolConstLink]", "STD"),
         Strings({"TermLink", "TermLinkText", "TermStaticText", "TermPic"})},
        {"solenoid enclosures", "qEnclosures" + m,
         construction + T("[parSolConstLink]", "STD") + T("[parTermLink]", "LD"),
         Strings({"EncloseLink", "EncloseLinkText", "EncloseStaticText", "EnclosePic"})},
    };
}

std::vector<CallSite> AllCallSites() {
    std::vector<CallSite> sites = {
        // start-up start-up and rapid selection entry
        {"start-up menu", "qValvesNotAvail", {}, Strings({"SeriesLinkText"})},
        {"start-up rapid count", "qRap_SelSeries_Count", {}, {{"RapSelSeriesCount", Read::Int}}},
        {"start-up rapid series",
         "qRap_SelSeries",
         {},
         Strings({"DesignSeriesLink", "DesignSeriesText"})},
        {"catalogue message", "qGetMessages", T("[parMessageLink]", "RapidSelCount0"),
         Strings({"MessageLinkText"})},
        // catalogue message catalogue and pictures
        {"catalogue by identifier", "qMsgStr", T("[parMsgId]", "SafetyGuide"), Strings({"#0"})},
        {"catalogue by number",
         "qMsgInt",
         {{"[parMsgIDInt]", std::int32_t{1}}},
         Strings({"WarningText"})},
        {"catalogue picture", "qGetImage", T("[parImageName]", "FP_2NC"), {{"Image", Read::Bytes}}},
        // valve type valve type and application
        {"valve type function types", "qFunctionType", {}, Strings({"FuncLinkText", "FuncLink"})},
        {"valve type flow patterns", "qFlowPattern", T("[parFuncLink]", "2W"),
         Strings({"FloPatLinkText", "FloPatLink", "FloPatPic"})},
        {"valve type options", "qFlowPatternOpt", T("[parFuncLink]", "2W") + T("[parFloPatLink]", "2NC"),
         Strings({"FloPatOptLink", "FloPatOptLinkText"})},
        {"valve type categories", "qApplications_Available", kValveType, Strings({"AppCategoryLink"})},
        {"valve type applications", "qApplications",
         kValveType + T("[parBMaterialLink]", "ALL") + T("[parAppCategoryLink]", "Specialty"),
         Strings({"AppTypeLinkText", "AppTypeLink", "AppTypeStaticText"})},
        {"valve type method", "qValveSelMethodCode", kApp, {{"SelMethodCode", Read::Int}}},
        {"valve type speciality valves",
         "qValvesNotAvail",
         {},
         Strings({"SeriesLinkText", "SeriesLinkDesc", "SeriesMoreInfo"})},
        // known parameters known operating parameters
        {"known parameters method text", "qSelMethodInfo", T("[parMethodLink]", "SelMeth_Param"),
         Strings({"SelMethodInfoText", "SelMethodText"})},
        {"known parameters fluid buttons", "qFluidButtonState", T("[parAppTypeLink]", "GP"),
         Strings({"FluidStateLink"})},
        {"known parameters other media", "qOtherMedia", T("[parFluidStateLink]", "OIL"), kFluidFields},
        {"known parameters port sizes", "qSelMethod_Known_Operating_Parameters_ConSize", kValveType + kApp,
         Strings({"ConSizeLinkText", "ConSizeLink"})},
        {"known parameters fluids", "qFluid_Compatibility_Seal_AND_Body_Material",
         T("[parFluidStateLink]", "LIQ") + kValveType + kApp + T("[parComFluidLink]", "1"),
         kFluidFields + std::vector<Field>{{"CategoryDefault", Read::Int}}},
        {"known parameters all fluids", "qFluid_Compatibility_Seal_AND_Body_Material_ALL",
         T("[parFluidStateLink]", "GAS") + T("[parComFluidLink]", "0"),
         kFluidFields + std::vector<Field>{{"CategoryDefault", Read::Int}}},
        {"known parameters catalog check",
         "qValves_Pass_Known_Op_Param",
         kValveType + kApp + kFluid + kCatalog,
         {}},
        {"known parameters MOPD limit", "qTestMOPD", kTestLimits, {{"MOPDValue", Read::Number}}},
        {"known parameters MinOPD limit", "qTestMinOPD", kTestLimits, {{"MinOPDValue", Read::Number}}},
        {"known parameters gas flow factor",
         "qFlowRate_Calc_Gas",
         T("[parFluidStateLink]", "GAS") + T("[parFluidLink]", "AIR") + F("[parMOPDValue]", 20.0f) +
             F("[parMIPValue]", 100.0f) + F("[parTemp]", 68.0f) +
             F("[parUserFlowRate_SCFM]", 10.0f),
         {{"CalcCv", Read::Number}}},
        {"known parameters liquid flow factor",
         "qFlowRate_Calc_Liq",
         kFluid + F("[parMOPDValue]", 25.0f) + F("[parUserFlowRate_GPM]", 10.0f),
         {{"CalcCv", Read::Number}}},
        {"known parameters sizing check", "qSelMethod_ValveSizing", kSolenoidSizing, {}},
        {"known parameters temperature limit", "qTempMax", kTestLimits, {{"MaxTemp_F", Read::Number}}},
        {"known parameters inlet limit", "qTestMIP", kTestLimits, {{"MIPValue", Read::Number}}},
        // valve size valve size information
        {"valve size control signals", "qControlSig", {}, Strings({"ControlSigText", "ControlSigLink"})},
        {"valve size information", "qSelMethod2Info", T("[parAppTypeLink]", "PROPGAS"),
         Strings({"MessageLinkText", "RefLink", "FluidCompatFile", "FluidCompatPage"})},
        {"valve size check", "qValves_Pass_SelMethod2", kMethod2, {}},
        {"valve size flow factor limit",
         "qTestFloFacValue",
         kMethod2Type + T("[parAppCategoryLink]", "Specialty"),
         {{"FloFacValue", Read::Number}}},
        {"valve size volumetric limit",
         "qTestVolFlow",
         kMethod2Type + T("[parBMaterialLink]", "ALL"),
         {{"VolFlowValue", Read::Number}}},
        {"valve size inlet limit",
         "qTestMIP",
         kMethod2Type + T("[parFluidStateLink]", "") + T("[parFluidLink]", "") +
             T("[parAppCategoryLink]", "Specialty"),
         {{"MIPValue", Read::Number}}},
        // part number part number step
        {"part number undecided", "qUndecided", {}, Strings({"UndecidedLink", "UndecidedText"})},
        {"part number flow factor kinds", "qFlowFactor", {}, Strings({"FlowFactorLink", "FlowFactorText"})},
        {"part number flow factor ranges", "qSel_PN_FloFacSel",
         S("[parChkBx_FloFacValue]", 1) + T("[parFlowFactorLink]", "Kv") +
             T("[parFloFacUnit]", "Cv") + F("[parFloFacValueEntered]", 0.5f),
         Strings({"FlowFacValue_Low", "FlowFacRangeText"})},
        {"part number options kind 1", "qSel_PN_PNDisplay_SelMeth2_ALLSelect", kKind1, kOptionFields},
        {"part number options kind 2", "qSel_PN_PNDisplay_Param_ALLSelect", kKind2, kOptionFields},
        {"part number options kind 3", "qSel_PN_PNDisplay_Param_NoSol_ALLSelect", kKind3, kOptionFields},
        {"part number options kind 4", "qSel_PN_PNDisplay_Sizing_ALLSelect", kKind4, kOptionFields},
        {"part number options kind 5", "qSel_PN_PNDisplay_Sizing_NoSol_ALLSelect", kKind5, kOptionFields},
        {"part number list kind 1", "qSel_PN_PNDisplay_SelMeth2",
         kKind1 + kFilters + T("[parControlSigLink2]", "ALL"), kListFields},
        {"part number list kind 2", "qSel_PN_PNDisplay_Param", kKind2 + kFilters + kCoilFilters,
         kListFields},
        {"part number list kind 3", "qSel_PN_PNDisplay_Param_NoSol", kKind3 + kFilters, kListFields},
        {"part number list kind 4", "qSel_PN_PNDisplay_Sizing", kKind4 + kFilters + kCoilFilters,
         kListFields},
        {"part number list kind 5", "qSel_PN_PNDisplay_Sizing_NoSol", kKind5 + kFilters, kListFields},
        {"part number description", "qGetDescription",
         T("[parFuncLink]", "2W") + T("[parFloPatLink]", "2NC") +
             T("[parAppCategoryLink]", "GenPurp") + T("[parAppTypeLink]", "GP"),
         Strings({"Description"})},
        {"part number filter help", "qPN_FilterHelp", T("[parFilterParam]", "BodyMaterial"),
         Strings({"PN_FilterHelp_File", "PN_FilterHelp_Page"})},
        {"part number catalog information", "qGetRefLink",
         T("[parValveNumberLink]", "K21BN08040") + T("[parSufxLink]", "N") +
             T("[parAppTypeLink]", "GP"),
         Strings({"ReferenceFile"})},
        // solenoid solenoid: the non-standard entry; the two forms follow below
        {"solenoid non-standard",
         "qNonStandard",
         {},
         {{"Link", Read::String}, {"Text", Read::String}, {"Order", Read::Number}}},
        // verification verification lists
        {"verification valve size", "qValves_Pass_SelMethod2", kMethod2, kVerifyFields},
        {"verification catalog data", "qValves_Pass_Known_Op_Param_Display",
         kValveType + kApp + kFluid + kCatalog, kVerifyFields},
        {"verification calculated size", "qValves_Pass_ValveSizing_Display", kSolenoidSizing, kVerifyFields},
        // rapid rapid selection (the segment queries are walked in RapidSelectionTest)
        {"rapid build types", "qRap_PNTypeAvail", T("[parDesignSeriesLink]", "K21"),
         Strings({"PNType", "ImageName"})},
        {"rapid segments",
         "qRap_FieldHeadings_And_State",
         T("[parDesignSeriesLink]", "K21") + T("[parRapSelChoiceLink]", "ValveAssembly"),
         {{"RapSelFieldNum", Read::Int},
          {"RapSelFieldHeading", Read::String},
          {"FieldDisplayState", Read::String}}},
        {"rapid segment query", "qRap_GetQuery",
         T("[parDesignSeriesLink]", "K21") + T("[parRapSelChoiceLink]", "ValveAssembly") +
             S("[parRapSelFieldNum]", 999),
         Strings({"Query"})},
        // interchange competitor interchange
        {"interchange competitors",
         "qTool_Interchange_Competitors",
         {},
         Strings({"CompttrLink", "CompttrText"})},
        {"interchange competitor parts", "qTool_Interchange_CompPN", T("[parCompttrLink]", "ARD"),
         Strings({"CompttrPrefixLink", "CompttrPrefix", "CompttrPN", "CompttrSuffix",
                  "CompttrSuffixLink", "CompleteCompttrPN"})},
        {"interchange divisions", "qTool_Interchange_VeldorProdLine", kInterchangePart,
         Strings({"ProductLinkIndiv", "ProductLineText"})},
        {"interchange voltages", "qTool_Interchange_Voltage",
         kInterchangePart + T("[parProductLinkIndiv]", "MVG"),
         Strings({"VoltCode", "VoltText"}) + std::vector<Field>{{"VoltDefault", Read::Int}}},
        {"interchange answer", "qTool_Interchange_Compttr_PNResult",
         kInterchangePart + T("[parProductLinkIndiv]", "MVG") + T("[parVoltCode", "120A6"),
         Strings({"NoteText", "CompleteVeldorPN", "DescriptionText"})},
        // report selection report
        {"report labels", "qSelRepLabels", {}, Strings({"MapKey", "FieldLabel"})},
        {"report warning", "qGetMessages", T("[parMessageLink]", "WarningVAL"),
         Strings({"MessageLinkText"})},
    };
    for (const CallSite& site : SolenoidCallSites("Param", kSolenoidParam)) {
        sites.push_back(site);
    }
    for (const CallSite& site : SolenoidCallSites("Sizing", kSolenoidSizing)) {
        sites.push_back(site);
    }
    return sites;
}

bool KindFits(FieldKind kind, Read read) {
    switch (read) {
        case Read::String:
            return kind == FieldKind::Text;
        case Read::Int:
            return kind == FieldKind::Int16 || kind == FieldKind::Int32;
        case Read::Number:
            return kind == FieldKind::Int16 || kind == FieldKind::Int32 ||
                   kind == FieldKind::Float32 || kind == FieldKind::Float64;
        case Read::Bytes:
            return kind == FieldKind::Bytes;
    }
    return false;
}

std::set<std::string> EngineNames(const std::vector<std::string>& written) {
    std::set<std::string> names;
    for (const std::string& name : written) {
        names.insert(IQueryDef::EngineParameterName(name));
    }
    return names;
}

std::string SiteName(const ::testing::TestParamInfo<CallSite>& info) {
    std::string name = info.param.query + "_" + std::to_string(info.index);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

class QueryContract : public ::testing::TestWithParam<CallSite> {};

TEST_P(QueryContract, DeclaresTheCallersParametersAndFields) {
    const CallSite& site = GetParam();
    for (const std::string language : {"EN", "DE"}) {
        SCOPED_TRACE(site.where + " / " + language);
        ASSERT_TRUE(CStagedDatabase::Exists(language));
        MessageRecorder recorder;
        CStagedDatabase staged(language);
        ASSERT_TRUE(staged.IsOpen());

        std::vector<std::string> callerNames;
        for (const auto& param : site.params) {
            callerNames.push_back(param.first);
        }
        QD qd(staged.Db(), site.query);
        EXPECT_EQ(EngineNames(qd.GetParameterNames()), EngineNames(callerNames));

        try {
            SetParams(qd, site.params);
            IRecordset rs(staged.Db());
            rs.Open(qd);
            if (site.yieldsRows) {
                ASSERT_FALSE(rs.IsEOF()) << "the sample selection has no answer";
            }
            // Every row, so that a Null or a number hiding in a text column is found.
            for (; !rs.IsEOF(); rs.MoveNext()) {
                for (const Field& field : site.fields) {
                    const CFieldValue& value =
                        field.name[0] == '#' ? rs.GetFieldValue(std::stoi(field.name.substr(1)))
                                             : rs.GetFieldValue(field.name);
                    ASSERT_TRUE(KindFits(value.Kind(), field.read))
                        << field.name << " is " << FieldKindName(value.Kind());
                }
            }
        } catch (const CDaoException& error) {
            FAIL() << error.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CallSites, QueryContract, ::testing::ValuesIn(AllCallSites()), SiteName);

// The program names 72 stored queries; every one is covered above and the database holds no
// query that neither the program nor the rapid selection tables name.
TEST(QueryContractCoverage, EveryNamedQueryHasACallSiteAndNoneIsOrphaned) {
    ASSERT_TRUE(CStagedDatabase::Exists("EN"));
    MessageRecorder recorder;
    CStagedDatabase staged("EN");
    std::set<std::string> covered;
    for (const CallSite& site : AllCallSites()) {
        covered.insert(site.query);
    }
    EXPECT_EQ(covered.size(), 72u);

    const std::set<std::string> rapid = RapidQueryNames(staged.Db());
    EXPECT_FALSE(rapid.empty());
    for (const std::string& name : staged.Db().GetStoredQueryNames()) {
        EXPECT_TRUE(covered.count(name) == 1 || rapid.count(name) == 1) << name;
    }
}

}  // namespace
}  // namespace veritom::test
