#include "TTeachersDataRpForm.h"

#include <array>
#include <numeric>

#include "../common/ReportTexts.h"
#include "../common/StringTable.h"
#include "ReportPager.h"
#include "ReportWords.h"

namespace lovaris {
namespace {

using Levels = std::array<int, kSchoolLevels>;

std::string LevelText(int level) { return LoadResText(static_cast<int>(ReportText::LevelJunior) + level); }
std::string Text(ReportText id) { return LoadResText(id); }
int Sum(const Levels& l) { return std::accumulate(l.begin(), l.end(), 0); }

std::vector<ReportBand> DataTitle(const Project& project, ReportText title) {
    return {TextBand(BandKind::Title, Text(title), BandStyle::Large, 2),
            TextBand(BandKind::Title, project.params.description), TextBand(BandKind::Title, ProductQuoted()),
            TextBand(BandKind::Title, "")};
}

// A subgroup linked to a lesson of an earlier class is counted at that class.
bool CountedElsewhere(const Project& project, const TLessonSubItem& sub, int klassIndex) {
    for (const LessonLink& link : sub.links) {
        const TLessonItem* linked = project.lessons.findById(link.lessonId);
        if (!linked) continue;
        const int other = project.klasses.indexOfId(linked->klass);
        if (other >= 0 && other < klassIndex) return true;
    }
    return false;
}

Levels TeacherSubjectHours(const Project& project, std::int32_t teacher, std::int32_t subject) {
    Levels hours{};
    for (const TLessonItem& lesson : project.lessons) {
        const int k = project.klasses.indexOfId(lesson.klass);
        if (k < 0) continue;
        const int level = project.klasses.at(k).stage;
        if (level < 0 || level >= kSchoolLevels) continue;
        for (const TLessonSubItem& sub : lesson.subgroups)
            if (sub.teacher == teacher && sub.subject == subject && !CountedElsewhere(project, sub, k))
                hours[static_cast<std::size_t>(level)] += LessonSpreadHours(lesson);
    }
    return hours;
}

// Name, subject, then per level its hours and an empty "Ф/к", then the load and its "Ф/к".
const std::vector<int> kTeacherWidths{22, 28, 6, 4, 6, 4, 6, 4, 7, 4};

std::vector<std::string> TeacherRow(std::string name, std::string subject, const Levels& hours) {
    std::vector<std::string> row{std::move(name), std::move(subject)};
    for (int h : hours) {
        row.push_back(std::to_string(h));
        row.emplace_back();
    }
    row.push_back(std::to_string(Sum(hours)));
    row.emplace_back();
    return row;
}

ReportBand LeftAligned(ReportBand band, std::size_t cells) {
    for (std::size_t i = 0; i < cells && i < band.cells.size(); ++i) band.cells[i].align = CellAlign::Left;
    return band;
}

// A data report's file is called by its title.
Report Titled(Report report, ReportText title) {
    report.fileTitle = Text(title);
    return report;
}

}  // namespace

int LessonSpreadHours(const TLessonItem& lesson) {
    const auto spread = lesson.spread();
    return std::accumulate(spread.begin(), spread.end(), 0);
}

Report TTeachersDataRpForm::Build(const Project& project) {
    ReportPager pager(Text(ReportText::DataTeachers), PageOrientation::Portrait, {});
    pager.SetProgressSteps(project.teachers.count());
    pager.Add(DataTitle(project, ReportText::TeacherLoadTitle));
    std::vector<std::string> top{Text(ReportText::TeacherName), Text(ReportText::Subject),
                                 Text(ReportText::HoursCount), Text(ReportText::Load)};
    const std::string fk = Text(ReportText::PhysicalCulture);
    std::vector<std::string> captions{"", ""};
    for (int level = 0; level < kSchoolLevels; ++level) {
        captions.push_back(LevelText(level));
        captions.push_back(fk);
    }
    captions.push_back("");
    captions.push_back(fk);
    const std::vector<ReportBand> header{
        RowBand(BandKind::ColumnHeader, {22, 28, 30, 11}, top, 1, BandStyle::Bold),
        RowBand(BandKind::ColumnHeader, kTeacherWidths, captions, 1, BandStyle::Bold)};
    pager.SetPageHeader(header);
    pager.Add(header);

    Levels totals{};
    for (const TTeacherItem& teacher : project.teachers) {
        bool printed = false;
        for (const TSubjectItem& subject : project.subjects) {
            const Levels hours = TeacherSubjectHours(project, teacher.id, subject.id);
            if (Sum(hours) == 0) continue;
            pager.Add(LeftAligned(RowBand(BandKind::Detail, kTeacherWidths,
                                          TeacherRow(printed ? "" : teacher.displayName(), subject.displayName(), hours)),
                                  2));
            for (int l = 0; l < kSchoolLevels; ++l) totals[static_cast<std::size_t>(l)] += hours[static_cast<std::size_t>(l)];
            printed = true;
        }
        if (!printed)
            pager.Add(LeftAligned(RowBand(BandKind::Detail, kTeacherWidths, TeacherRow(teacher.displayName(), "", {})), 2));
    }
    pager.Add(LeftAligned(RowBand(BandKind::Summary, kTeacherWidths, TeacherRow(Text(ReportText::Total), "", totals), 1,
                                  BandStyle::Bold),
                          1));
    return Titled(pager.Finish(), ReportText::TeacherLoadTitle);
}

Report TClassDataRpForm::Build(const Project& project) {
    ReportPager pager(Text(ReportText::DataClasses), PageOrientation::Portrait, {});
    pager.SetProgressSteps(project.klasses.count());
    pager.Add(DataTitle(project, ReportText::ChargingTitle));
    const std::vector<int> widths{30, 17, 17, 17, 17};
    const ReportBand header =
        RowBand(BandKind::ColumnHeader, widths,
                {Text(ReportText::Klass), Text(ReportText::PlanHours), Text(ReportText::ExtraHours),
                 Text(ReportText::Total), Text(ReportText::Electives)},
                1, BandStyle::Bold);
    pager.SetPageHeader({header});
    pager.Add(header);

    const auto numbers = [](std::string first, int plan, int extra) {
        return std::vector<std::string>{std::move(first), std::to_string(plan), std::to_string(extra),
                                        std::to_string(plan + extra), ""};
    };
    int allPlan = 0;
    int allExtra = 0;
    for (int level = 0; level < kSchoolLevels; ++level) {
        pager.Add(TextBand(BandKind::GroupHeader, LevelText(level), BandStyle::Bold));
        int levelPlan = 0;
        int levelExtra = 0;
        bool any = false;
        for (const TKlassItem& klass : project.klasses) {
            if (klass.stage != level) continue;
            any = true;
            int plan = 0;
            int extra = 0;
            for (const TLessonItem& lesson : project.lessons) {
                if (lesson.klass != klass.id || lesson.subgroups.empty()) continue;
                if (!project.subjects.findById(lesson.subgroups[0].subject)) continue;
                const int hours = LessonSpreadHours(lesson);
                plan += hours;
                for (std::size_t s = 1; s < lesson.subgroups.size(); ++s)
                    if (project.subjects.findById(lesson.subgroups[s].subject)) extra += hours;
            }
            pager.Add(LeftAligned(RowBand(BandKind::Detail, widths, numbers(klass.displayName(), plan, extra)), 1));
            levelPlan += plan;
            levelExtra += extra;
        }
        if (!any) {
            const std::string dashes = Text(ReportText::ShortDashes);
            pager.Add(RowBand(BandKind::Detail, widths, {dashes, dashes, dashes, dashes, ""}));
        }
        pager.Add(LeftAligned(RowBand(BandKind::GroupFooter, widths, numbers(Text(ReportText::SectionTotal), levelPlan,
                                                                             levelExtra),
                                      1, BandStyle::Bold),
                              1));
        allPlan += levelPlan;
        allExtra += levelExtra;
    }
    pager.Add(LeftAligned(
        RowBand(BandKind::Summary, widths, numbers(Text(ReportText::Total), allPlan, allExtra), 1, BandStyle::Bold), 1));
    return Titled(pager.Finish(), ReportText::ChargingTitle);
}

}  // namespace lovaris
