#include "VariantViews.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "core/common/ViewTexts.h"
#include "core/workspace/VariantNames.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

struct ViewPage {
    ViewKind kind;
    ViewText caption;
    const char* sheet;
    const char* grid;
    int help;
};
constexpr ViewPage kPages[] = {
    {ViewKind::Klasses, ViewText::TabKlasses, "KlassesTableSheet", "KlassesSclTable", 181},
    {ViewKind::Teachers, ViewText::TabTeachers, "TeachersTableSheet", "TeachersSclTable", 182},
    {ViewKind::KlassesDraft, ViewText::TabKlassesDraft, "KlassesDraftTableSheet", "KlassesDraftSclTable", 183},
    {ViewKind::TeachersDraft, ViewText::TabTeachersDraft, "TeachersDraftTableSheet", "TeachersDraftSclTable", 184},
    {ViewKind::Rooms, ViewText::TabRooms, "RoomsTableSheet", "RoomsSclTable", 185},
};

bool IsLessonView(ViewKind kind) { return kind != ViewKind::Rooms; }

QToolButton* RunButton(QWidget* parent, const char* name, ViewText hint, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(Res(hint));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->hide();
    button->setEnabled(false);
    return button;
}

}  // namespace

QSlider* AddOrientationSwitch(QWidget* parent, QBoxLayout* row) {
    // A two-position switch: "Верт." above, "Горз." below.
    auto* orientation = new QSlider(Qt::Vertical, parent);
    orientation->setObjectName(QStringLiteral("ViewModeSwitch"));
    orientation->setProperty("helpContext", 175);
    orientation->setRange(0, 1);
    orientation->setInvertedAppearance(true);
    orientation->setPageStep(1);
    orientation->setFixedHeight(34);
    auto* labels = new QVBoxLayout;
    labels->setSpacing(0);
    labels->addWidget(new QLabel(Res(ViewText::Vertical), parent));
    labels->addWidget(new QLabel(Res(ViewText::Horizontal), parent));
    row->addWidget(orientation);
    row->addLayout(labels);
    return orientation;
}

VariantViews::VariantViews(QWidget* parent) : QWidget(parent) {
    // Alt+Д reaches the day list.
    dayLabel_ = new QLabel(QLatin1Char('&') + Res(ViewText::DayLabel), this);
    dayLabel_->setObjectName(QStringLiteral("SelectedDayLabel"));
    dayList_ = new QComboBox(this);
    dayList_->setObjectName(QStringLiteral("SelectedDayComboBox"));
    dayList_->setProperty("helpContext", 171);
    for (int day = 1; day <= 6; ++day) dayList_->addItem(Text(DayListText(day)), day);
    dayList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    dayLabel_->setBuddy(dayList_);

    continue_ = RunButton(this, "VarTryMoreButton", ViewText::HintContinue, QStyle::SP_MediaPlay);
    abort_ = RunButton(this, "VarAbortButton", ViewText::HintAbort, QStyle::SP_MediaStop);

    auto* top = new QHBoxLayout;
    top->addWidget(dayLabel_);
    top->addWidget(dayList_);
    top->addWidget(continue_);
    top->addWidget(abort_);
    top->addStretch(1);
    orientation_ = AddOrientationSwitch(this, top);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("TableTypePageControl"));
    pages_->setProperty("helpContext", 180);
    for (const ViewPage& page : kPages) {
        auto* sheet = new QWidget(pages_);
        sheet->setObjectName(QString::fromLatin1(page.sheet));
        auto* grid = new TSchoolTable(sheet);
        grid->setObjectName(QString::fromLatin1(page.grid));
        grid->setProperty("helpContext", page.help);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(2, 2, 2, 2);
        sheetLayout->addWidget(grid);
        pages_->addTab(sheet, Res(page.caption));
        grids_[index(page.kind)] = grid;
        const ViewKind kind = page.kind;
        grid->setCellSource([this, kind](int col, int row) {
            return context_ ? ViewCell(*context_, kind, vertical_, col, row) : THourElementRecord{};
        });
        if (IsLessonView(kind)) {
            grid->installEventFilter(this);
            // The first click of a double click makes the cell the current one.
            connect(grid, &QAbstractItemView::doubleClicked, this, [this, grid, kind](const QModelIndex& at) {
                if (at.isValid() && at == grid->currentIndex())
                    emit lessonCellDoubleClicked(kind, at.column() + 1, at.row() + 1);
            });
        }
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages_, 1);

    connect(dayList_, &QComboBox::activated, this, [this](int item) { emit dayChosen(dayList_->itemData(item).toInt()); });
    connect(orientation_, &QSlider::valueChanged, this, [this](int position) {
        if (vertical_ == (position == 0)) return;
        vertical_ = position == 0;
        emit orientationChosen(vertical_);
    });
    // The views in turn from the keyboard, wherever the focus is in the panel.
    const auto turn = [this](int step) {
        const int count = pages_->count();
        const bool focusInside = isAncestorOf(QApplication::focusWidget());
        pages_->setCurrentIndex((pages_->currentIndex() + step + count) % count);
        if (focusInside) grid(currentView())->setFocus(Qt::ShortcutFocusReason);
    };
    const std::pair<const char*, int> turns[] = {{"Ctrl+Tab", 1}, {"Ctrl+PgDown", 1}, {"Ctrl+Shift+Tab", -1}, {"Ctrl+PgUp", -1}};
    for (const auto& [keys, step] : turns) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), this, nullptr, nullptr,
                                       Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [turn, step = step] { turn(step); });
    }
    connect(continue_, &QToolButton::clicked, this, &VariantViews::continueClicked);
    connect(abort_, &QToolButton::clicked, this, &VariantViews::abortClicked);
}

