#pragma once

#include <QString>

#include "units/UnitDouble.h"

class QWidget;

namespace veritom {

class CComboUnit;
class CEditNumeric;

// A number box with its unit list, entering one quantity: shows a value in its own unit
// with the units of its category to choose from, and reads back what was entered.
class CQuantityEntry {
public:
    // name: the object name of the number box; the unit list gets name + "Unit".
    CQuantityEntry(QWidget* parent, const QString& name, bool allowMinus = false);

    CEditNumeric* Edit() const { return m_edit; }
    CComboUnit* Units() const { return m_units; }

    void Show(const CUnitDouble& value);
    CUnitDouble Read() const;
    bool IsEmpty() const;
    void SetVisible(bool visible);
    void SetEnabled(bool enabled);
    // Gives the number box the focus, its text selected when asked.
    void Focus(bool select);

private:
    CEditNumeric* m_edit;
    CComboUnit* m_units;
};

}  // namespace veritom
