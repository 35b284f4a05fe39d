#pragma once

#include <QTimer>
#include <QWidget>

// A small looping animation (a turning arc) drawn while playing, on a transparent background.
// Its own timer keeps it turning while the UI thread waits without input (the reboot wait),
// since such waits still process timer and paint events.
class CQtAnimationWidget : public QWidget {
public:
    explicit CQtAnimationWidget(QWidget* parent);

    void SetPlaying(bool playing);
    bool IsPlaying() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    int m_nAngle = 0;
};
