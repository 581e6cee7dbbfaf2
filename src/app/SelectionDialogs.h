#pragma once

#include "base/DialogResult.h"
#include "base/ValveTypeAnswer.h"
#include "model/StepDialogs.h"

namespace veritom {

class CVeritomObject;
struct CDialogContext;

// The modal dialogs of the selection steps and tools, as the selection objects call them.
// The Qt layer implements them; core tests script them.
class ISelectionDialogs : public IStepDialogs {
public:
    // Valve Type dialog: starts from answers, which hold the chosen ones after IDOK.
    virtual int RunValveType(const CDialogContext& context, CValveTypeAnswers& answers) = 0;
    // Reselection Notice: true for Yes.
    virtual bool RunReselectionNotice() = 0;
    virtual void RunSelectionCompleted(CVeritomObject& object, int templateId) = 0;
    virtual void RunSpecialityValves(const CDialogContext& context) = 0;
    virtual void RunInterchange(const CDialogContext& context) = 0;
    virtual void RunUnitConversion(const CDialogContext& context) = 0;
    virtual void RunStartupScreens(const CDialogContext& context) = 0;
};

}  // namespace veritom
