#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "RecordStreamWriter.h"
#include "base/Archive.h"
#include "model/ValveData.h"

using namespace veritom;
using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

namespace {

// Member values for a hand-written stream: the documented defaults, or a value of its own
// for every member (different from its default) so that misplaced members show.
struct StreamValues {
    bool distinct = false;
    bool withKeys = true;

    std::string Text(int n, const char* fallback = "") const {
        return distinct ? "text " + std::to_string(n) : fallback;
    }
    std::int32_t Int(int n, std::int32_t fallback) const {
        return distinct ? n * 1000 + 7 : fallback;
    }
    double Number(int n, double fallback) const { return distinct ? n + 0.125 : fallback; }
    std::string Unit(const char* fallback) const { return distinct ? "BAR" : fallback; }
    std::string Key(const char* key) const { return withKeys ? key : ""; }
};

// The record stream in its documented order, written without the record's own code.
Bytes HandWrittenRecord(const StreamValues& v) {
    test::RecordStreamWriter w;
    const auto text = [&](int n, const char* key, const char* fallback = "") {
        w.Text(v.Text(n, fallback));
        w.Text(v.Key(key));
    };
    const auto integer = [&](int n, const char* key, std::int32_t fallback) {
        w.Int(v.Int(n, fallback));
        w.Text(v.Key(key));
    };
    const auto single = [&](int n, const char* key) {
        w.Float(static_cast<float>(v.Number(n, 0)));
        w.Text(v.Key(key));
    };
    const auto quantity = [&](int n, const char* key, const char* unitKey, double fallback,
                              const char* unit) {
        w.Text(v.Unit(unit));
        w.Double(v.Number(n, fallback));
        w.Text(v.Key(key));
        w.Text(v.Key(unitKey));
    };

    text(1, "FunctionTypeVAL");
    text(2, "FuncLink");
    text(3, "FlowPatternVAL");
    text(4, "FlowPatLink");
    text(5, "FlowPatPic");
    text(6, "FlowPatOptionVAL");
    text(7, "FlowPatOptLink");
    integer(8, "FlowPatOptSelected", 0);
    text(9, "BMaterialLinkText", "Undecided");
    text(10, "BMaterialLink", "ALL");
    text(11, "AppCategoryLink");
    text(12, "AppTypeLink");
    text(13, "ApplicationTypeVAL");
    text(14, "AppTypeStaticText");
    integer(15, "SelMethodCode", 0);
    text(16, "App_PortSizeVAL");
    text(17, "ConFluidLink");
    text(18, "App_ControlSigVAL");
    text(19, "ControlSigLink");
    w.Int(v.Int(20, 0));
    w.Int(v.Int(21, -679));
    w.Int(v.Int(22, -665));
    text(23, "FluidStateVAL");
    text(24, "FluidAndStateLink");
    integer(25, "ComFluidLink", 1);
    text(26, "FluidVAL");
    text(27, "FluidLink");
    text(28, "FluidCategoryLink", "NA");
    text(29, "FluidCategoryTextVAL");
    w.Double(v.Number(30, 0));
    w.Text(v.Key("FluidSpecificGravity"));
    text(40, "App_SelMethodVAL");
    quantity(31, "App_FlowRateVAL", "App_FlowRateUnitVAL", 10, "CU_FT_MIN");
    quantity(32, "App_FluidTempVAL", "App_FluidTempUnitVAL", 100, "DEG_F");
    quantity(33, "Filter_MinFluidTempVAL", "Filter_MinFluidTempUnitVAL", 100, "DEG_F");
    quantity(34, "App_FlowFactorVAL", "App_FlowFactorUnitVAL", 0, "CV");
    quantity(35, "App_MOPDVAL", "App_MOPDUnitVAL", 100, "PSIG");
    quantity(36, "App_MinOPDVAL", "App_MinOPDUnitVAL", 10, "PSIG");
    quantity(37, "App_MaxInPressureVAL", "App_MaxInPressureUnitVAL", 100, "PSIG");
    quantity(38, "App_MaxVolumetricFlowVAL", "App_MaxVolumetricFlowUnitVAL", 0, "CC_MIN");
    quantity(39, "CalcFlowFactorVAL", "CalcFlowFactorUnitVAL", 0, "CV");
    text(41, "OpEnvLink", "ORD");
    text(42, "Sol_OpEnvVAL");
    text(43, "OpEnvStaticText");
    text(44, "Sol_CurrentVAL");
    text(45, "VoltLink");
    text(46, "Sol_VoltageVAL");
    text(47, "SolConstLink");
    text(48, "Sol_ConstructionVAL");
    text(49, "SolConstStaticText");
    text(50, "TermLink");
    text(51, "Sol_TerminationVAL");
    text(52, "TermStaticText");
    text(53, "TermPic");
    text(54, "EncloseLink");
    text(55, "Sol_EnclosureVAL");
    text(56, "EncloseStaticText");
    text(57, "EnclosePic");
    for (int i = 0; i < 24; ++i) {
        w.Int(v.Int(5800 + i, i == 20 || i == 23 ? 0 : -1));
    }
    text(59, "PN_CompletePNVAL");
    text(60, "PN_PNDescriptionVAL");
    text(61, "PN_AcDcVAL");
    text(62, "PN_WattageVAL");
    text(63, "PN_MinOPDVAL");
    text(64, "PN_ConnectionSizeVAL");
    text(65, "PN_BodyMaterialVAL");
    text(66, "PN_SealMaterialVAL");
    single(67, "PN_FlowFactorVAL");
    text(68, "PN_ConnectionTypeVAL");
    text(69, "PN_ActuationVAL");
    text(70, "PN_CoilClassVAL");
    text(71, "PN_ApprovalVAL");
    text(72, "PN_ControlSignalVAL");
    text(73, "PN_ValveNumberLink");
    text(74, "PN_SufxLink");
    w.Int(v.Int(75, -1));
    single(76, "PN_MaxFluidTempVAL");
    text(77, "PN_MaxFluidTempVAL");
    single(78, "PN_MinFluidTempVAL");
    text(79, "PN_MinFluidTempVAL");
    single(80, "PN_MaxInletPressVAL");
    text(81, "PN_MaxInletPressVAL");
    text(82, "PN_OrificeVAL");
    single(83, "PN_MOPDVAL");
    text(84, "PN_MOPDVAL");
    for (int i = 0; i < 10; ++i) {
        w.Text(v.Text(8500 + i));
        w.Text(v.Text(8600 + i));
    }
    text(87, "PN_FlowFactor_Low_**NOT USED");
    text(88, "PN_FlowFactorUnitVAL");
    return w.Bytes();
}

Bytes Store(CProd_ValveData record) {
    CArchive ar;
    record.Serialize(ar);
    return ar.Bytes();
}

CProd_ValveData LoadOrFail(const Bytes& bytes) {
    CArchive ar(bytes);
    CProd_ValveData record;
    EXPECT_TRUE(record.Load(ar));
    EXPECT_EQ(ar.Remaining(), 0u);
    return record;
}

// Index in DescribeMembers of the first member a reset level clears.
std::size_t FirstIndexOf(const std::vector<ValveMemberText>& lines, const std::string& number) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].number == number) {
            return i;
        }
    }
    ADD_FAILURE() << "no member " << number;
    return lines.size();
}

