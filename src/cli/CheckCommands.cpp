#include <iostream>
#include <optional>

#include "CliCommand.h"
#include "CliOutput.h"
#include "DatabaseCommands.h"
#include "SelectionDatabase.h"
#include "SelectionInput.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Format.h"
#include "base/StringTable.h"
#include "data/Database.h"
#include "model/ValveObject.h"
#include "wizard/WizardStrings.h"
#include "wizard/application/ApplicationCheck.h"

namespace veritom::cli {

namespace {

bool ReadSelection(const std::string& path, CSelectionFileHeader& header,
                   CProd_ValveObject& workflow) {
    CSelectionFileFields fields;
    return ReadSelectionForTool(path, header, fields, workflow);
}

// Runs the check the Application step's OK runs on the file's record, on the database of the
// file's language, and prints "pass" (with the calculated flow factor of the sizing check)
// or "fail", the message key and the text the message box shows.
int CheckSelectionFile(const Args& arguments) {
    Args args = arguments;
    std::optional<std::string> named;
    if (!TakeDatabaseOption(args, named) || args.size() != 1) {
        std::cerr << "usage: morvane-cli check [--db FILE] FILE.mrv\n";
        return 1;
    }
    const std::string& path = args[0];
    CSelectionFileHeader header;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    if (!ReadSelection(path, header, workflow)) {
        return 1;
    }
    CSelectionDatabase database;
    if (!database.Open(named, header.languageCode, path)) {
        return 1;
    }
    IDatabase& db = database.Get();
    const CProd_ValveData& record = workflow.GetValveData();
    const std::optional<CCheckOutcome> outcome = CApplicationCheck::Run(db, record);
    if (!outcome) {
        std::cerr << Format(LoadString(ids::kNothingToCheck), path) << '\n';
        return 1;
    }
    if (!outcome->passed) {
        PrintFields({"fail", outcome->key, outcome->text});
    } else if (record.m_SelMethodCode.Value() != 2 && record.m_MethodLink == 2) {
        PrintFields({"pass", Format("%.17g", outcome->calculatedCv)});
    } else {
        PrintFields({"pass"});
    }
    return 0;
}

}  // namespace

void AddCheckCommands(CommandTable& table) {
    table.push_back({"check", "[--db FILE] FILE.mrv", CheckSelectionFile});
}

}  // namespace veritom::cli
