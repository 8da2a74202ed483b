// CUtcClock: the UTC clock of the main window, redrawn every second as hh:mm:ss from the local clock
// moved by the time shift.
#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>

#include "core/clock.h"

namespace tallyhawk {

class CUtcClock : public QLabel {
    Q_OBJECT
public:
    // `timeShiftMinutes` gives the shift in force at each tick.
    CUtcClock(Clock clock, std::function<int()> timeShiftMinutes, QWidget* parent = nullptr);

    void Tick();

private:
    Clock m_clock;
    std::function<int()> m_timeShiftMinutes;
    QTimer m_timer;
};

}  // namespace tallyhawk
