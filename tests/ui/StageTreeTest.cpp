#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include "MessageRecorder.h"
#include "app/AppConfiguration.h"
#include "app/ui/ConfigStore.h"
#include "app/ui/LanguageBundle.h"
#include "base/StringTable.h"
#include "data/Database.h"
#include "data/LanguageSource.h"
#include "data/Recordset.h"
#include "data/ui/BitmapEx.h"
#include "data/ui/Dib.h"

namespace veritom {
namespace {

// The installation tree the build lays out, read as the program reads it.
const QString kStage = QStringLiteral(VERITOM_STAGE_DIR);
const std::string kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

class StageTreeTest : public ::testing::Test {
protected:
    StageTreeTest()
        : m_store(kStage + QStringLiteral("/etc/veritom/machine.ini"),
                  m_userDir.filePath(QStringLiteral("user.ini"))) {}

    std::string Machine(const std::string& key, const std::string& name) const {
        return m_store.ReadString(Hive::LocalMachine, key, name).value_or("");
    }
    QString NetPath() const { return QString::fromStdString(Machine(kAppKey, "NetPath")); }

    test::MessageRecorder m_messages;
    QTemporaryDir m_userDir;
    CConfigStore m_store;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(StageTreeTest, TheMachineStorePointsAtTheSharedDataDirectory) {
    ASSERT_TRUE(m_store.KeyExists(Hive::LocalMachine, kAppKey));
    const QString netPath = NetPath();
    EXPECT_TRUE(QDir::isAbsolutePath(netPath));
    EXPECT_EQ(QDir(netPath).canonicalPath(),
              QDir(kStage + QStringLiteral("/share/veritom")).canonicalPath());
    EXPECT_TRUE(QDir(QString::fromStdString(Machine(kAppKey, "VeritomRootPath"))).exists());
    EXPECT_TRUE(QString::fromStdString(Machine(kAppKey, "LocalPath")).startsWith(QDir::homePath()));
    EXPECT_EQ(Machine(kAppKey, "Language"), "EN");
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(StageTreeTest, EachLanguageHasItsBundleNameAndReferenceDocuments) {
    const std::string languageKey = kAppKey + "\\Language";
    ASSERT_EQ(m_store.SubKeys(Hive::LocalMachine, languageKey),
              (std::vector<std::string>{"DE", "EN"}));
    for (const std::string code : {"DE", "EN"}) {
        const std::string key = languageKey + "\\" + code;
        EXPECT_EQ(Machine(key, "Code"), code);
        EXPECT_EQ(Machine(key, "DLL"), "Morvane" + code + ".rcc");
        EXPECT_TRUE(QFile::exists(NetPath() + QString::fromStdString(Machine(key, "DLL"))));
        EXPECT_FALSE(LoadString(std::stoi(Machine(key, "ID"))).empty()) << code;

        const QDir reference(QString::fromStdString(Machine(key, "Reference Dir")));
        const QStringList pdfs = reference.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        ASSERT_FALSE(pdfs.isEmpty()) << code;
        const QByteArray pdf = ReadAll(reference.filePath(pdfs.front()));
        EXPECT_TRUE(pdf.startsWith("%PDF-1.4"));
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
        // The cross-reference table must point at the objects it names.
        const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
        const qsizetype startxref = pdf.lastIndexOf("startxref\n") + 10;
        EXPECT_EQ(pdf.mid(startxref, pdf.indexOf('\n', startxref) - startxref).toLongLong(), xref);
        const qsizetype firstEntry = pdf.indexOf("65535 f \n", xref) + 9;
        const qsizetype catalog = pdf.mid(firstEntry, 10).toLongLong();
        EXPECT_TRUE(pdf.mid(catalog).startsWith("1 0 obj")) << code;
    }
}

TEST_F(StageTreeTest, TheApplicationsConfigurationReadsTheTreeThroughTheStore) {
    const struct {
        const char* userLanguage;  // nullptr: the user has chosen none
        const char* expected;
    } cases[] = {
        {nullptr, "EN"},  // the machine's default
        {"DE", "DE"},
        // A stored code in lower case never matches: the first language in name order serves.
        {"en", "DE"},
    };
    for (const auto& c : cases) {
        QTemporaryDir userDir;
        CConfigStore store(kStage + QStringLiteral("/etc/veritom/machine.ini"),
                           userDir.filePath(QStringLiteral("user.ini")));
        if (c.userLanguage) {
            ASSERT_TRUE(store.WriteString(Hive::CurrentUser, kAppKey, "Language", c.userLanguage));
        }
        CAppConfiguration configuration;
        ASSERT_TRUE(configuration.Load(store, kAppKey, ",", "."));
        EXPECT_EQ(configuration.GetLanguages().size(), 2u);
        EXPECT_EQ(configuration.GetLanguageCode(), c.expected);
        EXPECT_TRUE(configuration.CheckBundle(configuration.GetCurrentIndex()));
        EXPECT_TRUE(QDir(QString::fromStdString(configuration.GetReferenceDir())).exists());
        EXPECT_EQ(configuration.GetNetPath(), NetPath().toStdString());

        ASSERT_TRUE(configuration.SaveLanguage(store, kAppKey));
        EXPECT_EQ(store.ReadString(Hive::CurrentUser, kAppKey, "Language"), c.expected);
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(StageTreeTest, TheSharedDataDirectoryHoldsThePicturesAndTips) {
    CDib background;
    ASSERT_TRUE(background.Read(NetPath() + QStringLiteral("background.bmp")));
    EXPECT_EQ(background.Size(), QSize(800, 600));
    for (const QString& code : {QStringLiteral("EN"), QStringLiteral("DE")}) {
        CBitmapEx opening;
        EXPECT_TRUE(opening.Load(NetPath() + QStringLiteral("Graphics/Opening%1.bmp").arg(code)));

        QFile tips(NetPath() + QStringLiteral("Tips%1.txt").arg(code));
        ASSERT_TRUE(tips.open(QIODevice::ReadOnly | QIODevice::Text));
        int shown = 0;
        QTextStream in(&tips);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            const bool skipped = line.isEmpty() || line.front() == QLatin1Char(';') ||
                                 line.front() == QLatin1Char(' ') ||
                                 line.front() == QLatin1Char('\t');
            shown += skipped ? 0 : 1;
            EXPECT_LE(line.size(), 1000);
        }
        EXPECT_GE(shown, 5) << code.toStdString();
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

// The help topics the program opens by a dialog's template id: the second argument of every
// Help button column (CWizardButtons) and the argument of every ShowDialogHelp call in the
// sources, a kTemplateId constant read from the class's header. An argument of another form
// is listed in unresolved, so a new way of naming a topic fails the test instead of escaping it.
std::map<int, QString> DialogHelpTopicsOfTheSources(QStringList& unresolved) {
    static const QRegularExpression call(QStringLiteral(
        R"((?:CWizardButtons\s*\(\s*[^,()]+,|ShowDialogHelp\s*\()\s*([A-Za-z_][\w:]*|\d+)\s*[,)])"));
    static const QRegularExpression constant(QStringLiteral(R"(kTemplateId\s*=\s*(\d+)\s*;)"));
    std::map<int, QString> topics;
    QDirIterator files(QStringLiteral(VERITOM_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString source = QString::fromUtf8(ReadAll(path));
        for (auto match = call.globalMatch(source); match.hasNext();) {
            const QString argument = match.next().captured(1);
            if (argument == QStringLiteral("templateId")) {
                continue;  // the button column and the pages hand their parameter on
            }
            bool number = false;
            int id = argument.toInt(&number);
            if (!number && argument.endsWith(QStringLiteral("kTemplateId"))) {
                QString header = path;
                header.replace(header.size() - 3, 3, QStringLiteral("h"));
                const auto found = constant.match(QString::fromUtf8(ReadAll(header)));
                id = found.hasMatch() ? found.captured(1).toInt(&number) : 0;
            }
            if (number) {
                topics[id] = path.section(QLatin1Char('/'), -1);
            } else {
                unresolved << path + QStringLiteral(": ") + argument;
            }
        }
    }
    return topics;
}

// The text of the topic anchored at name, up to the next topic of its level or above.
QString TopicText(const QString& html, const QString& name) {
    const qsizetype anchor = html.indexOf(QStringLiteral("name=\"%1\"").arg(name));
    if (anchor < 0) {
        return {};
    }
    const qsizetype heading = html.lastIndexOf(QStringLiteral("<h"), anchor);
    const QString level = html.mid(heading + 2, 1);
    qsizetype end = html.size();
    for (int above = 1; above <= level.toInt(); ++above) {
        const qsizetype next = html.indexOf(QStringLiteral("<h%1").arg(above), anchor);
        end = next < 0 ? end : std::min(end, next);
    }
    QString text = html.mid(anchor, end - anchor);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text.simplified();
}

// The staged database of a language, for the file names and topics it gives the help.
class CStagedLanguage : public ILanguageSource {
public:
    CStagedLanguage(const QString& netPath, std::string code) : m_code(std::move(code)) {
        m_db.Open(netPath.toStdString(), "Morvane", false, true, "");
    }
    std::string GetLanguageCode() const override { return m_code; }
    // Every row of the query, its first two fields.
    std::vector<std::pair<std::string, std::string>> Pairs(const std::string& sql) {
        IRecordset records(m_db);
        records.Open(OpenType::Snapshot, sql, kOpenReadOnly);
        std::vector<std::pair<std::string, std::string>> rows;
        for (; !records.IsEOF(); records.MoveNext()) {
            rows.emplace_back(records.GetString(0), records.GetString(1));
        }
        return rows;
    }
    bool IsOpen() const { return m_db.IsOpen(); }

private:
    std::string m_code;
    IDatabase m_db{*this};
};

TEST_F(StageTreeTest, EveryDialogHelpTopicIsAWrittenTopicInBothLanguages) {
    QStringList unresolved;
    const std::map<int, QString> topics = DialogHelpTopicsOfTheSources(unresolved);
    EXPECT_TRUE(unresolved.isEmpty()) << unresolved.join(QLatin1Char('\n')).toStdString();
    // The scan sees the dialogs it must: a step dialog, a tool, and the verification list.
    EXPECT_GE(topics.size(), 13u);
    for (const int id : {107, 262, 1175, 1177}) {
        EXPECT_EQ(topics.count(id), 1u) << id;
    }
    for (const std::string code : {"EN", "DE"}) {
        CStagedLanguage staged(NetPath(), code);
        ASSERT_TRUE(staged.IsOpen()) << code;
        const auto help =
            staged.Pairs("SELECT Category, FileName FROM RefHelpNames WHERE Category = 'HELP'");
        ASSERT_EQ(help.size(), 1u) << code;
        const QString file = QString::fromStdString(help.front().second);
        const QString html = QString::fromUtf8(ReadAll(NetPath() + file));
        ASSERT_FALSE(html.isEmpty()) << file.toStdString();
        for (const auto& [id, source] : topics) {
            // A topic says what the dialog asks, what its controls do and what its messages mean.
            EXPECT_GE(TopicText(html, QString::number(id)).size(), 400)
                << file.toStdString() << " has no written topic " << id << " (opened by "
                << source.toStdString() << ")";
        }
        // The topics the database names by keyword: the part number filters' "?" buttons and the
        // fluid compatibility of each application.
        const auto keywords = staged.Pairs(
            "SELECT HelpFile, HelpPage FROM FilterHelp UNION "
            "SELECT FluidCompatFile, FluidCompatPage FROM Application");
        EXPECT_GE(keywords.size(), 15u);
        for (const auto& [name, page] : keywords) {
            const QString text =
                TopicText(QString::fromUtf8(ReadAll(NetPath() + QString::fromStdString(name))),
                          QString::fromStdString(page));
            EXPECT_GE(text.size(), 60) << name << "#" << page;
        }
    }
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(StageTreeTest, TheGermanBundleTranslatesAndCarriesEveryPicture) {
    CLanguageBundle bundle;
    LanguageInfo german;
    german.dll = Machine(kAppKey + "\\Language\\DE", "DLL");
    ASSERT_EQ(bundle.Load(NetPath().toStdString(), german), CLanguageBundle::LoadResult::Loaded);
    EXPECT_EQ(LoadString(24511), "Deutsch");
    EXPECT_EQ(LoadString(24503), "Lesefehler");
    EXPECT_TRUE(bundle.Text(298).contains(QStringLiteral("Magnetventil")));
    for (const int id : {104, 121, 122, 293, 307}) {
        EXPECT_EQ(bundle.Bitmap(id).size(), CLanguageBundle::ProgramBitmap(id).size()) << id;
    }
    EXPECT_EQ(bundle.Bitmap(121).size(), QSize(35, 16));
    // The indicator is drawn on white, its transparent colour.
    EXPECT_EQ(bundle.Bitmap(121).pixel(34, 0), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace veritom
