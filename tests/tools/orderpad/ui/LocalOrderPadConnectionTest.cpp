#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>

#include "MemoryConfigStore.h"
#include "MessageRecorder.h"
#include "app/ui/ConfigStore.h"
#include "tools/orderpad/OrderPad.h"
#include "tools/orderpad/OrderPadExport.h"
#include "tools/orderpad/OrderPadLanguage.h"
#include "tools/orderpad/ui/LocalOrderPadConnection.h"

namespace veritom {
namespace {

const QString kStagedProgramDir = QStringLiteral(VERITOM_STAGE_DIR "/share/veritom");

// Each test talks to an order pad of its own: its own socket name, data and settings folders.
class LocalOrderPadTest : public ::testing::Test {
protected:
    LocalOrderPadTest() {
        static int counter = 0;
        m_socketName = QStringLiteral("veritom-orderpad-test-%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(++counter);
        qputenv("VERITOM_ORDERPAD_SOCKET", m_socketName.toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("VERITOM_USER_STORE", m_dir.filePath(QStringLiteral("user.ini")).toUtf8());
    }
    ~LocalOrderPadTest() override {
        for (qint64 pid : m_started) {
            Stop(pid);
        }
    }

    // Ends a program this test started and waits until it is gone.
    static void Stop(qint64 pid) {
        if (pid <= 0 || ::kill(static_cast<pid_t>(pid), SIGTERM) != 0) {
            return;
        }
        for (int i = 0; i < 100 && IsRunning(pid); ++i) {
            QThread::msleep(20);
        }
    }
    // A detached program that ended may stay a zombie until its new parent reaps it.
    static bool IsRunning(qint64 pid) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray text = stat.readAll();
        const qsizetype state = text.lastIndexOf(')') + 2;
        return state < text.size() && text[state] != 'Z';
    }
    void Track(const CLocalOrderPadConnection& connection) {
        if (connection.StartedProcessId() > 0) {
            m_started.append(connection.StartedProcessId());
        }
    }
    QStringList OrderedParts() const {
        QFile file(m_dir.filePath(QStringLiteral("data/veritom/orderpad/orderlist.json")));
        QStringList parts;
        if (file.open(QIODevice::ReadOnly)) {
            for (const QJsonValue& line :
                 QJsonDocument::fromJson(file.readAll())[QStringLiteral("lines")].toArray()) {
                parts.append(line[QStringLiteral("partNumber")].toString());
            }
        }
        return parts;
    }

    QTemporaryDir m_dir;
    QString m_socketName;
    QList<qint64> m_started;
    test::MessageRecorder m_messages;
};

TEST_F(LocalOrderPadTest, AddedPartsReachTheOrderPadItStarts) {
    CLocalOrderPadConnection connection(kStagedProgramDir);
    COrderPad orderPad(connection);
    EXPECT_TRUE(AddToOrderPad(orderPad, "8210G094", "Morvane Valve", "2-Way Valve"));
    Track(connection);
    ASSERT_GT(connection.StartedProcessId(), 0);
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(OrderedParts(), QStringList{QStringLiteral("8210G094")});

    // Now it is running: the next part goes to the same order pad, nothing is started.
    CLocalOrderPadConnection second(kStagedProgramDir);
    COrderPad secondPad(second);
    EXPECT_TRUE(AddToOrderPad(secondPad, "8262H208", "Morvane Valve", "Valve"));
    EXPECT_EQ(second.StartedProcessId(), 0);
    test::MemoryConfigStore store;
    EXPECT_TRUE(ViewOrderPad(secondPad, store, "EN"));
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(OrderedParts(),
              (QStringList{QStringLiteral("8210G094"), QStringLiteral("8262H208")}));
}

TEST_F(LocalOrderPadTest, DamagedDocumentIsRefusedWithTheOrderPadsReason) {
    CLocalOrderPadConnection connection(kStagedProgramDir);
    ASSERT_TRUE(connection.Connect().Ok());
    Track(connection);
    const OrderPadReply reply = connection.Send({'n', 'o', 't', ' ', 'O', 'L', 'E'});
    EXPECT_EQ(reply.failure, OrderPadFailure::Refused);
    EXPECT_EQ(reply.detail, "The document is not a compound file.");
    EXPECT_EQ(reply.partsTaken, 0);
    EXPECT_TRUE(OrderedParts().isEmpty());
}

TEST_F(LocalOrderPadTest, MissingProgramIsNamed) {
    QTemporaryDir empty;
    CLocalOrderPadConnection connection(empty.path());
    COrderPad orderPad(connection);
    EXPECT_FALSE(AddToOrderPad(orderPad, "8210G094", "Morvane Valve", "Valve"));
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{
                  "Add to Order Failed!\n\nThe order pad program " +
                  QDir(empty.path()).filePath(QStringLiteral("orderpad")).toStdString() +
                  " is not installed."});
    EXPECT_EQ(m_messages.beeps, 1);
}

// A program that starts but never listens must not hold the selector up.
TEST_F(LocalOrderPadTest, ProgramThatNeverListensIsGivenUpOn) {
    QTemporaryDir programDir;
    QFile script(QDir(programDir.path()).filePath(QStringLiteral("orderpad")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexec sleep 30\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    CLocalOrderPadConnection connection(programDir.path(), 800, 800);
    COrderPad orderPad(connection);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(ViewOrderPad(orderPad, *std::make_unique<test::MemoryConfigStore>(), "EN"));
    Track(connection);
    EXPECT_LT(timer.elapsed(), 4000);
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{
                  "Open OrderPad Failed!\n\nThe order pad did not answer within 1 seconds."});
}

// An order pad that takes the connection but never answers: the part is not reported as sent.
TEST_F(LocalOrderPadTest, SilentOrderPadDoesNotConfirmThePart) {
    QLocalServer silent;
    ASSERT_TRUE(silent.listen(m_socketName));
    CLocalOrderPadConnection connection(kStagedProgramDir, 800, 800);
    COrderPad orderPad(connection);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(AddToOrderPad(orderPad, "8210G094", "Morvane Valve", "Valve"));
    EXPECT_LT(timer.elapsed(), 4000);
    EXPECT_EQ(connection.StartedProcessId(), 0);
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{
                  "Add to Order Failed!\n\nThe order pad did not answer within 1 seconds."});
    EXPECT_EQ(m_messages.beeps, 1);
}

// The installation's machine store names each language's order pad bundle, and what the
// selector writes for the current user is what the order pad program reads.
TEST(StagedOrderPad, LanguageKeysJoinTheSelectorAndTheOrderPad) {
    QTemporaryDir dir;
    const QString userStore = dir.filePath(QStringLiteral("user.ini"));
    {
        test::MessageRecorder messages;
        CConfigStore store(QStringLiteral(VERITOM_STAGE_DIR "/etc/veritom/machine.ini"), userStore);
        for (const std::string code : {"EN", "DE"}) {
            const std::string bundle = FindOrderPadLibrary(store, code);
            EXPECT_EQ(bundle, "OrderPad" + code + ".rcc");
            EXPECT_TRUE(QFile::exists(kStagedProgramDir + QLatin1Char('/') +
                                      QString::fromStdString(bundle)));
        }
        EXPECT_TRUE(SetUpOrderPadLanguage(store, "DE"));
        EXPECT_TRUE(messages.boxes.empty());
    }
    QSettings written(userStore, QSettings::IniFormat);
    written.beginGroup(QStringLiteral("Software/Veldor Kastrel/Veritom/OrderPad/1.0"));
    EXPECT_EQ(written.value(QStringLiteral("Code")).toString(), QStringLiteral("DE"));
    EXPECT_EQ(written.value(QStringLiteral("ResDll")).toString(), QStringLiteral("OrderPadDE.rcc"));
}

}  // namespace
}  // namespace veritom
