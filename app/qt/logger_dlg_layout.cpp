// CLoggerDlg: building the window's parts and their colours.
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/qt/logger_dlg.h"
#include "app/qt/pictures.h"
#include "app/qt/qt_conversions.h"
#include "app/qt/views.h"
#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

QLabel* MakeLabel(QWidget* parent, const QString& name, int pixelSize, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

// A font of this height whose average character has this width (the narrow label fonts of the window).
QFont FontOfWidth(int pixelHeight, int characterWidth) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    const qreal natural = QFontMetricsF(font).averageCharWidth();
    if (natural > 0) font.setStretch(std::clamp(static_cast<int>(100 * characterWidth / natural), 50, 200));
    return font;
}

void SetTextColor(QWidget& widget, const QColor& color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, color);
    widget.setPalette(palette);
}

}  // namespace

void CLoggerDlg::BuildLayout() {
    setWindowTitle(QStringLiteral("Tallyhawk"));
    setWindowIcon(TallyhawkIcon());

    m_banner = MakeLabel(this, "banner", 22, true);
    m_banner->setFixedSize(kBannerSize);
    m_utcClock = new CUtcClock(
        m_clock, [this] { return m_session.Setup().timeShiftMinutes; }, this);
    m_utcClock->setObjectName("utcClock");
    QFont clockFont(QStringLiteral("Serif"));
    clockFont.setPixelSize(20);
    m_utcClock->setFont(clockFont);
    m_progressLabel = MakeLabel(this, "progress", 14, true);
    m_progressLabel->setMinimumWidth(60);
    m_progressLabel->setAutoFillBackground(true);
    auto* utcCaption = MakeLabel(this, "utcCaption", 14);
    utcCaption->setText(tr("UTC"));
    auto* top = new QHBoxLayout;
    top->addWidget(m_banner);
    top->addStretch(1);
    top->addWidget(m_progressLabel);
    top->addSpacing(12);
    top->addWidget(utcCaption);
    top->addWidget(m_utcClock);

    m_logView = new CGridCtrl(this);
    m_logView->setObjectName("logView");
    m_callLabel = MakeLabel(this, "callLabel", 14, true);
    m_callLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lookupView = new CGridCtrl(this);
    m_lookupView->setObjectName("lookupView");
    auto* history = new QVBoxLayout;
    history->setSpacing(2);
    history->addWidget(m_callLabel);
    history->addWidget(m_lookupView);
    history->addStretch(1);
    auto* views = new QHBoxLayout;
    views->addWidget(m_logView, 0, Qt::AlignTop);
    views->addSpacing(10);
    views->addLayout(history);
    views->addSpacing(10);
    // The known calls beside the history, clear of the entry row and of the score's texts.
    m_knownCalls = new CKnownCallsPanel(this);
    views->addWidget(m_knownCalls, 0, Qt::AlignTop);
    views->addStretch(1);

    m_scoreGrid = new CGridCtrl(this);
    m_scoreGrid->setObjectName("scoreGrid");
    m_scoreLabel = MakeLabel(this, "scoreLabel", 18, true);
    m_statusLabel = MakeLabel(this, "statusLabel", 18, true);
    m_noteLabel = MakeLabel(this, "noteLabel", 12);
    m_noteLabel->setWordWrap(true);
    // A note (a missing callbook library, settings not received) takes up to two lines.
    m_noteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_noteLabel->setMinimumHeight(2 * m_noteLabel->fontMetrics().lineSpacing());
    m_scoreCaption = MakeLabel(this, "scoreCaption", 14);
    m_rates = new CRatePanel(this);
    auto* information = new QVBoxLayout;
    information->addWidget(m_scoreCaption);
    information->addWidget(m_scoreLabel);
    information->addWidget(m_rates);
    information->addSpacing(10);
    information->addWidget(m_statusLabel);
    information->addWidget(m_noteLabel);
    information->addStretch(1);
    auto* callInfo = new QGridLayout;
    callInfo->setHorizontalSpacing(6);
    callInfo->setVerticalSpacing(2);
    for (std::size_t row = 0; row < m_infoValues.size(); ++row) {
        m_infoCaptions[row] = MakeLabel(this, QStringLiteral("callInfoCaption%1").arg(row), 13);
        m_infoCaptions[row]->setMinimumWidth(50);
        m_infoValues[row] = MakeLabel(this, QStringLiteral("callInfoValue%1").arg(row), 13);
        callInfo->addWidget(m_infoCaptions[row], static_cast<int>(row), 0);
        callInfo->addWidget(m_infoValues[row], static_cast<int>(row), 1);
    }
    callInfo->setColumnStretch(1, 1);
    callInfo->setRowStretch(static_cast<int>(m_infoValues.size()), 1);
    auto* score = new QHBoxLayout;
    score->addWidget(m_scoreGrid, 0, Qt::AlignTop);
    score->addSpacing(16);
    score->addLayout(information, 1);
    score->addLayout(callInfo, 1);

    m_entryRow = new CEntryRow(this);
    m_buttons = new CButtonBar(this);
    m_tray = new CTrayIcon(TallyhawkIcon(), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 16, 22, 16);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addLayout(views);
    layout->addLayout(score);
    layout->addWidget(m_entryRow);
    layout->addWidget(m_buttons);
    SetupLogView(*m_logView);
    SetupLookupView(*m_lookupView);
    Retranslate();
}

