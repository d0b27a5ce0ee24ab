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
    enum class Kind { Ready, Refused, Abandoned };
    Kind kind = Kind::Ready;
    // Refused: the message to show. Abandoned: the question answered "Да".
    std::string message;
    bool ready() const { return kind == Kind::Ready; }
};

// The checks of the selected day for teacher group `group`, in the order the user
// meets them; nothing is changed.
DayCheckOutcome CheckDayForOptimisation(const PlanningSession& session, VariantPlanning& variant, int group,
                                        OptimisationQuestionSink& questions);

}  // namespace lovaris
