#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/data/ProjectParams.h"
#include "support/ModalWatch.h"
#include "ui/app/TProjParams.h"

using namespace lovaris;
using namespace lovaris::ui;

namespace {

ProjectParams storedParams() {
    ProjectParams p;
    p.description = "школа";
    p.lessonsPerDay = 8;
    p.shiftStarts = {1, 9, 0};
    p.classMinLessons = 4;
    p.teacherMinLessons = 2;
    return p;
}

// The dialog over a record, shown as the user sees it.
struct ParamsDialog {
    ProjectParams params;
    TProjParams dialog;
    explicit ParamsDialog(ProjectParams start) : params(start), dialog(nullptr, QStringLiteral("школа"), params) {
        dialog.show();
    }
    QLineEdit* field(const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPlainTextEdit* memo() { return dialog.findChild<QPlainTextEdit*>(QStringLiteral("commentMemo")); }
    void type(const char* name, const QString& text) { field(name)->setText(text); }
    // Clicks "Да"; returns the message it showed, empty when none.
    QString confirm() {
        lovaris::test::ModalWatch watch(QStringLiteral("yesButton"));
        QTest::mouseClick(dialog.findChild<QAbstractButton*>(QStringLiteral("yesButton")), Qt::LeftButton);
        return watch.seen.join(QLatin1Char('\n'));
    }
};

}  // namespace

class ProjParamsTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheRecord() {
        ParamsDialog d(storedParams());
        QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Параметры проекта школа"));
        QCOMPARE(d.memo()->toPlainText(), QStringLiteral("школа"));
        QCOMPARE(d.field("lessonsPerDayEdit")->text(), QStringLiteral("8"));
        QCOMPARE(d.field("shiftStartsEdit")->text(), QStringLiteral("1,9"));
        QCOMPARE(d.field("teacherMinEdit")->text(), QStringLiteral("2"));
        QVERIFY(!d.field("classMinEdit")->isVisible());
        QCOMPARE(d.field("classMinEdit")->text(), QStringLiteral("4"));
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (!folder.isEmpty()) QVERIFY(d.dialog.grab().save(folder + QStringLiteral("/params-dialog.png")));
    }

    void aRefusedEntryShowsItsMessageAndCancelKeepsTheRecord_data() {
        QTest::addColumn<QString>("lessons");
        QTest::addColumn<QString>("shifts");
        QTest::addColumn<QString>("teacherMin");
        QTest::addColumn<QString>("message");
        const QString lessonsError = QStringLiteral("Ошибка при вводе максимального количества уроков для школы.");
        const QString shiftsError = QStringLiteral("Ошибка при вводе уроков, с которых начинаются смены.");
        QTest::newRow("0 lessons") << "0" << "1" << "2" << lessonsError;
        QTest::newRow("25 lessons") << "25" << "1" << "2" << lessonsError;
        QTest::newRow("lessons not a number") << "восемь" << "1" << "2" << lessonsError;
        QTest::newRow("teacher minimum above the lessons typed")
            << "4" << "1" << "5" << "Ошибка при вводе минимального количества уроков в день для учителя.";
        // The class minimum (4, not shown) is measured against the lessons typed, too.
        QTest::newRow("hidden class minimum above the lessons typed")
            << "3" << "1" << "2" << "Ошибка при вводе минимального количества уроков в день для класса.";
        QTest::newRow("descending shifts") << "8" << "9,1" << "2" << shiftsError;
        QTest::newRow("fails part-way") << "6" << "5,3" << "2" << shiftsError;
        QTest::newRow("no number") << "8" << "0" << "2" << shiftsError;
    }
    void aRefusedEntryShowsItsMessageAndCancelKeepsTheRecord() {
        QFETCH(QString, lessons);
        QFETCH(QString, shifts);
        QFETCH(QString, teacherMin);
        QFETCH(QString, message);
        ParamsDialog d(storedParams());
        d.type("lessonsPerDayEdit", lessons);
        d.type("shiftStartsEdit", shifts);
        d.type("teacherMinEdit", teacherMin);
        d.memo()->insertPlainText(QStringLiteral("новый "));

        QCOMPARE(d.confirm(), message);
        QVERIFY(d.dialog.isVisible());
        QCOMPARE(d.params, storedParams());

        QTest::mouseClick(d.dialog.findChild<QAbstractButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(d.params, storedParams());
    }

    void acceptedEntries_data() {
        QTest::addColumn<QString>("shifts");
        QTest::addColumn<QList<int>>("starts");
        QList<int> upTo24;
        QString twentyFour;
        for (int i = 1; i <= 24; ++i) {
            upTo24 << i;
            twentyFour += (i > 1 ? QStringLiteral(",") : QString()) + QString::number(i);
        }
        QTest::newRow("1,9") << "1,9" << QList<int>{1, 9};
        QTest::newRow("1; 9") << "1; 9" << QList<int>{1, 9};
        QTest::newRow("1 9") << "1 9" << QList<int>{1, 9};
        QTest::newRow("0,5") << "0,5" << QList<int>{5};
        QTest::newRow("24 numbers") << twentyFour << upTo24;
    }
    void acceptedEntries() {
        QFETCH(QString, shifts);
        QFETCH(QList<int>, starts);
        ParamsDialog d(storedParams());
        d.type("lessonsPerDayEdit", QStringLiteral("24"));
        d.type("shiftStartsEdit", shifts);
        d.type("teacherMinEdit", QStringLiteral("24"));
        QCOMPARE(d.confirm(), QString());
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.params.lessonsPerDay, 24);
        QCOMPARE(d.params.teacherMinLessons, 24);
        const std::vector<int> stored = d.params.shiftStartList();
        QCOMPARE(QList<int>(stored.begin(), stored.end()), starts);
    }

    void theHintIsStoredAsTypedAndEnterConfirms() {
        ProjectParams empty = storedParams();
        empty.description.clear();
        ParamsDialog d(empty);
        QCOMPARE(d.memo()->toPlainText(),
                 QStringLiteral("В данном поле вводится краткое описание \nпроекта, например: гимназия N70"));
        QCOMPARE(d.memo()->textCursor().position(), 0);
        QTest::keyClick(d.memo(), Qt::Key_Return);
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.memo()->blockCount(), 2);  // no new line was started
        // Each of the line break's two characters becomes a blank.
        QCOMPARE(QString::fromStdString(d.params.description),
                 QStringLiteral("В данном поле вводится краткое описание   проекта, например: гимназия N70"));
    }

    void theCommentTakesAtMost80Characters() {
        ParamsDialog d(storedParams());
        d.memo()->clear();
        d.memo()->insertPlainText(QString(90, QChar(u'ж')));
        QCOMPARE(d.memo()->toPlainText().size(), 80);
    }
};

QTEST_MAIN(ProjParamsTest)
#include "ProjParamsTest.moc"
