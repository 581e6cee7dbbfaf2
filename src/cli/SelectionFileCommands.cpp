#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "app/AppStrings.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Format.h"
#include "base/StringTable.h"
#include "model/ValveObject.h"

namespace veritom::cli {

namespace {

// One item a line even when a text holds a tab or a line break.

void PrintAnswer(const std::string& label, const CValveTypeAnswer& answer) {
    PrintFields({label, answer.text, answer.link, answer.third, std::to_string(answer.number)});
}

void PrintHeader(const CSelectionFileHeader& header) {
    PrintFields({"language-code", header.languageCode});
    PrintFields({"language-name", header.languageName});
    PrintFields({"application-name", header.applicationName});
    PrintFields({"mark-1", std::to_string(header.mark1)});
    PrintFields({"mark-2", std::to_string(header.mark2)});
    PrintFields({"language-string-id", std::to_string(header.languageStringId)});
}

void PrintSelectionFields(const CSelectionFileFields& fields) {
    PrintAnswer("function-type", fields.answers.functionType);
    PrintAnswer("flow-pattern", fields.answers.flowPattern);
    PrintAnswer("option", fields.answers.option);
    PrintFields({"highest-step", std::to_string(fields.highestStep)});
    PrintFields({"order-pad-ready", fields.orderPadReady ? "1" : "0"});
    PrintFields({"spare", fields.spare ? "1" : "0"});
    PrintFields({"selection-complete", fields.selectionComplete ? "1" : "0"});
}

void PrintWorkflow(const CProd_ValveObject& workflow) {
    PrintFields({"step-reached", std::to_string(workflow.GetStepReached())});
    const std::vector<std::string>& texts = workflow.GetStepTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        PrintFields({"step-text", std::to_string(i), texts[i]});
    }
    for (const ValveMemberText& member : workflow.GetValveData().DescribeMembers()) {
        std::vector<std::string> items = {member.number, member.key};
        items.insert(items.end(), member.values.begin(), member.values.end());
        PrintFields(items);
    }
}

int DumpSelectionFile(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "usage: morvane-cli dump FILE.mrv\n";
        return 1;
    }
    const std::string& path = args[0];
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) {
        std::cerr << Format(LoadString(ids::kCannotRead), path) << '\n';
        return 1;
    }
    CSelectionFileHeader header;
    CSelectionFileFields fields;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    switch (LoadSelectionFile(bytes, header, fields, workflow)) {
        case SelectionFileStatus::Ok:
            break;
        case SelectionFileStatus::NotASelectionFile:
            std::cerr << Format(LoadString(ids::kNotValidSelectionFile), path,
                                std::string(CNerithObject::kApplicationName))
                      << '\n';
            return 1;
        case SelectionFileStatus::WrongMarks:
            std::cerr << LoadString(ids::kConflictingVersion) << '\n';
            return 1;
        case SelectionFileStatus::Unreadable:
        case SelectionFileStatus::Damaged:
            std::cerr << Format(LoadString(ids::kDamagedNothingKept), path) << '\n';
            return 1;
    }
    PrintHeader(header);
    PrintSelectionFields(fields);
    PrintWorkflow(workflow);
    return 0;
}

}  // namespace

void AddSelectionFileCommands(CommandTable& table) {
    table.push_back({"dump", "FILE.mrv", DumpSelectionFile});
}

}  // namespace veritom::cli
