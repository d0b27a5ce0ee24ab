// The substitution journal driven as a planner keeps it: absences entered through the
// absent-teacher dialog, a substitute chosen in its dialog, cells edited in place, a
// row deleted, the day saved on another date, and the period summary's two pages.
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "core/data/ProjectDocument.h"
#include "core/journal/SubstitutionArchive.h"
#include "core/planning/PlanningSession.h"
#include "support/DialogAnswers.h"
#include "support/ModalWatch.h"
#include "ui/app/TPrgMdiFrame.h"
#include "ui/common/HelpViewer.h"
#include "ui/journal/JournalWidgets.h"
#include "ui/journal/TSelDateDlg.h"
#include "ui/journal/TViewZameshDlg.h"
#include "ui/journal/TZamRprtDlg.h"

using namespace lovaris;
using namespace lovaris::test;
using namespace lovaris::ui;

namespace {

constexpr SerialDate kMonday = 46370;  // 14.12.2026

// The sample school with its first two classes' first five lessons on Monday 1..5.
struct SampleMonday {
    SampleMonday() {
        if (!document.Open(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl").ok) return;
        session = std::make_unique<PlanningSession>(document.project());
        variant = session->NewVariant();
        for (int k = 0; k < 2; ++k)
            for (int n = 1; n <= 5 && n <= session->klasses().at(k).lessonCount(); ++n) {
                LessonSlot slot = LessonSlot::BlockHour(n - 1, n, n);
                slot.rooms[0] = static_cast<std::uint16_t>(k);  // the class's own room
                variant.SetCleanSlot(k, 1, slot, n);
            }
        timetable = std::make_unique<JournalTimetable>(*session, variant);
        // The teacher of the first class's first lesson, absent in the tests.
        absent = session->klasses().at(0).lesson(0).subgroups[0].teacher;
    }
    ProjectDocument document;
    std::unique_ptr<PlanningSession> session;
    TTableVarItem variant;
    std::unique_ptr<JournalTimetable> timetable;
    int absent = -1;
};

QString Screenshots() { return qEnvironmentVariable("LOVARIS_SCREENSHOTS"); }
void Picture(QWidget* widget, const char* name) {
    if (!Screenshots().isEmpty()) QVERIFY(widget->grab().save(Screenshots() + "/" + name));
}
QString Cell(QAbstractItemView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}
template <typename W>
W* Named(QWidget* parent, const char* name) {
    return parent->findChild<W*>(QString::fromLatin1(name));
}

}  // namespace

class JournalWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(folder.isValid());
        QFile::remove(folder.filePath("zarch.sys"));  // every test starts a new journal
        archive = SubstitutionArchive::Open(folder.filePath("zarch.sys").toStdString());
        QVERIFY(archive);
        QVERIFY(school.timetable);
    }
    void cleanup() {
        archive.reset();
        while (HelpViewer* viewer = FindHelpViewer(nullptr)) delete viewer;
    }

