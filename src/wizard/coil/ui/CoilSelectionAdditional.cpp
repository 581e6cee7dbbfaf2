#include "wizard/coil/ui/CoilSelectionAdditional.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QVBoxLayout>

#include "base/DialogResult.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/ui/DialogExec.h"
#include "data/ui/Lead.h"
#include "data/ui/WizardButtons.h"
#include "tools/ToolStrings.h"
#include "tools/progress/Progress.h"
#include "units/ui/TabComboBox.h"
#include "wizard/WizardStrings.h"

namespace veritom {

namespace {

constexpr QSize kPictureSize(110, 110);
constexpr int kListMinimumWidth = 240;
constexpr int kListMinimumHeight = 110;
constexpr int kDescriptionMinimumWidth = 260;
constexpr int kDescriptionLines = 3;
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
    box->setMinimumWidth(kDescriptionMinimumWidth);
    // Room for a few lines of the longest descriptions; longer ones scroll.
    const int margins =
        2 * box->frameWidth() + 2 * static_cast<int>(box->document()->documentMargin());
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * kDescriptionLines + margins);
    return box;
}

CLead* MakePicture(const char* name, QWidget* parent) {
    auto* picture = new CLead(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setFixedSize(kPictureSize);
    QSizePolicy keepPlace = picture->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    picture->setSizePolicy(keepPlace);
    return picture;
}

// An entry without a stored picture shows none, not the picture of the entry before.
void ShowPicture(CLead* picture, const std::optional<ByteArray>& bytes) {
    const bool loaded = bytes && !bytes->empty() &&
                        picture->LoadMemory(bytes->data(), bytes->size()) == CLead::kSuccess;
    if (!loaded) {
        picture->Clear();
    }
    picture->setVisible(loaded);
}

void FillCombo(CTabComboBox* combo, const std::vector<CoilChoice>& choices, int selected) {
    const QSignalBlocker blocker(combo);
    combo->Clear();
    for (const CoilChoice& choice : choices) {
        combo->AddString(choice.text);
    }
    combo->setCurrentIndex(selected);
    combo->setEnabled(!choices.empty());
}

}  // namespace

CCoilSelectionAdditional::CCoilSelectionAdditional(const CDialogContext& context,
                                                   const CProd_ValveData& record, QWidget* parent)
    : QDialog(parent), m_context(context), m_selection(context.database, record), m_record(record) {
    setObjectName(QStringLiteral("coilSelectionAdditionalDialog"));
    setWindowTitle(Text(ids::kAdditionalCoilTitle));
    BuildControls();
    {
        const CWaitCursor wait;
        CProgress progress;
        progress.Start();
        progress.Text(LoadString(ids::kLoadingData), kProgressSecondPart);
        m_selection.Load();
    }
    FillConstructions();
    FillTerminations();
    FillEnclosures();
}

void CCoilSelectionAdditional::BuildControls() {
    auto* constructionGroup = new QGroupBox(Text(ids::kSolenoidConstructionGroup), this);
    m_constructions = new QListWidget(constructionGroup);
    m_constructions->setObjectName(QStringLiteral("constructionList"));
    m_constructions->setMinimumSize(kListMinimumWidth, kListMinimumHeight);
    m_constructionDescription = MakeDescriptionBox("constructionDescription", constructionGroup);
    // Beside the list it may grow with the list; below a drop-down it keeps its lines.
    m_constructionDescription->setMinimumHeight(kListMinimumHeight);
    auto* constructionLayout = new QHBoxLayout(constructionGroup);
    constructionLayout->addWidget(m_constructions, 1);
    constructionLayout->addWidget(m_constructionDescription, 1);

    auto* terminationGroup = new QGroupBox(Text(ids::kCoilTerminationGroup), this);
    m_terminations = new CTabComboBox(terminationGroup);
    m_terminations->setObjectName(QStringLiteral("terminationList"));
    m_terminationDescription = MakeDescriptionBox("terminationDescription", terminationGroup);
    m_terminationDescription->setMaximumHeight(m_terminationDescription->minimumHeight());
    m_terminationPicture = MakePicture("terminationPicture", terminationGroup);
    auto* terminationLayout = new QGridLayout(terminationGroup);
    terminationLayout->addWidget(m_terminations, 0, 0);
    terminationLayout->addWidget(m_terminationDescription, 1, 0);
    terminationLayout->addWidget(m_terminationPicture, 0, 1, 2, 1, Qt::AlignCenter);
    terminationLayout->setColumnStretch(0, 1);

    auto* enclosureGroup = new QGroupBox(Text(ids::kCoilEnclosureGroup), this);
    m_enclosures = new CTabComboBox(enclosureGroup);
    m_enclosures->setObjectName(QStringLiteral("enclosureList"));
    m_enclosureDescription = MakeDescriptionBox("enclosureDescription", enclosureGroup);
    m_enclosureDescription->setMaximumHeight(m_enclosureDescription->minimumHeight());
    m_enclosurePicture = MakePicture("enclosurePicture", enclosureGroup);
    auto* enclosureLayout = new QGridLayout(enclosureGroup);
    enclosureLayout->addWidget(m_enclosures, 0, 0);
    enclosureLayout->addWidget(m_enclosureDescription, 1, 0);
    enclosureLayout->addWidget(m_enclosurePicture, 0, 1, 2, 1, Qt::AlignCenter);
    enclosureLayout->setColumnStretch(0, 1);

    m_buttons = new CWizardButtons(m_context.pages, kTemplateId, this);
    auto* column = new QVBoxLayout;
    column->addWidget(constructionGroup, 1);
    column->addWidget(terminationGroup);
    column->addWidget(enclosureGroup);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(m_buttons);

    // The slots that read the database are queued, so an engine failure is reported by the
    // application's event handling and never thrown through a control's own code.
    connect(m_constructions, &QListWidget::currentRowChanged, this,
            &CCoilSelectionAdditional::OnConstructionChanged, Qt::QueuedConnection);
    connect(m_terminations, &QComboBox::currentIndexChanged, this,
            &CCoilSelectionAdditional::OnTerminationChanged, Qt::QueuedConnection);
    connect(m_enclosures, &QComboBox::currentIndexChanged, this,
            &CCoilSelectionAdditional::OnEnclosureChanged, Qt::QueuedConnection);
    connect(m_buttons->Ok(), &QPushButton::clicked, this, &CCoilSelectionAdditional::OnOk,
            Qt::QueuedConnection);
    connect(m_buttons->Cancel(), &QPushButton::clicked, this, &QDialog::reject);
}

