#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "core/data/Project.h"
#include "ui/common/HelpViewer.h"
#include "ui/data/TTestDataDlg.h"

using namespace lovaris;
using namespace lovaris::ui;

namespace {

const QString kClean = QStringLiteral("1. Ошибок не обнаружено.");

// A strictly specialised room of general specialisation without seats, and a subject
// without a coefficient that recommends a room that does not exist.
Project ProjectWithFindings() {
    Project project;
    auto& room = project.rooms.add();
    room.setName("Кабинет 5");
    room.specialization = 0;
    room.generalUse = 0;
    room.seats = 0;
    auto& subject = project.subjects.add();
    subject.setName("Физика");
    subject.sanitaryCoefficient = 0;
    subject.wishedRooms = {99};
    return project;
}

}  // namespace

class DataCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void emptyProjectIsCleanOnEveryPage() {
        TTestDataDlg window;
        window.show();
        window.runChecks(Project{});
        const QStringList captions{"Кабинеты", "Предметы", "Классы", "Учителя", "Уроки"};
        QCOMPARE(window.pages()->count(), captions.size());
        for (int kind = 0; kind < kEditorKinds; ++kind) {
            QCOMPARE(window.pages()->tabText(kind), captions[kind]);
            QCOMPARE(window.pageText(static_cast<EditorKind>(kind)), kClean);
            QVERIFY(window.page(static_cast<EditorKind>(kind))->isReadOnly());
        }
        QCOMPARE(window.pages()->currentIndex(), int(EditorKind::Lessons));
        QCOMPARE(window.windowTitle(), QStringLiteral("Проверка данных"));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window.isModal());
    }

    void findingsAreNumberedPerPage_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rooms") << int(EditorKind::Rooms)
                               << "1. Кабинет 5: при общей специализации кабинет не может быть строго "
                                  "специализирован.\n2. Кабинет 5: задайте число мест.";
        QTest::newRow("subjects") << int(EditorKind::Subjects)
                                  << "1. Физика: задайте коэффициент сложности предмета.\n2. Физика: одна из "
                                     "ссылок на рекомендуемые кабинеты некорректна.";
        QTest::newRow("classes untouched") << int(EditorKind::Classes) << kClean;
    }
    void findingsAreNumberedPerPage() {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        TTestDataDlg window;
        window.show();
        window.runChecks(ProjectWithFindings());
        QCOMPARE(window.pageText(static_cast<EditorKind>(kind)), expected);
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (!folder.isEmpty() && kind == int(EditorKind::Subjects)) {
            window.pages()->setCurrentIndex(kind);
            QVERIFY(window.grab().save(folder + QStringLiteral("/data-check.png")));
        }
    }

    // A second check in the same window replaces the findings of the first.
    void rerunReplacesEarlierFindings() {
        TTestDataDlg window;
        window.show();
        window.runChecks(ProjectWithFindings());
        window.runChecks(Project{});
        QCOMPARE(window.pageText(EditorKind::Rooms), kClean);
        QCOMPARE(window.pageText(EditorKind::Subjects), kClean);
    }

    void closingEmitsClosedAndDestroys_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("close button") << "button";
        QTest::newRow("escape") << "escape";
        QTest::newRow("title bar") << "titlebar";
    }
    void closingEmitsClosedAndDestroys() {
        QFETCH(QString, how);
        QPointer<TTestDataDlg> window = new TTestDataDlg;
        QSignalSpy closed(window.data(), &TTestDataDlg::closed);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (how == "button") {
            auto* close = window->findChild<QPushButton*>(QStringLiteral("closeButton"));
            QVERIFY(close);
            QCOMPARE(close->toolTip(), QStringLiteral("Закрыть диалог"));
            QTest::mouseClick(close, Qt::LeftButton);
        } else if (how == "escape") {
            QTest::keyClick(window->page(EditorKind::Rooms), Qt::Key_Escape);
        } else {
            window->close();
        }
        QTRY_VERIFY(window.isNull());
        QCOMPARE(closed.count(), 1);
    }

    // The user may close the window while the pages are being filled.
    void closingWhileCheckingStopsTheCheck() {
        QPointer<TTestDataDlg> window = new TTestDataDlg;
        QSignalSpy closed(window.data(), &TTestDataDlg::closed);
        window->show();
        QTimer::singleShot(0, window.data(), &QWidget::close);
        window->runChecks(ProjectWithFindings());
        QTRY_VERIFY(window.isNull());
        QCOMPARE(closed.count(), 1);
    }

    void helpButtonOpensTheWindowTopic() {
        TTestDataDlg window;
        window.show();
        auto* help = window.findChild<QPushButton*>(QStringLiteral("helpButton"));
        QVERIFY(help);
        QCOMPARE(help->toolTip(), QStringLiteral("Справка по диалогу"));
        QTest::mouseClick(help, Qt::LeftButton);
        HelpViewer* viewer = FindHelpViewer(&window);
        QVERIFY(viewer);
        QCOMPARE(viewer->topic(), 27);
        QVERIFY(viewer->windowFlags().testFlag(Qt::WindowStaysOnTopHint));  // not hidden behind the window
        delete viewer;
    }
};

QTEST_MAIN(DataCheckWindowTest)
#include "DataCheckWindowTest.moc"
