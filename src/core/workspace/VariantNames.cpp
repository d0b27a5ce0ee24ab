#include "VariantNames.h"

#include <filesystem>
#include <system_error>

#include "../common/Cp1251.h"
#include "../common/DataFolder.h"
#include "../common/MessageFormat.h"
#include "../common/RunTexts.h"
#include "../common/StringTable.h"
#include "../common/WorkspaceTexts.h"

namespace lovaris {
namespace fs = std::filesystem;

std::string VariantName(std::string_view fileName) { return ProjectDisplayName(fileName); }

std::string VariantCaption(std::string_view fileName, bool modified) {
    return VariantName(fileName) + (modified ? LoadResText(TextId::ModifiedMark) : std::string());
}

std::string DayListText(int day) { return utf8CapitaliseFirst(WeekdayLongName(day)); }

std::string NewVariantFileName(const std::string& programFolder) {
    fs::path folder = fs::path(DataFolder(programFolder));
    const fs::path variants = folder / LoadResText(WorkspaceText::VariantFolderName);
    std::error_code ec;
    if (fs::is_directory(variants, ec)) folder = variants;
    return (folder / (LoadResText(WorkspaceText::NewVariantName) + "." + LoadResText(WorkspaceText::VariantExtension)))
        .string();
}

std::string VariantFileBeside(const std::string& fileName, std::string_view name) {
    const std::string file = std::string(name) + "." + LoadResText(WorkspaceText::VariantExtension);
    return (fs::path(fileName).parent_path() / file).string();
}

std::string AutoSaveVariantName(int day, int count, bool duringRun) {
    std::string name = DayListText(day);
    if (duringRun) name += LoadResText(RunText::OptimisedVariantMark);
    return name + "_" + std::to_string(count);
}

bool SameVariantFile(const std::string& a, const std::string& b) {
    if (utf8Lower(a) == utf8Lower(b)) return true;
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace lovaris
