#include "FetClassLevel.h"

#include <algorithm>
#include <array>

namespace lovaris::interchange {
namespace {

const FetStudentsSet& SetAt(const FetSchool& s, int i) { return s.students[static_cast<std::size_t>(i)]; }

int YearOf(const FetSchool& s, int set) {
    while (SetAt(s, set).parent >= 0) set = SetAt(s, set).parent;
    return set;
}

struct LevelHours {
    std::array<long long, 3> whole{};  // hours each level gets as a whole
    std::array<long long, 3> alone{};  // ... in activities of that one set alone, or closed to it
};

// Hours each level of each year gets, from the active activities.
std::map<int, LevelHours> HoursByLevel(const FetSchool& s, const std::map<std::string, int>& index) {
    std::map<int, LevelHours> hours;
    for (const auto& a : s.activities) {
        if (!a.active) continue;
        for (const auto& name : a.students) {
            const int set = index.at(name);
            LevelHours& year = hours[YearOf(s, set)];
            const auto level = static_cast<std::size_t>(SetAt(s, set).level);
            year.whole[level] += a.duration;
            if (a.students.size() == 1) year.alone[level] += a.duration;
        }
    }
    // Times a set may not be taught are its own as a lesson's hours are: a class holds
    // them, a part of one could not.
    for (const auto& c : s.constraints) {
        if (c.kind != "ConstraintStudentsSetNotAvailableTimes") continue;
        const auto set = index.find(c.students);
        if (set == index.end()) continue;
        const auto level = static_cast<std::size_t>(SetAt(s, set->second).level);
        hours[YearOf(s, set->second)].alone[level] += static_cast<long long>(c.times.size());
    }
    return hours;
}

// Everything listed under a set is followed, those first met under another set too (a
// subgroup of two crossing divisions), each set once.
void MarkClasses(const FetSchool& s, int set, FetLevel level, std::vector<int>& classSets, std::set<int>& seen) {
    if (!seen.insert(set).second) return;
    const FetStudentsSet& here = SetAt(s, set);
    // A set with nothing below it at the chosen level is a class of its own.
    if (here.level == level || here.members.empty()) {
        classSets.push_back(set);
        return;
    }
    for (int member : here.members) MarkClasses(s, member, level, classSets, seen);
}

void CollectClasses(const FetSchool& s, int set, const std::vector<int>& classOfSet, std::vector<int>& out,
                    std::set<int>& seen) {
    if (!seen.insert(set).second) return;
    const int k = classOfSet[static_cast<std::size_t>(set)];
    if (k >= 0) {
        out.push_back(k);
        return;
    }
    for (int member : SetAt(s, set).members) CollectClasses(s, member, classOfSet, out, seen);
}

// Whether two groups of the year share pupils.
bool DivisionsCross(const FetSchool& s, const FetStudentsSet& year) {
    std::set<int> taken;
    for (int g : year.members) {
        if (SetAt(s, g).level != FetLevel::Group) continue;
        for (int pupil : PupilsOf(s, g))
            if (!taken.insert(pupil).second) return true;
    }
    return false;
}

}  // namespace

std::set<int> PupilsOf(const FetSchool& s, int set) {
    std::set<int> leaves, seen;
    std::vector<int> todo{set};
    while (!todo.empty()) {
        const int at = todo.back();
        todo.pop_back();
        if (!seen.insert(at).second) continue;  // a set listed under its own part
        const auto& members = SetAt(s, at).members;
        if (members.empty()) leaves.insert(at);
        todo.insert(todo.end(), members.begin(), members.end());
    }
    return leaves;
}

FetClassLevels ChooseClassLevels(const FetSchool& s) {
    std::map<std::string, int> index;
    for (std::size_t i = 0; i < s.students.size(); ++i) index.emplace(s.students[i].name, static_cast<int>(i));
    const auto hours = HoursByLevel(s, index);

    FetClassLevels result;
    std::set<int> marked;
    static constexpr std::array<const char*, 3> kLevelNames = {"years", "groups", "subgroups"};
    for (std::size_t y = 0; y < s.students.size(); ++y) {
        const FetStudentsSet& year = s.students[y];
        if (year.level != FetLevel::Year) continue;
        bool hasGroups = !year.children.empty(), hasSubgroups = false;
        for (int g : year.children) hasSubgroups = hasSubgroups || !SetAt(s, g).children.empty();
        const auto found = hours.find(static_cast<int>(y));
        const LevelHours lh = found == hours.end() ? LevelHours{} : found->second;
        const std::array<long long, 3>& h = lh.whole;
        // On a tie the groups win (the usual classes of a year), then the year itself.
        FetLevel level = hasGroups ? FetLevel::Group : FetLevel::Year;
        if (h[0] > h[static_cast<std::size_t>(level)]) level = FetLevel::Year;
        // Subgroups with no lesson and no closed time of their own beside groups that have
        // (pupils, or elective sets, drawn into options across the forms) are parts of their
        // groups: the forms stay the classes, each option a subgroup of their lessons,
        // linked across the forms.
        const bool subgroupsAreParts = lh.alone[2] == 0 && lh.alone[1] > 0 && level == FetLevel::Group;
        if (hasSubgroups && h[2] > h[static_cast<std::size_t>(level)] && !subgroupsAreParts) level = FetLevel::Subgroup;
        if (level == FetLevel::Group && hasSubgroups && DivisionsCross(s, year)) {
            level = FetLevel::Subgroup;
            ++result.yearsByLevel[kCrossingLevel];
        } else {
            ++result.yearsByLevel[kLevelNames[static_cast<std::size_t>(level)]];
        }
        MarkClasses(s, static_cast<int>(y), level, result.classSets, marked);
    }

    std::vector<int> classOfSet(s.students.size(), -1);
    for (std::size_t k = 0; k < result.classSets.size(); ++k)
        classOfSet[static_cast<std::size_t>(result.classSets[k])] = static_cast<int>(k);
    result.covers.resize(s.students.size());
    for (std::size_t i = 0; i < s.students.size(); ++i) {
        FetCover& cover = result.covers[i];
        std::set<int> seen;
        CollectClasses(s, static_cast<int>(i), classOfSet, cover.classes, seen);
        std::ranges::sort(cover.classes);
        if (!cover.classes.empty()) continue;
        // Below the class level: the class above it.
        for (int up = s.students[i].parent; up >= 0; up = SetAt(s, up).parent)
            if (classOfSet[static_cast<std::size_t>(up)] >= 0) {
                cover.classes.push_back(classOfSet[static_cast<std::size_t>(up)]);
                cover.whole = false;
                break;
            }
    }
    return result;
}

}  // namespace lovaris::interchange