bool SameLine(const ValveMemberText& a, const ValveMemberText& b) {
    return a.number == b.number && a.key == b.key && a.values == b.values;
}

}  // namespace

TEST(ValveData, NewRecordStreamMatchesTheDocumentedLayout) {
    EXPECT_EQ(Store(CProd_ValveData()), HandWrittenRecord({}));
}

TEST(ValveData, HandWrittenStreamReadsBackAlikeAndWritesTheSameBytes) {
    const Bytes bytes = HandWrittenRecord({.distinct = true});
    const CProd_ValveData record = LoadOrFail(bytes);
    EXPECT_EQ(Store(record), bytes);

    EXPECT_EQ(record.m_FunctionTypeVAL.Value(), "text 1");
    EXPECT_EQ(record.m_FunctionTypeVAL.Name(), "FunctionTypeVAL");
    EXPECT_EQ(record.m_MethodLink, 20007);
    EXPECT_EQ(record.m_ChkBxFlags, 21007u);
    EXPECT_EQ(record.m_ChkBxFlagsAlt, 22007u);
    EXPECT_EQ(record.m_FluidSpecificGravity.Value(), 30.125);
    EXPECT_EQ(record.m_App_SelMethodVAL.Value(), "text 40");
    EXPECT_EQ(record.m_CalcFlowFactorVAL.Value(), 39.125);
    EXPECT_EQ(record.m_CalcFlowFactorVAL.Unit(), "BAR");
    EXPECT_EQ(record.m_CalcFlowFactorVAL.UnitKey(), "CalcFlowFactorUnitVAL");
    EXPECT_EQ(record.m_PNListState[0], 5800007);
    EXPECT_EQ(record.m_PNListState[23], 5823007);
    EXPECT_EQ(record.m_PNSpare, 75007);
    EXPECT_EQ(record.m_PN_MaxFluidTempNum.Value(), 76.125f);
    EXPECT_EQ(record.m_PN_MaxFluidTempText.Value(), "text 77");
    EXPECT_EQ(record.m_PN_MOPDNum.Name(), "PN_MOPDVAL");
    EXPECT_EQ(record.m_PNFilterLinks[9], "text 8509");
    EXPECT_EQ(record.m_PNFilterTexts[0], "text 8600");
    EXPECT_EQ(record.m_PN_FlowFactorUnitVAL.Value(), "text 88");

    CProd_ValveData copy(record);
    EXPECT_TRUE(copy == record);
    copy.m_PNFilterTexts[4] = "changed";
    EXPECT_FALSE(copy == record);
}

