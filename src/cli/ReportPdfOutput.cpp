#include "ReportPdfOutput.h"

#ifdef LOVARIS_CLI_PDF
#include <QApplication>

#include <cstdio>

#include "render/ReportRenderer.h"
#endif

namespace lovaris::cli {

#ifdef LOVARIS_CLI_PDF

bool CanWriteReportPdf() { return true; }

std::string WriteReportPdfFile(const Report& report, const std::string& path) {
    // Charts are graphics widgets: they need an application, which needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the environment (no runtime folder, fonts) are no concern of a
    // report: the tool says itself when the file cannot be written.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    int argc = 1;
    char name[] = "lovaris-cli";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QString error;
    if (WriteReportPdf(report, QString::fromStdString(path), &error)) return {};
    return error.isEmpty() ? std::string("cannot write ") + path : error.toStdString();
}

#else

bool CanWriteReportPdf() { return false; }

std::string WriteReportPdfFile(const Report&, const std::string&) {
    return "this lovaris-cli was built without Qt and writes no PDF; use --text";
}

#endif

}  // namespace lovaris::cli
