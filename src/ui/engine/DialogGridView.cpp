#include "DialogGridView.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyledItemDelegate>

#include "ui/controls/FittedText.h"

namespace lovaris::ui {
namespace {

constexpr int kSeparatorHeight = 6;
constexpr int kTextMargin = 3;
const QColor kShade(200, 200, 200);

QColor SeparatorColour(const QPalette& palette) { return palette.color(QPalette::Mid); }

// Titles drawn like the cells: centred and cut the same way, separators thin.
class TitleHeader : public QHeaderView {
public:
    TitleHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
        setSectionsClickable(false);
        setHighlightSections(false);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        const auto* grid = qobject_cast<const DialogGridModel*>(model());
        const bool thin = orientation() == Qt::Vertical && grid && grid->separator(logicalIndex);
        painter->fillRect(rect, thin ? SeparatorColour(palette()) : palette().color(QPalette::Button));
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        if (!thin) {
            painter->setPen(palette().color(QPalette::ButtonText));
            const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
            DrawFittedText(*painter, rect.adjusted(kTextMargin, 0, -kTextMargin, 0), text);
        }
        painter->restore();
    }

    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QHeaderView::viewportEvent(event);
        auto* help = static_cast<QHelpEvent*>(event);
        const int section = logicalIndexAt(help->pos());
        if (section < 0) return ShowWholeTextTip(help, viewport(), {}, {});
        const QString text = model()->headerData(section, orientation(), Qt::DisplayRole).toString();
        const QRect rect = HeaderSectionRect(*this, section);
        const bool cut = IsCutToWidth(text, rect.width() - 2 * kTextMargin, fontMetrics());
        return ShowWholeTextTip(help, viewport(), rect, cut ? text : QString());
    }
};

class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* grid = qobject_cast<const DialogGridModel*>(index.model());
        painter->save();
        if (grid && grid->separator(index.row())) {
            painter->fillRect(option.rect, SeparatorColour(option.palette));
            painter->restore();
            return;
        }
        const bool editable = grid && grid->editable(index);
        const bool selected = editable && (option.state & QStyle::State_Selected);
        QColor background = Qt::white;
        if (!editable && grid && grid->shadeReadOnly()) background = kShade;
        if (selected) background = option.palette.color(QPalette::Highlight);
        painter->fillRect(option.rect, background);
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : QColor(Qt::black));
        painter->setFont(option.font);
        DrawFittedText(*painter, option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0), index.data().toString());
        painter->restore();
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (!event || event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data().toString();
        const bool cut = IsCutToWidth(text, option.rect.width() - 2 * kTextMargin, QFontMetrics(option.font));
        return ShowWholeTextTip(event, view->viewport(), option.rect, cut ? text : QString());
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        auto* editor = new QLineEdit(parent);
        editor->setObjectName(QStringLiteral("digitEditor"));
        editor->setMaxLength(1);
        editor->setAlignment(Qt::AlignCenter);
        editor->setFrame(false);
        QPalette white = editor->palette();
        white.setColor(QPalette::Base, Qt::white);
        editor->setPalette(white);
        editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), editor));
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        line->setText(index.data(Qt::EditRole).toString());
        line->selectAll();  // the digit typed replaces the shown one
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        model->setData(index, static_cast<QLineEdit*>(editor)->text(), Qt::EditRole);
    }
};

}  // namespace

DialogGridView::DialogGridView(DialogGridModel* model, const char* objectName, int helpContext, QWidget* parent)
    : QTableView(parent), model_(model) {
    setObjectName(QString::fromLatin1(objectName));
    setProperty("helpContext", helpContext);
    setHorizontalHeader(new TitleHeader(Qt::Horizontal, this));
    setVerticalHeader(new TitleHeader(Qt::Vertical, this));
    setModel(model);
    setItemDelegate(new CellDelegate(this));
    // Below and beside the cells the grid shows the window's colour, not an empty white field.
    QPalette background = palette();
    background.setColor(QPalette::Base, background.color(QPalette::Window));
    setPalette(background);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);  // Tab leaves the grid for the dialog's buttons
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { fitToTexts(); });
    fitToTexts();
}

void DialogGridView::sizeRows() {
    for (int r = 0; r < model_->rowCount(); ++r)
        verticalHeader()->resizeSection(r, model_->separator(r) ? kSeparatorHeight : verticalHeader()->defaultSectionSize());
}

void DialogGridView::fitToTexts(int minimum, int maximum) {
    const QFontMetrics metrics = fontMetrics();
    const QFontMetrics titleMetrics = horizontalHeader()->fontMetrics();
    for (int c = 0; c < model_->columnCount(); ++c) {
        int width = titleMetrics.horizontalAdvance(model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        for (int r = 0; r < model_->rowCount(); ++r)
            width = std::max(width, metrics.horizontalAdvance(model_->index(r, c).data().toString()));
        setColumnWidth(c, std::clamp(width + 4 * kTextMargin, minimum, maximum));
    }
    int titles = 0;
    for (int r = 0; r < model_->rowCount(); ++r)
        titles = std::max(titles, titleMetrics.horizontalAdvance(model_->headerData(r, Qt::Vertical, Qt::DisplayRole).toString()));
    verticalHeader()->setFixedWidth(titles + 4 * kTextMargin);
    sizeRows();
}

QSize DialogGridView::wholeSize() const {
    int width = verticalHeader()->isHidden() ? 0 : verticalHeader()->width();
    for (int c = 0; c < model_->columnCount(); ++c) width += columnWidth(c);
    // Before the grid is first shown its header has no height of its own yet.
    int height = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height();
    for (int r = 0; r < model_->rowCount(); ++r) height += rowHeight(r);
    return {width + 2 * frameWidth(), height + 2 * frameWidth()};
}

void DialogGridView::setCurrentGridCell(int row, int column) {
    const QModelIndex index = model_->index(row - 1, column - 1);
    if (index.isValid()) setCurrentIndex(index);
}

void SizeGridDialog(QWidget* dialog, std::initializer_list<DialogGridView*> views) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() * 0.85 : QSize(1100, 700);
    // The layout measures the dialog with every grid whole; the grids may shrink afterwards.
    int width = 0;
    for (DialogGridView* view : views) {
        const QSize whole = view->wholeSize();
        width = std::max(width, whole.width());
        // Too wide for the screen: the horizontal scroll bar takes its height from the rows.
        const int bar = whole.width() + 60 > room.width() ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
        view->setMinimumHeight(std::min(whole.height() + bar, room.height() / 2 + 100));
    }
    // The window is not shown yet: its layouts hear of the new minimum only when told.
    for (DialogGridView* view : views)
        for (QWidget* w = view->parentWidget(); w; w = w->parentWidget())
            if (w->layout()) w->layout()->invalidate();
    const int height = dialog->sizeHint().height();
    for (DialogGridView* view : views) view->setMinimumHeight(0);
    // Room for the page frame, its margins and a scroll bar beside the grid.
    dialog->resize(std::clamp(width + 60, 460, room.width()), std::clamp(height, 240, room.height()));
}

}  // namespace lovaris::ui
