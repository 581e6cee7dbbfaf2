#pragma once

namespace veritom {

class CProd_ValveData;
struct CDialogContext;

// The dialogs of the steps after Valve Type. Each works on record, a copy that the workflow
// takes back only when the dialog ends with IDOK, so Cancel changes nothing.
class IStepDialogs {
public:
    virtual ~IStepDialogs() = default;
    // Select Application and the method dialog it chains into.
    virtual int RunApplication(const CDialogContext& context, CProd_ValveData& record) = 0;
    virtual int RunSolenoid(const CDialogContext& context, CProd_ValveData& record) = 0;
    virtual int RunPartNumber(const CDialogContext& context, CProd_ValveData& record) = 0;
};

}  // namespace veritom
