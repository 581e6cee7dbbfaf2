#include "KnownParameters.h"

#include <algorithm>
#include <stdexcept>

#include "base/Links.h"
#include "base/StringTable.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/CatalogCheck.h"
#include "wizard/application/RecordParams.h"
#include "wizard/application/SizingCheck.h"

namespace veritom {

namespace {

// Bits 1 to 4 of a flag word say which rows its method shows: the port size list and the
// pressure differentials (catalog data), or the flow rate and the fluid temperature.
constexpr std::uint32_t kCatalogDataRows = 1u << 1 | 1u << 2;
constexpr std::uint32_t kCalculatedSizeRows = 1u << 3 | 1u << 4;

constexpr std::size_t kFlowRate = 0;
constexpr std::size_t kFluidTemperature = 1;
constexpr std::size_t kMinFluidTemperature = 2;
constexpr std::size_t kMaxInletPressure = 3;
constexpr std::size_t kMaxPressureDifferential = 4;
constexpr std::size_t kMinPressureDifferential = 5;

const char* MethodInfoLink(int method) {
    return method == CKnownParameters::kCalculatedSize ? "SelMeth_Size" : "SelMeth_Param";
}

std::size_t OtherMediumIndex(const std::string& state) {
    return state == links::kGas ? 0 : state == links::kLiquid ? 1 : 2;
}

void Store(CUnitDoubleExSel& target, const CUnitDouble& value) {
    target.Set(value.Value(), value.Unit());
}

// Adds the fluids of a fluid list query that the list does not hold yet.
template <const auto& Q>
void AddFluids(IRecordset& records, std::vector<CKnownParameters::Fluid>& fluids) {
    for (; !records.IsEOF(); records.MoveNext()) {
        CKnownParameters::Fluid fluid{records.GetString(Q.Field("FluidLinkText")),
                                      records.GetString(Q.Field("FluidLink")),
                                      records.GetString(Q.Field("FluidCategoryLink")),
                                      records.GetString(Q.Field("FluidCategoryText")),
                                      records.GetString(Q.Field("FluidAndStateLink")),
                                      records.GetDouble(Q.Field("FluidSpecificGravity")),
                                      records.GetInt(Q.Field("CategoryDefault")) != 0,
                                      records.GetInt(Q.Field("FluidSelectable")) != 0};
        const bool listed = std::any_of(fluids.begin(), fluids.end(),
                                        [&](const auto& f) { return f.link == fluid.link; });
        if (!listed) {
            fluids.push_back(std::move(fluid));
        }
    }
}

}  // namespace

CKnownParameters::CKnownParameters(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record), m_working(record) {}

void CKnownParameters::Load() {
    m_method = m_record.m_MethodLink == kCalculatedSize ? kCalculatedSize : kByCatalogData;
    ReadInformation();
    m_quantities = {m_record.m_App_FlowRateVAL,
                    m_record.m_App_FluidTempVAL,
                    m_record.m_Filter_MinFluidTempVAL,
                    m_record.m_App_MaxInPressureVAL,
                    m_record.m_App_MOPDVAL,
                    m_record.m_App_MinOPDVAL};
    ReadStates();
    if (m_record.m_MethodLink == kByCatalogData) {
        m_flags = {m_record.m_ChkBxFlags, m_record.m_ChkBxFlagsAlt};
    } else {
        m_flags = {m_record.m_ChkBxFlagsAlt, m_record.m_ChkBxFlags};
    }
    m_comFluidLink = m_record.m_ComFluidLink.Value() == 0 ? 0 : 1;

    FillFluids();
    m_selectedFluid = -1;
    const std::string& stored = m_record.m_FluidVAL.Value();
    if (!stored.empty()) {
        // The stored fluid itself first, else the first fluid its text begins.
        for (bool exact : {true, false}) {
            for (std::size_t i = 0; i < m_fluids.size() && m_selectedFluid < 0; ++i) {
                const std::string& text = m_fluids[i].text;
                if (m_fluids[i].selectable &&
                    (exact ? text == stored : text.rfind(stored, 0) == 0)) {
                    m_selectedFluid = static_cast<int>(i);
                }
            }
        }
    }
    if (m_selectedFluid < 0) {
        SelectDefaultFluid();
    }
    SetUpRows();
    if (m_method == kByCatalogData) {
        ReadPortSizes();
    }
    ReadOtherMedia();
}

void CKnownParameters::ReadInformation() {
    constexpr auto& q = queries::kSelMethodInfo;
    CQuery query(m_db, q);
    query.Set(q.Param("[parMethodLink]"), MethodInfoLink(m_method));
    IRecordset records(m_db);
    records.Open(query);
    m_information.clear();
    m_methodText.clear();
    if (!records.IsEOF()) {
        m_information = records.GetString(q.Field("SelMethodInfoText"));
        m_methodText = records.GetString(q.Field("SelMethodText"));
    }
}

void CKnownParameters::ReadStates() {
    constexpr auto& q = queries::kFluidButtonState;
    CQuery query(m_db, q);
    query.Set(q.Param("[parAppTypeLink]"), m_record.m_AppTypeLink.Value());
    IRecordset records(m_db);
    records.Open(query);
    std::string first;
    for (; !records.IsEOF(); records.MoveNext()) {
        const std::string state = records.GetString(q.Field("FluidStateLink"));
        m_states.insert(state);
        if (first.empty()) {
            first = state;
        }
    }
    m_state = m_record.m_FluidStateVAL.Value();
    if (!IsStateAvailable(m_state) && !first.empty()) {
        // A fresh application (or one whose state is gone) starts on the first state served.
        m_state = first;
        CUnitDouble& flow = m_quantities[kFlowRate];
        flow.Set(flow.Value(), FlowRateUnitFor(m_state, flow.Unit()));
    }
}

void CKnownParameters::SetUpRows() {
    std::uint32_t& flags = CurrentFlags();
    if (m_method == kByCatalogData) {
        flags = (flags | kCatalogDataRows) & ~kCalculatedSizeRows;
    } else {
        flags = (flags | kCalculatedSizeRows) & ~kCatalogDataRows;
    }
}

std::array<CKnownParameters::Row, 4> CKnownParameters::Rows(int method) {
    if (method == kCalculatedSize) {
        return {{{EntryField::FlowRate, ids::kFlowRate, ""},
                 {EntryField::FluidTemperature, ids::kFluidTemperature, ""},
                 {EntryField::MaxPressureDifferential, ids::kPressureDifferential, ""},
                 {EntryField::MaxInletPressure, ids::kMaxInletPressure, ""}}};
    }
    return {{{EntryField::PortSize, ids::kPortSize, ""},
             {EntryField::MaxPressureDifferential, ids::kMaxPressureDifferential, ""},
             {EntryField::MinPressureDifferential, ids::kMinPressureDifferential, " *"},
             {EntryField::MaxInletPressure, ids::kMaxInletPressure, ""}}};
}

std::string CKnownParameters::RowLabel(const Row& row) {
    return LoadString(row.labelId) + ":" + row.labelSuffix;
}

bool CKnownParameters::SetMethod(int method) {
    method = method == kCalculatedSize ? kCalculatedSize : kByCatalogData;
    if (method == m_method) {
        return false;
    }
    // Each method keeps its own flag word; the new method's becomes the current one.
    m_method = method;
    SetUpRows();
    if (m_method == kByCatalogData && !m_portSizesRead) {
        ReadPortSizes();
    }
    ReadInformation();
    return true;
}

std::string CKnownParameters::FlowRateUnitFor(const std::string& state, const std::string& unit) {
    if ((state == links::kLiquid || state == links::kOil) && unit == "CU_FT_MIN") {
        return "GPM";
    }
    if (state == links::kGas && unit == "GPM") {
        return "CU_FT_MIN";
    }
    return unit;
}

bool CKnownParameters::SetState(const std::string& state) {
    if (state == m_state || !IsStateAvailable(state)) {
        return false;
    }
    m_state = state;
    FillFluids();
    SelectDefaultFluid();
    CUnitDouble& flow = m_quantities[kFlowRate];
    flow.Set(flow.Value(), FlowRateUnitFor(m_state, flow.Unit()));
    return true;
}

void CKnownParameters::FillFluids() {
    m_fluids.clear();
    const std::string comFluid = std::to_string(m_comFluidLink);
    {
        constexpr auto& q = queries::kFluidCompatibility;
        CQuery query(m_db, q);
        record_params::SetValveType<q>(query, m_record);
        query.Set(q.Param("[parAppTypeLink]"), m_record.m_AppTypeLink.Value());
        query.Set(q.Param("[parAppCategoryLink]"), m_record.m_AppCategoryLink.Value());
        query.Set(q.Param("[parFluidStateLink]"), m_state);
        query.Set(q.Param("[parComFluidLink]"), comFluid);
        IRecordset records(m_db);
        records.Open(query);
        AddFluids<q>(records, m_fluids);
    }
    constexpr auto& q = queries::kFluidCompatibilityAll;
    CQuery query(m_db, q);
    query.Set(q.Param("[parFluidStateLink]"), m_state);
    query.Set(q.Param("[parComFluidLink]"), comFluid);
    IRecordset records(m_db);
    records.Open(query);
    AddFluids<q>(records, m_fluids);
}

void CKnownParameters::SelectDefaultFluid() {
    m_selectedFluid = -1;
    for (bool defaultOnly : {true, false}) {
        for (std::size_t i = 0; i < m_fluids.size(); ++i) {
            if (m_fluids[i].selectable && (!defaultOnly || m_fluids[i].categoryDefault)) {
                m_selectedFluid = static_cast<int>(i);
                return;
            }
        }
    }
}

bool CKnownParameters::SelectFluid(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_fluids.size() ||
        !m_fluids[static_cast<std::size_t>(index)].selectable) {
        return false;
    }
    m_selectedFluid = index;
    return true;
}

