#include "data/ui/WizardButtons.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/InformationPages.h"

namespace veritom {

namespace {

QPushButton* MakeButton(int textId, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromStdString(LoadString(textId)), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

CWizardButtons::CWizardButtons(CInformationPages& pages, int templateId, QWidget* parent)
    : QWidget(parent),
      m_ok(MakeButton(ids::kButtonOk, "okButton", this)),
      m_cancel(MakeButton(ids::kButtonCancel, "cancelButton", this)),
      m_reference(MakeButton(ids::kButtonReference, "referenceButton", this)),
      m_help(MakeButton(ids::kButtonHelp, "helpButton", this)) {
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_ok);
    layout->addWidget(m_cancel);
    layout->addSpacing(12);
    layout->addWidget(m_reference);
    layout->addWidget(m_help);
    layout->addStretch();

    // Both read the selection database: queued, so an engine failure is reported by the
    // application's event handling and not thrown through the button's click.
    connect(
        m_reference, &QPushButton::clicked, this, [&pages] { pages.ShowReferencePage(); },
        Qt::QueuedConnection);
    connect(
        m_help, &QPushButton::clicked, this,
        [&pages, templateId] { pages.ShowDialogHelp(templateId); }, Qt::QueuedConnection);
}

}  // namespace veritom
