#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "SelectionDatabase.h"
#include "SelectionInput.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "data/DaoException.h"
#include "data/Database.h"
#include "model/ValveObject.h"
#include "units/UnitDouble.h"
#include "wizard/partnumber/PartNumberSelection.h"

namespace veritom::cli {

namespace {

using S = CPartNumberSelection;

constexpr const char* kUsage =
    "usage: morvane-cli candidates FILE.mrv [--db FILE] [--filter N=LINK ...] "
    "[--sort POSITION[:asc|desc]] [--csv | --count]";

struct FilterArg {
    int filter;
    std::string link;
};

struct Options {
    std::string file;
    std::optional<std::string> database;
    std::vector<FilterArg> filters;
    std::optional<int> sortPosition;
    int sortAscending = -1;  // -1: as a header click sorts
    bool csv = false;
    bool count = false;
};

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool ParseSort(const std::string& text, Options& options) {
    const std::size_t colon = text.find(':');
    const auto position = ParseInt(std::string_view(text).substr(0, colon));
    if (!position || *position < 0) {
        return false;
    }
    options.sortPosition = *position;
    if (colon == std::string::npos) {
        return true;
    }
    const std::string direction = text.substr(colon + 1);
    if (direction != "asc" && direction != "desc") {
        return false;
    }
    options.sortAscending = direction == "asc" ? 1 : 0;
    return true;
}

std::optional<Options> ParseArgs(const Args& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--db" && hasValue) {
            options.database = args[++i];
        } else if (arg == "--filter" && hasValue) {
            const std::string& value = args[++i];
            const std::size_t equals = value.find('=');
            const auto filter = ParseInt(std::string_view(value).substr(0, equals));
            if (equals == std::string::npos || !filter || *filter < 0 ||
                *filter >= S::kFilterCount) {
                return std::nullopt;
            }
            options.filters.push_back({*filter, value.substr(equals + 1)});
        } else if (arg == "--sort" && hasValue) {
            if (!ParseSort(args[++i], options)) {
                return std::nullopt;
            }
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (arg == "--count") {
            options.count = true;
        } else if (options.file.empty() && !arg.empty() && arg[0] != '-') {
            options.file = arg;
        } else {
            return std::nullopt;
        }
    }
    if (options.file.empty() || (options.csv && options.count)) {
        return std::nullopt;
    }
    return options;
}

std::optional<CProd_ValveData> ReadSelection(const std::string& path,
                                             CSelectionFileHeader& header) {
    CSelectionFileFields fields;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    if (!ReadSelectionForTool(path, header, fields, workflow)) {
        return std::nullopt;
    }
    return workflow.GetValveData();
}

// A numeric filter takes NUMBER or NUMBER:UNIT (a unit code; the filter's own unit without).
bool ApplyNumericFilter(S& selection, const FilterArg& arg) {
    const std::size_t colon = arg.link.find(':');
    const std::string number = arg.link.substr(0, colon);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
        return false;
    }
    const std::string unit = colon == std::string::npos ? selection.NumericFilter(arg.filter).Unit()
                                                        : arg.link.substr(colon + 1);
    if (!CUnitDouble::TryConvert(1.0, selection.NumericFilter(arg.filter).Unit(), unit)) {
        return false;
    }
    selection.ChangeNumericFilter(arg.filter, CUnitDouble(value, unit));
    return true;
}

bool ApplyFilter(S& selection, const FilterArg& arg) {
    const bool numeric = arg.filter == S::kMaxFluidTemp || arg.filter == S::kMinFluidTemp ||
                         arg.filter == S::kMaxInletPressure;
    return numeric ? ApplyNumericFilter(selection, arg)
                   : selection.SelectByLink(arg.filter, arg.link);
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

void PrintLine(const std::vector<std::string>& items, bool csv) {
    if (!csv) {
        PrintFields(items);
        return;
    }
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += CsvField(items[i]);
    }
    std::cout << line << "\r\n";
}

int PrintCandidates(S& selection, const Options& options) {
    if (options.count) {
        std::cout << selection.RowCount() << '\n';
        return 0;
    }
    const std::vector<int>& columns = selection.Columns();
    std::vector<std::string> items;
    for (const int column : columns) {
        items.push_back(selection.ColumnTitle(column));
    }
    PrintLine(items, options.csv);
    for (std::size_t row = 0; row < selection.RowCount(); ++row) {
        items.clear();
        for (const int column : columns) {
            items.push_back(selection.CellText(row, column));
        }
        PrintLine(items, options.csv);
    }
    return 0;
}

int ListCandidates(IDatabase& db, const CProd_ValveData& record, const Options& options) {
    S selection(db, record);
    selection.SetAskBeforeLargeLists(false);
    if (selection.Open() != S::OpenResult::Ready) {
        std::cerr << "morvane-cli candidates: the selection offers no part number list\n";
        return 1;
    }
    for (const FilterArg& arg : options.filters) {
        if (!ApplyFilter(selection, arg)) {
            std::cerr << "morvane-cli candidates: filter " << arg.filter << " offers no "
                      << arg.link << '\n';
            return 1;
        }
    }
    if (selection.Update() == S::UpdateResult::MinimumRefused) {
        return 1;
    }
    selection.RestoreHighlightAndSort();
    if (options.sortPosition) {
        const std::vector<int>& columns = selection.Columns();
        if (*options.sortPosition >= static_cast<int>(columns.size())) {
            std::cerr << "morvane-cli candidates: the list has " << columns.size()
                      << " columns, counted from 0\n";
            return 1;
        }
        selection.SortByColumnAscending(columns[static_cast<std::size_t>(*options.sortPosition)],
                                        options.sortAscending, -1);
    }
    return PrintCandidates(selection, options);
}

int Candidates(const Args& args) {
    const std::optional<Options> options = ParseArgs(args);
    if (!options) {
        std::cerr << kUsage << '\n';
        return 1;
    }
    CSelectionFileHeader header;
    const std::optional<CProd_ValveData> record = ReadSelection(options->file, header);
    if (!record) {
        return 1;
    }
    CSelectionDatabase database;
    if (!database.Open(options->database, header.languageCode, options->file)) {
        return 1;
    }
    try {
        return ListCandidates(database.Get(), *record, *options);
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
}

}  // namespace

void AddCandidateCommands(CommandTable& table) {
    table.push_back({"candidates",
                     "FILE.mrv [--db FILE] [--filter N=LINK ...] [--sort POSITION[:asc|desc]] "
                     "[--csv | --count]",
                     Candidates});
}

}  // namespace veritom::cli
