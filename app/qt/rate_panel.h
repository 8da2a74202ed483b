// CRatePanel: the contact rates beside the claimed score, contacts per hour over the last 10 contacts
// and over the last 60 minutes.
#pragma once

#include <QLabel>
#include <QWidget>

#include "database/contact_rate.h"

namespace tallyhawk {

class CRatePanel : public QWidget {
public:
    explicit CRatePanel(QWidget* parent = nullptr);

    void Show(const ContactRates& rates);

    QLabel& LastTen() { return *m_lastTen; }
    QLabel& LastHour() { return *m_lastHour; }

private:
    QLabel* m_lastTen = nullptr;
    QLabel* m_lastHour = nullptr;
};

}  // namespace tallyhawk
