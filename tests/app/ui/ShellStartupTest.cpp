#include <QAction>
#include <QMenu>

#include "ShellFixture.h"
#include "app/AppStrings.h"
#include "app/CommandIds.h"
#include "app/MenuResource.h"
#include "app/ui/LanguageBundle.h"
#include "base/StringTable.h"
#include "data/Database.h"

namespace veritom::test {
namespace {

QStringList ItemTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

class StartupTest : public ShellTest {};

TEST_F(StartupTest, StagedInstallationOpensANewSelection) {
    Start();
    EXPECT_TRUE(m_messages.boxes.empty()) << m_messages.Texts().front();
    EXPECT_EQ(App().GetLanguageCode(), "EN");
    EXPECT_TRUE(Object().GetDatabase().IsOpen());
    EXPECT_EQ(WindowTitle(), " Veritom Morvane Valve - New Selection - Untitled");
    EXPECT_EQ(ButtonText(0), "Valve Type");
    EXPECT_EQ(ButtonText(3), "Part Number");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(View().CurrentStep(), 0);
    EXPECT_TRUE(View().HasBackground());
    EXPECT_FALSE(Object().IsDirty());
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(StartupTest, RunTimeMenuItemsAndTheRemovedUpdatesItem) {
    Start();
    // The sample database lists speciality valves, so Reference offers them first.
    EXPECT_EQ(ItemTexts(Frame().TopMenu(menu::kReference)),
              (QStringList{QStringLiteral("&Speciality Valves"), QStringLiteral("&Contents")}));
    EXPECT_EQ(ItemTexts(Frame().TopMenu(menu::kTools)),
              (QStringList{QStringLiteral("&Competitor Part Number Interchange"),
                           QStringLiteral("&Rapid Selection"), QStringLiteral("-"),
                           QStringLiteral("&Add Selection to OrderPad"),
                           QStringLiteral("&Unit Conversion"), QStringLiteral("-"),
                           QStringLiteral("&Options...")}));
    EXPECT_EQ(Frame().MenuAction(cmd::kVeritomUpdates), nullptr);
    EXPECT_NE(Frame().MenuAction(cmd::kVeritomHomePage), nullptr);
    const auto& items = App().GetUserMenuItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].commandId, cmd::kUserMenuFirst);
    EXPECT_EQ(items[2].commandId, cmd::kUserMenuFirst + 2);
}

TEST_F(StartupTest, NoSpecialityValvesNoReferenceItem) {
    UseChangedDatabase("DELETE FROM SpecialtyValve");
    Start();
    EXPECT_EQ(ItemTexts(Frame().TopMenu(menu::kReference)),
              (QStringList{QStringLiteral("&Contents")}));
    // The first item added is then the interchange, and its command reaches it.
    ASSERT_EQ(App().GetUserMenuItems().size(), 2u);
    EXPECT_EQ(App().GetUserMenuItems()[0].textId, 303);
    App().SendCommand(cmd::kUserMenuFirst);
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{
                  "\"Competitor Part Number Interchange\" is not available in this version of the "
                  "selector."}));
}

TEST_F(StartupTest, EngineFailureDuringStartUpIsReportedAndStartUpGoesOn) {
    UseChangedDatabase("DROP TABLE SpecialtyValve");
    Start();
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].text.rfind("DAO error ", 0), 0u) << m_messages.boxes[0].text;
    EXPECT_EQ(m_messages.boxes[0].icon, MsgIcon::Error);
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(ItemTexts(Frame().TopMenu(menu::kReference)),
              (QStringList{QStringLiteral("&Contents")}));
    EXPECT_EQ(App().GetUserMenuItems().size(), 2u);
}

