#include "wizard/partnumber/PartNumberSelection.h"

#include <algorithm>
#include <charconv>

#include "base/Format.h"
#include "base/Links.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/WizardStrings.h"
#include "wizard/partnumber/ListState.h"
#include "wizard/partnumber/PartInformation.h"
#include "wizard/partnumber/TemperatureCheck.h"

namespace veritom {

namespace {

constexpr int kMethodKnownParameters = 1;
constexpr int kMethodValveSize = 2;
constexpr std::size_t kWaitCursorRows = 300;
constexpr const char* kPsig = "PSIG";
constexpr const char* kFahrenheit = "DEG_F";

// The option rows' triples, in the order the option query gives them.
enum Triple {
    kBodyTriple,
    kSealTriple,
    kConnectionTriple,
    kActuationTriple,
    kCoilClassTriple,
    kApprovalTriple,
    kControlSignalTriple
};

const OptionEntries kNoEntries;

bool IsOptionFilter(int filter) {
    using S = CPartNumberSelection;
    return filter == S::kBodyMaterial || filter == S::kFlowFactor || filter == S::kConnectionType ||
           filter == S::kSealMaterial || filter == S::kActuation || filter == S::kCoilClass ||
           filter == S::kTenthFilter;
}

bool IsNumericFilter(int filter) {
    using S = CPartNumberSelection;
    return filter == S::kMaxFluidTemp || filter == S::kMinFluidTemp ||
           filter == S::kMaxInletPressure;
}

std::vector<OptionTriple> TriplesOf(const std::vector<std::array<OptionTriple, 7>>& rows,
                                    Triple triple) {
    std::vector<OptionTriple> triples;
    triples.reserve(rows.size());
    for (const auto& row : rows) {
        triples.push_back(row[triple]);
    }
    return triples;
}

float ParseFloat(const std::string& text) {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string UnitText(const std::string& code) {
    return CUnitDouble(0, code).GetUnitText();
}

}  // namespace

CPartNumberSelection::CPartNumberSelection(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record) {
    m_selected.fill(-1);
}

CPartNumberSelection::OpenResult CPartNumberSelection::Open() {
    m_ready = false;
    const std::optional<ColumnVariant> variant = CPartListQuery::ChooseVariant(m_record);
    if (!variant) {
        Messages().Beep();
        return OpenResult::NoVariant;
    }
    m_variant = *variant;
    m_kind = CPartListQuery::ChooseKind(m_record);
    m_selected.fill(-1);
    m_options.fill({});
    m_texts.fill({});
    std::copy(m_record.m_PNFilterLinks.begin(), m_record.m_PNFilterLinks.end(), m_links.begin());
    m_numbers[kMaxFluidTemp] = m_record.m_App_FluidTempVAL;
    m_numbers[kMinFluidTemp] = m_record.m_Filter_MinFluidTempVAL;
    m_numbers[kMaxInletPressure] = m_record.m_App_MaxInPressureVAL;

    ReadOptions();
    if (m_optionRows.empty()) {
        Messages().Beep();
        return OpenResult::NoOptions;
    }
    const std::array<std::string, kFilterCount> saved = m_links;
    m_options[kBodyMaterial] =
        COptionList::Build(TriplesOf(m_optionRows, kBodyTriple), m_undecidedLink, m_undecidedText);
    SelectSaved(kBodyMaterial, saved[kBodyMaterial]);
    CTemperatureCheck::ClampMinimum(m_numbers[kMaxFluidTemp], m_numbers[kMinFluidTemp]);

    std::string savedKind = saved[kFlowFactor];
    if (m_record.m_SelMethodCode.Value() == kMethodValveSize && savedKind.empty()) {
        savedKind = m_record.m_App_FlowFactorVAL.GetUnitText();
    }
    FillFlowFactorKinds();
    SelectSaved(kFlowFactor, savedKind);
    FillFlowFactorRanges();
    m_rangeIndex = m_ranges.IndexOfLink(m_record.m_PN_FlowFactorLowNotUsed.Value());
    m_texts[kFlowFactor] = m_rangeIndex >= 0 ? m_ranges.texts[m_rangeIndex] : std::string();

    const std::pair<int, Triple> others[] = {{kConnectionType, kConnectionTriple},
                                             {kSealMaterial, kSealTriple},
                                             {kActuation, kActuationTriple}};
    for (const auto& [filter, triple] : others) {
        m_options[filter] =
            COptionList::Build(TriplesOf(m_optionRows, triple), m_undecidedLink, m_undecidedText);
        SelectSaved(filter, saved[filter]);
    }
    // A filter the list query does not take is neither filled nor used.
    if (IsFilterInUse(kCoilClass)) {
        m_options[kCoilClass] = COptionList::Build(TriplesOf(m_optionRows, kCoilClassTriple),
                                                   m_undecidedLink, m_undecidedText);
        SelectSaved(kCoilClass, saved[kCoilClass]);
    }
    if (IsFilterInUse(kTenthFilter)) {
        const Triple tenth = IsTenthFilterControlSignal() ? kControlSignalTriple : kApprovalTriple;
        m_options[kTenthFilter] =
            COptionList::Build(TriplesOf(m_optionRows, tenth), m_undecidedLink, m_undecidedText);
        SelectSaved(kTenthFilter, saved[kTenthFilter]);
    }

    const CListState state = CListState::Read(m_record.m_PNListState);
    m_columns = CListState::Layout(state, m_variant, IsFilterInUse(kCoilClass),
                                   IsFilterInUse(kTenthFilter));
    m_columnOrder = m_columns;
    m_candidates.Clear();
    m_sort.Reset(0);
    m_ready = true;
    return OpenResult::Ready;
}

void CPartNumberSelection::ReadOptions() {
    m_optionRows.clear();
    const CQueryInfo info = CPartListQuery::OptionQuery(m_kind);
    CQuery query(m_db, info);
    CPartListQuery::Apply(query, CPartListQuery::RecordParameters(m_record, m_kind));
    // The five option queries share one field list.
    constexpr auto& q = queries::kOptionsKind1;
    const auto field = [&info](FieldRef ref) { return FieldRef{info.id, ref.index, ref.read}; };
    constexpr std::array<std::array<FieldRef, 3>, 7> kTriples = {{
        {q.Field("BMaterialLink2"), q.Field("BMaterialLink2Text"), q.Field("BMaterialLinkOrder")},
        {q.Field("SMaterialLink"), q.Field("SMaterialLinkText"), q.Field("SMaterialLinkOrder")},
        {q.Field("ConTypeLink"), q.Field("ConTypeLinkText"), q.Field("ConTypeLinkOrder")},
        {q.Field("ActLink"), q.Field("ActLinkText"), q.Field("ActLinkOrder")},
        {q.Field("CoilClsLink"), q.Field("CoilClsLinkText"), q.Field("CoilClsLinkOrder")},
        {q.Field("ApprovLink"), q.Field("ApprovLinkText"), q.Field("ApprovLinkOrder")},
        {q.Field("ControlSigLink2"), q.Field("ControlSigLink2Text"), q.Field("ControlSigOrder")},
    }};
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        std::array<OptionTriple, 7> row;
        for (std::size_t i = 0; i < kTriples.size(); ++i) {
            row[i] = {records.GetString(field(kTriples[i][0])),
                      records.GetString(field(kTriples[i][1])),
                      records.GetFloat(field(kTriples[i][2]))};
        }
        m_optionRows.push_back(std::move(row));
    }
    records.Close();

