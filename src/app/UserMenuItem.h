#pragma once

namespace veritom {

// A menu item the application adds at run time. The text is loaded when the item is shown,
// so a language switch translates it.
struct CUserMenuItem {
    int submenu = 0;   // index of the top-level menu
    int position = 0;  // position inside it
    int textId = 0;    // string table id
    int commandId = 0;
};

}  // namespace veritom
