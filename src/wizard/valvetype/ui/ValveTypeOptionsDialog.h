#pragma once

#include <QDialog>

#include "base/ValveTypeAnswer.h"
#include "wizard/valvetype/ValveTypeOptionsSelection.h"

class QListWidget;

namespace veritom {

struct CDialogContext;

// The Valve Type Options dialog (template 245): the options of the chosen flow pattern. A
// pattern without real options is accepted at once, without the dialog appearing.
class CValveTypeOptionsDialog : public QDialog {
public:
    static constexpr int kTemplateId = 245;

    CValveTypeOptionsDialog(const CDialogContext& context, const CValveTypeAnswer& functionType,
                            const CValveTypeAnswer& flowPattern,
                            const CValveTypeAnswer& currentOption, QWidget* parent = nullptr);

    // IDOK, IDCANCEL or IDUNCHANGED.
    int Run();
    // The option chosen, after IDOK or IDUNCHANGED.
    const CValveTypeAnswer& Chosen() const { return m_chosen; }

    QListWidget* OptionList() const { return m_options; }

private:
    void OnOk();

    CValveTypeOptionsSelection m_selection;
    CValveTypeAnswer m_chosen;
    QListWidget* m_options = nullptr;
};

}  // namespace veritom
