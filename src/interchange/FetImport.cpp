#include "FetImport.h"

#include <algorithm>
#include <bitset>
#include <deque>
#include <map>
#include <numeric>
#include <optional>
#include <tuple>
#include <set>
#include <stdexcept>

#include "FetBoundStarts.h"
#include "FetClassLevel.h"
#include "FetRoomRules.h"
#include "FetSchoolRead.h"
#include "FetPartPairing.h"
#include "FetSharedBlocks.h"
#include "FetTexts.h"
#include "FetWeekPacking.h"
#include "core/common/Cp1251.h"

namespace lovaris::interchange {
namespace {

using X = InterchangeText;

constexpr int kMaxLinkedClasses = 26;  // a link set holds at most 26 lessons
constexpr int kMeshedClasses = 6;      // a subgroup holds 5 links: up to 6 classes link each to each
constexpr int kMaxSeats = 100;
constexpr int kDefaultChildren = 30;
// Joins of parts' lessons weighed before each one that full classes make.
constexpr int kPairingBudget = 2000;
// Passes over the full classes, the later ones taking apart joins across classes.
constexpr int kFitPasses = 4;
// Ways of laying a class's lessons into its days weighed before the week is taken to
// hold them, for one class and for the whole school.
constexpr int kPackingBudget = 100000;
constexpr int kPackingTries = 2000000;

// An activity, or the activities of one split, that becomes lessons.
struct Unit {
    const FetActivity* first = nullptr;
    std::vector<int> spread;
    std::vector<int> ids;  // of its activities
};

class Importer {
public:
    explicit Importer(const FetSchool& school) : s_(school) {}

    FetImportResult run() {
        FetImportResult result;
        if (s_.days.size() > static_cast<std::size_t>(kDays)) {
            result.error = Said(X::FetTooManyDays, {std::to_string(s_.days.size()), std::to_string(kDays)});
            return result;
        }
        if (s_.hours.size() > static_cast<std::size_t>(kMaxLessonsPerDay)) {
            result.error = Said(X::FetTooManyHours, {std::to_string(s_.hours.size()), std::to_string(kMaxLessonsPerDay)});
            return result;
        }
        report_.days = static_cast<int>(s_.days.size());
        report_.hours = static_cast<int>(s_.hours.size());
        report_.activities = static_cast<int>(s_.activities.size());
        params();
        rooms();
        subjects();
        teachers();
        classes();
        bound_ = BindPreferredStarts(s_);
        findFixedDuties();
        collectActivityRooms();
        lessons();
        constraints();
        duties();
        reportActivityRooms();
        specialisations();
        preferredTimes();
        closeMissingDays();
        startingLessons();
        plannedHours();
        p_.refreshSectionHeaders();  // as a project read from its file has them
        result.project = std::move(p_);
        result.report = std::move(report_);
        result.places = std::move(places_);
        result.preferredStarts = std::move(preferredStarts_);
        result.fixedDuties = std::move(fixedDuties_);
        for (const auto& [fetName, id] : roomIds_) result.fetRooms[id] = fetName;
        return result;
    }

private:
    void note(const std::string& what, int count = 1) {
        if (count > 0) report_.notExpressed[what] += count;
    }

    // A FET name as the project holds it: Windows-1251 characters, cut to the field.
    std::string name(const std::string& utf8, std::size_t maxChars) {
        std::string held = cp1251ToUtf8(utf8ToCp1251(utf8));
        if (held != utf8) note(Said(X::FetNamesCp1251));
        if (utf8Length(held) > maxChars) {
            held = utf8Left(held, maxChars);
            note(Said(X::FetNamesCut, {std::to_string(maxChars)}));
        }
        return held;
    }

    void params() {
        p_.params.lessonsPerDay = static_cast<std::uint16_t>(s_.hours.size());
        p_.params.description = name(s_.institution, ProjectParams::kMaxDescription);
        p_.params.classMinLessons = static_cast<std::uint16_t>(std::min<std::size_t>(4, s_.hours.size()));
        p_.params.teacherMinLessons = static_cast<std::uint16_t>(std::min<std::size_t>(2, s_.hours.size()));
    }

    void rooms() {
        for (const auto& r : s_.rooms) {
            TRoomItem& room = p_.rooms.add();
            room.name = name(r.name, TRoomItem::kMaxName);
            if (r.capacity > kMaxSeats) note(Said(X::FetRoomCapacity));
            room.seats = static_cast<std::uint16_t>(std::min(r.capacity, kMaxSeats));
            if (r.isVirtual) note(Said(X::FetVirtualRooms));
            roomIds_[r.name] = room.id;
        }
    }

    void subjects() {
        for (const auto& n : s_.subjects) {
            TSubjectItem& subject = p_.subjects.add();
            subject.name = name(n, TSubjectItem::kMaxName);
            subjectIds_[n] = subject.id;
        }
    }

    void teachers() {
        for (const auto& n : s_.teachers) {
            TTeacherItem& teacher = p_.teachers.add();
            teacher.name = name(n, TTeacherItem::kMaxName);
            teacherIds_[n] = static_cast<int>(p_.teachers.count()) - 1;
        }
    }

    void classes() {
        levels_ = ChooseClassLevels(s_);
        report_.classLevels = levels_.yearsByLevel;
        for (std::size_t i = 0; i < s_.students.size(); ++i) setIndex_[s_.students[i].name] = static_cast<int>(i);
        for (int set : levels_.classSets) {
            const FetStudentsSet& fet = s_.students[static_cast<std::size_t>(set)];
            TKlassItem& klass = p_.klasses.add();
            klass.name = name(fet.name, TKlassItem::kMaxName);
            if (fet.students == 0) note(Said(X::FetClassesWithoutStudents));
            klass.children = static_cast<std::uint16_t>(fet.students > 0 ? fet.students : kDefaultChildren);
        }
    }

    const FetCover& cover(const std::string& students) const {
        return levels_.covers[static_cast<std::size_t>(setIndex_.at(students))];
    }

    std::vector<Unit> units() {
        std::vector<Unit> result;
        // The activities of one split share their group ID, teachers, subject and students.
        std::map<std::tuple<int, std::vector<std::string>, std::string, std::vector<std::string>>, std::size_t> splits;
        for (const auto& a : s_.activities) {
            if (!a.active) {
                note(Said(X::FetInactiveActivities));
                continue;
            }
            if (a.groupId != 0) {
                const auto key = std::make_tuple(a.groupId, a.teachers, a.subject, a.students);
                const auto [it, added] = splits.emplace(key, result.size());
                if (!added) {
                    result[it->second].spread.push_back(a.duration);
                    result[it->second].ids.push_back(a.id);
                    continue;
                }
            }
            result.push_back(Unit{&a, {a.duration}, {a.id}});
        }
        for (const Unit& u : result)
            for (int id : u.ids) splitOf_[id] = u.first->id;
        const int hoursPerDay = static_cast<int>(s_.hours.size());
        for (auto& u : result) {
            std::sort(u.spread.begin(), u.spread.end());
            std::size_t days = s_.days.size();
            for (const auto& t : u.first->teachers) days = std::min(days, teacherDays(t));
            for (const auto& students : u.first->students)
                for (int k : cover(students).classes) days = std::min(days, classDays(k));
            // FET may put two activities of a split on one day; a spread has one block a
            // day, so the shortest parts go together until the week holds them.
            while (u.spread.size() > days && u.spread[0] + u.spread[1] <= hoursPerDay) {
                joinShortestParts(u.spread);
                note(Said(X::FetSplitMorePartsThanDays));
            }
        }
        separateEveryDayBlocks(result);
        joinPartsForFullDays(result);
        return result;
    }

