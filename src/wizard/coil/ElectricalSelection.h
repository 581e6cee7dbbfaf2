#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/ValveData.h"
#include "wizard/coil/CoilChoices.h"
#include "wizard/coil/VoltageLists.h"

namespace veritom {

class IDatabase;

// What the Electrical Specifications dialog decides: which currents are offered and which
// is checked, the voltage list of the checked current and its preselection, the operating
// environments the chosen voltage is offered for, and what OK does with the answers. The
// dialog binds its radio buttons, list and description box to this.
class CElectricalSelection {
public:
    enum class Location { Ordinary, Hazardous };

    // The environment buttons and the answer they give.
    struct LocationState {
        bool ordinaryEnabled = true;
        bool hazardousEnabled = false;  // the note "(Explosive Atmosphere)" follows it
        Location selected = Location::Ordinary;
        std::string link;
        std::string text;
        std::string description;
    };

    // What the dialog does after OK.
    enum class Outcome {
        StayOpen,   // a choice is missing, or a confirmation was cancelled
        Ok,         // Result() holds the answers
        Unchanged,  // confirmed without a change: end with IDUNCHANGED
    };

    CElectricalSelection(IDatabase& db, const CProd_ValveData& record);

    // Reads the solenoid rows and selects as the opening dialog does. False when no solenoid
    // fits the earlier answers: the lists stay empty and only Cancel makes sense.
    bool Load();

    bool IsAcAvailable() const { return m_acAvailable; }
    bool IsDcAvailable() const { return m_dcAvailable; }
    // "AC", "DC" or empty when no solenoid fits.
    const std::string& GetCurrent() const { return m_current; }
    // The lines the voltage list shows for the checked current.
    const std::vector<VoltageEntry>& GetVoltages() const { return m_shown; }
    // -1 when nothing is selected.
    int GetVoltageIndex() const { return m_voltageIndex; }
    const CVoltageLists& GetLists() const { return m_lists; }
    const LocationState& GetLocation() const { return m_location; }
    // The environments the last query found for the chosen voltage.
    const std::vector<LocationEntry>& GetLocationEntries() const { return m_locations; }

    // Another current: its list is shown with its default selected and the environments
    // are asked again. False when it is the checked one already (nothing is asked).
    bool SelectCurrent(const std::string& current);
    // Another voltage: the environments are asked again. False for the selected one or an
    // index out of range.
    bool SelectVoltage(int index);
    void SelectLocation(Location location);

    // The string id of the message OK shows when a choice is missing; 0 when none is.
    int MissingChoiceMessage() const;
    // The chosen voltage is the non-standard entry ("ALL"): OK skips the coil details.
    bool IsNonStandardChosen() const;
    // The environment, current or voltage differ from the record's.
    bool IsChanged() const;

    // A standard voltage: the record dialog 106 works on (the later coil answers cleared
    // when the electrical answers changed).
    CProd_ValveData RecordForAdditional() const;
    // Combines dialog 106's result with this dialog's: after a change here, a dialog 106
    // that was confirmed unchanged still counts as OK.
    Outcome ConcludeAdditional(int additionalResult, const CProd_ValveData& additionalRecord);
    // The non-standard voltage: asks the "NONSTD" message with OK and Cancel and, on OK,
    // leaves the coil open ("ALL").
    Outcome ConfirmNonStandard();
    const CProd_ValveData& Result() const { return m_result; }

    // The decisions on their own, for the dialog's rules.
    static std::string DecideCurrent(bool acAvailable, bool dcAvailable, const std::string& saved);
    static int PreselectVoltage(const std::vector<VoltageEntry>& list, const std::string& saved,
                                int defaultIndex);
    static LocationState DecideLocation(const std::vector<LocationEntry>& found, Location current);

private:
    void ShowCurrentList();
    void QueryLocations();
    std::string ChosenCurrent() const;
    const VoltageEntry* ChosenVoltage() const;
    void StoreElectrical(CProd_ValveData& record) const;

    IDatabase& m_db;
    CProd_ValveData m_record;
    CProd_ValveData m_result;
    std::vector<SolenoidRow> m_rows;
    std::optional<VoltageEntry> m_nonStandard;
    CVoltageLists m_lists;
    std::vector<VoltageEntry> m_shown;
    bool m_acAvailable = false;
    bool m_dcAvailable = false;
    std::string m_current;
    int m_voltageIndex = -1;
    LocationState m_location;
    std::vector<LocationEntry> m_locations;  // as the last environment query found them
};

}  // namespace veritom
