// The program's own pictures, drawn with QPainter so that they stay sharp at any scale.
#include "app/qt/pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

#include "app/qt/qt_conversions.h"
#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

const QColor kNight(0x1f, 0x2b, 0x36);
const QColor kDusk(0x34, 0x47, 0x58);
const QColor kHawkYellow(0xf6, 0xe0, 0x5e);
const QColor kPale(0xe6, 0xe6, 0xff);

enum class Emblem { Globe, Stripes, Columns, Disc, NordicCross, Cross, Stars, Wedge, Canton };

struct BannerLook {
    std::string_view code;
    Emblem emblem;
    std::array<QRgb, 3> colors;  // 0 ends a list of fewer than three
};

// Flag-like emblems in the colours of the organising country, a globe for the worldwide contests.
constexpr std::array<BannerLook, 20> kBannerLooks = {{
    {"CQ", Emblem::Globe, {0xff2b6cb0, 0xffe2e8f0, 0}},
    {"WPX", Emblem::Globe, {0xff6b46c1, 0xffe9d8fd, 0}},
    {"A10", Emblem::Canton, {0xffb22234, 0xffffffff, 0xff3c3b6e}},
    {"ARR", Emblem::Canton, {0xffb22234, 0xffffffff, 0xff3c3b6e}},
    {"UBD", Emblem::Columns, {0xff1a1a1a, 0xfffdda24, 0xffef3340}},
    {"REF", Emblem::Columns, {0xff0055a4, 0xffffffff, 0xffef4135}},
    {"JA", Emblem::Disc, {0xffffffff, 0xffbc002d, 0}},
    {"PAC", Emblem::Stripes, {0xffae1c28, 0xffffffff, 0xff21468b}},
    {"AAD", Emblem::Disc, {0xff2c5282, 0xfff6e05e, 0}},
    {"SP", Emblem::Stripes, {0xffffffff, 0xffdc143c, 0}},
    {"OKM", Emblem::Wedge, {0xffffffff, 0xffd7141a, 0xff11457e}},
    {"RS7", Emblem::Cross, {0xffffffff, 0xffc8102e, 0}},
    {"RS2", Emblem::Cross, {0xff012169, 0xffffffff, 0}},
    {"RUS", Emblem::Stripes, {0xffffffff, 0xff0039a6, 0xffd52b1e}},
    {"UKR", Emblem::Stripes, {0xff0057b7, 0xffffd700, 0}},
    {"CQM", Emblem::Globe, {0xffc53030, 0xfffed7d7, 0}},
    {"IAR", Emblem::Globe, {0xff2f855a, 0xffc6f6d5, 0}},
    {"OCE", Emblem::Stars, {0xff1a365d, 0xffffffff, 0}},
    {"SAC", Emblem::NordicCross, {0xff006aa7, 0xfffecc00, 0}},
    {"LZ", Emblem::Stripes, {0xffffffff, 0xff00966e, 0xffd62612}},
}};

QPixmap NewPixmap(QSize size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

int ColorCount(const BannerLook& look) {
    int count = 0;
    while (count < 3 && look.colors[static_cast<std::size_t>(count)] != 0) ++count;
    return count;
}

QColor ColorAt(const BannerLook& look, int index) {
    return QColor::fromRgb(look.colors[static_cast<std::size_t>(index)]);
}

void DrawGlobe(QPainter& painter, const QRectF& area, const BannerLook& look) {
    const qreal size = area.height();
    const QRectF globe(area.center().x() - size / 2, area.top(), size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorAt(look, 0));
    painter.drawEllipse(globe);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ColorAt(look, 1), 1.2));
    for (const qreal share : {0.35, 0.75}) {
        const qreal width = size * share;
        painter.drawEllipse(QRectF(globe.center().x() - width / 2, globe.top(), width, size));
    }
    painter.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
    for (const qreal share : {0.3, 0.5, 0.7}) {
        const qreal y = globe.top() + size * share;
        const qreal half = std::sqrt(0.25 - (share - 0.5) * (share - 0.5)) * size;
        painter.drawLine(QPointF(globe.center().x() - half, y), QPointF(globe.center().x() + half, y));
    }
    painter.drawEllipse(globe);
}

