#include "wizard/partnumber/ui/PartNumberDialog.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/InformationPages.h"
#include "data/ui/WizardButtons.h"
#include "model/ModelStrings.h"
#include "tools/ToolStrings.h"
#include "tools/progress/Progress.h"
#include "units/ui/ComboUnit.h"
#include "units/ui/EditNumeric.h"
#include "units/ui/TabComboBox.h"
#include "wizard/WizardStrings.h"
#include "wizard/partnumber/ui/CandidateModel.h"

namespace veritom {

namespace {

using S = CPartNumberSelection;

constexpr int kFilterLabels[S::kFilterCount] = {
    ids::kBodyMaterialLabel,  ids::kMaxFluidTempLabel,     ids::kMinFluidTempLabel,
    ids::kFlowFactorLabel,    ids::kMaxInletPressureLabel, ids::kConnectionTypeLabel,
    ids::kSealMaterialLabel,  ids::kActuationLabel,        ids::kCoilClassLabel,
    ids::kAgencyApprovalLabel};
// Rows of the two filter columns: the left holds filters 0 to 4, the right 5 to 9.
constexpr int kFiltersPerColumn = 5;
// Rows measured for a column's width: enough to see what the column holds.
constexpr int kMeasuredRows = 200;
constexpr int kIndicatorSize = 16;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

bool IsNumeric(int filter) {
    return filter == S::kMaxFluidTemp || filter == S::kMinFluidTemp ||
           filter == S::kMaxInletPressure;
}

QString Name(const char* stem, int filter) {
    return QLatin1String(stem) + QString::number(filter);
}

}  // namespace

CSelection1::CSelection1(const CDialogContext& context, CProd_ValveData& record,
                         ReportFunction report, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_record(record),
      m_report(std::move(report)),
      m_selection(context.database, record) {
    setObjectName(QStringLiteral("partNumberDialog"));
    setWindowTitle(Text(ids::kPartNumberTitle));
    BuildControls();
    ConnectControls();
}

void CSelection1::BuildControls() {
    m_buttons = new CWizardButtons(m_context.pages, kTemplateId, this);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildFilters());
    left->addWidget(BuildList(), 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_buttons);
    resize(1180, 760);
}

QWidget* CSelection1::BuildFilters() {
    auto* group = new QGroupBox(Text(ids::kFiltersGroup), this);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    grid->setColumnMinimumWidth(3, 16);
    for (int filter = 0; filter < S::kFilterCount; ++filter) {
        QWidget* field = nullptr;
        if (IsNumeric(filter)) {
            field = new QWidget(group);
            auto* row = new QHBoxLayout(field);
            row->setContentsMargins(0, 0, 0, 0);
            m_edits[filter] = new CEditNumeric(field);
            m_edits[filter]->setObjectName(Name("filterEdit", filter));
            m_edits[filter]->SetAllowMinus(true);
            m_units[filter] = new CComboUnit(field);
            m_units[filter]->setObjectName(Name("filterUnit", filter));
            row->addWidget(m_edits[filter], 1);
            row->addWidget(m_units[filter]);
        } else if (filter == S::kFlowFactor) {
            field = new QWidget(group);
            auto* row = new QHBoxLayout(field);
            row->setContentsMargins(0, 0, 0, 0);
            m_combos[filter] = new CTabComboBox(field);
            m_ranges = new CTabComboBox(field);
            m_ranges->setObjectName(QStringLiteral("rangeCombo"));
            row->addWidget(m_combos[filter]);
            row->addWidget(m_ranges, 1);
        } else {
            m_combos[filter] = new CTabComboBox(group);
            field = m_combos[filter];
        }
        if (m_combos[filter]) {
            m_combos[filter]->setObjectName(Name("filterCombo", filter));
            m_combos[filter]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        }
        AddFilterRow(grid, filter % kFiltersPerColumn, filter < kFiltersPerColumn ? 0 : 4, filter,
                     field);
    }
    return group;
}

void CSelection1::AddFilterRow(QGridLayout* grid, int row, int column, int filter, QWidget* field) {
    m_labels[filter] = new QLabel(Text(kFilterLabels[filter]), field->parentWidget());
    m_labels[filter]->setObjectName(Name("filterLabel", filter));
    m_labels[filter]->setBuddy(m_combos[filter] ? static_cast<QWidget*>(m_combos[filter])
                                                : m_edits[filter]);
    m_helps[filter] = new QToolButton(field->parentWidget());
    m_helps[filter]->setObjectName(Name("filterHelp", filter));
    m_helps[filter]->setText(Text(ids::kFilterHelpButton));
    grid->addWidget(m_labels[filter], row, column);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(m_helps[filter], row, column + 2);
}

QWidget* CSelection1::BuildList() {
    auto* group = new QGroupBox(Text(ids::kCandidatesGroup), this);
    m_update = new QPushButton(Text(ids::kUpdateList), group);
    m_update->setObjectName(QStringLiteral("updateButton"));
    m_stale = new QLabel(group);
    m_stale->setObjectName(QStringLiteral("staleIndicator"));
    m_stale->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIndicatorSize, kIndicatorSize));
    m_stale->setToolTip(Text(ids::kListStaleHint));
    QSizePolicy keepPlace = m_stale->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_stale->setSizePolicy(keepPlace);
    m_stale->hide();
    m_catalog = new QPushButton(Text(ids::kPartCatalogInformation), group);
    m_catalog->setObjectName(QStringLiteral("catalogButton"));
    m_reportButton = new QPushButton(Text(ids::kSelectionReport), group);
    m_reportButton->setObjectName(QStringLiteral("reportButton"));
    auto* countLabel = new QLabel(Text(ids::kCandidateCountLabel), group);
    m_count = new QLabel(QStringLiteral("0"), group);
    m_count->setObjectName(QStringLiteral("candidateCount"));

    m_table = new QTableView(group);
    m_table->setObjectName(QStringLiteral("candidateTable"));
    m_model = new CCandidateModel(m_selection, m_table);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    // Rows of one height: the view never measures the candidates row by row.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);

    auto* actions = new QHBoxLayout;
    actions->addWidget(m_update);
    actions->addWidget(m_stale);
    actions->addSpacing(12);
    actions->addWidget(m_catalog);
    actions->addWidget(m_reportButton);
    actions->addStretch();
    actions->addWidget(countLabel);
    actions->addWidget(m_count);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(actions);
    layout->addWidget(m_table, 1);
    return group;
}

