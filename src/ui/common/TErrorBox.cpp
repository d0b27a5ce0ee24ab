#include "TErrorBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/common/ShellTexts.h"

namespace lovaris::ui {

TErrorBox::TErrorBox(QWidget* owner, const QString& text, int buttons) : QDialog(owner) {
    setWindowTitle(Res(ShellText::MessageBoxCaption));
    setObjectName(QStringLiteral("TErrorBox"));
    setProperty("helpContext", 14);
    // No close box: the box closes only through its own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("messageText"));
    label->setWordWrap(true);
    label->setMinimumWidth(320);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(8);
    top->addWidget(label, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addStretch();
    auto addButton = [&](const char* objectName, const QString& caption, const QString& hint, int result) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(objectName));
        b->setToolTip(hint);
        connect(b, &QPushButton::clicked, this, [this, result] { finishWith(result); });
        row->addWidget(b);
        return b;
    };
    auto* yes = addButton("yesButton", Res(TextId::Yes), Res(ShellText::YesHint), kResultYes);
    yes->setDefault(true);
    yes->setAutoDefault(true);
    if (buttons == kButtonsYesNo || buttons == kButtonsYesNoCancel)
        addButton("noButton", Res(TextId::No), Res(ShellText::NoHint), kResultNo);
    if (buttons == kButtonsYesNoCancel)
        addButton("cancelButton", Res(TextId::Cancel), Res(ShellText::CancelHint), kResultCancel);
    row->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    yes->setFocus();
}

void TErrorBox::finishWith(int result) {
    result_ = result;
    done(result);
}

void TErrorBox::reject() {}

int ShowMessageText(QWidget* owner, const QString& text, int buttons) {
    TErrorBox box(owner, text, buttons);
    box.exec();
    return box.result();
}

int ShowMessageId(QWidget* owner, TextId id, int buttons) { return ShowMessageText(owner, Res(id), buttons); }

}  // namespace lovaris::ui
