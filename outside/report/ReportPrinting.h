#pragma once

class QPrinter;

namespace report {

struct ReportContent;

// Lays content out on the printer's pages and paints them; false when the printer could not
// be painted on (no output file, no printer).
bool RenderReport(const ReportContent& content, QPrinter& printer);

}  // namespace report
