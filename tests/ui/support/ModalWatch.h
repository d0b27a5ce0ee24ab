#pragma once
// Answers every modal box shown while it lives with one button and remembers the
// boxes' texts, so that a test also sees a question it did not expect.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace lovaris::test {

class ModalWatch {
public:
    explicit ModalWatch(QString button) : button_(std::move(button)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) return;
            auto* text = modal->findChild<QLabel*>(QStringLiteral("messageText"));
            seen.append(text ? text->text() : modal->windowTitle());
            if (auto* b = modal->findChild<QAbstractButton*>(button_))
                b->click();
            else
                modal->close();
        });
        timer_.start(10);
    }
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;

    QStringList seen;

private:
    QString button_;
    QTimer timer_;
};

}  // namespace lovaris::test