void CKnownParameters::SetShowAllFluids(bool all) {
    const int comFluid = all ? 0 : 1;
    if (comFluid == m_comFluidLink) {
        return;
    }
    const std::string selected =
        m_selectedFluid >= 0 ? m_fluids[static_cast<std::size_t>(m_selectedFluid)].link : "";
    m_comFluidLink = comFluid;
    FillFluids();
    // The fluid chosen stays chosen while the list still offers it.
    m_selectedFluid = -1;
    for (std::size_t i = 0; i < m_fluids.size(); ++i) {
        if (!selected.empty() && m_fluids[i].link == selected && m_fluids[i].selectable) {
            m_selectedFluid = static_cast<int>(i);
        }
    }
    if (m_selectedFluid < 0) {
        SelectDefaultFluid();
    }
}

bool CKnownParameters::IsMediumNotListed() const {
    return (GetFlags() & CProd_ValveData::kFlagMediumNotListed) != 0;
}

void CKnownParameters::SetMediumNotListed(bool notListed) {
    for (std::uint32_t& flags : m_flags) {
        if (notListed) {
            flags |= CProd_ValveData::kFlagMediumNotListed;
        } else {
            flags &= ~CProd_ValveData::kFlagMediumNotListed;
        }
    }
}

void CKnownParameters::ReadOtherMedia() {
    const char* states[] = {links::kGas, links::kLiquid, links::kOil};
    for (std::size_t i = 0; i < m_otherMedia.size(); ++i) {
        constexpr auto& q = queries::kOtherMedia;
        CQuery query(m_db, q);
        query.Set(q.Param("[parFluidStateLink]"), states[i]);
        IRecordset records(m_db);
        records.Open(query);
        Fluid medium;
        if (!records.IsEOF()) {
            medium.text = records.GetString(q.Field("FluidLinkText"));
            medium.link = records.GetString(q.Field("FluidLink"));
            medium.categoryLink = records.GetString(q.Field("FluidCategoryLink"));
            medium.categoryText = records.GetString(q.Field("FluidCategoryText"));
            medium.specificGravity = records.GetDouble(q.Field("FluidSpecificGravity"));
        }
        m_otherMedia[i] = medium;
    }
}

