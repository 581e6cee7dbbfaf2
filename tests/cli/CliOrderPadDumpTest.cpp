// morvane-cli orderpad-dump: the storages and streams of an order pad transfer document.
#include <fstream>

#include "CliRunner.h"
#include "tools/orderpad/OrderPadDocument.h"

namespace veritom::test {
namespace {

std::string Write(const TemporaryFolder& folder, const std::string& name,
                  const std::vector<unsigned char>& bytes) {
    const std::string path = folder.File(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A document as Add to OrderPad writes it: two parts, one with texts that need escaping.
TEST(CliOrderPadDump, ListsEveryStorageAndStreamWithItsBytes) {
    TemporaryFolder folder;
    COrderPadDocument document;
    ASSERT_TRUE(document.AddPart(
        0, {"4M-DDD-24D", "1", "Morvane Valve", "2-Way valve, 1/2\"", "Mod", "Cust Notes"}));
    ASSERT_TRUE(document.AddPart(1, {"K21-X", "1", "", "tab\there\\ \xC2\xB5m \xB5", "", "a\nb"}));
    const auto bytes = document.Finish("Morvane.exe");
    ASSERT_TRUE(bytes.has_value());

    const CliRun run = RunCli(folder, {"orderpad-dump", Write(folder, "transfer.ole", *bytes)});
    ASSERT_EQ(run.status, 0) << run.err;
    // Siblings in the compound file's own order: shorter names first.
    EXPECT_EQ(run.Lines(), (std::vector<std::string>{
                               "storage\tPart*0",
                               "stream\tPart*0/Division\t13\tMorvane Valve",
                               "stream\tPart*0/Quantity\t1\t1",
                               "stream\tPart*0/Description\t17\t2-Way valve, 1/2\"",
                               "stream\tPart*0/Part Number\t10\t4M-DDD-24D",
                               "stream\tPart*0/Modification\t3\tMod",
                               "stream\tPart*0/Customer Notes\t10\tCust Notes",
                               "storage\tPart*1",
                               "stream\tPart*1/Division\t0\t",
                               "stream\tPart*1/Quantity\t1\t1",
                               "stream\tPart*1/Description\t15\ttab\\there\\\\ \xC2\xB5m \\xB5",
                               "stream\tPart*1/Part Number\t5\tK21-X",
                               "stream\tPart*1/Modification\t0\t",
                               "stream\tPart*1/Customer Notes\t3\ta\\nb",
                               "stream\tVeritom Name\t11\tMorvane.exe",
                           }))
        << run.out;
}

TEST(CliOrderPadDump, RefusesWhatIsNoDocument) {
    TemporaryFolder folder;
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::string errorStart;
    };
    const std::string text = Write(folder, "text.ole", {'n', 'o', 't', ' ', 'o', 'l', 'e'});
    const std::vector<Case> cases = {
        {"no file named", {}, "usage: morvane-cli orderpad-dump FILE\n"},
        {"two files", {text, text}, "usage: morvane-cli orderpad-dump FILE\n"},
        {"a text file",
         {text},
         text + " is no order pad transfer document: it cannot be read as a compound file."},
        {"a folder", {folder.Path()}, ""},
        {"nothing there", {folder.File("missing.ole")}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> arguments = {"orderpad-dump"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = RunCli(folder, arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.err.starts_with(c.errorStart)) << run.err;
    }
}

}  // namespace
}  // namespace veritom::test
