#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "MessageRecorder.h"
#include "app/NerithObject.h"
#include "app/ui/DocumentCommands.h"
#include "app/ui/MainFrame.h"
#include "app/ui/NerithApp.h"
#include "app/ui/VeritomView.h"
#include "data/Database.h"

namespace veritom::test {

inline const std::string kAppKey =
    "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

// How the machine store of a test installation looks.
struct MachineStore {
    bool applicationKey = true;
    bool languageKey = true;
    std::string language = "EN";  // the machine's default "Language"
    std::map<std::string, std::string> bundles = {{"DE", "MorvaneDE.rcc"}, {"EN", "MorvaneEN.rcc"}};
    std::string netPath;  // empty: the staged shared data directory
};

// A selection file as another session could have saved it.
struct SavedSelection {
    int highestStep = 3;
    int stepReached = 3;
    bool selectionComplete = false;
    std::string languageCode = "EN";
    int languageStringId = 24510;
};

// A fresh installation for each test: machine and user stores in a temporary folder (the
// machine store pointing at the staged shared data directory with the real selection
// databases and language bundles), the message recorder, and the application started on the
// offscreen platform.
class ShellTest : public ::testing::Test {
protected:
    ShellTest();
    ~ShellTest() override;

    void WriteMachineStore(const MachineStore& store);
    // A value of the user's application key, written before the application starts.
    void WriteUserValue(const std::string& name, const std::string& value);
    std::string ReadUserValue(const std::string& key, const std::string& name) const;

    // Starts the application with the command-line arguments; writes the default machine
    // store first when none was written.
    CNerithApp& Start(const std::vector<std::string>& arguments = {});
    void Stop();

    // A shared data directory of links to the staged files, without the ones left out.
    QString MakeNetPath(const std::vector<std::string>& leaveOut = {});
    static QString StagedNetPath();
    // Writes a machine store whose English database is a copy of the staged one changed by
    // the SQL statements.
    void UseChangedDatabase(const std::string& sql);

    CNerithApp& App() { return *m_app; }
    CNerithObject& Object() { return *m_app->GetNerithObject(); }
    CMainFrame& Frame() { return *m_app->GetMainFrame(); }
    CVeritomView& View() { return *m_app->GetView(); }
    CDialogDriver& Dialogs() { return *m_driver; }

    void Press(int button);
    std::string ButtonText(int button);
    bool ButtonEnabled(int button);
    std::vector<bool> ButtonStates();
    std::string WindowTitle();
    std::string Path(const std::string& name) const;
    int LanguageIndex(const std::string& code);

    // Writes a selection file of the 2-Way, Normally Open valve with the steps given.
    static void WriteSelectionFile(const std::string& path, const SavedSelection& saved);
    static std::vector<std::uint8_t> ReadFile(const std::string& path);
    static void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

    // Runs the Valve Type step through the real dialogs, picking the function type and the
    // flow pattern by their texts and, when given, the option.
    void ChooseValveType(const QString& functionType, const QString& flowPattern,
                         const QString& option = {});

    MessageRecorder m_messages;
    QTemporaryDir m_dir;

private:
    QString m_machinePath;
    QString m_userPath;
    bool m_machineWritten = false;
    std::vector<std::string> m_arguments;
    std::vector<char*> m_argv;
    int m_argc = 0;
    std::unique_ptr<CNerithApp> m_app;
    std::unique_ptr<CDialogDriver> m_driver;
};

}  // namespace veritom::test
