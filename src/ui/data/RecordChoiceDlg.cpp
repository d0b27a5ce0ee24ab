#include "RecordChoiceDlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

RecordChoiceDlg::RecordChoiceDlg(QWidget* parent, EditorText yesHint, EditorText cancelHint) : QDialog(parent) {
    setProperty("helpContext", kHelpTopic);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("recordList"));
    list_->setProperty("helpContext", 421);

    auto* yes = new QPushButton(Res(EditorText::MoveDialogYes), this);
    yes->setObjectName(QStringLiteral("yesButton"));
    yes->setToolTip(Res(yesHint));
    yes->setProperty("helpContext", 422);
    yes->setDefault(true);
    auto* cancel = new QPushButton(Res(EditorText::MoveDialogCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setToolTip(Res(cancelHint));
    cancel->setProperty("helpContext", 423);
    help_ = new QPushButton(Res(EditorText::HelpCaption), this);
    help_->setObjectName(QStringLiteral("helpButton"));
    help_->setToolTip(Res(EditorText::HelpHint));
    help_->setProperty("helpContext", 424);

    connect(yes, &QPushButton::clicked, this, &RecordChoiceDlg::confirm);
    connect(list_, &QListWidget::itemDoubleClicked, this, &RecordChoiceDlg::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kHelpTopic); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(cancel);
    buttons->addWidget(help_);
    column_ = new QVBoxLayout(this);
    column_->addWidget(list_, 1);
    column_->addLayout(buttons);
    resize(320, 360);
}

void RecordChoiceDlg::setNames(const QStringList& names) {
    list_->clear();
    list_->addItems(names);
    if (list_->count() > 0) list_->setCurrentRow(0);
}

void RecordChoiceDlg::confirm() {
    const int row = list_->currentRow();
    if (row < 0) return;  // with nothing chosen the dialog stays open
    chosen_ = row + 1;
    accept();
}

int RecordChoiceDlg::run() {
    chosen_ = -1;
    return exec() == QDialog::Accepted ? chosen_ : -1;
}

}  // namespace lovaris::ui
