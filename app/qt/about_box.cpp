// CAboutBox: the picture and the scrolling text.
#include "app/qt/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/qt/pictures.h"

namespace tallyhawk {

CScrollingText::CScrollingText(QStringList lines, QWidget* parent)
    : QWidget(parent), m_lines(std::move(lines)), m_timer(this) {
    setFixedSize(380, 9 * kLineHeight);
    connect(&m_timer, &QTimer::timeout, this, &CScrollingText::Tick);
    m_timer.start(kTickMilliseconds);
}

void CScrollingText::Tick() {
    ++m_ticks;
    update();
}

// Line n enters at tick n * kLineHeight and rises one pixel a tick until it has left at the top.
std::vector<CScrollingText::Entered> CScrollingText::OnScreen() const {
    std::vector<Entered> shown;
    const long long newest = m_ticks / kLineHeight;
    for (long long number = newest; number >= 0; --number) {
        const long long risen = m_ticks - number * kLineHeight;
        if (risen > height() + kLineHeight) break;
        shown.push_back(Entered{number, static_cast<int>(risen)});
    }
    return shown;
}

QStringList CScrollingText::VisibleLines() const {
    QStringList lines;
    const auto shown = OnScreen();
    for (auto entered = shown.rbegin(); entered != shown.rend(); ++entered) {
        if (entered->risen > 0) lines << m_lines.at(static_cast<int>(entered->number % m_lines.size()));
    }
    return lines;
}

void CScrollingText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x1f, 0x2b, 0x36));
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(230, 230, 255));
    for (const Entered& entered : OnScreen()) {
        const QRect line(0, height() - entered.risen, width(), kLineHeight);
        painter.drawText(line, Qt::AlignCenter, m_lines.at(static_cast<int>(entered.number % m_lines.size())));
    }
}

QStringList CAboutBox::Lines() {
    return {tr("Tallyhawk 1.3"),
            QString(),
            tr("A logger for amateur-radio HF contests"),
            tr("twenty contests on six bands"),
            tr("in CW, Phone, RTTY and PSK."),
            QString(),
            tr("Type the call, the time and the exchange;"),
            tr("Enter logs the contact."),
            QString(),
            tr("Duplicates are flagged while you type,"),
            tr("new multipliers show at once,"),
            tr("and the score runs band by band."),
            QString(),
            tr("Every contact is on disk"),
            tr("the moment it is logged."),
            QString(),
            tr("Good luck in the contest, and 73!"),
            QString()};
}

CAboutBox::CAboutBox(QWidget* parent) : CSkinDialog(parent) {
    setWindowTitle(tr("About Tallyhawk"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    auto* picture = new QLabel(this);
    picture->setPixmap(AboutPicture());
    layout->addWidget(picture);
    m_text = new CScrollingText(Lines(), this);
    layout->addWidget(m_text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tallyhawk
