#include "CatalogCheck.h"

#include "base/Format.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "model/ValveData.h"
#include "wizard/application/LimitQuery.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

namespace {

using namespace record_params;

// "\n%.1f %s  ": a limit in psig shown in the unit of the entry it concerns.
std::string PressureSuffix(double psig, const CUnitDouble& entry) {
    const CUnitDouble limit(psig, std::string(kPressure));
    return Format("\n%.1f %s  ", limit.GetValueIn(entry.Unit()), entry.GetUnitText());
}

bool AnyValvePasses(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassKnownOpParam;
    CQuery query(db, q);
    SetLimitParams<q>(query, r);
    query.Set(q.Param("[parConSizeLink]"), r.m_ConFluidLink.Value());
    query.Set(q.Param("[parMOPDValue]"), In(r.m_App_MOPDVAL, kPressure));
    query.Set(q.Param("[parMinOPDValue]"), In(r.m_App_MinOPDVAL, kPressure));
    query.Set(q.Param("[parChkBx_MIP]"), InletPressureFlag(r));
    query.Set(q.Param("[parMIPValue]"), In(r.m_App_MaxInPressureVAL, kPressure));
    IRecordset records(db);
    records.Open(query);
    return !records.IsEOF();
}

}  // namespace

CCheckOutcome CCatalogCheck::Run(IDatabase& db, const CProd_ValveData& r,
                                 const EmptyEntries& empty) {
    for (EntryField field :
         {EntryField::MaxPressureDifferential, EntryField::MinPressureDifferential}) {
        if (empty.count(field)) {
            return CCheckOutcome::Fail(db, "NullCheck", "", field);
        }
    }
    const double maximum = In(r.m_App_MOPDVAL, kPressure);
    const double minimum = In(r.m_App_MinOPDVAL, kPressure);
    if (minimum > maximum) {
        return CCheckOutcome::Fail(db, "PressDiffCheck", PressureSuffix(maximum, r.m_App_MinOPDVAL),
                                   EntryField::MinPressureDifferential, true);
    }
    if (AnyValvePasses(db, r)) {
        return CCheckOutcome::Pass();
    }
    const auto highest =
        ReadLimit<queries::kTestMOPD>(db, r, queries::kTestMOPD.Field("MOPDValue"));
    if (highest && Exceeds(maximum, *highest)) {
        return CCheckOutcome::Fail(db, "MOPDToHigh", PressureSuffix(*highest, r.m_App_MOPDVAL),
                                   EntryField::MaxPressureDifferential, true);
    }
    const auto lowest =
        ReadLimit<queries::kTestMinOPD>(db, r, queries::kTestMinOPD.Field("MinOPDValue"));
    if (lowest && FallsShortOf(minimum, *lowest)) {
        return CCheckOutcome::Fail(db, "MinOPDToLow", PressureSuffix(*lowest, r.m_App_MinOPDVAL),
                                   EntryField::MinPressureDifferential);
    }
    return CCheckOutcome::Fail(db, "NoRecordSet", "", EntryField::None);
}

}  // namespace veritom