TEST(ValveData, StoreAndLoadGivesBackEveryMember) {
    CProd_ValveData record = LoadOrFail(HandWrittenRecord({.distinct = true}));
    record.m_FuncLink = "Text with \xE2\x82\xAC and \xCE\xA9";  // Windows-1252 and beyond
    record.m_PNFilterLinks[2] = std::string(300, 'L');
    record.m_ChkBxFlags = 0x80000001u;
    record.m_App_MOPDVAL.Set(-1e-300, "KPA");
    const CProd_ValveData back = LoadOrFail(Store(record));
    EXPECT_TRUE(back == record);
    const auto expected = record.DescribeMembers();
    const auto actual = back.DescribeMembers();
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_TRUE(SameLine(actual[i], expected[i])) << expected[i].number;
    }
}

TEST(ValveData, DamagedStreamFailsAndLeavesTheRecordAlone) {
    const Bytes good = HandWrittenRecord({.distinct = true});
    CProd_ValveData target;
    target.m_FuncLink = "kept";
    const CProd_ValveData before(target);
    for (std::size_t length = 0; length < good.size(); ++length) {
        CArchive ar(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)));
        ASSERT_FALSE(target.Load(ar)) << length;
        ASSERT_TRUE(target == before) << length;
    }
    // A text whose length claims more than the stream holds.
    Bytes hugeText = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    hugeText.insert(hugeText.end(), good.begin() + 1, good.end());
    CArchive ar(hugeText);
    EXPECT_FALSE(target.Load(ar));
    EXPECT_TRUE(target == before);
}

TEST(ValveData, LoadTakesKeysExactlyButAssignmentNeverLosesThem) {
    const CProd_ValveData unnamed =
        LoadOrFail(HandWrittenRecord({.distinct = true, .withKeys = false}));
    EXPECT_EQ(unnamed.m_FuncLink.Name(), "");
    EXPECT_EQ(unnamed.m_App_MOPDVAL.ValueKey(), "");

    CProd_ValveData target;
    target = unnamed;
    EXPECT_EQ(target.m_FuncLink.Value(), "text 2");
    EXPECT_EQ(target.m_FuncLink.Name(), "FuncLink");
    EXPECT_EQ(target.m_App_MOPDVAL.Value(), 35.125);
    EXPECT_EQ(target.m_App_MOPDVAL.ValueKey(), "App_MOPDVAL");
    EXPECT_EQ(target.m_App_MOPDVAL.UnitKey(), "App_MOPDUnitVAL");
    EXPECT_EQ(target.m_PNListState, unnamed.m_PNListState);

    const CProd_ValveData copied(unnamed);
    EXPECT_EQ(copied.m_SelMethodCode.Name(), "SelMethodCode");
    EXPECT_EQ(copied.m_SelMethodCode.Value(), 15007);

    const CProd_ValveData& same = target;
    target = same;
    EXPECT_EQ(target.m_FuncLink.Value(), "text 2");
}

TEST(ValveData, ResetClearsTheGivenStepAndEveryLaterOne) {
    const CProd_ValveData fresh;
    const CProd_ValveData filled = LoadOrFail(HandWrittenRecord({.distinct = true}));
    const auto freshLines = fresh.DescribeMembers();
    const auto filledLines = filled.DescribeMembers();
    struct Case {
        int level;
        const char* firstCleared;  // nullptr: nothing cleared
    };
    const Case cases[] = {{-1, "1"}, {0, "1"},    {1, "9"},     {2, "16"},     {3, "41"},
                          {4, "47"}, {5, "58.0"}, {6, nullptr}, {-2, nullptr}, {100, nullptr}};
    for (const Case& c : cases) {
        CProd_ValveData record(filled);
        record.Reset(c.level);
        const auto lines = record.DescribeMembers();
        const std::size_t first =
            c.firstCleared ? FirstIndexOf(lines, c.firstCleared) : lines.size();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto& expected = i < first ? filledLines[i] : freshLines[i];
            EXPECT_TRUE(SameLine(lines[i], expected))
                << "level " << c.level << " member " << lines[i].number;
        }
    }
}

