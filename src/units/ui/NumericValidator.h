#pragma once

#include <QValidator>

namespace veritom {

class CNumericEditRules;

// Keeps whatever reaches a numeric edit box, pasted text included, to what could have been
// typed into it; in decimal-point mode a "," becomes ".".
class CNumericValidator : public QValidator {
public:
    CNumericValidator(const CNumericEditRules& rules, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    const CNumericEditRules& m_rules;
};

}  // namespace veritom
