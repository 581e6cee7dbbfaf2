#pragma once

#include <string>

namespace veritom {

class ITipProfile;

// How start-up begins once the main window is shown.
enum class SplashStart {
    None,           // the command line turned the screens off (or a file is being opened)
    Splash,         // the splash shows; the start-up screens follow when it closes
    ScreensAtOnce,  // no splash picture: the start-up screens begin at once
};

// The splash and the screens after it depend on the command line alone: neither a missing
// splash picture nor an incomplete configuration may skip the disclaimer.
SplashStart DecideSplashStart(bool enabledByCommandLine, bool havePicture);

// Only Accept goes on from the disclaimer; any other result ends the program.
bool ProgramContinuesAfterDisclaimer(int dialogResult);

// The tip of the day follows the start-up screens when the command line enables them, the
// program goes on and the user has not turned the tips off.
bool ShowTipAfterStartupScreens(bool enabledByCommandLine, bool programContinues,
                                const ITipProfile& profile);

// The welcome picture: "Graphics/Opening" + language code + ".bmp" in the shared data
// directory.
std::string WelcomePicturePath(const std::string& netPath, const std::string& languageCode);

// The About box's lines: "Veritom Morvane Valve", "Version 1.0.0", "Built on 2026-05-04".
std::string AboutProductLine();
std::string AboutVersionLine();
std::string AboutBuildLine();
// The date this program was built, "YYYY-MM-DD".
std::string BuildDate();
// "May  4 2026" (the compiler's form) as "2026-05-04"; the text unchanged when it has
// another form.
std::string IsoDate(const std::string& compilerDate);

}  // namespace veritom
