#include "TViewZameshDlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "JournalCellDelegate.h"
#include "JournalWidgets.h"
#include "THealthTeacherDlg.h"
#include "TIllTeacherDlg.h"
#include "TSelDateDlg.h"
#include "TZamRprtDlg.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

QToolButton* speedButton(QWidget* parent, const char* name, const QString& glyph, JournalText hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(glyph);
    button->setToolTip(Res(hint));
    button->setAutoRaise(true);
    button->setMinimumSize(28, 28);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    button->setFont(font);
    return button;
}

QStringList subjectNames(const JournalTimetable* timetable) {
    QStringList names;
    if (timetable)
        for (const auto& name : timetable->SubjectNames()) names << Text(name);
    return names;
}

}  // namespace

TViewZameshDlg::TViewZameshDlg(QWidget* owner, SubstitutionArchive& archive, const JournalTimetable* timetable,
                               SerialDate today)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMaximizeButtonHint),
      archive_(archive),
      day_(archive, timetable) {
    setObjectName(QStringLiteral("viewZameshDialog"));
    setWindowTitle(Res(JournalText::JournalCaption));
    setProperty("helpContext", kJournalHelpTopic);

    date_ = MakeJournalDateEdit(this, "DateTimePicker", today);
    weekday_ = new QLineEdit(this);
    weekday_->setObjectName(QStringLiteral("DayEdit"));
    weekday_->setReadOnly(true);
    weekday_->setFocusPolicy(Qt::NoFocus);
    // As wide as the longest weekday name, no wider.
    weekday_->setFixedWidth(weekday_->fontMetrics().horizontalAdvance(QStringLiteral("Понедельник")) + 24);
    date_->setMinimumWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 40);
    auto* add = speedButton(this, "AddRecButton", QStringLiteral("+"), JournalText::AddRecordHint);
    auto* del = speedButton(this, "DelRecButton", QStringLiteral("−"), JournalText::DeleteRecordHint);
    connect(add, &QToolButton::clicked, this, &TViewZameshDlg::AddRecButtonClick);
    connect(del, &QToolButton::clicked, this, &TViewZameshDlg::DelRecButtonClick);
    auto* top = new QHBoxLayout;
    auto* dateLabel = new QLabel(Res(JournalText::DateLabel), this);
    dateLabel->setBuddy(date_);
    auto* dayLabel = new QLabel(Res(JournalText::WeekdayLabel), this);
    dayLabel->setBuddy(weekday_);
    top->addWidget(dateLabel);
    top->addWidget(date_);
    top->addSpacing(12);
    top->addWidget(dayLabel);
    top->addWidget(weekday_);
    top->addStretch();
    top->addWidget(add);
    top->addWidget(del);

    model_ = new JournalTableModel(day_, this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("ZameshGrid"));
    grid_->setModel(model_);
    grid_->setItemDelegate(new JournalCellDelegate(subjectNames(timetable), [this](int row) { ChooseSubstitute(row); }, grid_));
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    // "Каб." as wide as a room name such as "Кабинет 12", the names a little narrower.
    const int widths[kJournalColumns] = {44, 175, 150, 60, 110, 120, 175, 150, 120};
    for (int c = 0; c < kJournalColumns; ++c) grid_->setColumnWidth(c, widths[c]);

    auto* report = MakeJournalButton(this, "ReportBtn", JournalText::ReportButton, JournalText::ReportHint);
    connect(report, &QPushButton::clicked, this, &TViewZameshDlg::ReportBtnClick);
    auto* close = MakeJournalButton(this, "CloseBtn", JournalText::CloseButton, JournalText::CloseHint);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(report);
    buttons->addStretch();
    buttons->addWidget(MakeJournalHelpButton(this));
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(1140, 460);

    connect(model_, &JournalTableModel::editRefused, this, &TViewZameshDlg::editRefused);
    connect(date_, &QDateEdit::dateChanged, this, [this](const QDate& date) { showDate(SerialOfDate(date)); });
    showDate(today);
}

void TViewZameshDlg::refused(const JournalOutcome& outcome) {
    if (!outcome.done) ShowMessageText(this, Text(outcome.message));
}

void TViewZameshDlg::editRefused(const QModelIndex& index, const QString& typed, const QString& message) {
    const QPersistentModelIndex cell(index);
    // Once the editor that committed has closed.
    QTimer::singleShot(0, this, [this, cell, typed, message] {
        ShowMessageText(this, message);
        if (!cell.isValid() || !isVisible()) return;
        grid_->setCurrentIndex(cell);
        grid_->edit(cell);
        QWidget* editor = grid_->indexWidget(cell);
        if (auto* box = qobject_cast<QComboBox*>(editor))
            box->setEditText(typed);
        else if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setText(typed);
    });
}

void TViewZameshDlg::showDate(SerialDate date) {
    const auto outcome = day_.Show(date);
    if (!outcome.done) {
        // The day could not be saved: it stays shown with its changes.
        refused(outcome);
        const QSignalBlocker still(date_);
        date_->setDate(DateOfSerial(day_.date()));
    }
    weekday_->setText(Text(WeekdayTitle(day_.date())));
    model_->refresh();
}

void TViewZameshDlg::AddRecButtonClick() {
    if (!day_.timetable()) return;
    TIllTeacherDlg dialog(this, *day_.timetable(), day_.weekday());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedTeacher() < 0) return;
    refused(day_.AddAbsence(dialog.selectedTeacher(), dialog.tickedLines()));
    model_->refresh();
}

void TViewZameshDlg::DelRecButtonClick() {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || !day_.CanDelete(current.row())) return;
    if (ShowMessageId(this, TextId::ConfirmDeleteRecord, kButtonsYesNo) != kResultYes) return;
    day_.DeleteRow(current.row());
    model_->refresh();
}

void TViewZameshDlg::ChooseSubstitute(int row) {
    std::string message;
    const auto lesson = day_.LessonOfRow(row, &message);
    if (!lesson) {
        ShowMessageText(this, Text(message));
        return;
    }
    THealthTeacherDlg dialog(this, *day_.timetable(), day_.busy(), *lesson);
    if (dialog.exec() != QDialog::Accepted) return;
    if (const auto chosen = dialog.chosen()) {
        day_.SetSubstitute(row, *chosen);
        model_->refresh();
    }
}

void TViewZameshDlg::ReportBtnClick() {
    TSelDateDlg period(this, false, TodaySerial());
    if (period.exec() != QDialog::Accepted) return;
    TZamRprtDlg summary(this, SummarisePeriod(archive_, period.from(), period.to()));
    summary.exec();
}

void TViewZameshDlg::done(int result) {
    refused(day_.SaveIfChanged());
    QDialog::done(result);
}

}  // namespace lovaris::ui
