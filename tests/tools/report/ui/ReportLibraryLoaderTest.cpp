#include <gtest/gtest.h>

#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <filesystem>

#include "MessageRecorder.h"
#include "NextModal.h"
#include "data/Database.h"
#include "model/ValveData.h"
#include "tools/report/SelectionReport.h"
#include "tools/report/ui/ReportLibraryLoader.h"

namespace veritom {
namespace {

const QString kStagedLibrary = QStringLiteral(VERITOM_STAGE_DIR "/lib/libveritomreport.so");
const std::string kAppKey = "Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion";

class English : public ILanguageSource {
public:
    std::string GetLanguageCode() const override { return "EN"; }
};

// A selection on the installation's database, reported through the installed library.
class SelectionReportPathTest : public ::testing::Test {
protected:
    SelectionReportPathTest() : m_db(m_language), m_report(m_library) {
        m_record.m_FunctionTypeVAL = std::string("2-Way Normally Closed");
        m_record.m_FluidVAL = std::string("Water");
        m_record.m_PN_CompletePNVAL = std::string("8210G094");
    }
    void SetUp() override {
        const std::string database = VERITOM_STAGE_DIR "/share/veritom/MorvaneEN.mdb";
        if (!std::filesystem::exists(database)) {
            GTEST_SKIP() << "the selection database is not built";
        }
        ASSERT_TRUE(m_db.OpenFile(database, false, true, ""));
    }
    ReportSource Source() { return {&m_record, &m_db, "/home/ann/Documents/Morvane", kAppKey}; }

    test::MessageRecorder m_messages;
    English m_language;
    IDatabase m_db;
    CProd_ValveData m_record;
    CReportLibraryLoader m_library{kStagedLibrary};
    CSelectionReport m_report;
};

TEST_F(SelectionReportPathTest, ViewSelectionReportOpensTheViewerWindow) {
    QString title;
    int pages = 0;
    test::OnNextModal([&](QWidget* window) {
        title = window->windowTitle();
        if (auto* preview = window->findChild<QPrintPreviewWidget*>()) {
            pages = preview->pageCount();
        }
    });
    EXPECT_TRUE(m_report.Preview(Source()));
    EXPECT_EQ(title, QStringLiteral("Selection Report Viewer"));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(m_messages.boxes.empty());
    EXPECT_TRUE(m_report.GetReportMap().empty());
}

TEST_F(SelectionReportPathTest, FilePrintSelectionAsksForThePrinterFirst) {
    QString dialog;
    test::OnNextModal([&](QWidget* window) { dialog = window->objectName(); });
    EXPECT_FALSE(m_report.Print(Source(), true));
    EXPECT_EQ(dialog, QStringLiteral("reportPrintDialog"));
    // Closing the print dialog is the user's choice: nothing to report.
    EXPECT_TRUE(m_messages.boxes.empty());
}

TEST_F(SelectionReportPathTest, PrintDirectWithoutPrinterSaysSo) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed; nothing is printed on it by a test";
    }
    EXPECT_FALSE(m_report.Print(Source(), false));
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"The selection report was not printed: no printer is "
                                       "available."});
}

TEST_F(SelectionReportPathTest, NoSelectionBeepsWithoutOpeningAnything) {
    EXPECT_FALSE(m_report.Preview({nullptr, &m_db, "/l", kAppKey}));
    EXPECT_EQ(m_messages.beeps, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ReportLibraryLoader, MissingLibraryOrEntryPointIsNamed) {
    const CReportMap map{{"FluidVAL", {"Fluid", "Water"}}};
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("libveritomreport.so"));
    CReportLibraryLoader absent(missing);
    const ReportOutcome none = absent.PrintPreview(map, kAppKey, "t");
    EXPECT_EQ(none.status, ReportStatus::LibraryMissing);
    EXPECT_EQ(none.detail, missing.toStdString());

    CReportLibraryLoader partial(QStringLiteral(VERITOM_WITHOUT_PREVIEW_LIBRARY));
    EXPECT_EQ(partial.Print(map, kAppKey, false, "t").status, ReportStatus::Done);
    const ReportOutcome noPreview = partial.PrintPreview(map, kAppKey, "t");
    EXPECT_EQ(noPreview.status, ReportStatus::EntryPointMissing);
    EXPECT_EQ(noPreview.entryPoint, "PrintPreview");
    EXPECT_EQ(noPreview.detail, VERITOM_WITHOUT_PREVIEW_LIBRARY);
}

}  // namespace
}  // namespace veritom
