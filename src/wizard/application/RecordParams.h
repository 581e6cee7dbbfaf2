#pragma once

#include <cstdint>
#include <string_view>

#include "data/Query.h"
#include "data/StoredQueries.h"
#include "model/ValveData.h"
#include "units/UnitDouble.h"

namespace veritom::record_params {

// The fixed units quantities cross to the queries in.
inline constexpr std::string_view kPressure = "PSIG";
// Pressure differentials (maximum and minimum operating pressure differential) cross in psi,
// as differences: PSIG by its factor alone, the gauge offset cancelling.
inline constexpr std::string_view kPressureDifferential = "PSIG";
inline constexpr std::string_view kTemperature = "DEG_F";
inline constexpr std::string_view kGasFlow = "CU_FT_MIN";
inline constexpr std::string_view kLiquidFlow = "GPM";
inline constexpr std::string_view kVolumetricFlow = "CC_MIN";
inline constexpr std::string_view kFlowFactor = "CV";

// A quantity as the queries take it: in their unit, as a 32-bit float.
inline float In(const CUnitDouble& quantity, std::string_view unit) {
    return static_cast<float>(quantity.GetValueIn(unit));
}

// A pressure differential as the queries take it: converted as a difference, as a 32-bit
// float.
inline float DifferenceIn(const CUnitDouble& quantity, std::string_view unit) {
    return static_cast<float>(quantity.GetDifferenceIn(unit));
}

inline std::int16_t Bit(std::uint32_t flags, std::uint32_t bit) {
    return (flags & bit) != 0 ? 1 : 0;
}

// "[parChkBx_MIP]": the valve size method's tick, else the known parameters' own flag.
inline std::int16_t InletPressureFlag(const CProd_ValveData& record) {
    return Bit(record.m_ChkBxFlags, record.m_SelMethodCode.Value() == 2
                                        ? CProd_ValveData::kFlagMaxInletPressureTicked
                                        : CProd_ValveData::kFlagMaxInletPressureApplies);
}

// "[parFuncLink]", "[parFloPatLink]" and "[parFloPatOptLink]" from the record.
template <const auto& Q>
void SetValveType(CQuery& query, const CProd_ValveData& record) {
    query.Set(Q.Param("[parFuncLink]"), record.m_FuncLink.Value());
    query.Set(Q.Param("[parFloPatLink]"), record.m_FlowPatLink.Value());
    query.Set(Q.Param("[parFloPatOptLink]"), record.m_FlowPatOptLink.Value());
}

// The valve type, the application and the fluid: what the limit queries take.
template <const auto& Q>
void SetLimitParams(CQuery& query, const CProd_ValveData& record) {
    SetValveType<Q>(query, record);
    query.Set(Q.Param("[parAppTypeLink]"), record.m_AppTypeLink.Value());
    query.Set(Q.Param("[parAppCategoryLink]"), record.m_AppCategoryLink.Value());
    query.Set(Q.Param("[parFluidStateLink]"), record.m_FluidStateVAL.Value());
    query.Set(Q.Param("[parFluidLink]"), record.m_FluidLink.Value());
}

// What the valve size method's pass query takes: the valve type, the application and each
// ticked limit in its query unit.
inline void SetValveSizeParams(CQuery& query, const CProd_ValveData& r) {
    constexpr auto& q = queries::kValvesPassSelMethod2;
    SetValveType<q>(query, r);
    query.Set(q.Param("[parAppTypeLink]"), r.m_AppTypeLink.Value());
    query.Set(q.Param("[parChkBx_MIP]"),
              Bit(r.m_ChkBxFlags, CProd_ValveData::kFlagMaxInletPressureTicked));
    query.Set(q.Param("[parMIPValue]"), In(r.m_App_MaxInPressureVAL, kPressure));
    query.Set(q.Param("[parChkBx_VolFlow]"),
              Bit(r.m_ChkBxFlags, CProd_ValveData::kFlagVolumetricFlowTicked));
    query.Set(q.Param("[parVolFlowValue]"), In(r.m_App_MaxVolumetricFlowVAL, kVolumetricFlow));
    query.Set(q.Param("[parChkBx_ControlSig]"),
              Bit(r.m_ChkBxFlags, CProd_ValveData::kFlagControlSignalTicked));
    query.Set(q.Param("[parControlSigLink]"), r.m_ControlSigLink.Value());
    query.Set(q.Param("[parChkBx_FloFacValue]"),
              Bit(r.m_ChkBxFlags, CProd_ValveData::kFlagFlowFactorTicked));
    query.Set(q.Param("[parFloFacValue]"), In(r.m_App_FlowFactorVAL, kFlowFactor));
}

// The same number in the same unit: what the user entered, unconverted.
inline bool SameQuantity(const CUnitDouble& a, const CUnitDouble& b) {
    return a.Value() == b.Value() && a.Unit() == b.Unit();
}

// value is beyond limit by more than the millionth the queries allow for 32-bit floats.
inline bool Exceeds(double value, double limit) {
    return value > limit + 1e-6 * (1 + (limit < 0 ? -limit : limit));
}
inline bool FallsShortOf(double value, double limit) {
    return value < limit - 1e-6 * (1 + (limit < 0 ? -limit : limit));
}

}  // namespace veritom::record_params
