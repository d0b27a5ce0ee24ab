#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "LessonTestProject.h"
#include "support/DialogAnswers.h"
#include "ui/controls/ReferenceList.h"
#include "ui/controls/TWeeking.h"
#include "ui/data/TLessonsManager.h"

using namespace lovaris;
using namespace lovaris::ui;


Q_DECLARE_METATYPE(QList<int>)

namespace {

const QColor kRed(0xD0, 0x00, 0x00);

QList<int> pupilsOf(const TLessonItem& lesson) {
    QList<int> pupils;
    for (const auto& s : lesson.subgroups) pupils << s.children;
    return pupils;
}

// Deletes the text's last character and types the new one, as a user retypes a field.
void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->end(false);
    while (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

}  // namespace

class LessonsEditorTest : public QObject, lovaris::test::LessonEditorFixture {
    Q_OBJECT

private slots:
    void init() { newSchool(); }
    void cleanup() { closeSchool(); }

    void subgroupCountSplitsThePupils_data() {
        QTest::addColumn<bool>("withClass");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("pupils");
        QTest::newRow("25 in two") << true << "2" << "2" << QList<int>{13, 12};
        QTest::newRow("25 in three") << true << "3" << "3" << QList<int>{9, 8, 8};
        QTest::newRow("seven is five") << true << "7" << "5" << QList<int>{5, 5, 5, 5, 5};
        QTest::newRow("zero is one") << true << "0" << "1" << QList<int>{25};
        QTest::newRow("no class: 30") << false << "2" << "2" << QList<int>{15, 15};
    }
    void subgroupCountSplitsThePupils() {
        QFETCH(bool, withClass);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QList<int>, pupils);
        school->addLesson(withClass ? school->class5 : -1, school->maths, school->ivanova);
        open();
        auto* count = child<QLineEdit>("subgroupCountEdit");
        retype(count, typed);

        QCOMPARE(count->text(), shown);
        QCOMPARE(pupilsOf(school->lesson(0)), pupils);
        auto* tabs = child<QTabBar>("subgroupTabs");
        QCOMPARE(tabs->count(), pupils.size());
        QCOMPARE(tabs->tabText(pupils.size() - 1), QString::number(pupils.size()) + QStringLiteral(" группа"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>("pupilsEdit")->text(), QString::number(pupils.first()));
        QVERIFY(modified->count() > 0);
        QCOMPARE(modified->last().first().toInt(), 4);
    }

    void retypedCountStillDiscardsTheSubgroups() {
        const int pos = school->addLesson(school->class5, school->maths, school->ivanova);
        school->lesson(pos).setSubgroupCount(2);
        for (auto& s : school->lesson(pos).subgroups) {
            s.subject = school->music;
            s.teacher = school->petrov;
            s.fictiveRoom = "зал";
        }
        const int partner = school->addLesson(school->class6, school->music, school->petrov);
        school->sub(pos, 1).addLink({school->lesson(partner).id, 0});
        school->sub(partner).addLink({school->lesson(pos).id, 1});
        open();
        retype(child<QLineEdit>("subgroupCountEdit"), QStringLiteral("2"));
        for (const auto& s : school->lesson(pos).subgroups) {
            QCOMPARE(s.subject, -1);
            QCOMPARE(s.teacher, -1);
            QVERIFY(s.fictiveRoom.empty());
            QVERIFY(s.links.empty());
        }
        QVERIFY(school->sub(partner).links.empty());  // no link is left one-sided
        QCOMPARE(child<ReferenceList>("subjectList")->chosenId(), -1);
    }

    void badCountTextIsRefused() {
        school->addLesson(school->class5, school->maths, school->ivanova);
        school->lesson(0).setSubgroupCount(2);
        open();
        QString seen;
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        child<QLineEdit>("subgroupCountEdit")->setText(QStringLiteral("x"));
        QCOMPARE(seen, QStringLiteral("Ошибка при вводе количества подгрупп."));
        QCOMPARE(school->lesson(0).subgroupCount(), 2);
        QCOMPARE(modified->count(), 0);
    }

    void choosingTheClassSplitsItsPupils() {
        school->addLesson(-1, school->maths, school->ivanova);
        school->lesson(0).setSubgroupCount(2);
        open();
        auto* classes = child<ReferenceList>("classList");
        classes->setCurrentIndex(classes->findData(school->class5));
        QCOMPARE(school->lesson(0).klass, school->class5);
        QCOMPARE(pupilsOf(school->lesson(0)), (QList<int>{13, 12}));
        QCOMPARE(child<QLineEdit>("pupilsEdit")->text(), QStringLiteral("13"));
    }