    constexpr auto& u = queries::kUndecided;
    CQuery undecided(m_db, u);
    records.Open(undecided);
    m_undecidedLink.clear();
    m_undecidedText.clear();
    for (; !records.IsEOF(); records.MoveNext()) {
        const std::string link = records.GetString(u.Field("UndecidedLink"));
        if (!link.empty()) {
            m_undecidedLink = link;
            m_undecidedText = records.GetString(u.Field("UndecidedText"));
            break;
        }
    }
    records.Close();
}

void CPartNumberSelection::FillFlowFactorKinds() {
    constexpr auto& q = queries::kFlowFactor;
    CQuery query(m_db, q);
    IRecordset records(m_db);
    records.Open(query);
    OptionEntries& kinds = m_options[kFlowFactor];
    kinds = {};
    for (; !records.IsEOF(); records.MoveNext()) {
        kinds.links.push_back(records.GetString(q.Field("FlowFactorLink")));
        kinds.texts.push_back(records.GetString(q.Field("FlowFactorText")));
    }
    records.Close();
}

void CPartNumberSelection::FillFlowFactorRanges() {
    m_ranges = {};
    m_rangeIndex = -1;
    if (m_selected[kFlowFactor] < 0) {
        return;
    }
    const bool valveSize = m_record.m_SelMethodCode.Value() == kMethodValveSize;
    const std::uint32_t ticked = valveSize ? CProd_ValveData::kFlagFlowFactorTicked
                                           : CProd_ValveData::kFlagFlowFactorInSummary;
    const CUnitDoubleExSel& entered = m_record.m_App_FlowFactorVAL;
    constexpr auto& q = queries::kFlowFactorRanges;
    CQuery query(m_db, q);
    query.Set(q.Param("[parChkBx_FloFacValue]"),
              static_cast<std::int16_t>((m_record.m_ChkBxFlags & ticked) != 0 ? 1 : 0));
    query.Set(q.Param("[parFlowFactorLink]"), m_links[kFlowFactor]);
    query.Set(q.Param("[parFloFacUnit]"), entered.GetUnitText());
    query.Set(q.Param("[parFloFacValueEntered]"),
              m_record.m_SelMethodCode.Value() != kMethodKnownParameters
                  ? static_cast<float>(entered.Value())
                  : 0.0f);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_ranges.links.push_back(records.GetString(q.Field("FlowFacValue_Low")));
        m_ranges.texts.push_back(records.GetString(q.Field("FlowFacRangeText")));
    }
    records.Close();
}

