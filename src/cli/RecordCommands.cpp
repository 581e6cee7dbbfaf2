#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "base/Archive.h"
#include "base/FileIo.h"
#include "model/ValveData.h"

namespace veritom::cli {

namespace {

constexpr const char* kFileUsage = "FILE";

int Usage(const std::string& name) {
    std::cerr << "usage: morvane-cli " << name << ' ' << kFileUsage << '\n';
    return 1;
}

// A record stream is a few kilobytes; nothing near this size is one.
constexpr std::size_t kMaxRecordStreamSize = 16 * 1024 * 1024;

int Fail(const std::string& command, const std::string& message) {
    std::cerr << "morvane-cli " << command << ": " << message << '\n';
    return 1;
}

// Reads file, which must hold exactly one record stream, into record in place. The record is
// never copied afterwards: a copy puts default key names back where the stream holds empty
// ones, and the commands show what the file holds.
bool ReadRecordFile(const std::string& command, const std::string& file, CProd_ValveData& record) {
    std::vector<std::uint8_t> bytes;
    const FileResult read = ReadFileBytes(file, bytes, kMaxRecordStreamSize);
    if (!read.Ok()) {
        Fail(command, DescribeFileError(read, file));
        return false;
    }
    CArchive ar(std::move(bytes));
    if (!record.Load(ar)) {
        Fail(command, file + ": damaged or truncated record stream");
        return false;
    }
    if (ar.Remaining() != 0) {
        Fail(command,
             file + ": " + std::to_string(ar.Remaining()) + " bytes left over after the record");
        return false;
    }
    return true;
}

int WriteNewRecord(const Args& args) {
    if (args.size() != 1) {
        return Usage("record-new");
    }
    CArchive ar;
    CProd_ValveData().Serialize(ar);
    const FileResult written = WriteFileReplacing(args[0], ar.Bytes());
    if (!written.Ok()) {
        return Fail("record-new", DescribeFileError(written, args[0]));
    }
    return 0;
}

int DumpRecord(const Args& args) {
    if (args.size() != 1) {
        return Usage("record-dump");
    }
    CProd_ValveData record;
    if (!ReadRecordFile("record-dump", args[0], record)) {
        return 1;
    }
    for (const ValveMemberText& member : record.DescribeMembers()) {
        std::vector<std::string> items = {member.number, member.key};
        items.insert(items.end(), member.values.begin(), member.values.end());
        PrintFields(items);
    }
    return 0;
}

int ReportRecord(const Args& args) {
    if (args.size() != 1) {
        return Usage("record-report");
    }
    CProd_ValveData record;
    if (!ReadRecordFile("record-report", args[0], record)) {
        return 1;
    }
    CReportMap map;
    record.AddToReportMap(map);
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
