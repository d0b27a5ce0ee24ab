#pragma once
// Which FET students sets become classes. A year's classes are taken at the level
// (the year itself, its groups or its subgroups) at which its activities give the
// most hours to a set as a whole; the sets above that level cover several classes,
// the sets below it are parts of one.
#include <map>
#include <string>
#include <vector>

#include "FetSchool.h"

namespace lovaris::interchange {

struct FetCover {
    std::vector<int> classes;  // class indexes, in class order
    bool whole = true;         // false: the set is a part of its one class
};

struct FetClassLevels {
    std::vector<int> classSets;               // the students set of each class, in class order
    std::map<std::string, int> yearsByLevel;  // "years", "groups", "subgroups" -> how many years
    std::vector<FetCover> covers;             // per students set
};

FetClassLevels ChooseClassLevels(const FetSchool& school);

}  // namespace lovaris::interchange
