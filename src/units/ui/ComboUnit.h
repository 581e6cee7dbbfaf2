#pragma once

#include <QComboBox>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "units/ComboUnitList.h"

namespace veritom {

class CUnitConvMap;

// A drop-down list of units (or preset numbers or texts) that gives the chosen one back.
// Nothing is selected after a fill until the caller selects a line (FillCompatible selects
// the value's own unit).
class CComboUnit : public QComboBox {
public:
    explicit CComboUnit(QWidget* parent = nullptr);

    void FillCategory(int categoryId);
    void FillCompatible(const CUnitConvMap& value,
                        const std::vector<std::string_view>& excluded = {});
    void AddNumbers(const std::array<double, CComboUnitList::kNumberCount>& numbers, int decimals,
                    bool keepTrailingZeros, bool dropPointWhenWhole, std::string_view suffix);
    void AddNumber(const std::string& text, double number);
    void AddText(const std::string& text);
    void Clear();

    // Selects the line of a unit code; false when the list has none.
    bool SelectUnit(std::string_view code);

    bool GetSelectedUnit(CUnitConvMap& value) const { return m_list.GetSelectedUnit(value); }
    std::string GetSelectedUnitCode() const { return m_list.GetSelectedUnitCode(); }
    double GetSelectedNumber() const { return m_list.GetSelectedNumber(); }
    std::string GetSelectedText() const { return m_list.GetSelectedText(); }
    std::string GetSelectedStoredText() const { return m_list.GetSelectedStoredText(); }

    const CComboUnitList& List() const { return m_list; }

private:
    // Shows the lines the list gained and its selection.
    void ShowNewLines();

    CComboUnitList m_list;
};

}  // namespace veritom
