#include "VeritomObject.h"

#include <algorithm>
#include <cctype>

#include "app/AppStrings.h"
#include "app/SelectionDialogs.h"
#include "app/SelectionFile.h"
#include "app/VeritomAppInterface.h"
#include "base/ConfigStore.h"
#include "base/Format.h"
#include "base/MessageSink.h"
#include "base/NameMatch.h"
#include "base/Paths.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

constexpr int kTemplateSelectionCompletedCad = 207;
constexpr int kTemplateSelectionCompleted = 208;
constexpr const char* kFileSaveOpenPath = "FileSaveOpenPath";

}  // namespace

CVeritomObject::CVeritomObject(IVeritomApp& app) : m_app(app) {}

CVeritomObject::~CVeritomObject() = default;

void CVeritomObject::MustDefine(const std::string& signature, const char* article) const {
    MessageBox(std::string("You must define ") + article + " " + signature +
               " method in your class derived from CVeritomObject.");
}

std::string CVeritomObject::GetDatabasePassword() {
    MustDefine("GetDatabasePassword()");
    return {};
}

void CVeritomObject::OnToolOptions() {
    MustDefine("OnToolOptions()");
}

void CVeritomObject::OnUpdateToolOptions(CCmdUI& cmdUI) {
    cmdUI.Enable(false);
}

bool CVeritomObject::IsOutputAvailable() {
    return m_outputAvailable;
}

void CVeritomObject::OnUpdateViewSelectionReport(CCmdUI& cmdUI) {
    cmdUI.Enable(IsOutputAvailable());
}

void CVeritomObject::OnViewSelectionReport() {
    MustDefine("OnViewSelectionReport()");
}

std::string CVeritomObject::GetDivisionName() {
    MustDefine("GetDivisionName()");
    return {};
}

int CVeritomObject::ViewReferenceTopic(const std::string&) {
    MustDefine("ViewReferenceTopic(CString strFilePathName)");
    return 0;
}

std::string CVeritomObject::GetOrderQuantity() {
    MustDefine("GetOrderQuantity()");
    return {};
}

std::string CVeritomObject::GetPartDescription() {
    MustDefine("GetPartDescription()");
    return {};
}

CProd_BaseObject* CVeritomObject::GetSerializedDataObject() {
    MustDefine("GetSerializedDataObject()");
    return nullptr;
}

std::string CVeritomObject::GetCustomerInformationText() {
    MustDefine("GetCustomerInformationText()");
    return {};
}

std::string CVeritomObject::GetModificationText() {
    MustDefine("GetModificationText()");
    return {};
}

bool CVeritomObject::IsSelectionComplete() {
    return false;
}

void CVeritomObject::OnFilePrintSelection(bool) {
    MustDefine("OnFilePrintSelection()");
}

bool CVeritomObject::AddToOrderPad() {
    return false;
}

bool CVeritomObject::PerformButtonAction(int) {
    MustDefine("PerformButtonAction(int nID)");
    return false;
}

int CVeritomObject::GetNumberOfButtons() {
    MustDefine("GetNumberOfButtons()");
    return 0;
}

std::string CVeritomObject::GetButtonText(int) {
    MustDefine("GetButtonText(int nID)");
    return {};
}

bool CVeritomObject::GetButtonState(int) {
    MustDefine("GetButtonState(int nID)");
    return false;
}

std::string CVeritomObject::GetButtonSelectionDisplayText(int) {
    MustDefine("GetButtonSelectionDisplayText(int nID)");
    return {};
}

std::string CVeritomObject::GetPartNumberDisplayText() {
    MustDefine("GetPartNumberDisplayText()");
    return {};
}

unsigned CVeritomObject::GetButtonSelectionDisplayFormat(int) {
    return DT_WORDBREAK;
}

std::string CVeritomObject::GetDefaultFilename() {
    MustDefine("GetDefaultFilename()");
    return {};
}

std::string CVeritomObject::GetDefaultExtension() {
    MustDefine("GetDefaultExtension()");
    return {};
}

std::string CVeritomObject::GetFileFilter() {
    MustDefine("GetFileFilter()");
    return "All Files (*.*)|*.*||";
}

std::string CVeritomObject::GetApplicationName() {
    MustDefine("GetApplicationName()");
    return "Veritom";
}

bool CVeritomObject::NewData() {
    MustDefine("NewData()");
    return false;
}

bool CVeritomObject::LoadData(const std::string&) {
    MustDefine("LoadData()");
    return false;
}

std::unique_ptr<CPendingSelection> CVeritomObject::ReadData(const std::string&) {
    MustDefine("ReadData()");
    return nullptr;
}

bool CVeritomObject::ApplyData(std::unique_ptr<CPendingSelection>) {
    MustDefine("ApplyData()");
    return false;
}

