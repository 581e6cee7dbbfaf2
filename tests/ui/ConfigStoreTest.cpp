#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "MessageRecorder.h"
#include "app/ui/ConfigStore.h"

namespace veritom {
namespace {

const std::string kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

// Both stores in a fresh temporary folder, named through the environment as the program
// finds them.
class ConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_machine = m_dir.filePath(QStringLiteral("etc/machine.ini"));
        m_user = m_dir.filePath(QStringLiteral("home/veritom/user.ini"));
        qputenv("VERITOM_MACHINE_STORE", m_machine.toUtf8());
        qputenv("VERITOM_USER_STORE", m_user.toUtf8());
    }
    void TearDown() override {
        qunsetenv("VERITOM_MACHINE_STORE");
        qunsetenv("VERITOM_USER_STORE");
    }

    void WriteFile(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_machine;
    QString m_user;
    test::MessageRecorder m_messages;
};

const QByteArray kMachineIni =
    "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion]\n"
    "NetPath=\"/opt/veritom/share/\"\n"
    "LocalPath=\"~/Documents/Morvane\"\n"
    "Language=\"EN\"\n"
    "Codes=EN, DE\n"
    "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion\\Language\\fr]\n"
    "Code=fr\n"
    "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion\\Language\\EN]\n"
    "Code=EN\nDLL=MorvaneEN.rcc\nReference Dir=\"/opt/ref/EN\"\nID=24510\n"
    "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion\\Language\\DE]\n"
    "Code=DE\n"
    "[Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion\\Language\\Ab]\n"
    "Code=AB\n";

TEST_F(ConfigStoreTest, FindsBothStoresThroughTheEnvironment) {
    EXPECT_EQ(CConfigStore::DefaultMachineStorePath(), m_machine);
    EXPECT_EQ(CConfigStore::DefaultUserStorePath(), m_user);
    const CConfigStore store;
    EXPECT_EQ(store.StorePath(Hive::LocalMachine), m_machine);
    EXPECT_EQ(store.StorePath(Hive::CurrentUser), m_user);

    qunsetenv("VERITOM_MACHINE_STORE");
    qunsetenv("VERITOM_USER_STORE");
    // The test program has no installation tree around it.
    EXPECT_EQ(CConfigStore::DefaultMachineStorePath(), QStringLiteral("/etc/veritom/machine.ini"));
    EXPECT_TRUE(CConfigStore::DefaultUserStorePath().endsWith(QStringLiteral("/veritom/user.ini")));
}

TEST_F(ConfigStoreTest, ReadsTheMachineKeyByRegistryPaths) {
    WriteFile(m_machine, kMachineIni);
    const CConfigStore store;
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_TRUE(store.KeyExists(Hive::LocalMachine, kAppKey));
    EXPECT_TRUE(store.KeyExists(Hive::LocalMachine, "Software\\Veldor Kastrel\\"));
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "NetPath"), "/opt/veritom/share/");
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey + "\\Language\\EN", "Reference Dir"),
              "/opt/ref/EN");
    EXPECT_EQ(store.ValueNames(Hive::LocalMachine, kAppKey),
              (std::vector<std::string>{"Codes", "Language", "LocalPath", "NetPath"}));
    // A value with unquoted commas reads back as the text it was.
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "Codes"), "EN, DE");
    // A "~/" path is the user's own.
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "LocalPath"),
              (QDir::homePath() + QStringLiteral("/Documents/Morvane")).toStdString());
}

TEST_F(ConfigStoreTest, ListsSubkeysInNameOrder) {
    WriteFile(m_machine, kMachineIni);
    const CConfigStore store;
    EXPECT_EQ(store.SubKeys(Hive::LocalMachine, kAppKey + "\\Language"),
              (std::vector<std::string>{"Ab", "DE", "EN", "fr"}));
    EXPECT_EQ(store.SubKeys(Hive::LocalMachine, kAppKey + "\\Language\\EN"),
              std::vector<std::string>{});
}

TEST_F(ConfigStoreTest, MissingKeysAndValuesReadAsMissing) {
    WriteFile(m_machine, kMachineIni);
    const CConfigStore store;
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "VeritomRootPath"), std::nullopt);
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey + "\\Nothing", "NetPath"), std::nullopt);
    EXPECT_FALSE(store.KeyExists(Hive::LocalMachine, kAppKey + "\\Nothing"));
    EXPECT_TRUE(store.SubKeys(Hive::LocalMachine, "Software\\Other").empty());
    EXPECT_TRUE(store.ValueNames(Hive::LocalMachine, "Software\\Other").empty());
    // The user store does not exist at all.
    EXPECT_FALSE(store.KeyExists(Hive::CurrentUser, kAppKey));
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kAppKey, "Language"), std::nullopt);
    EXPECT_EQ(store.ReadProfileInt("SelectionCompleted", "Show", 1), 1);
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(ConfigStoreTest, MatchesKeyAndValueNamesWithoutRegardToCase) {
    WriteFile(m_machine, kMachineIni);
    CConfigStore store;
    EXPECT_EQ(store.ReadString(Hive::LocalMachine,
                               "SOFTWARE\\veldor kastrel\\VERITOM\\Morvane Valve\\currentversion",
                               "netpath"),
              "/opt/veritom/share/");
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey + "\\language\\FR", "CODE"), "fr");

    // Writing under another spelling updates the stored names instead of adding new ones.
    ASSERT_TRUE(store.WriteString(Hive::LocalMachine,
                                  "software\\VELDOR KASTREL\\veritom\\"
                                  "morvane valve\\CurrentVersion",
                                  "LANGUAGE", "DE"));
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "Language"), "DE");
    EXPECT_EQ(store.SubKeys(Hive::LocalMachine, ""), std::vector<std::string>{"Software"});
    EXPECT_EQ(store.ValueNames(Hive::LocalMachine, kAppKey).size(), 4u);
}

