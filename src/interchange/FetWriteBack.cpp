#include "FetWriteBack.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string_view>

#include "FetImport.h"
#include "FetSchoolRead.h"
#include "FetTexts.h"
#include "core/data/ProjectFile.h"
#include "core/export/HtmlExport.h"

namespace lovaris::interchange {
namespace {

using X = InterchangeText;

// Ways of filling a split's placed blocks with its activities tried before giving up.
constexpr int kFillBudget = 100000;

// Hours of one lesson on one day, one after the other; per hour, the activity's room (a
// project room index, -1 for none).
struct Block {
    int day = 1;
    int start = 1;
    std::vector<int> rooms;
    int length() const { return static_cast<int>(rooms.size()); }
};

struct Activity {
    int id = 0;
    int duration = 1;
};

// A project as the file holds its records: the parameters may differ (a description
// written, an editor's state), the rooms, subjects, classes, teachers and lessons not.
bool SameRecords(const Project& a, const Project& b) {
    if (a.params.lessonsPerDay != b.params.lessonsPerDay) return false;
    const std::vector<std::uint8_t> x = SerializeProject(a), y = SerializeProject(b);
    const auto from = static_cast<std::ptrdiff_t>(kProjectDataOffset);
    return x.size() == y.size() && std::equal(x.begin() + from, x.end(), y.begin() + from);
}

// The room FET is to hold an activity in at one hour: its subgroups may sit in several
// (a teacher each), FET seats it in one. A room of its subject's own specialisation is
// taken first (the rooms FET holds it to), then one its subject wishes for, else the
// first one given.
int ActivityRoom(const Project& project, const TimetableHour& h, const std::vector<int>& subgroups) {
    const TLessonItem* lesson = project.lessons.findById(h.lessonId);
    int best = -1, bestScore = -1;
    for (int g : subgroups) {
        if (g >= static_cast<int>(h.subgroups.size())) continue;
        const int room = h.subgroups[static_cast<std::size_t>(g)].roomIndex;
        if (room < 0 || room >= static_cast<int>(project.rooms.count())) continue;
        const TSubjectItem* subject =
            lesson && g < static_cast<int>(lesson->subgroups.size())
                ? project.subjects.findById(lesson->subgroups[static_cast<std::size_t>(g)].subject)
                : nullptr;
        const TRoomItem& item = project.rooms.at(room);
        int score = 0;
        if (subject && subject->specialization != 0 && item.specialization == subject->specialization) score = 2;
        else if (subject && std::ranges::find(subject->wishedRooms, item.id) != subject->wishedRooms.end()) score = 1;
        if (score > bestScore) {
            best = room;
            bestScore = score;
        }
    }
    return best;
}

std::vector<Block> BlocksOf(const Project& project, const std::vector<const TimetableHour*>& hours,
                            const std::vector<int>& subgroups) {
    std::vector<Block> blocks;
    for (const TimetableHour* h : hours) {
        const int room = ActivityRoom(project, *h, subgroups);
        if (!blocks.empty() && blocks.back().day == h->day && blocks.back().start + blocks.back().length() == h->lesson)
            blocks.back().rooms.push_back(room);
        else
            blocks.push_back(Block{h->day, h->lesson, {room}});
    }
    return blocks;
}

// Which of the activities fill each block exactly, one after the other: per block the
// indexes into `activities`, empty for a block no choice fills.
class BlockFilling {
public:
    // `startsAt(i, day, hour)`: whether activity i may start there, as FET binds it.
    BlockFilling(const std::vector<Activity>& activities, const std::vector<Block>& blocks,
                 std::function<bool(std::size_t, int, int)> startsAt)
        : activities_(activities), blocks_(blocks), startsAt_(std::move(startsAt)), used_(activities.size()),
          fill_(blocks.size()) {}

