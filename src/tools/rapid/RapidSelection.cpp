#include "RapidSelection.h"

#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/QD.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredImage.h"
#include "data/StoredQueries.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {

const std::string kNoText;
const std::vector<CRapidLine> kNoLines;
const CRapidSegment kUnusedSegment;

// "ValveAssembly", "Valve" and "Solenoid" offer the three build types.
int BuildTypeOf(const std::string& pnType) {
    if (pnType == "ValveAssembly") {
        return CRapidSelection::kComplete;
    }
    if (pnType == "Valve") {
        return CRapidSelection::kValveOnly;
    }
    if (pnType == "Solenoid") {
        return CRapidSelection::kSolenoidOnly;
    }
    return CRapidSelection::kNoBuildType;
}

// Codes are keys, so a database that stores them as numbers still yields their text.
std::string CodeText(const CFieldValue& value) {
    if (const auto* text = value.Get<std::string>()) {
        return *text;
    }
    if (const auto* number = value.Get<std::int16_t>()) {
        return std::to_string(*number);
    }
    if (const auto* number = value.Get<std::int32_t>()) {
        return std::to_string(*number);
    }
    if (const auto* number = value.Get<double>()) {
        return Format("%g", *number);
    }
    if (const auto* number = value.Get<float>()) {
        return Format("%g", *number);
    }
    return std::string();
}

}  // namespace

CRapidSelection::CRapidSelection(IDatabase& db, std::string seriesLink)
    : m_db(db), m_seriesLink(std::move(seriesLink)) {}

CRapidSelection::Step CRapidSelection::Load() {
    const CWaitCursor wait;
    m_types = {};
    m_skippedFields.clear();
    LoadBuildTypes();
    m_buildType = kNoBuildType;
    for (int type = kComplete; type <= kTypeCount; ++type) {
        if (m_types[static_cast<std::size_t>(type)].available) {
            LoadSegments(m_types[static_cast<std::size_t>(type)]);
            if (m_buildType == kNoBuildType) {
                m_buildType = type;
            }
        }
    }
    ClearFrom(0);
    return m_buildType == kNoBuildType ? Step{} : FirstRequest();
}

void CRapidSelection::LoadBuildTypes() {
    constexpr auto& q = queries::kRapidBuildTypes;
    CQuery query(m_db, q);
    query.Set(q.Param("[parDesignSeriesLink]"), m_seriesLink);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        const std::string pnType = records.GetString(q.Field("PNType"));
        const int type = BuildTypeOf(pnType);
        if (type == kNoBuildType) {
            continue;
        }
        TypeTable& table = m_types[static_cast<std::size_t>(type)];
        table.available = true;
        table.choiceLink = pnType;
        table.picture = records.GetString(q.Field("ImageName"));
    }
}

void CRapidSelection::LoadSegments(TypeTable& table) {
    constexpr auto& q = queries::kRapidSegments;
    CQuery query(m_db, q);
    query.Set(q.Param("[parDesignSeriesLink]"), m_seriesLink);
    query.Set(q.Param("[parRapSelChoiceLink]"), table.choiceLink);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        const int field = records.GetInt(q.Field("RapSelFieldNum"));
        const int k = RapidSegmentOfField(field);
        if (k < 0) {
            m_skippedFields.insert(field);
            continue;
        }
        CRapidSegment& segment = table.segments[static_cast<std::size_t>(k)];
        segment.field = field;
        segment.heading = records.GetString(q.Field("RapSelFieldHeading"));
        segment.displayState = records.GetString(q.Field("FieldDisplayState"));
    }
    records.Close();
    for (CRapidSegment& segment : table.segments) {
        if (segment.IsActive()) {
            segment.fillQuery = QueryNameFor(table, segment.field);
        }
    }
    table.finalQuery = QueryNameFor(table, kFinalField);
}

std::string CRapidSelection::QueryNameFor(const TypeTable& table, int field) {
    constexpr auto& q = queries::kRapidSegmentQuery;
    CQuery query(m_db, q);
    query.Set(q.Param("[parDesignSeriesLink]"), m_seriesLink);
    query.Set(q.Param("[parRapSelChoiceLink]"), table.choiceLink);
    query.Set(q.Param("[parRapSelFieldNum]"), static_cast<std::int16_t>(field));
    IRecordset records(m_db);
    records.Open(query);
    return records.IsEOF() ? std::string() : records.GetString(q.Field("Query"));
}

bool CRapidSelection::IsBuildTypeAvailable(int type) const {
    return type >= kComplete && type <= kTypeCount &&
           m_types[static_cast<std::size_t>(type)].available;
}

const CRapidSelection::TypeTable& CRapidSelection::Current() const {
    return m_types[static_cast<std::size_t>(m_buildType)];
}

const std::string& CRapidSelection::GetChoiceLink() const {
    return Current().choiceLink;
}

std::optional<ByteArray> CRapidSelection::GetBuildTypePicture() const {
    return FetchStoredImage(m_db, Current().picture);
}

CRapidSelection::Step CRapidSelection::SetBuildType(int type) {
    if (type == m_buildType || !IsBuildTypeAvailable(type)) {
        return {};
    }
    m_buildType = type;
    ClearFrom(0);
    return FirstRequest();
}

CRapidSelection::Step CRapidSelection::FirstRequest() const {
    const int first = FirstActiveSegment();
    // A build type without a segment to choose is built at once.
    return first >= 0 ? Step{Step::Kind::Fill, first} : Step{Step::Kind::Build, -1};
}

