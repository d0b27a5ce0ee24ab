#pragma once
// A FET school as read from its file, before it is mapped onto a project: names
// are UTF-8 as FET wrote them, days and hours 0-based.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace lovaris::interchange {

struct FetTime {
    int day = 0;
    int hour = 0;
    bool operator<(const FetTime& o) const { return day != o.day ? day < o.day : hour < o.hour; }
    bool operator==(const FetTime&) const = default;
};

enum class FetLevel { Year = 0, Group = 1, Subgroup = 2 };

// A year, group or subgroup. A group or subgroup of the same name met again under
// another parent is the same set; it keeps the first parent.
struct FetStudentsSet {
    std::string name;
    int students = 0;
    FetLevel level = FetLevel::Year;
    int parent = -1;  // index of the year or group it was first met under
    std::vector<int> children;
    // Every set listed under it, those first met elsewhere too: a subgroup of two
    // divisions stands under a group of each. Its pupils are theirs.
    std::vector<int> members;
};

struct FetActivity {
    int id = 0;
    int groupId = 0;  // 0: not split
    std::vector<std::string> teachers;
    std::string subject;
    std::vector<std::string> students;
    std::vector<std::string> tags;
    int duration = 1;
    bool active = true;
};

struct FetRoom {
    std::string name;
    int capacity = 0;
    bool isVirtual = false;
};

// The constraints the import maps onto the project; any other kind is only counted.
struct FetConstraint {
    std::string kind;  // the element name, "ConstraintTeacherNotAvailableTimes"
    bool active = true;
    double weight = 100;
    std::string teacher, students, room, subject;
    std::vector<std::string> rooms;  // preferred or home rooms
    std::vector<FetTime> times;      // not available, break or preferred times (-1: any day or hour)
    std::vector<int> activities;     // activities that start at the same time, or a day apart
    // The activities a constraint on several binds: those of this teacher, students set,
    // subject, tag and duration, where given.
    std::string tag;
    int duration = 0;
    int maxDays = 0;  // the most days a week a teacher teaches
};

struct FetSchool {
    std::string institution;
    std::vector<std::string> days, hours, subjects, teachers;
    std::vector<FetStudentsSet> students;
    std::vector<FetActivity> activities;
    std::vector<FetRoom> rooms;
    std::vector<FetConstraint> constraints;
    // Activities FET keeps days apart at any cost: no two of them on one day.
    std::set<int> apartEveryDay;
    std::map<std::string, int> otherConstraints;  // kind -> how many, active or not
    int inactiveConstraints = 0;
    int repeatedNames = 0;  // entries listed again under a name already listed
};

}  // namespace lovaris::interchange
