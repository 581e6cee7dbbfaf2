#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Archive.h"

namespace veritom {

// Holds a current unit code and offers the catalogue's conversions. Failures show a message
// box (OK) and give a neutral result: 0, false or an unchanged unit.
class CUnitConvMap {
public:
    CUnitConvMap() = default;
    CUnitConvMap(const CUnitConvMap&) = default;
    CUnitConvMap& operator=(const CUnitConvMap&) = default;
    virtual ~CUnitConvMap() = default;

    // Writes or reads the unit code.
    virtual void Serialize(CArchive& ar);

    // Makes a catalogue code the current unit; an unknown code is reported and ignored.
    bool SetUnit(std::string_view code);
    // Makes the unit whose display text has this string id current; false when none has.
    bool SetUnitByTextId(int textId);
    // Display text of the current unit; empty without a unit, the code itself when the code
    // is not in the catalogue (a file may carry one).
    std::string GetUnitText() const;
    const std::string& Unit() const { return m_unit; }

    // value converted between two units; 0 after a reported failure. Equal codes give the
    // value back unchecked.
    static double Convert(double value, std::string_view from, std::string_view to);
    // The same without a message: nothing on failure, and message says why.
    static std::optional<double> TryConvert(double value, std::string_view from,
                                            std::string_view to, std::string* message = nullptr);
    // A difference between two values (a pressure differential, a temperature rise) converted
    // between two units by their factors alone: the offsets of gauge pressure and of the
    // temperature scales cancel in a difference, so 5 BAR of difference is 72.52 PSIG of
    // difference, not the 57.82 an absolute 5 bar reads on a gauge. Failures as Convert.
    static double ConvertDifference(double value, std::string_view from, std::string_view to);
    static std::optional<double> TryConvertDifference(double value, std::string_view from,
                                                      std::string_view to,
                                                      std::string* message = nullptr);
    // Decimal places by which numbers grow when converted from one unit to the other
    // (metres to millimetres: 3); 0 after a reported failure.
    static int GetDecimalShift(std::string_view from, std::string_view to);
    // value with decimals places; unless trailing zeros are kept they are removed down to
    // one digit after the point, and dropPointWhenWhole then cuts a whole value at the point.
    // Negative decimals count as 0.
    static std::string FormatNumber(double value, int decimals, bool keepTrailingZeros,
                                    bool dropPointWhenWhole);

protected:
    // Stores a code as it is: values keep the unit they were given or read with.
    void StoreUnit(std::string code) { m_unit = std::move(code); }

private:
    enum class Quantity { Value, Difference };
    static std::optional<double> TryConvertAs(Quantity quantity, double value,
                                              std::string_view from, std::string_view to,
                                              std::string* message);
    static double ConvertAs(Quantity quantity, double value, std::string_view from,
                            std::string_view to);

    std::string m_unit;
};

}  // namespace veritom
