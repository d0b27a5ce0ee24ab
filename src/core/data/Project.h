#pragma once
// One school's data: the parameters and the five record collections.
#include "ProjectParams.h"
#include "TKlassItem.h"
#include "TLessonItem.h"
#include "TRoomItem.h"
#include "TSubjectItem.h"
#include "TTeacherItem.h"

namespace lovaris {

struct Project {
    ProjectParams params;
    TRoomsCollection rooms;
    TSubjectsCollection subjects;
    TKlassesCollection klasses;
    TTeachersCollection teachers;
    TLessonsCollection lessons;

    // Copies the counts, nextIds and the lessons' byte size into the section headers.
    void refreshSectionHeaders();
    bool operator==(const Project&) const = default;
};

}  // namespace lovaris
