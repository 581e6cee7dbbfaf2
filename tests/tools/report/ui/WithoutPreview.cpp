// A report library that lacks the PrintPreview entry point.

#include "tools/report/ReportAbi.h"

extern "C" __attribute__((visibility("default"))) int Print(const VeritomReportMap*, const char*,
                                                            int, int, int, const char*) {
    return VERITOM_REPORT_DONE;
}
