#include "app/ui/ToolWiring.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/CmdLineInfo.h"
#include "app/CommandIds.h"
#include "app/TipProfileStore.h"
#include "app/VeritomObject.h"
#include "app/ui/LanguageBundle.h"
#include "app/ui/MainFrame.h"
#include "app/ui/VeritomApp.h"
#include "tools/ToolStrings.h"
#include "tools/interchange/ui/PartInterchangeDlg.h"
#include "tools/rapid/ui/RapidSeriesDialog.h"
#include "tools/startup/StartupFlow.h"
#include "tools/startup/ui/AboutDlg.h"
#include "tools/startup/ui/DisclaimerDialog.h"
#include "tools/startup/ui/SplashWnd.h"
#include "tools/startup/ui/TipDlg.h"
#include "tools/startup/ui/WelcomeDialog.h"

namespace veritom {

namespace {

// Bitmaps of the language bundle.
constexpr int kSplashBitmap = 104;
constexpr int kTipBulbBitmap = 122;
constexpr int kStateIconsBitmap = 307;

// The screens follow the command line as it is, parsed again here: a start-up whose
// configuration was incomplete has not parsed it, and must still show the disclaimer.
bool ScreensEnabledByCommandLine() {
    std::vector<std::string> arguments;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        arguments.push_back(args[i].toStdString());
    }
    CCmdLineInfo info;
    info.Parse(arguments);
    return info.ShowSplash();
}

// The tools send parts to the selection object's order pad, in the selector's language.
COrderPadTarget OrderPadOf(CVeritomApp& app) {
    CVeritomObject* object = app.GetSelectionObject();
    return {object ? object->GetOrderPad() : nullptr, &app.GetConfigStore(), app.GetLanguageCode()};
}

void PostStartupScreens(CVeritomApp& app) {
    QMetaObject::invokeMethod(
        &app, [&app] { app.SendCommand(cmd::kStartupScreens); }, Qt::QueuedConnection);
}

}  // namespace

void ShowStartupSplash(CVeritomApp& app) {
    const QImage picture = app.GetBundle().Bitmap(kSplashBitmap);
    switch (DecideSplashStart(ScreensEnabledByCommandLine(), !picture.isNull())) {
        case SplashStart::None:
            break;
        case SplashStart::Splash:
            CSplashWnd::ShowSplashScreen(picture, app.GetMainFrame(),
                                         [&app] { PostStartupScreens(app); });
            break;
        case SplashStart::ScreensAtOnce:
            PostStartupScreens(app);
            break;
    }
}

void RunDisclaimerAndWelcome(CVeritomApp& app, QWidget* parent) {
    CDisclaimerDialog disclaimer(app.GetBundle().Text(ids::kDisclaimerText), parent);
    if (!ProgramContinuesAfterDisclaimer(disclaimer.Run())) {
        app.SendCommand(cmd::kAppExit);
        return;
    }
    CWelcomeDialog welcome(
        QString::fromStdString(WelcomePicturePath(app.GetNetPath(), app.GetLanguageCode())),
        parent);
    welcome.Run();
}

void ShowStartupTip(CVeritomApp& app) {
    CTipProfileStore profile(app.GetConfigStore());
    // A declined disclaimer has closed the main window.
    const bool programContinues = app.GetMainFrame() && app.GetMainFrame()->isVisible();
    if (ShowTipAfterStartupScreens(ScreensEnabledByCommandLine(), programContinues, profile)) {
        ShowTipOfTheDay(app);
    }
}

void ShowTipOfTheDay(CVeritomApp& app) {
    CVeritomObject* object = app.GetSelectionObject();
    if (!object) {
        return;
    }
    CTipProfileStore profile(app.GetConfigStore());
    CTipDlg tips(profile, object->GetTipsFilePath(), app.GetBundle().Bitmap(kTipBulbBitmap),
                 app.GetMainFrame());
    tips.Run();
}

void ShowAboutBox(CVeritomApp& app) {
    CAboutDlg about(app.GetBundle().Bitmap(kSplashBitmap), app.GetMainFrame());
    about.Run();
}

void StartRapidSelection(CVeritomApp& app, const CDialogContext& context) {
    RunRapidSelectionTool(context, OrderPadOf(app), app.GetMainFrame(),
                          app.GetBundle().Bitmap(kStateIconsBitmap));
}

void RunInterchangeTool(CVeritomApp& app, const CDialogContext& context, QWidget* parent) {
    CPartInterchangeDlg(context, OrderPadOf(app), parent).Run();
}

}  // namespace veritom
