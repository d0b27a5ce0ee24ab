#pragma once
// The lesson choice popups ("Поставить урок"): for a class cell the class's lessons,
// for a teacher cell the teacher's, on tabs by where their hours stand now, each with
// how many hours fit at the chosen place and, when it cannot be placed, why. Built by
// ManualPlacement::OpenChoice; nothing in the variant changes until a row is placed.
#include <string>
#include <vector>

#include "ManualCell.h"

namespace lovaris {

// A row's state; a row whose state is not Placeable is grey and cannot be placed.
enum class ChoiceState : int {
    Placeable = 0,
    InClean = 1,     // "Такой урок уже есть в расписании."
    InDraft = 2,     // "Такой урок уже есть в черновике."
    OwnBusy = 3,     // "Класс занят." / "Учитель занят."
    LinkBusy = 4,    // "Один из учителей или классов связки занят." (teacher popup: classes first)
    Forbidden = 5,   // "Проведение урока в эти часы запрещено."
};

// Tab keys: 0 the unplaced blocks ("Общие"), 1..6 a day; the selected day's key is
// the tab "Черновик".
inline constexpr int kChoiceCommonKey = 0;

struct ChoiceEntry {
    int key = 0;          // the tab it stands on
    int klass = -1;       // the class lesson that is placed
    int lesson = -1;
    int teacherCopy = -1; // teacher popup: the teacher's lesson copy, else -1
    int fit = 0;          // M: hours from the position at which the whole link set is free
    std::vector<int> sizes;  // distinct block sizes, in spread order
    int selected = 0;        // index in `sizes`
    int today = 0;           // 1 clean hours today, 2 draft hours today, else 0
    int fixedState = 0;      // 1 or 2 when fixed at building, else 0
    int firstClosed = 0;     // the first hour from the position closed for the lesson, 0 none
    std::string subjectText; // the "Предмет" column

    int size() const { return sizes.empty() ? 0 : sizes[static_cast<std::size_t>(selected)]; }
};

struct ChoiceTab {
    int key = 0;
    std::string caption;  // "Черновик", "Общие", "Понедельник" .. "Суббота"
    std::vector<ChoiceEntry> entries;
};

struct LessonChoice {
    ManualCell cell;   // the clicked cell; cell.draft: draft mode
    int position = 0;  // a: the lesson number, or the first free draft position
    int freeRun = 0;   // F: free positions of the class (teacher) from `position`
    std::vector<ChoiceTab> tabs;  // only tabs with entries; none: the popup stays hidden

    bool shown() const { return !tabs.empty(); }
    bool teacherPopup() const { return cell.side == ManualSide::Teacher; }

    // The row's state with its selected size (states 1 and 2 were fixed at building).
    ChoiceState State(const ChoiceEntry& entry) const;
    // The status bar's text for the row; empty for a placeable row.
    std::string StatusText(const ChoiceEntry& entry) const;
    // The "Часы" text: the selected size.
    static std::string HoursText(const ChoiceEntry& entry);
    // The spin editor of a row on "Общие": from the first size to the last.
    static int MinSize(const ChoiceEntry& entry);
    static int MaxSize(const ChoiceEntry& entry);
    // Steps the selected size up (+1) or down (-1) through the row's sizes; false
    // when it stays (no next size, or below the first).
    bool StepSize(int tab, int row, int step);
    ChoiceEntry* entry(int tab, int row);
    const ChoiceEntry* entry(int tab, int row) const;
};

}  // namespace lovaris