    void keepingADayOfAbsences() {
        TViewZameshDlg window(nullptr, *archive, school.timetable.get(), kMonday);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Просмотр журнала замещений"));
        QCOMPARE(window.dayEdit()->text(), QStringLiteral("Понедельник"));
        QCOMPARE(window.datePicker()->text(), QStringLiteral("14.12.2026"));
        QTableView* grid = window.grid();
        const QStringList headers = {"Урок", "ФИО отсутств.", "Предмет", "Класс", "Каб.", "Причина", "ФИО замещ.",
                                     "Предмет", "Примечание"};
        for (int c = 0; c < headers.size(); ++c)
            QCOMPARE(grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headers[c]);
        QCOMPARE(grid->model()->rowCount(), 1);

        // The absent teacher's lessons 1 and 2, ticked in "Замещаются уроки".
        const QString absentName = QString::fromStdString(school.timetable->teacherName(school.absent));
        QString lessonsSeen;
        ActOnNextDialog([&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Замещаются уроки"));
            auto* teachers = Named<QListWidget>(dialog, "TchListBox");
            auto* lessons = Named<QListWidget>(dialog, "LsnsListBox");
            teachers->setCurrentRow(school.absent);
            lessonsSeen = lessons->item(0)->text();
            lessons->item(0)->setCheckState(Qt::Checked);
            lessons->item(1)->setCheckState(Qt::Checked);
            lessons->item(2)->setCheckState(Qt::Checked);
            Picture(dialog, "journal-absent-teacher.png");
            Named<QPushButton>(dialog, "yesButton")->click();
        });
        QTest::mouseClick(Named<QToolButton>(&window, "AddRecButton"), Qt::LeftButton);
        QVERIFY(lessonsSeen.startsWith(QStringLiteral("1. ")));
        QTRY_COMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(Cell(grid, 0, 0), QStringLiteral("1"));
        QVERIFY(!Cell(grid, 0, 4).isEmpty());
        QCOMPARE(Cell(grid, 0, 1), absentName);
        QCOMPARE(Cell(grid, 1, 5), QStringLiteral("Больничный"));
        QVERIFY(window.day().changed());

        // The substitute of lesson 2, chosen through the cell's button.
        QString lessonText;
        QStringList offered;
        ActOnNextDialog([&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Замещающий учитель"));
            lessonText = Named<QLineEdit>(dialog, "ZamLessEdit")->text();
            auto* candidates = Named<QListWidget>(dialog, "TchListBox");
            for (int i = 0; i < candidates->count(); ++i) offered << candidates->item(i)->text();
            QVERIFY(Named<QListWidget>(dialog, "LsnsListBox")->count() > 0);
            Picture(dialog, "journal-substitute.png");
            Named<QPushButton>(dialog, "yesButton")->click();
        });
        const QModelIndex substituteCell = grid->model()->index(1, 6);
        grid->setCurrentIndex(substituteCell);
        grid->edit(substituteCell);
        auto* button = Named<QToolButton>(grid, "substituteButton");
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(!Cell(grid, 1, 6).isEmpty());
        QVERIFY(lessonText.startsWith(absentName + QStringLiteral(", ")));
        QVERIFY(!offered.isEmpty());
        // Marks in their order: "гр. ", "ок. ", "св. ", "зн. ".
        const QStringList marks = {"гр. ", "ок. ", "св. ", "зн. "};
        int last = 0;
        for (const QString& line : offered) {
            const int mark = marks.indexOf(line.left(4));
            QVERIFY2(mark >= last, qPrintable(line));
            last = mark;
        }
        QCOMPARE(Cell(grid, 1, 6), offered.first().mid(4));

        // The reason picked in place, and a note typed.
        const QModelIndex reasonCell = grid->model()->index(0, 5);
        grid->setCurrentIndex(reasonCell);
        grid->edit(reasonCell);
        auto* reasons = Named<QComboBox>(grid, "reasonEditor");
        QVERIFY(reasons);
        QCOMPARE(reasons->count(), 4);
        reasons->setCurrentIndex(1);
        QTest::keyClick(reasons, Qt::Key_Return);
        QTRY_COMPARE(Cell(grid, 0, 5), QStringLiteral("За свой счет"));
        grid->model()->setData(grid->model()->index(0, 8), QStringLiteral("контрольная"), Qt::EditRole);
        QVERIFY(!(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable));
        Picture(&window, "journal-window.png");

        // The first row deleted after the question.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QString question;
        AnswerNextDialog(QStringLiteral("yesButton"), &question);
        QTest::mouseClick(Named<QToolButton>(&window, "DelRecButton"), Qt::LeftButton);
        QTRY_COMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(question, QStringLiteral("Вы действительно хотите удалить данную запись?"));

        // Another date saves the day; coming back shows it as saved.
        window.datePicker()->setDate(DateOfSerial(kMonday + 1));
        QCOMPARE(window.dayEdit()->text(), QStringLiteral("Вторник"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(Cell(grid, 0, 0), QString());
        const auto saved = archive->ReadDay(kMonday);
        QCOMPARE(saved.rowCount(), 2);
        QCOMPARE(QString::fromStdString(saved.text(kColLesson, 1)), QStringLiteral("2"));
        QCOMPARE(QString::fromStdString(saved.text(kColSubstitute, 1)), offered.first().mid(4));
        window.datePicker()->setDate(DateOfSerial(kMonday));
        QCOMPARE(Cell(grid, 0, 6), offered.first().mid(4));
    }

    // A note with a character the archive cannot keep: the message names it, the editor
    // opens again with the typed text, and the note keeps what it had.
    void aTextTheArchiveCannotKeepStaysTyped() {
        TViewZameshDlg window(nullptr, *archive, school.timetable.get(), kMonday);
        window.show();
        ActOnNextDialog([&](QWidget* dialog) {
            Named<QListWidget>(dialog, "TchListBox")->setCurrentRow(school.absent);
            Named<QListWidget>(dialog, "LsnsListBox")->item(0)->setCheckState(Qt::Checked);
            Named<QPushButton>(dialog, "yesButton")->click();
        });
        QTest::mouseClick(Named<QToolButton>(&window, "AddRecButton"), Qt::LeftButton);
        QTableView* grid = window.grid();
        QTRY_COMPARE(grid->model()->rowCount(), 1);
        QVERIFY(grid->columnWidth(kColRoom) >= grid->fontMetrics().horizontalAdvance(QStringLiteral("Кабинет 12")));

        const QModelIndex note = grid->model()->index(0, kColNote);
        grid->setCurrentIndex(note);
        grid->edit(note);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(note));
        QVERIFY(editor);
        editor->setText(QStringLiteral("проверено ✓"));
        QString seen;
        AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!seen.isEmpty());
        QVERIFY2(seen.contains(QStringLiteral("Windows-1251")) && seen.contains(QStringLiteral("✓")), qPrintable(seen));
        QCOMPARE(Cell(grid, 0, kColNote), QString());
        QTRY_VERIFY(qobject_cast<QLineEdit*>(grid->indexWidget(note)));
        QCOMPARE(qobject_cast<QLineEdit*>(grid->indexWidget(note))->text(), QStringLiteral("проверено ✓"));
    }

