// Pieces the settings dialogs share.
#include "app/qt/dialog_parts.h"

#include <QRegularExpressionValidator>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {

QLineEdit* AddField(QFormLayout& form, const QString& label, std::string_view text, std::size_t maxLength,
                    Characters characters) {
    auto* field = new QLineEdit(ToQString(text));
    field->setObjectName(label);
    field->setMaxLength(static_cast<int>(maxLength));
    if (characters == Characters::Digits) {
        field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    }
    form.addRow(label, field);
    return field;
}

QComboBox* AddChoice(QFormLayout& form, const QString& label, const QStringList& items,
                     std::string_view current) {
    auto* choice = new QComboBox;
    choice->setObjectName(label);
    choice->addItems(items);
    choice->setCurrentIndex(std::max(0, static_cast<int>(items.indexOf(ToQString(current)))));
    form.addRow(label, choice);
    return choice;
}

std::string TextOf(const QLineEdit& field) { return ToStdString(field.text()); }
std::string TextOf(const QComboBox& choice) { return ToStdString(choice.currentText()); }

QDialogButtonBox* AddButtons(QDialog& dialog, QLayout& layout, bool withCancel) {
    auto* buttons = new QDialogButtonBox(withCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                    : QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
    return buttons;
}

}  // namespace tallyhawk
