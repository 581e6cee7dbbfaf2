#include "SelectionCompletedOptions.h"

#include "wizard/WizardStrings.h"

namespace veritom {

CSelectionCompletedOptions::CSelectionCompletedOptions(int templateId)
    : m_templateId(templateId == kTemplateWithCad ? kTemplateWithCad : kTemplateWithoutCad) {}

std::vector<CompletionAction> CSelectionCompletedOptions::Actions() const {
    std::vector<CompletionAction> actions = {
        {kAddToOrderPad, ids::kAddToOrderPadButton, "addToOrderPadButton", false},
        {kViewSelectionReport, ids::kViewSelectionReportButton, "viewSelectionReportButton", false},
        {kPrintSelectionReport, ids::kPrintSelectionReportButton, "printSelectionReportButton",
         false},
    };
    if (HasCadGroup()) {
        actions.push_back(
            {kViewCadDrawing, ids::kViewCadDrawingButton, "viewCadDrawingButton", true});
        actions.push_back({kPrintCadDxf, ids::kPrintCadDxfButton, "printCadDxfButton", true});
        actions.push_back({kPrintCadHpgl, ids::kPrintCadHpglButton, "printCadHpglButton", true});
        actions.push_back(
            {kGenerateCadFile, ids::kGenerateCadFileButton, "generateCadFileButton", true});
    }
    return actions;
}

int CSelectionCompletedOptions::ShowOptionsTextId() const {
    return HasCadGroup() ? ids::kShowOptionsWithMnemonic : ids::kShowOptions;
}

}  // namespace veritom
