#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "CliOutput.h"
#include "DatabaseCommands.h"
#include "SelectionDatabase.h"
#include "SelectionInput.h"
#include "app/AppStrings.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/FileIo.h"
#include "base/Format.h"
#include "base/Links.h"
#include "base/StringTable.h"
#include "data/DaoException.h"
#include "data/Database.h"
#include "model/ValveObject.h"
#include "wizard/WizardStrings.h"
#include "wizard/coil/ElectricalSelection.h"

namespace veritom::cli {

namespace {

constexpr int kKnownOperatingParameters = 1;
constexpr int kApplicationStep = 2;

bool ReadSelection(const std::string& path, CSelectionFileHeader& header,
                   CProd_ValveObject& workflow) {
    CSelectionFileFields fields;
    return ReadSelectionForTool(path, header, fields, workflow);
}

void PrintVoltages(const CElectricalSelection& selection, const std::string& current) {
    const std::vector<VoltageEntry>& list = selection.GetLists().List(current);
    const int defaultIndex = selection.GetLists().DefaultIndex(current);
    for (std::size_t i = 0; i < list.size(); ++i) {
        PrintFields({"voltage", current, list[i].text, list[i].link,
                     static_cast<int>(i) == defaultIndex ? "default" : ""});
    }
}

void PrintChoices(const CElectricalSelection& selection) {
    PrintVoltages(selection, links::kAC);
    PrintVoltages(selection, links::kDC);
    const int index = selection.GetVoltageIndex();
    if (index >= 0) {
        const VoltageEntry& chosen = selection.GetVoltages()[static_cast<std::size_t>(index)];
        PrintFields({"selected", selection.GetCurrent(), chosen.text, chosen.link});
    }
    const CElectricalSelection::LocationState& location = selection.GetLocation();
    for (const LocationEntry& entry : selection.GetLocationEntries()) {
        PrintFields({"location", entry.link, entry.text, entry.description,
                     entry.link == location.link ? "selected" : ""});
    }
}

// The voltages and environments dialog 105 offers for a selection whose Application step
// was done by the known operating parameters.
int ShowSolenoidChoices(const Args& arguments) {
    Args args = arguments;
    std::optional<std::string> named;
    if (!TakeDatabaseOption(args, named) || args.size() != 1) {
        std::cerr << "usage: morvane-cli solenoid [--db FILE] FILE.mrv\n";
        return 1;
    }
    CSelectionFileHeader header;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    if (!ReadSelection(args[0], header, workflow)) {
        return 1;
    }
    const CProd_ValveData& record = workflow.GetValveData();
    if (workflow.GetStepReached() < kApplicationStep ||
        record.m_SelMethodCode.Value() != kKnownOperatingParameters) {
        std::cerr << Format(LoadString(ids::kSolenoidStepNotOpen), args[0]) << '\n';
        return 1;
    }
    CSelectionDatabase database;
    if (!database.Open(named, header.languageCode, args[0])) {
        return 1;
    }
    try {
        CElectricalSelection selection(database.Get(), record);
        if (!selection.Load()) {
            std::cerr << LoadString(ids::kNoVoltageOffered) << '\n';
        }
        PrintChoices(selection);
    } catch (const CDaoException& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

void AddSolenoidCommands(CommandTable& table) {
    table.push_back({"solenoid", "[--db FILE] FILE.mrv", ShowSolenoidChoices});
}

}  // namespace veritom::cli
