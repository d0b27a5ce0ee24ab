#include "TSelDateDlg.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "JournalWidgets.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TSelDateDlg::TSelDateDlg(QWidget* owner, bool dayMode, SerialDate today)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dayMode_(dayMode) {
    setObjectName(QStringLiteral("selDateDialog"));
    setWindowTitle(Res(dayMode ? JournalText::DayCaption : JournalText::PeriodCaption));
    setProperty("helpContext", kJournalHelpTopic);

    from_ = MakeJournalDateEdit(this, "FromPicker", today);
    to_ = MakeJournalDateEdit(this, "ToPicker", today);
    auto* fields = new QGridLayout;
    auto* fromLabel = new QLabel(Res(dayMode ? JournalText::DateLabel : JournalText::FromLabel), this);
    fromLabel->setBuddy(from_);
    fields->addWidget(fromLabel, 0, 0);
    fields->addWidget(from_, 0, 1);
    if (dayMode) {
        to_->hide();
    } else {
        auto* toLabel = new QLabel(Res(JournalText::ToLabel), this);
        toLabel->setBuddy(to_);
        fields->addWidget(toLabel, 1, 0);
        fields->addWidget(to_, 1, 1);
    }
    fields->setColumnStretch(1, 1);

    auto* yes = MakeJournalButton(this, "yesButton", JournalText::YesButton, JournalText::YesHint);
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(240);
    adjustSize();
}

SerialDate TSelDateDlg::from() const { return SerialOfDate(from_->date()); }
SerialDate TSelDateDlg::to() const { return dayMode_ ? from() : SerialOfDate(to_->date()); }

}  // namespace lovaris::ui