const CRapidSegment& CRapidSelection::Segment(int k) const {
    return InRange(k) ? Current().segments[static_cast<std::size_t>(k)] : kUnusedSegment;
}

CRapidSelection::SegmentState CRapidSelection::State(int k) const {
    const CRapidSegment& segment = Segment(k);
    if (!segment.IsUsed()) {
        return SegmentState::Hidden;
    }
    if (!segment.IsActive()) {
        return SegmentState::Disabled;
    }
    if (Selected(k) >= 0) {
        return SegmentState::Chosen;
    }
    return Lines(k).size() > 1 ? SegmentState::AwaitingChoice : SegmentState::Pending;
}

int CRapidSelection::FirstActiveSegment() const {
    return NextActiveAfter(-1);
}

int CRapidSelection::NextActiveAfter(int k) const {
    for (int j = k + 1; j < kRapidSegmentCount; ++j) {
        if (Segment(j).IsActive()) {
            return j;
        }
    }
    return -1;
}

const std::vector<CRapidLine>& CRapidSelection::Lines(int k) const {
    return InRange(k) ? m_lists[static_cast<std::size_t>(k)].lines : kNoLines;
}

int CRapidSelection::Selected(int k) const {
    return InRange(k) ? m_lists[static_cast<std::size_t>(k)].selected : -1;
}

void CRapidSelection::DropPartNumber() {
    m_partNumber.clear();
    m_description.clear();
}

void CRapidSelection::ClearFrom(int k) {
    DropPartNumber();
    for (int j = std::max(k, 0); j < kRapidSegmentCount; ++j) {
        m_lists[static_cast<std::size_t>(j)] = {};
    }
}

std::optional<std::vector<CRapidSelection::Code>> CRapidSelection::ChosenCodes(int end) const {
    std::vector<Code> codes;
    for (int j = 0; j < end && j < kRapidSegmentCount; ++j) {
        const CRapidSegment& segment = Segment(j);
        if (!segment.IsActive()) {
            continue;
        }
        const int line = Selected(j);
        if (line < 0) {
            return std::nullopt;
        }
        codes.push_back(
            {RapidCodeParam(segment.field), Lines(j)[static_cast<std::size_t>(line)].code});
    }
    return codes;
}

CRapidSelection::Step CRapidSelection::Fill(int k) {
    const CRapidSegment& segment = Segment(k);
    if (!segment.IsActive()) {
        return {};
    }
    const auto codes = ChosenCodes(k);
    if (!codes) {
        return {};
    }
    SegmentList& list = m_lists[static_cast<std::size_t>(k)];
    list = {};
    if (segment.fillQuery.empty()) {
        return {};
    }
    const CWaitCursor wait;
    QD query(m_db, segment.fillQuery);
    query.SetParam("[parDesignSeriesLink]", m_seriesLink);
    for (const Code& code : *codes) {
        query.SetParam(code.param, code.value);
    }
    IRecordset records(m_db);
    records.Open(query);
    const std::string codeField = RapidCodeField(segment.field);
    const std::string textField = RapidTextField(segment.field);
    for (; !records.IsEOF(); records.MoveNext()) {
        list.lines.push_back(
            {CodeText(records.GetFieldValue(codeField)), records.GetString(textField)});
    }
    if (list.lines.size() == 1) {
        return Choose(k, 0);
    }
    return list.lines.empty() ? Step{} : Step{Step::Kind::AwaitChoice, k};
}

CRapidSelection::Step CRapidSelection::Choose(int k, int line) {
    if (!InRange(k) || line < 0 || line >= static_cast<int>(Lines(k).size()) ||
        line == Selected(k)) {
        return {};
    }
    m_lists[static_cast<std::size_t>(k)].selected = line;
    ClearFrom(k + 1);
    const int next = NextActiveAfter(k);
    return next >= 0 ? Step{Step::Kind::Fill, next} : Step{Step::Kind::Build, -1};
}

bool CRapidSelection::BuildPartNumber() {
    DropPartNumber();
    const TypeTable& table = Current();
    if (m_buildType == kNoBuildType || table.finalQuery.empty()) {
        return false;
    }
    const auto codes = ChosenCodes(kRapidSegmentCount);
    if (!codes) {
        return false;
    }
    const CWaitCursor wait;
    QD query(m_db, table.finalQuery);
    query.SetParam("[parDesignSeriesLink]", m_seriesLink);
    query.SetParam("[parRapSelChoiceLink]", table.choiceLink);
    query.SetParam("[ValvePartNumber.NoteLink]", "");
    query.SetParam("[SolenoidPartNumber.Notes]", "");
    for (const Code& code : *codes) {
        query.SetParam(code.param, code.value);
    }
    IRecordset records(m_db);
    records.Open(query);
    if (records.IsEOF()) {
        return false;
    }
    m_partNumber = CodeText(records.GetFieldValue("PartNumber"));
    m_description = records.GetString("PNDescription");
    if (m_partNumber.empty()) {
        m_description.clear();
    }
    return !m_partNumber.empty();
}

COrderPadLine CRapidSelection::OrderLine() const {
    return {m_partNumber, LoadString(ids::kApplicationName), m_description};
}

std::optional<std::string> CRapidSelection::SkippedFieldsNotice() const {
    if (m_skippedFields.empty()) {
        return std::nullopt;
    }
    std::string list;
    for (const int field : m_skippedFields) {
        list += (list.empty() ? "" : ", ") + std::to_string(field);
    }
    return Format(LoadString(ids::kRapidFieldsSkipped), list);
}

}  // namespace veritom
