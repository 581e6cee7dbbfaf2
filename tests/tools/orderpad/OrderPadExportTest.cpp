#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>

#include "CompoundReader.h"
#include "FakeOrderPadConnection.h"
#include "MemoryConfigStore.h"
#include "MessageRecorder.h"
#include "base/StringTable.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadExport.h"
#include "tools/orderpad/OrderPadLanguage.h"

namespace veritom {
namespace {

const std::string kMachineKey = "Software\\Veldor Kastrel\\Veritom\\OrderPad\\1.0\\Language";
const std::string kUserKey = "Software\\Veldor Kastrel\\Veritom\\OrderPad\\1.0";

TEST(AddToOrderPad, SendsThePartWithTheFixedTexts) {
    test::MessageRecorder messages;
    test::FakeOrderPadConnection connection;
    COrderPad orderPad(connection);
    EXPECT_TRUE(AddToOrderPad(orderPad, "8210G094", "Morvane Valve", "2-Way Valve, Brass"));
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(messages.beeps, 0);
    EXPECT_EQ(messages.waitDepth, 0);
    ASSERT_EQ(connection.documents.size(), 1u);
    const auto elements = test::ReadCompound(connection.documents[0]);
    EXPECT_EQ(elements.at("Part*0/Part Number"), "8210G094");
    EXPECT_EQ(elements.at("Part*0/Quantity"), "1");
    EXPECT_EQ(elements.at("Part*0/Division"), "Morvane Valve");
    EXPECT_EQ(elements.at("Part*0/Description"), "2-Way Valve, Brass");
    EXPECT_EQ(elements.at("Part*0/Modification"), "Mod");
    EXPECT_EQ(elements.at("Part*0/Customer Notes"), "Cust Notes");
    EXPECT_EQ(elements.at("Veritom Name"), "Morvane.exe");
}

TEST(AddToOrderPad, EmptyPartNumberSendsAndShowsNothing) {
    test::MessageRecorder messages;
    test::FakeOrderPadConnection connection;
    COrderPad orderPad(connection);
    EXPECT_FALSE(AddToOrderPad(orderPad, "", "Morvane Valve", "Valve"));
    EXPECT_TRUE(connection.calls.empty());
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(messages.beeps, 0);
}

TEST(AddToOrderPad, FailureSaysWhyAndBeeps) {
    struct Row {
        OrderPadReply connect;
        OrderPadReply send;
        std::string text;
    };
    const Row rows[] = {
        {{OrderPadFailure::NotInstalled, "/opt/veritom/orderpad"},
         {},
         "Add to Order Failed!\n\nThe order pad program /opt/veritom/orderpad is not installed."},
        {{OrderPadFailure::NotStarted, "/opt/veritom/orderpad"},
         {},
         "Add to Order Failed!\n\nThe order pad program /opt/veritom/orderpad could not be "
         "started."},
        {{OrderPadFailure::NoAnswer, "5"},
         {},
         "Add to Order Failed!\n\nThe order pad did not answer within 5 seconds."},
        {{},
         {OrderPadFailure::NoAnswer, "5"},
         "Add to Order Failed!\n\nThe order pad did not answer within 5 seconds."},
        {{},
         {OrderPadFailure::Refused, "The document is damaged."},
         "Add to Order Failed!\n\nThe order pad did not take the part: The document is damaged."},
        {{},
         {OrderPadFailure::NotSaved, "Disk full."},
         "Add to Order Failed!\n\nThe order pad could not keep the part in its order list: Disk "
         "full."},
        {{},
         {OrderPadFailure::None, {}, false, 0},
         "Add to Order Failed!\n\nThe order pad did not confirm that it took the part."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        test::MessageRecorder messages;
        test::FakeOrderPadConnection connection;
        connection.connectReplies.push_back(row.connect);
        connection.sendReplies.push_back(row.send);
        COrderPad orderPad(connection);
        EXPECT_FALSE(AddToOrderPad(orderPad, "8210G094", "Morvane Valve", "Valve"));
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{row.text});
        EXPECT_EQ(messages.beeps, 1);
        EXPECT_EQ(messages.waitDepth, 0);
    }
}

TEST(ViewOrderPad, WritesTheLanguageThenShowsTheOrderPad) {
    test::MessageRecorder messages;
    test::MemoryConfigStore store;
    store.Set(Hive::LocalMachine, kMachineKey + "\\DE", "Code", "DE");
    store.Set(Hive::LocalMachine, kMachineKey + "\\DE", "DllName", "OrderPadDE.rcc");
    test::FakeOrderPadConnection connection;
    COrderPad orderPad(connection);
    EXPECT_TRUE(ViewOrderPad(orderPad, store, "DE"));
    EXPECT_EQ(connection.calls, (std::vector<std::string>{"Connect", "Show"}));
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kUserKey, "Code"), "DE");
    EXPECT_EQ(store.ReadString(Hive::CurrentUser, kUserKey, "ResDll"), "OrderPadDE.rcc");
    EXPECT_TRUE(messages.boxes.empty());

