#include "UnitConversion.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "base/StringTable.h"
#include "units/NumericEditRules.h"
#include "units/UnitCatalogue.h"

namespace veritom {

namespace {

constexpr int kSignificantDigits = 3;
constexpr int kMostDecimals = 10;

// A key that sorts names as a reader expects: case and the German accents do not count.
std::string SortKey(const std::string& name) {
    static const std::pair<std::string_view, std::string_view> kFolds[] = {
        {"\xC3\xA4", "a"}, {"\xC3\xB6", "o"}, {"\xC3\xBC", "u"},  {"\xC3\x84", "a"},
        {"\xC3\x96", "o"}, {"\xC3\x9C", "u"}, {"\xC3\x9F", "ss"},
    };
    std::string key;
    for (std::size_t i = 0; i < name.size();) {
        bool folded = false;
        for (const auto& [from, to] : kFolds) {
            if (std::string_view(name).substr(i).starts_with(from)) {
                key += to;
                i += from.size();
                folded = true;
                break;
            }
        }
        if (!folded) {
            const char ch = name[i++];
            key += ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
        }
    }
    return key;
}

}  // namespace

std::vector<UnitCategory> CUnitConversion::Categories() {
    std::vector<UnitCategory> categories;
    std::set<int> seen;
    for (const UnitCatalogueEntry& entry : UnitCatalogue()) {
        const int id = entry.unit.CategoryId();
        if (seen.insert(id).second) {
            categories.push_back({id == 0 ? std::string() : LoadString(id), id});
        }
    }
    std::stable_sort(categories.begin(), categories.end(),
                     [](const UnitCategory& a, const UnitCategory& b) {
                         return SortKey(a.name) < SortKey(b.name);
                     });
    return categories;
}

int CUnitConversion::InitialCategory(const std::vector<UnitCategory>& categories) {
    return categories.size() > 1 ? 1 : static_cast<int>(categories.size()) - 1;
}

void CUnitConversion::Convert(double value, const std::string& fromUnit,
                              const std::string& toUnit) {
    m_input.Set(value, fromUnit);
    m_result.Set(m_input.GetValueIn(toUnit), toUnit);
}

int CUnitConversion::ResultDecimals(double value) {
    const double magnitude = std::abs(value);
    if (magnitude == 0 || magnitude >= 1) {
        return kResultDecimals;
    }
    const int leadingZeros = -static_cast<int>(std::floor(std::log10(magnitude))) - 1;
    return std::clamp(leadingZeros + kSignificantDigits, kResultDecimals, kMostDecimals);
}

std::string CUnitConversion::ResultText() const {
    const int decimals = ResultDecimals(m_result.Value());
    // Rounded to what is shown, so 11.999999999999998 shows as the whole 12.
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(m_result.Value() * scale) / scale;
    const double shown = std::isfinite(rounded) ? rounded : m_result.Value();
    return CNumericEditRules().NumberText(shown, decimals, false, true);
}

}  // namespace veritom
