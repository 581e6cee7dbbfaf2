#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "units/ReportMap.h"

namespace veritom {

class CArchive;
class CProd_BaseData;
class IWorkflowOwner;

// The product-neutral part of a selection workflow: the step reached, the summary text of
// every step shown beside its panel button, and the step operations a product fills in.
class CProd_BaseObject {
public:
    // buttonCount panel buttons; owner, not owned, takes the flags the steps set (none for a
    // selection file read by a tool).
    explicit CProd_BaseObject(int buttonCount, IWorkflowOwner* owner = nullptr);
    virtual ~CProd_BaseObject();
    CProd_BaseObject(const CProd_BaseObject&) = delete;
    CProd_BaseObject& operator=(const CProd_BaseObject&) = delete;

    // The workflow's part of a selection file.
    virtual void Serialize(CArchive& ar);
    // Every step text empty.
    virtual void Reset();
    // The steps behind buttons 2 to 6; nonzero when the step was completed.
    virtual int DoButtonDialog_2();
    virtual int DoButtonDialog_3();
    virtual int DoButtonDialog_4();
    virtual int DoButtonDialog_5();
    virtual int DoButtonDialog_6();
    virtual void AddToOrderPad();
    // Report labels and values of record, or of the workflow's own record when none.
    virtual void FillReportMap(CReportMap& map, const CProd_BaseData* record = nullptr);
    virtual bool IsButtonEnabled(int n);

    // Step 0 none, 1 Valve Type, 2 Application, 3 Solenoid, 4 Part Number.
    std::int32_t GetStepReached() const { return m_stepReached; }
    void SetStepReached(std::int32_t step) { m_stepReached = step; }
    int GetButtonCount() const { return m_buttonCount; }

    // Text n, or empty when n is outside 0 to the button count.
    std::string GetStepText(int n) const;
    // False when n is outside 0 to the button count.
    bool SetStepText(int n, const std::string& text);
    // Empties texts n up to the button count.
    void ClearStepTexts(int n);
    const std::vector<std::string>& GetStepTexts() const { return m_stepTexts; }

    IWorkflowOwner* GetOwner() const { return m_owner; }

protected:
    // StepReached, then the texts 0 to the button count.
    void SerializeSteps(CArchive& ar);
    // Clears the owner's selection-complete, order-pad-ready and spare flags, or sets them.
    void SetOwnerCompletionFlags(bool on);

private:
    void ShowMissingStep(int digit) const;

    IWorkflowOwner* m_owner = nullptr;
    std::int32_t m_stepReached = 0;
    int m_buttonCount = 0;
    std::vector<std::string> m_stepTexts;
};

}  // namespace veritom
