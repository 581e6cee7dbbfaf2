#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/ui/FileDialog.h"

namespace veritom::test {
namespace {

class FileCommandsTest : public ShellTest {
protected:
    void SetUp() override { Start(); }

    // Selects a valve and saves it under name in the local folder.
    std::string SaveNew(const std::string& name,
                        const QString& functionType = QStringLiteral("2-Way"),
                        const QString& flowPattern = QStringLiteral("Normally Open")) {
        ChooseValveType(functionType, flowPattern);
        const std::string path = Path("local/" + name);
        CFileDialog::SetNextFileName(QString::fromStdString(path));
        App().SendCommand(cmd::kFileSave);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
        return path;
    }

    void OpenThroughDialog(const std::string& path) {
        CFileDialog::SetNextFileName(QString::fromStdString(path));
        App().SendCommand(cmd::kFileOpen);
    }

    std::string RecentValue(const std::string& name) {
        return ReadUserValue(kAppKey + "\\Recent File List", name);
    }
};

TEST_F(FileCommandsTest, SaveAsProposesTheExtensionAndTitlesAsAfterOpening) {
    const std::string path = SaveNew("pump.mrv");
    const auto& request = CFileDialog::LastRequest();
    ASSERT_TRUE(request.has_value());
    EXPECT_TRUE(request->save);
    EXPECT_EQ(request->proposedName, QStringLiteral("*.mrv"));
    EXPECT_EQ(request->folder.toStdString(), Path("local"));  // LocalPath, nothing stored yet
    EXPECT_EQ(request->filter, QStringLiteral("Morvane Valve Files (*.mrv)"));
    EXPECT_EQ(request->title, QStringLiteral("Save As"));

    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Selection: pump");
    EXPECT_FALSE(Object().IsDirty());
    EXPECT_EQ(Object().GetCurrentFileName(), path);
    EXPECT_EQ(ReadUserValue(kAppKey, "FileSaveOpenPath"), Path("local"));
    EXPECT_EQ(RecentValue("File1"), path);
    ASSERT_NE(Frame().MenuAction(cmd::kFileMruFirst), nullptr);
    EXPECT_EQ(Frame().MenuAction(cmd::kFileMruFirst)->text(), QStringLiteral("&1 pump.mrv"));

    // Save of a named selection writes without asking; the title marks the unsaved change
    // until then.
    CFileDialog::ClearAnswers();
    ChooseValveType(QStringLiteral("3-Way"), QStringLiteral("Universal"));
    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Selection: pump*");
    App().SendCommand(cmd::kFileSave);
    EXPECT_FALSE(CFileDialog::LastRequest().has_value());
    EXPECT_FALSE(Object().IsDirty());
    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Selection: pump");
}

TEST_F(FileCommandsTest, OpenRestoresTheSelectionAndTitlesAsAfterSaving) {
    // Saved away from LocalPath, so the open dialog's folder shows where it came from.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path("elsewhere"))));
    const std::string path = SaveNew("../elsewhere/pump.mrv");
    App().SendCommand(cmd::kFileNew);  // saved, so no question
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_EQ(View().DisplayTexts()[0], "");
    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - New Selection - Untitled");

    View().StopBlinking();
    OpenThroughDialog(path);
    const auto& request = CFileDialog::LastRequest();
    ASSERT_TRUE(request.has_value());
    EXPECT_FALSE(request->save);
    EXPECT_EQ(request->proposedName, QStringLiteral("*.mrv"));
    EXPECT_EQ(request->title, QStringLiteral("Open"));
    EXPECT_EQ(request->folder.toStdString(), Path("local/../elsewhere"));

    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Selection: pump");
    EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
    EXPECT_EQ(ButtonStates(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(View().CurrentStep(), 1);
    EXPECT_EQ(Object().GetHighestStep(), 1);
    EXPECT_FALSE(Object().IsDirty());
    EXPECT_TRUE(View().IsBlinking());
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(FileCommandsTest, SavingNothingSaysSoAndWritesNothing) {
    const std::string path = Path("local/empty.mrv");
    CFileDialog::SetNextFileName(QString::fromStdString(path));
    App().SendCommand(cmd::kFileSaveAs);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"No Selection to Save."}));
    EXPECT_EQ(m_messages.beeps, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    EXPECT_TRUE(App().Documents().GetRecentFiles().Entries().empty());
    EXPECT_EQ(ReadUserValue(kAppKey, "FileSaveOpenPath"), "<none>");
}

TEST_F(FileCommandsTest, NewAsksToSaveAChangedSelection) {
    {
        SCOPED_TRACE("No discards");
        ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
        m_messages.Answer(MsgAnswer::No);
        App().SendCommand(cmd::kFileNew);
        ASSERT_EQ(m_messages.boxes.size(), 1u);
        EXPECT_EQ(m_messages.boxes[0].text, "Save your current selection?");
        EXPECT_EQ(m_messages.boxes[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m_messages.boxes[0].icon, MsgIcon::Question);
        EXPECT_EQ(Object().GetWorkflow(), nullptr);
    }
    {
        SCOPED_TRACE("Yes with a cancelled file dialog keeps the selection");
        m_messages.boxes.clear();
        ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
        m_messages.Answer(MsgAnswer::Yes);
        CFileDialog::SetNextFileName({});
        App().SendCommand(cmd::kFileNew);
        EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
        EXPECT_TRUE(Object().IsDirty());
    }
    {
        SCOPED_TRACE("Yes saves, then clears");
        const std::string path = Path("local/kept.mrv");
        m_messages.Answer(MsgAnswer::Yes);
        CFileDialog::SetNextFileName(QString::fromStdString(path));
        App().SendCommand(cmd::kFileNew);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(path)));
        EXPECT_EQ(Object().GetWorkflow(), nullptr);
        EXPECT_EQ(Object().GetCurrentFileName(), "*");
        EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - New Selection - Untitled");
    }
}

TEST_F(FileCommandsTest, DamagedFilesLeaveTheSelectionAsItWas) {
    const std::string good = SaveNew("good.mrv");
    const std::vector<std::uint8_t> bytes = ReadFile(good);
    ChooseValveType(QStringLiteral("3-Way"), QStringLiteral("Universal"));
    const std::string title = WindowTitle();

    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* message;
        int beeps;
    };
    std::vector<std::uint8_t> wrongMarks = bytes;
    wrongMarks[104] = 4;
    std::vector<std::uint8_t> wrongSecondMark = bytes;
    wrongSecondMark[108] = 27;
    // Not a selection file at all: its bytes must not be read as a language name.
    std::string text = "root:x:0:0:root:/root:/bin/bash\n";
    while (text.size() < 400) {
        text += text;
    }
    const std::vector<std::uint8_t> textFile(text.begin(), text.end());
    // A damaged file of the other language: found damaged before the language is switched.
    std::vector<std::uint8_t> germanCut(bytes.begin(), bytes.end() - 7);
    germanCut[0] = 'D';
    germanCut[1] = 'E';
    std::vector<std::uint8_t> cutShort(bytes.begin(), bytes.end() - 7);
    std::vector<std::uint8_t> headerOnly(bytes.begin(), bytes.begin() + 368);
    std::vector<std::uint8_t> tooShort(bytes.begin(), bytes.begin() + 100);
    std::vector<std::uint8_t> trailing = bytes;
    trailing.push_back(0);
    const Case cases[] = {
        {"marks.mrv", wrongMarks,
         "The Selection you are trying to open conflicts with this version.", 1},
        {"mark2.mrv", wrongSecondMark,
         "The Selection you are trying to open conflicts with this version.", 1},
        {"text.mrv", textFile, "text.mrv is not a valid Morvane Valve selection file.", 0},
        {"german.mrv", germanCut, "is damaged or incomplete.  The current selection has been kept.",
         0},
        {"cut.mrv", cutShort, "is damaged or incomplete", 0},
        {"header.mrv", headerOnly, "is damaged or incomplete", 0},
        {"short.mrv", tooShort, "is damaged or incomplete", 0},
        {"trailing.mrv", trailing, "is damaged or incomplete", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.boxes.clear();
        m_messages.beeps = 0;
        const std::string path = Path(std::string("local/") + c.name);
        WriteFile(path, c.bytes);
        m_messages.Answer(MsgAnswer::No);  // keep the unsaved selection without saving it
        OpenThroughDialog(path);
        ASSERT_EQ(m_messages.boxes.size(), 2u);
        EXPECT_NE(m_messages.boxes[1].text.find(c.message), std::string::npos)
            << m_messages.boxes[1].text;
        EXPECT_EQ(m_messages.beeps, c.beeps);
        EXPECT_EQ(View().DisplayTexts()[0], "3-Way,  Universal");
        EXPECT_EQ(Object().GetValveTypeAnswers().flowPattern.link, "3UN");
        EXPECT_EQ(WindowTitle(), title);
        EXPECT_TRUE(Object().IsDirty());
        EXPECT_EQ(App().GetLanguageCode(), "EN");
    }
    // Only good files enter the recent file list.
    EXPECT_EQ(App().Documents().GetRecentFiles().Entries(), (std::vector<std::string>{good}));
}

TEST_F(FileCommandsTest, OpeningByNameChecksTheExtension) {
    EXPECT_FALSE(App().Documents().OpenDocumentFile("/tmp/notes.txt"));
    EXPECT_EQ(
        m_messages.Texts(),
        (std::vector<std::string>{"/tmp/notes.txt is not a valid Morvane Valve selection file."}));
}

TEST_F(FileCommandsTest, RecentFileListOpensWithoutDialogAndKeepsItsOrder) {
    const std::string first = SaveNew("first.mrv");
    App().SendCommand(cmd::kFileNew);
    const std::string second =
        SaveNew("second.mrv", QStringLiteral("3-Way"), QStringLiteral("Universal"));
    App().SendCommand(cmd::kFileNew);
    ASSERT_EQ(App().Documents().GetRecentFiles().Entries(),
              (std::vector<std::string>{second, first}));

    CFileDialog::ClearAnswers();
    App().SendCommand(cmd::kFileMruFirst + 1);
    EXPECT_FALSE(CFileDialog::LastRequest().has_value());
    EXPECT_EQ(Object().GetCurrentFileName(), first);
    EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
    EXPECT_EQ(App().Documents().GetRecentFiles().Entries(),
              (std::vector<std::string>{second, first}));
}

TEST_F(FileCommandsTest, CommandLineFileKeepsItsTitle) {
    const std::string path = Path("local/start.mrv");
    WriteSelectionFile(path, {});
    Stop();
    Start({path});
    EXPECT_EQ(Object().GetCurrentFileName(), path);
    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Selection: start");
    EXPECT_EQ(View().DisplayTexts()[0], "2-Way,  Normally Open");
    EXPECT_TRUE(m_messages.boxes.empty());
}

// A file named on the command line that cannot be opened is reported over the main window,
// without claiming to have kept a selection there was none of.
TEST_F(FileCommandsTest, CommandLineFileErrorsAppearOverTheWindow) {
    const std::string path = Path("local/cut.mrv");
    WriteSelectionFile(path, {});
    std::vector<std::uint8_t> bytes = ReadFile(path);
    bytes.resize(bytes.size() - 3);
    WriteFile(path, bytes);
    Stop();
    std::vector<bool> windowShown;
    m_messages.onBox = [&](const std::string&) {
        windowShown.push_back(App().GetMainFrame() && App().GetMainFrame()->isVisible());
    };
    Start({path});
    m_messages.onBox = nullptr;
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"The selection file " + path +
                                                            " is damaged or incomplete."}));
    EXPECT_EQ(windowShown, (std::vector<bool>{true}));
    EXPECT_EQ(Object().GetWorkflow(), nullptr);
    EXPECT_EQ(Object().GetCurrentFileName(), "*");
}