const CKnownParameters::Fluid& CKnownParameters::GetOtherMedium(const std::string& state) const {
    return m_otherMedia[OtherMediumIndex(state)];
}

void CKnownParameters::ReadPortSizes() {
    m_portSizes.clear();
    constexpr auto& q = queries::kPortSizes;
    CQuery query(m_db, q);
    record_params::SetValveType<q>(query, m_record);
    query.Set(q.Param("[parAppTypeLink]"), m_record.m_AppTypeLink.Value());
    query.Set(q.Param("[parAppCategoryLink]"), m_record.m_AppCategoryLink.Value());
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_portSizes.push_back({records.GetString(q.Field("ConSizeLinkText")),
                               records.GetString(q.Field("ConSizeLink"))});
    }
    m_portSizesRead = true;
    m_selectedPort = -1;
    for (std::size_t i = 0; i < m_portSizes.size(); ++i) {
        if (m_portSizes[i].link == m_record.m_ConFluidLink.Value() &&
            m_portSizes[i].text == m_record.m_App_PortSizeVAL.Value()) {
            m_selectedPort = static_cast<int>(i);
        }
    }
}

bool CKnownParameters::SelectPortSize(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_portSizes.size()) {
        return false;
    }
    m_selectedPort = index;
    return true;
}

std::size_t CKnownParameters::QuantityIndex(EntryField field) const {
    switch (field) {
        case EntryField::FlowRate:
            return kFlowRate;
        case EntryField::FluidTemperature:
            return kFluidTemperature;
        case EntryField::MaxInletPressure:
            return kMaxInletPressure;
        case EntryField::MaxPressureDifferential:
            return kMaxPressureDifferential;
        case EntryField::MinPressureDifferential:
            return kMinPressureDifferential;
        default:
            throw std::logic_error("no quantity for this entry");
    }
}

const CUnitDouble& CKnownParameters::Quantity(EntryField field) const {
    return m_quantities[QuantityIndex(field)];
}

