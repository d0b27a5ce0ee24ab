#pragma once
// The small modal dialogs in which one record is chosen from a list: "Да    " or a
// double-click closes with the chosen position + 1 (nothing happens with no entry
// chosen), "Отмена " or Escape with -1, "Справка" asks for the dialog's topic.
#include <QDialog>
#include <QStringList>

#include "core/common/EditorTexts.h"

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace lovaris::ui {

class RecordChoiceDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 18;

    // Fills the list; the first entry is chosen.
    void setNames(const QStringList& names);
    QListWidget* list() const { return list_; }
    // The chosen position + 1, or -1.
    int chosen() const { return chosen_; }
    // Runs the dialog; the chosen position + 1, or -1 when cancelled.
    int run();

protected:
    RecordChoiceDlg(QWidget* parent, EditorText yesHint, EditorText cancelHint);
    // The column into which the list and the buttons go, for the dialog's own controls.
    QVBoxLayout* column() const { return column_; }
    QPushButton* helpButton() const { return help_; }

private:
    void confirm();
    QListWidget* list_;
    QPushButton* help_;
    QVBoxLayout* column_;
    int chosen_ = -1;
};

}  // namespace lovaris::ui
