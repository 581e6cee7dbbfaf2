#include "wizard/partnumber/PartListQuery.h"

#include <sqlite3.h>

#include "base/Format.h"
#include "base/Links.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"
#include "data/Query.h"
#include "data/StoredQueries.h"
#include "model/ValveData.h"

namespace veritom {

namespace {

constexpr int kMethodKnownParameters = 1;
constexpr int kMethodValveSize = 2;

std::int16_t Flag(std::uint32_t flags, std::uint32_t bit) {
    return (flags & bit) != 0 ? 1 : 0;
}

float In(const CUnitDouble& value, const char* unit) {
    return static_cast<float>(value.GetValueIn(unit));
}

// A pressure differential in psi: converted as a difference, the gauge offset cancelling.
float DifferentialPsi(const CUnitDouble& value) {
    return static_cast<float>(value.GetDifferenceIn("PSIG"));
}

bool HasCoil(const CProd_ValveData& record) {
    return record.m_VoltLink.Value() != links::kAll;
}

}  // namespace

int CPartListQuery::ChooseKind(const CProd_ValveData& record) {
    if (record.m_SelMethodCode.Value() == kMethodValveSize) {
        return 1;
    }
    if (record.m_MethodLink == 1) {
        return HasCoil(record) ? 2 : 3;
    }
    return HasCoil(record) ? 4 : 5;
}

std::optional<ColumnVariant> CPartListQuery::ChooseVariant(const CProd_ValveData& record) {
    if (HasCoil(record)) {
        return ColumnVariant::A;
    }
    switch (record.m_SelMethodCode.Value()) {
        case kMethodValveSize:
            return ColumnVariant::B;
        case kMethodKnownParameters:
            return ColumnVariant::C;
        default:
            return std::nullopt;
    }
}

CQueryInfo CPartListQuery::ListQuery(int kind) {
    switch (kind) {
        case 1:
            return queries::kListKind1.Info();
        case 2:
            return queries::kListKind2.Info();
        case 3:
            return queries::kListKind3.Info();
        case 4:
            return queries::kListKind4.Info();
        default:
            return queries::kListKind5.Info();
    }
}

CQueryInfo CPartListQuery::OptionQuery(int kind) {
    switch (kind) {
        case 1:
            return queries::kOptionsKind1.Info();
        case 2:
            return queries::kOptionsKind2.Info();
        case 3:
            return queries::kOptionsKind3.Info();
        case 4:
            return queries::kOptionsKind4.Info();
        default:
            return queries::kOptionsKind5.Info();
    }
}

ListParams CPartListQuery::RecordParameters(const CProd_ValveData& r, int kind) {
    const std::uint32_t flags = r.m_ChkBxFlags;
    const std::uint32_t inletBit = r.m_SelMethodCode.Value() == kMethodValveSize
                                       ? CProd_ValveData::kFlagMaxInletPressureTicked
                                       : CProd_ValveData::kFlagMaxInletPressureApplies;
    ListParams params = {
        {"[parFuncLink]", r.m_FuncLink.Value()},
        {"[parFloPatLink]", r.m_FlowPatLink.Value()},
        {"[parFloPatOptLink]", r.m_FlowPatOptLink.Value()},
        {"[parAppTypeLink]", r.m_AppTypeLink.Value()},
        {"[parFluidCategoryLink]", r.m_FluidCategoryLink.Value()},
        {"[parChkBx_MIP]", Flag(flags, inletBit)},
        {"[parMIPValue]", In(r.m_App_MaxInPressureVAL, "PSIG")},
    };
    if (kind == 1) {
        params.insert(
            params.end(),
            {{"[parChkBx_FloFacValue]", Flag(flags, CProd_ValveData::kFlagFlowFactorTicked)},
             {"[parChkBx_ControlSig]", Flag(flags, CProd_ValveData::kFlagControlSignalTicked)},
             {"[parChkBx_VolFlow]", Flag(flags, CProd_ValveData::kFlagVolumetricFlowTicked)},
             {"[parVolFlowValue]", In(r.m_App_MaxVolumetricFlowVAL, "CC_MIN")},
             {"[parControlSigLink]", r.m_ControlSigLink.Value()},
             {"[parFloFacValue]", In(r.m_App_FlowFactorVAL, "CV")}});
        return params;
    }
    params.insert(params.end(), {{"[parFluidStateLink]", r.m_FluidStateVAL.Value()},
                                 {"[parFluidLink]", r.m_FluidLink.Value()},
                                 {"[parAppCategoryLink]", r.m_AppCategoryLink.Value()},
                                 {"[parMOPDValue]", DifferentialPsi(r.m_App_MOPDVAL)}});
    if (kind == 2 || kind == 4) {
        params.insert(params.end(), {{"[parOpEnvLink]", r.m_OpEnvLink.Value()},
                                     {"[parAcDcLink]", r.m_Sol_CurrentVAL.Value()},
                                     {"[parVoltLink]", r.m_VoltLink.Value()},
                                     {"[parSolConstLink]", r.m_SolConstLink.Value()},
                                     {"[parTermLink]", r.m_TermLink.Value()},
                                     {"[parEncloseLink]", r.m_EncloseLink.Value()}});
    }
    if (kind == 2 || kind == 3) {
        params.insert(params.end(), {{"[parMinOPDValue]", DifferentialPsi(r.m_App_MinOPDVAL)},
                                     {"[parConSizeLink]", r.m_ConFluidLink.Value()}});
    } else {
        params.insert(params.end(),
                      {{"[parMxOpFldTemp]", In(r.m_App_FluidTempVAL, "DEG_F")},
                       {"[parCalcCv]", static_cast<float>(r.m_CalcFlowFactorVAL.Value())}});
    }
    return params;
}

ListParams CPartListQuery::FilterParameters(const ListFilterValues& f, int kind) {
    ListParams params = {
        {"[parBMaterialLink2]", f.bodyMaterial},
        {"[parSMaterialLink]", f.sealMaterial},
        {"[parFlowFactorLink]", f.flowFactorKind},
        {"[parFlowFacValue_Low]", f.flowFactorLow},
        {"[parConTypeLink]", f.connectionType},
        {"[parActLink]", f.actuation},
        {"[parMaxOperFluidTemp]", f.maxFluidTempF},
        {"[parMinOperFluidTemp]", f.minFluidTempF},
        {"[parMaxInletPressure]", f.maxInletPressurePsig},
    };
    if (kind == 1) {
        params.push_back({"[parControlSigLink2]", f.tenthFilter});
    } else if (kind == 2 || kind == 4) {
        params.push_back({"[parApprovLink]", f.tenthFilter});
        params.push_back({"[parCoilClsLink]", f.coilClass});
    }
    return params;
}

void CPartListQuery::Apply(CQuery& query, const ListParams& params) {
    const CQueryInfo& info = query.Info();
    for (const ListParam& param : params) {
        std::size_t index = 0;
        while (index < info.params.size() && info.params[index].name != param.name) {
            ++index;
        }
        if (index == info.params.size()) {
            throw CDaoException(SQLITE_MISUSE, query.GetName(),
                                Format(LoadString(ids::kEngineUndeclaredUse), query.GetName()));
        }
        const ParamRef ref{info.id, static_cast<std::uint8_t>(index), info.params[index].kind};
        std::visit([&query, ref](const auto& value) { query.Set(ref, value); }, param.value);
    }
}

}  // namespace veritom
