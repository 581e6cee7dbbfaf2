#pragma once

#include <QDialog>

#include "data/DialogContext.h"
#include "wizard/application/PartVerification.h"

namespace veritom {

class CColorListBox;

// The Valve Part Numbers list of verification mode (template 262): the valves that pass every
// criterion entered so far, for information, before the Application step is accepted. OK
// accepts, Cancel refuses.
class CVerifyPN : public QDialog {
public:
    static constexpr int kTemplateId = 262;

    CVerifyPN(const CDialogContext& context, const CProd_ValveData& record,
              QWidget* parent = nullptr);

    // Chooses the query; false (after a warning beep) when the database lacks it, and the
    // dialog is then not shown.
    bool Prepare();
    // IDOK or IDCANCEL.
    int Run();

    // Prepares and shows the list for record: true only when it could be filled and ended
    // with OK.
    static bool Confirm(const CDialogContext& context, const CProd_ValveData& record,
                        QWidget* parent);

private:
    void Fill();

    CPartVerification m_verification;
    CColorListBox* m_list = nullptr;
};

}  // namespace veritom
