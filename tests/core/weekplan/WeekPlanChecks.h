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
