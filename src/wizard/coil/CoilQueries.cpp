#include "CoilQueries.h"

#include <string_view>

#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"

namespace veritom {

namespace {

constexpr int kByCatalogData = 1;

template <std::size_t P, std::size_t F>
consteval bool Declares(const CQueryDecl<P, F>& q, std::string_view name) {
    for (const QueryParam& param : q.params) {
        if (param.name == name) {
            return true;
        }
    }
    return false;
}

std::int16_t Flag(const CProd_ValveData& record, std::uint32_t bit) {
    return (record.m_ChkBxFlags & bit) != 0 ? 1 : 0;
}

float In(const CUnitDoubleExSel& quantity, std::string_view unit) {
    return static_cast<float>(quantity.GetValueIn(unit));
}

// A pressure differential in psi: converted as a difference, the gauge offset cancelling.
float DifferentialPsi(const CUnitDoubleExSel& quantity) {
    return static_cast<float>(quantity.GetDifferenceIn("PSIG"));
}

// The parameters every query of the step takes from the earlier answers; the catalog data
// and the sizing forms differ in the last two.
template <const auto& q>
void SetCommon(CQuery& query, const CProd_ValveData& r) {
    query.Set(q.Param("[parFuncLink]"), r.m_FuncLink.Value());
    query.Set(q.Param("[parFloPatLink]"), r.m_FlowPatLink.Value());
    query.Set(q.Param("[parFloPatOptLink]"), r.m_FlowPatOptLink.Value());
    query.Set(q.Param("[parAppTypeLink]"), r.m_AppTypeLink.Value());
    query.Set(q.Param("[parAppCategoryLink]"), r.m_AppCategoryLink.Value());
    query.Set(q.Param("[parFluidLink]"), r.m_FluidLink.Value());
    query.Set(q.Param("[parFluidStateLink]"), r.m_FluidStateVAL.Value());
    query.Set(q.Param("[parMOPDValue]"), DifferentialPsi(r.m_App_MOPDVAL));
    query.Set(q.Param("[parChkBx_MIP]"), Flag(r, CProd_ValveData::kFlagMaxInletPressureApplies));
    query.Set(q.Param("[parMIPValue]"), In(r.m_App_MaxInPressureVAL, "PSIG"));
    if constexpr (Declares(q, "[parMinOPDValue]")) {
        query.Set(q.Param("[parMinOPDValue]"), DifferentialPsi(r.m_App_MinOPDVAL));
        query.Set(q.Param("[parConSizeLink]"), r.m_ConFluidLink.Value());
    } else {
        query.Set(q.Param("[parCalcCv]"), static_cast<float>(r.m_CalcFlowFactorVAL.Value()));
        query.Set(q.Param("[parMxOpFldTemp]"), In(r.m_App_FluidTempVAL, "DEG_F"));
    }
}

template <const auto& q>
std::vector<SolenoidRow> ReadSolenoids(IDatabase& db, const CProd_ValveData& record) {
    CQuery query(db, q);
    SetCommon<q>(query, record);
    IRecordset records(db);
    records.Open(query);
    std::vector<SolenoidRow> rows;
    for (; !records.IsEOF(); records.MoveNext()) {
        rows.push_back(
            {records.GetString(q.Field("AcDcLink")), records.GetFloat(q.Field("VoltOrder")),
             records.GetString(q.Field("VoltLink")), records.GetString(q.Field("VoltLinkText")),
             records.GetInt(q.Field("VoltDefault")) == 1});
    }
    return rows;
}

template <const auto& q>
std::vector<VoltageEntry> ReadVoltages(IDatabase& db, const CProd_ValveData& record,
                                       const std::string& current) {
    CQuery query(db, q);
    SetCommon<q>(query, record);
    query.Set(q.Param("[parAcDcLink]"), current);
    IRecordset records(db);
    records.Open(query);
    std::vector<VoltageEntry> entries;
    for (; !records.IsEOF(); records.MoveNext()) {
        entries.push_back(
            {records.GetString(q.Field("VoltLinkText")), records.GetString(q.Field("VoltLink"))});
    }
    return entries;
}

template <const auto& q>
std::vector<LocationEntry> ReadLocations(IDatabase& db, const CProd_ValveData& record,
                                         const std::string& current,
                                         const std::string& voltageLink) {
    CQuery query(db, q);
    SetCommon<q>(query, record);
    query.Set(q.Param("[parAcDcLink]"), current);
    query.Set(q.Param("[parVoltLink]"), voltageLink);
    IRecordset records(db);
    records.Open(query);
    std::vector<LocationEntry> entries;
    for (; !records.IsEOF(); records.MoveNext()) {
        entries.push_back({records.GetString(q.Field("OpEnvLink")),
                           records.GetString(q.Field("OpEnvLinkText")),
                           records.GetString(q.Field("OpEnvStaticText"))});
    }
    return entries;
}

// The electrical answers dialog 105 stored, which narrow the coil lists of dialog 106.
template <const auto& q>
void SetElectrical(CQuery& query, const CProd_ValveData& record) {
    SetCommon<q>(query, record);
    query.Set(q.Param("[parOpEnvLink]"), record.m_OpEnvLink.Value());
    query.Set(q.Param("[parAcDcLink]"), record.m_Sol_CurrentVAL.Value());
    query.Set(q.Param("[parVoltLink]"), record.m_VoltLink.Value());
}

template <const auto& q>
std::vector<CoilChoice> ReadConstructions(IDatabase& db, const CProd_ValveData& record) {
    CQuery query(db, q);
    SetElectrical<q>(query, record);
    IRecordset records(db);
    records.Open(query);
    std::vector<CoilChoice> choices;
    for (; !records.IsEOF(); records.MoveNext()) {
        choices.push_back({records.GetString(q.Field("SolConstLinkText")),
                           records.GetString(q.Field("SolConstLink")),
                           records.GetString(q.Field("SolConstStaticText")), ""});
    }
    return choices;
}

template <const auto& q>
std::vector<CoilChoice> ReadTerminations(IDatabase& db, const CProd_ValveData& record,
                                         const std::string& construction) {
    CQuery query(db, q);
    SetElectrical<q>(query, record);
    query.Set(q.Param("[parSolConstLink]"), construction);
    IRecordset records(db);
    records.Open(query);
    std::vector<CoilChoice> choices;
    for (; !records.IsEOF(); records.MoveNext()) {
        choices.push_back(
            {records.GetString(q.Field("TermLinkText")), records.GetString(q.Field("TermLink")),
             records.GetString(q.Field("TermStaticText")), records.GetString(q.Field("TermPic"))});
    }
    return choices;
}

template <const auto& q>
std::vector<CoilChoice> ReadEnclosures(IDatabase& db, const CProd_ValveData& record,
                                       const std::string& construction,
                                       const std::string& termination) {
    CQuery query(db, q);
    SetElectrical<q>(query, record);
    query.Set(q.Param("[parSolConstLink]"), construction);
    query.Set(q.Param("[parTermLink]"), termination);
    IRecordset records(db);
    records.Open(query);
    std::vector<CoilChoice> choices;
    for (; !records.IsEOF(); records.MoveNext()) {
        choices.push_back({records.GetString(q.Field("EncloseLinkText")),
                           records.GetString(q.Field("EncloseLink")),
                           records.GetString(q.Field("EncloseStaticText")),
                           records.GetString(q.Field("EnclosePic"))});
    }
    return choices;
}

}  // namespace

CCoilQueries::CCoilQueries(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record) {}

bool CCoilQueries::UsesCatalogData() const {
    return m_record.m_MethodLink == kByCatalogData;
}

std::vector<SolenoidRow> CCoilQueries::Solenoids() const {
    return UsesCatalogData() ? ReadSolenoids<queries::kSolenoidsParam>(m_db, m_record)
                             : ReadSolenoids<queries::kSolenoidsSizing>(m_db, m_record);
}

std::optional<VoltageEntry> CCoilQueries::NonStandard() const {
    constexpr auto& q = queries::kNonStandard;
    CQuery query(m_db, q);
    IRecordset records(m_db);
    records.Open(query);
    for (; !records.IsEOF(); records.MoveNext()) {
        std::string link = records.GetString(q.Field("Link"));
        if (!link.empty()) {
            return VoltageEntry{records.GetString(q.Field("Text")), std::move(link),
                                records.GetFloat(q.Field("Order")), false};
        }
    }
    return std::nullopt;
}

std::vector<VoltageEntry> CCoilQueries::Voltages(const std::string& current) const {
    // Both forms take the catalog data's parameters, whatever the method.
    return UsesCatalogData() ? ReadVoltages<queries::kVoltageParam>(m_db, m_record, current)
                             : ReadVoltages<queries::kVoltageSizing>(m_db, m_record, current);
}

std::vector<LocationEntry> CCoilQueries::Locations(const std::string& current,
                                                   const std::string& voltageLink) const {
    return UsesCatalogData()
               ? ReadLocations<queries::kOpEnvironmentParam>(m_db, m_record, current, voltageLink)
               : ReadLocations<queries::kOpEnvironmentSizing>(m_db, m_record, current, voltageLink);
}

std::vector<CoilChoice> CCoilQueries::Constructions() const {
    return UsesCatalogData() ? ReadConstructions<queries::kSolConstParam>(m_db, m_record)
                             : ReadConstructions<queries::kSolConstSizing>(m_db, m_record);
}

std::vector<CoilChoice> CCoilQueries::Terminations(const std::string& constructionLink) const {
    return UsesCatalogData()
               ? ReadTerminations<queries::kTerminationsParam>(m_db, m_record, constructionLink)
               : ReadTerminations<queries::kTerminationsSizing>(m_db, m_record, constructionLink);
}

std::vector<CoilChoice> CCoilQueries::Enclosures(const std::string& constructionLink,
                                                 const std::string& terminationLink) const {
    return UsesCatalogData() ? ReadEnclosures<queries::kEnclosuresParam>(
                                   m_db, m_record, constructionLink, terminationLink)
                             : ReadEnclosures<queries::kEnclosuresSizing>(
                                   m_db, m_record, constructionLink, terminationLink);
}

}  // namespace veritom