void CLoggerDlg::ApplyColors() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSkinColor);
    palette.setColor(QPalette::WindowText, ColorSetting(m_session, color::kColorText));
    setPalette(palette);
    const GridColors grid = GridColorsOf(m_session);
    for (CGridCtrl* view : {m_logView, m_lookupView, m_scoreGrid}) view->SetColors(grid);
    m_entryRow->SetColors(ColorSetting(m_session, color::kEditColorBack),
                          ColorSetting(m_session, color::kEditColorText));
    SetTextColor(*m_progressLabel, ColorSetting(m_session, color::kAlarmColor));
    m_knownCalls->SetColors(grid.back, grid.text, ColorSetting(m_session, color::kGridBackColorWorked));
}

QString CLoggerDlg::BannerName() const { return m_banner->accessibleName(); }

// A contest without a banner leaves the one shown.
void CLoggerDlg::ShowBanner() {
    const std::string& code = m_session.Setup().contest;
    if (code == m_bannerCode) return;
    m_bannerCode = code;
    if (const auto banner = ContestBanner(code)) {
        m_banner->setPixmap(*banner);
        m_banner->setAccessibleName(ToQString(ContestListNameForCode(code)));
    }
}

// The worked-before alarm is drawn larger than the multiplier status.
void CLoggerDlg::ShowStatus() {
    const auto& status = m_session.CurrentScreen().status;
    m_statusLabel->setText(ToQString(status.text));
    SetTextColor(*m_statusLabel, ColorSetting(m_session, status.color));
    m_statusLabel->setFont(status.font == StatusFont::Alarm ? FontOfWidth(14, 6) : FontOfWidth(12, 5));
}

void CLoggerDlg::Redraw() { Render(); }

void CLoggerDlg::Render() {
    const Screen& screen = m_session.CurrentScreen();
    ShowBanner();
    m_entryRow->ShowEntry(screen.entry);
    ShowLogView(*m_logView, m_session);
    ShowLookupView(*m_lookupView, m_session);
    ShowScoreGrid(*m_scoreGrid, m_session);
    m_callLabel->setText(ToQString(screen.callLabel));
    m_scoreLabel->setText(ToQString(screen.scoreLabel));
    m_rates->Show(screen.rates);
    m_knownCalls->Show(screen.knownCalls);
    ShowStatus();
    for (std::size_t row = 0; row < m_infoValues.size(); ++row) {
        m_infoCaptions[row]->setText(ToQString(screen.callInfo[row].caption));
        m_infoValues[row]->setText(ToQString(screen.callInfo[row].value));
        SetTextColor(*m_infoValues[row], ColorSetting(m_session, screen.callInfo[row].valueColor));
    }
}

}  // namespace tallyhawk
