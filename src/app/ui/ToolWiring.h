#pragma once

class QWidget;

namespace veritom {

class CVeritomApp;
struct CDialogContext;

// The tool windows and start-up screens of the running program, with the pictures and texts
// of the current language bundle. Each is one call from the application's own code.

// After the main window is shown: the splash, or the start-up screens at once when there is
// no splash picture; nothing when the command line turns them off.
void ShowStartupSplash(CVeritomApp& app);
// The disclaimer, then the welcome screen. Anything but Accept ends the program.
void RunDisclaimerAndWelcome(CVeritomApp& app, QWidget* parent);
// The tip of the day after the start-up screens, when the program goes on and the user has
// not turned the tips off.
void ShowStartupTip(CVeritomApp& app);
// Help, Tip of the Day.
void ShowTipOfTheDay(CVeritomApp& app);
// Help, About.
void ShowAboutBox(CVeritomApp& app);
// Tools, Rapid Selection.
void StartRapidSelection(CVeritomApp& app, const CDialogContext& context);
// Tools, Competitor Part Number Interchange.
void RunInterchangeTool(CVeritomApp& app, const CDialogContext& context, QWidget* parent);

}  // namespace veritom
