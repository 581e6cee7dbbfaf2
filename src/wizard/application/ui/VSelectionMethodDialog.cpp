#include "wizard/application/ui/VSelectionMethodDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "base/DialogResult.h"
#include "base/Links.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/ui/DialogExec.h"
#include "data/ui/WizardButtons.h"
#include "tools/ToolStrings.h"
#include "tools/progress/Progress.h"
#include "units/ui/ColorListBox.h"
#include "units/ui/ComboUnit.h"
#include "units/ui/EditNumeric.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ui/ListWidth.h"
#include "wizard/application/ui/QuantityEntry.h"
#include "wizard/application/ui/VerifyPN.h"

namespace veritom {

namespace {

constexpr const char* kStates[] = {links::kGas, links::kLiquid, links::kOil};
constexpr int kStateTexts[] = {ids::kStateGas, ids::kStateLiquid, ids::kStateOil};
constexpr const char* kStateNames[] = {"gasRadio", "liquidRadio", "oilRadio"};
constexpr int kFluidListCharacters = 34;
constexpr int kInformationCharacters = 34;
constexpr int kFluidListLines = 8;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

CVSelectionMethodDialog::CVSelectionMethodDialog(const CDialogContext& context,
                                                 const CProd_ValveData& record, QWidget* parent)
    : QDialog(parent), m_context(context), m_form(context.database, record), m_record(record) {
    setObjectName(QStringLiteral("selectionMethodDialog"));
    setWindowTitle(Text(ids::kSelectionMethodTitle));

    auto* buttons = new CWizardButtons(context.pages, kTemplateId, this);
    m_ok = buttons->Ok();
    BuildMethodGroup();
    BuildFluidGroup();
    BuildParameterGroup();
    auto* top = new QHBoxLayout;
    top->addWidget(m_byCatalog->parentWidget(), 1);
    top->addWidget(m_fluids->parentWidget(), 1);
    auto* column = new QVBoxLayout;
    column->addLayout(top, 1);
    column->addWidget(m_labels[0]->parentWidget());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(buttons);

    {
        const CWaitCursor wait;
        CProgress progress;
        progress.Start();
        progress.Text(LoadString(ids::kLoadingData));
        m_form.Load();
    }
    ShowMethod();
    for (std::size_t i = 0; i < m_states.size(); ++i) {
        m_states[i]->setEnabled(m_form.IsStateAvailable(kStates[i]));
        m_states[i]->setChecked(m_form.GetState() == kStates[i]);
    }
    m_showAll->setChecked(m_form.ShowsAllFluids());
    m_mediumNotListed->setChecked(m_form.IsMediumNotListed());
    FillFluids();
    Focus(CKnownParameters::Rows(m_form.GetMethod())[0].field, false);

    Connect();
    connect(buttons->Ok(), &QPushButton::clicked, this, &CVSelectionMethodDialog::OnOk,
            Qt::QueuedConnection);
    connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

CVSelectionMethodDialog::~CVSelectionMethodDialog() = default;

void CVSelectionMethodDialog::BuildMethodGroup() {
    auto* group = new QGroupBox(Text(ids::kSelectionMethodGroup), this);
    m_byCatalog = Named(new QRadioButton(Text(ids::kByCatalogData), group), "byCatalogRadio");
    m_calculate = Named(new QRadioButton(Text(ids::kCalculateValveSize), group), "calculateRadio");
    m_information = Named(new QPlainTextEdit(group), "methodInformation");
    m_information->setReadOnly(true);
    m_information->setFocusPolicy(Qt::ClickFocus);
    m_information->setMinimumWidth(m_information->fontMetrics().averageCharWidth() *
                                   kInformationCharacters);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_byCatalog);
    layout->addWidget(m_calculate);
    layout->addWidget(m_information, 1);
    auto* methods = new QButtonGroup(group);
    methods->addButton(m_byCatalog, CKnownParameters::kByCatalogData);
    methods->addButton(m_calculate, CKnownParameters::kCalculatedSize);
}

void CVSelectionMethodDialog::BuildFluidGroup() {
    auto* group = new QGroupBox(Text(ids::kSelectFluidGroup), this);
    auto* states = new QHBoxLayout;
    auto* stateGroup = new QButtonGroup(group);
    for (std::size_t i = 0; i < m_states.size(); ++i) {
        m_states[i] = Named(new QRadioButton(Text(kStateTexts[i]), group), kStateNames[i]);
        stateGroup->addButton(m_states[i]);
        states->addWidget(m_states[i]);
    }
    states->addStretch();
    m_showAll = Named(new QCheckBox(Text(ids::kShowAllFluids), group), "showAllFluidsCheck");
    m_fluids = Named(new CColorListBox(group), "fluidList");
    m_fluids->setMinimumWidth(m_fluids->fontMetrics().averageCharWidth() * kFluidListCharacters);
    m_fluids->setMinimumHeight(m_fluids->fontMetrics().lineSpacing() * kFluidListLines);
    m_mediumNotListed =
        Named(new QCheckBox(Text(ids::kMediumNotListed), group), "mediumNotListedCheck");
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(states);
    layout->addWidget(m_showAll);
    layout->addWidget(m_fluids, 1);
    layout->addWidget(m_mediumNotListed);
}

void CVSelectionMethodDialog::BuildParameterGroup() {
    auto* group = new QGroupBox(Text(ids::kKnownParametersGroup), this);
    auto* grid = new QGridLayout(group);
    const char* names[] = {"flowRateEdit", "row2Edit", "row3Edit", "inletPressureEdit"};
    m_portSizes = Named(new QComboBox(group), "portSizeList");
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int row = static_cast<int>(i);
        m_labels[i] = new QLabel(group);
        m_labels[i]->setObjectName(QStringLiteral("rowLabel%1").arg(row + 1));
        m_rows[i] = std::make_unique<CQuantityEntry>(group, QLatin1String(names[i]));
        grid->addWidget(m_labels[i], row, 0);
        grid->addWidget(m_rows[i]->Edit(), row, 1);
        grid->addWidget(m_rows[i]->Units(), row, 2);
    }
    grid->addWidget(m_portSizes, 0, 1, 1, 2);
    // The label column holds the longer labels of either method, so it never jumps.
    int labelWidth = 0;
    for (int method : {CKnownParameters::kByCatalogData, CKnownParameters::kCalculatedSize}) {
        for (const auto& row : CKnownParameters::Rows(method)) {
            const QString label = QString::fromStdString(CKnownParameters::RowLabel(row));
            labelWidth = std::max(labelWidth, group->fontMetrics().horizontalAdvance(label));
        }
    }
    grid->setColumnMinimumWidth(0, labelWidth);
    auto* note = new QLabel(Text(ids::kMinimumDifferentialNote), group);
    note->setWordWrap(true);
    grid->addWidget(note, 0, 3, 4, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(3, note->fontMetrics().averageCharWidth() * 40);
}

void CVSelectionMethodDialog::Connect() {
    // Every slot here reads the database: queued, so an engine failure is reported by the
    // application's event handling and never thrown through a control's own code.
    connect(
        m_byCatalog, &QRadioButton::toggled, this,
        [this](bool on) {
            if (on) {
                OnMethod(CKnownParameters::kByCatalogData);
            }
        },
        Qt::QueuedConnection);
    connect(
        m_calculate, &QRadioButton::toggled, this,
        [this](bool on) {
            if (on) {
                OnMethod(CKnownParameters::kCalculatedSize);
            }
        },
        Qt::QueuedConnection);
    for (std::size_t i = 0; i < m_states.size(); ++i) {
        const char* state = kStates[i];
        connect(
            m_states[i], &QRadioButton::toggled, this,
            [this, state](bool on) {
                if (on) {
                    OnState(state);
                }
            },
            Qt::QueuedConnection);
    }
    connect(m_showAll, &QCheckBox::toggled, this, &CVSelectionMethodDialog::OnShowAllFluids,
            Qt::QueuedConnection);
    connect(m_mediumNotListed, &QCheckBox::toggled, this,
            &CVSelectionMethodDialog::OnMediumNotListed);
    connect(m_fluids, &QListWidget::currentRowChanged, this,
            [this](int row) { m_form.SelectFluid(row); });
    connect(m_portSizes, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.SelectPortSize(index); });
}

void CVSelectionMethodDialog::ShowMethod() {
    const int method = m_form.GetMethod();
    {
        const QSignalBlocker catalogBlocker(m_byCatalog);
        const QSignalBlocker calculateBlocker(m_calculate);
        m_byCatalog->setChecked(method == CKnownParameters::kByCatalogData);
        m_calculate->setChecked(method == CKnownParameters::kCalculatedSize);
    }
    m_information->setPlainText(QString::fromStdString(m_form.GetInformation()));
    FillPortSizes();
    ShowRows();
}

void CVSelectionMethodDialog::FillPortSizes() {
    if (m_portSizes->count() > 0 || m_form.GetPortSizes().empty()) {
        return;
    }
    const QSignalBlocker blocker(m_portSizes);
    for (const CKnownParameters::PortSize& size : m_form.GetPortSizes()) {
        m_portSizes->addItem(QString::fromStdString(size.text));
    }
    m_portSizes->setCurrentIndex(m_form.GetSelectedPortSize());
}

void CVSelectionMethodDialog::ShowRows() {
    const auto rows = CKnownParameters::Rows(m_form.GetMethod());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_labels[i]->setText(QString::fromStdString(CKnownParameters::RowLabel(rows[i])));
        const bool list = rows[i].field == EntryField::PortSize;
        m_rows[i]->SetVisible(!list);
        if (!list) {
            m_rows[i]->Edit()->SetAllowMinus(rows[i].field == EntryField::FluidTemperature);
            m_rows[i]->Show(m_form.Quantity(rows[i].field));
        }
    }
    m_portSizes->setVisible(rows[0].field == EntryField::PortSize);
    m_labels[0]->setBuddy(rows[0].field == EntryField::PortSize
                              ? static_cast<QWidget*>(m_portSizes)
                              : static_cast<QWidget*>(m_rows[0]->Edit()));
    for (std::size_t i = 1; i < rows.size(); ++i) {
        m_labels[i]->setBuddy(m_rows[i]->Edit());
    }
}

