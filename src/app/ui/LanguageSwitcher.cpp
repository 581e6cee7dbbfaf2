#include "app/ui/LanguageSwitcher.h"

#include "app/VeritomObject.h"
#include "app/ui/DocumentCommands.h"
#include "app/ui/LanguageBundle.h"
#include "app/ui/MainFrame.h"
#include "app/ui/VeritomApp.h"
#include "app/ui/VeritomView.h"

namespace veritom {

CLanguageSwitcher::CLanguageSwitcher(CVeritomApp& app) : m_app(app) {}

bool CLanguageSwitcher::SwitchLanguage(int index) {
    const auto& languages = m_app.GetLanguages();
    if (index < 0 || index >= static_cast<int>(languages.size())) {
        return false;
    }
    // Everything that can fail comes before the selection is given up: a failed or cancelled
    // switch changes nothing.
    CDocumentCommands& documents = m_app.Documents();
    CVeritomObject& object = *m_app.GetSelectionObject();
    if (!object.CanSwitchLanguage(languages[static_cast<std::size_t>(index)]) ||
        !m_app.GetConfiguration().CheckBundle(index) || !documents.SaveModifiedSelection() ||
        !m_app.LoadLanguage(index)) {
        return false;
    }
    documents.StartNewSelection();
    AfterLanguageSwitch();
    return true;
}

void CLanguageSwitcher::AfterLanguageSwitch() {
    if (CMainFrame* frame = m_app.GetMainFrame()) {
        frame->RebuildMenus();
    }
    if (CVeritomView* view = m_app.GetView()) {
        view->ReloadButtons();
    }
    m_app.GetSelectionObject()->LanguageSwitched();
    m_app.UpdateTitles();
    m_app.RedrawMainWindow();
}

}  // namespace veritom
