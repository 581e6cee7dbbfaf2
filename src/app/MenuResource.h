#pragma once

#include <vector>

namespace veritom {

// One item of a menu description: a command with its text, a separator, a submenu, or the
// place where the recent file list goes.
struct CMenuItem {
    enum class Kind { Command, Separator, Popup, RecentFiles };

    Kind kind = Kind::Command;
    int textId = 0;     // string table id of the text
    int commandId = 0;  // 0 for a disabled placeholder
    std::vector<CMenuItem> items;
};

// Positions in the main menu that the application relies on when it adds and replaces items.
namespace menu {
inline constexpr int kFile = 0;
inline constexpr int kView = 1;
inline constexpr int kTools = 2;
inline constexpr int kVeldorInformation = 3;
inline constexpr int kReference = 4;
inline constexpr int kHelp = 5;
inline constexpr int kFileSavePosition = 2;
inline constexpr int kFilePrintPosition = 5;
inline constexpr int kViewLanguagePosition = 8;
}  // namespace menu

// The main window's menu (resource 128): the top-level submenus in order. Texts are string
// ids, so the current language's table translates them.
const std::vector<CMenuItem>& MainMenuResource();

// The status bar hint of a menu item, by the string id of its text; 0 when it has none.
int MenuHintId(int textId);
// The one command of a submenu that holds nothing else (the menu shows it as a plain item
// under the submenu's own text), or nullptr. A placeholder filled at run time (command 0)
// keeps its submenu.
const CMenuItem* SingleCommand(const CMenuItem& popup);

// The item with the command id anywhere below items, or nullptr.
const CMenuItem* FindMenuCommand(const std::vector<CMenuItem>& items, int commandId);

}  // namespace veritom
