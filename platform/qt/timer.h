// A timer control: ticks every `period` milliseconds while the period is above 0.
#pragma once
#include <QObject>
#include <QTimer>

namespace marevisk {

class Timer : public QObject {
    Q_OBJECT
  public:
    explicit Timer(QObject* parent) : QObject(parent) {
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &Timer::tick);
    }
    int period() const { return period_; }
    // Negative counts as 0; writing the current value leaves a running timer alone.
    void setPeriod(int period) {
        if (period < 0) period = 0;
        if (period == period_) return;
        period_ = period;
        timer_.stop();
        if (period > 0) timer_.start(period);
    }

  signals:
    void tick();

  private:
    QTimer timer_;
    int period_ = 0;
};

}  // namespace marevisk