void CVSelectionMethodDialog::StoreRows() {
    for (const auto& row : CKnownParameters::Rows(m_form.GetMethod())) {
        if (row.field != EntryField::PortSize) {
            m_form.SetQuantity(row.field, EntryFor(row.field)->Read());
        }
    }
}

CQuantityEntry* CVSelectionMethodDialog::EntryFor(EntryField field) const {
    const auto rows = CKnownParameters::Rows(m_form.GetMethod());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].field == field) {
            return m_rows[i].get();
        }
    }
    return nullptr;
}

EmptyEntries CVSelectionMethodDialog::EmptyRows() const {
    EmptyEntries empty;
    for (const auto& row : CKnownParameters::Rows(m_form.GetMethod())) {
        if (row.field != EntryField::PortSize && EntryFor(row.field)->IsEmpty()) {
            empty.insert(row.field);
        }
    }
    return empty;
}

void CVSelectionMethodDialog::FillFluids() {
    m_fluids->setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(m_fluids);
        m_fluids->Clear();
        for (const CKnownParameters::Fluid& fluid : m_form.GetFluids()) {
            m_fluids->AddLine(fluid.text, fluid.selectable);
        }
        m_fluids->setCurrentRow(m_form.GetSelectedFluid());
        m_fluids->Enable(!m_form.IsMediumNotListed());
    }
    WidenToLines(*m_fluids);
    m_fluids->setUpdatesEnabled(true);
    if (m_fluids->currentItem()) {
        m_fluids->scrollToItem(m_fluids->currentItem());
    }
}