void DrawStar(QPainter& painter, const QPointF& centre, qreal radius) {
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const qreal angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const qreal reach = point % 2 == 0 ? radius : radius * 0.45;
        const QPointF at = centre + QPointF(std::cos(angle) * reach, std::sin(angle) * reach);
        point == 0 ? star.moveTo(at) : star.lineTo(at);
    }
    star.closeSubpath();
    painter.drawPath(star);
}

// The flag-like emblems: a background and one figure over it.
void DrawFlag(QPainter& painter, const QRectF& area, const BannerLook& look) {
    const int count = ColorCount(look);
    const qreal w = area.width(), h = area.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorAt(look, 0));
    painter.drawRect(area);
    for (int i = 1; i < count && (look.emblem == Emblem::Stripes || look.emblem == Emblem::Columns); ++i) {
        painter.setBrush(ColorAt(look, i));
        if (look.emblem == Emblem::Stripes) {
            painter.drawRect(QRectF(area.left(), area.top() + h * i / count, w, h / count + 0.5));
        } else {
            painter.drawRect(QRectF(area.left() + w * i / count, area.top(), w / count + 0.5, h));
        }
    }
    painter.setBrush(ColorAt(look, count - 1));
    const QPointF c = area.center();
    switch (look.emblem) {
        case Emblem::Disc:
            painter.drawEllipse(c, h * 0.3, h * 0.3);
            break;
        case Emblem::Cross:
            painter.drawRect(QRectF(area.left(), c.y() - h * 0.1, w, h * 0.2));
            painter.drawRect(QRectF(c.x() - h * 0.1, area.top(), h * 0.2, h));
            break;
        case Emblem::NordicCross:
            painter.drawRect(QRectF(area.left(), c.y() - h * 0.1, w, h * 0.2));
            painter.drawRect(QRectF(area.left() + w * 0.3, area.top(), h * 0.2, h));
            break;
        case Emblem::Wedge:
            painter.setBrush(ColorAt(look, 1));
            painter.drawRect(QRectF(area.left(), c.y(), w, h / 2));
            painter.setBrush(ColorAt(look, 2));
            painter.drawPolygon(QPolygonF({area.topLeft(), QPointF(c.x(), c.y()), area.bottomLeft()}));
            break;
        case Emblem::Canton:
            painter.setBrush(ColorAt(look, 1));
            for (int stripe = 1; stripe < 7; stripe += 2)
                painter.drawRect(QRectF(area.left(), area.top() + h * stripe / 7, w, h / 7));
            painter.setBrush(ColorAt(look, 2));
            painter.drawRect(QRectF(area.left(), area.top(), w * 0.42, h * 4 / 7));
            break;
        case Emblem::Stars:
            for (const QPointF share : {QPointF(0.3, 0.3), QPointF(0.55, 0.2), QPointF(0.7, 0.55),
                                        QPointF(0.45, 0.75), QPointF(0.55, 0.5)}) {
                DrawStar(painter, area.topLeft() + QPointF(w * share.x(), h * share.y()), h * 0.1);
            }
            break;
        default:
            break;
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1));
    painter.drawRect(area);
}

const BannerLook* LookFor(std::string_view code) {
    for (const BannerLook& look : kBannerLooks) {
        if (look.code == code) return &look;
    }
    return nullptr;
}

// One wing of the hawk, the left one, in a 200 x 110 box; the right one is its mirror image.
QPolygonF LeftHalfOfTheHawk() {
    return QPolygonF({{100, 4}, {95, 6},  {91, 11}, {91, 17}, {93, 22}, {88, 28}, {70, 26},
                      {45, 14}, {18, 6},  {2, 8},   {14, 16}, {8, 22},  {26, 27}, {20, 33},
                      {40, 36}, {36, 43}, {58, 43}, {56, 50}, {76, 50}, {84, 56}, {87, 74},
                      {76, 92}, {88, 90}, {94, 95}, {100, 92}});
}