void CPartNumberSelection::SelectSaved(int filter, const std::string& link) {
    const OptionEntries& entries = m_options[filter];
    const int index = entries.IndexOfLink(link);
    m_selected[filter] = index;
    m_links[filter] = index >= 0 ? entries.links[index] : std::string();
    if (filter != kFlowFactor) {
        m_texts[filter] = index >= 0 ? entries.texts[index] : std::string();
    }
}

const OptionEntries& CPartNumberSelection::Options(int filter) const {
    return IsOptionFilter(filter) ? m_options[filter] : kNoEntries;
}

int CPartNumberSelection::Selected(int filter) const {
    return filter >= 0 && filter < kFilterCount ? m_selected[filter] : -1;
}

bool CPartNumberSelection::IsFilterInUse(int filter) const {
    switch (filter) {
        case kCoilClass:
            return CPartListQuery::UsesCoilClassFilter(m_kind);
        case kTenthFilter:
            return CPartListQuery::UsesTenthFilter(m_kind);
        case kMaxInletPressure:
            return false;  // never shown, though its value still narrows the list
        default:
            return filter >= 0 && filter < kFilterCount;
    }
}

bool CPartNumberSelection::IsMaxFluidTempEditable() const {
    return m_record.m_MethodLink != 2;
}

const CUnitDouble& CPartNumberSelection::NumericFilter(int filter) const {
    return m_numbers[IsNumericFilter(filter) ? filter : kMaxFluidTemp];
}

std::string CPartNumberSelection::HelpKeyword(int filter) const {
    static const char* const kKeywords[kFilterCount] = {
        "BodyMaterial", "MaxFluidTemperature", "MinFluidTemperature",
        "CvRating",     "MaxInletPressure",    "ConnectionType",
        "SealMaterial", "ActuationType",       "CoilTempClass",
        "AgencyApp"};
    if (filter == kTenthFilter && m_record.m_VoltLink.Value() == links::kAll &&
        m_record.m_SelMethodCode.Value() == kMethodValveSize) {
        return "ControlSig";
    }
    return filter >= 0 && filter < kFilterCount ? kKeywords[filter] : std::string();
}

bool CPartNumberSelection::DropRows() {
    if (m_sort.Size() == 0) {
        return false;
    }
    m_candidates.Clear();
    m_sort.Reset(0);
    m_stale = true;
    return true;
}

bool CPartNumberSelection::SelectOption(int filter, int index) {
    if (!m_ready || !IsOptionFilter(filter) || index < 0 || index >= m_options[filter].Size()) {
        return false;
    }
    const bool differs = index != m_selected[filter];
    const bool dropped = differs && DropRows();
    m_selected[filter] = index;
    m_links[filter] = m_options[filter].links[index];
    if (filter != kFlowFactor) {
        m_texts[filter] = m_options[filter].texts[index];
    } else if (differs) {
        FillFlowFactorRanges();
        m_rangeIndex = m_ranges.Empty() ? -1 : 0;
        m_texts[kFlowFactor] = m_rangeIndex >= 0 ? m_ranges.texts[0] : std::string();
    }
    return dropped;
}

