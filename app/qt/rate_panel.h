// CRatePanel: the contact rates beside the claimed score, contacts per hour over the last 10 contacts
// and over the last 60 minutes.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "database/contact_rate.h"

namespace tallyhawk {

class CRatePanel : public QWidget {
    Q_OBJECT
public:
    explicit CRatePanel(QWidget* parent = nullptr);

    void Show(const ContactRates& rates);

    QLabel& LastTen() { return *m_lastTen; }
    QLabel& LastHour() { return *m_lastHour; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QLabel* m_lastTen = nullptr;
    QLabel* m_lastHour = nullptr;
    std::array<QLabel*, 2> m_captions{};
    ContactRates m_rates{};
};

}  // namespace tallyhawk