// The evening sky behind the pictures, from the top down to `height`.
QLinearGradient DuskToNight(qreal height) {
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, kDusk);
    sky.setColorAt(1, kNight);
    return sky;
}

// The program's name in yellow with a line or two under it, from `at` (the name's top left).
void DrawName(QPainter& painter, const QPointF& at, int pixelSize, const QString& subtitle) {
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kHawkYellow);
    painter.drawText(QRectF(at, QSizeF(230, pixelSize * 1.3)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tallyhawk"));
    font.setPixelSize(std::max(13, pixelSize * 3 / 8));
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(kPale);
    painter.drawText(QRectF(at + QPointF(3, pixelSize * 1.35), QSizeF(230, 60)), Qt::AlignLeft | Qt::AlignTop,
                     subtitle);
}

}  // namespace

void DrawHawkEmblem(QPainter& painter, const QRectF& area, const QColor& hawk, const QColor& tally) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = std::min(area.width() / 200.0, area.height() / 130.0);
    painter.translate(area.center() - QPointF(100 * scale, 65 * scale));
    painter.scale(scale, scale);
    painter.setPen(QPen(tally, 7, Qt::SolidLine, Qt::RoundCap));
    for (int mark = 0; mark < 4; ++mark)
        painter.drawLine(QPointF(62 + 25 * mark, 98), QPointF(62 + 25 * mark, 126));
    painter.drawLine(QPointF(50, 122), QPointF(150, 102));
    QPolygonF outline = LeftHalfOfTheHawk();
    const QPolygonF left = outline;
    for (auto point = left.rbegin(); point != left.rend(); ++point)
        outline << QPointF(200 - point->x(), point->y());
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    painter.setPen(QPen(hawk.darker(160), 1.5));
    painter.setBrush(hawk);
    painter.drawPath(path);
    painter.restore();
}

QIcon TallyhawkIcon() {
    constexpr int kSize = 64;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kHawkYellow.darker(130), 2));
    painter.setBrush(kNight);
    painter.drawRoundedRect(QRectF(2, 2, kSize - 4, kSize - 4), 14, 14);
    DrawHawkEmblem(painter, QRectF(6, 8, kSize - 12, kSize - 16), kHawkYellow, kPale);
    return QIcon(pixmap);
}

QPixmap SplashPicture() {
    const QSize size(440, 260);
    QPixmap pixmap = NewPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kSkinColor, 3));
    painter.setBrush(DuskToNight(size.height()));
    painter.drawRoundedRect(QRectF(1.5, 1.5, size.width() - 3, size.height() - 3), 28, 28);
    DrawHawkEmblem(painter, QRectF(18, 45, 170, 140), kHawkYellow, kPale);
    DrawName(painter, QPointF(204, 70), 40,
             QGuiApplication::translate("Pictures", "HF contest logger\nversion 1.3"));
    return pixmap;
}

QPixmap AboutPicture() {
    const QSize size(380, 96);
    QPixmap pixmap = NewPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNight);
    painter.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 16, 16);
    DrawHawkEmblem(painter, QRectF(14, 8, 110, 80), kHawkYellow, kPale);
    DrawName(painter, QPointF(140, 14), 30,
             QGuiApplication::translate("Pictures", "HF contest logger, version 1.3"));
    return pixmap;
}

std::optional<QPixmap> ContestBanner(std::string_view code) {
    const BannerLook* look = LookFor(code);
    if (!look) return std::nullopt;
    QPixmap pixmap = NewPixmap(kBannerSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 50), 1));
    painter.setBrush(DuskToNight(kBannerSize.height()));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kBannerSize.width() - 1, kBannerSize.height() - 1), 9, 9);
    const QRectF emblem(12, 8, 36, 24);
    look->emblem == Emblem::Globe ? DrawGlobe(painter, emblem, *look) : DrawFlag(painter, emblem, *look);
    QFont font = painter.font();
    font.setPixelSize(19);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kPale);
    painter.drawText(QRectF(60, 0, kBannerSize.width() - 68, kBannerSize.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, ToQString(ContestListNameForCode(code)));
    return pixmap;
}

}  // namespace tallyhawk
