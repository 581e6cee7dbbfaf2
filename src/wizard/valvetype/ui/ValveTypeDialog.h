#pragma once

#include <QDialog>

#include "base/ValveTypeAnswer.h"
#include "data/DialogContext.h"
#include "wizard/valvetype/ValveTypeSelection.h"

class QListWidget;

namespace veritom {

class CLead;
class CWizardButtons;

// The Valve Type step (template 231): function type and flow pattern lists with the flow
// pattern's picture. OK goes on to the Valve Type Options dialog. Every decision comes from
// CValveTypeSelection; the dialog only binds it to its controls.
class CValveTypeDialog : public QDialog {
public:
    static constexpr int kTemplateId = 231;

    CValveTypeDialog(const CDialogContext& context, const CValveTypeAnswers& current,
                     QWidget* parent = nullptr);

    // IDOK, IDCANCEL or IDUNCHANGED.
    int Run();
    // The chosen answers after IDOK.
    const CValveTypeAnswers& Answers() const { return m_answers; }

    QListWidget* FunctionTypeList() const { return m_functionTypes; }
    QListWidget* FlowPatternList() const { return m_flowPatterns; }
    CLead* Picture() const { return m_picture; }

private:
    void BuildControls();
    void FillFunctionTypes();
    void FillFlowPatterns();
    void ShowPicture();
    void OnFunctionTypeChanged(int row);
    void OnFlowPatternChanged(int row);
    void OnOk();

    CDialogContext m_context;
    CValveTypeSelection m_selection;
    CValveTypeAnswers m_answers;
    QListWidget* m_functionTypes = nullptr;
    QListWidget* m_flowPatterns = nullptr;
    CLead* m_picture = nullptr;
    CWizardButtons* m_buttons = nullptr;
};

}  // namespace veritom
