#pragma once

namespace veritom {

// Says that a step or tool (named by string nameId) is not available in this build of the
// program. Used only for the dialogs of later versions.
void ShowNotAvailable(int nameId);

}  // namespace veritom
