#pragma once

#include <functional>
#include <vector>

#include "app/SelectionDialogs.h"

namespace veritom::test {

// Wizard dialogs answered by the test: each Run* calls the script set for it (or answers
// Cancel / No) and counts the call.
class ScriptedWizardDialogs : public ISelectionDialogs {
public:
    using ValveTypeScript = std::function<int(CValveTypeAnswers&)>;
    using RecordScript = std::function<int(CProd_ValveData&)>;

    int RunValveType(const CDialogContext&, CValveTypeAnswers& answers) override {
        ++valveTypeCalls;
        return valveType ? valveType(answers) : IDCANCEL;
    }
    bool RunReselectionNotice() override {
        ++reselectionCalls;
        return reselectionAnswer;
    }
    int RunApplication(const CDialogContext&, CProd_ValveData& record) override {
        ++applicationCalls;
        return application ? application(record) : IDCANCEL;
    }
    int RunSolenoid(const CDialogContext&, CProd_ValveData& record) override {
        ++solenoidCalls;
        return solenoid ? solenoid(record) : IDCANCEL;
    }
    int RunPartNumber(const CDialogContext&, CProd_ValveData& record) override {
        ++partNumberCalls;
        return partNumber ? partNumber(record) : IDCANCEL;
    }
    void RunSelectionCompleted(CVeritomObject&, int templateId) override {
        selectionCompletedTemplates.push_back(templateId);
    }
    void RunSpecialityValves(const CDialogContext&) override { ++specialityCalls; }
    void RunInterchange(const CDialogContext&) override { ++interchangeCalls; }
    void RunUnitConversion(const CDialogContext&) override { ++unitConversionCalls; }
    void RunStartupScreens(const CDialogContext&) override { ++startupCalls; }

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
