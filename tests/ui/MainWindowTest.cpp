#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "core/data/ProjectDocument.h"
#include "support/DialogAnswers.h"
#include "support/ModalWatch.h"
#include "ui/app/TMdiTable.h"
#include "ui/app/TPrgMdiFrame.h"
#include "ui/data/EditorWindow.h"

using namespace lovaris;
using namespace lovaris::ui;
using FileDialogKind = TPrgMdiFrame::FileDialogKind;
using lovaris::test::ModalWatch;

namespace {

const QString kTitle = QStringLiteral("АРМ \"Ловарис\"");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TPrgMdiFrame> frame_;
    QStringList suggestions_;  // what the file dialogs were started with
    QStringList answers_;      // what they give back, in turn

    QString path(const QString& name) const { return dir_->filePath(name); }
    // A saved empty project with this file name.
    QString makeProject(const QString& name) {
        ProjectDocument doc;
        [&] { QVERIFY(doc.CreateNew(path(name).toStdString()).ok); }();
        return path(name);
    }
    TMdiTable* project() const { return frame_->project(); }
    void trigger(const char* name) {
        QAction* a = frame_->command(QString::fromLatin1(name));
        QVERIFY2(a, name);
        a->trigger();
    }
    void openProject(const QString& file) {
        QVERIFY(frame_->OpenProjectFile(file));
        QVERIFY(project());
    }
    void changeData() { project()->editor(EditorKind::Rooms)->AddRecord(); }
    QList<int> shownEditors() const {
        QList<int> shown;
        for (int k = 0; k < kEditorKinds; ++k)
            if (project()->editorWindow(static_cast<EditorKind>(k))->isVisible()) shown << k;
        return shown;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        frame_ = std::make_unique<TPrgMdiFrame>();
        suggestions_.clear();
        answers_.clear();
        frame_->fileChooser = [this](FileDialogKind, const QString& start) {
            suggestions_ << start;
            return answers_.isEmpty() ? QString() : answers_.takeFirst();
        };
        frame_->resize(1000, 700);
        frame_->show();
    }
    void cleanup() {
        ModalWatch discard(QStringLiteral("noButton"));
        frame_.reset();
        dir_.reset();
    }

    // Tiling and cascading arrange the editors inside the window as it stands: the
    // window never grows for them, however large the editors' least sizes.
    void tilingKeepsTheWindowsSize() {
        openProject(makeProject(QStringLiteral("school.tbl")));
        frame_->resize(900, 600);
        QCoreApplication::processEvents();
        const QSize before = frame_->size();
        for (const char* command : {"tileItem", "cascadeItem", "tileItem"}) {
            trigger(command);
            QCoreApplication::processEvents();
            QCOMPARE(frame_->size(), before);
        }
    }

    // "Рядом" with the five editors of the sample school on a 1366 x 768 screen: every
    // editor stands wholly inside the client area. The picture of it is taken when
    // LOVARIS_SCREENSHOTS names a folder.
    void theFiveEditorsFitSideBySide() {
        const QString school = path(QStringLiteral("school.tbl"));
        QVERIFY(QFile::copy(QStringLiteral(LOVARIS_EXAMPLES_BUILD_DIR "/school.tbl"), school));
        openProject(school);
        frame_->resize(1366, 768);
        QCoreApplication::processEvents();
        trigger("tileItem");
        QCoreApplication::processEvents();
        const QRect room = frame_->clientArea()->viewport()->rect();
        QCOMPARE(frame_->clientArea()->subWindowList().size(), kEditorKinds);
        for (QMdiSubWindow* window : frame_->clientArea()->subWindowList())
            QVERIFY2(room.contains(window->geometry()), qPrintable(window->windowTitle()));
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QVERIFY(frame_->grab().save(folder + QStringLiteral("/main-project-mode.png")));
        // Each editor as it stands beside the others.
        const QHash<QString, QString> names = {{"TRoomsManager", "editor-rooms"},
                                               {"TSubjectsManager", "editor-subjects"},
                                               {"TKlassesManager", "editor-classes"},
                                               {"TTeachersManager", "editor-teachers"},
                                               {"TLessonsManager", "editor-lessons"}};
        for (QMdiSubWindow* window : frame_->clientArea()->subWindowList()) {
            const QString type = QString::fromLatin1(window->widget()->metaObject()->className());
            const QString name = names.value(type.section(QStringLiteral("::"), -1));
            QVERIFY2(!name.isEmpty(), window->widget()->metaObject()->className());
            QVERIFY(window->grab().save(folder + "/" + name + ".png"));
        }
        bool about = false;
        lovaris::test::ActOnNextDialog([&](QWidget* dialog) {
            about = dialog->grab().save(folder + QStringLiteral("/about.png"));
            dialog->close();
        });
        trigger("aboutItem");
        QVERIFY(about);
    }

