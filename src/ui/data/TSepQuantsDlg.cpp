#include "TSepQuantsDlg.h"

#include <QListWidget>
#include <QPushButton>

#include "LessonDialogButtons.h"
#include "core/data/LessonSeparatedHours.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TSepQuantsDlg::TSepQuantsDlg(TLessonItem& lesson, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      lesson_(lesson) {
    setWindowTitle(Res(LessonText::SepDialogCaption));
    setProperty("helpContext", 303);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("hoursList"));
    const auto spread = lesson_.spread();
    const auto checked = SeparatedHoursChecks(lesson_);
    for (std::size_t i = 0; i < spread.size(); ++i) {
        auto* item = new QListWidgetItem(QString::number(spread[i]), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(checked[i] ? Qt::Checked : Qt::Unchecked);
    }
    if (list_->count() > 0) list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);  // for the keyboard

    auto* yes = MakeLessonDialogButton(this, "yesButton", LessonText::SepDialogYes, LessonText::SepDialogYesHint, 422);
    yes->setDefault(true);
    auto* cancel = MakeLessonDialogButton(this, "cancelButton", LessonText::SepDialogCancel,
                                          LessonText::SepDialogCancelHint, 423);
    auto* help = MakeLessonDialogButton(this, "helpButton", LessonText::SepDialogHelp,
                                        LessonText::SepDialogHelpHint, 424);
    connect(yes, &QPushButton::clicked, this, &TSepQuantsDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, 303); });

    LayOutLessonDialog(this, list_, {yes, cancel, help});
    resize(280, 200);
}

std::vector<bool> TSepQuantsDlg::checks() const {
    std::vector<bool> result;
    for (int i = 0; i < list_->count(); ++i) result.push_back(list_->item(i)->checkState() == Qt::Checked);
    return result;
}

void TSepQuantsDlg::confirm() {
    if (const auto refused = ApplySeparatedHoursChecks(lesson_, checks())) {
        ShowMessageId(this, *refused);
        return;  // the user may take marks off and confirm again
    }
    accept();
}

}  // namespace lovaris::ui
