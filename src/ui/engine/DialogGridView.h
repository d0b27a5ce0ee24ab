#pragma once
// The grid of a planning dialog: titles in the button colour, kept in view as headers;
// cells the planner may edit in white, the others grey or white as the model says;
// separator rows thin; every text centred and cut with "…" when it is too wide.
// An editable cell takes a single digit.
#include <QTableView>
#include <initializer_list>

#include "DialogGridModel.h"

namespace lovaris::ui {

class DialogGridView : public QTableView {
    Q_OBJECT
public:
    DialogGridView(DialogGridModel* model, const char* objectName, int helpContext, QWidget* parent = nullptr);

    DialogGridModel* gridModel() const { return model_; }
    // Every column as wide as its widest text, within [minimum, maximum]; thin separators.
    void fitToTexts(int minimum = 44, int maximum = 120);
    // The width and height that show the whole grid, scroll bars left out.
    QSize wholeSize() const;
    // The current cell at grid coordinates, when there is such a cell.
    void setCurrentGridCell(int row, int column);

private:
    void sizeRows();

    DialogGridModel* model_;
};

// A grid dialog as large as its grids want, whole when the screen has room for them.
void SizeGridDialog(QWidget* dialog, std::initializer_list<DialogGridView*> views);

}  // namespace lovaris::ui
