#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "support/DialogAnswers.h"
#include "ui/controls/CheckList.h"
#include "ui/controls/NameList.h"
#include "ui/controls/TWeeking.h"
#include "ui/data/TKlassesManager.h"
#include "ui/data/TRoomsManager.h"
#include "ui/data/TSelItemDlg.h"
#include "ui/data/TSubjectsManager.h"
#include "ui/data/TTeachersManager.h"

using namespace lovaris;
using namespace lovaris::ui;

namespace {

// A school with the given room, class and teacher names (IDs 0, 1, 2, ... in order).
Project schoolWith(const QStringList& rooms, const QStringList& klasses = {}, const QStringList& teachers = {}) {
    Project project;
    for (const auto& name : rooms) project.rooms.add().setName(name.toStdString());
    for (const auto& name : klasses) project.klasses.add().setName(name.toStdString());
    for (const auto& name : teachers) project.teachers.add().setName(name.toStdString());
    project.subjects.add().setName("Физика");
    return project;
}

std::unique_ptr<EditorWindow> makeEditor(const QString& kind, Project& project) {
    if (kind == "rooms") return std::make_unique<TRoomsManager>(project);
    if (kind == "subjects") return std::make_unique<TSubjectsManager>(project);
    if (kind == "classes") return std::make_unique<TKlassesManager>(project);
    return std::make_unique<TTeachersManager>(project);
}

QString roomOrder(const Project& project) {
    QString order;
    for (const auto& room : project.rooms) order += QString::fromStdString(room.name);
    return order;
}

template <typename T>
T* child(QWidget* parent, const char* name) {
    auto* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no widget %s", name);
    return found;
}

// Types the text key by key (QTest::keyClicks knows only Latin letters).
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

class EditorsTest : public QObject {
    Q_OBJECT
private slots:
    void moveDialogPlacesTheRecordAfterTheChosenOne_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("chosenRow");
        QTest::addColumn<QString>("order");
        QTest::addColumn<bool>("changed");
        QTest::newRow("last after second") << 3 << 1 << "ABDC" << true;
        QTest::newRow("first after third") << 0 << 2 << "BCAD" << true;
        QTest::newRow("after itself") << 2 << 2 << "ABCD" << false;
        QTest::newRow("after the one before it") << 2 << 1 << "ABCD" << false;
    }
    void moveDialogPlacesTheRecordAfterTheChosenOne() {
        QFETCH(int, current);
        QFETCH(int, chosenRow);
        QFETCH(QString, order);
        QFETCH(bool, changed);
        Project project = schoolWith({"A", "B", "C", "D"});
        const auto movedId = project.rooms.at(current).id;
        TRoomsManager editor(project);
        editor.ShowRecord(current);
        QSignalSpy modified(&editor, &EditorWindow::dataChanged);
        lovaris::test::ActOnNextDialog([chosenRow](QWidget* dialog) {
            child<QListWidget>(dialog, "recordList")->setCurrentRow(chosenRow);
            child<QPushButton>(dialog, "yesButton")->click();
        });
        child<QPushButton>(&editor, "moveButton")->click();
        QCOMPARE(roomOrder(project), order);
        QCOMPARE(modified.isEmpty(), !changed);
        // The moved record keeps its ID and is the one shown.
        QCOMPARE(project.rooms.at(editor.currentPosition()).id, movedId);
        QCOMPARE(editor.nameList()->currentText(), QString::fromStdString(project.rooms.findById(movedId)->name));
    }

    void moveDialogCancelledChangesNothing() {
        Project project = schoolWith({"A", "B", "C"});
        TRoomsManager editor(project);
        QSignalSpy modified(&editor, &EditorWindow::dataChanged);
        lovaris::test::AnswerNextDialog(QStringLiteral("cancelButton"));
        child<QPushButton>(&editor, "moveButton")->click();
        QCOMPARE(roomOrder(project), QStringLiteral("ABC"));
        QVERIFY(modified.isEmpty());
    }

    void selectionDialogWithTagHasNoHelp() {
        TSelItemDlg dialog;
        dialog.setNames({"5А", "5Б"});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Класс"));
        dialog.setTag(1);
        dialog.show();
        QVERIFY(!child<QPushButton>(&dialog, "helpButton")->isVisible());
        QCOMPARE(dialog.property("helpContext").toInt(), 0);
        QCOMPARE(dialog.list()->property("helpContext").toInt(), 0);
        dialog.shortFormBox()->setChecked(true);
        dialog.list()->setCurrentRow(1);
        child<QPushButton>(&dialog, "yesButton")->click();
        QCOMPARE(dialog.chosen(), 2);
        QVERIFY(dialog.shortForm());
    }

