#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include "tools/report/ReportAbi.h"

namespace report {

struct ReportRow {
    QString key;
    QString label;
    QString value;
};

struct ReportPicture {
    QString label;
    QImage image;
};

// What the report shows, read from the report map: the rows the selection database labels,
// grouped by the step they belong to, the pictures found in the graphics folder, and the
// program's own entries (date, software version, warning).
struct ReportContent {
    QString productName;  // "Veritom Morvane Valve", from the registry key path
    QString title;
    QString date;
    QString version;
    QString warning;
    QString graphicsPath;
    QString partNumber;
    QString partDescription;
    QList<QList<ReportRow>> sections;  // in order, none empty
    QList<ReportPicture> pictures;

    // Whether map can be read: every pointer it promises is there.
    static bool IsReadable(const VeritomReportMap* map);
    static ReportContent FromMap(const VeritomReportMap& map, const QString& registryKeyPath,
                                 const QString& title);
    // The family and product names in "Software\<maker>\Veritom\<product>\CurrentVersion".
    static QString ProductName(const QString& registryKeyPath);
};

}  // namespace report
