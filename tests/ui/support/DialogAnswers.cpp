#include "DialogAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace lovaris::test {

void ActOnNextDialog(std::function<void(QWidget* dialog)> act) {
    auto timer = std::make_shared<QTimer>();
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer.get(), &QTimer::timeout, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (++*tries > 500) timer->stop();  // five seconds: the dialog never came
            return;
        }
        timer->stop();
        act(modal);
    });
    timer->start();
}

void AnswerNextDialog(const QString& buttonObjectName, QString* seen) {
    ActOnNextDialog([buttonObjectName, seen](QWidget* dialog) {
        if (seen) {
            if (auto* text = dialog->findChild<QLabel*>(QStringLiteral("messageText"))) *seen = text->text();
        }
        if (auto* button = dialog->findChild<QAbstractButton*>(buttonObjectName))
            button->click();
        else
            dialog->close();
    });
}

}  // namespace lovaris::test