void CVSelectionMethodDialog::Focus(EntryField field, bool select) {
    if (field == EntryField::PortSize) {
        m_portSizes->setFocus();
    } else if (field == EntryField::Fluid) {
        m_fluids->setFocus();
    } else if (CQuantityEntry* entry = EntryFor(field)) {
        entry->Focus(select);
    }
}

void CVSelectionMethodDialog::OnMethod(int method) {
    if (method == m_form.GetMethod()) {
        return;
    }
    StoreRows();
    m_form.SetMethod(method);
    ShowMethod();
}

void CVSelectionMethodDialog::OnState(const char* state) {
    // The flow rate's unit may move between gas and liquid units: its entry is taken first.
    if (CQuantityEntry* flow = EntryFor(EntryField::FlowRate)) {
        m_form.SetQuantity(EntryField::FlowRate, flow->Read());
    }
    if (!m_form.SetState(state)) {
        return;
    }
    FillFluids();
    if (CQuantityEntry* flow = EntryFor(EntryField::FlowRate)) {
        flow->Show(m_form.Quantity(EntryField::FlowRate));
    }
}

void CVSelectionMethodDialog::OnShowAllFluids(bool all) {
    m_form.SetShowAllFluids(all);
    FillFluids();
}

void CVSelectionMethodDialog::OnMediumNotListed(bool notListed) {
    m_form.SetMediumNotListed(notListed);
    m_fluids->Enable(!notListed);
    if (!notListed) {
        m_fluids->setCurrentRow(m_form.GetSelectedFluid());
    }
}

void CVSelectionMethodDialog::OnOk() {
    if (m_portSizes->isVisible()) {
        m_portSizes->hidePopup();
    }
    StoreRows();
    const CKnownParameters::Acceptance acceptance = m_form.Accept();
    switch (acceptance.kind) {
        case CKnownParameters::Acceptance::Kind::Refused:
            MessageBox(LoadString(acceptance.messageId), MsgButtons::Ok, MsgIcon::None);
            Focus(acceptance.focus, false);
            return;
        case CKnownParameters::Acceptance::Kind::Unchanged:
            if (m_context.verificationMode &&
                !CVerifyPN::Confirm(m_context, m_form.WorkingRecord(), this)) {
                return;
            }
            done(IDUNCHANGED);
            return;
        case CKnownParameters::Acceptance::Kind::Check:
            break;
    }
    CCheckOutcome outcome;
    {
        const CWaitCursor wait;
        CProgress progress;
        progress.Start();
        progress.Text(LoadString(ids::kCheckingParameters));
        outcome = m_form.Check(EmptyRows());
    }
    if (!outcome.passed) {
        if (!outcome.text.empty()) {
            MessageBox(outcome.text, MsgButtons::Ok, MsgIcon::None);
        }
        Focus(outcome.focus, outcome.select);
        return;
    }
    if (m_context.verificationMode &&
        !CVerifyPN::Confirm(m_context, m_form.WorkingRecord(), this)) {
        return;
    }
    m_record = m_form.WorkingRecord();
    done(IDOK);
}

int CVSelectionMethodDialog::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
