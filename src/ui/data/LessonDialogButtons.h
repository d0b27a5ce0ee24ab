#pragma once
// The buttons and the layout the lesson dialogs share: caption, hint and help topic from the
// string table, an object name for tests, and the dialog's help request.
#include <QPushButton>
#include <initializer_list>

class QDialog;

#include "core/common/LessonTexts.h"

namespace lovaris::ui {

QPushButton* MakeLessonDialogButton(QWidget* parent, const char* objectName, LessonText caption, LessonText hint,
                                    int helpContext);
QPushButton* MakeLessonDialogButton(QWidget* parent, const char* objectName, LessonText caption, int helpContext);

// The list above, the buttons in a row below it on the right.
void LayOutLessonDialog(QDialog* dialog, QWidget* list, std::initializer_list<QPushButton*> buttons);

}  // namespace lovaris::ui
