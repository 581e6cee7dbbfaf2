#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "FakeVeritomApp.h"
#include "FixtureDatabase.h"
#include "MessageRecorder.h"
#include "app/NerithObject.h"
#include "app/SelectionFile.h"
#include "base/Archive.h"
#include "model/ValveObject.h"

namespace veritom {
namespace {

using test::FakeVeritomApp;
using test::FixtureDatabase;
using test::MessageRecorder;

const CValveTypeAnswers kAngle = {{"2-Way Normally Closed", "2NC", "", 0},
                                  {"Angle Pattern", "ANG", "picANG", 0},
                                  {"Stainless Stem", "SS", "", 2}};

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
    return bytes;
}

void WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A product object with a selection made up to the solenoid.
struct Selection {
    Selection() {
        app.netPath = db.Dir();
        app.languages[0].id = "24510";
        app.languageName = "English";
        EXPECT_TRUE(object.Initialize());
        app.dialogs.valveType = [](CValveTypeAnswers& answers) {
            answers = kAngle;
            return IDOK;
        };
        app.dialogs.application = [](CProd_ValveData& record) {
            record.m_SelMethodCode = 1;
            record.m_MethodLink = 1;
            record.m_FluidVAL = std::string("Air");
            record.m_App_MOPDVAL.Set(250, "PSIG");
            record.m_PNListState[3] = 17;
            return IDOK;
        };
        app.dialogs.solenoid = [](CProd_ValveData& record) {
            record.m_VoltLink = std::string("ALL");
            record.m_Sol_VoltageVAL = std::string("24 V DC \u00FCber alles \u20AC");
            return IDOK;
        };
        for (int id : {100, 101, 102}) {
            EXPECT_TRUE(object.PerformButtonAction(id));
        }
    }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (int i = 0; i < 4; ++i) {
            texts.push_back(object.GetButtonSelectionDisplayText(i));
        }
        return texts;
    }

    FixtureDatabase db;
    FakeVeritomApp app;
    CNerithObject object{app};
};

TEST(SelectionFile, NothingToSave) {
    FakeVeritomApp app;
    CNerithObject object(app);
    MessageRecorder recorder;
    const auto path = std::filesystem::temp_directory_path() / "h6-never-written.mrv";
    EXPECT_FALSE(object.SaveData(path.string()));
    EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"No Selection to Save."}));
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SelectionFile, SaveAndOpenRestoreTheSelection) {
    Selection s;
    const std::string path = s.db.PathOf("pump room.mrv");
    s.object.SetSpare(false);
    ASSERT_TRUE(s.object.SaveData(path));
    EXPECT_EQ(s.app.documentTitle, " Selection:  pump room");
    EXPECT_EQ(s.object.GetCurrentFileName(), path);
    EXPECT_FALSE(s.object.IsDirty());
    const std::vector<std::string> texts = s.Texts();
    const CProd_ValveData record = s.object.GetWorkflow()->GetValveData();

    s.object.NewData();
    s.object.SetCurrentFileName("*");
    MessageRecorder recorder;
    ASSERT_TRUE(s.object.LoadData(path));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(s.app.documentTitle, " Selection: pump room");
    EXPECT_EQ(s.app.refreshCount, 1);
    EXPECT_EQ(s.object.GetCurrentFileName(), path);
    EXPECT_FALSE(s.object.IsDirty());
    EXPECT_EQ(s.Texts(), texts);
    EXPECT_EQ(s.object.GetHighestStep(), 3);
    EXPECT_EQ(s.object.GetWorkflow()->GetStepReached(), 3);
    EXPECT_TRUE(s.object.GetWorkflow()->GetValveData() == record);
    // The numbers of the first two answers are not stored.
    EXPECT_EQ(s.object.GetValveTypeAnswers().option, kAngle.option);
    EXPECT_EQ(s.object.GetValveTypeAnswers().flowPattern, kAngle.flowPattern);
    EXPECT_FALSE(s.object.IsSelectionComplete());
}

