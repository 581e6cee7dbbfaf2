// The start-up windows on their own: the splash and what closes it, the disclaimer's two
// answers, the welcome screen, the tip of the day and About.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>
#include <map>

#include "DialogDriver.h"
#include "MessageRecorder.h"
#include "ToolUiSupport.h"
#include "base/DialogResult.h"
#include "tools/startup/TipProfile.h"
#include "tools/startup/ui/AboutDlg.h"
#include "tools/startup/ui/DisclaimerDialog.h"
#include "tools/startup/ui/SplashWnd.h"
#include "tools/startup/ui/TipDlg.h"
#include "tools/startup/ui/WelcomeDialog.h"

namespace veritom::test {
namespace {

class MemoryTipProfile : public ITipProfile {
public:
    std::optional<std::string> Read(const std::string& entry) const override {
        const auto it = entries.find(entry);
        return it == entries.end() ? std::nullopt : std::optional(it->second);
    }
    bool Write(const std::string& entry, const std::string& value) override {
        entries[entry] = value;
        return true;
    }
    std::map<std::string, std::string> entries;
};

QImage Picture() {
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    return picture;
}

TEST(SplashWindow, TheFirstKeyOrClickClosesItOnceAndIsSwallowed) {
    for (const bool byKey : {true, false}) {
        QWidget owner;
        owner.show();
        int closed = 0;
        ASSERT_TRUE(CSplashWnd::ShowSplashScreen(Picture(), &owner, [&] { ++closed; }));
        ASSERT_NE(CSplashWnd::Current(), nullptr);
        // Only one splash at a time.
        EXPECT_FALSE(CSplashWnd::ShowSplashScreen(Picture(), &owner, [&] { ++closed; }));
        bool delivered = false;
        if (byKey) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            delivered = QApplication::sendEvent(&owner, &press);
        } else {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                              Qt::RightButton, Qt::RightButton, Qt::NoModifier);
            delivered = QApplication::sendEvent(&owner, &press);
        }
        EXPECT_TRUE(delivered);  // swallowed by the splash
        EXPECT_EQ(closed, 1);
        EXPECT_EQ(CSplashWnd::Current(), nullptr);
        // Later input reaches the program and closes nothing more.
        QKeyEvent later(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QApplication::sendEvent(&owner, &later);
        EXPECT_EQ(closed, 1);
        QApplication::processEvents();
    }
    EXPECT_FALSE(CSplashWnd::ShowSplashScreen(QImage(), nullptr, [] {}));
}

TEST(DisclaimerWindow, AcceptGoesOnAndEveryOtherWayOutDoesNot) {
    MessageRecorder messages;
    struct Case {
        const char* label;
        std::function<void(QDialog&)> answer;
        int result;
    };
    const Case cases[] = {
        {"Accept", [](QDialog& d) { ClickButton(d, "acceptButton"); }, IDOK},
        {"Decline", [](QDialog& d) { ClickButton(d, "declineButton"); }, IDCANCEL},
        {"Escape", [](QDialog& d) { PressKey(d, Qt::Key_Escape); }, IDCANCEL},
        {"Enter",
         [](QDialog& d) {
             PressKey(*d.findChild<QTextBrowser*>(QStringLiteral("disclaimerText")),
                      Qt::Key_Return);
             QApplication::processEvents();
             EXPECT_TRUE(d.isVisible());  // Enter accepts nothing by itself
             ClickButton(d, "declineButton");
         },
         IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CDialogDriver driver;
        driver.Expect(QStringLiteral("disclaimerDialog"), c.answer);
        CDisclaimerDialog dialog(QStringLiteral("<p>Read <b>this</b>.</p>"));
        EXPECT_TRUE(dialog.TextArea()->toPlainText().contains(QStringLiteral("Read this")));
        EXPECT_EQ(dialog.Run(), c.result);
        EXPECT_TRUE(driver.AllHandled());
    }
    EXPECT_TRUE(messages.boxes.empty());

    // Without its text the disclaimer says so and still works.
    CDialogDriver driver;
    driver.Expect(QStringLiteral("disclaimerDialog"),
                  [](QDialog& d) { ClickButton(d, "acceptButton"); });
    CDisclaimerDialog dialog(QString{});
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"The disclaimer text cannot be found."}));
    EXPECT_TRUE(dialog.TextArea()->toPlainText().isEmpty());
    EXPECT_EQ(dialog.Run(), IDOK);
}

