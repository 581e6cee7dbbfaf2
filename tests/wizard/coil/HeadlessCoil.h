#pragma once

#include <optional>
#include <string>

#include "base/DialogResult.h"
#include "wizard/coil/CoilAdditionalSelection.h"
#include "wizard/coil/ElectricalSelection.h"

namespace veritom::test {

// The user's picks in the two Solenoid dialogs, by text; empty keeps what the dialog
// preselected.
struct CoilPicks {
    std::string current;
    std::string voltage;
    std::optional<CElectricalSelection::Location> location;
    std::string construction;
    std::string termination;
    std::string enclosure;
};

template <typename T>
int IndexOf(const std::vector<T>& entries, const std::string& text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].text == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Dialog 106 as it runs on record: IDOK (additional.Result() holds the answers),
// IDUNCHANGED, or IDCANCEL when OK would keep it open.
inline int RunAdditional(CCoilAdditionalSelection& additional, const CoilPicks& picks) {
    additional.Load();
    if (!picks.construction.empty()) {
        additional.SelectConstruction(IndexOf(additional.GetConstructions(), picks.construction));
    }
    if (!picks.termination.empty()) {
        additional.SelectTermination(IndexOf(additional.GetTerminations(), picks.termination));
    }
    if (!picks.enclosure.empty()) {
        additional.SelectEnclosure(IndexOf(additional.GetEnclosures(), picks.enclosure));
    }
    switch (additional.Conclude()) {
        case CCoilAdditionalSelection::Outcome::Ok:
            return IDOK;
        case CCoilAdditionalSelection::Outcome::Unchanged:
            return IDUNCHANGED;
        case CCoilAdditionalSelection::Outcome::StayOpen:
            break;
    }
    return IDCANCEL;
}

// The Solenoid step as dialogs 105 and 106 run it, the user pressing OK in both; IDCANCEL
// where OK would keep dialog 105 open. record holds the answers after IDOK.
inline int RunCoilDialogs(IDatabase& db, CProd_ValveData& record, const CoilPicks& picks) {
    CElectricalSelection selection(db, record);
    selection.Load();
    if (!picks.current.empty()) {
        selection.SelectCurrent(picks.current);
    }
    if (!picks.voltage.empty()) {
        selection.SelectVoltage(IndexOf(selection.GetVoltages(), picks.voltage));
    }
    if (picks.location) {
        selection.SelectLocation(*picks.location);
    }
    if (selection.MissingChoiceMessage() != 0) {
        return IDCANCEL;
    }
    CElectricalSelection::Outcome outcome;
    if (selection.IsNonStandardChosen()) {
        outcome = selection.ConfirmNonStandard();
    } else {
        CCoilAdditionalSelection additional(db, selection.RecordForAdditional());
        const int result = RunAdditional(additional, picks);
        outcome = selection.ConcludeAdditional(result, additional.Result());
    }
    switch (outcome) {
        case CElectricalSelection::Outcome::Ok:
            record = selection.Result();
            return IDOK;
        case CElectricalSelection::Outcome::Unchanged:
            return IDUNCHANGED;
        case CElectricalSelection::Outcome::StayOpen:
            break;
    }
    return IDCANCEL;
}

}  // namespace veritom::test