TEST(SelectionFile, FlagsSurviveTheFile) {
    for (bool on : {false, true}) {
        Selection s;
        s.object.SetSelectionComplete(on);
        s.object.SetOrderPadReady(!on);
        s.object.SetSpare(on);
        const std::string path = s.db.PathOf("flags.mrv");
        ASSERT_TRUE(s.object.SaveData(path));
        s.object.NewData();
        ASSERT_TRUE(s.object.LoadData(path));
        EXPECT_EQ(s.object.IsSelectionComplete(), on);
        EXPECT_EQ(s.object.IsOrderPadReady(), !on);
        EXPECT_EQ(s.object.GetSpareFlag(), on);
    }
}

TEST(SelectionFile, HeaderLayout) {
    Selection s;
    const std::string path = s.db.PathOf("header.mrv");
    ASSERT_TRUE(s.object.SaveData(path));
    const std::vector<std::uint8_t> bytes = ReadAll(path);
    ASSERT_GT(bytes.size(), CSelectionFileHeader::kSize);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data())), "EN");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 3)), "English");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 53)), "Morvane Valve");
    const std::vector<std::uint8_t> marks(bytes.begin() + 104, bytes.begin() + 116);
    EXPECT_EQ(marks, (std::vector<std::uint8_t>{3, 0, 0, 0, 26, 0, 0, 0, 0xBE, 0x5F, 0, 0}));
    EXPECT_TRUE(
        std::all_of(bytes.begin() + 116, bytes.begin() + 368, [](auto b) { return b == 0; }));

    const std::optional<CSelectionFileHeader> header = ReadSelectionFileHeader(path);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->languageCode, "EN");
    EXPECT_EQ(header->languageName, "English");
    EXPECT_EQ(header->languageStringId, 24510);

    WriteAll(path, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 367));
    EXPECT_FALSE(ReadSelectionFileHeader(path));
    EXPECT_FALSE(ReadSelectionFileHeader(s.db.PathOf("none.mrv")));
}

TEST(SelectionFile, LongAndForeignHeaderTextsAreCutCleanly) {
    CSelectionFileHeader header;
    header.languageCode = "ENG";
    header.languageName = std::string(47, 'x') + "\u00E9\u00E9";  // 49 single bytes
    header.applicationName = std::string(49, 'y') + "\u0416";     // no single byte: UTF-8
    CArchive out;
    header.Transfer(out);
    ASSERT_EQ(out.Bytes().size(), CSelectionFileHeader::kSize);
    CArchive in(out.Bytes());
    CSelectionFileHeader read;
    read.Transfer(in);
    EXPECT_EQ(read.languageCode, "EN");
    EXPECT_EQ(read.languageName, header.languageName);
    EXPECT_EQ(read.applicationName, std::string(49, 'y'));  // the 2-byte letter did not fit
    EXPECT_TRUE(read.HasValidMarks());
}

// The file a test writes from the layout, field by field; the record itself is a new one
// in its own stream form.
std::vector<std::uint8_t> HandWrittenFile(std::int32_t mark1) {
    CArchive ar;
    std::vector<std::uint8_t> header(368, 0);
    std::memcpy(header.data(), "DE", 2);
    std::memcpy(header.data() + 3, "Deutsch", 7);
    std::memcpy(header.data() + 53, "Morvane Valve", 13);
    header[104] = static_cast<std::uint8_t>(mark1);
    header[108] = 26;
    header[112] = 0xBF;
    header[113] = 0x5F;
    ar.WriteBytes(header.data(), header.size());
    auto text = [&ar](const std::string& t) {
        ar.Write(static_cast<std::uint8_t>(t.size()));
        ar.WriteBytes(t.data(), t.size());
    };
    auto int32 = [&ar](std::uint32_t v) { ar.Write(v); };
    for (const char* t : {"2-Way Normally Closed", "2NC", "", "Straight Through", "STR", "picSTR",
                          "No Option", "NOOPT", ""}) {
        text(t);
    }
    int32(0);  // number of the option
    int32(2);  // highest step reached
    int32(0);  // order pad ready
    int32(1);  // spare
    int32(0);  // selection complete
    int32(2);  // StepReached
    for (const char* t : {"", "2-Way Normally Closed,  Straight Through", "Fluid is Oil", "", ""}) {
        text(t);
    }
    // The record holds the Valve Type answers too, as in every file the program writes.
    CProd_ValveData record;
    record.m_FunctionTypeVAL = std::string("2-Way Normally Closed");
    record.m_FuncLink = std::string("2NC");
    record.m_FlowPatternVAL = std::string("Straight Through");
    record.m_FlowPatLink = std::string("STR");
    record.m_FlowPatPic = std::string("picSTR");
    record.m_FlowPatOptionVAL = std::string("No Option");
    record.m_FlowPatOptLink = std::string("NOOPT");
    record.m_FluidVAL = std::string("Oil");
    CArchive recordStream;
    record.Serialize(recordStream);
    ar.WriteBytes(recordStream.Bytes().data(), recordStream.Bytes().size());
    return ar.Bytes();
}

