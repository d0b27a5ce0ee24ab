#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/planning/DayDraftFill.h"
#include "core/weekplan/WeekPlanSummary.h"
#include "support/DialogAnswers.h"
#include "support/ModalWatch.h"
#include "ui/app/TMdiTable.h"
#include "core/planning/WeekQuality.h"
#include "ui/app/StartupFile.h"
#include "ui/app/TPrgMdiFrame.h"
#include "ui/engine/TOptiInfoForm.h"
#include "ui/engine/TProgressWnd.h"
#include "ui/workspace/TSchoolTable.h"
#include "ui/workspace/TTableVarsManager.h"
#include "ui/workspace/VariantViews.h"

using namespace lovaris;
using namespace lovaris::ui;
using lovaris::test::ModalWatch;

// The planning window on the sample school: entering planning, the five views, the
// day and orientation, saving a variant and finding it again, the close question, the
// whole week planned.
class WorkspaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TPrgMdiFrame> frame_;
    QStringList answers_;  // what the variant file dialogs give back, in turn

    TTableVarsManager* workspace() const { return frame_->workspace(); }
    VariantViews* views() const { return workspace()->views(); }
    QString cellText(ViewKind kind, int col, int row) const {
        return RecordText(views()->grid(kind)->cells()->record(col, row));
    }
    void trigger(const char* name) { frame_->command(QString::fromLatin1(name))->trigger(); }
    void enterPlanning() {
        ModalWatch options(QStringLiteral("yesButton"));  // the new variant's options
        trigger("RunKorvidanMenu");
        QVERIFY(workspace());
    }
    // The first lesson of class 0 in Monday's clean copy, at lesson 1.
    void placeALesson() {
        QVERIFY(workspace()->workspace().planning().PlaceLinkedLesson(0, 0, false, 1, 1, 1));
        workspace()->workspace().SetVariantModified(true);
        workspace()->RefreshViews();
    }

    // A new variant with one lesson placed, saved as `file`; the placed cell's text.
    QString savePlacedVariant(const QString& file) {
        enterPlanning();
        placeALesson();
        workspace()->dialogs().setFileChooser([file](const FileDialogRequest&) { return file; });
        const QString placed = cellText(ViewKind::Klasses, 1, 1);
        trigger("saveVariantItem");
        return placed;
    }

    // Pictures of the views, each in both orientations, written to `folder` as NAME.png
    // (upright) and NAME-horizontal.png; an empty name leaves that picture out.
    struct ViewShot {
        ViewKind kind;
        const char* upright;
        const char* horizontal;
    };
    void shootViews(const QString& folder, std::initializer_list<ViewShot> shots) {
        auto* orientation = views()->findChild<QSlider*>(QStringLiteral("ViewModeSwitch"));
        for (const int value : {0, 1}) {
            orientation->setValue(value);
            for (const ViewShot& shot : shots) {
                const char* name = value == 0 ? shot.upright : shot.horizontal;
                if (!*name) continue;
                views()->pages()->setCurrentIndex(static_cast<int>(shot.kind));  // the tabs follow ViewKind
                QCoreApplication::processEvents();
                QVERIFY(frame_->grab().save(folder + "/" + QString::fromLatin1(name) + ".png"));
            }
        }
        orientation->setValue(0);
    }

    WeekPlanSummary weekSummary() const {
        const VariantWorkspace& ws = workspace()->workspace();
        return SummariseWeek(ws.session(), ws.variant());
    }

    // Monday's lessons in the drafts, and the run's group and preparation answered:
    // "Оптимизация" then starts at once.
    void readyMondaysDrafts() {
        VariantWorkspace& ws = workspace()->workspace();
        QVERIFY(FillDayDraft(ws.session(), ws.planning(), 1) > 0);
        // Rooms attached to teachers left aside: so the drafts have complete arrangements.
        ws.state().considerAttachedRooms = false;
        workspace()->chooseDayGroup = [](TTableVarsManager&) { return std::optional<int>(0); };
        workspace()->prepareDay = [](TTableVarsManager&) { return true; };
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        const QString school = dir_->filePath(QStringLiteral("school.tbl"));
        QVERIFY(QFile::copy(QStringLiteral(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl"), school));
        frame_ = std::make_unique<TPrgMdiFrame>();
        frame_->resize(1200, 800);
        frame_->show();
        QVERIFY(frame_->OpenProjectFile(school));
        answers_.clear();
    }
    void cleanup() {
        ModalWatch discard(QStringLiteral("noButton"));
        frame_.reset();
        dir_.reset();
    }

    void planningShowsTheFiveViewsOfANewVariant() {
        enterPlanning();
        QCOMPARE(workspace()->caption(), QStringLiteral("Новое расписание (изменен)"));
        const QStringList tabs = {"Классы", "Учителя", "Черновик (классы)", "Черновик (учителя)", "Кабинеты"};
        QCOMPARE(views()->pages()->count(), tabs.size());
        for (int i = 0; i < tabs.size(); ++i) QCOMPARE(views()->pages()->tabText(i), tabs.at(i));
        auto* days = views()->findChild<QComboBox*>(QStringLiteral("SelectedDayComboBox"));
        QCOMPARE(days->count(), 6);
        QCOMPARE(days->itemText(0), QStringLiteral("Понедельник"));
        const Project& project = frame_->project()->document().project();
        QCOMPARE(views()->grid(ViewKind::Klasses)->cells()->gridRows(), project.klasses.count() + 1);
        QCOMPARE(views()->grid(ViewKind::Klasses)->cells()->gridColumns(), project.params.lessonsPerDay + 1);
        QCOMPARE(cellText(ViewKind::Klasses, 3, 0), QStringLiteral("3"));
        // With no "Variant" folder beside the program, the new variant is proposed beside the project.
        if (!QDir(QCoreApplication::applicationDirPath()).exists(QStringLiteral("Variant")))
            QCOMPARE(QFileInfo(QString::fromStdString(workspace()->workspace().fileName())).absolutePath(), dir_->path());
        // The window fills the client area.
        auto* window = qobject_cast<QMdiSubWindow*>(workspace()->parentWidget());
        QVERIFY(window && window->geometry() == frame_->clientArea()->viewport()->rect());
    }

    void dayAndOrientationRebuildTheViews() {
        enterPlanning();
        placeALesson();
        const QString placed = cellText(ViewKind::Klasses, 1, 1);
        QVERIFY(!placed.isEmpty());
        auto* days = views()->findChild<QComboBox*>(QStringLiteral("SelectedDayComboBox"));
        days->setCurrentIndex(1);
        emit days->activated(1);
        QCOMPARE(workspace()->workspace().currentDay(), 2);
        QVERIFY(cellText(ViewKind::Klasses, 1, 1).isEmpty());

        auto* orientation = views()->findChild<QSlider*>(QStringLiteral("ViewModeSwitch"));
        orientation->setValue(1);
        const Project& project = frame_->project()->document().project();
        QCOMPARE(views()->grid(ViewKind::Klasses)->cells()->gridColumns(), project.klasses.count() + 1);
        QVERIFY(!views()->grid(ViewKind::Klasses)->isVertical());
        // The orientation holds for the next planning window.
        {
            ModalWatch answers(QStringLiteral("noButton"));
            trigger("newVariantItem");
        }
        QVERIFY(!views()->vertical());
    }

    void aSavedVariantOpensAsItWasSaved() {
        const QString file = dir_->filePath(QStringLiteral("Неделя.rsp"));
        const QString placed = savePlacedVariant(file);
        QCOMPARE(workspace()->caption(), QStringLiteral("Неделя"));
        QVERIFY(QFile::exists(file));

        {
            ModalWatch none(QStringLiteral("noButton"));
            trigger("newVariantItem");
            QVERIFY(none.seen.size() == 1);  // only the new variant's options
        }
        QVERIFY(cellText(ViewKind::Klasses, 1, 1).isEmpty());
        QVERIFY(frame_->OpenVariant(file));
        QCOMPARE(workspace()->caption(), QStringLiteral("Неделя"));
        QCOMPARE(cellText(ViewKind::Klasses, 1, 1), placed);
    }

    // A double click on a variant file starts the program with it: the project beside
    // it opens and planning starts on the variant.
    void aVariantFileGivenAtStartOpensWithItsProject() {
        const QString file = dir_->filePath(QStringLiteral("Неделя.rsp"));
        const QString placed = savePlacedVariant(file);
        {
            ModalWatch discard(QStringLiteral("noButton"));
            frame_.reset();
        }
        frame_ = std::make_unique<TPrgMdiFrame>();
        frame_->show();
        {
            ModalWatch options(QStringLiteral("yesButton"));  // the new variant's options
            OpenStartupFile(*frame_, file);
        }
        QVERIFY(frame_->planning());
        QCOMPARE(frame_->project()->GetFileName(), dir_->filePath(QStringLiteral("school.tbl")));
        QCOMPARE(workspace()->caption(), QStringLiteral("Неделя"));
        QCOMPARE(cellText(ViewKind::Klasses, 1, 1), placed);
    }

    // The optimisation of Monday's drafts runs in slices from the event loop: the
    // commands wait while it goes, "Продолжить" goes on from a variant, "Прервать"
    // ends it, and the commands come back.
    void optimisationRunsFromTheEventLoop_data() {
        QTest::addColumn<bool>("continueOnce");
        QTest::newRow("aborted") << false;
        QTest::newRow("continued, then aborted") << true;
    }
    void optimisationRunsFromTheEventLoop() {
        QFETCH(bool, continueOnce);
        enterPlanning();
        readyMondaysDrafts();
        QSignalSpy states(workspace(), &TTableVarsManager::runStateChanged);
        ModalWatch answers(QStringLiteral("noButton"));  // no question abandons the run

        trigger("optimizeItem");
        QVERIFY(workspace()->runInProgress());  // the command returned; the run goes on
        QCOMPARE(states.first().at(0).toInt(), 1);
        QVERIFY(workspace()->findChild<TProgressWnd*>());  // the day variants are listed first
        QVERIFY(!frame_->command(QStringLiteral("saveVariantItem"))->isEnabled());
        QVERIFY(!frame_->command(QStringLiteral("optimizeButton"))->isEnabled());
        QVERIFY(frame_->command(QStringLiteral("abortItem"))->isEnabled());
        if (continueOnce) {
            // Monday's drafts of the sample school have a complete arrangement.
            QTRY_VERIFY_WITH_TIMEOUT(states.last().at(0).toInt() != 1, 30000);
            QCOMPARE(states.last().at(0).toInt(), 2);
            QVERIFY(workspace()->findChild<TOptiInfoForm*>());  // then the search's table
            QVERIFY(frame_->command(QStringLiteral("continueItem"))->isEnabled());
            trigger("continueItem");
            QCOMPARE(states.last().at(0).toInt(), 1);
            QVERIFY(!frame_->command(QStringLiteral("continueItem"))->isEnabled());
        }
        trigger("abortItem");
        QTRY_VERIFY_WITH_TIMEOUT(!workspace()->runInProgress(), 30000);
        QCOMPARE(states.last().at(0).toInt(), 3);
        QTRY_VERIFY(!workspace()->findChild<TOptiInfoForm*>() && !workspace()->findChild<TProgressWnd*>());
        QVERIFY(frame_->command(QStringLiteral("saveVariantItem"))->isEnabled());
        QVERIFY(!frame_->command(QStringLiteral("abortItem"))->isEnabled());
    }

    // Closing the main window during a run waits for the run, then closes.
    void aCloseDuringARunWaitsForIt() {
        enterPlanning();
        readyMondaysDrafts();
        ModalWatch answers(QStringLiteral("noButton"));
        trigger("optimizeItem");
        QVERIFY(workspace()->runInProgress());
        QVERIFY(!frame_->close());
        QTRY_VERIFY_WITH_TIMEOUT(!frame_->isVisible(), 30000);
    }

    // The commands of each run state: while it runs only its end, the close, the exit
    // and "Прервать"; a variant that waits may be saved; at the end all but the run's
    // own two. Help and "Журнал замещений" are never touched.
    void theRunStatesSetTheCommands() {
        const QStringList all = {"newVariantItem", "openVariantItem", "saveVariantItem", "saveVariantAsItem",
                                 "closeVariantItem", "printVariantItem", "optionsItem", "planningExitItem",
                                 "regimeMenuAction", "weekVariantsItem", "optimizeItem", "planWeekItem", "setRoomsItem",
                                 "controlItem", "statisticsItem", "abortItem", "continueItem", "openVariantButton",
                                 "newVariantButton", "saveVariantButton", "printVariantButton", "automaticButton",
                                 "endPlanningButton", "optionsButton", "manualButton", "controlButton",
                                 "weekVariantsButton", "optimizeButton", "setRoomsButton", "statisticsButton"};
        const QStringList never = {"substitutionsItem", "substitutionsButton", "planningHelpButton", "helpContentsItem"};
        const auto enabled = [this, &all] {
            QStringList on;
            for (const QString& name : all)
                if (frame_->command(name)->isEnabled()) on << name;
            return on;
        };
        enterPlanning();
        readyMondaysDrafts();
        QSignalSpy states(workspace(), &TTableVarsManager::runStateChanged);
        ModalWatch answers(QStringLiteral("noButton"));
        trigger("optimizeItem");
        QCOMPARE(enabled(), (QStringList{"closeVariantItem", "planningExitItem", "abortItem", "endPlanningButton"}));
        for (const QString& name : never) QVERIFY(frame_->command(name)->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(states.last().at(0).toInt() == 2, 30000);
        QCOMPARE(enabled(), (QStringList{"saveVariantItem", "saveVariantAsItem", "closeVariantItem", "planningExitItem",
                                         "abortItem", "continueItem", "saveVariantButton", "endPlanningButton"}));
        // The variant found so far is saved while the run waits.
        const QString file = dir_->filePath(QStringLiteral("Понедельник.rsp"));
        workspace()->dialogs().setFileChooser([file](const FileDialogRequest&) { return file; });
        trigger("saveVariantAsItem");
        QVERIFY(QFile::exists(file));
        QVERIFY(workspace()->runInProgress());

        trigger("abortItem");
        QTRY_VERIFY_WITH_TIMEOUT(!workspace()->runInProgress(), 30000);
        QStringList idle = all;
        idle.removeAll(QStringLiteral("abortItem"));
        idle.removeAll(QStringLiteral("continueItem"));
        QCOMPARE(enabled(), idle);
        for (const QString& name : never) QVERIFY(frame_->command(name)->isEnabled());
    }

    // Closing the planning window during a run, an optimisation or the week plan, stops
    // the run and ends planning; the program stays, back in project mode with its editors.
    void closingThePlanningWindowDuringARunEndsPlanning_data() {
        QTest::addColumn<bool>("weekPlan");
        QTest::newRow("optimisation") << false;
        QTest::newRow("week plan") << true;
    }
    void closingThePlanningWindowDuringARunEndsPlanning() {
        QFETCH(bool, weekPlan);
        enterPlanning();
        ModalWatch answers(QStringLiteral("noButton"));
        auto* window = qobject_cast<QMdiSubWindow*>(workspace()->parentWidget());
        QVERIFY(window);
        if (weekPlan) {
            // The week plan runs inside its command: the close comes while it goes.
            bool closed = true;
            QTimer::singleShot(0, this, [&] { closed = window->close(); });
            trigger("planWeekItem");
            QVERIFY(!closed);
        } else {
            readyMondaysDrafts();
            trigger("optimizeItem");
            QVERIFY(workspace()->runInProgress());
            QVERIFY(!window->close());  // not at once: the run is asked to stop first
        }
        QTRY_VERIFY_WITH_TIMEOUT(!frame_->planning(), 30000);
        QVERIFY(frame_->isVisible());
        QVERIFY(frame_->project());
        QVERIFY(!frame_->workspace());
        QCOMPARE(frame_->clientArea()->subWindowList().size(), kEditorKinds);
    }

    // A program run starts with the teacher groups' settings taken into account and
    // the week search placing into the clean copy, before any "Планирование недели".
    void theWeekGroupDialogStartsWithTheStartingSettings() {
        enterPlanning();
        const PlanningState& state = workspace()->workspace().state();
        QVERIFY(state.considerAttachedRooms && state.considerSeparatedHours && state.considerParallels);
        QVERIFY(state.optimizeQueue && state.placeToCleanCopy);
        QVERIFY(!state.autoSaveVariants && !state.findBestVariant);
        QStringList shown;
        lovaris::test::ActOnNextDialog([&shown](QWidget* dialog) {
            for (const char* name : {"PlaceToCleanRadio", "PlaceToDraftRadio", "AttachedRoomsCheckBox",
                                     "SeparatedHoursCheckBox", "ParallelsCheckBox", "OptimizeQueueCheckBox"})
                if (auto* box = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name)); box && box->isChecked())
                    shown << QString::fromLatin1(name);
            dialog->close();
        });
        trigger("weekVariantsItem");
        QCOMPARE(shown, (QStringList{"PlaceToCleanRadio", "OptimizeQueueCheckBox"}));
    }

    // The planning window from the keyboard: Tab leaves a grid, Ctrl+Tab and Ctrl+PgDn
    // turn to the next view (with Shift, and Ctrl+PgUp, back), Alt+Д reaches the day
    // list, and every letter of the work menu opens one item only.
    void theViewsAreReachedFromTheKeyboard() {
        enterPlanning();
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        TSchoolTable* classes = views()->grid(ViewKind::Klasses);
        classes->setFocus();
        QTest::keyClick(classes, Qt::Key_Tab);
        QVERIFY(!classes->hasFocus());

        classes->setFocus();
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            ViewKind then;
        } turns[] = {{Qt::Key_Tab, Qt::ControlModifier, ViewKind::Teachers},
                     {Qt::Key_PageDown, Qt::ControlModifier, ViewKind::KlassesDraft},
                     {Qt::Key_PageUp, Qt::ControlModifier, ViewKind::Teachers},
                     {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, ViewKind::Klasses},
                     {Qt::Key_PageUp, Qt::ControlModifier, ViewKind::Rooms}};
        for (const auto& turn : turns) {
            QTest::keyClick(QApplication::focusWidget(), turn.key, turn.modifiers);
            QCOMPARE(views()->currentView(), turn.then);
            QCOMPARE(QApplication::focusWidget(), views()->grid(turn.then));
        }

        auto* days = views()->findChild<QComboBox*>(QStringLiteral("SelectedDayComboBox"));
        const auto letterD = static_cast<Qt::Key>(QChar(u'Д').unicode());
        for (QTest::KeyAction action : {QTest::Press, QTest::Release})
            QTest::sendKeyEvent(action, QApplication::focusWidget(), letterD, QStringLiteral("д"), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), days);

        QMenu* work = frame_->findChild<QMenu*>(QStringLiteral("planningWorkMenu"));
        QStringList letters;
        for (QAction* item : work->actions()) {
            if (item->isSeparator()) continue;
            const QKeySequence letter = QKeySequence::mnemonic(item->text());
            const bool needed = item->objectName() == QLatin1String("regimeMenuAction") ||
                                item->objectName() == QLatin1String("planWeekItem") ||
                                item->objectName() == QLatin1String("substitutionsItem");
            QVERIFY2(!needed || !letter.isEmpty(), qPrintable(item->text()));
            if (letter.isEmpty()) continue;
            QVERIFY2(!letters.contains(letter.toString()), qPrintable(item->text()));
            letters << letter.toString();
        }
    }

    // The manual regime takes the automatic runs away; a double click on a lesson asks for it.
    void theRegimeEnablesTheAutomaticRuns() {
        enterPlanning();
        const QStringList runs = {"weekVariantsItem", "optimizeButton", "setRoomsItem", "controlButton", "statisticsItem"};
        for (const QString& name : runs) QVERIFY(frame_->command(name)->isEnabled());
        trigger("manualButton");
        QCOMPARE(workspace()->workspace().state().planningRegime, PlanningRegime::Manual);
        QVERIFY(frame_->command(QStringLiteral("manualItem"))->isChecked());
        for (const QString& name : runs) QVERIFY(!frame_->command(name)->isEnabled());
        trigger("automaticItem");
        QVERIFY(frame_->command(QStringLiteral("automaticButton"))->isChecked());
        for (const QString& name : runs) QVERIFY(frame_->command(name)->isEnabled());

        placeALesson();
        TSchoolTable* grid = views()->grid(ViewKind::Klasses);
        grid->setCurrentIndex(grid->cells()->index(0, 0));
        emit grid->doubleClicked(grid->cells()->index(0, 0));
        QVERIFY(frame_->command(QStringLiteral("manualItem"))->isChecked());
        QCOMPARE(workspace()->workspace().selectedDetail().position, 1);
        QVERIFY(!workspace()->workspace().selectedDetail().draft);
    }

    // Pictures of the new variant's options, of a run paused on a variant and of Monday's
    // drafts, taken only when LOVARIS_SCREENSHOTS names the folder to write them to.
    void screenshots() {
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("LOVARIS_SCREENSHOTS not set");
        frame_->resize(1366, 768);
        bool options = false;  // the new variant's options, pictured and accepted
        lovaris::test::ActOnNextDialog([&](QWidget* dialog) {
            options = dialog->grab().save(folder + QStringLiteral("/dialog-variant-options.png"));
            if (auto* yes = dialog->findChild<QAbstractButton*>(QStringLiteral("yesButton"))) yes->click();
        });
        trigger("RunKorvidanMenu");
        QVERIFY(options && workspace());
        readyMondaysDrafts();
        QSignalSpy states(workspace(), &TTableVarsManager::runStateChanged);
        ModalWatch answers(QStringLiteral("noButton"));
        trigger("optimizeItem");
        QTRY_VERIFY_WITH_TIMEOUT(states.last().at(0).toInt() == 2, 30000);
        workspace()->RefreshViews();
        QVERIFY(frame_->grab().save(folder + QStringLiteral("/planning-run-paused.png")));
        auto* table = workspace()->findChild<TOptiInfoForm*>();
        QVERIFY(table && table->grab().save(folder + QStringLiteral("/planning-run-progress-table.png")));
        trigger("abortItem");
        QTRY_VERIFY_WITH_TIMEOUT(!workspace()->runInProgress(), 30000);
        // Monday's drafts, as the run left them.
        shootViews(folder, {{ViewKind::KlassesDraft, "planning-class-draft", "planning-class-draft-horizontal"},
                            {ViewKind::TeachersDraft, "planning-teacher-draft", "planning-teacher-draft-horizontal"}});
    }

    // "Планирование недели": the progress window counts the hours in place while the
    // search runs, then the week is made better, and the window closes with the run; the
    // whole week stands, gapless, the variant is marked changed, and a summary closes it.
    void planningTheWeekPlacesEveryHourAndShowsItsProgress() {
        enterPlanning();
        QSignalSpy states(workspace(), &TTableVarsManager::runStateChanged);
        QPointer<TProgressWnd> seen;
        QStringList steps;  // the progress window's texts as they changed
        QString summary;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (auto* window = workspace()->findChild<TProgressWnd*>()) {
                seen = window;
                const QString step = window->stageLabel()->text();
                if (steps.isEmpty() || steps.last() != step) steps.append(step);
                const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
                if (!folder.isEmpty()) window->grab().save(folder + QStringLiteral("/plan-week-progress.png"));
            }
            // The summary that closes the run.
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* text = modal ? modal->findChild<QLabel*>(QStringLiteral("messageText")) : nullptr) {
                summary = text->text();
                const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
                if (!folder.isEmpty()) modal->grab().save(folder + QStringLiteral("/plan-week-summary.png"));
                if (auto* yes = modal->findChild<QAbstractButton*>(QStringLiteral("yesButton"))) yes->click();
            }
        });
        watch.start(0);  // the sample school is planned in a few hundredths of a second
        trigger("planWeekItem");
        watch.stop();

        const WeekPlanSummary s = weekSummary();
        QCOMPARE(s.cleanHours, s.requiredHours);
        QCOMPARE(s.classGaps, 0);
        QVERIFY(workspace()->workspace().modified());
        // The hours in place while the search goes, then the improvement of the week.
        QVERIFY2(!steps.isEmpty() && steps.first().contains(QStringLiteral("уроков на месте: ")),
                 qPrintable(steps.join('\n')));
        QVERIFY2(steps.last().contains(QStringLiteral("улучшение недели")), qPrintable(steps.join('\n')));
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (!folder.isEmpty()) {
            frame_->resize(1366, 768);  // the screen the pictures are taken for
            QCoreApplication::processEvents();
            QVERIFY(frame_->grab().save(folder + QStringLiteral("/main-planning-week.png")));
        }
        QVERIFY(!seen);
        // The week was made better after the search, and the summary says how it stands.
        const VariantWorkspace& ws = workspace()->workspace();
        const WeekQuality quality = MeasureWeek(ws.session(), ws.variant(), ws.options());
        QVERIFY2(quality.teacherWindows <= 60 && quality.lopsidedClasses == 0, qPrintable(summary));
        QVERIFY2(summary.startsWith(QStringLiteral("Планирование недели закончено.\nУроков на месте: 612 из 612.\n"
                                                   "Не расставлено: 0.\nОкна учителей: ")),
                 qPrintable(summary));
        QCOMPARE(states.size(), 2);
        QCOMPARE(states.first().at(0).toInt(), 1);
        QCOMPARE(states.last().at(0).toInt(), 3);
        // The planned week in the views, at the size of a 1366 x 768 screen.
        if (const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS"); !folder.isEmpty()) {
            frame_->resize(1366, 768);
            shootViews(folder, {{ViewKind::Klasses, "main-planning-mode", "planning-classes-horizontal"},
                                {ViewKind::Teachers, "planning-teachers", "planning-teachers-horizontal"},
                                {ViewKind::Rooms, "planning-rooms", "planning-rooms-horizontal"}});
        }
    }

    // "Отмена" in the progress window ends the search with the best week so far.
    void cancellingThePlanKeepsTheBestWeekSoFar() {
        enterPlanning();
        QTimer cancel;
        QString summary;
        connect(&cancel, &QTimer::timeout, this, [&] {
            if (auto* window = workspace()->findChild<TProgressWnd*>()) window->cancelButton()->click();
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* text = modal ? modal->findChild<QLabel*>(QStringLiteral("messageText")) : nullptr) {
                summary = text->text();
                if (auto* yes = modal->findChild<QAbstractButton*>(QStringLiteral("yesButton"))) yes->click();
            }
        });
        cancel.start(0);
        trigger("planWeekItem");
        cancel.stop();
        const WeekPlanSummary s = weekSummary();
        QVERIFY(s.cleanHours > 0 && s.cleanHours < s.requiredHours);
        QCOMPARE(s.requiredHours, s.cleanHours + s.draftHours + s.notPlacedHours);
        QCOMPARE(s.classGaps, 0);
        QVERIFY2(summary.startsWith(QStringLiteral("Планирование недели прервано")), qPrintable(summary));
    }

    void endingPlanningAsksAboutAChangedVariant_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<bool>("planningAfter");
        QTest::newRow("no: discarded") << "noButton" << false << false;
        QTest::newRow("cancel: stays") << "cancelButton" << false << true;
        // A new variant asks for its name; a cancelled file dialog keeps it open.
        QTest::newRow("yes, the file dialog cancelled: stays") << "yesButton" << false << true;
        QTest::newRow("yes and a name: saved") << "yesButton" << true << false;
    }
    void endingPlanningAsksAboutAChangedVariant() {
        QFETCH(QString, answer);
        QFETCH(bool, chooseFile);
        QFETCH(bool, planningAfter);
        enterPlanning();
        placeALesson();
        const QString file = dir_->filePath(QStringLiteral("saved.rsp"));
        workspace()->dialogs().setFileChooser(
            [&](const FileDialogRequest&) { return chooseFile ? file : QString(); });
        {
            ModalWatch question(answer);
            trigger("endPlanningButton");
            QCOMPARE(question.seen.size(), 1);
        }
        QCOMPARE(frame_->planning(), planningAfter);
        QCOMPARE(QFile::exists(file), chooseFile);
        if (planningAfter) QVERIFY(workspace()->workspace().modified());
    }
};

QTEST_MAIN(WorkspaceTest)
#include "WorkspaceTest.moc"