bool CPartNumberSelection::SelectFlowFactorRange(int index) {
    if (!m_ready || index < 0 || index >= m_ranges.Size()) {
        return false;
    }
    const bool dropped = index != m_rangeIndex && DropRows();
    m_rangeIndex = index;
    m_texts[kFlowFactor] = m_ranges.texts[index];
    return dropped;
}

bool CPartNumberSelection::ChangeNumericFilter(int filter, const CUnitDouble& value) {
    if (!m_ready || !IsNumericFilter(filter)) {
        return false;
    }
    m_numbers[filter] = value;
    return DropRows();
}

bool CPartNumberSelection::SelectByLink(int filter, const std::string& link) {
    if (!m_ready || !IsOptionFilter(filter) || !IsFilterInUse(filter)) {
        return false;
    }
    std::string option = link;
    std::string range;
    if (filter == kFlowFactor && link.find(':') != std::string::npos) {
        option = link.substr(0, link.find(':'));
        range = link.substr(link.find(':') + 1);
    }
    const auto& links = m_options[filter].links;
    const auto found = std::find(links.begin(), links.end(), option);
    if (found == links.end()) {
        return false;
    }
    SelectOption(filter, static_cast<int>(found - links.begin()));
    if (range.empty()) {
        return true;
    }
    const auto& ranges = m_ranges.links;
    const auto foundRange = std::find(ranges.begin(), ranges.end(), range);
    if (foundRange == ranges.end()) {
        return false;
    }
    SelectFlowFactorRange(static_cast<int>(foundRange - ranges.begin()));
    return true;
}

CPartNumberSelection::UpdateResult CPartNumberSelection::Update() {
    const CUnitDouble& minimum = m_numbers[kMinFluidTemp];
    if (const auto suggestion =
            CTemperatureCheck::SuggestedMinimum(m_numbers[kMaxFluidTemp], minimum)) {
        m_suggestedMinimum = *suggestion;
        MessageBox(CTemperatureCheck::Message(*suggestion, minimum.Unit()), MsgButtons::Ok,
                   MsgIcon::Warning);
        return UpdateResult::MinimumRefused;
    }
    if (m_ready && m_sort.Size() == 0) {
        FillList();
    }
    if (m_sort.Size() > 0) {
        return UpdateResult::Listed;
    }
    ShowCatalogueMessage(m_db, "NoRecordsPass");
    return UpdateResult::NothingListed;
}

ListFilterValues CPartNumberSelection::FilterValues() const {
    ListFilterValues values;
    values.bodyMaterial = m_links[kBodyMaterial];
    values.sealMaterial = m_links[kSealMaterial];
    values.flowFactorKind = m_links[kFlowFactor];
    values.flowFactorLow = ParseFloat(m_ranges.links[static_cast<std::size_t>(m_rangeIndex)]);
    values.connectionType = m_links[kConnectionType];
    values.actuation = m_links[kActuation];
    values.maxFluidTempF = static_cast<float>(m_numbers[kMaxFluidTemp].GetValueIn(kFahrenheit));
    values.minFluidTempF = static_cast<float>(m_numbers[kMinFluidTemp].GetValueIn(kFahrenheit));
    values.maxInletPressurePsig =
        static_cast<float>(m_numbers[kMaxInletPressure].GetValueIn(kPsig));
    values.coilClass = IsFilterInUse(kCoilClass) ? m_links[kCoilClass] : links::kAll;
    values.tenthFilter = IsFilterInUse(kTenthFilter) ? m_links[kTenthFilter] : links::kAll;
    return values;
}

