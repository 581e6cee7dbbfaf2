// Every command that reads a selection file runs on the database of the file's language,
// whatever language the installation runs in now.
#include <algorithm>

#include "CliRunner.h"
#include "SelectionFiles.h"

namespace veritom::test {
namespace {

// The lines of a run without the report's date, which moves on between runs.
std::vector<std::string> Stable(const CliRun& run) {
    std::vector<std::string> lines = run.Lines();
    std::erase_if(lines,
                  [](const std::string& line) { return line.starts_with("ReportDateVAL\t"); });
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

TEST(CliSelectionLanguage, WithoutDbTheDatabaseOfTheFilesLanguage) {
    TemporaryFolder folder;
    const CProd_ValveData complete = WithPartNumber(CatalogDataWithCoil());
    CProd_ValveData tooHigh = CatalogDataWithCoil();
    tooHigh.m_App_MOPDVAL.Set(500, "PSIG");
    const std::string englishNow = UserStoreWithLanguage(folder, "EN");
    const std::string germanNow = UserStoreWithLanguage(folder, "DE");

    struct Case {
        const char* command;
        CProd_ValveData record;
        std::vector<std::string> options;
        std::string germanText;  // a text only the German database gives
    };
    const std::vector<Case> cases = {
        {"check", tooHigh, {}, "Der maximale Differenzdruck liegt"},
        {"solenoid", complete, {}, "\tNormaler Bereich"},
        {"candidates", complete, {}, "Messing"},
        {"report", complete, {"--map"}, "Teilenummer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const std::string german = WriteSelection(folder, "de.mrv", c.record, "DE", true);
        const std::string english = WriteSelection(folder, "en.mrv", c.record, "EN", true);
        std::vector<std::string> arguments = {c.command, german};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());

        const CliRun inEnglish = RunCli(folder, arguments, {englishNow});
        ASSERT_EQ(inEnglish.status, 0) << inEnglish.err;
        EXPECT_TRUE(Contains(inEnglish.Lines(), c.germanText)) << inEnglish.out;
        const CliRun inGerman = RunCli(folder, arguments, {germanNow});
        EXPECT_EQ(Stable(inEnglish), Stable(inGerman));

        arguments[1] = english;
        const CliRun englishFile = RunCli(folder, arguments, {germanNow});
        ASSERT_EQ(englishFile.status, 0) << englishFile.err;
        EXPECT_FALSE(Contains(englishFile.Lines(), c.germanText)) << englishFile.out;
    }
}

// --db names the folder of the databases by one of its files; a file whose language has no
// database there fails with a message.
TEST(CliSelectionLanguage, NamedDatabaseFolderAndMissingLanguage) {
    TemporaryFolder folder;
    const CProd_ValveData complete = WithPartNumber(CatalogDataWithCoil());
    const std::string german = WriteSelection(folder, "de.mrv", complete, "DE", true);
    const std::string french = WriteSelection(folder, "fr.mrv", complete, "FR", true);
    for (const char* command : {"check", "solenoid", "candidates", "report"}) {
        SCOPED_TRACE(command);
        std::vector<std::string> arguments = {command, german, "--db", kShare + "/MorvaneEN.mdb"};
        if (std::string(command) == "report") {
            arguments.push_back("--map");
        }
        const CliRun named = RunCli(folder, arguments);
        EXPECT_EQ(named.status, 0) << named.err;
        arguments[1] = french;
        const CliRun missing = RunCli(folder, arguments);
        EXPECT_EQ(missing.status, 1);
        EXPECT_EQ(missing.out, "");
        EXPECT_NE(missing.err.find("MorvaneFR.mdb"), std::string::npos) << missing.err;
    }
}

}  // namespace
}  // namespace veritom::test
