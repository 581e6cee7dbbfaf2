#pragma once

// String table ids of the order pad export.
namespace veritom::ids {

inline constexpr int kAddToOrderFailed = 28400;      // "Add to Order Failed!"
inline constexpr int kOpenOrderPadFailed = 28401;    // "Open OrderPad Failed!"
inline constexpr int kOrderPadNotInstalled = 28402;  // program path
inline constexpr int kOrderPadNotStarted = 28403;    // program path
inline constexpr int kOrderPadNoAnswer = 28404;      // seconds waited
inline constexpr int kOrderPadRefused = 28405;       // the order pad's reason
inline constexpr int kOrderPadNotSaved = 28406;      // the order pad's reason
inline constexpr int kOrderPadNotConfirmed = 28407;

}  // namespace veritom::ids
