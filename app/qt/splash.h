// The start-up picture, shown before the main window for three seconds; the first tick of its timer closes it.
#pragma once

#include <chrono>

namespace tallyhawk {

inline constexpr std::chrono::milliseconds kSplashTime{3000};

// Shows the picture and waits, handling events, until the time is up or the application is told to exit.
void ShowSplash(std::chrono::milliseconds time = kSplashTime);

}  // namespace tallyhawk
