#include <gtest/gtest.h>

#include "CompoundReader.h"
#include "FakeOrderPadConnection.h"
#include "tools/orderpad/OrderPad.h"

namespace veritom {
namespace {

using Elements = std::map<std::string, std::string>;

OrderPadPart Part(const std::string& number, const std::string& description = "Valve") {
    return {number, "1", "Morvane Valve", description, "Mod", "Cust Notes"};
}

Elements PartElements(int index, const OrderPadPart& part) {
    const std::string storage = "Part*" + std::to_string(index) + "/";
    return {{storage, ""},
            {storage + "Part Number", part.partNumber},
            {storage + "Quantity", part.quantity},
            {storage + "Division", part.division},
            {storage + "Description", part.description},
            {storage + "Modification", part.modification},
            {storage + "Customer Notes", part.customerNotes}};
}

TEST(OrderPadDocument, TwoPartsBeforeOneTransferAreStoragesZeroAndOne) {
    test::FakeOrderPadConnection connection;
    connection.partsPerDocument = 2;
    COrderPad orderPad(connection);
    const OrderPadPart first = Part("8210G094");
    const OrderPadPart second = Part("8262H208", "2-Way, Gehäuse aus Messing");
    ASSERT_TRUE(orderPad.AddPart(first, nullptr));
    ASSERT_TRUE(orderPad.AddPart(second, nullptr));
    EXPECT_EQ(orderPad.PartCount(), 2);
    ASSERT_TRUE(orderPad.Transfer("Morvane.exe").Ok());

    ASSERT_EQ(connection.documents.size(), 1u);
    Elements expected = PartElements(0, first);
    expected.merge(PartElements(1, second));
    expected["Veritom Name"] = "Morvane.exe";
    EXPECT_EQ(test::ReadCompound(connection.documents[0]), expected);
    EXPECT_EQ(orderPad.PartCount(), 0);

    // The counter starts again after the transfer.
    connection.partsPerDocument = 1;
    ASSERT_TRUE(orderPad.AddPart(first, nullptr));
    ASSERT_TRUE(orderPad.Transfer("Morvane.exe").Ok());
    expected = PartElements(0, first);
    expected["Veritom Name"] = "Morvane.exe";
    EXPECT_EQ(test::ReadCompound(connection.documents[1]), expected);
}

TEST(OrderPadDocument, StreamsHoldTheTextBytesOnly) {
    test::FakeOrderPadConnection connection;
    COrderPad orderPad(connection);
    const OrderPadPart part{"EF8320G174", "1", "", "Ventil, Dichtung: FKM, Gehäuse: Messing", "",
                            "Cust Notes"};
    ASSERT_TRUE(orderPad.AddPart(part, nullptr));
    ASSERT_TRUE(orderPad.Transfer("Morvane.exe").Ok());
    const Elements elements = test::ReadCompound(connection.documents.at(0));
    // A stream's size is the text's length in UTF-8 bytes: no terminator, no length prefix.
    EXPECT_EQ(elements.at("Part*0/Part Number").size(), 10u);
    EXPECT_EQ(elements.at("Part*0/Description"), part.description);
    EXPECT_EQ(elements.at("Part*0/Description").size(), std::string(part.description).size());
    EXPECT_EQ(elements.at("Part*0/Division"), "");
    EXPECT_EQ(elements.at("Part*0/Modification"), "");
    EXPECT_EQ(elements.count("Selection Object"), 0u);
}

TEST(OrderPadDocument, SelectionObjectGoesIntoTheRootOnceOnly) {
    test::FakeOrderPadConnection connection;
    COrderPad orderPad(connection);
    const std::vector<unsigned char> object{0x01, 0x00, 0xFF, 0x7F};
    ASSERT_TRUE(orderPad.AddPart(Part("A1"), &object));
    // Created exclusively: a second selection object in the same document fails the part.
    EXPECT_FALSE(orderPad.AddPart(Part("A2"), &object));
    EXPECT_EQ(orderPad.PartCount(), 1);
    ASSERT_TRUE(orderPad.Transfer("Morvane.exe").Ok());
    const Elements elements = test::ReadCompound(connection.documents.at(0));
    EXPECT_EQ(elements.at("Selection Object"), std::string("\x01\x00\xFF\x7F", 4));
    EXPECT_EQ(elements.count("Part*0/"), 1u);
    EXPECT_EQ(elements.count("Part*1/"), 0u);
}

TEST(OrderPadDocument, TransferReachesTheOrderPadAsTheConnectionAllows) {
    struct Row {
        const char* name;
        OrderPadReply connect;
        OrderPadReply send;
        std::vector<std::string> calls;
        OrderPadFailure result;
    };
    const Row rows[] = {
        {"running",
         {},
         {OrderPadFailure::None, {}, false, 1},
         {"Connect", "Send"},
         OrderPadFailure::None},
        {"started now is shown first",
         {OrderPadFailure::None, {}, true, 0},
         {OrderPadFailure::None, {}, false, 1},
         {"Connect", "Show", "Send"},
         OrderPadFailure::None},
        {"not installed",
         {OrderPadFailure::NotInstalled, "/x/orderpad"},
         {},
         {"Connect"},
         OrderPadFailure::NotInstalled},
        {"no answer",
         {},
         {OrderPadFailure::NoAnswer, "5"},
         {"Connect", "Send"},
         OrderPadFailure::NoAnswer},
        {"refused",
         {},
         {OrderPadFailure::Refused, "damaged"},
         {"Connect", "Send"},
         OrderPadFailure::Refused},
        {"fewer parts confirmed",
         {},
         {OrderPadFailure::None, {}, false, 0},
         {"Connect", "Send"},
         OrderPadFailure::NotConfirmed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::FakeOrderPadConnection connection;
        connection.connectReplies.push_back(row.connect);
        connection.sendReplies.push_back(row.send);
        COrderPad orderPad(connection);
        ASSERT_TRUE(orderPad.AddPart(Part("A1"), nullptr));
        EXPECT_EQ(orderPad.Transfer("Morvane.exe").failure, row.result);
        EXPECT_EQ(connection.calls, row.calls);
        EXPECT_EQ(orderPad.PartCount(), 0);
    }
}

// A part reported as failed must not travel with the next one.
TEST(OrderPadDocument, FailedTransferDropsItsParts) {
    test::FakeOrderPadConnection connection;
    connection.connectReplies.push_back({OrderPadFailure::NoAnswer, "5"});
    COrderPad orderPad(connection);
    ASSERT_TRUE(orderPad.AddPart(Part("LOST1"), nullptr));
    ASSERT_FALSE(orderPad.Transfer("Morvane.exe").Ok());
    ASSERT_TRUE(orderPad.AddPart(Part("SENT2"), nullptr));
    ASSERT_TRUE(orderPad.Transfer("Morvane.exe").Ok());
    ASSERT_EQ(connection.documents.size(), 1u);
    const Elements elements = test::ReadCompound(connection.documents[0]);
    EXPECT_EQ(elements.at("Part*0/Part Number"), "SENT2");
    EXPECT_EQ(elements.count("Part*1/"), 0u);
}

TEST(OrderPadDocument, ShowForgetsPartsNotYetTransferred) {
    test::FakeOrderPadConnection connection;
    COrderPad orderPad(connection);
    ASSERT_TRUE(orderPad.AddPart(Part("PENDING"), nullptr));
    ASSERT_TRUE(orderPad.Show().Ok());
    EXPECT_EQ(connection.calls, (std::vector<std::string>{"Connect", "Show"}));
    EXPECT_EQ(orderPad.PartCount(), 0);
    EXPECT_TRUE(connection.documents.empty());
    // Nothing left to send: a transfer now fails without reaching the order pad.
    EXPECT_EQ(orderPad.Transfer("Morvane.exe").failure, OrderPadFailure::NotWritten);
    EXPECT_EQ(connection.calls.size(), 2u);
}

}  // namespace
}  // namespace veritom
