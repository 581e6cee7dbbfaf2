#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/SelectionDialogs.h"
#include "app/VeritomObject.h"
#include "data/DialogContext.h"
#include "model/ValveObject.h"
#include "tools/report/SelectionReport.h"

namespace veritom {

class CIMsgStoredProc;
class CInformationPages;
class IDatabase;

// The selection object of the Morvane Valve product: the four panel buttons, the brand
// texts and file settings, the selection database and message catalogue, the Valve Type
// step (which it runs itself) and the workflow that runs the later steps and keeps the
// answers.
class CNerithObject : public CVeritomObject {
public:
    static constexpr int kButtonCount = 4;
    static constexpr int kFirstButtonId = 100;
    static constexpr const char* kApplicationName = "Morvane Valve";
    static constexpr const char* kDatabaseName = "Morvane";

    explicit CNerithObject(IVeritomApp& app);
    ~CNerithObject() override;

    std::string GetDatabasePassword() override;
    void OnUpdateViewSelectionReport(CCmdUI& cmdUI) override;
    void OnViewSelectionReport() override;
    // The report of a record that is not (yet) the selection's: the part highlighted in
    // Select Part Number, with OK applied to a copy.
    void PreviewSelectionReport(const CProd_ValveData& record);
    void OnFilePrintSelection(bool withPrintDialog) override;
    int ViewReferenceTopic(const std::string& strFilePathName) override;
    bool IsSelectionComplete() override;
    bool AddToOrderPad() override;
    bool PerformButtonAction(int nID) override;
    int GetNumberOfButtons() override;
    std::string GetButtonText(int nID) override;
    bool GetButtonState(int nID) override;
    std::string GetButtonSelectionDisplayText(int nID) override;
    std::string GetPartNumberDisplayText() override;
    unsigned GetButtonSelectionDisplayFormat(int nID) override;
    std::string GetDefaultFilename() override;
    std::string GetDefaultExtension() override;
    std::string GetFileFilter() override;
    std::string GetApplicationName() override;
    bool NewData() override;
    // Reads the whole file before anything is replaced: a file of another kind or version, a
    // damaged or a cut-short file leaves the current selection as it was.
    std::unique_ptr<CPendingSelection> ReadData(const std::string& path) override;
    bool ApplyData(std::unique_ptr<CPendingSelection> selection) override;
    bool LoadData(const std::string& path) override;
    // The new language's selection database must be there before anything is switched.
    bool CanSwitchLanguage(const LanguageInfo& language) override;
    bool SaveData(const std::string& path) override;
    void LanguageSwitched() override;
    void ShowStartupScreens() override;
    bool IsDirty() override;
    void OnInfoCommand(InfoCommand command) override;
    void OnUserMenuCommand(int commandId) override;
    std::string GetTipsFilePath() override;

    // Framework set-up, then the selection database in NetPath (exclusive, read-only) and
    // the message catalogue on it. False when the database did not open.
    bool Initialize();
    IDatabase& GetDatabase() { return *m_database; }
    // Nullptr until the database has opened.
    CIMsgStoredProc* GetMessageCatalogue() { return m_messages.get(); }
    // Nullptr until Valve Type has been confirmed.
    CProd_ValveObject* GetWorkflow() { return m_workflow.get(); }
    // Replaces the workflow by a fresh one starting from the Valve Type answers; false when
    // there is none afterwards.
    bool CreateWorkflow(const CValveTypeAnswers& answers);
    // What the dialogs borrow: the database, the pages and the verification switch.
    CDialogContext DialogContext();

    // True when step may run: no workflow yet, a step at or beyond the highest reached, or
    // the user agreed in the Reselection Notice.
    bool CheckReselection(int step);

    // The Valve Type answers, kept by the workflow's record; empty before the first step.
    CValveTypeAnswers GetValveTypeAnswers() const;
    std::int32_t GetHighestStep() const { return m_highestStep; }
    // The Valve Type step's summary of answers.
    static std::string ValveTypeDescription(const CValveTypeAnswers& answers);

    // Whether the database lists speciality valves (the Reference menu offers them then).
    bool HasSpecialityValves();

    // The ids the application gave the run-time menu items it added.
    void SetUserMenuIds(int specialityValves, int interchange, int unitConversion);

    // The reference, help and information pages of "RefHelpNames".
    CInformationPages& Pages() { return *m_pages; }

    // Between "Cv" and "Kv" (flow in litres per minute); any other pair is returned unchanged.
    static double ConvertFlowFactor(double value, const std::string& fromUnit,
                                    const std::string& toUnit);

private:
    bool RunValveTypeStep();
    bool RunWorkflowStep(int nID);
    CProd_ValveObject::Services WorkflowServices();
    // What the selection report is made of now.
    ReportSource CurrentReportSource();
    // The selection database of a language: NetPath, the base name, the code and ".mdb".
    std::string DatabasePath(const std::string& languageCode) const;
    static std::string DocumentTitle(const std::string& path);
    // Says why the database is closed: no usable NetPath, or the file it names.
    void ShowDatabaseUnavailable();

    std::unique_ptr<IDatabase> m_database;
    std::unique_ptr<CInformationPages> m_pages;
    std::unique_ptr<CIMsgStoredProc> m_messages;
    std::unique_ptr<CProd_ValveObject> m_workflow;
    std::int32_t m_highestStep = 0;
    bool m_modified = false;
    int m_specialityValvesId = -1;
    int m_interchangeId = -1;
    int m_unitConversionId = -1;
};

}  // namespace veritom
