#pragma once
// The buttons of the engine's dialogs: caption and hint from the string table, an
// object name for tests, and the row they stand in at the foot of a dialog.
#include <QPushButton>
#include <initializer_list>

#include "core/common/EngineDialogTexts.h"

class QBoxLayout;
class QDialog;

namespace lovaris::ui {

QPushButton* MakeEngineButton(QWidget* parent, const char* objectName, EngineDialogText caption,
                              EngineDialogText hint);
// "Справка" ("Справка по диалогу"), opening the dialog's help topic.
QPushButton* MakeEngineHelpButton(QWidget* dialog, int topic);
// The buttons in a row on the right.
QBoxLayout* EngineButtonRow(std::initializer_list<QPushButton*> buttons);
// A dialog that only shows: its pages above "Закрыть" ("Закрыть диалог") and "Справка".
void LayOutShowingDialog(QDialog* dialog, QWidget* pages, int helpTopic);

}  // namespace lovaris::ui
