#pragma once
// Which FET students sets become classes. A year's classes are taken at the level
// (the year itself, its groups or its subgroups) at which its activities give the
// most hours to a set as a whole; the sets above that level cover several classes,
// the sets below it are parts of one.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FetSchool.h"

namespace lovaris::interchange {

struct FetCover {
    std::vector<int> classes;  // class indexes, in class order
    bool whole = true;         // false: the set is a part of its one class
};

// The level of a year whose divisions cross: its subgroups are its classes.
inline constexpr const char* kCrossingLevel = "subgroups, as its divisions cross";

struct FetClassLevels {
    std::vector<int> classSets;               // the students set of each class, in class order
    std::map<std::string, int> yearsByLevel;  // "years", "groups", "subgroups", kCrossingLevel -> how many years
    std::vector<FetCover> covers;             // per students set
};

// Where two divisions of a year cross (boys and girls beside language groups), a group
// of one shares pupils with each group of the other: such groups cannot be classes
// taught apart at one hour, so that year's classes are its subgroups, each group's
// activities linked lessons of the subgroups it holds.
FetClassLevels ChooseClassLevels(const FetSchool& school);

// The pupils of a students set: the sets at the bottom of what is listed under it.
std::set<int> PupilsOf(const FetSchool& school, int set);

}  // namespace lovaris::interchange
