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

// Select Application, Speciality Valves and the two selection method dialogs.
inline constexpr int kNoConnectionSize = 234;  // "You must choose a connection size."
inline constexpr int kNoFluid = 236;           // "You must choose a fluid."
inline constexpr int kPortSize = 258;
inline constexpr int kNoControlSignal = 278;  // "You must choose a control signal input."
inline constexpr int kMaxPressureDifferential = 290;
inline constexpr int kMinPressureDifferential = 291;
inline constexpr int kCheckingParameters = 309;  // "Checking Parameters . . ."
inline constexpr int kFluidTemperature = 311;
inline constexpr int kPressureDifferential = 312;
inline constexpr int kFlowRate = 21083;
inline constexpr int kSelectApplicationTitle = 28100;
inline constexpr int kGeneralPurposeValve = 28101;
inline constexpr int kSpecialityValve = 28102;
inline constexpr int kApplicationListLabel = 28103;
inline constexpr int kDescriptionLabel = 28104;
inline constexpr int kSpecialityValvesTitle = 28110;
inline constexpr int kValveListing = 28111;
inline constexpr int kCatalogInformation = 28112;
inline constexpr int kCannotOpenFile = 28114;  // "Cannot open file:  "
inline constexpr int kSelectionMethodTitle = 28120;
inline constexpr int kSelectionMethodGroup = 28121;
inline constexpr int kByCatalogData = 28122;
inline constexpr int kCalculateValveSize = 28123;
inline constexpr int kSelectFluidGroup = 28124;
inline constexpr int kStateGas = 28125;
inline constexpr int kStateLiquid = 28126;
inline constexpr int kStateOil = 28127;
inline constexpr int kShowAllFluids = 28128;
inline constexpr int kMediumNotListed = 28129;
inline constexpr int kKnownParametersGroup = 28130;
inline constexpr int kMaxInletPressure = 28131;
inline constexpr int kMinimumDifferentialNote = 28132;
inline constexpr int kValveSizeTitle = 28140;
inline constexpr int kOperatingParametersGroup = 28141;
inline constexpr int kTickMaxInletPressure = 28142;
inline constexpr int kTickVolumetricFlow = 28143;
inline constexpr int kTickControlSignal = 28144;
inline constexpr int kTickFlowFactor = 28145;
inline constexpr int kInformationGroup = 28146;
inline constexpr int kFluidCompatibility = 28147;
inline constexpr int kVerifyTitle = 28150;
inline constexpr int kVerifyExplanation = 28151;
inline constexpr int kVerifyValveNumber = 28152;
inline constexpr int kVerifySuffixCode = 28153;
inline constexpr int kVerifyPressureDrop = 28154;
inline constexpr int kExpectingRecord = 28160;  // "Expecting record: %s"
inline constexpr int kNothingToCheck = 28161;

// Solenoid (Coil): Electrical Specifications and Additional Coil Information.
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

// Select Part Number.
inline constexpr int kFilterInformation = 284;  // "Information"
inline constexpr int kUpdatingPartList = 310;   // "Updating Part List . . ."
inline constexpr int kPartNumberTitle = 28300;
inline constexpr int kUpdateList = 28301;
inline constexpr int kPartCatalogInformation = 28302;
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
