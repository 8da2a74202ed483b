// CEntryRow: the seven fields in which the operator types each contact. The row upper-cases what is
// typed, limits lengths, keeps the exchange fields to digits when the contest asks, and reports typing,
// entering and leaving a field; the rules behind them are the session's.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <optional>

#include "app/session/entry_form.h"

namespace tallyhawk {

class CEntryRow : public QWidget {
    Q_OBJECT
public:
    explicit CEntryRow(QWidget* parent = nullptr);

    QLineEdit* Edit(Field field) const { return m_edits[static_cast<std::size_t>(field)]; }

    // Shows the texts; a field whose text is already shown keeps its caret.
    void ShowEntry(const EntryForm& entry);
    void SetExchangeAcceptsLetters(bool letters);
    void SetColors(const QColor& back, const QColor& text);
    void FocusField(Field field);
    std::optional<Field> FocusedField() const;

signals:
    // The operator changed a field's text (already in upper case).
    void fieldEdited(tallyhawk::Field field, const QString& text);
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
