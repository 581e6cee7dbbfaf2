#include "tools/interchange/ui/PartInterchangeDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DataStrings.h"
#include "data/InformationPages.h"
#include "data/ui/DialogExec.h"
#include "tools/ToolStrings.h"
#include "units/ui/ColorListBox.h"

namespace veritom {

namespace {

// The answer's colour and weight.
const QColor kAnswerColour(26, 2, 202);
constexpr int kAnswerWeight = 600;
// Prefix, part number and suffix columns of the part number list, in dialog units.
const std::vector<int> kPartTabStops = {80, 190};
constexpr int kListChars = 60;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* MakeButton(int textId, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Text(textId), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel* MakeAnswer(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setWeight(static_cast<QFont::Weight>(kAnswerWeight));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kAnswerColour);
    label->setPalette(palette);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// Refills a drop-down list only when its entries changed, and selects index without telling
// anyone.
template <typename T, typename TextOf>
void ShowChoices(QComboBox* list, const std::vector<T>& entries, int index, TextOf textOf) {
    const QSignalBlocker blocker(list);
    bool same = list->count() == static_cast<int>(entries.size());
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->itemText(i) == ToQ(textOf(entries[static_cast<std::size_t>(i)]));
    }
    if (!same) {
        list->clear();
        for (const T& entry : entries) {
            list->addItem(ToQ(textOf(entry)));
        }
    }
    list->setCurrentIndex(index);
}

}  // namespace

CPartInterchangeDlg::CPartInterchangeDlg(const CDialogContext& context,
                                         const COrderPadTarget& orderPad, QWidget* parent)
    : QDialog(parent), m_context(context), m_orderPad(orderPad), m_interchange(context.database) {
    setObjectName(QStringLiteral("interchangeDialog"));
    setWindowTitle(Text(ids::kInterchangeTitle));
    BuildControls();
    m_interchange.Open();
    Show();
}

void CPartInterchangeDlg::BuildControls() {
    m_competitors = new QComboBox(this);
    m_competitors->setObjectName(QStringLiteral("competitorList"));
    m_partNumber = new QLineEdit(this);
    m_partNumber->setObjectName(QStringLiteral("partNumberEdit"));
    m_partNumber->setMaxLength(static_cast<int>(CPartInterchange::kMaxTypedLength));
    m_parts = new CColorListBox(this);
    m_parts->setObjectName(QStringLiteral("partNumberList"));
    m_parts->setAccessibleName(Text(ids::kInterchangePartList));
    m_parts->SetTabStops(kPartTabStops);
    m_parts->setMinimumWidth(m_parts->fontMetrics().averageCharWidth() * kListChars);
    m_divisions = new QComboBox(this);
    m_divisions->setObjectName(QStringLiteral("divisionList"));
    m_voltages = new QComboBox(this);
    m_voltages->setObjectName(QStringLiteral("voltageList"));
    m_answerPartNumber = MakeAnswer("answerPartNumber", this);
    m_answerDescription = MakeAnswer("answerDescription", this);
    m_answerDescription->setMinimumHeight(m_answerDescription->fontMetrics().lineSpacing() * 3);
    m_answerDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("exceptionsNote"));
    m_note->setReadOnly(true);
    m_note->setTabChangesFocus(true);
    m_note->setMaximumHeight(m_note->fontMetrics().lineSpacing() * 4);

    auto* competitorLabel = new QLabel(Text(ids::kInterchangeCompetitor), this);
    competitorLabel->setBuddy(m_competitors);
    auto* partLabel = new QLabel(Text(ids::kInterchangePartNumberEdit), this);
    partLabel->setBuddy(m_partNumber);
    auto* divisionLabel = new QLabel(Text(ids::kInterchangeDivision), this);
    divisionLabel->setBuddy(m_divisions);
    m_voltageLabel = new QLabel(Text(ids::kInterchangeVoltage), this);
    m_voltageLabel->setBuddy(m_voltages);

