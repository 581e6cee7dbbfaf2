#include <QAction>
#include <QDialog>
#include <QListWidget>
#include <QMenu>
#include <QToolBar>

#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/MenuResource.h"
#include "app/ui/FileDialog.h"

namespace veritom::test {
namespace {

class LanguageSwitchTest : public ShellTest {
protected:
    void SwitchTo(const std::string& code) {
        App().SendCommand(cmd::kLanguageFirst + LanguageIndex(code));
    }
};

TEST_F(LanguageSwitchTest, MenusButtonsTitlesAndDatabaseFollowTheLanguage) {
    Start();
    SwitchTo("DE");
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(App().GetLanguageCode(), "DE");
    EXPECT_EQ(ButtonText(0), "Ventiltyp");
    EXPECT_EQ(ButtonText(2), "Magnetspule");
    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Neue Auswahl - Unbenannt");
    EXPECT_EQ(Frame().TopMenu(menu::kFile)->title(), QStringLiteral("&Datei"));
    ASSERT_FALSE(Frame().ToolBar()->actions().isEmpty());
    EXPECT_TRUE(Frame().ToolBar()->isVisible());
    EXPECT_EQ(Frame().ToolBar()->actions().front()->text(), QStringLiteral("Neu"));
    EXPECT_EQ(Object().GetDatabase().GetLanguageCode(), "DE");

    // The run-time items come back in the new language, the removed one stays removed.
    EXPECT_EQ(Frame().TopMenu(menu::kReference)->actions().value(0)->text(),
              QStringLiteral("&Sonderventile"));
    EXPECT_EQ(Frame().TopMenu(menu::kTools)->actions().value(4)->text(),
              QStringLiteral("&Einheitenumrechnung"));
    EXPECT_EQ(Frame().MenuAction(cmd::kVeritomUpdates), nullptr);
    QMenu* languages = Frame().findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->actions().size(), 2);
    EXPECT_EQ(languages->actions().value(0)->text(), QStringLiteral("Deutsch"));
    Frame().UpdateCommandUI();
    EXPECT_TRUE(Frame().MenuAction(cmd::kLanguageFirst + LanguageIndex("DE"))->isChecked());
    EXPECT_FALSE(Frame().MenuAction(cmd::kLanguageFirst + LanguageIndex("EN"))->isChecked());

    // The Valve Type dialog lists the German database's texts.
    QString firstFunctionType;
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [&](QDialog& dialog) {
        firstFunctionType =
            dialog.findChild<QListWidget*>(QStringLiteral("functionTypeList"))->item(0)->text();
        ClickButton(dialog, "cancelButton");
    });
    Press(0);
    EXPECT_EQ(firstFunctionType, QStringLiteral("2/2-Wege"));

    SwitchTo("EN");
    EXPECT_EQ(ButtonText(0), "Valve Type");
    EXPECT_EQ(Frame().TopMenu(menu::kFile)->title(), QStringLiteral("&File"));
    Stop();
    EXPECT_EQ(ReadUserValue(kAppKey, "Language"), "EN");
}

TEST_F(LanguageSwitchTest, AChangedSelectionIsOfferedForSavingFirst) {
    Start();
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    {
        SCOPED_TRACE("Yes with a cancelled file dialog: no switch, nothing lost");
        m_messages.Answer(MsgAnswer::Yes);
        CFileDialog::SetNextFileName({});
        SwitchTo("DE");
        EXPECT_EQ(App().GetLanguageCode(), "EN");
        EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
        ASSERT_EQ(m_messages.boxes.size(), 1u);
    }
    {
        SCOPED_TRACE("No: switched, and the question is asked once");
        m_messages.Answer(MsgAnswer::No);
        SwitchTo("DE");
        EXPECT_EQ(App().GetLanguageCode(), "DE");
        EXPECT_EQ(Object().GetWorkflow(), nullptr);
        EXPECT_EQ(m_messages.boxes.size(), 2u);
    }
}

// Everything that can fail is checked before the selection is given up: a missing bundle or
// database, or Cancel to the save question, changes nothing.
TEST_F(LanguageSwitchTest, FailedOrCancelledSwitchChangesNothing) {
    struct Case {
        const char* what;
        MachineStore store;
        std::string message;
        std::vector<MsgAnswer> answers;
    };
    const std::string staged = StagedNetPath().toStdString();
    const Case cases[] = {
        {"missing bundle",
         {.bundles = {{"DE", "MorvaneXX.rcc"}, {"EN", "MorvaneEN.rcc"}}},
         "The language file " + staged + "MorvaneXX.rcc for Deutsch is missing or cannot be read.",
         {}},
        {"cancel to the save question", {}, "Save your current selection?", {MsgAnswer::Cancel}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteMachineStore(c.store);
        Start();
        ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
        const std::string summary = Object().GetButtonSelectionDisplayText(0);
        m_messages.boxes.clear();
        for (MsgAnswer answer : c.answers) {
            m_messages.Answer(answer);
        }
        SwitchTo("DE");
        EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{c.message}));
        EXPECT_EQ(App().GetLanguageCode(), "EN");
        EXPECT_EQ(ButtonText(0), "Valve Type");
        EXPECT_EQ(Object().GetButtonSelectionDisplayText(0), summary);
        EXPECT_TRUE(Object().IsDirty());
        EXPECT_EQ(Object().GetDatabase().GetLanguageCode(), "EN");
        EXPECT_TRUE(Object().GetDatabase().IsOpen());
        Stop();
    }
    // A language whose database is missing: told which file, before any question.
    UseChangedDatabase("SELECT 1");
    const QString netPath = m_dir.filePath(QStringLiteral("net/"));
    QFile::remove(netPath + QStringLiteral("MorvaneDE.mdb"));
    Start();
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    m_messages.boxes.clear();
    SwitchTo("DE");
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{"The selection database " + netPath.toStdString() +
                                        "MorvaneDE.mdb could not be opened, so the selection "
                                        "steps cannot run.  Check that the file is there and "
                                        "readable."}));
    EXPECT_EQ(App().GetLanguageCode(), "EN");
    EXPECT_NE(Object().GetWorkflow(), nullptr);
}

TEST_F(LanguageSwitchTest, MissingBundleKeepsTheOldLanguage) {
    WriteMachineStore({.bundles = {{"DE", "MorvaneXX.rcc"}, {"EN", "MorvaneEN.rcc"}}});
    Start();
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    SwitchTo("DE");
    EXPECT_EQ(App().GetLanguageCode(), "EN");
    EXPECT_EQ(ButtonText(0), "Valve Type");
    EXPECT_EQ(Object().GetDatabase().GetLanguageCode(), "EN");
    EXPECT_TRUE(Object().GetDatabase().IsOpen());
}

}  // namespace
}  // namespace veritom::test
