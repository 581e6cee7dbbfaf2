#include "app/IniConfigStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "FileKinds.h"
#include "MessageRecorder.h"
#include "app/IniSettings.h"

namespace veritom {
namespace {

using test::FileKinds;
using test::MessageRecorder;

const std::string kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

// Sets (or with nullptr removes) an environment variable for its lifetime.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* previous = std::getenv(name)) {
            m_previous = previous;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() {
        m_previous ? ::setenv(m_name, m_previous->c_str(), 1) : ::unsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_previous;
};

// How QSettings reads the text after "=": one row a rule. The rows the program itself writes
// are checked against QSettings in the Qt tests; these pin the reading of hand-edited files.
TEST(IniSettings, ValuesAreReadAsQSettingsReadsThem) {
    struct Case {
        std::string raw;
        std::string text;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"  padded  \t", "padded"},
        {"\"  kept  \"", "  kept  "},
        {"x, y ,z", "x, y, z"},  // a list: items joined as the program shows them
        {"\"x, y\"", "x, y"},
        {"say \\\"hi\\\"", "say \"hi\""},
        {"C:\\\\dir\\\\", "C:\\dir\\"},
        {"tab\\there\\nnext", "tab\there\nnext"},
        {"\\x41\\x42", "AB"},
        {"\\x20ac", "\u20AC"},
        {"\\101\\60", "A0"},
        {"\\q", ""},  // an unknown escape is dropped
        {"@@at", "@at"},
        {"@String(nul\\0inside)", std::string("nul\0inside", 10)},
        {"@ByteArray(bytes)", "bytes"},
        {"@Rect(1 2 3 4)", ""},
        {"@Rect(1 2)", "@Rect(1 2)"},
        {"@Invalid()", ""},
        {"x,@y", ""},
        {"x,@@y", "x, @y"},
        {"value ; a comment", "value"},
        {"\"semi;colon = fine\"", "semi;colon = fine"},
        {"line\\\ncontinued", "linecontinued"},
        {"\"two\nlines\"", "two\nlines"},
        {"", ""},
        {"Gr\u00FC\u00DFe", "Gr\u00FC\u00DFe"},
        {"ends in a space\\ ", "ends in a space"},
    };
    for (const Case& c : cases) {
        const CIniSettings settings = CIniSettings::Parse("[s]\nv=" + c.raw + "\n");
        EXPECT_TRUE(settings.FormatOk()) << c.raw;
        EXPECT_EQ(settings.Text("s/v"), c.text) << c.raw;
    }
}

TEST(IniSettings, SectionsAndKeysBecomeGroupPaths) {
    const CIniSettings settings = CIniSettings::Parse(
        "\xEF\xBB\xBF; a comment\r\n"
        "top=1\r\n"
        "[General]\r\n"
        "also top=2\r\n"
        "[%General]\r\n"
        "g=3\r\n"
        "[Soft%20Ware\\Sub]\r\n"
        "Key%20Name=4\r\n"
        "Deeper\\Key=5\r\n"
        "not a key line\r\n"
        "[%U00C4rger]\r\n"
        "x=6\r\n"
        "[Soft%20Ware\\Sub]\r\n"
        "Key%20Name=7\r\n"
        "[Soft%20Ware]\r\n"
        "Sub\\Late=8\r\n");
    EXPECT_TRUE(settings.FormatOk());
    EXPECT_EQ(settings.ChildKeys(""), (std::vector<std::string>{"also top", "top"}));
    EXPECT_EQ(settings.ChildGroups(""),
              (std::vector<std::string>{"General", "Soft Ware", "\u00C4rger"}));
    EXPECT_EQ(settings.Text("General/g"), "3");
    EXPECT_EQ(settings.Text("Soft Ware/Sub/Key Name"), "7");  // the section's later line wins
    EXPECT_EQ(settings.Text("Soft Ware/Sub/Deeper/Key"), "5");
    EXPECT_EQ(settings.Text("Soft Ware/Sub/Late"), "8");
    EXPECT_EQ(settings.ChildKeys("Soft Ware/Sub"), (std::vector<std::string>{"Key Name", "Late"}));
    EXPECT_EQ(settings.Text("\u00C4rger/x"), "6");
    EXPECT_EQ(settings.Text("Soft Ware/Missing"), std::nullopt);

    EXPECT_FALSE(CIniSettings::Parse("[a]\nk=1\n[broken\nv=2\n").FormatOk());
    EXPECT_EQ(CIniSettings::Parse("[a]\nk=1\n[broken\nv=2\n").Text("a/k"), "1");
}

TEST(IniSettings, NamesCompareByCodeUnitsAndWithoutRegardToCase) {
    EXPECT_TRUE(Utf16Less("B", "a"));
    EXPECT_TRUE(Utf16Less("Z", "\u00C4"));
    EXPECT_TRUE(Utf16Less("\U0001F600", "\uFFFD"));  // a surrogate pair sorts before U+FFFD
    EXPECT_EQ(CompareIgnoringCase("Language", "LANGUAGE"), 0);
    EXPECT_EQ(CompareIgnoringCase("\u00C4rger", "\u00E4RGER"), 0);
    EXPECT_LT(CompareIgnoringCase("ab", "ABC"), 0);
    EXPECT_GT(CompareIgnoringCase("b", "A"), 0);
}

class IniConfigStoreTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = m_files.PathOf(name);
        FileKinds::Write(path, text);
        return path;
    }

    FileKinds m_files;
    MessageRecorder m_messages;
};

