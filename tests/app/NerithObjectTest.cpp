#include <gtest/gtest.h>

#include "FakeVeritomApp.h"
#include "FixtureDatabase.h"
#include "MessageRecorder.h"
#include "app/NerithObject.h"
#include "data/Database.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::FixtureDatabase;
using test::MessageRecorder;

struct Product {
    Product() {
        app.netPath = db.Dir();
        app.languages[0].referenceDir = "/ref/EN/";
        EXPECT_TRUE(object.Initialize());
    }
    FixtureDatabase db;
    FakeVeritomApp app;
    CNerithObject object{app};
};

TEST(NerithObject, InitializeOpensTheLanguagesDatabase) {
    Product p;
    EXPECT_TRUE(p.object.GetDatabase().IsOpen());
    EXPECT_EQ(p.object.GetDatabase().GetFullPath(), p.db.File());
    EXPECT_NE(p.object.GetMessageCatalogue(), nullptr);

    FakeVeritomApp elsewhere;
    elsewhere.netPath = p.db.PathOf("missing");
    CNerithObject object(elsewhere);
    MessageRecorder recorder;
    EXPECT_FALSE(object.Initialize());
    EXPECT_FALSE(object.GetDatabase().IsOpen());
    EXPECT_EQ(object.GetMessageCatalogue(), nullptr);
    EXPECT_EQ(recorder.boxes.size(), 1u);  // the engine's message
}

TEST(NerithObject, LanguageSwitchReopensTheOtherLanguagesFile) {
    Product p;
    std::filesystem::copy_file(p.db.File(), p.db.PathOf("MorvaneDE.mdb"));
    p.app.languages.push_back({"DE", "MorvaneDE.rcc", "/ref/DE", "0", "", ".", ",", "", "", ""});
    p.app.currentLanguage = 1;
    p.object.LanguageSwitched();
    EXPECT_TRUE(p.object.GetDatabase().IsOpen());
    EXPECT_EQ(p.object.GetDatabase().GetFullPath(), p.db.PathOf("MorvaneDE.mdb"));
    EXPECT_EQ(p.object.GetTipsFilePath(), p.db.PathOf("TipsDE.txt"));

    // Started in a language without a database: the switch to one that has it brings the
    // message catalogue along with the database.
    FixtureDatabase db;
    FakeVeritomApp app;
    app.netPath = db.Dir();
    app.languages.insert(app.languages.begin(),
                         {"FR", "MorvaneFR.rcc", "/ref/FR", "0", "", ".", ",", "", "", ""});
    CNerithObject object(app);
    {
        MessageRecorder recorder;
        EXPECT_FALSE(object.Initialize());
    }
    app.currentLanguage = 1;
    object.LanguageSwitched();
    EXPECT_TRUE(object.GetDatabase().IsOpen());
    EXPECT_NE(object.GetMessageCatalogue(), nullptr);
}

TEST(NerithObject, InformationPagesByCategory) {
    Product p;
    MessageRecorder recorder;
    // Help files come from NetPath, PDFs from the Reference Dir; endings in any case.
    p.object.OnInfoCommand(InfoCommand::HelpContents);
    p.object.OnInfoCommand(InfoCommand::ReferenceContents);
    p.object.OnInfoCommand(InfoCommand::OfferOfSale);
    EXPECT_EQ(p.object.ViewReferenceTopic("ignored"), 1);
    // Empty name, other ending, no record, no category: nothing.
    p.object.OnInfoCommand(InfoCommand::LicenseAgreement);
    p.object.OnInfoCommand(InfoCommand::ProductsAndServices);
    p.object.OnInfoCommand(InfoCommand::ContactingVeldor);
    p.object.OnInfoCommand(InfoCommand::HelpSearch);
    EXPECT_FALSE(p.object.Pages().ShowPage("Quote's ' OR '1'='1"));
    EXPECT_EQ(recorder.help, (std::vector<std::string>{p.db.PathOf("Morvane.HLP") + "#0"}));
    EXPECT_EQ(recorder.opened,
              (std::vector<std::string>{"/ref/EN/Reference.PDF", "/ref/EN/terms.pdf",
                                        "/ref/EN/Reference.PDF"}));
    EXPECT_TRUE(recorder.boxes.empty());

    CCmdUI update;
    update.Enable(false);
    p.object.OnUpdateInfoCommand(InfoCommand::SearchReference, update);
    EXPECT_TRUE(update.enabled);
}

