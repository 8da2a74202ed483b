// CRatePanel: two captions and their rates.
#include "app/qt/rate_panel.h"

#include <QCoreApplication>
#include <QEvent>
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

// The captions are the command line's texts, translated here.
constexpr const char* kLastTenCaption = QT_TRANSLATE_NOOP("tallyhawk::CRatePanel", "Last 10 QSOs");
constexpr const char* kLastHourCaption = QT_TRANSLATE_NOOP("tallyhawk::CRatePanel", "Last 60 minutes");
static_assert(kLastTenRateText == kLastTenCaption && kLastHourRateText == kLastHourCaption);

}  // namespace

CRatePanel::CRatePanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(1);
    m_lastTen = MakeLabel(this, QStringLiteral("rateLastTen"), true);
    m_lastHour = MakeLabel(this, QStringLiteral("rateLastHour"), true);
    m_captions = {MakeLabel(this, QStringLiteral("rateLastTenCaption"), false),
                  MakeLabel(this, QStringLiteral("rateLastHourCaption"), false)};
    layout->addWidget(m_captions[0], 0, 0);
    layout->addWidget(m_lastTen, 0, 1);
    layout->addWidget(m_captions[1], 1, 0);
    layout->addWidget(m_lastHour, 1, 1);
    layout->setColumnStretch(2, 1);
    Retranslate();
}

void CRatePanel::Show(const ContactRates& rates) {
    m_rates = rates;
    //: contacts per hour
    m_lastTen->setText(tr("%1/h").arg(rates.lastTen));
    m_lastHour->setText(tr("%1/h").arg(rates.lastHour));
}

void CRatePanel::Retranslate() {
    m_captions[0]->setText(tr(kLastTenCaption));
    m_captions[1]->setText(tr(kLastHourCaption));
    Show(m_rates);
}

void CRatePanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

}  // namespace tallyhawk
