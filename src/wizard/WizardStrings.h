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

// Solenoid (Coil): Electrical Specifications and Additional Coil Information.
inline constexpr int kLoadingData = 308;  // "Loading Data . . ."
inline constexpr int kElectricalTitle = 28200;
inline constexpr int kCurrentAndVoltageGroup = 28201;
inline constexpr int kCurrentAc = 28202;
inline constexpr int kCurrentDc = 28203;
inline constexpr int kVoltageLabel = 28204;
inline constexpr int kOperatingEnvironmentGroup = 28205;
inline constexpr int kOrdinaryLocation = 28206;
inline constexpr int kHazardousLocation = 28207;
inline constexpr int kExplosiveAtmosphere = 28208;
inline constexpr int kChooseVoltage = 28209;
inline constexpr int kAdditionalCoilTitle = 28210;
inline constexpr int kSolenoidConstructionGroup = 28211;
inline constexpr int kCoilTerminationGroup = 28212;
inline constexpr int kCoilEnclosureGroup = 28213;
inline constexpr int kChooseConstruction = 28214;
inline constexpr int kChooseTermination = 28215;
inline constexpr int kChooseEnclosure = 28216;
inline constexpr int kNoVoltageOffered = 28217;
inline constexpr int kSolenoidStepNotOpen = 28218;

// Selection Complete.
inline constexpr int kSelectionCompleteTitle = 28220;
inline constexpr int kSelectionOptionsGroup = 28221;
inline constexpr int kAddToOrderPadButton = 28222;
inline constexpr int kViewSelectionReportButton = 28223;
inline constexpr int kPrintSelectionReportButton = 28224;
inline constexpr int kCadOptionsGroup = 28225;
inline constexpr int kViewCadDrawingButton = 28226;
inline constexpr int kPrintCadDxfButton = 28227;
inline constexpr int kPrintCadHpglButton = 28228;
inline constexpr int kGenerateCadFileButton = 28229;
inline constexpr int kShowOptionsWithMnemonic = 28230;
inline constexpr int kShowOptions = 28231;
inline constexpr int kCloseButton = 28232;

}  // namespace veritom::ids
