// The teacher group dialogs and the week variant search window on a small school:
// drops and attaching in the working copy, the group commands and their message,
// the chosen group, the settings bound to the planning state; the week search run
// from the event loop, aborted and continued with "Дальше".
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/common/FileIO.h"
#include "core/data/ProjectFile.h"
#include "core/support/EngineTestSchool.h"
#include "core/workspace/RunChecks.h"
#include "support/DialogAnswers.h"
#include "support/ModalWatch.h"
#include "ui/weekvars/TGroupMan.h"
#include "ui/weekvars/TWeekVarsDlg.h"
#include "ui/weekvars/TeacherGroupsModel.h"

using namespace lovaris;
using namespace lovaris::ui;
using lovaris::test::ModalWatch;

using Groups = std::vector<std::vector<int>>;
Q_DECLARE_METATYPE(Groups)

namespace {

// One class, 5А, four lessons a day; four teachers with a lesson each: maths
// (Иванова), a four-hour crafts block (Петров), history (Сидорова), music (Орлов).
constexpr int kMaths = 0, kCrafts = 1;
constexpr int kMonday = 1;

struct SmallSchool {
    SmallSchool() : school(4) {
        const int k = school.klass("5А");
        school.lesson(k, {1}, {{school.subject("Математика"), school.teacher("Иванова")}});
        school.lesson(k, {4}, {{school.subject("Труд"), school.teacher("Петров")}});
        school.lesson(k, {1}, {{school.subject("История"), school.teacher("Сидорова")}});
        school.lesson(k, {1}, {{school.subject("Музыка"), school.teacher("Орлов")}});
    }
    lovaris::test::EngineSchool school;
};

GroupDialogSettings AllOn() { return GroupDialogSettings{true, true, true, true, true}; }

void Put(VariantWorkspace& ws, int lesson, int start, int hours, bool draft) {
    for (int n = start; n < start + hours; ++n) {
        const LessonSlot slot = LessonSlot::BlockHour(lesson, start, n);
        draft ? ws.variant().SetDraftSlot(0, kMonday, slot, n) : ws.variant().SetCleanSlot(0, kMonday, slot, n);
    }
}

Groups Padded(Groups groups, int teachers) {
    groups.resize(static_cast<std::size_t>(teachers));
    return groups;
}

void Drop(TeacherGroupsModel* model, GroupCell from, GroupCell to) {
    std::unique_ptr<QMimeData> data(model->mimeData({model->indexOf(from)}));
    model->dropMimeData(data.get(), Qt::CopyAction, -1, -1, model->indexOf(to));
}

void ClickCell(QTableView* grid, int row, int column) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace

class GroupDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SmallSchool> small_;
    std::unique_ptr<VariantWorkspace> ws_;
    std::optional<Project> sample_;

    Groups teacherGroups() const { return ws_->session().teachers().groups.rows; }
    void setGroups(const Groups& groups) { ws_->session().teachers().groups.rows = Padded(groups, 4); }

