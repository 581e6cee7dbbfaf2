#include "SampleRecords.h"

namespace veritom::test {

namespace {

CProd_ValveData GeneralPurposeValve() {
    CProd_ValveData r;
    r.m_FunctionTypeVAL = std::string("2-Way");
    r.m_FuncLink = std::string("2W");
    r.m_FlowPatternVAL = std::string("Normally Closed");
    r.m_FlowPatLink = std::string("2NC");
    r.m_FlowPatOptionVAL = std::string("");
    r.m_FlowPatOptLink = std::string("NOOPT");
    r.m_AppCategoryLink = std::string("GenPurp");
    r.m_AppTypeLink = std::string("GP");
    r.m_ApplicationTypeVAL = std::string("General Purpose");
    r.m_SelMethodCode = 1;
    r.m_FluidStateVAL = std::string("LIQ");
    r.m_FluidVAL = std::string("Water");
    r.m_FluidLink = std::string("WATER");
    r.m_FluidCategoryLink = std::string("WATER");
    r.m_ChkBxFlags = CProd_ValveData::kDefaultChkBxFlags;
    r.m_ChkBxFlagsAlt = CProd_ValveData::kDefaultChkBxFlagsAlt;
    return r;
}

void ByCatalogData(CProd_ValveData& r) {
    r.m_MethodLink = 1;
    r.m_App_PortSizeVAL = std::string("1/2");
    r.m_ConFluidLink = std::string("08");
    r.m_App_MOPDVAL.Set(100.0, "PSIG");
    r.m_App_MinOPDVAL.Set(10.0, "PSIG");
}

void ByCalculatedSize(CProd_ValveData& r) {
    r.m_MethodLink = 2;
    r.m_ConFluidLink = std::string("ALL");
    r.m_App_FlowRateVAL.Set(0.25, "GPM");
    r.m_App_MOPDVAL.Set(25.0, "PSIG");
    // qFlowRate_Calc_Liq for 0.25 gpm at 25 psi.
    r.m_CalcFlowFactorVAL.Set(0.05, "CV");
}

void WithCoil(CProd_ValveData& r) {
    r.m_OpEnvLink = std::string("ORD");
    r.m_Sol_OpEnvVAL = std::string("Ordinary Location");
    r.m_Sol_CurrentVAL = std::string("AC");
    r.m_VoltLink = std::string("120A6");
    r.m_Sol_VoltageVAL = std::string("120 V / 60 Hz");
    r.m_SolConstLink = std::string("STD");
    r.m_Sol_ConstructionVAL = std::string("Standard molded coil");
    r.m_TermLink = std::string("LD");
    r.m_Sol_TerminationVAL = std::string("Flying leads, 18 in");
    r.m_EncloseLink = std::string("T1");
    r.m_Sol_EnclosureVAL = std::string("Type 1, general purpose");
}

// The non-standard voltage: no coil restricts the choice.
void WithoutCoil(CProd_ValveData& r) {
    for (CStringExSel* link : {&r.m_OpEnvLink, &r.m_Sol_CurrentVAL, &r.m_VoltLink,
                               &r.m_SolConstLink, &r.m_TermLink, &r.m_EncloseLink}) {
        *link = std::string("ALL");
    }
}

}  // namespace

CProd_ValveData CatalogDataWithCoil() {
    CProd_ValveData r = GeneralPurposeValve();
    ByCatalogData(r);
    WithCoil(r);
    return r;
}

CProd_ValveData CatalogDataWithoutCoil() {
    CProd_ValveData r = GeneralPurposeValve();
    ByCatalogData(r);
    WithoutCoil(r);
    return r;
}

CProd_ValveData CalculatedSizeWithCoil() {
    CProd_ValveData r = GeneralPurposeValve();
    ByCalculatedSize(r);
    WithCoil(r);
    return r;
}

CProd_ValveData CalculatedSizeWithoutCoil() {
    CProd_ValveData r = GeneralPurposeValve();
    ByCalculatedSize(r);
    WithoutCoil(r);
    return r;
}

// The workflow sets the solenoid links to "ALL" after an application of method 2.
CProd_ValveData ValveSizeMethod() {
    CProd_ValveData r = GeneralPurposeValve();
    r.m_AppCategoryLink = std::string("Specialty");
    r.m_AppTypeLink = std::string("PROPLIQ");
    r.m_ApplicationTypeVAL = std::string("Proportional Control, Liquid");
    r.m_SelMethodCode = 2;
    r.m_FluidStateVAL = std::string("");
    r.m_FluidLink = std::string("");
    r.m_FluidCategoryLink = std::string("NA");
    r.m_App_ControlSigVAL = std::string("4-20 mA");
    r.m_ControlSigLink = std::string("MA420");
    r.m_App_MaxInPressureVAL.Set(100.0, "PSIG");
    r.m_App_MaxVolumetricFlowVAL.Set(20000.0, "CC_MIN");
    r.m_App_FlowFactorVAL.Set(1.5, "CV");
    WithoutCoil(r);
    return r;
}

}  // namespace veritom::test
