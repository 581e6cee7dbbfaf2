#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

#include "MessageRecorder.h"
#include "app/IniConfigStore.h"
#include "app/ui/ConfigStore.h"

// The command line reads the configuration stores without Qt. These tests hold its reader to
// what QSettings itself reads from the same files, so the two cannot drift apart.
namespace veritom {
namespace {

const std::string kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

std::string AsciiUpper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

// Every answer of both stores for the key at keyPath and all keys below it, also under
// names spelled in capitals.
void ExpectSameTree(const IConfigStore& qt, const IConfigStore& plain, Hive hive,
                    const std::string& keyPath) {
    SCOPED_TRACE("key " + keyPath);
    EXPECT_EQ(plain.KeyExists(hive, keyPath), qt.KeyExists(hive, keyPath));
    EXPECT_EQ(plain.KeyExists(hive, AsciiUpper(keyPath)), qt.KeyExists(hive, AsciiUpper(keyPath)));
    const std::vector<std::string> names = qt.ValueNames(hive, keyPath);
    EXPECT_EQ(plain.ValueNames(hive, keyPath), names);
    for (const std::string& name : names) {
        EXPECT_EQ(plain.ReadString(hive, keyPath, name), qt.ReadString(hive, keyPath, name))
            << name;
        EXPECT_EQ(plain.ReadString(hive, AsciiUpper(keyPath), AsciiUpper(name)),
                  qt.ReadString(hive, AsciiUpper(keyPath), AsciiUpper(name)))
            << name;
    }
    const std::vector<std::string> subkeys = qt.SubKeys(hive, keyPath);
    EXPECT_EQ(plain.SubKeys(hive, keyPath), subkeys);
    for (const std::string& subkey : subkeys) {
        ExpectSameTree(qt, plain, hive, keyPath.empty() ? subkey : keyPath + "\\" + subkey);
    }
}

class IniConfigStoreTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const {
        return m_dir.filePath(QString::fromUtf8(name)).toStdString();
    }
    std::string Write(const char* name, const QByteArray& text) {
        QFile file(QString::fromStdString(PathOf(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return PathOf(name);
    }

    QTemporaryDir m_dir;
    test::MessageRecorder m_messages;
};

TEST_F(IniConfigStoreTest, WhatTheProgramWritesReadsBackTheSame) {
    struct Row {
        std::string keyPath;
        std::string name;
        std::string value;
    };
    const std::string subkeys = "Software\\Sub keys\\Language\\";
    const Row rows[] = {
        {kAppKey, "NetPath", "/opt/veritom/share/"},
        {kAppKey, "Reference Dir", "/opt/ref/EN"},
        {kAppKey, "Spaces", "  leading and trailing  "},
        {kAppKey, "Only spaces", "   "},
        {kAppKey, "Empty", ""},
        {kAppKey, "Gr\u00FC\u00DFe", "Gr\u00F6\u00DFe: 1\u00BD \u20AC \u4E2D\u6587 \U0001F600"},
        {kAppKey, "Backslashes", "C:\\Programs\\Veritom\\"},
        {kAppKey, "Commas", "a, b,c ,"},
        {kAppKey, "Quotes", "say \"hi\" and \"bye"},
        {kAppKey, "Leading quote", "\"quoted\""},
        {kAppKey, "Semicolon", "x; y = z"},
        {kAppKey, "Controls",
         "tab\there\nline\r\x01"
         "F\x7f"},
        {kAppKey, "NUL", std::string("a\0b", 3)},
        {kAppKey, "At", "@at"},
        {kAppKey, "At at", "@@x"},
        {kAppKey, "At string", "@String(x)"},
        {kAppKey, "At rect", "@Rect(1 2 3 4)"},
        {kAppKey, "Percent", "100% %41"},
        {kAppKey, "Brackets", "[General]"},
        {kAppKey, "Home", "~/Documents/Morvane"},
        {kAppKey, "Hash", "#not a comment"},
        {kAppKey, "Trailing backslash", "end\\"},
        {"", "Top level", "in [General]"},
        {"General", "Name", "a key called General"},
        {"Software\\\u00C4 Umlaut\\\u00DF", "Wert", "x"},
        {"Software\\Odd;Names=\"x\" %20", "a=b;c%41", "odd"},
        {subkeys + "b", "Code", "1"},
        {subkeys + "B2", "Code", "2"},
        {subkeys + "a", "Code", "3"},
        {subkeys + "\u00C4", "Code", "4"},
        {subkeys + "\u00E4", "Code", "5"},
        {subkeys + "Zeta", "Code", "6"},
        {subkeys + "10", "Code", "7"},
        {subkeys + "9", "Code", "8"},
        {subkeys + "\u00E4b", "Code", "9"},
        {"Profile\\SelectionCompleted", "Show", "0"},
        {"Profile\\Tip", "StartUp", " 12 "},
        {"Profile\\Tip", "Other", "+3"},
    };
    const std::string user = PathOf("user.ini");
    CConfigStore qt(QString::fromStdString(PathOf("machine.ini")), QString::fromStdString(user));
    for (const Row& row : rows) {
        ASSERT_TRUE(qt.WriteString(Hive::CurrentUser, row.keyPath, row.name, row.value))
            << row.name;
    }
    const CIniConfigStore plain(PathOf("machine.ini"), user);
    for (const Row& row : rows) {
        EXPECT_EQ(plain.ReadString(Hive::CurrentUser, row.keyPath, row.name),
                  qt.ReadString(Hive::CurrentUser, row.keyPath, row.name))
            << row.name;
    }
    EXPECT_EQ(plain.ReadString(Hive::CurrentUser, kAppKey, "Commas"), "a, b,c ,");
    EXPECT_EQ(plain.ReadString(Hive::CurrentUser, kAppKey, "NUL"), std::string("a\0b", 3));
    ExpectSameTree(qt, plain, Hive::CurrentUser, "");
    for (const auto& [section, entry] : {std::pair{"SelectionCompleted", "Show"},
                                         {"Tip", "StartUp"},
                                         {"Tip", "Other"},
                                         {"Tip", "None"}}) {
        EXPECT_EQ(plain.ReadProfileInt(section, entry, -1), qt.ReadProfileInt(section, entry, -1))
            << entry;
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(IniConfigStoreTest, HandEditedFilesReadTheSame) {
    const QByteArray files[] = {
        "\xEF\xBB\xBF; a comment\r\ntop=1\r\n[General]\r\nalso top=2\r\n[%General]\r\ng=3\r\n",
        "[Soft%20Ware\\Sub]\nKey%20Name=4\nDeeper\\Key=5\nnot a key line\n[%U00C4rger]\nx=6\n"
        "[Soft%20Ware\\Sub]\nKey%20Name=7\n[Soft%20Ware]\nSub\\Late=8\nSub\\Key%20Name=9\n",
        "[a]\nlist=x, y ,z\nquoted=\"x, y\"\ntyped=x,@y\nescaped=\\x41\\x20ac\\101\\q\n"
        "comment=value ; note\nspan=\"two\nlines\"\ncontinued=line\\\nnext\nempty=\n"
        "bytes=@ByteArray(b\\xe4)\nrect=@Rect(1 2)\ninvalid=@Invalid()\n",
        "[" + QByteArray(kAppKey.c_str()) + "]\nNetPath=/x/\nLocalPath=~\n[Broken\nValue=1\n",
        "[case]\nName=1\nname=2\nNAME=3\n[Case]\nname=4\n",
    };
    int n = 0;
    for (const QByteArray& text : files) {
        SCOPED_TRACE(text.toStdString());
        const std::string machine = Write(("machine" + std::to_string(++n) + ".ini").c_str(), text);
        test::MessageRecorder qtMessages;
        const CConfigStore qt(QString::fromStdString(machine),
                              QString::fromStdString(PathOf("u.ini")));
        test::MessageRecorder plainMessages;
        const CIniConfigStore plain(machine, PathOf("u.ini"));
        EXPECT_EQ(plainMessages.Texts(), qtMessages.Texts());
        EXPECT_EQ(plain.IsDamaged(Hive::LocalMachine), qt.IsDamaged(Hive::LocalMachine));
        ExpectSameTree(qt, plain, Hive::LocalMachine, "");
    }
}

TEST_F(IniConfigStoreTest, TheStagedMachineStoreReadsTheSame) {
    const std::string machine = VERITOM_STAGE_DIR "/etc/veritom/machine.ini";
    const CConfigStore qt(QString::fromStdString(machine), QString::fromStdString(PathOf("u.ini")));
    const CIniConfigStore plain(machine, PathOf("u.ini"));
    ASSERT_TRUE(plain.KeyExists(Hive::LocalMachine, kAppKey + "\\Language\\DE"));
    ExpectSameTree(qt, plain, Hive::LocalMachine, "");
    EXPECT_TRUE(m_messages.boxes.empty());
}

}  // namespace
}  // namespace veritom
