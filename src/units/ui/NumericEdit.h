#pragma once

#include <QLineEdit>
#include <string>

#include "units/NumericEditRules.h"

namespace veritom {

// An edit box that takes numeric input only: a refused key beeps, and a pasted text must be
// one that could have been typed.
class CNumericEdit : public QLineEdit {
public:
    explicit CNumericEdit(QWidget* parent = nullptr);

    void SetDecimalPointMode(bool on) { m_rules.SetDecimalPointMode(on); }
    void SetLeadWithZero(bool on) { m_rules.SetLeadWithZero(on); }
    void SetAllowPoint(bool on) { m_rules.SetAllowPoint(on); }
    void SetAllowMinus(bool on) { m_rules.SetAllowMinus(on); }
    void SetAllowComma(bool on) { m_rules.SetAllowComma(on); }
    void SetShowZero(bool on) { m_rules.SetShowZero(on); }

    void SetText(const std::string& text);
    // The shown text as read (see CNumericEditRules::ReadText).
    std::string GetText() const;
    // The shown number, 0 for an empty box.
    double GetNumber() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

    const CNumericEditRules& Rules() const { return m_rules; }

private:
    CNumericEditRules m_rules;
};

}  // namespace veritom