TEST(SelectionFile, FileWrittenFromTheLayoutOpens) {
    Selection s;
    const std::string path = s.db.PathOf("by hand.mrv");
    WriteAll(path, HandWrittenFile(3));
    MessageRecorder recorder;
    ASSERT_TRUE(s.object.LoadData(path));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(s.Texts(), (std::vector<std::string>{"2-Way Normally Closed,  Straight Through",
                                                   "Fluid is Oil", "", ""}));
    EXPECT_EQ(s.object.GetHighestStep(), 2);
    EXPECT_TRUE(s.object.GetSpareFlag());
    EXPECT_FALSE(s.object.IsOrderPadReady());
    EXPECT_EQ(s.object.GetValveTypeAnswers().flowPattern,
              (CValveTypeAnswer{"Straight Through", "STR", "picSTR", 0}));
    EXPECT_EQ(s.object.GetWorkflow()->GetValveData().m_FluidVAL.Value(), "Oil");
    EXPECT_EQ(s.object.GetWorkflow()->GetValveData().m_FluidVAL.Name(), "FluidVAL");
    EXPECT_EQ(s.app.documentTitle, " Selection: by hand");

    const std::optional<CSelectionFileHeader> header = ReadSelectionFileHeader(path);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->languageCode, "DE");
    EXPECT_EQ(header->languageName, "Deutsch");
    EXPECT_EQ(header->languageStringId, 24511);
}

// Whatever is wrong with a file, the selection on screen stays exactly as it was.
TEST(SelectionFile, BadFilesKeepTheCurrentSelection) {
    Selection s;
    const std::vector<std::uint8_t> good = HandWrittenFile(3);
    std::vector<std::uint8_t> extra = good;
    extra.push_back(0);
    struct Case {
        std::string name;
        std::vector<std::uint8_t> bytes;
        std::string message;
        int beeps;
    };
    const std::string damaged =
        "The selection file %s is damaged or incomplete.  The current "
        "selection has been kept.";
    const std::vector<Case> cases = {
        {"marks.mrv", HandWrittenFile(4),
         "The Selection you are trying to open conflicts with this version.", 1},
        {"empty.mrv", {}, damaged, 0},
        {"header only.mrv", {good.begin(), good.begin() + 368}, damaged, 0},
        {"answers cut.mrv", {good.begin(), good.begin() + 400}, damaged, 0},
        {"record cut.mrv", {good.begin(), good.end() - 1}, damaged, 0},
        {"left over.mrv", extra, damaged, 0},
    };
    const std::vector<std::string> texts = s.Texts();
    const CProd_ValveData record = s.object.GetWorkflow()->GetValveData();
    const CProd_ValveObject* workflow = s.object.GetWorkflow();
    for (const Case& c : cases) {
        const std::string path = s.db.PathOf(c.name);
        WriteAll(path, c.bytes);
        MessageRecorder recorder;
        EXPECT_FALSE(s.object.LoadData(path)) << c.name;
        std::string expected = c.message;
        if (const auto at = expected.find("%s"); at != std::string::npos) {
            expected.replace(at, 2, path);
        }
        EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{expected})) << c.name;
        EXPECT_EQ(recorder.beeps, c.beeps) << c.name;
        EXPECT_EQ(s.object.GetWorkflow(), workflow);
        EXPECT_EQ(s.Texts(), texts);
        EXPECT_TRUE(s.object.GetWorkflow()->GetValveData() == record);
        EXPECT_EQ(s.object.GetHighestStep(), 3);
        EXPECT_EQ(s.object.GetValveTypeAnswers().functionType, kAngle.functionType);
        EXPECT_TRUE(s.object.IsDirty());
        EXPECT_EQ(s.object.GetCurrentFileName(), "*");
    }
    MessageRecorder recorder;
    EXPECT_FALSE(s.object.LoadData(s.db.PathOf("missing.mrv")));
    EXPECT_FALSE(s.object.LoadData(s.db.Dir()));
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{
                  "The selection file " + s.db.PathOf("missing.mrv") + " could not be read.",
                  "The selection file " + s.db.Dir() + " could not be read."}));
}

