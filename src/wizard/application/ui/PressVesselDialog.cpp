#include "wizard/application/ui/PressVesselDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/ui/DialogExec.h"
#include "data/ui/WizardButtons.h"
#include "units/ui/ColorListBox.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ui/ListWidth.h"
#include "wizard/application/ui/VSelMethod2Dlg.h"
#include "wizard/application/ui/VSelectionMethodDialog.h"

namespace veritom {

namespace {

constexpr int kListCharacters = 40;
constexpr int kListLines = 7;
constexpr int kDescriptionLines = 4;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CPressVesselDialog::CPressVesselDialog(const CDialogContext& context, const CProd_ValveData& record,
                                       QWidget* parent)
    : QDialog(parent), m_context(context), m_selection(context.database, record) {
    setObjectName(QStringLiteral("selectApplicationDialog"));
    setWindowTitle(Text(ids::kSelectApplicationTitle));

    auto* group = new QGroupBox(Text(ids::kSelectApplicationTitle), this);
    m_generalPurpose = new QRadioButton(Text(ids::kGeneralPurposeValve), group);
    m_generalPurpose->setObjectName(QStringLiteral("generalPurposeRadio"));
    m_speciality = new QRadioButton(Text(ids::kSpecialityValve), group);
    m_speciality->setObjectName(QStringLiteral("specialityRadio"));
    auto* categories = new QButtonGroup(group);
    categories->addButton(m_generalPurpose);
    categories->addButton(m_speciality);
    m_list = new CColorListBox(group);
    m_list->setObjectName(QStringLiteral("applicationList"));
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * kListCharacters);
    m_list->setMinimumHeight(m_list->fontMetrics().lineSpacing() * kListLines);
    m_description = new QPlainTextEdit(group);
    m_description->setObjectName(QStringLiteral("descriptionBox"));
    m_description->setReadOnly(true);
    m_description->setFocusPolicy(Qt::ClickFocus);
    m_description->setFixedHeight(m_description->fontMetrics().lineSpacing() *
                                  (kDescriptionLines + 1));
    auto* listLabel = new QLabel(Text(ids::kApplicationListLabel), group);
    listLabel->setBuddy(m_list);
    auto* descriptionLabel = new QLabel(Text(ids::kDescriptionLabel), group);
    descriptionLabel->setBuddy(m_description);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_generalPurpose);
    groupLayout->addWidget(m_speciality);
    groupLayout->addWidget(listLabel);
    groupLayout->addWidget(m_list, 1);
    groupLayout->addWidget(descriptionLabel);
    groupLayout->addWidget(m_description);

    auto* buttons = new CWizardButtons(context.pages, kTemplateId, this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(buttons);

    {
        const CWaitCursor wait;
        m_selection.Load();
    }
    ShowCategory();

    // The radio buttons refill the list from the database: queued, so an engine failure is
    // reported by the application's event handling and not thrown through the button.
    connect(m_generalPurpose, &QRadioButton::toggled, this, &CPressVesselDialog::OnGeneralPurpose,
            Qt::QueuedConnection);
    connect(m_speciality, &QRadioButton::toggled, this, &CPressVesselDialog::OnSpeciality,
            Qt::QueuedConnection);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_selection.Select(row);
        ShowDescription();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CPressVesselDialog::OnOk,
            Qt::QueuedConnection);
    connect(buttons->Ok(), &QPushButton::clicked, this, &CPressVesselDialog::OnOk,
            Qt::QueuedConnection);
    connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

void CPressVesselDialog::ShowCategory() {
    {
        const QSignalBlocker general(m_generalPurpose);
        const QSignalBlocker speciality(m_speciality);
        m_generalPurpose->setEnabled(m_selection.IsGeneralPurposeAvailable());
        m_speciality->setEnabled(m_selection.IsSpecialityAvailable());
        m_generalPurpose->setChecked(m_selection.IsGeneralPurpose());
        m_speciality->setChecked(m_selection.IsSpecialityChecked());
    }
    FillList();
    ShowDescription();
    if (m_selection.IsListEnabled()) {
        m_list->setFocus();
    } else if (m_generalPurpose->isEnabled()) {
        m_generalPurpose->setFocus();
    }
}

void CPressVesselDialog::FillList() {
    const QSignalBlocker blocker(m_list);
    m_list->setUpdatesEnabled(false);
    m_list->Clear();
    for (const CApplicationSelection::Application& application : m_selection.GetListed()) {
        m_list->AddLine(application.text);
    }
    m_list->Enable(m_selection.IsListEnabled());
    WidenToLines(*m_list);
    m_list->setCurrentRow(m_selection.GetSelectedIndex());
    m_list->setUpdatesEnabled(true);
}

void CPressVesselDialog::ShowDescription() {
    m_description->setPlainText(QString::fromStdString(m_selection.GetDescription()));
}

void CPressVesselDialog::OnGeneralPurpose(bool on) {
    if (on && m_selection.ChooseGeneralPurpose()) {
        FillList();
        ShowDescription();
    }
}

void CPressVesselDialog::OnSpeciality(bool on) {
    if (on && m_selection.ChooseSpeciality()) {
        FillList();
        ShowDescription();
    }
}

int CPressVesselDialog::RunMethodDialog(CApplicationSelection::Next next, CProd_ValveData& record) {
    if (next == CApplicationSelection::Next::KnownParameters) {
        CVSelectionMethodDialog dialog(m_context, record, this);
        const int result = dialog.Run();
        record = dialog.Record();
        return result;
    }
    CVSelMethod2Dlg dialog(m_context, record, this);
    const int result = dialog.Run();
    record = dialog.Record();
    return result;
}

void CPressVesselDialog::OnOk() {
    CApplicationSelection::Next next;
    {
        const CWaitCursor wait;
        next = m_selection.Accept();
    }
    if (next == CApplicationSelection::Next::Beep) {
        Messages().Beep();
        return;
    }
    CProd_ValveData record = m_selection.WorkingRecord();
    const int result = RunMethodDialog(next, record);
    switch (m_selection.Conclude(result, record)) {
        case CApplicationSelection::Outcome::Ok:
            done(IDOK);
            break;
        case CApplicationSelection::Outcome::Unchanged:
            done(IDUNCHANGED);
            break;
        case CApplicationSelection::Outcome::StayOpen:
            break;
    }
}

int CPressVesselDialog::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
