#pragma once
// The open project: its file, its modified mark and the project data.
#include <string>

#include "../common/FileLock.h"
#include "Project.h"

namespace lovaris {

// What an operation on the project file came to; `message` is the system's text
// to show when it failed.
struct FileOutcome {
    bool ok = true;
    std::string message;
    bool heldElsewhere = false;  // another program holds the file's lock
    static FileOutcome success() { return {}; }
    static FileOutcome failure(std::string text) { return {false, std::move(text)}; }
};

// How long a document holds its file's lock: only while it writes the file (a
// command that reads, changes and saves), or for as long as the file is open (the
// desktop program, so that no second copy writes over the planner's work). Reading
// never needs the lock.
enum class ProjectLocking { WhileWriting, WhileOpen };

class ProjectDocument {
public:
    explicit ProjectDocument(ProjectLocking locking = ProjectLocking::WhileWriting) : locking_(locking) {}

    // A new project with the default parameters, written to the file at once and
    // marked modified (the parameters dialog and the first save follow).
    FileOutcome CreateNew(const std::string& fileName);
    // Reads and checks the file; on failure the document is left as it was. A file
    // another program holds is refused with the open message when the document is to
    // hold it too.
    FileOutcome Open(const std::string& fileName);
    // Writes the whole file safely; a failed save keeps the project marked modified.
    // A project made elsewhere (an import) that is to be saved as `fileName`: nothing
    // is written yet, and the document is marked modified.
    void Adopt(Project project, const std::string& fileName);
    FileOutcome Save();
    FileOutcome SaveAs(const std::string& fileName);

    const std::string& GetFileName() const { return fileName_; }
    bool modified() const { return modified_; }
    void SetModified(bool flag) { modified_ = flag; }

    // The main window's caption: АРМ "Ловарис": name[ (изменен)].
    std::string caption() const;

    // Records an editor window's shown state; a change marks the project modified.
    void SetEditorState(EditorKind kind, std::int32_t state);

    Project& project() { return project_; }
    const Project& project() const { return project_; }
    ProjectParams& params() { return project_.params; }

private:
    FileOutcome writeFile(const std::string& fileName, const Project& project);

    ProjectLocking locking_;
    FileLock lock_;
    std::string fileName_;
    bool modified_ = false;
    Project project_;
};

}  // namespace lovaris
