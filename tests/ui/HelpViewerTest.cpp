#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "support/DialogAnswers.h"
#include "ui/common/HelpViewer.h"

using namespace lovaris::ui;

namespace {

// A main window with a dialog "Переместить запись" (topic 18): its list carries a control
// topic without a page of its own (421), its button one with a page (8), the edit none.
struct DialogFixture {
    QWidget main;
    QDialog* dialog = new QDialog(&main);
    QListWidget* list = new QListWidget(dialog);
    QPushButton* button = new QPushButton(QStringLiteral("Кабинеты"), dialog);
    QLineEdit* edit = new QLineEdit(dialog);

    DialogFixture() {
        main.setProperty("helpContext", 6);
        dialog->setProperty("helpContext", 18);
        list->setProperty("helpContext", 421);
        button->setProperty("helpContext", 8);
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(list);
        layout->addWidget(button);
        layout->addWidget(edit);
    }
    QWidget* control(const QString& name) {
        if (name == "list") return list;
        if (name == "button") return button;
        return edit;
    }
};

QString ShownText(QWidget* from) {
    HelpViewer* viewer = FindHelpViewer(from);
    return viewer ? viewer->browser()->toPlainText() : QString();
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        while (HelpViewer* viewer = FindHelpViewer(nullptr)) delete viewer;
    }

    void knownTopicShowsItsPage_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::newRow("contents") << 1 << "Содержание";
        QTest::newRow("quick start") << 2 << "Быстрый старт";
        QTest::newRow("data check") << 27 << "Проверка данных";
        QTest::newRow("separate hours") << 303 << "Отделить часы";
    }
    void knownTopicShowsItsPage() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        ShowHelpTopic(nullptr, topic);
        HelpViewer* viewer = FindHelpViewer(nullptr);
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->topic(), topic);
        QVERIFY(viewer->browser()->toPlainText().startsWith(title));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Справка: ") + title);
        const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
        if (!folder.isEmpty() && topic == 2) QVERIFY(viewer->grab().save(folder + QStringLiteral("/help-viewer.png")));
    }

    void unknownTopicSaysSoPlainly() {
        ShowHelpTopic(nullptr, 9999);
        QVERIFY(ShownText(nullptr).contains(QStringLiteral("Для раздела справки 9999 текст пока не написан.")));
        QCOMPARE(FindHelpViewer(nullptr)->windowTitle(), QStringLiteral("Справка"));
    }

    // Every link of every page leads to a page that exists, and every page has a title.
    void pagesLinkOnlyToExistingPages() {
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QVERIFY(pages.size() >= 20);
        const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        for (const QString& name : pages) {
            QFile file(QStringLiteral(":/help/") + name);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(name));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                if (target.startsWith(QLatin1String("mailto:"))) continue;
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(name + " -> " + target));
            }
        }
    }

    void linksAndHistoryWorkInsideTheViewer() {
        ShowHelpTopic(nullptr, 1);
        HelpViewer* viewer = FindHelpViewer(nullptr);
        QTextBrowser* browser = viewer->browser();
        QTextCursor anchor = browser->document()->find(QStringLiteral("Быстрый старт"));
        QVERIFY(!anchor.isNull());
        anchor.setPosition(anchor.selectionStart() + 3);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(anchor).center());
        QTRY_COMPARE(viewer->topic(), 2);
        auto* back = viewer->findChild<QPushButton*>(QStringLiteral("backButton"));
        QVERIFY(back && back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(viewer->topic(), 1);
    }

    void f1OpensTheTopicOfTheFocusedControl_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("topic");
        QTest::newRow("control with its own page") << "button" << 8;
        QTest::newRow("control topic without a page") << "list" << 18;
        QTest::newRow("control without a topic") << "edit" << 18;
    }
    void f1OpensTheTopicOfTheFocusedControl() {
        QFETCH(QString, control);
        QFETCH(int, topic);
        InstallContextHelpKey();
        DialogFixture fixture;
        fixture.main.show();
        fixture.dialog->show();
        QWidget* focused = fixture.control(control);
        QTest::keyClick(focused, Qt::Key_F1);
        HelpViewer* viewer = FindHelpViewer(&fixture.main);
        QVERIFY(viewer);
        QCOMPARE(viewer->topic(), topic);
        delete viewer;
    }

    // Escape closes the viewer, wherever its focus is.
    void escapeClosesTheViewer() {
        ShowHelpTopic(nullptr, 1);
        QPointer<HelpViewer> viewer = FindHelpViewer(nullptr);
        QVERIFY(viewer);
        viewer->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        viewer->browser()->setFocus();
        QTest::keyClick(viewer->browser(), Qt::Key_Escape);
        QTRY_VERIFY(!viewer);  // closed, and gone with it
    }

    void oneViewerPerMainWindowIsReused() {
        DialogFixture fixture;
        QWidget otherMain;
        ShowHelpTopic(&fixture.main, 6);
        HelpViewer* viewer = FindHelpViewer(&fixture.main);
        QVERIFY(viewer);
        ShowHelpTopic(fixture.dialog, 18);
        QCOMPARE(FindHelpViewer(fixture.list), viewer);
        QCOMPARE(viewer->topic(), 18);
        ShowHelpTopic(&otherMain, 1);
        QVERIFY(FindHelpViewer(&otherMain) != viewer);
        QCOMPARE(viewer->topic(), 18);
        delete FindHelpViewer(&otherMain);
    }

    // Help asked from a modal dialog must not be blocked by it, nor die with it.
    void helpFromAModalDialogOutlivesIt() {
        DialogFixture fixture;
        fixture.main.show();
        QPointer<HelpViewer> viewer;
        bool underDialog = false;
        lovaris::test::ActOnNextDialog([&](QWidget* dialog) {
            ShowHelpTopic(dialog, 18);
            viewer = FindHelpViewer(dialog);
            underDialog = viewer && viewer->parentWidget() == dialog;
            dialog->close();
        });
        fixture.dialog->exec();
        QVERIFY(underDialog);
        delete fixture.dialog;
        QVERIFY(!viewer.isNull());
        QCOMPARE(viewer->parentWidget(), &fixture.main);
        QVERIFY(viewer->isVisible());
        delete viewer;
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
