#include "units/ui/ComboUnit.h"

#include <QSignalBlocker>

#include "units/UnitCatalogue.h"

namespace veritom {

CComboUnit::CComboUnit(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_list.Select(index); });
}

void CComboUnit::ShowNewLines() {
    const auto& lines = m_list.Lines();
    {
        const QSignalBlocker blocker(this);
        for (auto i = static_cast<std::size_t>(count()); i < lines.size(); ++i) {
            addItem(QString::fromStdString(lines[i].text), lines[i].itemData);
        }
    }
    // Adding to an empty box selects its first line; the list decides instead.
    setCurrentIndex(m_list.Selected());
}

void CComboUnit::FillCategory(int categoryId) {
    m_list.FillCategory(categoryId);
    ShowNewLines();
}

void CComboUnit::FillCompatible(const CUnitConvMap& value,
                                const std::vector<std::string_view>& excluded) {
    m_list.FillCompatible(value, excluded);
    ShowNewLines();
}

void CComboUnit::AddNumbers(const std::array<double, CComboUnitList::kNumberCount>& numbers,
                            int decimals, bool keepTrailingZeros, bool dropPointWhenWhole,
                            std::string_view suffix) {
    m_list.AddNumbers(numbers, decimals, keepTrailingZeros, dropPointWhenWhole, suffix);
    ShowNewLines();
}

void CComboUnit::AddNumber(const std::string& text, double number) {
    m_list.AddNumber(text, number);
    ShowNewLines();
}

void CComboUnit::AddText(const std::string& text) {
    m_list.AddText(text);
    ShowNewLines();
}

void CComboUnit::Clear() {
    m_list.Clear();
    const QSignalBlocker blocker(this);
    clear();
}

bool CComboUnit::SelectUnit(std::string_view code) {
    const CUnitObject* unit = FindUnit(code);
    if (!unit || !m_list.SelectItemData(unit->TextId())) {
        return false;
    }
    setCurrentIndex(m_list.Selected());
    return true;
}

}  // namespace veritom