void CCoilSelectionAdditional::FillConstructions() {
    const QSignalBlocker blocker(m_constructions);
    m_constructions->clear();
    for (const CoilChoice& choice : m_selection.GetConstructions()) {
        m_constructions->addItem(QString::fromStdString(choice.text));
    }
    m_constructions->setCurrentRow(m_selection.GetConstructionIndex());
    m_constructionDescription->setPlainText(
        QString::fromStdString(m_selection.ConstructionDescription()));
}

void CCoilSelectionAdditional::FillTerminations() {
    FillCombo(m_terminations, m_selection.GetTerminations(), m_selection.GetTerminationIndex());
    m_terminationDescription->setEnabled(m_selection.IsTerminationEnabled());
    m_terminationDescription->setPlainText(
        QString::fromStdString(m_selection.TerminationDescription()));
    ShowPicture(m_terminationPicture, m_selection.TerminationPicture());
}

void CCoilSelectionAdditional::FillEnclosures() {
    FillCombo(m_enclosures, m_selection.GetEnclosures(), m_selection.GetEnclosureIndex());
    m_enclosureDescription->setEnabled(m_selection.IsEnclosureEnabled());
    m_enclosureDescription->setPlainText(
        QString::fromStdString(m_selection.EnclosureDescription()));
    ShowPicture(m_enclosurePicture, m_selection.EnclosurePicture());
}

void CCoilSelectionAdditional::OnConstructionChanged(int row) {
    if (row != m_constructions->currentRow()) {
        return;  // a later change is on its way
    }
    const CWaitCursor wait;
    if (!m_selection.SelectConstruction(row)) {
        return;
    }
    m_constructionDescription->setPlainText(
        QString::fromStdString(m_selection.ConstructionDescription()));
    FillTerminations();
    FillEnclosures();
}

void CCoilSelectionAdditional::OnTerminationChanged(int index) {
    if (index != m_terminations->currentIndex()) {
        return;
    }
    const CWaitCursor wait;
    if (!m_selection.SelectTermination(index)) {
        return;
    }
    m_terminationDescription->setPlainText(
        QString::fromStdString(m_selection.TerminationDescription()));
    ShowPicture(m_terminationPicture, m_selection.TerminationPicture());
    FillEnclosures();
}

void CCoilSelectionAdditional::OnEnclosureChanged(int index) {
    if (index != m_enclosures->currentIndex() || !m_selection.SelectEnclosure(index)) {
        return;
    }
    m_enclosureDescription->setPlainText(
        QString::fromStdString(m_selection.EnclosureDescription()));
    ShowPicture(m_enclosurePicture, m_selection.EnclosurePicture());
}

void CCoilSelectionAdditional::OnOk() {
    if (const int missing = m_selection.MissingChoiceMessage()) {
        MessageBox(LoadString(missing), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    switch (m_selection.Conclude()) {
        case CCoilAdditionalSelection::Outcome::StayOpen:
            break;
        case CCoilAdditionalSelection::Outcome::Ok:
            m_record = m_selection.Result();
            done(IDOK);
            break;
        case CCoilAdditionalSelection::Outcome::Unchanged:
            done(IDUNCHANGED);
            break;
    }
}

int CCoilSelectionAdditional::Run() {
    return ExecDialog(*this);
}

}  // namespace veritom