    void numericFieldsStoreWithinTheirRange_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("message");
        QTest::newRow("seats above maximum") << "rooms" << "seatsEdit" << "150" << 100 << "";
        QTest::newRow("seats negative") << "rooms" << "seatsEdit" << "-3" << 0 << "";
        QTest::newRow("seats cleared") << "rooms" << "seatsEdit" << "" << 0 << "";
        QTest::newRow("seats not a number") << "rooms" << "seatsEdit" << "12a" << 30
                                            << "Ошибка при вводе количества мест в кабинете.";
        QTest::newRow("coefficient") << "subjects" << "coefficientEdit" << "25" << 20 << "";
        QTest::newRow("children") << "classes" << "childrenEdit" << "101" << 100 << "";
        QTest::newRow("free days") << "teachers" << "freeDaysEdit" << "9" << 7 << "";
        QTest::newRow("planned hours") << "teachers" << "plannedHoursEdit" << "200" << 144 << "";
        QTest::newRow("planned hours not a number") << "teachers" << "plannedHoursEdit" << "x" << 0
                                                    << "Ошибка при вводе числа часов по учебному плану.";
    }
    void numericFieldsStoreWithinTheirRange() {
        QFETCH(QString, kind);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, message);
        Project project = schoolWith({"101"}, {"5А"}, {"Иванов"});
        auto editor = makeEditor(kind, project);
        editor->ShowRecord(0);
        auto* edit = child<QLineEdit>(editor.get(), field.toLatin1().constData());
        QSignalSpy modified(editor.get(), &EditorWindow::dataChanged);
        QString seen;
        if (!message.isEmpty()) lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        edit->selectAll();
        edit->insert(typed);  // as pasted: one change
        QCOMPARE(seen, message);
        QCOMPARE(modified.isEmpty(), !message.isEmpty());
        const std::map<QString, int> values{
            {"seatsEdit", project.rooms.at(0).seats},
            {"coefficientEdit", project.subjects.at(0).sanitaryCoefficient},
            {"childrenEdit", project.klasses.at(0).children},
            {"freeDaysEdit", project.teachers.at(0).freeDays},
            {"plannedHoursEdit", project.teachers.at(0).plannedHours},
        };
        QCOMPARE(values.at(field), stored);
        QCOMPARE(edit->text(), typed);
    }

    void busyTableWritesTheChosenState_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("room busy") << "rooms" << "busyButton" << 1 << "";
        QTest::newRow("room free") << "rooms" << "freeButton" << 0 << "";
        QTest::newRow("class busy") << "classes" << "busyButton" << 1 << "";
        QTest::newRow("teacher low priority") << "teachers" << "wishLowButton" << 769 << "1";
        QTest::newRow("teacher high priority") << "teachers" << "wishHighButton" << 257 << "3";
        QTest::newRow("teacher busy") << "teachers" << "busyButton" << 1 << "";
    }
    void busyTableWritesTheChosenState() {
        QFETCH(QString, kind);
        QFETCH(QString, button);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        Project project = schoolWith({"101"}, {"5А"}, {"Иванов"});
        project.rooms.at(0).busy.set(3, 2, 1);
        project.klasses.at(0).busy.set(3, 2, 1);
        project.teachers.at(0).busy.set(3, 2, kTeacherWishMedium);
        auto editor = makeEditor(kind, project);
        editor->ShowRecord(0);
        QCOMPARE(editor->chosenCellState(), kCellFree);
        child<QToolButton>(editor.get(), button.toLatin1().constData())->click();
        auto* table = child<TWeeking>(editor.get(), "busyTable");
        QSignalSpy modified(editor.get(), &EditorWindow::dataChanged);
        table->clickCell(3, 2);
        const int slot = busySlot(3, 2);
        const int value = kind == "rooms"     ? project.rooms.at(0).busy.get(slot)
                          : kind == "classes" ? project.klasses.at(0).busy.get(slot)
                                              : project.teachers.at(0).busy.get(slot);
        QCOMPARE(value, stored);
        QCOMPARE(table->model()->index(1, 2).data().toString(), shown);
        QCOMPARE(modified.size(), 1);

        // "Свободен" frees the cell again.
        child<QToolButton>(editor.get(), "freeButton")->click();
        table->clickCell(3, 2);
        QCOMPARE(table->model()->index(1, 2).data(Qt::UserRole).toInt(), kCellFree);
    }

    void busyTableFollowsTheLessonsPerDay() {
        Project project = schoolWith({"101"});
        project.params.lessonsPerDay = 6;
        TRoomsManager editor(project);
        QCOMPARE(editor.busyTable()->model()->rowCount(), 6);
        project.params.lessonsPerDay = 10;
        editor.ResizeBusyTable();
        QCOMPARE(editor.busyTable()->model()->rowCount(), 10);
    }

    void typingAnotherRecordsNameOnlyRenames_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("typed");
        QTest::newRow("same name") << QStringList{"Альфа", "Бета", "Гамма"} << 0 << "Бета";
        // The shown entry keeps its text when only the case changes.
        QTest::newRow("same name, other case") << QStringList{"бета", "Бета"} << 1 << "БЕТА";
    }
    void typingAnotherRecordsNameOnlyRenames() {
        QFETCH(QStringList, names);
        QFETCH(int, current);
        QFETCH(QString, typed);
        Project project = schoolWith(names);
        TRoomsManager editor(project);
        editor.show();
        editor.ShowRecord(current);
        NameList* list = editor.nameList();
        list->lineEdit()->setFocus();
        list->lineEdit()->selectAll();
        typeText(list->lineEdit(), typed);
        QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        list->lineEdit()->clearFocus();
        QCOMPARE(editor.currentPosition(), current);
        QCOMPARE(QString::fromStdString(project.rooms.at(current).name), typed);
        names[current] = typed;
        QStringList stored;
        for (const auto& room : project.rooms) stored << QString::fromStdString(room.name);
        QCOMPARE(stored, names);
        QCOMPARE(list->count(), names.size());
        QCOMPARE(list->currentData().toInt(), project.rooms.at(current).id);
    }

    void choosingAnotherRecordsEntryShowsIt() {
        Project project = schoolWith({"Альфа", "Бета", "Гамма"});
        TRoomsManager editor(project);
        editor.show();
        NameList* list = editor.nameList();
        QSignalSpy modified(&editor, &EditorWindow::dataChanged);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);  // the next entry, as from the drop-down
        QCOMPARE(editor.currentPosition(), 1);
        QCOMPARE(list->currentText(), QStringLiteral("Бета"));
        QVERIFY(modified.isEmpty());
        QCOMPARE(roomOrder(project), QStringLiteral("АльфаБетаГамма"));
    }

    void renamedEntryStaysSortedAndEmptyNameShowsThePlaceholder() {
        Project project = schoolWith({"Б", "В"});
        TRoomsManager editor(project);
        editor.ShowRecord(1);
        NameList* names = editor.nameList();
        names->lineEdit()->selectAll();
        typeText(names->lineEdit(), QStringLiteral("А"));
        QCOMPARE(names->itemText(0), QStringLiteral("А"));
        QCOMPARE(names->itemData(0).toInt(), 1);
        names->lineEdit()->selectAll();
        QTest::keyClick(names->lineEdit(), Qt::Key_Delete);
        QCOMPARE(project.rooms.at(1).name, std::string());
        QVERIFY(names->findText(QStringLiteral("Неизвестный кабинет")) >= 0);
        QCOMPARE(names->lineEdit()->text(), QString());
    }

    void removingAsksFirst_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("shown");
        QTest::newRow("no") << "noButton" << "ABC" << 1;
        QTest::newRow("yes") << "yesButton" << "AC" << 1;
    }
    void removingAsksFirst() {
        QFETCH(QString, answer);
        QFETCH(QString, order);
        QFETCH(int, shown);
        Project project = schoolWith({"A", "B", "C"});
        TRoomsManager editor(project);
        editor.ShowRecord(1);
        QSignalSpy modified(&editor, &EditorWindow::dataChanged);
        QString question;
        lovaris::test::AnswerNextDialog(answer, &question);
        child<QPushButton>(&editor, "removeButton")->click();
        QCOMPARE(question, QStringLiteral("Вы действительно хотите удалить данную запись?"));
        QCOMPARE(roomOrder(project), order);
        QCOMPARE(modified.isEmpty(), answer == "noButton");
        QCOMPARE(editor.currentPosition(), shown);
        QCOMPARE(editor.nameList()->count(), project.rooms.count());
    }

    void newRecordsTakeFreshIds() {
        Project project = schoolWith({"A", "B", "C", "D", "E"});
        TRoomsManager editor(project);
        editor.ShowRecord(2);
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"));
        child<QPushButton>(&editor, "removeButton")->click();
        child<QPushButton>(&editor, "addButton")->click();
        QCOMPARE(project.rooms.count(), 5);
        QCOMPARE(project.rooms.at(editor.currentPosition()).id, 5);
        QCOMPARE(project.rooms.nextId(), 6);
        QCOMPARE(editor.nameList()->currentText(), QStringLiteral("Неизвестный кабинет"));
    }

    void newClassStartsWithTheFirstLesson() {
        Project project;
        TKlassesManager editor(project);
        QVERIFY(!child<QTabWidget>(&editor, "pages")->isEnabled());
        child<QPushButton>(&editor, "addButton")->click();
        QCOMPARE(project.klasses.at(0).startingLessons, std::vector<int>{1});
        QCOMPARE(child<QLineEdit>(&editor, "startingLessonsEdit")->text(), QStringLiteral("1"));
        QCOMPARE(child<QTabWidget>(&editor, "pages")->currentIndex(), int(TKlassesManager::kParallelsPage));
    }

    void startingLessonsText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<bool>("message");
        QTest::newRow("ascending") << "1,3" << QList<int>{1, 3} << false;
        QTest::newRow("descending") << "3,1" << QList<int>{2} << true;
        QTest::newRow("out of range") << "1,30" << QList<int>{1} << false;
        QTest::newRow("no digits") << "-" << QList<int>{} << false;
    }
    void startingLessonsText() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, stored);
        QFETCH(bool, message);
        Project project = schoolWith({}, {"5А"});
        project.klasses.at(0).insertStartingLesson(2);
        TKlassesManager editor(project);
        auto* edit = child<QLineEdit>(&editor, "startingLessonsEdit");
        QString seen;
        if (message) lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        edit->setText(typed);
        const auto& lessons = project.klasses.at(0).startingLessons;
        QCOMPARE(QList<int>(lessons.begin(), lessons.end()), stored);
        QCOMPARE(seen.isEmpty(), !message);
    }

    void deletedRecommendedRoomIsDroppedWhenShown() {
        Project project = schoolWith({"101", "102", "103"});
        project.subjects.at(0).insertWishedRoom(0, 2);
        project.subjects.at(0).insertWishedRoom(1, 0);
        TSubjectsManager editor(project);
        QSignalSpy modified(&editor, &EditorWindow::dataChanged);
        project.rooms.remove(0);
        editor.ShowRecord(0);
        QCOMPARE(project.subjects.at(0).wishedRooms, std::vector<std::int32_t>{2});
        auto* wished = child<QListWidget>(&editor, "wishedRoomsList");
        QCOMPARE(wished->count(), 1);
        QCOMPARE(wished->item(0)->text(), QStringLiteral("103"));
        QCOMPARE(modified.size(), 1);

        // The same on activation after another editor deleted a room.
        project.rooms.remove(project.rooms.indexOfId(2));
        editor.Activated();
        QVERIFY(project.subjects.at(0).wishedRooms.empty());
        QCOMPARE(wished->count(), 0);
        QCOMPARE(modified.size(), 2);
    }

    void recommendedRoomsAreAddedAndReordered() {
        Project project = schoolWith({"102", "101"});
        TSubjectsManager editor(project);
        auto* all = child<QListWidget>(&editor, "allRoomsList");
        auto* wished = child<QListWidget>(&editor, "wishedRoomsList");
        QCOMPARE(all->item(0)->text(), QStringLiteral("101"));
        auto* add = child<QToolButton>(&editor, "addRoomButton");
        for (int row : {0, 1, 0}) {
            all->setCurrentRow(row);
            add->click();
        }
        QCOMPARE(project.subjects.at(0).wishedRooms, (std::vector<std::int32_t>{1, 0}));
        auto* raise = child<QToolButton>(&editor, "raiseRoomButton");
        auto* lower = child<QToolButton>(&editor, "lowerRoomButton");
        // The room added last is chosen, at the bottom.
        QCOMPARE(wished->currentRow(), 1);
        QVERIFY(raise->isEnabled() && !lower->isEnabled());
        raise->click();
        QCOMPARE(project.subjects.at(0).wishedRooms, (std::vector<std::int32_t>{0, 1}));
        QCOMPARE(wished->currentRow(), 0);
        child<QToolButton>(&editor, "removeRoomButton")->click();
        QCOMPARE(project.subjects.at(0).wishedRooms, std::vector<std::int32_t>{1});
        QVERIFY(!child<QToolButton>(&editor, "removeRoomButton")->isEnabled());
    }

    void parallelsListOtherClassesAndKeepTen() {
        QStringList names;
        for (int i = 1; i <= 13; ++i) names << QStringLiteral("К%1").arg(i, 2, 10, QLatin1Char('0'));
        Project project = schoolWith({}, names);
        TKlassesManager editor(project);
        editor.ShowRecord(5);
        auto* parallels = child<CheckList>(&editor, "parallelsChecks");
        QCOMPARE(parallels->count(), 12);
        for (int i = 0; i < parallels->count(); ++i) QVERIFY(parallels->item(i)->text() != names[5]);
        for (int i = parallels->count() - 1; i >= 0; --i) parallels->item(i)->setCheckState(Qt::Checked);
        // The first ten in list order: К01..К05, К07..К11.
        const std::vector<std::int32_t> expected{0, 1, 2, 3, 4, 6, 7, 8, 9, 10};
        QCOMPARE(project.klasses.at(5).parallels, expected);
        QCOMPARE(parallels->checkedIds().size(), 10);
    }
};

QTEST_MAIN(EditorsTest)
#include "EditorsTest.moc"
