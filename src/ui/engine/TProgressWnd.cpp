#include "TProgressWnd.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "EngineDialogButtons.h"
#include "HourglassAnimation.h"
#include "core/views/OptimisationProgress.h"
#include "ui/common/TErrorBox.h"

namespace lovaris::ui {

TProgressWnd::TProgressWnd(QWidget* workspace, int stages, std::function<void()> onCancel)
    : QDialog(workspace, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      stages_(stages),
      onCancel_(std::move(onCancel)) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(Res(EngineDialogText::ProgressCaption));
    setModal(false);

    animation_ = new HourglassAnimation(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("stageLabel"));
    label_->setMinimumWidth(300);
    gauge_ = new QProgressBar(this);
    gauge_->setObjectName(QStringLiteral("gauge"));
    gauge_->setTextVisible(false);
    cancel_ = MakeEngineButton(this, "cancelButton", EngineDialogText::ProgressCancelButton,
                               EngineDialogText::ProgressCancelHint);
    connect(cancel_, &QPushButton::clicked, this, &TProgressWnd::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(animation_, 0, 0, 2, 1, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(label_, 0, 1);
    layout->addWidget(gauge_, 1, 1);
    layout->addWidget(cancel_, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    SetStage(1, 0);
}

void TProgressWnd::SetStage(int stage, int maximum) {
    stage_ = stage;
    label_->setText(QString::fromStdString(ProgressStageText(stage, stages_)));
    fitText();
    gauge_->setRange(0, std::max(maximum, 1));  // an empty stage shows an empty gauge, not a busy one
    gauge_->setValue(0);
}

void TProgressWnd::SetStep(int position, const QString& item) {
    label_->setText(QString::fromStdString(ProgressStageText(stage_, stages_, item.toStdString())));
    fitText();
    gauge_->setValue(position);
}

void TProgressWnd::fitText() {
    // A long step ("улучшение недели: ...") widens the window instead of being cut; it never
    // narrows again, so the window does not jump from step to step.
    const QSize wanted = sizeHint().expandedTo(size());
    if (wanted != size()) resize(wanted);
}

void TProgressWnd::reject() {
    // The run ends at its next look at the flag and closes this window itself.
    if (onCancel_) onCancel_();
}

void TProgressWnd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace lovaris::ui
