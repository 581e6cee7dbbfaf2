#pragma once

#include <functional>

#include "app/WizardDialogs.h"

class QWidget;

namespace veritom {

// The wizard dialogs of the running program. The Valve Type step and the Reselection Notice
// are real dialogs; the steps and tools that later versions bring say that they are not
// available in this build and end as Cancel.
class CQtWizardDialogs : public IWizardDialogs {
public:
    // parent gives the window the dialogs are modal to (the main window once it exists).
    explicit CQtWizardDialogs(std::function<QWidget*()> parent);

    int RunValveType(CNerithObject& object, CValveTypeAnswers& answers) override;
    bool RunReselectionNotice(CNerithObject& object) override;
    int RunApplication(CNerithObject& object, CProd_ValveObject& workflow,
                       CProd_ValveData& record) override;
    int RunSolenoid(CNerithObject& object, CProd_ValveObject& workflow,
                    CProd_ValveData& record) override;
    int RunPartNumber(CNerithObject& object, CProd_ValveObject& workflow,
                      CProd_ValveData& record) override;
    void RunSelectionCompleted(CVeritomObject& object, int templateId) override;
    void RunSpecialityValves(CNerithObject& object) override;
    void RunInterchange(CNerithObject& object) override;
    void RunUnitConversion(CNerithObject& object) override;
    void RunStartupScreens(CNerithObject& object) override;

private:
    std::function<QWidget*()> m_parent;
};

}  // namespace veritom
