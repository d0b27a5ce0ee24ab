#include "TTableDetailsManeger.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "GridDragTracker.h"
#include "ManualActions.h"
#include "UnplacedRowsModel.h"
#include "core/common/ManualTexts.h"
#include "ui/common/TErrorBox.h"
#include "ui/workspace/TSchoolTable.h"
#include "ui/workspace/TTableVarsManager.h"
#include "ui/workspace/VariantViews.h"

namespace lovaris::ui {
namespace {

constexpr int kWindowHelp = 7;
constexpr int kUnplacedListHelp = 189;

std::size_t GridIndex(ManualSide side, bool draft) {
    return (draft ? 2u : 0u) + (side == ManualSide::Teacher ? 1u : 0u);
}
std::size_t SideIndex(ManualSide side) { return side == ManualSide::Klass ? 0u : 1u; }

QWidget* GridPage(QTabWidget* pages, const char* sheet, ManualText caption, int help) {
    auto* page = new QWidget(pages);
    page->setObjectName(QString::fromLatin1(sheet));
    page->setProperty("helpContext", help);
    pages->addTab(page, Res(caption));
    return page;
}

}  // namespace

bool TTableDetailsManeger::detailsVerticalView = false;

TTableDetailsManeger::TTableDetailsManeger(TTableVarsManager* owner, VariantWorkspace& workspace)
    : QWidget(owner),
      owner_(owner),
      workspace_(workspace),
      context_{workspace.session(), workspace.planning(), workspace.options()},
      focus_{workspace.selectedDetail().links},
      actions_(new ManualActions(workspace, this, false)) {
    setObjectName(QStringLiteral("TTableDetailsManeger"));
    setProperty("helpContext", kWindowHelp);
    setAutoFillBackground(true);

    klassesEdit_ = new QLineEdit(this);
    klassesEdit_->setObjectName(QStringLiteral("KlassesEdit"));
    klassesEdit_->setProperty("helpContext", 190);
    teachersEdit_ = new QLineEdit(this);
    teachersEdit_->setObjectName(QStringLiteral("TeachersEdit"));
    teachersEdit_->setProperty("helpContext", 191);
    for (QLineEdit* edit : {klassesEdit_, teachersEdit_}) edit->setReadOnly(true);

    auto* top = new QHBoxLayout;
    top->addWidget(klassesEdit_, 1);
    top->addWidget(teachersEdit_, 1);
    orientation_ = AddOrientationSwitch(this, top);
    orientation_->setValue(detailsVerticalView ? 0 : 1);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("TableTypePageControl"));
    pages_->setProperty("helpContext", 186);
    QWidget* clean = GridPage(pages_, "TableLessonsSheet", ManualText::PageClean, 187);
    QWidget* draft = GridPage(pages_, "DraftLessonsSheet", ManualText::PageDraft, 188);
    QWidget* unplaced = GridPage(pages_, "DetachedLessonsSheet", ManualText::PageUnplaced, kUnplacedListHelp);
    static constexpr const char* kGridNames[] = {"KlassesSclTable", "TeachersSclTable", "KlassesDraftSclTable",
                                                 "TeachersDraftSclTable"};
    for (std::size_t i = 0; i < grids_.size(); ++i) {
        const bool isDraft = i >= 2;
        const ManualSide side = i % 2 == 0 ? ManualSide::Klass : ManualSide::Teacher;
        QWidget* page = isDraft ? draft : clean;
        auto* grid = new TSchoolTable(page);
        grid->setObjectName(QString::fromLatin1(kGridNames[i]));
        grid->setCellSource([this, side, isDraft](int col, int row) { return record(side, isDraft, col, row); });
        grid->viewport()->installEventFilter(this);
        grid->installEventFilter(this);  // the menu keys
        if (!page->layout()) {
            auto* layout = new QVBoxLayout(page);
            layout->setContentsMargins(2, 2, 2, 2);
            layout->setSpacing(12);  // the teacher grid starts a little below the class grid
        }
        page->layout()->addWidget(grid);
        grids_[i] = grid;
    }
    auto* unplacedLayout = new QVBoxLayout(unplaced);
    unplacedLayout->setContentsMargins(2, 2, 2, 2);
    unplacedLayout->setSpacing(12);
    static constexpr const char* kPanelNames[] = {"KlassesFreeLsnsPanel", "TeachersFreeLsnsPanel"};
    for (std::size_t i = 0; i < 2; ++i) {
        unplacedPanels_[i] = new QWidget(unplaced);
        unplacedPanels_[i]->setObjectName(QString::fromLatin1(kPanelNames[i]));
        new QGridLayout(unplacedPanels_[i]);
        unplacedLayout->addWidget(unplacedPanels_[i], 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);

    for (ManualSide side : {ManualSide::Klass, ManualSide::Teacher}) {
        GridDragTracker::Rules rules;
        rules.cellAt = [this, side](const QPoint& at) { return cellAt(side, false, at); };
        rules.judgeStart = [this](const ManualCell& from) { return actions_->placement().JudgeDragStart(from); };
        rules.judgeDrop = [this](const ManualCell& from, const ManualCell& to) {
            return actions_->placement().JudgeDrop(from, to);
        };
        rules.drop = [this](const ManualCell& from, const ManualCell& to) { actions_->drop(from, to); };
        rules.reason = [this](const ManualVerdict& verdict) { return Text(VerdictText(verdict, workspace_.session())); };
        new GridDragTracker(grid(side, false), std::move(rules));
    }
    connect(actions_, &ManualActions::edited, this, &TTableDetailsManeger::edited);
    connect(actions_, &ManualActions::dropped, this, [this](const ManualCell& to, bool) {
        TSchoolTable* target = grid(to.side, false);
        const int col = detailsVerticalView ? to.number : to.day;
        const int row = detailsVerticalView ? to.day : to.number;
        target->setCurrentIndex(target->cells()->index(row - 1, col - 1));
    });
    connect(orientation_, &QSlider::valueChanged, this, [this](int position) {
        detailsVerticalView = position == 0;
        sizeGrids();
    });

    sizeGrids();
    focusChanged(3);
    // The focus cell: the selected day and position in the copy the lesson was chosen in.
    const SelectedDetail& detail = workspace_.selectedDetail();
    pages_->setCurrentIndex(detail.draft ? 1 : 0);
    const int day = workspace_.currentDay();
    const int col = detailsVerticalView ? detail.position : day;
    const int row = detailsVerticalView ? day : detail.position;
    for (ManualSide side : {ManualSide::Klass, ManualSide::Teacher}) {
        TSchoolTable* focusGrid = grid(side, detail.draft);
        focusGrid->setCurrentIndex(focusGrid->cells()->index(row - 1, col - 1));
    }
    owner_->installEventFilter(this);
    fitOwner();
}

TTableDetailsManeger::~TTableDetailsManeger() {
    // The grids ask their cells until they are gone.
    for (TSchoolTable* table : grids_) table->setCellSource({});
}

TSchoolTable* TTableDetailsManeger::grid(ManualSide side, bool draft) const { return grids_[GridIndex(side, draft)]; }

const std::vector<QTableView*>& TTableDetailsManeger::unplacedLists(ManualSide side) const {
    return unplacedLists_[SideIndex(side)];
}

void TTableDetailsManeger::fitOwner() { setGeometry(owner_->rect()); }

void TTableDetailsManeger::sizeGrids() {
    const DetailsGridSize size = DetailsGridSizeOf(context_.lessonsPerDay(), detailsVerticalView);
    for (TSchoolTable* table : grids_) {
        table->setOrientation(detailsVerticalView);
        table->setGridSize(size.columns, size.rows);
        table->repaintAll();
    }
}

THourElementRecord TTableDetailsManeger::record(ManualSide side, bool draft, int col, int row) const {
    const int lessons = context_.lessonsPerDay();
    if (const auto place = DetailsPlaceAt(lessons, detailsVerticalView, col, row))
        return DetailsDataCell(context_, focus_, side, draft, place->day, place->number);
    const int dayIndex = detailsVerticalView ? row : col;
    const int lessonIndex = detailsVerticalView ? col : row;
    if (dayIndex == 0 && lessonIndex >= 1 && lessonIndex <= lessons) return DetailsLessonHeader(draft, lessonIndex);
    if (lessonIndex == 0 && dayIndex >= 1 && dayIndex <= kVariantDays)
        return DetailsDayHeader(context_, focus_, side, detailsVerticalView, dayIndex);
    return {};
}

std::optional<ManualCell> TTableDetailsManeger::cellAt(ManualSide side, bool draft, const QPoint& viewportPoint) const {
    TSchoolTable* table = grid(side, draft);
    const QPoint cell = table->cellAt(viewportPoint);
    const auto place = DetailsPlaceAt(context_.lessonsPerDay(), detailsVerticalView, cell.x(), cell.y());
    if (!place) return std::nullopt;
    const QRect rect = table->cellRect(cell.x(), cell.y());
    const int index = DetailsSubColumnAt(rect.width(), focus_.Shown(side), viewportPoint.x() - rect.left());
    if (index < 0) return std::nullopt;
    return ManualCell{side, draft, focus_.ShownEntity(side, index), place->day, place->number};
}

std::optional<std::pair<ManualSide, bool>> TTableDetailsManeger::gridOf(QObject* viewport) const {
    for (ManualSide side : {ManualSide::Klass, ManualSide::Teacher})
        for (bool draft : {false, true})
            if (grid(side, draft)->viewport() == viewport) return std::make_pair(side, draft);
    return std::nullopt;
}

bool TTableDetailsManeger::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_) {
        if (event->type() == QEvent::Resize) fitOwner();
        return false;
    }
    if (auto* table = qobject_cast<TSchoolTable*>(watched)) {
        const auto which = gridOf(table->viewport());
        return which && actions_->openMenuByKey(event, table, [this, which](const QPoint& at) {
                   return cellAt(which->first, which->second, at);
               });
    }
    if (auto* list = qobject_cast<QTableView*>(watched); list && event->type() == QEvent::Resize) {
        // The subject takes half of the list, the sizes three tenths.
        // The viewport follows only after this event: the new width comes from it.
        const int width = static_cast<QResizeEvent*>(event)->size().width() - 2 * list->frameWidth();
        list->horizontalHeader()->resizeSection(0, width / 2);
        list->horizontalHeader()->resizeSection(1, width * 3 / 10);
        return false;
    }
    const auto which = gridOf(watched);
    if (!which) return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        doubleClicked(which->first, which->second, mouse->position().toPoint());
        return true;
    }
    if (event->type() != QEvent::MouseButtonPress) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::RightButton || mouse->buttons() != Qt::RightButton ||
        mouse->modifiers() != Qt::NoModifier)
        return false;
    const QPoint at = mouse->position().toPoint();
    TSchoolTable* table = grid(which->first, which->second);
    const std::optional<ManualCell> cell = cellAt(which->first, which->second, at);
    if (!cell) return true;
    table->setCurrentIndex(table->indexAt(at));
    actions_->openMenu(*cell, mouse->globalPosition().toPoint());
    return true;
}

