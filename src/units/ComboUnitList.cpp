#include "ComboUnitList.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "units/UnitCatalogue.h"
#include "units/UnitConvMap.h"
#include "units/UnitStrings.h"

namespace veritom {

namespace {

void ShowMessage(int id) {
    MessageBox(LoadString(id), MsgButtons::Ok, MsgIcon::None);
}

}  // namespace

void CComboUnitList::FillCategory(int categoryId) {
    for (const UnitCatalogueEntry& entry : UnitCatalogue()) {
        if (entry.unit.CategoryId() == categoryId) {
            AddLine(LoadString(entry.unit.TextId()), entry.unit.TextId());
        }
    }
}

void CComboUnitList::FillCompatible(const CUnitConvMap& value,
                                    const std::vector<std::string_view>& excluded) {
    const CUnitObject* own = FindUnit(value.Unit());
    if (!own) {
        return;
    }
    for (const UnitCatalogueEntry& entry : UnitCatalogue()) {
        if (!entry.unit.IsCompatibleWith(*own) ||
            std::find(excluded.begin(), excluded.end(), entry.code) != excluded.end()) {
            continue;
        }
        AddLine(LoadString(entry.unit.TextId()), entry.unit.TextId());
        if (&entry.unit == own) {
            m_selected = static_cast<int>(m_lines.size()) - 1;
        }
    }
}

void CComboUnitList::AddNumbers(const std::array<double, kNumberCount>& numbers, int decimals,
                                bool keepTrailingZeros, bool dropPointWhenWhole,
                                std::string_view suffix) {
    for (std::size_t p = 0; p < numbers.size(); ++p) {
        if (numbers[p] == 0) {
            continue;
        }
        const int position = static_cast<int>(p);
        AddLine(CUnitConvMap::FormatNumber(numbers[p], decimals, keepTrailingZeros,
                                           dropPointWhenWhole) +
                    std::string(suffix),
                position);
        m_numbers[position] = numbers[p];
    }
}

int CComboUnitList::NextFreePosition() const {
    // One counter over both tables, so no two lines share an item data.
    int next = 0;
    if (!m_numbers.empty()) {
        next = std::max(next, m_numbers.rbegin()->first + 1);
    }
    if (!m_texts.empty()) {
        next = std::max(next, m_texts.rbegin()->first + 1);
    }
    return next;
}

bool CComboUnitList::AddNumber(std::string text, double number) {
    if (!(number > 0)) {
        return false;
    }
    const int position = NextFreePosition();
    AddLine(std::move(text), position);
    m_numbers[position] = number;
    return true;
}

bool CComboUnitList::AddText(std::string text) {
    if (text.empty()) {
        return false;
    }
    const int position = NextFreePosition();
    AddLine(text, position);
    m_texts[position] = std::move(text);
    return true;
}

void CComboUnitList::Clear() {
    m_lines.clear();
    m_numbers.clear();
    m_texts.clear();
    m_selected = -1;
}

void CComboUnitList::Select(int index) {
    m_selected = index >= 0 && index < static_cast<int>(m_lines.size()) ? index : -1;
}

bool CComboUnitList::SelectItemData(int itemData) {
    const auto it = std::find_if(m_lines.begin(), m_lines.end(), [itemData](const ComboLine& line) {
        return line.itemData == itemData;
    });
    if (it == m_lines.end()) {
        return false;
    }
    m_selected = static_cast<int>(it - m_lines.begin());
    return true;
}

const ComboLine* CComboUnitList::SelectedLine() const {
    return m_selected >= 0 ? &m_lines[static_cast<std::size_t>(m_selected)] : nullptr;
}

bool CComboUnitList::GetSelectedUnit(CUnitConvMap& value) const {
    const std::string code = GetSelectedUnitCode();
    return !code.empty() && value.SetUnit(code);
}

std::string CComboUnitList::GetSelectedUnitCode() const {
    const ComboLine* line = SelectedLine();
    const UnitCatalogueEntry* entry = line ? FindUnitByTextId(line->itemData) : nullptr;
    if (!entry) {
        ShowMessage(ids::kComboUnitNotFound);
        return {};
    }
    return std::string(entry->code);
}

double CComboUnitList::GetSelectedNumber() const {
    const ComboLine* line = SelectedLine();
    if (!line) {
        ShowMessage(ids::kComboNothingSelected);
        return 0;
    }
    const auto it = m_numbers.find(line->itemData);
    return it == m_numbers.end() ? 0 : it->second;
}

std::string CComboUnitList::GetSelectedText() const {
    const ComboLine* line = SelectedLine();
    if (!line) {
        ShowMessage(ids::kComboNothingSelected);
        return {};
    }
    return line->text;
}

std::string CComboUnitList::GetSelectedStoredText() const {
    const ComboLine* line = SelectedLine();
    if (!line) {
        ShowMessage(ids::kComboNothingSelected);
        return {};
    }
    const auto it = m_texts.find(line->itemData);
    return it == m_texts.end() ? std::string() : it->second;
}

}  // namespace veritom
