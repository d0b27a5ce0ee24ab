#pragma once
// The teachers who may take an absent teacher's lesson, in the order the substitute
// dialog offers them: those who teach another subgroup of the same lesson ("гр. "),
// those with a gap at that hour ("ок. "), those without lessons that day ("св. "),
// and last those whose busy mark covers the hour ("зн. "), each group in teacher order.
#include <string>
#include <vector>

#include "JournalBusyTable.h"
#include "JournalTimetable.h"

namespace lovaris {

enum class CandidateGroup { SameLesson, Gap, FreeDay, BusyMark };

struct SubstituteCandidate {
    int teacher = -1;
    CandidateGroup group = CandidateGroup::Gap;
    std::string text;  // the four-character mark, then the teacher's name
    std::string name;
    bool sameLesson() const { return group == CandidateGroup::SameLesson; }
};

// The lesson to be substituted: what the journal finds in the variant for a row.
struct SubstitutedLesson {
    int weekday = 0;
    int number = 0;  // lesson number in the day
    int absentTeacher = -1;
    JournalLesson lesson;  // the absent teacher's lesson at that hour
};

std::string CandidateMark(CandidateGroup group);

std::vector<SubstituteCandidate> SubstituteCandidates(const JournalTimetable& timetable, const JournalBusyTable& busy,
                                                      const SubstitutedLesson& substituted);

}  // namespace lovaris