    // A class's week may hold its hours and still not its lessons, each lesson having
    // one block a day: five single hours of four lessons cannot fill a day of five. FET
    // puts two activities of a split on one day where it is not bound at any cost to keep
    // them a day apart; there, two parts of such a split become one block, in the first
    // lesson with the most parts that makes the week hold its lessons.
    void joinPartsForFullDays(std::vector<Unit>& units) {
        const int hoursPerDay = static_cast<int>(s_.hours.size());
        for (int k = 0; k < static_cast<int>(p_.klasses.count()); ++k) {
            std::vector<std::size_t> ofClass;
            bool partial = false;
            for (std::size_t i = 0; i < units.size(); ++i) {
                bool in = false;
                for (const auto& students : units[i].first->students) {
                    const FetCover& c = cover(students);
                    if (std::ranges::find(c.classes, k) == c.classes.end()) continue;
                    in = true;
                    partial = partial || !c.whole;
                }
                if (in) ofClass.push_back(i);
            }
            // The parts of a class share its hours in ways a count of its days cannot tell.
            if (partial || ofClass.empty()) continue;
            const std::vector<int> days = openHoursByDay(k);
            const auto fits = [&] {
                std::vector<std::vector<int>> spreads;
                for (std::size_t i : ofClass) spreads.push_back(units[i].spread);
                int tries = std::min(kPackingBudget, packingTries_);
                const int given = tries;
                const auto fit = BlocksFitDays(spreads, days, tries);
                packingTries_ -= given - tries;
                return fit;
            };
            if (fits() != false) continue;
            std::vector<std::size_t> splits;
            for (std::size_t i : ofClass)
                if (units[i].spread.size() > 1 && units[i].spread[0] + units[i].spread[1] <= hoursPerDay &&
                    std::ranges::none_of(units[i].ids, [&](int id) { return s_.apartEveryDay.contains(id); }))
                    splits.push_back(i);
            std::ranges::stable_sort(splits, std::greater<>(), [&](std::size_t i) { return units[i].spread.size(); });
            for (std::size_t i : splits) {
                const std::vector<int> before = units[i].spread;
                joinShortestParts(units[i].spread);
                if (fits() == true) {
                    note(Said(X::FetSplitClassDays));
                    break;
                }
                units[i].spread = before;
            }
        }
    }

    // The two shortest blocks of a spread become one.
    static void joinShortestParts(std::vector<int>& spread) {
        spread[1] += spread[0];
        spread.erase(spread.begin());
        std::sort(spread.begin(), spread.end());
    }

    // A split with a block on every day its teacher teaches takes an hour of each of those
    // days. Where a day holds fewer open hours of the teacher than such splits (an English
    // teacher of five classes, every day each, not free for the last two hours on
    // Wednesday), FET puts two activities of a split on one day; the last such splits give
    // a block to a lesson of its own, which may.
    void separateEveryDayBlocks(std::vector<Unit>& units) {
        std::set<std::string> teachers;
        for (const Unit& u : units) teachers.insert(u.first->teachers.begin(), u.first->teachers.end());
        for (const std::string& teacher : teachers) {
            const std::vector<int> open = openByDay(closedFor(teacher));
            const std::size_t teachingDays = teacherDays(teacher);
            int fewest = static_cast<int>(s_.hours.size());  // open hours on the teacher's shortest day
            for (int n : open)
                if (n > 0) fewest = std::min(fewest, n);
            const auto everyDay = [&](const Unit& u) {
                return std::ranges::find(u.first->teachers, teacher) != u.first->teachers.end() &&
                       u.spread.size() >= teachingDays && u.spread.size() > 1;
            };
            int needed = 0;
            for (const Unit& u : units)
                if (everyDay(u)) needed += u.spread.front();
            for (std::size_t i = units.size(); i-- > 0 && needed > fewest;) {
                if (!everyDay(units[i])) continue;
                Unit alone{units[i].first, {units[i].spread.front()}, {units[i].ids.back()}};
                needed -= units[i].spread.front();
                units[i].spread.erase(units[i].spread.begin());
                units[i].ids.pop_back();
                units.push_back(std::move(alone));
                note(Said(X::FetSplitTeacherDays));
            }
        }
    }

    // The times FET closes for a teacher: breaks and the times they are not available.
    std::set<FetTime> closedFor(const std::string& teacher) const {
        std::set<FetTime> closed;
        for (const FetConstraint& c : s_.constraints)
            if (c.weight >= 100 && (c.kind == "ConstraintBreakTimes" ||
                                    (c.kind == "ConstraintTeacherNotAvailableTimes" && c.teacher == teacher)))
                closed.insert(c.times.begin(), c.times.end());
        return closed;
    }

    // The days a teacher can teach on: those FET does not close wholly for them.
    std::size_t teacherDays(const std::string& teacher) {
        if (const auto known = teacherDays_.find(teacher); known != teacherDays_.end()) return known->second;
        return teacherDays_[teacher] = daysOpen(openByDay(closedFor(teacher)));
    }

    // The days a class learns on: those FET does not close wholly for its pupils.
    std::size_t classDays(int klass) {
        if (const auto known = classDays_.find(klass); known != classDays_.end()) return known->second;
        return classDays_[klass] = daysOpen(openHoursByDay(klass));
    }

    // The hours of each day that `closed` leaves open.
    std::vector<int> openByDay(const std::set<FetTime>& closed) const {
        std::vector<int> days(s_.days.size(), static_cast<int>(s_.hours.size()));
        for (const FetTime& t : closed) --days[static_cast<std::size_t>(t.day)];
        return days;
    }

    // The days with an open hour, at least one.
    static std::size_t daysOpen(const std::vector<int>& hoursByDay) {
        const auto open = std::ranges::count_if(hoursByDay, [](int n) { return n > 0; });
        return std::max<std::size_t>(static_cast<std::size_t>(open), 1);
    }

    // What one unit becomes, before units taught to parts of a class at once are joined.
    struct Planned {
        const Unit* unit = nullptr;
        std::vector<int> targets;  // class indexes
        bool partial = false;
        std::vector<std::string> teachers;
        // A subgroup per teacher, one without a teacher when it has none.
        int subgroups() const { return std::max<int>(1, static_cast<int>(teachers.size())); }
        std::vector<int> wholeIn;  // classes it is taught to as a whole
        // Its subgroups in the lesson of class `k`: one per teacher where it is taught to
        // the whole class (or, taught to parts of classes only, in its first class). In
        // its other classes a part's pupils sit with one of the teachers, the others
        // standing in the linked lessons: a language block of five teachers for two
        // classes and half of a third leaves that class's lesson room for the other
        // half's subjects.
        int subgroupsIn(int k) const {
            const bool holds = wholeIn.empty() ? k == targets.front() : std::ranges::binary_search(wholeIn, k);
            return holds ? subgroups() : 1;
        }
    };

