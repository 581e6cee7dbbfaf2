#include "ShellFixture.h"

#include <sqlite3.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

#include "app/SelectionFile.h"
#include "app/ui/ConfigStore.h"
#include "app/ui/FileDialog.h"
#include "app/ui/VeritomButton.h"
#include "base/FileIo.h"
#include "model/ValveObject.h"

namespace veritom::test {

namespace {

QByteArray IniValue(const std::string& value) {
    QByteArray quoted = QByteArray::fromStdString(value);
    quoted.replace("\\", "\\\\").replace("\"", "\\\"");
    return '"' + quoted + '"';
}

}  // namespace

ShellTest::ShellTest()
    : m_machinePath(m_dir.filePath(QStringLiteral("machine.ini"))),
      m_userPath(m_dir.filePath(QStringLiteral("user.ini"))) {
    QDir(m_dir.path()).mkpath(QStringLiteral("local"));
    CFileDialog::ClearAnswers();
}

ShellTest::~ShellTest() {
    Stop();
    CFileDialog::ClearAnswers();
    qunsetenv("VERITOM_MACHINE_STORE");
    qunsetenv("VERITOM_USER_STORE");
}

QString ShellTest::StagedNetPath() {
    return QStringLiteral(VERITOM_STAGE_DIR "/share/veritom/");
}

std::string ShellTest::Path(const std::string& name) const {
    return m_dir.filePath(QString::fromStdString(name)).toStdString();
}

void ShellTest::WriteMachineStore(const MachineStore& store) {
    const std::string netPath =
        store.netPath.empty() ? StagedNetPath().toStdString() : store.netPath;
    QByteArray ini;
    if (store.applicationKey) {
        ini += "[" + QByteArray::fromStdString(kAppKey) + "]\n";
        ini += "NetPath=" + IniValue(netPath) + "\n";
        ini += "LocalPath=" + IniValue(Path("local")) + "\n";
        ini += "VeritomRootPath=" + IniValue(VERITOM_STAGE_DIR) + "\n";
        ini += "Language=" + IniValue(store.language) + "\n";
        if (store.languageKey) {
            for (const auto& [code, bundle] : store.bundles) {
                ini += "\n[" + QByteArray::fromStdString(kAppKey + "\\Language\\" + code) + "]\n";
                ini += "Code=" + IniValue(code) + "\n";
                ini += "DLL=" + IniValue(bundle) + "\n";
                ini += "Reference Dir=" + IniValue(netPath + "Reference/" + code) + "\n";
                ini += "ID=" + IniValue(code == "EN" ? "24510" : "24511") + "\n";
            }
        }
    }
    QFile file(m_machinePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(ini);
    m_machineWritten = true;
}

void ShellTest::WriteUserValue(const std::string& name, const std::string& value) {
    CConfigStore store(m_machinePath, m_userPath);
    ASSERT_TRUE(store.WriteString(Hive::CurrentUser, kAppKey, name, value));
}

std::string ShellTest::ReadUserValue(const std::string& key, const std::string& name) const {
    CConfigStore store(m_machinePath, m_userPath);
    return store.ReadString(Hive::CurrentUser, key, name).value_or("<none>");
}

QString ShellTest::MakeNetPath(const std::vector<std::string>& leaveOut) {
    const QString netPath = m_dir.filePath(QStringLiteral("net"));
    QDir().mkpath(netPath);
    const QDir staged(StagedNetPath());
    for (const QFileInfo& entry :
         staged.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (std::find(leaveOut.begin(), leaveOut.end(), entry.fileName().toStdString()) ==
            leaveOut.end()) {
            QFile::link(entry.absoluteFilePath(), netPath + QLatin1Char('/') + entry.fileName());
        }
    }
    return netPath + QLatin1Char('/');
}

void ShellTest::UseChangedDatabase(const std::string& sql) {
    const QString netPath = MakeNetPath({"MorvaneEN.mdb"});
    const QString database = netPath + QStringLiteral("MorvaneEN.mdb");
    ASSERT_TRUE(QFile::copy(StagedNetPath() + QStringLiteral("MorvaneEN.mdb"), database));
    QFile(database).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(database.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message;
    WriteMachineStore({.netPath = netPath.toStdString()});
}

CNerithApp& ShellTest::Start(const std::vector<std::string>& arguments) {
    if (!m_machineWritten) {
        WriteMachineStore({});
    }
    qputenv("VERITOM_MACHINE_STORE", m_machinePath.toLocal8Bit());
    qputenv("VERITOM_USER_STORE", m_userPath.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    m_arguments = {"morvane"};
    if (!m_startupScreens) {
        m_arguments.push_back("-nologo");
    }
    m_arguments.insert(m_arguments.end(), arguments.begin(), arguments.end());
    m_argv.clear();
    for (std::string& argument : m_arguments) {
        m_argv.push_back(argument.data());
    }
    m_argv.push_back(nullptr);
    m_argc = static_cast<int>(m_arguments.size());
    m_app = std::make_unique<CNerithApp>(m_argc, m_argv.data());
    m_driver = std::make_unique<CDialogDriver>();
    EXPECT_TRUE(m_app->InitInstance());
    return *m_app;
}

void ShellTest::Stop() {
    if (m_app) {
        EXPECT_TRUE(m_driver->Unexpected().isEmpty())
            << m_driver->Unexpected().join(QLatin1Char(',')).toStdString();
        m_driver.reset();
        m_app->ExitInstance();
        m_app.reset();
    }
}

void ShellTest::Press(int button) {
    View().Button(button)->click();
}

std::string ShellTest::ButtonText(int button) {
    return View().Button(button)->text().toStdString();
}

bool ShellTest::ButtonEnabled(int button) {
    return View().Button(button)->isEnabled();
}

std::vector<bool> ShellTest::ButtonStates() {
    std::vector<bool> states;
    for (int i = 0; i < View().ButtonCount(); ++i) {
        states.push_back(ButtonEnabled(i));
    }
    return states;
}

// The title as the window shows it: the unsaved-changes mark in place of "[*]".
std::string ShellTest::WindowTitle() {
    QString title = Frame().windowTitle();
    title.replace(QStringLiteral("[*]"),
                  Frame().isWindowModified() ? QStringLiteral("*") : QString());
    return title.toStdString();
}

int ShellTest::LanguageIndex(const std::string& code) {
    const auto& languages = App().GetLanguages();
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].code == code) {
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << "no language " << code;
    return -1;
}

void ShellTest::WriteSelectionFile(const std::string& path, const SavedSelection& saved) {
    CProd_ValveObject workflow(CNerithObject::kButtonCount);
    workflow.SetStepReached(saved.stepReached);
    const char* texts[] = {"", "2-Way,  Normally Open", "Water,  1/2 in", "24 V DC", "4M-DDD"};
    for (int step = 1; step <= saved.stepReached; ++step) {
        workflow.SetStepText(step, texts[step]);
    }
    CSelectionFileHeader header;
    header.languageCode = saved.languageCode;
    header.languageName = "English";
    header.applicationName = "Morvane Valve";
    header.languageStringId = saved.languageStringId;
    CSelectionFileFields fields;
    fields.answers.functionType = {"2-Way", "2W", "", 0};
    fields.answers.flowPattern = {"Normally Open", "2NO", "FP_2NO", 0};
    fields.answers.option = {"Standard (no option)", "NOOPT", "", 0};
    fields.highestStep = saved.highestStep;
    fields.selectionComplete = saved.selectionComplete;
    fields.orderPadReady = saved.selectionComplete;
    fields.spare = saved.selectionComplete;
    ASSERT_TRUE(WriteFileReplacing(path, StoreSelectionFile(header, fields, workflow)).Ok());
}

std::vector<std::uint8_t> ShellTest::ReadFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes, CSelectionFileHeader::kMaxFileSize).Ok()) << path;
    return bytes;
}

void ShellTest::WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(WriteFileReplacing(path, bytes).Ok());
}

void ShellTest::ChooseValveType(const QString& functionType, const QString& flowPattern,
                                const QString& option) {
    Dialogs().Expect(QStringLiteral("valveTypeDialog"), [=](QDialog& dialog) {
        SelectRow(dialog, "functionTypeList", functionType);
        QCoreApplication::processEvents();  // the flow patterns of the new function type
        SelectRow(dialog, "flowPatternList", flowPattern);
        QCoreApplication::processEvents();
        ClickButton(dialog, "okButton");
    });
    if (!option.isEmpty()) {
        Dialogs().Expect(QStringLiteral("valveTypeOptionsDialog"), [=](QDialog& dialog) {
            SelectRow(dialog, "optionList", option);
            ClickButton(dialog, "okButton");
        });
    }
    Press(0);
    EXPECT_TRUE(Dialogs().AllHandled()) << Dialogs().Handled().join(QLatin1Char(',')).toStdString();
}

}  // namespace veritom::test
