// The tip of the day on tips files of our own: which tip shows, where the next one starts and
// what the profile keeps; and the order of the start-up screens.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "FileKinds.h"
#include "MessageRecorder.h"
#include "base/DialogResult.h"
#include "tools/startup/StartupFlow.h"
#include "tools/startup/TipOfTheDay.h"
#include "tools/startup/TipProfile.h"

namespace veritom::test {
namespace {

class MemoryTipProfile : public ITipProfile {
public:
    std::optional<std::string> Read(const std::string& entry) const override {
        const auto it = entries.find(entry);
        return it == entries.end() ? std::nullopt : std::optional(it->second);
    }
    bool Write(const std::string& entry, const std::string& value) override {
        entries[entry] = value;
        return true;
    }
    std::map<std::string, std::string> entries;
};

class TipOfTheDayTest : public ::testing::Test {
protected:
    TipOfTheDayTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tips-XXXXXX").string();
        m_folder = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TipOfTheDayTest() override { std::filesystem::remove_all(m_folder); }

    std::string WriteTips(const std::string& text, const std::string& name = "TipsEN.txt") {
        const std::string path = m_folder + "/" + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // The tips shown by opening the dialog and pressing Next Tip count - 1 times.
    std::vector<std::string> Shown(const std::string& path, int count) {
        CTipOfTheDay tips(m_profile, path);
        tips.Open();
        std::vector<std::string> shown = {tips.Text()};
        for (int i = 1; i < count; ++i) {
            tips.Next(false);
            shown.push_back(tips.Text());
        }
        return shown;
    }

    std::string m_folder;
    MemoryTipProfile m_profile;
    MessageRecorder m_messages;
};

const std::string kTips =
    "; notes for whoever edits this file\n"
    "First tip.\n"
    "\n"
    " indented lines are notes too\n"
    "\tand so are lines after a tab\n"
    "Second tip.\r\n"
    "Third tip.";

TEST_F(TipOfTheDayTest, TipsAreTheLinesThatAreNotNotesAndGoRoundAtTheEnd) {
    const std::string path = WriteTips(kTips);
    EXPECT_EQ(Shown(path, 5), (std::vector<std::string>{"First tip.", "Second tip.", "Third tip.",
                                                        "First tip.", "Second tip."}));
    // The next session goes on after the last tip shown.
    EXPECT_EQ(Shown(path, 2), (std::vector<std::string>{"Third tip.", "First tip."}));
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(TipOfTheDayTest, AReplacedTipsFileStartsAtItsFirstTip) {
    const std::string path = WriteTips(kTips);
    Shown(path, 2);
    ASSERT_EQ(m_profile.entries[CTipOfTheDay::kTimeStamp], FileTimeStamp(path));
    WriteTips("New first tip.\nNew second tip.\n");
    // The replaced file has another modification time even within the same second.
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    const utimbuf later{info.st_atime, info.st_mtime + 60};
    ASSERT_EQ(utime(path.c_str(), &later), 0);
    EXPECT_EQ(Shown(path, 1), (std::vector<std::string>{"New first tip."}));
    EXPECT_EQ(m_profile.entries[CTipOfTheDay::kTimeStamp], FileTimeStamp(path));
}

TEST_F(TipOfTheDayTest, FilesWithoutTipsOrWithoutAFile) {
    struct Case {
        const char* label;
        std::optional<std::string> text;  // nothing: no file at all
        std::string shown;
        bool next;
    };
    for (const Case& c : {Case{"missing", std::nullopt,
                               "Tips file does not exist in the prescribed directory", false},
                          Case{"only notes", std::string("; a note\n\n  indented\n"),
                               "The tips file holds no tips.", false},
                          Case{"empty", std::string(), "The tips file holds no tips.", false}}) {
        SCOPED_TRACE(c.label);
        m_profile.entries = {{CTipOfTheDay::kFilePos, "3"}};
        const std::string path = c.text ? WriteTips(*c.text, "only.txt") : m_folder + "/none.txt";
        {
            CTipOfTheDay tips(m_profile, path);
            tips.Open();
            EXPECT_EQ(tips.Text(), c.shown);
            EXPECT_EQ(tips.CanShowNext(), c.next);
            tips.Next(false);
            EXPECT_EQ(tips.Text(), c.shown);
        }
        // No tip was read, so the stored position is left as it was.
        EXPECT_EQ(m_profile.entries[CTipOfTheDay::kFilePos], "3");
    }
}

// Opening them as a file would wait for a writer forever or read one endless line.
TEST_F(TipOfTheDayTest, AFolderAPipeOrADeviceIsNoTipsFile) {
    const FileKinds files;
    for (const std::string& path : {files.Folder(), files.Fifo(), FileKinds::Device()}) {
        CTipOfTheDay tips(m_profile, path);
        tips.Open();
        EXPECT_EQ(tips.Text(), "Tips file does not exist in the prescribed directory") << path;
        EXPECT_FALSE(tips.CanShowNext()) << path;
    }
}

TEST_F(TipOfTheDayTest, ThePositionOfTheNextTipIsKeptOnlyWhenATipWasRead) {
    const std::string path = WriteTips(kTips);
    {
        CTipOfTheDay tips(m_profile, path);
        tips.Open();
        ASSERT_EQ(tips.Text(), "First tip.");
        tips.Finish();
        // Finish runs once: the destructor adds nothing.
        m_profile.entries.erase(CTipOfTheDay::kFilePos);
    }
    EXPECT_EQ(m_profile.entries.count(CTipOfTheDay::kFilePos), 0u);
    Shown(path, 1);
    EXPECT_EQ(m_profile.entries[CTipOfTheDay::kFilePos],
              std::to_string(kTips.find("First tip.\n") + 11));
}

TEST_F(TipOfTheDayTest, AStoredPositionTheFileCannotTakeStartsAgain) {
    const std::string path = WriteTips(kTips);
    m_profile.entries = {{CTipOfTheDay::kTimeStamp, FileTimeStamp(path)},
                         {CTipOfTheDay::kFilePos, "-40"}};
    EXPECT_EQ(Shown(path, 1), (std::vector<std::string>{"First tip."}));
    ASSERT_EQ(m_messages.Texts(), (std::vector<std::string>{"Trouble reading the tips file"}));
    // A position past the end reads on from the start.
    m_messages.boxes.clear();
    m_profile.entries[CTipOfTheDay::kFilePos] = "100000";
    EXPECT_EQ(Shown(path, 1), (std::vector<std::string>{"First tip."}));
    m_profile.entries[CTipOfTheDay::kFilePos] = "garbage";
    EXPECT_EQ(Shown(path, 1), (std::vector<std::string>{"First tip."}));
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(TipOfTheDayTest, LongLinesOtherEncodingsAndTheCtrlNote) {
    const std::string longTip = std::string(998, 'a') + "\xC3\xA4\xC3\xA4";  // ends in "ää"
    const std::string path = WriteTips(longTip +
                                       "\nMa\xDF"
                                       "einheit\n");
    CTipOfTheDay tips(m_profile, path);
    tips.Open();
    EXPECT_EQ(tips.Text(), std::string(998, 'a') + "\xC3\xA4");
    tips.Next(false);
    EXPECT_EQ(tips.Text(),
              "Ma\xC3\x9F"
              "einheit");  // Windows-1252 read as such
    tips.Next(true);
    EXPECT_EQ(tips.Text(), "These tips come from the file " + path +
                               ". Lines that begin with a semicolon are notes and never show; "
                               "every other line is one tip.");
}

TEST_F(TipOfTheDayTest, ShowAtStartupAndClose) {
    struct Case {
        std::optional<std::string> stored;
        bool shows;
    };
    for (const Case& c : {Case{std::nullopt, true}, Case{"0", true}, Case{"-1", true},
                          Case{" 1 ", false}, Case{"7", false}, Case{"yes", true}}) {
        m_profile.entries.clear();
        if (c.stored) {
            m_profile.entries[CTipOfTheDay::kStartUp] = *c.stored;
        }
        EXPECT_EQ(CTipOfTheDay::ShowAtStartup(m_profile), c.shows) << c.stored.value_or("<none>");
    }
    CTipOfTheDay tips(m_profile, m_folder + "/none.txt");
    tips.Close(false);
    EXPECT_EQ(m_profile.entries[CTipOfTheDay::kStartUp], "1");
    EXPECT_FALSE(CTipOfTheDay::ShowAtStartup(m_profile));
    tips.Close(true);
    EXPECT_EQ(m_profile.entries[CTipOfTheDay::kStartUp], "0");
}

// The tips the installation ships: the same number in both languages, each one line.
TEST(StagedTips, BothLanguagesShipTheirTips) {
    std::vector<std::vector<std::string>> tips;
    for (const char* language : {"EN", "DE"}) {
        CTipsFile file;
        ASSERT_TRUE(
            file.Open(VERITOM_STAGE_DIR "/share/veritom/Tips" + std::string(language) + ".txt"))
            << language;
        std::vector<std::string> all;
        std::string tip;
        while (file.NextTip(tip) == CTipsFile::Result::Tip && (all.empty() || tip != all.front())) {
            all.push_back(tip);
        }
        tips.push_back(all);
    }
    EXPECT_GE(tips[0].size(), 10u);
    EXPECT_EQ(tips[1].size(), tips[0].size());
    EXPECT_NE(tips[1].front(), tips[0].front());
}

TEST(StartupFlow, TheScreensDependOnTheCommandLineAndTheDisclaimer) {
    struct Case {
        bool enabled;
        bool picture;
        SplashStart start;
    };
    for (const Case& c :
         {Case{true, true, SplashStart::Splash}, Case{true, false, SplashStart::ScreensAtOnce},
          Case{false, true, SplashStart::None}, Case{false, false, SplashStart::None}}) {
        EXPECT_EQ(DecideSplashStart(c.enabled, c.picture), c.start) << c.enabled << c.picture;
    }
    EXPECT_TRUE(ProgramContinuesAfterDisclaimer(IDOK));
    EXPECT_FALSE(ProgramContinuesAfterDisclaimer(IDCANCEL));
    EXPECT_FALSE(ProgramContinuesAfterDisclaimer(0));

    MemoryTipProfile profile;
    EXPECT_TRUE(ShowTipAfterStartupScreens(true, true, profile));
    EXPECT_FALSE(ShowTipAfterStartupScreens(false, true, profile));
    EXPECT_FALSE(ShowTipAfterStartupScreens(true, false, profile));
    profile.entries[CTipOfTheDay::kStartUp] = "1";
    EXPECT_FALSE(ShowTipAfterStartupScreens(true, true, profile));
}

TEST(StartupFlow, WelcomePictureAndAboutLines) {
    EXPECT_EQ(WelcomePicturePath("/net", "DE"), "/net/Graphics/OpeningDE.bmp");
    EXPECT_EQ(WelcomePicturePath("/net/", "EN"), "/net/Graphics/OpeningEN.bmp");
    EXPECT_EQ(IsoDate("May  4 2026"), "2026-05-04");
    EXPECT_EQ(IsoDate("Dec 31 1999"), "1999-12-31");
    EXPECT_EQ(IsoDate("someday"), "someday");
    EXPECT_EQ(BuildDate().size(), 10u);
    EXPECT_EQ(AboutProductLine(), "Veritom Morvane Valve");
    EXPECT_EQ(AboutVersionLine(), std::string("Version ") + VERITOM_VERSION);
    EXPECT_EQ(AboutBuildLine(), "Built on " + BuildDate());
}

}  // namespace
}  // namespace veritom::test
