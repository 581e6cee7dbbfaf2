#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "RecordingPaintDevice.h"
#include "ReportContent.h"
#include "ReportLayout.h"
#include "SampleReportMap.h"
#include "tools/report/ReportMapView.h"

namespace report {
namespace {

ReportContent ContentOf(const veritom::CReportMap& map) {
    const veritom::CReportMapView view(map);
    return ReportContent::FromMap(*view.Get(), QString::fromLatin1(test::kAppKey),
                                  QStringLiteral("Selection Report Viewer"));
}

// The text painted on each page.
QStringList PaintPages(const ReportContent& content, int* images = nullptr) {
    test::RecordingPaintDevice pageSize;
    const ReportLayout layout(content, pageSize, QSizeF(pageSize.width(), pageSize.height()));
    QStringList pages;
    for (int page = 0; page < layout.PageCount(); ++page) {
        test::RecordingPaintDevice device;
        QPainter painter(&device);
        layout.PaintPage(painter, page);
        painter.end();
        pages.append(device.Text());
        if (images) {
            *images += device.Engine().images;
        }
    }
    return pages;
}

TEST(ReportLayout, OnePageWithHeaderRowsWarningAndFooter) {
    const QStringList pages = PaintPages(ContentOf(test::SampleReportMap()));
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    for (const char* text :
         {"Veritom Morvane Valve", "March 3 2001 - 09:05:07", "8210G094", "Function Type",
          "2-Way Normally Closed", "Max. Pressure Differential", "100 psig", "Voltage/Hertz",
          "WARNING:", "Veritom Morvane Valve 3.0", "1 / 1"}) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text;
    }
    for (const char* text : {"2NC", "Function Type Code", "Max. Pressure Differential Unit",
                             "Max. Inlet Pressure Given", "Label Without Value", "picSTR"}) {
        EXPECT_FALSE(page.contains(QString::fromUtf8(text))) << text;
    }
    // The steps in the order they are made: valve type, application, solenoid, part number.
    EXPECT_LT(page.indexOf(QStringLiteral("Function Type")),
              page.indexOf(QStringLiteral("Application")));
    EXPECT_LT(page.indexOf(QStringLiteral("Application")),
              page.indexOf(QStringLiteral("Voltage/Hertz")));
    EXPECT_LT(page.indexOf(QStringLiteral("Voltage/Hertz")),
              page.indexOf(QStringLiteral("Part Description")));
    EXPECT_LT(page.indexOf(QStringLiteral("Part Description")),
              page.indexOf(QStringLiteral("WARNING:")));
}

TEST(ReportLayout, LongReportRunsOverPagesEachWithHeaderAndNumber) {
    veritom::CReportMap map = test::SampleReportMap();
    for (int i = 0; i < 150; ++i) {
        const std::string number = std::to_string(1000 + i);
        map["Filter_Test" + number + "VAL"] = {"Filter " + number, "Value " + number};
    }
    const QStringList pages = PaintPages(ContentOf(map));
    ASSERT_GE(pages.size(), 3);
    const int count = static_cast<int>(pages.size());
    for (int page = 0; page < count; ++page) {
        SCOPED_TRACE(page);
        EXPECT_TRUE(pages[page].contains(QStringLiteral("Veritom Morvane Valve")));
        EXPECT_TRUE(pages[page].contains(QStringLiteral("%1 / %2").arg(page + 1).arg(count)));
        EXPECT_EQ(pages[page].contains(QStringLiteral("WARNING:")), page == count - 1);
    }
    // Every row once, in order.
    const QString all = pages.join(QLatin1Char('\n'));
    qsizetype last = -1;
    for (int i = 0; i < 150; ++i) {
        const QString row = QStringLiteral("Value %1").arg(1000 + i);
        EXPECT_EQ(all.count(row), 1) << row.toStdString();
        EXPECT_GT(all.indexOf(row), last);
        last = all.indexOf(row);
    }
}

TEST(ReportLayout, PicturesFromTheGraphicsFolderAreDrawn) {
    QTemporaryDir graphics;
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(graphics.filePath(QStringLiteral("picSTR.png"))));
    int images = 0;
    const QStringList pages =
        PaintPages(ContentOf(test::SampleReportMap(graphics.path().toStdString())), &images);
    EXPECT_EQ(images, 1);
    EXPECT_TRUE(pages.join(QLatin1Char('\n')).contains(QStringLiteral("Flow Pattern Picture")));
}

}  // namespace
}  // namespace report
