#pragma once
// What the journal's windows share: buttons with their caption and hint from the
// string table, the date editors in "dd.MM.yyyy" whatever the locale, and the
// conversion between their dates and the journal's serial dates.
#include <QDate>
#include <QPushButton>

#include "core/common/JournalTexts.h"
#include "core/journal/JournalDate.h"

class QDateEdit;
class QDialog;

namespace lovaris::ui {

// The journal's help topic: the window, its dialogs and the summary.
inline constexpr int kJournalHelpTopic = 600;

QDate DateOfSerial(SerialDate date);
SerialDate SerialOfDate(const QDate& date);
SerialDate TodaySerial();

QPushButton* MakeJournalButton(QWidget* parent, const char* objectName, JournalText caption, JournalText hint);
// "Справка" ("Справка по диалогу"), opening the journal's help topic.
QPushButton* MakeJournalHelpButton(QWidget* dialog);
// A date editor with a calendar, limited to the journal's dates.
QDateEdit* MakeJournalDateEdit(QWidget* parent, const char* objectName, SerialDate date);

}  // namespace lovaris::ui
