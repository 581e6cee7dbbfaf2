#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

#include "FuzzTarget.h"
#include "InputReader.h"
#include "base/Format.h"

namespace veritom::fuzz {

namespace {

using Kind = FormatArgument::Kind;

// Longest text any conversion may give: widths and precisions are at most 512, and a
// double printed in full has a few hundred digits.
constexpr std::size_t kMaxConversionLength = 1024;

struct Call {
    std::string format;
    std::size_t textArgumentBytes = 0;
    std::size_t argumentCount = 0;
};

// The result of a format with no conversions: its text up to a NUL with "%%" made "%".
std::optional<std::string> PlainText(std::string_view format) {
    std::string out;
    for (std::size_t i = 0; i < format.size() && format[i] != '\0'; ++i) {
        if (format[i] != '%') {
            out += format[i];
        } else if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

void CheckResult(const Call& call, const std::string& result, const std::string& again) {
    Expect(result == again, "the same call gave two results");
    const std::size_t percents =
        static_cast<std::size_t>(std::count(call.format.begin(), call.format.end(), '%'));
    Expect(result.size() <=
               call.format.size() + call.textArgumentBytes + percents * kMaxConversionLength,
           "a result far longer than its format and arguments");
    if (call.argumentCount == 0) {
        if (const auto plain = PlainText(call.format)) {
            Expect(result == *plain, "a format without conversions was not copied");
        }
    }
}

template <typename... Args>
void Apply(Call& call, CInputReader& in, const Args&... args) {
    if constexpr (sizeof...(Args) < kMaxFormatArguments) {
        if (call.argumentCount > sizeof...(Args)) {
            switch (static_cast<Kind>(in.Byte() % 4)) {
                case Kind::Double:
                    return Apply(call, in, args..., std::bit_cast<double>(in.UInt64()));
                case Kind::Int:
                    return Apply(call, in, args..., static_cast<int>(in.UInt32()));
                case Kind::Text: {
                    std::string text = in.Text(in.Byte());
                    call.textArgumentBytes += text.size();
                    return Apply(call, in, args..., text);
                }
                case Kind::Float:
                    return Apply(call, in, args...,
                                 std::bit_cast<float>(static_cast<std::uint32_t>(in.UInt32())));
            }
        }
    }
    call.format = in.RestText();
    CheckResult(call, veritom::Format(call.format, args...), veritom::Format(call.format, args...));
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

std::vector<std::uint8_t> FormatInput(const std::vector<FormatArgument>& arguments,
                                      const std::string& format) {
    std::vector<std::uint8_t> input{static_cast<std::uint8_t>(arguments.size())};
    for (const FormatArgument& argument : arguments) {
        input.push_back(static_cast<std::uint8_t>(argument.kind));
        switch (argument.kind) {
            case Kind::Double:
                PutLittle(input, std::bit_cast<std::uint64_t>(argument.number), 8);
                break;
            case Kind::Int:
                PutLittle(input, static_cast<std::uint32_t>(static_cast<int>(argument.number)), 4);
                break;
            case Kind::Text:
                input.push_back(static_cast<std::uint8_t>(argument.text.size()));
                input.insert(input.end(), argument.text.begin(), argument.text.end());
                break;
            case Kind::Float:
                PutLittle(input, std::bit_cast<std::uint32_t>(static_cast<float>(argument.number)),
                          4);
                break;
        }
    }
    input.insert(input.end(), format.begin(), format.end());
    return input;
}

// Any format text with up to three arguments of any kind: a text, never a crash, a
// runaway allocation or an argument read as another kind.
void Format(Bytes input) {
    CInputReader in(input);
    Call call;
    call.argumentCount = in.Byte() % (kMaxFormatArguments + 1);
    Apply(call, in);
}

}  // namespace veritom::fuzz
