#include "wizard/coil/ui/CoilSelection.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/Links.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/ui/DialogExec.h"
#include "data/ui/WizardButtons.h"
#include "tools/ToolStrings.h"
#include "tools/progress/Progress.h"
#include "wizard/WizardStrings.h"
#include "wizard/coil/ui/CoilSelectionAdditional.h"

namespace veritom {

namespace {

constexpr int kVoltageListMinimumWidth = 260;
constexpr int kVoltageListMinimumHeight = 150;
constexpr int kDescriptionLines = 4;
// How the progress display of the wizard dialogs is told what is loading.
constexpr const char* kProgressSecondPart = "200";

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

QPlainTextEdit* MakeDescriptionBox(const char* name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    // Tab goes from choice to choice; the text can still be selected with the mouse.
    box->setFocusPolicy(Qt::ClickFocus);
    // Room for a few lines of the longest descriptions; longer ones scroll.
    const int margins =
        2 * box->frameWidth() + 2 * static_cast<int>(box->document()->documentMargin());
    box->setFixedHeight(box->fontMetrics().lineSpacing() * kDescriptionLines + margins);
    return box;
}

}  // namespace

CCoilSelection::CCoilSelection(const CDialogContext& context, const CProd_ValveData& record,
                               QWidget* parent)
    : QDialog(parent), m_context(context), m_selection(context.database, record), m_record(record) {
    setObjectName(QStringLiteral("coilSelectionDialog"));
    setWindowTitle(Text(ids::kElectricalTitle));
    BuildControls();

    bool found = false;
    {
        const CWaitCursor wait;
        CProgress progress;
        progress.Start();
        progress.Text(LoadString(ids::kLoadingData), kProgressSecondPart);
        found = m_selection.Load();
    }
    if (!found) {
        Messages().Beep();
    }
    ShowCurrents();
    FillVoltages();
    ShowLocation();
}

void CCoilSelection::BuildControls() {
    auto* currentGroup = new QGroupBox(Text(ids::kCurrentAndVoltageGroup), this);
    m_ac = new QRadioButton(Text(ids::kCurrentAc), currentGroup);
    m_ac->setObjectName(QStringLiteral("acButton"));
    m_dc = new QRadioButton(Text(ids::kCurrentDc), currentGroup);
    m_dc->setObjectName(QStringLiteral("dcButton"));
    m_voltages = new QListWidget(currentGroup);
    m_voltages->setObjectName(QStringLiteral("voltageList"));
    m_voltages->setMinimumSize(kVoltageListMinimumWidth, kVoltageListMinimumHeight);
    auto* voltageLabel = new QLabel(Text(ids::kVoltageLabel), currentGroup);
    voltageLabel->setBuddy(m_voltages);
    auto* currents = new QHBoxLayout;
    currents->addWidget(m_ac);
    currents->addWidget(m_dc);
    currents->addStretch();
    auto* currentLayout = new QVBoxLayout(currentGroup);
    currentLayout->addLayout(currents);
    currentLayout->addWidget(voltageLabel);
    currentLayout->addWidget(m_voltages);

    auto* environmentGroup = new QGroupBox(Text(ids::kOperatingEnvironmentGroup), this);
    m_ordinary = new QRadioButton(Text(ids::kOrdinaryLocation), environmentGroup);
    m_ordinary->setObjectName(QStringLiteral("ordinaryButton"));
    m_hazardous = new QRadioButton(Text(ids::kHazardousLocation), environmentGroup);
    m_hazardous->setObjectName(QStringLiteral("hazardousButton"));
    m_explosiveNote = new QLabel(Text(ids::kExplosiveAtmosphere), environmentGroup);
    m_explosiveNote->setObjectName(QStringLiteral("explosiveNote"));
    m_description = MakeDescriptionBox("environmentDescription", environmentGroup);
    auto* environmentLayout = new QGridLayout(environmentGroup);
    environmentLayout->addWidget(m_ordinary, 0, 0);
    environmentLayout->addWidget(m_hazardous, 1, 0);
    environmentLayout->addWidget(m_explosiveNote, 1, 1);
    environmentLayout->setColumnStretch(2, 1);
    environmentLayout->addWidget(m_description, 2, 0, 1, 3);

    m_buttons = new CWizardButtons(m_context.pages, kTemplateId, this);
    auto* column = new QVBoxLayout;
    column->addWidget(currentGroup, 1);
    column->addWidget(environmentGroup);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(m_buttons);

    // The slots that read the database are queued, so an engine failure is reported by the
    // application's event handling and never thrown through a control's own code.
    connect(
        m_ac, &QRadioButton::clicked, this, [this] { OnCurrentClicked(links::kAC); },
        Qt::QueuedConnection);
    connect(
        m_dc, &QRadioButton::clicked, this, [this] { OnCurrentClicked(links::kDC); },
        Qt::QueuedConnection);
    connect(m_voltages, &QListWidget::currentRowChanged, this, &CCoilSelection::OnVoltageChanged,
            Qt::QueuedConnection);
    connect(m_ordinary, &QRadioButton::clicked, this, &CCoilSelection::OnLocationClicked);
    connect(m_hazardous, &QRadioButton::clicked, this, &CCoilSelection::OnLocationClicked);
    connect(m_buttons->Ok(), &QPushButton::clicked, this, &CCoilSelection::OnOk,
            Qt::QueuedConnection);
    connect(m_buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

void CCoilSelection::ShowCurrents() {
    m_ac->setEnabled(m_selection.IsAcAvailable());
    m_dc->setEnabled(m_selection.IsDcAvailable());
    m_ac->setChecked(m_selection.GetCurrent() == links::kAC);
    m_dc->setChecked(m_selection.GetCurrent() == links::kDC);
}

void CCoilSelection::FillVoltages() {
    const QSignalBlocker blocker(m_voltages);
    m_voltages->setUpdatesEnabled(false);
    m_voltages->clear();
    for (const VoltageEntry& entry : m_selection.GetVoltages()) {
        m_voltages->addItem(QString::fromStdString(entry.text));
    }
    m_voltages->setCurrentRow(m_selection.GetVoltageIndex());
    m_voltages->setUpdatesEnabled(true);
}

void CCoilSelection::ShowLocation() {
    const CElectricalSelection::LocationState& location = m_selection.GetLocation();
    m_ordinary->setEnabled(location.ordinaryEnabled);
    m_hazardous->setEnabled(location.hazardousEnabled);
    m_explosiveNote->setEnabled(location.hazardousEnabled);
    const bool hazardous = location.selected == CElectricalSelection::Location::Hazardous;
    m_hazardous->setChecked(hazardous);
    m_ordinary->setChecked(!hazardous);
    m_description->setPlainText(QString::fromStdString(location.description));
}

void CCoilSelection::OnCurrentClicked(const std::string& current) {
    const CWaitCursor wait;
    if (m_selection.SelectCurrent(current)) {
        FillVoltages();
        ShowLocation();
    }
    ShowCurrents();
}

void CCoilSelection::OnVoltageChanged(int row) {
    if (row != m_voltages->currentRow()) {
        return;  // a later change is on its way
    }
    const CWaitCursor wait;
    if (m_selection.SelectVoltage(row)) {
        ShowLocation();
    }
}

void CCoilSelection::OnLocationClicked() {
    m_selection.SelectLocation(m_hazardous->isChecked() ? CElectricalSelection::Location::Hazardous
                                                        : CElectricalSelection::Location::Ordinary);
    ShowLocation();
}

void CCoilSelection::OnOk() {
    if (const int missing = m_selection.MissingChoiceMessage()) {
        MessageBox(LoadString(missing), MsgButtons::Ok, MsgIcon::Warning);
        m_voltages->setFocus();
        return;
    }
    CElectricalSelection::Outcome outcome;
    if (m_selection.IsNonStandardChosen()) {
        outcome = m_selection.ConfirmNonStandard();
    } else {
        CCoilSelectionAdditional additional(m_context, m_selection.RecordForAdditional(), this);
        const int result = additional.Run();
        outcome = m_selection.ConcludeAdditional(result, additional.Record());
    }
    switch (outcome) {
        case CElectricalSelection::Outcome::StayOpen:
            break;
        case CElectricalSelection::Outcome::Ok:
            m_record = m_selection.Result();
            done(IDOK);
            break;
        case CElectricalSelection::Outcome::Unchanged:
            done(IDUNCHANGED);
            break;
    }
}

int CCoilSelection::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
