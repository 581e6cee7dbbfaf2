#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibrary>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>

#include "NextModal.h"
#include "SampleReportMap.h"
#include "tools/report/ReportAbi.h"
#include "tools/report/ReportMapView.h"

namespace report {
namespace {

// The library as the build installs it, its entry points resolved by name.
class ReportLibraryTest : public ::testing::Test {
protected:
    ReportLibraryTest() : m_library(QStringLiteral(VERITOM_STAGE_DIR "/lib/libveritomreport.so")) {
        m_print = reinterpret_cast<VeritomReportPrintFunction>(m_library.resolve("Print"));
        m_preview =
            reinterpret_cast<VeritomReportPreviewFunction>(m_library.resolve("PrintPreview"));
        m_toFile =
            reinterpret_cast<VeritomReportPrintToFileFunction>(m_library.resolve("PrintToFile"));
    }
    void SetUp() override {
        ASSERT_TRUE(m_print && m_preview && m_toFile) << m_library.errorString().toStdString();
    }

    static int PdfPages(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return -1;
        }
        const QByteArray bytes = file.readAll();
        if (!bytes.startsWith("%PDF-")) {
            return -1;
        }
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
        return static_cast<int>(QString::fromLatin1(bytes).count(page));
    }

    QLibrary m_library;
    VeritomReportPrintFunction m_print = nullptr;
    VeritomReportPreviewFunction m_preview = nullptr;
    VeritomReportPrintToFileFunction m_toFile = nullptr;
    veritom::CReportMap m_map = test::SampleReportMap();
    veritom::CReportMapView m_view{m_map};
};

TEST_F(ReportLibraryTest, WritesTheReportAsPdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_EQ(m_toFile(m_view.Get(), test::kAppKey, VERITOM_REPORT_MAP_LAYOUT,
                       "Selection Report Viewer", path.toUtf8().constData()),
              VERITOM_REPORT_DONE);
    EXPECT_EQ(PdfPages(path), 1);

    veritom::CReportMap longMap = m_map;
    for (int i = 0; i < 150; ++i) {
        longMap["Filter_Test" + std::to_string(100 + i) + "VAL"] = {"Filter", "Value"};
    }
    const veritom::CReportMapView longView(longMap);
    const QString longPath = dir.filePath(QStringLiteral("long.pdf"));
    ASSERT_EQ(m_toFile(longView.Get(), test::kAppKey, VERITOM_REPORT_MAP_LAYOUT, "Report",
                       longPath.toUtf8().constData()),
              VERITOM_REPORT_DONE);
    EXPECT_GE(PdfPages(longPath), 3);

    EXPECT_EQ(m_toFile(m_view.Get(), test::kAppKey, VERITOM_REPORT_MAP_LAYOUT, "Report",
                       dir.filePath(QStringLiteral("no/such/folder/x.pdf")).toUtf8().constData()),
              VERITOM_REPORT_OUTPUT_FAILED);
}

TEST_F(ReportLibraryTest, UnreadableArgumentsAreRefused) {
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("x.pdf")).toUtf8();
    EXPECT_EQ(m_toFile(nullptr, test::kAppKey, 1, "t", path.constData()),
              VERITOM_REPORT_BAD_ARGUMENTS);
    EXPECT_EQ(m_toFile(m_view.Get(), test::kAppKey, 2, "t", path.constData()),
              VERITOM_REPORT_BAD_ARGUMENTS);
    EXPECT_EQ(m_toFile(m_view.Get(), test::kAppKey, 1, "t", nullptr), VERITOM_REPORT_BAD_ARGUMENTS);
    EXPECT_EQ(m_print(nullptr, test::kAppKey, 1, 0, 1, "t"), VERITOM_REPORT_BAD_ARGUMENTS);
    EXPECT_EQ(m_preview(m_view.Get(), test::kAppKey, 7, 1, "t"), VERITOM_REPORT_BAD_ARGUMENTS);
    EXPECT_FALSE(QFile::exists(QString::fromUtf8(path)));
}

TEST_F(ReportLibraryTest, PreviewShowsThePagesInTheViewerWindow) {
    int pages = 0;
    QString title;
    veritom::test::OnNextModal([&](QWidget* window) {
        title = window->windowTitle();
        if (auto* preview = window->findChild<QPrintPreviewWidget*>()) {
            pages = preview->pageCount();
        }
    });
    EXPECT_EQ(m_preview(m_view.Get(), test::kAppKey, 1, 1, "Selection Report Viewer"),
              VERITOM_REPORT_DONE);
    EXPECT_EQ(title, QStringLiteral("Selection Report Viewer"));
    EXPECT_EQ(pages, 1);
}

TEST_F(ReportLibraryTest, ClosingThePrintDialogPrintsNothing) {
    QString name;
    veritom::test::OnNextModal([&](QWidget* window) { name = window->objectName(); });
    EXPECT_EQ(m_print(m_view.Get(), test::kAppKey, 1, 1, 1, "Selection Report Viewer"),
              VERITOM_REPORT_CANCELLED);
    EXPECT_EQ(name, QStringLiteral("reportPrintDialog"));
}

TEST_F(ReportLibraryTest, PrintingDirectWithoutAPrinterSaysSo) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is installed; nothing is printed on it by a test";
    }
    EXPECT_EQ(m_print(m_view.Get(), test::kAppKey, 1, 0, 1, "Selection Report Viewer"),
              VERITOM_REPORT_NO_PRINTER);
}

}  // namespace
}  // namespace report