    void aLessonTheVariantLacksIsNamed() {
        JournalRow row;
        row.texts[kColLesson] = "7";
        row.texts[kColAbsent] = school.timetable->teacherName(school.absent);
        QCOMPARE(archive->SaveDay(kMonday, {{row}}), ArchiveSave::Saved);
        TViewZameshDlg window(nullptr, *archive, school.timetable.get(), kMonday);
        window.show();
        ModalWatch watch(QStringLiteral("yesButton"));
        window.ChooseSubstitute(0);
        QCOMPARE(watch.seen.value(0), QStringLiteral("Замещаемый урок не обнаружен в открытом варианте расписания. "
                                                      "Откройте нужный вариант расписания."));
    }

    void sundayOffersNoLessons() {
        TViewZameshDlg window(nullptr, *archive, school.timetable.get(), kMonday - 1);
        window.show();
        QCOMPARE(window.dayEdit()->text(), QStringLiteral("Воскресенье"));
        int lessons = -1;
        ActOnNextDialog([&](QWidget* dialog) {
            lessons = Named<QListWidget>(dialog, "LsnsListBox")->count();
            Named<QPushButton>(dialog, "cancelButton")->click();
        });
        window.AddRecButtonClick();
        QCOMPARE(lessons, 0);
        QCOMPARE(window.grid()->model()->rowCount(), 1);
    }