    void newProjectsAreNumberedEvenWhenOneWasCancelled() {
        answers_ << QString();  // the first save dialog is cancelled
        trigger("newProjectItem");
        answers_ << path(QStringLiteral("Новый_2.tbl"));
        lovaris::test::AnswerNextDialog(QStringLiteral("cancelButton"));  // parameters dialog
        trigger("newProjectButton");

        QCOMPARE(suggestions_.size(), 2);
        QCOMPARE(suggestions_[0], QDir(frame_->ProjectFolder()).filePath(QStringLiteral("Новый_1.tbl")));
        QCOMPARE(suggestions_[1], QDir(frame_->ProjectFolder()).filePath(QStringLiteral("Новый_2.tbl")));
        // Written at once, then saved after the parameters, even when they were cancelled.
        QVERIFY(project());
        QVERIFY(QFile::exists(path(QStringLiteral("Новый_2.tbl"))));
        QVERIFY(!project()->modified());
        QCOMPARE(frame_->windowTitle(), kTitle + QStringLiteral(": Новый_2"));
    }

    // With a project open, the project file dialogs start in its folder, not in the
    // program's.
    void fileDialogsStartInTheOpenProjectsFolder() {
        openProject(makeProject(QStringLiteral("school.tbl")));
        trigger("openProjectItem");
        trigger("newProjectItem");
        QCOMPARE(suggestions_, (QStringList{dir_->path(), path(QStringLiteral("Новый_1.tbl"))}));
    }

