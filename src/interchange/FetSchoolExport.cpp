#include "FetSchoolExport.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/common/ManualTexts.h"
#include "core/export/HtmlExport.h"
#include "core/variant/TTableVarItem.h"
#include "core/variant/VariantOptions.h"

namespace lovaris::interchange {
namespace {

using Slot = std::pair<int, int>;  // (day 1..6, lesson number from 1)

// FET wants every name of a list unique and not empty: a repeated or empty name gets
// the record's ID after it.
class UniqueNames {
public:
    std::string add(std::string name, std::int32_t id) {
        if (name.empty() || !taken_.insert(name).second) {
            name += " #" + std::to_string(id);
            while (!taken_.insert(name).second) name += "'";
        }
        return name;
    }

private:
    std::set<std::string> taken_;
};

std::string Element(const std::string& name, const std::string& value) {
    return "\t<" + name + ">" + HtmlEscaped(value) + "</" + name + ">\n";
}

std::string NamedList(const std::string& list, const std::string& item, const std::vector<std::string>& names,
                      const std::string& count = {}) {
    std::string text = "<" + list + ">\n";
    if (!count.empty()) text += "<" + count + ">" + std::to_string(names.size()) + "</" + count + ">\n";
    for (const std::string& name : names) text += "<" + item + ">\n" + Element("Name", name) + "</" + item + ">\n";
    return text + "</" + list + ">\n";
}

std::string Ending() { return "\t<Active>true</Active>\n\t<Comments></Comments>\n"; }

class SchoolWriter {
public:
    explicit SchoolWriter(const PlanningSession& session) : session_(session) {
        lessonsPerDay_ = session.params().lessonsPerDay;
        for (int d = 1; d <= kVariantDays; ++d) out_.days.push_back(WeekdayTabName(d));
        for (int n = 1; n <= lessonsPerDay_; ++n) out_.hours.push_back(std::to_string(n));
        UniqueNames subjects, teachers, klasses;
        for (int s = 0; s < session.subjects().count(); ++s) {
            const TSubjectItem& record = session.subjects().at(s).record;
            subjects_.push_back(subjects.add(record.displayName(), record.id));
        }
        noSubject_ = subjects.add("—", 0);
        for (int t = 0; t < session.teachers().count(); ++t)
            teachers_.push_back(teachers.add(session.teachers().at(t).displayName(), session.teachers().at(t).id));
        for (int k = 0; k < session.klasses().count(); ++k)
            klasses_.push_back(klasses.add(session.klasses().at(k).displayName(), session.klasses().at(k).id));
    }

    FetSchoolExport run() {
        collectBlocks();
        std::string& t = out_.text;
        t = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<fet version=\"6.8.5\">\n";
        t += "<Institution_Name>" + HtmlEscaped(session_.params().description) + "</Institution_Name>\n";
        t += "<Comments>Ловарис</Comments>\n";
        t += NamedList("Days_List", "Day", out_.days, "Number_of_Days");
        t += NamedList("Hours_List", "Hour", out_.hours, "Number_of_Hours");
        std::vector<std::string> subjects = subjects_;
        if (noSubjectUsed_) subjects.push_back(noSubject_);
        t += NamedList("Subjects_List", "Subject", subjects);
        t += "<Activity_Tags_List>\n</Activity_Tags_List>\n";
        t += NamedList("Teachers_List", "Teacher", teachers_);
        t += "<Students_List>\n";
        for (int k = 0; k < session_.klasses().count(); ++k)
            t += "<Year>\n" + Element("Name", klasses_[static_cast<std::size_t>(k)]) +
                 Element("Number_of_Students", std::to_string(session_.klasses().at(k).children)) + "</Year>\n";
        t += "</Students_List>\n";
        t += activities_ + "</Activities_List>\n";
        t += "<Buildings_List>\n</Buildings_List>\n<Rooms_List>\n</Rooms_List>\n";
        t += "<Time_Constraints_List>\n<ConstraintBasicCompulsoryTime>\n\t<Weight_Percentage>100</Weight_Percentage>\n" +
             Ending() + "</ConstraintBasicCompulsoryTime>\n";
        t += timeConstraints_;
        teacherConstraints();
        klassConstraints();
        t += "</Time_Constraints_List>\n";
        t += "<Space_Constraints_List>\n<ConstraintBasicCompulsorySpace>\n\t<Weight_Percentage>100</Weight_Percentage>\n" +
             Ending() + "</ConstraintBasicCompulsorySpace>\n</Space_Constraints_List>\n</fet>\n";
        return std::move(out_);
    }

private:
    std::string slotList(const std::string& item, const std::string& day, const std::string& hour,
                         const std::vector<Slot>& slots) const {
        std::string text;
        for (const auto& [d, n] : slots)
            text += "\t<" + item + ">\n\t" + Element(day, out_.days[static_cast<std::size_t>(d - 1)]) + "\t" +
                    Element(hour, out_.hours[static_cast<std::size_t>(n - 1)]) + "\t</" + item + ">\n";
        return text;
    }

