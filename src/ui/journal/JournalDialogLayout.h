#pragma once
// The layout the absent-teacher and substitute dialogs share: labelled lists side
// by side (an optional line above them), and "Да", "Отмена", "Справка" below.
#include <initializer_list>
#include <utility>

#include "core/common/JournalTexts.h"

class QDialog;
class QLayout;
class QWidget;

namespace lovaris::ui {

using LabelledList = std::pair<JournalText, QWidget*>;

void LayOutListsDialog(QDialog* dialog, std::initializer_list<LabelledList> lists, QLayout* above);

}  // namespace lovaris::ui