TEST(ValveData, DescribesEveryMemberInDeclarationOrder) {
    const CProd_ValveData record;
    const auto lines = record.DescribeMembers();
    ASSERT_EQ(lines.size(), 57u + 24u + 26u + 20u + 2u);
    Texts numbers;
    for (const auto& line : lines) {
        numbers.push_back(line.number);
    }
    EXPECT_EQ(numbers[56], "57");
    EXPECT_EQ(numbers[57], "58.0");
    EXPECT_EQ(numbers[80], "58.23");
    EXPECT_EQ(numbers[81], "59");
    EXPECT_EQ(numbers[106], "84");
    EXPECT_EQ(numbers[107], "85.0");
    EXPECT_EQ(numbers[117], "86.0");
    EXPECT_EQ(numbers.back(), "88");

    EXPECT_EQ(lines[19].key, "MethodLink");
    EXPECT_EQ(lines[20].key, "ChkBxFlags");
    EXPECT_EQ(lines[20].values, Texts{"0xFFFFFD59"});
    EXPECT_EQ(lines[21].values, Texts{"0xFFFFFD67"});
    EXPECT_EQ(lines[30].key, "App_FlowRateVAL");
    EXPECT_EQ(lines[30].values, (Texts{"10", "CU_FT_MIN", "App_FlowRateUnitVAL"}));
    EXPECT_EQ(lines[57].key, "PNListState");
    EXPECT_EQ(lines[57].values, Texts{"-1"});
    EXPECT_EQ(lines[57 + 20].values, Texts{"0"});
    EXPECT_EQ(lines[81 + 16].key, "PNSpare");
    EXPECT_EQ(lines[81 + 17].key, "PN_MaxFluidTempVAL");
    EXPECT_EQ(lines[81 + 18].key, "PN_MaxFluidTempVAL");
    EXPECT_EQ(lines[117].key, "PNFilterTexts");
    EXPECT_EQ(lines[127].key, "PN_FlowFactor_Low_**NOT USED");
}

