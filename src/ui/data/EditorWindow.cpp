#include "EditorWindow.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include "ui/common/TErrorBox.h"
#include "core/common/EditorTexts.h"
#include "core/data/BusyCellState.h"
#include "ui/data/TMoveRecDlg.h"

namespace lovaris::ui {

EditorWindow::EditorWindow(EditorKind kind, int helpContext, ProjectParams& params, QWidget* parent)
    : QWidget(parent), kind_(kind), helpContext_(helpContext), params_(params) {
    setProperty("helpContext", helpContext);
    setProperty("tag", static_cast<int>(kind));
}

void EditorWindow::ShowRecord(int position) {
    const int count = recordCount();
    {
        Filling filling(*this);
        if (count == 0 || position < 0) {
            current_ = -1;
            clearRecord();
        } else {
            current_ = position < count ? position : count - 1;
            fillRecord(current_);
        }
    }
    updateNavigationButtons();
}

void EditorWindow::AddRecord() {
    const int pos = appendRecord();
    ShowRecord(pos);
    markModified();
}

void EditorWindow::RemoveCurrentRecord() {
    if (current_ < 0 || current_ >= recordCount()) return;
    if (ShowMessageId(this, TextId::ConfirmDeleteRecord, kButtonsYesNo) != kResultYes) return;
    const int pos = current_;
    deleteRecord(pos);
    recordRemoved(pos);
    ShowRecord(recordCount() == 0 ? -1 : (pos < recordCount() ? pos : recordCount() - 1));
    markModified();
}

void EditorWindow::MoveCurrentRecord() {
    if (current_ < 0) return;
    TMoveRecDlg dialog(this, recordNames());
    const int chosen = dialog.run();
    if (chosen <= 0) return;
    const int moved = moveRecord(current_, chosen - 1);
    if (moved < 0) return;
    ShowRecord(moved);
    markModified();
}

void EditorWindow::setChosenCellState(int state) {
    chosenState_ = state;
    for (auto* b : stateButtons_) b->setChecked(b->property("cellState").toInt() == state);
}

QWidget* EditorWindow::makeCommandBar(bool withMove) {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto make = [&](const char* name, EditorText caption, EditorText hint, int help) {
        auto* b = new QPushButton(Res(caption), bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(Res(hint));
        b->setProperty("helpContext", help);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    addButton_ = make("addButton", EditorText::AddCaption, EditorText::AddHint, 200);
    if (withMove) moveButton_ = make("moveButton", EditorText::MoveCaption, EditorText::MoveHint, 201);
    removeButton_ = make("removeButton", EditorText::RemoveCaption, EditorText::RemoveHint, 202);
    prevButton_ = make("prevButton", EditorText::PreviousCaption, EditorText::PreviousHint, 203);
    nextButton_ = make("nextButton", EditorText::NextCaption, EditorText::NextHint, 204);
    row->addStretch();
    helpButton_ = make("helpButton", EditorText::HelpCaption, EditorText::HelpHint, 205);

    connect(addButton_, &QPushButton::clicked, this, &EditorWindow::AddRecord);
    if (moveButton_) connect(moveButton_, &QPushButton::clicked, this, &EditorWindow::MoveCurrentRecord);
    connect(removeButton_, &QPushButton::clicked, this, &EditorWindow::RemoveCurrentRecord);
    connect(prevButton_, &QPushButton::clicked, this, &EditorWindow::ShowPrevious);
    connect(nextButton_, &QPushButton::clicked, this, &EditorWindow::ShowNext);
    connect(helpButton_, &QPushButton::clicked, this, [this] { emit helpRequested(helpContext_); });
    return bar;
}

QWidget* EditorWindow::makeBusyButtons(bool withWishes) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(box);
    group->setExclusive(true);
    auto make = [&](const char* name, EditorText hint, int state, const char* colour, const QString& label) {
        auto* b = new QToolButton(box);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(Res(hint));
        b->setCheckable(true);
        b->setText(label);
        b->setProperty("cellState", state);
        b->setMinimumSize(28, 24);
        b->setStyleSheet(QStringLiteral("QToolButton { background: %1; border: 1px solid #777; border-radius: 3px; }"
                                        "QToolButton:checked { border: 2px solid #000; }")
                             .arg(QString::fromLatin1(colour)));
        group->addButton(b);
        stateButtons_.append(b);
        row->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, state] { setChosenCellState(state); });
    };
    make("busyButton", EditorText::BusyHint, kCellBusy, "#e05050", QString());
    if (withWishes) {
        make("wishHighButton", EditorText::WishHighHint, 3, "#f0d040", QStringLiteral("3"));
        make("wishMediumButton", EditorText::WishMediumHint, 2, "#f0d040", QStringLiteral("2"));
        make("wishLowButton", EditorText::WishLowHint, 1, "#f0d040", QStringLiteral("1"));
    }
    make("freeButton", EditorText::FreeHint, kCellFree, "#60c060", QString());
    row->addStretch();
    setChosenCellState(kCellFree);
    return box;
}

void EditorWindow::updateNavigationButtons() {
    const int count = recordCount();
    const bool has = current_ >= 0 && count > 0;
    if (prevButton_) prevButton_->setEnabled(has && current_ > 0);
    if (nextButton_) nextButton_->setEnabled(has && current_ < count - 1);
    if (removeButton_) removeButton_->setEnabled(has);
    if (moveButton_) moveButton_->setEnabled(has && count > 1);
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(helpContext_);
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace lovaris::ui
