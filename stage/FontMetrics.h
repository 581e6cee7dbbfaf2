#pragma once

#include <string_view>

namespace veritom::stage {

// The two faces the reference documents use, both standard PDF fonts.
enum class Face { Regular, Bold };

// Width in points of WinAnsi-encoded text set in face at size points.
double TextWidth(std::string_view winAnsi, Face face, double size);

}  // namespace veritom::stage