void VariantViews::setContext(const ViewContext* context) {
    context_ = context;
    RebuildGrids();
    RefreshViews();
}

ViewKind VariantViews::currentView() const { return static_cast<ViewKind>(pages_->currentIndex()); }

void VariantViews::showDay(int day) {
    const int item = dayList_->findData(day);
    if (item >= 0) dayList_->setCurrentIndex(item);
}

int VariantViews::shownDay() const { return dayList_->currentData().toInt(); }

void VariantViews::showOrientation(bool vertical) {
    vertical_ = vertical;
    const QSignalBlocker quiet(orientation_);
    orientation_->setValue(vertical ? 0 : 1);
}

void VariantViews::RebuildGrids() {
    for (const ViewPage& page : kPages) {
        TSchoolTable* grid = grids_[index(page.kind)];
        grid->setOrientation(vertical_);
        if (!context_) {
            grid->setGridSize(1, 1);
            continue;
        }
        const ViewGridSize size = ViewGridSizeOf(context_->session, page.kind, vertical_);
        grid->setGridSize(size.columns, size.rows);
        grid->SetSubRowsCnt(ViewSubRowCount(context_->session.project()));
    }
}

void VariantViews::RefreshViews() {
    for (TSchoolTable* grid : grids_) grid->repaintAll();
}

void VariantViews::showRunControls(bool running) {
    dayLabel_->setVisible(!running);
    dayList_->setVisible(!running);
    continue_->setVisible(running);
    abort_->setVisible(running);
    if (!running) {
        continue_->setEnabled(false);
        abort_->setEnabled(false);
    }
}

TSchoolTable* VariantViews::twinOf(TSchoolTable* grid) const {
    const auto at = [this](ViewKind kind) { return grids_[index(kind)]; };
    if (grid == at(ViewKind::Klasses)) return at(ViewKind::KlassesDraft);
    if (grid == at(ViewKind::KlassesDraft)) return at(ViewKind::Klasses);
    if (grid == at(ViewKind::Teachers)) return at(ViewKind::TeachersDraft);
    if (grid == at(ViewKind::TeachersDraft)) return at(ViewKind::Teachers);
    return nullptr;
}

bool VariantViews::eventFilter(QObject* watched, QEvent* event) {
    // The clean and draft views of classes (of teachers) scroll as twins: the one
    // left hands its first visible row and column to the other.
    if (event->type() == QEvent::FocusOut) {
        auto* grid = qobject_cast<TSchoolTable*>(watched);
        if (TSchoolTable* twin = grid ? twinOf(grid) : nullptr) {
            twin->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->value());
            twin->verticalScrollBar()->setValue(grid->verticalScrollBar()->value());
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace lovaris::ui
