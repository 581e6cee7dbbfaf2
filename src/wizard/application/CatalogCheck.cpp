#include "CatalogCheck.h"

#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "model/ValveData.h"
#include "wizard/application/LimitQuery.h"
#include "wizard/application/LimitSuffix.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

namespace {

using namespace record_params;

bool AnyValvePasses(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassKnownOpParam;
    CQuery query(db, q);
    SetLimitParams<q>(query, r);
    query.Set(q.Param("[parConSizeLink]"), r.m_ConFluidLink.Value());
    query.Set(q.Param("[parMOPDValue]"), DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential));
    query.Set(q.Param("[parMinOPDValue]"), DifferenceIn(r.m_App_MinOPDVAL, kPressureDifferential));
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
    const double maximum = DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential);
    const double minimum = DifferenceIn(r.m_App_MinOPDVAL, kPressureDifferential);
    if (minimum > maximum) {
        return CCheckOutcome::Fail(db, "PressDiffCheck",
                                   DifferentialLimitSuffix(maximum, r.m_App_MinOPDVAL),
                                   EntryField::MinPressureDifferential, true);
    }
    if (AnyValvePasses(db, r)) {
        return CCheckOutcome::Pass();
    }
    const auto highest =
        ReadLimit<queries::kTestMOPD>(db, r, queries::kTestMOPD.Field("MOPDValue"));
    if (highest && Exceeds(maximum, *highest)) {
        return CCheckOutcome::Fail(db, "MOPDToHigh",
                                   DifferentialLimitSuffix(*highest, r.m_App_MOPDVAL),
                                   EntryField::MaxPressureDifferential, true);
    }
    const auto lowest =
        ReadLimit<queries::kTestMinOPD>(db, r, queries::kTestMinOPD.Field("MinOPDValue"));
    if (lowest && FallsShortOf(minimum, *lowest)) {
        return CCheckOutcome::Fail(db, "MinOPDToLow",
                                   DifferentialLimitSuffix(*lowest, r.m_App_MinOPDVAL),
                                   EntryField::MinPressureDifferential);
    }
    return CCheckOutcome::Fail(db, "NoRecordSet", "", EntryField::None);
}

}  // namespace veritom
