#pragma once
// What every planned week must satisfy, for the tests of the week plan.
#include <string>

#include "core/planning/PlanningSession.h"
#include "core/variant/TTableVarItem.h"
#include "core/weekplan/WeekPlan.h"

namespace lovaris::test {

// The sample school of examples/, read from its JSON form.
Project SampleSchool();

// One line per teacher or room used by two lessons at one lesson number of the clean
// copy; hours taught together across classes count once. Empty when there are none.
std::string Collisions(const PlanningSession& session, const TTableVarItem& variant);

// One line per room given to a lesson at an hour its busy table closes it.
std::string ClosedRoomUses(const PlanningSession& session, const TTableVarItem& variant);

// One line per broken rule of the clean copy beyond the two above: a class, lesson or
// teacher at an hour it is closed; a lesson in two blocks on a day or on days whose
// hours do not match its spread; a class day with an empty open number inside it or
// beginning at no starting lesson; lessons taught together at different numbers; a
// room of the wrong kind or too small for its pupils. Empty when there are none.
std::string BrokenRules(const PlanningSession& session, const TTableVarItem& variant);

// Draws for generated schools, the same on every platform.
class Draws {
public:
    explicit Draws(unsigned seed) : state_(seed * 2654435761u + 1u) {}
    int pick(int least, int most) {
        state_ = state_ * 1103515245u + 12345u;
        return least + static_cast<int>((state_ >> 16) % static_cast<unsigned>(most - least + 1));
    }

private:
    unsigned state_;
};

// Fixed numbers of polls per search: the same result on every run.
class PollBudget : public SearchBudget {
public:
    explicit PollBudget(int polls) : polls_(polls) {}
    void start() override { used_ = 0; }
    bool spent() override { return ++used_ > polls_; }

private:
    int polls_;
    int used_ = 0;
};

}  // namespace lovaris::test
