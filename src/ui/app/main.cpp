#include <QApplication>
#include <cstdio>
#include <cstring>
#include <QLocale>
#include <QScreen>
#include <QStringList>

#include "../common/AppIcons.h"
#include "../common/HelpViewer.h"
#include "../common/TErrorBox.h"
#include "../common/Translations.h"
#include "StartupFile.h"
#include "TPrgMdiFrame.h"
#include "core/common/ProgramUsage.h"
#include "core/common/ShellTexts.h"

// lovaris [FILE.tbl | VARIANT.rsp]: the workstation, with the project (or the variant
// with its project) open when given.
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fwrite(lovaris::kProgramUsage.data(), 1, lovaris::kProgramUsage.size(), stdout);
            return 0;
        }
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
    if (arguments.size() > 1) ui::OpenStartupFile(frame, arguments.at(1));
    return app.exec();
}
