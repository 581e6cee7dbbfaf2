#include "app/ui/VeritomApp.h"

#include <QLocale>

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/ConfigStore.h"
#include "app/NotAvailable.h"
#include "app/SelectionFile.h"
#include "app/VeritomObject.h"
#include "app/ui/CommandEvent.h"
#include "app/ui/ConfigStore.h"
#include "app/ui/FileDialog.h"
#include "app/ui/LanguageBundle.h"
#include "app/ui/MainFrame.h"
#include "app/ui/QtMessageSink.h"
#include "app/ui/QtSelectionDialogs.h"
#include "app/ui/TaskEvent.h"
#include "app/ui/VeritomView.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DaoException.h"

namespace veritom {

namespace {

constexpr int kRecentFileCount = 4;
// The maker's web host; the pages below it are fixed.
constexpr const char* kWebHost = "https://www.veldor-kastrel.example";

// Holds the prompt flag for a scope and puts back what it was.
class CPromptScope {
public:
    explicit CPromptScope(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~CPromptScope() { m_flag = m_previous; }
    CPromptScope(const CPromptScope&) = delete;
    CPromptScope& operator=(const CPromptScope&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

std::optional<InfoCommand> InfoCommandOf(int commandId) {
    switch (commandId) {
        case cmd::kContactingVeldor:
            return InfoCommand::ContactingVeldor;
        case cmd::kVeldorLocations:
            return InfoCommand::VeldorLocations;
        case cmd::kOfferOfSale:
            return InfoCommand::OfferOfSale;
        case cmd::kProductsAndServices:
            return InfoCommand::ProductsAndServices;
        case cmd::kRelatedProducts:
            return InfoCommand::RelatedProducts;
        case cmd::kLicenseAgreement:
            return InfoCommand::LicenseAgreement;
        case cmd::kProductSupport:
            return InfoCommand::ProductSupport;
        case cmd::kHelpSearch:
            return InfoCommand::HelpSearch;
        case cmd::kHelpContents:
            return InfoCommand::HelpContents;
        case cmd::kReferenceContents:
            return InfoCommand::ReferenceContents;
        case cmd::kSearchReference:
            return InfoCommand::SearchReference;
        case cmd::kReferenceGlossary:
            return InfoCommand::ReferenceGlossary;
        default:
            break;
    }
    return std::nullopt;
}

std::optional<CadCommand> CadCommandOf(int commandId) {
    switch (commandId) {
        case cmd::kCadDrawing:
            return CadCommand::Drawing;
        case cmd::kSaveCad:
            return CadCommand::Save;
        case cmd::kPrintDxf:
            return CadCommand::PrintDxf;
        case cmd::kPrintHpgl:
            return CadCommand::PrintHpgl;
        case cmd::kCadPreferences:
            return CadCommand::Preferences;
        default:
            break;
    }
    return std::nullopt;
}

const char* WebPageOf(int commandId) {
    switch (commandId) {
        case cmd::kVeritomHomePage:
        case cmd::kVeritomUpdates:
            return "/veritominfo";
        case cmd::kVeritomProducts:
            return "/veritominfo/products/index.htm";
        case cmd::kVeritomSupport:
            return "/veritominfo/current/support.htm";
        default:
            break;
    }
    return nullptr;
}

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

}  // namespace

CVeritomApp* VeritomApp() {
    return dynamic_cast<CVeritomApp*>(QCoreApplication::instance());
}

CVeritomApp::CVeritomApp(int& argc, char** argv)
    : QApplication(argc, argv),
      m_store(std::make_unique<CConfigStore>()),
      m_bundle(std::make_unique<CLanguageBundle>()),
      m_dialogs(std::make_unique<CQtSelectionDialogs>([this] { return m_frame.get(); })),
      m_recentFiles(kRecentFileCount),
      m_nextUserCommandId(cmd::kUserMenuFirst) {}

CVeritomApp::~CVeritomApp() {
    if (m_object) {
        m_config.SaveLanguage(*m_store, m_object->GetRegistryKeyPath());
    }
    m_frame.reset();
    m_object.reset();
    m_userMenuItems.clear();
    if (m_sink) {
        SetMessageSink(m_previousSink);
    }
}

void CVeritomApp::ExitInstance() {
    m_bundle->Unload();
}

void CVeritomApp::UseQtMessageSink() {
    if (!m_sink) {
        m_sink = std::make_unique<CQtMessageSink>(QString::fromStdString(m_displayName));
        m_sink->SetParentWindow(m_frame.get());
        m_previousSink = SetMessageSink(m_sink.get());
    }
}

void CVeritomApp::SetDisplayName(std::string name) {
    m_displayName = std::move(name);
    if (m_sink) {
        m_sink->SetCaption(QString::fromStdString(m_displayName));
    }
}

bool CVeritomApp::InitFramework(const std::vector<std::string>& arguments) {
    const QLocale locale = QLocale::system();
    if (!m_config.Load(*m_store, m_object->GetRegistryKeyPath(),
                       locale.groupSeparator().toStdString(),
                       locale.decimalPoint().toStdString())) {
        return false;
    }
    const int index = m_config.GetCurrentIndex();
    if (!m_config.CheckBundle(index) ||
        m_bundle->Load(m_config.GetNetPath(),
                       m_config.GetLanguages()[static_cast<std::size_t>(index)]) !=
            CLanguageBundle::LoadResult::Loaded) {
        return false;
    }
    m_cmdLine.Parse(arguments);
    m_verification = m_cmdLine.IsVerification();
    return true;
}

std::string CVeritomApp::GetLanguageCode() const {
    return m_config.GetLanguageCode();
}

std::string CVeritomApp::GetLanguageName() const {
    return m_config.GetLanguageName();
}

int CVeritomApp::GetLanguageStringId() const {
    return m_config.GetLanguageStringId();
}

std::string CVeritomApp::GetReferenceDir() const {
    return m_config.GetReferenceDir();
}

const std::vector<LanguageInfo>& CVeritomApp::GetLanguages() const {
    return m_config.GetLanguages();
}

int CVeritomApp::GetCurrentLanguageIndex() const {
    return m_config.GetCurrentIndex();
}

std::string CVeritomApp::GetNetPath() const {
    return m_config.GetNetPath();
}

std::string CVeritomApp::GetLocalPath() const {
    return m_config.GetLocalPath();
}

std::string CVeritomApp::GetVeritomRootPath() const {
    return m_config.GetVeritomRootPath();
}

IConfigStore& CVeritomApp::GetConfigStore() {
    return *m_store;
}

ISelectionDialogs& CVeritomApp::GetDialogs() {
    return *m_dialogs;
}

CVeritomView* CVeritomApp::GetView() const {
    return m_frame ? m_frame->View() : nullptr;
}

void CVeritomApp::RefreshButtonPanel() {
    if (CVeritomView* view = GetView()) {
        view->Refresh();
    }
}

void CVeritomApp::RedrawMainWindow() {
    if (CVeritomView* view = GetView()) {
        view->Invalidate();
    }
    if (m_frame) {
        m_frame->update();
    }
}

void CVeritomApp::SetDocumentTitle(const std::string& title) {
    m_documentTitle = title;
    UpdateTitles();
}

void CVeritomApp::UpdateTitles() {
    if (m_frame) {
        m_frame->SetTitles(GetFrameTitle(), m_documentTitle);
    }
}

void CVeritomApp::SetSelectionObject(std::unique_ptr<CVeritomObject> object) {
    m_object = std::move(object);
}

int CVeritomApp::AddUserMenuItem(int submenu, int position, int textId) {
    if (m_nextUserCommandId > cmd::kUserMenuLast) {
        return 0;
    }
    const CUserMenuItem item{submenu, position, textId, m_nextUserCommandId++};
    m_userMenuItems.push_back(item);
    if (m_frame) {
        m_frame->InsertUserMenuItem(item);
    }
    return item.commandId;
}

void CVeritomApp::CreateDocumentWindow(std::unique_ptr<CVeritomView> view) {
    m_frame = std::make_unique<CMainFrame>(*this, std::move(view));
    if (m_sink) {
        m_sink->SetParentWindow(m_frame.get());
    }
}

std::vector<std::string> CVeritomApp::ProgramArguments() {
    std::vector<std::string> arguments;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        arguments.push_back(args[i].toStdString());
    }
    return arguments;
}

bool CVeritomApp::ProcessShellCommand() {
    if (!m_frame) {
        return false;
    }
    CCmdLineInfo info;
    info.Parse(ProgramArguments());
    if (info.GetShellCommand() == CCmdLineInfo::ShellCommand::FileOpen) {
        OpenDocumentFile(info.GetFileName());
    } else {
        OnFileNew();
    }
    return true;
}

void CVeritomApp::SendCommand(int commandId) {
    CCommandEvent command(commandId);
    QCoreApplication::sendEvent(this, &command);
}

void CVeritomApp::RunTask(std::function<void()> task) {
    CTaskEvent event(std::move(task));
    QCoreApplication::sendEvent(this, &event);
}

bool CVeritomApp::event(QEvent* event) {
    if (event->type() == CCommandEvent::EventType()) {
        RouteCommand(static_cast<CCommandEvent*>(event)->CommandId());
        return true;
    }
    if (event->type() == CTaskEvent::EventType()) {
        static_cast<CTaskEvent*>(event)->Run();
        return true;
    }
    return QApplication::event(event);
}

void CVeritomApp::RouteCommand(int commandId) {
    const bool handled = (m_frame && m_frame->OnCmdMsg(commandId)) || OnCommand(commandId);
    if (handled && m_frame) {
        m_frame->AfterCommand();
    }
}

bool CVeritomApp::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const CDaoException& failure) {
        ReportEngineFailure(failure);
    }
    return false;
}

void CVeritomApp::ReportEngineFailure(const CDaoException& failure) {
    MessageBox(failure.what(), MsgButtons::Ok, MsgIcon::Error);
}

bool CVeritomApp::OnCommand(int commandId) {
    if (!m_object) {
        return false;
    }
    switch (commandId) {
        case cmd::kFileNew:
            OnFileNew();
            return true;
        case cmd::kFileOpen:
            OnFileOpen();
            return true;
        case cmd::kFileSave:
            OnFileSave();
            return true;
        case cmd::kFileSaveAs:
            OnFileSaveAs();
            return true;
        case cmd::kViewOrderPad:
            ShowNotAvailable(ids::kNameOrderPad);
            return true;
        case cmd::kToolsAddToOrderPad:
            m_object->AddToOrderPad();
            return true;
        case cmd::kToolsRapidSelection:
            RunRapidSelection();
            return true;
        case cmd::kViewSelectionCompleteOptions:
            ToggleSelectionCompleteOptions();
            return true;
        case cmd::kVeldorHomePage:
            OpenHomePage();
            return true;
        case cmd::kTipOfTheDay:
            ShowNotAvailable(ids::kNameTipOfTheDay);
            return true;
        case cmd::kAppAbout:
            ShowAbout();
            return true;
        case cmd::kExportXml:
            ExportXml();
            return true;
        case cmd::kStartupScreens:
            m_object->ShowStartupScreens();
            if (m_cmdLine.ShowSplash()) {
                ShowNotAvailable(ids::kNameTipOfTheDay);
            }
            return true;
        default:
            break;
    }
    if (const char* page = WebPageOf(commandId)) {
        OpenWebPage(page);
        return true;
    }
    if (InRange(commandId, cmd::kLanguageFirst, cmd::kLanguageLast)) {
        SwitchLanguage(commandId - cmd::kLanguageFirst);
        return true;
    }
    if (InRange(commandId, cmd::kFileMruFirst, cmd::kFileMruFirst + cmd::kFileMruCount - 1)) {
        const auto index = static_cast<std::size_t>(commandId - cmd::kFileMruFirst);
        if (index < m_recentFiles.Entries().size()) {
            OpenDocumentFile(m_recentFiles.Entries()[index]);
        }
        return true;
    }
    return RouteObjectCommand(commandId);
}

bool CVeritomApp::RouteObjectCommand(int commandId) {
    switch (commandId) {
        case cmd::kFilePrintSelection:
            m_object->OnFilePrintSelection(true);
            return true;
        case cmd::kFilePrintDirect:
            m_object->OnFilePrintSelection(false);
            return true;
        case cmd::kViewReference:
            m_object->ViewReferenceTopic("");
            return true;
        case cmd::kViewSelectionReport:
            m_object->OnViewSelectionReport();
            return true;
        case cmd::kToolsOptions:
            m_object->OnToolOptions();
            return true;
        default:
            break;
    }
    if (const auto info = InfoCommandOf(commandId)) {
        m_object->OnInfoCommand(*info);
        return true;
    }
    if (const auto cad = CadCommandOf(commandId)) {
        m_object->OnCadCommand(*cad);
        return true;
    }
    if (InRange(commandId, cmd::kUserMenuFirst, cmd::kUserMenuLast)) {
        m_object->OnUserMenuCommand(commandId);
        return true;
    }
    return false;
}

bool CVeritomApp::OnUpdateCommand(int commandId, CCmdUI& cmdUI) {
    if (!m_object) {
        return false;
    }
    switch (commandId) {
        case cmd::kViewOrderPad:
            OnUpdateViewOrderPad(cmdUI);
            return true;
        case cmd::kToolsAddToOrderPad:
            OnUpdateAddToOrderPad(cmdUI);
            return true;
        case cmd::kToolsRapidSelection:
            OnUpdateRapidSelection(cmdUI);
            return true;
        case cmd::kViewSelectionCompleteOptions:
            cmdUI.SetCheck(m_store->ReadProfileInt("SelectionCompleted", "Show", 1) != 0);
            return true;
        case cmd::kVeritomHomePage:
        case cmd::kVeritomProducts:
        case cmd::kVeritomSupport:
        case cmd::kVeritomUpdates:
        case cmd::kVeldorHomePage:
            cmdUI.Enable(m_webLinks);
            return true;
        default:
            break;
    }
    if (InRange(commandId, cmd::kLanguageFirst, cmd::kLanguageLast)) {
        cmdUI.SetCheck(commandId - cmd::kLanguageFirst == m_config.GetCurrentIndex());
        return true;
    }
    return RouteObjectUpdate(commandId, cmdUI);
}

bool CVeritomApp::RouteObjectUpdate(int commandId, CCmdUI& cmdUI) {
    switch (commandId) {
        case cmd::kFilePrintSelection:
            m_object->OnUpdatePrintSelection(cmdUI);
            return true;
        case cmd::kViewSelectionReport:
            m_object->OnUpdateViewSelectionReport(cmdUI);
            return true;
        case cmd::kToolsOptions:
            m_object->OnUpdateToolOptions(cmdUI);
            return true;
        case cmd::kExportXml:
            m_object->OnUpdateExportXML(cmdUI);
            return true;
        default:
            break;
    }
    if (const auto info = InfoCommandOf(commandId)) {
        m_object->OnUpdateInfoCommand(*info, cmdUI);
        return true;
    }
    if (const auto cad = CadCommandOf(commandId)) {
        m_object->OnUpdateCadCommand(*cad, cmdUI);
        return true;
    }
    return false;
}

void CVeritomApp::OnUpdateAddToOrderPad(CCmdUI& cmdUI) {
    cmdUI.Enable(m_object && m_object->IsOrderPadReady());
}

void CVeritomApp::OpenHomePage() {
    Messages().OpenDocument(kWebHost);
}

void CVeritomApp::OpenWebPage(const std::string& path) {
    Messages().OpenDocument(kWebHost + path);
}

void CVeritomApp::ToggleSelectionCompleteOptions() {
    const int shown = m_store->ReadProfileInt("SelectionCompleted", "Show", 1);
    m_store->WriteProfileInt("SelectionCompleted", "Show", shown != 0 ? 0 : 1);
}

void CVeritomApp::ExportXml() {
    CFileDialog::Request request;
    request.save = true;
    request.title = QString::fromStdString(LoadString(ids::kFileDialogExportXml));
    request.folder = QString::fromStdString(m_object->GetFileSaveOpenPath());
    request.filter = QString::fromStdString(LoadString(ids::kFileFilterXml));
    request.defaultSuffix = QStringLiteral("xml");
    const QString path = CFileDialog::Run(m_frame.get(), request);
    if (!path.isEmpty()) {
        m_object->ExportXML(path.toStdString());
    }
}

bool CVeritomApp::SaveModifiedSelection() {
    if (m_promptInProgress || !m_object->IsDirty()) {
        return true;
    }
    CPromptScope prompt(m_promptInProgress);
    const MsgAnswer answer =
        MessageBox(LoadString(ids::kSaveSelection), MsgButtons::YesNo, MsgIcon::Question);
    // A selection the user wanted kept is never thrown away because saving failed or the
    // file dialog was cancelled.
    return answer != MsgAnswer::Yes || OnFileSave();
}

void CVeritomApp::OnFileNew() {
    if (!SaveModifiedSelection()) {
        return;
    }
    m_object->SetCurrentFileName("*");
    NewSelection();
}

bool CVeritomApp::OnFileSave() {
    if (m_object->GetCurrentFileName() == "*") {
        return OnFileSaveAs();
    }
    return m_object->SaveData(m_object->GetCurrentFileName());
}

bool CVeritomApp::OnFileSaveAs() {
    CFileDialog::Request request;
    request.save = true;
    request.title = QString::fromStdString(LoadString(ids::kFileDialogSaveAs));
    request.folder = QString::fromStdString(m_object->GetFileSaveOpenPath());
    request.proposedName = QString::fromStdString(m_object->ProposedSaveName());
    request.filter = CFileDialog::QtFilter(m_object->GetFileFilter());
    request.defaultSuffix = QString::fromStdString(m_object->GetDefaultExtension());
    const QString path = CFileDialog::Run(m_frame.get(), request);
    if (path.isEmpty() || !m_object->SaveData(path.toStdString())) {
        return false;
    }
    RememberFile(path.toStdString());
    return true;
}

void CVeritomApp::OnFileOpen() {
    if (!SaveModifiedSelection()) {
        return;
    }
    // The question has been answered for this command; a language switch on the way must not
    // ask it again.
    CPromptScope prompt(m_promptInProgress);
    CFileDialog::Request request;
    request.title = QString::fromStdString(LoadString(ids::kFileDialogOpen));
    request.folder = QString::fromStdString(m_object->GetFileSaveOpenPath());
    request.proposedName = QString::fromStdString("*." + m_object->GetDefaultExtension());
    request.filter = CFileDialog::QtFilter(m_object->GetFileFilter());
    request.defaultSuffix = QString::fromStdString(m_object->GetDefaultExtension());
    const QString path = CFileDialog::Run(m_frame.get(), request);
    if (path.isEmpty()) {
        return;
    }
    if (OpenSelection(path.toStdString())) {
        RememberFile(path.toStdString());
    }
}

bool CVeritomApp::OpenDocumentFile(const std::string& path) {
    if (!m_object->CheckSelectionFileName(path) || !SaveModifiedSelection()) {
        return false;
    }
    CPromptScope prompt(m_promptInProgress);
    return OpenSelection(path);
}

bool CVeritomApp::OpenSelection(const std::string& path) {
    if (const auto header = ReadSelectionFileHeader(path)) {
        const CSelectionLanguageCheck check =
            CheckSelectionLanguage(*header, GetLanguageCode(), GetLanguages());
        switch (check.action) {
            case CSelectionLanguageCheck::Action::Refuse:
                return false;
            case CSelectionLanguageCheck::Action::SwitchThenOpen:
                // Loaded under any other language, the file's texts would not match the
                // interface and its database.
                if (!SwitchLanguage(check.languageIndex)) {
                    return false;
                }
                break;
            case CSelectionLanguageCheck::Action::Open:
                break;
        }
    }
    if (!m_object->LoadData(path)) {
        return false;
    }
    if (CVeritomView* view = GetView()) {
        view->ShowSelectionState(m_object->IsSelectionComplete());
    }
    return true;
}

std::string CVeritomApp::RecentFileKey() {
    return m_object->GetRegistryKeyPath() + "\\Recent File List";
}

void CVeritomApp::RememberFile(const std::string& path) {
    m_recentFiles.Add(path);
    m_recentFiles.Save(*m_store, RecentFileKey());
    if (m_frame) {
        m_frame->UpdateRecentFiles();
    }
    m_object->RememberFolderOf(path);
}

void CVeritomApp::LoadRecentFiles() {
    m_recentFiles.Load(*m_store, RecentFileKey());
}

bool CVeritomApp::SwitchLanguage(int index) {
    const auto& languages = m_config.GetLanguages();
    if (index < 0 || index >= static_cast<int>(languages.size())) {
        return false;
    }
    OnFileNew();
    if (m_object->IsDirty()) {
        return false;
    }
    if (!m_config.CheckBundle(index) ||
        m_bundle->Load(m_config.GetNetPath(), languages[static_cast<std::size_t>(index)]) !=
            CLanguageBundle::LoadResult::Loaded) {
        return false;
    }
    m_config.SetCurrentIndex(index);
    OnFileNew();
    AfterLanguageSwitch();
    return true;
}

void CVeritomApp::AfterLanguageSwitch() {
    if (m_frame) {
        m_frame->RebuildMenus();
    }
    if (CVeritomView* view = GetView()) {
        view->ReloadButtons();
    }
    m_object->LanguageSwitched();
    UpdateTitles();
    RedrawMainWindow();
}

}  // namespace veritom
