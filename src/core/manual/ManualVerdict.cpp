#include "ManualVerdict.h"

#include "../common/ManualTexts.h"
#include "../common/MessageFormat.h"
#include "../planning/PlanningSession.h"

namespace lovaris {
namespace {

std::string KlassName(const PlanningSession& session, int klass) {
    return klass >= 0 && klass < session.klasses().count() ? session.klasses().at(klass).displayName() : std::string();
}

std::string TeacherName(const PlanningSession& session, int teacher) {
    return teacher >= 0 && teacher < session.teachers().count() ? session.teachers().at(teacher).displayName()
                                                                : std::string();
}

ManualText TextOf(ManualRule rule) {
    switch (rule) {
        case ManualRule::RunInProgress: return ManualText::RefusedRunInProgress;
        case ManualRule::SameCell: return ManualText::RefusedSameCell;
        case ManualRule::NoLesson: return ManualText::RefusedNoLesson;
        case ManualRule::NotFirstHour: return ManualText::RefusedNotFirstHour;
        case ManualRule::TargetTaken: return ManualText::RefusedTargetTaken;
        case ManualRule::PastDayEnd: return ManualText::RefusedPastDayEnd;
        case ManualRule::KlassClosed: return ManualText::RefusedKlassClosed;
        case ManualRule::KlassTaken: return ManualText::RefusedKlassTaken;
        case ManualRule::TeacherTeaching: return ManualText::RefusedTeacherTeaching;
        case ManualRule::TeacherClosed: return ManualText::RefusedTeacherClosed;
        case ManualRule::AlreadyOnDay: return ManualText::RefusedAlreadyOnDay;
        case ManualRule::NoMenu: return ManualText::RefusedNoMenu;
        case ManualRule::ItemDisabled: return ManualText::RefusedItemDisabled;
        case ManualRule::RowState: return ManualText::RefusedRowState;
        case ManualRule::NoRoomOffered: return ManualText::RefusedNoRoomOffered;
        default: return ManualText::RefusedNoCell;
    }
}

}  // namespace

std::string VerdictText(const ManualVerdict& verdict, const PlanningSession& session) {
    switch (verdict.rule) {
        case ManualRule::Allowed:
            return {};
        // The menu command's own messages, word for word.
        case ManualRule::TeacherDraftFull:
            return LoadResText(TextId::TeacherDraftNoSpaceBegin) + TeacherName(session, verdict.teacher) +
                   LoadResText(TextId::DraftNoSpaceEnd);
        case ManualRule::KlassDraftFull:
            return LoadResText(TextId::ClassDraftNoSpaceBegin) + KlassName(session, verdict.klass) +
                   LoadResText(TextId::DraftNoSpaceEnd);
        default:
            break;
    }
    const std::string name =
        verdict.teacher >= 0 ? TeacherName(session, verdict.teacher) : KlassName(session, verdict.klass);
    std::string text = FormatMessage(LoadResText(TextOf(verdict.rule)), name);
    if (verdict.hour > 0) {
        // "... (урок 3, среда)." reads better with the stop after the hour.
        if (!text.empty() && text.back() == '.') text.pop_back();
        std::string when = std::to_string(verdict.hour);
        if (verdict.day > 0) when += FormatMessage(LoadResText(ManualText::DaySuffix), WeekdayLongName(verdict.day));
        text += FormatMessage(LoadResText(ManualText::HourSuffix), when) + ".";
    }
    return text;
}

}  // namespace lovaris
