#include "PartInterchange.h"

#include <algorithm>
#include <cctype>

#include "base/MessageSink.h"
#include "data/CatalogueMessage.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

namespace {

std::string ToUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

template <typename T>
bool InRange(int index, const std::vector<T>& entries) {
    return index >= 0 && static_cast<std::size_t>(index) < entries.size();
}

// The four parameters that name a competitor part in every query after the part list.
template <const auto& q>
void SetPartParams(CQuery& query, const std::string& competitorLink, const CCompetitorPart& part) {
    query.Set(q.Param("[parCompttrLink]"), competitorLink);
    query.Set(q.Param("[parCompttrPrefixLink]"), part.prefixLink);
    query.Set(q.Param("[parCompttrPN]"), part.partNumber);
    query.Set(q.Param("[parCompttrSuffixLink]"), part.suffixLink);
}

}  // namespace

CPartInterchange::CPartInterchange(IDatabase& db) : m_db(db) {}

std::optional<std::string> CPartInterchange::OpeningNotice() const {
    return LookupCatalogueMessage(m_db, kOpeningNotice);
}

void CPartInterchange::Open() {
    const CWaitCursor wait;
    FillCompetitors();
    m_competitor = -1;
    if (!SelectCompetitor(0)) {
        FillParts();
        RefreshFromPart();
    }
}

void CPartInterchange::FillCompetitors() {
    m_competitors.clear();
    constexpr auto& q = queries::kCompetitors;
    CQuery query(m_db, q);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_competitors.push_back(
            {records.GetString(q.Field("CompttrLink")), records.GetString(q.Field("CompttrText"))});
    }
}

void CPartInterchange::FillParts() {
    m_parts.clear();
    m_part = -1;
    if (!InRange(m_competitor, m_competitors)) {
        return;
    }
    constexpr auto& q = queries::kCompetitorParts;
    CQuery query(m_db, q);
    query.Set(q.Param("[parCompttrLink]"),
              m_competitors[static_cast<std::size_t>(m_competitor)].link);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_parts.push_back({records.GetString(q.Field("CompttrPrefixLink")),
                           records.GetString(q.Field("CompttrPrefix")),
                           records.GetString(q.Field("CompttrPN")),
                           records.GetString(q.Field("CompttrSuffix")),
                           records.GetString(q.Field("CompttrSuffixLink")),
                           records.GetString(q.Field("CompleteCompttrPN"))});
    }
}

void CPartInterchange::FillDivisions() {
    m_divisions.clear();
    m_division = -1;
    const CCompetitorPart* part = SelectedPart();
    if (!part) {
        return;
    }
    constexpr auto& q = queries::kInterchangeDivisions;
    CQuery query(m_db, q);
    SetPartParams<queries::kInterchangeDivisions>(
        query, m_competitors[static_cast<std::size_t>(m_competitor)].link, *part);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_divisions.push_back({records.GetString(q.Field("ProductLinkIndiv")),
                               records.GetString(q.Field("ProductLineText"))});
    }
}

void CPartInterchange::FillVoltages() {
    m_voltages.clear();
    m_voltage = -1;
    const CCompetitorPart* part = SelectedPart();
    if (!part || !InRange(m_division, m_divisions)) {
        return;
    }
    constexpr auto& q = queries::kInterchangeVoltages;
    CQuery query(m_db, q);
    SetPartParams<queries::kInterchangeVoltages>(
        query, m_competitors[static_cast<std::size_t>(m_competitor)].link, *part);
    query.Set(q.Param("[parProductLinkIndiv]"),
              m_divisions[static_cast<std::size_t>(m_division)].link);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_voltages.push_back({records.GetString(q.Field("VoltCode")),
                              records.GetString(q.Field("VoltText")),
                              records.GetInt(q.Field("VoltDefault")) == 1});
    }
}

const CCompetitorPart* CPartInterchange::SelectedPart() const {
    if (!InRange(m_competitor, m_competitors) || !InRange(m_part, m_parts)) {
        return nullptr;
    }
    return &m_parts[static_cast<std::size_t>(m_part)];
}

