#include "MenuResource.h"

#include "app/AppStrings.h"
#include "app/CommandIds.h"

namespace veritom {

namespace {

CMenuItem Command(int textId, int commandId) {
    return {CMenuItem::Kind::Command, textId, commandId, {}};
}

CMenuItem Separator() {
    return {CMenuItem::Kind::Separator, 0, 0, {}};
}

CMenuItem Popup(int textId, std::vector<CMenuItem> items) {
    return {CMenuItem::Kind::Popup, textId, 0, std::move(items)};
}

std::vector<CMenuItem> BuildMainMenu() {
    using namespace ids;
    return {
        Popup(kMenuFile,
              {Command(kMenuNew, cmd::kFileNew), Command(kMenuOpen, cmd::kFileOpen),
               Popup(kMenuSave, {Command(kMenuSelection, cmd::kFileSave)}),
               Popup(kMenuSaveAs, {Command(kMenuSelection, cmd::kFileSaveAs)}), Separator(),
               Popup(kMenuPrint, {Command(kMenuSelection, cmd::kFilePrintSelection)}), Separator(),
               CMenuItem{CMenuItem::Kind::RecentFiles, kMenuRecentFile, 0, {}}, Separator(),
               Command(kMenuExit, cmd::kAppExit)}),
        Popup(kMenuView,
              {Command(kMenuSelectionReport, cmd::kViewSelectionReport),
               Command(kMenuOrderPad, cmd::kViewOrderPad), Separator(),
               Command(kMenuToolbar, cmd::kViewToolbar),
               Command(kMenuStatusBar, cmd::kViewStatusBar), Separator(),
               Command(kMenuSelectionCompleteOptions, cmd::kViewSelectionCompleteOptions),
               Separator(), Popup(kMenuLanguage, {Command(kMenuLanguagePlaceholder, 0)})}),
        Popup(kMenuTools, {Command(kMenuRapidSelection, cmd::kToolsRapidSelection), Separator(),
                           Command(kMenuAddToOrderPad, cmd::kToolsAddToOrderPad), Separator(),
                           Command(kMenuOptions, cmd::kToolsOptions)}),
        Popup(kMenuVeldorInformation,
              {Command(kMenuContactingVeldor, cmd::kContactingVeldor),
               Command(kMenuVeldorLocations, cmd::kVeldorLocations),
               Command(kMenuOfferOfSale, cmd::kOfferOfSale),
               Command(kMenuProductsAndServices, cmd::kProductsAndServices)}),
        Popup(kMenuReference, {Command(kMenuReferenceContents, cmd::kReferenceContents)}),
        Popup(kMenuHelp,
              {Command(kMenuTipOfTheDay, cmd::kTipOfTheDay), Separator(),
               Command(kMenuHelpContents, cmd::kHelpContents),
               Command(kMenuProductSupport, cmd::kProductSupport),
               Command(kMenuLicenseAgreement, cmd::kLicenseAgreement), Separator(),
               Popup(kMenuVeritomOnTheWeb, {Command(kMenuVeritomHomePage, cmd::kVeritomHomePage),
                                            Command(kMenuVeritomProducts, cmd::kVeritomProducts),
                                            Command(kMenuVeritomSupport, cmd::kVeritomSupport),
                                            Command(kMenuVeritomUpdates, cmd::kVeritomUpdates)}),
               Popup(kMenuVeldorOnTheWeb, {Command(kMenuVeldorHomePage, cmd::kVeldorHomePage)}),
               Separator(), Command(kMenuAbout, cmd::kAppAbout)}),
    };
}

}  // namespace

const std::vector<CMenuItem>& MainMenuResource() {
    static const std::vector<CMenuItem> menu = BuildMainMenu();
    return menu;
}

const CMenuItem* FindMenuCommand(const std::vector<CMenuItem>& items, int commandId) {
    for (const CMenuItem& item : items) {
        if (item.kind == CMenuItem::Kind::Command && item.commandId == commandId) {
            return &item;
        }
        if (const CMenuItem* found = FindMenuCommand(item.items, commandId)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace veritom
