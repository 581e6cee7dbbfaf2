#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "MemoryConfigStore.h"
#include "MessageRecorder.h"
#include "app/AppConfiguration.h"
#include "app/CmdLineInfo.h"
#include "base/StringTable.h"

namespace veritom {
namespace {

using test::MemoryConfigStore;
using test::MessageRecorder;

const std::string kKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";
const std::string kLanguageMessage = "Failed to get language info from registry";

void AddLanguage(MemoryConfigStore& store, const std::string& subkey, const std::string& code,
                 const std::string& id) {
    const std::string key = kKey + "\\Language\\" + subkey;
    const std::string upper = code == "en" ? "EN" : code == "de" ? "DE" : code;
    store.Set(Hive::LocalMachine, key, "Code", code);
    store.Set(Hive::LocalMachine, key, "DLL", "Morvane" + upper + ".rcc");
    store.Set(Hive::LocalMachine, key, "Reference Dir", "/ref/" + upper);
    store.Set(Hive::LocalMachine, key, "ID", id);
}

// An installation with English and German, as the build's stage tree has it.
MemoryConfigStore Installation() {
    MemoryConfigStore store;
    store.Set(Hive::LocalMachine, kKey, "netpath", "/opt/veritom/share");
    store.Set(Hive::LocalMachine, kKey, "Other", "ignored");
    store.Set(Hive::LocalMachine, kKey, "LOCALPATH", "/home/me/Morvane");
    store.Set(Hive::LocalMachine, kKey, "VeritomRootPath", "/opt/veritom");
    store.Set(Hive::LocalMachine, kKey, "Language", "EN");
    AddLanguage(store, "2", "de", "246");
    AddLanguage(store, "1", "en", "232");
    return store;
}

TEST(AppConfiguration, ReadsPathsAndLanguagesInNameOrder) {
    MemoryConfigStore store = Installation();
    const std::string key = kKey + "\\Language\\2";
    store.Set(Hive::LocalMachine, key, "DxfFileViewer", "viewer");
    CAppConfiguration config;
    MessageRecorder recorder;
    ASSERT_TRUE(config.Load(store, kKey, "\xC2\xA0\xC2\xA0\xC2\xA0\xC2\xA0\xC2\xA0\xC2\xA0", ","));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(config.GetNetPath(), "/opt/veritom/share");
    EXPECT_EQ(config.GetLocalPath(), "/home/me/Morvane");
    EXPECT_EQ(config.GetVeritomRootPath(), "/opt/veritom");
    ASSERT_EQ(config.GetLanguages().size(), 2u);
    const LanguageInfo& english = config.GetLanguages()[0];
    EXPECT_EQ(english.code, "EN");
    EXPECT_EQ(english.dll, "MorvaneEN.rcc");
    // Five characters at most, never half of one.
    EXPECT_EQ(english.thousandsSeparator, "\xC2\xA0\xC2\xA0\xC2\xA0\xC2\xA0\xC2\xA0");
    EXPECT_EQ(english.decimalSeparator, ",");
    EXPECT_EQ(config.GetLanguages()[1].dxfFileViewer, "viewer");
    EXPECT_EQ(config.GetCurrentIndex(), 0);
    EXPECT_EQ(config.GetLanguageCode(), "EN");
    EXPECT_EQ(config.GetLanguageStringId(), 232);
    EXPECT_EQ(config.GetLanguageName(), LoadString(232));
    EXPECT_EQ(config.GetReferenceDir(), "/ref/EN");
    EXPECT_EQ(config.FindLanguage("DE"), 1);
    EXPECT_EQ(config.FindLanguage("de"), -1);
}

TEST(AppConfiguration, CurrentLanguageChoice) {
    struct Case {
        const char* user;
        const char* machine;
        int expected;
    };
    const Case cases[] = {
        {"DE", "EN", 1},  // the user's choice wins
        {"", "DE", 1},    // an empty user code falls back to the machine's
        {nullptr, "DE", 1},
        {"de", "EN", 0},  // stored codes are not upper-cased: no match, first language
        {"FR", "DE", 0},
        {nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        MemoryConfigStore store = Installation();
        if (c.machine) {
            store.Set(Hive::LocalMachine, kKey, "Language", c.machine);
        } else {
            store = MemoryConfigStore();
            store.Set(Hive::LocalMachine, kKey, "NetPath", "/n");
            AddLanguage(store, "1", "en", "0");
            AddLanguage(store, "2", "DE", "0");
        }
        if (c.user) {
            store.Set(Hive::CurrentUser, kKey, "Language", c.user);
        }
        CAppConfiguration config;
        ASSERT_TRUE(config.Load(store, kKey, ".", ","));
        EXPECT_EQ(config.GetCurrentIndex(), c.expected)
            << (c.user ? c.user : "-") << " " << (c.machine ? c.machine : "-");
    }
}

TEST(AppConfiguration, MissingKeys) {
    {
        MessageRecorder recorder;
        CAppConfiguration config;
        EXPECT_FALSE(config.Load(MemoryConfigStore(), kKey, ".", ","));
        EXPECT_TRUE(recorder.boxes.empty());  // no application key: silent
        EXPECT_EQ(config.GetCurrentIndex(), -1);
        EXPECT_EQ(config.GetLanguageCode(), "");
    }
    for (bool emptyLanguageKey : {false, true}) {
        MemoryConfigStore store;
        store.Set(Hive::LocalMachine, kKey, "NetPath", "/n");
        if (emptyLanguageKey) {
            store.CreateKey(Hive::LocalMachine, kKey + "\\Language");
        }
        MessageRecorder recorder;
        CAppConfiguration config;
        EXPECT_FALSE(config.Load(store, kKey, ".", ","));
        ASSERT_EQ(recorder.boxes.size(), 1u);
        EXPECT_EQ(recorder.boxes[0].text, kLanguageMessage);
        EXPECT_EQ(recorder.boxes[0].icon, MsgIcon::Warning);
        EXPECT_EQ(config.GetNetPath(), "/n");
        EXPECT_EQ(config.GetCurrentIndex(), -1);
        EXPECT_EQ(config.BundlePath(0), "");
    }
}

// The database, the bundles and the help are never looked for relative to the working
// directory: a NetPath that is empty or relative is a configuration error, said once.
TEST(AppConfiguration, NetPathMustBeAnAbsoluteFolder) {
    const struct {
        std::string netPath;
        std::string kept;
    } cases[] = {
        {"/opt/veritom/share", "/opt/veritom/share"},
        {"", ""},
        {"share/veritom", ""},
        {"./", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.netPath);
        MemoryConfigStore store = Installation();
        store.Set(Hive::LocalMachine, kKey, "netpath", c.netPath);
        CAppConfiguration config;
        MessageRecorder recorder;
        ASSERT_TRUE(config.Load(store, kKey, ".", ","));
        EXPECT_EQ(config.GetNetPath(), c.kept);
        EXPECT_EQ(config.BundlePath(0).empty(), c.kept.empty());
        if (c.kept.empty()) {
            ASSERT_EQ(recorder.boxes.size(), 1u);
            EXPECT_EQ(recorder.boxes[0].text.rfind("The installation names no usable shared data "
                                                   "folder (NetPath \"" +
                                                       c.netPath + "\")",
                                                   0),
                      0u);
            EXPECT_FALSE(config.CheckBundle(0));
            EXPECT_EQ(recorder.boxes.size(), 1u);
        } else {
            EXPECT_TRUE(recorder.boxes.empty());
        }
    }
}

TEST(AppConfiguration, BundlePathAndCheck) {
    const auto dir = std::filesystem::temp_directory_path() / "h6-bundle-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "MorvaneEN.rcc") << "bundle";
    for (const std::string& netPath : {dir.string(), dir.string() + "/"}) {
        MemoryConfigStore store = Installation();
        store.Set(Hive::LocalMachine, kKey, "NetPath", netPath);
        CAppConfiguration config;
        ASSERT_TRUE(config.Load(store, kKey, ".", ","));
        EXPECT_EQ(config.BundlePath(0), (dir / "MorvaneEN.rcc").string());
        MessageRecorder recorder;
        EXPECT_TRUE(config.CheckBundle(0));
        EXPECT_FALSE(config.CheckBundle(1));
        ASSERT_EQ(recorder.boxes.size(), 1u);
        // What is wrong, with the file it looked for.
        EXPECT_EQ(recorder.boxes[0].text, "The language file " + (dir / "MorvaneDE.rcc").string() +
                                              " for " + LoadString(246) +
                                              " is missing or cannot be read.");
    }
    std::filesystem::remove_all(dir);
}

TEST(AppConfiguration, LanguageIsWrittenBackForTheUser) {
    MemoryConfigStore store = Installation();
    CAppConfiguration config;
    ASSERT_TRUE(config.Load(store, kKey, ".", ","));
    EXPECT_TRUE(config.SetCurrentIndex(1));
    EXPECT_FALSE(config.SetCurrentIndex(2));
    EXPECT_TRUE(config.SaveLanguage(store, kKey));
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kKey, "Language"), "DE");
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kKey, "Language"), "EN");
    store.failWrites = true;
    EXPECT_FALSE(config.SaveLanguage(store, kKey));
}

TEST(CmdLineInfo, VerificationSwitchAndFileName) {
    struct Case {
        std::vector<std::string> args;
        bool verification;
        std::string file;
        bool splash;
    };
    const std::vector<Case> cases = {
        {{}, false, "", true},
        {{"-verification"}, true, "", true},
        {{"/Verification"}, true, "", true},
        {{"-VERIFICATION", "sel.mrv"}, true, "sel.mrv", false},
        {{"verification"}, false, "verification", false},  // no switch character: a file
        {{"/home/me/a.mrv"}, false, "/home/me/a.mrv", false},
        {{"/nologo"}, false, "", false},
        {{"a.mrv", "b.mrv"}, false, "a.mrv", false},
    };
    for (const Case& c : cases) {
        CCmdLineInfo info;
        info.Parse(c.args);
        const std::string label = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(info.IsVerification(), c.verification) << label;
        EXPECT_EQ(info.GetFileName(), c.file) << label;
        EXPECT_EQ(info.ShowSplash(), c.splash) << label;
        EXPECT_EQ(info.GetShellCommand() == CCmdLineInfo::ShellCommand::FileOpen, !c.file.empty());
    }
}

}  // namespace
}  // namespace veritom
