#include "ApplicationSelection.h"

#include "base/DialogResult.h"
#include "base/Links.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

CApplicationSelection::CApplicationSelection(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record) {}

void CApplicationSelection::Load() {
    m_category = m_record.m_AppCategoryLink.Value();
    if (m_category.empty()) {
        m_category = links::kGeneralPurpose;
    }
    m_generalPurpose = m_category == links::kGeneralPurpose;
    m_methodCode = m_record.m_SelMethodCode.Value();
    ReadAvailability();
    if (!m_generalPurposeAvailable) {
        m_generalPurpose = false;
    }
    if (!m_generalPurpose) {
        if (m_specialityAvailable) {
            m_category = links::kSpeciality;
        } else if (m_generalPurposeAvailable) {
            m_category = links::kGeneralPurpose;
            m_generalPurpose = true;
        }
    }
    Fill();
    m_selected = -1;
    if (IsSpecialityChecked() && !m_listed.empty()) {
        m_selected = 0;
        for (std::size_t i = 0; i < m_listed.size(); ++i) {
            if (m_listed[i].text == m_record.m_ApplicationTypeVAL.Value()) {
                m_selected = static_cast<int>(i);
                break;
            }
        }
    }
}

void CApplicationSelection::ReadAvailability() {
    constexpr auto& q = queries::kApplicationsAvailable;
    CQuery query(m_db, q);
    record_params::SetValveType<q>(query, m_record);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        if (records.GetString(q.Field("AppCategoryLink")) == links::kGeneralPurpose) {
            m_generalPurposeAvailable = true;
        } else {
            m_specialityAvailable = true;
        }
    }
}

void CApplicationSelection::Fill() {
    m_listed.clear();
    m_hasGeneralPurposeApplication = false;
    if (!m_generalPurpose && !m_specialityAvailable) {
        return;
    }
    constexpr auto& q = queries::kApplications;
    CQuery query(m_db, q);
    record_params::SetValveType<q>(query, m_record);
    query.Set(q.Param("[parBMaterialLink]"), m_record.m_BMaterialLink.Value());
    query.Set(q.Param("[parAppCategoryLink]"), m_category);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        Application application{records.GetString(q.Field("AppTypeLinkText")),
                                records.GetString(q.Field("AppTypeLink")),
                                records.GetString(q.Field("AppTypeStaticText"))};
        if (m_generalPurpose) {
            // The catalogue names one general purpose application; the last row wins.
            m_generalPurposeApplication = std::move(application);
            m_hasGeneralPurposeApplication = true;
        } else {
            m_listed.push_back(std::move(application));
        }
    }
}

bool CApplicationSelection::Select(int index) {
    if (!IsListEnabled() || index < 0 || static_cast<std::size_t>(index) >= m_listed.size()) {
        return false;
    }
    m_selected = index;
    return true;
}

const CApplicationSelection::Application* CApplicationSelection::Chosen() const {
    if (m_generalPurpose) {
        return m_hasGeneralPurposeApplication ? &m_generalPurposeApplication : nullptr;
    }
    if (m_selected < 0 || static_cast<std::size_t>(m_selected) >= m_listed.size()) {
        return nullptr;
    }
    return &m_listed[static_cast<std::size_t>(m_selected)];
}

std::string CApplicationSelection::GetDescription() const {
    const Application* chosen = Chosen();
    return chosen ? chosen->description : std::string();
}

bool CApplicationSelection::ChooseGeneralPurpose() {
    if (m_generalPurpose || !m_generalPurposeAvailable) {
        return false;
    }
    m_generalPurpose = true;
    m_category = links::kGeneralPurpose;
    Fill();
    m_selected = -1;
    return true;
}

bool CApplicationSelection::ChooseSpeciality() {
    if (IsSpecialityChecked() || !m_specialityAvailable) {
        return false;
    }
    m_generalPurpose = false;
    m_category = links::kSpeciality;
    Fill();
    m_selected = m_listed.empty() ? -1 : 0;
    return true;
}

CApplicationSelection::Next CApplicationSelection::Accept() {
    const Application* chosen = Chosen();
    if (!chosen) {
        return Next::Beep;
    }
    m_changed = m_record.m_ApplicationTypeVAL.Value() != chosen->text ||
                m_record.m_AppTypeLink.Value() != chosen->link;
    m_methodCode = m_record.m_SelMethodCode.Value();
    constexpr auto& q = queries::kValveSelMethodCode;
    CQuery query(m_db, q);
    query.Set(q.Param("[parAppTypeLink]"), chosen->link);
    query.Set(q.Param("[parAppCategoryLink]"), m_category);
    IRecordset records(m_db);
    records.Open(query);
    if (!records.IsEOF()) {
        m_methodCode = records.GetInt(q.Field("SelMethodCode"));
    }

    m_working = m_record;
    if (m_changed) {
        m_working.Reset(2);
    }
    m_working.m_AppCategoryLink = m_category;
    m_working.m_ApplicationTypeVAL = chosen->text;
    m_working.m_AppTypeLink = chosen->link;
    m_working.m_AppTypeStaticText = chosen->description;
    m_working.m_SelMethodCode = m_methodCode;
    switch (m_methodCode) {
        case 1:
            return Next::KnownParameters;
        case 2:
            return Next::ValveSize;
        default:
            return Next::Beep;
    }
}

CApplicationSelection::Outcome CApplicationSelection::Conclude(
    int methodResult, const CProd_ValveData& methodRecord) {
    if (methodResult == IDOK) {
        m_result = methodRecord;
        m_result.m_SelMethodCode = m_methodCode;
        return Outcome::Ok;
    }
    if (methodResult == IDUNCHANGED && !m_changed) {
        return Outcome::Unchanged;
    }
    return Outcome::StayOpen;
}

}  // namespace veritom