bool CPartNumberSelection::FillList() {
    const int needed[] = {kBodyMaterial, kSealMaterial, kConnectionType, kActuation, kFlowFactor};
    for (const int filter : needed) {
        if (m_selected[filter] < 0) {
            return false;
        }
    }
    if (m_rangeIndex < 0 || (IsFilterInUse(kCoilClass) && m_selected[kCoilClass] < 0) ||
        (IsFilterInUse(kTenthFilter) && m_selected[kTenthFilter] < 0)) {
        return false;
    }
    m_candidates.Clear();
    m_sort.Reset(0);
    TakeDisplayUnits();
    CQuery query(m_db, CPartListQuery::ListQuery(m_kind));
    CPartListQuery::Apply(query, CPartListQuery::RecordParameters(m_record, m_kind));
    CPartListQuery::Apply(query, CPartListQuery::FilterParameters(FilterValues(), m_kind));
    m_candidates.Read(query);
    if (m_askBeforeLarge && m_candidates.Size() >= kLargeListRows &&
        MessageBox(Format(LoadString(ids::kTooManyCandidates),
                          static_cast<long long>(m_candidates.Size())),
                   MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes) {
        m_candidates.Clear();
    }
    m_sort.Reset(m_candidates.Size());
    m_stale = m_candidates.Size() == 0;
    return true;
}

void CPartNumberSelection::TakeDisplayUnits() {
    const auto unit = [](const char* fixed, const std::string& wanted, bool difference = false) {
        const bool converts = !wanted.empty() && CUnitDouble::TryConvert(1.0, fixed, wanted);
        const std::string code = converts ? wanted : fixed;
        return DisplayUnit{fixed, code, UnitText(code), difference};
    };
    m_minOPDUnit = unit(kPsig, m_record.m_App_MinOPDVAL.Unit(), true);
    m_mopdUnit = unit(kPsig, m_record.m_App_MOPDVAL.Unit(), true);
    m_maxTempUnit = unit(kFahrenheit, m_numbers[kMaxFluidTemp].Unit());
    m_minTempUnit = unit(kFahrenheit, m_numbers[kMinFluidTemp].Unit());
    m_inletUnit = unit(kPsig, m_numbers[kMaxInletPressure].Unit());
    m_inletUnit.text = m_record.m_App_MaxInPressureVAL.GetUnitText();
}

double CPartNumberSelection::Converted(double value, const DisplayUnit& unit) {
    const auto converted = unit.difference
                               ? CUnitDouble::TryConvertDifference(value, unit.from, unit.code)
                               : CUnitDouble::TryConvert(value, unit.from, unit.code);
    return converted.value_or(value);
}

std::string CPartNumberSelection::Quantity(double value, const DisplayUnit& unit) {
    return Format("%5.0f  %s", Converted(value, unit), unit.text);
}

std::uint32_t CPartNumberSelection::RowOf(std::int64_t displayRow) const {
    return m_sort.RowAt(static_cast<std::size_t>(displayRow));
}

std::string CPartNumberSelection::ColumnTitle(int column) const {
    if (column == CColumnTable::kFlowFactor && !m_links[kFlowFactor].empty()) {
        return m_links[kFlowFactor];
    }
    return LoadString(CColumnTable::TitleId(column));
}

bool CPartNumberSelection::SetColumnOrder(const std::vector<int>& order) {
    if (!std::is_permutation(order.begin(), order.end(), m_columns.begin(), m_columns.end())) {
        return false;
    }
    m_columnOrder = order;
    return true;
}

bool CPartNumberSelection::SortedAscending() const {
    return CCandidateSort::IsAscending(m_sort.Last().column, m_sort.Last().direction);
}

std::string CPartNumberSelection::CellText(std::size_t displayRow, int column) const {
    return displayRow < m_sort.Size() ? CellOfRow(m_sort.RowAt(displayRow), column) : std::string();
}

std::string CPartNumberSelection::CellOfRow(std::uint32_t row, int column) const {
    using L = CCandidateList;
    const CCandidateList& list = m_candidates;
    const auto text = [&](L::TextField field) { return std::string(list.Text(field, row)); };
    switch (column) {
        case CColumnTable::kPartNumber:
            return std::string(list.PartNumber(row));
        case CColumnTable::kBodyMaterial:
            return text(L::kBodyMaterial);
        case CColumnTable::kPort:
            return text(L::kConnectionSize);
        case CColumnTable::kConnection:
            return text(L::kConnectionType);
        case CColumnTable::kOrifice:
            return text(L::kOrifice);
        case CColumnTable::kMaxInPressure:
            return Quantity(list.Number(L::kMaxInPressure, row), m_inletUnit);
        case CColumnTable::kMinOPD:
            return Quantity(list.MinOPD(row), m_minOPDUnit);
        case CColumnTable::kMOPD:
            return Quantity(list.Number(L::kMOPD, row), m_mopdUnit);
        case CColumnTable::kFlowFactor:
            return Format("%.2f", list.Number(L::kFlowFactor, row));
        case CColumnTable::kMaxFluidTemp:
            return Quantity(list.Number(L::kMaxFluidTemp, row), m_maxTempUnit);
        case CColumnTable::kSealMaterial:
            return text(L::kSealMaterial);
        case CColumnTable::kActuation:
            return text(L::kActuation);
        case CColumnTable::kAcDc:
            return text(L::kAcDc);
        case CColumnTable::kWattage:
            return text(L::kWattage);
        case CColumnTable::kCoilClass:
            return text(L::kCoilClass);
        case CColumnTable::kApproval:
            return text(L::kApproval);
        case CColumnTable::kControlSignal:
            return text(L::kControlSignal);
        case CColumnTable::kMinFluidTemp:
            return Quantity(list.Number(L::kMinFluidTemp, row), m_minTempUnit);
        default:
            return {};
    }
}

std::int64_t CPartNumberSelection::SortByColumn(int column, std::int64_t highlighted) {
    return SortByColumnAscending(column, -1, highlighted);
}

std::int64_t CPartNumberSelection::SortByColumnAscending(int column, int ascending,
                                                         std::int64_t highlighted) {
    const std::size_t rows = m_sort.Size();
    if (rows == 0) {
        return -1;
    }
    const bool hasRow = highlighted >= 0 && static_cast<std::size_t>(highlighted) < rows;
    const std::uint32_t row = hasRow ? RowOf(highlighted) : 0;
    std::optional<CWaitCursor> wait;
    if (rows > kWaitCursorRows) {
        wait.emplace();
    }
    if (ascending < 0) {
        m_sort.Sort(m_candidates, column);
    } else {
        m_sort.SortAscending(m_candidates, column, ascending != 0);
    }
    return hasRow ? m_sort.DisplayRowOf(row) : 0;
}

std::int64_t CPartNumberSelection::RestoreHighlightAndSort() {
    const CListState state = CListState::Read(m_record.m_PNListState);
    std::int64_t row = -1;
    if (state.saved && m_sort.Size() > 0) {
        row = m_candidates.Find(m_record.m_PN_CompletePNVAL.Value());
    }
    const bool shown =
        std::find(m_columns.begin(), m_columns.end(), state.sortColumn) != m_columns.end();
    if (state.sortColumn < 0 || !shown) {
        m_sort.ClearHistory();
    } else {
        m_sort.Restore(m_candidates, {state.sortColumn, state.sortDirection},
                       {state.historyColumn, state.historyDirection});
    }
    return row >= 0 ? m_sort.DisplayRowOf(static_cast<std::uint32_t>(row)) : -1;
}

void CPartNumberSelection::WriteBlock(std::uint32_t row, CProd_ValveData& record) const {
    using L = CCandidateList;
    const CCandidateList& list = m_candidates;
    const auto text = [&](L::TextField field) { return std::string(list.Text(field, row)); };
    record.m_PN_CompletePNVAL = std::string(list.PartNumber(row));
    record.m_PN_AcDcVAL = text(L::kAcDc);
    record.m_PN_WattageVAL = text(L::kWattage);
    record.m_PN_MinOPDVAL = Quantity(list.MinOPD(row), m_minOPDUnit);
    record.m_PN_ConnectionSizeVAL = text(L::kConnectionSize);
    record.m_PN_BodyMaterialVAL = text(L::kBodyMaterial);
    record.m_PN_SealMaterialVAL = text(L::kSealMaterial);
    record.m_PN_FlowFactorVAL = list.Number(L::kFlowFactor, row);
    record.m_PN_ConnectionTypeVAL = text(L::kConnectionType);
    record.m_PN_ActuationVAL = text(L::kActuation);
    record.m_PN_CoilClassVAL = text(L::kCoilClass);
    record.m_PN_ApprovalVAL = text(L::kApproval);
    record.m_PN_ControlSignalVAL = text(L::kControlSignal);
    record.m_PN_ValveNumberLink = text(L::kValveNumber);
    record.m_PN_SufxLink = text(L::kSuffix);
    // The block's spare integer held the row's place in the list as it was read.
    record.m_PNSpare = static_cast<std::int32_t>(row);
    const auto quantity = [&](L::NumberField field, const DisplayUnit& unit, CFloatExSel& number,
                              CStringExSel& shown) {
        const double value = list.Number(field, row);
        number = static_cast<float>(Converted(value, unit));
        shown = Quantity(value, unit);
    };
    quantity(L::kMaxFluidTemp, m_maxTempUnit, record.m_PN_MaxFluidTempNum,
             record.m_PN_MaxFluidTempText);
    quantity(L::kMinFluidTemp, m_minTempUnit, record.m_PN_MinFluidTempNum,
             record.m_PN_MinFluidTempText);
    quantity(L::kMaxInPressure, m_inletUnit, record.m_PN_MaxInletPressNum,
             record.m_PN_MaxInletPressText);
    record.m_PN_OrificeVAL = text(L::kOrifice);
    quantity(L::kMOPD, m_mopdUnit, record.m_PN_MOPDNum, record.m_PN_MOPDText);
}

void CPartNumberSelection::WriteListState(CProd_ValveData& record) const {
    CListState state;
    state.saved = true;
    state.mask = CListState::MaskOf(m_columnOrder, m_variant);
    state.columns = m_columnOrder;
    state.sortColumn = m_sort.Last().column;
    state.sortDirection = m_sort.Last().direction;
    state.historyColumn = m_sort.History().column;
    state.historyDirection = m_sort.History().direction;
    state.Write(record.m_PNListState);
}

bool CPartNumberSelection::Accept(std::int64_t displayRow, CProd_ValveData& record) const {
    if (displayRow < 0 || static_cast<std::size_t>(displayRow) >= m_sort.Size()) {
        ShowCatalogueMessage(m_db, "NoRecordSel");
        return false;
    }
    WriteListState(record);
    WriteBlock(RowOf(displayRow), record);
    std::copy(m_links.begin(), m_links.end(), record.m_PNFilterLinks.begin());
    std::copy(m_texts.begin(), m_texts.end(), record.m_PNFilterTexts.begin());
    record.m_PN_FlowFactorLowNotUsed =
        m_rangeIndex >= 0 ? m_ranges.links[static_cast<std::size_t>(m_rangeIndex)] : std::string();
    record.m_PN_FlowFactorUnitVAL = m_links[kFlowFactor];
    const auto store = [](const CUnitDouble& filter, CUnitDoubleExSel& member) {
        member.Set(filter.Value(), filter.Unit());
    };
    store(m_numbers[kMaxFluidTemp], record.m_App_FluidTempVAL);
    store(m_numbers[kMinFluidTemp], record.m_Filter_MinFluidTempVAL);
    store(m_numbers[kMaxInletPressure], record.m_App_MaxInPressureVAL);

    constexpr auto& q = queries::kGetDescription;
    CQuery query(m_db, q);
    query.Set(q.Param("[parFuncLink]"), record.m_FuncLink.Value());
    query.Set(q.Param("[parFloPatLink]"), record.m_FlowPatLink.Value());
    query.Set(q.Param("[parAppCategoryLink]"), record.m_AppCategoryLink.Value());
    query.Set(q.Param("[parAppTypeLink]"), record.m_AppTypeLink.Value());
    IRecordset records(m_db);
    records.Open(query);
    if (!records.IsEOF()) {
        record.m_PN_PNDescriptionVAL = records.GetString(q.Field("Description"));
    }
    records.Close();
    return true;
}

std::optional<CProd_ValveData> CPartNumberSelection::ReportRecord(
    std::int64_t displayRow, const CProd_ValveData& record) const {
    CProd_ValveData copy(record);
    if (!Accept(displayRow, copy)) {
        return std::nullopt;
    }
    return copy;
}

void CPartNumberSelection::ShowCatalogInformation(std::int64_t displayRow,
                                                  const std::string& referenceDir) const {
    if (displayRow < 0 || static_cast<std::size_t>(displayRow) >= m_sort.Size()) {
        Messages().Beep();
        return;
    }
    const std::uint32_t row = RowOf(displayRow);
    CPartInformation::ShowCatalogInformation(
        m_db, std::string(m_candidates.Text(CCandidateList::kValveNumber, row)),
        std::string(m_candidates.Text(CCandidateList::kSuffix, row)),
        m_record.m_AppTypeLink.Value(), referenceDir);
}

void CPartNumberSelection::ShowFilterHelp(int filter, const std::string& netPath) const {
    CPartInformation::ShowFilterHelp(m_db, HelpKeyword(filter), netPath);
}

}  // namespace veritom
