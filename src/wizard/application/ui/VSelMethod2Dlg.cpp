#include "wizard/application/ui/VSelMethod2Dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/InformationPages.h"
#include "data/ui/DialogExec.h"
#include "data/ui/WizardButtons.h"
#include "units/ui/ComboUnit.h"
#include "units/ui/EditNumeric.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ui/QuantityEntry.h"
#include "wizard/application/ui/VerifyPN.h"

namespace veritom {

namespace {

constexpr int kInformationCharacters = 40;
constexpr int kInformationLines = 6;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

// The entries of rows 1, 2 and 4 by their place in m_entries.
std::size_t EntryIndex(EntryField field) {
    return field == EntryField::MaxInletPressure ? 0 : field == EntryField::VolumetricFlow ? 1 : 2;
}

}  // namespace

CVSelMethod2Dlg::CVSelMethod2Dlg(const CDialogContext& context, const CProd_ValveData& record,
                                 QWidget* parent)
    : QDialog(parent), m_context(context), m_form(context.database, record), m_record(record) {
    setObjectName(QStringLiteral("valveSizeDialog"));
    setWindowTitle(Text(ids::kValveSizeTitle));

    auto* parameters = new QGroupBox(Text(ids::kOperatingParametersGroup), this);
    auto* grid = new QGridLayout(parameters);
    const char* tickNames[] = {"inletPressureCheck", "volumetricFlowCheck", "controlSignalCheck",
                               "flowFactorCheck"};
    const char* entryNames[] = {"inletPressureEdit", "volumetricFlowEdit", "flowFactorEdit"};
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i] = std::make_unique<CQuantityEntry>(parameters, QLatin1String(entryNames[i]));
    }
    m_signals = new QComboBox(parameters);
    m_signals->setObjectName(QStringLiteral("controlSignalList"));
    const auto rows = CValveSizeInformation::Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        m_ticks[i] = new QCheckBox(Text(rows[i].labelId), parameters);
        m_ticks[i]->setObjectName(QLatin1String(tickNames[i]));
        grid->addWidget(m_ticks[i], row, 0);
        if (rows[i].field == EntryField::ControlSignal) {
            grid->addWidget(m_signals, row, 1, 1, 2);
        } else {
            grid->addWidget(EntryFor(rows[i].field)->Edit(), row, 1);
            grid->addWidget(EntryFor(rows[i].field)->Units(), row, 2);
        }
    }

    auto* information = new QGroupBox(Text(ids::kInformationGroup), this);
    auto* box = new QPlainTextEdit(information);
    box->setObjectName(QStringLiteral("informationBox"));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * kInformationCharacters);
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * kInformationLines);
    auto* catalog = new QPushButton(Text(ids::kCatalogInformation), information);
    catalog->setObjectName(QStringLiteral("catalogButton"));
    auto* compatibility = new QPushButton(Text(ids::kFluidCompatibility), information);
    compatibility->setObjectName(QStringLiteral("fluidCompatibilityButton"));
    auto* informationButtons = new QHBoxLayout;
    informationButtons->addWidget(catalog);
    informationButtons->addWidget(compatibility);
    informationButtons->addStretch();
    auto* informationLayout = new QVBoxLayout(information);
    informationLayout->addWidget(box, 1);
    informationLayout->addLayout(informationButtons);

    auto* buttons = new CWizardButtons(context.pages, kTemplateId, this);
    auto* column = new QVBoxLayout;
    column->addWidget(parameters);
    column->addWidget(information, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(buttons);

    {
        const CWaitCursor wait;
        m_form.Load();
    }
    for (EntryField field :
         {EntryField::MaxInletPressure, EntryField::VolumetricFlow, EntryField::FlowFactor}) {
        EntryFor(field)->Show(m_form.Quantity(field));
    }
    for (const CValveSizeInformation::ControlSignal& signal : m_form.GetControlSignals()) {
        m_signals->addItem(QString::fromStdString(signal.text));
    }
    m_signals->setCurrentIndex(m_form.GetSelectedSignal());
    for (std::size_t i = 0; i < m_ticks.size(); ++i) {
        m_ticks[i]->setChecked(m_form.IsTicked(rows[i]));
        ShowTick(i);
    }
    box->setPlainText(QString::fromStdString(m_form.GetInformation()));

    for (std::size_t i = 0; i < m_ticks.size(); ++i) {
        connect(m_ticks[i], &QCheckBox::toggled, this, [this, i](bool ticked) {
            m_form.Tick(CValveSizeInformation::Rows()[i], ticked);
            ShowTick(i);
        });
    }
    connect(m_signals, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SelectSignal(index); });
    connect(catalog, &QPushButton::clicked, this,
            [this] { m_form.OpenCatalog(m_context.pages.Locations()); });
    connect(compatibility, &QPushButton::clicked, this,
            [this] { m_form.ShowFluidCompatibility(m_context.pages.Locations()); });
    connect(buttons->Ok(), &QPushButton::clicked, this, &CVSelMethod2Dlg::OnOk,
            Qt::QueuedConnection);
    connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