    void theOpenProjectIsNotOpenedTwice_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("otherCase");
        QTest::newRow("new, same name") << "newProjectItem" << false;
        QTest::newRow("open, same name") << "openProjectItem" << false;
        QTest::newRow("open, other case") << "openProjectItem" << true;
        QTest::newRow("new, other case") << "newProjectItem" << true;
    }
    void theOpenProjectIsNotOpenedTwice() {
        QFETCH(QString, command);
        QFETCH(bool, otherCase);
        const QString file = makeProject(QStringLiteral("school.tbl"));
        openProject(file);
        changeData();
        TMdiTable* before = project();
        const QByteArray saved = contents(file);

        answers_ << (otherCase ? path(QStringLiteral("SCHOOL.TBL")) : file);
        ModalWatch watch(QStringLiteral("yesButton"));
        trigger(command.toLatin1().constData());

        const QString name = otherCase ? QStringLiteral("SCHOOL.TBL") : QStringLiteral("school.tbl");
        QCOMPARE(watch.seen, QStringList{QStringLiteral("Проект %1 уже открыт.").arg(name)});
        QCOMPARE(project(), before);
        QVERIFY(project()->modified());
        QCOMPARE(contents(file), saved);
    }

    void captionShowsTheNameAndTheModifiedMark_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tbl") << "Новый_1.tbl" << "Новый_1";
        QTest::newRow("one-letter extension") << "школа.b" << "школа";
        QTest::newRow("four-letter extension kept") << "школа.html" << "школа.html";
        QTest::newRow("no extension") << "школа" << "школа";
    }
    void captionShowsTheNameAndTheModifiedMark() {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        openProject(makeProject(file));
        QCOMPARE(frame_->windowTitle(), kTitle + QStringLiteral(": ") + shown);
        changeData();
        QCOMPARE(frame_->windowTitle(), kTitle + QStringLiteral(": ") + shown + QStringLiteral(" (изменен)"));
        trigger("saveProjectItem");
        QCOMPARE(frame_->windowTitle(), kTitle + QStringLiteral(": ") + shown);
        trigger("closeProjectItem");
        QCOMPARE(frame_->windowTitle(), kTitle);
        QVERIFY(!frame_->command(QStringLiteral("saveProjectButton"))->isEnabled());
    }

    void planningNeedsASavedProject_data() {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("planning");
        // Planning opens on a new variant, whose options dialog comes at once.
        QTest::newRow("not modified asks only the options") << false << "noButton" << 1 << true;
        QTest::newRow("modified, no stays") << true << "noButton" << 1 << false;
        QTest::newRow("modified, yes saves") << true << "yesButton" << 2 << true;
    }
    void planningNeedsASavedProject() {
        QFETCH(bool, modified);
        QFETCH(QString, answer);
        QFETCH(int, questions);
        QFETCH(bool, planning);
        openProject(makeProject(QStringLiteral("school.tbl")));
        if (modified) changeData();
        {
            ModalWatch watch(answer);
            trigger("RunKorvidanMenu");
            QCOMPARE(watch.seen.size(), questions);
        }
        QCOMPARE(frame_->planning(), planning);
        QCOMPARE(frame_->findChild<QMenuBar*>(QStringLiteral("TableVarMainMenu"))->isVisible(), planning);
        QCOMPARE(frame_->findChild<QMenuBar*>(QStringLiteral("TimeTableMainMenu"))->isVisible(), !planning);
        QCOMPARE(frame_->findChild<QToolBar*>(QStringLiteral("VarToolbar"))->isVisible(), planning);
        QCOMPARE(project()->modified(), modified && !planning);
        QCOMPARE(shownEditors().isEmpty(), planning);
    }

    void exactlyTheCheckedEditorsComeBack() {
        openProject(makeProject(QStringLiteral("school.tbl")));
        project()->editorWindow(EditorKind::Subjects)->close();
        project()->editorWindow(EditorKind::Teachers)->close();
        QTRY_VERIFY(!frame_->command(QStringLiteral("teachersWindowItem"))->isChecked());
        QVERIFY(!frame_->command(QStringLiteral("subjectsWindowItem"))->isChecked());
        QVERIFY(project()->modified());  // a closed editor is a change of the project

        {
            ModalWatch watch(QStringLiteral("yesButton"));
            trigger("RunKorvidanMenu");
        }
        QVERIFY(frame_->planning());
        QVERIFY(shownEditors().isEmpty());
        QVERIFY(frame_->command(QStringLiteral("roomsWindowItem"))->isChecked());
        QVERIFY(!frame_->command(QStringLiteral("subjectsWindowItem"))->isChecked());

        trigger("endPlanningButton");
        QVERIFY(!frame_->planning());
        QCOMPARE(shownEditors(), (QList<int>{0, 2, 4}));
        QVERIFY(!project()->modified());

        // A window item brings its editor back and marks the project modified.
        trigger("teachersWindowItem");
        QCOMPARE(shownEditors(), (QList<int>{0, 2, 3, 4}));
        QVERIFY(frame_->command(QStringLiteral("teachersWindowItem"))->isChecked());
        QVERIFY(project()->modified());
    }

    void editorWindowStatesAreKeptInTheProject() {
        const QString file = makeProject(QStringLiteral("school.tbl"));
        openProject(file);
        QMdiSubWindow* lessons = project()->editorWindow(EditorKind::Lessons);
        frame_->clientArea()->setActiveSubWindow(lessons);
        lessons->showMaximized();
        QVERIFY(project()->modified());
        project()->editorWindow(EditorKind::Rooms)->close();
        QTRY_VERIFY(!frame_->command(QStringLiteral("roomsWindowItem"))->isChecked());
        trigger("saveProjectItem");
        trigger("closeProjectItem");

        openProject(file);
        QVERIFY(project()->editorWindow(EditorKind::Lessons)->isMaximized());
        QVERIFY(!project()->editorWindow(EditorKind::Rooms)->isVisible());
        QVERIFY(!frame_->command(QStringLiteral("roomsWindowItem"))->isChecked());
        QVERIFY(frame_->command(QStringLiteral("subjectsWindowItem"))->isChecked());
        QVERIFY(!project()->modified());
    }

    void closingWithUnsavedChangesAsks_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel changes nothing") << "cancelButton" << false << false;
        QTest::newRow("no discards") << "noButton" << true << false;
        QTest::newRow("yes saves") << "yesButton" << true << true;
    }
    void closingWithUnsavedChangesAsks() {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        const QString file = makeProject(QStringLiteral("school.tbl"));
        openProject(file);
        // Confirm the parameters with six lessons a day: a change the file would show.
        lovaris::test::ActOnNextDialog([](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("lessonsPerDayEdit"))->setText(QStringLiteral("6"));
            dialog->findChild<QAbstractButton*>(QStringLiteral("yesButton"))->click();
        });
        trigger("paramsButton");
        QVERIFY(project()->modified());
        const QByteArray before = contents(file);

        ModalWatch watch(answer);
        QCOMPARE(frame_->close(), closed);
        QCOMPARE(watch.seen.size(), 1);
        QCOMPARE(watch.seen[0], QStringLiteral("Проект school.tbl был изменен. Сохранить изменения? После внесения "
                                               "значительных изменений старые варианты расписаний недоступны."));
        QCOMPARE(contents(file) != before, written);
        if (!closed) {
            QVERIFY(project() && project()->modified());
            QVERIFY(frame_->isVisible());
        } else {
            QVERIFY(!project());
        }
    }

    void aFailedSaveKeepsTheMarkAndTheOldFile() {
        const QString file = makeProject(QStringLiteral("school.tbl"));
        openProject(file);
        changeData();
        const QByteArray before = contents(file);
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("school.tbl.saving~")));  // blocks the write

        {
            ModalWatch watch(QStringLiteral("yesButton"));
            trigger("saveProjectButton");
            QCOMPARE(watch.seen, QStringList{QStringLiteral("Ошибка при записи файла school.tbl.")});
        }
        QVERIFY(project()->modified());
        QVERIFY(frame_->windowTitle().endsWith(QStringLiteral(" (изменен)")));
        QCOMPARE(contents(file), before);

        // "Да" to the close question with a save that fails must not lose the changes.
        {
            ModalWatch watch(QStringLiteral("yesButton"));
            QVERIFY(!frame_->close());
            QCOMPARE(watch.seen.size(), 2);
        }
        QVERIFY(project() && project()->modified());
    }

    // The open project is held: a second copy of the program is refused with the open
    // message and opens nothing, before and after a save; once the first copy has
    // closed it, the second opens it.
    void aSecondCopyCannotOpenTheOpenProject() {
        const QString file = makeProject(QStringLiteral("school.tbl"));
        openProject(file);
        TPrgMdiFrame secondCopy;
        for (bool saved : {false, true}) {
            if (saved) {
                changeData();
                trigger("saveProjectButton");
                QVERIFY(!project()->modified());
            }
            ModalWatch watch(QStringLiteral("yesButton"));
            QVERIFY(!secondCopy.OpenProjectFile(file));
            QCOMPARE(watch.seen, QStringList{QStringLiteral("Ошибка при открытии файла school.tbl.")});
            QVERIFY(!secondCopy.project());
        }
        const QByteArray saved = contents(file);
        trigger("closeProjectItem");
        QVERIFY(!project());
        QVERIFY(secondCopy.OpenProjectFile(file));
        QCOMPARE(secondCopy.project()->document().project().rooms.count(), 1);
        QCOMPARE(contents(file), saved);
    }

    void anUnreadableFileLeavesNoProject_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("too short") << "short.tbl" << "Формат файла short.tbl не известен или не поддерживается.";
        QTest::newRow("a folder") << "folder.tbl" << "Ошибка при открытии файла folder.tbl.";
        QTest::newRow("missing") << "missing.tbl" << "Ошибка при открытии файла missing.tbl.";
    }
    void anUnreadableFileLeavesNoProject() {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFile shortFile(path(QStringLiteral("short.tbl")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(QByteArray(227, 'x'));
        shortFile.close();
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.tbl")));
        openProject(makeProject(QStringLiteral("school.tbl")));

        answers_ << path(file);
        ModalWatch watch(QStringLiteral("yesButton"));
        trigger("openProjectButton");
        QCOMPARE(watch.seen, QStringList{message});
        QVERIFY(!project());
        QCOMPARE(frame_->windowTitle(), kTitle);
        QVERIFY(frame_->clientArea()->subWindowList().isEmpty());
        QVERIFY(!frame_->command(QStringLiteral("runButton"))->isEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
