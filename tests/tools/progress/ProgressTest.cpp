#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/progress/Progress.h"
#include "tools/progress/ProgressCommand.h"

using namespace veritom;
using Texts = std::vector<std::string>;

namespace {

// A desktop with at most one progress program: it can be missing, slow to open its window,
// deaf to QUIT, or closed by the user. Time passes only while the client pauses.
class FakeTransport : public IProgressTransport {
public:
    std::string title = "Morvane Valve";
    bool installed = true;
    int pollsUntilWindow = 2;  // after the program is started; -1: never
    int pollsUntilClosed = 1;  // after QUIT; -1: never
    std::string windowTitle;   // empty: no window
    ProgressWindow windowId = 4711;
    Texts started;
    Texts sent;
    int activations = 0;
    std::int64_t now = 1000;

    std::string GetApplicationTitle() const override { return title; }
    std::string GetProgramDirectory() const override { return "/opt/veritom/share"; }
    ProgressWindow FindWindow(const std::string& wanted) override {
        return !windowTitle.empty() && windowTitle == wanted ? windowId : kNoProgressWindow;
    }
    bool StartProgram(const std::string& path) override {
        started.push_back(path);
        m_opening = installed ? pollsUntilWindow : -1;
        OpenWhenDue();
        return installed;
    }
    bool Send(ProgressWindow window, const std::string& command) override {
        if (window != windowId || windowTitle.empty()) {
            return false;
        }
        sent.push_back(command);
        const ProgressCommand parsed = ParseProgressCommand(command);
        if (parsed.kind == ProgressCommand::Kind::Start) {
            windowTitle = parsed.first;
        } else if (parsed.kind == ProgressCommand::Kind::Quit) {
            m_closing = pollsUntilClosed;
            CloseWhenDue();
        }
        return true;
    }
    void ActivateMainWindow() override { ++activations; }
    std::int64_t ElapsedMs() const override { return now; }
    void Pause(int ms) override {
        now += ms;
        if (m_opening > 0) {
            --m_opening;
        }
        if (m_closing > 0) {
            --m_closing;
        }
        OpenWhenDue();
        CloseWhenDue();
    }

private:
    void OpenWhenDue() {
        if (m_opening == 0) {
            windowTitle = std::string(progress::kInitialTitle);
            m_opening = -1;
        }
    }
    void CloseWhenDue() {
        if (m_closing == 0) {
            windowTitle.clear();
            m_closing = -1;
        }
    }
    int m_opening = -1;
    int m_closing = -1;
};

class ProgressTest : public ::testing::Test {
protected:
    ProgressTest() { m_previous = CProgress::SetTransport(&m_desktop); }
    ~ProgressTest() override { CProgress::SetTransport(m_previous); }

    FakeTransport m_desktop;
    IProgressTransport* m_previous = nullptr;
};

}  // namespace

TEST(ProgressCommand, CommandTextsEndWithABarAndReadBack) {
    struct Case {
        std::string text;
        ProgressCommand::Kind kind;
        const char* first;
        const char* second;
    };
    using Kind = ProgressCommand::Kind;
    const Case cases[] = {
        {progress::StartCommand("Morvane Valve"), Kind::Start, "Morvane Valve", ""},
        {progress::TextCommand("Loading Data . . .", "200"), Kind::Text, "Loading Data . . .",
         "200"},
        {progress::TextCommand("Loading Data . . .", ""), Kind::Text, "Loading Data . . .", ""},
        {"START|A|B|", Kind::Start, "A|B", ""},
        {"END_RESET|", Kind::EndReset, "", ""},
        {"QUIT|", Kind::Quit, "", ""},
        {"QUIT", Kind::Unknown, "", ""},
        {"TEXT|a|b|c|", Kind::Unknown, "", ""},
        {"HELLO|", Kind::Unknown, "", ""},
        {"", Kind::Unknown, "", ""},
    };
    for (const Case& c : cases) {
        const ProgressCommand command = ParseProgressCommand(c.text);
        EXPECT_EQ(command.kind, c.kind) << c.text;
        EXPECT_EQ(command.first, c.first) << c.text;
        EXPECT_EQ(command.second, c.second) << c.text;
    }
    EXPECT_EQ(progress::StartCommand("Morvane Valve"), "START|Morvane Valve|");
    EXPECT_EQ(progress::TextCommand("Loading Data . . .", "200"), "TEXT|Loading Data . . .|200|");
    EXPECT_EQ(progress::TextCommand("Loading Data . . .", ""), "TEXT|Loading Data . . .|");
}

TEST_F(ProgressTest, StartsTheProgramWaitsForItsWindowAndDrivesIt) {
    {
        CProgress progress;
        EXPECT_FALSE(progress.IsNested());
        ASSERT_TRUE(progress.Start());
        EXPECT_EQ(m_desktop.started, (Texts{"/opt/veritom/share/Prgess"}));
        EXPECT_EQ(m_desktop.windowTitle, "Morvane Valve");
        EXPECT_TRUE(progress.Start());  // already running for this title
        EXPECT_TRUE(progress.Text("Loading Data . . .", "200"));
        EXPECT_TRUE(progress.Text("", "200"));  // nothing to show: nothing sent
        EXPECT_TRUE(progress.End());
    }
    EXPECT_EQ(m_desktop.sent, (Texts{"START|Morvane Valve|", "TEXT|Loading Data . . .|200|",
                                     "END_RESET|", "QUIT|"}));
    EXPECT_EQ(m_desktop.started.size(), 1u);
    EXPECT_EQ(m_desktop.activations, 1);
    EXPECT_TRUE(m_desktop.windowTitle.empty());
    // The next user starts afresh.
    CProgress again;
    EXPECT_FALSE(again.IsNested());
}

