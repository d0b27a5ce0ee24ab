#include "OptimisationDayChecks.h"

#include "../common/RunTexts.h"

namespace lovaris {
namespace {

DayCheckOutcome Refused(std::string message) { return {DayCheckOutcome::Kind::Refused, std::move(message)}; }

std::string NoSpace(RunText who, const std::string& name) {
    return LoadResText(who) + name + LoadResText(RunText::NoSpaceEnd);
}

// "Урок №" + number + where + name + what + ". Прервать оптимизацию?"
std::string Question(int number, RunText where, const std::string& name, const std::string& what) {
    return LoadResText(RunText::LessonNumber) + std::to_string(number) + LoadResText(where) + name + what +
           LoadResText(RunText::AskAbortOptimisation);
}

class ClassDayCheck {
public:
    ClassDayCheck(const PlanningSession& session, VariantPlanning& variant, int klass, OptimisationQuestionSink& questions)
        : session_(session), variant_(variant), klass_(klass), questions_(questions),
          day_(session.state().currentDay), lessonsPerDay_(session.params().lessonsPerDay),
          item_(session.klasses().at(klass)) {}

    // False when a question was answered "Да"; `asked` then holds it.
    bool walkCleanCopy(std::string& asked) {
        const TTableVarItem& grid = variant_.variant();
        const int placed = grid.CountClassCleanLessons(klass_, day_) + grid.CountClassDraftLessons(klass_, day_);
        int run = 0;
        for (int p = lessonsPerDay_; p >= 1; --p) {
            const LessonSlot slot = grid.GetCleanSlot(klass_, day_, p);
            if (!slot.occupied()) {
                run = 0;
                continue;
            }
            const PlanningLesson& lesson = item_.lesson(slot.lessonIndex);
            if (session_.state().considerAttachedRooms && !askPartners(lesson, p, asked)) return false;
            if (session_.state().considerSeparatedHours && !askSeparated(lesson, p, asked)) return false;
            ++run;
            if (slot.prevPosition >= 0) continue;
            if (lesson.hasFictive && !fictiveAtEdge(p, run, placed) &&
                !ask(Question(p, RunText::InClassClean, item_.displayName(), LoadResText(RunText::FictiveMisplaced)),
                     asked))
                return false;
            run = 0;
        }
        return true;
    }

private:
    bool ask(const std::string& question, std::string& asked) {
        if (!questions_.ask(question)) return true;
        asked = question;
        return false;
    }

    bool askPartners(const PlanningLesson& lesson, int p, std::string& asked) {
        const auto& teachers = session_.teachers();
        for (const auto& sub : lesson.subgroups) {
            if (sub.teacher < 0) continue;
            for (int partner : teachers.at(sub.teacher).partners) {
                if (partner < 0) break;
                if (!variant_.FindTeacherLessonAt(partner, p).found()) continue;
                const std::string what = LoadResText(RunText::PartnerConflict) + teachers.at(partner).displayName();
                if (!ask(Question(p, RunText::InTeacherClean, teachers.at(sub.teacher).displayName(), what), asked))
                    return false;
            }
        }
        return true;
    }

    bool askSeparated(const PlanningLesson& lesson, int p, std::string& asked) {
        for (int neighbour : {p - 1, p + 1}) {
            if (neighbour < 1 || neighbour > lessonsPerDay_) continue;
            const LessonSlot next = variant_.variant().GetCleanSlot(klass_, day_, neighbour);
            if (!next.occupied() || item_.lesson(next.lessonIndex).id != lesson.id - kSeparatedIdOffset) continue;
            const std::string what = LoadResText(RunText::SeparatedNextToParent);
            if (!ask(Question(p, RunText::InClassClean, item_.displayName(), what), asked)) return false;
        }
        return true;
    }

    // A block with a fictive group either opens the class's day or closes a day that
    // starts at one of its starting lessons.
    bool fictiveAtEdge(int p, int length, int placed) const {
        for (int u : item_.startingLessons) {
            if (u <= 0) break;
            if (u == p && p + placed - 1 <= lessonsPerDay_) return true;
            if (u == p + length - placed && u > 0) return true;
        }
        return false;
    }

    const PlanningSession& session_;
    VariantPlanning& variant_;
    int klass_;
    OptimisationQuestionSink& questions_;
    int day_;
    int lessonsPerDay_;
    const TRTIKlassItem& item_;
};

}  // namespace

DayCheckOutcome CheckDayHasLessons(const TTableVarItem& variant, int day) {
    if (variant.IsDayEmpty(day)) return Refused(LoadResText(RunText::DayEmpty));
    return {};
}

DayCheckOutcome CheckGroupHasMembers(const TRTITeachersCollection& teachers, int group) {
    if (teachers.groups.row(group).empty()) return Refused(LoadResText(RunText::GroupEmpty));
    return {};
}

DayCheckOutcome CheckChosenGroup(const TRTITeachersCollection& teachers, int group) {
    if (group < 0 || group >= teachers.count()) return {DayCheckOutcome::Kind::Stopped, {}};
    return CheckGroupHasMembers(teachers, group);
}

DayCheckOutcome CheckDayRoomAndCleanCopy(const PlanningSession& session, VariantPlanning& variant, int group,
                                         OptimisationQuestionSink& questions) {
    const TTableVarItem& grid = variant.variant();
    const int day = session.state().currentDay;
    const int lessonsPerDay = session.params().lessonsPerDay;
    const auto& teachers = session.teachers();
    for (int t : teachers.groups.row(group)) {
        const int hours = variant.CountTeacherCleanLessons(t, day) + variant.CountTeacherDraftLessons(t, day) +
                          teachers.ClosedHoursOnDay(t, day);
        if (hours > lessonsPerDay) return Refused(NoSpace(RunText::TeacherNoSpaceBegin, teachers.at(t).displayName()));
    }
    const auto& klasses = session.klasses();
    for (int k = 0; k < klasses.count(); ++k) {
        const int hours = grid.CountClassCleanLessons(k, day) + grid.CountClassDraftLessons(k, day) +
                          klasses.at(k).blockedPerDay[static_cast<std::size_t>(day)];
        if (hours > lessonsPerDay) return Refused(NoSpace(RunText::ClassNoSpaceBegin, klasses.at(k).displayName()));
        std::string asked;
        if (!ClassDayCheck(session, variant, k, questions).walkCleanCopy(asked))
            return {DayCheckOutcome::Kind::Abandoned, asked};
    }
    return {};
}

DayCheckOutcome CheckDayForOptimisation(const PlanningSession& session, VariantPlanning& variant, int group,
                                        OptimisationQuestionSink& questions) {
    for (const DayCheckOutcome& check : {CheckDayHasLessons(variant.variant(), session.state().currentDay),
                                         CheckGroupHasMembers(session.teachers(), group)})
        if (!check.ready()) return check;
    return CheckDayRoomAndCleanCopy(session, variant, group, questions);
}

}  // namespace lovaris
