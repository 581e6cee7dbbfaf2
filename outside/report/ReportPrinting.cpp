#include "ReportPrinting.h"

#include <QPainter>
#include <QPrinter>

#include "ReportContent.h"
#include "ReportLayout.h"

namespace report {

bool RenderReport(const ReportContent& content, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const ReportLayout layout(content, printer, area.size());
    for (int page = 0; page < layout.PageCount(); ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        layout.PaintPage(painter, page);
    }
    return painter.end();
}

}  // namespace report
