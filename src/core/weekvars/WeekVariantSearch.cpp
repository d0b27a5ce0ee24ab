#include "WeekVariantSearch.h"

#include <algorithm>

namespace lovaris {

WeekVariantSearch::WeekVariantSearch(TRTIKlassesCollection& klasses, TRTITeachersCollection& teachers,
                                     VariantPlanning& planning, const PlanningState& state)
    : context_{klasses, teachers, planning, state} {
    // The weekly hours of classes and teachers come with the day targets.
    klasses.ComputeDayTargets(planning, state.currentDay);
    counters_ = BuildWeekCounters(context_);
    for (int t : teachers.groups.row(state.selectedGroup)) {
        if (t < 0) break;
        if (t < teachers.count()) members_.push_back(MakeSearchTeacher(context_, t));
    }
}

WeekVariantSearch::WeekVariantSearch(PlanningSession& session, VariantPlanning& planning)
    : WeekVariantSearch(session.klasses(), session.teachers(), planning, session.state()) {}

WeekSearchEvent WeekVariantSearch::next(RunControl& control) {
    // Every call takes at least one step before it gives the caller its turn.
    bool stepped = false;
    for (;;) {
        if (ended_) return WeekSearchEvent::Ended;
        if (!search_) {
            if (position_ >= memberCount()) {
                ended_ = true;
                return WeekSearchEvent::Ended;
            }
            startMember();
        }
        if (stepped && control.sliceOver()) return WeekSearchEvent::SliceOver;
        stepped = true;
        if (control.poll()) {
            search_->Stop();
            search_.reset();
            ended_ = true;
            return WeekSearchEvent::Aborted;
        }
        if (!stopRequested_ && search_->Step()) {
            updateRow();
            continue;
        }
        if (finishPass()) continue;
        ++position_;
        return WeekSearchEvent::TeacherDone;
    }
}

void WeekVariantSearch::startMember() {
    if (context_.state.optimizeQueue) chooseMostConstrained();
    WeekSearchRow row;
    row.teacher = members_[static_cast<std::size_t>(position_)].teacher;
    row.weeklyHours = members_[static_cast<std::size_t>(position_)].weeklyHours;
    rows_.push_back(row);
    startPass(1);
}

// The member with the least room left for its remaining hours goes next; members
// with nothing left to place, or room to spare beyond measure, keep their turn.
void WeekVariantSearch::chooseMostConstrained() {
    const int lessonsPerDay = context_.lessonsPerDay();
    float bestRatio = 1000000.0f;
    int pick = position_;
    for (int j = position_; j < memberCount(); ++j) {
        const SearchTeacher& member = members_[static_cast<std::size_t>(j)];
        const TeacherDayCounters& c = counters_.teacher(member.teacher);
        int remaining = member.weeklyHours;
        for (int d = 1; d <= kWeekDays; ++d) remaining -= c.load(d);
        const int freeDays = std::clamp(c.freeDaysRequired, 0, kWeekDays);
        DayCounts closed = c.blocked;
        for (int f = 0; f < freeDays; ++f)
            *std::max_element(closed.begin() + 1, closed.end()) = 0;
        int capacity = lessonsPerDay * (kWeekDays - freeDays);
        for (int d = 1; d <= kWeekDays; ++d) capacity -= closed[static_cast<std::size_t>(d)];
        const float ratio = remaining > 0 ? static_cast<float>(capacity) / static_cast<float>(remaining) *
                                                static_cast<float>(kWeekDays - freeDays)
                                          : 1000000.0f;
        if (ratio < bestRatio) {
            bestRatio = ratio;
            pick = j;
        }
    }
    std::swap(members_[static_cast<std::size_t>(position_)], members_[static_cast<std::size_t>(pick)]);
}

int WeekVariantSearch::hoursInTarget(int teacher) const {
    const TeacherDayCounters& c = counters_.teacher(teacher);
    int hours = 0;
    for (int d = 1; d <= kWeekDays; ++d)
        hours += context_.state.placeToCleanCopy ? c.clean[static_cast<std::size_t>(d)] : c.draft[static_cast<std::size_t>(d)];
    return hours;
}

void WeekVariantSearch::startPass(int pass) {
    stopRequested_ = false;
    WeekSearchRow& row = rows_.back();
    if (pass == 1) {
        viewedBefore_ = 0;
        improvementsBefore_ = 0;
    } else {
        viewedBefore_ = row.viewed;
        improvementsBefore_ = row.improvements;
    }
    row.pass = pass;
    row.placedHours = hoursInTarget(row.teacher);
    const bool attachedRooms = pass == 1 && context_.state.considerAttachedRooms;
    search_ = std::make_unique<TeacherWeekSearch>(context_, counters_, members_[static_cast<std::size_t>(position_)],
                                                  attachedRooms);
}

void WeekVariantSearch::updateRow() {
    WeekSearchRow& row = rows_.back();
    row.viewed = viewedBefore_ + search_->viewed();
    row.improvements = improvementsBefore_ + search_->improvements();
    row.bestParallels = search_->bestParallels();
    row.placedHours = std::max(row.placedHours, search_->bestPlaced());
}

bool WeekVariantSearch::finishPass() {
    search_->Stop();
    updateRow();
    WeekSearchRow& row = rows_.back();
    if (search_->hasBest()) {
        row.placedHours = PlacedHours(search_->best());
        search_->ApplyBest();
    }
    search_.reset();
    const SearchTeacher& member = members_[static_cast<std::size_t>(position_)];
    const bool roomHeldBack = row.pass == 1 && context_.state.considerAttachedRooms &&
                              !context_.teachers.at(member.teacher).partners.empty() &&
                              row.placedHours < member.weeklyHours;
    if (!roomHeldBack) return false;
    startPass(2);
    return true;
}

}  // namespace lovaris