    auto* form = new QVBoxLayout;
    form->addWidget(competitorLabel);
    form->addWidget(m_competitors);
    form->addSpacing(6);
    form->addWidget(partLabel);
    form->addWidget(m_partNumber);
    form->addWidget(m_parts, 1);
    form->addSpacing(6);
    auto* lists = new QGridLayout;
    lists->addWidget(divisionLabel, 0, 0);
    lists->addWidget(m_divisions, 1, 0);
    lists->addWidget(m_voltageLabel, 0, 1);
    lists->addWidget(m_voltages, 1, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 1);
    form->addLayout(lists);
    form->addSpacing(6);
    auto* answer = new QGridLayout;
    answer->addWidget(new QLabel(Text(ids::kInterchangeAnswerPartNumber), this), 0, 0);
    answer->addWidget(m_answerPartNumber, 0, 1);
    answer->addWidget(new QLabel(Text(ids::kInterchangeAnswerDescription), this), 1, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    answer->addWidget(m_answerDescription, 1, 1);
    answer->addWidget(new QLabel(Text(ids::kInterchangeExceptions), this), 2, 0,
                      Qt::AlignLeft | Qt::AlignTop);
    answer->addWidget(m_note, 2, 1);
    answer->setColumnStretch(1, 1);
    form->addLayout(answer);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(BuildButtonColumn());

    // Every handler reads the database: queued, so an engine failure is reported by the
    // application's event handling and never thrown through a control's own code.
    connect(m_competitors, &QComboBox::activated, this, &CPartInterchangeDlg::OnCompetitorChosen,
            Qt::QueuedConnection);
    connect(m_parts, &QListWidget::currentRowChanged, this, &CPartInterchangeDlg::OnPartPicked,
            Qt::QueuedConnection);
    connect(m_partNumber, &QLineEdit::textEdited, this, &CPartInterchangeDlg::OnPartTyped,
            Qt::QueuedConnection);
    connect(m_divisions, &QComboBox::activated, this, &CPartInterchangeDlg::OnDivisionChosen,
            Qt::QueuedConnection);
    connect(m_voltages, &QComboBox::activated, this, &CPartInterchangeDlg::OnVoltageChosen,
            Qt::QueuedConnection);
}

QWidget* CPartInterchangeDlg::BuildButtonColumn() {
    auto* column = new QWidget(this);
    m_add = MakeButton(ids::kButtonAddToOrderPad, "addToOrderPadButton", column);
    QPushButton* doneButton = MakeButton(ids::kButtonDone, "doneButton", column);
    QPushButton* reference = MakeButton(ids::kButtonReference, "referenceButton", column);
    QPushButton* help = MakeButton(ids::kButtonHelp, "helpButton", column);
    // No default button: Enter in the part number edit must not end the dialog.
    for (QPushButton* button : {m_add, doneButton, reference, help}) {
        button->setAutoDefault(false);
    }
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_add);
    layout->addWidget(doneButton);
    layout->addSpacing(12);
    layout->addWidget(reference);
    layout->addWidget(help);
    layout->addStretch();

    connect(m_add, &QPushButton::clicked, this, &CPartInterchangeDlg::OnAddToOrderPad);
    connect(doneButton, &QPushButton::clicked, this, [this] { done(IDOK); });
    CInformationPages& pages = m_context.pages;
    connect(
        reference, &QPushButton::clicked, this, [&pages] { pages.ShowReferencePage(); },
        Qt::QueuedConnection);
    connect(
        help, &QPushButton::clicked, this, [&pages] { pages.ShowDialogHelp(kTemplateId); },
        Qt::QueuedConnection);
    return column;
}

void CPartInterchangeDlg::OnCompetitorChosen(int index) {
    if (!m_interchange.SelectCompetitor(index)) {
        return;
    }
    Show();
    m_partNumber->deselect();
    m_partNumber->setFocus(Qt::OtherFocusReason);
}