    connection.connectReplies.push_back({OrderPadFailure::NotInstalled, "/x/orderpad"});
    EXPECT_FALSE(ViewOrderPad(orderPad, store, "DE"));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  "Open OrderPad Failed!\n\nThe order pad program /x/orderpad is not installed."});
    EXPECT_EQ(messages.waitDepth, 0);
}

TEST(OrderPadLanguage, ResDllIsTheLibraryOfTheFirstSubkeyWithTheCode) {
    struct Row {
        const char* name;
        std::vector<std::array<std::string, 3>> subkeys;  // subkey, Code, DllName
        std::string code;
        std::string library;
    };
    const Row rows[] = {
        {"found",
         {{"DE", "DE", "OrderPadDE.rcc"}, {"EN", "EN", "OrderPadEN.rcc"}},
         "EN",
         "OrderPadEN.rcc"},
        {"subkey name does not matter",
         {{"1", "FR", "opfr.rcc"}, {"2", "DE", "opde.rcc"}},
         "DE",
         "opde.rcc"},
        {"first match wins",
         {{"A", "DE", "first.rcc"}, {"B", "DE", "second.rcc"}},
         "DE",
         "first.rcc"},
        {"no such language", {{"EN", "EN", "OrderPadEN.rcc"}}, "DE", ""},
        {"key missing", {}, "EN", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::MemoryConfigStore store;
        for (const auto& [subkey, code, library] : row.subkeys) {
            store.Set(Hive::LocalMachine, kMachineKey + "\\" + subkey, "Code", code);
            store.Set(Hive::LocalMachine, kMachineKey + "\\" + subkey, "DllName", library);
        }
        EXPECT_TRUE(SetUpOrderPadLanguage(store, row.code));
        EXPECT_EQ(store.ReadString(Hive::CurrentUser, kUserKey, "Code"), row.code);
        EXPECT_EQ(store.ReadString(Hive::CurrentUser, kUserKey, "ResDll"), row.library);
    }
    test::MemoryConfigStore readOnly;
    readOnly.failWrites = true;
    EXPECT_FALSE(SetUpOrderPadLanguage(readOnly, "EN"));
}

TEST(AddToOrderPad, MessagesComeFromTheInstalledLanguage) {
    std::ifstream file(VERITOM_SOURCE_DIR "/res/lang/DE/strings.txt");
    std::stringstream source;
    source << file.rdbuf();
    StringMap german;
    ASSERT_TRUE(ParseStringTable(source.str(), german));
    InstallLanguageTable(german);
    test::MessageRecorder messages;
    test::FakeOrderPadConnection connection;
    connection.connectReplies.push_back({OrderPadFailure::NotStarted, "/x/orderpad"});
    COrderPad orderPad(connection);
    AddToOrderPad(orderPad, "8210G094", "Morvane Valve", "Valve");
    InstallLanguageTable({});
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Hinzufügen zur Bestellliste fehlgeschlagen!\n\nDas "
                                       "OrderPad (/x/orderpad) konnte nicht gestartet "
                                       "werden."});
}

}  // namespace
}  // namespace veritom
