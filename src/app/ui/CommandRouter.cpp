#include "app/ui/CommandRouter.h"

#include <optional>

#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/NotAvailable.h"
#include "app/VeritomObject.h"
#include "app/ui/DocumentCommands.h"
#include "app/ui/LanguageSwitcher.h"
#include "app/ui/VeritomApp.h"
#include "base/ConfigStore.h"

namespace veritom {

namespace {

std::optional<InfoCommand> InfoCommandOf(int commandId) {
    switch (commandId) {
        case cmd::kContactingVeldor:
            return InfoCommand::ContactingVeldor;
        case cmd::kVeldorLocations:
            return InfoCommand::VeldorLocations;
        case cmd::kOfferOfSale:
            return InfoCommand::OfferOfSale;
        case cmd::kProductsAndServices:
            return InfoCommand::ProductsAndServices;
        case cmd::kRelatedProducts:
            return InfoCommand::RelatedProducts;
        case cmd::kLicenseAgreement:
            return InfoCommand::LicenseAgreement;
        case cmd::kProductSupport:
            return InfoCommand::ProductSupport;
        case cmd::kHelpSearch:
            return InfoCommand::HelpSearch;
        case cmd::kHelpContents:
            return InfoCommand::HelpContents;
        case cmd::kReferenceContents:
            return InfoCommand::ReferenceContents;
        case cmd::kSearchReference:
            return InfoCommand::SearchReference;
        case cmd::kReferenceGlossary:
            return InfoCommand::ReferenceGlossary;
        default:
            break;
    }
    return std::nullopt;
}

std::optional<CadCommand> CadCommandOf(int commandId) {
    switch (commandId) {
        case cmd::kCadDrawing:
            return CadCommand::Drawing;
        case cmd::kSaveCad:
            return CadCommand::Save;
        case cmd::kPrintDxf:
            return CadCommand::PrintDxf;
        case cmd::kPrintHpgl:
            return CadCommand::PrintHpgl;
        case cmd::kCadPreferences:
            return CadCommand::Preferences;
        default:
            break;
    }
    return std::nullopt;
}

const char* WebPageOf(int commandId) {
    switch (commandId) {
        case cmd::kVeritomHomePage:
        case cmd::kVeritomUpdates:
            return "/veritominfo";
        case cmd::kVeritomProducts:
            return "/veritominfo/products/index.htm";
        case cmd::kVeritomSupport:
            return "/veritominfo/current/support.htm";
        default:
            break;
    }
    return nullptr;
}

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

}  // namespace

CCommandRouter::CCommandRouter(CVeritomApp& app) : m_app(app) {}

bool CCommandRouter::OnCommand(int commandId) {
    CVeritomObject* object = m_app.GetSelectionObject();
    if (!object) {
        return false;
    }
    CDocumentCommands& documents = m_app.Documents();
    switch (commandId) {
        case cmd::kFileNew:
            documents.OnFileNew();
            return true;
        case cmd::kFileOpen:
            documents.OnFileOpen();
            return true;
        case cmd::kFileSave:
            documents.OnFileSave();
            return true;
        case cmd::kFileSaveAs:
            documents.OnFileSaveAs();
            return true;
        case cmd::kViewOrderPad:
            ShowNotAvailable(ids::kNameOrderPad);
            return true;
        case cmd::kToolsAddToOrderPad:
            object->AddToOrderPad();
            return true;
        case cmd::kToolsRapidSelection:
            m_app.RunRapidSelection();
            return true;
        case cmd::kViewSelectionCompleteOptions:
            ToggleSelectionCompleteOptions();
            return true;
        case cmd::kVeldorHomePage:
            m_app.OpenHomePage();
            return true;
        case cmd::kTipOfTheDay:
            ShowNotAvailable(ids::kNameTipOfTheDay);
            return true;
        case cmd::kAppAbout:
            m_app.ShowAbout();
            return true;
        case cmd::kExportXml:
            documents.ExportXml();
            return true;
        case cmd::kStartupScreens:
            object->ShowStartupScreens();
            if (m_app.GetCommandLine().ShowSplash()) {
                ShowNotAvailable(ids::kNameTipOfTheDay);
            }
            return true;
        default:
            break;
    }
    if (const char* page = WebPageOf(commandId)) {
        m_app.OpenWebPage(page);
        return true;
    }
    if (InRange(commandId, cmd::kLanguageFirst, cmd::kLanguageLast)) {
        m_app.Languages().SwitchLanguage(commandId - cmd::kLanguageFirst);
        return true;
    }
    if (InRange(commandId, cmd::kFileMruFirst, cmd::kFileMruFirst + cmd::kFileMruCount - 1)) {
        documents.OpenRecentFile(commandId - cmd::kFileMruFirst);
        return true;
    }
    return RouteObjectCommand(commandId);
}

bool CCommandRouter::RouteObjectCommand(int commandId) {
    CVeritomObject& object = *m_app.GetSelectionObject();
    switch (commandId) {
        case cmd::kFilePrintSelection:
            object.OnFilePrintSelection(true);
            return true;
        case cmd::kFilePrintDirect:
            object.OnFilePrintSelection(false);
            return true;
        case cmd::kViewReference:
            object.ViewReferenceTopic("");
            return true;
        case cmd::kViewSelectionReport:
            object.OnViewSelectionReport();
            return true;
        case cmd::kToolsOptions:
            object.OnToolOptions();
            return true;
        default:
            break;
    }
    if (const auto info = InfoCommandOf(commandId)) {
        object.OnInfoCommand(*info);
        return true;
    }
    if (const auto cad = CadCommandOf(commandId)) {
        object.OnCadCommand(*cad);
        return true;
    }
    if (InRange(commandId, cmd::kUserMenuFirst, cmd::kUserMenuLast)) {
        object.OnUserMenuCommand(commandId);
        return true;
    }
    return false;
}

bool CCommandRouter::OnUpdateCommand(int commandId, CCmdUI& cmdUI) {
    if (!m_app.GetSelectionObject()) {
        return false;
    }
    switch (commandId) {
        case cmd::kViewOrderPad:
            m_app.OnUpdateViewOrderPad(cmdUI);
            return true;
        case cmd::kToolsAddToOrderPad:
            m_app.OnUpdateAddToOrderPad(cmdUI);
            return true;
        case cmd::kToolsRapidSelection:
            m_app.OnUpdateRapidSelection(cmdUI);
            return true;
        case cmd::kViewSelectionCompleteOptions:
            cmdUI.SetCheck(m_app.GetConfigStore().ReadProfileInt("SelectionCompleted", "Show", 1) !=
                           0);
            return true;
        case cmd::kVeritomHomePage:
        case cmd::kVeritomProducts:
        case cmd::kVeritomSupport:
        case cmd::kVeritomUpdates:
        case cmd::kVeldorHomePage:
            cmdUI.Enable(m_app.HasWebLinks());
            return true;
        default:
            break;
    }
    if (InRange(commandId, cmd::kLanguageFirst, cmd::kLanguageLast)) {
        cmdUI.SetCheck(commandId - cmd::kLanguageFirst == m_app.GetCurrentLanguageIndex());
        return true;
    }
    return RouteObjectUpdate(commandId, cmdUI);
}

bool CCommandRouter::RouteObjectUpdate(int commandId, CCmdUI& cmdUI) {
    CVeritomObject& object = *m_app.GetSelectionObject();
    switch (commandId) {
        case cmd::kFilePrintSelection:
            object.OnUpdatePrintSelection(cmdUI);
            return true;
        case cmd::kViewSelectionReport:
            object.OnUpdateViewSelectionReport(cmdUI);
            return true;
        case cmd::kToolsOptions:
            object.OnUpdateToolOptions(cmdUI);
            return true;
        case cmd::kExportXml:
            object.OnUpdateExportXML(cmdUI);
            return true;
        default:
            break;
    }
    if (const auto info = InfoCommandOf(commandId)) {
        object.OnUpdateInfoCommand(*info, cmdUI);
        return true;
    }
    if (const auto cad = CadCommandOf(commandId)) {
        object.OnUpdateCadCommand(*cad, cmdUI);
        return true;
    }
    return false;
}

void CCommandRouter::ToggleSelectionCompleteOptions() {
    const int shown = m_app.GetConfigStore().ReadProfileInt("SelectionCompleted", "Show", 1);
    m_app.GetConfigStore().WriteProfileInt("SelectionCompleted", "Show", shown != 0 ? 0 : 1);
}

}  // namespace veritom
