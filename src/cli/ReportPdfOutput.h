#pragma once
// Writing a report as PDF through the desktop program's page painter, on the
// offscreen platform; a tool built without Qt cannot.
#include <string>

#include "core/reports/Report.h"

namespace lovaris::cli {

bool CanWriteReportPdf();
// Empty on success, else why the file could not be written.
std::string WriteReportPdfFile(const Report& report, const std::string& path);

}  // namespace lovaris::cli
