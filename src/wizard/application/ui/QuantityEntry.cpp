#include "wizard/application/ui/QuantityEntry.h"

#include "units/ui/ComboUnit.h"
#include "units/ui/EditNumeric.h"

namespace veritom {

namespace {

// Enough places that a stored value reads back exactly as it was entered.
constexpr int kShownDecimals = 6;
// Wide enough for the longest unit text of a category ("gpm (US)", "m³/min", "bar abs").
constexpr int kUnitListCharacters = 9;
constexpr int kNumberCharacters = 10;

}  // namespace

CQuantityEntry::CQuantityEntry(QWidget* parent, const QString& name, bool allowMinus)
    : m_edit(new CEditNumeric(parent)), m_units(new CComboUnit(parent)) {
    m_edit->setObjectName(name);
    m_edit->SetAllowMinus(allowMinus);
    // 0 is a value here (no minimum differential, 0 °F), not an empty box.
    m_edit->SetShowZero(true);
    m_edit->setMinimumWidth(m_edit->fontMetrics().averageCharWidth() * kNumberCharacters);
    m_units->setObjectName(name + QStringLiteral("Unit"));
    m_units->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_units->setMinimumContentsLength(kUnitListCharacters);
}

void CQuantityEntry::Show(const CUnitDouble& value) {
    m_units->Clear();
    m_units->FillCompatible(value);
    m_edit->SetNumber(value.Value(), kShownDecimals, false, true);
}

CUnitDouble CQuantityEntry::Read() const {
    return CUnitDouble(m_edit->GetDouble(), m_units->GetSelectedUnitCode());
}

bool CQuantityEntry::IsEmpty() const {
    return m_edit->text().trimmed().isEmpty();
}

void CQuantityEntry::SetVisible(bool visible) {
    m_edit->setVisible(visible);
    m_units->setVisible(visible);
}

void CQuantityEntry::SetEnabled(bool enabled) {
    m_edit->setEnabled(enabled);
    m_units->setEnabled(enabled);
}

void CQuantityEntry::Focus(bool select) {
    m_edit->setFocus();
    if (select) {
        m_edit->selectAll();
    }
}

}  // namespace veritom
