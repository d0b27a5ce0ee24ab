#pragma once
// Texts of the lesson dialogs' rows: record names, the record number and yes/no.
#include <cstdint>
#include <string>

#include "Project.h"

namespace lovaris {

// The class's display name; the placeholder for -1 or an ID that names no class.
std::string ClassRowText(const TKlassesCollection& klasses, std::int32_t id);
// The display name; "------" for -1, the placeholder for an ID that names no record.
std::string SubjectRowText(const TSubjectsCollection& subjects, std::int32_t id);
std::string TeacherRowText(const TTeachersCollection& teachers, std::int32_t id);

// "3" for a lesson with one subgroup, "3.2" for its second subgroup otherwise.
std::string RecordNumberText(int number, int subgroup, int subgroupCount);

std::string YesNoText(bool yes);

}  // namespace lovaris
