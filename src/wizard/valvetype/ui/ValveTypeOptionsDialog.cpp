#include "wizard/valvetype/ui/ValveTypeOptionsDialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/DialogContext.h"
#include "data/ui/DialogExec.h"
#include "data/ui/WizardButtons.h"
#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

constexpr int kListMinimumWidth = 380;

}  // namespace

CValveTypeOptionsDialog::CValveTypeOptionsDialog(const CDialogContext& context,
                                                 const CValveTypeAnswer& functionType,
                                                 const CValveTypeAnswer& flowPattern,
                                                 const CValveTypeAnswer& currentOption,
                                                 QWidget* parent)
    : QDialog(parent), m_selection(context.database, functionType, flowPattern, currentOption) {
    setObjectName(QStringLiteral("valveTypeOptionsDialog"));
    setWindowTitle(QString::fromStdString(LoadString(ids::kValveTypeOptionsTitle)));

    m_options = new QListWidget(this);
    m_options->setObjectName(QStringLiteral("optionList"));
    m_options->setMinimumWidth(kListMinimumWidth);
    auto* column = new QVBoxLayout;
    column->addWidget(
        new QLabel(QString::fromStdString(LoadString(ids::kValveTypeOptionsLabel)), this));
    column->addWidget(m_options);
    auto* buttons = new CWizardButtons(context.pages, kTemplateId, this);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(buttons);

    {
        const CWaitCursor wait;
        m_selection.Load();
    }
    for (const CValveTypeAnswer& option : m_selection.GetOptions()) {
        m_options->addItem(QString::fromStdString(option.text));
    }
    // As wide as the longest option, so none is cut and no horizontal scroll bar is needed.
    m_options->setMinimumWidth(
        std::max(kListMinimumWidth, m_options->sizeHintForColumn(0) + 2 * m_options->frameWidth() +
                                        m_options->verticalScrollBar()->sizeHint().width()));
    m_options->setCurrentRow(m_selection.GetSelectedIndex());

    connect(m_options, &QListWidget::currentRowChanged, this,
            [this](int row) { m_selection.Select(row); });
    connect(buttons->Ok(), &QPushButton::clicked, this, &CValveTypeOptionsDialog::OnOk);
    connect(buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

int CValveTypeOptionsDialog::Run() {
    if (m_selection.AcceptsAtOnce()) {
        return m_selection.Accept(m_chosen);
    }
    return ExecDialog(*this);
}

void CValveTypeOptionsDialog::OnOk() {
    const int result = m_selection.Accept(m_chosen);
    if (result != 0) {
        done(result);
    }
}

}  // namespace veritom