    std::string notAvailable(const std::string& kind, const std::string& who, const std::string& name,
                             const std::vector<Slot>& slots) const {
        return "<" + kind + ">\n\t<Weight_Percentage>100</Weight_Percentage>\n" + Element(who, name) +
               Element("Number_of_Not_Available_Times", std::to_string(slots.size())) +
               slotList("Not_Available_Time", "Day", "Hour", slots) + Ending() + "</" + kind + ">\n";
    }

    template <typename Closed>
    std::vector<Slot> slotsWhere(Closed closed) const {
        std::vector<Slot> slots;
        for (int d = 1; d <= kVariantDays; ++d)
            for (int n = 1; n <= lessonsPerDay_; ++n)
                if (closed(d, n)) slots.emplace_back(d, n);
        return slots;
    }

    // Each link set once, found from its first lesson, in class and lesson order; one
    // activity per block of the first lesson's spread.
    void collectBlocks() {
        const auto& klasses = session_.klasses();
        for (int k = 0; k < klasses.count(); ++k)
            for (int l = 0; l < klasses.at(k).lessonCount(); ++l) {
                std::vector<LessonRef> set = klasses.BuildLinkSet(k, l).klassLessons;
                std::ranges::sort(set, {}, [](const LessonRef& r) { return std::pair(r.owner, r.lesson); });
                if (set.empty() || set.front().owner != k || set.front().lesson != l) continue;
                const std::vector<int>& spread = klasses.at(k).lesson(l).spread;
                if (spread.empty()) continue;
                addSet(set, spread);
            }
    }

    void addSet(const std::vector<LessonRef>& set, const std::vector<int>& spread) {
        const auto& klasses = session_.klasses();
        std::set<int> teachers;
        std::vector<std::string> students;
        std::string lessonIds;
        int subject = -1;
        for (const LessonRef& ref : set) {
            const PlanningLesson& lesson = klasses.at(ref.owner).lesson(ref.lesson);
            lessonIds += (lessonIds.empty() ? "" : " ") + std::to_string(lesson.id);
            const std::string& klass = klasses_[static_cast<std::size_t>(ref.owner)];
            if (std::ranges::find(students, klass) == students.end()) students.push_back(klass);
            for (const PlanningSubgroup& sub : lesson.subgroups) {
                if (sub.teacher >= 0) teachers.insert(sub.teacher);
                if (subject < 0 && sub.subject >= 0) subject = sub.subject;
            }
        }
        if (subject < 0) noSubjectUsed_ = true;
        // The hours any lesson of the set is closed at: no hour of a block may stand there.
        const std::vector<Slot> open = slotsWhere([&](int d, int n) {
            return std::none_of(set.begin(), set.end(), [&](const LessonRef& ref) {
                return klasses.at(ref.owner).lesson(ref.lesson).busy.at(d, n) != 0;
            });
        });
        const bool bound = open.size() != static_cast<std::size_t>(kVariantDays * lessonsPerDay_);
        int total = 0;
        for (int hours : spread) total += hours;
        const int first = static_cast<int>(out_.blocks.size()) + 1;
        std::vector<int> ids;
        for (std::size_t e = 0; e < spread.size(); ++e) {
            FetExportBlock block{first + static_cast<int>(e), spread[e], set,
                                 (set.size() > 1 ? "Ловарис: уроки " : "Ловарис: урок ") + lessonIds + ", блок " + std::to_string(e + 1) + " из " +
                                     std::to_string(spread.size())};
            ids.push_back(block.id);
            activities_ += "<Activity>\n";
            for (int t : teachers) activities_ += Element("Teacher", teachers_[static_cast<std::size_t>(t)]);
            activities_ += Element("Subject", subject >= 0 ? subjects_[static_cast<std::size_t>(subject)] : noSubject_);
            for (const std::string& s : students) activities_ += Element("Students", s);
            activities_ += Element("Duration", std::to_string(block.hours)) +
                           Element("Total_Duration", std::to_string(total)) + Element("Id", std::to_string(block.id)) +
                           Element("Activity_Group_Id", std::to_string(spread.size() > 1 ? first : 0)) +
                           "\t<Active>true</Active>\n" + Element("Comments", block.comment) + "</Activity>\n";
            if (bound)
                timeConstraints_ += "<ConstraintActivityPreferredTimeSlots>\n\t<Weight_Percentage>100</Weight_Percentage>\n" +
                                    Element("Activity_Id", std::to_string(block.id)) +
                                    Element("Number_of_Preferred_Time_Slots", std::to_string(open.size())) +
                                    slotList("Preferred_Time_Slot", "Preferred_Day", "Preferred_Hour", open) + Ending() +
                                    "</ConstraintActivityPreferredTimeSlots>\n";
            out_.blocks.push_back(std::move(block));
        }
        // A lesson has at most one block a day.
        if (ids.size() > 1) {
            timeConstraints_ += "<ConstraintMinDaysBetweenActivities>\n\t<Weight_Percentage>100</Weight_Percentage>\n"
                                "\t<Consecutive_If_Same_Day>false</Consecutive_If_Same_Day>\n" +
                                Element("Number_of_Activities", std::to_string(ids.size()));
            for (int id : ids) timeConstraints_ += Element("Activity_Id", std::to_string(id));
            timeConstraints_ += "\t<MinDays>1</MinDays>\n" + Ending() + "</ConstraintMinDaysBetweenActivities>\n";
        }
    }

