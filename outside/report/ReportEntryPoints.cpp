// The C entry points of libveritomreport.so.

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <type_traits>

#include "ReportContent.h"
#include "ReportPrinting.h"
#include "tools/report/ReportAbi.h"

#define VERITOM_REPORT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

bool HasWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The content of a readable map of the one layout this library knows, or nothing.
std::optional<report::ReportContent> ContentOf(const VeritomReportMap* map, int mapLayout,
                                               const char* registryKeyPath, const char* title) {
    if (mapLayout != VERITOM_REPORT_MAP_LAYOUT || !report::ReportContent::IsReadable(map)) {
        return std::nullopt;
    }
    return report::ReportContent::FromMap(*map, QString::fromUtf8(registryKeyPath),
                                          QString::fromUtf8(title));
}

// Qt's own notes (no runtime folder, a painter that could not begin) mean nothing to a caller
// without Qt, which learns of a failure from the result.
void DropNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// A program without Qt (the command line) calls PrintToFile without an application of its own:
// the library then runs one for the call, on the platform the environment names, else
// offscreen, since a PDF needs no display.
class CallApplication {
public:
    CallApplication() {
        if (QCoreApplication::instance()) {
            return;
        }
        m_previousHandler = qInstallMessageHandler(DropNotes);
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        m_argc = platform && *platform ? 1 : 3;
        m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    ~CallApplication() {
        if (m_application) {
            m_application.reset();
            qInstallMessageHandler(m_previousHandler);
        }
    }
    CallApplication(const CallApplication&) = delete;
    CallApplication& operator=(const CallApplication&) = delete;

private:
    QtMessageHandler m_previousHandler = nullptr;
    char m_name[14] = "veritomreport";
    char m_option[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_option, m_platform, nullptr};
    int m_argc = 1;
    std::unique_ptr<QGuiApplication> m_application;
};

void PrepareDocument(QPrinter& printer, const report::ReportContent& content, int copies) {
    printer.setDocName(content.title);
    printer.setCopyCount(std::max(1, copies));
    printer.setFullPage(false);
}

}  // namespace

VERITOM_REPORT_EXPORT int Print(const VeritomReportMap* map, const char* registryKeyPath,
                                int mapLayout, int showPrintDialog, int copies, const char* title) {
    if (!HasWidgets()) {
        return VERITOM_REPORT_NO_APPLICATION;
    }
    const auto content = ContentOf(map, mapLayout, registryKeyPath, title);
    if (!content) {
        return VERITOM_REPORT_BAD_ARGUMENTS;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrepareDocument(printer, *content, copies);
    if (showPrintDialog) {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        dialog.setObjectName(QStringLiteral("reportPrintDialog"));
        dialog.setWindowTitle(content->title);
        if (dialog.exec() != QDialog::Accepted) {
            return VERITOM_REPORT_CANCELLED;
        }
    } else if (QPrinterInfo::availablePrinters().isEmpty()) {
        return VERITOM_REPORT_NO_PRINTER;
    }
    return report::RenderReport(*content, printer) ? VERITOM_REPORT_DONE
                                                   : VERITOM_REPORT_OUTPUT_FAILED;
}

VERITOM_REPORT_EXPORT int PrintPreview(const VeritomReportMap* map, const char* registryKeyPath,
                                       int mapLayout, int copies, const char* title) {
    if (!HasWidgets()) {
        return VERITOM_REPORT_NO_APPLICATION;
    }
    const auto content = ContentOf(map, mapLayout, registryKeyPath, title);
    if (!content) {
        return VERITOM_REPORT_BAD_ARGUMENTS;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrepareDocument(printer, *content, copies);
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    preview.setObjectName(QStringLiteral("reportPreview"));
    preview.setWindowTitle(content->title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&content](QPrinter* target) { report::RenderReport(*content, *target); });
    preview.resize(900, 1000);
    preview.exec();
    return VERITOM_REPORT_DONE;
}

VERITOM_REPORT_EXPORT int PrintToFile(const VeritomReportMap* map, const char* registryKeyPath,
                                      int mapLayout, const char* title, const char* pdfPath) {
    const CallApplication application;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return VERITOM_REPORT_NO_APPLICATION;
    }
    const auto content = ContentOf(map, mapLayout, registryKeyPath, title);
    if (!content || !pdfPath || !*pdfPath) {
        return VERITOM_REPORT_BAD_ARGUMENTS;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrepareDocument(printer, *content, 1);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromUtf8(pdfPath));
    return report::RenderReport(*content, printer) ? VERITOM_REPORT_DONE
                                                   : VERITOM_REPORT_OUTPUT_FAILED;
}

static_assert(std::is_same_v<decltype(&Print), VeritomReportPrintFunction>);
static_assert(std::is_same_v<decltype(&PrintPreview), VeritomReportPreviewFunction>);
static_assert(std::is_same_v<decltype(&PrintToFile), VeritomReportPrintToFileFunction>);
