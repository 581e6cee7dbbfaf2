#pragma once

#include <functional>

#include "app/SelectionDialogs.h"

class QWidget;

namespace veritom {

// The dialogs of the running program. The Valve Type step and the Reselection Notice are
// real dialogs; the steps and tools that later versions bring say that they are not available
// in this build and end as Cancel.
class CQtSelectionDialogs : public ISelectionDialogs {
public:
    // parent gives the window the dialogs are modal to (the main window once it exists).
    explicit CQtSelectionDialogs(std::function<QWidget*()> parent);

    int RunValveType(const CDialogContext& context, CValveTypeAnswers& answers) override;
    bool RunReselectionNotice() override;
    int RunApplication(const CDialogContext& context, CProd_ValveData& record) override;
    int RunSolenoid(const CDialogContext& context, CProd_ValveData& record) override;
    int RunPartNumber(const CDialogContext& context, CProd_ValveData& record) override;
    void RunSelectionCompleted(CVeritomObject& object, int templateId) override;
    void RunSpecialityValves(const CDialogContext& context) override;
    void RunInterchange(const CDialogContext& context) override;
    void RunUnitConversion(const CDialogContext& context) override;
    void RunStartupScreens(const CDialogContext& context) override;

private:
    std::function<QWidget*()> m_parent;
};

}  // namespace veritom
