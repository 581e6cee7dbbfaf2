#include "app/ui/QtSelectionDialogs.h"

#include "app/AppStrings.h"
#include "app/CmdUI.h"
#include "app/CommandIds.h"
#include "app/NotAvailable.h"
#include "app/VeritomObject.h"
#include "app/ui/CommandRouter.h"
#include "app/ui/ToolWiring.h"
#include "app/ui/VeritomApp.h"
#include "base/ConfigStore.h"
#include "tools/units/ui/UnitConverter.h"
#include "wizard/coil/ui/CoilSelection.h"
#include "wizard/complete/ui/SelectionCompleted.h"
#include "wizard/ui/ReSelDlg.h"
#include "wizard/valvetype/ui/ValveTypeDialog.h"

namespace veritom {

namespace {

using Completion = CSelectionCompletedOptions;
static_assert(Completion::kAddToOrderPad == cmd::kToolsAddToOrderPad);
static_assert(Completion::kViewSelectionReport == cmd::kViewSelectionReport);
static_assert(Completion::kPrintSelectionReport == cmd::kFilePrintSelection);
static_assert(Completion::kViewCadDrawing == cmd::kCadDrawing);
static_assert(Completion::kPrintCadDxf == cmd::kPrintDxf);
static_assert(Completion::kPrintCadHpgl == cmd::kPrintHpgl);
static_assert(Completion::kGenerateCadFile == cmd::kSaveCad);

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

int CQtSelectionDialogs::RunSolenoid(const CDialogContext& context, CProd_ValveData& record) {
    CCoilSelection dialog(context, record, m_parent());
    const int result = dialog.Run();
    if (result == IDOK) {
        record = dialog.Record();
    }
    return result;
}

int CQtSelectionDialogs::RunPartNumber(const CDialogContext&, CProd_ValveData&) {
    return NotAvailable(ids::kButtonPartNumber);
}

void CQtSelectionDialogs::RunSelectionCompleted(CVeritomObject& object, int templateId) {
    CVeritomApp* app = VeritomApp();
    // The buttons run the menu commands, and the CAD buttons follow the menu's update
    // handlers, so the dialog and the menu always agree.
    auto run = [app](int commandId) {
        if (app) {
            app->SendCommand(commandId);
        }
    };
    auto enabled = [app](int commandId) {
        CCmdUI cmdUI;
        return app && app->Router().OnUpdateCommand(commandId, cmdUI) && cmdUI.enabled;
    };
    CSelectionCompleted dialog(templateId, run, enabled, m_parent());
    dialog.Run();
    object.App().GetConfigStore().WriteProfileInt(Completion::kProfileSection,
                                                  Completion::kProfileEntry, dialog.ShowValue());
}

void CQtSelectionDialogs::RunSpecialityValves(const CDialogContext&) {
    NotAvailable(ids::kNameSpecialityValves);
}

void CQtSelectionDialogs::RunInterchange(const CDialogContext& context) {
    RunInterchangeTool(*VeritomApp(), context, m_parent());
}

void CQtSelectionDialogs::RunUnitConversion(const CDialogContext&) {
    CUnitConverter dialog(m_parent());
    dialog.Run();
}

void CQtSelectionDialogs::RunStartupScreens(const CDialogContext&) {
    RunDisclaimerAndWelcome(*VeritomApp(), m_parent());
}

}  // namespace veritom
