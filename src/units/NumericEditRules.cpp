#include "NumericEditRules.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "units/UnitConvMap.h"
#include "units/UnitDouble.h"

namespace veritom {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

bool IsMark(char ch) {
    return ch == '.' || ch == ',';
}

std::string CommasAsPoints(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        if (ch == ',') {
            ch = '.';
        }
    }
    return result;
}

}  // namespace

void CNumericEditRules::SetDecimalPointMode(bool on) {
    m_decimalPointMode = on;
    if (on) {
        m_allowPoint = false;
        m_allowComma = false;
    }
}

bool CNumericEditRules::Permits(char ch) const {
    switch (ch) {
        case '-':
            return m_allowMinus;
        case '.':
            return m_decimalPointMode || m_allowPoint;
        case ',':
            return m_allowComma;
        default:
            return IsDigit(ch);
    }
}

bool CNumericEditRules::AcceptsText(std::string_view text) const {
    int marks = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (!Permits(ch) || (ch == '-' && i != 0) || (IsMark(ch) && ++marks > 1)) {
            return false;
        }
    }
    return true;
}

bool CNumericEditRules::AcceptsTyped(std::string_view text, std::size_t selStart,
                                     std::size_t selLength, char ch) const {
    if (!Permits(ch) || selStart > text.size()) {
        return false;
    }
    selLength = std::min(selLength, text.size() - selStart);
    std::string result(text.substr(0, selStart));
    result += ch;
    result += text.substr(selStart + selLength);
    return AcceptsText(result);
}

char CNumericEditRules::Shown(char ch) const {
    return m_decimalPointMode && ch == ',' ? '.' : ch;
}

std::string CNumericEditRules::ShownText(std::string_view text) const {
    return m_decimalPointMode ? CommasAsPoints(text) : std::string(text);
}

std::string CNumericEditRules::ReadText(std::string_view shown) const {
    std::string text = ShownText(shown);
    if (m_leadWithZero) {
        if (!text.empty() && IsMark(text[0])) {
            text.insert(text.begin(), '0');
        } else if (text.size() >= 2 && text[0] == '-' && IsMark(text[1])) {
            text.insert(text.begin() + 1, '0');
        }
    }
    return text;
}

double CNumericEditRules::ReadNumber(std::string_view shown) {
    const std::string text = CommasAsPoints(shown);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && std::isfinite(value) ? value : 0;
}

double CNumericEditRules::ReadDouble(std::string_view shown) const {
    return ReadNumber(ReadText(shown));
}

int CNumericEditRules::ReadInteger(std::string_view shown) const {
    const double value = std::trunc(ReadDouble(shown));
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::string CNumericEditRules::NumberText(double value, int decimals, bool keepTrailingZeros,
                                          bool dropPointWhenWhole) const {
    if (value == 0 && !m_showZero) {
        return {};
    }
    return ShownText(
        CUnitConvMap::FormatNumber(value, decimals, keepTrailingZeros, dropPointWhenWhole));
}

std::string CNumericEditRules::UnitValueText(const CUnitDouble& value, std::string_view unit,
                                             int decimals, bool keepTrailingZeros,
                                             bool dropPointWhenWhole) const {
    return NumberText(value.GetValueIn(unit), decimals, keepTrailingZeros, dropPointWhenWhole);
}

std::string CNumericEditRules::IntegerText(int value) const {
    if (value == 0 && !m_showZero) {
        return {};
    }
    return std::to_string(value);
}

}  // namespace veritom