bool CPartInterchange::SelectCompetitor(int index) {
    if (index == m_competitor || !InRange(index, m_competitors)) {
        return false;
    }
    m_competitor = index;
    FillParts();
    m_part = m_parts.empty() ? -1 : 0;
    m_partNumberText = m_parts.empty() ? std::string() : m_parts.front().complete;
    RefreshFromPart();
    return true;
}

bool CPartInterchange::SelectPart(int index) {
    if (index == m_part || !InRange(index, m_parts)) {
        return false;
    }
    m_part = index;
    m_partNumberText = m_parts[static_cast<std::size_t>(index)].complete;
    RefreshFromPart();
    return true;
}

CPartInterchange::TypeOutcome CPartInterchange::TypePartNumber(const std::string& text) {
    if (m_parts.empty()) {
        return TypeOutcome::Beep;
    }
    const std::string typed = ToUpper(text.substr(0, kMaxTypedLength));
    m_partNumberText = text.substr(0, kMaxTypedLength);
    const auto found = std::find_if(m_parts.begin(), m_parts.end(), [&](const auto& part) {
        return part.complete.rfind(typed, 0) == 0;
    });
    if (found == m_parts.end()) {
        // The typed number names no part: nothing may stay selected or orderable.
        m_part = -1;
        RefreshFromPart();
        return TypeOutcome::NoMatch;
    }
    const int row = static_cast<int>(found - m_parts.begin());
    if (row == m_part) {
        return TypeOutcome::Same;
    }
    m_part = row;
    RefreshFromPart();
    return TypeOutcome::Selected;
}

void CPartInterchange::RefreshFromPart() {
    FillDivisions();
    m_division = m_divisions.empty() ? -1 : 0;
    RefreshFromDivision();
}

bool CPartInterchange::SelectDivision(int index) {
    if (index == m_division || !InRange(index, m_divisions)) {
        return false;
    }
    m_division = index;
    RefreshFromDivision();
    return true;
}

void CPartInterchange::RefreshFromDivision() {
    FillVoltages();
    const auto preferred = std::find_if(m_voltages.begin(), m_voltages.end(),
                                        [](const auto& voltage) { return voltage.isDefault; });
    if (preferred != m_voltages.end()) {
        m_voltage = static_cast<int>(preferred - m_voltages.begin());
    } else {
        m_voltage = m_voltages.empty() ? -1 : 0;
    }
    ComputeAnswer();
}

bool CPartInterchange::SelectVoltage(int index) {
    if (index == m_voltage || !InRange(index, m_voltages)) {
        return false;
    }
    m_voltage = index;
    ComputeAnswer();
    return true;
}

std::string CPartInterchange::VoltageCode() const {
    return InRange(m_voltage, m_voltages) ? m_voltages[static_cast<std::size_t>(m_voltage)].code
                                          : std::string(kNoVoltage);
}

void CPartInterchange::ComputeAnswer() {
    m_answer.reset();
    const CCompetitorPart* part = SelectedPart();
    if (!part || !InRange(m_division, m_divisions)) {
        return;
    }
    const CWaitCursor wait;
    constexpr auto& q = queries::kInterchangeAnswer;
    CQuery query(m_db, q);
    SetPartParams<queries::kInterchangeAnswer>(
        query, m_competitors[static_cast<std::size_t>(m_competitor)].link, *part);
    query.Set(q.Param("[parProductLinkIndiv]"),
              m_divisions[static_cast<std::size_t>(m_division)].link);
    query.Set(q.Param("[parVoltCode"), VoltageCode());
    IRecordset records(m_db);
    records.Open(query);
    if (records.IsEOF()) {
        return;
    }
    m_answer = CInterchangeAnswer{records.GetString(q.Field("NoteText")),
                                  records.GetString(q.Field("CompleteVeldorPN")),
                                  records.GetString(q.Field("DescriptionText"))};
}

COrderPadLine CPartInterchange::OrderLine() const {
    if (!CanAddToOrderPad()) {
        return {};
    }
    return {m_answer->partNumber, std::string(), m_answer->description};
}

}  // namespace veritom
