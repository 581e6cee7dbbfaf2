#pragma once

#include <string>

#include "units/ReportMap.h"

namespace report::test {

// A report map as the selector makes it for a finished selection.
inline veritom::CReportMap SampleReportMap(const std::string& graphicsPath = "/nowhere/Graphics/") {
    return {
        {"FunctionTypeVAL", {"Function Type", "2-Way Normally Closed"}},
        {"FuncLink", {"Function Type Code", "2NC"}},
        {"FlowPatternVAL", {"Flow Pattern", "Straight Through"}},
        {"FlowPatPic", {"Flow Pattern Picture", "picSTR"}},
        {"ApplicationTypeVAL", {"Application", "General Purpose"}},
        {"FluidVAL", {"Fluid", "Water"}},
        {"App_MOPDVAL", {"Max. Pressure Differential", "100"}},
        {"App_MOPDUnitVAL", {"Max. Pressure Differential Unit", "psig"}},
        {"App_ChkBx_MIPVAL", {"Max. Inlet Pressure Given", "1"}},
        {"Sol_VoltageVAL", {"Voltage/Hertz", "120/60"}},
        {"PN_CompletePNVAL", {"Part Number", "8210G094"}},
        {"PN_PNDescriptionVAL", {"Part Description", "2-Way Valve, Brass Body, 3/4 NPT"}},
        {"PN_OrificeVAL", {"Orifice", ""}},
        {"OnlyALabel", {"Label Without Value"}},
        {"GRAPHICSPATH", {graphicsPath}},
        {"WarningVAL",
         {"WARNING: The valve selected must suit the fluid, pressure, temperature "
          "and electrical supply of the application."}},
        {"SoftwareVersionVAL", {"3.0"}},
        {"ReportDateVAL", {"March 3 2001 - 09:05:07"}},
    };
}

inline const char* kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

}  // namespace report::test
