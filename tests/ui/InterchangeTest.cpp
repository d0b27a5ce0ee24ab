// "Импорт из FET…" and "Экспорт…" in the desktop program: the imported school opens
// as an unsaved project, a refused file leaves the open one alone, and the export
// dialog writes each format or says why it cannot. "Экспорт в FET…" writes the open
// project as a FET school; "Импорт недели из FET…" opens FET's week for it as a variant.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/data/ProjectFile.h"
#include "core/common/FileIO.h"
#include "core/export/TimetableWeek.h"
#include "core/planning/PlanningSession.h"
#include "support/DialogAnswers.h"
#include "support/ModalWatch.h"
#include "ui/app/TExportDlg.h"
#include "ui/app/TMdiTable.h"
#include "ui/app/TPrgMdiFrame.h"
#include "ui/workspace/TTableVarsManager.h"

using namespace lovaris;
using namespace lovaris::ui;

namespace {

constexpr char kFetSchool[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<fet version="6.0.0">
<Institution_Name>Школа FET</Institution_Name>
<Days_List><Number_of_Days>2</Number_of_Days><Day><Name>Mo</Name></Day><Day><Name>Tu</Name></Day></Days_List>
<Hours_List><Number_of_Hours>2</Number_of_Hours><Hour><Name>1</Name></Hour><Hour><Name>2</Name></Hour></Hours_List>
<Subjects_List><Subject><Name>Math</Name></Subject></Subjects_List>
<Teachers_List><Teacher><Name>Anna</Name></Teacher></Teachers_List>
<Students_List><Year><Name>5</Name><Number_of_Students>20</Number_of_Students></Year></Students_List>
<Activities_List><Activity><Teacher>Anna</Teacher><Subject>Math</Subject><Students>5</Students><Duration>1</Duration><Id>1</Id><Activity_Group_Id>0</Activity_Group_Id><Active>true</Active></Activity></Activities_List>
</fet>
)";

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

template <typename T>
T* Child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no %s", name);
    return found;
}

}  // namespace

class InterchangeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString& name) const { return dir_->filePath(name); }

    // The sample school with a few hours of its first class in the clean copy.
    TimetableWeek sampleWeek() {
        const auto bytes = ReadWholeFile(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl");
        project_ = std::make_unique<Project>(*ParseProject(*bytes));
        session_ = std::make_unique<PlanningSession>(*project_);
        TTableVarItem variant = session_->NewVariant();
        for (int number = 1; number <= 3; ++number) {
            LessonSlot slot = LessonSlot::BlockHour(number - 1, number, number);
            slot.rooms[0] = 0;
            variant.SetCleanSlot(0, 1, slot, number);
        }
        return CollectTimetableWeek(*session_, variant);
    }
    std::unique_ptr<Project> project_;
    std::unique_ptr<PlanningSession> session_;

    // A copy of the sample school opened in the frame.
    void openSample(TPrgMdiFrame& frame) {
        const QString file = path(QStringLiteral("school.tbl"));
        QVERIFY(QFile::copy(QStringLiteral(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl"), file));
        QVERIFY(frame.OpenProjectFile(file));
    }

    // Triggers the menu item with the file dialog answered by `file`; returns the
    // message that follows.
    static QString triggerWithFile(TPrgMdiFrame& frame, const char* item, const QString& file,
                                   TPrgMdiFrame::FileDialogKind expected, const QString& expectedStart) {
        frame.fileChooser = [=](TPrgMdiFrame::FileDialogKind kind, const QString& start) {
            return kind == expected && start == expectedStart ? file : QString();
        };
        QString seen;
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        frame.command(QString::fromLatin1(item))->trigger();
        return seen;
    }

    // Clicks "Экспорт" and answers the message that follows; returns its text.
    static QString exportAndAnswer(QDialog& dialog) {
        QString seen;
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        Child<QPushButton>(&dialog, "exportButton")->click();
        return seen;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);  // the remembered bells stay out of the user's settings
        QSettings().clear();
    }
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }
    void cleanup() { dir_.reset(); }

    void theCommandsStandInTheirMenus() {
        TPrgMdiFrame frame;
        QAction* importItem = frame.findChild<QAction*>(QStringLiteral("importFetItem"));
        QVERIFY(importItem);
        QCOMPARE(importItem->text(), QStringLiteral("Импорт из FET…"));
        QVERIFY(frame.findChild<QMenu*>(QStringLiteral("projectMenu"))->actions().contains(importItem));
        for (const auto& [name, text] : {std::pair{"exportFetItem", "Экспорт в FET…"},
                                         std::pair{"importFetWeekItem", "Импорт недели из FET…"}}) {
            QAction* item = frame.findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY(item);
            QCOMPARE(item->text(), QString::fromUtf8(text));
            QVERIFY(frame.findChild<QMenu*>(QStringLiteral("projectMenu"))->actions().contains(item));
            QVERIFY(!item->isEnabled());  // without an open project
        }
        if (const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS"); !folder.isEmpty()) {
            auto* menu = frame.findChild<QMenu*>(QStringLiteral("projectMenu"));
            menu->popup(QPoint(0, 0));
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            menu->grab().save(QDir(folder).filePath(QStringLiteral("menu-project.png")));
            menu->hide();
        }
        QAction* exportItem = frame.findChild<QAction*>(QStringLiteral("exportVariantItem"));
        QVERIFY(exportItem);
        QCOMPARE(exportItem->text(), QStringLiteral("Экспорт…"));
        QVERIFY(frame.findChild<QMenu*>(QStringLiteral("variantMenu"))->actions().contains(exportItem));
    }

    void importedSchoolOpensAsANewUnsavedProject() {
        Write(path(QStringLiteral("school.fet")), kFetSchool);
        Write(path(QStringLiteral("school.tbl")), "an older project of the same name");
        auto frame = std::make_unique<TPrgMdiFrame>();
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"));
        QVERIFY(frame->ImportFetFile(path(QStringLiteral("school.fet"))));
        TMdiTable* opened = frame->project();
        QVERIFY(opened && opened->hasEditors());
        QVERIFY(opened->modified());
        QVERIFY(frame->windowTitle().endsWith(QStringLiteral(" (изменен)")));
        // Saving never overwrites a file that was there.
        QCOMPARE(opened->GetFileName(), path(QStringLiteral("school_2.tbl")));
        QVERIFY(!QFile::exists(path(QStringLiteral("school_2.tbl"))));
        QCOMPARE(opened->document().project().klasses.count(), 1);
        QCOMPARE(opened->document().project().lessons.count(), 1);
        QVERIFY(opened->Save());
        QVERIFY(QFile::exists(path(QStringLiteral("school_2.tbl"))));
        lovaris::test::ModalWatch discard(QStringLiteral("noButton"));
        frame.reset();
    }

    void refusedFileLeavesTheOpenProjectAlone() {
        Write(path(QStringLiteral("good.fet")), kFetSchool);
        Write(path(QStringLiteral("broken.fet")), QByteArray(kFetSchool).left(200));
        auto frame = std::make_unique<TPrgMdiFrame>();
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"));
        QVERIFY(frame->ImportFetFile(path(QStringLiteral("good.fet"))));
        TMdiTable* before = frame->project();
        QString seen;
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"), &seen);
        QVERIFY(!frame->ImportFetFile(path(QStringLiteral("broken.fet"))));
        QVERIFY(seen.startsWith(QStringLiteral("Файл не принят: строка ")));
        QVERIFY(seen.contains(QStringLiteral("файл кончается раньше, чем завершен его XML")));
        QCOMPARE(frame->project(), before);
        lovaris::test::ModalWatch discard(QStringLiteral("noButton"));
        frame.reset();
    }

    // The report shows, before the project opens, what the school lost on its way in.
    void importShowsWhatCouldNotBeCarriedOver() {
        auto frame = std::make_unique<TPrgMdiFrame>();
        QString report;
        bool openedBefore = true;
        QSize size;
        lovaris::test::ActOnNextDialog([&](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Импорт из FET"));
            auto* text = Child<QPlainTextEdit>(dialog, "reportText");
            QVERIFY(text->isReadOnly());
            report = text->toPlainText();
            openedBefore = frame->project() != nullptr;
            size = dialog->size();
            if (const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS"); !folder.isEmpty())
                dialog->grab().save(QDir(folder).filePath(QStringLiteral("fet-import-report.png")));
            auto* yes = Child<QPushButton>(dialog, "yesButton");
            QCOMPARE(yes->text(), QStringLiteral("Да"));
            yes->click();
        });
        QVERIFY(frame->ImportFetFile(QStringLiteral(LOVARIS_TEST_DATA_DIR "/fet/dropped-activities.fet")));
        QVERIFY(!openedBefore);
        QVERIFY(frame->project());
        QVERIFY(size.width() <= 1366 && size.height() <= 700);
        QVERIFY2(report.startsWith(QStringLiteral("Импортировано из FET — дней: ")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("\nНе перенесено: ")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("  1  занятия без учеников: пропущены, уроку нужен класс\n")),
                 qPrintable(report));
        lovaris::test::ModalWatch discard(QStringLiteral("noButton"));
        frame.reset();
    }

    void exportDialogWritesEachFormat() {
        TExportDlg dialog(nullptr, sampleWeek(), "Вариант 1", path(QStringLiteral("week.rsp")));
        dialog.show();
        QCOMPARE(Child<QLineEdit>(&dialog, "targetEdit")->text(), path(QStringLiteral("week-html")));
        QVERIFY(!Child<QWidget>(&dialog, "bellsEdit")->isEnabled());
        QCOMPARE(exportAndAnswer(dialog), QStringLiteral("Расписание выгружено: ") + path(QStringLiteral("week-html")));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(path(QStringLiteral("week-html/index.html"))));
        QVERIFY(QFile::exists(path(QStringLiteral("week-html/style.css"))));

        Child<QRadioButton>(&dialog, "csvRadio")->setChecked(true);
        QCOMPARE(Child<QLineEdit>(&dialog, "targetEdit")->text(), path(QStringLiteral("week.csv")));
        QCOMPARE(exportAndAnswer(dialog), QStringLiteral("Расписание выгружено: ") + path(QStringLiteral("week.csv")));
        QVERIFY(QFile::exists(path(QStringLiteral("week.csv"))));

        Child<QRadioButton>(&dialog, "icalRadio")->setChecked(true);
        QVERIFY(Child<QWidget>(&dialog, "bellsEdit")->isEnabled());
        Write(path(QStringLiteral("bells.txt")), "1 08:30 09:15\n2 09:25 10:10\n3 10:30 11:15\n");
        Child<QLineEdit>(&dialog, "bellsEdit")->setText(path(QStringLiteral("bells.txt")));
        Child<QLineEdit>(&dialog, "targetEdit")->setText(path(QStringLiteral("class.ics")));
        exportAndAnswer(dialog);
        QFile ics(path(QStringLiteral("class.ics")));
        QVERIFY(ics.open(QIODevice::ReadOnly));
        QCOMPARE(ics.readAll().count("BEGIN:VEVENT"), 3);  // three lessons on Monday
    }

    void calendarIsNamedAfterItsOwnerWithTheBellsOfLastTime() {
        Write(path(QStringLiteral("bells.txt")), "1 08:30 09:15\n2 09:25 10:10\n3 10:30 11:15\n");
        {
            TExportDlg first(nullptr, sampleWeek(), "", path(QStringLiteral("week.rsp")));
            first.show();
            Child<QRadioButton>(&first, "icalRadio")->setChecked(true);
            Child<QLineEdit>(&first, "bellsEdit")->setText(path(QStringLiteral("bells.txt")));
            exportAndAnswer(first);
        }
        TExportDlg dialog(nullptr, sampleWeek(), "", path(QStringLiteral("week.rsp")));
        dialog.show();
        QCOMPARE(Child<QLineEdit>(&dialog, "bellsEdit")->text(), path(QStringLiteral("bells.txt")));
        Child<QRadioButton>(&dialog, "icalRadio")->setChecked(true);
        auto* owner = Child<QComboBox>(&dialog, "ownerList");
        auto* target = Child<QLineEdit>(&dialog, "targetEdit");
        QCOMPARE(target->text(), path(QStringLiteral("week-")) + owner->itemText(0) + QStringLiteral(".ics"));
        owner->setCurrentIndex(1);
        QCOMPARE(target->text(), path(QStringLiteral("week-")) + owner->itemText(1) + QStringLiteral(".ics"));
        Child<QRadioButton>(&dialog, "forTeacherRadio")->setChecked(true);
        QCOMPARE(target->text(), path(QStringLiteral("week-")) + owner->itemText(0) + QStringLiteral(".ics"));
        // A name the planner typed stays.
        target->setText(path(QStringLiteral("mine.ics")));
        owner->setCurrentIndex(1);
        QCOMPARE(target->text(), path(QStringLiteral("mine.ics")));
    }

    void calendarWithoutTheBellsIsRefused() {
        TExportDlg dialog(nullptr, sampleWeek(), "", path(QStringLiteral("week.rsp")));
        dialog.show();
        Child<QRadioButton>(&dialog, "icalRadio")->setChecked(true);
        Child<QLineEdit>(&dialog, "targetEdit")->setText(path(QStringLiteral("class.ics")));
        Write(path(QStringLiteral("bells.txt")), "1 08:30 09:15\n");
        const struct {
            QString bells;
            QString message;
        } cases[] = {
            {path(QStringLiteral("bells.txt")), QStringLiteral("в звонках нет времени урока 2")},
            {QString(), QStringLiteral("не выбран файл звонков")},
            {path(QStringLiteral("none.txt")),
             QStringLiteral("не удается прочитать файл звонков ") + path(QStringLiteral("none.txt"))},
        };
        for (const auto& c : cases) {
            Child<QLineEdit>(&dialog, "bellsEdit")->setText(c.bells);
            QCOMPARE(exportAndAnswer(dialog), QStringLiteral("Выгрузить расписание не удалось: ") + c.message);
            QVERIFY(dialog.isVisible());
            QVERIFY(!QFile::exists(path(QStringLiteral("class.ics"))));
        }
    }

    void exportToFetWritesTheOpenProjectAsAFetSchool() {
        TPrgMdiFrame frame;
        openSample(frame);
        const QString fet = path(QStringLiteral("school.fet"));
        QCOMPARE(triggerWithFile(frame, "exportFetItem", fet, TPrgMdiFrame::FileDialogKind::SaveFetSchool, fet),
                 QStringLiteral("Школа записана для FET: ") + fet);
        QFile written(fet);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QCOMPARE(text.count("<Activity>"), 592);
        QCOMPARE(text.count("<ConstraintStudentsSetMaxGapsPerWeek>"), 22);
    }

    void importWeekFromFetOpensItAsANewVariant() {
        auto frame = std::make_unique<TPrgMdiFrame>();
        openSample(*frame);
        const QString school = path(QStringLiteral("school.fet"));
        lovaris::test::AnswerNextDialog(QStringLiteral("yesButton"));
        QVERIFY(frame->ExportFetFile(school));
        QFile exported(school);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        // FET's week: the first activity (1А's first lesson) on Monday's first hour, the rest left out.
        QByteArray week = exported.readAll();
        week.insert(week.indexOf("</Time_Constraints_List>"),
                    "<ConstraintActivityPreferredStartingTime><Weight_Percentage>100</Weight_Percentage>"
                    "<Activity_Id>1</Activity_Id><Preferred_Day>Понедельник</Preferred_Day><Preferred_Hour>1</Preferred_Hour>"
                    "<Permanently_Locked>false</Permanently_Locked><Active>true</Active><Comments></Comments>"
                    "</ConstraintActivityPreferredStartingTime>\n");
        const QString timetable = path(QStringLiteral("school_data_and_timetable.fet"));
        const QString other = path(QStringLiteral("other.fet"));
        Write(timetable, week);
        Write(other, kFetSchool);

        // Another school's file: refused, no variant written, no planning window.
        QVERIFY(triggerWithFile(*frame, "importFetWeekItem", other, TPrgMdiFrame::FileDialogKind::OpenFetWeek, dir_->path())
                    .startsWith(QStringLiteral("Файл не принят: Файл не является неделей FET для этого проекта: ")));
        QVERIFY(!frame->workspace());
        QVERIFY(!QFile::exists(path(QStringLiteral("other.rsp"))));

        const QString seen =
            triggerWithFile(*frame, "importFetWeekItem", timetable, TPrgMdiFrame::FileDialogKind::OpenFetWeek, dir_->path());
        const QString variant = path(QStringLiteral("school_data_and_timetable.rsp"));
        QVERIFY2(seen.startsWith(QStringLiteral("Неделя FET прочитана: размещено 1 из ")), qPrintable(seen));
        QVERIFY(seen.endsWith(QStringLiteral("; вариант: ") + variant));
        QVERIFY(QFile::exists(variant));
        QVERIFY(frame->workspace());
        const TTableVarItem& opened = frame->workspace()->workspace().variant();
        QCOMPARE(opened.GetCleanSlot(0, 1, 1).lessonIndex, 0);
        QVERIFY(!opened.GetCleanSlot(0, 1, 2).occupied());
        lovaris::test::ModalWatch discard(QStringLiteral("noButton"));
        frame.reset();
    }

    // A picture of the dialog, taken only when LOVARIS_SCREENSHOTS names the folder.
    void screenshot() {
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (folder.isEmpty()) QSKIP("LOVARIS_SCREENSHOTS not set");
        TExportDlg dialog(nullptr, sampleWeek(), "", QStringLiteral("/home/school/Вариант_1.rsp"));
        Child<QRadioButton>(&dialog, "icalRadio")->setChecked(true);
        Child<QLineEdit>(&dialog, "bellsEdit")->setText(QStringLiteral("/home/school/звонки.txt"));
        dialog.show();
        QTest::qWait(100);
        QVERIFY(dialog.grab().save(folder + QStringLiteral("/export-dialog.png")));
    }
};

QTEST_MAIN(InterchangeTest)
#include "InterchangeTest.moc"