    // The sample school, with its week grouping built and its first group of several
    // members chosen.
    std::unique_ptr<VariantWorkspace> sampleWeekSearch() {
        auto ws = VariantWorkspace::CreateNew(*sample_, WorkspaceSetup{QDir::tempPath().toStdString(), AllOn()});
        BeginWeekSearch(*ws);
        const auto& groups = ws->session().teachers().groups;
        for (int g = 0; g < groups.rowCount(); ++g)
            if (groups.row(g).size() >= 3) {
                if (!ChooseWeekSearchGroup(*ws, g).ready()) return nullptr;
                return ws;
            }
        return nullptr;
    }

private slots:
    void initTestCase() {
        const auto bytes = ReadWholeFile(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl");
        QVERIFY(bytes);
        sample_ = ParseProject(*bytes);
        QVERIFY(sample_);
    }
    void init() {
        small_ = std::make_unique<SmallSchool>();
        ws_ = VariantWorkspace::CreateNew(small_->school.project, WorkspaceSetup{{}, AllOn()});
        setGroups({{0, 1}, {2}, {3}});
    }

    // A drop moves the teacher in the working copy and writes it back; the day dialog
    // appends to another group and refuses its own, the week dialog inserts at the
    // row and reorders its own group.
    void dropsChangeTheTable_data() {
        QTest::addColumn<bool>("week");
        QTest::addColumn<int>("fromGroup");
        QTest::addColumn<int>("fromPlace");
        QTest::addColumn<int>("toGroup");
        QTest::addColumn<int>("toPlace");
        QTest::addColumn<Groups>("expected");
        QTest::newRow("day: appended to another") << false << 0 << 0 << 1 << 7 << Groups{{1}, {2, 0}, {3}};
        QTest::newRow("day: inserted nowhere") << false << 0 << 0 << 1 << 0 << Groups{{1}, {2, 0}, {3}};
        QTest::newRow("day: own group refused") << false << 0 << 0 << 0 << 1 << Groups{{0, 1}, {2}, {3}};
        QTest::newRow("week: inserted at the row") << true << 0 << 1 << 1 << 0 << Groups{{0}, {1, 2}, {3}};
        QTest::newRow("week: reordered") << true << 0 << 1 << 0 << 0 << Groups{{1, 0}, {2}, {3}};
        QTest::newRow("blank cell not dragged") << true << 1 << 3 << 0 << 0 << Groups{{0, 1}, {2}, {3}};
    }
    void dropsChangeTheTable() {
        QFETCH(bool, week);
        QFETCH(int, fromGroup);
        QFETCH(int, fromPlace);
        QFETCH(int, toGroup);
        QFETCH(int, toPlace);
        QFETCH(Groups, expected);
        std::unique_ptr<TGroupMan> dialog = week ? std::make_unique<TWeekGroupMan>(nullptr, *ws_)
                                                 : std::make_unique<TGroupMan>(nullptr, *ws_);
        dialog->show();
        QCOMPARE(dialog->model()->rowCount(), kMinGroupRows);
        QCOMPARE(dialog->model()->columnCount(), 3);
        const QString moved = dialog->model()->indexOf({fromGroup, fromPlace}).data().toString();
        Drop(dialog->model(), {fromGroup, fromPlace}, {toGroup, toPlace});
        QCOMPARE(teacherGroups(), Padded(expected, 4));
        if (teacherGroups() != Padded({{0, 1}, {2}, {3}}, 4)) {
            // The teacher's new cell has the focus and its group is the selected one.
            const auto* selected = dialog->findChild<QComboBox*>(QStringLiteral("SelectedGroupCombo"));
            QCOMPARE(selected->currentIndex(), toGroup);
            QCOMPARE(dialog->grid()->currentIndex().column(), toGroup);
            QCOMPARE(dialog->grid()->currentIndex().data().toString(), moved);
        }
    }

    // Attaching changes the working copy alone: "Закрыть" leaves the teachers' groups
    // as they were, "Расставить" writes them back and returns the selected group.
    void attachAndTheChosenGroup() {
        auto attachGroupThree = [](QWidget* dialog, const char* button) {
            auto* grid = dialog->findChild<QTableView*>(QStringLiteral("TeachersGroupsGrid"));
            ClickCell(grid, 5, 1);  // a blank cell of group 2 chooses that group
            auto* selected = dialog->findChild<QComboBox*>(QStringLiteral("SelectedGroupCombo"));
            QCOMPARE(selected->currentIndex(), 1);
            auto* attach = dialog->findChild<QComboBox*>(QStringLiteral("AttachGroupCombo"));
            QCOMPARE(attach->currentIndex(), -1);
            QCOMPARE(attach->itemText(2), QStringLiteral("Группу 3"));
            attach->activated(2);
            QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Орлов"));
            QVERIFY(!grid->model()->index(0, 2).data().isValid());
            QCOMPARE(attach->currentIndex(), -1);
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        };
        lovaris::test::ActOnNextDialog([&](QWidget* d) { attachGroupThree(d, "CancelPrgBtn"); });
        QCOMPARE(ChooseWeekGroup(nullptr, *ws_), std::nullopt);
        QCOMPARE(teacherGroups(), Padded({{0, 1}, {2}, {3}}, 4));

        lovaris::test::ActOnNextDialog([&](QWidget* d) { attachGroupThree(d, "OKPrgBtn"); });
        QCOMPARE(ChooseDayGroup(nullptr, *ws_), std::optional<int>(1));
        QCOMPARE(teacherGroups(), Padded({{0, 1}, {2, 3}}, 4));
    }

    // The captions, the group lists and "Добавить", which stops once every teacher
    // could have a group of its own.
    void captionsListsAndAdd() {
        TGroupMan day(nullptr, *ws_);
        QCOMPARE(day.windowTitle(), QStringLiteral("Группы учителей: понедельник"));
        TWeekGroupMan week(nullptr, *ws_);
        QCOMPARE(week.windowTitle(), QStringLiteral("Группы учителей: вся неделя"));
        QCOMPARE(week.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Группа 3"));
        auto* add = week.findChild<QPushButton*>(QStringLiteral("AddGrpPrgBtn"));
        QCOMPARE(add->text(), QStringLiteral("Добавить  "));
        auto* selected = week.findChild<QComboBox*>(QStringLiteral("SelectedGroupCombo"));
        QCOMPARE(selected->count(), 3);
        add->click();
        QCOMPARE(week.model()->columnCount(), 4);
        QCOMPARE(selected->count(), 4);
        QCOMPARE(selected->itemText(3), QStringLiteral("Группа 4"));
        QVERIFY(!add->isEnabled());
        QCOMPARE(ws_->session().teachers().groups.rowCount(), 4);
    }

    // "В черновик" with no room in the class's draft shows the message and changes
    // nothing; "Снять" takes the group's lessons off the day. The views hear of both.
    void groupCommandsAndTheirMessage() {
        setGroups({{0}, {1, 2}, {3}});
        Put(*ws_, kMaths, 1, 1, false);
        Put(*ws_, kCrafts, 1, 4, true);  // the draft is full
        ws_->SetVariantModified(false);
        int redraws = 0;
        TGroupMan dialog(nullptr, *ws_, [&redraws] { ++redraws; });
        dialog.show();
        {
            ModalWatch answer(QStringLiteral("yesButton"));
            dialog.findChild<QPushButton*>(QStringLiteral("DelGrpPrgBtn"))->click();
            QTRY_COMPARE(answer.seen.size(), 1);
            QCOMPARE(answer.seen.at(0), QStringLiteral("В черновике класса 5А (понедельник) недостаточно места."));
        }
        QCOMPARE(ws_->variant().GetCleanSlot(0, kMonday, 1).lessonIndex, kMaths);
        QVERIFY(!ws_->modified());

        ModalWatch none(QStringLiteral("yesButton"));
        dialog.findChild<QPushButton*>(QStringLiteral("ClearPrgBtn"))->click();
        QVERIFY(none.seen.isEmpty());
        QCOMPARE(ws_->variant().GetCleanSlot(0, kMonday, 1).lessonIndex, -1);
        QCOMPARE(ws_->variant().GetDraftSlot(0, kMonday, 1).lessonIndex, kCrafts);  // another group's
        QVERIFY(ws_->modified());
        QCOMPARE(redraws, 2);
        QVERIFY(!ws_->state().groupCommandActive);
    }

    // Each box shows its setting (the "Не учитывать" ones inverted) and writes it at once.
    void settingsAreBoundToTheState_data() {
        QTest::addColumn<bool>("week");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("setting");
        QTest::addColumn<bool>("inverse");
        QTest::newRow("auto-save") << false << "AutoSaveCheckBox" << 0 << false;
        QTest::newRow("find best") << false << "FindBestCheckBox" << 1 << false;
        QTest::newRow("attached rooms") << false << "AttachedRoomsCheckBox" << 2 << true;
        QTest::newRow("separated hours") << true << "SeparatedHoursCheckBox" << 3 << true;
        QTest::newRow("parallels") << true << "ParallelsCheckBox" << 4 << true;
        QTest::newRow("optimised order") << true << "OptimizeQueueCheckBox" << 5 << false;
    }
    void settingsAreBoundToTheState() {
        QFETCH(bool, week);
        QFETCH(QString, box);
        QFETCH(int, setting);
        QFETCH(bool, inverse);
        PlanningState& s = ws_->state();
        bool* const fields[] = {&s.autoSaveVariants,       &s.findBestVariant,   &s.considerAttachedRooms,
                                &s.considerSeparatedHours, &s.considerParallels, &s.optimizeQueue};
        bool& field = *fields[setting];
        field = true;
        std::unique_ptr<TGroupMan> dialog = week ? std::make_unique<TWeekGroupMan>(nullptr, *ws_)
                                                 : std::make_unique<TGroupMan>(nullptr, *ws_);
        auto* check = dialog->findChild<QCheckBox*>(box);
        QVERIFY(check);
        QCOMPARE(check->isChecked(), !inverse);
        check->click();
        QCOMPARE(field, false);
        check->click();
        QCOMPARE(field, true);
    }
    void weekDialogChoosesTheTargetLayer() {
        ws_->state().placeToCleanCopy = true;
        TWeekGroupMan dialog(nullptr, *ws_);
        auto* draft = dialog.findChild<QRadioButton*>(QStringLiteral("PlaceToDraftRadio"));
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("PlaceToCleanRadio"))->isChecked());
        draft->click();
        QVERIFY(!ws_->state().placeToCleanCopy);
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("AutoSaveCheckBox")));
    }

    // Aborting from the event loop during the second member keeps the first member's
    // lessons; "Дальше" ends each member's pass, and "Готово" comes after the last.
    void weekSearchAbortedDuringTheSecondMember() {
        auto ws = sampleWeekSearch();
        QVERIFY(ws);
        ws->state().optimizeQueue = false;
        TWeekVarsDlg dialog(nullptr, *ws, SliceLimit{20, {}});
        dialog.show();
        auto* next = dialog.findChild<QPushButton*>(QStringLiteral("EnoughBtn"));
        QElapsedTimer clock;
        clock.start();
        while (dialog.grid()->model()->rowCount() < 2 && clock.elapsed() < 60000) {
            if (dialog.grid()->model()->rowCount() == 1) next->click();
            QTest::qWait(5);
        }
        QCOMPARE(dialog.grid()->model()->rowCount(), 2);
        QVERIFY(!dialog.over());
        dialog.findChild<QPushButton*>(QStringLiteral("AbortBtn"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.isHidden());
        QVERIFY(dialog.over());
        QCOMPARE(dialog.grid()->model()->rowCount(), 2);
        QVERIFY(ws->HoldsLesson());  // the first member's lessons
        QVERIFY(ws->modified());
    }
    void weekSearchContinuedToTheEnd() {
        auto ws = sampleWeekSearch();
        QVERIFY(ws);
        TWeekVarsDlg dialog(nullptr, *ws, SliceLimit{20, {}});
        dialog.show();
        auto* done = dialog.findChild<QPushButton*>(QStringLiteral("OKButton"));
        auto* next = dialog.findChild<QPushButton*>(QStringLiteral("EnoughBtn"));
        QVERIFY(!done->isEnabled());
        QElapsedTimer clock;
        clock.start();
        while (!done->isEnabled() && clock.elapsed() < 60000) {
            if (next->isEnabled()) next->click();
            QTest::qWait(5);
        }
        QVERIFY(done->isEnabled());
        QVERIFY(!next->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("AbortBtn"))->isEnabled());
        QCOMPARE(dialog.grid()->model()->rowCount(), dialog.memberCount());
        QCOMPARE(dialog.grid()->model()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Распред. уроков"));
        // The parallels are considered: the improvements show the best parallel count.
        QVERIFY(dialog.grid()->model()->index(0, 2).data().toString().contains(QLatin1Char('(')));
        done->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(ws->HoldsLesson());
        QVERIFY(ws->modified());
    }

    // Pictures of the three windows on the sample school, for the documentation; only
    // when LOVARIS_SCREENSHOTS names the folder to write them to.
    void screenshots() {
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("LOVARIS_SCREENSHOTS not set");
        auto ws = sampleWeekSearch();
        QVERIFY(ws);
        {
            TWeekVarsDlg search(nullptr, *ws, SliceLimit{5, {}});
            search.resize(720, 360);
            search.show();
            auto* next = search.findChild<QPushButton*>(QStringLiteral("EnoughBtn"));
            // Each member has its time before "Дальше"; the last one is pictured under way.
            auto rows = [&search] { return search.grid()->model()->rowCount(); };
            while (rows() < search.memberCount() && !search.over()) {
                const int started = rows();
                QTest::qWait(400);
                if (rows() == started) next->click();
            }
            QTest::qWait(20);
            QVERIFY(search.grab().save(folder + QStringLiteral("/dialog-week-search.png")));
            search.reject();
        }
        TWeekGroupMan week(nullptr, *ws);
        week.show();
        QVERIFY(week.grab().save(folder + QStringLiteral("/dialog-groups-week.png")));
        bool dayReady = false;  // the first day the search put lessons on
        for (int d = 1; d <= 6 && !dayReady; ++d) {
            ws->SelectDay(d);
            dayReady = BeginOptimisation(*ws).ready();
        }
        QVERIFY(dayReady);
        TGroupMan day(nullptr, *ws);
        day.show();
        QVERIFY(day.grab().save(folder + QStringLiteral("/dialog-groups-day.png")));
    }
};

QTEST_MAIN(GroupDialogsTest)
#include "GroupDialogsTest.moc"
