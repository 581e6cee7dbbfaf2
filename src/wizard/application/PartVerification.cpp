#include "PartVerification.h"

#include "base/MessageSink.h"
#include "data/Database.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

namespace {

using namespace record_params;

template <const auto& Q>
std::vector<std::string> Lines(IDatabase& db, CQuery& query) {
    IRecordset records(db);
    records.Open(query);
    std::vector<std::string> lines;
    for (; !records.IsEOF(); records.MoveNext()) {
        const std::string number = records.GetString(Q.Field("ValveNumberLink"));
        const std::string suffix = records.GetString(Q.Field("SufxCode"));
        const std::string drop = records.GetString(Q.Field("PressureDrop"));
        if (!number.empty() || !suffix.empty() || !drop.empty()) {
            lines.push_back(number + '\t' + suffix + '\t' + drop);
        }
    }
    return lines;
}

template <const auto& Q>
void SetInletPressure(CQuery& query, const CProd_ValveData& r) {
    query.Set(Q.Param("[parChkBx_MIP]"), InletPressureFlag(r));
    query.Set(Q.Param("[parMIPValue]"), In(r.m_App_MaxInPressureVAL, kPressure));
}

std::vector<std::string> ValveSizeLines(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassSelMethod2;
    CQuery query(db, q);
    SetValveSizeParams(query, r);
    return Lines<q>(db, query);
}

std::vector<std::string> CatalogDataLines(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassKnownOpParamDisplay;
    CQuery query(db, q);
    SetLimitParams<q>(query, r);
    query.Set(q.Param("[parConSizeLink]"), r.m_ConFluidLink.Value());
    query.Set(q.Param("[parMOPDValue]"), DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential));
    query.Set(q.Param("[parMinOPDValue]"), DifferenceIn(r.m_App_MinOPDVAL, kPressureDifferential));
    SetInletPressure<q>(query, r);
    return Lines<q>(db, query);
}

std::vector<std::string> SizingLines(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassValveSizingDisplay;
    CQuery query(db, q);
    SetLimitParams<q>(query, r);
    query.Set(q.Param("[parCalcCv]"), In(r.m_CalcFlowFactorVAL, kFlowFactor));
    query.Set(q.Param("[parMOPDValue]"), DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential));
    query.Set(q.Param("[parMxOpFldTemp]"), In(r.m_App_FluidTempVAL, kTemperature));
    SetInletPressure<q>(query, r);
    return Lines<q>(db, query);
}

}  // namespace

CPartVerification::CPartVerification(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record) {}

bool CPartVerification::Prepare() {
    if (m_record.m_SelMethodCode.Value() == 2) {
        m_queryName = std::string(queries::kValvesPassSelMethod2.name);
    } else if (m_record.m_MethodLink == 1) {
        m_queryName = std::string(queries::kValvesPassKnownOpParamDisplay.name);
    } else {
        m_queryName = std::string(queries::kValvesPassValveSizingDisplay.name);
    }
    if (!m_db.IsOpen() || !m_db.FindStoredQuery(m_queryName)) {
        Messages().Beep();
        return false;
    }
    return true;
}

std::vector<std::string> CPartVerification::ReadLines() const {
    if (m_record.m_SelMethodCode.Value() == 2) {
        return ValveSizeLines(m_db, m_record);
    }
    if (m_record.m_MethodLink == 1) {
        return CatalogDataLines(m_db, m_record);
    }
    return SizingLines(m_db, m_record);
}

ListColour CPartVerification::Background(int index) {
    return index % 2 == 0 ? kAlternateBackground : kSystemColour;
}

}  // namespace veritom
