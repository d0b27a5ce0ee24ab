#pragma once
// What is checked before a day is optimised for a teacher group: the day holds
// lessons, the group has members, every member and every class has room for its
// clean-copy and draft lessons, and, as questions, clean-copy hours that the run
// would not accept (a partner's lesson in a shared attached room, a separated lesson
// next to its parent, a fictive group inside the class's day).
#include <string>
#include <vector>

#include "../planning/PlanningSession.h"
#include "../planning/VariantPlanning.h"

namespace lovaris {

// A yes/no question in the system's words; true for "Да".
class OptimisationQuestionSink {
public:
    virtual ~OptimisationQuestionSink() = default;
    virtual bool ask(const std::string& question) = 0;
};

// Every question answered "Нет"; the questions asked are kept.
class AnswerEveryQuestionNo : public OptimisationQuestionSink {
public:
    bool ask(const std::string& question) override {
        asked.push_back(question);
        return false;
    }
    std::vector<std::string> asked;
};

struct DayCheckOutcome {
    // Stopped: the command ends without a word (no teacher group was chosen).
    enum class Kind { Ready, Refused, Abandoned, Stopped };
    Kind kind = Kind::Ready;
    // Refused: the message to show. Abandoned: the question answered "Да".
    std::string message;
    bool ready() const { return kind == Kind::Ready; }
};

// The checks in the order the user meets them; nothing is changed.
// Before the group dialog: the selected day holds a lesson, clean copy or draft.
DayCheckOutcome CheckDayHasLessons(const TTableVarItem& variant, int day);
// The group must have members.
DayCheckOutcome CheckGroupHasMembers(const TRTITeachersCollection& teachers, int group);
// The group a dialog chose: none at all for an index beyond the teachers (the
// command ends without a word), else it must have members.
DayCheckOutcome CheckChosenGroup(const TRTITeachersCollection& teachers, int group);
// After the preparation: every member and every class has room for its clean-copy
// and draft lessons, and the clean copy's questions were answered "Нет".
DayCheckOutcome CheckDayRoomAndCleanCopy(const PlanningSession& session, VariantPlanning& variant, int group,
                                         OptimisationQuestionSink& questions);
// The day, the group's members and the room, for teacher group `group` on the
// selected day.
DayCheckOutcome CheckDayForOptimisation(const PlanningSession& session, VariantPlanning& variant, int group,
                                        OptimisationQuestionSink& questions);

}  // namespace lovaris
