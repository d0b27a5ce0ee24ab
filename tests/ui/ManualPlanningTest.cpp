#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "../core/manual/ManualSchool.h"
#include "support/ModalWatch.h"
#include "ui/app/TPrgMdiFrame.h"
#include "ui/manual/GridDragTracker.h"
#include "ui/manual/ManualActions.h"
#include "ui/manual/ManualController.h"
#include "ui/manual/TPopSetLsnDlg.h"
#include "ui/manual/TTPopSetRoomDlg.h"
#include "ui/manual/TTableDetailsManeger.h"
#include "ui/workspace/TSchoolTable.h"
#include "ui/workspace/TTableVarsManager.h"
#include "ui/workspace/VariantViews.h"

using namespace lovaris;
using namespace lovaris::test;
using namespace lovaris::ui;

Q_DECLARE_METATYPE(lovaris::ViewKind)

// Manual planning in the planning window on a small school with a planned Monday:
// drags in the lesson views and the details window, the popup menus and their
// commands, the lesson and room choice popups, undo and redo.
class ManualPlanningTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ManualSchool> school_;
    std::unique_ptr<TTableVarsManager> window_;
    ManualController* manual_ = nullptr;

    VariantWorkspace& ws() const { return window_->workspace(); }
    const TTableVarItem& grids() const { return ws().variant(); }
    TSchoolTable* grid(ViewKind kind) const { return window_->views()->grid(kind); }
    int cleanLesson(int klass, int day, int number) const { return grids().GetCleanSlot(klass, day, number).lessonIndex; }
    int draftLesson(int klass, int day, int number) const { return grids().GetDraftSlot(klass, day, number).lessonIndex; }

    // Every slot of the week, clean copy and draft, with its block mark and rooms.
    std::vector<int> snapshot() const {
        std::vector<int> all;
        for (int k = 0; k < grids().classCount(); ++k)
            for (int d = 1; d <= 6; ++d)
                for (int n = 1; n <= grids().lessonsPerDay(); ++n)
                    for (const LessonSlot& slot : {grids().GetCleanSlot(k, d, n), grids().GetDraftSlot(k, d, n)}) {
                        all.push_back(slot.lessonIndex);
                        all.push_back(slot.prevPosition);
                        all.insert(all.end(), slot.rooms.begin(), slot.rooms.end());
                    }
        return all;
    }

    static void mouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
                      Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    // Presses at `from`, moves to `to` in two steps; the cursor shape over the target
    // is kept; releases unless told not to.
    static Qt::CursorShape drag(QWidget* viewport, const QPoint& from, const QPoint& to, bool release = true) {
        mouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(viewport, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        mouse(viewport, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        const Qt::CursorShape shape = viewport->cursor().shape();
        if (release) mouse(viewport, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        return shape;
    }
    // The centre of a cell of a lesson view (vertical: the entity's row, the lesson's column).
    QPoint cellCentre(ViewKind kind, int entity, int number) const {
        return grid(kind)->cellRect(number, entity + 1).center();
    }
    void rightClick(ViewKind kind, int entity, int number) {
        mouse(grid(kind)->viewport(), QEvent::MouseButtonPress, cellCentre(kind, entity, number), Qt::RightButton,
              Qt::RightButton);
    }
    QMenu* openMenu() const {
        for (ManualMenu which : {ManualMenu::Klass, ManualMenu::Teacher, ManualMenu::DraftKlass, ManualMenu::DraftTeacher})
            if (manual_->actions().menu(which)->isVisible()) return manual_->actions().menu(which);
        return nullptr;
    }
    // The menu command on a cell, as the planner chooses it.
    void command(ViewKind kind, int entity, int number, const char* item) {
        rightClick(kind, entity, number);
        QMenu* menu = openMenu();
        QVERIFY(menu);
        QAction* action = menu->findChild<QAction*>(QString::fromLatin1(item));
        if (!action)
            for (QAction* a : menu->actions())
                if (a->objectName() == QLatin1String(item)) action = a;
        QVERIFY(action && action->isEnabled());
        menu->hide();
        action->trigger();
    }
    static int rowOf(QTableView* view, const QString& text) {
        for (int row = 0; row < view->model()->rowCount(); ++row)
            if (view->model()->index(row, 0).data().toString().contains(text)) return row;
        return -1;
    }
    static void doubleClick(QTableView* view, int row) {
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    TTableDetailsManeger* openDetails(int klass, int lesson, int position) {
        ws().SetSelectedDetail(SelectedDetail{ws().session().klasses().BuildLinkSet(klass, lesson), position, false});
        manual_->OpenDetails();
        return manual_->details();
    }
    // A point in the sub-column of shown entry `index` of a details grid cell
    // (horizontal: days are columns, lessons rows).
    static QPoint subCell(TTableDetailsManeger* details, ManualSide side, bool draft, int day, int number, int index) {
        TSchoolTable* table = details->grid(side, draft);
        const QRect rect = table->cellRect(day, number);
        const int shown = details->focus().Shown(side);
        return {rect.left() + rect.width() * (2 * index + 1) / (2 * shown), rect.center().y()};
    }

private slots:
    void init() {
        school_ = std::make_unique<ManualSchool>();
        window_ = TTableVarsManager::Adopt(school_->open(), true);
        manual_ = new ManualController(window_.get());
        window_->resize(1100, 700);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        TTableDetailsManeger::detailsVerticalView = false;
    }
    void cleanup() {
        ModalWatch discard(QStringLiteral("noButton"));
        window_.reset();
        school_.reset();
    }

    void dragsInTheLessonViews_data() {
        QTest::addColumn<ViewKind>("view");
        QTest::addColumn<int>("entity");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("klass");   // where the moved lesson stands
        QTest::addColumn<int>("lesson");
        QTest::newRow("a block moves by its first hour") << ViewKind::Klasses << k5A << 5 << 3 << true << true << k5A << kRussian5A;
        QTest::newRow("the second hour starts no drag") << ViewKind::Klasses << k5A << 2 << 3 << false << false << k5A << kMaths5A;
        QTest::newRow("the lesson is closed at the target") << ViewKind::Klasses << k5A << 5 << 6 << true << false << k5A << kRussian5A;
        QTest::newRow("a linked class holds another lesson") << ViewKind::Klasses << k5A << 4 << 3 << true << false << k5A << kPe5A;
        QTest::newRow("the linked teacher teaches elsewhere") << ViewKind::Klasses << k5A << 4 << 6 << true << false << k5A << kPe5A;
        QTest::newRow("the teacher view moves the class lesson") << ViewKind::Teachers << kSidorova << 5 << 3 << true << true << k5A << kRussian5A;
    }
    void dragsInTheLessonViews() {
        QFETCH(ViewKind, view);
        QFETCH(int, entity);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, starts);
        QFETCH(bool, accepted);
        QFETCH(int, klass);
        QFETCH(int, lesson);
        QWidget* viewport = grid(view)->viewport();
        const Qt::CursorShape shape = drag(viewport, cellCentre(view, entity, from), cellCentre(view, entity, to), false);
        QCOMPARE(manual_->dragTracker(view)->dragging(), starts);
        if (starts) QCOMPARE(shape, accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
        mouse(viewport, QEvent::MouseButtonRelease, cellCentre(view, entity, to), Qt::LeftButton, Qt::NoButton);
        QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(cleanLesson(klass, kMonday, accepted ? to : from), lesson);
        if (accepted) {
            QCOMPARE(cleanLesson(klass, kMonday, from), -1);
            QVERIFY(window_->caption().contains(QStringLiteral("изменен")));
            QCOMPARE(grid(view)->currentCell(), QPoint(to, entity + 1));
        }
    }

    void theLinkedLessonMovesInEveryClass() {
        // 5Б's history leaves lesson 3, and so the linked PE of 5А and 5Б can go there.
        command(ViewKind::Klasses, k5B, 3, "takeOffItem");
        drag(grid(ViewKind::Klasses)->viewport(), cellCentre(ViewKind::Klasses, k5A, 4), cellCentre(ViewKind::Klasses, k5A, 3));
        QCOMPARE(cleanLesson(k5A, kMonday, 3), kPe5A);
        QCOMPARE(cleanLesson(k5B, kMonday, 3), kPe5B);
        QCOMPARE(cleanLesson(k5B, kMonday, 4), -1);
        QVERIFY(grid(ViewKind::Klasses)->cells()->data(grid(ViewKind::Klasses)->cells()->index(k5B, 2), Qt::DisplayRole)
                    .toString()
                    .contains(QStringLiteral("Физ")));
    }

    void popupMenus_data() {
        QTest::addColumn<ViewKind>("view");
        QTest::addColumn<int>("entity");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("menu");  // empty: no menu opens
        QTest::addColumn<QStringList>("enabled");
        const QStringList lessonItems{"toDraftItem", "takeOffItem", "setRoomItem"};
        QTest::newRow("class lesson") << ViewKind::Klasses << k5A << 1 << "KlassPopupMenu" << lessonItems;
        QTest::newRow("class free hour") << ViewKind::Klasses << k5A << 3 << "KlassPopupMenu" << QStringList{"setLessonItem"};
        QTest::newRow("class closed hour") << ViewKind::Klasses << k5V << 1 << "" << QStringList{};
        QTest::newRow("teacher lesson") << ViewKind::Teachers << kIvanova << 1 << "TeacherPopupMenu" << lessonItems;
        QTest::newRow("teacher busy hour") << ViewKind::Teachers << kOrlova << 2 << "" << QStringList{};
        QTest::newRow("class draft lesson") << ViewKind::KlassesDraft << k5A << 1 << "DraftKlassPopupMenu" << QStringList{"takeOffItem"};
        QTest::newRow("class draft free") << ViewKind::KlassesDraft << k5A << 2 << "DraftKlassPopupMenu" << QStringList{"setLessonItem"};
        QTest::newRow("teacher draft lesson") << ViewKind::TeachersDraft << kKuznetsova << 1 << "DraftTeacherPopupMenu" << QStringList{"takeOffItem"};
    }
    void popupMenus() {
        QFETCH(ViewKind, view);
        QFETCH(int, entity);
        QFETCH(int, number);
        QFETCH(QString, menu);
        QFETCH(QStringList, enabled);
        window_->views()->pages()->setCurrentIndex(static_cast<int>(view));
        rightClick(view, entity, number);
        QMenu* shown = openMenu();
        if (menu.isEmpty()) {
            QVERIFY(!shown);
            return;
        }
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), menu);
        QStringList on;
        for (QAction* action : shown->actions())
            if (action->isEnabled()) on << action->objectName();
        QCOMPARE(on, enabled);
        // The clicked cell took the focus before the menu opened.
        QCOMPARE(grid(view)->currentCell(), QPoint(number, entity + 1));
        shown->hide();
    }

    void menuCommandsAndUndoBackToTheSavedVariant() {
        const std::vector<int> before = snapshot();
        QVERIFY(!ws().modified());
        command(ViewKind::Klasses, k5A, 1, "takeOffItem");
        QCOMPARE(cleanLesson(k5A, kMonday, 1), -1);
        QCOMPARE(cleanLesson(k5A, kMonday, 2), -1);
        command(ViewKind::Klasses, k5A, 5, "toDraftItem");
        QCOMPARE(draftLesson(k5A, kMonday, 2), kRussian5A);
        command(ViewKind::KlassesDraft, k5A, 1, "takeOffItem");
        QCOMPARE(draftLesson(k5A, kMonday, 1), kRussian5A);  // the draft closed up
        QVERIFY(manual_->undoAction()->isEnabled());
        QVERIFY(!manual_->redoAction()->isEnabled());

        for (int i = 0; i < 3; ++i) manual_->undoAction()->trigger();
        QCOMPARE(snapshot(), before);
        QVERIFY(!ws().modified());
        QVERIFY(!window_->caption().contains(QStringLiteral("изменен")));
        QVERIFY(!manual_->undoAction()->isEnabled());
        QCOMPARE(grid(ViewKind::Klasses)->cells()->index(k5A, 0).data().toString().isEmpty(), false);

        manual_->redoAction()->trigger();
        QCOMPARE(cleanLesson(k5A, kMonday, 1), -1);
        QVERIFY(ws().modified());
        // The shortcuts reach the commands.
        QCOMPARE(manual_->undoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(manual_->redoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));
    }

    void aFullDraftRefusesWithTheClassMessage() {
        // 5А's draft holds art; four more lessons fill it up to one free position.
        for (int n = 2; n <= 5; ++n)
            ws().variant().SetDraftSlot(k5A, kMonday, LessonSlot::BlockHour(kChess5A, n, n), n);
        const std::vector<int> before = snapshot();
        ModalWatch ok(QStringLiteral("yesButton"));
        command(ViewKind::Klasses, k5A, 1, "toDraftItem");
        QCOMPARE(ok.seen, QStringList{QStringLiteral("В черновике класса 5А недостаточно места.")});
        QCOMPARE(snapshot(), before);
    }

    void theClassChoicePopupPlacesADoubleClickedRow() {
        command(ViewKind::Klasses, k5A, 3, "setLessonItem");
        LessonChoicePopup* popup = manual_->actions().choicePopup();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), QStringLiteral("TPopSetLsnDlg"));
        QVERIFY(popup->isVisible());
        QStringList tabs;
        for (int i = 0; i < popup->tabs()->count(); ++i) tabs << popup->tabs()->tabText(i);
        QVERIFY(tabs.contains(QStringLiteral("Общие")));
        QVERIFY(tabs.contains(QStringLiteral("Черновик")));  // art stands in today's draft
        QVERIFY(!tabs.contains(QStringLiteral("Понедельник")));
        popup->tabs()->setCurrentIndex(tabs.indexOf(QStringLiteral("Общие")));

        // Maths has clean hours today: grey, with the reason in the status bar.
        QTableView* rows = popup->grid();
        const int maths = rowOf(rows, QStringLiteral("Математика"));
        QVERIFY(maths >= 0);
        rows->setCurrentIndex(rows->model()->index(maths, 0));
        QCOMPARE(popup->messageBar()->text(), QStringLiteral("Такой урок уже есть в расписании."));
        QVERIFY(rows->model()->index(maths, 0).data(Qt::BackgroundRole).isValid());
        doubleClick(rows, maths);
        QVERIFY(popup->isVisible());
        QCOMPARE(cleanLesson(k5A, kMonday, 3), -1);

        const int chess = rowOf(rows, QStringLiteral("Шахматы"));
        QVERIFY(chess >= 0);
        QVERIFY(rows->indexWidget(rows->model()->index(chess, 1)));  // its spin editor
        doubleClick(rows, chess);
        QCOMPARE(cleanLesson(k5A, kMonday, 3), kChess5A);
        QVERIFY(!popup->isVisible());
        QTRY_VERIFY(!manual_->actions().choicePopup());  // destroyed once hidden
        QVERIFY(ws().modified());
    }

    void theTeacherChoicePopupNamesTheClass() {
        command(ViewKind::Teachers, kSidorova, 3, "setLessonItem");
        LessonChoicePopup* popup = manual_->actions().choicePopup();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), QStringLiteral("TPopTchLsnDlg"));
        QVERIFY(rowOf(popup->grid(), QStringLiteral("5В: ")) >= 0);
    }

    void theRoomPopupListsAndSetsTheRooms() {
        command(ViewKind::Klasses, k5V, 5, "setRoomItem");
        TTPopSetRoomDlg* popup = manual_->actions().roomPopup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->tabs()->count(), 1);
        QCOMPARE(popup->tabs()->tabText(0), QStringLiteral("Группа 1"));
        QComboBox* list = popup->roomList(1);
        QVERIFY(list);
        QCOMPARE(list->itemText(0), QStringLiteral("Отсутствует"));
        QCOMPARE(list->currentText(), QStringLiteral("101"));
        QVERIFY(list->findText(QStringLiteral("102")) < 0);  // 20 places for 25 pupils

        emit list->activated(0);
        QCOMPARE(grids().GetCleanSlot(k5V, kMonday, 5).rooms[0], kNoRoom);
        QCOMPARE(popup->roomList(1)->currentIndex(), 0);
        const int gym = popup->roomList(1)->findText(QStringLiteral("Спортзал"));
        QVERIFY(gym > 0);
        emit popup->roomList(1)->activated(gym);
        QCOMPARE(grids().GetCleanSlot(k5V, kMonday, 5).rooms[0], static_cast<std::uint16_t>(kGym));
    }

    void aPopupLeftByTheFocusHidesAndGoes() {
        command(ViewKind::Klasses, k5A, 3, "setLessonItem");
        QPointer<LessonChoicePopup> popup = manual_->actions().choicePopup();
        QVERIFY(popup && popup->isVisible());
        QCursor::setPos(popup->mapToGlobal(popup->rect().center()));
        popup->checkStillWanted();
        QVERIFY(popup->isVisible());
        popup->grid()->setFocus();  // a click in its own rows
        popup->checkStillWanted();
        QVERIFY(popup->isVisible());
        grid(ViewKind::Klasses)->setFocus();  // a click in the planning window
        popup->checkStillWanted();
        QVERIFY(!popup->isVisible());
        QTRY_VERIFY(!popup);  // destroyed once hidden
        QCOMPARE(snapshot().empty(), false);
    }

    void aPopupGoesWithTheWindowThatOpenedIt() {
        // Nothing waits for the popup: closing the window while it is open takes it along.
        command(ViewKind::Klasses, k5A, 3, "setLessonItem");
        QPointer<LessonChoicePopup> popup = manual_->actions().choicePopup();
        QVERIFY(popup && popup->isVisible());
        window_.reset();
        QVERIFY(!popup);
        QTest::qWait(150);  // the hiding timer would have fired by now
    }

    void aDetailsPopupGoesWithTheManualRegime() {
        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        details->pages()->setCurrentIndex(0);
        const QPoint at = subCell(details, ManualSide::Klass, false, kMonday, 3, 0);
        mouse(details->grid(ManualSide::Klass, false)->viewport(), QEvent::MouseButtonPress, at, Qt::RightButton,
              Qt::RightButton);
        QMenu* menu = details->actions().menu(ManualMenu::Klass);
        QVERIFY(menu->isVisible());
        QVERIFY(!MenuItem(menu, ManualCommand::SetRoom));  // no room command in this window
        menu->hide();
        MenuItem(menu, ManualCommand::SetLesson)->trigger();
        QPointer<LessonChoicePopup> popup = details->actions().choicePopup();
        QVERIFY(popup && popup->isVisible());
        manual_->CloseDetails();
        QVERIFY(!popup);
        QVERIFY(!manual_->details());
    }

    void theDetailsWindowShowsTheLinkOverTheWeek() {
        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        QVERIFY(details->isVisible());
        QCOMPARE(details->geometry(), window_->rect());
        QCOMPARE(details->klassesEdit()->text(), QStringLiteral("5А/5Б"));
        QCOMPARE(details->teachersEdit()->text(), QStringLiteral("Петров"));
        QCOMPARE(details->pages()->tabText(0), QStringLiteral("Чистовик"));
        QCOMPARE(details->pages()->tabText(1), QStringLiteral("Черновик"));
        QCOMPARE(details->pages()->tabText(2), QStringLiteral("Нерасставленные уроки"));
        QCOMPARE(details->unplacedLists(ManualSide::Klass).size(), std::size_t{2});
        QCOMPARE(details->unplacedLists(ManualSide::Teacher).size(), std::size_t{1});
        QVERIFY(rowOf(details->unplacedLists(ManualSide::Klass)[0], QStringLiteral("Шахматы")) >= 0);
    }

    void detailsDragsAcrossDays_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a free hour of another day") << kTuesday << 3 << true;
        QTest::newRow("another lesson of the class stands there") << kTuesday << 1 << false;
        QTest::newRow("the same day's free hour of both classes") << kMonday << 6 << false;  // Петров teaches 5В
    }
    void detailsDragsAcrossDays() {
        QFETCH(int, day);
        QFETCH(int, number);
        QFETCH(bool, accepted);
        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        QWidget* viewport = details->grid(ManualSide::Klass, false)->viewport();
        const Qt::CursorShape shape = drag(viewport, subCell(details, ManualSide::Klass, false, kMonday, 4, 0),
                                           subCell(details, ManualSide::Klass, false, day, number, 0));
        QCOMPARE(shape, accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
        QCOMPARE(cleanLesson(k5A, day, number) == kPe5A, accepted);
        QCOMPARE(cleanLesson(k5B, day, number) == kPe5B, accepted);
        QCOMPARE(cleanLesson(k5A, kMonday, 4) == kPe5A, !accepted);
    }

    // Shift+F10 and the Menu key open the menu of the grid's current cell, as the right
    // button does on it.
    void theMenuKeysOpenTheCurrentCellsMenu_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("the Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    }
    void theMenuKeysOpenTheCurrentCellsMenu() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TSchoolTable* table = grid(ViewKind::Teachers);
        table->setCurrentIndex(table->cells()->index(kSidorova, 5 - 1));
        table->setFocus();
        QTest::keyClick(table, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
        QMenu* menu = openMenu();
        QVERIFY(menu);
        QCOMPARE(menu, manual_->actions().menu(ManualMenu::Teacher));
        const std::optional<ManualCell>& cell = manual_->actions().menuCell();
        QVERIFY(cell && cell->side == ManualSide::Teacher && !cell->draft);
        QCOMPARE(cell->entity, kSidorova);
        QCOMPARE(cell->number, 5);
        menu->hide();
        // F10 alone is no menu key.
        QTest::keyClick(table, Qt::Key_F10);
        QVERIFY(!openMenu());
    }

    // Escape while a block is carried puts it back: the release drops nothing, in the
    // lesson views as in the details window.
    void escapeCancelsADrag_data() {
        QTest::addColumn<bool>("inDetails");
        QTest::newRow("class view") << false;
        QTest::newRow("details window") << true;
    }
    void escapeCancelsADrag() {
        QFETCH(bool, inDetails);
        TSchoolTable* table = grid(ViewKind::Klasses);
        QPoint from = cellCentre(ViewKind::Klasses, k5A, 4);
        QPoint to = cellCentre(ViewKind::Klasses, k5A, 3);
        if (inDetails) {
            TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
            table = details->grid(ManualSide::Klass, false);
            from = subCell(details, ManualSide::Klass, false, kMonday, 4, 0);
            to = subCell(details, ManualSide::Klass, false, kTuesday, 3, 0);
        } else {
            // 5Б's history leaves lesson 3, so the linked PE could go there.
            command(ViewKind::Klasses, k5B, 3, "takeOffItem");
        }
        const std::vector<int> before = snapshot();
        QCOMPARE(drag(table->viewport(), from, to, false), Qt::DragMoveCursor);
        QTest::keyClick(table, Qt::Key_Escape);
        QCOMPARE(table->viewport()->cursor().shape(), Qt::ArrowCursor);
        mouse(table->viewport(), QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QVERIFY(snapshot() == before);
        QCOMPARE(cleanLesson(k5A, kMonday, 4), kPe5A);
        // The next drag works as ever.
        drag(table->viewport(), from, to);
        QCOMPARE(cleanLesson(k5A, kMonday, 4), -1);
    }

    void aDetailsDropOnAnotherClassSubColumnIsRefused() {
        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        QWidget* viewport = details->grid(ManualSide::Klass, false)->viewport();
        const Qt::CursorShape shape = drag(viewport, subCell(details, ManualSide::Klass, false, kMonday, 4, 0),
                                           subCell(details, ManualSide::Klass, false, kTuesday, 3, 1));
        QCOMPARE(shape, Qt::ForbiddenCursor);
        QCOMPARE(cleanLesson(k5A, kMonday, 4), kPe5A);
    }

    void aFocusWithoutTeachersDrawsAndOpensNoMenu() {
        // 5Б's club has neither subject nor teacher: the teacher grids show no one.
        TTableDetailsManeger* details = openDetails(k5B, kClub5B, 1);
        QCOMPARE(details->focus().Shown(ManualSide::Teacher), 0);
        TSchoolTable* teachers = details->grid(ManualSide::Teacher, false);
        QVERIFY(!teachers->grab().isNull());
        const QPoint at = teachers->cellRect(kMonday, 1).center();
        QVERIFY(!details->cellAt(ManualSide::Teacher, false, at));
        mouse(teachers->viewport(), QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        QVERIFY(!details->actions().menu(ManualMenu::Teacher)->isVisible());
    }

    void roomAssignmentOfTheDayIsOneUndoStep() {
        const std::vector<int> before = snapshot();
        ModalWatch yes(QStringLiteral("yesButton"));
        manual_->AssignRooms();
        QVERIFY(snapshot() != before);
        QCOMPARE(grids().GetCleanSlot(k5A, kMonday, 1).rooms[0] == kNoRoom, false);
        manual_->undoAction()->trigger();
        QCOMPARE(snapshot(), before);
    }

    void aDoubleClickChangesTheDetailsFocus() {
        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        TSchoolTable* table = details->grid(ManualSide::Klass, false);
        const QPoint at = subCell(details, ManualSide::Klass, false, kMonday, 1, 0);  // 5А maths
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QTRY_COMPARE(details->klassesEdit()->text(), QStringLiteral("5А"));
        QCOMPARE(details->teachersEdit()->text(), QStringLiteral("Иванова"));
        QCOMPARE(details->unplacedLists(ManualSide::Klass).size(), std::size_t{1});
    }

    void closingTheDetailsAsksToSave() {
        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        command(ViewKind::Klasses, k5A, 1, "takeOffItem");
        QSignalSpy closed(manual_, &ManualController::detailsClosed);
        {
            ModalWatch cancel(QStringLiteral("cancelButton"));
            QVERIFY(!details->OnCloseManager());
            QVERIFY(!cancel.seen.isEmpty());
        }
        QVERIFY(details->isVisible());
        QCOMPARE(closed.count(), 0);
        ModalWatch discard(QStringLiteral("noButton"));
        QVERIFY(details->OnCloseManager());
        QCOMPARE(closed.count(), 1);
    }

    void theMainWindowCarriesTheRegimeAndTheUndoCommands() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("school.tbl"));
        QVERIFY(QFile::copy(QStringLiteral(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl"), file));
        auto frame = std::make_unique<TPrgMdiFrame>();
        frame->resize(1200, 800);
        frame->show();
        QVERIFY(frame->OpenProjectFile(file));
        {
            ModalWatch options(QStringLiteral("yesButton"));
            frame->command(QStringLiteral("RunKorvidanMenu"))->trigger();
        }
        TTableVarsManager* planning = frame->workspace();
        QVERIFY(planning);
        ManualController* manual = frame->manualController();
        QVERIFY(manual);
        auto* variantMenu = frame->findChild<QMenu*>(QStringLiteral("variantMenu"));
        QVERIFY(variantMenu);
        QVERIFY(variantMenu->actions().contains(manual->undoAction()));
        QVERIFY(variantMenu->actions().contains(manual->redoAction()));

        // A lesson of the first class at Monday's lesson 1, then moved to lesson 3.
        VariantWorkspace& workspace = planning->workspace();
        QVERIFY(workspace.planning().PlaceLinkedLesson(0, 0, false, 1, 1, 1));
        manual->actions().drop(ManualCell{ManualSide::Klass, false, 0, 1, 1}, ManualCell{ManualSide::Klass, false, 0, 1, 3});
        QCOMPARE(workspace.variant().GetCleanSlot(0, 1, 3).lessonIndex, 0);
        QVERIFY(manual->undoAction()->isEnabled());
        manual->undoAction()->trigger();
        QCOMPARE(workspace.variant().GetCleanSlot(0, 1, 1).lessonIndex, 0);
        QCOMPARE(workspace.variant().GetCleanSlot(0, 1, 3).lessonIndex, -1);

        // The manual regime works in the details window, the automatic one takes it away.
        workspace.SetSelectedDetail(SelectedDetail{workspace.session().klasses().BuildLinkSet(0, 0), 1, false});
        frame->command(QStringLiteral("manualItem"))->trigger();
        QVERIFY(manual->details() && manual->details()->isVisible());
        QCOMPARE(manual->details()->geometry(), planning->rect());
        frame->command(QStringLiteral("automaticItem"))->trigger();
        QVERIFY(!manual->details());

        // A second planning window brings its own commands; the first one's are gone.
        const int items = variantMenu->actions().size();
        QPointer<ManualController> first = manual;
        {
            ModalWatch answers(QStringLiteral("noButton"));
            frame->NewVarClick();
        }
        QVERIFY(!first);
        QVERIFY(frame->manualController());
        QCOMPARE(variantMenu->actions().size(), items);

        ModalWatch discard(QStringLiteral("noButton"));
        frame.reset();
    }

    // Pictures of manual planning, taken only when LOVARIS_SCREENSHOTS names a folder.
    void screenshots() {
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("LOVARIS_SCREENSHOTS not set");
        window_->resize(1366, 768);  // the pictures show a 1366 x 768 screen
        QCoreApplication::processEvents();
        const auto save = [&folder](QWidget* widget, const QString& name) {
            QVERIFY(widget->grab().save(folder + QStringLiteral("/") + name));
        };
        // The window with a popup drawn where it stands over it.
        const auto saveWith = [this, &folder](QWidget* popup, const QString& name) {
            QImage image = window_->grab().toImage();
            QPainter painter(&image);
            painter.drawPixmap(window_->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
            painter.end();
            QVERIFY(image.save(folder + QStringLiteral("/") + name));
        };

        // A drag held over a refused hour: the forbidden cursor drawn where the mouse is.
        QWidget* viewport = grid(ViewKind::Klasses)->viewport();
        const QPoint target = cellCentre(ViewKind::Klasses, k5A, 6);
        QCOMPARE(drag(viewport, cellCentre(ViewKind::Klasses, k5A, 5), target, false), Qt::ForbiddenCursor);
        {
            QImage image = window_->grab().toImage();
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const QPoint at = window_->mapFromGlobal(viewport->mapToGlobal(target));
            painter.setPen(QPen(Qt::red, 3));
            painter.setBrush(Qt::white);
            painter.drawEllipse(at, 9, 9);
            painter.drawLine(at + QPoint(-6, -6), at + QPoint(6, 6));
            painter.end();
            QVERIFY(image.save(folder + QStringLiteral("/manual-drag-refused.png")));
        }
        mouse(viewport, QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);

        struct MenuShot {
            ViewKind view;
            int entity;
            int number;
            const char* file;
        };
        for (const MenuShot& shot : {MenuShot{ViewKind::Klasses, k5A, 1, "manual-menu-class.png"},
                                     MenuShot{ViewKind::Teachers, kIvanova, 1, "manual-menu-teacher.png"},
                                     MenuShot{ViewKind::KlassesDraft, k5A, 2, "manual-menu-class-draft.png"},
                                     MenuShot{ViewKind::TeachersDraft, kKuznetsova, 1, "manual-menu-teacher-draft.png"}}) {
            window_->views()->pages()->setCurrentIndex(static_cast<int>(shot.view));
            rightClick(shot.view, shot.entity, shot.number);
            QMenu* menu = openMenu();
            QVERIFY(menu);
            saveWith(menu, QString::fromLatin1(shot.file));
            menu->hide();
        }
        window_->views()->pages()->setCurrentIndex(0);

        command(ViewKind::Klasses, k5A, 3, "setLessonItem");
        LessonChoicePopup* choice = manual_->actions().choicePopup();
        QVERIFY(choice);
        choice->tabs()->setCurrentIndex(choice->tabs()->count() - 1);
        for (int i = 0; i < choice->tabs()->count(); ++i)
            if (choice->tabs()->tabText(i) == QStringLiteral("Общие")) choice->tabs()->setCurrentIndex(i);
        choice->grid()->setCurrentIndex(choice->grid()->model()->index(0, 0));
        save(choice, QStringLiteral("manual-choice-class.png"));
        choice->hide();
        QTRY_VERIFY(!manual_->actions().choicePopup());
        command(ViewKind::Teachers, kSidorova, 3, "setLessonItem");
        QVERIFY(manual_->actions().choicePopup());
        save(manual_->actions().choicePopup(), QStringLiteral("manual-choice-teacher.png"));
        manual_->actions().choicePopup()->hide();
        QTRY_VERIFY(!manual_->actions().choicePopup());

        command(ViewKind::Klasses, k5V, 5, "setRoomItem");
        QVERIFY(manual_->actions().roomPopup());
        save(manual_->actions().roomPopup(), QStringLiteral("manual-room-popup.png"));
        manual_->actions().roomPopup()->hide();

        TTableDetailsManeger* details = openDetails(k5A, kPe5A, 4);
        const char* pages[] = {"manual-details-clean.png", "manual-details-draft.png", "manual-details-unplaced.png"};
        for (int page = 0; page < 3; ++page) {
            details->pages()->setCurrentIndex(page);
            QApplication::processEvents();
            save(window_.get(), QString::fromLatin1(pages[page]));
        }
    }
};

QTEST_MAIN(ManualPlanningTest)
#include "ManualPlanningTest.moc"
