#pragma once
// "Проверка данных": the findings of the data check, one page per kind of record.
// Not modal and on top of the other windows, so that the user can correct the data
// in the editors while reading the list.
#include <QDialog>
#include <string>
#include <vector>

#include "core/data/ProjectParams.h"

class QTextEdit;
class QTabWidget;

namespace lovaris {
struct Project;
}

namespace lovaris::ui {

class TTestDataDlg : public QDialog {
    Q_OBJECT
public:
    explicit TTestDataDlg(QWidget* parent = nullptr);

    // Fills the pages in the order rooms .. lessons, showing each while it is filled and
    // letting pending events run between pages; ends on "Уроки". The window may be closed
    // meanwhile; it then stops at once.
    void runChecks(const Project& project);

    QTabWidget* pages() const { return pages_; }
    QTextEdit* page(EditorKind kind) const;
    QString pageText(EditorKind kind) const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape

private:
    void fillPage(QTextEdit* text, const std::vector<std::string>& lines);

    QTabWidget* pages_;
    QTextEdit* texts_[kEditorKinds] = {};
    bool closing_ = false;
};

}  // namespace lovaris::ui
