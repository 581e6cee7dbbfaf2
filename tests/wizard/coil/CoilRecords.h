#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Links.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "model/ValveObject.h"

namespace veritom::test {

// What the Application step leaves in the record after the known operating parameters:
// a 2-Way, Normally Closed valve without option for an application, a fluid and a port.
struct ApplicationAnswers {
    std::string appType = "GP";
    std::string appTypeText = "General Purpose Valve";
    std::string category = links::kGeneralPurpose;
    std::string fluidState = links::kLiquid;
    std::string fluid = "WATER";
    std::string fluidText = "Water";
    std::string fluidCategory = "WATER";
    std::string port = "08";
    std::string portText = "1/2\"";
    int method = 1;           // 1 catalog data, 2 calculated size
    double calculatedCv = 0;  // the calculated size's flow factor
};

inline CProd_ValveData ApplicationStageRecord(const ApplicationAnswers& a = {}) {
    CProd_ValveData r;
    r.m_FunctionTypeVAL = std::string("2-Way");
    r.m_FuncLink = std::string("2W");
    r.m_FlowPatternVAL = std::string("Normally Closed");
    r.m_FlowPatLink = std::string("2NC");
    r.m_FlowPatPic = std::string("FP_2NC");
    r.m_FlowPatOptionVAL = std::string("Standard (no option)");
    r.m_FlowPatOptLink = std::string(links::kNoOption);
    r.m_AppCategoryLink = a.category;
    r.m_AppTypeLink = a.appType;
    r.m_ApplicationTypeVAL = a.appTypeText;
    r.m_SelMethodCode = 1;
    r.m_MethodLink = a.method;
    r.m_App_PortSizeVAL = a.method == 1 ? a.portText : std::string();
    r.m_ConFluidLink = a.method == 1 ? a.port : std::string();
    r.m_FluidStateVAL = a.fluidState;
    r.m_FluidVAL = a.fluidText;
    r.m_FluidLink = a.fluid;
    r.m_FluidCategoryLink = a.fluidCategory;
    r.m_App_MOPDVAL.SetValue(100);
    r.m_App_MinOPDVAL.SetValue(10);
    r.m_App_MaxInPressureVAL.SetValue(100);
    r.m_CalcFlowFactorVAL.SetValue(a.calculatedCv);
    return r;
}

inline ApplicationAnswers Steam() {
    ApplicationAnswers a;
    a.appType = "STEAM";
    a.appTypeText = "Steam and Hot Water";
    a.category = links::kSpeciality;
    a.fluidState = links::kGas;
    a.fluid = "STEAM";
    a.fluidText = "Steam (saturated)";
    a.fluidCategory = "STEAM";
    a.port = "ALL";
    return a;
}

// A selection file whose Application step is done, in the language given.
inline std::vector<std::uint8_t> ApplicationStageFile(const CProd_ValveData& record,
                                                      const std::string& language = "EN") {
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    workflow.GetValveData() = record;
    workflow.SetStepReached(2);
    workflow.SetStepText(
        1, record.m_FunctionTypeVAL.Value() + ",  " + record.m_FlowPatternVAL.Value());
    workflow.SetStepText(2, "Fluid is " + record.m_FluidVAL.Value());
    CSelectionFileHeader header;
    header.languageCode = language;
    header.languageName = language == "DE" ? "Deutsch" : "English";
    header.applicationName = "Morvane Valve";
    header.languageStringId = language == "DE" ? 24511 : 24510;
    CSelectionFileFields fields;
    fields.answers = workflow.GetValveTypeAnswers();
    fields.highestStep = 2;
    return StoreSelectionFile(header, fields, workflow);
}

// A copy of the staged English database changed by SQL statements, opened as the program
// opens one.
class ChangedDatabase : public ILanguageSource {
public:
    explicit ChangedDatabase(const std::string& sql)
        : m_dir(std::filesystem::temp_directory_path() /
                ("coil-db-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)))) {
        std::filesystem::create_directories(m_dir);
        const std::filesystem::path file = m_dir / "MorvaneEN.mdb";
        std::filesystem::copy_file(VERITOM_STAGE_DIR "/share/veritom/MorvaneEN.mdb", file,
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::permissions(
            file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        sqlite3* handle = nullptr;
        if (sqlite3_open(file.c_str(), &handle) == SQLITE_OK) {
            m_changed = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
        }
        sqlite3_close(handle);
        m_db.Open(m_dir.string(), "Morvane", false, true, "");
    }
    ~ChangedDatabase() override {
        m_db.Close();
        std::filesystem::remove_all(m_dir);
    }
    ChangedDatabase(const ChangedDatabase&) = delete;
    ChangedDatabase& operator=(const ChangedDatabase&) = delete;

    std::string GetLanguageCode() const override { return "EN"; }
    IDatabase& Db() { return m_db; }
    bool IsReady() const { return m_changed && m_db.IsOpen(); }

private:
    std::filesystem::path m_dir;
    bool m_changed = false;
    IDatabase m_db{*this};
};

}  // namespace veritom::test
