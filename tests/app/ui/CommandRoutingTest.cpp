#include <sqlite3.h>
#include <QAction>
#include <QDialog>
#include <QFile>

#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/ui/FileDialog.h"
#include "base/ConfigStore.h"

namespace veritom::test {
namespace {

class CommandRoutingTest : public ShellTest {
protected:
    void SetUp() override { Start(); }
};

std::string NotAvailable(const std::string& name) {
    return "\"" + name + "\" is not available in this version of the selector.";
}

std::string MustDefine(const std::string& signature) {
    return "You must define a " + signature + " method in your class derived from CVeritomObject.";
}

TEST_F(CommandRoutingTest, EachCommandReachesItsOperation) {
    struct Case {
        int command;
        std::string box;      // the one message box expected, or empty
        std::string opened;   // the end of the document or page opened, or empty
        std::string help;     // the end of the help file and topic shown, or empty
        QString dialog = {};  // the object name of the window it opens, or empty
    };
    const std::string host = "https://www.veldor-kastrel.example";
    const Case cases[] = {
        {cmd::kToolsOptions, MustDefine("OnToolOptions()"), "", ""},
        // Tools, Options is never enabled; the items a user can reach never say "You must define".
        {cmd::kViewSelectionReport, NotAvailable("Selection Report"), "", ""},
        {cmd::kFilePrintSelection, NotAvailable("Selection Report"), "", ""},
        {cmd::kFilePrintDirect, NotAvailable("Selection Report"), "", ""},
        {cmd::kViewReference, "", "Reference/EN/Reference.pdf", ""},
        {cmd::kReferenceContents, "", "Reference/EN/Reference.pdf", ""},
        {cmd::kContactingVeldor, "", "Reference/EN/Contacting.pdf", ""},
        {cmd::kVeldorLocations, "", "Reference/EN/Locations.pdf", ""},
        {cmd::kOfferOfSale, "", "Reference/EN/OfferOfSale.pdf", ""},
        {cmd::kProductsAndServices, "", "Reference/EN/Products.pdf", ""},
        {cmd::kRelatedProducts, "", "Reference/EN/RelatedProducts.pdf", ""},
        {cmd::kLicenseAgreement, "", "Reference/EN/License.pdf", ""},
        {cmd::kProductSupport, "", "Reference/EN/Support.pdf", ""},
        {cmd::kHelpContents, "", "", "MorvaneEN.hlp#0"},
        {cmd::kHelp, "", "", "MorvaneEN.hlp#0"},
        {cmd::kHelpSearch, "", "", ""},
        {cmd::kSearchReference, "", "", ""},
        {cmd::kReferenceGlossary, "", "", ""},
        {cmd::kVeritomHomePage, "", host + "/veritominfo", ""},
        {cmd::kVeritomProducts, "", host + "/veritominfo/products/index.htm", ""},
        {cmd::kVeritomSupport, "", host + "/veritominfo/current/support.htm", ""},
        {cmd::kVeritomUpdates, "", host + "/veritominfo", ""},
        {cmd::kVeldorHomePage, "", host, ""},
        {cmd::kViewOrderPad, NotAvailable("OrderPad"), "", ""},
        {cmd::kToolsAddToOrderPad, "", "", ""},
        {cmd::kToolsRapidSelection, NotAvailable("Rapid Selection"), "", ""},
        {cmd::kTipOfTheDay, NotAvailable("Tip of the Day"), "", ""},
        {cmd::kAppAbout, NotAvailable("About Veritom"), "", ""},
        {cmd::kCadDrawing, "", "", ""},
        {cmd::kCadPreferences, "", "", ""},
        {cmd::kUserMenuFirst, NotAvailable("Speciality Valves"), "", ""},
        {cmd::kUserMenuFirst + 1, NotAvailable("Competitor Part Number Interchange"), "", ""},
        {cmd::kUserMenuFirst + 2, "", "", "", QStringLiteral("unitConverterDialog")},
        {cmd::kUserMenuFirst + 3, "", "", ""},
        {cmd::kUserMenuLast, "", "", ""},
        // The panel has four buttons; identifiers past them route nowhere.
        {cmd::kPanelButtonFirst + 4, "", "", ""},
        {cmd::kPanelButtonLast + 1, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        m_messages.boxes.clear();
        m_messages.opened.clear();
        m_messages.help.clear();
        if (!c.dialog.isEmpty()) {
            Dialogs().Expect(c.dialog, [](QDialog& dialog) { dialog.reject(); });
        }
        App().SendCommand(c.command);
        EXPECT_TRUE(Dialogs().AllHandled());
        EXPECT_EQ(m_messages.Texts(),
                  c.box.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
        ASSERT_EQ(m_messages.opened.size(), c.opened.empty() ? 0u : 1u);
        if (!c.opened.empty()) {
            EXPECT_TRUE(m_messages.opened[0].ends_with(c.opened)) << m_messages.opened[0];
        }
        ASSERT_EQ(m_messages.help.size(), c.help.empty() ? 0u : 1u);
        if (!c.help.empty()) {
            EXPECT_TRUE(m_messages.help[0].ends_with(c.help)) << m_messages.help[0];
        }
    }
    EXPECT_EQ(Object().GetWorkflow(), nullptr);
}

TEST_F(CommandRoutingTest, UpdateHandlersEnableAndCheckTheMenuItems) {
    Frame().UpdateCommandUI();
    auto enabled = [&](int command) { return Frame().MenuAction(command)->isEnabled(); };
    EXPECT_FALSE(enabled(cmd::kViewSelectionReport));  // not ready for the order pad yet
    EXPECT_FALSE(enabled(cmd::kToolsAddToOrderPad));
    EXPECT_FALSE(enabled(cmd::kToolsOptions));
    EXPECT_TRUE(enabled(cmd::kFilePrintSelection));
    EXPECT_TRUE(enabled(cmd::kViewOrderPad));
    EXPECT_TRUE(enabled(cmd::kVeritomHomePage));
    EXPECT_TRUE(Frame().MenuAction(cmd::kViewToolbar)->isChecked());

    QAction* completeOptions = Frame().MenuAction(cmd::kViewSelectionCompleteOptions);
    EXPECT_TRUE(completeOptions->isChecked());
    App().SendCommand(cmd::kViewSelectionCompleteOptions);
    EXPECT_FALSE(completeOptions->isChecked());
    EXPECT_EQ(App().GetConfigStore().ReadProfileInt("SelectionCompleted", "Show", 1), 0);
    completeOptions->trigger();  // as the menu does
    EXPECT_TRUE(completeOptions->isChecked());
    EXPECT_EQ(App().GetConfigStore().ReadProfileInt("SelectionCompleted", "Show", 0), 1);

    App().SendCommand(cmd::kViewToolbar);
    EXPECT_FALSE(Frame().MenuAction(cmd::kViewToolbar)->isChecked());

    // A selection ready for the order pad enables its items.
    const std::string path = Path("local/done.mrv");
    WriteSelectionFile(path, {.highestStep = 4, .stepReached = 4, .selectionComplete = true});
    ASSERT_TRUE(App().Documents().OpenDocumentFile(path));
    Frame().UpdateCommandUI();
    EXPECT_TRUE(enabled(cmd::kViewSelectionReport));
    EXPECT_TRUE(enabled(cmd::kToolsAddToOrderPad));
}

TEST_F(CommandRoutingTest, ExportAsksForAFileAndExitClosesTheWindow) {
    CFileDialog::SetNextFileName(QString::fromStdString(Path("local/out.xml")));
    App().SendCommand(cmd::kExportXml);
    ASSERT_TRUE(CFileDialog::LastRequest().has_value());
    EXPECT_EQ(CFileDialog::LastRequest()->title, QStringLiteral("Export Selection as XML"));
    EXPECT_TRUE(m_messages.boxes.empty());

    App().SendCommand(cmd::kAppExit);
    EXPECT_FALSE(Frame().isVisible());
}

// The one place engine failures are caught: the application's notify.
class EngineFailureTest : public ShellTest {
protected:
    // Starts on a copy of the English database without the stored query name.
    void StartWithout(const std::string& name) {
        UseChangedDatabase("DELETE FROM StoredQueries WHERE Name = '" + name + "'");
        Start();
        ASSERT_TRUE(Object().GetDatabase().IsOpen());
    }
};

TEST_F(EngineFailureTest, FailureInACommandIsReportedAndEndsOnlyThatCommand) {
    StartWithout("qFunctionType");
    ASSERT_TRUE(m_messages.boxes.empty());
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        m_messages.boxes.clear();
        Press(0);
        ASSERT_EQ(m_messages.boxes.size(), 1u);
        EXPECT_EQ(m_messages.boxes[0].text.rfind("DAO error ", 0), 0u) << m_messages.boxes[0].text;
        EXPECT_NE(m_messages.boxes[0].text.find("qFunctionType"), std::string::npos);
        EXPECT_EQ(m_messages.boxes[0].icon, MsgIcon::Error);
        EXPECT_EQ(m_messages.waitDepth, 0);  // the dialog's wait cursor ended with it
        EXPECT_EQ(Object().GetWorkflow(), nullptr);
        EXPECT_FALSE(Object().IsDirty());
    }
    // The program goes on: other commands still work.
    m_messages.boxes.clear();
    App().SendCommand(cmd::kReferenceContents);
    EXPECT_EQ(m_messages.opened.size(), 1u);
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(EngineFailureTest, FailureInsideADialogLeavesTheDialogOpen) {
    StartWithout("qFlowPatternOpt");
    std::size_t boxesAfterOk = 0;
    bool openAfterFailure = false;
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [&](QDialog& dialog) {
        ClickButton(dialog, "okButton");
        QCoreApplication::processEvents();  // OK runs and fails
        boxesAfterOk = m_messages.boxes.size();
        openAfterFailure = dialog.isVisible();
        ClickButton(dialog, "cancelButton");
    });
    Press(0);
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_EQ(boxesAfterOk, 1u);
    EXPECT_TRUE(openAfterFailure);
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_NE(m_messages.boxes[0].text.find("qFlowPatternOpt"), std::string::npos);
    EXPECT_EQ(Object().GetWorkflow(), nullptr);
}

}  // namespace
}  // namespace veritom::test
