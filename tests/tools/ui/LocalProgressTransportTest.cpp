#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "tools/progress/Progress.h"
#include "tools/progress/ProgressCommand.h"
#include "tools/progress/ui/LocalProgressTransport.h"

namespace veritom {
namespace {

const std::string kShareDir = VERITOM_STAGE_DIR "/share/veritom";

// A socket of this test alone, so parallel test runs never meet.
QString TestServerName() {
    static int serial = 0;
    return QDir::temp().filePath(QStringLiteral("veritom-progress-%1-%2")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(++serial));
}

class LocalProgressTransportTest : public ::testing::Test {
protected:
    explicit LocalProgressTransportTest(std::string directory = kShareDir)
        : m_transport(
              std::move(directory), [] { return std::string("Morvane Valve"); }, TestServerName()) {
        m_previous = CProgress::SetTransport(&m_transport);
    }
    ~LocalProgressTransportTest() override { CProgress::SetTransport(m_previous); }

    CLocalProgressTransport m_transport;
    IProgressTransport* m_previous = nullptr;
};

TEST_F(LocalProgressTransportTest, TheProgressProgramShowsTheTextsAndClosesOnQuit) {
    {
        CProgress progress;
        ASSERT_TRUE(progress.Start());
        const ProgressWindow window = m_transport.FindWindow("Morvane Valve");
        EXPECT_NE(window, kNoProgressWindow);
        EXPECT_EQ(m_transport.FindWindow(std::string(progress::kInitialTitle)), kNoProgressWindow);

        EXPECT_TRUE(progress.Text("Loading Data . . .", "200"));
        EXPECT_EQ(m_transport.AskText(), "Loading Data . . .|");  // 200: the bar's pace
        EXPECT_TRUE(progress.Text("Loading", "Fluids"));
        EXPECT_EQ(m_transport.AskText(), "Loading|Fluids");
        EXPECT_TRUE(progress.End());
        EXPECT_EQ(m_transport.AskText(), "|");
        EXPECT_FALSE(m_transport.Send(window, "HELLO|"));  // not a command
    }
    EXPECT_EQ(m_transport.FindWindow("Morvane Valve"), kNoProgressWindow);
}

class MissingProgramTest : public LocalProgressTransportTest {
protected:
    MissingProgramTest()
        : LocalProgressTransportTest(QDir::tempPath().toStdString() + "/no-such-dir") {}
};

TEST_F(MissingProgramTest, AMissingProgramShowsNothingAndDoesNotHoldTheCallerUp) {
    QElapsedTimer clock;
    clock.start();
    CProgress progress;
    EXPECT_FALSE(progress.Start());
    EXPECT_FALSE(progress.Text("Loading Data . . ."));
    EXPECT_LT(clock.elapsed(), CProgress::kStartTimeoutMs);
}

}  // namespace
}  // namespace veritom
