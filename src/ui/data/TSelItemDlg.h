#pragma once
// Choice of one class or teacher (caption "Класс" unless the caller sets another),
// with the check box "Краткая форма" the caller reads after closing.
#include "RecordChoiceDlg.h"

class QCheckBox;

namespace lovaris::ui {

class TSelItemDlg : public RecordChoiceDlg {
    Q_OBJECT
public:
    explicit TSelItemDlg(QWidget* parent = nullptr);
    bool shortForm() const;
    QCheckBox* shortFormBox() const { return shortForm_; }
    // A non-zero tag: no help in this use (no help button, no help contexts, only
    // the close box in the title bar).
    void setTag(int tag);
    int tag() const { return tag_; }

private:
    QCheckBox* shortForm_;
    int tag_ = 0;
};

}  // namespace lovaris::ui
