#include "UnitConvMap.h"

#include <algorithm>
#include <cmath>

#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "units/UnitCatalogue.h"
#include "units/UnitStrings.h"

namespace veritom {

namespace {

void ShowUnitMessage(const std::string& text) {
    MessageBox(text, MsgButtons::Ok, MsgIcon::Warning);
}

// Digits of the integer part of ratio (at least 1).
int IntegerDigits(double ratio) {
    return static_cast<int>(veritom::Format("%.0f", std::trunc(ratio)).size());
}

}  // namespace

void CUnitConvMap::Serialize(CArchive& ar) {
    ar.Transfer(m_unit);
}

bool CUnitConvMap::SetUnit(std::string_view code) {
    if (!FindUnit(code)) {
        ShowUnitMessage(veritom::Format(LoadString(ids::kUnknownUnitString), std::string(code)));
        return false;
    }
    m_unit = code;
    return true;
}

bool CUnitConvMap::SetUnitByTextId(int textId) {
    const UnitCatalogueEntry* entry = FindUnitByTextId(textId);
    if (!entry) {
        ShowUnitMessage(LoadString(ids::kUnitTextIdNotFound));
        return false;
    }
    m_unit = entry->code;
    return true;
}

std::string CUnitConvMap::GetUnitText() const {
    if (m_unit.empty()) {
        return {};
    }
    const CUnitObject* unit = FindUnit(m_unit);
    return unit ? LoadString(unit->TextId()) : m_unit;
}

std::optional<double> CUnitConvMap::TryConvert(double value, std::string_view from,
                                               std::string_view to, std::string* message) {
    if (from == to) {
        return value;
    }
    const CUnitObject* source = FindUnit(from);
    const CUnitObject* target = FindUnit(to);
    std::string why;
    if (!source || !target) {
        why = veritom::Format(LoadString(ids::kUnitCodeNotFound), std::string(source ? to : from));
    } else if (!source->IsCompatibleWith(*target)) {
        why = veritom::Format(LoadString(ids::kUnitsIncompatible), std::string(from),
                              std::string(to));
    } else {
        return target->FromBase(source->ToBase(value));
    }
    if (message) {
        *message = std::move(why);
    }
    return std::nullopt;
}

double CUnitConvMap::Convert(double value, std::string_view from, std::string_view to) {
    std::string message;
    if (const auto converted = TryConvert(value, from, to, &message)) {
        return *converted;
    }
    ShowUnitMessage(message);
    return 0;
}

int CUnitConvMap::GetDecimalShift(std::string_view from, std::string_view to) {
    const CUnitObject* source = FindUnit(from);
    const CUnitObject* target = FindUnit(to);
    if (!source || !target) {
        ShowUnitMessage(LoadString(ids::kUnitNotFound));
        return 0;
    }
    const double f1 = source->Factor();
    const double f2 = target->Factor();
    if (f1 <= f2) {
        return 1 - IntegerDigits(f2 / f1);
    }
    return IntegerDigits(f1 / f2) - 1;
}

std::string CUnitConvMap::FormatNumber(double value, int decimals, bool keepTrailingZeros,
                                       bool dropPointWhenWhole) {
    const std::string format = veritom::Format("%%0.%df", std::max(decimals, 0));
    std::string text = veritom::Format(format, value);
    if (keepTrailingZeros) {
        return text;
    }
    // A comma stands in for the point under a locale that formats numbers with one.
    const std::size_t point = text.find_first_of(".,");
    if (point == std::string::npos) {
        return text;
    }
    while (text.size() > point + 2 && text.back() == '0') {
        text.pop_back();
    }
    if (dropPointWhenWhole && std::trunc(value) == value) {
        text.resize(point);
    }
    return text;
}

}  // namespace veritom
