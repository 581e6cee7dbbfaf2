#pragma once

/* The calling convention of the report library (libveritomreport.so): plain C, so that the
 * selector and the library need share nothing but this header. All texts are UTF-8. */

#ifdef __cplusplus
extern "C" {
#endif

/* One key of the report map with its texts: for a key the selection database labels, the
 * label followed by the value texts; for the program's own keys (GRAPHICSPATH, WarningVAL,
 * SoftwareVersionVAL, ReportDateVAL) the one value. */
typedef struct VeritomReportEntry {
    const char* key;
    const char* const* texts;
    int textCount;
} VeritomReportEntry;

typedef struct VeritomReportMap {
    const VeritomReportEntry* entries;
    int entryCount;
} VeritomReportMap;

/* The map layout the selector passes as the first constant argument. */
#define VERITOM_REPORT_MAP_LAYOUT 1

/* Results of the entry points. */
#define VERITOM_REPORT_DONE 0
#define VERITOM_REPORT_CANCELLED 1
#define VERITOM_REPORT_NO_PRINTER 2
#define VERITOM_REPORT_BAD_ARGUMENTS (-1)
#define VERITOM_REPORT_NO_APPLICATION (-2)
#define VERITOM_REPORT_OUTPUT_FAILED (-3)

/* Print(map, registry key path, map layout, show print dialog, copies, title): prints the
 * report, asking for the printer first when showPrintDialog is not 0. The registry key path
 * is the application's key; the title names the windows the library opens. */
typedef int (*VeritomReportPrintFunction)(const VeritomReportMap* map, const char* registryKeyPath,
                                          int mapLayout, int showPrintDialog, int copies,
                                          const char* title);

/* PrintPreview(map, registry key path, map layout, copies, title): shows the report in the
 * library's viewer window, from which the user may print; returns when it is closed. */
typedef int (*VeritomReportPreviewFunction)(const VeritomReportMap* map,
                                            const char* registryKeyPath, int mapLayout, int copies,
                                            const char* title);

/* PrintToFile(map, registry key path, map layout, title, path): writes the report as a PDF
 * file without asking anything. */
typedef int (*VeritomReportPrintToFileFunction)(const VeritomReportMap* map,
                                                const char* registryKeyPath, int mapLayout,
                                                const char* title, const char* pdfPath);

#ifdef __cplusplus
}
#endif