TEST_F(ConfigStoreTest, WritesBackslashKeyPathsAsNestedGroupsAndCreatesTheFile) {
    CConfigStore store;
    ASSERT_TRUE(store.WriteString(Hive::CurrentUser, kAppKey, "Language", "de"));
    ASSERT_TRUE(
        store.WriteString(Hive::CurrentUser, kAppKey, "FileSaveOpenPath", "/data/a;b, \"c\"\\d"));
    ASSERT_TRUE(QFile::exists(m_user));

    const QSettings direct(m_user, QSettings::IniFormat);
    EXPECT_EQ(direct.value(QStringLiteral(
                  "Software/Veldor Kastrel/Veritom/Morvane Valve/CurrentVersion/Language")),
              QStringLiteral("de"));
    // The stored code is handed back as stored: matching it is the configuration's business.
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kAppKey, "Language"), "de");
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kAppKey, "FileSaveOpenPath"),
              "/data/a;b, \"c\"\\d");
    EXPECT_TRUE(store.KeyExists(Hive::CurrentUser, "Software\\Veldor Kastrel"));
    EXPECT_FALSE(store.KeyExists(Hive::LocalMachine, kAppKey));
}

TEST_F(ConfigStoreTest, KeepsProfileEntriesInAGroupOfTheirOwn) {
    CConfigStore store;
    EXPECT_EQ(store.ReadProfileInt("SelectionCompleted", "Show", 1), 1);
    ASSERT_TRUE(store.WriteProfileInt("SelectionCompleted", "Show", 0));
    EXPECT_EQ(store.ReadProfileInt("SelectionCompleted", "Show", 1), 0);
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, "Profile\\SelectionCompleted", "Show"), "0");
    ASSERT_TRUE(store.WriteString(Hive::CurrentUser, "Profile\\Tip", "StartUp", "yes"));
    EXPECT_EQ(store.ReadProfileInt("Tip", "StartUp", 7), 7);
}

TEST_F(ConfigStoreTest, ReportsADamagedStoreOnceAndNeverOverwritesIt) {
    const QByteArray damaged = kMachineIni + "[Software\\Broken\nValue=1\n";
    WriteFile(m_machine, damaged);
    CConfigStore store;
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_NE(m_messages.boxes[0].text.find(m_machine.toStdString()), std::string::npos);
    EXPECT_NE(m_messages.boxes[0].text.find("damaged"), std::string::npos);
    EXPECT_EQ(m_messages.boxes[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(store.IsDamaged(Hive::LocalMachine));
    EXPECT_FALSE(store.IsDamaged(Hive::CurrentUser));

    // What could be read is used; nothing is written.
    EXPECT_EQ(store.ReadString(Hive::LocalMachine, kAppKey, "NetPath"), "/opt/veritom/share/");
    EXPECT_FALSE(store.WriteString(Hive::LocalMachine, kAppKey, "NetPath", "/elsewhere"));
    EXPECT_EQ(ReadFile(m_machine), damaged);
    // The other store is unaffected.
    EXPECT_TRUE(store.WriteString(Hive::CurrentUser, kAppKey, "Language", "EN"));
    EXPECT_EQ(m_messages.boxes.size(), 1u);

    // A second store on the same file knows of the damage too, though QSettings has the
    // file cached by now and no longer says so.
    CConfigStore second;
    EXPECT_TRUE(second.IsDamaged(Hive::LocalMachine));
    EXPECT_EQ(m_messages.boxes.size(), 2u);
    EXPECT_FALSE(second.WriteString(Hive::LocalMachine, kAppKey, "NetPath", "/elsewhere"));
    EXPECT_EQ(ReadFile(m_machine), damaged);
}

TEST_F(ConfigStoreTest, AStoreThatCannotBeWrittenGivesFalse) {
    CConfigStore store(m_machine, QStringLiteral("/proc/veritom-no-such-dir/user.ini"));
    EXPECT_FALSE(store.WriteString(Hive::CurrentUser, kAppKey, "Language", "EN"));
    EXPECT_FALSE(store.WriteProfileInt("SelectionCompleted", "Show", 0));
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kAppKey, "Language"), std::nullopt);
}

}  // namespace
}  // namespace veritom
