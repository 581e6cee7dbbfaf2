#pragma once

#include <vector>

namespace veritom {

// One button of the Selection Complete dialog: it runs the menu command of the same id.
struct CompletionAction {
    int commandId;
    int textId;
    const char* objectName;
    bool cad;  // enabled or disabled as the menu item would be
};

// What the Selection Complete dialog offers for its template: 207 carries the CAD group,
// 208 does not. The buttons run the application's menu commands while the dialog stays
// open; closing stores whether the dialog is to be offered again.
class CSelectionCompletedOptions {
public:
    static constexpr int kTemplateWithCad = 207;
    static constexpr int kTemplateWithoutCad = 208;

    // The menu commands the buttons run.
    static constexpr int kAddToOrderPad = 32801;
    static constexpr int kViewSelectionReport = 32803;
    static constexpr int kPrintSelectionReport = 32775;
    static constexpr int kViewCadDrawing = 32804;
    static constexpr int kPrintCadDxf = 32808;
    static constexpr int kPrintCadHpgl = 32809;
    static constexpr int kGenerateCadFile = 32806;

    // The profile value that decides whether the dialog is offered.
    static constexpr const char* kProfileSection = "SelectionCompleted";
    static constexpr const char* kProfileEntry = "Show";

    explicit CSelectionCompletedOptions(int templateId);

    int TemplateId() const { return m_templateId; }
    bool HasCadGroup() const { return m_templateId == kTemplateWithCad; }
    // The order pad and report buttons, then (template 207) the CAD buttons.
    std::vector<CompletionAction> Actions() const;
    // The check box text: with its mnemonic on template 207, without it on 208.
    int ShowOptionsTextId() const;
    // The profile value the check box stands for.
    static int ShowValue(bool ticked) { return ticked ? 1 : 0; }

private:
    int m_templateId;
};

}  // namespace veritom
