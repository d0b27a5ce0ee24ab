#include "ProjectDocument.h"

#include "../common/FileIO.h"
#include "../common/MessageFormat.h"
#include "../common/StringTable.h"
#include "ProjectFile.h"

namespace lovaris {

FileOutcome ProjectDocument::CreateNew(const std::string& fileName) {
    Project fresh;
    if (!WriteFileAtomically(fileName, SerializeProject(fresh)))
        return FileOutcome::failure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(fileName)));
    fileName_ = fileName;
    project_ = std::move(fresh);
    project_.refreshSectionHeaders();
    modified_ = true;
    return FileOutcome::success();
}

FileOutcome ProjectDocument::Open(const std::string& fileName) {
    const auto bytes = ReadWholeFile(fileName);
    if (!bytes) return FileOutcome::failure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(fileName)));
    auto loaded = ParseProject(*bytes);
    if (!loaded)
        return FileOutcome::failure(FormatMessage(TextId::FileFormatUnknown, FileNameWithoutFolder(fileName)));
    fileName_ = fileName;
    project_ = std::move(*loaded);
    modified_ = false;
    return FileOutcome::success();
}

void ProjectDocument::Adopt(Project project, const std::string& fileName) {
    project_ = std::move(project);
    fileName_ = fileName;
    modified_ = true;
}

FileOutcome ProjectDocument::Save() {
    project_.refreshSectionHeaders();
    if (!WriteFileAtomically(fileName_, SerializeProject(project_)))
        return FileOutcome::failure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(fileName_)));
    modified_ = false;
    return FileOutcome::success();
}

FileOutcome ProjectDocument::SaveAs(const std::string& fileName) {
    const std::string previous = fileName_;
    fileName_ = fileName;
    auto outcome = Save();
    if (!outcome.ok) fileName_ = previous;
    return outcome;
}

std::string ProjectDocument::caption() const {
    std::string text = LoadResText(TextId::AppTitle) + ": " + ProjectDisplayName(fileName_);
    if (modified_) text += LoadResText(TextId::ModifiedMark);
    return text;
}

void ProjectDocument::SetEditorState(EditorKind kind, std::int32_t state) {
    auto& stored = project_.params.windowState(kind);
    if (stored == state) return;
    stored = state;
    modified_ = true;
}

}  // namespace lovaris
