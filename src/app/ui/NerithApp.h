#pragma once

#include "app/ui/VeritomApp.h"

namespace veritom {

class CNerithObject;

// The Morvane Valve application: creates the product's selection object, starts up in the
// order the product needs, adds its run-time menu items and names the main window.
class CNerithApp : public CVeritomApp {
public:
    CNerithApp(int& argc, char** argv);

    bool InitInstance() override;
    void ExitInstance() override;

    std::string GetFrameTitle() override;
    void NewSelection() override;
    void ShowAbout() override;
    void RunRapidSelection() override;

    CNerithObject* GetNerithObject() const;

private:
    void AddRunTimeMenuItems(CNerithObject& object);
};

}  // namespace veritom