TEST_F(ProgressTest, AWaitingWindowIsTakenWithoutStartingTheProgram) {
    m_desktop.windowTitle = "Please Wait !";
    CProgress progress;
    EXPECT_TRUE(progress.Start());
    EXPECT_TRUE(m_desktop.started.empty());
    EXPECT_EQ(m_desktop.sent, (Texts{"START|Morvane Valve|"}));
}

TEST_F(ProgressTest, WithoutTheProgramNothingIsShownAndNothingWaitsLong) {
    struct Case {
        const char* name;
        bool installed;
        int pollsUntilWindow;
        std::string title;
        bool tried;
        std::int64_t mostWaitMs;
    };
    const Case cases[] = {
        {"missing", false, 0, "Morvane Valve", true, 0},
        {"never opens its window", true, -1, "Morvane Valve", true,
         CProgress::kStartTimeoutMs + CProgress::kPollMs},
        {"no application title", true, 0, "", false, 0},
    };
    for (const Case& c : cases) {
        FakeTransport desktop;
        desktop.installed = c.installed;
        desktop.pollsUntilWindow = c.pollsUntilWindow;
        desktop.title = c.title;
        CProgress::SetTransport(&desktop);
        const std::int64_t start = desktop.now;
        {
            CProgress progress;
            EXPECT_FALSE(progress.Start()) << c.name;
            EXPECT_FALSE(progress.IsShowing()) << c.name;
            EXPECT_FALSE(progress.Text("Loading Data . . .")) << c.name;
            EXPECT_FALSE(progress.End()) << c.name;
        }
        EXPECT_EQ(desktop.started.size(), c.tried ? 1u : 0u) << c.name;
        EXPECT_TRUE(desktop.sent.empty()) << c.name;
        EXPECT_LE(desktop.now - start, c.mostWaitMs) << c.name;
        if (c.mostWaitMs > 0) {
            EXPECT_GE(desktop.now - start, CProgress::kStartTimeoutMs) << c.name;
        }
        EXPECT_EQ(desktop.activations, 0) << c.name;
    }
    CProgress::SetTransport(nullptr);
    CProgress alone;
    EXPECT_FALSE(alone.Start());
}

TEST_F(ProgressTest, ANestedUserSendsNothingAndLeavesTheWindowOpen) {
    CProgress outer;
    ASSERT_TRUE(outer.Start());
    {
        CProgress inner;
        EXPECT_TRUE(inner.IsNested());
        EXPECT_FALSE(inner.Start());
        EXPECT_FALSE(inner.Text("Checking . . ."));
        EXPECT_FALSE(inner.End());
    }
    EXPECT_EQ(m_desktop.sent, (Texts{"START|Morvane Valve|"}));
    EXPECT_EQ(m_desktop.windowTitle, "Morvane Valve");
    EXPECT_TRUE(outer.Text("Loading Data . . ."));
}

TEST_F(ProgressTest, AUserMadeBeforeTheWindowOpenedNeitherSendsNorClosesIt) {
    auto early = std::make_unique<CProgress>();
    CProgress shower;
    ASSERT_TRUE(shower.Start());
    EXPECT_FALSE(early->Start());
    EXPECT_FALSE(early->Text("Loading Data . . ."));
    early.reset();
    EXPECT_EQ(m_desktop.windowTitle, "Morvane Valve");
    EXPECT_TRUE(shower.Text("Loading Data . . ."));
    EXPECT_EQ(m_desktop.sent, (Texts{"START|Morvane Valve|", "TEXT|Loading Data . . .|"}));
}

TEST_F(ProgressTest, AWindowClosedByTheUserGetsNoMoreCommands) {
    CProgress progress;
    ASSERT_TRUE(progress.Start());
    m_desktop.windowTitle.clear();
    EXPECT_FALSE(progress.Text("Loading Data . . ."));
    EXPECT_FALSE(progress.End());
    const std::int64_t before = m_desktop.now;
    progress.Quit();
    EXPECT_EQ(m_desktop.now, before);  // gone already: no wait
    EXPECT_EQ(m_desktop.sent, (Texts{"START|Morvane Valve|"}));
    EXPECT_FALSE(progress.IsShowing());
    // Starting again opens a new window.
    m_desktop.sent.clear();
    EXPECT_TRUE(progress.Start());
    EXPECT_EQ(m_desktop.started.size(), 2u);
    EXPECT_EQ(m_desktop.sent, (Texts{"START|Morvane Valve|"}));
}

TEST_F(ProgressTest, QuitWaitsForTheWindowToCloseButNotForever) {
    m_desktop.pollsUntilClosed = -1;
    CProgress progress;
    ASSERT_TRUE(progress.Start());
    const std::int64_t before = m_desktop.now;
    progress.Quit();
    EXPECT_GE(m_desktop.now - before, CProgress::kQuitTimeoutMs);
    EXPECT_LE(m_desktop.now - before, CProgress::kQuitTimeoutMs + CProgress::kPollMs);
    EXPECT_FALSE(progress.IsShowing());
    // The handle is forgotten, so the next user is not nested.
    CProgress next;
    EXPECT_FALSE(next.IsNested());
}
