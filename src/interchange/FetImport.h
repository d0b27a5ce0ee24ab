#pragma once
// A school from FET made into a project: days and hours, students as classes,
// subjects, teachers, rooms, activities as lessons, and the availability and room
// constraints the project can hold. What it cannot hold is counted in the report.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

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

struct FetImportResult {
    std::optional<Project> project;
    FetImportReport report;
    std::string error;  // set when refused
};

FetImportResult ImportFetSchool(const FetSchool& school);
// Reads the file's bytes and imports them.
FetImportResult ImportFet(std::span<const std::uint8_t> bytes);

}  // namespace lovaris::interchange
