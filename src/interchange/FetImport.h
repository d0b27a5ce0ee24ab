#pragma once
// A school from FET made into a project: days and hours, students as classes,
// subjects, teachers, rooms, activities as lessons, and the availability and room
// constraints the project can hold. What it cannot hold is counted in the report.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/data/Project.h"
#include "FetSchool.h"

namespace lovaris::interchange {

struct FetImportReport {
    int days = 0;
    int hours = 0;
    int activities = 0;
    std::map<std::string, int> classLevels;  // "groups" -> how many years have their groups as classes
    // What the project could not hold, and how often: "activities without students: dropped".
    std::map<std::string, int> notExpressed;

    int notExpressedTotal() const;
    // The report as lines of text, the project's counts first.
    std::string text(const Project& project) const;
};

// Where the hours of activities went: the lesson, in the first class it is taught to,
// whose blocks carry them, and the subgroups they are there. The activities of one split
// share `split`, the ID of the activity met first; a split's lessons together hold all
// their hours, a block of one possibly holding two of its activities one after the other.
struct FetActivityPlace {
    int split = 0;
    std::vector<int> activities;
    std::int32_t lessonId = -1;
    std::vector<int> subgroups;
};

struct FetImportResult {
    std::optional<Project> project;
    FetImportReport report;
    std::string error;  // set when refused
    std::vector<FetActivityPlace> places;
    std::map<std::int32_t, std::string> fetRooms;  // room ID -> the room's name in the FET file
    // The busy slots FET lets an activity start at, where it binds them at any cost.
    std::map<int, std::set<int>> preferredStarts;
    // Teachers' duties without students that FET fixes at one start: held as their
    // teachers' busy hours (and their room's), not as lessons.
    std::set<int> fixedDuties;
};

FetImportResult ImportFetSchool(const FetSchool& school);
// Reads the file's bytes and imports them.
FetImportResult ImportFet(std::span<const std::uint8_t> bytes);

}  // namespace lovaris::interchange