void TTableDetailsManeger::doubleClicked(ManualSide side, bool draft, const QPoint& viewportPoint) {
    TSchoolTable* table = grid(side, draft);
    // The first click of a double click made the cell the current one.
    if (table->indexAt(viewportPoint) != table->currentIndex()) return;
    const std::optional<ManualCell> cell = cellAt(side, draft, viewportPoint);
    if (!cell) return;
    const QRect rect = table->cellRect(table->cellAt(viewportPoint).x(), table->cellAt(viewportPoint).y());
    const int index = DetailsSubColumnAt(rect.width(), focus_.Shown(side), viewportPoint.x() - rect.left());
    if (auto next = DetailsFocusAt(context_, focus_, side, draft, index, cell->day, cell->number))
        SetFocus(std::move(*next));
}

void TTableDetailsManeger::SetFocus(DetailsFocus focus) {
    const int sides = DetailsFocusChange(focus_, focus);
    if (sides == 0) return;
    focus_ = std::move(focus);
    // Posted, as the windows of the planning tell each other: the click that chose
    // the lesson finishes first.
    QMetaObject::invokeMethod(this, [this, sides] { focusChanged(sides); }, Qt::QueuedConnection);
}

void TTableDetailsManeger::focusChanged(int sides) {
    for (ManualSide side : {ManualSide::Klass, ManualSide::Teacher}) {
        const int bit = side == ManualSide::Klass ? 1 : 2;
        if (!(sides & bit)) continue;
        (side == ManualSide::Klass ? klassesEdit_ : teachersEdit_)->setText(Text(focus_.Names(context_.session, side)));
        grid(side, false)->repaintAll();
        grid(side, true)->repaintAll();
        fillUnplaced(side);
    }
}

