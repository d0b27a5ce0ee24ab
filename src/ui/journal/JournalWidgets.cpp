#include "JournalWidgets.h"

#include <QDateEdit>
#include <QDialog>

#include "ui/common/HelpViewer.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {
namespace {

const QDate kSerialZero(1899, 12, 30);

}  // namespace

QDate DateOfSerial(SerialDate date) { return kSerialZero.addDays(date); }
SerialDate SerialOfDate(const QDate& date) { return static_cast<SerialDate>(kSerialZero.daysTo(date)); }
SerialDate TodaySerial() { return SerialOfDate(QDate::currentDate()); }

QPushButton* MakeJournalButton(QWidget* parent, const char* objectName, JournalText caption, JournalText hint) {
    auto* button = new QPushButton(Res(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(Res(hint));
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeJournalHelpButton(QWidget* dialog) {
    auto* button = MakeJournalButton(dialog, "HelpBtn", JournalText::HelpButton, JournalText::HelpHint);
    QObject::connect(button, &QPushButton::clicked, dialog, [dialog] { ShowHelpTopic(dialog, kJournalHelpTopic); });
    return button;
}

QDateEdit* MakeJournalDateEdit(QWidget* parent, const char* objectName, SerialDate date) {
    auto* edit = new QDateEdit(DateOfSerial(date), parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edit->setCalendarPopup(true);
    edit->setDateRange(DateOfSerial(kFirstJournalDate), DateOfSerial(kLastJournalDate));
    return edit;
}

}  // namespace lovaris::ui
