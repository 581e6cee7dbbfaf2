#include "ValveTypeOptionsSelection.h"

#include "base/DialogResult.h"
#include "base/Links.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

CValveTypeOptionsSelection::CValveTypeOptionsSelection(IDatabase& db,
                                                       const CValveTypeAnswer& functionType,
                                                       const CValveTypeAnswer& flowPattern,
                                                       const CValveTypeAnswer& currentOption)
    : m_db(db),
      m_functionType(functionType),
      m_flowPattern(flowPattern),
      m_currentOption(currentOption) {}

void CValveTypeOptionsSelection::Load() {
    m_options.clear();
    m_hasRealOptions = false;
    m_hasNoOptionRow = false;
    constexpr auto& q = queries::kFlowPatternOpt;
    CQuery query(m_db, q);
    query.Set(q.Param("[parFuncLink]"), m_functionType.link);
    query.Set(q.Param("[parFloPatLink]"), m_flowPattern.link);
    IRecordset records(m_db);
    records.Open(query);
    while (!records.IsEOF()) {
        const std::string link = records.GetString(q.Field("FloPatOptLink"));
        if (link == links::kNoOption) {
            m_hasNoOptionRow = true;
        } else {
            m_hasRealOptions = true;
        }
        m_options.push_back({records.GetString(q.Field("FloPatOptLinkText")), link, "", 0});
        records.MoveNext();
    }
    records.Close();

    m_selectedIndex = m_options.empty() ? -1 : 0;
    const std::string& current = m_currentOption.text;
    if (!m_hasRealOptions || current.empty()) {
        return;
    }
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i].text.rfind(current, 0) == 0) {
            m_selectedIndex = static_cast<int>(i);
            return;
        }
    }
}

int CValveTypeOptionsSelection::GetOptionCount() const {
    if (!m_hasRealOptions) {
        return 0;
    }
    return static_cast<int>(m_options.size()) - (m_hasNoOptionRow ? 1 : 0);
}

bool CValveTypeOptionsSelection::Select(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_options.size()) {
        return false;
    }
    m_selectedIndex = index;
    return true;
}

int CValveTypeOptionsSelection::Accept(CValveTypeAnswer& chosen) const {
    if (m_selectedIndex < 0 || static_cast<std::size_t>(m_selectedIndex) >= m_options.size()) {
        return 0;
    }
    chosen = m_options[static_cast<std::size_t>(m_selectedIndex)];
    chosen.number = GetOptionCount();
    return chosen == m_currentOption ? IDUNCHANGED : IDOK;
}

}  // namespace veritom