void TTableDetailsManeger::fillUnplaced(ManualSide side) {
    const std::size_t s = SideIndex(side);
    QWidget* panel = unplacedPanels_[s];
    auto* layout = static_cast<QGridLayout*>(panel->layout());
    for (QTableView* list : unplacedLists_[s]) delete list;
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    unplacedLists_[s].clear();
    unplacedModels_[s].clear();
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(0);
    const int shown = focus_.Shown(side);
    for (int i = 0; i < shown; ++i) {
        const int entity = focus_.ShownEntity(side, i);
        const std::string name = side == ManualSide::Klass ? context_.session.klasses().at(entity).displayName()
                                                           : context_.session.teachers().at(entity).displayName();
        auto* header = new QLabel(Text(name), panel);
        header->setAlignment(Qt::AlignCenter);
        header->setFrameShape(QFrame::StyledPanel);
        header->setMinimumWidth(50);
        auto* model = new UnplacedRowsModel(panel);
        model->setRows(side == ManualSide::Klass ? UnplacedKlassRows(context_, entity)
                                                 : UnplacedTeacherRows(context_, entity));
        auto* list = new QTableView(panel);
        list->setObjectName(QStringLiteral("%1FreeLsnsList%2")
                                .arg(side == ManualSide::Klass ? QStringLiteral("Klasses") : QStringLiteral("Teachers"))
                                .arg(i + 1));
        list->setProperty("helpContext", kUnplacedListHelp);
        list->setModel(model);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->horizontalHeader()->hide();
        list->verticalHeader()->hide();
        list->setShowGrid(false);
        list->installEventFilter(this);  // its columns follow its width
        connect(list, &QAbstractItemView::doubleClicked, this, [this, model](const QModelIndex& at) {
            const UnplacedRow* row = model->row(at.row());
            if (!row || row->klass < 0) return;
            SetFocus(DetailsFocus{context_.session.klasses().BuildLinkSet(row->klass, row->lesson)});
        });
        layout->addWidget(header, 0, i);
        layout->addWidget(list, 1, i);
        layout->setColumnStretch(i, 1);
        unplacedLists_[s].push_back(list);
        unplacedModels_[s].push_back(model);
    }
}

void TTableDetailsManeger::Refresh() {
    for (TSchoolTable* table : grids_) table->repaintAll();
    fillUnplaced(ManualSide::Klass);
    fillUnplaced(ManualSide::Teacher);
}

bool TTableDetailsManeger::OnCloseManager() {
    if (owner_->AskSaveChanges() == static_cast<int>(AskSaveResult::Cancelled)) return false;
    hide();
    emit closedByUser();
    return true;
}

void TTableDetailsManeger::closeEvent(QCloseEvent* event) {
    if (OnCloseManager()) event->accept();
    else event->ignore();
}

}  // namespace lovaris::ui
