#include <cstdlib>
#include <iostream>

#include "app/AppStrings.h"
#include "app/ui/NerithApp.h"
#include "base/StringTable.h"

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

int main(int argc, char** argv) {
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
