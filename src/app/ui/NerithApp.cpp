#include "app/ui/NerithApp.h"

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/MenuResource.h"
#include "app/NerithObject.h"
#include "app/ui/DocumentCommands.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NerithView.h"
#include "app/ui/ToolWiring.h"
#include "base/StringTable.h"
#include "data/Database.h"
#include "tools/ToolStrings.h"

namespace veritom {

namespace {}  // namespace

CNerithApp::CNerithApp(int& argc, char** argv) : CVeritomApp(argc, argv) {}

CNerithObject* CNerithApp::GetNerithObject() const {
    return dynamic_cast<CNerithObject*>(GetSelectionObject());
}

bool CNerithApp::InitInstance() {
    auto object = std::make_unique<CNerithObject>(*this);
    CNerithObject& nerith = *object;
    SetSelectionObject(std::move(object));
    SetDisplayName(LoadString(ids::kApplicationName));

    // Neither result ends start-up: a missing configuration or database is reported where it
    // is found, and the window still opens.
    InitFramework(ProgramArguments());
    nerith.Initialize();

    Documents().LoadRecentFiles();
    CreateDocumentWindow(std::make_unique<CNerithView>(*this));
    Documents().StartNewSelection();
    GetMainFrame()->RemoveMenuCommand(cmd::kVeritomUpdates);
    AddRunTimeMenuItems(nerith);
    GetMainFrame()->ShowCentred();
    GetView()->OnInitialUpdate();
    GetMainFrame()->UpdateCommandUI();
    ShowStartupSplash(*this);
    // A file named on the command line opens over the window; whatever it says about the
    // file appears there, and a file that cannot be opened leaves the new selection.
    return ProcessShellCommand();
}

void CNerithApp::ExitInstance() {
    // The unit catalogue is a fixed table of the program; there are no entries to delete.
    CVeritomApp::ExitInstance();
}

void CNerithApp::AddRunTimeMenuItems(CNerithObject& object) {
    // A database that fails here is reported, and start-up goes on without the item.
    bool offerSpecialityValves = false;
    RunTask([&] {
        offerSpecialityValves = object.GetDatabase().IsOpen() && object.HasSpecialityValves();
    });
    int specialityValves = -1;
    if (offerSpecialityValves) {
        specialityValves = AddUserMenuItem(menu::kReference, 0, ids::kMenuSpecialityValves);
    }
    const int interchange = AddUserMenuItem(menu::kTools, 0, ids::kMenuInterchange);
    const int unitConversion = AddUserMenuItem(menu::kTools, 4, ids::kMenuUnitConversion);
    object.SetUserMenuIds(specialityValves, interchange, unitConversion);
}

std::string CNerithApp::GetFrameTitle() {
    return " Veritom " + GetDisplayName();
}

void CNerithApp::NewSelection() {
    if (CNerithObject* object = GetNerithObject()) {
        object->NewData();
    }
    RefreshButtonPanel();
    SetDocumentTitle(LoadString(ids::kNewSelectionTitle));
}

void CNerithApp::ShowAbout() {
    ShowAboutBox(*this);
}

void CNerithApp::RunRapidSelection() {
    if (CNerithObject* object = GetNerithObject()) {
        StartRapidSelection(*this, object->DialogContext());
    }
}

}  // namespace veritom
