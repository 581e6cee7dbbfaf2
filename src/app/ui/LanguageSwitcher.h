#pragma once

namespace veritom {

class CVeritomApp;

// Switches the interface language: the selection is offered for saving and started anew,
// the language bundle is loaded, then menus, panel, database and titles follow.
class CLanguageSwitcher {
public:
    explicit CLanguageSwitcher(CVeritomApp& app);

    // Makes language index the interface language; false when it could not be switched.
    bool SwitchLanguage(int index);

private:
    void AfterLanguageSwitch();

    CVeritomApp& m_app;
};

}  // namespace veritom
