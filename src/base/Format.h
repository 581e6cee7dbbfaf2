#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace veritom {

// The widest field a format may ask for, and the most digits after the point (or significant
// digits) of a floating conversion: a double holds no more than 17. A format beyond either
// bound gives the empty result, like any other bad format.
inline constexpr std::size_t kFormatMaxWidth = 255;
inline constexpr std::size_t kFormatMaxPrecision = 17;

namespace detail {

// What kind of argument a printf conversion takes: 'f' floating, 'd' integer, 's' text.
template <typename T>
constexpr char FormatKind() {
    using U = std::decay_t<T>;
    if constexpr (std::is_floating_point_v<U>) {
        return 'f';
    } else if constexpr (std::is_integral_v<U>) {
        return 'd';
    } else {
        return 's';
    }
}

std::string FormatChecked(std::string_view format, std::string_view kinds, ...);

inline double ToVararg(float v) {
    return v;
}
inline double ToVararg(double v) {
    return v;
}
inline long long ToVararg(int v) {
    return v;
}
inline long long ToVararg(long v) {
    return v;
}
inline long long ToVararg(long long v) {
    return v;
}
inline long long ToVararg(unsigned v) {
    return v;
}
inline long long ToVararg(short v) {
    return v;
}
inline long long ToVararg(bool v) {
    return v ? 1 : 0;
}
inline const char* ToVararg(const std::string& v) {
    return v.c_str();
}
inline const char* ToVararg(const char* v) {
    return v ? v : "";
}

}  // namespace detail

// printf-style formatting over snprintf. The format's conversions must match the arguments
// in number and kind (floating, integer, text) and stay within the bounds above; otherwise the
// result is empty, so a bad format text from a database can never read the wrong argument or
// ask for gigabytes. The format ends at a NUL, as in C.
template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
    static constexpr char kinds[] = {detail::FormatKind<Args>()..., '\0'};
    return detail::FormatChecked(format, std::string_view(kinds, sizeof...(Args)),
                                 detail::ToVararg(args)...);
}

}  // namespace veritom
