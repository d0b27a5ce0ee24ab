#include "TSelItemDlg.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TSelItemDlg::TSelItemDlg(QWidget* parent)
    : RecordChoiceDlg(parent, EditorText::SelectDialogYesHint, EditorText::SelectDialogCancelHint) {
    setWindowTitle(Res(EditorText::SelectDialogCaption));
    shortForm_ = new QCheckBox(Res(EditorText::SelectDialogShortForm), this);
    shortForm_->setObjectName(QStringLiteral("shortFormBox"));
    column()->insertWidget(1, shortForm_);
}

bool TSelItemDlg::shortForm() const { return shortForm_->isChecked(); }

void TSelItemDlg::setTag(int tag) {
    tag_ = tag;
    if (tag == 0) return;
    helpButton()->hide();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setProperty("helpContext", 0);
    for (auto* child : findChildren<QWidget*>()) child->setProperty("helpContext", 0);
}

}  // namespace lovaris::ui
