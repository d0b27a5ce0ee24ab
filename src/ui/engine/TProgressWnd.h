#pragma once
// "Пожалуйста, подождите...": shown while an optimisation lists the day variants of
// every class and pairs them up. The label names the stage and the class at work,
// the gauge how far the stage has come; "Отмена" (also Escape, also closing the
// window) asks the run to stop.
//
//   TProgressWnd progress(window, 2, [&] { state.abortRequested = true; });
//   progress.SetStage(1, klassCount);  progress.SetStep(k, className);
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace lovaris::ui {

class HourglassAnimation;

class TProgressWnd : public QDialog {
    Q_OBJECT
public:
    TProgressWnd(QWidget* workspace, int stages, std::function<void()> onCancel);

    void SetStage(int stage, int maximum);
    void SetStep(int position, const QString& item);

    QLabel* stageLabel() const { return label_; }
    QProgressBar* gauge() const { return gauge_; }
    HourglassAnimation* animation() const { return animation_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void reject() override;  // Escape and the close box: "Отмена"
    void showEvent(QShowEvent* event) override;

private:
    void fitText();

    int stages_;
    int stage_ = 1;
    std::function<void()> onCancel_;
    QLabel* label_;
    QProgressBar* gauge_;
    HourglassAnimation* animation_;
    QPushButton* cancel_;
};

}  // namespace lovaris::ui
