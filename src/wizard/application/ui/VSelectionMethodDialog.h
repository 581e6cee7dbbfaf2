#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "data/DialogContext.h"
#include "wizard/application/KnownParameters.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace veritom {

class CColorListBox;
class CQuantityEntry;

// The Valve Selection Method dialog (template 234), the known operating parameters of the
// Application step: the method, the fluid and the operating values, checked against the
// products on OK. Every decision comes from CKnownParameters; the dialog binds it to its
// controls.
class CVSelectionMethodDialog : public QDialog {
public:
    static constexpr int kTemplateId = 234;

    CVSelectionMethodDialog(const CDialogContext& context, const CProd_ValveData& record,
                            QWidget* parent = nullptr);
    ~CVSelectionMethodDialog() override;

    // IDOK (Record() holds the answers), IDUNCHANGED or IDCANCEL.
    int Run();
    const CProd_ValveData& Record() const { return m_record; }

private:
    void BuildMethodGroup();
    void BuildFluidGroup();
    void BuildParameterGroup();
    void Connect();
    void ShowMethod();
    void ShowRows();
    void StoreRows();
    void FillFluids();
    void FillPortSizes();
    CQuantityEntry* EntryFor(EntryField field) const;
    EmptyEntries EmptyRows() const;
    void Focus(EntryField field, bool select);
    void OnMethod(int method);
    void OnState(const char* state);
    void OnShowAllFluids(bool all);
    void OnMediumNotListed(bool notListed);
    void OnOk();

    CDialogContext m_context;
    CKnownParameters m_form;
    CProd_ValveData m_record;
    QRadioButton* m_byCatalog = nullptr;
    QRadioButton* m_calculate = nullptr;
    QPlainTextEdit* m_information = nullptr;
    std::array<QRadioButton*, 3> m_states{};
    QCheckBox* m_showAll = nullptr;
    CColorListBox* m_fluids = nullptr;
    QCheckBox* m_mediumNotListed = nullptr;
    std::array<QLabel*, 4> m_labels{};
    QComboBox* m_portSizes = nullptr;
    std::array<std::unique_ptr<CQuantityEntry>, 4> m_rows;  // row 1 holds the flow rate
    QWidget* m_ok = nullptr;
};

}  // namespace veritom