TEST_F(StartupTest, LanguageMenuHasOneCheckedItemPerLanguage) {
    Start();
    QMenu* languages = Frame().findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(languages, nullptr);
    // Subkeys come in name order: DE before EN.
    EXPECT_EQ(ItemTexts(languages),
              (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
    Frame().UpdateCommandUI();
    EXPECT_FALSE(Frame().MenuAction(cmd::kLanguageFirst)->isChecked());
    EXPECT_TRUE(Frame().MenuAction(cmd::kLanguageFirst + 1)->isChecked());
}

TEST_F(StartupTest, MissingApplicationKeyIsSilentAndTheWindowStillOpens) {
    WriteMachineStore({.applicationKey = false});
    Start();
    for (const auto& text : m_messages.Texts()) {
        EXPECT_EQ(text.find("Failed to get language info"), std::string::npos);
    }
    EXPECT_FALSE(Object().GetDatabase().IsOpen());
    EXPECT_EQ(ButtonText(0), "Valve Type");
    EXPECT_TRUE(Frame().isVisible());

    // Without a database no step can run; the message says that the installation names no
    // folder for it, and no file of the working directory is taken instead.
    m_messages.boxes.clear();
    Press(0);
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].text.rfind("The installation names no usable shared data "
                                             "folder (NetPath \"\")",
                                             0),
              0u);
    EXPECT_EQ(Object().GetWorkflow(), nullptr);
}

TEST_F(StartupTest, MissingLanguageKeyIsReported) {
    WriteMachineStore({.languageKey = false});
    Start();
    ASSERT_FALSE(m_messages.boxes.empty());
    EXPECT_EQ(m_messages.boxes[0].text, "Failed to get language info from registry");
    EXPECT_EQ(m_messages.boxes[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(App().GetLanguages().empty());
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(StartupTest, MissingBundleLeavesTheProgramsOwnTexts) {
    WriteMachineStore({.bundles = {{"DE", "MorvaneDE.rcc"}, {"EN", "MorvaneXX.rcc"}}});
    Start();
    ASSERT_FALSE(m_messages.boxes.empty());
    EXPECT_EQ(m_messages.boxes[0].text, "The language file " + StagedNetPath().toStdString() +
                                            "MorvaneXX.rcc for English is missing or cannot be "
                                            "read.");
    EXPECT_FALSE(App().GetBundle().IsLoaded());
    EXPECT_EQ(ButtonText(0), "Valve Type");
    // The database of the language is still there.
    EXPECT_TRUE(Object().GetDatabase().IsOpen());
}

TEST_F(StartupTest, StoredLanguageChoosesTheInterfaceAndIsWrittenBackAtExit) {
    struct Case {
        std::string stored;
        std::string expectedCode;
        std::string valveTypeText;
    };
    // A lower-case code never matches: the first language in name order (DE) is used.
    for (const Case& c : {Case{"DE", "DE", "Ventiltyp"}, Case{"en", "DE", "Ventiltyp"},
                          Case{"EN", "EN", "Valve Type"}}) {
        SCOPED_TRACE(c.stored);
        WriteUserValue("Language", c.stored);
        Start();
        EXPECT_EQ(App().GetLanguageCode(), c.expectedCode);
        EXPECT_EQ(ButtonText(0), c.valveTypeText);
        EXPECT_EQ(Object().GetDatabase().GetLanguageCode(), c.expectedCode);
        Stop();
        EXPECT_EQ(ReadUserValue(kAppKey, "Language"), c.expectedCode);
    }
}

TEST_F(StartupTest, VerificationSwitchInAnyCaseButNotAsAWord) {
    Start({"-Verification"});
    EXPECT_TRUE(App().IsVerificationMode());
    Stop();

    Start({"/VERIFICATION"});
    EXPECT_TRUE(App().IsVerificationMode());
    Stop();

    // The bare word names a file to open, which is no selection file.
    Start({"verification"});
    EXPECT_FALSE(App().IsVerificationMode());
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].text,
              "verification is not a valid Morvane Valve selection file.");
}

TEST_F(StartupTest, MissingBackgroundLeavesTheDefaultBackground) {
    WriteMachineStore({.netPath = MakeNetPath({"background.bmp"}).toStdString()});
    Start();
    EXPECT_FALSE(View().HasBackground());
    EXPECT_TRUE(m_messages.boxes.empty());
    const QImage panel = View().grab().toImage();
    EXPECT_EQ(panel.pixelColor(panel.width() - 20, panel.height() - 20),
              View().palette().window().color());
}

}  // namespace
}  // namespace veritom::test
