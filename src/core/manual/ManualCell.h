#pragma once
// Where a manual action happens: a cell of one of the four lesson grids, named by
// the class or teacher, the day and the lesson number (draft grids: the position in
// the draft). The workspace's views work on the selected day; the details window on
// any day of the week.
namespace lovaris {

enum class ManualSide { Klass, Teacher };

struct ManualCell {
    ManualSide side = ManualSide::Klass;
    bool draft = false;  // a draft grid: `number` is a draft position
    int entity = -1;     // class or teacher index
    int day = 0;         // 1..6
    int number = 0;      // lesson number or draft position, from 1
    bool operator==(const ManualCell&) const = default;
};

// The four popup menus and what each item is at a cell. The details window's
// clean-grid menus have no "Назначить кабинет": they leave `setRoom` unused.
enum class ManualMenu { Klass, Teacher, DraftKlass, DraftTeacher };

struct ManualMenuState {
    bool opens = false;  // false: no menu at all on this cell
    bool setLesson = false;  // "Поставить урок"
    bool toDraft = false;    // "Перенести в черновик"
    bool takeOff = false;    // "Снять урок"
    bool setRoom = false;    // "Назначить кабинет"
    bool operator==(const ManualMenuState&) const = default;
};

// The lesson a cell names, in the class in which it stands; klass -1 when none.
struct CellLesson {
    int klass = -1;
    int lesson = -1;       // index in the class's lesson list
    int number = 0;        // its lesson number (clean) or draft position in that class
    bool found() const { return klass >= 0; }
};

}  // namespace lovaris