    void lessons() {
        const std::vector<Unit> all = units();
        std::vector<Planned> planned;
        for (const Unit& u : all)
            if (auto p = plan(u)) planned.push_back(std::move(*p));
        std::vector<std::vector<std::size_t>> groups = joinedParts(planned);
        findFullyBooked(planned);
        shareBlocksOfFullClasses(planned, groups);
        for (const auto& group : groups) {
            if (group.empty()) continue;
            std::map<int, int> subgroups;  // class -> the subgroups its lesson would have
            for (std::size_t i : group)
                for (int k : planned[i].targets) subgroups[k] += planned[i].subgroupsIn(k);
            const bool fits = std::all_of(subgroups.begin(), subgroups.end(),
                                          [](const auto& c) { return c.second <= TLessonItem::kMaxSubgroups; });
            if (group.size() > 1 && fits) {
                note(sharedHeads_.contains(group.front())
                         ? Said(X::FetPartsTooFull)
                     : apartHeads_.contains(group.front())
                         ? Said(X::FetPartsApart)
                         : Said(X::FetPartsSameTime),
                     static_cast<int>(group.size()));
                std::vector<const Planned*> parts;
                for (std::size_t i : group) {
                    parts.push_back(&planned[i]);
                    for (int id : planned[i].unit->ids) joinedInto_[id] = static_cast<int>(group.front());
                }
                addLessons(parts);
                continue;
            }
            for (std::size_t i : group) {
                if (planned[i].partial) note(Said(X::FetPartTaughtToClass));
                addLessons({&planned[i]});
            }
        }
    }

    // The hours of a class's week FET leaves open: those of no break and no time its
    // pupils are not available.
    int openHours(int klass) const {
        const std::vector<int> days = openHoursByDay(klass);
        return std::accumulate(days.begin(), days.end(), 0);
    }

    // ... day by day.
    std::vector<int> openHoursByDay(int klass) const {
        std::set<FetTime> closed;
        for (const FetConstraint& c : s_.constraints) {
            const bool ofClass = c.kind == "ConstraintStudentsSetNotAvailableTimes" && cover(c.students).whole &&
                                 std::ranges::find(cover(c.students).classes, klass) != cover(c.students).classes.end();
            if (c.kind == "ConstraintBreakTimes" || ofClass) closed.insert(c.times.begin(), c.times.end());
        }
        return openByDay(closed);
    }

    // A class given more hours than its week holds cannot be planned. Its parts' lessons
    // joined for their equal spreads come apart, and two lessons of its parts with
    // disjoint pupils and other teachers share the blocks they can (the rest stays a
    // lesson of its own), the pairs chosen so that the class loses the most hours, until
    // it fits or no two of its parts' lessons share a block.
    void shareBlocksOfFullClasses(std::vector<Planned>& planned, std::vector<std::vector<std::size_t>>& groups) {
        const auto spread = [&](std::size_t g) -> const std::vector<int>& { return planned[groups[g].front()].unit->spread; };
        std::vector<int> hours(p_.klasses.count(), 0);
        const auto count = [&] {
            std::fill(hours.begin(), hours.end(), 0);
            for (std::size_t g = 0; g < groups.size(); ++g)
                if (!groups[g].empty())
                    for (const auto& [k, n] : taught(planned, groups[g]).subgroups)
                        for (int h : spread(g)) hours[static_cast<std::size_t>(k)] += h;
        };
        count();
        std::vector<int> week(hours.size());
        for (int k = 0; k < static_cast<int>(hours.size()); ++k) week[static_cast<std::size_t>(k)] = openHours(k);
        const auto overflow = [&] {
            int over = 0;
            for (std::size_t k = 0; k < hours.size(); ++k) over += std::max(0, hours[k] - week[k]);
            return over;
        };
        // The planned units themselves are kept, not their count: a later pass writes its
        // own cuts over the places a kept pass's joins point to.
        struct Saved {
            std::vector<Planned> planned;
            std::vector<std::vector<std::size_t>> groups;
            std::map<std::size_t, std::vector<std::vector<std::size_t>>> apartJoins;
            std::set<std::size_t> sharedHeads;
            std::vector<int> hours;
        };
        const auto save = [&] { return Saved{planned, groups, apartJoins_, sharedHeads_, hours}; };
        const auto restore = [&](const Saved& saved) {
            planned = saved.planned;
            groups = saved.groups;
            apartJoins_ = saved.apartJoins;
            sharedHeads_ = saved.sharedHeads;
            hours = saved.hours;
        };
        int least = overflow();
        if (least == 0) return;
        const Saved start = save();
        Saved best = start;
        // First only the joins of a class alone come apart. Where classes are still too
        // full, the classes are fitted again from the start, taking apart the joins a
        // class shares with others too (a language group of two classes beside the other
        // half's mathematics, which the other class needs beside something else); that
        // may leave a class fitted before too full again, so such passes repeat. The pass
        // leaving the fewest hours over stays.
        for (const bool acrossClasses : {false, true}) {
            if (least == 0) break;
            restore(start);
            for (int pass = 0; pass < (acrossClasses ? kFitPasses : 1); ++pass) {
                for (int k = 0; k < static_cast<int>(hours.size()); ++k) {
                    const int open = week[static_cast<std::size_t>(k)];
                    if (hours[static_cast<std::size_t>(k)] > open && splitJoinsOfClass(k, acrossClasses, planned, groups))
                        count();
                    fitClass(k, open, planned, groups, hours);
                }
                const int over = overflow();
                if (over < least) {
                    least = over;
                    best = save();
                }
                if (over == 0) break;
            }
        }
        restore(best);
    }

