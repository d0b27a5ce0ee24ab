#include "FetSchoolRead.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "FetTexts.h"
#include "XmlTree.h"

namespace lovaris::interchange {
namespace {

using X = InterchangeText;

// Ends the reading with the reason the file is refused.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(const XmlElement& at, const std::string& what) {
    throw Refusal(SaidAtLine(at.line, what));
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

long long WholeNumber(const XmlElement& e, long long least, long long most) {
    long long value = 0;
    const std::string t = Trimmed(e.text);
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size() || value < least || value > most)
        Refuse(e, Said(X::FetNotWholeNumber, {e.name, t.substr(0, 40), std::to_string(least), std::to_string(most)}));
    return value;
}

long long ChildNumber(const XmlElement& parent, std::string_view name, long long least, long long most,
                      long long absent) {
    const XmlElement* c = parent.child(name);
    return c ? WholeNumber(*c, least, most) : absent;
}

bool ChildFlag(const XmlElement& parent, std::string_view name) {
    const XmlElement* c = parent.child(name);
    return !c || Trimmed(c->text) != "false";
}

// A list entry's name: <Name> inside it, or its own text in older files.
std::string EntryName(const XmlElement& e) {
    const XmlElement* name = e.child("Name");
    std::string text = name ? name->text : e.text;
    if (text.empty()) Refuse(e, Said(X::FetWithoutName, {e.name}));
    return text;
}

// A name listed again stands for the same entry: FET refers to entries by name.
std::vector<std::string> NamedList(const XmlElement* list, std::string_view entry, std::string_view countTag,
                                   int& repeated) {
    std::vector<std::string> names;
    if (!list) return names;
    std::set<std::string> seen;
    int listed = 0;
    for (const auto& c : list->children) {
        if (c.name != entry) continue;
        ++listed;
        std::string n = EntryName(c);
        if (seen.insert(n).second)
            names.push_back(std::move(n));
        else if (countTag.empty())
            ++repeated;
        else  // days and hours are counted: one listed twice leaves the times ambiguous
            Refuse(c, Said(X::FetListedTwice, {n}));
    }
    if (!countTag.empty())
        if (const XmlElement* count = list->child(countTag))
            if (WholeNumber(*count, 0, 1'000'000) != listed)
                Refuse(*count, Said(X::FetCountDiffers, {count->name, Trimmed(count->text), std::to_string(listed)}));
    return names;
}

class SchoolReader {
public:
    explicit SchoolReader(const XmlElement& root) : root_(root) {}

