#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppConfiguration.h"
#include "app/CmdLineInfo.h"
#include "app/CmdUI.h"
#include "app/UserMenuItem.h"
#include "app/VeritomAppInterface.h"

class QTranslator;

namespace veritom {

class CCommandRouter;
class CConfigStore;
class CDaoException;
class CDocumentCommands;
class CLanguageSwitcher;
class CLocalOrderPadConnection;
class CLocalProgressTransport;
class CReportLibraryLoader;
class CLanguageBundle;
class CMainFrame;
class IMessageSink;
class CQtMessageSink;
class CVeritomObject;
class CVeritomView;

// The framework application shared by the products of the selection-software family: reads
// the installation's configuration, loads the language bundle, owns the one selection object
// and the parts that run the commands (document commands, language switch, command router),
// and is the one place where database engine failures are caught (notify).
class CVeritomApp : public QApplication, public IVeritomApp {
public:
    CVeritomApp(int& argc, char** argv);
    ~CVeritomApp() override;

    // Start-up; false when the program cannot run. The product fills it in.
    virtual bool InitInstance() = 0;
    // Shut-down before the event loop's end is returned from main.
    virtual void ExitInstance();

    // IVeritomApp
    std::string GetLanguageCode() const override;
    std::string GetLanguageName() const override;
    int GetLanguageStringId() const override;
    std::string GetReferenceDir() const override;
    const std::vector<LanguageInfo>& GetLanguages() const override;
    int GetCurrentLanguageIndex() const override;
    bool IsVerificationMode() const override { return m_verification; }
    std::string GetNetPath() const override;
    std::string GetLocalPath() const override;
    std::string GetVeritomRootPath() const override;
    IConfigStore& GetConfigStore() override;
    ISelectionDialogs& GetDialogs() override;
    IOrderPadConnection& GetOrderPadConnection() override;
    IReportLibrary& GetReportLibrary() override;
    // Puts dialogs in place of the ones the selection objects open and returns those (tests
    // wrap the program's dialogs to answer a step they do not drive). Workflows created
    // before keep the dialogs they were given.
    std::unique_ptr<ISelectionDialogs> ReplaceDialogs(std::unique_ptr<ISelectionDialogs> dialogs);
    // Puts library in place of the installation's report library for every report from now
    // on and returns the one used so far (tests read the reports the program makes).
    std::unique_ptr<IReportLibrary> ReplaceReportLibrary(std::unique_ptr<IReportLibrary> library);
    void RefreshButtonPanel() override;
    void RedrawMainWindow() override;
    void SetDocumentTitle(const std::string& title) override;

    // Operations a product may replace.
    virtual void RunRapidSelection() {}
    virtual std::string GetFrameTitle() { return {}; }
    virtual void NewSelection() {}
    virtual void ShowAbout() {}
    virtual void OnUpdateViewOrderPad(CCmdUI&) {}
    virtual void OnUpdateAddToOrderPad(CCmdUI& cmdUI);
    virtual void OnUpdateRapidSelection(CCmdUI&) {}
    virtual void OpenHomePage();
    // A page below the maker's web host.
    void OpenWebPage(const std::string& path);
    bool HasWebLinks() const { return m_webLinks; }

    CVeritomObject* GetSelectionObject() const { return m_object.get(); }
    void SetSelectionObject(std::unique_ptr<CVeritomObject> object);
    // Inserts a string item with the next free user command id at position of the top-level
    // menu submenu, records it, and returns the id used.
    int AddUserMenuItem(int submenu, int position, int textId);
    const std::vector<CUserMenuItem>& GetUserMenuItems() const { return m_userMenuItems; }
    std::string GetCADViewerName() const { return m_config.GetCADViewerName(); }
    std::string GetCADObjectDLLName() const { return m_config.GetCADObjectDLLName(); }
    std::string GetCADObjectHelpFile() const { return m_config.GetCADObjectHelpFile(); }

    // Delivers a command through notify, as a menu item or button does.
    void SendCommand(int commandId);
    // Runs task through notify: an engine failure in it is reported and ends only the task.
    void RunTask(std::function<void()> task);

    CDocumentCommands& Documents() { return *m_documents; }
    CLanguageSwitcher& Languages() { return *m_languages; }
    CCommandRouter& Router() { return *m_router; }

    // Loads the bundle of language index and makes it the current language; false (with a
    // message) when its bundle cannot be loaded.
    bool LoadLanguage(int index);
    void UpdateTitles();

    bool notify(QObject* receiver, QEvent* event) override;

    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CVeritomView* GetView() const;
    const std::string& GetDocumentTitle() const { return m_documentTitle; }
    const CAppConfiguration& GetConfiguration() const { return m_config; }
    const CCmdLineInfo& GetCommandLine() const { return m_cmdLine; }
    const CLanguageBundle& GetBundle() const { return *m_bundle; }
    const std::string& GetDisplayName() const { return m_displayName; }

    // Message boxes, the wait cursor and the desktop through Qt (the program installs it;
    // tests keep their recorder).
    void UseQtMessageSink();

protected:
    bool event(QEvent* event) override;

    // The framework part of start-up: configuration, language bundle, command line. False
    // when it ended early; start-up goes on regardless.
    bool InitFramework(const std::vector<std::string>& arguments);
    void SetDisplayName(std::string name);
    // Creates the main frame around view (the single document window).
    void CreateDocumentWindow(std::unique_ptr<CVeritomView> view);
    // Opens the file named on the command line, if any; run once the main window shows, so
    // that what it says appears over the window.
    bool ProcessShellCommand();
    // The command line without the program's name.
    static std::vector<std::string> ProgramArguments();

private:
    void RouteCommand(int commandId);
    // Qt's own texts (file dialogs, standard buttons, key names) in the interface language.
    void LoadQtTranslations(const std::string& languageCode);
    void ReportEngineFailure(const CDaoException& failure);

    std::unique_ptr<CConfigStore> m_store;
    std::unique_ptr<CLanguageBundle> m_bundle;
    std::unique_ptr<CQtMessageSink> m_sink;
    IMessageSink* m_previousSink = nullptr;
    std::unique_ptr<ISelectionDialogs> m_dialogs;
    std::unique_ptr<CLocalProgressTransport> m_progress;
    std::unique_ptr<QTranslator> m_qtTranslations;
    std::unique_ptr<CLocalOrderPadConnection> m_orderPad;
    std::unique_ptr<IReportLibrary> m_reportLibrary;
    std::unique_ptr<CVeritomObject> m_object;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CDocumentCommands> m_documents;
    std::unique_ptr<CLanguageSwitcher> m_languages;
    std::unique_ptr<CCommandRouter> m_router;
    CAppConfiguration m_config;
    CCmdLineInfo m_cmdLine;
    std::vector<CUserMenuItem> m_userMenuItems;
    std::string m_displayName;
    std::string m_documentTitle;
    int m_nextUserCommandId;
    bool m_verification = false;
    bool m_webLinks = true;
};

// The running application, or nullptr.
CVeritomApp* VeritomApp();

}  // namespace veritom
