#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ProdBaseData.h"
#include "units/DoubleExSel.h"
#include "units/FloatExSel.h"
#include "units/IntExSel.h"
#include "units/StringExSel.h"
#include "units/UnitDoubleExSel.h"

namespace veritom {

// One member of the record as a dump shows it.
struct ValveMemberText {
    std::string number;               // member number, "58.3" for an array element
    std::string key;                  // its key name, or the name of a plain member
    std::vector<std::string> values;  // the value; a quantity: value, unit code, unit key
};

// Every answer of one valve selection. Each typed member carries its key name, which the
// report and the selection file see. Members are read and written directly; a confirmed step
// resets the later steps with Reset so no answer outlives the answers it depended on.
class CProd_ValveData : public CProd_BaseData {
public:
    static constexpr int kListStateCount = 24;
    static constexpr int kFilterCount = 10;
    static constexpr int kLastResetLevel = 5;

    // Bits of m_ChkBxFlags and m_ChkBxFlagsAlt with a settled meaning.
    static constexpr std::uint32_t kFlagPortSizeInSummary = 1u << 0;
    static constexpr std::uint32_t kFlagMaxInletPressureApplies = 1u << 5;
    static constexpr std::uint32_t kFlagMaxInletPressureTicked = 1u << 6;
    static constexpr std::uint32_t kFlagFlowFactorInSummary = 1u << 7;
    static constexpr std::uint32_t kFlagFlowFactorTicked = 1u << 8;
    static constexpr std::uint32_t kFlagMediumNotListed = 1u << 9;
    static constexpr std::uint32_t kFlagVolumetricFlowTicked = 1u << 10;
    static constexpr std::uint32_t kFlagControlSignalTicked = 1u << 11;
    static constexpr std::uint32_t kDefaultChkBxFlags = 0xFFFFFD59;
    static constexpr std::uint32_t kDefaultChkBxFlagsAlt = 0xFFFFFD67;

    CProd_ValveData();
    // Built like a new record, then assigned, so keys the source lacks stay in place.
    CProd_ValveData(const CProd_ValveData& other);
    // Member by member, each by its own rule: a typed value takes a key only when the source
    // has one, so keys never get lost.
    CProd_ValveData& operator=(const CProd_ValveData& other) = default;

    // Writes or reads the record in its stream order. Reading in place leaves a half-read
    // record when the archive fails; use Load to read a stream that may be damaged.
    void Serialize(CArchive& ar) override;
    // Reads the record from a loading archive into a fresh record and takes it over, keys
    // included, only when the archive did not fail; otherwise the record is unchanged.
    bool Load(CArchive& ar);
    // Level -1 or 0 clears everything, 1 the application onward, 2 the operating parameters
    // onward, 3 the electrical choices onward, 4 the solenoid onward, 5 the part number; other
    // levels clear nothing.
    void Reset(int level) override;
    void AddToReportMap(CReportMap& map) const override;

    // Every member in declaration order, arrays element by element.
    std::vector<ValveMemberText> DescribeMembers() const;

    // Exactly the same values, units and key names.
    bool operator==(const CProd_ValveData& other) const;

