// mkseldb: builds one selection database file from the sources in seldb/.
#include <cstdlib>
#include <iostream>
#include <string>

#include "BuildError.h"
#include "SeldbBuilder.h"

namespace {

int Usage() {
    std::cerr << "usage: mkseldb --source DIR --lang EN|DE --out FILE [--scale N]\n";
    return 2;
}

bool ParseScale(const std::string& text, int& scale) {
    try {
        size_t used = 0;
        scale = std::stoi(text, &used);
        return used == text.size();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    veritom::seldb::BuildOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            return Usage();
        }
        const std::string value = argv[++i];
        if (option == "--source") {
            options.sourceDir = value;
        } else if (option == "--lang") {
            options.language = value;
        } else if (option == "--out") {
            options.outPath = value;
        } else if (option == "--scale") {
            if (!ParseScale(value, options.scale)) {
                return Usage();
            }
        } else {
            return Usage();
        }
    }
    if (options.sourceDir.empty() || options.language.empty() || options.outPath.empty()) {
        return Usage();
    }
    try {
        veritom::seldb::CSeldbBuilder(options).Build();
    } catch (const std::exception& error) {
        std::cerr << "mkseldb: " << error.what() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
