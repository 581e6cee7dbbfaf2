#include <cstdlib>
#include <iostream>
#include <string_view>

#include "app/AppStrings.h"
#include "app/ui/NerithApp.h"
#include "base/StringTable.h"
#include "tools/startup/StartupFlow.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return true;
        }
    }
    return false;
}

}  // namespace

// --help and --version answer on standard output and end the program, display or not.
bool AnswerInformationSwitch(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h" || argument == "/?") {
            std::cout << veritom::LoadString(veritom::ids::kUsage) << '\n';
            return true;
        }
        if (argument == "--version") {
            std::cout << veritom::AboutProductLine() << '\n'
                      << veritom::AboutVersionLine() << '\n'
                      << veritom::AboutBuildLine() << '\n';
            return true;
        }
    }
    return false;
}

int main(int argc, char** argv) {
    if (AnswerInformationSwitch(argc, argv)) {
        return 0;
    }
    // Without a display Qt would abort with a message about its platform plugin.
    if (!HasDisplay()) {
        std::cerr << veritom::LoadString(veritom::ids::kNoDisplay) << '\n';
        return 1;
    }
    veritom::CNerithApp app(argc, argv);
    app.UseQtMessageSink();
    if (!app.InitInstance()) {
        return 1;
    }
    const int result = veritom::CNerithApp::exec();
    app.ExitInstance();
    return result;
}
