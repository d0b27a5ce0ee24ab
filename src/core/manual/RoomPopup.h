#pragma once
// The room choice popup of "Назначить кабинет": one tab per teacher of the block's
// link set ("Группа 1", "Группа 2", ...), and for each hour of the block the rooms
// that subgroup may take, led by "Отсутствует". Built by ManualPlacement; each choice
// is written at once.
#include <string>
#include <vector>

#include "../rooms/RoomChoice.h"

namespace lovaris {

struct RoomPopupTab {
    std::string caption;      // "Группа " + its number
    int teacher = -1;
    int klass = -1;           // the class of the teacher's subgroup
    int lesson = -1;          // the class lesson
    int subgroup = -1;        // from 0
    std::string teacherText;  // the "Учитель" column: the name, "-----" without one
};

// One hour of the block on one tab: the "Кабинет" list.
struct RoomPopupRow {
    int hour = 0;     // 1..hours of the block
    int number = 0;   // its lesson number on the day
    std::vector<int> rooms;          // kNoRoomChoice ("Отсутствует") first, then room indexes
    std::vector<std::string> texts;  // what the list shows for each
    int selected = 0;                // index in `rooms` of the current room
};

struct RoomPopup {
    int klass = -1;  // the class the command was given on
    int day = 0;
    int first = 0;   // p: the block's first lesson number
    int hours = 0;   // n: the block's clean hours on the day
    std::vector<RoomPopupTab> tabs;  // none: the popup stays hidden

    bool shown() const { return !tabs.empty(); }
};

}  // namespace lovaris
