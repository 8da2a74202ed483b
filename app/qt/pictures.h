// The program's own pictures, drawn rather than loaded: the hawk emblem, the icon, the splash picture,
// the head of the about box and a banner per contest.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <optional>
#include <string_view>

namespace tallyhawk {

// The hawk with spread wings over four tally marks and a stroke across them, filling `area`.
void DrawHawkEmblem(QPainter& painter, const QRectF& area, const QColor& hawk, const QColor& tally);

// A rounded dark square with the yellow hawk.
QIcon TallyhawkIcon();

// The start-up picture: emblem, name and what the program is.
QPixmap SplashPicture();

// The head of the about box.
QPixmap AboutPicture();

// The banner above the log view for a contest code: a small flag-like emblem and the contest's name.
// Nothing for a code that has no banner.
std::optional<QPixmap> ContestBanner(std::string_view code);

// The banner size, in device-independent pixels.
inline constexpr QSize kBannerSize{300, 40};

}  // namespace tallyhawk
