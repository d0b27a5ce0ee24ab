#include "ExportFiles.h"

#include <filesystem>
#include <span>

#include "../common/FileIO.h"
#include "../common/MessageFormat.h"
#include "CsvExport.h"
#include "HtmlExport.h"

namespace lovaris {
namespace {

FileOutcome WriteText(const std::string& path, const std::string& text) {
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (WriteFileAtomically(path, bytes)) return FileOutcome::success();
    return FileOutcome::failure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(path)));
}

}  // namespace

FileOutcome WriteHtmlExport(const TimetableWeek& week, const std::string& variantComment, const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return FileOutcome::failure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(folder)));
    const auto files = TimetableHtml(week, variantComment);
    for (const auto& file : files)
        if (auto outcome = WriteText((std::filesystem::path(folder) / file.name).string(), file.content); !outcome.ok)
            return outcome;
    return {true, std::to_string(files.size()) + " files written to " + folder};
}

FileOutcome WriteCsvExport(const TimetableWeek& week, const std::string& path) {
    return WriteText(path, TimetableCsv(week));
}

FileOutcome WriteICalExport(const TimetableWeek& week, const ICalRequest& request, const std::string& path) {
    const ICalResult calendar = TimetableICal(week, request);
    if (!calendar.error.empty()) return FileOutcome::failure(calendar.error);
    return WriteText(path, calendar.text);
}

}  // namespace lovaris
