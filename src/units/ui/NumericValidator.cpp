#include "units/ui/NumericValidator.h"

#include "units/NumericEditRules.h"

namespace veritom {

CNumericValidator::CNumericValidator(const CNumericEditRules& rules, QObject* parent)
    : QValidator(parent), m_rules(rules) {}

QValidator::State CNumericValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    if (m_rules.DecimalPointMode()) {
        input.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    return m_rules.AcceptsText(input.toStdString()) ? Acceptable : Invalid;
}

}  // namespace veritom
