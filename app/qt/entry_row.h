// CEntryRow: the seven fields in which the operator types each contact. The row reports typing (the
// text and the caret), entering and leaving a field, and shows what the session makes of it; the
// rules (upper case, digits only, lengths, the time field's colon) are the session's.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <optional>

#include "app/session/entry_rules.h"

namespace tallyhawk {

class CEntryRow : public QWidget {
    Q_OBJECT
public:
    explicit CEntryRow(QWidget* parent = nullptr);

    QLineEdit* Edit(Field field) const { return m_edits[static_cast<std::size_t>(field)]; }

    // Shows the texts; a field whose text is already shown keeps its caret.
    void ShowEntry(const EntryForm& entry);
    // The longest text of each field, as the session's rules hold them.
    void SetMaxLengths(const EntryRules& rules);
    // Puts the caret of a field at a byte position of the session's text.
    void PlaceCaret(Field field, std::size_t caret);
    void SetColors(const QColor& back, const QColor& text);
    void FocusField(Field field);
    std::optional<Field> FocusedField() const;

signals:
    // The operator changed a field's text; `caret` is the caret's byte position in its UTF-8 text.
    void fieldEdited(tallyhawk::Field field, const QString& text, std::size_t caret);
    void fieldEntered(tallyhawk::Field field);
    void fieldLeft(tallyhawk::Field field);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void OnFocusChanged(QWidget* old, QWidget* now);
    std::optional<Field> FieldOf(const QObject* object) const;
    void OnTextEdited(Field field, const QString& text);

    std::array<QLineEdit*, kEntryFields.size()> m_edits{};
    std::array<QLabel*, kEntryFields.size()> m_labels{};
};

}  // namespace tallyhawk
