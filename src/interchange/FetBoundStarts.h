#pragma once
// The starts FET allows an activity at any cost: its preferred starting times and time
// slots of weight 100 %, named for it or for the activities of a teacher, students
// set, subject, activity tag or duration, each narrowing the others.
#include <bitset>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "FetSchool.h"
#include "core/common/BusySlots.h"
#include "core/common/InterchangeTexts.h"

namespace lovaris::interchange {

using FetSlots = std::bitset<kBusySlots + 1>;  // by busy slot, 1..144

struct FetBoundStarts {
    std::map<int, FetSlots> startsOf;                 // activity -> the busy slots it may start at
    std::map<int, std::vector<std::string>> kindsOf;  // activity -> the kinds of constraints binding it
    // Constraints that bind nothing the import can follow (below 100 %, of no activity),
    // with the constraint's kind: for the report.
    std::vector<std::pair<InterchangeText, std::string>> notBound;
};

bool IsPreferredTime(const std::string& kind);
FetBoundStarts BindPreferredStarts(const FetSchool& school);

}  // namespace lovaris::interchange
