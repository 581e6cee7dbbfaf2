#pragma once

#include <string>
#include <string_view>

namespace veritom {

class CUnitDouble;

// What a numeric edit box accepts and how it reads and shows its text. In decimal-point mode
// the decimal point is "." and a "," stands for it; a comma is read as the point in any mode.
class CNumericEditRules {
public:
    // Switching decimal-point mode on also switches the separate "." and "," options off.
    void SetDecimalPointMode(bool on);
    void SetLeadWithZero(bool on) { m_leadWithZero = on; }
    void SetAllowPoint(bool on) { m_allowPoint = on; }
    void SetAllowMinus(bool on) { m_allowMinus = on; }
    void SetAllowComma(bool on) { m_allowComma = on; }
    void SetShowZero(bool on) { m_showZero = on; }
    bool DecimalPointMode() const { return m_decimalPointMode; }
    bool ShowZero() const { return m_showZero; }

    // Whether ch may be typed into text whose selection (possibly empty) starts at selStart
    // and is selLength bytes long: digits always, a permitted "-" or decimal mark only while
    // the text keeps one number: one mark at most, and the minus only in front.
    bool AcceptsTyped(std::string_view text, std::size_t selStart, std::size_t selLength,
                      char ch) const;
    // The character a typed ch puts into the box: in decimal-point mode a "," shows as ".".
    char Shown(char ch) const;
    // Whether a whole text (pasted, say) could have been typed.
    bool AcceptsText(std::string_view text) const;

    // The text to show for a text set by the program.
    std::string ShownText(std::string_view text) const;
    // The text as read: "," as "." in decimal-point mode, then a leading zero when asked for
    // (".5" reads "0.5", "-.5" reads "-0.5").
    std::string ReadText(std::string_view shown) const;
    // The number of the shown text, every "," read as "."; 0 for an empty or unreadable text.
    static double ReadNumber(std::string_view shown);
    // The number of ReadText, and its whole part (clamped to the 32-bit range).
    double ReadDouble(std::string_view shown) const;
    int ReadInteger(std::string_view shown) const;

    // Texts for numbers: empty for 0 unless show zero is on.
    std::string NumberText(double value, int decimals, bool keepTrailingZeros,
                           bool dropPointWhenWhole) const;
    // The value in unit; empty when that is 0 and show zero is off.
    std::string UnitValueText(const CUnitDouble& value, std::string_view unit, int decimals,
                              bool keepTrailingZeros, bool dropPointWhenWhole) const;
    std::string IntegerText(int value) const;

private:
    bool Permits(char ch) const;

    bool m_decimalPointMode = true;
    bool m_leadWithZero = false;
    bool m_allowPoint = false;
    bool m_allowMinus = false;
    bool m_allowComma = true;
    bool m_showZero = false;
};

}  // namespace veritom
