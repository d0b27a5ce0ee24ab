#pragma once
// "Импорт из FET": what the import made of the school and what the project could not
// hold, kind by kind, shown before the imported project opens.
#include <QDialog>

namespace lovaris::ui {

class TFetReportDlg : public QDialog {
    Q_OBJECT
public:
    TFetReportDlg(QWidget* owner, const QString& report);
};

}  // namespace lovaris::ui
