#include <cctype>
#include <filesystem>
#include <iostream>
#include <optional>

#include "CliCommand.h"
#include "CliOutput.h"
#include "DefaultDatabase.h"
#include "SelectionInput.h"
#include "app/AppStrings.h"
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

class FileLanguage : public ILanguageSource {
public:
    explicit FileLanguage(std::string code) : m_code(std::move(code)) {}
    std::string GetLanguageCode() const override { return m_code; }

private:
    std::string m_code;
};

// A language code names a file of the database folder: letters and digits only.
bool IsLanguageCode(const std::string& code) {
    if (code.empty() || code.size() > 8) {
        return false;
    }
    for (const char c : code) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// The folder of the selection databases: that of --db FILE, else that of the default one.
std::optional<std::string> DatabaseFolder(Args& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--db") {
            const std::string file = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            return std::filesystem::path(file).parent_path().string();
        }
    }
    std::string error;
    const auto file = DefaultDatabaseFile(error);
    if (!file) {
        std::cerr << error << '\n';
        return std::nullopt;
    }
    return std::filesystem::path(*file).parent_path().string();
}

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
    const auto folder = DatabaseFolder(args);
    if (args.size() != 1) {
        std::cerr << "usage: morvane-cli check [--db FILE] FILE.mrv\n";
        return 1;
    }
    if (!folder) {
        return 1;
    }
    const std::string& path = args[0];
    CSelectionFileHeader header;
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    if (!ReadSelection(path, header, workflow)) {
        return 1;
    }
    if (!IsLanguageCode(header.languageCode)) {
        std::cerr << Format(LoadString(ids::kDamaged), path) << '\n';
        return 1;
    }
    const FileLanguage language(header.languageCode);
    IDatabase db(language);
    if (!db.Open(*folder, CNerithObject::kDatabaseName, false, true, "")) {
        return 1;
    }
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
