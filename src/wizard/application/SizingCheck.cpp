#include "SizingCheck.h"

#include <cmath>

#include "base/Format.h"
#include "base/Links.h"
#include "base/StringTable.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "model/ValveData.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/LimitQuery.h"
#include "wizard/application/LimitSuffix.h"
#include "wizard/application/RecordParams.h"

namespace veritom {

namespace {

using namespace record_params;

constexpr const char* kExpectingRecordKey = "ExpectingRecord";

template <const auto& Q>
std::optional<double> ReadCalcCv(IDatabase& db, CQuery& query) {
    IRecordset records(db);
    records.Open(query);
    constexpr FieldRef field = Q.Field("CalcCv");
    if (records.IsEOF() || records.GetFieldValue(field).IsNull()) {
        return std::nullopt;
    }
    const double cv = records.GetDouble(field);
    if (!std::isfinite(cv) || cv <= 0) {
        return std::nullopt;
    }
    return cv;
}

bool AnyValvePasses(IDatabase& db, const CProd_ValveData& r, double cv) {
    constexpr auto& q = queries::kSelMethodValveSizing;
    CQuery query(db, q);
    SetLimitParams<q>(query, r);
    query.Set(q.Param("[parMOPDValue]"), DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential));
    query.Set(q.Param("[parCalcCv]"), static_cast<float>(cv));
    query.Set(q.Param("[parMxOpFldTemp]"), In(r.m_App_FluidTempVAL, kTemperature));
    query.Set(q.Param("[parChkBx_MIP]"), InletPressureFlag(r));
    query.Set(q.Param("[parMIPValue]"), In(r.m_App_MaxInPressureVAL, kPressure));
    IRecordset records(db);
    records.Open(query);
    return !records.IsEOF();
}

bool MediumNotListed(const CProd_ValveData& r) {
    return (r.m_ChkBxFlags & CProd_ValveData::kFlagMediumNotListed) != 0;
}

// No flow factor, or no valve: a medium that is not listed cannot be sized; otherwise the
// catalogue has no valve for these values.
CCheckOutcome NothingFits(IDatabase& db, const CProd_ValveData& r) {
    return MediumNotListed(r) ? CCheckOutcome::Fail(db, "OtherMedia_Sizing", "", EntryField::None)
                              : CCheckOutcome::Fail(db, "NoRecordSet", "", EntryField::None);
}

CCheckOutcome FindReason(IDatabase& db, const CProd_ValveData& r) {
    const auto hottest = ReadLimit<queries::kTempMax>(db, r, queries::kTempMax.Field("MaxTemp_F"));
    if (!hottest) {
        return CCheckOutcome::FailWithText(kExpectingRecordKey,
                                           Format(LoadString(ids::kExpectingRecord), "qTempMax"));
    }
    if (Exceeds(In(r.m_App_FluidTempVAL, kTemperature), *hottest)) {
        return CCheckOutcome::Fail(db, "TempTooHigh",
                                   LimitSuffix(*hottest, kTemperature, r.m_App_FluidTempVAL),
                                   EntryField::FluidTemperature);
    }
    const auto highest =
        ReadLimit<queries::kTestMOPD>(db, r, queries::kTestMOPD.Field("MOPDValue"));
    if (highest && Exceeds(DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential), *highest)) {
        return CCheckOutcome::Fail(db, "MOPDToHigh",
                                   DifferentialLimitSuffix(*highest, r.m_App_MOPDVAL),
                                   EntryField::MaxPressureDifferential, true);
    }
    const auto inlet = ReadLimit<queries::kTestMIP>(db, r, queries::kTestMIP.Field("MIPValue"));
    if (inlet && Exceeds(In(r.m_App_MaxInPressureVAL, kPressure), *inlet)) {
        return CCheckOutcome::Fail(db, "MIPToHigh",
                                   LimitSuffix(*inlet, kPressure, r.m_App_MaxInPressureVAL),
                                   EntryField::MaxInletPressure);
    }
    return CCheckOutcome::Fail(db, "NoRecordSet", "", EntryField::None);
}

}  // namespace

std::optional<double> CSizingCheck::CalculateFlowFactor(IDatabase& db, const CProd_ValveData& r) {
    if (r.m_FluidStateVAL.Value() == links::kGas) {
        constexpr auto& q = queries::kFlowRateCalcGas;
        CQuery query(db, q);
        query.Set(q.Param("[parFluidStateLink]"), r.m_FluidStateVAL.Value());
        query.Set(q.Param("[parFluidLink]"), r.m_FluidLink.Value());
        query.Set(q.Param("[parMOPDValue]"), DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential));
        query.Set(q.Param("[parMIPValue]"), In(r.m_App_MaxInPressureVAL, kPressure));
        query.Set(q.Param("[parTemp]"), In(r.m_App_FluidTempVAL, kTemperature));
        query.Set(q.Param("[parUserFlowRate_SCFM]"), In(r.m_App_FlowRateVAL, kGasFlow));
        return ReadCalcCv<q>(db, query);
    }
    constexpr auto& q = queries::kFlowRateCalcLiq;
    CQuery query(db, q);
    query.Set(q.Param("[parFluidStateLink]"), r.m_FluidStateVAL.Value());
    query.Set(q.Param("[parFluidLink]"), r.m_FluidLink.Value());
    query.Set(q.Param("[parMOPDValue]"), DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential));
    query.Set(q.Param("[parUserFlowRate_GPM]"), In(r.m_App_FlowRateVAL, kLiquidFlow));
    return ReadCalcCv<q>(db, query);
}

CCheckOutcome CSizingCheck::Run(IDatabase& db, const CProd_ValveData& r,
                                const EmptyEntries& empty) {
    for (EntryField field : {EntryField::FlowRate, EntryField::FluidTemperature,
                             EntryField::MaxPressureDifferential, EntryField::MaxInletPressure}) {
        if (empty.count(field)) {
            return CCheckOutcome::Fail(db, "NullCheck2", "", field);
        }
    }
    // No flow or no pressure drop has no flow factor; a zero passed on would let every
    // valve pass.
    if (r.m_App_FlowRateVAL.Value() <= 0) {
        return CCheckOutcome::Fail(db, "PositiveCheck2", "", EntryField::FlowRate, true);
    }
    if (DifferenceIn(r.m_App_MOPDVAL, kPressureDifferential) <= 0) {
        return CCheckOutcome::Fail(db, "PositiveCheck2", "", EntryField::MaxPressureDifferential,
                                   true);
    }
    const std::optional<double> cv = CalculateFlowFactor(db, r);
    if (!cv) {
        return NothingFits(db, r);
    }
    if (AnyValvePasses(db, r, *cv)) {
        return CCheckOutcome::Pass(*cv);
    }
    if (MediumNotListed(r)) {
        return CCheckOutcome::Fail(db, "OtherMedia_Sizing", "", EntryField::None);
    }
    return FindReason(db, r);
}

}  // namespace veritom
