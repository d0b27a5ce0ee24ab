#pragma once
// What the planning window's commands ask of the person at the window: a message,
// the three-button save question and the file dialogs. The desktop program answers
// with its message box and file dialogs, tests with a script.
#include <optional>
#include <string>

namespace lovaris {

enum class SaveAnswer { Yes, No, Cancel };  // "Да", "Нет", "Отмена"

// A file dialog for variants. A save dialog asks before overwriting, wants an
// existing folder and no read-only file.
struct FileDialogRequest {
    bool save = false;
    std::string title;             // "Сохранить вариант как" / "Открыть вариант"
    std::string filter;            // "Варианты расписаний (*.rsp)"
    std::string defaultExtension;  // "rsp"
    std::string folder;            // where the dialog starts
    std::string proposedName;      // save: the current file's name, without folder
};

class WorkspaceDialogs {
public:
    virtual ~WorkspaceDialogs() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual SaveAnswer AskSave(const std::string& question) = 0;
    // The chosen file's full name; none when the dialog was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
};

}  // namespace lovaris
