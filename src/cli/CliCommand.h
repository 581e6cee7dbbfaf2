#pragma once

#include <functional>
#include <string>
#include <vector>

namespace veritom::cli {

using Args = std::vector<std::string>;

// One command of morvane-cli: output for people and scripts alike (tab-separated, one item
// a line), messages on standard error, exit status 0 on success and 1 on failure.
struct Command {
    std::string name;
    std::string usage;  // the arguments, as shown in the usage text
    std::function<int(const Args&)> run;
};

using CommandTable = std::vector<Command>;

// "units", "convert" and "format": the unit catalogue and its conversions.
void AddUnitCommands(CommandTable& table);
// "record-new", "record-dump" and "record-report": valve selection record streams.
void AddRecordCommands(CommandTable& table);
// "dump": a selection file, header to record.
void AddSelectionFileCommands(CommandTable& table);
// "check": the Application step's check on a selection file's record.
void AddCheckCommands(CommandTable& table);
// "rapid" and "interchange": the rapid selection walk and the competitor interchange.
void AddToolCommands(CommandTable& table);
// "solenoid": the voltages and environments the Solenoid step offers for a selection file.
void AddSolenoidCommands(CommandTable& table);
// "candidates": the part number list of a selection file.
void AddCandidateCommands(CommandTable& table);
// "report": the selection report of a selection file, as a map or a PDF file.
void AddReportCommands(CommandTable& table);
// "orderpad-dump": the storages and streams of an order pad transfer document.
void AddOrderPadCommands(CommandTable& table);

}  // namespace veritom::cli
