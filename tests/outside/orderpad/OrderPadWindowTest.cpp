#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>

#include "CompoundWriter.h"
#include "NextModal.h"
#include "OrderList.h"
#include "OrderListModel.h"
#include "OrderPadTexts.h"
#include "OrderPadWindow.h"

namespace orderpad {
namespace {

using veritom::orderpad::Status;

QByteArray Document(int parts, const std::string& sender = "Morvane.exe") {
    std::map<std::string, std::string> elements{{"Veritom Name", sender}};
    for (int i = 0; i < parts; ++i) {
        elements.merge(test::PartElements(i, std::string("P").append(std::to_string(i))));
    }
    return test::WriteCompound(elements);
}

class OrderPadWindowTest : public ::testing::Test {
protected:
    OrderPadWindowTest() {
        qputenv("VERITOM_USER_STORE", m_dir.filePath(QStringLiteral("user.ini")).toUtf8());
        Texts::SetBundleDirectory(QStringLiteral(VERITOM_STAGE_DIR "/share/veritom"));
        Texts::Reload();
    }
    ~OrderPadWindowTest() override {
        SetLanguage(QString(), QString());
        Texts::Reload();
    }

    QString ListPath() const { return m_dir.filePath(QStringLiteral("data/orderlist.json")); }
    void SetLanguage(const QString& code, const QString& bundle) {
        QSettings store(qEnvironmentVariable("VERITOM_USER_STORE"), QSettings::IniFormat);
        store.setValue(QStringLiteral("Software/Veldor Kastrel/Veritom/OrderPad/1.0/Code"), code);
        store.setValue(QStringLiteral("Software/Veldor Kastrel/Veritom/OrderPad/1.0/ResDll"),
                       bundle);
    }
    static QStringList Column(const QTableView& table, int column) {
        QStringList texts;
        for (int row = 0; row < table.model()->rowCount(); ++row) {
            texts.append(table.model()->index(row, column).data().toString());
        }
        return texts;
    }

    QTemporaryDir m_dir;
};

TEST_F(OrderPadWindowTest, ReceivedPartsAreListedAndKept) {
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    auto* table = window.findChild<QTableView*>(QStringLiteral("orderTable"));
    ASSERT_TRUE(table);

    const OrderPadServer::Reply reply = window.TakeDocument(Document(2));
    EXPECT_EQ(reply.status, Status::Done);
    EXPECT_EQ(reply.partsTaken, 2);
    EXPECT_EQ(Column(*table, 0), (QStringList{QStringLiteral("P0"), QStringLiteral("P1")}));
    EXPECT_EQ(Column(*table, 6),
              (QStringList{QStringLiteral("Morvane.exe"), QStringLiteral("Morvane.exe")}));
    EXPECT_EQ(window.statusBar()->currentMessage(),
              QStringLiteral("2 part(s) received from Morvane.exe."));
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 2);

    OrderList reread(ListPath());
    ASSERT_EQ(reread.Load(), OrderList::LoadResult::Loaded);
    EXPECT_EQ(reread.Lines(), list.Lines());

