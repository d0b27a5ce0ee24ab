#include "StartupFile.h"

#include <QDir>
#include <QFileInfo>

#include "TPrgMdiFrame.h"

namespace lovaris::ui {
namespace {

QString ProjectOfVariant(TPrgMdiFrame& frame, const QFileInfo& variant) {
    const QDir folder = variant.absoluteDir();
    const QStringList projects = folder.entryList({QStringLiteral("*.tbl"), QStringLiteral("*.TBL")}, QDir::Files);
    if (projects.size() == 1) return folder.filePath(projects.first());
    return frame.fileChooser ? frame.fileChooser(TPrgMdiFrame::FileDialogKind::OpenProject, folder.path()) : QString();
}

}  // namespace

void OpenStartupFile(TPrgMdiFrame& frame, const QString& fileName) {
    const QFileInfo file(fileName);
    if (file.suffix().compare(QStringLiteral("rsp"), Qt::CaseInsensitive) != 0) {
        frame.OpenProjectFile(fileName);
        return;
    }
    const QString project = ProjectOfVariant(frame, file);
    if (project.isEmpty() || !frame.OpenProjectFile(project)) return;
    frame.RunMenuOnClick();
    if (frame.workspace()) frame.OpenVariant(file.absoluteFilePath());
}

}  // namespace lovaris::ui
