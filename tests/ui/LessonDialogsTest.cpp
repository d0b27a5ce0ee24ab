#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "LessonTestProject.h"
#include "core/common/LessonTexts.h"
#include "support/DialogAnswers.h"
#include "ui/common/TErrorBox.h"
#include "ui/data/TLessonsManager.h"

using namespace lovaris;
using namespace lovaris::ui;
using lovaris::test::ActOnNextDialog;
using lovaris::test::AnswerNextDialog;
using lovaris::test::DoubleClickRow;
using lovaris::test::ChildOf;

namespace {

const QColor kRed(0xD0, 0x00, 0x00);

QString cellText(QTableView* view, int row, int column) {
    return view->model()->index(row, column).data().toString();
}

// The dialog as the user sees it, written when LOVARIS_SCREENSHOTS names a folder.
void Picture(QWidget* dialog, const char* name) {
    const QString folder = qEnvironmentVariable("LOVARIS_SCREENSHOTS");
    if (!folder.isEmpty()) dialog->grab().save(folder + "/" + QString::fromLatin1(name));
}

}  // namespace

class LessonDialogsTest : public QObject, lovaris::test::LessonEditorFixture {
    Q_OBJECT

    QPushButton* linkButton() { return child<QPushButton>("linkButton"); }

    // Opens the link dialog from the editor, double-clicks the rows and answers with the button.
    QStringList runLinkDialog(QList<int> toggle, const char* button, QString* message = nullptr) {
        QStringList shownLink;
        ActOnNextDialog([=, &shownLink](QWidget* dlg) {
            auto* list = ChildOf<QTableView>(dlg, "candidateList");
            for (int row : toggle) DoubleClickRow(list, row);
            for (int row = 0; row < list->model()->rowCount(); ++row) shownLink << cellText(list, row, 4);
            Picture(dlg, "dialog-link.png");
            if (message) AnswerNextDialog(QStringLiteral("yesButton"), message);
            ChildOf<QPushButton>(dlg, button)->click();
        });
        linkButton()->click();
        return shownLink;
    }

private slots:
    void init() { newSchool(); }
    void cleanup() { closeSchool(); }

    void linksAreMadeAndRemovedOnBothSides() {
        const int own = school->addLesson(school->class5, school->maths, school->ivanova);
        const int other = school->addLesson(school->class6, school->maths, school->ivanova);
        school->addLesson(school->class5, school->music, school->ivanova);  // same class: no candidate
        const LessonLink toOther{school->lesson(other).id, 0};
        const LessonLink toOwn{school->lesson(own).id, 0};
        open(own);

        QCOMPARE(runLinkDialog({0}, "yesButton"), QStringList{QStringLiteral("Да")});
        QCOMPARE(school->sub(own).links, std::vector<LessonLink>{toOther});
        QCOMPARE(school->sub(other).links, std::vector<LessonLink>{toOwn});
        QCOMPARE(linkButton()->palette().color(QPalette::ButtonText), kRed);
        QCOMPARE(modified->count(), 1);

        QCOMPARE(runLinkDialog({0}, "yesButton"), QStringList{QStringLiteral("Нет")});
        QVERIFY(school->sub(own).links.empty());
        QVERIFY(school->sub(other).links.empty());
        QVERIFY(linkButton()->palette().color(QPalette::ButtonText) != kRed);

        runLinkDialog({0}, "cancelButton");
        QVERIFY(school->sub(own).links.empty());
        QCOMPARE(modified->count(), 2);
    }

    void aLinkThePartnerCannotTakeIsReported() {
        const int own = school->addLesson(school->class5, school->maths, school->ivanova);
        const int full = school->addLesson(school->class6, school->maths, school->ivanova);
        for (int i = 0; i < 5; ++i) school->sub(full).addLink({100 + i, 0});
        open(own);
        QString message;
        runLinkDialog({0}, "yesButton", &message);
        QVERIFY2(message.startsWith(Res(LessonText::LinkRefused)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("6Б, № записи 1")), qPrintable(message));
        QVERIFY(school->sub(own).links.empty());
        QCOMPARE(school->sub(full).links.size(), std::size_t(5));
    }

