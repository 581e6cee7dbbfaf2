#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "base/Archive.h"
#include "model/ValveData.h"

namespace veritom::cli {

namespace {

constexpr const char* kFileUsage = "FILE";

int Usage(const std::string& name) {
    std::cerr << "usage: morvane-cli " << name << ' ' << kFileUsage << '\n';
    return 1;
}

// Keeps one item a line: texts from a record may hold tabs and line breaks.

// The record stored in file, which must hold exactly one record stream.
std::optional<CProd_ValveData> ReadRecordFile(const std::string& command, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "morvane-cli " << command << ": cannot open " << file << '\n';
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        std::cerr << "morvane-cli " << command << ": cannot read " << file << '\n';
        return std::nullopt;
    }
    CArchive ar(std::move(bytes));
    CProd_ValveData record;
    if (!record.Load(ar)) {
        std::cerr << "morvane-cli " << command << ": " << file
                  << ": damaged or truncated record stream\n";
        return std::nullopt;
    }
    if (ar.Remaining() != 0) {
        std::cerr << "morvane-cli " << command << ": " << file << ": " << ar.Remaining()
                  << " bytes left over after the record\n";
        return std::nullopt;
    }
    return record;
}

int WriteNewRecord(const Args& args) {
    if (args.size() != 1) {
        return Usage("record-new");
    }
    CArchive ar;
    CProd_ValveData().Serialize(ar);
    std::ofstream out(args[0], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(ar.Bytes().data()),
              static_cast<std::streamsize>(ar.Bytes().size()));
    out.close();
    if (!out) {
        std::cerr << "morvane-cli record-new: cannot write " << args[0] << '\n';
        return 1;
    }
    return 0;
}

int DumpRecord(const Args& args) {
    if (args.size() != 1) {
        return Usage("record-dump");
    }
    const auto record = ReadRecordFile("record-dump", args[0]);
    if (!record) {
        return 1;
    }
    for (const ValveMemberText& member : record->DescribeMembers()) {
        std::vector<std::string> rest = {member.key};
        rest.insert(rest.end(), member.values.begin(), member.values.end());
        rest.insert(rest.begin(), member.number);
        PrintFields(rest);
    }
    return 0;
}

int ReportRecord(const Args& args) {
    if (args.size() != 1) {
        return Usage("record-report");
    }
    const auto record = ReadRecordFile("record-report", args[0]);
    if (!record) {
        return 1;
    }
    CReportMap map;
    record->AddToReportMap(map);
    for (const auto& [key, texts] : map) {
        std::vector<std::string> items{key};
        items.insert(items.end(), texts.begin(), texts.end());
        PrintFields(items);
    }
    return 0;
}

}  // namespace

void AddRecordCommands(CommandTable& table) {
    table.push_back({"record-new", kFileUsage, WriteNewRecord});
    table.push_back({"record-dump", kFileUsage, DumpRecord});
    table.push_back({"record-report", kFileUsage, ReportRecord});
}

}  // namespace veritom::cli
