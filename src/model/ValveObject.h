#pragma once

#include <optional>
#include <string>

#include "base/ValveTypeAnswer.h"
#include "data/DialogContext.h"
#include "model/ProdBaseObject.h"
#include "model/ValveData.h"

namespace veritom {

class IDatabase;
class IStepDialogs;

// The valve selection workflow: owns the record, runs the steps after Valve Type on a copy
// of it through the wizard dialogs, takes the copy back only on OK, resets the later steps
// and keeps each step's summary for the panel.
class CProd_ValveObject : public CProd_BaseObject {
public:
    // What a running workflow borrows from its owner for its lifetime.
    struct Services {
        IStepDialogs& dialogs;
        CDialogContext context;
        IWorkflowOwner& owner;
    };

    // A fresh selection whose record starts from the Valve Type answers.
    CProd_ValveObject(int buttonCount, const Services& services,
                      const CValveTypeAnswers& valveType);
    // A workflow about to read its state from a selection file: the record's Valve Type
    // answers come from the file.
    CProd_ValveObject(int buttonCount, const Services& services);
    // Without a running application: for reading a selection file in a tool. Its steps do
    // nothing.
    explicit CProd_ValveObject(int buttonCount);
    ~CProd_ValveObject() override;

    // StepReached, the step texts 0 to the button count, the record. Loading resets first.
    void Serialize(CArchive& ar) override;
    void Reset() override;
    int DoButtonDialog_2() override;  // Application
    int DoButtonDialog_3() override;  // Solenoid (Coil)
    int DoButtonDialog_4() override;  // Part Number
    void FillReportMap(CReportMap& map, const CProd_BaseData* record = nullptr) override;
    // n = 1 to 5: the step before it was reached; the Solenoid button (2) stays off for
    // applications of the valve size method.
    bool IsButtonEnabled(int n) override;

    // Valve Type was confirmed: this fresh workflow has reached step 1.
    void StartWithValveType(const std::string& description);

    // The Valve Type answers as the record holds them; the only copy kept.
    CValveTypeAnswers GetValveTypeAnswers() const;

    CProd_ValveData& GetValveData() { return m_data; }
    const CProd_ValveData& GetValveData() const { return m_data; }

    // The report map of record: the labels of "qSelRepLabels" (when db is open), each
    // followed by the record's value texts under the same key.
    static void BuildReportMap(IDatabase* db, const CProd_ValveData& record, CReportMap& map);
    // The Application step's summary; nothing when the selection method is neither 1 nor 2.
    static std::optional<std::string> ApplicationSummary(const CProd_ValveData& record);
    static std::string SolenoidSummary(const CProd_ValveData& record);

private:
    void TakeValveType(const CValveTypeAnswers& answers);
    void FinishApplicationStep(const std::string& summary);
    // Runs a step's dialog on a copy of the record and takes the copy back after IDOK.
    bool RunOnCopy(int (IStepDialogs::*run)(const CDialogContext&, CProd_ValveData&));

    std::optional<Services> m_services;
    CProd_ValveData m_data;
};

}  // namespace veritom
