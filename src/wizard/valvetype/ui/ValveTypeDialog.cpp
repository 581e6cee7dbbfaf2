#include "wizard/valvetype/ui/ValveTypeDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/ui/DialogExec.h"
#include "data/ui/Lead.h"
#include "data/ui/WizardButtons.h"
#include "wizard/WizardStrings.h"
#include "wizard/valvetype/ui/ValveTypeOptionsDialog.h"

namespace veritom {

namespace {

constexpr QSize kPictureSize(160, 120);
constexpr int kMinimumRows = 3;
constexpr int kMaximumRows = 8;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

// Tall enough for its rows (within limits), so a short list leaves no empty space.
void FitToRows(QListWidget* list) {
    const int rows = std::clamp(list->count(), kMinimumRows, kMaximumRows);
    const int rowHeight =
        list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 2;
    list->setFixedHeight(rows * rowHeight + 2 * list->frameWidth());
}

void Fill(QListWidget* list, const std::vector<CValveTypeAnswer>& entries, int selected) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const CValveTypeAnswer& entry : entries) {
        list->addItem(QString::fromStdString(entry.text));
    }
    list->setCurrentRow(selected);
    FitToRows(list);
}

}  // namespace

CValveTypeDialog::CValveTypeDialog(const CDialogContext& context, const CValveTypeAnswers& current,
                                   QWidget* parent)
    : QDialog(parent), m_context(context), m_selection(context.database, current) {
    setObjectName(QStringLiteral("valveTypeDialog"));
    setWindowTitle(Text(ids::kValveTypeTitle));
    BuildControls();

    const CWaitCursor wait;
    m_selection.Load();
    FillFunctionTypes();
    FillFlowPatterns();
    ShowPicture();
}

void CValveTypeDialog::BuildControls() {
    auto* group = new QGroupBox(Text(ids::kValveTypeGroup), this);
    m_functionTypes = new QListWidget(group);
    m_functionTypes->setObjectName(QStringLiteral("functionTypeList"));
    m_flowPatterns = new QListWidget(group);
    m_flowPatterns->setObjectName(QStringLiteral("flowPatternList"));
    m_picture = new CLead(group);
    m_picture->setObjectName(QStringLiteral("flowPatternPicture"));
    m_picture->setFixedSize(kPictureSize);
    QSizePolicy keepPlace = m_picture->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_picture->setSizePolicy(keepPlace);

    // The flow pattern's symbol stands beside the flow patterns it shows.
    auto* grid = new QGridLayout(group);
    auto* functionLabel = new QLabel(Text(ids::kFunctionTypeLabel), group);
    functionLabel->setBuddy(m_functionTypes);
    auto* patternLabel = new QLabel(Text(ids::kFlowPatternLabel), group);
    patternLabel->setBuddy(m_flowPatterns);
    grid->addWidget(functionLabel, 0, 0);
    grid->addWidget(m_functionTypes, 1, 0);
    grid->addWidget(patternLabel, 2, 0);
    grid->addWidget(m_flowPatterns, 3, 0, Qt::AlignTop);
    grid->addWidget(m_picture, 3, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 1);

    m_buttons = new CWizardButtons(m_context.pages, kTemplateId, this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(m_buttons);

    // The slots that read the database are queued, so an engine failure is reported by the
    // application's event handling and never thrown through a list's or a button's own code.
    connect(m_functionTypes, &QListWidget::currentRowChanged, this,
            &CValveTypeDialog::OnFunctionTypeChanged, Qt::QueuedConnection);
    connect(m_flowPatterns, &QListWidget::currentRowChanged, this,
            &CValveTypeDialog::OnFlowPatternChanged, Qt::QueuedConnection);
    connect(m_flowPatterns, &QListWidget::itemDoubleClicked, this, &CValveTypeDialog::OnOk,
            Qt::QueuedConnection);
    connect(m_buttons->Ok(), &QPushButton::clicked, this, &CValveTypeDialog::OnOk,
            Qt::QueuedConnection);
    connect(m_buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

void CValveTypeDialog::FillFunctionTypes() {
    Fill(m_functionTypes, m_selection.GetFunctionTypes(), m_selection.GetFunctionTypeIndex());
}

void CValveTypeDialog::FillFlowPatterns() {
    m_flowPatterns->setUpdatesEnabled(false);
    Fill(m_flowPatterns, m_selection.GetFlowPatterns(), m_selection.GetFlowPatternIndex());
    m_flowPatterns->setUpdatesEnabled(true);
}

void CValveTypeDialog::ShowPicture() {
    const std::optional<ByteArray> bytes = m_selection.GetFlowPatternPicture();
    const bool loaded = bytes && !bytes->empty() &&
                        m_picture->LoadMemory(bytes->data(), bytes->size()) == CLead::kSuccess;
    m_picture->setVisible(loaded);
}

void CValveTypeDialog::OnFunctionTypeChanged(int row) {
    if (row != m_functionTypes->currentRow() || !m_selection.SelectFunctionType(row)) {
        return;  // a later change is on its way, or nothing changed
    }
    FillFlowPatterns();
    ShowPicture();
}

void CValveTypeDialog::OnFlowPatternChanged(int row) {
    if (row != m_flowPatterns->currentRow() || !m_selection.SelectFlowPattern(row)) {
        return;
    }
    ShowPicture();
}

void CValveTypeDialog::OnOk() {
    if (!m_selection.CanAccept()) {
        return;
    }
    CValveTypeOptionsDialog options(m_context, m_selection.GetChosenFunctionType(),
                                    m_selection.GetChosenFlowPattern(),
                                    m_selection.GetOptionPassedOn(), this);
    const int result = options.Run();
    switch (m_selection.Conclude(result, options.Chosen())) {
        case CValveTypeSelection::Outcome::StayOpen:
            break;
        case CValveTypeSelection::Outcome::Ok:
            m_answers = m_selection.Result();
            done(IDOK);
            break;
        case CValveTypeSelection::Outcome::Unchanged:
            done(IDUNCHANGED);
            break;
    }
}

int CValveTypeDialog::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