    void periodSummaryOnTwoPages() {
        JournalRow row;
        row.texts[kColLesson] = "1";
        row.texts[kColAbsent] = "Смирнова Елена Викторовна";
        row.texts[kColSubstitute] = "Егоров Сергей Викторович";
        JournalRow group = row;
        group.tags[kColClass] = 2;
        group.tags[kColSubstitute] = 1;
        JournalRow without = row;
        without.texts[kColSubstitute].clear();
        QCOMPARE(archive->SaveDay(kMonday, {{row, group, without}}), ArchiveSave::Saved);

        TViewZameshDlg window(nullptr, *archive, school.timetable.get(), kMonday + 3);
        window.show();
        QString caption;
        QStringList absences, substitutions;
        ActOnNextDialog([&](QWidget* period) {
            QCOMPARE(period->windowTitle(), QStringLiteral("Отчетный период"));
            Named<QDateEdit>(period, "FromPicker")->setDate(DateOfSerial(kMonday - 7));
            Named<QDateEdit>(period, "ToPicker")->setDate(DateOfSerial(kMonday + 3));
            Picture(period, "journal-period.png");
            ActOnNextDialog([&](QWidget* summary) {
                caption = summary->windowTitle();
                auto* pages = summary->findChild<QTabWidget*>();
                auto* ill = Named<QTableView>(summary, "IllGrid");
                auto* health = Named<QTableView>(summary, "HealthGrid");
                for (int c = 0; c < ill->model()->columnCount(); ++c) absences << Cell(ill, 0, c);
                for (int r = 0; r < health->model()->rowCount(); ++r)
                    for (int c = 0; c < health->model()->columnCount(); ++c) substitutions << Cell(health, r, c);
                substitutions << health->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString();
                summary->resize(640, 300);
                Picture(summary, "journal-summary-absences.png");
                pages->setCurrentIndex(1);
                Picture(summary, "journal-summary-substitutions.png");
                Named<QPushButton>(summary, "CloseBtn")->click();
            });
            Named<QPushButton>(period, "yesButton")->click();
        });
        QTest::mouseClick(Named<QPushButton>(&window, "ReportBtn"), Qt::LeftButton);
        QTRY_VERIFY(!caption.isEmpty());
        QCOMPARE(caption, QStringLiteral("Пропуски и замещения: 07.12.2026 - 17.12.2026"));
        QCOMPARE(absences, QStringList({"Смирнова Елена Викторовна", "2", "1"}));
        QCOMPARE(substitutions, QStringList({"Егоров Сергей Викторович", "1", "0", "0", "1",  //
                                             "", "1", "0", "0", "0", "1 - 3 кл. (гр.)"}));
    }

    void emptyPagesAndTheDayMode() {
        TZamRprtDlg summary(nullptr, SummarisePeriod(*archive, kMonday, kMonday));
        QCOMPARE(Cell(summary.illGrid(), 0, 0), QStringLiteral("Нет"));
        QCOMPARE(Cell(summary.healthGrid(), 0, 0), QStringLiteral("Нет"));
        QCOMPARE(summary.pages()->tabText(0), QStringLiteral("Пропуски"));
        QCOMPARE(summary.pages()->tabText(1), QStringLiteral("Замещения"));

        TSelDateDlg day(nullptr, true, kMonday);
        day.show();
        QCOMPARE(day.windowTitle(), QStringLiteral("Отчетный день"));
        QVERIFY(!day.toPicker()->isVisible());
        QCOMPARE(day.to(), kMonday);
        Picture(&day, "journal-day.png");
    }

    // "Журнал замещений" of the planning window opens the archive beside the program,
    // and names it when another opener holds it.
    void theMainWindowOpensTheJournal() {
        const QString archivePath = QCoreApplication::applicationDirPath() + QStringLiteral("/zarch.sys");
        QFile::remove(archivePath);
        const QString project = folder.filePath(QStringLiteral("school.tbl"));
        QVERIFY(QFile::copy(QStringLiteral(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl"), project));
        TPrgMdiFrame frame;
        frame.show();
        QVERIFY(frame.OpenProjectFile(project));
        {
            ModalWatch options(QStringLiteral("yesButton"));
            frame.command(QStringLiteral("RunKorvidanMenu"))->trigger();
        }
        QVERIFY(frame.planning());

        QString title;
        ActOnNextDialog([&](QWidget* journal) {
            title = journal->windowTitle();
            Named<QPushButton>(journal, "CloseBtn")->click();
        });
        frame.command(QStringLiteral("substitutionsItem"))->trigger();
        QCOMPARE(title, QStringLiteral("Просмотр журнала замещений"));
        QVERIFY(QFile::exists(archivePath));
        {
            auto held = SubstitutionArchive::Open(archivePath.toStdString());
            QVERIFY(held);
            ModalWatch refused(QStringLiteral("yesButton"));
            frame.command(QStringLiteral("substitutionsButton"))->trigger();
            QCOMPARE(refused.seen, QStringList{QStringLiteral("Не удается открыть журнал замещений.")});
        }
        QFile::remove(archivePath);
        ModalWatch discard(QStringLiteral("noButton"));
        frame.close();
    }

private:
    QTemporaryDir folder;
    SampleMonday school;
    std::unique_ptr<SubstitutionArchive> archive;
};

QTEST_MAIN(JournalWindowTest)
#include "JournalWindowTest.moc"
