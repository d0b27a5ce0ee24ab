#include "WorkspaceDialogBoxes.h"

#include <QFileDialog>
#include <QFileInfo>

#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

void WorkspaceDialogBoxes::ShowMessage(const std::string& text) { ShowMessageText(owner_, Text(text)); }

SaveAnswer WorkspaceDialogBoxes::AskSave(const std::string& question) {
    switch (ShowMessageText(owner_, Text(question), kButtonsYesNoCancel)) {
    case kResultYes: return SaveAnswer::Yes;
    case kResultNo: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;
    }
}

std::optional<std::string> WorkspaceDialogBoxes::ChooseFile(const FileDialogRequest& request) {
    QString chosen;
    if (chooser_) {
        chosen = chooser_(request);
    } else {
        QFileDialog dialog(owner_, Text(request.title));
        dialog.setNameFilter(Text(request.filter));
        dialog.setDefaultSuffix(Text(request.defaultExtension));
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDirectory(Text(request.folder));
        if (request.save) dialog.selectFile(Text(request.proposedName));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

}  // namespace lovaris::ui
