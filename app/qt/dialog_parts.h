// Pieces the settings dialogs share: fields with their limits, choices, and the OK/Cancel row. Labels
// are set by each dialog's Retranslate, so that they follow the language while the dialog is open.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <string>
#include <string_view>

namespace tallyhawk {

enum class Characters { Any, Digits };

// A row of the form with a field named `name`, holding `text` and at most `maxLength` characters.
QLineEdit* AddField(QFormLayout& form, const QString& name, std::string_view text, std::size_t maxLength,
                    Characters characters = Characters::Any);

// A row of the form with a choice named `name` among `values`, `current` chosen. Each item shows its
// value in the current language (RetranslateChoice); TextOf gives the value itself.
QComboBox* AddChoice(QFormLayout& form, const QString& name, const QStringList& values,
                     std::string_view current);
void RetranslateChoice(QComboBox& choice);

// The label of the form's row that holds `field`.
void SetLabel(QFormLayout& form, QWidget* field, const QString& text);

std::string TextOf(const QLineEdit& field);
std::string TextOf(const QComboBox& choice);

// OK, and Cancel when asked (which rejects the dialog); the caller connects OK (accepted) to its own check.
QDialogButtonBox* AddButtons(QDialog& dialog, QLayout& layout, bool withCancel);

}  // namespace tallyhawk
