#include "TMoveRecDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TMoveRecDlg::TMoveRecDlg(QWidget* parent, const QStringList& names)
    : RecordChoiceDlg(parent, EditorText::MoveDialogYesHint, EditorText::MoveDialogCancelHint) {
    setWindowTitle(Res(EditorText::MoveDialogCaption));
    auto* label = new QLabel(Res(EditorText::MoveDialogLabel), this);
    label->setBuddy(list());
    column()->insertWidget(0, label);
    setNames(names);
}

int TMoveRecDlg::choose(QWidget* parent, const QStringList& names) {
    TMoveRecDlg dlg(parent, names);
    return dlg.run();
}

}  // namespace lovaris::ui
