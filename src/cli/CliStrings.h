#pragma once

// Texts of morvane-cli's own messages.
namespace veritom::ids {

inline constexpr int kReportNeedsCompleteSelection = 28601;  // selection file
inline constexpr int kNoOrderPadDocument = 28602;            // file, reason

}  // namespace veritom::ids
