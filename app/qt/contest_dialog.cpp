// CContestDialog: the contest setup dialog.
#include "app/qt/contest_dialog.h"

#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"
#include "core/band.h"
#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

QStringList ContestNames() {
    QStringList names;
    for (const Contest* contest : AllContests()) names << ToQString(contest->listName);
    return names;
}

QStringList BandTexts() {
    QStringList texts;
    for (const Band band : kBands) texts << ToQString(BandListText(band));
    return texts;
}

}  // namespace

CContestDialog::CContestDialog(SettingsBackend& store, Clock clock, QWidget* parent)
    : QDialog(parent), m_store(store), m_clock(std::move(clock)) {
    setWindowTitle(QStringLiteral("Contest"));
    const ContestDialogValues values = OpenContestDialog(m_store, m_clock());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_contest = AddChoice(*form, QStringLiteral("Contest"), ContestNames(), values.contestName);
    m_band = AddChoice(*form, QStringLiteral("Band"), BandTexts(), values.bandText);
    m_mode = AddChoice(*form, QStringLiteral("Mode"), {"CW", "Phone", "PSK", "RTTY"}, values.modeText);
    m_year = AddField(*form, QStringLiteral("Year"), values.year, 4, Characters::Digits);
    m_month = AddField(*form, QStringLiteral("Month"), values.month, 2, Characters::Digits);
    m_day = AddField(*form, QStringLiteral("Day"), values.day, 2, Characters::Digits);
    m_currentTime = new QCheckBox(QStringLiteral("Current time (the time field follows the clock)"));
    m_currentTime->setObjectName("Current time");
    m_currentTime->setChecked(values.currentTime);
    form->addRow(m_currentTime);
    layout->addLayout(form);
    connect(m_currentTime, &QCheckBox::toggled, this, [this](bool on) {
        ContestDialogValues shown = Values();
        SetCurrentTimeMark(shown, on, m_clock());
        ShowDate(shown);
    });
    connect(AddButtons(*this, *layout, true), &QDialogButtonBox::accepted, this, &CContestDialog::Accept);
}

ContestDialogValues CContestDialog::Values() const {
    return ContestDialogValues{TextOf(*m_contest),        TextOf(*m_band),  TextOf(*m_mode),
                               TextOf(*m_year),           TextOf(*m_month), TextOf(*m_day),
                               m_currentTime->isChecked()};
}

void CContestDialog::ShowDate(const ContestDialogValues& values) {
    m_year->setText(ToQString(values.year));
    m_month->setText(ToQString(values.month));
    m_day->setText(ToQString(values.day));
}

void CContestDialog::Accept() {
    m_message = ApplyContestDialog(m_store, Values(), m_clock());
    accept();
}

}  // namespace tallyhawk
