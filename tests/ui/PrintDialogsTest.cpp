// The print dialogs driven as a planner drives them, on the sample school planned
// for a moment: the choice and preview layouts, page turning, the closing rule,
// a cancelled class choice, printing without a printer, and saving as PDF; and the
// printed pages, which show every text whole.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QScreen>
#include <QtTest>
#include <chrono>

#include "core/data/ProjectDocument.h"
#include "core/reports/TAllClsRpForm.h"
#include "core/reports/TZamDayRpForm.h"
#include "core/weekplan/WeekPlan.h"
#include "core/workspace/VariantWorkspace.h"
#include "render/ReportRenderer.h"
#include "support/DialogAnswers.h"
#include "support/ModalWatch.h"
#include "ui/journal/TSelDateDlg.h"
#include "ui/reports/ReportPreview.h"
#include "ui/reports/TPrintDatasDlg.h"
#include "ui/reports/TPrintTableDlg.h"

using namespace lovaris;
using namespace lovaris::test;
using namespace lovaris::ui;

namespace {

// Each search of the plan gets a few milliseconds: enough for a timetable to print.
class BriefSearch : public SearchBudget {
public:
    void start() override { start_ = std::chrono::steady_clock::now(); }
    bool spent() override { return std::chrono::steady_clock::now() - start_ > std::chrono::milliseconds(5); }

private:
    std::chrono::steady_clock::time_point start_;
};

QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}
QToolButton* Tool(QWidget* dialog, const char* name) {
    return dialog->findChild<QToolButton*>(QString::fromLatin1(name));
}

JournalRow SubstitutionRow(const char* lesson, const char* room, const char* note) {
    JournalRow row;
    row.texts = {lesson, "Константинопольская-Щедрина А.В.", "Английский язык", "10А/10Б", room, "Больничный",
                 "Ивановская-Петрищева Е.Н.", "Информатика и ИКТ", note};
    return row;
}

}  // namespace

class PrintDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(document_.Open(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl").ok);
        workspace_ = VariantWorkspace::CreateNew(document_.project(), WorkspaceSetup{});
        BriefSearch budget;
        PlanWholeWeek(workspace_->session(), workspace_->variant(), workspace_->options(), budget);
    }

    void choiceLayoutListsTheEightReports() {
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Просмотр и печать"));
        QListWidget* grid = dialog.reportTypeGrid();
        QCOMPARE(grid->count(), 8);
        QCOMPARE(grid->item(0)->text(), QStringLiteral("Распределение нагрузки (таблица)"));
        QCOMPARE(grid->item(7)->text(), QStringLiteral("Расписание для учителя"));
        QCOMPARE(grid->currentRow(), 0);
        for (const char* name : {"previewButton", "printButton", "savePdfButton", "closeButton", "helpButton"})
            QVERIFY2(Button(&dialog, name) && Button(&dialog, name)->isVisible(), name);
        QCOMPARE(Button(&dialog, "savePdfButton")->text(), QStringLiteral("Сохранить в PDF…"));
        QCOMPARE(dialog.property("helpContext").toInt(), 22);
        QVERIFY(!dialog.previewPanel()->isVisible());
        if (const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS"); !folder.isEmpty())
            QVERIFY(dialog.grab().save(folder + QStringLiteral("/report-choice-dialog.png")));
    }

    void previewTurnsPagesAndKeepsTheDialogOpenUntilDone() {
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.show();
        dialog.reportTypeGrid()->setCurrentRow(TPrintTableDlg::kAllClasses);
        Button(&dialog, "previewButton")->click();
        ReportPreview* preview = dialog.preview();
        QVERIFY(preview);
        QVERIFY(dialog.previewPanel()->isVisible());
        QVERIFY(!dialog.choicePanel()->isVisible());
        QVERIFY(Tool(&dialog, "fitWidthButton")->isChecked());
        QCOMPARE(dialog.property("helpContext").toInt(), 23);
        QCOMPARE(preview->pageCount(), 12);  // 22 classes: four groups of three pages
        QCOMPARE(preview->currentPage(), 1);
        QCOMPARE(dialog.pageLabel()->text(), QStringLiteral("Страница 1 из 12"));
        Button(&dialog, "nextPageButton")->click();
        Button(&dialog, "nextPageButton")->click();
        QCOMPARE(preview->currentPage(), 3);
        QCOMPARE(dialog.pageLabel()->text(), QStringLiteral("Страница 3 из 12"));
        Button(&dialog, "previousPageButton")->click();
        QCOMPARE(preview->currentPage(), 2);
        Tool(&dialog, "fitHeightButton")->click();
        QCOMPARE(preview->view()->zoomMode(), QPrintPreviewWidget::FitInView);
        Tool(&dialog, "zoom100Button")->click();
        QCOMPARE(preview->view()->zoomFactor(), 1.0);

        {
            ModalWatch watch(QStringLiteral("yesButton"));
            dialog.reject();  // Escape, "Закрыть"
            QVERIFY(!dialog.close());  // the close box
            QCOMPARE(watch.seen.size(), 2);
            QCOMPARE(watch.seen.front(), QStringLiteral(
                "До завершения предварительного просмотра или печати отчета диалог закрыть невозможно."));
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.preview(), preview);

        if (const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS"); !folder.isEmpty()) {
            dialog.resize(900, 680);
            Tool(&dialog, "fitWidthButton")->click();
            QVERIFY(dialog.grab().save(folder + QStringLiteral("/report-preview-dialog.png")));
        }

        Button(&dialog, "doneButton")->click();
        QVERIFY(!dialog.preview());
        QVERIFY(!dialog.reportRunning());
        QVERIFY(dialog.choicePanel()->isVisible());
        QCOMPARE(dialog.property("helpContext").toInt(), 22);
        dialog.reject();
        QVERIFY(!dialog.isVisible());
    }

    // The preview grows from the choice's size where the choice stood: it moves back
    // onto the screen, its top in sight when it is taller than the screen.
    void thePreviewStaysOnTheScreen() {
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.show();
        const QRect free = dialog.screen()->availableGeometry();
        dialog.move(free.left() + 40, free.bottom() - dialog.frameGeometry().height());
        dialog.reportTypeGrid()->setCurrentRow(TPrintTableDlg::kAllClasses);
        Button(&dialog, "previewButton")->click();
        const QRect frame = dialog.frameGeometry();
        QVERIFY(frame.top() >= free.top() && frame.left() >= free.left());
        if (frame.height() <= free.height()) QVERIFY(frame.bottom() <= free.bottom());
        else QCOMPARE(frame.top(), free.top());
    }

    void cancelledClassChoiceMakesNoReport() {
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.show();
        dialog.reportTypeGrid()->setCurrentRow(TPrintTableDlg::kClassTable);
        QString caption;
        ActOnNextDialog([&](QWidget* choice) {
            caption = choice->windowTitle();
            QVERIFY(!choice->findChild<QPushButton*>(QStringLiteral("helpButton"))->isVisible());
            choice->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
        Button(&dialog, "previewButton")->click();
        QCOMPARE(caption, QStringLiteral("Класс"));
        QVERIFY(!dialog.preview());
        QVERIFY(!dialog.reportRunning());
        QVERIFY(dialog.choicePanel()->isVisible());
    }

    void chosenTeacherPreviewsTheShortForm() {
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.show();
        dialog.reportTypeGrid()->setCurrentRow(TPrintTableDlg::kTeacherTable);
        ActOnNextDialog([](QWidget* choice) {
            QCOMPARE(choice->windowTitle(), QStringLiteral("Учитель"));
            choice->findChild<QCheckBox*>(QStringLiteral("shortFormBox"))->setChecked(true);
            choice->findChild<QPushButton*>(QStringLiteral("yesButton"))->click();
        });
        Button(&dialog, "previewButton")->click();
        QVERIFY(dialog.preview());
        QCOMPARE(dialog.preview()->pageCount(), 1);
        QCOMPARE(dialog.preview()->report().pages[0].bands[0].text(0),
                 workspace_->session().teachers().at(0).displayName());
        // Saved from the preview, the file is offered under the report's and the teacher's name.
        QString suggested;
        dialog.askPdfPath = [&](const QString& name) {
            suggested = name;
            return QString();
        };
        Tool(&dialog, "previewPdfButton")->click();
        QCOMPARE(suggested, QStringLiteral("Расписание для учителя ") +
                                QString::fromStdString(workspace_->session().teachers().at(0).displayName()) +
                                QStringLiteral(".pdf"));
        Button(&dialog, "doneButton")->click();
    }

    // Printing with no printer installed says so, from the choice and from the preview.
    void printingWithoutPrinterSaysSo() {
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.printerAvailable = [] { return false; };
        dialog.show();
        ModalWatch watch(QStringLiteral("yesButton"));
        Button(&dialog, "printButton")->click();
        Button(&dialog, "previewButton")->click();
        Tool(&dialog, "printReportButton")->click();
        QCOMPARE(watch.seen, QStringList({QStringLiteral("В системе не зарегистрировано ни одного принтера."),
                                          QStringLiteral("В системе не зарегистрировано ни одного принтера.")}));
        QVERIFY(!dialog.progressBar()->isVisible());
        Button(&dialog, "doneButton")->click();
        QVERIFY(!dialog.reportRunning());
    }

    // The substitution reports open the archive first, then ask the day or the period.
    void substitutionReportsNeedTheArchiveAndADate() {
        QTemporaryDir folder;
        TPrintTableDlg dialog(*workspace_, nullptr);
        dialog.show();
        dialog.reportTypeGrid()->setCurrentRow(TPrintTableDlg::kSubstPeriod);
        dialog.archivePath = folder.filePath(QStringLiteral("нет/zarch.sys"));
        {
            ModalWatch watch(QStringLiteral("yesButton"));
            Button(&dialog, "previewButton")->click();
            QCOMPARE(watch.seen, QStringList({QStringLiteral("Не удается открыть журнал замещений.")}));
        }
        QVERIFY(!dialog.preview());
        QVERIFY(!dialog.reportRunning());

        dialog.archivePath = folder.filePath(QStringLiteral("zarch.sys"));
        QString caption;
        dialog.askPeriod = [&](TSelDateDlg& period) {
            caption = period.windowTitle();
            period.fromPicker()->setDate(QDate(2026, 9, 7));
            period.toPicker()->setDate(QDate(2026, 9, 1));  // before the start: the start
            return true;
        };
        Button(&dialog, "previewButton")->click();
        QCOMPARE(caption, QStringLiteral("Отчетный период"));
        QVERIFY(dialog.preview());
        QCOMPARE(dialog.preview()->report().pages[0].bands[0].text(0),
                 std::string("Замещения за период 07.09.2026 - 07.09.2026"));
        Button(&dialog, "doneButton")->click();
    }

    // Printed pages show every text whole: a long room name wraps in its cell rather
    // than being cut.
    void wholeSchoolTimetablesCutNoCell() {
        const ViewContext ctx{workspace_->session(), workspace_->planning(), workspace_->options()};
        const int classCuts = CountCutCells(TAllClsRpForm::Build(ctx));
        const int teacherCuts = CountCutCells(TAllTchRpForm::Build(ctx));
        qInfo("cut cells: by classes %d, by teachers %d", classCuts, teacherCuts);
        QCOMPARE(classCuts, 0);
        QCOMPARE(teacherCuts, 0);
    }

    void longSubstitutionTextsWrapInTheirCells() {
        TZamDataStrings day;
        day.rows.push_back(SubstitutionRow("1", "Кабинет ин. языка", "Урок проведён по плану замещаемого учителя"));
        day.rows.push_back(SubstitutionRow("2", "Лингафонный кабинет №2", ""));
        day.rows.push_back(SubstitutionRow("3", "12", "Контрольная работа перенесена на следующую неделю, "
                                                      "классный руководитель предупреждён заранее"));
        QCOMPARE(CountCutCells(TZamDayRpForm::Build({"Школа", "Вариант"}, 46000, day)), 0);
    }

    void dataReportIsSavedAsPdf() {
        QTemporaryDir folder;
        TPrintDatasDlg dialog(document_.project(), nullptr);
        dialog.show();
        QVERIFY(dialog.teachersChoice()->isChecked());
        dialog.classesChoice()->setChecked(true);
        QString suggested;
        dialog.askPdfPath = [&](const QString& name) {
            suggested = name;
            return folder.filePath(QStringLiteral("тарификация"));
        };
        dialog.pdfFolder = folder.path();  // the project's folder, as the main window gives it
        Button(&dialog, "savePdfButton")->click();
        QFile pdf(folder.filePath(QStringLiteral("тарификация.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
        QCOMPARE(suggested, folder.filePath(QStringLiteral("Тарификация.pdf")));
        QVERIFY(!dialog.reportRunning());
        QVERIFY(!dialog.progressBar()->isVisible());  // shown while the pages were drawn, then hidden

        // A folder that does not exist: the system's message, and no file.
        ModalWatch watch(QStringLiteral("yesButton"));
        dialog.askPdfPath = [&](const QString&) { return folder.filePath(QStringLiteral("нет/отчет.pdf")); };
        Button(&dialog, "savePdfButton")->click();
        QCOMPARE(watch.seen.size(), 1);
        QVERIFY(watch.seen.front().startsWith(QStringLiteral("Ошибка при записи файла")));
    }

private:
    ProjectDocument document_;
    std::unique_ptr<VariantWorkspace> workspace_;
};

QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogsTest.moc"