TEST(SelectionFile, FailedSaveLeavesTheEarlierFile) {
    Selection s;
    const std::string path = s.db.PathOf("kept.mrv");
    WriteAll(path, {1, 2, 3});
    // The temporary file cannot be made where a directory of its name stands.
    std::filesystem::create_directory(path + ".part");
    MessageRecorder recorder;
    EXPECT_FALSE(s.object.SaveData(path));
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{"The selection could not be saved to " + path +
                                        ".  Any earlier file of that name is unchanged."}));
    EXPECT_EQ(ReadAll(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(s.object.IsDirty());
    EXPECT_EQ(s.object.GetCurrentFileName(), "*");

    std::filesystem::remove(path + ".part");
    EXPECT_TRUE(s.object.SaveData(path));
    EXPECT_GT(ReadAll(path).size(), 368u);
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));
    EXPECT_FALSE(s.object.SaveData(s.db.PathOf("no such folder/a.mrv")));
}

TEST(SelectionFile, LanguageCheckBeforeOpening) {
    using Action = CSelectionLanguageCheck::Action;
    const std::vector<LanguageInfo> languages = {
        {"EN", "MorvaneEN.rcc", "", "232", "", "", "", "", "", ""},
        {"DE", "MorvaneDE.rcc", "", "246", "", "", "", "", "", ""}};
    struct Case {
        std::string code;
        std::int32_t stringId;
        Action action;
        int index;
        std::string message;
        MsgAnswer answer = MsgAnswer::Ok;
    };
    const std::string kSwitched =
        "The selection you are trying to open was created in Morvane Valve.  Your language "
        "selection will now be switched.";
    const std::string notInstalled =
        "The selection you are trying to open was created in %s, "
        "which you do not have installed.  You cannot open this "
        "selection.";
    const Case cases[] = {
        {"EN", 0, Action::Open, -1, ""},
        {"DE", 0, Action::SwitchThenOpen, 1, kSwitched},
        // The user declines the switch: nothing is opened.
        {"DE", 0, Action::Refuse, -1, kSwitched, MsgAnswer::Cancel},
        // Named by the header's id when that is a language name, else "another language";
        // the stored name may be anything.
        {"FR", 24512, Action::Refuse, -1, "Fran\u00E7ais"},
        {"FR", 242, Action::Refuse, -1, "another language"},
        {"FR", 99999, Action::Refuse, -1, "another language"},
        {"de", 0, Action::Refuse, -1, "another language"},
    };
    for (const Case& c : cases) {
        CSelectionFileHeader header;
        header.languageCode = c.code;
        header.languageName = "t:x:0:0:root";
        header.languageStringId = c.stringId;
        MessageRecorder recorder;
        recorder.Answer(c.answer);
        const CSelectionLanguageCheck check = CheckSelectionLanguage(header, "EN", languages);
        EXPECT_EQ(check.action, c.action) << c.code;
        EXPECT_EQ(check.languageIndex, c.index) << c.code;
        std::string expected = c.message;
        if (c.action == Action::Refuse && c.message != kSwitched) {
            expected = notInstalled;
            expected.replace(expected.find("%s"), 2, c.message);
        }
        EXPECT_EQ(recorder.Texts(), expected.empty() ? std::vector<std::string>{}
                                                     : std::vector<std::string>{expected})
            << c.code;
    }
}

TEST(SelectionFile, FileTitles) {
    EXPECT_EQ(FileTitle("/home/me/pump.mrv"), "pump");
    EXPECT_EQ(FileTitle("pump.v2.mrv"), "pump.v2");
    EXPECT_EQ(FileTitle("/a.b/pump"), "pump");
    EXPECT_EQ(FileTitle(".mrv"), ".mrv");
}

}  // namespace
}  // namespace veritom