void CPartInterchangeDlg::OnPartPicked(int row) {
    if (row != m_parts->currentRow() || !m_interchange.SelectPart(row)) {
        return;  // a later change is on its way, or nothing changed
    }
    Show();
}

void CPartInterchangeDlg::OnPartTyped() {
    const std::string typed = m_partNumber->text().toStdString();
    if (m_interchange.TypePartNumber(typed) == CPartInterchange::TypeOutcome::Beep) {
        Messages().Beep();
        return;
    }
    Show();
}

void CPartInterchangeDlg::OnDivisionChosen(int index) {
    if (m_interchange.SelectDivision(index)) {
        Show();
    }
}

void CPartInterchangeDlg::OnVoltageChosen(int index) {
    if (m_interchange.SelectVoltage(index)) {
        Show();
    }
}

void CPartInterchangeDlg::OnAddToOrderPad() {
    AddToolPartToOrderPad(m_orderPad, m_interchange.OrderLine());
}

void CPartInterchangeDlg::Show() {
    ShowChoices(m_competitors, m_interchange.Competitors(), m_interchange.CompetitorIndex(),
                [](const CInterchangeChoice& c) { return c.text; });
    ShowParts();
    // The user's own typing stays as typed; a program change shows the row's number.
    if (m_partNumber->text() != ToQ(m_interchange.PartNumberText())) {
        m_partNumber->setText(ToQ(m_interchange.PartNumberText()));
    }
    m_divisions->setUpdatesEnabled(false);
    ShowChoices(m_divisions, m_interchange.Divisions(), m_interchange.DivisionIndex(),
                [](const CInterchangeChoice& c) { return c.text; });
    m_divisions->setUpdatesEnabled(true);
    m_voltages->setUpdatesEnabled(false);
    ShowChoices(m_voltages, m_interchange.Voltages(), m_interchange.VoltageIndex(),
                [](const CInterchangeVoltage& v) { return v.text; });
    m_voltages->setUpdatesEnabled(true);
    m_voltages->setEnabled(m_interchange.HasVoltages());
    m_voltageLabel->setEnabled(m_interchange.HasVoltages());
    ShowAnswer();
}

void CPartInterchangeDlg::ShowParts() {
    const QSignalBlocker blocker(m_parts);
    const auto& parts = m_interchange.Parts();
    bool same = m_parts->count() == static_cast<int>(parts.size());
    for (int i = 0; same && i < m_parts->count(); ++i) {
        const CCompetitorPart& part = parts[static_cast<std::size_t>(i)];
        same = m_parts->item(i)->text() ==
               ToQ(part.prefix + '\t' + part.partNumber + '\t' + part.suffix);
    }
    if (!same) {
        m_parts->setUpdatesEnabled(false);
        m_parts->Clear();
        for (const CCompetitorPart& part : parts) {
            m_parts->AddLine(part.prefix + '\t' + part.partNumber + '\t' + part.suffix);
        }
        m_parts->setUpdatesEnabled(true);
    }
    m_parts->setCurrentRow(m_interchange.PartIndex());
    if (m_interchange.PartIndex() >= 0) {
        m_parts->scrollToItem(m_parts->currentItem());
    }
}

void CPartInterchangeDlg::ShowAnswer() {
    const auto& answer = m_interchange.Answer();
    m_answerPartNumber->setText(answer ? ToQ(answer->partNumber) : QString());
    m_answerDescription->setText(answer ? ToQ(answer->description) : QString());
    m_note->setPlainText(answer ? ToQ(answer->note) : QString());
    m_add->setEnabled(m_interchange.CanAddToOrderPad());
}

int CPartInterchangeDlg::Run() {
    if (const auto notice = m_interchange.OpeningNotice()) {
        MessageBox(*notice);
    }
    return ExecDialog(*this);
}

}  // namespace veritom
