#include "wizard/ui/QtWizardDialogs.h"

#include "app/NotAvailable.h"
#include "app/ShellStrings.h"
#include "wizard/ui/ReSelDlg.h"
#include "wizard/valvetype/ui/ValveTypeDialog.h"

namespace veritom {

namespace {

constexpr int kStringApplication = 241;
constexpr int kStringSolenoid = 242;
constexpr int kStringPartNumber = 243;

int NotAvailable(int nameId) {
    ShowNotAvailable(nameId);
    return IDCANCEL;
}

}  // namespace

CQtWizardDialogs::CQtWizardDialogs(std::function<QWidget*()> parent)
    : m_parent(std::move(parent)) {}

int CQtWizardDialogs::RunValveType(CNerithObject& object, CValveTypeAnswers& answers) {
    CValveTypeDialog dialog(object, answers, m_parent());
    const int result = dialog.Run();
    if (result == IDOK) {
        answers = dialog.Answers();
    }
    return result;
}

bool CQtWizardDialogs::RunReselectionNotice(CNerithObject&) {
    CReSelDlg dialog(m_parent());
    return dialog.Run() == IDOK;
}

int CQtWizardDialogs::RunApplication(CNerithObject&, CProd_ValveObject&, CProd_ValveData&) {
    return NotAvailable(kStringApplication);
}

int CQtWizardDialogs::RunSolenoid(CNerithObject&, CProd_ValveObject&, CProd_ValveData&) {
    return NotAvailable(kStringSolenoid);
}

int CQtWizardDialogs::RunPartNumber(CNerithObject&, CProd_ValveObject&, CProd_ValveData&) {
    return NotAvailable(kStringPartNumber);
}

void CQtWizardDialogs::RunSelectionCompleted(CVeritomObject&, int) {
    NotAvailable(ids::kNameSelectionCompleted);
}

void CQtWizardDialogs::RunSpecialityValves(CNerithObject&) {
    NotAvailable(ids::kNameSpecialityValves);
}

void CQtWizardDialogs::RunInterchange(CNerithObject&) {
    NotAvailable(ids::kNameInterchange);
}

void CQtWizardDialogs::RunUnitConversion(CNerithObject&) {
    NotAvailable(ids::kNameUnitConversion);
}

void CQtWizardDialogs::RunStartupScreens(CNerithObject&) {
    NotAvailable(ids::kNameStartupScreens);
}

}  // namespace veritom
