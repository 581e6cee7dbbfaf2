#pragma once

#include <QDialog>

#include "data/DialogContext.h"
#include "wizard/application/SpecialityValves.h"

namespace veritom {

class CColorListBox;

// The Speciality Valves list of the Reference menu (template 1174): the valves the wizard
// does not offer, with their catalogues. Done closes it.
class CSpecialtyValvesDlg : public QDialog {
public:
    static constexpr int kTemplateId = 1174;

    explicit CSpecialtyValvesDlg(const CDialogContext& context, QWidget* parent = nullptr);

    void Run();

private:
    void OnCatalogInformation();

    CDialogContext m_context;
    CSpecialityValves m_valves;
    CColorListBox* m_list = nullptr;
};

}  // namespace veritom
