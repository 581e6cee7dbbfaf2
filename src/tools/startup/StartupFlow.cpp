#include "StartupFlow.h"

#include <array>
#include <cstdlib>

#include "base/DialogResult.h"
#include "base/Format.h"
#include "base/Paths.h"
#include "base/StringTable.h"
#include "tools/ToolStrings.h"
#include "tools/startup/TipOfTheDay.h"

namespace veritom {

SplashStart DecideSplashStart(bool enabledByCommandLine, bool havePicture) {
    if (!enabledByCommandLine) {
        return SplashStart::None;
    }
    return havePicture ? SplashStart::Splash : SplashStart::ScreensAtOnce;
}

bool ProgramContinuesAfterDisclaimer(int dialogResult) {
    return dialogResult == IDOK;
}

bool ShowTipAfterStartupScreens(bool enabledByCommandLine, bool programContinues,
                                const ITipProfile& profile) {
    return enabledByCommandLine && programContinues && CTipOfTheDay::ShowAtStartup(profile);
}

std::string WelcomePicturePath(const std::string& netPath, const std::string& languageCode) {
    return JoinPath(netPath, "Graphics/Opening" + languageCode + ".bmp");
}

std::string AboutProductLine() {
    return Format(LoadString(ids::kAboutProduct), LoadString(ids::kApplicationName));
}

std::string AboutVersionLine() {
    return Format(LoadString(ids::kAboutVersion), std::string(VERITOM_VERSION));
}

std::string AboutBuildLine() {
    return Format(LoadString(ids::kAboutBuilt), BuildDate());
}

std::string BuildDate() {
    return IsoDate(__DATE__);
}

std::string IsoDate(const std::string& compilerDate) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (compilerDate.size() != 11) {
        return compilerDate;
    }
    for (std::size_t month = 0; month < kMonths.size(); ++month) {
        if (compilerDate.compare(0, 3, kMonths[month]) == 0) {
            const int day = std::atoi(compilerDate.substr(4, 2).c_str());
            const int year = std::atoi(compilerDate.substr(7, 4).c_str());
            if (day < 1 || year < 1) {
                return compilerDate;
            }
            return Format("%04d-%02d-%02d", year, static_cast<int>(month) + 1, day);
        }
    }
    return compilerDate;
}

}  // namespace veritom
