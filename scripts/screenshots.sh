#!/bin/bash
# Takes the pictures in docs/screenshots again from a built tree (default: build):
# the window tests write theirs at 1366 x 768 when LOVARIS_SCREENSHOTS names the folder,
# and the report pages are the first pages of the sample school's reports on a planned week.
# The Russian locale gives the day names the program shows (it sets the same one itself).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shots=$root/docs/screenshots
export LOVARIS_SCREENSHOTS=$shots QT_QPA_PLATFORM=offscreen LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8

for test in MainWindowTest WorkspaceTest ManualPlanningTest JournalWindowTest InterchangeTest DataCheckWindowTest \
            GroupDialogsTest PrintDialogsTest EngineDialogsTest HelpViewerTest ProjParamsTest LessonDialogsTest; do
    "$build/tests/ui_$test" >/dev/null 2>&1 || { echo "ui_$test failed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cli=$build/src/cli/lovaris-cli
cd "$work"
cp "$build/examples/school.tbl" school.tbl
"$cli" plan school.tbl -o week.rsp >/dev/null
# Two days of the journal: four lessons of one teacher, two of another, some substituted.
"$cli" journal-add zarch.sys school.tbl week.rsp --date 2026-12-07 --teacher "Смирнова Елена Викторовна" --lessons 1,2,3,4 --reason "Болезнь" >/dev/null
"$cli" journal-substitute zarch.sys school.tbl week.rsp --date 2026-12-07 --row 1 --teacher "Васильева Татьяна Сергеевна" >/dev/null
"$cli" journal-substitute zarch.sys school.tbl week.rsp --date 2026-12-07 --row 2 --teacher "Соколова Марина Владимировна" >/dev/null
"$cli" journal-edit zarch.sys school.tbl --date 2026-12-07 --row 4 --note "Урок проведён в библиотеке" >/dev/null
"$cli" journal-add zarch.sys school.tbl week.rsp --date 2026-12-08 --teacher "Попова Ирина Николаевна" --lessons 1,2 --reason "Курсы" >/dev/null
"$cli" journal-substitute zarch.sys school.tbl week.rsp --date 2026-12-08 --row 1 --teacher "Васильева Татьяна Сергеевна" >/dev/null

report() {  # NAME KIND ARGUMENTS...
    local name=$1 kind=$2
    shift 2
    "$cli" report "$kind" school.tbl "$@" -o "$name.pdf"
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$name.pdf" "$shots/report-$name"
}
report class class week.rsp --class 1А
report teacher teacher week.rsp --teacher "Попова Ирина Николаевна"
report all-classes all-classes week.rsp
report all-teachers all-teachers week.rsp
report teachers-data teachers-data
report classes-data classes-data
report load-table load-table week.rsp
report load-chart load-chart week.rsp
report subst-day subst-day week.rsp --archive zarch.sys --date 07.12.2026
report subst-period subst-period week.rsp --archive zarch.sys --from 07.12.2026 --to 08.12.2026
