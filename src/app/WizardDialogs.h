#pragma once

#include "base/DialogResult.h"
#include "base/ValveTypeAnswer.h"

namespace veritom {

class CNerithObject;
class CVeritomObject;
class CProd_ValveObject;
class CProd_ValveData;

// The modal dialogs of the selection steps and tools, as the selection objects call them.
// The Qt layer implements them; core tests script them.
class IWizardDialogs {
public:
    virtual ~IWizardDialogs() = default;

    // Valve Type dialog: starts from answers, which hold the chosen ones after IDOK.
    virtual int RunValveType(CNerithObject& object, CValveTypeAnswers& answers) = 0;
    // Reselection Notice: true for Yes.
    virtual bool RunReselectionNotice(CNerithObject& object) = 0;
    // Steps 2 to 4 work on record, a copy the caller takes back only after IDOK.
    virtual int RunApplication(CNerithObject& object, CProd_ValveObject& workflow,
                               CProd_ValveData& record) = 0;
    virtual int RunSolenoid(CNerithObject& object, CProd_ValveObject& workflow,
                            CProd_ValveData& record) = 0;
    virtual int RunPartNumber(CNerithObject& object, CProd_ValveObject& workflow,
                              CProd_ValveData& record) = 0;
    virtual void RunSelectionCompleted(CVeritomObject& object, int templateId) = 0;
    virtual void RunSpecialityValves(CNerithObject& object) = 0;
    virtual void RunInterchange(CNerithObject& object) = 0;
    virtual void RunUnitConversion(CNerithObject& object) = 0;
    virtual void RunStartupScreens(CNerithObject& object) = 0;
};

}  // namespace veritom
