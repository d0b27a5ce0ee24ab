#pragma once
// "Опции": the options of the open variant. The fields are read and checked by the
// core's options form; the dialog stays open on a refused count.
#include <QDialog>

#include "core/workspace/VariantOptionsForm.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

namespace lovaris::ui {

class CommentMemo;

class TVarOptionsDlg : public QDialog {
    Q_OBJECT
public:
    // `confirm` is asked on "Да": the message to show, or none when the fields were taken.
    using Confirm = std::function<std::optional<std::string>(const VariantOptionsEntry&)>;
    TVarOptionsDlg(QWidget* owner, const QString& caption, const VariantOptionsEntry& shown, Confirm confirm);

    VariantOptionsEntry entry() const;

private:
    void confirmClicked();

    Confirm confirm_;
    CommentMemo* comment_;
    QLineEdit* maxVariants_;
    QLineEdit* maxWindows_;
    QComboBox* wishes_;
    QGroupBox* weights_;
    QSpinBox* parallel_;
    QSpinBox* sanitary_;
    QSpinBox* teacherBusy_;
};

}  // namespace lovaris::ui