TEST(ValveData, ReportOfANewRecord) {
    test::MessageRecorder messages;
    CReportMap map;
    CProd_ValveData().AddToReportMap(map);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"BMaterialLinkText", "Undecided"},
        {"BMaterialLink", "ALL"},
        {"OpEnvLink", "ORD"},
        {"FluidCategoryLink", "NA"},
        {"ComFluidLink", "1"},
        {"MethodLink", "0"},
        {"SelMethodCode", "0"},
        {"FluidSpecificGravity", "0.00"},
        {"App_FlowRateVAL", "10"},
        {"App_FlowRateUnitVAL", "cfm"},
        {"App_FluidTempVAL", "100"},
        {"App_FluidTempUnitVAL", "°F"},
        {"Filter_MaxFluidTempVAL", "100"},
        {"Filter_MaxFluidTempUnitVAL", "°F"},
        {"Filter_MinFluidTempVAL", "100"},
        {"App_FlowFactorVAL", "0.00"},
        {"App_FlowFactorUnitVAL", "Cv"},
        {"App_MOPDVAL", "100"},
        {"App_MOPDUnitVAL", "psig"},
        {"App_MinOPDVAL", "10"},
        {"App_MaxInPressureVAL", "100"},
        {"Filter_MaxInletPressVAL", "100"},
        {"Filter_MaxInletPressUnitVAL", "psig"},
        {"App_MaxVolumetricFlowVAL", "0"},
        {"App_MaxVolumetricFlowUnitVAL", "cc/min"},
        {"CalcFlowFactorVAL", "0.00"},
        {"CalcFlowFactorUnitVAL", "Kv"},
        {"PN_FlowFactorVAL", "0.00"},
        {"PN_MaxFluidTempVAL", ""},
        {"PN_MOPDVAL", ""},
        {"Filter_AgencyApprovalVAL", ""},
        {"App_ChkBx_MIPVAL", "1"},
        {"App_ChkBx_FloFacValueVAL", "1"},
        {"App_ChkBx_VolFlowVAL", "1"},
        {"App_ChkBx_ControlSigVAL", "1"},
    };
    for (const auto& [key, text] : expected) {
        EXPECT_EQ(map[key], Texts{text}) << key;
    }
    EXPECT_EQ(map.count("PN_FlowFactor_Low_**NOT USED"), 0u);
    EXPECT_EQ(map.count("ChkBxFlags"), 0u);
    EXPECT_EQ(map.count("PNListState"), 0u);
    // 86 distinct keys of the record less the unused one, plus MethodLink, the two copied
    // quantities (two keys each), nine filters and four check boxes.
    EXPECT_EQ(map.size(), 103u);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(ValveData, ReportParticulars) {
    struct Case {
        const char* partUnit;
        const char* value;
        const char* unit;
    };
    for (const Case& c :
         {Case{"Cv", "1.00", "Cv"}, Case{"Kv", "14.28", "Kv"}, Case{"", "14.28", "Kv"}}) {
        CProd_ValveData record;
        record.m_CalcFlowFactorVAL.Set(1, "CV");
        record.m_PN_FlowFactorUnitVAL = c.partUnit;
        CReportMap map;
        record.AddToReportMap(map);
        EXPECT_EQ(map["CalcFlowFactorVAL"], Texts{c.value}) << c.partUnit;
        EXPECT_EQ(map["CalcFlowFactorUnitVAL"], Texts{c.unit}) << c.partUnit;
        EXPECT_EQ(record.m_CalcFlowFactorVAL.Unit(), "CV");  // only a copy is converted
    }

    CProd_ValveData record;
    record.m_PN_MaxFluidTempNum = 180.0f;
    record.m_PN_MaxFluidTempText = "180 °F";
    for (int i = 0; i < CProd_ValveData::kFilterCount; ++i) {
        record.m_PNFilterTexts[i] = "filter " + std::to_string(i);
    }
    record.m_PN_FlowFactorUnitVAL = "Cv";
    record.m_ChkBxFlags &= ~CProd_ValveData::kFlagVolumetricFlowTicked;
    record.m_FluidSpecificGravity = 0.875;
    CReportMap map;
    record.AddToReportMap(map);
    EXPECT_EQ(map["PN_MaxFluidTempVAL"], Texts{"180 °F"});
    EXPECT_EQ(map["FluidSpecificGravity"], Texts{"0.88"});
    const std::vector<std::pair<std::string, std::string>> filters = {
        {"Filter_FlowFactorVAL", "filter 3"},      {"Filter_FlowFactorUnitVAL", "Cv"},
        {"Filter_BodyMaterialVAL", "filter 0"},    {"Filter_SealMaterialVAL", "filter 6"},
        {"Filter_ConnectionTypeVAL", "filter 5"},  {"Filter_ActuationVAL", "filter 7"},
        {"Filter_ControlInputSigVAL", "filter 9"}, {"Filter_CoilTempClassVAL", "filter 8"},
        {"Filter_AgencyApprovalVAL", "filter 9"},
    };
    for (const auto& [key, text] : filters) {
        EXPECT_EQ(map[key], Texts{text}) << key;
    }
    EXPECT_EQ(map["App_ChkBx_VolFlowVAL"], Texts{"0"});
    EXPECT_EQ(map["App_ChkBx_MIPVAL"], Texts{"1"});
}

// Each ticked limit of the valve size method sets its own check-box entry of the report and
// no other.
TEST(ValveData, EachLimitFlagSetsOnlyItsOwnReportEntry) {
    const std::pair<std::uint32_t, const char*> flags[] = {
        {CProd_ValveData::kFlagMaxInletPressureTicked, "App_ChkBx_MIPVAL"},
        {CProd_ValveData::kFlagVolumetricFlowTicked, "App_ChkBx_VolFlowVAL"},
        {CProd_ValveData::kFlagControlSignalTicked, "App_ChkBx_ControlSigVAL"},
        {CProd_ValveData::kFlagFlowFactorTicked, "App_ChkBx_FloFacValueVAL"},
    };
    for (const auto& [alone, key] : flags) {
        SCOPED_TRACE(key);
        CProd_ValveData record;
        record.m_ChkBxFlags = alone;
        CReportMap map;
        record.AddToReportMap(map);
        for (const auto& [flag, entry] : flags) {
            EXPECT_EQ(map[entry], Texts{flag == alone ? "1" : "0"}) << entry;
        }
    }
}