void CKnownParameters::SetQuantity(EntryField field, const CUnitDouble& value) {
    m_quantities[QuantityIndex(field)] = value;
}

const CKnownParameters::Fluid* CKnownParameters::ChosenFluid() const {
    if (IsMediumNotListed()) {
        return &GetOtherMedium(m_state);
    }
    if (m_selectedFluid < 0 || static_cast<std::size_t>(m_selectedFluid) >= m_fluids.size()) {
        return nullptr;
    }
    const Fluid& fluid = m_fluids[static_cast<std::size_t>(m_selectedFluid)];
    return fluid.selectable ? &fluid : nullptr;
}

CKnownParameters::Acceptance CKnownParameters::Accept() {
    if (m_method == kByCatalogData && m_selectedPort < 0) {
        return {Acceptance::Kind::Refused, ids::kNoConnectionSize, EntryField::PortSize};
    }
    const PortSize port =
        m_selectedPort >= 0 ? m_portSizes[static_cast<std::size_t>(m_selectedPort)] : PortSize{};
    const Fluid* fluid = ChosenFluid();
    if (!fluid) {
        return {Acceptance::Kind::Refused, ids::kNoFluid, EntryField::Fluid};
    }
    if (IsUnchanged(*fluid, port)) {
        m_working = m_record;
        return {Acceptance::Kind::Unchanged, 0, EntryField::None};
    }
    WriteWorking(*fluid, port);
    return {Acceptance::Kind::Check, 0, EntryField::None};
}

bool CKnownParameters::IsUnchanged(const Fluid& fluid, const PortSize& port) const {
    const CProd_ValveData& r = m_record;
    return m_method == r.m_MethodLink && port.text == r.m_App_PortSizeVAL.Value() &&
           port.link == r.m_ConFluidLink.Value() && fluid.link == r.m_FluidLink.Value() &&
           m_state == r.m_FluidStateVAL.Value() && GetFlags() == r.m_ChkBxFlags &&
           fluid.text == r.m_FluidVAL.Value() &&
           record_params::SameQuantity(m_quantities[kFlowRate], r.m_App_FlowRateVAL) &&
           record_params::SameQuantity(m_quantities[kFluidTemperature], r.m_App_FluidTempVAL) &&
           record_params::SameQuantity(m_quantities[kMinFluidTemperature],
                                       r.m_Filter_MinFluidTempVAL) &&
           record_params::SameQuantity(m_quantities[kMaxInletPressure], r.m_App_MaxInPressureVAL) &&
           record_params::SameQuantity(m_quantities[kMaxPressureDifferential], r.m_App_MOPDVAL) &&
           record_params::SameQuantity(m_quantities[kMinPressureDifferential], r.m_App_MinOPDVAL);
}

void CKnownParameters::WriteWorking(const Fluid& fluid, const PortSize& port) {
    CProd_ValveData& w = m_working;
    w = m_record;
    w.m_MethodLink = m_method;
    w.m_ChkBxFlags = GetFlags();
    w.m_ChkBxFlagsAlt = FlagsOf(m_method == kByCatalogData ? kCalculatedSize : kByCatalogData);
    w.m_App_PortSizeVAL = port.text;
    w.m_ConFluidLink = port.link;
    w.m_FluidLink = fluid.link;
    w.m_FluidVAL = fluid.text;
    w.m_FluidStateVAL = m_state;
    w.m_FluidAndStateLink = fluid.secondLink;
    w.m_FluidSpecificGravity = fluid.specificGravity;
    w.m_FluidCategoryLink = fluid.categoryLink;
    w.m_FluidCategoryTextVAL = fluid.categoryText;
    w.m_ComFluidLink = m_comFluidLink;
    Store(w.m_App_FlowRateVAL, m_quantities[kFlowRate]);
    Store(w.m_App_FluidTempVAL, m_quantities[kFluidTemperature]);
    Store(w.m_Filter_MinFluidTempVAL, m_quantities[kMinFluidTemperature]);
    Store(w.m_App_MaxInPressureVAL, m_quantities[kMaxInletPressure]);
    Store(w.m_App_MOPDVAL, m_quantities[kMaxPressureDifferential]);
    Store(w.m_App_MinOPDVAL, m_quantities[kMinPressureDifferential]);
    w.m_App_SelMethodVAL = m_methodText;
}

CCheckOutcome CKnownParameters::Check(const EmptyEntries& empty) {
    if (m_method == kByCatalogData) {
        return CCatalogCheck::Run(m_db, m_working, empty);
    }
    CCheckOutcome outcome = CSizingCheck::Run(m_db, m_working, empty);
    if (outcome.passed) {
        m_working.m_CalcFlowFactorVAL.Set(outcome.calculatedCv, "CV");
    }
    return outcome;
}

}  // namespace veritom
