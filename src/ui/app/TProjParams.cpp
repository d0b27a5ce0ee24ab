#include "TProjParams.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "../common/HelpViewer.h"
#include "../common/TErrorBox.h"
#include "ui/controls/CommentMemo.h"
#include "core/common/ShellTexts.h"
#include "core/data/ParamsCheck.h"

namespace lovaris::ui {
namespace {

constexpr int kDialogHelp = 25;

// The memo keeps Windows line breaks so that a comment reads back as it was typed.
QString memoFromRecord(const std::string& text) { return Text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
std::string memoToRecord(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

}  // namespace

TProjParams::TProjParams(QWidget* owner, const QString& projectName, ProjectParams& params)
    : QDialog(owner), params_(params) {
    setObjectName(QStringLiteral("TProjParams"));
    setWindowTitle(Res(TextId::ProjectParamsTitle) + projectName);
    setProperty("helpContext", kDialogHelp);

    auto* commentLabel = new QLabel(Res(ShellText::ParamsCommentLabel), this);
    comment_ = new CommentMemo(static_cast<int>(ProjectParams::kMaxDescription), this);
    comment_->setProperty("helpContext", 405);
    commentLabel->setBuddy(comment_);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    lessonsPerDay_ = addNumberRow(grid, 0, static_cast<int>(ShellText::ParamsLessonsPerDayLabel), 401, "lessonsPerDayEdit");
    shiftStarts_ = addNumberRow(grid, 1, static_cast<int>(ShellText::ParamsShiftStartsLabel), 402, "shiftStartsEdit");
    classMin_ = addNumberRow(grid, 2, static_cast<int>(ShellText::ParamsClassMinLabel), 403, "classMinEdit");
    teacherMin_ = addNumberRow(grid, 3, static_cast<int>(ShellText::ParamsTeacherMinLabel), 404, "teacherMinEdit");
    // The class minimum is no longer offered, yet a stored value must still be valid.
    for (int column = 0; column < 2; ++column) grid->itemAtPosition(2, column)->widget()->setVisible(false);

    yesButton_ = new QPushButton(Res(TextId::Yes), this);
    yesButton_->setObjectName(QStringLiteral("yesButton"));
    yesButton_->setToolTip(Res(ShellText::ParamsConfirmHint));
    yesButton_->setProperty("helpContext", 406);
    yesButton_->setDefault(true);
    auto* cancelButton = new QPushButton(Res(TextId::Cancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setToolTip(Res(ShellText::CancelHint));
    cancelButton->setProperty("helpContext", 407);
    cancelButton->setAutoDefault(false);
    auto* helpButton = new QPushButton(Res(ShellText::DialogHelpCaption), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setToolTip(Res(ShellText::DialogHelpHint));
    helpButton->setProperty("helpContext", kDialogHelp);
    helpButton->setAutoDefault(false);
    connect(yesButton_, &QPushButton::clicked, this, &TProjParams::Confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, kDialogHelp); });
    connect(comment_, &CommentMemo::confirmed, yesButton_, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesButton_);
    buttons->addWidget(cancelButton);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commentLabel);
    layout->addWidget(comment_);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const ParamsEntry shown = ParamsEntryFrom(params_);
    comment_->setPlainText(memoFromRecord(shown.comment));
    comment_->moveCursor(QTextCursor::Start);
    lessonsPerDay_->setText(Text(shown.lessonsPerDay));
    shiftStarts_->setText(Text(shown.shiftStarts));
    classMin_->setText(Text(shown.classMinLessons));
    teacherMin_->setText(Text(shown.teacherMinLessons));
    comment_->setFocus();
}

QLineEdit* TProjParams::addNumberRow(QGridLayout* grid, int row, int labelText, int help, const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setProperty("helpContext", help);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00,00,00,00")) + 12);
    auto* label = new QLabel(Text(LoadResText(labelText)), this);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

void TProjParams::Confirm() {
    ParamsEntry entry;
    entry.comment = memoToRecord(comment_->toPlainText());
    entry.lessonsPerDay = lessonsPerDay_->text().toStdString();
    entry.shiftStarts = shiftStarts_->text().toStdString();
    entry.classMinLessons = classMin_->text().toStdString();
    entry.teacherMinLessons = teacherMin_->text().toStdString();
    if (const auto failure = ConfirmProjectParams(entry, params_)) {
        ShowMessageId(this, *failure);
        return;
    }
    accept();
}

}  // namespace lovaris::ui
