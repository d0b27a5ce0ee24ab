#include "DialogGrids.h"

#include <algorithm>
#include <utility>

#include "../common/EngineDialogTexts.h"
#include "../common/NumberText.h"

namespace lovaris {
namespace {

// What is left of a day's limit once the hours placed today are counted.
int LeftOf(int limit, int placed) { return std::max(0, limit - placed); }

void Put(DialogGrid& grid, int row, int column, int value) { grid.at(row, column).text = std::to_string(value); }

// Rows 0..5 of both counters grids of classes.
void FillKlassCounters(const ViewContext& ctx, DialogGrid& grid) {
    const auto& klasses = ctx.session.klasses();
    for (int k = 0; k < klasses.count(); ++k) {
        const TRTIKlassItem& klass = klasses.at(k);
        const int c = k + 1;
        grid.at(0, c).text = klass.displayName();
        Put(grid, 1, c, klass.weekHours);
        Put(grid, 2, c, klass.unassignedHours);
        Put(grid, 4, c, klass.blockedToday);
        Put(grid, 5, c, klass.todayHours);
    }
}

// Rows 0..8 of both counters grids of teachers.
void FillTeacherCounters(const ViewContext& ctx, DialogGrid& grid) {
    const auto& teachers = ctx.session.teachers();
    for (int t = 0; t < teachers.count(); ++t) {
        const TRTITeacherItem& teacher = teachers.at(t);
        const int c = t + 1;
        grid.at(0, c).text = teacher.displayName();
        Put(grid, 1, c, teacher.methodicalDays());
        Put(grid, 2, c, LeftOf(teacher.methodicalDays(), teacher.freeDaysTaken));
        Put(grid, 4, c, teacher.weekHours);
        Put(grid, 5, c, teacher.unassignedHours);
        Put(grid, 7, c, teacher.blockedToday);
        Put(grid, 8, c, teacher.todayHours);
    }
}

}  // namespace

DialogCell& DialogGrid::at(int row, int column) {
    const auto r = static_cast<std::size_t>(std::max(row, 0));
    const auto c = static_cast<std::size_t>(std::max(column, 0));
    // The grid stays rectangular, as the dialog's is.
    const std::size_t width = std::max(c + 1, rows.empty() ? std::size_t{0} : rows.front().size());
    if (rows.size() <= r) rows.resize(r + 1);
    for (auto& line : rows)
        if (line.size() < width) line.resize(width);
    return rows[r][c];
}

std::string DialogGrid::text(int row, int column) const {
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    const auto& line = rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < line.size() ? line[static_cast<std::size_t>(column)].text : std::string();
}

void FillControlGrids(const ViewContext& ctx, DialogGrid& klasses, DialogGrid& teachers) {
    FillKlassCounters(ctx, klasses);
    for (int k = 0; k < ctx.session.klasses().count(); ++k) {
        const TRTIKlassItem& klass = ctx.session.klasses().at(k);
        Put(klasses, 7, k + 1, LeftOf(klass.minFree, klass.todayHours));
        Put(klasses, 8, k + 1, LeftOf(klass.maxFree, klass.todayHours));
    }
    FillTeacherCounters(ctx, teachers);
    for (int t = 0; t < ctx.session.teachers().count(); ++t) {
        const TRTITeacherItem& teacher = ctx.session.teachers().at(t);
        Put(teachers, 10, t + 1, LeftOf(teacher.minFree, teacher.todayHours));
        Put(teachers, 11, t + 1, LeftOf(teacher.maxFree, teacher.todayHours));
    }
}

void FillPreparationGrids(const ViewContext& ctx, DialogGrid& klasses, DialogGrid& teachers) {
    FillKlassCounters(ctx, klasses);
    for (int k = 0; k < ctx.session.klasses().count(); ++k)
        Put(klasses, 7, k + 1, ctx.session.klasses().at(k).todayHours);
    FillTeacherCounters(ctx, teachers);
    for (int t = 0; t < ctx.session.teachers().count(); ++t) {
        const int windows = ctx.planning.TeacherWindowsOnDay(t);
        DialogCell& cell = teachers.at(10, t + 1);
        cell.text = std::to_string(std::max<int>(windows, ctx.options.maxTeacherWindows));
        cell.number = windows;
    }
}

void FillQualityGrid(const WeekQuality& q, DialogGrid& figures) {
    using X = EngineDialogText;
    const auto number = [](int value) { return std::to_string(value); };
    const std::vector<std::pair<X, std::string>> rows = {
        {X::QualityWindows, number(q.teacherWindows)},
        {X::QualityWindowsAllowed, number(q.maxWindows)},
        {X::QualityDaysOverWindows,
         number(q.teacherDaysOverWindows) + LoadResText(X::QualityWindowsPast) + number(q.windowsOverMax) + ")"},
        {X::QualityLopsided, number(q.lopsidedClasses) + LoadResText(X::QualityOf) + number(q.classes)},
        {X::QualityWidestSpread, number(q.widestSpread)},
        {X::QualityLoadOff, OneDecimalText(q.loadOff)},
        {X::QualityOffCurve, number(q.classesOffCurve)},
        {X::QualityFreeDaysShort,
         number(q.teachersShortOfFreeDays) + LoadResText(X::QualityDaysShort) + number(q.freeDaysShort) + ")"},
        {X::QualityWishes, number(q.wishesUsed[0]) + " / " + number(q.wishesUsed[1]) + " / " + number(q.wishesUsed[2])},
        {X::QualityRoomless, number(q.subgroupsWithoutRoom)},
    };
    figures.at(0, 0).text = LoadResText(X::QualityFigure);
    figures.at(0, 1).text = LoadResText(X::QualityValue);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        figures.at(static_cast<int>(r) + 1, 0).text = LoadResText(rows[r].first);
        figures.at(static_cast<int>(r) + 1, 1).text = rows[r].second;
    }
}

void FillLoadGrid(const ViewContext& ctx, DialogGrid& loads) {
    for (int k = 0; k < ctx.session.klasses().count(); ++k) {
        loads.at(k + 1, 0).text = ctx.session.klasses().at(k).displayName();
        for (int d = 1; d <= kVariantDays; ++d)
            loads.at(k + 1, d).text = OneDecimalText(ctx.planning.DayLoadOfClass(k, d));
    }
}

}  // namespace lovaris
