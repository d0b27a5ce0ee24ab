#pragma once
// Writing the exports: each file written safely, nothing written when the export is
// refused. The tool and the program's export dialog both go through these.
#include <string>

#include "../data/ProjectDocument.h"
#include "ICalExport.h"
#include "TimetableWeek.h"

namespace lovaris {

// The pages and the stylesheet into `folder`, made when missing; the message says how
// many files were written.
FileOutcome WriteHtmlExport(const TimetableWeek& week, const std::string& variantComment, const std::string& folder);
FileOutcome WriteCsvExport(const TimetableWeek& week, const std::string& path);
// Refused (nothing written) when the request cannot be met: no bell for a lesson, a term
// that ends before it begins.
FileOutcome WriteICalExport(const TimetableWeek& week, const ICalRequest& request, const std::string& path);

}  // namespace lovaris
