// CColorsDialog: the colours dialog.
#include "app/qt/colors_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

std::int32_t FromQColor(const QColor& color) { return Rgb(color.red(), color.green(), color.blue()); }

// What each colour paints, in the order of the stored colours.
constexpr std::array<const char*, kGridStyleIndex> kColorLabels = {
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Grid background"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Grid text"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Selected cell background"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Selected cell text"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Header background"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Header text"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Worked before"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Not worked yet"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Window text"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Alarm text"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Information text"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Entry field background"),
    QT_TRANSLATE_NOOP("tallyhawk::CColorsDialog", "Entry field text"),
};

}  // namespace

CColorsDialog::CColorsDialog(SettingsBackend& store, QWidget* parent) : CSkinDialog(parent), m_store(store) {
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i] = new QPushButton;
        m_swatches[i]->setObjectName(ToQString(kColorDefinitions[i].name));
        m_swatches[i]->setFixedSize(60, 20);
        connect(m_swatches[i], &QPushButton::clicked, this, [this, i] { Choose(i); });
        m_form->addRow(new QLabel, m_swatches[i]);
    }
    m_gridStyle =
        AddChoice(*m_form, QStringLiteral("Grid style"), {"0-None", "1-Flat", "2-Inset", "3-Raised"}, "");
    connect(m_gridStyle, &QComboBox::currentIndexChanged, this,
            [this](int style) { m_values[kGridStyleIndex] = style; });
    layout->addLayout(m_form);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        ApplyColorsDialog(m_store, m_values);
        accept();
    });
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this,
            [this] { Show(ResetColorsDialog()); });
    layout->addWidget(buttons);
    Show(OpenColorsDialog(m_store));
    Retranslate();
}

void CColorsDialog::Retranslate() {
    setWindowTitle(tr("Colors"));
    for (std::size_t i = 0; i < m_swatches.size(); ++i) SetLabel(*m_form, m_swatches[i], tr(kColorLabels[i]));
    SetLabel(*m_form, m_gridStyle, tr("Grid style"));
    RetranslateChoice(*m_gridStyle);
}

void CColorsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void CColorsDialog::Show(const ColorsDialogValues& values) {
    m_values = values;
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i]->setStyleSheet(QStringLiteral("background-color: %1").arg(ToQColor(values[i]).name()));
    }
    m_gridStyle->setCurrentIndex(std::clamp(values[kGridStyleIndex], 0, 3));
}

void CColorsDialog::Choose(std::size_t index) {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_values[index]), this, tr(kColorLabels[index]));
    if (!chosen.isValid()) return;
    m_values[index] = FromQColor(chosen);
    Show(m_values);
}

}  // namespace tallyhawk
