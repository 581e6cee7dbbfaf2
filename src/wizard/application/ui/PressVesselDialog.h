#pragma once

#include <QDialog>

#include "data/DialogContext.h"
#include "wizard/application/ApplicationSelection.h"

class QPlainTextEdit;
class QRadioButton;

namespace veritom {

class CColorListBox;

// The Select Application dialog (template 233), first half of the Application step: general
// purpose or a speciality application, then the dialog of its selection method. Every
// decision comes from CApplicationSelection; the dialog binds it to its controls.
class CPressVesselDialog : public QDialog {
public:
    static constexpr int kTemplateId = 233;

    CPressVesselDialog(const CDialogContext& context, const CProd_ValveData& record,
                       QWidget* parent = nullptr);

    // IDOK (Record() holds the answers), IDUNCHANGED or IDCANCEL.
    int Run();
    const CProd_ValveData& Record() const { return m_selection.Result(); }

private:
    void ShowCategory();
    void FillList();
    void ShowDescription();
    void OnGeneralPurpose(bool on);
    void OnSpeciality(bool on);
    void OnOk();
    // The method dialog's result for the working record it was given.
    int RunMethodDialog(CApplicationSelection::Next next, CProd_ValveData& record);

    CDialogContext m_context;
    CApplicationSelection m_selection;
    QRadioButton* m_generalPurpose = nullptr;
    QRadioButton* m_speciality = nullptr;
    CColorListBox* m_list = nullptr;
    QPlainTextEdit* m_description = nullptr;
};

}  // namespace veritom
