#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "ReportContent.h"
#include "SampleReportMap.h"
#include "tools/report/ReportMapView.h"

namespace report {
namespace {

ReportContent ContentOf(const veritom::CReportMap& map) {
    const veritom::CReportMapView view(map);
    return ReportContent::FromMap(*view.Get(), QString::fromLatin1(test::kAppKey),
                                  QStringLiteral("Selection Report Viewer"));
}

QStringList Keys(const ReportContent& content) {
    QStringList keys;
    for (const auto& section : content.sections) {
        for (const ReportRow& row : section) {
            keys.append(row.key);
        }
        keys.append(QStringLiteral("|"));
    }
    return keys;
}

TEST(ReportContent, RowsAreLabelledValuesInTheOrderOfTheSteps) {
    const ReportContent content = ContentOf(test::SampleReportMap());
    EXPECT_EQ(content.productName, QStringLiteral("Veritom Morvane Valve"));
    EXPECT_EQ(content.date, QStringLiteral("March 3 2001 - 09:05:07"));
    EXPECT_EQ(content.version, QStringLiteral("3.0"));
    EXPECT_TRUE(content.warning.startsWith(QStringLiteral("WARNING:")));
    EXPECT_EQ(content.partNumber, QStringLiteral("8210G094"));
    EXPECT_EQ(content.partDescription, QStringLiteral("2-Way Valve, Brass Body, 3/4 NPT"));
    // Codes, picture names, ticks, empty values and labels alone are not rows; a unit joins
    // its value.
    EXPECT_EQ(
        Keys(content),
        (QStringList{QStringLiteral("FunctionTypeVAL"), QStringLiteral("FlowPatternVAL"),
                     QStringLiteral("|"), QStringLiteral("ApplicationTypeVAL"),
                     QStringLiteral("App_MOPDVAL"), QStringLiteral("|"), QStringLiteral("FluidVAL"),
                     QStringLiteral("|"), QStringLiteral("Sol_VoltageVAL"), QStringLiteral("|"),
                     QStringLiteral("PN_CompletePNVAL"), QStringLiteral("PN_PNDescriptionVAL"),
                     QStringLiteral("|")}));
    EXPECT_EQ(content.sections[1][1].label, QStringLiteral("Max. Pressure Differential"));
    EXPECT_EQ(content.sections[1][1].value, QStringLiteral("100 psig"));
    EXPECT_TRUE(content.pictures.isEmpty());
}

TEST(ReportContent, PicturesComeFromTheGraphicsFolder) {
    QTemporaryDir graphics;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(graphics.filePath(QStringLiteral("PICSTR.bmp"))));
    veritom::CReportMap map = test::SampleReportMap(graphics.path().toStdString() + "/");
    map["TermPic"] = {"Termination Picture", "missing"};
    map["EnclosePic"] = {"Enclosure Picture", "../picSTR"};
    const ReportContent content = ContentOf(map);
    ASSERT_EQ(content.pictures.size(), 1);
    EXPECT_EQ(content.pictures[0].label, QStringLiteral("Flow Pattern Picture"));
    EXPECT_EQ(content.pictures[0].image.size(), QSize(40, 30));
}

TEST(ReportContent, ProductNameFromTheRegistryKeyPath) {
    const std::pair<const char*, const char*> rows[] = {
        {"Software\\Veldor Kastrel\\Veritom\\Morvane Valve\\CurrentVersion",
         "Veritom Morvane Valve"},
        {"Software/Veldor Kastrel/Veritom/Nerithane/CurrentVersion", "Veritom Nerithane"},
        {"Software\\Veldor Kastrel\\Veritom", ""},
        {"Software\\Other\\Product", ""},
        {"", ""},
    };
    for (const auto& [path, name] : rows) {
        EXPECT_EQ(ReportContent::ProductName(QString::fromLatin1(path)), QString::fromLatin1(name))
            << path;
    }
}

TEST(ReportContent, MapWithMissingPointersIsNotRead) {
    const char* texts[] = {"Label", nullptr};
    const VeritomReportEntry good{"Key", texts, 1};
    const VeritomReportEntry nullText{"Key", texts, 2};
    const VeritomReportEntry nullKey{nullptr, texts, 1};
    const VeritomReportEntry nullTexts{"Key", nullptr, 1};
    const VeritomReportEntry negative{"Key", texts, -1};
    const VeritomReportMap rows[] = {{&good, 1},     {&nullText, 1}, {&nullKey, 1}, {&nullTexts, 1},
                                     {&negative, 1}, {nullptr, 2},   {&good, -1},   {nullptr, 0}};
    const bool readable[] = {true, false, false, false, false, false, false, true};
    for (int i = 0; i < int(std::size(rows)); ++i) {
        EXPECT_EQ(ReportContent::IsReadable(&rows[i]), readable[i]) << "row " << i;
    }
    EXPECT_FALSE(ReportContent::IsReadable(nullptr));
}

}  // namespace
}  // namespace report