    // Step 0: valve type.
    CStringExSel m_FunctionTypeVAL;   // 1
    CStringExSel m_FuncLink;          // 2
    CStringExSel m_FlowPatternVAL;    // 3
    CStringExSel m_FlowPatLink;       // 4
    CStringExSel m_FlowPatPic;        // 5
    CStringExSel m_FlowPatOptionVAL;  // 6
    CStringExSel m_FlowPatOptLink;    // 7
    CIntExSel m_FlowPatOptSelected;   // 8
    // Step 1: application.
    CStringExSel m_BMaterialLinkText;   // 9
    CStringExSel m_BMaterialLink;       // 10
    CStringExSel m_AppCategoryLink;     // 11
    CStringExSel m_AppTypeLink;         // 12
    CStringExSel m_ApplicationTypeVAL;  // 13
    CStringExSel m_AppTypeStaticText;   // 14
    CIntExSel m_SelMethodCode;          // 15
    // Step 2: operating parameters.
    CStringExSel m_App_PortSizeVAL;               // 16
    CStringExSel m_ConFluidLink;                  // 17
    CStringExSel m_App_ControlSigVAL;             // 18
    CStringExSel m_ControlSigLink;                // 19
    std::int32_t m_MethodLink = 0;                // 20
    std::uint32_t m_ChkBxFlags = 0;               // 21
    std::uint32_t m_ChkBxFlagsAlt = 0;            // 22
    CStringExSel m_FluidStateVAL;                 // 23
    CStringExSel m_FluidAndStateLink;             // 24
    CIntExSel m_ComFluidLink;                     // 25
    CStringExSel m_FluidVAL;                      // 26
    CStringExSel m_FluidLink;                     // 27
    CStringExSel m_FluidCategoryLink;             // 28
    CStringExSel m_FluidCategoryTextVAL;          // 29
    CDoubleExSel m_FluidSpecificGravity;          // 30
    CUnitDoubleExSel m_App_FlowRateVAL;           // 31
    CUnitDoubleExSel m_App_FluidTempVAL;          // 32
    CUnitDoubleExSel m_Filter_MinFluidTempVAL;    // 33
    CUnitDoubleExSel m_App_FlowFactorVAL;         // 34
    CUnitDoubleExSel m_App_MOPDVAL;               // 35
    CUnitDoubleExSel m_App_MinOPDVAL;             // 36
    CUnitDoubleExSel m_App_MaxInPressureVAL;      // 37
    CUnitDoubleExSel m_App_MaxVolumetricFlowVAL;  // 38
    CUnitDoubleExSel m_CalcFlowFactorVAL;         // 39
    CStringExSel m_App_SelMethodVAL;              // 40
    // Step 3: electrical.
    CStringExSel m_OpEnvLink;        // 41
    CStringExSel m_Sol_OpEnvVAL;     // 42
    CStringExSel m_OpEnvStaticText;  // 43
    CStringExSel m_Sol_CurrentVAL;   // 44
    CStringExSel m_VoltLink;         // 45
    CStringExSel m_Sol_VoltageVAL;   // 46
    // Step 4: solenoid.
    CStringExSel m_SolConstLink;         // 47
    CStringExSel m_Sol_ConstructionVAL;  // 48
    CStringExSel m_SolConstStaticText;   // 49
    CStringExSel m_TermLink;             // 50
    CStringExSel m_Sol_TerminationVAL;   // 51
    CStringExSel m_TermStaticText;       // 52
    CStringExSel m_TermPic;              // 53
    CStringExSel m_EncloseLink;          // 54
    CStringExSel m_Sol_EnclosureVAL;     // 55
    CStringExSel m_EncloseStaticText;    // 56
    CStringExSel m_EnclosePic;           // 57
    // Step 5: part number.
    std::array<std::int32_t, kListStateCount> m_PNListState{};  // 58
    CStringExSel m_PN_CompletePNVAL;                            // 59
    CStringExSel m_PN_PNDescriptionVAL;                         // 60
    CStringExSel m_PN_AcDcVAL;                                  // 61
    CStringExSel m_PN_WattageVAL;                               // 62
    CStringExSel m_PN_MinOPDVAL;                                // 63
    CStringExSel m_PN_ConnectionSizeVAL;                        // 64
    CStringExSel m_PN_BodyMaterialVAL;                          // 65
    CStringExSel m_PN_SealMaterialVAL;                          // 66
    CFloatExSel m_PN_FlowFactorVAL;                             // 67
    CStringExSel m_PN_ConnectionTypeVAL;                        // 68
    CStringExSel m_PN_ActuationVAL;                             // 69
    CStringExSel m_PN_CoilClassVAL;                             // 70
    CStringExSel m_PN_ApprovalVAL;                              // 71
    CStringExSel m_PN_ControlSignalVAL;                         // 72
    CStringExSel m_PN_ValveNumberLink;                          // 73
    CStringExSel m_PN_SufxLink;                                 // 74
    std::int32_t m_PNSpare = 0;                                 // 75
    // The part's limits as numbers and as display texts under one key each.
    CFloatExSel m_PN_MaxFluidTempNum;                       // 76
    CStringExSel m_PN_MaxFluidTempText;                     // 77
    CFloatExSel m_PN_MinFluidTempNum;                       // 78
    CStringExSel m_PN_MinFluidTempText;                     // 79
    CFloatExSel m_PN_MaxInletPressNum;                      // 80
    CStringExSel m_PN_MaxInletPressText;                    // 81
    CStringExSel m_PN_OrificeVAL;                           // 82
    CFloatExSel m_PN_MOPDNum;                               // 83
    CStringExSel m_PN_MOPDText;                             // 84
    std::array<std::string, kFilterCount> m_PNFilterLinks;  // 85
    std::array<std::string, kFilterCount> m_PNFilterTexts;  // 86
    CStringExSel m_PN_FlowFactorLowNotUsed;                 // 87
    CStringExSel m_PN_FlowFactorUnitVAL;                    // 88
};

}  // namespace veritom
