#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QStringList>

#include "../common/AppIcons.h"
#include "../common/HelpViewer.h"
#include "../common/TErrorBox.h"
#include "../common/Translations.h"
#include "TPrgMdiFrame.h"
#include "core/common/ShellTexts.h"

// lovaris [FILE.tbl]: the workstation, with the project FILE.tbl open when given.
int main(int argc, char** argv) {
    using namespace lovaris;
    ui::UseRussianSystemDates();
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::Res(ShellText::ProgramName));
    QApplication::setWindowIcon(ui::LogoIcon());
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ui::InstallQtRussianTranslation(app);
    ui::InstallContextHelpKey();

    ui::TPrgMdiFrame frame;
    // Filled to the screen first: without a window manager "maximized" is only a wish.
    frame.setGeometry(frame.screen()->availableGeometry());
    frame.showMaximized();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) frame.OpenProjectFile(arguments.at(1));
    return app.exec();
}
