#pragma once
// Qt's own Russian texts, so that the standard dialogs and buttons (file dialogs,
// "Отмена", "Открыть") speak the program's language.
class QCoreApplication;

namespace lovaris::ui {

// True when Qt's Russian translation was found and installed.
bool InstallQtRussianTranslation(QCoreApplication& app);

}  // namespace lovaris::ui
