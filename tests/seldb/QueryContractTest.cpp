// Every declared stored query against the staged databases: the query declares exactly the
// parameters of its declaration, and with the sample values of a real selection every field
// the declaration reads is there, in a kind its way of reading accepts, in both languages.
// The callers use the same declarations, so a caller and this test cannot disagree.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "MessageRecorder.h"
#include "StagedDatabase.h"
#include "data/DaoException.h"
#include "data/QD.h"
#include "data/QueryDef.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom::test {
namespace {

// One caller's use of a declared query, with the values of a sample selection.
struct CallSite {
    std::string where;  // the caller, for the test's name
    CQueryInfo query;
    Params params;
};

// Failure output names the call site instead of dumping its bytes.
void PrintTo(const CallSite& site, std::ostream* os) {
    *os << site.where << ": " << site.query.name;
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

using ::veritom::test::operator+;

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

const Params kInterchangePart = T("[parCompttrLink]", "ARD") + T("[parCompttrPrefixLink]", "AF") +
                                T("[parCompttrPN]", "8210") + T("[parCompttrSuffixLink]", "NONE");

std::vector<CallSite> SolenoidCallSites(const Params& common, bool sizing) {
    using namespace queries;
    // The voltage query always gets the catalog-data pair, whatever the method.
    const Params voltage = kValveType + kApp + kFluid + F("[parMOPDValue]", 25.0f) + kMip +
                           T("[parConSizeLink]", "08") + F("[parMinOPDValue]", 10.0f) +
                           T("[parAcDcLink]", "AC");
    const Params construction = common + T("[parOpEnvLink]", "ORD") + T("[parAcDcLink]", "AC") +
                                T("[parVoltLink]", "120A6");
    return {
        {"solenoid coil rows", sizing ? kSolenoidsSizing.Info() : kSolenoidsParam.Info(), common},
        {"solenoid voltages", sizing ? kVoltageSizing.Info() : kVoltageParam.Info(),
         sizing ? voltage : common + T("[parAcDcLink]", "AC")},
        {"solenoid environment", sizing ? kOpEnvironmentSizing.Info() : kOpEnvironmentParam.Info(),
         common + T("[parAcDcLink]", "AC") + T("[parVoltLink]", "120A6")},
        {"solenoid constructions", sizing ? kSolConstSizing.Info() : kSolConstParam.Info(),
         construction},
        {"solenoid terminations", sizing ? kTerminationsSizing.Info() : kTerminationsParam.Info(),
         construction + T("[parSolConstLink]", "STD")},
        {"solenoid enclosures", sizing ? kEnclosuresSizing.Info() : kEnclosuresParam.Info(),
         construction + T("[parSolConstLink]", "STD") + T("[parTermLink]", "LD")},
    };
}

std::vector<CallSite> AllCallSites() {
    std::vector<CallSite> sites = {
        {"start-up menu", queries::kValvesNotAvail.Info(), {}},
        {"start-up rapid count", queries::kRapidSeriesCount.Info(), {}},
        {"start-up rapid series", queries::kRapidSeries.Info(), {}},
        {"catalogue message", queries::kGetMessages.Info(),
         T("[parMessageLink]", "RapidSelCount0")},
        {"catalogue by identifier", queries::kMsgStr.Info(), T("[parMsgId]", "SafetyGuide")},
        {"catalogue by number", queries::kMsgInt.Info(), {{"[parMsgIDInt]", std::int32_t{1}}}},
        {"catalogue picture", queries::kGetImage.Info(), T("[parImageName]", "FP_2NC")},
        {"valve type function types", queries::kFunctionType.Info(), {}},
        {"valve type flow patterns", queries::kFlowPattern.Info(), T("[parFuncLink]", "2W")},
        {"valve type options", queries::kFlowPatternOpt.Info(),
         T("[parFuncLink]", "2W") + T("[parFloPatLink]", "2NC")},
        {"valve type categories", queries::kApplicationsAvailable.Info(), kValveType},
        {"valve type applications", queries::kApplications.Info(),
         kValveType + T("[parBMaterialLink]", "ALL") + T("[parAppCategoryLink]", "Specialty")},
        {"valve type method", queries::kValveSelMethodCode.Info(), kApp},
        {"valve type speciality valves", queries::kValvesNotAvail.Info(), {}},
        {"known parameters method text", queries::kSelMethodInfo.Info(),
         T("[parMethodLink]", "SelMeth_Param")},
        {"known parameters fluid buttons", queries::kFluidButtonState.Info(),
         T("[parAppTypeLink]", "GP")},
        {"known parameters other media", queries::kOtherMedia.Info(),
         T("[parFluidStateLink]", "OIL")},
        {"known parameters port sizes", queries::kPortSizes.Info(), kValveType + kApp},
        {"known parameters fluids", queries::kFluidCompatibility.Info(),
         T("[parFluidStateLink]", "LIQ") + kValveType + kApp + T("[parComFluidLink]", "1")},
        {"known parameters all fluids", queries::kFluidCompatibilityAll.Info(),
         T("[parFluidStateLink]", "GAS") + T("[parComFluidLink]", "0")},
        {"known parameters catalog check", queries::kValvesPassKnownOpParam.Info(),
         kValveType + kApp + kFluid + kCatalog},
        {"known parameters MOPD limit", queries::kTestMOPD.Info(), kTestLimits},
        {"known parameters MinOPD limit", queries::kTestMinOPD.Info(), kTestLimits},
        {"known parameters gas flow factor", queries::kFlowRateCalcGas.Info(),
         T("[parFluidStateLink]", "GAS") + T("[parFluidLink]", "AIR") + F("[parMOPDValue]", 20.0f) +
             F("[parMIPValue]", 100.0f) + F("[parTemp]", 68.0f) +
             F("[parUserFlowRate_SCFM]", 10.0f)},
        {"known parameters liquid flow factor", queries::kFlowRateCalcLiq.Info(),
         kFluid + F("[parMOPDValue]", 25.0f) + F("[parUserFlowRate_GPM]", 10.0f)},
        {"known parameters sizing check", queries::kSelMethodValveSizing.Info(), kSolenoidSizing},
        {"known parameters temperature limit", queries::kTempMax.Info(), kTestLimits},
        {"known parameters inlet limit", queries::kTestMIP.Info(), kTestLimits},
        {"valve size control signals", queries::kControlSig.Info(), {}},
        {"valve size information", queries::kSelMethod2Info.Info(),
         T("[parAppTypeLink]", "PROPGAS")},
        {"valve size check", queries::kValvesPassSelMethod2.Info(), kMethod2},
        {"valve size flow factor limit", queries::kTestFloFacValue.Info(),
         kMethod2Type + T("[parAppCategoryLink]", "Specialty")},
        {"valve size volumetric limit", queries::kTestVolFlow.Info(),
         kMethod2Type + T("[parBMaterialLink]", "ALL")},
        {"valve size inlet limit", queries::kTestMIP.Info(),
         kMethod2Type + T("[parFluidStateLink]", "") + T("[parFluidLink]", "") +
             T("[parAppCategoryLink]", "Specialty")},
        {"part number undecided", queries::kUndecided.Info(), {}},
        {"part number flow factor kinds", queries::kFlowFactor.Info(), {}},
        {"part number flow factor ranges", queries::kFlowFactorRanges.Info(),
         S("[parChkBx_FloFacValue]", 1) + T("[parFlowFactorLink]", "Kv") +
             T("[parFloFacUnit]", "Cv") + F("[parFloFacValueEntered]", 0.5f)},
        {"part number options kind 1", queries::kOptionsKind1.Info(), kKind1},
        {"part number options kind 2", queries::kOptionsKind2.Info(), kKind2},
        {"part number options kind 3", queries::kOptionsKind3.Info(), kKind3},
        {"part number options kind 4", queries::kOptionsKind4.Info(), kKind4},
        {"part number options kind 5", queries::kOptionsKind5.Info(), kKind5},
        {"part number list kind 1", queries::kListKind1.Info(),
         kKind1 + kFilters + T("[parControlSigLink2]", "ALL")},
        {"part number list kind 2", queries::kListKind2.Info(), kKind2 + kFilters + kCoilFilters},
        {"part number list kind 3", queries::kListKind3.Info(), kKind3 + kFilters},
        {"part number list kind 4", queries::kListKind4.Info(), kKind4 + kFilters + kCoilFilters},
        {"part number list kind 5", queries::kListKind5.Info(), kKind5 + kFilters},
        {"part number description", queries::kGetDescription.Info(),
         T("[parFuncLink]", "2W") + T("[parFloPatLink]", "2NC") +
             T("[parAppCategoryLink]", "GenPurp") + T("[parAppTypeLink]", "GP")},
        {"part number filter help", queries::kFilterHelp.Info(),
         T("[parFilterParam]", "BodyMaterial")},
        {"part number catalog information", queries::kGetRefLink.Info(),
         T("[parValveNumberLink]", "K21BN08040") + T("[parSufxLink]", "N") +
             T("[parAppTypeLink]", "GP")},
        {"solenoid non-standard", queries::kNonStandard.Info(), {}},
        {"verification valve size", queries::kValvesPassSelMethod2.Info(), kMethod2},
        {"verification catalog data", queries::kValvesPassKnownOpParamDisplay.Info(),
         kValveType + kApp + kFluid + kCatalog},
        {"verification calculated size", queries::kValvesPassValveSizingDisplay.Info(),
         kSolenoidSizing},
        {"rapid build types", queries::kRapidBuildTypes.Info(), T("[parDesignSeriesLink]", "K21")},
        {"rapid segments", queries::kRapidSegments.Info(),
         T("[parDesignSeriesLink]", "K21") + T("[parRapSelChoiceLink]", "ValveAssembly")},
        {"rapid segment query", queries::kRapidSegmentQuery.Info(),
         T("[parDesignSeriesLink]", "K21") + T("[parRapSelChoiceLink]", "ValveAssembly") +
             S("[parRapSelFieldNum]", 999)},
        {"interchange competitors", queries::kCompetitors.Info(), {}},
        {"interchange competitor parts", queries::kCompetitorParts.Info(),
         T("[parCompttrLink]", "ARD")},
        {"interchange divisions", queries::kInterchangeDivisions.Info(), kInterchangePart},
        {"interchange voltages", queries::kInterchangeVoltages.Info(),
         kInterchangePart + T("[parProductLinkIndiv]", "MVG")},
        {"interchange answer", queries::kInterchangeAnswer.Info(),
         kInterchangePart + T("[parProductLinkIndiv]", "MVG") + T("[parVoltCode", "120A6")},
        {"report labels", queries::kSelRepLabels.Info(), {}},
        {"report warning", queries::kGetMessages.Info(), T("[parMessageLink]", "WarningVAL")},
    };
    for (const CallSite& site : SolenoidCallSites(kSolenoidParam, false)) {
        sites.push_back(site);
    }
    for (const CallSite& site : SolenoidCallSites(kSolenoidSizing, true)) {
        sites.push_back(site);
    }
    return sites;
}

bool KindFits(FieldKind kind, FieldRead read) {
    switch (read) {
        case FieldRead::Text:
            return kind == FieldKind::Text;
        case FieldRead::Int:
            return kind == FieldKind::Int16 || kind == FieldKind::Int32;
        case FieldRead::Number:
            return kind == FieldKind::Int16 || kind == FieldKind::Int32 ||
                   kind == FieldKind::Float32 || kind == FieldKind::Float64;
        case FieldRead::Bytes:
            return kind == FieldKind::Bytes;
    }
    return false;
}

ParamKind KindOf(const ParamValue& value) {
    constexpr ParamKind kinds[] = {ParamKind::Text, ParamKind::Int16, ParamKind::Float,
                                   ParamKind::Int32};
    return kinds[value.index()];
}

std::map<std::string, ParamKind> EngineNames(const std::vector<std::string>& written) {
    std::map<std::string, ParamKind> names;
    for (const std::string& name : written) {
        names[IQueryDef::EngineParameterName(name)] = ParamKind::Text;
    }
    return names;
}

std::map<std::string, ParamKind> DeclaredNames(const CQueryInfo& query) {
    std::map<std::string, ParamKind> names;
    for (const QueryParam& param : query.params) {
        names[IQueryDef::EngineParameterName(param.name)] = param.kind;
    }
    return names;
}

std::map<std::string, ParamKind> SampleNames(const Params& params) {
    std::map<std::string, ParamKind> names;
    for (const auto& [name, value] : params) {
        names[IQueryDef::EngineParameterName(name)] = KindOf(value);
    }
    return names;
}

std::set<std::string> Keys(const std::map<std::string, ParamKind>& names) {
    std::set<std::string> keys;
    for (const auto& [name, kind] : names) {
        keys.insert(name);
    }
    return keys;
}

std::string SiteName(const ::testing::TestParamInfo<CallSite>& info) {
    std::string name = std::string(info.param.query.name) + "_" + std::to_string(info.index);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

class QueryContract : public ::testing::TestWithParam<CallSite> {};

TEST_P(QueryContract, DeclaresTheCallersParametersAndFields) {
    const CallSite& site = GetParam();
    // The samples are a caller's values: exactly the declared parameters, in declared kinds.
    EXPECT_EQ(SampleNames(site.params), DeclaredNames(site.query));
    for (const std::string language : {"EN", "DE"}) {
        SCOPED_TRACE(site.where + " / " + language);
        ASSERT_TRUE(CStagedDatabase::Exists(language));
        MessageRecorder recorder;
        CStagedDatabase staged(language);
        ASSERT_TRUE(staged.IsOpen());

        QD qd(staged.Db(), std::string(site.query.name));
        EXPECT_EQ(Keys(EngineNames(qd.GetParameterNames())), Keys(DeclaredNames(site.query)));

        try {
            SetParams(qd, site.params);
            IRecordset rs(staged.Db());
            rs.Open(qd);
            ASSERT_FALSE(rs.IsEOF()) << "the sample selection has no answer";
            // Every row, so that a Null or a number hiding in a text column is found.
            for (; !rs.IsEOF(); rs.MoveNext()) {
                for (const QueryField& field : site.query.fields) {
                    const CFieldValue& value = field.name.empty()
                                                   ? rs.GetFieldValue(field.position)
                                                   : rs.GetFieldValue(std::string(field.name));
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

// Every declared query has a call site above, the declarations name 72 queries, and the
// database holds no query that neither the declarations nor the rapid selection tables name.
TEST(QueryContractCoverage, EveryDeclaredQueryHasACallSiteAndNoneIsOrphaned) {
    ASSERT_TRUE(CStagedDatabase::Exists("EN"));
    MessageRecorder recorder;
    CStagedDatabase staged("EN");
    std::set<std::string> covered;
    for (const CallSite& site : AllCallSites()) {
        covered.insert(std::string(site.query.name));
    }
    std::set<std::string> declared;
    for (const CQueryInfo& query : queries::AllStoredQueries()) {
        EXPECT_TRUE(declared.insert(std::string(query.name)).second) << query.name;
        EXPECT_EQ(covered.count(std::string(query.name)), 1u) << query.name;
    }
    EXPECT_EQ(declared.size(), 72u);
    EXPECT_EQ(covered, declared);

    const std::set<std::string> rapid = RapidQueryNames(staged.Db());
    EXPECT_FALSE(rapid.empty());
    for (const std::string& name : staged.Db().GetStoredQueryNames()) {
        EXPECT_TRUE(declared.count(name) == 1 || rapid.count(name) == 1) << name;
    }
}

}  // namespace
}  // namespace veritom::test
