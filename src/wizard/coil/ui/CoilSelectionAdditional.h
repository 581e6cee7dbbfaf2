#pragma once

#include <QDialog>
#include <optional>

#include "data/DialogContext.h"
#include "data/FieldValue.h"
#include "model/ValveData.h"
#include "wizard/coil/CoilAdditionalSelection.h"

class QListWidget;
class QPlainTextEdit;

namespace veritom {

class CLead;
class CTabComboBox;
class CWizardButtons;

// The second dialog of the Solenoid (Coil) step (template 106, "Additional Coil
// Information"): solenoid construction, coil termination and coil enclosure, each with its
// description, the last two with a picture. Every decision comes from
// CCoilAdditionalSelection.
class CCoilSelectionAdditional : public QDialog {
public:
    static constexpr int kTemplateId = 106;

    CCoilSelectionAdditional(const CDialogContext& context, const CProd_ValveData& record,
                             QWidget* parent = nullptr);

    // IDOK, IDCANCEL or IDUNCHANGED.
    int Run();
    // The answers after IDOK.
    const CProd_ValveData& Record() const { return m_record; }

private:
    void BuildControls();
    void FillConstructions();
    void FillTerminations();
    void FillEnclosures();
    void OnConstructionChanged(int row);
    void OnTerminationChanged(int index);
    void OnEnclosureChanged(int index);
    void OnOk();

    CDialogContext m_context;
    CCoilAdditionalSelection m_selection;
    CProd_ValveData m_record;
    QListWidget* m_constructions = nullptr;
    QPlainTextEdit* m_constructionDescription = nullptr;
    CTabComboBox* m_terminations = nullptr;
    QPlainTextEdit* m_terminationDescription = nullptr;
    CLead* m_terminationPicture = nullptr;
    CTabComboBox* m_enclosures = nullptr;
    QPlainTextEdit* m_enclosureDescription = nullptr;
    CLead* m_enclosurePicture = nullptr;
    CWizardButtons* m_buttons = nullptr;
};

}  // namespace veritom