TEST(WelcomeWindow, ShowsThePictureOrAnEmptyBox) {
    const std::string folder = std::filesystem::temp_directory_path() / "welcome-test.bmp";
    ASSERT_TRUE(Picture().save(QString::fromStdString(folder), "BMP"));
    for (const auto& [path, hasPicture] :
         {std::pair{folder, true}, std::pair{folder + ".missing", false}}) {
        CDialogDriver driver;
        driver.Expect(QStringLiteral("welcomeDialog"),
                      [](QDialog& d) { ClickButton(d, "okButton"); });
        CWelcomeDialog welcome(QString::fromStdString(path));
        EXPECT_EQ(welcome.HasPicture(), hasPicture);
        EXPECT_EQ(welcome.Run(), IDOK);
    }
    std::filesystem::remove(folder);
}

TEST(TipWindow, NextTipAndTheStartUpChoiceAreKept) {
    MessageRecorder messages;
    const std::string path = std::filesystem::temp_directory_path() / "tips-window-test.txt";
    std::ofstream(path) << "; notes\nFirst tip.\nSecond tip.\n";
    MemoryTipProfile profile;
    CDialogDriver driver;
    QStringList shown;
    driver.Expect(QStringLiteral("tipDialog"), [&](QDialog& d) {
        auto* tip = d.findChild<QLabel*>(QStringLiteral("tipText"));
        shown << tip->text();
        ClickButton(d, "nextTipButton");
        shown << tip->text();
        auto* startup = d.findChild<QCheckBox*>(QStringLiteral("showOnStartup"));
        EXPECT_TRUE(startup->isChecked());
        startup->click();
        ClickButton(d, "closeButton");
    });
    {
        CTipDlg tips(profile, path, QImage());
        EXPECT_EQ(tips.Run(), IDOK);
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("First tip."), QStringLiteral("Second tip.")}));
    EXPECT_EQ(profile.entries["StartUp"], "1");
    EXPECT_EQ(profile.entries["FilePos"],
              std::to_string(std::string("; notes\nFirst tip.\nSecond tip.\n").size()));
    std::filesystem::remove(path);

    // Without its file the dialog says so, offers no next tip and keeps no position.
    MemoryTipProfile empty;
    CDialogDriver missing;
    missing.Expect(QStringLiteral("tipDialog"), [&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("tipText"))->text(),
                  QStringLiteral("Tips file does not exist in the prescribed directory"));
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("nextTipButton"))->isEnabled());
        PressKey(d, Qt::Key_Escape);
    });
    CTipDlg(empty, path, QImage()).Run();
    EXPECT_EQ(empty.entries.count("FilePos"), 0u);
    EXPECT_EQ(empty.entries.count("StartUp"), 0u);
}

TEST(AboutWindow, NamesProductVersionAndBuildDate) {
    CDialogDriver driver;
    QStringList lines;
    driver.Expect(QStringLiteral("aboutDialog"), [&](QDialog& d) {
        for (const char* name : {"aboutProduct", "aboutVersion", "aboutBuilt"}) {
            lines << d.findChild<QLabel*>(QLatin1String(name))->text();
        }
        PressKey(d, Qt::Key_Return);
    });
    EXPECT_EQ(CAboutDlg(Picture()).Run(), IDOK);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Veritom Morvane Valve"));
    EXPECT_EQ(lines[1], QStringLiteral("Version " VERITOM_VERSION));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Built on 20")));
}

}  // namespace
}  // namespace veritom::test
