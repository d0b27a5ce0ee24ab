#pragma once
// What `lovaris --help` prints and the desktop program's manual page says.
#include <string_view>

namespace lovaris {

inline constexpr std::string_view kProgramSynopsis = "[FILE.tbl | VARIANT.rsp]";

inline constexpr std::string_view kProgramUsage =
    "Usage: lovaris [FILE.tbl | VARIANT.rsp]\n"
    "\n"
    "Ловарис, the workstation on which a school's planner builds the weekly\n"
    "timetable and keeps it in use through the year, in Russian.\n"
    "The planner enters the school's data (rooms, subjects, classes, teachers and\n"
    "the lessons of the curriculum) into a project file FILE.tbl, checks it, plans\n"
    "timetable variants VARIANT.rsp day by day (by hand, by the week variant\n"
    "search, by the optimisation and by room assignment, or the whole week at once\n"
    "with \"Планирование недели\"), keeps the journal of teacher absences and\n"
    "substitutions, and prints timetables and load tables.\n"
    "\n"
    "FILE.tbl       opens the project.\n"
    "VARIANT.rsp    opens the project of the variant (the only .tbl file in the\n"
    "               variant's folder, else the one the planner picks) and plans on\n"
    "               the variant.\n"
    "-h, --help     prints this text.\n"
    "\n"
    "New projects are proposed, and the journal archive zarch.sys is kept, beside\n"
    "the program when its folder may be written, else in ~/.local/share/lovaris.\n"
    "The same work without a window: lovaris-cli(1).\n";

}  // namespace lovaris
