#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "data/DialogContext.h"
#include "wizard/application/ValveSizeInformation.h"

class QCheckBox;
class QComboBox;

namespace veritom {

class CQuantityEntry;

// The Valve Selection Information dialog (template 1176), the valve size method of the
// Application step: which of inlet pressure, volumetric flow, control signal and flow factor
// the valve must meet, checked against the products on OK. Every decision comes from
// CValveSizeInformation; the dialog binds it to its controls.
class CVSelMethod2Dlg : public QDialog {
public:
    static constexpr int kTemplateId = 1176;

    CVSelMethod2Dlg(const CDialogContext& context, const CProd_ValveData& record,
                    QWidget* parent = nullptr);
    ~CVSelMethod2Dlg() override;

    // IDOK (Record() holds the answers), IDUNCHANGED or IDCANCEL.
    int Run();
    const CProd_ValveData& Record() const { return m_record; }

private:
    CQuantityEntry* EntryFor(EntryField field) const;
    void ShowTick(std::size_t row);
    void StoreRows();
    void Focus(EntryField field);
    void OnOk();

    CDialogContext m_context;
    CValveSizeInformation m_form;
    CProd_ValveData m_record;
    std::array<QCheckBox*, 4> m_ticks{};
    std::array<std::unique_ptr<CQuantityEntry>, 3> m_entries;  // inlet, volume, flow factor
    QComboBox* m_signals = nullptr;
};

}  // namespace veritom