    void teacherConstraints() {
        const auto& teachers = session_.teachers();
        for (int t = 0; t < teachers.count(); ++t) {
            const std::vector<Slot> closed = slotsWhere([&](int d, int n) { return teachers.IsClosed(t, d, n); });
            if (!closed.empty())
                out_.text += notAvailable("ConstraintTeacherNotAvailableTimes", "Teacher",
                                          teachers_[static_cast<std::size_t>(t)], closed);
        }
    }

    // A class's day has no gap (its closed hours are none) and begins at one of its
    // starting lessons, never before the first.
    void klassConstraints() {
        const auto& klasses = session_.klasses();
        for (int k = 0; k < klasses.count(); ++k) {
            const TRTIKlassItem& klass = klasses.at(k);
            const std::string& name = klasses_[static_cast<std::size_t>(k)];
            std::set<int> starts(klass.startingLessons.begin(), klass.startingLessons.end());
            starts.erase(0);
            if (starts.empty()) starts.insert(1);
            const int first = *starts.begin();
            // A day none of whose starting lessons is open has no lesson at all.
            const auto dead = [&](int d) {
                return std::ranges::none_of(starts, [&](int s) { return s <= lessonsPerDay_ && !klass.busyAt(d, s); });
            };
            const std::vector<Slot> closed =
                slotsWhere([&](int d, int n) { return n < first || klass.busyAt(d, n) || dead(d); });
            if (!closed.empty()) out_.text += notAvailable("ConstraintStudentsSetNotAvailableTimes", "Students", name, closed);
            out_.text += "<ConstraintStudentsSetMaxGapsPerWeek>\n\t<Weight_Percentage>100</Weight_Percentage>\n"
                         "\t<Max_Gaps>0</Max_Gaps>\n" + Element("Students", name) + Ending() +
                         "</ConstraintStudentsSetMaxGapsPerWeek>\n";
            // FET counts a day's beginning from the class's first open hour of the day (its
            // closed hours before it are no late beginning) and binds it to that hour, or to
            // it and the next one: starting lessons past that it cannot tell apart.
            bool everyLater = true;  // any open hour from the first may begin the day
            for (int n = first; n <= lessonsPerDay_; ++n) everyLater = everyLater && starts.contains(n);
            if (everyLater) continue;
            const bool next = starts.contains(first + 1);
            if (starts.size() > 2 || (starts.size() == 2 && !next)) {
                ++out_.classesStartingFreely;
                continue;
            }
            out_.text += "<ConstraintStudentsSetEarlyMaxBeginningsAtSecondHour>\n\t<Weight_Percentage>100</Weight_Percentage>\n" +
                         Element("Max_Beginnings_At_Second_Hour", std::to_string(next ? kVariantDays : 0)) +
                         Element("Students", name) + Ending() + "</ConstraintStudentsSetEarlyMaxBeginningsAtSecondHour>\n";
        }
    }

    const PlanningSession& session_;
    int lessonsPerDay_ = 0;
    FetSchoolExport out_;
    std::vector<std::string> subjects_, teachers_, klasses_;
    std::string noSubject_;
    bool noSubjectUsed_ = false;
    std::string activities_ = "<Activities_List>\n";
    std::string timeConstraints_;
};

}  // namespace

FetSchoolExport ExportSchoolToFet(const PlanningSession& session) { return SchoolWriter(session).run(); }

void ApplyNewVariantOptions(PlanningSession& session) {
    const TTableVarItem empty = session.NewVariant();
    session.ApplyOptions(VariantOptions::Defaults(empty.classCount(), empty.lessonsPerDay()));
}

}  // namespace lovaris::interchange
