#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "CliStrings.h"
#include "base/FileIo.h"
#include "base/Format.h"
#include "base/StringTable.h"
#include "tools/orderpad/CompoundElements.h"

namespace veritom::cli {

namespace {

// Far more than a transfer document of any number of parts.
constexpr std::size_t kMaxDocumentSize = 16 * 1024 * 1024;

// Every storage and stream of an order pad transfer document, one a line: "storage" and its
// path, or "stream", its path, its size in bytes and its bytes (escaped so that the line gives
// them back exactly).
int DumpOrderPadDocument(const Args& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        std::cerr << "usage: morvane-cli orderpad-dump FILE\n";
        return 1;
    }
    const std::string& path = args[0];
    std::vector<std::uint8_t> bytes;
    if (const FileResult read = ReadFileBytes(path, bytes, kMaxDocumentSize); !read.Ok()) {
        std::cerr << DescribeFileError(read, path) << '\n';
        return 1;
    }
    std::vector<CompoundElement> elements;
    std::string reason;
    if (!ReadCompoundElements(bytes, elements, reason)) {
        std::cerr << Format(LoadString(ids::kNoOrderPadDocument), path, reason) << '\n';
        return 1;
    }
    for (const CompoundElement& element : elements) {
        if (element.storage) {
            PrintFields({"storage", element.path});
        } else {
            std::cout << "stream\t" << EscapeField(element.path) << '\t' << element.bytes.size()
                      << '\t' << EscapeBytes(element.bytes) << '\n';
        }
    }
    return 0;
}

}  // namespace

void AddOrderPadCommands(CommandTable& table) {
    table.push_back({"orderpad-dump", "FILE", DumpOrderPadDocument});
}

}  // namespace veritom::cli
