#pragma once

namespace veritom::ids {

inline constexpr int kNotAvailable = 27130;  // "\"%s\" is not available in this version ..."
inline constexpr int kNameOrderPad = 27137;  // "OrderPad"

}  // namespace veritom::ids

namespace veritom {

// Says that a step or tool (named by string nameId) is not available in this build of the
// program. Used only for the parts that later versions bring.
void ShowNotAvailable(int nameId);

}  // namespace veritom
