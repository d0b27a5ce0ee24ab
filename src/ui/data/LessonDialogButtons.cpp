#include "LessonDialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

QPushButton* MakeLessonDialogButton(QWidget* parent, const char* objectName, LessonText caption, int helpContext) {
    auto* button = new QPushButton(Res(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setProperty("helpContext", helpContext);
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeLessonDialogButton(QWidget* parent, const char* objectName, LessonText caption, LessonText hint,
                                    int helpContext) {
    auto* button = MakeLessonDialogButton(parent, objectName, caption, helpContext);
    button->setToolTip(Res(hint));
    return button;
}

void LayOutLessonDialog(QDialog* dialog, QWidget* list, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (auto* button : buttons) row->addWidget(button);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list, 1);
    layout->addLayout(row);
}

}  // namespace lovaris::ui