    // Joins lessons of the parts of class `klass` until its week holds its hours or no
    // two of them share a block; `hours` of every class go down with the hours joined.
    void fitClass(int klass, int week, std::vector<Planned>& planned, std::vector<std::vector<std::size_t>>& groups,
                  std::vector<int>& hours) {
        const auto spread = [&](std::size_t g) -> const std::vector<int>& { return planned[groups[g].front()].unit->spread; };
        while (hours[static_cast<std::size_t>(klass)] > week) {
            PartsToJoin search;
            search.need[klass] = hours[static_cast<std::size_t>(klass)] - week;
            std::vector<std::pair<std::size_t, Taught>> parts;  // lessons of parts of classes alone
            for (std::size_t g = 0; g < groups.size(); ++g) {
                if (groups[g].empty() ||
                    !std::ranges::all_of(groups[g], [&](std::size_t i) { return planned[i].partial; }))
                    continue;
                Taught t = taught(planned, groups[g]);
                if (std::ranges::any_of(t.subgroups, [&](const auto& c) { return search.need.contains(c.first); })) {
                    search.lessons.push_back({{parts.size()}, spread(g)});
                    search.classesOf.emplace_back();
                    for (const auto& [c, n] : t.subgroups) search.classesOf.back().push_back(c);
                    parts.emplace_back(g, std::move(t));
                }
            }
            std::vector<std::vector<bool>> apart(parts.size(), std::vector<bool>(parts.size()));
            for (std::size_t i = 0; i < parts.size(); ++i)
                for (std::size_t j = 0; j < parts.size(); ++j) apart[i][j] = parts[i].second.apartFrom(parts[j].second);
            search.canShare = [&](const std::vector<std::size_t>& x, const std::vector<std::size_t>& y) {
                std::map<int, int> subgroups;
                for (std::size_t i : x) {
                    for (std::size_t j : y)
                        if (!apart[i][j]) return false;
                    for (const auto& [c, n] : parts[i].second.subgroups) subgroups[c] += n;
                }
                for (std::size_t j : y)
                    for (const auto& [c, n] : parts[j].second.subgroups)
                        if ((subgroups[c] += n) > TLessonItem::kMaxSubgroups) return false;
                return true;
            };
            search.mayJoinBlocks = [&](const std::vector<std::size_t>& x) {
                return std::ranges::none_of(x, [&](std::size_t i) {
                    return std::ranges::any_of(parts[i].second.teachers,
                                               [&](const std::string& t) { return fullyBooked_.contains(t); });
                });
            };
            const auto first = FirstPartsToJoin(search, kPairingBudget);
            if (!first) break;
            const auto [partA, partB] = *first;
            const SharedBlocks best = SharePartBlocks(search, search.lessons[partA], search.lessons[partB]);
            const std::size_t bestA = parts[partA].first, bestB = parts[partB].first;
            // The classes of both lessons lose the hours now taught together.
            for (const auto& [c, n] : parts[partA].second.subgroups)
                if (parts[partB].second.subgroups.contains(c)) hours[static_cast<std::size_t>(c)] -= best.hours();
            // Each unit of a lesson is cut alike: its shared blocks and its rest.
            const auto cut = [&](std::size_t g, const std::vector<int>& blocks) {
                std::vector<std::size_t> cuts;
                for (std::size_t i : groups[g]) {
                    Unit& u = cutUnits_.emplace_back(*planned[i].unit);
                    u.spread = blocks;
                    Planned p = planned[i];
                    p.unit = &u;
                    planned.push_back(std::move(p));
                    cuts.push_back(planned.size() - 1);
                }
                return cuts;
            };
            std::vector<std::size_t> together = cut(bestA, best.together);
            const std::vector<std::size_t> withB = cut(bestB, best.together);
            together.insert(together.end(), withB.begin(), withB.end());
            for (const auto& [g, rest] : {std::pair{bestA, best.restOfFirst}, std::pair{bestB, best.restOfSecond}})
                if (!rest.empty()) groups.push_back(cut(g, rest));
            groups[bestA] = together;
            groups[bestB].clear();
            apartJoins_.erase(bestA);
            apartJoins_.erase(bestB);
            sharedHeads_.insert(together.front());
        }
    }

    // A teacher whose lessons take every hour FET leaves them has each day's hours set:
    // their single hours cannot become a double beside another part's double.
    void findFullyBooked(const std::vector<Planned>& planned) {
        std::map<std::string, int> load;
        for (const Planned& p : planned)
            for (const auto& t : p.teachers)
                for (int h : p.unit->spread) load[t] += h;
        const int week = static_cast<int>(s_.days.size() * s_.hours.size());
        for (const auto& [teacher, hours] : load)
            if (hours >= week - static_cast<int>(closedFor(teacher).size())) fullyBooked_.insert(teacher);
    }

    // Lessons of parts of a full class that were joined for their equal spreads come
    // apart again, so that the search for the blocks the parts share weighs them too:
    // each half's mathematics by one teacher must go beside chemistry of the other half,
    // which was joined with biology. Those of the class alone, or `acrossClasses` all
    // those of parts with a part of the class. Whether any came apart.
    bool splitJoinsOfClass(int klass, bool acrossClasses, const std::vector<Planned>& planned,
                           std::vector<std::vector<std::size_t>>& groups) {
        bool split = false;
        const std::vector<int> alone{klass};
        for (auto it = apartJoins_.begin(); it != apartJoins_.end();) {
            std::vector<std::size_t> host = groups[it->first];
            const bool ofParts = std::ranges::all_of(host, [&](std::size_t i) { return planned[i].partial; });
            const auto ofClass = [&](std::size_t i) {
                return acrossClasses ? std::ranges::binary_search(planned[i].targets, klass) : planned[i].targets == alone;
            };
            const bool taken = acrossClasses ? std::ranges::any_of(host, ofClass) : std::ranges::all_of(host, ofClass);
            if (!ofParts || !taken) {
                ++it;
                continue;
            }
            for (const std::vector<std::size_t>& joined : it->second)
                std::erase_if(host, [&](std::size_t i) { return std::ranges::find(joined, i) != joined.end(); });
            groups[it->first] = std::move(host);
            groups.insert(groups.end(), it->second.begin(), it->second.end());
            it = apartJoins_.erase(it);
            split = true;
        }
        return split;
    }

    std::optional<Planned> plan(const Unit& u) {
        const FetActivity& a = *u.first;
        if (a.students.empty()) {
            if (!std::ranges::all_of(u.ids, [&](int id) { return fixedDuties_.contains(id); }))
                note(Said(X::FetActivitiesWithoutStudents));
            return std::nullopt;
        }
        if (u.spread.size() > TLessonItem::kMaxHourValues) {
            note(Said(X::FetActivitiesManyParts));
            return std::nullopt;
        }
        Planned p{&u, {}, false, {}, {}};
        for (const auto& students : a.students) {
            const FetCover& c = cover(students);
            p.partial = p.partial || !c.whole;
            if (c.whole) p.wholeIn.insert(p.wholeIn.end(), c.classes.begin(), c.classes.end());
            for (int k : c.classes)
                if (std::find(p.targets.begin(), p.targets.end(), k) == p.targets.end()) p.targets.push_back(k);
        }
        std::sort(p.targets.begin(), p.targets.end());
        std::sort(p.wholeIn.begin(), p.wholeIn.end());
        p.wholeIn.erase(std::unique(p.wholeIn.begin(), p.wholeIn.end()), p.wholeIn.end());
        if (p.targets.size() > static_cast<std::size_t>(kMaxLinkedClasses)) {
            note(Said(X::FetActivitiesManyClasses));
            return std::nullopt;
        }
        for (const auto& t : a.teachers)
            if (std::find(p.teachers.begin(), p.teachers.end(), t) == p.teachers.end()) p.teachers.push_back(t);
        if (p.teachers.size() > static_cast<std::size_t>(TLessonItem::kMaxSubgroups)) {
            note(Said(X::FetActivitiesManyTeachers));
            p.teachers.resize(TLessonItem::kMaxSubgroups);
        }
        if (p.teachers.empty()) note(Said(X::FetActivitiesWithoutTeacher));
        return p;
    }

    // Units in the order they come, those for parts of one class that FET starts at the
    // same time (with the same hour spread) put together: they are one lesson whose
    // subgroups are the parts, as a class divided for languages or sport is.
    std::vector<std::vector<std::size_t>> joinedParts(const std::vector<Planned>& planned) {
        std::map<int, int> sameStart;  // activity ID -> the first activity ID of its set
        for (const FetConstraint& c : s_.constraints)
            if (c.kind == "ConstraintActivitiesSameStartingTime" && c.weight >= 100 && !c.activities.empty())
                for (int id : c.activities) {
                    const int first = sameStart.contains(c.activities.front()) ? sameStart.at(c.activities.front())
                                                                               : c.activities.front();
                    if (!sameStart.contains(id)) sameStart[id] = first;
                }
        std::vector<std::vector<std::size_t>> groups;
        std::vector<std::size_t> loose;    // groups of one unit for parts of classes, not started with others
        std::vector<std::size_t> started;  // groups of parts started together
        std::map<std::pair<std::vector<int>, int>, std::size_t> open;  // (spread, first of its set) -> group
        for (std::size_t i = 0; i < planned.size(); ++i) {
            const Planned& p = planned[i];
            const auto set = sameStart.find(p.unit->first->id);
            if (!p.partial || set == sameStart.end()) {
                if (p.partial) loose.push_back(groups.size());
                groups.push_back({i});
                continue;
            }
            const auto [it, added] = open.emplace(std::make_pair(p.unit->spread, set->second), groups.size());
            if (added) {
                started.push_back(groups.size());
                groups.push_back({i});
            } else {
                groups[it->second].push_back(i);
            }
        }
        joinPartsApart(planned, started, loose, groups);
        return groups;  // those joined into others left empty, so that joins keep their places
    }

