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

// Select Part Number.
inline constexpr int kFilterInformation = 284;  // "Information"
inline constexpr int kLoadingData = 308;        // "Loading Data . . ."
inline constexpr int kUpdatingPartList = 310;   // "Updating Part List . . ."
inline constexpr int kPartNumberTitle = 28300;
inline constexpr int kUpdateList = 28301;
inline constexpr int kCatalogInformation = 28302;
inline constexpr int kSelectionReport = 28303;
inline constexpr int kBodyMaterialLabel = 28304;
inline constexpr int kMaxFluidTempLabel = 28305;
inline constexpr int kMinFluidTempLabel = 28306;
inline constexpr int kFlowFactorLabel = 28307;
inline constexpr int kMaxInletPressureLabel = 28308;
inline constexpr int kConnectionTypeLabel = 28309;
inline constexpr int kSealMaterialLabel = 28310;
inline constexpr int kActuationLabel = 28311;
inline constexpr int kCoilClassLabel = 28312;
inline constexpr int kAgencyApprovalLabel = 28313;
inline constexpr int kFilterHelpButton = 28314;
inline constexpr int kCandidateCountLabel = 28315;
inline constexpr int kListStaleHint = 28316;
inline constexpr int kFiltersGroup = 28317;
inline constexpr int kCandidatesGroup = 28318;
// Column titles, by column of the column table (28320 + column).
inline constexpr int kColumnTitleFirst = 28320;
inline constexpr int kTooManyCandidates = 28340;  // "Greater than 10,000 Records found (%d)..."
inline constexpr int kMinAboveMax = 28341;
inline constexpr int kNoFilterHelp = 28342;  // "Help not available for this topic."

}  // namespace veritom::ids