TEST_F(FileCommandsTest, FileFromTheOtherLanguageSwitchesTheInterface) {
    App().SendCommand(cmd::kLanguageFirst + LanguageIndex("DE"));
    ChooseValveType(QStringLiteral("2/2-Wege"), QStringLiteral("Stromlos offen"));
    const std::string path = Path("local/deutsch.mrv");
    CFileDialog::SetNextFileName(QString::fromStdString(path));
    App().SendCommand(cmd::kFileSave);
    App().SendCommand(cmd::kLanguageFirst + LanguageIndex("EN"));
    ASSERT_EQ(ButtonText(0), "Valve Type");
    ASSERT_TRUE(m_messages.boxes.empty());

    OpenThroughDialog(path);
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{
                                      "The selection you are trying to open was created in "
                                      "Deutsch.  Your language selection will now be switched."}));
    EXPECT_EQ(App().GetLanguageCode(), "DE");
    EXPECT_EQ(ButtonText(0), "Ventiltyp");
    EXPECT_EQ(View().DisplayTexts()[0], "2/2-Wege,  Stromlos offen");
    EXPECT_EQ(WindowTitle(), "Veritom Morvane Valve - Auswahl: deutsch");
}

TEST_F(FileCommandsTest, FileFromAnUninstalledLanguageIsRefused) {
    const std::string path = Path("local/french.mrv");
    WriteSelectionFile(path, {.languageCode = "FR", .languageStringId = 24511});
    ChooseValveType(QStringLiteral("3-Way"), QStringLiteral("Universal"));
    m_messages.Answer(MsgAnswer::No);
    OpenThroughDialog(path);
    ASSERT_EQ(m_messages.boxes.size(), 2u);
    EXPECT_EQ(m_messages.boxes[1].text,
              "The selection you are trying to open was created in Deutsch, which you do not have "
              "installed.  You cannot open this selection.");
    EXPECT_EQ(View().DisplayTexts()[0], "3-Way,  Universal");
    EXPECT_EQ(App().GetLanguageCode(), "EN");
    EXPECT_TRUE(App().Documents().GetRecentFiles().Entries().empty());
}