    std::vector<std::vector<std::size_t>> run() {
        std::vector<std::size_t> order(blocks_.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::ranges::stable_sort(order, std::greater<>(), [&](std::size_t b) { return blocks_[b].length(); });
        // Each activity where FET lets it start first, then anywhere its block has room.
        for (const bool bound : {true, false}) {
            bound_ = bound;
            budget_ = kFillBudget;
            reset();
            if (fillFrom(order, 0)) return fill_;
        }
        // A week whose blocks the activities cannot fill all at once: each block in turn
        // takes the first choice that fills it.
        reset();
        for (std::size_t b : order) {
            std::vector<std::size_t> chosen;
            budget_ = kFillBudget;
            if (subsetFor(b, blocks_[b].length(), 0, chosen, [] { return true; })) fill_[b] = chosen;
        }
        return fill_;
    }

private:
    void reset() {
        used_.assign(used_.size(), false);
        fill_.assign(fill_.size(), {});
    }

    bool fillFrom(const std::vector<std::size_t>& order, std::size_t at) {
        if (at == order.size()) return true;
        std::vector<std::size_t> chosen;
        return subsetFor(order[at], blocks_[order[at]].length(), 0, chosen, [&] {
            fill_[order[at]] = chosen;
            return fillFrom(order, at + 1);
        });
    }

    // Chooses unused activities from index `from` on that fill the last `hours` of block
    // `b`, and asks `then` whether the choice stands; the choice stays marked used when it does.
    template <typename Then>
    bool subsetFor(std::size_t b, int hours, std::size_t from, std::vector<std::size_t>& chosen, Then&& then) {
        if (--budget_ < 0) return false;
        if (hours == 0) return then();
        const Block& block = blocks_[b];
        const int hour = block.start + block.length() - hours;
        for (std::size_t i = from; i < activities_.size(); ++i) {
            if (used_[i] || activities_[i].duration > hours || (bound_ && !startsAt_(i, block.day, hour))) continue;
            used_[i] = true;
            chosen.push_back(i);
            if (subsetFor(b, hours - activities_[i].duration, bound_ ? 0 : i + 1, chosen, then)) return true;
            chosen.pop_back();
            used_[i] = false;
        }
        return false;
    }

    const std::vector<Activity>& activities_;
    const std::vector<Block>& blocks_;
    std::function<bool(std::size_t, int, int)> startsAt_;
    std::vector<bool> used_;
    std::vector<std::vector<std::size_t>> fill_;
    bool bound_ = true;
    int budget_ = kFillBudget;
};

std::string LockedTime(int activity, const std::string& day, const std::string& hour) {
    return "<ConstraintActivityPreferredStartingTime>\n\t<Weight_Percentage>100</Weight_Percentage>\n\t<Activity_Id>" +
           std::to_string(activity) + "</Activity_Id>\n\t<Preferred_Day>" + HtmlEscaped(day) +
           "</Preferred_Day>\n\t<Preferred_Hour>" + HtmlEscaped(hour) +
           "</Preferred_Hour>\n\t<Permanently_Locked>true</Permanently_Locked>\n\t<Active>true</Active>\n"
           "\t<Comments></Comments>\n</ConstraintActivityPreferredStartingTime>\n";
}

std::string LockedRoom(int activity, const std::string& room) {
    return "<ConstraintActivityPreferredRoom>\n\t<Weight_Percentage>100</Weight_Percentage>\n\t<Activity_Id>" +
           std::to_string(activity) + "</Activity_Id>\n\t<Room>" + HtmlEscaped(room) +
           "</Room>\n\t<Permanently_Locked>true</Permanently_Locked>\n\t<Active>true</Active>\n"
           "\t<Comments></Comments>\n</ConstraintActivityPreferredRoom>\n";
}

// The constraints added at the end of the file's list `list`, an empty list written
// open; false when the file has no such list.
bool AppendToList(std::string& text, const std::string& list, const std::string& added) {
    const std::string close = "</" + list + ">";
    if (const auto at = text.rfind(close); at != std::string::npos) {
        text.insert(at, added);
        return true;
    }
    for (const std::string& empty : {"<" + list + "/>", "<" + list + " />"})
        if (const auto at = text.rfind(empty); at != std::string::npos) {
            text.replace(at, empty.size(), "<" + list + ">\n" + added + close);
            return true;
        }
    return false;
}

}  // namespace

FetWriteBack WriteWeekIntoFet(std::span<const std::uint8_t> original, const Project& project,
                              const TimetableWeek& week, bool lockRooms) {
    FetWriteBack out;
    const FetSchoolResult read = ReadFetSchool(original);
    if (!read.school) {
        out.error = read.error;
        return out;
    }
    const FetSchool& school = *read.school;
    const FetImportResult imported = ImportFet(original);
    if (!imported.project) {
        out.error = imported.error;
        return out;
    }
    if (!SameRecords(*imported.project, project)) {
        out.error = Said(X::FetWriteBackChanged);
        return out;
    }

    std::map<int, int> durations;
    for (const FetActivity& a : school.activities) durations[a.id] = a.duration;
    std::map<std::int32_t, std::vector<const TimetableHour*>> hoursOf;  // by lesson ID, by day and lesson
    for (const TimetableHour& h : week.hours) hoursOf[h.lessonId].push_back(&h);
    for (auto& [id, hours] : hoursOf)
        std::ranges::stable_sort(hours, {}, [](const TimetableHour* h) { return std::pair(h->day, h->lesson); });

    // Each split's activities and the blocks its lessons were placed in.
    std::map<int, std::set<int>> activitiesOf;
    std::map<int, std::vector<Block>> blocksOf;
    std::map<int, std::set<std::int32_t>> lessonsOf;
    for (const FetActivityPlace& place : imported.places) {
        activitiesOf[place.split].insert(place.activities.begin(), place.activities.end());
        if (!lessonsOf[place.split].insert(place.lessonId).second) continue;
        const auto hours = hoursOf.find(place.lessonId);
        if (hours == hoursOf.end()) continue;
        const std::vector<Block> blocks = BlocksOf(project, hours->second, place.subgroups);
        auto& all = blocksOf[place.split];
        all.insert(all.end(), blocks.begin(), blocks.end());
    }

    std::string times, rooms;
    std::set<int> carried;
    for (const auto& [split, ids] : activitiesOf) {
        carried.insert(ids.begin(), ids.end());
        std::vector<Activity> activities;
        for (int id : ids) activities.push_back({id, durations.at(id)});
        std::ranges::stable_sort(activities, std::greater<>(), &Activity::duration);
        const std::vector<Block>& blocks = blocksOf[split];
        const auto startsAt = [&](std::size_t i, int day, int hour) {
            const auto bound = imported.preferredStarts.find(activities[i].id);
            return bound == imported.preferredStarts.end() || bound->second.contains(busySlot(day, hour));
        };
        const auto filling = BlockFilling(activities, blocks, startsAt).run();
        std::set<int> locked;
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            int offset = 0;
            for (std::size_t i : filling[b]) {
                const Activity& a = activities[i];
                const int hour = blocks[b].start + offset;
                const int room = blocks[b].rooms[static_cast<std::size_t>(offset)];
                offset += a.duration;
                if (blocks[b].day > static_cast<int>(school.days.size()) ||
                    hour + a.duration - 1 > static_cast<int>(school.hours.size()))
                    continue;  // outside FET's week: left unlocked
                times += LockedTime(a.id, school.days[static_cast<std::size_t>(blocks[b].day - 1)],
                                    school.hours[static_cast<std::size_t>(hour - 1)]);
                ++out.lockedTimes;
                locked.insert(a.id);
                if (!lockRooms || room < 0 || room >= static_cast<int>(project.rooms.count())) continue;
                const auto fetRoom = imported.fetRooms.find(project.rooms.at(room).id);
                if (fetRoom == imported.fetRooms.end()) continue;
                rooms += LockedRoom(a.id, fetRoom->second);
                ++out.lockedRooms;
            }
        }
        for (int id : ids)
            if (!locked.contains(id)) out.unplaced.push_back(id);
    }
    for (const FetActivity& a : school.activities) {
        if (!a.active || carried.contains(a.id)) continue;
        (imported.fixedDuties.contains(a.id) ? out.duties : out.leftOut).push_back(a.id);
    }
    std::ranges::sort(out.unplaced);
    std::ranges::sort(out.leftOut);

    std::string text(reinterpret_cast<const char*>(original.data()), original.size());
    if (!AppendToList(text, "Time_Constraints_List", times) || !AppendToList(text, "Space_Constraints_List", rooms)) {
        out.error = Said(X::FetWriteBackNoLists);
        return out;
    }
    out.bytes.assign(text.begin(), text.end());
    return out;
}

std::string FetWriteBack::report() const {
    const auto listed = [](X said, const std::vector<int>& ids) {
        std::string list;
        for (int id : ids) list += (list.empty() ? "" : " ") + std::to_string(id);
        return ids.empty() ? std::string() : Said(said, {std::to_string(ids.size()), list}) + "\n";
    };
    return Said(X::FetWriteBackLocked, {std::to_string(lockedTimes), std::to_string(lockedRooms)}) + "\n" +
           listed(X::FetWriteBackUnplaced, unplaced) + listed(X::FetWriteBackLeftOut, leftOut) +
           listed(X::FetWriteBackDuties, duties);
}

}  // namespace lovaris::interchange