void CSelection1::ConnectControls() {
    // Slots that read the selection database are queued, so an engine failure is reported
    // by the application's event handling and never thrown through a control's own code.
    for (int filter = 0; filter < S::kFilterCount; ++filter) {
        if (m_combos[filter]) {
            connect(
                m_combos[filter], &QComboBox::currentIndexChanged, this,
                [this, filter](int index) { OnOptionChanged(filter, index); },
                Qt::QueuedConnection);
        }
        if (m_edits[filter]) {
            connect(m_edits[filter], &QLineEdit::textChanged, this,
                    [this, filter] { OnNumberChanged(filter); });
            connect(m_units[filter], &QComboBox::currentIndexChanged, this,
                    [this, filter] { OnNumberChanged(filter); });
        }
        connect(
            m_helps[filter], &QToolButton::clicked, this, [this, filter] { OnFilterHelp(filter); },
            Qt::QueuedConnection);
    }
    connect(m_ranges, &QComboBox::currentIndexChanged, this, &CSelection1::OnRangeChanged);
    connect(m_update, &QPushButton::clicked, this, &CSelection1::OnUpdate, Qt::QueuedConnection);
    connect(m_catalog, &QPushButton::clicked, this, &CSelection1::OnCatalogInformation,
            Qt::QueuedConnection);
    connect(m_reportButton, &QPushButton::clicked, this, &CSelection1::OnReport,
            Qt::QueuedConnection);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CSelection1::OnHeaderClicked);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionMoved, this,
            &CSelection1::StoreColumnOrder);
    connect(m_table, &QTableView::doubleClicked, this, &CSelection1::OnOk, Qt::QueuedConnection);
    connect(m_buttons->Ok(), &QPushButton::clicked, this, &CSelection1::OnOk, Qt::QueuedConnection);
    connect(m_buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
    m_blink.setObjectName(QStringLiteral("staleBlink"));
    m_blink.setInterval(kStaleBlinkMs);
    connect(&m_blink, &QTimer::timeout, this, &CSelection1::ToggleIndicator);
}

int CSelection1::Run() {
    Open();
    const int result = exec();
    return result == IDOK ? IDOK : IDCANCEL;
}

