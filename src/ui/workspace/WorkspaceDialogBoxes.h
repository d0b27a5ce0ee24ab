#pragma once
// The planning window's answers to what its commands ask: the message box
// "Предупреждение" and the variant file dialogs. Tests replace the file dialog.
#include <QString>
#include <functional>

#include "core/workspace/WorkspaceDialogs.h"

class QWidget;

namespace lovaris::ui {

class WorkspaceDialogBoxes : public WorkspaceDialogs {
public:
    // Given the request, the chosen file's full name or an empty text for "Отмена".
    using FileChooser = std::function<QString(const FileDialogRequest& request)>;

    explicit WorkspaceDialogBoxes(QWidget* owner) : owner_(owner) {}
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    void ShowMessage(const std::string& text) override;
    SaveAnswer AskSave(const std::string& question) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;

private:
    QWidget* owner_;
    FileChooser chooser_;
};

}  // namespace lovaris::ui
