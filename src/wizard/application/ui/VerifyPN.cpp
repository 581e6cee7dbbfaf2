#include "wizard/application/ui/VerifyPN.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/ui/WizardButtons.h"
#include "units/ui/ColorListBox.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ui/ListWidth.h"

namespace veritom {

namespace {

// Column starts of the list and its heads, in dialog units.
constexpr int kSuffixColumn = 160;
constexpr int kPressureDropColumn = 255;
constexpr int kListWidthInUnits = 330;
constexpr int kListLines = 16;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CVerifyPN::CVerifyPN(const CDialogContext& context, const CProd_ValveData& record, QWidget* parent)
    : QDialog(parent), m_verification(context.database, record) {
    setObjectName(QStringLiteral("verifyPartNumbersDialog"));
    setWindowTitle(Text(ids::kVerifyTitle));

    auto* explanation = new QLabel(Text(ids::kVerifyExplanation), this);
    explanation->setWordWrap(true);
    m_list = new CColorListBox(this);
    m_list->setObjectName(QStringLiteral("partNumberList"));
    m_list->SetTabStops({kSuffixColumn, kPressureDropColumn});
    const int unit = m_list->fontMetrics().averageCharWidth();
    m_list->setMinimumWidth(kListWidthInUnits * unit / 4);
    m_list->setMinimumHeight(m_list->fontMetrics().lineSpacing() * kListLines);

    // The heads stand over the list's columns: the same tab stops, a quarter character each.
    auto* heads = new QWidget(this);
    auto* headRow = new QGridLayout(heads);
    headRow->setContentsMargins(unit / 4 + m_list->frameWidth(), 0, 0, 0);
    const int columns[] = {0, kSuffixColumn, kPressureDropColumn};
    const int texts[] = {ids::kVerifyValveNumber, ids::kVerifySuffixCode, ids::kVerifyPressureDrop};
    for (int i = 0; i < 3; ++i) {
        auto* head = new QLabel(Text(texts[i]), heads);
        headRow->addWidget(head, 0, i, Qt::AlignLeft);
        const int next = i < 2 ? columns[i + 1] : kListWidthInUnits;
        headRow->setColumnMinimumWidth(i, (next - columns[i]) * unit / 4);
    }
    headRow->setHorizontalSpacing(0);

    auto* column = new QVBoxLayout;
    column->addWidget(explanation);
    column->addWidget(heads);
    column->addWidget(m_list, 1);
    auto* buttons = new CWizardButtons(context.pages, kTemplateId, this);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(buttons);

    connect(buttons->Ok(), &QPushButton::clicked, this, [this] { done(IDOK); });
    connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

bool CVerifyPN::Prepare() {
    return m_verification.Prepare();
}

void CVerifyPN::Fill() {
    const CWaitCursor wait;
    m_list->setUpdatesEnabled(false);
    m_list->Clear();
    const std::vector<std::string> lines = m_verification.ReadLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int index = static_cast<int>(i);
        m_list->AddLine(lines[i], true, kSystemColour, CPartVerification::Background(index));
    }
    WidenToLines(*m_list);
    m_list->setUpdatesEnabled(true);
    m_list->scrollToTop();
    m_list->setFocus();
}

int CVerifyPN::Run() {
    Fill();
    return exec() == IDOK ? IDOK : IDCANCEL;
}

bool CVerifyPN::Confirm(const CDialogContext& context, const CProd_ValveData& record,
                        QWidget* parent) {
    CVerifyPN dialog(context, record, parent);
    return dialog.Prepare() && dialog.Run() == IDOK;
}

}  // namespace veritom
