#pragma once

#include <string_view>

namespace veritom {

// The engine matches query, parameter and field names regardless of ASCII case.
bool EqualNoCase(std::string_view a, std::string_view b);
// Whether text ends in ending, regardless of ASCII case (file extensions, document kinds).
bool EndsWithNoCase(std::string_view text, std::string_view ending);

}  // namespace veritom
