#include <iostream>

#include "CliCommand.h"
#include "DatabaseCommands.h"

using veritom::cli::CommandTable;

namespace {

CommandTable AllCommands() {
    CommandTable table;
    veritom::cli::AddUnitCommands(table);
    veritom::cli::AddRecordCommands(table);
    veritom::cli::AddSelectionFileCommands(table);
    veritom::cli::AddSolenoidCommands(table);
    veritom::cli::AddCandidateCommands(table);
    veritom::cli::AddReportCommands(table);
    veritom::cli::AddOrderPadCommands(table);
    veritom::cli::AddDatabaseCommands(table);
    veritom::cli::AddCheckCommands(table);
    veritom::cli::AddToolCommands(table);
    return table;
}

void PrintUsage(const CommandTable& table) {
    std::cerr << "usage: morvane-cli COMMAND [ARGUMENTS]\ncommands:\n";
    for (const auto& command : table) {
        std::cerr << "  " << command.name << ' ' << command.usage << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    const CommandTable table = AllCommands();
    if (argc < 2) {
        PrintUsage(table);
        return 1;
    }
    const std::string name = argv[1];
    for (const auto& command : table) {
        if (command.name == name) {
            return command.run(veritom::cli::Args(argv + 2, argv + argc));
        }
    }
    std::cerr << "morvane-cli: unknown command '" << name << "'\n";
    PrintUsage(table);
    return 1;
}
