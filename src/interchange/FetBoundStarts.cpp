#include "FetBoundStarts.h"

#include <algorithm>

namespace lovaris::interchange {

bool IsPreferredTime(const std::string& kind) {
    return kind == "ConstraintActivityPreferredStartingTime" || kind == "ConstraintActivityPreferredStartingTimes" ||
           kind == "ConstraintActivityPreferredTimeSlots" || kind == "ConstraintActivitiesPreferredStartingTimes" ||
           kind == "ConstraintActivitiesPreferredTimeSlots";
}

FetBoundStarts BindPreferredStarts(const FetSchool& s) {
    using X = InterchangeText;
    FetBoundStarts out;
    const int hours = static_cast<int>(s.hours.size());
    std::map<int, int> duration;
    for (const FetActivity& a : s.activities) duration[a.id] = a.duration;
    const auto bind = [&](const FetConstraint& c, int id) {
        const int length = duration.at(id);
        const bool slots = c.kind.ends_with("PreferredTimeSlots");
        const auto named = [&](int d, int h) {
            return std::ranges::any_of(c.times, [&](const FetTime& t) {
                return (t.day < 0 || t.day == d) && (t.hour < 0 || t.hour == h);
            });
        };
        // The starts it allows: a named start, or one whose every hour is a named slot.
        FetSlots starts;
        for (int d = 0; d < static_cast<int>(s.days.size()); ++d)
            for (int h = 0; h + length <= hours; ++h) {
                bool allowed = slots ? true : named(d, h);
                for (int i = 0; slots && i < length; ++i) allowed = allowed && named(d, h + i);
                if (allowed) starts.set(static_cast<std::size_t>(busySlot(d + 1, h + 1)));
            }
        const auto [it, added] = out.startsOf.emplace(id, starts);
        if (!added) it->second &= starts;
        out.kindsOf[id].push_back(c.kind);
    };
    for (const FetConstraint& c : s.constraints) {
        if (!IsPreferredTime(c.kind)) continue;
        if (c.weight < 100) {
            out.notBound.emplace_back(X::FetConstraintsBelow100, c.kind);
        } else if (!c.kind.starts_with("ConstraintActivities")) {
            if (c.activities.size() == 1 && duration.contains(c.activities.front())) bind(c, c.activities.front());
            else out.notBound.emplace_back(X::FetConstraintsOfNoActivity, c.kind);
        } else {
            for (const FetActivity& a : s.activities) {
                const auto has = [](const std::vector<std::string>& names, const std::string& name) {
                    return name.empty() || std::ranges::find(names, name) != names.end();
                };
                if (a.active && has(a.teachers, c.teacher) && has(a.students, c.students) && has(a.tags, c.tag) &&
                    (c.subject.empty() || c.subject == a.subject) && (c.duration == 0 || c.duration == a.duration))
                    bind(c, a.id);
            }
        }
    }
    return out;
}

}  // namespace lovaris::interchange
