#pragma once

#include <QDialog>

#include "tools/units/UnitConversion.h"

class QComboBox;
class QPushButton;

namespace veritom {

class CComboUnit;
class CEditNumeric;

// The Unit Conversion tool (dialog 309): converts the number typed into the input box from
// the from-unit into the to-unit of the chosen category, as soon as any of them changes.
class CUnitConverter : public QDialog {
public:
    static constexpr int kTemplateId = 309;

    explicit CUnitConverter(QWidget* parent = nullptr);

    // Shows the dialog until OK (IDOK) or Escape (IDCANCEL); it changes nothing elsewhere.
    int Run();

    const CUnitConversion& Conversion() const { return m_conversion; }

private:
    void OnCategoryChanged();
    void Recompute();

    CUnitConversion m_conversion;
    QComboBox* m_categories = nullptr;
    CEditNumeric* m_input = nullptr;
    CComboUnit* m_from = nullptr;
    CComboUnit* m_to = nullptr;
    CEditNumeric* m_result = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_refilling = false;
};

}  // namespace veritom
