#pragma once

namespace veritom {

// What an update handler decides for a menu item or toolbar button.
struct CCmdUI {
    bool enabled = true;
    bool checked = false;
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
};

}  // namespace veritom
