// CColorsDialog: the colours dialog.
#include "app/qt/colors_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

std::int32_t FromQColor(const QColor& color) { return Rgb(color.red(), color.green(), color.blue()); }

}  // namespace

CColorsDialog::CColorsDialog(SettingsBackend& store, QWidget* parent) : CSkinDialog(parent), m_store(store) {
    setWindowTitle(tr("Colors"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i] = new QPushButton;
        m_swatches[i]->setObjectName(ToQString(kColorDefinitions[i].name));
        m_swatches[i]->setFixedSize(60, 20);
        connect(m_swatches[i], &QPushButton::clicked, this, [this, i] { Choose(i); });
        form->addRow(ToQString(kColorDefinitions[i].name), m_swatches[i]);
    }
    m_gridStyle = new QComboBox;
    m_gridStyle->addItems({"0-None", "1-Flat", "2-Inset", "3-Raised"});
    connect(m_gridStyle, &QComboBox::currentIndexChanged, this,
            [this](int style) { m_values[kGridStyleIndex] = style; });
    form->addRow(tr("Grid style"), m_gridStyle);
    layout->addLayout(form);
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
}

void CColorsDialog::Show(const ColorsDialogValues& values) {
    m_values = values;
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i]->setStyleSheet(QStringLiteral("background-color: %1").arg(ToQColor(values[i]).name()));
    }
    m_gridStyle->setCurrentIndex(std::clamp(values[kGridStyleIndex], 0, 3));
}

void CColorsDialog::Choose(std::size_t index) {
    const QColor chosen =
        QColorDialog::getColor(ToQColor(m_values[index]), this, ToQString(kColorDefinitions[index].name));
    if (!chosen.isValid()) return;
    m_values[index] = FromQColor(chosen);
    Show(m_values);
}

}  // namespace tallyhawk
