#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CliRunner.h"
#include "FakeVeritomApp.h"
#include "FileKinds.h"
#include "FixtureDatabase.h"
#include "app/NerithObject.h"
#include "model/ValveObject.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::FixtureDatabase;

// Runs "morvane-cli dump path" and collects its lines and its standard error.
test::CliRun Dump(const FixtureDatabase& dir, const std::string& path) {
    return test::RunCliIn(dir.Dir(), {"dump", path});
}

TEST(CliDump, PrintsTheWholeFile) {
    FixtureDatabase db;
    FakeVeritomApp app;
    app.netPath = db.Dir();
    app.languageName = "English";
    app.languages[0].id = "24510";
    CNerithObject object(app);
    ASSERT_TRUE(object.Initialize());
    app.dialogs.valveType = [](CValveTypeAnswers& answers) {
        answers = {{"2-Way Normally Closed", "2NC", "", 0},
                   {"Angle Pattern", "ANG", "picANG", 0},
                   {"Stainless Stem", "SS", "", 2}};
        return IDOK;
    };
    app.dialogs.application = [](CProd_ValveData& record) {
        record.m_SelMethodCode = 1;
        record.m_MethodLink = 1;
        record.m_FluidVAL = std::string("Air\twith a tab");
        return IDOK;
    };
    ASSERT_TRUE(object.PerformButtonAction(100));
    ASSERT_TRUE(object.PerformButtonAction(101));
    const std::string path = db.PathOf("dump me.mrv");
    ASSERT_TRUE(object.SaveData(path));

    const test::CliRun outcome = Dump(db, path);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> lines = outcome.Lines();
    const std::vector<std::string> head(lines.begin(),
                                        lines.begin() + std::min<std::size_t>(19, lines.size()));
    EXPECT_EQ(head, (std::vector<std::string>{
                        "language-code\tEN",
                        "language-name\tEnglish",
                        "application-name\tMorvane Valve",
                        "mark-1\t3",
                        "mark-2\t26",
                        "language-string-id\t24510",
                        "function-type\t2-Way Normally Closed\t2NC\t\t0",
                        "flow-pattern\tAngle Pattern\tANG\tpicANG\t0",
                        "option\tStainless Stem\tSS\t\t2",
                        "highest-step\t2",
                        "order-pad-ready\t0",
                        "spare\t0",
                        "selection-complete\t0",
                        "step-reached\t2",
                        "step-text\t0\t",
                        "step-text\t1\t2-Way Normally Closed,  Angle Pattern,  Stainless Stem",
                        "step-text\t2\tFluid is Air\\twith a tab,  Port Connection Size ",
                        "step-text\t3\t",
                        "step-text\t4\t",
                    }));
    // Then every member of the record, as record-dump lists it.
    const CProd_ValveData& record = object.GetWorkflow()->GetValveData();
    EXPECT_EQ(lines.size(), 19 + record.DescribeMembers().size());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "26\tFluidVAL\tAir\\twith a tab"), lines.end());
}

TEST(CliDump, BadFilesFail) {
    FixtureDatabase db;
    const std::string wrongMarks = db.PathOf("marks.mrv");
    {
        std::vector<char> header(400, 0);
        header[104] = 4;
        header[108] = 26;
        std::ofstream(wrongMarks, std::ios::binary).write(header.data(), 400);
    }
    const std::string cut = db.PathOf("cut.mrv");
    {
        std::vector<char> header(370, 0);
        header[104] = 3;
        header[108] = 26;
        std::ofstream(cut, std::ios::binary).write(header.data(), 370);
    }
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {wrongMarks, "The Selection you are trying to open conflicts with this version.\n"},
        {cut, "The selection file " + cut + " is damaged or incomplete.\n"},
        {db.PathOf("none.mrv"), "The selection file " + db.PathOf("none.mrv") +
                                    " could not be read. " + db.PathOf("none.mrv") +
                                    " does not exist.\n"},
    };
    for (const Case& c : cases) {
        const test::CliRun outcome = Dump(db, c.path);
        EXPECT_EQ(outcome.status, 1) << c.path;
        EXPECT_TRUE(outcome.Lines().empty()) << c.path;
        EXPECT_EQ(outcome.err, c.message);
    }
}

TEST(CliDump, RefusesWhatIsNotARegularFile) {
    FixtureDatabase db;
    test::FileKinds files;
    for (const std::string& path : {files.Folder(), files.Fifo(), files.Device()}) {
        const test::CliRun outcome = Dump(db, path);
        EXPECT_EQ(outcome.status, 1) << path;
        EXPECT_TRUE(outcome.Lines().empty()) << path;
        EXPECT_EQ(outcome.err, "The selection file " + path + " could not be read. " + path +
                                   " is a folder, a device or a pipe, not a file.\n");
    }
}

}  // namespace
}  // namespace veritom
