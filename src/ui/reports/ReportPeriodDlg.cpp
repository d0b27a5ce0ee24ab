#include "ReportPeriodDlg.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/common/JournalTexts.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

ReportPeriodDlg::ReportPeriodDlg(QWidget* parent, bool dayMode) : QDialog(parent), dayMode_(dayMode) {
    setObjectName(QStringLiteral("ReportPeriodDlg"));
    setWindowTitle(Res(dayMode ? JournalText::DayCaption : JournalText::PeriodCaption));
    const auto picker = [this](const char* name) {
        auto* edit = new QDateEdit(QDate::currentDate(), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        return edit;
    };
    from_ = picker("FromPicker");
    to_ = picker("ToPicker");
    auto* form = new QFormLayout;
    if (dayMode) {
        form->addRow(Res(JournalText::DateLabel), from_);
        to_->hide();
    } else {
        form->addRow(Res(JournalText::FromLabel), from_);
        form->addRow(Res(JournalText::ToLabel), to_);
    }
    auto* yes = new QPushButton(Res(JournalText::YesButton), this);
    yes->setObjectName(QStringLiteral("yesButton"));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(yes, 0, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(240, 0)));
}

QDate ReportPeriodDlg::from() const { return from_->date(); }
QDate ReportPeriodDlg::to() const { return dayMode_ ? from_->date() : to_->date(); }

}  // namespace lovaris::ui
