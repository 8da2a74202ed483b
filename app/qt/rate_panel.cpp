// CRatePanel: two captions and their rates.
#include "app/qt/rate_panel.h"

#include <QGridLayout>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(13);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QString PerHourText(int rate) { return QString::number(rate) + QStringLiteral("/h"); }

}  // namespace

CRatePanel::CRatePanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(1);
    m_lastTen = MakeLabel(this, QStringLiteral("rateLastTen"), true);
    m_lastHour = MakeLabel(this, QStringLiteral("rateLastHour"), true);
    QLabel* captions[] = {MakeLabel(this, QStringLiteral("rateLastTenCaption"), false),
                          MakeLabel(this, QStringLiteral("rateLastHourCaption"), false)};
    captions[0]->setText(ToQString(kLastTenRateText));
    captions[1]->setText(ToQString(kLastHourRateText));
    layout->addWidget(captions[0], 0, 0);
    layout->addWidget(m_lastTen, 0, 1);
    layout->addWidget(captions[1], 1, 0);
    layout->addWidget(m_lastHour, 1, 1);
    layout->setColumnStretch(2, 1);
    Show({});
}

void CRatePanel::Show(const ContactRates& rates) {
    m_lastTen->setText(PerHourText(rates.lastTen));
    m_lastHour->setText(PerHourText(rates.lastHour));
}

}  // namespace tallyhawk