CVSelMethod2Dlg::~CVSelMethod2Dlg() = default;

CQuantityEntry* CVSelMethod2Dlg::EntryFor(EntryField field) const {
    return m_entries[EntryIndex(field)].get();
}

void CVSelMethod2Dlg::ShowTick(std::size_t row) {
    const auto& rowInfo = CValveSizeInformation::Rows()[row];
    const bool ticked = m_ticks[row]->isChecked();
    if (rowInfo.field == EntryField::ControlSignal) {
        m_signals->setEnabled(ticked);
    } else {
        EntryFor(rowInfo.field)->SetEnabled(ticked);
    }
}

void CVSelMethod2Dlg::StoreRows() {
    for (EntryField field :
         {EntryField::MaxInletPressure, EntryField::VolumetricFlow, EntryField::FlowFactor}) {
        m_form.SetQuantity(field, EntryFor(field)->Read());
    }
}

void CVSelMethod2Dlg::Focus(EntryField field) {
    if (field == EntryField::ControlSignal) {
        m_signals->setFocus();
    } else if (field != EntryField::None) {
        EntryFor(field)->Focus(false);
    }
}

void CVSelMethod2Dlg::OnOk() {
    StoreRows();
    const CValveSizeInformation::Acceptance acceptance = m_form.Accept();
    switch (acceptance.kind) {
        case CValveSizeInformation::Acceptance::Kind::Refused:
            MessageBox(LoadString(acceptance.messageId));
            m_signals->setFocus();
            m_signals->showPopup();
            return;
        case CValveSizeInformation::Acceptance::Kind::Unchanged:
            if (m_context.verificationMode &&
                !CVerifyPN::Confirm(m_context, m_form.WorkingRecord(), this)) {
                return;
            }
            done(IDUNCHANGED);
            return;
        case CValveSizeInformation::Acceptance::Kind::Check:
            break;
    }
    EmptyEntries empty;
    for (EntryField field :
         {EntryField::MaxInletPressure, EntryField::VolumetricFlow, EntryField::FlowFactor}) {
        if (EntryFor(field)->IsEmpty()) {
            empty.insert(field);
        }
    }
    CCheckOutcome outcome;
    {
        const CWaitCursor wait;
        outcome = m_form.Check(empty);
    }
    if (!outcome.passed) {
        if (!outcome.text.empty()) {
            MessageBox(outcome.text);
        }
        Focus(outcome.focus);
        return;
    }
    if (m_context.verificationMode &&
        !CVerifyPN::Confirm(m_context, m_form.WorkingRecord(), this)) {
        return;
    }
    m_record = m_form.WorkingRecord();
    done(IDOK);
}

int CVSelMethod2Dlg::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
