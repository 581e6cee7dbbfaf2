#include <gtest/gtest.h>

#include "CompoundWriter.h"
#include "TransferDocument.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadConnection.h"

namespace orderpad {
namespace {

using Elements = std::map<std::string, std::string>;

// Hands what the selector's order pad component writes straight to the test.
class CapturingConnection : public veritom::IOrderPadConnection {
public:
    veritom::OrderPadReply Connect() override { return {}; }
    veritom::OrderPadReply Show() override { return {}; }
    veritom::OrderPadReply Send(const std::vector<unsigned char>& document) override {
        bytes = QByteArray(reinterpret_cast<const char*>(document.data()),
                           static_cast<qsizetype>(document.size()));
        return {veritom::OrderPadFailure::None, {}, false, 2};
    }
    QByteArray bytes;
};

TEST(TransferDocument, ReadsWhatTheSelectorSends) {
    CapturingConnection connection;
    veritom::COrderPad orderPad(connection);
    ASSERT_TRUE(orderPad.AddPart(
        {"8210G094", "1", "Morvane Valve", "2-Way, Gehäuse Messing", "Mod", "Cust Notes"},
        nullptr));
    ASSERT_TRUE(orderPad.AddPart({"8262H208", "3", "", "Valve", "", ""}, nullptr));
    ASSERT_TRUE(orderPad.Transfer("Morvane.exe").Ok());

    const TransferDocument document = TransferDocument::Read(connection.bytes);
    ASSERT_TRUE(document.Ok()) << document.error.toStdString();
    EXPECT_EQ(document.sender, QStringLiteral("Morvane.exe"));
    ASSERT_EQ(document.parts.size(), 2);
    const OrderLine& first = document.parts[0];
    EXPECT_EQ(first.partNumber, QStringLiteral("8210G094"));
    EXPECT_EQ(first.quantity, QStringLiteral("1"));
    EXPECT_EQ(first.division, QStringLiteral("Morvane Valve"));
    EXPECT_EQ(first.description, QStringLiteral("2-Way, Gehäuse Messing"));
    EXPECT_EQ(first.modification, QStringLiteral("Mod"));
    EXPECT_EQ(first.customerNotes, QStringLiteral("Cust Notes"));
    EXPECT_EQ(first.sender, QStringLiteral("Morvane.exe"));
    EXPECT_EQ(document.parts[1].partNumber, QStringLiteral("8262H208"));
    EXPECT_EQ(document.parts[1].quantity, QStringLiteral("3"));
    EXPECT_EQ(document.parts[1].division, QString());
}

TEST(TransferDocument, DamagedDocumentsAreRefusedWithTheReason) {
    Elements good = test::PartElements(0, "A1");
    good["Veritom Name"] = "Morvane.exe";
    const auto without = [&](const std::string& name) {
        Elements elements = good;
        elements.erase(name);
        return elements;
    };
    const auto with = [&](Elements extra) {
        Elements elements = good;
        elements.merge(extra);
        return elements;
    };
    Elements gap = with(test::PartElements(2, "A3"));
    Elements oversized = good;
    oversized["Part*0/Description"] = std::string(70 * 1024, 'x');
    Elements streamForStorage = without("Part*0/");
    for (const auto& [path, text] : test::PartElements(0, "A1")) {
        streamForStorage.erase(path);
    }
    streamForStorage["Part*0"] = "not a storage";

    const std::pair<QByteArray, QString> rows[] = {
        {QByteArray(), QStringLiteral("The document is not a compound file.")},
        {QByteArray("PK\x03\x04 this is a zip, not a compound file"),
         QStringLiteral("The document is not a compound file.")},
        {test::WriteCompound(good).left(600),
         QStringLiteral("The document is not a compound file.")},
        {test::WriteCompound(without("Veritom Name")),
         QStringLiteral("The document lacks the stream \"Veritom Name\".")},
        {test::WriteCompound({{"Veritom Name", "Morvane.exe"}}),
         QStringLiteral("The document holds no parts.")},
        {test::WriteCompound(without("Part*0/Customer Notes")),
         QStringLiteral("The part storage \"Part*0\" lacks the stream \"Customer Notes\".")},
        {test::WriteCompound(gap),
         QStringLiteral("The document lacks the part storage \"Part*1\".")},
        {test::WriteCompound(oversized), QStringLiteral("The stream \"Description\" is too long.")},
        {test::WriteCompound(streamForStorage),
         QStringLiteral("The document lacks the part storage \"Part*0\".")},
    };
    for (const auto& [bytes, error] : rows) {
        SCOPED_TRACE(error.toStdString());
        const TransferDocument document = TransferDocument::Read(bytes);
        EXPECT_EQ(document.error, error);
        EXPECT_TRUE(document.parts.isEmpty());
    }
}

TEST(TransferDocument, SingleByteTextFromAnOlderSenderIsRead) {
    Elements elements = test::PartElements(0, "A1");
    elements["Part*0/Description"] = "Geh\xE4use Messing";  // Windows-1252, not UTF-8
    elements["Veritom Name"] = "Other.exe";
    const TransferDocument document = TransferDocument::Read(test::WriteCompound(elements));
    ASSERT_TRUE(document.Ok());
    EXPECT_EQ(document.parts.at(0).description, QStringLiteral("Gehäuse Messing"));
}

}  // namespace
}  // namespace orderpad
