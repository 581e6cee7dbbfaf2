#include "ValveSizeCheck.h"

#include <utility>

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

bool Ticked(const CProd_ValveData& r, std::uint32_t bit) {
    return (r.m_ChkBxFlags & bit) != 0;
}

bool AnyValvePasses(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassSelMethod2;
    CQuery query(db, q);
    SetValveSizeParams(query, r);
    IRecordset records(db);
    records.Open(query);
    return !records.IsEOF();
}

std::optional<double> ReadOne(IDatabase& db, CQuery& query, FieldRef field) {
    IRecordset records(db);
    records.Open(query);
    if (records.IsEOF() || records.GetFieldValue(field).IsNull()) {
        return std::nullopt;
    }
    return records.GetDouble(field);
}

std::optional<double> HighestFlowFactor(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kTestFloFacValue;
    CQuery query(db, q);
    SetValveType<q>(query, r);
    query.Set(q.Param("[parAppTypeLink]"), r.m_AppTypeLink.Value());
    query.Set(q.Param("[parAppCategoryLink]"), r.m_AppCategoryLink.Value());
    return ReadOne(db, query, q.Field("FloFacValue"));
}

std::optional<double> HighestVolumetricFlow(IDatabase& db, const CProd_ValveData& r) {
    constexpr auto& q = queries::kTestVolFlow;
    CQuery query(db, q);
    SetValveType<q>(query, r);
    query.Set(q.Param("[parAppTypeLink]"), r.m_AppTypeLink.Value());
    query.Set(q.Param("[parBMaterialLink]"), r.m_BMaterialLink.Value());
    return ReadOne(db, query, q.Field("VolFlowValue"));
}

// The limit in the unit the entry was made in, with the entry's unit text.
std::pair<double, std::string> InEntryUnit(double limit, std::string_view limitUnit,
                                           const CUnitDouble& entry) {
    return {CUnitDouble(limit, std::string(limitUnit)).GetValueIn(entry.Unit()),
            entry.GetUnitText()};
}

}  // namespace

CCheckOutcome CValveSizeCheck::Run(IDatabase& db, const CProd_ValveData& r,
                                   const EmptyEntries& empty) {
    const std::pair<std::uint32_t, EntryField> numberRows[] = {
        {CProd_ValveData::kFlagMaxInletPressureTicked, EntryField::MaxInletPressure},
        {CProd_ValveData::kFlagVolumetricFlowTicked, EntryField::VolumetricFlow},
        {CProd_ValveData::kFlagFlowFactorTicked, EntryField::FlowFactor},
    };
    for (const auto& [bit, field] : numberRows) {
        if (Ticked(r, bit) && empty.count(field)) {
            return CCheckOutcome::Fail(db, "NullCheck", "", field);
        }
    }
    if (AnyValvePasses(db, r)) {
        return CCheckOutcome::Pass();
    }
    if (Ticked(r, CProd_ValveData::kFlagFlowFactorTicked)) {
        const auto highest = HighestFlowFactor(db, r);
        if (highest && Exceeds(In(r.m_App_FlowFactorVAL, kFlowFactor), *highest)) {
            const auto [value, unit] = InEntryUnit(*highest, kFlowFactor, r.m_App_FlowFactorVAL);
            return CCheckOutcome::Fail(db, "FloFacToHigh", Format("  %.2f %s", value, unit),
                                       EntryField::FlowFactor);
        }
    }
    if (Ticked(r, CProd_ValveData::kFlagVolumetricFlowTicked)) {
        const auto highest = HighestVolumetricFlow(db, r);
        if (highest && Exceeds(In(r.m_App_MaxVolumetricFlowVAL, kVolumetricFlow), *highest)) {
            const auto [value, unit] =
                InEntryUnit(*highest, kVolumetricFlow, r.m_App_MaxVolumetricFlowVAL);
            const char* format = value < 1.0 ? "  %0.3f %s" : "  %.0f %s";
            return CCheckOutcome::Fail(db, "VolFlowToHigh", Format(format, value, unit),
                                       EntryField::VolumetricFlow);
        }
    }
    if (Ticked(r, CProd_ValveData::kFlagMaxInletPressureTicked)) {
        const auto highest =
            ReadLimit<queries::kTestMIP>(db, r, queries::kTestMIP.Field("MIPValue"));
        if (highest && Exceeds(In(r.m_App_MaxInPressureVAL, kPressure), *highest)) {
            const auto [value, unit] = InEntryUnit(*highest, kPressure, r.m_App_MaxInPressureVAL);
            return CCheckOutcome::Fail(db, "MIPToHigh", Format("  %.0f %s", value, unit),
                                       EntryField::MaxInletPressure);
        }
    }
    return CCheckOutcome::Fail(db, "NoRecordSet", "", EntryField::None);
}

}  // namespace veritom