    // Who a lesson of parts is taught to and by: its pupils, its teachers and, per class,
    // the subgroups of that class's lesson.
    struct Taught {
        std::set<int> pupils;
        std::set<std::string> teachers;
        std::map<int, int> subgroups;

        // Disjoint pupils and other teachers: the two can be taught at one hour.
        bool apartFrom(const Taught& other) const {
            const auto none = [](const auto& x, const auto& y) {
                return std::none_of(x.begin(), x.end(), [&](const auto& v) { return y.contains(v); });
            };
            return none(pupils, other.pupils) && none(teachers, other.teachers);
        }
        // Whether each class's lesson holds the subgroups of both.
        bool roomFor(const Taught& other) const {
            return std::ranges::all_of(other.subgroups, [&](const auto& c) {
                const auto in = subgroups.find(c.first);
                return (in == subgroups.end() ? 0 : in->second) + c.second <= TLessonItem::kMaxSubgroups;
            });
        }
    };

    void addTaught(Taught& t, const Planned& p) const {
        for (const auto& name : p.unit->first->students) t.pupils.merge(PupilsOf(s_, setIndex_.at(name)));
        t.teachers.insert(p.teachers.begin(), p.teachers.end());
        for (int k : p.targets) t.subgroups[k] += p.subgroupsIn(k);
    }

    Taught taught(const std::vector<Planned>& planned, const std::vector<std::size_t>& group) const {
        Taught t;
        for (std::size_t i : group) addTaught(t, planned[i]);
        return t;
    }

    // Parts of classes that FET does not start together still share a lesson per class
    // with parts taught at the same time as they can be: disjoint pupils, other teachers,
    // the same hour spread, and classes among those of the lesson they join. So classes
    // divided for languages are taught; otherwise each part takes the whole class's hours
    // and its week cannot hold them. Parts started together take others first, then parts
    // of more classes; same subjects first, then the order of the file.
    void joinPartsApart(const std::vector<Planned>& planned, const std::vector<std::size_t>& started,
                        std::vector<std::size_t> loose, std::vector<std::vector<std::size_t>>& groups) {
        std::vector<std::pair<std::size_t, Taught>> hosts;  // group -> who it is taught to and by
        for (std::size_t g : started) hosts.emplace_back(g, taught(planned, groups[g]));
        const auto head = [&](std::size_t g) -> const Planned& { return planned[groups[g].front()]; };
        // A part with few partners goes first, while those partners are still free: a
        // class's German for each half by one teacher pairs each half with the other's
        // mathematics, not the two mathematics groups with each other.
        std::map<std::size_t, int> partners;
        for (std::size_t a : loose) {
            const Taught t = taught(planned, groups[a]);
            const auto pairs = [&](std::size_t b, const Taught& other) {
                return b != a && head(b).unit->spread == head(a).unit->spread && t.apartFrom(other);
            };
            for (const auto& [g, other] : hosts) partners[a] += pairs(g, other);
            for (std::size_t b : loose) partners[a] += pairs(b, taught(planned, groups[b]));
        }
        std::stable_sort(loose.begin(), loose.end(), [&](std::size_t a, std::size_t b) {
            return std::make_tuple(-static_cast<int>(head(a).targets.size()), partners[a], head(a).unit->first->subject) <
                   std::make_tuple(-static_cast<int>(head(b).targets.size()), partners[b], head(b).unit->first->subject);
        });
        for (std::size_t g : loose) {
            const Planned& p = head(g);
            Taught alone = taught(planned, groups[g]);
            const auto fits = [&](const auto& host) {
                const Planned& q = head(host.first);
                // A part joins a lesson of all its classes, not one that would tie in others.
                const bool within = std::ranges::all_of(p.targets, [&](int k) { return host.second.subgroups.contains(k); });
                return q.unit->spread == p.unit->spread && within && alone.apartFrom(host.second) &&
                       host.second.roomFor(alone);
            };
            auto into = std::find_if(hosts.begin(), hosts.end(), [&](const auto& host) {
                return fits(host) && head(host.first).unit->first->subject == p.unit->first->subject;
            });
            if (into == hosts.end()) into = std::find_if(hosts.begin(), hosts.end(), fits);
            if (into == hosts.end()) {
                hosts.emplace_back(g, std::move(alone));
                continue;
            }
            addTaught(into->second, p);
            apartJoins_[into->first].push_back(groups[g]);
            auto& members = groups[into->first];
            members.insert(members.end(), groups[g].begin(), groups[g].end());
            groups[g].clear();
            apartHeads_.insert(members.front());
        }
    }

    // One lesson per class the units are taught to, with a subgroup per teacher of each
    // unit that class takes part in (one without a teacher when a unit has none), the
    // class's pupils shared out. A unit's subgroup in one class is linked with its
    // subgroups in the others: they are taught together.
    void addLessons(const std::vector<const Planned*>& parts) {
        std::vector<int> classes;
        for (const Planned* p : parts) classes.insert(classes.end(), p->targets.begin(), p->targets.end());
        std::sort(classes.begin(), classes.end());
        classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
        struct Taught {
            std::string subject, teacher;
            std::vector<LessonLink> places;  // its subgroup in each class's lesson
        };
        std::vector<Taught> taught;
        std::vector<std::pair<const Planned*, std::size_t>> firstOf;  // a unit -> its first subgroup in `taught`
        for (const Planned* p : parts) {
            firstOf.emplace_back(p, taught.size());
            const std::string subject = subjectOf(*p->unit);
            if (p->teachers.empty()) taught.push_back({subject, std::string(), {}});
            for (const auto& t : p->teachers) taught.push_back({subject, t, {}});
        }
        const std::vector<int>& spread = parts.front()->unit->spread;
        std::set<const Planned*> placed;  // parts whose place is recorded: in their first class
        for (int k : classes) {
            std::vector<std::size_t> here;
            std::vector<std::pair<const Planned*, std::vector<int>>> newlyPlaced;
            for (const auto& [p, first] : firstOf)
                if (std::binary_search(p->targets.begin(), p->targets.end(), k)) {
                    const bool record = placed.insert(p).second;
                    if (record) newlyPlaced.emplace_back(p, std::vector<int>{});
                    for (int t = 0; t < p->subgroupsIn(k); ++t) {
                        if (record) newlyPlaced.back().second.push_back(static_cast<int>(here.size()));
                        here.push_back(first + static_cast<std::size_t>(t));
                    }
                }
            const TKlassItem& klass = p_.klasses.at(k);
            TLessonItem& lesson = p_.lessons.add();
            lesson.klass = klass.id;
            lesson.setSpread(spread);
            for (auto& [p, subgroups] : newlyPlaced)
                places_.push_back({p->unit->first->id, p->unit->ids, lesson.id, std::move(subgroups)});
            const int subgroups = static_cast<int>(here.size());
            lesson.setSubgroupCount(subgroups);
            for (int g = 0; g < subgroups; ++g) {
                Taught& t = taught[here[static_cast<std::size_t>(g)]];
                TLessonSubItem& sub = lesson.subgroups[static_cast<std::size_t>(g)];
                sub.subject = subjectIds_.at(t.subject);
                sub.teacher = t.teacher.empty() ? -1 : p_.teachers.at(teacherIds_.at(t.teacher)).id;
                // The first subgroups take one pupil more.
                sub.children = static_cast<std::uint16_t>(klass.children / subgroups + (g < klass.children % subgroups ? 1 : 0));
                t.places.push_back(LessonLink{lesson.id, g});
            }
        }
        for (const Taught& t : taught) link(t.places);
        int hours = 0;
        for (int h : spread) hours += h;
        for (const Planned* p : parts)
            for (const auto& t : p->teachers) teacherHours_[teacherIds_.at(t)] += hours;
    }

