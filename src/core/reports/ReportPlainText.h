#pragma once
// A report as plain text, page by page: each band's cells joined by " | ", a cell of
// several lines spread over as many lines, a chart as its points.
#include <string>

#include "Report.h"

namespace lovaris {

std::string ReportPlainText(const Report& report);

}  // namespace lovaris