    FetSchool read() {
        if (root_.name != "fet") Refuse(root_, Said(X::FetNotFet, {root_.name}));
        school_.institution = root_.childText("Institution_Name");
        school_.days = NamedList(root_.child("Days_List"), "Day", "Number_of_Days", school_.repeatedNames);
        school_.hours = NamedList(root_.child("Hours_List"), "Hour", "Number_of_Hours", school_.repeatedNames);
        if (school_.days.empty()) Refuse(root_, Said(X::FetNoDays));
        if (school_.hours.empty()) Refuse(root_, Said(X::FetNoHours));
        school_.subjects = NamedList(root_.child("Subjects_List"), "Subject", "", school_.repeatedNames);
        school_.teachers = NamedList(root_.child("Teachers_List"), "Teacher", "", school_.repeatedNames);
        readRooms();
        readStudents();
        readActivities();
        readConstraints("Time_Constraints_List");
        readConstraints("Space_Constraints_List");
        return std::move(school_);
    }

private:
    void readRooms() {
        const XmlElement* list = root_.child("Rooms_List");
        if (!list) return;
        for (const auto& r : list->children) {
            if (r.name != "Room") continue;
            FetRoom room;
            room.name = EntryName(r);
            room.capacity = static_cast<int>(ChildNumber(r, "Capacity", 0, 2'000'000'000, 0));
            const XmlElement* v = r.child("Virtual");
            room.isVirtual = v && Trimmed(v->text) == "true";
            bool known = false;
            for (const auto& other : school_.rooms) known = known || other.name == room.name;
            if (known)
                ++school_.repeatedNames;
            else
                school_.rooms.push_back(std::move(room));
        }
    }

    int addStudentsSet(const XmlElement& e, FetLevel level, int parent) {
        const std::string name = EntryName(e);
        const int students = static_cast<int>(ChildNumber(e, "Number_of_Students", 0, 65535, 0));
        auto found = setIndex_.find(name);
        int index = 0;
        // A set met again, at any level, is the same set: what is listed under it joins it.
        if (found != setIndex_.end()) {
            index = found->second;
        } else {
            index = static_cast<int>(school_.students.size());
            school_.students.push_back(FetStudentsSet{name, students, level, parent, {}, {}});
            setIndex_.emplace(name, index);
            if (parent >= 0) school_.students[static_cast<std::size_t>(parent)].children.push_back(index);
        }
        if (parent >= 0 && parent != index) {
            std::vector<int>& members = school_.students[static_cast<std::size_t>(parent)].members;
            if (std::find(members.begin(), members.end(), index) == members.end()) members.push_back(index);
        }
        return index;
    }

    void readStudents() {
        const XmlElement* list = root_.child("Students_List");
        if (!list) return;
        for (const auto& y : list->children) {
            if (y.name != "Year") continue;
            const int year = addStudentsSet(y, FetLevel::Year, -1);
            for (const auto& g : y.children) {
                if (g.name != "Group") continue;
                const int group = addStudentsSet(g, FetLevel::Group, year);
                for (const auto& s : g.children)
                    if (s.name == "Subgroup") addStudentsSet(s, FetLevel::Subgroup, group);
            }
        }
    }

    void expectKnown(const XmlElement& at, const std::vector<std::string>& names, const std::string& name,
                     X what) {
        for (const auto& n : names)
            if (n == name) return;
        Refuse(at, Said(what, {name}));
    }
    void expectRoom(const XmlElement& at, const std::string& name) {
        for (const auto& r : school_.rooms)
            if (r.name == name) return;
        Refuse(at, Said(X::FetRoomUndefined, {name}));
    }
    void expectStudents(const XmlElement& at, const std::string& name) {
        if (!setIndex_.contains(name)) Refuse(at, Said(X::FetStudentsUndefined, {name}));
    }

    void readActivities() {
        const XmlElement* list = root_.child("Activities_List");
        if (!list) return;
        std::set<long long> ids;
        for (const auto& a : list->children) {
            if (a.name != "Activity") continue;
            FetActivity activity;
            for (const auto& c : a.children) {
                if (c.name == "Teacher") {
                    expectKnown(c, school_.teachers, c.text, X::FetTeacherUndefined);
                    activity.teachers.push_back(c.text);
                } else if (c.name == "Subject") {
                    expectKnown(c, school_.subjects, c.text, X::FetSubjectUndefined);
                    activity.subject = c.text;
                } else if (c.name == "Students") {
                    expectStudents(c, c.text);
                    activity.students.push_back(c.text);
                } else if (c.name == "Activity_Tag") {
                    activity.tags.push_back(c.text);
                }
            }
            if (activity.subject.empty()) Refuse(a, Said(X::FetActivityWithoutSubject));
            activity.id = static_cast<int>(ChildNumber(a, "Id", 0, 2'000'000'000, -1));
            if (activity.id < 0) Refuse(a, Said(X::FetActivityWithoutId));
            if (!ids.insert(activity.id).second) Refuse(a, Said(X::FetActivityIdTwice, {std::to_string(activity.id)}));
            activity.groupId = static_cast<int>(ChildNumber(a, "Activity_Group_Id", 0, 2'000'000'000, 0));
            activity.duration =
                static_cast<int>(ChildNumber(a, "Duration", 1, static_cast<long long>(school_.hours.size()), 1));
            activity.active = ChildFlag(a, "Active");
            school_.activities.push_back(std::move(activity));
        }
    }

    FetTime timeOf(const XmlElement& slot) {
        const XmlElement* day = slot.child("Day");
        const XmlElement* hour = slot.child("Hour");
        if (!day || !hour) Refuse(slot, Said(X::FetSlotWithoutDayHour, {slot.name}));
        FetTime t{-1, -1};
        for (std::size_t i = 0; i < school_.days.size(); ++i)
            if (school_.days[i] == day->text) t.day = static_cast<int>(i);
        for (std::size_t i = 0; i < school_.hours.size(); ++i)
            if (school_.hours[i] == hour->text) t.hour = static_cast<int>(i);
        if (t.day < 0) Refuse(*day, Said(X::FetDayUndefined, {day->text}));
        if (t.hour < 0) Refuse(*hour, Said(X::FetHourUndefined, {hour->text}));
        return t;
    }

    // A preferred day and hour; either may be left out (-1): any day, any hour.
    FetTime preferredTime(const XmlElement& e, std::string_view dayTag, std::string_view hourTag) {
        FetTime t{-1, -1};
        const auto find = [&](std::string_view tag, const std::vector<std::string>& names, int& at) {
            const XmlElement* f = e.child(tag);
            if (!f || Trimmed(f->text).empty()) return;
            for (std::size_t i = 0; i < names.size(); ++i)
                if (names[i] == f->text) at = static_cast<int>(i);
            if (at < 0) Refuse(*f, Said(X::FetTimeUndefined, {f->text}));
        };
        find(dayTag, school_.days, t.day);
        find(hourTag, school_.hours, t.hour);
        return t;
    }

    void readConstraints(std::string_view listName) {
        static const std::set<std::string, std::less<>> kMapped = {
            "ConstraintTeacherNotAvailableTimes", "ConstraintStudentsSetNotAvailableTimes",
            "ConstraintRoomNotAvailableTimes",    "ConstraintBreakTimes",
            "ConstraintStudentsSetHomeRoom",      "ConstraintStudentsSetHomeRooms",
            "ConstraintTeacherHomeRoom",          "ConstraintTeacherHomeRooms",
            "ConstraintSubjectPreferredRoom",     "ConstraintSubjectPreferredRooms",
            "ConstraintActivityPreferredRoom",    "ConstraintActivityPreferredRooms",
            "ConstraintSubjectActivityTagPreferredRoom", "ConstraintSubjectActivityTagPreferredRooms",
            "ConstraintTeacherMaxDaysPerWeek",
            "ConstraintActivitiesSameStartingTime",
            "ConstraintActivityPreferredStartingTime", "ConstraintActivityPreferredStartingTimes",
            "ConstraintActivityPreferredTimeSlots", "ConstraintActivitiesPreferredStartingTimes",
            "ConstraintActivitiesPreferredTimeSlots",
            "ConstraintStudentsEarlyMaxBeginningsAtSecondHour", "ConstraintStudentsSetEarlyMaxBeginningsAtSecondHour"};
        static const std::set<std::string, std::less<>> kAlwaysHeld = {"ConstraintBasicCompulsoryTime",
                                                                        "ConstraintBasicCompulsorySpace"};
        const XmlElement* list = root_.child(listName);
        if (!list) return;
        for (const auto& c : list->children) {
            if (kAlwaysHeld.contains(c.name)) continue;
            if (c.name == "ConstraintMinDaysBetweenActivities" && ChildFlag(c, "Active")) {
                // Activities kept days apart at any cost never share a day.
                if (std::strtod(c.childText("Weight_Percentage").c_str(), nullptr) >= 100)
                    for (const auto& f : c.children)
                        if (f.name == "Activity_Id")
                            school_.apartEveryDay.insert(static_cast<int>(WholeNumber(f, 0, 2'000'000'000)));
            }
            // A minimum of one day is read for the import to weigh: between the activities of
            // a split it is what the hour spread holds anyway, between others it is not.
            const bool oneDayApart =
                c.name == "ConstraintMinDaysBetweenActivities" && Trimmed(c.childText("MinDays")) == "1";
            const bool active = ChildFlag(c, "Active");
            if (!active) {
                ++school_.inactiveConstraints;
                continue;
            }
            if (!kMapped.contains(c.name) && !oneDayApart) {
                ++school_.otherConstraints[c.name];
                continue;
            }
            FetConstraint k;
            k.kind = c.name;
            if (const XmlElement* w = c.child("Weight_Percentage")) {
                char* end = nullptr;
                k.weight = std::strtod(w->text.c_str(), &end);
                if (w->text.empty() || *end != '\0' || !(k.weight >= 0 && k.weight <= 100))
                    Refuse(*w, Said(X::FetWeightNotNumber, {w->text.substr(0, 40)}));
            }
            for (const auto& f : c.children) {
                if (f.name == "Teacher") {
                    expectKnown(f, school_.teachers, f.text, X::FetTeacherUndefined);
                    k.teacher = f.text;
                } else if (f.name == "Students") {
                    expectStudents(f, f.text);
                    k.students = f.text;
                } else if (f.name == "Subject") {
                    expectKnown(f, school_.subjects, f.text, X::FetSubjectUndefined);
                    k.subject = f.text;
                } else if (f.name == "Room") {
                    expectRoom(f, f.text);
                    k.room = f.text;
                } else if (f.name == "Preferred_Room") {
                    expectRoom(f, f.text);
                    k.rooms.push_back(f.text);
                } else if (f.name == "Activity_Id") {
                    k.activities.push_back(static_cast<int>(WholeNumber(f, 0, 2'000'000'000)));
                } else if (f.name == "Not_Available_Time" || f.name == "Break_Time") {
                    k.times.push_back(timeOf(f));
                } else if (f.name == "Teacher_Name") {
                    k.teacher = f.text;
                } else if (f.name == "Students_Name") {
                    k.students = f.text;
                } else if (f.name == "Subject_Name") {
                    k.subject = f.text;
                } else if (f.name == "Max_Days_Per_Week") {
                    k.maxDays = static_cast<int>(WholeNumber(f, 0, static_cast<long long>(school_.days.size())));
                } else if (f.name == "Activity_Tag_Name" || f.name == "Activity_Tag") {
                    k.tag = f.text;
                } else if (f.name == "Duration" && !Trimmed(f.text).empty()) {
                    k.duration = static_cast<int>(WholeNumber(f, 1, static_cast<long long>(school_.hours.size())));
                } else if (f.name == "Preferred_Starting_Time") {
                    k.times.push_back(preferredTime(f, "Preferred_Starting_Day", "Preferred_Starting_Hour"));
                } else if (f.name == "Preferred_Time_Slot") {
                    k.times.push_back(preferredTime(f, "Preferred_Day", "Preferred_Hour"));
                }
            }
            if (k.kind == "ConstraintActivityPreferredStartingTime")
                k.times.push_back(preferredTime(c, "Preferred_Day", "Preferred_Hour"));
            // Whose times or rooms they are must be said.
            const auto need = [&](const std::string& value, const char* field) {
                if (value.empty()) Refuse(c, Said(X::FetWithoutField, {c.name, field}));
            };
            if (k.kind.starts_with("ConstraintTeacher")) need(k.teacher, "Teacher");
            if (k.kind == "ConstraintTeacherMaxDaysPerWeek") expectKnown(c, school_.teachers, k.teacher, X::FetTeacherUndefined);
            if (k.kind.starts_with("ConstraintStudentsSet")) need(k.students, "Students");
            if (k.kind == "ConstraintRoomNotAvailableTimes") need(k.room, "Room");
            if (k.kind.starts_with("ConstraintSubjectPreferred") || k.kind.starts_with("ConstraintSubjectActivityTag"))
                need(k.subject, "Subject");
            if (k.kind.starts_with("ConstraintSubjectActivityTag")) need(k.tag, "Activity_Tag");
            school_.constraints.push_back(std::move(k));
        }
    }

    const XmlElement& root_;
    FetSchool school_;
    std::map<std::string, int> setIndex_;
};

}  // namespace

FetSchoolResult ReadFetSchool(std::span<const std::uint8_t> bytes) {
    FetSchoolResult result;
    XmlTreeResult tree = ReadXmlTree(bytes);
    if (!tree.root) {
        result.error = tree.error;
        return result;
    }
    try {
        result.school = SchoolReader(*tree.root).read();
    } catch (const Refusal& refusal) {
        result.error = refusal.what();
    }
    return result;
}

}  // namespace lovaris::interchange
