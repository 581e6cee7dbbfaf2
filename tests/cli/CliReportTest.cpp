// morvane-cli report: the selection report of a selection file, as a map or as a PDF file
// written by the report library, without a display.
#include <filesystem>
#include <fstream>
#include <regex>

#include "CliRunner.h"
#include "SelectionFiles.h"

namespace veritom::test {
namespace {

namespace fs = std::filesystem;

const std::string kLibrary = VERITOM_STAGE_DIR "/lib/libveritomreport.so";

class CliReport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kShare + "/MorvaneEN.mdb")) {
            GTEST_SKIP() << "the selection database has not been built";
        }
        m_record = WithPartNumber(CatalogDataWithCoil());
        m_record.m_FluidVAL = std::string("Water\tcold");  // a tab inside a value
        m_file = WriteSelection(m_folder, "valve.mrv", m_record, "EN", true);
    }

    // The staged machine store with LocalPath in the test's folder.
    std::string MachineStore() {
        std::ifstream in(VERITOM_STAGE_DIR "/etc/veritom/machine.ini");
        std::ostringstream out;
        for (std::string line; std::getline(in, line);) {
            out << (line.starts_with("LocalPath=") ? "LocalPath=\"" + m_folder.Path() + "\"" : line)
                << '\n';
        }
        const std::string path = m_folder.File("machine.ini");
        std::ofstream(path) << out.str();
        return "VERITOM_MACHINE_STORE=" + path;
    }

    TemporaryFolder m_folder;
    CProd_ValveData m_record;
    std::string m_file;
};

TEST_F(CliReport, MapOneKeyALineSortedWithTheProgramsOwnEntries) {
    const CliRun run = RunCli(m_folder, {"report", m_file, "--map"}, {MachineStore()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
    const std::string partNumber = m_record.m_PN_CompletePNVAL.Value();
    ASSERT_FALSE(partNumber.empty());
    const std::vector<std::string> expected = {
        "PN_CompletePNVAL\tPart Number\t" + partNumber,
        "FluidVAL\tFluid\tWater\\tcold",
        "GRAPHICSPATH\t" + m_folder.Path() + "/Graphics/",
        "SoftwareVersionVAL\t3.0",
    };
    for (const std::string& line : expected) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line << '\n'
                                                                            << run.out;
    }
    const std::regex date(R"(ReportDateVAL\t[A-Z][a-z]+ \d{1,2} \d{4} - \d\d:\d\d:\d\d)");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [&](const std::string& line) { return std::regex_match(line, date); }),
              1)
        << run.out;
    const auto warning = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("WarningVAL\t");
    });
    ASSERT_NE(warning, lines.end());
    EXPECT_GT(warning->size(), 40u);
}

TEST_F(CliReport, RefusesWhatItCannotReport) {
    CProd_ValveData noPartNumber = CatalogDataWithCoil();
    const std::string incomplete =
        WriteSelection(m_folder, "incomplete.mrv", noPartNumber, "EN", false);
    std::ofstream(m_folder.File("other.mrv")) << "no selection";
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::string usage =
        "usage: morvane-cli report FILE.mrv [--db FILE] (--pdf OUT.pdf | --map)\n";
    const std::vector<Case> cases = {
        {"neither map nor PDF", {m_file}, usage},
        {"both", {m_file, "--map", "--pdf", m_folder.File("x.pdf")}, usage},
        {"a PDF without a name", {m_file, "--pdf"}, usage},
        {"two files", {m_file, m_file, "--map"}, usage},
        {"an incomplete selection",
         {incomplete, "--map"},
         incomplete + " holds no complete selection: the selection report is made once a part "
                      "number has been chosen.\n"},
        {"no selection file", {m_folder.File("other.mrv"), "--map"}, ""},
        {"no file", {m_folder.File("missing.mrv"), "--pdf", m_folder.File("x.pdf")}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> arguments = {"report"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = RunCli(m_folder, arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        if (c.message.empty()) {
            EXPECT_FALSE(run.err.empty());
        } else {
            EXPECT_EQ(run.err, c.message);
        }
    }
    EXPECT_FALSE(fs::exists(m_folder.File("x.pdf")));
}

// The report library writes the page; its text holds the labels and values of the selection.
TEST_F(CliReport, PdfOfACompleteSelectionWithoutADisplay) {
    if (!fs::exists(kLibrary)) {
        GTEST_SKIP() << "this build has no report library (built without Qt)";
    }
    const std::string pdf = m_folder.File("report.pdf");
    const CliRun run = RunCli(m_folder, {"report", m_file, "--pdf", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");

    // A folder that does not exist: the message names the file.
    const std::string nowhere = m_folder.File("no/such/folder/report.pdf");
    const CliRun failed = RunCli(m_folder, {"report", m_file, "--pdf", nowhere});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "The selection report could not be written to " + nowhere + ".\n");

    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        GTEST_SKIP()
            << "pdftotext (poppler-utils) is not installed: the page's text is not checked";
    }
    const std::string text = m_folder.File("report.txt");
    ASSERT_EQ(
        std::system(("pdftotext -layout " + ShellQuoted(pdf) + " " + ShellQuoted(text)).c_str()),
        0);
    std::ifstream page(text);
    const std::string shown((std::istreambuf_iterator<char>(page)),
                            std::istreambuf_iterator<char>());
    for (const std::string& expected :
         {std::string("Part Number"), m_record.m_PN_CompletePNVAL.Value(), std::string("Fluid"),
          std::string("Port Size"), std::string("1/2"), std::string("120 V / 60 Hz"),
          std::string("Standard molded coil"), m_record.m_PN_PNDescriptionVAL.Value()}) {
        EXPECT_NE(shown.find(expected), std::string::npos) << expected << '\n' << shown;
    }
}

// Without the library beside the program the report cannot be written, and says why.
TEST_F(CliReport, PdfWithoutTheLibrarySaysSo) {
    const fs::path program = fs::path(m_folder.Path()) / "bin" / "morvane-cli";
    fs::create_directories(program.parent_path());
    fs::copy_file(VERITOM_STAGE_DIR "/bin/morvane-cli", program);
    const std::string pdf = m_folder.File("report.pdf");
    const std::string command = ShellQuoted(program.string()) + " report " + ShellQuoted(m_file) +
                                " --db " + ShellQuoted(kShare + "/MorvaneEN.mdb") + " --pdf " +
                                ShellQuoted(pdf) + " 2>" + ShellQuoted(m_folder.File("err.txt"));
    EXPECT_NE(std::system(command.c_str()), 0);
    std::ifstream err(m_folder.File("err.txt"));
    const std::string message((std::istreambuf_iterator<char>(err)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(message,
              "The report library libveritomreport.so cannot be loaded.  The selection "
              "report cannot be shown or printed.\n");
    EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace veritom::test
