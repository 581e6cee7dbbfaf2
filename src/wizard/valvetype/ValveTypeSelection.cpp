#include "ValveTypeSelection.h"

#include "base/DialogResult.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredImage.h"
#include "data/StoredQueries.h"

namespace veritom {

namespace {

const CValveTypeAnswer kNone;

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

CValveTypeSelection::CValveTypeSelection(IDatabase& db, const CValveTypeAnswers& current)
    : m_db(db), m_current(current) {}

void CValveTypeSelection::Load() {
    LoadFunctionTypes();
    m_functionTypeFound = false;
    m_functionTypeIndex = m_functionTypes.empty() ? -1 : 0;
    for (std::size_t i = 0; i < m_functionTypes.size(); ++i) {
        if (m_functionTypes[i].text == m_current.functionType.text) {
            m_functionTypeIndex = static_cast<int>(i);
            m_functionTypeFound = true;
            break;
        }
    }
    LoadFlowPatterns();
    PreselectFlowPattern();
}

void CValveTypeSelection::LoadFunctionTypes() {
    m_functionTypes.clear();
    constexpr auto& q = queries::kFunctionType;
    CQuery query(m_db, q);
    IRecordset records(m_db);
    records.Open(query);
    while (!records.IsEOF()) {
        m_functionTypes.push_back({records.GetString(q.Field("FuncLinkText")),
                                   records.GetString(q.Field("FuncLink")), "", 0});
        records.MoveNext();
    }
    records.Close();
}

void CValveTypeSelection::LoadFlowPatterns() {
    m_flowPatterns.clear();
    m_flowPatternIndex = -1;
    if (!InRange(m_functionTypeIndex, m_functionTypes.size())) {
        return;
    }
    constexpr auto& q = queries::kFlowPattern;
    CQuery query(m_db, q);
    query.Set(q.Param("[parFuncLink]"), GetChosenFunctionType().link);
    IRecordset records(m_db);
    records.Open(query);
    while (!records.IsEOF()) {
        m_flowPatterns.push_back({records.GetString(q.Field("FloPatLinkText")),
                                  records.GetString(q.Field("FloPatLink")),
                                  records.GetString(q.Field("FloPatPic")), 0});
        records.MoveNext();
    }
    records.Close();
    m_flowPatternIndex = m_flowPatterns.empty() ? -1 : 0;
}

void CValveTypeSelection::PreselectFlowPattern() {
    const std::string& current = m_current.flowPattern.text;
    if (current.empty() || m_current.functionType.text.empty() || !m_functionTypeFound) {
        return;
    }
    for (std::size_t i = 0; i < m_flowPatterns.size(); ++i) {
        if (m_flowPatterns[i].text.rfind(current, 0) == 0) {
            m_flowPatternIndex = static_cast<int>(i);
            return;
        }
    }
}

bool CValveTypeSelection::SelectFunctionType(int index) {
    if (index == m_functionTypeIndex || !InRange(index, m_functionTypes.size())) {
        return false;
    }
    m_functionTypeIndex = index;
    LoadFlowPatterns();
    return true;
}

bool CValveTypeSelection::SelectFlowPattern(int index) {
    if (!InRange(index, m_flowPatterns.size())) {
        return false;
    }
    m_flowPatternIndex = index;
    return true;
}

std::optional<ByteArray> CValveTypeSelection::GetFlowPatternPicture() const {
    if (!InRange(m_flowPatternIndex, m_flowPatterns.size())) {
        return std::nullopt;
    }
    return FetchStoredImage(m_db, GetChosenFlowPattern().third);
}

bool CValveTypeSelection::CanAccept() const {
    return InRange(m_functionTypeIndex, m_functionTypes.size()) &&
           InRange(m_flowPatternIndex, m_flowPatterns.size());
}

const CValveTypeAnswer& CValveTypeSelection::GetChosenFunctionType() const {
    return InRange(m_functionTypeIndex, m_functionTypes.size())
               ? m_functionTypes[static_cast<std::size_t>(m_functionTypeIndex)]
               : kNone;
}

const CValveTypeAnswer& CValveTypeSelection::GetChosenFlowPattern() const {
    return InRange(m_flowPatternIndex, m_flowPatterns.size())
               ? m_flowPatterns[static_cast<std::size_t>(m_flowPatternIndex)]
               : kNone;
}

bool CValveTypeSelection::IsChanged() const {
    return !(GetChosenFunctionType() == m_current.functionType) ||
           !(GetChosenFlowPattern() == m_current.flowPattern);
}

CValveTypeAnswer CValveTypeSelection::GetOptionPassedOn() const {
    return IsChanged() ? CValveTypeAnswer() : m_current.option;
}

CValveTypeSelection::Outcome CValveTypeSelection::Combine(bool changed, int optionsResult) {
    if (optionsResult == IDOK) {
        return Outcome::Ok;
    }
    if (optionsResult == IDUNCHANGED) {
        return changed ? Outcome::Ok : Outcome::Unchanged;
    }
    return Outcome::StayOpen;
}

CValveTypeSelection::Outcome CValveTypeSelection::Conclude(int optionsResult,
                                                           const CValveTypeAnswer& chosenOption) {
    if (!CanAccept()) {
        return Outcome::StayOpen;
    }
    const Outcome outcome = Combine(IsChanged(), optionsResult);
    if (outcome == Outcome::Ok) {
        m_result.functionType = GetChosenFunctionType();
        m_result.flowPattern = GetChosenFlowPattern();
        m_result.option = optionsResult == IDOK ? chosenOption : GetOptionPassedOn();
    }
    return outcome;
}

}  // namespace veritom
