#include <QCoreApplication>
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
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
