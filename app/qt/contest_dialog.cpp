// CContestDialog: the contest setup dialog.
#include "app/qt/contest_dialog.h"

#include <QEvent>
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
    : CSkinDialog(parent), m_store(store), m_clock(std::move(clock)) {
    const ContestDialogValues values = OpenContestDialog(m_store, m_clock());
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_contest = AddChoice(*m_form, QStringLiteral("Contest"), ContestNames(), values.contestName);
    m_band = AddChoice(*m_form, QStringLiteral("Band"), BandTexts(), values.bandText);
    m_mode = AddChoice(*m_form, QStringLiteral("Mode"), {"CW", "Phone", "PSK", "RTTY"}, values.modeText);
    m_year = AddField(*m_form, QStringLiteral("Year"), values.year, 4, Characters::Digits);
    m_month = AddField(*m_form, QStringLiteral("Month"), values.month, 2, Characters::Digits);
    m_day = AddField(*m_form, QStringLiteral("Day"), values.day, 2, Characters::Digits);
    m_currentTime = new QCheckBox;
    m_currentTime->setObjectName("Current time");
    m_currentTime->setChecked(values.currentTime);
    m_form->addRow(m_currentTime);
    layout->addLayout(m_form);
    connect(m_currentTime, &QCheckBox::toggled, this, [this](bool on) {
        ContestDialogValues shown = Values();
        SetCurrentTimeMark(shown, on, m_clock());
        ShowDate(shown);
    });
    connect(AddButtons(*this, *layout, true), &QDialogButtonBox::accepted, this, &CContestDialog::Accept);
    Retranslate();
}

void CContestDialog::Retranslate() {
    setWindowTitle(tr("Contest"));
    SetLabel(*m_form, m_contest, tr("Contest"));
    SetLabel(*m_form, m_band, tr("Band"));
    SetLabel(*m_form, m_mode, tr("Mode"));
    SetLabel(*m_form, m_year, tr("Year"));
    SetLabel(*m_form, m_month, tr("Month"));
    SetLabel(*m_form, m_day, tr("Day"));
    for (QComboBox* choice : {m_contest, m_band, m_mode}) RetranslateChoice(*choice);
    m_currentTime->setText(tr("Current time (the time field follows the clock)"));
}

void CContestDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
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
