#pragma once
// The find dialog's list (one row per subgroup of every lesson) and its copy command.
#include <string>
#include <vector>

#include "Project.h"

namespace lovaris {

struct LessonFindRow {
    int lessonPosition = -1;
    int subgroup = 0;  // from 0
    bool hasLinks = false;
    // Column texts: "Класс", "№ записи", "Предмет", "Часы", "Учитель", "Связки".
    std::string klass;
    std::string number;
    std::string subject;
    std::string hours;  // the weekly hours, " *" after them when hours are separated
    std::string teacher;
    std::string links;
};

struct LessonFindRows {
    std::vector<LessonFindRow> rows;
    int shownRow = -1;  // the row of the lesson and subgroup the editor shows; -1 none
};

LessonFindRows BuildLessonFindRows(const Project& project, int shownPosition, int shownSubgroup);

// Appends a copy of the lesson under the next ID with no class and returns its
// position (-1 for no such lesson). Links are copied as they are, so their
// partners do not link back to the copy.
int CopyLessonAsNew(Project& project, int position);

}  // namespace lovaris
