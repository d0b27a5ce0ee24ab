// The engine's dialogs driven as a planner drives them: the preparation before an
// optimisation with its edits and switches, the control and the statistics filled
// from a small school, the progress window and the progress table of a run.
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/views/ViewsSchool.h"
#include "ui/common/HelpViewer.h"
#include "ui/engine/HourglassAnimation.h"
#include "ui/engine/TControlDataDlg.h"
#include "ui/engine/TOptiInfoForm.h"
#include "ui/engine/TPrepareOptiDlg.h"
#include "ui/engine/TProgressWnd.h"
#include "ui/engine/TViewStatDlg.h"

using namespace lovaris;
using namespace lovaris::test;
using namespace lovaris::ui;

namespace {

// The small school on Tuesday: 5А's maths at 1, 5Б's at 4 (Иванова has two windows),
// nothing for 5В; Иванова and Петров form the selected group; three windows allowed.
struct TuesdaySchool : ViewsSchool {
    TuesdaySchool() {
        options.maxTeacherWindows = 3;
        MathsOnTuesday();
        session.teachers().groups.rows = {{kSidorova}, {kIvanova, kPetrov}};
        session.state().selectedGroup = 1;
        session.PrepareDayData(planning, true);
    }
    CountersFill preparationFill() {
        return [this](DialogGrid& k, DialogGrid& t) { FillPreparationGrids(context(), k, t); };
    }
};

QString Cell(DialogGridView* view, int row, int column) {
    return view->model()->index(row - 1, column - 1).data().toString();
}
QString Title(DialogGridView* view, Qt::Orientation orientation, int section) {
    return view->model()->headerData(section - 1, orientation, Qt::DisplayRole).toString();
}
QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Types into the current cell of the grid, as a planner does, and ends with Enter.
void Type(DialogGridView* view, Qt::Key digit) {
    view->setFocus();
    QTest::keyClick(view, digit);
    QWidget* editor = view->findChild<QWidget*>(QStringLiteral("digitEditor"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!view->indexWidget(view->currentIndex()));  // Enter commits once the key is handled
    QVERIFY(view->window()->isVisible());  // and is not the dialog's "Да"
}

// The window as the planner sees it, written when LOVARIS_SCREENSHOTS names a folder.
void Picture(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window->show();
    QCoreApplication::processEvents();
    QVERIFY(window->grab().save(folder + "/" + QString::fromLatin1(name)));
}

}  // namespace

class EngineDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        while (HelpViewer* viewer = FindHelpViewer(nullptr)) delete viewer;
    }

    void preparationShowsTheDayAndStartsOnTheFirstEditableCell() {
        TuesdaySchool school;
        TPrepareOptiDlg dialog(nullptr, PreparationSetupOf(school.context()), school.preparationFill());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Подготовка данных: вторник"));
        QCOMPARE(dialog.pages()->tabText(0), QStringLiteral("Классы"));
        QCOMPARE(dialog.pages()->tabText(1), QStringLiteral("Учителя"));
        const struct {
            const char* name;
            const char* text;
            const char* hint;
        } buttons[] = {{"yesButton", "Да", "Данные верны"},
                       {"cancelButton", "Отмена", "Отменить расстановку уроков"},
                       {"revertButton", "Вернуть", "Вернуться к исходным данным"},
                       {"helpButton", "Справка", "Справка по диалогу"}};
        for (const auto& b : buttons) {
            QPushButton* button = Button(&dialog, b.name);
            QVERIFY2(button, b.name);
            QCOMPARE(button->text(), QString::fromUtf8(b.text));
            QCOMPARE(button->toolTip(), QString::fromUtf8(b.hint));
        }
        QVERIFY(!dialog.revertButton()->isEnabled());
        QVERIFY(!dialog.mostLessonsButton()->isChecked());
        QVERIFY(dialog.mostWindowsButton()->isChecked());
        QCOMPARE(dialog.mostWindowsButton()->text(), QStringLiteral("Максимум \"окон\""));

        DialogGridView* klasses = dialog.view(CountersPage::Klasses);
        DialogGridView* teachers = dialog.view(CountersPage::Teachers);
        QCOMPARE(Title(klasses, Qt::Vertical, kKlassWillRow), QStringLiteral("Будет"));
        QCOMPARE(Title(klasses, Qt::Horizontal, k5B + 1), QStringLiteral("5Б"));
        QCOMPARE(Title(teachers, Qt::Vertical, kTeacherWindowsRow), QStringLiteral("\"Окон\""));
        QCOMPARE(Title(teachers, Qt::Horizontal, kOrlova + 1), QStringLiteral("Орлова"));
        QCOMPARE(Cell(teachers, kTeacherWindowsRow, kIvanova + 1), QStringLiteral("3"));
        QCOMPARE(klasses->currentIndex(), klasses->model()->index(kKlassWillRow - 1, k5A));
        QCOMPARE(teachers->currentIndex(), teachers->model()->index(kTeacherWindowsRow - 1, kIvanova));
        // Only "Будет" of the day's classes and ""Окон"" of the group's teachers take the cursor.
        const auto flags = [](DialogGridView* view, int row, int column) {
            return view->model()->index(row - 1, column - 1).flags();
        };
        QVERIFY(flags(klasses, kKlassWillRow, k5B + 1).testFlag(Qt::ItemIsEditable));
        QCOMPARE(flags(klasses, kKlassWillRow, k5V + 1), Qt::NoItemFlags);
        QCOMPARE(flags(klasses, kKlassPlacedRow, k5A + 1), Qt::NoItemFlags);
        QVERIFY(flags(teachers, kTeacherWindowsRow, kPetrov + 1).testFlag(Qt::ItemIsSelectable));
        QCOMPARE(flags(teachers, kTeacherWindowsRow, kSidorova + 1), Qt::NoItemFlags);
        Picture(&dialog, "dialog-prepare.png");
    }

    void preparationEditsRevertAndSwitches() {
        TuesdaySchool school;
        TPrepareOptiDlg dialog(nullptr, PreparationSetupOf(school.context()), school.preparationFill());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        DialogGridView* klasses = dialog.view(CountersPage::Klasses);
        // One lesson of 5А stands today: 0 lessons becomes 1, 4 stays 4.
        Type(klasses, Qt::Key_0);
        QCOMPARE(Cell(klasses, kKlassWillRow, k5A + 1), QStringLiteral("1"));
        QVERIFY(dialog.revertButton()->isEnabled());
        Type(klasses, Qt::Key_4);
        QCOMPARE(Cell(klasses, kKlassWillRow, k5A + 1), QStringLiteral("4"));
        QTest::mouseClick(dialog.revertButton(), Qt::LeftButton);
        QCOMPARE(Cell(klasses, kKlassWillRow, k5A + 1), QStringLiteral("1"));
        QVERIFY(!dialog.revertButton()->isEnabled());

        dialog.mostLessonsButton()->click();
        const int maxFree = school.session.klasses().at(k5A).maxFree;
        QCOMPARE(Cell(klasses, kKlassWillRow, k5A + 1), QString::number(maxFree));
        QCOMPARE(Cell(klasses, kKlassWillRow, k5V + 1), QStringLiteral("0"));  // not a class of the day
        dialog.fewestLessonsButton()->click();
        QCOMPARE(Cell(klasses, kKlassWillRow, k5A + 1), QStringLiteral("1"));

        DialogGridView* teachers = dialog.view(CountersPage::Teachers);
        dialog.fewestWindowsButton()->click();
        QCOMPARE(Cell(teachers, kTeacherWindowsRow, kIvanova + 1), QStringLiteral("2"));
        QCOMPARE(Cell(teachers, kTeacherWindowsRow, kPetrov + 1), QStringLiteral("0"));
        QCOMPARE(Cell(teachers, kTeacherWindowsRow, kSidorova + 1), QStringLiteral("3"));  // outside the group
        dialog.mostWindowsButton()->click();
        QCOMPARE(Cell(teachers, kTeacherWindowsRow, kIvanova + 1), QStringLiteral("3"));
    }

    void yesHandsTheValuesToThePlanningCopies() {
        TuesdaySchool school;
        TPrepareOptiDlg dialog(nullptr, PreparationSetupOf(school.context()), school.preparationFill());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Type(dialog.view(CountersPage::Klasses), Qt::Key_5);
        dialog.pages()->setCurrentIndex(1);
        DialogGridView* teachers = dialog.view(CountersPage::Teachers);
        teachers->setFocus();
        QTest::keyClick(teachers, Qt::Key_1);  // typed, not yet entered: "Да" takes it too
        QVERIFY(teachers->indexWidget(teachers->currentIndex()));
        QTest::mouseClick(Button(&dialog, "yesButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.ApplyTo(school.session);
        QCOMPARE(school.session.klasses().at(k5A).todayHours, 5);
        QCOMPARE(school.session.klasses().at(k5B).todayHours, 1);
        QCOMPARE(school.session.teachers().at(kIvanova).maxFree, 1);
        QCOMPARE(school.session.teachers().at(kSidorova).maxFree, 3);  // not editable, still handed over
    }

    void cancelStartsNothing() {
        TuesdaySchool school;
        TPrepareOptiDlg dialog(nullptr, PreparationSetupOf(school.context()), school.preparationFill());
        dialog.show();
        QTest::mouseClick(Button(&dialog, "cancelButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void controlShowsTheCountersReadOnly() {
        TuesdaySchool school;
        school.session.PrepareDayData(school.planning, false);
        DialogGrid klasses = LaidKlassGrid(CountersDialog::Control, 3);
        DialogGrid teachers = LaidTeacherGrid(CountersDialog::Control, 6);
        FillControlGrids(school.context(), klasses, teachers);
        TControlDataDlg dialog(nullptr, 2, 6, 3, [&](DialogGrid& k, DialogGrid& t) { FillControlGrids(school.context(), k, t); });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Общий контроль: вторник"));
        Picture(&dialog, "dialog-control.png");
        QVERIFY(dialog.grid(CountersPage::Klasses).rows == klasses.rows);
        QVERIFY(dialog.grid(CountersPage::Teachers).rows == teachers.rows);
        DialogGridView* view = dialog.view(CountersPage::Teachers);
        QCOMPARE(Title(view, Qt::Vertical, 11), QStringLiteral("Максимум"));
        QCOMPARE(Cell(view, 8, kIvanova + 1), QString::fromStdString(teachers.text(8, kIvanova + 1)));
        for (DialogGridView* grid : {dialog.view(CountersPage::Klasses), view})
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                for (int c = 0; c < grid->model()->columnCount(); ++c)
                    QCOMPARE(grid->model()->index(r, c).flags(), Qt::NoItemFlags);
        QPushButton* close = Button(&dialog, "closeButton");
        QCOMPARE(close->text(), QStringLiteral("Закрыть"));
        QCOMPARE(close->toolTip(), QStringLiteral("Закрыть диалог"));
        dialog.show();
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void statisticsShowEveryClassOnEveryDay() {
        TuesdaySchool school;
        TViewStatDlg dialog(nullptr, 3, [&](DialogGrid& loads) { FillLoadGrid(school.context(), loads); });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Статистика"));
        auto* pages = dialog.findChild<QTabWidget*>();
        QCOMPARE(pages->tabText(0), QStringLiteral("Распределение нагрузки"));
        DialogGridView* view = dialog.view();
        QCOMPARE(view->model()->rowCount(), 3);
        QCOMPARE(view->model()->columnCount(), 6);
        QCOMPARE(Title(view, Qt::Horizontal, 1), QLocale().dayName(1, QLocale::ShortFormat));
        QCOMPARE(Title(view, Qt::Horizontal, 6), QLocale().dayName(6, QLocale::ShortFormat));
        QCOMPARE(Title(view, Qt::Vertical, k5B + 1), QStringLiteral("5Б"));
        QCOMPARE(Cell(view, k5A + 1, 2), QStringLiteral("8,0"));
        QCOMPARE(Cell(view, k5V + 1, 1), QStringLiteral("0,0"));
    }

    void statisticsShowTheWeeksQualityOnTheirSecondPage() {
        TuesdaySchool school;
        WeekQuality quality;
        quality.teacherWindows = 14;
        quality.maxWindows = 1;
        quality.teacherDaysOverWindows = 2;
        quality.windowsOverMax = 3;
        quality.lopsidedClasses = 1;
        quality.classes = 22;
        quality.loadOff = 12.25;
        quality.wishesUsed = {0, 1, 4};
        TViewStatDlg dialog(
            nullptr, 3, [&](DialogGrid& loads) { FillLoadGrid(school.context(), loads); },
            [&](DialogGrid& figures) { FillQualityGrid(quality, figures); });
        auto* pages = dialog.findChild<QTabWidget*>();
        QCOMPARE(pages->count(), 2);
        QCOMPARE(pages->tabText(1), QStringLiteral("Качество недели"));
        DialogGridView* view = dialog.qualityView();
        QCOMPARE(view->model()->rowCount(), 10);
        QCOMPARE(Title(view, Qt::Horizontal, 1), QStringLiteral("Значение"));
        QCOMPARE(Title(view, Qt::Vertical, 1), QStringLiteral("\"Окна\" учителей"));
        QCOMPARE(Cell(view, 1, 1), QStringLiteral("14"));
        QCOMPARE(Cell(view, 3, 1), QStringLiteral("2 (\"окон\" сверх нормы: 3)"));
        QCOMPARE(Cell(view, 4, 1), QStringLiteral("1 из 22"));
        QCOMPARE(Cell(view, 9, 1), QStringLiteral("0 / 1 / 4"));
        if (const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS"); !folder.isEmpty()) {
            dialog.show();
            pages->setCurrentIndex(1);
            QVERIFY(dialog.grab().save(folder + QStringLiteral("/dialog-statistics.png")));
        }
        // Without the week's figures the dialog keeps its one page.
        TViewStatDlg loadsOnly(nullptr, 3, [&](DialogGrid& loads) { FillLoadGrid(school.context(), loads); });
        QCOMPARE(loadsOnly.findChild<QTabWidget*>()->count(), 1);
        QVERIFY(!loadsOnly.qualityView());
    }

    void helpOpensEachDialogsTopic() {
        TuesdaySchool school;
        TPrepareOptiDlg prepare(nullptr, PreparationSetupOf(school.context()), school.preparationFill());
        TControlDataDlg control(nullptr, 2, 6, 3, {});
        TViewStatDlg statistics(nullptr, 3, {});
        const std::pair<QDialog*, int> cases[] = {{&prepare, 30}, {&control, 31}, {&statistics, 32}};
        for (auto [dialog, topic] : cases) {
            dialog->show();
            QTest::mouseClick(Button(dialog, "helpButton"), Qt::LeftButton);
            HelpViewer* viewer = FindHelpViewer(dialog);
            QVERIFY(viewer);
            QCOMPARE(viewer->topic(), topic);
            QVERIFY(HelpTopicHasPage(topic));
            delete viewer;
            dialog->hide();
        }
        QVERIFY(HelpTopicHasPage(TOptiInfoForm::kHelpTopic));
    }

    void progressWindowShowsStagesAndCancels() {
        int cancels = 0;
        TProgressWnd window(nullptr, 2, [&] { ++cancels; });
        QCOMPARE(window.windowTitle(), QStringLiteral("Пожалуйста, подождите..."));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.stageLabel()->text(), QStringLiteral("1-й этап из 2"));
        window.SetStage(1, 3);
        window.SetStep(2, QStringLiteral("5Б"));
        QCOMPARE(window.stageLabel()->text(), QStringLiteral("1-й этап из 2 - 5Б"));
        QCOMPARE(window.gauge()->maximum(), 3);
        QCOMPARE(window.gauge()->value(), 2);
        Picture(&window, "dialog-progress.png");
        window.SetStage(2, 5);
        QCOMPARE(window.stageLabel()->text(), QStringLiteral("2-й этап из 2"));
        QCOMPARE(window.gauge()->value(), 0);
        QCOMPARE(window.gauge()->maximum(), 5);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int first = window.animation()->picture();
        QTRY_VERIFY_WITH_TIMEOUT(window.animation()->picture() != first, 1500);
        // A long step widens the shown window rather than being cut.
        window.SetStep(1, QStringLiteral("улучшение недели: окна учителей, ровные дни классов"));
        QCoreApplication::processEvents();
        QVERIFY(window.stageLabel()->width() >= window.stageLabel()->sizeHint().width());
        QCOMPARE(window.cancelButton()->text(), QStringLiteral("Отмена"));
        QCOMPARE(window.cancelButton()->toolTip(), QStringLiteral("Прервать расстановку уроков"));
        QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        QCOMPARE(cancels, 1);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(cancels, 2);
        QVERIFY(window.isVisible());  // the run closes it when it has stopped
    }

    void progressTableFollowsTheSearchUntilPaused() {
        std::vector<ProgressRow> rows{{"5Б", "1 из 2"}, {"5В", "1 из 4"}};
        TOptiInfoForm table(nullptr, {{"5Б", "0 из 2"}, {"5В", "0 из 6"}}, [&] { return rows; });
        QCOMPARE(table.windowTitle(), QStringLiteral("Ход оптимизации"));
        QVERIFY(!table.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        DialogGridView* view = table.view();
        QCOMPARE(Title(view, Qt::Horizontal, 1), QStringLiteral("Класс"));
        QCOMPARE(Title(view, Qt::Horizontal, 2), QStringLiteral("Вариант"));
        QCOMPARE(Cell(view, 2, 2), QStringLiteral("0 из 6"));
        QCOMPARE(view->rowHeight(1), view->verticalHeader()->defaultSectionSize());  // no row titles, no thin rows
        QCOMPARE(table.timer()->interval(), 1000);
        QVERIFY(table.timer()->isActive());
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QTRY_COMPARE(Cell(view, 2, 2), QStringLiteral("1 из 4"));
        Picture(&table, "dialog-progress-table.png");

        // A variant waits: the rows are read at once and then stand still.
        rows[1].variant = "2 из 4";
        table.Pause(false);
        QCOMPARE(Cell(view, 2, 2), QStringLiteral("2 из 4"));
        QVERIFY(!table.timer()->isActive());
        rows[1].variant = "3 из 4";
        QTest::qWait(1200);
        QCOMPARE(Cell(view, 2, 2), QStringLiteral("2 из 4"));
        table.Pause(true);
        QVERIFY(table.timer()->isActive());
        QTRY_COMPARE(Cell(view, 2, 2), QStringLiteral("3 из 4"));
        // A row count that changes is shown too.
        rows.push_back({"5Г", "1 из 300"});
        table.refresh();
        QCOMPARE(Cell(view, 3, 2), QStringLiteral("1 из 300"));
        QTest::keyClick(&table, Qt::Key_Escape);
        QVERIFY(table.isVisible());
    }
};

QTEST_MAIN(EngineDialogsTest)
#include "EngineDialogsTest.moc"
