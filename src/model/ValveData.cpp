#include "ValveData.h"

#include <algorithm>
#include <variant>

#include "base/Format.h"

namespace veritom {

namespace {

using Record = CProd_ValveData;
using ListState = std::array<std::int32_t, Record::kListStateCount>;
using FilterTexts = std::array<std::string, Record::kFilterCount>;
using MemberRef =
    std::variant<CStringExSel Record::*, CIntExSel Record::*, CDoubleExSel Record::*,
                 CFloatExSel Record::*, CUnitDoubleExSel Record::*, std::int32_t Record::*,
                 std::uint32_t Record::*, ListState Record::*, FilterTexts Record::*>;

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Clang 14 does not yet deduce aggregate template arguments on its own.
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

// One member of the record, or one element of an array member: where it is, its number and
// key, the step whose reset clears it, and the default the reset writes.
struct MemberInfo {
    std::string number;
    std::string key;
    std::string unitKey;
    int step = 0;
    MemberRef ref;
    int index = -1;
    std::string defaultText;
    double defaultNumber = 0;
    std::string defaultUnit;
};

// Builds the member table in declaration order.
class MemberTableBuilder {
public:
    void Add(int number, std::string key, int step, MemberRef ref, std::string text = {}) {
        m_members.push_back(
            {std::to_string(number), std::move(key), {}, step, ref, -1, std::move(text), 0, {}});
    }
    void Add(int number, std::string key, int step, MemberRef ref, double value) {
        m_members.push_back(
            {std::to_string(number), std::move(key), {}, step, ref, -1, {}, value, {}});
    }
    void AddQuantity(int number, std::string key, std::string unitKey, int step,
                     CUnitDoubleExSel Record::*member, double value, std::string unit) {
        m_members.push_back({std::to_string(number),
                             std::move(key),
                             std::move(unitKey),
                             step,
                             member,
                             -1,
                             {},
                             value,
                             std::move(unit)});
    }
    template <typename Array>
    void AddElements(int number, const std::string& name, int step, Array Record::*member,
                     int count, double (*defaultOf)(int)) {
        for (int i = 0; i < count; ++i) {
            m_members.push_back({std::to_string(number) + "." + std::to_string(i),
                                 name,
                                 {},
                                 step,
                                 member,
                                 i,
                                 {},
                                 defaultOf(i),
                                 {}});
        }
    }
    std::vector<MemberInfo> Take() { return std::move(m_members); }

private:
    std::vector<MemberInfo> m_members;
};

double ListStateDefault(int index) {
    return index == 20 || index == 23 ? 0 : -1;
}

double NoDefault(int) {
    return 0;
}

std::vector<MemberInfo> BuildMemberTable() {
    MemberTableBuilder t;
    t.Add(1, "FunctionTypeVAL", 0, &Record::m_FunctionTypeVAL);
    t.Add(2, "FuncLink", 0, &Record::m_FuncLink);
    t.Add(3, "FlowPatternVAL", 0, &Record::m_FlowPatternVAL);
    t.Add(4, "FlowPatLink", 0, &Record::m_FlowPatLink);
    t.Add(5, "FlowPatPic", 0, &Record::m_FlowPatPic);
    t.Add(6, "FlowPatOptionVAL", 0, &Record::m_FlowPatOptionVAL);
    t.Add(7, "FlowPatOptLink", 0, &Record::m_FlowPatOptLink);
    t.Add(8, "FlowPatOptSelected", 0, &Record::m_FlowPatOptSelected, 0.0);

    t.Add(9, "BMaterialLinkText", 1, &Record::m_BMaterialLinkText, "Undecided");
    t.Add(10, "BMaterialLink", 1, &Record::m_BMaterialLink, "ALL");
    t.Add(11, "AppCategoryLink", 1, &Record::m_AppCategoryLink);
    t.Add(12, "AppTypeLink", 1, &Record::m_AppTypeLink);
    t.Add(13, "ApplicationTypeVAL", 1, &Record::m_ApplicationTypeVAL);
    t.Add(14, "AppTypeStaticText", 1, &Record::m_AppTypeStaticText);
    t.Add(15, "SelMethodCode", 1, &Record::m_SelMethodCode, 0.0);

    t.Add(16, "App_PortSizeVAL", 2, &Record::m_App_PortSizeVAL);
    t.Add(17, "ConFluidLink", 2, &Record::m_ConFluidLink);
    t.Add(18, "App_ControlSigVAL", 2, &Record::m_App_ControlSigVAL);
    t.Add(19, "ControlSigLink", 2, &Record::m_ControlSigLink);
    t.Add(20, "MethodLink", 2, &Record::m_MethodLink, 0.0);
    t.Add(21, "ChkBxFlags", 2, &Record::m_ChkBxFlags, double{Record::kDefaultChkBxFlags});
    t.Add(22, "ChkBxFlagsAlt", 2, &Record::m_ChkBxFlagsAlt, double{Record::kDefaultChkBxFlagsAlt});
    t.Add(23, "FluidStateVAL", 2, &Record::m_FluidStateVAL);
    t.Add(24, "FluidAndStateLink", 2, &Record::m_FluidAndStateLink);
    t.Add(25, "ComFluidLink", 2, &Record::m_ComFluidLink, 1.0);
    t.Add(26, "FluidVAL", 2, &Record::m_FluidVAL);
    t.Add(27, "FluidLink", 2, &Record::m_FluidLink);
    t.Add(28, "FluidCategoryLink", 2, &Record::m_FluidCategoryLink, "NA");
    t.Add(29, "FluidCategoryTextVAL", 2, &Record::m_FluidCategoryTextVAL);
    t.Add(30, "FluidSpecificGravity", 2, &Record::m_FluidSpecificGravity, 0.0);
    t.AddQuantity(31, "App_FlowRateVAL", "App_FlowRateUnitVAL", 2, &Record::m_App_FlowRateVAL, 10.0,
                  "CU_FT_MIN");
    t.AddQuantity(32, "App_FluidTempVAL", "App_FluidTempUnitVAL", 2, &Record::m_App_FluidTempVAL,
                  100.0, "DEG_F");
    t.AddQuantity(33, "Filter_MinFluidTempVAL", "Filter_MinFluidTempUnitVAL", 2,
                  &Record::m_Filter_MinFluidTempVAL, 100.0, "DEG_F");
    t.AddQuantity(34, "App_FlowFactorVAL", "App_FlowFactorUnitVAL", 2, &Record::m_App_FlowFactorVAL,
                  0.0, "CV");
    t.AddQuantity(35, "App_MOPDVAL", "App_MOPDUnitVAL", 2, &Record::m_App_MOPDVAL, 100.0, "PSIG");
    t.AddQuantity(36, "App_MinOPDVAL", "App_MinOPDUnitVAL", 2, &Record::m_App_MinOPDVAL, 10.0,
                  "PSIG");
    t.AddQuantity(37, "App_MaxInPressureVAL", "App_MaxInPressureUnitVAL", 2,
                  &Record::m_App_MaxInPressureVAL, 100.0, "PSIG");
    t.AddQuantity(38, "App_MaxVolumetricFlowVAL", "App_MaxVolumetricFlowUnitVAL", 2,
                  &Record::m_App_MaxVolumetricFlowVAL, 0.0, "CC_MIN");
    t.AddQuantity(39, "CalcFlowFactorVAL", "CalcFlowFactorUnitVAL", 2, &Record::m_CalcFlowFactorVAL,
                  0.0, "CV");
    t.Add(40, "App_SelMethodVAL", 2, &Record::m_App_SelMethodVAL);

    t.Add(41, "OpEnvLink", 3, &Record::m_OpEnvLink, "ORD");
    t.Add(42, "Sol_OpEnvVAL", 3, &Record::m_Sol_OpEnvVAL);
    t.Add(43, "OpEnvStaticText", 3, &Record::m_OpEnvStaticText);
    t.Add(44, "Sol_CurrentVAL", 3, &Record::m_Sol_CurrentVAL);
    t.Add(45, "VoltLink", 3, &Record::m_VoltLink);
    t.Add(46, "Sol_VoltageVAL", 3, &Record::m_Sol_VoltageVAL);

    t.Add(47, "SolConstLink", 4, &Record::m_SolConstLink);
    t.Add(48, "Sol_ConstructionVAL", 4, &Record::m_Sol_ConstructionVAL);
    t.Add(49, "SolConstStaticText", 4, &Record::m_SolConstStaticText);
    t.Add(50, "TermLink", 4, &Record::m_TermLink);
    t.Add(51, "Sol_TerminationVAL", 4, &Record::m_Sol_TerminationVAL);
    t.Add(52, "TermStaticText", 4, &Record::m_TermStaticText);
    t.Add(53, "TermPic", 4, &Record::m_TermPic);
    t.Add(54, "EncloseLink", 4, &Record::m_EncloseLink);
    t.Add(55, "Sol_EnclosureVAL", 4, &Record::m_Sol_EnclosureVAL);
    t.Add(56, "EncloseStaticText", 4, &Record::m_EncloseStaticText);
    t.Add(57, "EnclosePic", 4, &Record::m_EnclosePic);

    t.AddElements(58, "PNListState", 5, &Record::m_PNListState, Record::kListStateCount,
                  ListStateDefault);
    t.Add(59, "PN_CompletePNVAL", 5, &Record::m_PN_CompletePNVAL);
    t.Add(60, "PN_PNDescriptionVAL", 5, &Record::m_PN_PNDescriptionVAL);
    t.Add(61, "PN_AcDcVAL", 5, &Record::m_PN_AcDcVAL);
    t.Add(62, "PN_WattageVAL", 5, &Record::m_PN_WattageVAL);
    t.Add(63, "PN_MinOPDVAL", 5, &Record::m_PN_MinOPDVAL);
    t.Add(64, "PN_ConnectionSizeVAL", 5, &Record::m_PN_ConnectionSizeVAL);
    t.Add(65, "PN_BodyMaterialVAL", 5, &Record::m_PN_BodyMaterialVAL);
    t.Add(66, "PN_SealMaterialVAL", 5, &Record::m_PN_SealMaterialVAL);
    t.Add(67, "PN_FlowFactorVAL", 5, &Record::m_PN_FlowFactorVAL, 0.0);
    t.Add(68, "PN_ConnectionTypeVAL", 5, &Record::m_PN_ConnectionTypeVAL);
    t.Add(69, "PN_ActuationVAL", 5, &Record::m_PN_ActuationVAL);
    t.Add(70, "PN_CoilClassVAL", 5, &Record::m_PN_CoilClassVAL);
    t.Add(71, "PN_ApprovalVAL", 5, &Record::m_PN_ApprovalVAL);
    t.Add(72, "PN_ControlSignalVAL", 5, &Record::m_PN_ControlSignalVAL);
    t.Add(73, "PN_ValveNumberLink", 5, &Record::m_PN_ValveNumberLink);
    t.Add(74, "PN_SufxLink", 5, &Record::m_PN_SufxLink);
    t.Add(75, "PNSpare", 5, &Record::m_PNSpare, -1.0);
    t.Add(76, "PN_MaxFluidTempVAL", 5, &Record::m_PN_MaxFluidTempNum, 0.0);
    t.Add(77, "PN_MaxFluidTempVAL", 5, &Record::m_PN_MaxFluidTempText);
    t.Add(78, "PN_MinFluidTempVAL", 5, &Record::m_PN_MinFluidTempNum, 0.0);
    t.Add(79, "PN_MinFluidTempVAL", 5, &Record::m_PN_MinFluidTempText);
    t.Add(80, "PN_MaxInletPressVAL", 5, &Record::m_PN_MaxInletPressNum, 0.0);
    t.Add(81, "PN_MaxInletPressVAL", 5, &Record::m_PN_MaxInletPressText);
    t.Add(82, "PN_OrificeVAL", 5, &Record::m_PN_OrificeVAL);
    t.Add(83, "PN_MOPDVAL", 5, &Record::m_PN_MOPDNum, 0.0);
    t.Add(84, "PN_MOPDVAL", 5, &Record::m_PN_MOPDText);
    t.AddElements(85, "PNFilterLinks", 5, &Record::m_PNFilterLinks, Record::kFilterCount,
                  NoDefault);
    t.AddElements(86, "PNFilterTexts", 5, &Record::m_PNFilterTexts, Record::kFilterCount,
                  NoDefault);
    t.Add(87, "PN_FlowFactor_Low_**NOT USED", 5, &Record::m_PN_FlowFactorLowNotUsed);
    t.Add(88, "PN_FlowFactorUnitVAL", 5, &Record::m_PN_FlowFactorUnitVAL);
    return t.Take();
}

const std::vector<MemberInfo>& Members() {
    static const std::vector<MemberInfo> members = BuildMemberTable();
    return members;
}

const MemberInfo& Member(const std::string& number) {
    const auto& members = Members();
    return *std::find_if(members.begin(), members.end(),
                         [&](const MemberInfo& m) { return m.number == number; });
}

// The stream order differs from the declaration order: the three plain words follow member
// 19, "App_SelMethodVAL" comes before the quantities, and the two filter arrays interleave.
std::vector<const MemberInfo*> BuildStreamOrder() {
    std::vector<const MemberInfo*> order;
    const auto add = [&](const std::string& number) { order.push_back(&Member(number)); };
    const auto addRange = [&](int first, int last) {
        for (int n = first; n <= last; ++n) {
            add(std::to_string(n));
        }
    };
    addRange(1, 30);
    add("40");
    addRange(31, 39);
    addRange(41, 57);
    for (int i = 0; i < Record::kListStateCount; ++i) {
        add("58." + std::to_string(i));
    }
    addRange(59, 84);
    for (int i = 0; i < Record::kFilterCount; ++i) {
        add("85." + std::to_string(i));
        add("86." + std::to_string(i));
    }
    addRange(87, 88);
    return order;
}

const std::vector<const MemberInfo*>& StreamOrder() {
    static const std::vector<const MemberInfo*> order = BuildStreamOrder();
    return order;
}

void ApplyDefault(Record& r, const MemberInfo& m) {
    std::visit(
        Overloaded{
            [&](CStringExSel Record::*p) { (r.*p).Set(m.key, m.defaultText); },
            [&](CIntExSel Record::*p) {
                (r.*p).Set(m.key, static_cast<std::int32_t>(m.defaultNumber));
            },
            [&](CDoubleExSel Record::*p) { (r.*p).Set(m.key, m.defaultNumber); },
            [&](CFloatExSel Record::*p) { (r.*p).Set(m.key, static_cast<float>(m.defaultNumber)); },
            [&](CUnitDoubleExSel Record::*p) {
                (r.*p).Set(m.defaultNumber, m.defaultUnit, m.key, m.unitKey);
            },
            [&](std::int32_t Record::*p) { r.*p = static_cast<std::int32_t>(m.defaultNumber); },
            [&](std::uint32_t Record::*p) { r.*p = static_cast<std::uint32_t>(m.defaultNumber); },
            [&](ListState Record::*p) {
                (r.*p)[m.index] = static_cast<std::int32_t>(m.defaultNumber);
            },
            [&](FilterTexts Record::*p) { (r.*p)[m.index] = m.defaultText; },
        },
        m.ref);
}

void Transfer(Record& r, const MemberInfo& m, CArchive& ar) {
    std::visit(Overloaded{
                   [&](CStringExSel Record::*p) { (r.*p).Serialize(ar); },
                   [&](CIntExSel Record::*p) { (r.*p).Serialize(ar); },
                   [&](CDoubleExSel Record::*p) { (r.*p).Serialize(ar); },
                   [&](CFloatExSel Record::*p) { (r.*p).Serialize(ar); },
                   [&](CUnitDoubleExSel Record::*p) { (r.*p).Serialize(ar); },
                   [&](std::int32_t Record::*p) { ar.Transfer(r.*p); },
                   [&](std::uint32_t Record::*p) { ar.Transfer(r.*p); },
                   [&](ListState Record::*p) { ar.Transfer((r.*p)[m.index]); },
                   [&](FilterTexts Record::*p) { ar.Transfer((r.*p)[m.index]); },
               },
               m.ref);
}

// Takes a member over exactly, an empty key included.
void CopyExactly(Record& to, const Record& from, const MemberInfo& m) {
    const auto named = [&](auto Record::*p) { (to.*p).Set((from.*p).Name(), (from.*p).Value()); };
    std::visit(Overloaded{
                   [&](CStringExSel Record::*p) { named(p); },
                   [&](CIntExSel Record::*p) { named(p); },
                   [&](CDoubleExSel Record::*p) { named(p); },
                   [&](CFloatExSel Record::*p) { named(p); },
                   [&](CUnitDoubleExSel Record::*p) {
                       const CUnitDoubleExSel& q = from.*p;
                       (to.*p).Set(q.Value(), q.Unit(), q.ValueKey(), q.UnitKey());
                   },
                   [&](std::int32_t Record::*p) { to.*p = from.*p; },
                   [&](std::uint32_t Record::*p) { to.*p = from.*p; },
                   [&](ListState Record::*p) { (to.*p)[m.index] = (from.*p)[m.index]; },
                   [&](FilterTexts Record::*p) { (to.*p)[m.index] = (from.*p)[m.index]; },
               },
               m.ref);
}

bool IsEqual(const Record& a, const Record& b, const MemberInfo& m) {
    const auto named = [&](auto Record::*p) {
        return (a.*p).Value() == (b.*p).Value() && (a.*p).Name() == (b.*p).Name();
    };
    return std::visit(
        Overloaded{
            [&](CStringExSel Record::*p) { return named(p); },
            [&](CIntExSel Record::*p) { return named(p); },
            [&](CDoubleExSel Record::*p) { return named(p); },
            [&](CFloatExSel Record::*p) { return named(p); },
            [&](CUnitDoubleExSel Record::*p) { return (a.*p).FullyEquals(b.*p); },
            [&](std::int32_t Record::*p) { return a.*p == b.*p; },
            [&](std::uint32_t Record::*p) { return a.*p == b.*p; },
            [&](ListState Record::*p) { return (a.*p)[m.index] == (b.*p)[m.index]; },
            [&](FilterTexts Record::*p) { return (a.*p)[m.index] == (b.*p)[m.index]; },
        },
        m.ref);
}

std::string NumberText(double value) {
    return veritom::Format("%.17g", value);
}

ValveMemberText Describe(const Record& r, const MemberInfo& m) {
    ValveMemberText line{m.number, m.key, {}};
    const auto named = [&](const auto& value, std::string text) {
        line.key = value.Name();
        line.values = {std::move(text)};
    };
    std::visit(
        Overloaded{
            [&](CStringExSel Record::*p) { named(r.*p, (r.*p).Value()); },
            [&](CIntExSel Record::*p) { named(r.*p, veritom::Format("%d", (r.*p).Value())); },
            [&](CDoubleExSel Record::*p) { named(r.*p, NumberText((r.*p).Value())); },
            [&](CFloatExSel Record::*p) { named(r.*p, NumberText((r.*p).Value())); },
            [&](CUnitDoubleExSel Record::*p) {
                const CUnitDoubleExSel& q = r.*p;
                line.key = q.ValueKey();
                line.values = {NumberText(q.Value()), q.Unit(), q.UnitKey()};
            },
            [&](std::int32_t Record::*p) { line.values = {veritom::Format("%d", r.*p)}; },
            [&](std::uint32_t Record::*p) { line.values = {veritom::Format("0x%08X", r.*p)}; },
            [&](ListState Record::*p) { line.values = {veritom::Format("%d", (r.*p)[m.index])}; },
            [&](FilterTexts Record::*p) { line.values = {(r.*p)[m.index]}; },
        },
        m.ref);
    return line;
}

void AddText(CReportMap& map, const std::string& key, const std::string& text) {
    CStringExSel value;
    value.Set(key, text);
    value.AddToReportMap(map);
}

void AddFlag(CReportMap& map, const std::string& key, std::uint32_t flags, std::uint32_t bit) {
    CIntExSel value;
    value.Set(key, (flags & bit) ? 1 : 0);
    value.AddToReportMap(map);
}

void AddQuantityCopy(CReportMap& map, const CUnitDoubleExSel& quantity, const std::string& valueKey,
                     const std::string& unitKey) {
    CUnitDoubleExSel copy;
    copy.Set(quantity.Value(), quantity.Unit(), valueKey, unitKey);
    copy.AddToReportMap(map);
}

}  // namespace

CProd_ValveData::CProd_ValveData() {
    Reset(-1);
}

CProd_ValveData::CProd_ValveData(const CProd_ValveData& other) : CProd_ValveData() {
    *this = other;
}

void CProd_ValveData::Serialize(CArchive& ar) {
    CProd_BaseData::Serialize(ar);
    for (const MemberInfo* member : StreamOrder()) {
        Transfer(*this, *member, ar);
    }
}

bool CProd_ValveData::Load(CArchive& ar) {
    CProd_ValveData loaded;
    loaded.Serialize(ar);
    if (ar.Failed()) {
        return false;
    }
    for (const MemberInfo& member : Members()) {
        CopyExactly(*this, loaded, member);
    }
    return true;
}

void CProd_ValveData::Reset(int level) {
    if (level < -1 || level > kLastResetLevel) {
        return;
    }
    const int firstStep = std::max(level, 0);
    for (const MemberInfo& member : Members()) {
        if (member.step >= firstStep) {
            ApplyDefault(*this, member);
        }
    }
}

std::vector<ValveMemberText> CProd_ValveData::DescribeMembers() const {
    std::vector<ValveMemberText> lines;
    for (const MemberInfo& member : Members()) {
        lines.push_back(Describe(*this, member));
    }
    return lines;
}

bool CProd_ValveData::operator==(const CProd_ValveData& other) const {
    const auto& members = Members();
    return std::all_of(members.begin(), members.end(),
                       [&](const MemberInfo& m) { return IsEqual(*this, other, m); });
}

void CProd_ValveData::AddToReportMap(CReportMap& map) const {
    CIntExSel methodLink;
    methodLink.Set("MethodLink", m_MethodLink);
    methodLink.AddToReportMap(map);

    for (const CStringExSel* text :
         {&m_FunctionTypeVAL, &m_FuncLink, &m_FlowPatternVAL, &m_FlowPatLink, &m_FlowPatPic,
          &m_FlowPatOptionVAL, &m_FlowPatOptLink}) {
        text->AddToReportMap(map);
    }
    m_FlowPatOptSelected.AddToReportMap(map);
    for (const CStringExSel* text : {&m_BMaterialLinkText, &m_BMaterialLink, &m_AppCategoryLink,
                                     &m_AppTypeLink, &m_ApplicationTypeVAL, &m_AppTypeStaticText}) {
        text->AddToReportMap(map);
    }
    m_SelMethodCode.AddToReportMap(map);
    for (const CStringExSel* text : {&m_App_PortSizeVAL, &m_ConFluidLink, &m_App_ControlSigVAL,
                                     &m_ControlSigLink, &m_FluidStateVAL, &m_FluidAndStateLink}) {
        text->AddToReportMap(map);
    }
    m_ComFluidLink.AddToReportMap(map);
    for (const CStringExSel* text :
         {&m_FluidVAL, &m_FluidLink, &m_FluidCategoryLink, &m_FluidCategoryTextVAL}) {
        text->AddToReportMap(map);
    }
    m_FluidSpecificGravity.AddToReportMap(map, false, "%.2f");
    m_App_SelMethodVAL.AddToReportMap(map);

    m_App_FlowRateVAL.AddToReportMap(map);
    m_App_FluidTempVAL.AddToReportMap(map);
    AddQuantityCopy(map, m_App_FluidTempVAL, "Filter_MaxFluidTempVAL",
                    "Filter_MaxFluidTempUnitVAL");
    m_Filter_MinFluidTempVAL.AddToReportMap(map);
    m_App_FlowFactorVAL.AddToReportMap(map, false, "%.2f");
    m_App_MOPDVAL.AddToReportMap(map);
    m_App_MinOPDVAL.AddToReportMap(map);
    m_App_MaxInPressureVAL.AddToReportMap(map);
    AddQuantityCopy(map, m_App_MaxInPressureVAL, "Filter_MaxInletPressVAL",
                    "Filter_MaxInletPressUnitVAL");
    m_App_MaxVolumetricFlowVAL.AddToReportMap(map);

    // The calculated flow factor is shown in the kind of the chosen part's flow factor.
    CUnitDoubleExSel calculated = m_CalcFlowFactorVAL;
    calculated.ConvertTo("KV");
    if (m_PN_FlowFactorUnitVAL.Value() == "Cv") {
        calculated.ConvertTo("CV");
    }
    calculated.AddToReportMap(map, false, "%.2f");

    for (const CStringExSel* text : {&m_OpEnvLink,
                                     &m_Sol_OpEnvVAL,
                                     &m_OpEnvStaticText,
                                     &m_Sol_CurrentVAL,
                                     &m_VoltLink,
                                     &m_Sol_VoltageVAL,
                                     &m_SolConstLink,
                                     &m_Sol_ConstructionVAL,
                                     &m_SolConstStaticText,
                                     &m_TermLink,
                                     &m_Sol_TerminationVAL,
                                     &m_TermStaticText,
                                     &m_TermPic,
                                     &m_EncloseLink,
                                     &m_Sol_EnclosureVAL,
                                     &m_EncloseStaticText,
                                     &m_EnclosePic,
                                     &m_PN_CompletePNVAL,
                                     &m_PN_PNDescriptionVAL,
                                     &m_PN_AcDcVAL,
                                     &m_PN_WattageVAL,
                                     &m_PN_MinOPDVAL,
                                     &m_PN_ConnectionSizeVAL,
                                     &m_PN_BodyMaterialVAL,
                                     &m_PN_SealMaterialVAL}) {
        text->AddToReportMap(map);
    }
    m_PN_FlowFactorVAL.AddToReportMap(map, false, "%.2f");
    // The part's limits appear as their display texts; the numbers are not reported.
    for (const CStringExSel* text :
         {&m_PN_ConnectionTypeVAL, &m_PN_ActuationVAL, &m_PN_CoilClassVAL, &m_PN_ApprovalVAL,
          &m_PN_ControlSignalVAL, &m_PN_ValveNumberLink, &m_PN_SufxLink, &m_PN_MaxFluidTempText,
          &m_PN_MinFluidTempText, &m_PN_MaxInletPressText, &m_PN_OrificeVAL, &m_PN_MOPDText}) {
        text->AddToReportMap(map);
    }

    AddText(map, "Filter_FlowFactorVAL", m_PNFilterTexts[3]);
    AddText(map, "Filter_FlowFactorUnitVAL", m_PN_FlowFactorUnitVAL.Value());
    AddText(map, "Filter_BodyMaterialVAL", m_PNFilterTexts[0]);
    AddText(map, "Filter_SealMaterialVAL", m_PNFilterTexts[6]);
    AddText(map, "Filter_ConnectionTypeVAL", m_PNFilterTexts[5]);
    AddText(map, "Filter_ActuationVAL", m_PNFilterTexts[7]);
    AddText(map, "Filter_ControlInputSigVAL", m_PNFilterTexts[9]);
    AddText(map, "Filter_CoilTempClassVAL", m_PNFilterTexts[8]);
    // The tenth filter holds the agency approval or, for the valve size method, the control
    // input signal.
    AddText(map, "Filter_AgencyApprovalVAL", m_PNFilterTexts[9]);

    m_PN_FlowFactorUnitVAL.AddToReportMap(map);

    AddFlag(map, "App_ChkBx_MIPVAL", m_ChkBxFlags, kFlagMaxInletPressureTicked);
    AddFlag(map, "App_ChkBx_VolFlowVAL", m_ChkBxFlags, kFlagVolumetricFlowTicked);
    AddFlag(map, "App_ChkBx_ControlSigVAL", m_ChkBxFlags, kFlagControlSignalTicked);
    AddFlag(map, "App_ChkBx_FloFacValueVAL", m_ChkBxFlags, kFlagFlowFactorTicked);
}

}  // namespace veritom
