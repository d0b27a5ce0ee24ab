#pragma once
// The picture that shows a long preparation is alive: an hourglass in five pictures,
// its sand running down and the glass turning over, one picture every 500 ms.
#include <QTimer>
#include <QWidget>

namespace lovaris::ui {

class HourglassAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPictures = 5;
    static constexpr int kIntervalMs = 500;

    explicit HourglassAnimation(QWidget* parent = nullptr);
    int picture() const { return picture_; }
    QTimer* timer() { return &timer_; }
    QSize sizeHint() const override { return {40, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int picture_ = 0;
};

// Picture 0..4 at the given size: 0 full on top, 1 and 2 running down, 3 all below,
// 4 turning over.
void DrawHourglass(QPainter& painter, const QRect& rect, int picture);

}  // namespace lovaris::ui
