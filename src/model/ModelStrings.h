#pragma once

// String table ids of the valve selection model: the texts of the step summaries.
namespace veritom::ids {

inline constexpr int kPortConnectionSize = 235;  // "Port Connection Size"
inline constexpr int kFluidIs = 237;             // "Fluid is"
inline constexpr int kCvRating = 256;            // "Cv Rating"
inline constexpr int kKvRating = 270;            // "Kv Rating"
inline constexpr int kControlInputSignal = 279;  // "Control Input Signal"
inline constexpr int kCalculatedCv = 6403;       // "Calculated Cv %.2f "

}  // namespace veritom::ids
