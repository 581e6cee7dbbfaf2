#pragma once

#include <string>
#include <vector>

#include "model/ValveData.h"

namespace veritom {

class IDatabase;

// What the Select Application dialog decides: which of the two categories the valve type
// offers, the application chosen (general purpose: the one the catalogue has; speciality: the
// one selected in the list), its description, and on OK the working copy of the record and
// the selection method dialog it goes on to, then how that dialog's result ends the step.
class CApplicationSelection {
public:
    struct Application {
        std::string text;
        std::string link;
        std::string description;
    };

    // What OK leads to.
    enum class Next {
        Beep,             // nothing chosen, or a selection method the program does not know
        KnownParameters,  // method 1: the Valve Selection Method dialog
        ValveSize,        // method 2: the Valve Selection Information dialog
    };
    // How the step ends once the method dialog has ended.
    enum class Outcome { StayOpen, Ok, Unchanged };

    CApplicationSelection(IDatabase& db, const CProd_ValveData& record);

    // Reads which categories the valve type has, chooses one and fills the applications.
    void Load();

    bool IsGeneralPurposeAvailable() const { return m_generalPurposeAvailable; }
    bool IsSpecialityAvailable() const { return m_specialityAvailable; }
    bool IsGeneralPurpose() const { return m_generalPurpose; }
    // Neither category checked when the valve type has no application at all.
    bool IsSpecialityChecked() const { return !m_generalPurpose && m_specialityAvailable; }
    const std::string& GetCategory() const { return m_category; }
    // The list is used for speciality applications only.
    bool IsListEnabled() const { return IsSpecialityChecked(); }
    const std::vector<Application>& GetListed() const { return m_listed; }
    int GetSelectedIndex() const { return m_selected; }
    bool Select(int index);
    // The description of the application chosen; empty with none.
    std::string GetDescription() const;

    // The radio buttons: false when nothing changed.
    bool ChooseGeneralPurpose();
    bool ChooseSpeciality();

    // OK: the working copy (WorkingRecord) and the dialog to open next.
    Next Accept();
    const CProd_ValveData& WorkingRecord() const { return m_working; }
    int GetMethodCode() const { return m_methodCode; }
    // The chosen application differs from the record's.
    bool IsChanged() const { return m_changed; }

    // Combines the method dialog's result with its record; after Ok, Result() holds the
    // record to hand back.
    Outcome Conclude(int methodResult, const CProd_ValveData& methodRecord);
    const CProd_ValveData& Result() const { return m_result; }

private:
    void ReadAvailability();
    void Fill();
    const Application* Chosen() const;

    IDatabase& m_db;
    CProd_ValveData m_record;
    bool m_generalPurposeAvailable = false;
    bool m_specialityAvailable = false;
    bool m_generalPurpose = true;
    std::string m_category;
    std::vector<Application> m_listed;
    Application m_generalPurposeApplication;
    bool m_hasGeneralPurposeApplication = false;
    int m_selected = -1;
    int m_methodCode = 0;
    bool m_changed = false;
    CProd_ValveData m_working;
    CProd_ValveData m_result;
};

}  // namespace veritom
