#pragma once

#include <QDialog>

#include "data/DialogContext.h"
#include "model/ValveData.h"
#include "wizard/coil/ElectricalSelection.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace veritom {

class CWizardButtons;

// The first dialog of the Solenoid (Coil) step (template 105, "Electrical Specifications"):
// current, voltage/frequency and operating environment. OK with a standard voltage goes on
// to the Additional Coil Information dialog. Every decision comes from CElectricalSelection.
class CCoilSelection : public QDialog {
public:
    static constexpr int kTemplateId = 105;

    CCoilSelection(const CDialogContext& context, const CProd_ValveData& record,
                   QWidget* parent = nullptr);

    // IDOK, IDCANCEL or IDUNCHANGED.
    int Run();
    // The answers after IDOK.
    const CProd_ValveData& Record() const { return m_record; }

private:
    void BuildControls();
    void ShowCurrents();
    void FillVoltages();
    void ShowLocation();
    void OnCurrentClicked(const std::string& current);
    void OnVoltageChanged(int row);
    void OnLocationClicked();
    void OnOk();

    CDialogContext m_context;
    CElectricalSelection m_selection;
    CProd_ValveData m_record;
    QRadioButton* m_ac = nullptr;
    QRadioButton* m_dc = nullptr;
    QListWidget* m_voltages = nullptr;
    QRadioButton* m_ordinary = nullptr;
    QRadioButton* m_hazardous = nullptr;
    QLabel* m_explosiveNote = nullptr;
    QPlainTextEdit* m_description = nullptr;
    CWizardButtons* m_buttons = nullptr;
};

}  // namespace veritom
