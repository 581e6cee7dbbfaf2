#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "MessageRecorder.h"
#include "app/AppConfiguration.h"
#include "app/ui/ConfigStore.h"
#include "app/ui/LanguageBundle.h"
#include "base/StringTable.h"
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

TEST_F(StageTreeTest, TheHelpFilesHaveATopicForEveryDialogAndFilter) {
    const QStringList topics = {
        QStringLiteral("105"),          QStringLiteral("106"),       QStringLiteral("107"),
        QStringLiteral("113"),          QStringLiteral("231"),       QStringLiteral("233"),
        QStringLiteral("234"),          QStringLiteral("245"),       QStringLiteral("1174"),
        QStringLiteral("1175"),         QStringLiteral("1176"),      QStringLiteral("1177"),
        QStringLiteral("BodyMaterial"), QStringLiteral("AgencyApp"), QStringLiteral("ControlSig"),
        QStringLiteral("CvRating"),
    };
    for (const QString& help : {QStringLiteral("MorvaneEN.hlp"), QStringLiteral("MorvaneDE.hlp")}) {
        const QString html = QString::fromUtf8(ReadAll(NetPath() + help));
        for (const QString& topic : topics) {
            EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(topic)))
                << help.toStdString() << " " << topic.toStdString();
        }
    }
    EXPECT_TRUE(QString::fromUtf8(ReadAll(NetPath() + QStringLiteral("MorvaneFluids.hlp")))
                    .contains(QStringLiteral("name=\"Steam\"")));
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
