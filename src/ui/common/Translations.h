#pragma once
// Qt's own Russian texts, so that the standard dialogs and buttons (file dialogs,
// "Отмена", "Открыть") speak the program's language.
class QCoreApplication;

namespace lovaris::ui {

// True when Qt's Russian translation was found and installed. The few texts of the
// file dialogs that translation lacks ("Folder", "Drive") come in Russian too.
bool InstallQtRussianTranslation(QCoreApplication& app);

// Qt's file dialogs date files in the system locale's format: make its dates Russian,
// leaving the rest of the system's locale as it is. Before the application is made.
void UseRussianSystemDates();

}  // namespace lovaris::ui
