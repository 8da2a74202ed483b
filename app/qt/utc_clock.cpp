// CUtcClock: the UTC clock of the main window.
#include "app/qt/utc_clock.h"

#include "app/qt/qt_conversions.h"
#include "app/session/time_field.h"

namespace tallyhawk {

CUtcClock::CUtcClock(Clock clock, std::function<int()> timeShiftMinutes, QWidget* parent)
    : QLabel(parent), m_clock(std::move(clock)), m_timeShiftMinutes(std::move(timeShiftMinutes)) {
    constexpr int kTickMilliseconds = 1000;
    connect(&m_timer, &QTimer::timeout, this, &CUtcClock::Tick);
    m_timer.start(kTickMilliseconds);
    Tick();
}

void CUtcClock::Tick() {
    const ClockReading now = m_clock();
    // The hours and minutes wrap around midnight like the time field's clock fill; the seconds follow.
    setText(ToQString(ClockTimeText(now, m_timeShiftMinutes()) + ":" + TwoDigits(now.second)));
}

}  // namespace tallyhawk