    // Links one taught subgroup's places each to each, or along a chain past six classes
    // (a subgroup holds five links).
    void link(const std::vector<LessonLink>& places) {
        const std::size_t n = places.size();
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j) {
                if (i == j) continue;
                const bool linked = n <= static_cast<std::size_t>(kMeshedClasses) || i + 1 == j || j + 1 == i;
                if (!linked) continue;
                TLessonItem& lesson = *p_.lessons.findById(places[i].lessonId);
                lesson.subgroups[static_cast<std::size_t>(places[i].subgroup)].addLink(places[j]);
            }
    }

    void busyTimes(const std::vector<FetTime>& times, auto&& mark) {
        for (const FetTime& t : times) mark(busySlot(t.day + 1, t.hour + 1));
    }

    void constraints() {
        for (const FetConstraint& c : s_.constraints) {
            const std::string& k = c.kind;
            if (k == "ConstraintTeacherNotAvailableTimes") {
                TTeacherItem& teacher = p_.teachers.at(teacherIds_.at(c.teacher));
                const std::int16_t value = c.weight >= 100 ? kTeacherBusy : kTeacherWishHigh;
                if (c.weight < 100) note(Said(X::FetTeacherTimesBelow100));
                busyTimes(c.times, [&](int slot) { teacher.busy.set(slot, value); });
            } else if (k == "ConstraintStudentsSetNotAvailableTimes") {
                const FetCover& cov = cover(c.students);
                if (!cov.whole) {
                    note(Said(X::FetPartTimes));
                    continue;
                }
                softened(c);
                for (int klass : cov.classes)
                    busyTimes(c.times, [&](int slot) { p_.klasses.at(klass).busy.set(slot, 1); });
            } else if (k == "ConstraintRoomNotAvailableTimes") {
                softened(c);
                TRoomItem& room = *p_.rooms.findById(roomIds_.at(c.room));
                busyTimes(c.times, [&](int slot) { room.busy.set(slot, 1); });
            } else if (k == "ConstraintStudentsEarlyMaxBeginningsAtSecondHour" ||
                       k == "ConstraintStudentsSetEarlyMaxBeginningsAtSecondHour") {
                if (c.weight < 100) {
                    note(Said(X::FetConstraintsBelow100, {k}));
                    continue;
                }
                if (k == "ConstraintStudentsEarlyMaxBeginningsAtSecondHour") {
                    for (int klass = 0; klass < static_cast<int>(p_.klasses.count()); ++klass) earlyClasses_.insert(klass);
                } else {
                    const auto& classes = cover(c.students).classes;
                    earlyClasses_.insert(classes.begin(), classes.end());
                }
            } else if (k == "ConstraintBreakTimes") {
                softened(c);
                busyTimes(c.times, [&](int slot) { closeSlot(slot); });
            } else if (k == "ConstraintStudentsSetHomeRoom" || k == "ConstraintStudentsSetHomeRooms") {
                const FetCover& cov = cover(c.students);
                if (!cov.whole) {
                    note(Said(X::FetPartHomeRooms));
                    continue;
                }
                homeRoomsAsWishes(c);
                for (int klass : cov.classes) p_.klasses.at(klass).attachedRoom = homeRoom(c);
            } else if (k == "ConstraintTeacherHomeRoom" || k == "ConstraintTeacherHomeRooms") {
                homeRoomsAsWishes(c);
                p_.teachers.at(teacherIds_.at(c.teacher)).attachedRoom = homeRoom(c);
            } else if (k == "ConstraintTeacherMaxDaysPerWeek") {
                teacherMaxDays(c);
            } else if (k == "ConstraintActivitiesSameStartingTime") {
                // Held when its activities became the subgroups of one lesson.
                bool held = c.weight >= 100 && !c.activities.empty();
                for (int id : c.activities)
                    held = held && joinedInto_.contains(id) && joinedInto_.at(id) == joinedInto_.at(c.activities.front());
                if (!held) note(Said(X::FetConstraintsNotHeld, {"ConstraintActivitiesSameStartingTime"}));
            } else if (k == "ConstraintMinDaysBetweenActivities") {
                // One day between the activities of one split is what its spread holds.
                const bool held = std::ranges::all_of(c.activities, [&](int id) {
                    return splitOf_.contains(id) && splitOf_.at(id) == splitOf_.at(c.activities.front());
                });
                if (!held)
                    note(Said(c.weight >= 100 ? X::FetMinDaysOfOne : X::FetMinDaysOfOneBelow100));
            } else if (k == "ConstraintSubjectPreferredRoom" || k == "ConstraintSubjectPreferredRooms") {
                TSubjectItem& subject = *p_.subjects.findById(subjectIds_.at(c.subject));
                std::vector<std::string> wished = c.rooms;
                if (!c.room.empty()) wished.insert(wished.begin(), c.room);
                if (c.weight >= 100) requiredRooms_[c.subject].push_back(std::set(wished.begin(), wished.end()));
                for (const auto& r : wished) {
                    if (subject.wishedRooms.size() == TSubjectItem::kMaxWishedRooms) {
                        note(Said(X::FetSubjectRoomsPastTenth));
                        break;
                    }
                    subject.insertWishedRoom(static_cast<int>(subject.wishedRooms.size()), roomIds_.at(r));
                }
            }
        }
        for (const auto& [kind, count] : s_.otherConstraints) note(Said(X::FetConstraintsNotHeld, {kind}), count);
        note(Said(X::FetInactiveConstraints), s_.inactiveConstraints);
        note(Said(X::FetRepeatedNames), s_.repeatedNames);
    }

