#include "app/ui/DocumentCommands.h"

#include "app/AppStrings.h"
#include "app/SelectionFile.h"
#include "app/VeritomObject.h"
#include "app/ui/FileDialog.h"
#include "app/ui/LanguageSwitcher.h"
#include "app/ui/MainFrame.h"
#include "app/ui/VeritomApp.h"
#include "app/ui/VeritomView.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace veritom {

namespace {

constexpr int kRecentFileCount = 4;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

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

}  // namespace

CDocumentCommands::CDocumentCommands(CVeritomApp& app)
    : m_app(app), m_recentFiles(kRecentFileCount) {}

CVeritomObject& CDocumentCommands::Object() {
    return *m_app.GetSelectionObject();
}

bool CDocumentCommands::SaveModifiedSelection() {
    if (m_promptInProgress || !Object().IsDirty()) {
        return true;
    }
    CPromptScope prompt(m_promptInProgress);
    const MsgAnswer answer =
        MessageBox(LoadString(ids::kSaveSelection), MsgButtons::YesNoCancel, MsgIcon::Question);
    // Cancel keeps everything; a selection the user wanted kept is never thrown away because
    // saving failed or the file dialog was cancelled.
    if (answer == MsgAnswer::Cancel) {
        return false;
    }
    return answer != MsgAnswer::Yes || OnFileSave();
}

void CDocumentCommands::OnFileNew() {
    if (!SaveModifiedSelection()) {
        return;
    }
    StartNewSelection();
}

void CDocumentCommands::StartNewSelection() {
    Object().SetCurrentFileName("*");
    m_app.NewSelection();
}

bool CDocumentCommands::OnFileSave() {
    if (Object().GetCurrentFileName() == "*") {
        return OnFileSaveAs();
    }
    return Object().SaveData(Object().GetCurrentFileName());
}

bool CDocumentCommands::OnFileSaveAs() {
    CFileDialog::Request request;
    request.save = true;
    request.title = Text(ids::kFileDialogSaveAs);
    request.folder = QString::fromStdString(Object().GetFileSaveOpenPath());
    request.proposedName = QString::fromStdString(Object().ProposedSaveName());
    request.filter = CFileDialog::QtFilter(Object().GetFileFilter());
    request.defaultSuffix = QString::fromStdString(Object().GetDefaultExtension());
    const QString path = CFileDialog::Run(m_app.GetMainFrame(), request);
    if (path.isEmpty() || !Object().SaveData(path.toStdString())) {
        return false;
    }
    RememberFile(path.toStdString());
    return true;
}

void CDocumentCommands::OnFileOpen() {
    if (!SaveModifiedSelection()) {
        return;
    }
    // The question has been answered for this command; a language switch on the way must not
    // ask it again.
    CPromptScope prompt(m_promptInProgress);
    CFileDialog::Request request;
    request.title = Text(ids::kFileDialogOpen);
    request.folder = QString::fromStdString(Object().GetFileSaveOpenPath());
    request.proposedName = QString::fromStdString("*." + Object().GetDefaultExtension());
    request.filter = CFileDialog::QtFilter(Object().GetFileFilter());
    request.defaultSuffix = QString::fromStdString(Object().GetDefaultExtension());
    const QString path = CFileDialog::Run(m_app.GetMainFrame(), request);
    if (path.isEmpty()) {
        return;
    }
    if (OpenSelection(path.toStdString())) {
        RememberFile(path.toStdString());
    }
}

bool CDocumentCommands::OpenDocumentFile(const std::string& path) {
    if (!Object().CheckSelectionFileName(path) || !SaveModifiedSelection()) {
        return false;
    }
    CPromptScope prompt(m_promptInProgress);
    return OpenSelection(path);
}

void CDocumentCommands::OpenRecentFile(int index) {
    const auto& entries = m_recentFiles.Entries();
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) {
        OpenDocumentFile(entries[static_cast<std::size_t>(index)]);
    }
}

bool CDocumentCommands::OpenSelection(const std::string& path) {
    // The whole file is read and checked before the language is switched, since switching
    // starts a new selection.
    std::unique_ptr<CPendingSelection> pending = Object().ReadData(path);
    if (!pending) {
        return false;
    }
    const CSelectionLanguageCheck check =
        CheckSelectionLanguage(pending->header, m_app.GetLanguageCode(), m_app.GetLanguages());
    switch (check.action) {
        case CSelectionLanguageCheck::Action::Refuse:
            return false;
        case CSelectionLanguageCheck::Action::SwitchThenOpen:
            // Loaded under any other language, the file's texts would not match the
            // interface and its database.
            if (!m_app.Languages().SwitchLanguage(check.languageIndex)) {
                return false;
            }
            break;
        case CSelectionLanguageCheck::Action::Open:
            break;
    }
    if (!Object().ApplyData(std::move(pending))) {
        return false;
    }
    if (CVeritomView* view = m_app.GetView()) {
        view->ShowSelectionState(Object().IsSelectionComplete());
    }
    return true;
}

void CDocumentCommands::ExportXml() {
    CFileDialog::Request request;
    request.save = true;
    request.title = Text(ids::kFileDialogExportXml);
    request.folder = QString::fromStdString(Object().GetFileSaveOpenPath());
    request.filter = Text(ids::kFileFilterXml);
    request.defaultSuffix = QStringLiteral("xml");
    const QString path = CFileDialog::Run(m_app.GetMainFrame(), request);
    if (!path.isEmpty()) {
        Object().ExportXML(path.toStdString());
    }
}

std::string CDocumentCommands::RecentFileKey() {
    return Object().GetRegistryKeyPath() + "\\Recent File List";
}

void CDocumentCommands::RememberFile(const std::string& path) {
    m_recentFiles.Add(path);
    m_recentFiles.Save(m_app.GetConfigStore(), RecentFileKey());
    if (CMainFrame* frame = m_app.GetMainFrame()) {
        frame->UpdateRecentFiles();
    }
    Object().RememberFolderOf(path);
}

void CDocumentCommands::LoadRecentFiles() {
    m_recentFiles.Load(m_app.GetConfigStore(), RecentFileKey());
}

}  // namespace veritom
