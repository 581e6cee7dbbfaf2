#include "DatabaseCommands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>
#include <string_view>

#include "CliOutput.h"
#include "DefaultDatabase.h"
#include "base/Format.h"
#include "base/StringTable.h"
#include "data/ColumnReader.h"
#include "data/DaoException.h"
#include "data/DataStrings.h"
#include "data/Database.h"
#include "data/QD.h"
#include "data/Recordset.h"

namespace veritom::cli {

namespace {

// --db names the file itself, so no language code is added to it.
struct Parameter {
    std::string name;
    CFieldValue value;
};

constexpr const char* kQueryUsage = "[--db FILE] NAME [PARAM=VALUE ...]";
constexpr const char* kQueriesUsage = "[--db FILE]";

int Usage(const std::string& name, const std::string& usage) {
    std::cerr << "usage: morvane-cli " << name << ' ' << usage << '\n';
    return 1;
}

bool IsDatabaseOption(const std::string& arg) {
    return arg == "--db" || arg.rfind("--db=", 0) == 0;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view text) {
    T value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<CFieldValue> ParseValue(std::string_view kind, std::string_view text) {
    if (kind == "text") {
        return CFieldValue::Text(std::string(text));
    }
    if (kind == "float") {
        const auto value = ParseWhole<float>(text);
        return value && std::isfinite(*value) ? std::optional(CFieldValue::Float32(*value))
                                              : std::nullopt;
    }
    if (kind == "int16") {
        const auto value = ParseWhole<std::int16_t>(text);
        return value ? std::optional(CFieldValue::Int16(*value)) : std::nullopt;
    }
    if (kind == "int32") {
        const auto value = ParseWhole<std::int32_t>(text);
        return value ? std::optional(CFieldValue::Int32(*value)) : std::nullopt;
    }
    return std::nullopt;
}

// "[parFuncLink]=text:NC2": the name keeps its brackets; the value's kind comes first.
std::optional<Parameter> ParseParameter(const std::string& argument) {
    std::size_t equals = argument.find("]=");
    equals = equals == std::string::npos ? argument.find('=') : equals + 1;
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    const std::string_view rest = std::string_view(argument).substr(equals + 1);
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    auto value = ParseValue(rest.substr(0, colon), rest.substr(colon + 1));
    if (!value) {
        return std::nullopt;
    }
    return Parameter{argument.substr(0, equals), std::move(*value)};
}

// Tabs and line ends inside a text would break the one-record-a-line output.

std::string DisplayText(const CFieldValue& value) {
    switch (value.Kind()) {
        case FieldKind::Null:
            return std::string();
        case FieldKind::Int16:
            return std::to_string(*value.Get<std::int16_t>());
        case FieldKind::Int32:
            return std::to_string(*value.Get<std::int32_t>());
        case FieldKind::Float32:
            return Format("%.10g", *value.Get<float>());
        case FieldKind::Float64:
            return Format("%.10g", *value.Get<double>());
        case FieldKind::Bool:
            return *value.Get<bool>() ? "true" : "false";
        case FieldKind::Currency:
            return Format("%.4f", value.Get<Currency>()->ToDouble());
        case FieldKind::DateTime:
            return FormatDateTime(*value.Get<DateTime>());
        case FieldKind::Text:
            return EscapeField(*value.Get<std::string>());
        case FieldKind::Bytes:
            return Format("<%d bytes>", static_cast<long long>(value.Get<ByteArray>()->size()));
    }
    return std::string();
}

void PrintRecords(IRecordset& records) {
    for (int i = 0; i < records.GetFieldCount(); ++i) {
        std::cout << (i ? "\t" : "") << EscapeField(records.GetFieldName(i));
    }
    std::cout << '\n';
    while (!records.IsEOF()) {
        for (int i = 0; i < records.GetFieldCount(); ++i) {
            std::cout << (i ? "\t" : "") << DisplayText(records.GetFieldValue(i));
        }
        std::cout << '\n';
        records.MoveNext();
    }
}

int RunQuery(const Args& arguments) {
    Args args = arguments;
    std::optional<std::string> named;
    if (!TakeDatabaseOption(args, named) || args.empty()) {
        return Usage("query", kQueryUsage);
    }
    std::vector<Parameter> parameters;
    for (std::size_t i = 1; i < args.size(); ++i) {
        auto parameter = ParseParameter(args[i]);
        if (!parameter) {
            std::cerr << Format(LoadString(ids::kBadQueryParameter), args[i]) << '\n';
            return 1;
        }
        parameters.push_back(std::move(*parameter));
    }
    CCommandDatabase database;
    if (!database.Open(named)) {
        return 1;
    }
    IDatabase& db = database.Get();
    try {
        QD query(db, args[0]);
        for (auto& parameter : parameters) {
            query.SetParamValue(parameter.name, std::move(parameter.value));
        }
        IRecordset records(db);
        records.Open(query);
        PrintRecords(records);
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}

// One line a query: its name, then its parameters. A query the engine rejects is still
// listed, with the failure on standard error and exit status 1.
int ListQueries(const Args& arguments) {
    Args args = arguments;
    std::optional<std::string> named;
    if (!TakeDatabaseOption(args, named) || !args.empty()) {
        return Usage("queries", kQueriesUsage);
    }
    CCommandDatabase database;
    if (!database.Open(named)) {
        return 1;
    }
    IDatabase& db = database.Get();
    bool allPrepared = true;
    try {
        for (const auto& name : db.GetStoredQueryNames()) {
            std::string line = EscapeField(name);
            try {
                const QD query(db, name);
                for (const auto& parameter : query.GetParameterNames()) {
                    line += '\t' + parameter;
                }
            } catch (const CDaoException& failure) {
                std::cerr << failure.what() << '\n';
                allPrepared = false;
            }
            std::cout << line << '\n';
        }
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return allPrepared ? 0 : 1;
}

}  // namespace

bool TakeDatabaseOption(Args& args, std::optional<std::string>& file) {
    const auto option = std::find_if(args.begin(), args.end(), IsDatabaseOption);
    if (option == args.end()) {
        return true;
    }
    if (*option == "--db") {
        if (option + 1 == args.end() || option[1].empty()) {
            return false;
        }
        file = option[1];
        args.erase(option, option + 2);
    } else {
        file = option->substr(5);
        args.erase(option);
        if (file->empty()) {
            return false;
        }
    }
    return std::none_of(args.begin(), args.end(), IsDatabaseOption);
}

std::optional<std::string> DatabaseFile(const std::optional<std::string>& named) {
    if (named) {
        return named;
    }
    std::string error;
    auto file = DefaultDatabaseFile(error);
    if (!file) {
        std::cerr << error << '\n';
    }
    return file;
}

bool CCommandDatabase::Open(const std::optional<std::string>& named) {
    const auto file = DatabaseFile(named);
    return file && m_database.OpenFile(*file, false, true, "");
}

void AddDatabaseCommands(CommandTable& table) {
    table.push_back({"query", kQueryUsage, &RunQuery});
    table.push_back({"queries", kQueriesUsage, &ListQueries});
}

}  // namespace veritom::cli
