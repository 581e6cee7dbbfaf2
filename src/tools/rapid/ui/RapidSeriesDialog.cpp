#include "tools/rapid/ui/RapidSeriesDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/CatalogueMessage.h"
#include "data/ui/DialogExec.h"
#include "data/ui/WizardButtons.h"
#include "tools/ToolStrings.h"
#include "tools/rapid/ui/RapidDialog.h"
#include "units/ui/ColorListBox.h"

namespace veritom {

namespace {

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

}  // namespace

CRapidSeries::CRapidSeries(const CDialogContext& context, const COrderPadTarget& orderPad,
                           const QImage& stateIcons, QWidget* parent)
    : QDialog(parent), m_context(context), m_orderPad(orderPad), m_stateIcons(stateIcons) {
    setObjectName(QStringLiteral("rapidSeriesDialog"));
    setWindowTitle(Text(ids::kRapidSeriesTitle));

    auto* label = new QLabel(Text(ids::kRapidSeriesLabel), this);
    m_list = new CColorListBox(this);
    m_list->setObjectName(QStringLiteral("seriesList"));
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 56);
    label->setBuddy(m_list);
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("seriesNote"));
    m_note->setReadOnly(true);
    m_note->setFocusPolicy(Qt::ClickFocus);
    m_note->setMaximumHeight(m_note->fontMetrics().lineSpacing() * 4);
    m_buttons = new CWizardButtons(context.pages, kTemplateId, this);

    auto* left = new QVBoxLayout;
    left->addWidget(label);
    left->addWidget(m_list, 1);
    left->addWidget(m_note);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_buttons);

    const CWaitCursor wait;
    m_series = LoadRapidSeries(context.database);
    // As wide as the longest series text, so none is cut off.
    int widest = m_list->minimumWidth();
    for (const CRapidSeriesEntry& series : m_series) {
        m_list->AddLine(series.text);
        widest = std::max(
            widest, m_list->fontMetrics().horizontalAdvance(QString::fromStdString(series.text)));
    }
    m_list->setMinimumWidth(widest + m_list->fontMetrics().averageCharWidth() * 4 +
                            m_list->frameWidth() * 2);
    m_note->setPlainText(QString::fromStdString(
        LookupCatalogueMessage(context.database, kRapidSeriesNote).value_or(std::string())));
    if (!m_series.empty()) {
        m_list->setCurrentRow(0);
    }

    // Queued: the Rapid Selection dialog reads the database.
    connect(m_buttons->Ok(), &QPushButton::clicked, this, &CRapidSeries::OnOk,
            Qt::QueuedConnection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CRapidSeries::OnOk,
            Qt::QueuedConnection);
    connect(m_buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

void CRapidSeries::OnOk() {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_series.size())) {
        reject();
        return;
    }
    CRapid2 rapid(m_context, m_orderPad, m_series[static_cast<std::size_t>(row)].link, m_stateIcons,
                  this);
    if (rapid.Run() == IDOK) {
        done(IDOK);
    }
}

int CRapidSeries::Run() {
    return ExecDialog(*this);
}

void RunRapidSelectionTool(const CDialogContext& context, const COrderPadTarget& orderPad,
                           QWidget* parent, const QImage& stateIcons) {
    const CRapidStart start = DecideRapidStart(context.database);
    switch (start.kind) {
        case CRapidStart::Kind::NoSeries:
            ShowCatalogueMessage(context.database, kRapidNoSeriesMessage);
            break;
        case CRapidStart::Kind::OneSeries: {
            CRapid2 rapid(context, orderPad, start.seriesLink, stateIcons, parent);
            rapid.Run();
            break;
        }
        case CRapidStart::Kind::ChooseSeries: {
            CRapidSeries series(context, orderPad, stateIcons, parent);
            series.Run();
            break;
        }
    }
}

}  // namespace veritom
