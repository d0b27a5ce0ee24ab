#include "ProjectDocument.h"

#include "../common/FileIO.h"
#include "../common/MessageFormat.h"
#include "../common/StringTable.h"
#include "ProjectFile.h"

namespace lovaris {

FileOutcome ProjectDocument::writeFile(const std::string& fileName, const Project& project) {
    switch (WriteFileLocked(fileName, SerializeProject(project), lock_)) {
    case LockedWrite::Written:
        if (locking_ == ProjectLocking::WhileWriting) lock_.Release();
        return FileOutcome::success();
    case LockedWrite::HeldElsewhere: {
        FileOutcome refused = FileOutcome::failure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(fileName)));
        refused.heldElsewhere = true;
        return refused;
    }
    case LockedWrite::Failed:
        break;
    }
    return FileOutcome::failure(FormatMessage(TextId::FileWriteError, FileNameWithoutFolder(fileName)));
}

FileOutcome ProjectDocument::CreateNew(const std::string& fileName) {
    Project fresh;
    if (FileOutcome written = writeFile(fileName, fresh); !written.ok) return written;
    fileName_ = fileName;
    project_ = std::move(fresh);
    project_.refreshSectionHeaders();
    modified_ = true;
    return FileOutcome::success();
}

FileOutcome ProjectDocument::Open(const std::string& fileName) {
    const auto cannotOpen = [&fileName] {
        return FileOutcome::failure(FormatMessage(TextId::FileOpenError, FileNameWithoutFolder(fileName)));
    };
    std::optional<FileLock> held;
    if (locking_ == ProjectLocking::WhileOpen && !lock_.Covers(fileName)) {
        held = FileLock::Take(fileName);
        if (!held) {
            FileOutcome refused = cannotOpen();
            refused.heldElsewhere = true;
            return refused;
        }
    }
    const auto bytes = ReadWholeFile(fileName);
    if (!bytes) return cannotOpen();
    auto loaded = ParseProject(*bytes);
    if (!loaded)
        return FileOutcome::failure(FormatMessage(TextId::FileFormatUnknown, FileNameWithoutFolder(fileName)));
    if (held) lock_ = std::move(*held);
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
    if (FileOutcome written = writeFile(fileName_, project_); !written.ok) return written;
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