TEST(NerithObject, DialogHelpOpensAtTheTemplate) {
    Product p;
    MessageRecorder recorder;
    EXPECT_TRUE(p.object.Pages().ShowDialogHelp(231));
    EXPECT_EQ(recorder.help,
              (std::vector<std::string>{p.db.PathOf("MorvaneDialogs.hlp") + "#231"}));

    FixtureDatabase db;
    db.Run("UPDATE RefHelpNames SET FileName = '' WHERE Category = 'HELP'");
    FakeVeritomApp app;
    app.netPath = db.Dir();
    CNerithObject object(app);
    ASSERT_TRUE(object.Initialize());
    EXPECT_FALSE(object.Pages().ShowDialogHelp(245));
    EXPECT_EQ(recorder.help.size(), 1u);
}

TEST(NerithObject, UserMenuCommandsOpenTheirDialogs) {
    Product p;
    p.object.OnUserMenuCommand(33100);  // before the ids are known
    p.object.SetUserMenuIds(33102, 33100, 33101);
    for (int id : {33100, 33101, 33102, 33102, 33103}) {
        p.object.OnUserMenuCommand(id);
    }
    EXPECT_EQ(p.app.dialogs.interchangeCalls, 1);
    EXPECT_EQ(p.app.dialogs.unitConversionCalls, 1);
    EXPECT_EQ(p.app.dialogs.specialityCalls, 2);
    // Without the Speciality Valves item (-1) no command reaches its dialog.
    p.object.SetUserMenuIds(-1, 33100, 33101);
    p.object.OnUserMenuCommand(-1);
    EXPECT_EQ(p.app.dialogs.specialityCalls, 2);
}

TEST(NerithObject, ProductSettings) {
    Product p;
    MessageRecorder recorder;
    EXPECT_EQ(p.object.GetApplicationName(), "Morvane Valve");
    EXPECT_EQ(p.object.GetDatabasePassword(), "");
    EXPECT_EQ(p.object.GetDefaultExtension(), "mrv");
    EXPECT_EQ(p.object.GetDefaultFilename(), "*");
    EXPECT_EQ(p.object.ProposedSaveName(), "*.mrv");
    EXPECT_EQ(p.object.GetPartNumberDisplayText(), "4M-DDD-BO-OB-S");
    EXPECT_EQ(p.object.GetTipsFilePath(), p.db.PathOf("TipsEN.txt"));
    EXPECT_FALSE(p.object.IsCADSupported());
    EXPECT_FALSE(p.object.AddToOrderPad());
    p.object.ShowStartupScreens();
    EXPECT_EQ(p.app.dialogs.startupCalls, 1);

    CCmdUI report;
    p.object.OnUpdateViewSelectionReport(report);
    EXPECT_FALSE(report.enabled);
    p.object.SetOrderPadReady(true);
    p.object.OnUpdateViewSelectionReport(report);
    EXPECT_TRUE(report.enabled);
    EXPECT_TRUE(recorder.boxes.empty());
}

TEST(NerithObject, ConvertFlowFactor) {
    struct Case {
        double value;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        {1, "Cv", "Kv", 14.28}, {14.28, "Kv", "Cv", 1}, {2, "Cv", "Cv", 2},
        {2, "Kv", "Kv", 2},     {3, "Cv", "CV", 3},     {3, "GPM", "Kv", 3},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(CNerithObject::ConvertFlowFactor(c.value, c.from, c.to), c.expected)
            << c.from << " " << c.to;
    }
}

}  // namespace
}  // namespace veritom