bool CVeritomObject::CanSwitchLanguage(const LanguageInfo&) {
    return true;
}

bool CVeritomObject::SaveData(const std::string&) {
    MustDefine("SaveData()");
    return false;
}

void CVeritomObject::LanguageSwitched() {
    MustDefine("LanguageSwitched()");
}

void CVeritomObject::ShowStartupScreens() {}

bool CVeritomObject::IsDirty() {
    MustDefine("IsDirty()", "an");
    return false;
}

bool CVeritomObject::IsCADSupported() {
    return false;
}

void CVeritomObject::OnUpdateExportXML(CCmdUI& cmdUI) {
    cmdUI.Enable(true);
}

void CVeritomObject::ExportXML(const std::string&) {}

void CVeritomObject::OnInfoCommand(InfoCommand) {}

void CVeritomObject::OnUpdateInfoCommand(InfoCommand, CCmdUI& cmdUI) {
    cmdUI.Enable(true);
}

void CVeritomObject::OnUpdatePrintSelection(CCmdUI& cmdUI) {
    cmdUI.Enable(true);
}

void CVeritomObject::OnUpdateSpare(CCmdUI& cmdUI) {
    cmdUI.Enable(true);
}

void CVeritomObject::OnUserMenuCommand(int) {}

void CVeritomObject::OnCadCommand(CadCommand) {}

void CVeritomObject::OnUpdateCadCommand(CadCommand command, CCmdUI& cmdUI) {
    cmdUI.Enable(command == CadCommand::Preferences || IsOutputAvailable());
}

std::string CVeritomObject::GetTipsFilePath() {
    return JoinPath(m_app.GetNetPath(), "tips.txt");
}

std::string CVeritomObject::GetRegistryKeyPath() {
    return RegistryKeyPathFor(GetApplicationName());
}

std::string CVeritomObject::RegistryKeyPathFor(const std::string& applicationName) {
    return "Software\\Veldor Kastrel\\Veritom\\" + applicationName + "\\CurrentVersion";
}

std::string CVeritomObject::GetFileSaveOpenPath() {
    const std::string key = GetRegistryKeyPath();
    const IConfigStore& store = m_app.GetConfigStore();
    for (Hive hive : {Hive::CurrentUser, Hive::LocalMachine}) {
        if (auto folder = store.ReadString(hive, key, kFileSaveOpenPath); folder) {
            return *folder;
        }
    }
    return m_app.GetLocalPath();
}

bool CVeritomObject::SetFileSaveOpenPath(const std::string& folder) {
    if (m_app.GetConfigStore().WriteString(Hive::CurrentUser, GetRegistryKeyPath(),
                                           kFileSaveOpenPath, folder)) {
        return true;
    }
    MessageBox(LoadString(ids::kFailedToSetPath), MsgButtons::Ok, MsgIcon::Warning);
    return false;
}

bool CVeritomObject::RememberFolderOf(const std::string& filePath) {
    const std::size_t slash = filePath.find_last_of("/\\");
    return SetFileSaveOpenPath(slash == std::string::npos ? std::string()
                                                          : filePath.substr(0, slash));
}

std::string CVeritomObject::ProposedSaveName() {
    const std::string extension = "." + GetDefaultExtension();
    const std::string name = GetDefaultFilename();
    return EndsWithNoCase(name, extension) ? name : name + extension;
}

bool CVeritomObject::IsSelectionFileName(const std::string& path) {
    const std::string extension = GetDefaultExtension();
    return !extension.empty() && EndsWithNoCase(path, "." + extension);
}

bool CVeritomObject::CheckSelectionFileName(const std::string& path) {
    if (IsSelectionFileName(path)) {
        return true;
    }
    MessageBox(Format(LoadString(ids::kNotValidSelectionFile), path, GetApplicationName()));
    return false;
}

void CVeritomObject::SelectionCompleted() {
    if (m_app.GetConfigStore().ReadProfileInt("SelectionCompleted", "Show", 1) == 0) {
        return;
    }
    m_app.GetDialogs().RunSelectionCompleted(
        *this, IsCADSupported() ? kTemplateSelectionCompletedCad : kTemplateSelectionCompleted);
}

void CVeritomObject::SetCompletionFlags(bool on) {
    m_selectionComplete = on;
    m_orderPadReady = on;
    m_spare = on;
}

void CVeritomObject::RedrawMainWindow() {
    m_app.RedrawMainWindow();
}

bool CVeritomObject::IsVerificationMode() const {
    return m_app.IsVerificationMode();
}

bool CVeritomObject::SetUpFramework() {
    // No CAD library is supplied with this system, so a product asking for CAD cannot be set up.
    return !IsCADSupported();
}

}  // namespace veritom
