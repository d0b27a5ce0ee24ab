#pragma once
// "Переместить запись": choose the record after which the current one goes.
#include "RecordChoiceDlg.h"

namespace lovaris::ui {

class TMoveRecDlg : public RecordChoiceDlg {
    Q_OBJECT
public:
    TMoveRecDlg(QWidget* parent, const QStringList& names);
    // The chosen position + 1, or -1 when cancelled.
    static int choose(QWidget* parent, const QStringList& names);
};

}  // namespace lovaris::ui