void CSelection1::Open() {
    {
        CProgress progress;
        progress.Start();
        progress.Text(LoadString(ids::kLoadingData));
        const CWaitCursor wait;
        const bool ready = m_selection.Open() == S::OpenResult::Ready;
        ShowFilters();
        m_model->Reload();
        m_catalog->setEnabled(false);
        m_reportButton->setEnabled(false);
        if (!ready) {
            m_update->setEnabled(false);
            return;
        }
    }
    OnUpdate();
    const std::int64_t highlighted = m_selection.RestoreHighlightAndSort();
    m_model->Reordered();
    if (m_selection.SortedColumn() >= 0) {
        const auto& columns = m_selection.Columns();
        const auto section =
            std::find(columns.begin(), columns.end(), m_selection.SortedColumn()) - columns.begin();
        m_table->horizontalHeader()->setSortIndicatorShown(true);
        m_table->horizontalHeader()->setSortIndicator(
            static_cast<int>(section),
            m_selection.SortedAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    if (highlighted >= 0) {
        ShowRows(highlighted);
    }
}

void CSelection1::ShowFilters() {
    m_binding = true;
    const bool ready = m_selection.IsReady();
    for (int filter = 0; filter < S::kFilterCount; ++filter) {
        const bool inUse = ready && m_selection.IsFilterInUse(filter);
        if (IsNumeric(filter)) {
            ShowNumber(filter);
        } else {
            FillCombo(filter);
            m_combos[filter]->setEnabled(inUse);
        }
        m_labels[filter]->setEnabled(inUse);
        m_helps[filter]->setEnabled(inUse);
        const int column = m_selection.HelpColumn(filter);
        if (column >= 0) {
            m_helps[filter]->setToolTip(QString::fromStdString(m_selection.ColumnTitle(column)) +
                                        QLatin1Char(' ') + Text(ids::kFilterInformation));
        }
    }
    FillRanges();
    m_ranges->setEnabled(ready);
    m_edits[S::kMaxFluidTemp]->setEnabled(ready && m_selection.IsMaxFluidTempEditable());
    if (m_selection.IsTenthFilterControlSignal()) {
        m_labels[S::kTenthFilter]->setText(Text(ids::kControlInputSignal));
    }
    // The inlet pressure filter narrows the list with the record's value but is never shown.
    for (QWidget* widget : std::initializer_list<QWidget*>{
             m_labels[S::kMaxInletPressure], m_edits[S::kMaxInletPressure],
             m_units[S::kMaxInletPressure], m_helps[S::kMaxInletPressure]}) {
        widget->setEnabled(false);
        widget->hide();
    }
    m_binding = false;
}

void CSelection1::FillCombo(int filter) {
    auto* combo = static_cast<CTabComboBox*>(m_combos[filter]);
    const QSignalBlocker blocker(combo);
    combo->Clear();
    for (const std::string& text : m_selection.Options(filter).texts) {
        combo->AddString(text);
    }
    combo->setCurrentIndex(m_selection.Selected(filter));
}

void CSelection1::FillRanges() {
    const QSignalBlocker blocker(m_ranges);
    m_ranges->Clear();
    for (const std::string& text : m_selection.FlowFactorRanges().texts) {
        m_ranges->AddString(text);
    }
    m_ranges->setCurrentIndex(m_selection.SelectedRange());
}

void CSelection1::ShowNumber(int filter) {
    const CUnitDouble& value = m_selection.NumericFilter(filter);
    m_edits[filter]->SetUnitValue(value, value.Unit(), 2, false, true);
    m_units[filter]->Clear();
    m_units[filter]->FillCompatible(value);
    const bool ready = m_selection.IsReady();
    m_edits[filter]->setEnabled(ready);
    m_units[filter]->setEnabled(ready);
}

void CSelection1::OnOptionChanged(int filter, int index) {
    if (m_binding || index != m_combos[filter]->currentIndex()) {
        return;  // the controls are being filled, or a later change is on its way
    }
    MarkStale(m_selection.SelectOption(filter, index));
    if (filter == S::kFlowFactor) {
        FillRanges();
        m_model->TitlesChanged();
        const int column = m_selection.HelpColumn(filter);
        m_helps[filter]->setToolTip(QString::fromStdString(m_selection.ColumnTitle(column)) +
                                    QLatin1Char(' ') + Text(ids::kFilterInformation));
    }
}

void CSelection1::OnRangeChanged(int index) {
    MarkStale(m_selection.SelectFlowFactorRange(index));
}

void CSelection1::OnNumberChanged(int filter) {
    if (m_binding || m_units[filter]->currentIndex() < 0) {
        return;
    }
    const CUnitDouble value(m_edits[filter]->GetNumber(), m_units[filter]->GetSelectedUnitCode());
    MarkStale(m_selection.ChangeNumericFilter(filter, value));
}

void CSelection1::MarkStale(bool emptied) {
    if (!emptied) {
        return;
    }
    m_catalog->setEnabled(false);
    m_reportButton->setEnabled(false);
    m_model->Reload();
    m_table->horizontalHeader()->setSortIndicatorShown(false);
    m_count->setText(QStringLiteral("0"));
    m_update->setEnabled(true);
    SetStale(true);
}

void CSelection1::SetStale(bool stale) {
    if (stale) {
        m_stale->show();
        m_blink.start();
    } else {
        m_blink.stop();
        m_stale->hide();
    }
}

void CSelection1::ToggleIndicator() {
    m_stale->setVisible(!m_stale->isVisible());
}

void CSelection1::OnUpdate() {
    const bool fills = m_selection.RowCount() == 0;
    S::UpdateResult result;
    {
        std::optional<CProgress> progress;
        std::optional<CWaitCursor> wait;
        if (fills) {
            SetStale(false);
            progress.emplace();
            progress->Start();
            progress->Text(LoadString(ids::kUpdatingPartList));
            wait.emplace();
            m_table->setUpdatesEnabled(false);
        }
        result = m_selection.Update();
        m_table->setUpdatesEnabled(true);
    }
    switch (result) {
        case S::UpdateResult::MinimumRefused: {
            CEditNumeric* minimum = m_edits[S::kMinFluidTemp];
            minimum->SetNumber(m_selection.SuggestedMinimum(), 0, false, true);
            minimum->setFocus();
            minimum->selectAll();
            return;
        }
        case S::UpdateResult::Listed:
            if (fills) {
                m_model->Reload();
                SizeColumns();
            }
            m_count->setText(QString::number(m_selection.RowCount()));
            SetStale(false);
            ShowRows(HighlightedRow() >= 0 ? HighlightedRow() : 0);
            m_update->setEnabled(false);
            m_catalog->setEnabled(true);
            m_reportButton->setEnabled(true);
            return;
        case S::UpdateResult::NothingListed:
            m_model->Reload();
            m_count->setText(QStringLiteral("0"));
            SetStale(true);
            return;
    }
}

void CSelection1::SizeColumns() {
    const QFontMetrics metrics = m_table->fontMetrics();
    const QFontMetrics headerMetrics = m_table->horizontalHeader()->fontMetrics();
    // The table's widths are pixels at a font six pixels wide on average.
    const double scale = std::max(1.0, metrics.averageCharWidth() / 6.0);
    const int rows = std::min<int>(m_model->rowCount(), kMeasuredRows);
    for (int section = 0; section < m_model->columnCount(); ++section) {
        const int column = m_model->TableColumn(section);
        int width =
            static_cast<int>(CColumnTable::Entry(m_selection.Variant(), column).width * scale);
        const QString title =
            m_model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        width = std::max(width, headerMetrics.horizontalAdvance(title) + 28);
        for (int row = 0; row < rows; ++row) {
            const QString text =
                m_model->data(m_model->index(row, section), Qt::DisplayRole).toString();
            width = std::max(width, metrics.horizontalAdvance(text) + 14);
        }
        m_table->horizontalHeader()->resizeSection(section, width);
    }
}

void CSelection1::ShowRows(std::int64_t highlighted) {
    if (highlighted < 0 || highlighted >= m_model->rowCount()) {
        return;
    }
    const QModelIndex index = m_model->index(static_cast<int>(highlighted), 0);
    m_table->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_table->setFocus();
}

std::int64_t CSelection1::HighlightedRow() const {
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void CSelection1::OnHeaderClicked(int section) {
    const int column = m_model->TableColumn(section);
    if (column < 0 || m_selection.RowCount() == 0) {
        return;
    }
    const std::int64_t row = m_selection.SortByColumn(column, HighlightedRow());
    m_model->Reordered();
    QHeaderView* header = m_table->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(
        section, m_selection.SortedAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    ShowRows(row);
}

void CSelection1::StoreColumnOrder() {
    const QHeaderView* header = m_table->horizontalHeader();
    std::vector<int> order;
    for (int visual = 0; visual < header->count(); ++visual) {
        order.push_back(m_model->TableColumn(header->logicalIndex(visual)));
    }
    m_selection.SetColumnOrder(order);
}

void CSelection1::OnCatalogInformation() {
    m_selection.ShowCatalogInformation(HighlightedRow(),
                                       m_context.pages.Locations().GetReferenceDir());
}

void CSelection1::OnReport() {
    const std::optional<CProd_ValveData> copy =
        m_selection.ReportRecord(HighlightedRow(), m_record);
    if (copy && m_report) {
        m_report(*copy);
    }
}

void CSelection1::OnFilterHelp(int filter) {
    m_selection.ShowFilterHelp(filter, m_context.pages.Locations().GetNetPath());
}

void CSelection1::OnOk() {
    if (m_selection.Accept(HighlightedRow(), m_record)) {
        done(IDOK);
    }
}

}  // namespace veritom
