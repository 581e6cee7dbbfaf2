#include "app/ui/QtSelectionDialogs.h"

#include "app/AppStrings.h"
#include "app/NotAvailable.h"
#include "tools/units/ui/UnitConverter.h"
#include "wizard/ui/ReSelDlg.h"
#include "wizard/valvetype/ui/ValveTypeDialog.h"

namespace veritom {

namespace {

int NotAvailable(int nameId) {
    ShowNotAvailable(nameId);
    return IDCANCEL;
}

}  // namespace

CQtSelectionDialogs::CQtSelectionDialogs(std::function<QWidget*()> parent)
    : m_parent(std::move(parent)) {}

int CQtSelectionDialogs::RunValveType(const CDialogContext& context, CValveTypeAnswers& answers) {
    CValveTypeDialog dialog(context, answers, m_parent());
    const int result = dialog.Run();
    if (result == IDOK) {
        answers = dialog.Answers();
    }
    return result;
}

bool CQtSelectionDialogs::RunReselectionNotice() {
    CReSelDlg dialog(m_parent());
    return dialog.Run() == IDOK;
}

int CQtSelectionDialogs::RunApplication(const CDialogContext&, CProd_ValveData&) {
    return NotAvailable(ids::kButtonApplication);
}

int CQtSelectionDialogs::RunSolenoid(const CDialogContext&, CProd_ValveData&) {
    return NotAvailable(ids::kButtonSolenoid);
}

int CQtSelectionDialogs::RunPartNumber(const CDialogContext&, CProd_ValveData&) {
    return NotAvailable(ids::kButtonPartNumber);
}

void CQtSelectionDialogs::RunSelectionCompleted(CVeritomObject&, int) {
    NotAvailable(ids::kNameSelectionCompleted);
}

void CQtSelectionDialogs::RunSpecialityValves(const CDialogContext&) {
    NotAvailable(ids::kNameSpecialityValves);
}

void CQtSelectionDialogs::RunInterchange(const CDialogContext&) {
    NotAvailable(ids::kNameInterchange);
}

void CQtSelectionDialogs::RunUnitConversion(const CDialogContext&) {
    CUnitConverter dialog(m_parent());
    dialog.Run();
}

void CQtSelectionDialogs::RunStartupScreens(const CDialogContext&) {
    NotAvailable(ids::kNameStartupScreens);
}

}  // namespace veritom
