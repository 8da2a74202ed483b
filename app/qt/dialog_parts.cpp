// Pieces the settings dialogs share.
#include "app/qt/dialog_parts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpressionValidator>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

// The values of the choices that read differently in Russian; contest names and mode codes stay as
// they are.
[[maybe_unused]] constexpr const char* kTranslatedValues[] = {
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "10 m"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "15 m"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "20 m"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "40 m"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "80 m"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "160 m"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "Phone"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "0-None"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "1-Flat"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "2-Inset"),
    QT_TRANSLATE_NOOP("tallyhawk::DialogValues", "3-Raised"),
};

}  // namespace

QLineEdit* AddField(QFormLayout& form, const QString& name, std::string_view text, std::size_t maxLength,
                    Characters characters) {
    auto* field = new QLineEdit(ToQString(text));
    field->setObjectName(name);
    field->setMaxLength(static_cast<int>(maxLength));
    if (characters == Characters::Digits) {
        field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    }
    form.addRow(new QLabel, field);
    return field;
}

QComboBox* AddChoice(QFormLayout& form, const QString& name, const QStringList& values,
                     std::string_view current) {
    auto* choice = new QComboBox;
    choice->setObjectName(name);
    for (const QString& value : values) choice->addItem(value, value);
    choice->setCurrentIndex(std::max(0, static_cast<int>(values.indexOf(ToQString(current)))));
    RetranslateChoice(*choice);
    form.addRow(new QLabel, choice);
    return choice;
}

void RetranslateChoice(QComboBox& choice) {
    for (int item = 0; item < choice.count(); ++item) {
        const QByteArray value = choice.itemData(item).toString().toUtf8();
        choice.setItemText(item, QCoreApplication::translate("tallyhawk::DialogValues", value.constData()));
    }
}

void SetLabel(QFormLayout& form, QWidget* field, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(form.labelForField(field))) label->setText(text);
}

std::string TextOf(const QLineEdit& field) { return ToStdString(field.text()); }
std::string TextOf(const QComboBox& choice) { return ToStdString(choice.currentData().toString()); }

QDialogButtonBox* AddButtons(QDialog& dialog, QLayout& layout, bool withCancel) {
    auto* buttons = new QDialogButtonBox(withCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                    : QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
    return buttons;
}

}  // namespace tallyhawk
