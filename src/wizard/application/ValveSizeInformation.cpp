#include "ValveSizeInformation.h"

#include <stdexcept>

#include "base/Links.h"
#include "data/InformationPages.h"
#include "data/Query.h"
#include "data/Recordset.h"
#include "data/StoredQueries.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/DataDocument.h"
#include "wizard/application/RecordParams.h"
#include "wizard/application/ValveSizeCheck.h"

namespace veritom {

namespace {}  // namespace

CValveSizeInformation::CValveSizeInformation(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record), m_working(record) {}

// One table for the whole program, so a row taken by reference stays valid.
const std::array<CValveSizeInformation::Row, 4>& CValveSizeInformation::Rows() {
    static const std::array<Row, 4> rows = {
        {{CProd_ValveData::kFlagMaxInletPressureTicked, EntryField::MaxInletPressure,
          ids::kTickMaxInletPressure},
         {CProd_ValveData::kFlagVolumetricFlowTicked, EntryField::VolumetricFlow,
          ids::kTickVolumetricFlow},
         {CProd_ValveData::kFlagControlSignalTicked, EntryField::ControlSignal,
          ids::kTickControlSignal},
         {CProd_ValveData::kFlagFlowFactorTicked, EntryField::FlowFactor, ids::kTickFlowFactor}}};
    return rows;
}

void CValveSizeInformation::Load() {
    m_flags = m_record.m_ChkBxFlags;
    m_quantities = {m_record.m_App_MaxInPressureVAL, m_record.m_App_MaxVolumetricFlowVAL,
                    m_record.m_App_FlowFactorVAL};
    {
        constexpr auto& q = queries::kControlSig;
        CQuery query(m_db, q);
        IRecordset records(m_db);
        records.Open(query);
        for (; !records.IsEOF(); records.MoveNext()) {
            m_signals.push_back({records.GetString(q.Field("ControlSigText")),
                                 records.GetString(q.Field("ControlSigLink"))});
        }
    }
    m_selectedSignal = m_signals.empty() ? -1 : 0;
    for (std::size_t i = 0; i < m_signals.size(); ++i) {
        if (m_signals[i].link == m_record.m_ControlSigLink.Value()) {
            m_selectedSignal = static_cast<int>(i);
            break;
        }
    }
    constexpr auto& q = queries::kSelMethod2Info;
    CQuery query(m_db, q);
    query.Set(q.Param("[parAppTypeLink]"), m_record.m_AppTypeLink.Value());
    IRecordset records(m_db);
    records.Open(query);
    if (!records.IsEOF()) {
        m_information = records.GetString(q.Field("MessageLinkText"));
        m_catalogFile = records.GetString(q.Field("RefLink"));
        m_fluidCompatFile = records.GetString(q.Field("FluidCompatFile"));
        m_fluidCompatPage = records.GetString(q.Field("FluidCompatPage"));
    }
}

void CValveSizeInformation::Tick(const Row& row, bool ticked) {
    m_flags = ticked ? m_flags | row.flag : m_flags & ~row.flag;
}

bool CValveSizeInformation::SelectSignal(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_signals.size()) {
        return false;
    }
    m_selectedSignal = index;
    return true;
}

std::size_t CValveSizeInformation::QuantityIndex(EntryField field) const {
    switch (field) {
        case EntryField::MaxInletPressure:
            return 0;
        case EntryField::VolumetricFlow:
            return 1;
        case EntryField::FlowFactor:
            return 2;
        default:
            throw std::logic_error("no quantity for this entry");
    }
}

const CUnitDouble& CValveSizeInformation::Quantity(EntryField field) const {
    return m_quantities[QuantityIndex(field)];
}

void CValveSizeInformation::SetQuantity(EntryField field, const CUnitDouble& value) {
    m_quantities[QuantityIndex(field)] = value;
}

bool CValveSizeInformation::OpenCatalog(const IPageLocations& locations) const {
    return CDataDocument(locations.GetReferenceDir(), m_catalogFile).Open();
}

bool CValveSizeInformation::ShowFluidCompatibility(const IPageLocations& locations) const {
    return CDataDocument(locations.GetNetPath(), m_fluidCompatFile).ShowHelp(m_fluidCompatPage);
}

CValveSizeInformation::Acceptance CValveSizeInformation::Accept() {
    if (m_selectedSignal < 0 || static_cast<std::size_t>(m_selectedSignal) >= m_signals.size()) {
        return {Acceptance::Kind::Refused, ids::kNoControlSignal, EntryField::ControlSignal};
    }
    const ControlSignal& signal = m_signals[static_cast<std::size_t>(m_selectedSignal)];
    const CProd_ValveData& r = m_record;
    if (r.m_App_ControlSigVAL.Value() == signal.text && r.m_ControlSigLink.Value() == signal.link &&
        r.m_ChkBxFlags == m_flags &&
        record_params::SameQuantity(m_quantities[0], r.m_App_MaxInPressureVAL) &&
        record_params::SameQuantity(m_quantities[1], r.m_App_MaxVolumetricFlowVAL) &&
        record_params::SameQuantity(m_quantities[2], r.m_App_FlowFactorVAL)) {
        m_working = m_record;
        return {Acceptance::Kind::Unchanged, 0, EntryField::None};
    }
    m_working = m_record;
    m_working.m_App_ControlSigVAL = signal.text;
    m_working.m_ControlSigLink = signal.link;
    m_working.m_ChkBxFlags = m_flags;
    m_working.m_App_MaxInPressureVAL.Set(m_quantities[0].Value(), m_quantities[0].Unit());
    m_working.m_App_MaxVolumetricFlowVAL.Set(m_quantities[1].Value(), m_quantities[1].Unit());
    m_working.m_App_FlowFactorVAL.Set(m_quantities[2].Value(), m_quantities[2].Unit());
    m_working.m_ConFluidLink = std::string(links::kAll);
    return {Acceptance::Kind::Check, 0, EntryField::None};
}

CCheckOutcome CValveSizeInformation::Check(const EmptyEntries& empty) {
    return CValveSizeCheck::Run(m_db, m_working, empty);
}

}  // namespace veritom
