#include "TSchoolTable.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QPainter>
#include <algorithm>
#include <QStyledItemDelegate>

#include "SchoolCellPainter.h"
#include "ui/controls/FittedText.h"

namespace lovaris::ui {
namespace {

// Sizes of the header row and column and of the data cells, by orientation.
struct GridMetrics {
    int headerColumnWidth;
    int headerRowHeight;
    int dataRowHeight;
    int dataColumnWidth;
};
constexpr GridMetrics kVertical{101, 14, 27, 77};
constexpr GridMetrics kHorizontal{25, 33, 29, 133};

class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(SchoolTableModel* model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        PaintHourElement(*painter, option.rect, model_->record(index.column() + 1, index.row() + 1), CellKind::Data,
                         option.palette);
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            painter->setPen(QPen(option.palette.color(QPalette::Highlight), 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
    }

    // A cell with a cut text tells all its texts.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (!event || event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const THourElementRecord record = model_->record(index.column() + 1, index.row() + 1);
        return ShowWholeTextTip(event, view->viewport(), option.rect, CutTextsTip(option.rect, record, view->fontMetrics()));
    }

private:
    SchoolTableModel* model_;
};

// The header row or column: drawn from the records of row 0 or column 0.
class RecordHeader : public QHeaderView {
public:
    RecordHeader(Qt::Orientation orientation, SchoolTableModel* model, QWidget* parent)
        : QHeaderView(orientation, parent), model_(model) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid()) return;
        PaintHourElement(*painter, rect, record(logicalIndex), CellKind::Header, palette());
        painter->save();
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->restore();
    }

    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QHeaderView::viewportEvent(event);
        auto* help = static_cast<QHelpEvent*>(event);
        const int section = logicalIndexAt(help->pos());
        if (section < 0) return ShowWholeTextTip(help, viewport(), {}, {});
        const QRect rect = HeaderSectionRect(*this, section);
        return ShowWholeTextTip(help, viewport(), rect, CutTextsTip(rect, record(section), fontMetrics()));
    }

private:
    THourElementRecord record(int section) const {
        return orientation() == Qt::Horizontal ? model_->record(section + 1, 0) : model_->record(0, section + 1);
    }

    SchoolTableModel* model_;
};

}  // namespace

TSchoolTable::TSchoolTable(QWidget* parent) : QTableView(parent), model_(new SchoolTableModel(this)) {
    setModel(model_);
    setHorizontalHeader(new RecordHeader(Qt::Horizontal, model_, this));
    setVerticalHeader(new RecordHeader(Qt::Vertical, model_, this));
    setItemDelegate(new CellDelegate(model_, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move in it
    setShowGrid(true);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Interactive);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(8);
    }
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int size) {
        if (!equalising_) baseColumnWidth_ = size;  // the user's width holds from now on
        equaliseSections(Qt::Horizontal, size);
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int, int, int size) {
        if (!equalising_) baseRowHeight_ = size;
        equaliseSections(Qt::Vertical, size);
    });
    setOrientation(true);
}

void TSchoolTable::setGridSize(int columns, int rows) {
    model_->setGridSize(columns, rows);
    equaliseSections(Qt::Horizontal, dataColumnWidth());
    equaliseSections(Qt::Vertical, dataRowHeight());
    fitToView();
}

void TSchoolTable::fitToView() {
    // Header texts are shown whole where the header column can grow for them.
    const QFontMetrics metrics(font());
    int widest = baseHeaderWidth_;
    for (int row = 1; row < model_->gridRows(); ++row) {
        const THourElementRecord record = model_->record(0, row);
        for (const std::string& text : record.texts)
            if (!text.empty() && !IsFillCode(text))
                widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)) + 8);
    }
    verticalHeader()->setFixedWidth(std::min(widest, 3 * baseHeaderWidth_));
    const int columns = model_->gridColumns() - 1;
    if (columns > 0) equaliseSections(Qt::Horizontal, std::max(baseColumnWidth_, viewport()->width() / columns));
    const int rows = model_->gridRows() - 1;
    if (rows > 0) equaliseSections(Qt::Vertical, std::max(baseRowHeight_, viewport()->height() / rows));
}

void TSchoolTable::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitToView();
}

void TSchoolTable::setOrientation(bool vertical) {
    vertical_ = vertical;
    const GridMetrics& m = vertical ? kVertical : kHorizontal;
    baseColumnWidth_ = m.dataColumnWidth;
    baseHeaderWidth_ = m.headerColumnWidth;
    baseRowHeight_ = m.dataRowHeight;
    verticalHeader()->setFixedWidth(m.headerColumnWidth);
    horizontalHeader()->setFixedHeight(m.headerRowHeight);
    horizontalHeader()->setDefaultSectionSize(m.dataColumnWidth);
    verticalHeader()->setDefaultSectionSize(m.dataRowHeight);
    equaliseSections(Qt::Horizontal, m.dataColumnWidth);
    equaliseSections(Qt::Vertical, m.dataRowHeight);
}

void TSchoolTable::SetSubRowsCnt(int lines) {
    subRows_ = lines > 1 ? lines : 2;
    // The height follows the count kept, so a count below 2 never gives rows of
    // negative height.
    const int line = QFontMetrics(font()).boundingRect(QStringLiteral("ЁуIg")).height();
    const int height = subRows_ * line + subRows_ - 1;
    baseRowHeight_ = height;
    verticalHeader()->setDefaultSectionSize(height);
    equaliseSections(Qt::Vertical, height);
}

int TSchoolTable::dataRowHeight() const { return verticalHeader()->defaultSectionSize(); }
int TSchoolTable::dataColumnWidth() const { return horizontalHeader()->defaultSectionSize(); }

void TSchoolTable::equaliseSections(Qt::Orientation orientation, int size) {
    if (equalising_) return;
    equalising_ = true;
    QHeaderView* header = orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader();
    header->setDefaultSectionSize(size);
    for (int i = 0; i < header->count(); ++i)
        if (header->sectionSize(i) != size) header->resizeSection(i, size);
    equalising_ = false;
}

QPoint TSchoolTable::cellAt(const QPoint& viewportPoint) const {
    const QModelIndex index = indexAt(viewportPoint);
    if (!index.isValid()) return {-1, -1};
    return {index.column() + 1, index.row() + 1};
}

QRect TSchoolTable::cellRect(int col, int row) const {
    return visualRect(model_->index(row - 1, col - 1));
}

QPoint TSchoolTable::currentCell() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? QPoint(index.column() + 1, index.row() + 1) : QPoint(0, 0);
}

void TSchoolTable::repaintAll() {
    model_->refresh();
    fitToView();
    viewport()->update();
}

void TSchoolTable::repaintRow(int row) {
    if (row == 0) {
        horizontalHeader()->viewport()->update();
        return;
    }
    verticalHeader()->headerDataChanged(Qt::Vertical, row - 1, row - 1);
    for (int c = 1; c < model_->gridColumns(); ++c) update(model_->index(row - 1, c - 1));
}

void TSchoolTable::repaintColumn(int col) {
    if (col == 0) {
        verticalHeader()->viewport()->update();
        return;
    }
    horizontalHeader()->headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    for (int r = 1; r < model_->gridRows(); ++r) update(model_->index(r - 1, col - 1));
}

}  // namespace lovaris::ui