TEST_F(FileCommandsTest, ClosingAChangedSelectionAsksAndCancelKeepsTheWindow) {
    ChooseValveType(QStringLiteral("2-Way"), QStringLiteral("Normally Open"));
    m_messages.Answer(MsgAnswer::Cancel);
    EXPECT_FALSE(Frame().close());
    ASSERT_EQ(m_messages.boxes.size(), 1u);
    EXPECT_EQ(m_messages.boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(Frame().isVisible());

    // Yes with a cancelled save keeps it open as well.
    m_messages.Answer(MsgAnswer::Yes);
    CFileDialog::SetNextFileName({});
    EXPECT_FALSE(Frame().close());

    m_messages.Answer(MsgAnswer::No);
    EXPECT_TRUE(Frame().close());
    EXPECT_FALSE(Frame().isVisible());
}

TEST(FileDialogFilterTest, TheProductsFilterInQtsForm) {
    EXPECT_EQ(CFileDialog::QtFilter("Morvane Valve Files (*.mrv)|*.mrv||"),
              QStringLiteral("Morvane Valve Files (*.mrv)"));
    EXPECT_EQ(CFileDialog::QtFilter("Texts|*.txt;*.log|All Files (*.*)|*.*||"),
              QStringLiteral("Texts (*.txt *.log);;All Files (*.*)"));
    EXPECT_EQ(CFileDialog::QtFilter(""), QString());
}

}  // namespace
}  // namespace veritom::test
