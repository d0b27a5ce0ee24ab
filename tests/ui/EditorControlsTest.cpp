#include <QSignalSpy>
#include <QtTest>

#include "support/DialogAnswers.h"
#include "ui/common/TErrorBox.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/ReferenceList.h"

using namespace lovaris;
using namespace lovaris::ui;

class EditorControlsTest : public QObject {
    Q_OBJECT
private slots:
    void numberFieldReadsEveryChange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");  // -1: nothing stored
        QTest::addColumn<bool>("message");
        QTest::newRow("within range") << "42" << 42 << false;
        QTest::newRow("above maximum") << "150" << 100 << false;
        QTest::newRow("negative") << "-5" << 0 << false;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("not a number") << "12a" << -1 << true;
    }
    void numberFieldReadsEveryChange() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(bool, message);
        NumberEdit edit(100, TextId::RoomSeatsError);
        edit.showValue(30);
        QSignalSpy values(&edit, &NumberEdit::valueEdited);
        QString seen;
        if (message) lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        edit.setText(typed);
        if (stored < 0) {
            QVERIFY(values.isEmpty());
        } else {
            QVERIFY(!values.isEmpty());
            QCOMPARE(values.last().at(0).toInt(), stored);
        }
        QCOMPARE(seen, message ? Res(TextId::RoomSeatsError) : QString());
        QCOMPARE(edit.text(), typed);  // never rewritten
    }

    void numberFieldShowsValuesQuietly() {
        NumberEdit edit(7, TextId::TeacherFreeDaysError);
        QSignalSpy values(&edit, &NumberEdit::valueEdited);
        edit.showValue(3);
        edit.showNothing();
        QVERIFY(values.isEmpty());
    }

    void referenceListDropsDeletedRecords_data() {
        QTest::addColumn<bool>("withNone");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("afterwards");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("shown");
        QTest::newRow("existing") << true << 7 << 7 << false << "Б-2";
        QTest::newRow("deleted") << true << 9 << -1 << true << "Отсутствует";
        QTest::newRow("none chosen") << true << -1 << -1 << false << "Отсутствует";
        QTest::newRow("required, none chosen") << false << -1 << -1 << false << "";
        QTest::newRow("required, deleted") << false << 9 << -1 << true << "";
    }
    void referenceListDropsDeletedRecords() {
        QFETCH(bool, withNone);
        QFETCH(int, stored);
        QFETCH(int, afterwards);
        QFETCH(bool, dropped);
        QFETCH(QString, shown);
        ReferenceList list(withNone);
        QSignalSpy chosen(&list, &ReferenceList::idChosen);
        std::int32_t id = stored;
        QCOMPARE(list.fillFor({{7, QStringLiteral("Б-2")}, {3, QStringLiteral("а-1")}}, id), dropped);
        QCOMPARE(id, afterwards);
        QCOMPARE(list.currentText(), shown);
        QCOMPARE(list.chosenId(), afterwards);
        QVERIFY(chosen.isEmpty());
    }

    void referenceListIsSortedAndReportsChoices() {
        ReferenceList list(true);
        std::int32_t id = -1;
        list.fillFor({{1, QStringLiteral("Ёлка")}, {2, QStringLiteral("ель")}, {3, QStringLiteral("Ж")}}, id);
        QCOMPARE(list.itemText(1), QStringLiteral("ель"));
        QCOMPARE(list.itemText(2), QStringLiteral("Ёлка"));
        QCOMPARE(list.itemText(3), QStringLiteral("Ж"));
        QSignalSpy chosen(&list, &ReferenceList::idChosen);
        list.setCurrentIndex(2);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.last().at(0).toInt(), 1);
    }
};

QTEST_MAIN(EditorControlsTest)
#include "EditorControlsTest.moc"
