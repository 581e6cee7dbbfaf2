#pragma once

#include <memory>
#include <string>

#include "app/CmdUI.h"
#include "model/WorkflowOwner.h"

namespace veritom {

class IVeritomApp;
class CProd_BaseObject;
struct CPendingSelection;
struct LanguageInfo;

// The information, help and reference menu commands that the selection object serves.
enum class InfoCommand {
    ContactingVeldor,
    VeldorLocations,
    LicenseAgreement,
    HelpSearch,
    HelpContents,
    SearchReference,
    ReferenceGlossary,
    ReferenceContents,
    ProductSupport,
    OfferOfSale,
    ProductsAndServices,
    RelatedProducts,
};

enum class CadCommand { Drawing, PrintDxf, PrintHpgl, Preferences, Save };

// Text-drawing flags of the selection texts beside the panel buttons.
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_NOPREFIX = 0x0800;

// The contract between the generic application shell and one product. The shell asks the
// one selection object for buttons, texts, states, file settings and data, and forwards
// nearly every menu command to it. The framework's versions of the operations a product
// must supply show "You must define a ... method in your class derived from
// CVeritomObject." so a missing one is noticed on first use.
class CVeritomObject : public IWorkflowOwner {
public:
    explicit CVeritomObject(IVeritomApp& app);
    ~CVeritomObject() override;
    CVeritomObject(const CVeritomObject&) = delete;
    CVeritomObject& operator=(const CVeritomObject&) = delete;

    virtual std::string GetDatabasePassword();
    virtual void OnToolOptions();
    virtual void OnUpdateToolOptions(CCmdUI& cmdUI);
    virtual bool IsOutputAvailable();
    virtual void OnUpdateViewSelectionReport(CCmdUI& cmdUI);
    virtual void OnViewSelectionReport();
    virtual std::string GetDivisionName();
    virtual int ViewReferenceTopic(const std::string& strFilePathName);
    virtual std::string GetOrderQuantity();
    virtual std::string GetPartDescription();
    virtual CProd_BaseObject* GetSerializedDataObject();
    virtual std::string GetCustomerInformationText();
    virtual std::string GetModificationText();
    virtual bool IsSelectionComplete();
    virtual void OnFilePrintSelection(bool withPrintDialog);
    virtual bool AddToOrderPad();
    virtual bool PerformButtonAction(int nID);
    virtual int GetNumberOfButtons();
    virtual std::string GetButtonText(int nID);
    virtual bool GetButtonState(int nID);
    virtual std::string GetButtonSelectionDisplayText(int nID);
    virtual std::string GetPartNumberDisplayText();
    virtual unsigned GetButtonSelectionDisplayFormat(int nID);
    virtual std::string GetDefaultFilename();
    virtual std::string GetDefaultExtension();
    virtual std::string GetFileFilter();
    virtual std::string GetApplicationName();
    virtual bool NewData();
    virtual bool LoadData(const std::string& path);
    // Loading in two steps, so that nothing changes before the whole file has been read and
    // checked: ReadData says what is wrong and returns nothing; ApplyData makes it current.
    virtual std::unique_ptr<CPendingSelection> ReadData(const std::string& path);
    virtual bool ApplyData(std::unique_ptr<CPendingSelection> selection);
    // Whether everything the product needs in language is there; says what is missing.
    virtual bool CanSwitchLanguage(const LanguageInfo& language);
    virtual bool SaveData(const std::string& path);
    virtual void LanguageSwitched();
    virtual void ShowStartupScreens();
    virtual bool IsDirty();
    virtual bool IsCADSupported();
    virtual void OnUpdateExportXML(CCmdUI& cmdUI);
    virtual void ExportXML(const std::string& path);
    virtual void OnInfoCommand(InfoCommand command);
    virtual void OnUpdateInfoCommand(InfoCommand command, CCmdUI& cmdUI);
    virtual void OnUpdatePrintSelection(CCmdUI& cmdUI);
    virtual void OnUpdateSpare(CCmdUI& cmdUI);
    virtual void OnUserMenuCommand(int commandId);
    virtual void OnCadCommand(CadCommand command);
    virtual void OnUpdateCadCommand(CadCommand command, CCmdUI& cmdUI);
    virtual std::string GetTipsFilePath();

    // "Software\Veldor Kastrel\Veritom\" + application name + "\CurrentVersion".
    std::string GetRegistryKeyPath();
    static std::string RegistryKeyPathFor(const std::string& applicationName);
    // The file dialog folder: current user, else local machine, else LocalPath.
    std::string GetFileSaveOpenPath();
    // Stores the folder for the current user; string 645 on failure.
    bool SetFileSaveOpenPath(const std::string& folder);
    // Stores the folder of a file just opened or saved as the file dialog folder.
    bool RememberFolderOf(const std::string& filePath);
    // The name the Save As dialog proposes: the current file name with the extension
    // ("*.mrv" for a selection never saved).
    std::string ProposedSaveName();
    // Whether path ends in "." + the product's extension (any letter case).
    bool IsSelectionFileName(const std::string& path);
    // As IsSelectionFileName, showing string 129 when it is not.
    bool CheckSelectionFileName(const std::string& path);
    // Shows the selection-completed dialog unless switched off in the profile.
    void SelectionCompleted();
    bool IsVerificationMode() const;
    // Creates the order-pad component (and a CAD component, never for this product).
    bool SetUpFramework();

    bool IsOrderPadReady() const { return m_orderPadReady; }
    const std::string& GetCurrentFileName() const { return m_currentFileName; }
    void SetCurrentFileName(const std::string& name) { m_currentFileName = name; }
    IVeritomApp& App() { return m_app; }

    // IWorkflowOwner: the three flag bytes together, and the main window.
    void SetCompletionFlags(bool on) override;
    void RedrawMainWindow() override;

    // The flag bytes, set and cleared by the product's workflow.
    void SetSelectionComplete(bool on) { m_selectionComplete = on; }
    void SetOutputAvailable(bool on) { m_outputAvailable = on; }
    void SetOrderPadReady(bool on) { m_orderPadReady = on; }
    void SetSpare(bool on) { m_spare = on; }
    bool GetSelectionCompleteFlag() const { return m_selectionComplete; }
    bool GetSpareFlag() const { return m_spare; }

protected:
    // Shows "You must define a <signature> method in your class derived from CVeritomObject.".
    void MustDefine(const std::string& signature, const char* article = "a") const;

    IVeritomApp& m_app;
    bool m_selectionComplete = false;
    bool m_outputAvailable = false;
    bool m_orderPadReady = false;
    bool m_spare = false;
    std::string m_currentFileName = "*";
};

}  // namespace veritom