    void spreadText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("spread");
        QTest::newRow("three blocks") << "1,1,2" << QString() << QList<int>{1, 1, 2};
        QTest::newRow("descending") << "2,1" << "Ошибка при вводе почасовой раскладки." << QList<int>{3};
    }
    void spreadText() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QList<int>, spread);
        school->addLesson(school->class5, school->maths, school->ivanova, {3});
        open();
        QString seen;
        if (!message.isEmpty()) lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        child<QLineEdit>("spreadEdit")->setText(typed);
        QCOMPARE(seen, message);
        const auto stored = school->lesson(0).spread();
        QCOMPARE(QList<int>(stored.begin(), stored.end()), spread);
        QCOMPARE(modified->count(), message.isEmpty() ? 1 : 0);
    }

    void markedRedWhileSeparatedOrLinked_data() {
        QTest::addColumn<bool>("marked");
        QTest::newRow("plain") << false;
        QTest::newRow("separated and linked") << true;
    }
    void markedRedWhileSeparatedOrLinked() {
        QFETCH(bool, marked);
        const int pos = school->addLesson(school->class5, school->maths, school->ivanova);
        const int other = school->addLesson(school->class6, school->maths, school->ivanova);
        if (marked) {
            school->lesson(pos).setSeparatedHours({2});
            school->sub(pos).addLink({school->lesson(other).id, 0});
        }
        open();
        QCOMPARE(child<QLineEdit>("spreadEdit")->palette().color(QPalette::Text) == kRed, marked);
        auto* link = child<QPushButton>("linkButton");
        QCOMPARE(link->palette().color(QPalette::ButtonText) == kRed, marked);
        editor->ShowRecord(other);
        QVERIFY(link->palette().color(QPalette::ButtonText) != kRed);
    }

    void referencesToDeletedRecordsAreDropped() {
        school->addLesson(school->class5, school->maths, school->ivanova);
        open();
        school->sub(0).teacher = 77;  // a teacher deleted meanwhile
        editor->ShowRecord(0);
        QCOMPARE(school->sub(0).teacher, -1);
        QCOMPARE(modified->count(), 1);

        school->project.subjects.remove(school->project.subjects.indexOfId(school->maths));
        editor->Activated();
        QCOMPARE(school->sub(0).subject, -1);
        QCOMPARE(school->lesson(0).klass, school->class5);
        QCOMPARE(modified->count(), 2);
    }

    void clearingKeepsPupilsAndLinks() {
        school->addLesson(school->class5, school->maths, school->ivanova);
        school->sub(0).fictiveRoom = "зал";
        school->sub(0).addLink({42, 0});
        open();
        child<QPushButton>("clearButton")->click();
        QCOMPARE(school->sub(0).subject, -1);
        QCOMPARE(school->sub(0).teacher, -1);
        QVERIFY(school->sub(0).fictiveRoom.empty());
        QCOMPARE(school->sub(0).children, 30);
        QCOMPARE(school->sub(0).links.size(), std::size_t(1));
        QCOMPARE(child<QLineEdit>("fictiveRoomEdit")->text(), QString());
    }

    void busyCellStoresOne() {
        school->addLesson(school->class5, school->maths, school->ivanova);
        open();
        auto* busy = child<TWeeking>("busyTable");
        editor->setChosenCellState(4);
        busy->clickCell(2, 3);
        QCOMPARE(int(school->lesson(0).busy.at(2, 3)), 1);
        editor->setChosenCellState(0);
        busy->clickCell(2, 3);
        QCOMPARE(int(school->lesson(0).busy.at(2, 3)), 0);
        QCOMPARE(modified->count(), 2);
    }

    // Arrows stay inside the busy table; Tab leaves it, so the subgroup's fields are
    // reached from the keyboard.
    void tabLeavesTheBusyTable() {
        school->addLesson(school->class5, school->maths, school->ivanova);
        open();
        editor->show();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        auto* busy = child<TWeeking>("busyTable");
        busy->setFocus();
        QTest::keyClick(busy, Qt::Key_Down);
        QVERIFY(busy->hasFocus());
        QTest::keyClick(busy, Qt::Key_Tab);
        QVERIFY(!busy->hasFocus());
    }
};

QTEST_MAIN(LessonsEditorTest)
#include "LessonsEditorTest.moc"
