#pragma once

// String table ids of the selection steps' dialogs.
namespace veritom::ids {

// Valve Type, Valve Type Options and the Reselection Notice.
inline constexpr int kValveTypeTitle = 27100;
inline constexpr int kValveTypeGroup = 27101;
inline constexpr int kFunctionTypeLabel = 27102;
inline constexpr int kFlowPatternLabel = 27103;
inline constexpr int kValveTypeOptionsTitle = 27110;
inline constexpr int kValveTypeOptionsLabel = 27111;
inline constexpr int kReselectionTitle = 27120;
inline constexpr int kReselectionCaution = 27121;
inline constexpr int kReselectionQuestion = 27122;
inline constexpr int kButtonYes = 27123;
inline constexpr int kButtonNo = 27124;

}  // namespace veritom::ids