    // The hours FET lets an activity start at, or take, at any cost (named for it, or for
    // the activities of a teacher, students set, subject or duration) become its lesson's own
    // busy hours: the lesson may stand only where one of its activities may. That holds
    // for a lesson that carries whole splits whose every activity is so bound; otherwise
    // the constraint is reported.
    void preferredTimes() {
        using Slots = FetSlots;
        const int hours = static_cast<int>(s_.hours.size());
        std::map<int, int> duration;
        for (const FetActivity& a : s_.activities) duration[a.id] = a.duration;
        for (const auto& [said, kind] : bound_.notBound) note(Said(said, {kind}));
        const std::map<int, Slots>& startsOf = bound_.startsOf;
        const std::map<int, std::vector<std::string>>& kindsOf = bound_.kindsOf;
        std::map<int, Slots> allowedOf;  // activity -> the slots it may take
        for (const auto& [id, starts] : startsOf) {
            Slots& taken = allowedOf[id];
            for (int slot = 1; slot <= kBusySlots; ++slot) {
                if (!starts.test(static_cast<std::size_t>(slot))) continue;
                preferredStarts_[id].insert(slot);
                for (int i = 0; i < duration.at(id); ++i) taken.set(static_cast<std::size_t>(slot + i));
            }
        }
        std::map<int, int> placesOfSplit;
        for (const FetActivityPlace& place : places_) ++placesOfSplit[place.split];
        std::map<std::int32_t, Slots> allowedOfLesson;
        std::set<int> held = fixedDuties_;
        for (const FetActivityPlace& place : places_) {
            const bool bound = placesOfSplit.at(place.split) == 1 &&
                               std::ranges::all_of(place.activities, [&](int id) { return allowedOf.contains(id); });
            if (!bound) continue;
            Slots any;
            for (int id : place.activities) any |= allowedOf.at(id);
            const auto [it, added] = allowedOfLesson.emplace(place.lessonId, any);
            if (!added) it->second &= any;
            held.insert(place.activities.begin(), place.activities.end());
        }
        for (const auto& [lessonId, allowed] : allowedOfLesson)
            for (std::int32_t id : linkedLessons(lessonId)) {
                TLessonItem& lesson = *p_.lessons.findById(id);
                for (int d = 1; d <= static_cast<int>(s_.days.size()); ++d)
                    for (int h = 1; h <= hours; ++h)
                        if (!allowed.test(static_cast<std::size_t>(busySlot(d, h)))) lesson.busy.set(d, h, 1);
            }
        // A duty without students FET may move is reported as left out, its times with it.
        for (const FetActivity& a : s_.activities)
            if (a.students.empty()) held.insert(a.id);
        for (const auto& [id, kinds] : kindsOf)
            if (!held.contains(id))
                for (const std::string& kind : kinds)
                    note(Said(X::FetConstraintsOfSharedLesson, {kind}));
    }

    // A lesson and every lesson linked with it, one link after another.
    std::set<std::int32_t> linkedLessons(std::int32_t first) const {
        std::set<std::int32_t> found{first};
        std::vector<std::int32_t> todo{first};
        while (!todo.empty()) {
            const TLessonItem* lesson = p_.lessons.findById(todo.back());
            todo.pop_back();
            if (!lesson) continue;
            for (const auto& sub : lesson->subgroups)
                for (const LessonLink& link : sub.links)
                    if (found.insert(link.lessonId).second) todo.push_back(link.lessonId);
        }
        return found;
    }

    // The rooms FET holds a subject's activities to become a specialisation: the subject
    // strictly specialised, its rooms of that specialisation (other subjects still use
    // them), so that room assignment seats the subject nowhere else. A room has one
    // specialisation: subjects held to the same rooms share one, and a subject whose
    // rooms are partly another's (taken first: the one of fewer rooms) keeps them as
    // wished rooms only.
    void specialisations() {
        const FetSpecialisations chosen = ChooseSpecialisations(requiredRooms_);
        note(Said(X::FetSubjectRoomsSeveral), chosen.several);
        note(Said(X::FetSubjectRoomsOverlap), chosen.overlapping);
        for (const auto& [r, code] : chosen.rooms) {
            TRoomItem& room = *p_.rooms.findById(roomIds_.at(r));
            room.specialization = static_cast<std::uint8_t>(code);
            room.generalUse = 1;  // other subjects may still use it
        }
        for (const auto& [n, code] : chosen.subjects) {
            TSubjectItem& subject = *p_.subjects.findById(subjectIds_.at(n));
            subject.specialization = static_cast<std::uint8_t>(code);
            subject.generalUse = 0;
        }
    }

    // A teacher's duty without students (a meeting, an exam watch) that FET fixes at one
    // start at any cost takes its teachers then: the project holds it as their busy hours.
    void findFixedDuties() {
        for (const FetActivity& a : s_.activities) {
            if (!a.active || !a.students.empty() || a.teachers.empty()) continue;
            const auto bound = bound_.startsOf.find(a.id);
            if (bound != bound_.startsOf.end() && bound->second.count() == 1) fixedDuties_.insert(a.id);
        }
    }

    // Set after the teachers' not-available times, which would otherwise write wishes over them.
    void duties() {
        for (const FetActivity& a : s_.activities) {
            if (!fixedDuties_.contains(a.id)) continue;
            const FetSlots& starts = bound_.startsOf.at(a.id);
            int start = 1;
            while (!starts.test(static_cast<std::size_t>(start))) ++start;
            // FET's own fixed activity seated in one room at any cost keeps that room too.
            const auto room = activityRooms_.dutyRooms.find(a.id);
            for (int i = 0; i < a.duration; ++i) {
                for (const auto& t : a.teachers) p_.teachers.at(teacherIds_.at(t)).busy.set(start + i, kTeacherBusy);
                if (room != activityRooms_.dutyRooms.end()) p_.rooms.findById(roomIds_.at(room->second))->busy.set(start + i, 1);
            }
        }
        note(Said(X::FetDutiesAsBusyHours), static_cast<int>(fixedDuties_.size()));
    }

    void collectActivityRooms() {
        activityRooms_ = CollectActivityRooms(s_, fixedDuties_);
        for (const std::string& kind : activityRooms_.below100) note(Said(X::FetConstraintsBelow100, {kind}));
    }

    // The subject a unit's lessons carry. Where FET holds every activity of the unit to
    // the same rooms at any cost, it is a subject that strictly needs those rooms: the
    // FET subject itself when all its activities are so held, else a subject of its own
    // named after the rooms ("Physics (Lab)"), so that its other activities stay free.
    std::string subjectOf(const Unit& u) {
        const std::string& subject = u.first->subject;
        const auto rooms = activityRooms_.roomsOf.find(u.ids.front());
        if (rooms == activityRooms_.roomsOf.end() || rooms->second.empty()) return subject;
        const auto heldTo = [&](int id, const std::set<std::string>& set) {
            const auto other = activityRooms_.roomsOf.find(id);
            return other != activityRooms_.roomsOf.end() && other->second == set;
        };
        if (!std::ranges::all_of(u.ids, [&](int id) { return heldTo(id, rooms->second); })) return subject;
        roomHeld_.insert(u.ids.begin(), u.ids.end());
        const bool whole = std::ranges::all_of(s_.activities, [&](const FetActivity& a) {
            return a.subject != subject || !a.active || a.students.empty() || heldTo(a.id, rooms->second);
        });
        if (whole) {
            if (wholeSubjectsHeld_.insert(subject).second) requiredRooms_[subject].push_back(rooms->second);
            return subject;
        }
        std::string key = subject, listed;
        for (const std::string& r : rooms->second) {
            key += '\x1f' + r;
            listed += (listed.empty() ? "" : ", ") + r;
        }
        if (subjectIds_.contains(key)) return key;
        TSubjectItem& own = p_.subjects.add();
        own.name = name(subject + " (" + listed + ")", TSubjectItem::kMaxName);
        subjectIds_[key] = own.id;
        requiredRooms_[key].push_back(rooms->second);
        return key;
    }

