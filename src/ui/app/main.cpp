#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ловарис"));
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    return 0;
}
