#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CompoundWriter.h"
#include "OrderList.h"

namespace orderpad {
namespace {

OrderLine Line(const QString& number, const QString& quantity = QStringLiteral("1")) {
    return {number,
            quantity,
            QStringLiteral("Morvane Valve"),
            QStringLiteral("Valve"),
            QStringLiteral("Mod"),
            QStringLiteral("Cust Notes"),
            QStringLiteral("Morvane.exe"),
            QDateTime(QDate(2001, 3, 3), QTime(9, 5, 7), Qt::UTC)};
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(OrderList, SurvivesARestart) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/orderlist.json"));
    {
        OrderList list(path);
        EXPECT_EQ(list.Load(), OrderList::LoadResult::Missing);
        ASSERT_TRUE(list.Append({Line(QStringLiteral("A1")), Line(QStringLiteral("Ä2"))}));
        ASSERT_TRUE(list.SetQuantity(1, QStringLiteral(" 12 ")));
        ASSERT_TRUE(list.Append({Line(QStringLiteral("A3"))}));
        ASSERT_TRUE(list.Remove({0}));
    }
    OrderList again(path);
    ASSERT_EQ(again.Load(), OrderList::LoadResult::Loaded);
    EXPECT_EQ(again.Lines(), (QList<OrderLine>{Line(QStringLiteral("Ä2"), QStringLiteral("12")),
                                               Line(QStringLiteral("A3"))}));
    ASSERT_TRUE(again.Remove({1, 0, 1}));
    OrderList cleared(path);
    EXPECT_EQ(cleared.Load(), OrderList::LoadResult::Loaded);
    EXPECT_TRUE(cleared.Lines().isEmpty());
}

TEST(OrderList, DamagedFileIsKeptAsideAndANewListStarts) {
    const QByteArray damaged[] = {
        "{\"format\": 1, \"lines\": [",                            // cut off
        "{\"format\": 2, \"lines\": []}",                          // unknown format
        "{\"format\": 1, \"lines\": [{\"partNumber\": \"A1\"}]}",  // line incomplete
        "[]",                                                      // not an object
    };
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("orderlist.json"));
        WriteFile(path, bytes);
        WriteFile(path + QStringLiteral(".damaged"), "an earlier one");
        OrderList list(path);
        ASSERT_EQ(list.Load(), OrderList::LoadResult::Damaged);
        EXPECT_TRUE(list.Lines().isEmpty());
        EXPECT_EQ(list.KeptAs(), path + QStringLiteral(".damaged-2"));
        QFile kept(list.KeptAs());
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), bytes);
        EXPECT_TRUE(list.Append({Line(QStringLiteral("A1"))}));
    }
}

TEST(OrderList, ChangeThatCannotBeSavedIsTakenBack) {
    QTemporaryDir dir;
    // A file where the list's folder should be: nothing can be written below it.
    WriteFile(dir.filePath(QStringLiteral("blocked")), "file");
    OrderList list(dir.filePath(QStringLiteral("blocked/orderlist.json")));
    EXPECT_EQ(list.Load(), OrderList::LoadResult::Missing);
    EXPECT_FALSE(list.Append({Line(QStringLiteral("A1"))}));
    EXPECT_TRUE(list.Lines().isEmpty());
    EXPECT_FALSE(list.Error().isEmpty());
}

TEST(OrderList, QuantityIsAWholeNumberAboveZero) {
    const std::pair<const char*, bool> rows[] = {{"1", true},   {" 25 ", true}, {"0", false},
                                                 {"-3", false}, {"2.5", false}, {"", false},
                                                 {"x", false},  {"1e3", false}};
    for (const auto& [text, valid] : rows) {
        EXPECT_EQ(OrderList::IsValidQuantity(QString::fromLatin1(text)), valid) << text;
    }
    QTemporaryDir dir;
    OrderList list(dir.filePath(QStringLiteral("orderlist.json")));
    ASSERT_TRUE(list.Append({Line(QStringLiteral("A1"))}));
    EXPECT_FALSE(list.SetQuantity(0, QStringLiteral("0")));
    EXPECT_FALSE(list.SetQuantity(3, QStringLiteral("2")));
    EXPECT_EQ(list.Lines().at(0).quantity, QStringLiteral("1"));
}

}  // namespace
}  // namespace orderpad
