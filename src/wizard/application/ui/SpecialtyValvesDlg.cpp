#include "wizard/application/ui/SpecialtyValvesDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "data/InformationPages.h"
#include "data/ui/WizardButtons.h"
#include "tools/ToolStrings.h"
#include "units/ui/ColorListBox.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ui/ListWidth.h"

namespace veritom {

namespace {

constexpr int kDescriptionColumn = 90;  // dialog units
constexpr int kListCharacters = 60;
constexpr int kListLines = 8;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

QPushButton* Button(int id, const char* name, QWidget* parent) {
    auto* button = new QPushButton(Text(id), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

CSpecialtyValvesDlg::CSpecialtyValvesDlg(const CDialogContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_valves(context.database) {
    setObjectName(QStringLiteral("specialityValvesDialog"));
    setWindowTitle(Text(ids::kSpecialityValvesTitle));

    auto* group = new QGroupBox(Text(ids::kValveListing), this);
    auto* note = new QPlainTextEdit(group);
    note->setObjectName(QStringLiteral("noteBox"));
    note->setReadOnly(true);
    note->setFocusPolicy(Qt::ClickFocus);
    note->setMaximumHeight(note->fontMetrics().lineSpacing() * 4);
    m_list = new CColorListBox(group);
    m_list->setObjectName(QStringLiteral("valveList"));
    m_list->SetTabStops({kDescriptionColumn});
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * kListCharacters);
    m_list->setMinimumHeight(m_list->fontMetrics().lineSpacing() * kListLines);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(note);
    groupLayout->addWidget(m_list, 1);

    auto* catalog = Button(ids::kCatalogInformation, "catalogButton", this);
    auto* done = Button(ids::kButtonDone, "doneButton", this);
    // The wizard's column without OK and Cancel: Done closes, Reference and Help stay.
    auto* wizardButtons = new CWizardButtons(context.pages, kTemplateId, this);
    wizardButtons->Ok()->setDefault(false);
    wizardButtons->Ok()->hide();
    wizardButtons->Cancel()->hide();
    done->setDefault(true);
    auto* column = new QVBoxLayout;
    column->addWidget(done);
    column->addWidget(catalog);
    column->addWidget(wizardButtons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(column);

    m_valves.Load();
    note->setPlainText(QString::fromStdString(m_valves.GetNote()));
    for (const CSpecialityValves::Valve& valve : m_valves.GetValves()) {
        m_list->AddLine(valve.line);
    }
    WidenToLines(*m_list);
    m_list->setCurrentRow(m_valves.GetSelectedIndex());
    m_list->setFocus();

    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_valves.Select(row); });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            &CSpecialtyValvesDlg::OnCatalogInformation, Qt::QueuedConnection);
    connect(catalog, &QPushButton::clicked, this, &CSpecialtyValvesDlg::OnCatalogInformation,
            Qt::QueuedConnection);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

void CSpecialtyValvesDlg::Run() {
    exec();
}

void CSpecialtyValvesDlg::OnCatalogInformation() {
    m_valves.OpenCatalog(m_context.pages.Locations().GetReferenceDir());
}

}  // namespace veritom
