#include <QPushButton>
#include <QtTest>

#include "support/DialogAnswers.h"
#include "ui/common/TErrorBox.h"

using namespace lovaris::ui;

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void resultsOfEachButton_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("result");
        QTest::newRow("yes only") << int(kButtonsYes) << "yesButton" << 1;
        QTest::newRow("no") << int(kButtonsYesNo) << "noButton" << 2;
        QTest::newRow("cancel") << int(kButtonsYesNoCancel) << "cancelButton" << 7;
    }
    void resultsOfEachButton() {
        QFETCH(int, buttons);
        QFETCH(QString, press);
        QFETCH(int, result);
        QString seen;
        lovaris::test::AnswerNextDialog(press, &seen);
        QCOMPARE(ShowMessageText(nullptr, QStringLiteral("Проверка"), buttons), result);
        QCOMPARE(seen, QStringLiteral("Проверка"));
    }
    void onlyItsButtonsClose() {
        TErrorBox box(nullptr, QStringLiteral("Текст"), kButtonsYesNoCancel);
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(box.isVisible());
        auto* yes = box.findChild<QPushButton*>(QStringLiteral("yesButton"));
        QVERIFY(yes && yes->isDefault());
        QCOMPARE(box.windowTitle(), QStringLiteral("Предупреждение"));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
