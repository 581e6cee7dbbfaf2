#pragma once

#include <string>

#include "app/RecentFileList.h"

namespace veritom {

class CVeritomApp;
class CVeritomObject;

// The document and file commands of the application: New, Open, Save, Save As, opening by
// the command line or the recent file list, the XML export, the "Save your current
// selection?" question and the recent file list.
class CDocumentCommands {
public:
    explicit CDocumentCommands(CVeritomApp& app);

    void OnFileNew();
    // A new selection without asking (the question has been answered).
    void StartNewSelection();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // Opening by the command line or from the recent file list: no dialog.
    bool OpenDocumentFile(const std::string& path);
    void OpenRecentFile(int index);
    void ExportXml();

    // Asks string 507 when the selection has changes; false when the user wanted it saved
    // and it was not.
    bool SaveModifiedSelection();
    bool IsPromptInProgress() const { return m_promptInProgress; }

    void LoadRecentFiles();
    const CRecentFileList& GetRecentFiles() const { return m_recentFiles; }

private:
    CVeritomObject& Object();
    // Steps shared by Open, the command line and the recent file list: language check,
    // loading, the view's selection-complete state.
    bool OpenSelection(const std::string& path);
    void RememberFile(const std::string& path);
    std::string RecentFileKey();

    CVeritomApp& m_app;
    CRecentFileList m_recentFiles;
    bool m_promptInProgress = false;
};

}  // namespace veritom
