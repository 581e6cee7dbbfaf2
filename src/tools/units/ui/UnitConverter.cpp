#include "tools/units/ui/UnitConverter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/DialogResult.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"
#include "units/UnitCatalogue.h"
#include "units/ui/ComboUnit.h"
#include "units/ui/EditNumeric.h"

namespace veritom {

namespace {

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

// Unit lists wide enough for the longest unit text of any category, so a category change
// never clips one.
int LongestUnitText() {
    qsizetype longest = 0;
    for (const UnitCatalogueEntry& entry : UnitCatalogue()) {
        longest = std::max(longest, Text(entry.unit.TextId()).size());
    }
    return static_cast<int>(longest) + 2;
}

void MakeUnitList(QComboBox& list, const char* name) {
    list.setObjectName(QString::fromLatin1(name));
    list.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list.setMinimumContentsLength(LongestUnitText());
}

QLabel* Label(int id, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(Text(id), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CUnitConverter::CUnitConverter(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("unitConverterDialog"));
    setWindowTitle(Text(ids::kUnitConversionTitle));

    m_categories = new QComboBox(this);
    m_categories->setObjectName(QStringLiteral("categoryList"));
    const std::vector<UnitCategory> categories = CUnitConversion::Categories();
    for (const UnitCategory& category : categories) {
        m_categories->addItem(QString::fromStdString(category.name), category.id);
    }
    m_input = new CEditNumeric(this);
    m_input->setObjectName(QStringLiteral("inputBox"));
    m_input->SetAllowMinus(true);  // temperatures below zero
    m_from = new CComboUnit(this);
    MakeUnitList(*m_from, "fromUnitList");
    m_to = new CComboUnit(this);
    MakeUnitList(*m_to, "toUnitList");
    m_result = new CEditNumeric(this);
    m_result->setObjectName(QStringLiteral("resultBox"));
    m_result->setReadOnly(true);
    m_result->setFocusPolicy(Qt::ClickFocus);

    auto* grid = new QGridLayout;
    grid->addWidget(Label(ids::kUnitConversionCategory, m_categories, this), 0, 0);
    grid->addWidget(m_categories, 0, 1, 1, 3);
    grid->addWidget(Label(ids::kUnitConversionValue, m_input, this), 1, 0);
    grid->addWidget(m_input, 1, 1);
    grid->addWidget(Label(ids::kUnitConversionFrom, m_from, this), 1, 2);
    grid->addWidget(m_from, 1, 3);
    grid->addWidget(Label(ids::kUnitConversionResult, m_result, this), 2, 0);
    grid->addWidget(m_result, 2, 1);
    grid->addWidget(Label(ids::kUnitConversionTo, m_to, this), 2, 2);
    grid->addWidget(m_to, 2, 3);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(Text(ids::kUnitConversionOk), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    connect(m_categories, &QComboBox::currentIndexChanged, this,
            &CUnitConverter::OnCategoryChanged);
    connect(m_input, &QLineEdit::textChanged, this, &CUnitConverter::Recompute);
    connect(m_from, &QComboBox::currentIndexChanged, this, &CUnitConverter::Recompute);
    connect(m_to, &QComboBox::currentIndexChanged, this, &CUnitConverter::Recompute);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    {
        const QSignalBlocker blocker(m_categories);
        m_categories->setCurrentIndex(CUnitConversion::InitialCategory(categories));
    }
    OnCategoryChanged();
    m_input->setFocus();
}

int CUnitConverter::Run() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CUnitConverter::OnCategoryChanged() {
    const int category = m_categories->currentData().toInt();
    m_refilling = true;
    for (CComboUnit* list : {m_from, m_to}) {
        list->Clear();
        list->FillCategory(category);
        list->setCurrentIndex(0);
    }
    m_refilling = false;
    Recompute();
}

void CUnitConverter::Recompute() {
    if (m_refilling) {
        return;
    }
    m_conversion.Convert(m_input->GetNumber(), m_from->GetSelectedUnitCode(),
                         m_to->GetSelectedUnitCode());
    m_result->SetText(m_conversion.ResultText());
}

}  // namespace veritom
