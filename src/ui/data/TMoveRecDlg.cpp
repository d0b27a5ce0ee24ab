#include "TMoveRecDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app/TErrorBox.h"
#include "core/common/EditorTexts.h"

namespace lovaris::ui {

TMoveRecDlg::TMoveRecDlg(QWidget* parent, const QStringList& names) : QDialog(parent) {
    setWindowTitle(Res(EditorText::MoveDialogCaption));
    setProperty("helpContext", 18);
    auto* label = new QLabel(Res(EditorText::MoveDialogLabel), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("recordList"));
    list_->setProperty("helpContext", 421);
    list_->addItems(names);
    if (list_->count() > 0) list_->setCurrentRow(0);

    auto* yes = new QPushButton(Res(EditorText::MoveDialogYes), this);
    yes->setObjectName(QStringLiteral("yesButton"));
    yes->setToolTip(Res(EditorText::MoveDialogYesHint));
    yes->setProperty("helpContext", 422);
    yes->setDefault(true);
    auto* cancel = new QPushButton(Res(EditorText::MoveDialogCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setToolTip(Res(EditorText::MoveDialogCancelHint));
    cancel->setProperty("helpContext", 423);
    auto* help = new QPushButton(Res(EditorText::HelpCaption), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setToolTip(Res(EditorText::HelpHint));
    help->setProperty("helpContext", 424);

    connect(yes, &QPushButton::clicked, this, &TMoveRecDlg::confirm);
    connect(list_, &QListWidget::itemDoubleClicked, this, &TMoveRecDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(320, 360);
}

void TMoveRecDlg::confirm() {
    const int row = list_->currentRow();
    if (row < 0) return;  // with nothing chosen the dialog stays open
    chosen_ = row + 1;
    accept();
}

int TMoveRecDlg::choose(QWidget* parent, const QStringList& names) {
    TMoveRecDlg dlg(parent, names);
    return dlg.exec() == QDialog::Accepted ? dlg.chosen() : -1;
}

}  // namespace lovaris::ui
