#pragma once

#include <QWidget>

class QPushButton;

namespace veritom {

class CInformationPages;

// The button column of the wizard dialogs: OK, Cancel, Reference and Help. Reference shows
// the reference page of the selection database, Help the help file at the dialog's own
// template id; the dialog connects OK and Cancel itself.
class CWizardButtons : public QWidget {
public:
    CWizardButtons(CInformationPages& pages, int templateId, QWidget* parent);

    QPushButton* Ok() const { return m_ok; }
    QPushButton* Cancel() const { return m_cancel; }
    QPushButton* Reference() const { return m_reference; }
    QPushButton* Help() const { return m_help; }

private:
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_reference;
    QPushButton* m_help;
};

}  // namespace veritom
