#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "app/CmdUI.h"
#include "app/MenuResource.h"
#include "app/UserMenuItem.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace veritom {

class CVeritomApp;
class CVeritomView;

// The main window: the menu of resource 128 with texts from the string table, a toolbar, a
// status bar, the recent file list and the button panel view as its client area. Menu items
// and toolbar buttons send their commands through the application.
class CMainFrame : public QMainWindow {
public:
    CMainFrame(CVeritomApp& app, std::unique_ptr<CVeritomView> view);
    ~CMainFrame() override;

    CVeritomView* View() const { return m_view; }

    // " Veritom Morvane Valve - New Selection - Untitled"; an empty frame title keeps the
    // one shown before.
    void SetTitles(const std::string& frameTitle, const std::string& documentTitle);
    const std::string& FrameTitle() const { return m_frameTitle; }

    // Menus and toolbar again from the current string table, with the languages, the items
    // added at run time and the recent files; items removed at start-up stay removed.
    void RebuildMenus();
    void InsertUserMenuItem(const CUserMenuItem& item);
    // Removes the command's items from the menu, now and after every rebuild.
    bool RemoveMenuCommand(int commandId);
    void UpdateRecentFiles();
    // Runs the update handlers of every menu item and toolbar button.
    void UpdateCommandUI();

    // The menu item of a command, or nullptr.
    QAction* MenuAction(int commandId) const;
    // The top-level menu at index, or nullptr.
    QMenu* TopMenu(int index) const;
    QToolBar* ToolBar() const { return m_toolBar; }

    // The frame's own commands and the view's (panel buttons); false for any other.
    bool OnCmdMsg(int commandId);
    // After a command: restarts the blinking indicator and redraws the panel at once.
    void AfterCommand();

    // Centres the window on the desktop and shows it.
    void ShowCentred();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildMenuBar();
    QMenu* BuildMenu(const CMenuItem& popup, QWidget* parent);
    QAction* CreateCommandAction(int textId, int commandId, QObject* parent);
    QAction* CreateCommandAction(const QString& text, int commandId, QObject* parent);
    void FillLanguageMenu();
    void BuildToolBar();
    void FillToolBar();
    void BuildStatusBar();
    void UpdateAction(QAction* action);
    bool OnUpdateFrameCommand(int commandId, CCmdUI& cmdUI) const;

    CVeritomApp& m_app;
    CVeritomView* m_view;  // the central widget, owned by the window
    QToolBar* m_toolBar = nullptr;
    std::vector<QMenu*> m_menus;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    std::vector<QAction*> m_recentActions;
    std::vector<int> m_removedCommands;
    std::string m_frameTitle;
    bool m_centred = false;
};

}  // namespace veritom
