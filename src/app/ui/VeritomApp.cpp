#include "app/ui/VeritomApp.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/NotAvailable.h"
#include "app/SelectionFile.h"
#include "app/VeritomObject.h"
#include "app/ui/CommandEvent.h"
#include "app/ui/CommandRouter.h"
#include "app/ui/ConfigStore.h"
#include "app/ui/DialogManners.h"
#include "app/ui/DocumentCommands.h"
#include "app/ui/FileDialog.h"
#include "app/ui/FocusStyle.h"
#include "app/ui/LanguageBundle.h"
#include "app/ui/LanguageSwitcher.h"
#include "app/ui/MainFrame.h"
#include "app/ui/QtMessageSink.h"
#include "app/ui/QtSelectionDialogs.h"
#include "app/ui/TaskEvent.h"
#include "app/ui/VeritomView.h"
#include "base/ConfigStore.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "tools/orderpad/ui/LocalOrderPadConnection.h"
#include "tools/progress/Progress.h"
#include "tools/progress/ui/LocalProgressTransport.h"
#include "tools/report/ui/ReportLibraryLoader.h"

namespace veritom {

namespace {

// The maker's web host; the pages below it are fixed.
constexpr const char* kWebHost = "https://www.veldor-kastrel.example";

}  // namespace

CVeritomApp* VeritomApp() {
    return dynamic_cast<CVeritomApp*>(QCoreApplication::instance());
}

CVeritomApp::CVeritomApp(int& argc, char** argv)
    : QApplication(argc, argv),
      m_bundle(std::make_unique<CLanguageBundle>()),
      m_dialogs(std::make_unique<CQtSelectionDialogs>([this] { return m_frame.get(); })),
      m_documents(std::make_unique<CDocumentCommands>(*this)),
      m_languages(std::make_unique<CLanguageSwitcher>(*this)),
      m_router(std::make_unique<CCommandRouter>(*this)),
      m_nextUserCommandId(cmd::kUserMenuFirst) {
    installEventFilter(new CDialogManners(this));
    setStyle(new CFocusStyle);
}

CVeritomApp::~CVeritomApp() {
    if (m_object) {
        m_config.SaveLanguage(GetConfigStore(), m_object->GetRegistryKeyPath());
    }
    CProgress::SetTransport(nullptr);
    m_progress.reset();
    m_frame.reset();
    m_router.reset();
    m_languages.reset();
    m_documents.reset();
    m_object.reset();
    m_orderPad.reset();
    m_reportLibrary.reset();
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
    // The command line counts whatever else fails: its file is still opened, its switches
    // still hold.
    m_cmdLine.Parse(arguments);
    m_verification = m_cmdLine.IsVerification();
    const QLocale locale = QLocale::system();
    const bool loaded =
        m_config.Load(GetConfigStore(), m_object->GetRegistryKeyPath(),
                      locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString());
    // The progress program lives in the shared data directory.
    m_progress = std::make_unique<CLocalProgressTransport>(m_config.GetNetPath(),
                                                           [this] { return m_displayName; });
    CProgress::SetTransport(m_progress.get());
    return loaded && LoadLanguage(m_config.GetCurrentIndex());
}

bool CVeritomApp::LoadLanguage(int index) {
    const auto& languages = m_config.GetLanguages();
    if (index < 0 || index >= static_cast<int>(languages.size()) || !m_config.CheckBundle(index) ||
        m_bundle->Load(m_config.GetNetPath(), languages[static_cast<std::size_t>(index)]) !=
            CLanguageBundle::LoadResult::Loaded) {
        return false;
    }
    LoadQtTranslations(languages[static_cast<std::size_t>(index)].code);
    return m_config.SetCurrentIndex(index);
}

void CVeritomApp::LoadQtTranslations(const std::string& languageCode) {
    if (m_qtTranslations) {
        removeTranslator(m_qtTranslations.get());
    }
    m_qtTranslations = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + QString::fromStdString(languageCode).toLower();
    if (m_qtTranslations->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(m_qtTranslations.get());
    }
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
    // Opened on first use, once the message boxes are in place: a damaged store is then
    // reported to the desktop user, not only to standard error.
    if (!m_store) {
        m_store = std::make_unique<CConfigStore>();
    }
    return *m_store;
}

ISelectionDialogs& CVeritomApp::GetDialogs() {
    return *m_dialogs;
}

// The order pad program lives in the shared data directory, known once the configuration
// has been read.
IOrderPadConnection& CVeritomApp::GetOrderPadConnection() {
    if (!m_orderPad) {
        m_orderPad =
            std::make_unique<CLocalOrderPadConnection>(QString::fromStdString(GetNetPath()));
    }
    return *m_orderPad;
}

IReportLibrary& CVeritomApp::GetReportLibrary() {
    if (!m_reportLibrary) {
        m_reportLibrary = std::make_unique<CReportLibraryLoader>();
    }
    return *m_reportLibrary;
}

std::unique_ptr<IReportLibrary> CVeritomApp::ReplaceReportLibrary(
    std::unique_ptr<IReportLibrary> library) {
    std::swap(library, m_reportLibrary);
    return library;
}

std::unique_ptr<ISelectionDialogs> CVeritomApp::ReplaceDialogs(
    std::unique_ptr<ISelectionDialogs> dialogs) {
    std::swap(dialogs, m_dialogs);
    return dialogs;
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
    if (m_cmdLine.GetShellCommand() == CCmdLineInfo::ShellCommand::FileOpen) {
        m_documents->OpenDocumentFile(m_cmdLine.GetFileName());
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
    const bool handled =
        (m_frame && m_frame->OnCmdMsg(commandId)) || m_router->OnCommand(commandId);
    if (handled && m_frame) {
        m_frame->AfterCommand();
        // The keyboard goes back to the main window once a command's dialogs have closed.
        if (m_frame->isVisible() && !activeModalWidget()) {
            m_frame->activateWindow();
        }
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

void CVeritomApp::OnUpdateAddToOrderPad(CCmdUI& cmdUI) {
    cmdUI.Enable(m_object && m_object->IsOrderPadReady());
}

void CVeritomApp::OpenHomePage() {
    Messages().OpenDocument(kWebHost);
}

void CVeritomApp::OpenWebPage(const std::string& path) {
    Messages().OpenDocument(kWebHost + path);
}

}  // namespace veritom
