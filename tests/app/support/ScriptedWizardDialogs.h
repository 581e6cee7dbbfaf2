#pragma once

#include <functional>
#include <vector>

#include "app/WizardDialogs.h"

namespace veritom::test {

// Wizard dialogs answered by the test: each Run* calls the script set for it (or answers
// Cancel / No) and counts the call.
class ScriptedWizardDialogs : public IWizardDialogs {
public:
    using ValveTypeScript = std::function<int(CValveTypeAnswers&)>;
    using RecordScript = std::function<int(CProd_ValveData&)>;

    int RunValveType(CNerithObject&, CValveTypeAnswers& answers) override {
        ++valveTypeCalls;
        return valveType ? valveType(answers) : IDCANCEL;
    }
    bool RunReselectionNotice(CNerithObject&) override {
        ++reselectionCalls;
        return reselectionAnswer;
    }
    int RunApplication(CNerithObject&, CProd_ValveObject&, CProd_ValveData& record) override {
        ++applicationCalls;
        return application ? application(record) : IDCANCEL;
    }
    int RunSolenoid(CNerithObject&, CProd_ValveObject&, CProd_ValveData& record) override {
        ++solenoidCalls;
        return solenoid ? solenoid(record) : IDCANCEL;
    }
    int RunPartNumber(CNerithObject&, CProd_ValveObject&, CProd_ValveData& record) override {
        ++partNumberCalls;
        return partNumber ? partNumber(record) : IDCANCEL;
    }
    void RunSelectionCompleted(CVeritomObject&, int templateId) override {
        selectionCompletedTemplates.push_back(templateId);
    }
    void RunSpecialityValves(CNerithObject&) override { ++specialityCalls; }
    void RunInterchange(CNerithObject&) override { ++interchangeCalls; }
    void RunUnitConversion(CNerithObject&) override { ++unitConversionCalls; }
    void RunStartupScreens(CNerithObject&) override { ++startupCalls; }

    ValveTypeScript valveType;
    RecordScript application;
    RecordScript solenoid;
    RecordScript partNumber;
    bool reselectionAnswer = true;

    int valveTypeCalls = 0;
    int reselectionCalls = 0;
    int applicationCalls = 0;
    int solenoidCalls = 0;
    int partNumberCalls = 0;
    int specialityCalls = 0;
    int interchangeCalls = 0;
    int unitConversionCalls = 0;
    int startupCalls = 0;
    std::vector<int> selectionCompletedTemplates;
};

}  // namespace veritom::test
