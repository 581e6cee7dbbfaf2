// The start-up screens of the running program: the splash, the disclaimer (whose Decline ends
// the program), the welcome screen and the tip of the day, and what turns them off.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>

#include "ShellFixture.h"
#include "tools/startup/ui/SplashWnd.h"

namespace veritom::test {
namespace {

class StartupScreensTest : public ShellTest {
protected:
    StartupScreensTest() { m_startupScreens = true; }

    // A key press while the splash shows closes it; the screens then run.
    void CloseSplashByKey() {
        ASSERT_NE(CSplashWnd::Current(), nullptr);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(&Frame(), &press);
        EXPECT_EQ(CSplashWnd::Current(), nullptr);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    std::string TipEntry(const std::string& name) { return ReadUserValue("Profile\\Tip", name); }
};

TEST_F(StartupScreensTest, DeclineEndsTheProgramBeforeAnythingElse) {
    Start();
    Dialogs().Expect(QStringLiteral("disclaimerDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "declineButton"); });
    CloseSplashByKey();
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_FALSE(Frame().isVisible());
    // No welcome and no tip came after it.
    EXPECT_TRUE(Dialogs().Unexpected().isEmpty());
    EXPECT_EQ(TipEntry("StartUp"), "<none>");
}

TEST_F(StartupScreensTest, AcceptLeadsToTheWelcomeAndTheTipWhoseChoiceIsKept) {
    Start();
    Dialogs().Expect(QStringLiteral("disclaimerDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "acceptButton"); });
    Dialogs().Expect(QStringLiteral("welcomeDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "okButton"); });
    Dialogs().Expect(QStringLiteral("tipDialog"), [](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("showOnStartup"))->click();
        ClickButton(dialog, "closeButton");
    });
    CloseSplashByKey();
    EXPECT_TRUE(Dialogs().AllHandled()) << Dialogs().Handled().join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(TipEntry("StartUp"), "1");
    EXPECT_NE(TipEntry("FilePos"), "<none>");
    Stop();

    // Next time the tip stays away; the disclaimer and the welcome do not.
    Start();
    Dialogs().Expect(QStringLiteral("disclaimerDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "acceptButton"); });
    Dialogs().Expect(QStringLiteral("welcomeDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "okButton"); });
    CloseSplashByKey();
    EXPECT_TRUE(Dialogs().AllHandled());
}

TEST_F(StartupScreensTest, AnIncompleteConfigurationStillShowsTheDisclaimer) {
    WriteMachineStore({.languageKey = false});
    Start();
    Dialogs().Expect(QStringLiteral("disclaimerDialog"),
                     [](QDialog& dialog) { ClickButton(dialog, "declineButton"); });
    CloseSplashByKey();
    EXPECT_TRUE(Dialogs().AllHandled());
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(StartupScreensTest, NoScreensWithNologoOrAFileToOpen) {
    const std::string path = Path("local/saved.mrv");
    WriteSelectionFile(path, {});
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"-nologo"}, std::vector<std::string>{"/NOLOGO"},
          std::vector<std::string>{path}}) {
        SCOPED_TRACE(arguments.front());
        Start(arguments);
        EXPECT_EQ(CSplashWnd::Current(), nullptr);
        QCoreApplication::processEvents();
        EXPECT_TRUE(Dialogs().Unexpected().isEmpty());
        EXPECT_TRUE(Frame().isVisible());
        Stop();
    }
}

}  // namespace
}  // namespace veritom::test
