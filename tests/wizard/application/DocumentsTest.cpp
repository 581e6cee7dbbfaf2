// Documents the database names: the Speciality Valves' catalogues and the valve size
// information's catalogue and fluid compatibility help open only as plain names of files in
// their folder.
#include <gtest/gtest.h>

#include "MessageRecorder.h"
#include "StepDatabase.h"
#include "data/InformationPages.h"
#include "wizard/application/DataDocument.h"
#include "wizard/application/SpecialityValves.h"
#include "wizard/application/ValveSizeInformation.h"

namespace veritom::test {
namespace {

const std::string kShare = CStepDatabase::StagedDirectory();
const std::string kReference = kShare + "/Reference/EN";

TEST(DataDocument, OnlyPlainNamesOfFilesInTheFolderOpen) {
    struct Case {
        const char* name;
        bool opens;
    };
    const Case cases[] = {
        {"K60.pdf", true},
        {"K61.pdf", false},  // no such file
        {"../EN/K60.pdf", false},
        {"..", false},
        {".", false},
        {"", false},
        {"/etc/passwd", false},
        {"sub/K60.pdf", false},
        {"sub\\K60.pdf", false},
        {"C:K60.pdf", false},
        {"https://example.com/K60.pdf", false},
        {"file:K60.pdf", false},
        {"K60.pdf\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder recorder;
        const CDataDocument document(kReference, c.name);
        EXPECT_EQ(document.Path(), kReference + "/" + c.name);
        EXPECT_EQ(document.Open(), c.opens);
        EXPECT_EQ(recorder.opened.size(), c.opens ? 1u : 0u);
        EXPECT_TRUE(recorder.boxes.empty());
    }
    // A folder is not a document.
    MessageRecorder recorder;
    EXPECT_FALSE(CDataDocument(kShare, "Reference").Open());
    EXPECT_TRUE(recorder.opened.empty());
}

class Documents : public ::testing::Test {
protected:
    MessageRecorder m_recorder;
};

TEST_F(Documents, ListAndNote) {
    CStepDatabase db("EN");
    CSpecialityValves valves(db.Db());
    valves.Load();
    ASSERT_EQ(valves.GetValves().size(), 4u);
    EXPECT_EQ(valves.GetValves()[0].line,
              "K60 Series\tCryogenic valves for liquid nitrogen and argon down to -320 \u00B0F");
    EXPECT_EQ(valves.GetValves()[3].file, "K90.pdf");
    EXPECT_EQ(valves.GetNote().rfind("The valves below are not offered", 0), 0u);
    EXPECT_EQ(valves.GetSelectedIndex(), 0);
    EXPECT_FALSE(valves.Select(4));

    CStepDatabase de("DE");
    CSpecialityValves german(de.Db());
    german.Load();
    EXPECT_EQ(german.GetValves()[0].line.rfind("Baureihe K60\tKryoventile", 0), 0u);
    EXPECT_EQ(german.GetNote().rfind("Die folgenden Ventile", 0), 0u);
}

TEST_F(Documents, CatalogInformationOpensTheSelectedFile) {
    struct Case {
        const char* what;
        const char* changes;
        bool desktopOpens;
        int pick;
        std::vector<std::string> opened;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"the first", "", true, 0, {kReference + "/K60.pdf"}, {}},
        {"the last", "", true, 3, {kReference + "/K90.pdf"}, {}},
        // The desktop reports its own failure; no second message.
        {"the desktop cannot open it", "", false, 1, {kReference + "/K70.pdf"}, {}},
        {"no such file",
         "UPDATE SpecialtyValve SET SeriesMoreInfo = 'K66.pdf';",
         true,
         0,
         {},
         {"Cannot open file:  " + kReference + "/K66.pdf"}},
        {"a path out of the folder",
         "UPDATE SpecialtyValve SET SeriesMoreInfo = '../../../../etc/passwd';",
         true,
         0,
         {},
         {"Cannot open file:  " + kReference + "/../../../../etc/passwd"}},
        {"an address",
         "UPDATE SpecialtyValve SET SeriesMoreInfo = 'http://example.com/a.exe';",
         true,
         0,
         {},
         {"Cannot open file:  " + kReference + "/http://example.com/a.exe"}},
        {"an empty list", "DELETE FROM SpecialtyValve;", true, -1, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder recorder;
        recorder.openSucceeds = c.desktopOpens;
        CStepDatabase db("EN", c.changes);
        CSpecialityValves valves(db.Db());
        valves.Load();
        EXPECT_EQ(valves.GetSelectedIndex(), c.pick < 0 ? -1 : 0);
        if (c.pick >= 0) {
            ASSERT_TRUE(valves.Select(c.pick));
        }
        valves.OpenCatalog(kReference);
        EXPECT_EQ(recorder.opened, c.opened);
        EXPECT_EQ(recorder.Texts(), c.messages);
    }
}

class Locations : public IPageLocations {
public:
    std::string GetNetPath() const override { return kShare; }
    std::string GetReferenceDir() const override { return kReference; }
};

// The valve size information's documents fail without a message.
TEST_F(Documents, ValveSizeDocuments) {
    const Locations locations;
    struct Case {
        const char* what;
        const char* changes;
        std::vector<std::string> opened;
        std::vector<std::string> help;
    };
    const std::vector<Case> cases = {
        {"as the catalogue has them",
         "",
         {kReference + "/Proportional.pdf"},
         {kShare + "/MorvaneFluids.hlp#Proportional"}},
        {"paths",
         "UPDATE Application SET RefLink = '../EN/Proportional.pdf', "
         "FluidCompatFile = '/tmp/MorvaneFluids.hlp';",
         {},
         {}},
        {"missing files",
         "UPDATE Application SET RefLink = 'Nothing.pdf', "
         "FluidCompatFile = 'Nothing.hlp';",
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRecorder recorder;
        CStepDatabase db("EN", c.changes);
        CValveSizeInformation form(db.Db(), Proportional());
        form.Load();
        EXPECT_EQ(form.OpenCatalog(locations), !c.opened.empty());
        EXPECT_EQ(form.ShowFluidCompatibility(locations), !c.help.empty());
        EXPECT_EQ(recorder.opened, c.opened);
        EXPECT_EQ(recorder.help, c.help);
        EXPECT_TRUE(recorder.boxes.empty());
    }
}

}  // namespace
}  // namespace veritom::test
