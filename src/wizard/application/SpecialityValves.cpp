#include "SpecialityValves.h"

#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/DataDocument.h"

namespace veritom {

CSpecialityValves::CSpecialityValves(IDatabase& db) : m_db(db) {}

void CSpecialityValves::Load() {
    m_valves.clear();
    constexpr auto& q = queries::kValvesNotAvail;
    CQuery query(m_db, q);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        m_valves.push_back({records.GetString(q.Field("SeriesLinkText")) + '\t' +
                                records.GetString(q.Field("SeriesLinkDesc")),
                            records.GetString(q.Field("SeriesMoreInfo"))});
    }
    m_note = LookupCatalogueMessage(m_db, "ValvesNotAvail").value_or(std::string());
    m_selected = m_valves.empty() ? -1 : 0;
}

bool CSpecialityValves::Select(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_valves.size()) {
        return false;
    }
    m_selected = index;
    return true;
}

void CSpecialityValves::OpenCatalog(const std::string& folder) const {
    if (m_selected < 0 || static_cast<std::size_t>(m_selected) >= m_valves.size()) {
        return;
    }
    const CDataDocument document(folder, m_valves[static_cast<std::size_t>(m_selected)].file);
    if (!document.IsOpenable()) {
        MessageBox(LoadString(ids::kCannotOpenFile) + document.Path());
        return;
    }
    // The desktop says so itself when it cannot show the file.
    Messages().OpenDocument(document.Path());
}

}  // namespace veritom