    void reportActivityRooms() {
        for (const auto& [id, kinds] : activityRooms_.kindsOf)
            if (!roomHeld_.contains(id))
                for (const std::string& kind : kinds) note(Said(X::FetActivityRoomsOfSharedLesson, {kind}));
    }

    // The most days a week a teacher teaches, at any cost, leaves the rest of the six
    // days of the project's week free: a day the school does not have counts as free.
    void teacherMaxDays(const FetConstraint& c) {
        if (c.weight < 100) {
            note(Said(X::FetConstraintsBelow100, {c.kind}));
            return;
        }
        if (c.maxDays >= static_cast<int>(s_.days.size())) return;  // binds nothing
        TTeacherItem& teacher = p_.teachers.at(teacherIds_.at(c.teacher));
        teacher.freeDays = std::max(teacher.freeDays, kDays - c.maxDays);
    }

    // A home room at any cost is the class's or teacher's attached room, which room
    // assignment gives first but may leave when it is taken.
    void homeRoomsAsWishes(const FetConstraint& c) {
        if (c.weight >= 100) note(Said(X::FetHomeRoomsAsWishes, {c.kind}));
    }

    void softened(const FetConstraint& c) {
        if (c.weight < 100) note(Said(X::FetTimesBelow100));
    }

    std::int32_t homeRoom(const FetConstraint& c) {
        if (!c.room.empty()) return roomIds_.at(c.room);
        if (c.rooms.size() > 1) note(Said(X::FetHomeRoomsPastFirst));
        return c.rooms.empty() ? -1 : roomIds_.at(c.rooms.front());
    }

    // A break, or a day the school does not have: nobody teaches, learns or uses a room then.
    void closeSlot(int slot) {
        for (auto& klass : p_.klasses) klass.busy.set(slot, 1);
        for (auto& teacher : p_.teachers) teacher.busy.set(slot, kTeacherBusy);
        for (auto& room : p_.rooms) room.busy.set(slot, 1);
    }

    void closeMissingDays() {
        for (int day = static_cast<int>(s_.days.size()) + 1; day <= kDays; ++day)
            for (int lesson = 1; lesson <= kMaxLessonsPerDay; ++lesson) closeSlot(busySlot(day, lesson));
    }

    // A class may begin its day on the first lesson it is free on each day. Where FET
    // does not ask its pupils to begin early, it may also begin on any later lesson, as
    // FET lets pupils come later.
    void startingLessons() {
        const int hours = static_cast<int>(s_.hours.size());
        for (int k = 0; k < static_cast<int>(p_.klasses.count()); ++k) {
            TKlassItem& klass = p_.klasses.at(k);
            for (int day = 1; day <= static_cast<int>(s_.days.size()); ++day)
                for (int lesson = 1; lesson <= hours; ++lesson)
                    if (klass.busy.at(day, lesson) == 0) {
                        klass.insertStartingLesson(lesson);
                        break;
                    }
            if (klass.startingLessons.empty()) klass.insertStartingLesson(1);
            if (!earlyClasses_.contains(k))
                for (int lesson = klass.startingLessons.front() + 1; lesson <= hours; ++lesson)
                    klass.insertStartingLesson(lesson);
        }
    }

    // The curriculum hours of each teacher are the hours of the lessons imported for them,
    // a lesson taught to several classes at once counted once.
    void plannedHours() {
        for (const auto& [teacher, hours] : teacherHours_) p_.teachers.at(teacher).plannedHours = hours;
    }

    const FetSchool& s_;
    Project p_;
    FetImportReport report_;
    FetClassLevels levels_;
    std::map<std::string, std::int32_t> roomIds_, subjectIds_;
    std::map<std::string, int> teacherIds_, setIndex_;  // teachers: position
    std::map<int, int> teacherHours_;
    std::map<int, int> joinedInto_;  // activity ID -> the lesson its part was joined into
    std::set<std::size_t> apartHeads_;  // units that parts not started together were joined to
    std::map<std::size_t, std::vector<std::vector<std::size_t>>> apartJoins_;  // group -> the groups joined into it
    std::set<std::size_t> sharedHeads_;  // lessons of blocks that parts of other spreads share
    std::deque<Unit> cutUnits_;          // the parts of units that share some of their blocks
    std::set<int> earlyClasses_;  // classes whose pupils FET asks to begin at the first hour
    std::map<std::string, std::size_t> teacherDays_;  // by teacher, the days not closed wholly
    std::map<int, std::size_t> classDays_;            // by class, ...
    int packingTries_ = kPackingTries;                // left for weighing classes' weeks
    std::set<std::string> fullyBooked_;  // teachers who teach every hour FET leaves them
    std::vector<FetActivityPlace> places_;
    std::map<int, int> splitOf_;  // activity ID -> the ID of its split's first activity
    std::map<int, std::set<int>> preferredStarts_;
    std::map<std::string, std::vector<std::set<std::string>>> requiredRooms_;  // subject -> its rooms at 100 %
    FetBoundStarts bound_;
    std::set<int> fixedDuties_;
    std::set<int> roomHeld_;                  // activities whose lessons' subject needs their rooms
    std::set<std::string> wholeSubjectsHeld_;  // FET subjects all of whose activities need the same rooms
    FetActivityRooms activityRooms_;
};

}  // namespace

int FetImportReport::notExpressedTotal() const {
    int total = 0;
    for (const auto& [what, count] : notExpressed) total += count;
    return total;
}

std::string FetImportReport::text(const Project& project) const {
    const auto n = [](auto count) { return std::to_string(count); };
    std::string t = Said(X::FetReportCounts, {n(days), n(hours), n(project.rooms.count()), n(project.subjects.count()),
                                              n(project.klasses.count()), n(project.teachers.count()),
                                              n(project.lessons.count()), n(activities)}) +
                    "\n" + Said(X::FetReportClassLevel);
    static const std::map<std::string, X, std::less<>> kLevels = {{"years", X::FetReportLevelYears},
                                                                  {"groups", X::FetReportLevelGroups},
                                                                  {"subgroups", X::FetReportLevelSubgroups},
                                                                  {kCrossingLevel, X::FetReportLevelCrossing}};
    bool first = true;
    for (const auto& [level, years] : classLevels) {
        const auto said = kLevels.find(level);
        t += (first ? " " : ", ") + (said == kLevels.end() ? level + " (" + n(years) + ")" : Said(said->second, {n(years)}));
        first = false;
    }
    if (first) t += " " + Said(X::FetReportNoYears);
    t += "\n" + Said(X::FetReportNotHeld, {n(notExpressedTotal())}) + "\n";
    for (const auto& [what, count] : notExpressed) t += "  " + n(count) + "  " + what + "\n";
    return t;
}

FetImportResult ImportFetSchool(const FetSchool& school) { return Importer(school).run(); }

FetImportResult ImportFet(std::span<const std::uint8_t> bytes) {
    FetSchoolResult read = ReadFetSchool(bytes);
    if (!read.school) {
        FetImportResult refused;
        refused.error = read.error;
        return refused;
    }
    // A reference the reader let through and the mapping cannot follow must not end the
    // program: the file is refused as any other.
    try {
        return ImportFetSchool(*read.school);
    } catch (const std::exception& e) {
        FetImportResult refused;
        refused.error = Said(X::FetNotMapped) + e.what();
        return refused;
    }
}

}  // namespace lovaris::interchange