TEST_F(IniConfigStoreTest, ReadsTheStoresByRegistryPathsAndNeverWrites) {
    const std::string machine = Write("machine.ini", "[" + kAppKey +
                                                         "]\n"
                                                         "NetPath=\"/opt/veritom/share/\"\n"
                                                         "LocalPath=\"~/Documents/Morvane\"\n"
                                                         "[" +
                                                         kAppKey +
                                                         "\\Language\\EN]\nCode=EN\n"
                                                         "[" +
                                                         kAppKey +
                                                         "\\Language\\de]\nCode=DE\n"
                                                         "[" +
                                                         kAppKey + "\\Language\\Ab]\nCode=AB\n");
    const std::string user =
        Write("user.ini",
              "[Software]\n"
              "Veldor%20Kastrel\\Veritom\\Morvane%20Valve\\CurrentVersion\\"
              "Language=de\n"
              "[Profile]\nSelectionCompleted\\Show=\" 0 \"\nTip\\StartUp=yes\n");
    const ScopedEnvironment home("HOME", m_files.Dir().c_str());
    CIniConfigStore store(machine, user);
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "NetPath"), "/opt/veritom/share/");
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "LocalPath"),
              m_files.Dir() + "/Documents/Morvane");
    EXPECT_EQ(store.ReadString(Hive::LocalMachine,
                               "software/VELDOR KASTREL\\veritom\\"
                               "morvane valve\\currentversion\\language\\en",
                               "CODE"),
              "EN");
    EXPECT_EQ(store.SubKeys(Hive::LocalMachine, kAppKey + "\\Language"),
              (std::vector<std::string>{"Ab", "de", "EN"}));
    EXPECT_EQ(store.ValueNames(Hive::LocalMachine, kAppKey),
              (std::vector<std::string>{"LocalPath", "NetPath"}));
    EXPECT_TRUE(store.KeyExists(Hive::LocalMachine, "Software\\Veldor Kastrel"));
    EXPECT_FALSE(store.KeyExists(Hive::LocalMachine, kAppKey + "\\Nothing"));
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "Missing"), std::nullopt);
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kAppKey, "Language"), "de");
    EXPECT_EQ(store.ReadProfileInt("SelectionCompleted", "Show", 1), 0);
    EXPECT_EQ(store.ReadProfileInt("Tip", "StartUp", 7), 7);
    EXPECT_EQ(store.ReadProfileInt("Nothing", "Here", 3), 3);

    EXPECT_FALSE(store.WriteString(Hive::CurrentUser, kAppKey, "Language", "EN"));
    EXPECT_FALSE(store.WriteProfileInt("SelectionCompleted", "Show", 1));
    EXPECT_EQ(FileKinds::Read(user).find("EN"), std::string::npos);
}

TEST_F(IniConfigStoreTest, MissingStoresAreEmptyAndBadOnesAreReportedOnce) {
    const std::string damaged = Write("damaged.ini", "[" + kAppKey + "]\nNetPath=/x/\n[Broken\n");
    struct Case {
        std::string path;
        bool damaged;
        std::string message;
    };
    const Case cases[] = {
        {m_files.PathOf("absent.ini"), false, ""},
        {damaged, true,
         "The configuration file " + damaged +
             " is damaged. The settings that could be read are used, and the file is left "
             "unchanged."},
        {m_files.Folder(), true, "The configuration file " + m_files.Folder() + " cannot be read."},
        {m_files.Fifo(), true, "The configuration file " + m_files.Fifo() + " cannot be read."},
    };
    for (const Case& c : cases) {
        MessageRecorder recorder;
        const CIniConfigStore store(c.path, m_files.PathOf("absent-user.ini"));
        EXPECT_EQ(store.IsDamaged(Hive::LocalMachine), c.damaged) << c.path;
        EXPECT_FALSE(store.IsDamaged(Hive::CurrentUser));
        EXPECT_EQ(recorder.Texts(), c.message.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{c.message});
    }
    const CIniConfigStore store(damaged, m_files.PathOf("absent-user.ini"));
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "NetPath"), "/x/");
}

TEST_F(IniConfigStoreTest, FindsTheStoresWhereTheProgramDoes) {
    {
        const ScopedEnvironment machine("VERITOM_MACHINE_STORE", "/m.ini");
        const ScopedEnvironment user("VERITOM_USER_STORE", "/u.ini");
        EXPECT_EQ(CIniConfigStore::DefaultMachineStorePath(), "/m.ini");
        EXPECT_EQ(CIniConfigStore::DefaultUserStorePath(), "/u.ini");
    }
    const ScopedEnvironment machine("VERITOM_MACHINE_STORE", nullptr);
    const ScopedEnvironment user("VERITOM_USER_STORE", nullptr);
    // The test program has no installation tree around it.
    EXPECT_EQ(CIniConfigStore::DefaultMachineStorePath(), "/etc/veritom/machine.ini");
    {
        const ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(CIniConfigStore::DefaultUserStorePath(), "/cfg/veritom/user.ini");
    }
    const ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
    const ScopedEnvironment home("HOME", "/home/engineer/");
    EXPECT_EQ(CIniConfigStore::DefaultUserStorePath(), "/home/engineer/.config/veritom/user.ini");
}

}  // namespace
}  // namespace veritom
