#include "ElectricalSelection.h"

#include "base/DialogResult.h"
#include "base/Links.h"
#include "base/MessageSink.h"
#include "data/CatalogueMessage.h"
#include "wizard/WizardStrings.h"
#include "wizard/coil/CoilQueries.h"

namespace veritom {

namespace {

constexpr const char* kNonStandardMessage = "NONSTD";

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

const LocationEntry* FindLocation(const std::vector<LocationEntry>& found, const char* link) {
    const LocationEntry* match = nullptr;
    for (const LocationEntry& entry : found) {
        if (entry.link == link) {
            match = &entry;  // the last record of a link counts, as each overwrites the one before
        }
    }
    return match;
}

void Take(CElectricalSelection::LocationState& state, const char* link,
          const LocationEntry* entry) {
    state.link = link;
    state.text = entry ? entry->text : std::string();
    state.description = entry ? entry->description : std::string();
}

}  // namespace

CElectricalSelection::CElectricalSelection(IDatabase& db, const CProd_ValveData& record)
    : m_db(db), m_record(record), m_result(record) {}

bool CElectricalSelection::Load() {
    const CCoilQueries queries(m_db, m_record);
    m_rows = queries.Solenoids();
    m_nonStandard = queries.NonStandard();
    m_location.selected =
        m_record.m_OpEnvLink.Value() == links::kOrdinary ? Location::Ordinary : Location::Hazardous;
    if (m_rows.empty()) {
        m_current.clear();
        m_shown.clear();
        m_voltageIndex = -1;
        m_location = DecideLocation({}, m_location.selected);
        return false;
    }
    m_acAvailable = CVoltageLists::Offers(m_rows, links::kAC);
    m_dcAvailable = CVoltageLists::Offers(m_rows, links::kDC);
    m_current = DecideCurrent(m_acAvailable, m_dcAvailable, m_record.m_Sol_CurrentVAL.Value());
    m_lists.Build(m_rows, m_nonStandard);
    ShowCurrentList();
    m_voltageIndex = PreselectVoltage(m_shown, m_record.m_Sol_VoltageVAL.Value(),
                                      m_lists.DefaultIndex(m_current));
    QueryLocations();
    return true;
}

std::string CElectricalSelection::DecideCurrent(bool acAvailable, bool dcAvailable,
                                                const std::string& saved) {
    if (saved == links::kAC && acAvailable) {
        return links::kAC;
    }
    if (saved == links::kDC && dcAvailable) {
        return links::kDC;
    }
    if (acAvailable) {
        return links::kAC;
    }
    return dcAvailable ? links::kDC : links::kEmpty;
}

int CElectricalSelection::PreselectVoltage(const std::vector<VoltageEntry>& list,
                                           const std::string& saved, int defaultIndex) {
    if (list.empty()) {
        return -1;
    }
    if (saved.empty()) {
        return InRange(defaultIndex, list.size()) ? defaultIndex : 0;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].text == saved) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

CElectricalSelection::LocationState CElectricalSelection::DecideLocation(
    const std::vector<LocationEntry>& found, Location current) {
    const LocationEntry* ordinary = FindLocation(found, links::kOrdinary);
    const LocationEntry* hazardous = FindLocation(found, links::kHazardous);
    LocationState state;
    if (hazardous && !ordinary) {
        state.ordinaryEnabled = false;
        state.hazardousEnabled = true;
        state.selected = Location::Hazardous;
        Take(state, links::kHazardous, hazardous);
        return state;
    }
    state.ordinaryEnabled = true;
    state.hazardousEnabled = hazardous != nullptr;
    state.selected = hazardous ? current : Location::Ordinary;
    if (state.selected == Location::Hazardous) {
        Take(state, links::kHazardous, hazardous);
    } else {
        Take(state, links::kOrdinary, ordinary);
    }
    return state;
}

void CElectricalSelection::ShowCurrentList() {
    m_shown = m_lists.List(m_current);
    if (m_shown.empty() && !m_current.empty()) {
        m_shown = CCoilQueries(m_db, m_record).Voltages(m_current);
    }
}

void CElectricalSelection::QueryLocations() {
    const VoltageEntry* voltage = ChosenVoltage();
    const std::vector<LocationEntry> found =
        CCoilQueries(m_db, m_record).Locations(m_current, voltage ? voltage->link : "");
    m_location = DecideLocation(found, m_location.selected);
    m_locations = found;
}

bool CElectricalSelection::SelectCurrent(const std::string& current) {
    if (current == m_current || (current != links::kAC && current != links::kDC)) {
        return false;
    }
    m_current = current;
    ShowCurrentList();
    const int defaultIndex = m_lists.DefaultIndex(m_current);
    m_voltageIndex = m_shown.empty()                         ? -1
                     : InRange(defaultIndex, m_shown.size()) ? defaultIndex
                                                             : 0;
    QueryLocations();
    return true;
}

bool CElectricalSelection::SelectVoltage(int index) {
    if (index == m_voltageIndex || !InRange(index, m_shown.size())) {
        return false;
    }
    m_voltageIndex = index;
    QueryLocations();
    return true;
}

void CElectricalSelection::SelectLocation(Location location) {
    m_location = DecideLocation(m_locations, location);
}

const VoltageEntry* CElectricalSelection::ChosenVoltage() const {
    return InRange(m_voltageIndex, m_shown.size())
               ? &m_shown[static_cast<std::size_t>(m_voltageIndex)]
               : nullptr;
}

bool CElectricalSelection::IsNonStandardChosen() const {
    const VoltageEntry* voltage = ChosenVoltage();
    return voltage && voltage->link == links::kAll;
}

std::string CElectricalSelection::ChosenCurrent() const {
    return IsNonStandardChosen() ? std::string(links::kAll) : m_current;
}

int CElectricalSelection::MissingChoiceMessage() const {
    if (m_shown.empty()) {
        return ids::kNoVoltageOffered;
    }
    const VoltageEntry* voltage = ChosenVoltage();
    return voltage && !voltage->link.empty() ? 0 : ids::kChooseVoltage;
}

bool CElectricalSelection::IsChanged() const {
    const VoltageEntry* voltage = ChosenVoltage();
    const std::string link = voltage ? voltage->link : std::string();
    const std::string text = voltage ? voltage->text : std::string();
    return m_location.link != m_record.m_OpEnvLink.Value() ||
           m_location.text != m_record.m_Sol_OpEnvVAL.Value() ||
           ChosenCurrent() != m_record.m_Sol_CurrentVAL.Value() ||
           link != m_record.m_VoltLink.Value() || text != m_record.m_Sol_VoltageVAL.Value();
}

void CElectricalSelection::StoreElectrical(CProd_ValveData& record) const {
    const VoltageEntry* voltage = ChosenVoltage();
    record.m_OpEnvLink = m_location.link;
    record.m_Sol_OpEnvVAL = m_location.text;
    record.m_OpEnvStaticText = m_location.description;
    record.m_Sol_CurrentVAL = ChosenCurrent();
    record.m_VoltLink = voltage ? voltage->link : std::string();
    record.m_Sol_VoltageVAL = voltage ? voltage->text : std::string();
}

CProd_ValveData CElectricalSelection::RecordForAdditional() const {
    CProd_ValveData record(m_record);
    if (IsChanged()) {
        record.Reset(4);
    }
    StoreElectrical(record);
    return record;
}

CElectricalSelection::Outcome CElectricalSelection::ConcludeAdditional(
    int additionalResult, const CProd_ValveData& additionalRecord) {
    if (additionalResult == IDOK) {
        m_result = additionalRecord;
        return Outcome::Ok;
    }
    if (additionalResult != IDUNCHANGED) {
        return Outcome::StayOpen;
    }
    if (!IsChanged()) {
        return Outcome::Unchanged;
    }
    // The coil details were confirmed as they stood, but the electrical answers changed.
    m_result = RecordForAdditional();
    return Outcome::Ok;
}

CElectricalSelection::Outcome CElectricalSelection::ConfirmNonStandard() {
    const std::string text = LookupCatalogueMessage(m_db, kNonStandardMessage).value_or("");
    if (MessageBox(text, MsgButtons::OkCancel) != MsgAnswer::Ok) {
        return Outcome::StayOpen;
    }
    if (!IsChanged()) {
        return Outcome::Unchanged;
    }
    m_result = m_record;
    // The coil details chosen for the old voltage must not outlive it.
    m_result.Reset(4);
    StoreElectrical(m_result);
    m_result.m_SolConstLink = std::string(links::kAll);
    m_result.m_TermLink = std::string(links::kAll);
    m_result.m_EncloseLink = std::string(links::kAll);
    return Outcome::Ok;
}

}  // namespace veritom
