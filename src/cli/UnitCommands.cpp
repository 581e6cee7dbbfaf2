#include <charconv>
#include <iostream>
#include <optional>
#include <string_view>

#include "CliCommand.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "units/UnitCatalogue.h"
#include "units/UnitConvMap.h"

namespace veritom::cli {

namespace {

std::optional<double> ParseNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseDecimals(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0 ||
        static_cast<std::size_t>(value) > kFormatMaxPrecision) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseFlag(std::string_view text) {
    if (text == "0" || text == "1") {
        return text == "1";
    }
    return std::nullopt;
}

constexpr const char* kConvertUsage = "VALUE FROM TO";
constexpr const char* kFormatUsage = "VALUE DECIMALS KEEP_ZEROS DROP_POINT";

int Usage(std::string_view name, std::string_view usage) {
    std::cerr << "usage: morvane-cli " << name << ' ' << usage << '\n';
    return 1;
}

int ListUnits(const Args&) {
    for (const auto& entry : UnitCatalogue()) {
        const CUnitObject& unit = entry.unit;
        std::cout << entry.code << '\t' << LoadString(unit.CategoryId()) << '\t'
                  << LoadString(unit.TextId()) << '\t' << Format("%.10g", unit.Factor()) << '\t'
                  << Format("%.10g", unit.Offset()) << '\n';
    }
    return 0;
}

int ConvertValue(const Args& args) {
    if (args.size() != 3) {
        return Usage("convert", kConvertUsage);
    }
    const auto value = ParseNumber(args[0]);
    if (!value) {
        std::cerr << "morvane-cli convert: not a number: " << args[0] << '\n';
        return 1;
    }
    std::string message;
    const auto converted = CUnitConvMap::TryConvert(*value, args[1], args[2], &message);
    if (!converted) {
        MessageBox(message, MsgButtons::Ok, MsgIcon::Warning);
        return 1;
    }
    std::cout << Format("%.10g", *converted) << '\n';
    return 0;
}

int FormatValue(const Args& args) {
    if (args.size() != 4) {
        return Usage("format", kFormatUsage);
    }
    const auto value = ParseNumber(args[0]);
    const auto decimals = ParseDecimals(args[1]);
    const auto keepZeros = ParseFlag(args[2]);
    const auto dropPoint = ParseFlag(args[3]);
    if (!value || !decimals || !keepZeros || !dropPoint) {
        std::cerr << "morvane-cli format: expected a number, a count of decimals (0 to "
                  << kFormatMaxPrecision << ") and two flags (0 or 1)\n";
        return Usage("format", kFormatUsage);
    }
    std::cout << CUnitConvMap::FormatNumber(*value, *decimals, *keepZeros, *dropPoint) << '\n';
    return 0;
}

}  // namespace

void AddUnitCommands(CommandTable& table) {
    table.push_back({"units", "", ListUnits});
    table.push_back({"convert", kConvertUsage, ConvertValue});
    table.push_back({"format", kFormatUsage, FormatValue});
}

}  // namespace veritom::cli
