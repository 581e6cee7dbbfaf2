#pragma once

namespace veritom {

// Dialog results; IDUNCHANGED: the user confirmed a choice equal to the stored one, so the
// later steps need no reset.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDUNCHANGED = 1219;

}  // namespace veritom
