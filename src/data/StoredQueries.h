#pragma once

#include <span>

#include "data/QueryDecl.h"

// Every stored query the program calls by name, with the parameters it sets and the fields it
// reads. The rapid selection's segment queries are named by the database itself and are not
// declared here.
namespace veritom::queries {

using namespace declare;

// Parameter groups of a selection.
inline constexpr auto kValveTypeParams =
    Params(Text("[parFuncLink]"), Text("[parFloPatLink]"), Text("[parFloPatOptLink]"));
inline constexpr auto kApplicationParams =
    Params(Text("[parAppTypeLink]"), Text("[parAppCategoryLink]"));
inline constexpr auto kFluidParams = Params(Text("[parFluidStateLink]"), Text("[parFluidLink]"));
inline constexpr auto kInletParams = Params(Int16("[parChkBx_MIP]"), Float("[parMIPValue]"));
inline constexpr auto kCatalogDataParams =
    Join(Params(Text("[parConSizeLink]"), Float("[parMOPDValue]"), Float("[parMinOPDValue]")),
         kInletParams);
inline constexpr auto kSizingParams = Join(
    Params(Float("[parMOPDValue]"), Float("[parCalcCv]"), Float("[parMxOpFldTemp]")), kInletParams);
inline constexpr auto kLimitParams = Join(kValveTypeParams, kApplicationParams, kFluidParams);
inline constexpr auto kCatalogDataSelection = Join(kLimitParams, kCatalogDataParams);
inline constexpr auto kSizingSelection = Join(kLimitParams, kSizingParams);
inline constexpr auto kValveSizeParams =
    Join(kValveTypeParams,
         Params(Text("[parAppTypeLink]"), Int16("[parChkBx_MIP]"), Float("[parMIPValue]"),
                Int16("[parChkBx_VolFlow]"), Float("[parVolFlowValue]"),
                Int16("[parChkBx_ControlSig]"), Text("[parControlSigLink]"),
                Int16("[parChkBx_FloFacValue]"), Float("[parFloFacValue]")));
inline constexpr auto kCoilParams =
    Params(Text("[parOpEnvLink]"), Text("[parAcDcLink]"), Text("[parVoltLink]"),
           Text("[parSolConstLink]"), Text("[parTermLink]"), Text("[parEncloseLink]"));
inline constexpr auto kFluidFields =
    Fields(TextField("FluidLinkText"), TextField("FluidLink"), TextField("FluidCategoryLink"),
           TextField("FluidCategoryText"), IntField("CategoryDefault"));
inline constexpr auto kVerifyFields =
    Fields(TextField("ValveNumberLink"), TextField("SufxCode"), TextField("PressureDrop"));

// Start-up, catalogue messages and pictures.
inline constexpr auto kValvesNotAvail = Query(
    "qValvesNotAvail", Params(),
    Fields(TextField("SeriesLinkText"), TextField("SeriesLinkDesc"), TextField("SeriesMoreInfo")));
inline constexpr auto kGetMessages =
    Query("qGetMessages", Params(Text("[parMessageLink]")), Fields(TextField("MessageLinkText")));
inline constexpr auto kMsgStr =
    Query("qMsgStr", Params(Text("[parMsgId]")), Fields(TextFieldAt(0)));
inline constexpr auto kMsgInt =
    Query("qMsgInt", Params(Int32("[parMsgIDInt]")), Fields(TextField("WarningText")));
inline constexpr auto kGetImage =
    Query("qGetImage", Params(Text("[parImageName]")), Fields(BytesField("Image")));

// Valve Type and Select Application.
inline constexpr auto kFunctionType =
    Query("qFunctionType", Params(), Fields(TextField("FuncLinkText"), TextField("FuncLink")));
inline constexpr auto kFlowPattern =
    Query("qFlowPattern", Params(Text("[parFuncLink]")),
          Fields(TextField("FloPatLinkText"), TextField("FloPatLink"), TextField("FloPatPic")));
inline constexpr auto kFlowPatternOpt =
    Query("qFlowPatternOpt", Params(Text("[parFuncLink]"), Text("[parFloPatLink]")),
          Fields(TextField("FloPatOptLink"), TextField("FloPatOptLinkText")));
inline constexpr auto kApplicationsAvailable =
    Query("qApplications_Available", kValveTypeParams, Fields(TextField("AppCategoryLink")));
inline constexpr auto kApplications = Query(
    "qApplications",
    Join(kValveTypeParams, Params(Text("[parBMaterialLink]"), Text("[parAppCategoryLink]"))),
    Fields(TextField("AppTypeLinkText"), TextField("AppTypeLink"), TextField("AppTypeStaticText")));
inline constexpr auto kValveSelMethodCode =
    Query("qValveSelMethodCode", kApplicationParams, Fields(IntField("SelMethodCode")));

// Known operating parameters.
inline constexpr auto kSelMethodInfo =
    Query("qSelMethodInfo", Params(Text("[parMethodLink]")),
          Fields(TextField("SelMethodInfoText"), TextField("SelMethodText")));
inline constexpr auto kFluidButtonState = Query(
    "qFluidButtonState", Params(Text("[parAppTypeLink]")), Fields(TextField("FluidStateLink")));
inline constexpr auto kOtherMedia =
    Query("qOtherMedia", Params(Text("[parFluidStateLink]")),
          Fields(TextField("FluidLinkText"), TextField("FluidLink"), TextField("FluidCategoryLink"),
                 TextField("FluidCategoryText")));
inline constexpr auto kPortSizes = Query(
    "qSelMethod_Known_Operating_Parameters_ConSize", Join(kValveTypeParams, kApplicationParams),
    Fields(TextField("ConSizeLinkText"), TextField("ConSizeLink")));
inline constexpr auto kFluidCompatibility =
    Query("qFluid_Compatibility_Seal_AND_Body_Material",
          Join(kValveTypeParams, kApplicationParams,
               Params(Text("[parFluidStateLink]"), Text("[parComFluidLink]"))),
          kFluidFields);
inline constexpr auto kFluidCompatibilityAll =
    Query("qFluid_Compatibility_Seal_AND_Body_Material_ALL",
          Params(Text("[parFluidStateLink]"), Text("[parComFluidLink]")), kFluidFields);
inline constexpr auto kValvesPassKnownOpParam =
    Query("qValves_Pass_Known_Op_Param", kCatalogDataSelection, Fields());
inline constexpr auto kTestMOPD =
    Query("qTestMOPD", kLimitParams, Fields(NumberField("MOPDValue")));
inline constexpr auto kTestMinOPD =
    Query("qTestMinOPD", kLimitParams, Fields(NumberField("MinOPDValue")));
inline constexpr auto kTestMIP = Query("qTestMIP", kLimitParams, Fields(NumberField("MIPValue")));
inline constexpr auto kTempMax = Query("qTempMax", kLimitParams, Fields(NumberField("MaxTemp_F")));
inline constexpr auto kFlowRateCalcGas =
    Query("qFlowRate_Calc_Gas",
          Join(kFluidParams, Params(Float("[parMOPDValue]"), Float("[parMIPValue]"),
                                    Float("[parTemp]"), Float("[parUserFlowRate_SCFM]"))),
          Fields(NumberField("CalcCv")));
inline constexpr auto kFlowRateCalcLiq =
    Query("qFlowRate_Calc_Liq",
          Join(kFluidParams, Params(Float("[parMOPDValue]"), Float("[parUserFlowRate_GPM]"))),
          Fields(NumberField("CalcCv")));
inline constexpr auto kSelMethodValveSizing =
    Query("qSelMethod_ValveSizing", kSizingSelection, Fields());

// Valve size information.
inline constexpr auto kControlSig = Query(
    "qControlSig", Params(), Fields(TextField("ControlSigText"), TextField("ControlSigLink")));
inline constexpr auto kSelMethod2Info =
    Query("qSelMethod2Info", Params(Text("[parAppTypeLink]")),
          Fields(TextField("MessageLinkText"), TextField("RefLink"), TextField("FluidCompatFile"),
                 TextField("FluidCompatPage")));
inline constexpr auto kValvesPassSelMethod2 =
    Query("qValves_Pass_SelMethod2", kValveSizeParams, kVerifyFields);
inline constexpr auto kTestFloFacValue =
    Query("qTestFloFacValue",
          Join(kValveTypeParams, Params(Text("[parAppTypeLink]"), Text("[parAppCategoryLink]"))),
          Fields(NumberField("FloFacValue")));
inline constexpr auto kTestVolFlow =
    Query("qTestVolFlow",
          Join(kValveTypeParams, Params(Text("[parAppTypeLink]"), Text("[parBMaterialLink]"))),
          Fields(NumberField("VolFlowValue")));

// Verification lists of the known operating parameters.
inline constexpr auto kValvesPassKnownOpParamDisplay =
    Query("qValves_Pass_Known_Op_Param_Display", kCatalogDataSelection, kVerifyFields);
inline constexpr auto kValvesPassValveSizingDisplay =
    Query("qValves_Pass_ValveSizing_Display", kSizingSelection, kVerifyFields);

// Solenoid (coil): one form per selection method of the known operating parameters.
inline constexpr auto kSolenoidRowFields =
    Fields(TextField("AcDcLink"), NumberField("VoltOrder"), TextField("VoltLink"),
           TextField("VoltLinkText"), IntField("VoltDefault"));
inline constexpr auto kVoltageFields = Fields(TextField("VoltLinkText"), TextField("VoltLink"));
inline constexpr auto kOpEnvironmentFields =
    Fields(TextField("OpEnvLink"), TextField("OpEnvLinkText"), TextField("OpEnvStaticText"));
inline constexpr auto kSolConstFields = Fields(
    TextField("SolConstLinkText"), TextField("SolConstLink"), TextField("SolConstStaticText"));
inline constexpr auto kTerminationFields =
    Fields(TextField("TermLink"), TextField("TermLinkText"), TextField("TermStaticText"),
           TextField("TermPic"));
inline constexpr auto kEnclosureFields =
    Fields(TextField("EncloseLink"), TextField("EncloseLinkText"), TextField("EncloseStaticText"),
           TextField("EnclosePic"));
inline constexpr auto kAcDc = Params(Text("[parAcDcLink]"));
inline constexpr auto kAcDcVoltage = Params(Text("[parAcDcLink]"), Text("[parVoltLink]"));
inline constexpr auto kConstructionParams =
    Params(Text("[parOpEnvLink]"), Text("[parAcDcLink]"), Text("[parVoltLink]"));
inline constexpr auto kTerminationParams =
    Join(kConstructionParams, Params(Text("[parSolConstLink]")));
inline constexpr auto kEnclosureParams = Join(kTerminationParams, Params(Text("[parTermLink]")));

inline constexpr auto kSolenoidsParam =
    Query("qSolenoids_Pass1_SelMeth1_Param_Complete", kCatalogDataSelection, kSolenoidRowFields);
inline constexpr auto kVoltageParam =
    Query("qVoltage_SelMeth1_Param", Join(kCatalogDataSelection, kAcDc), kVoltageFields);
inline constexpr auto kOpEnvironmentParam =
    Query("qOpEnvironment_SelMeth1_Param", Join(kCatalogDataSelection, kAcDcVoltage),
          kOpEnvironmentFields);
inline constexpr auto kSolConstParam = Query(
    "qSolConst_SelMeth1_Param", Join(kCatalogDataSelection, kConstructionParams), kSolConstFields);
inline constexpr auto kTerminationsParam =
    Query("qTerminations_SelMeth1_Param", Join(kCatalogDataSelection, kTerminationParams),
          kTerminationFields);
inline constexpr auto kEnclosuresParam = Query(
    "qEnclosures_SelMeth1_Param", Join(kCatalogDataSelection, kEnclosureParams), kEnclosureFields);

inline constexpr auto kSolenoidsSizing =
    Query("qSolenoids_Pass1_SelMeth1_Sizing_Complete", kSizingSelection, kSolenoidRowFields);
// The voltages of the calculated size take the catalog data's parameters.
inline constexpr auto kVoltageSizing =
    Query("qVoltage_SelMeth1_Sizing", Join(kCatalogDataSelection, kAcDc), kVoltageFields);
inline constexpr auto kOpEnvironmentSizing = Query(
    "qOpEnvironment_SelMeth1_Sizing", Join(kSizingSelection, kAcDcVoltage), kOpEnvironmentFields);
inline constexpr auto kSolConstSizing = Query(
    "qSolConst_SelMeth1_Sizing", Join(kSizingSelection, kConstructionParams), kSolConstFields);
inline constexpr auto kTerminationsSizing =
    Query("qTerminations_SelMeth1_Sizing", Join(kSizingSelection, kTerminationParams),
          kTerminationFields);
inline constexpr auto kEnclosuresSizing = Query(
    "qEnclosures_SelMeth1_Sizing", Join(kSizingSelection, kEnclosureParams), kEnclosureFields);
inline constexpr auto kNonStandard = Query(
    "qNonStandard", Params(), Fields(TextField("Link"), TextField("Text"), NumberField("Order")));

// Part number selection.
inline constexpr auto kUndecided =
    Query("qUndecided", Params(), Fields(TextField("UndecidedLink"), TextField("UndecidedText")));
inline constexpr auto kFlowFactor = Query(
    "qFlowFactor", Params(), Fields(TextField("FlowFactorLink"), TextField("FlowFactorText")));
inline constexpr auto kFlowFactorRanges =
    Query("qSel_PN_FloFacSel",
          Params(Int16("[parChkBx_FloFacValue]"), Text("[parFlowFactorLink]"),
                 Text("[parFloFacUnit]"), Float("[parFloFacValueEntered]")),
          Fields(TextField("FlowFacValue_Low"), TextField("FlowFacRangeText")));

// The record parameters of the five list kinds.
inline constexpr auto kKindCommon = Join(kValveTypeParams, kApplicationParams, kFluidParams,
                                         kInletParams, Params(Text("[parFluidCategoryLink]")));
inline constexpr auto kKind1Params = Join(kValveSizeParams, Params(Text("[parFluidCategoryLink]")));
inline constexpr auto kKind2Params =
    Join(kKindCommon, kCoilParams,
         Params(Float("[parMOPDValue]"), Float("[parMinOPDValue]"), Text("[parConSizeLink]")));
inline constexpr auto kKind3Params =
    Join(kKindCommon,
         Params(Float("[parMOPDValue]"), Float("[parMinOPDValue]"), Text("[parConSizeLink]")));
inline constexpr auto kKind4Params =
    Join(kKindCommon, kCoilParams,
         Params(Float("[parMOPDValue]"), Float("[parMxOpFldTemp]"), Float("[parCalcCv]")));
inline constexpr auto kKind5Params = Join(
    kKindCommon, Params(Float("[parMOPDValue]"), Float("[parMxOpFldTemp]"), Float("[parCalcCv]")));
// The filters of the list.
inline constexpr auto kFilterParams = Params(
    Text("[parBMaterialLink2]"), Text("[parSMaterialLink]"), Text("[parFlowFactorLink]"),
    Float("[parFlowFacValue_Low]"), Text("[parConTypeLink]"), Text("[parActLink]"),
    Float("[parMaxOperFluidTemp]"), Float("[parMinOperFluidTemp]"), Float("[parMaxInletPressure]"));
inline constexpr auto kCoilFilterParams = Params(Text("[parApprovLink]"), Text("[parCoilClsLink]"));
inline constexpr auto kOptionFields = Fields(
    TextField("BMaterialLink2"), TextField("BMaterialLink2Text"), NumberField("BMaterialLinkOrder"),
    TextField("SMaterialLink"), TextField("SMaterialLinkText"), NumberField("SMaterialLinkOrder"),
    TextField("ConTypeLink"), TextField("ConTypeLinkText"), NumberField("ConTypeLinkOrder"),
    TextField("ActLink"), TextField("ActLinkText"), NumberField("ActLinkOrder"),
    TextField("CoilClsLink"), TextField("CoilClsLinkText"), NumberField("CoilClsLinkOrder"),
    TextField("ApprovLink"), TextField("ApprovLinkText"), NumberField("ApprovLinkOrder"),
    TextField("ControlSigLink2"), TextField("ControlSigLink2Text"), NumberField("ControlSigOrder"));
inline constexpr auto kListFields = Fields(
    TextField("CompletePN"), TextField("PN_AcDcLinkText"), TextField("PN_WattageText"),
    TextField("PN_ConSizeLink2Text"), TextField("PN_BMaterialLink2Text"),
    TextField("PN_SMaterialLinkText"), TextField("PN_ConTypeLinkText"), TextField("PN_ActLinkText"),
    TextField("PN_CoilClsLinkText"), TextField("PN_ApprovLinkText"), TextField("ValveNumberLink"),
    TextField("SufxLink"), TextField("MinOPD"), TextField("ControlSigText"),
    TextField("OrificeLinkText"), NumberField("FlowFacValue"), NumberField("MaximumFldTemp"),
    NumberField("MinimumFldTemp"), NumberField("MaxInPress"), NumberField("MOPD"));

inline constexpr auto kOptionsKind1 =
    Query("qSel_PN_PNDisplay_SelMeth2_ALLSelect", kKind1Params, kOptionFields);
inline constexpr auto kOptionsKind2 =
    Query("qSel_PN_PNDisplay_Param_ALLSelect", kKind2Params, kOptionFields);
inline constexpr auto kOptionsKind3 =
    Query("qSel_PN_PNDisplay_Param_NoSol_ALLSelect", kKind3Params, kOptionFields);
inline constexpr auto kOptionsKind4 =
    Query("qSel_PN_PNDisplay_Sizing_ALLSelect", kKind4Params, kOptionFields);
inline constexpr auto kOptionsKind5 =
    Query("qSel_PN_PNDisplay_Sizing_NoSol_ALLSelect", kKind5Params, kOptionFields);
inline constexpr auto kListKind1 =
    Query("qSel_PN_PNDisplay_SelMeth2",
          Join(kKind1Params, kFilterParams, Params(Text("[parControlSigLink2]"))), kListFields);
inline constexpr auto kListKind2 = Query(
    "qSel_PN_PNDisplay_Param", Join(kKind2Params, kFilterParams, kCoilFilterParams), kListFields);
inline constexpr auto kListKind3 =
    Query("qSel_PN_PNDisplay_Param_NoSol", Join(kKind3Params, kFilterParams), kListFields);
inline constexpr auto kListKind4 = Query(
    "qSel_PN_PNDisplay_Sizing", Join(kKind4Params, kFilterParams, kCoilFilterParams), kListFields);
inline constexpr auto kListKind5 =
    Query("qSel_PN_PNDisplay_Sizing_NoSol", Join(kKind5Params, kFilterParams), kListFields);
inline constexpr auto kGetDescription =
    Query("qGetDescription",
          Params(Text("[parFuncLink]"), Text("[parFloPatLink]"), Text("[parAppCategoryLink]"),
                 Text("[parAppTypeLink]")),
          Fields(TextField("Description")));
inline constexpr auto kFilterHelp =
    Query("qPN_FilterHelp", Params(Text("[parFilterParam]")),
          Fields(TextField("PN_FilterHelp_File"), TextField("PN_FilterHelp_Page")));
inline constexpr auto kGetRefLink =
    Query("qGetRefLink",
          Params(Text("[parValveNumberLink]"), Text("[parSufxLink]"), Text("[parAppTypeLink]")),
          Fields(TextField("ReferenceFile")));

// Rapid selection.
inline constexpr auto kRapidSeriesCount =
    Query("qRap_SelSeries_Count", Params(), Fields(IntField("RapSelSeriesCount")));
inline constexpr auto kRapidSeries =
    Query("qRap_SelSeries", Params(),
          Fields(TextField("DesignSeriesLink"), TextField("DesignSeriesText")));
inline constexpr auto kRapidBuildTypes =
    Query("qRap_PNTypeAvail", Params(Text("[parDesignSeriesLink]")),
          Fields(TextField("PNType"), TextField("ImageName")));
inline constexpr auto kRapidSegments =
    Query("qRap_FieldHeadings_And_State",
          Params(Text("[parDesignSeriesLink]"), Text("[parRapSelChoiceLink]")),
          Fields(IntField("RapSelFieldNum"), TextField("RapSelFieldHeading"),
                 TextField("FieldDisplayState")));
inline constexpr auto kRapidSegmentQuery =
    Query("qRap_GetQuery",
          Params(Text("[parDesignSeriesLink]"), Text("[parRapSelChoiceLink]"),
                 Int16("[parRapSelFieldNum]")),
          Fields(TextField("Query")));

// Competitor interchange.
inline constexpr auto kInterchangePart =
    Params(Text("[parCompttrLink]"), Text("[parCompttrPrefixLink]"), Text("[parCompttrPN]"),
           Text("[parCompttrSuffixLink]"));
inline constexpr auto kCompetitors =
    Query("qTool_Interchange_Competitors", Params(),
          Fields(TextField("CompttrLink"), TextField("CompttrText")));
inline constexpr auto kCompetitorParts =
    Query("qTool_Interchange_CompPN", Params(Text("[parCompttrLink]")),
          Fields(TextField("CompttrPrefixLink"), TextField("CompttrPrefix"), TextField("CompttrPN"),
                 TextField("CompttrSuffix"), TextField("CompttrSuffixLink"),
                 TextField("CompleteCompttrPN")));
inline constexpr auto kInterchangeDivisions =
    Query("qTool_Interchange_VeldorProdLine", kInterchangePart,
          Fields(TextField("ProductLinkIndiv"), TextField("ProductLineText")));
inline constexpr auto kInterchangeVoltages = Query(
    "qTool_Interchange_Voltage", Join(kInterchangePart, Params(Text("[parProductLinkIndiv]"))),
    Fields(TextField("VoltCode"), TextField("VoltText"), IntField("VoltDefault")));
// The program writes this parameter without its closing bracket.
inline constexpr auto kInterchangeAnswer = Query(
    "qTool_Interchange_Compttr_PNResult",
    Join(kInterchangePart, Params(Text("[parProductLinkIndiv]"), Text("[parVoltCode"))),
    Fields(TextField("NoteText"), TextField("CompleteVeldorPN"), TextField("DescriptionText")));

// Selection report.
inline constexpr auto kSelRepLabels =
    Query("qSelRepLabels", Params(), Fields(TextField("MapKey"), TextField("FieldLabel")));

// Every declaration above, for the query contract test and the command line.
std::span<const CQueryInfo> AllStoredQueries();

}  // namespace veritom::queries
