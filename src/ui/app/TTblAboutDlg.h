#pragma once
// "О программе": the logo, the program's name, version and date.
#include <QDialog>

namespace lovaris::ui {

class TTblAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTblAboutDlg(QWidget* owner);
};

}  // namespace lovaris::ui
