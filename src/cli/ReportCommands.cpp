#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "CliStrings.h"
#include "DatabaseCommands.h"
#include "DefaultDatabase.h"
#include "SelectionDatabase.h"
#include "SelectionInput.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Format.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "model/ValveObject.h"
#include "tools/ToolStrings.h"
#include "tools/report/ReportAbi.h"
#include "tools/report/ReportLibraryFile.h"
#include "tools/report/SelectionReport.h"

namespace veritom::cli {

namespace {

constexpr const char* kUsage = "FILE.mrv [--db FILE] (--pdf OUT.pdf | --map)";

struct Options {
    std::string file;
    std::optional<std::string> database;
    std::optional<std::string> pdf;
    bool map = false;
};

std::optional<Options> ParseArgs(const Args& arguments) {
    Args args = arguments;
    Options options;
    if (!TakeDatabaseOption(args, options.database)) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--pdf" && i + 1 < args.size() && !args[i + 1].empty() && !options.pdf) {
            options.pdf = args[++i];
        } else if (arg == "--map" && !options.map) {
            options.map = true;
        } else if (options.file.empty() && !arg.empty() && arg[0] != '-') {
            options.file = arg;
        } else {
            return std::nullopt;
        }
    }
    if (options.file.empty() || options.map == options.pdf.has_value()) {
        return std::nullopt;
    }
    return options;
}

void PrintMap(const CReportMap& map) {
    for (const auto& [key, texts] : map) {
        std::vector<std::string> items{key};
        items.insert(items.end(), texts.begin(), texts.end());
        PrintFields(items);
    }
}

int WritePdf(const CReportMap& map, const std::string& registryKeyPath, const std::string& pdf) {
    CReportLibraryFile library(CReportLibraryFile::DefaultFileName());
    const ReportOutcome outcome =
        library.PrintToFile(map, registryKeyPath, LoadString(ids::kReportViewerTitle), pdf);
    if (outcome.status == ReportStatus::Done) {
        return 0;
    }
    if (outcome.status == ReportStatus::Failed && outcome.code == VERITOM_REPORT_OUTPUT_FAILED) {
        std::cerr << Format(LoadString(ids::kReportFileNotWritten), pdf) << '\n';
    } else {
        std::cerr << CSelectionReport::FailureText(outcome) << '\n';
    }
    return 1;
}

// The selection report of a selection file, made as View Selection Report makes it in the
// program: the labels and the warning from the database of the file's language, the values
// from the record, the program's own entries; printed as a map or written as a PDF file by
// the report library.
int Report(const Args& args) {
    const std::optional<Options> options = ParseArgs(args);
    if (!options) {
        std::cerr << "usage: morvane-cli report " << kUsage << '\n';
        return 1;
    }
    CSelectionFileHeader header;
    CSelectionFileFields fields;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    if (!ReadSelectionForTool(options->file, header, fields, workflow)) {
        return 1;
    }
    // The program offers the report once the selection is complete, and only then.
    if (!fields.orderPadReady) {
        std::cerr << Format(LoadString(ids::kReportNeedsCompleteSelection), options->file) << '\n';
        return 1;
    }
    CSelectionDatabase database;
    if (!database.Open(options->database, header.languageCode, options->file)) {
        return 1;
    }
    const std::string registryKeyPath =
        CVeritomObject::RegistryKeyPathFor(CNerithObject::kApplicationName);
    const ReportSource source{&workflow.GetValveData(), &database.Get(),
                              InstalledConfiguration().GetLocalPath(), registryKeyPath};
    CReportMap map;
    try {
        CSelectionReport::FillReportMap(source, LocalTimeNow(), map);
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    if (options->map) {
        PrintMap(map);
        return 0;
    }
    return WritePdf(map, registryKeyPath, *options->pdf);
}

}  // namespace

void AddReportCommands(CommandTable& table) {
    table.push_back({"report", kUsage, Report});
}

}  // namespace veritom::cli
