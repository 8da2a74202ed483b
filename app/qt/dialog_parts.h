// Pieces the settings dialogs share: labelled fields with their limits, and the OK/Cancel row.
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

// A field of the form, named after its label, holding `text` and at most `maxLength` characters.
QLineEdit* AddField(QFormLayout& form, const QString& label, std::string_view text, std::size_t maxLength,
                    Characters characters = Characters::Any);
QComboBox* AddChoice(QFormLayout& form, const QString& label, const QStringList& items,
                     std::string_view current);

std::string TextOf(const QLineEdit& field);
std::string TextOf(const QComboBox& choice);

// OK, and Cancel when asked (which rejects the dialog); the caller connects OK (accepted) to its own check.
QDialogButtonBox* AddButtons(QDialog& dialog, QLayout& layout, bool withCancel);

}  // namespace tallyhawk
