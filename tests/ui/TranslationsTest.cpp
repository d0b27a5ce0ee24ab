#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QtTest>

#include "ui/common/Translations.h"

// The standard dialogs' own texts come in Russian once Qt's translation is installed.
class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void standardDialogTextsAreRussian() {
        QVERIFY(lovaris::ui::InstallQtRussianTranslation(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Open"), QStringLiteral("Открыть"));
        QVERIFY(QCoreApplication::translate("QFileDialog", "Look in:") != QStringLiteral("Look in:"));
        // The file dialog's type of a folder, which Qt's translation lacks.
        QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Папка"));
    }

    // The system's dates turn Russian; the rest of a locale given by LC_ALL stays.
    void systemDatesTurnRussian() {
        qputenv("LC_ALL", "C.UTF-8");
        lovaris::ui::UseRussianSystemDates();
        QVERIFY(qgetenv("LC_ALL").isEmpty());
        QCOMPARE(qgetenv("LC_TIME"), QByteArray("ru_RU.UTF-8"));
        QCOMPARE(qgetenv("LC_NUMERIC"), QByteArray("C.UTF-8"));
        QCOMPARE(qgetenv("LC_MESSAGES"), QByteArray("C.UTF-8"));
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