    void findShowsTheChosenSubgroup() {
        school->addLesson(school->class6, school->maths, school->petrov);
        const int split = school->addLesson(school->class5, school->maths, school->ivanova);
        school->lesson(split).setSubgroupCount(2);
        school->sub(split, 1).teacher = school->petrov;
        open(split, 1);
        int selected = -1;
        QString number;
        ActOnNextDialog([&](QWidget* dlg) {
            auto* list = ChildOf<QTableView>(dlg, "lessonList");
            selected = list->selectionModel()->selectedRows().value(0).row();
            number = cellText(list, selected, 1);
            Picture(dlg, "dialog-find.png");
            DoubleClickRow(list, 2);  // "6Б", the lesson of the other class
        });
        child<QPushButton>("findButton")->click();
        QCOMPARE(selected, 1);  // "5А" comes first: 1.1, 1.2, then "6Б"
        QCOMPARE(number, QStringLiteral("1.2"));
        QCOMPARE(editor->currentPosition(), 0);
        QCOMPARE(editor->currentSubgroup(), 0);
        QCOMPARE(modified->count(), 0);
    }

    void findCopiesALessonWithoutClass() {
        const int own = school->addLesson(school->class5, school->maths, school->ivanova);
        const int other = school->addLesson(school->class6, school->maths, school->ivanova);
        school->lesson(own).setSubgroupCount(2);
        school->sub(own, 1).teacher = school->ivanova;
        school->sub(own, 1).addLink({school->lesson(other).id, 0});
        school->sub(other).addLink({school->lesson(own).id, 1});
        school->lesson(own).busy.set(1, 2, 1);
        open(own, 1);
        ActOnNextDialog([](QWidget* dlg) { ChildOf<QPushButton>(dlg, "copyButton")->click(); });
        child<QPushButton>("findButton")->click();

        QCOMPARE(school->project.lessons.count(), 3);
        const auto& copy = school->lesson(2);
        QCOMPARE(copy.klass, -1);
        QVERIFY(copy.id != school->lesson(own).id);
        QCOMPARE(copy.subgroups, school->lesson(own).subgroups);
        QCOMPARE(copy.hourEntries, school->lesson(own).hourEntries);
        QCOMPARE(int(copy.busy.at(1, 2)), 1);
        QCOMPARE(school->sub(other).links.size(), std::size_t(1));  // the partner does not link back
        QCOMPARE(editor->currentPosition(), 2);
        QCOMPARE(editor->currentSubgroup(), 1);
        QCOMPARE(modified->count(), 1);
    }

    void separatedHoursAreCheckedAndStored() {
        const int pos = school->addLesson(school->class5, school->maths, school->ivanova, {1, 1, 2});
        school->lesson(pos).setSeparatedHours({2});
        open(pos);
        QList<Qt::CheckState> opened;
        ActOnNextDialog([&](QWidget* dlg) {
            auto* list = ChildOf<QListWidget>(dlg, "hoursList");
            for (int i = 0; i < list->count(); ++i) opened << list->item(i)->checkState();
            list->item(0)->setCheckState(Qt::Checked);
            Picture(dlg, "dialog-separate-hours.png");
            ChildOf<QPushButton>(dlg, "yesButton")->click();
        });
        auto* spread = child<QLineEdit>("spreadEdit");
        QTest::mouseDClick(spread, Qt::LeftButton);

        QCOMPARE(opened, (QList<Qt::CheckState>{Qt::Unchecked, Qt::Unchecked, Qt::Checked}));
        const auto& entries = school->lesson(pos).hourEntries;
        QCOMPARE(int(entries[20]), 2);
        QCOMPARE(int(entries[19]), 1);
        QCOMPARE(int(entries[18]), 0);
        QCOMPARE(spread->palette().color(QPalette::Text), kRed);
        QCOMPARE(modified->count(), 1);
    }

    void separationThatDoesNotFitKeepsTheDialogOpen() {
        const int pos = school->addLesson(school->class5, school->maths, school->ivanova,
                                          {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        open(pos);
        QString message;
        bool stayedOpen = false;
        ActOnNextDialog([&](QWidget* dlg) {
            auto* list = ChildOf<QListWidget>(dlg, "hoursList");
            for (int i = 0; i < 6; ++i) list->item(i)->setCheckState(Qt::Checked);
            AnswerNextDialog(QStringLiteral("yesButton"), &message);
            ChildOf<QPushButton>(dlg, "yesButton")->click();
            stayedOpen = dlg->isVisible();
            ChildOf<QPushButton>(dlg, "cancelButton")->click();
        });
        QTest::mouseDClick(child<QLineEdit>("spreadEdit"), Qt::LeftButton);
        QVERIFY(stayedOpen);
        QCOMPARE(message, Res(TextId::SeparatedHoursOverlapError));
        QVERIFY(!school->lesson(pos).hasSeparatedHours());
        QCOMPARE(school->lesson(pos).spread().size(), std::size_t(15));
        QCOMPARE(modified->count(), 0);
    }
};

QTEST_MAIN(LessonDialogsTest)
#include "LessonDialogsTest.moc"