    // Removing the selection leaves the list and its file empty.
    window.findChild<QAction*>(QStringLiteral("removeSelectedAction"))->trigger();
    EXPECT_EQ(table->model()->rowCount(), 0);
    reread.Load();
    EXPECT_TRUE(reread.Lines().isEmpty());
}

// Parts that arrive after the window opened widen the columns; a long description is held to a
// width that keeps the columns after it in view, and its tool tip shows it whole.
TEST_F(OrderPadWindowTest, ColumnsFitThePartsThatArrive) {
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    auto* table = window.findChild<QTableView*>(QStringLiteral("orderTable"));
    const std::string number = "K21BN08040N-SF1L-120A6";
    std::map<std::string, std::string> elements{{"Veritom Name", "Morvane.exe"}};
    elements.merge(test::PartElements(0, number));
    elements["Part*0/Description"] = std::string(300, 'x');
    ASSERT_EQ(window.TakeDocument(test::WriteCompound(elements)).status, Status::Done);
    EXPECT_GE(table->columnWidth(OrderListModel::PartNumber),
              table->fontMetrics().horizontalAdvance(QString::fromStdString(number)));
    EXPECT_LT(table->columnWidth(OrderListModel::Description),
              table->fontMetrics().horizontalAdvance(QString(300, QLatin1Char('x'))));
    EXPECT_EQ(table->model()->index(0, OrderListModel::Description).data(Qt::ToolTipRole),
              QString(300, QLatin1Char('x')));
}

// The user agreed to remove the parts they saw; one that came in meanwhile stays.
TEST_F(OrderPadWindowTest, RemoveAllSparesAPartThatArrivesWhileAsking) {
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    window.TakeDocument(Document(2));
    veritom::test::OnNextModal([&](QWidget* box) {
        EXPECT_EQ(window.TakeDocument(Document(1, "Other.exe")).status, Status::Done);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
    });
    window.findChild<QAction*>(QStringLiteral("removeAllAction"))->trigger();
    ASSERT_EQ(list.Lines().size(), 1);
    EXPECT_EQ(list.Lines()[0].sender, QStringLiteral("Other.exe"));
}

TEST_F(OrderPadWindowTest, DamagedDocumentIsRefusedAndAddsNothing) {
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    const OrderPadServer::Reply reply = window.TakeDocument(Document(1).left(700));
    EXPECT_EQ(reply.status, Status::Refused);
    EXPECT_EQ(reply.partsTaken, 0);
    EXPECT_EQ(reply.text, QStringLiteral("The document is not a compound file."));
    EXPECT_TRUE(list.Lines().isEmpty());
    EXPECT_FALSE(QFile::exists(ListPath()));
}

TEST_F(OrderPadWindowTest, PartsThatCannotBeSavedAreNotTaken) {
    QFile blocker(m_dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    const OrderPadServer::Reply reply = window.TakeDocument(Document(1));
    EXPECT_EQ(reply.status, Status::NotSaved);
    EXPECT_EQ(reply.partsTaken, 0);
    EXPECT_FALSE(reply.text.isEmpty());
    EXPECT_EQ(window.findChild<QTableView*>(QStringLiteral("orderTable"))->model()->rowCount(), 0);
    auto* message = window.findChild<QMessageBox*>(QStringLiteral("orderPadMessage"));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->text().startsWith(QStringLiteral("The order list ")));
}

TEST_F(OrderPadWindowTest, DamagedOrderListIsReportedAndKept) {
    QDir().mkpath(m_dir.filePath(QStringLiteral("data")));
    QFile file(ListPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{ not json");
    file.close();
    OrderList list(ListPath());
    const OrderList::LoadResult loaded = list.Load();
    OrderPadWindow window(list);
    window.ReportLoad(loaded);
    auto* message = window.findChild<QMessageBox*>(QStringLiteral("orderPadMessage"));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(message->text(), QStringLiteral("The order list %1 is damaged.  It has been kept as "
                                              "%2, and a new order list has been started.")
                                   .arg(ListPath(), ListPath() + QStringLiteral(".damaged")));
    EXPECT_EQ(window.TakeDocument(Document(1)).status, Status::Done);
}

TEST_F(OrderPadWindowTest, QuantityEditsAreCheckedAndSaved) {
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    window.TakeDocument(Document(1));
    QAbstractItemModel* model =
        window.findChild<QTableView*>(QStringLiteral("orderTable"))->model();
    const QModelIndex quantity = model->index(0, 1);
    EXPECT_TRUE(model->flags(quantity) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->setData(quantity, QStringLiteral("4")));
    EXPECT_FALSE(model->setData(quantity, QStringLiteral("0")));
    EXPECT_EQ(window.findChild<QMessageBox*>(QStringLiteral("orderPadMessage"))->text(),
              QStringLiteral("The quantity must be a whole number greater than zero."));
    OrderList reread(ListPath());
    reread.Load();
    EXPECT_EQ(reread.Lines().at(0).quantity, QStringLiteral("4"));
}

TEST_F(OrderPadWindowTest, FollowsTheLanguageTheSelectorSet) {
    OrderList list(ListPath());
    list.Load();
    OrderPadWindow window(list);
    window.TakeDocument(Document(1));
    QAbstractItemModel* model =
        window.findChild<QTableView*>(QStringLiteral("orderTable"))->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Part Number"));

    SetLanguage(QStringLiteral("DE"), QStringLiteral("OrderPadDE.rcc"));
    window.ShowWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Teilenummer"));
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("removeAllAction"))->text(),
              QStringLiteral("&Alle Teile entfernen"));
    // A document in the other language's session is refused in that language.
    EXPECT_EQ(window.TakeDocument(QByteArray("x")).text,
              QStringLiteral("Das Dokument ist keine Verbunddatei."));
    // The received date follows the language too: no English month name in German.
    const QDateTime received =
        QDateTime::fromString(model->index(0, OrderListModel::Received).data().toString(),
                              QLocale(QLocale::German).dateTimeFormat(QLocale::ShortFormat));
    EXPECT_TRUE(received.isValid())
        << model->index(0, OrderListModel::Received).data().toString().toStdString();

    SetLanguage(QStringLiteral("EN"), QStringLiteral("OrderPadEN.rcc"));
    window.ShowWindow();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Part Number"));
}

}  // namespace
}  // namespace orderpad
