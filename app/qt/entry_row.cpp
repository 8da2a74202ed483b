// CEntryRow: the seven fields of the entry row, labelled, in one row.
#include "app/qt/entry_row.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpressionValidator>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

struct FieldLook {
    const char* label;  // translated
    int width;
    int maxLength;  // 0: no limit
    bool typed;     // read-only fields are filled from the contest setup
};

// Call, Date, Time, Band, Mode, Exchange sent, Exchange received.
constexpr std::array<FieldLook, kEntryFields.size()> kFieldLooks = {{
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Call"), 110, static_cast<int>(kCallFieldLimit), true},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Date"), 90, 0, false},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Time"), 60, static_cast<int>(kTimeFieldLimit), true},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Band"), 45, 0, false},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Mode"), 45, 0, false},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Exchange sent"), 70, static_cast<int>(kExchangeFieldLimit),
     true},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Exchange received"), 70,
     static_cast<int>(kExchangeFieldLimit), true},
}};

}  // namespace

CEntryRow::CEntryRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    for (const Field field : kEntryFields) {
        const auto index = static_cast<std::size_t>(field);
        const FieldLook& look = kFieldLooks[index];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(ToQString(FieldName(field)));
        edit->setFixedWidth(look.width);
        if (look.maxLength > 0) edit->setMaxLength(look.maxLength);
        edit->setReadOnly(!look.typed);
        edit->setFocusPolicy(look.typed ? Qt::StrongFocus : Qt::NoFocus);
        edit->setAlignment(field == Field::Call ? Qt::AlignLeft : Qt::AlignCenter);
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { OnTextEdited(field, text); });
        m_labels[index] = new QLabel(this);
        layout->addWidget(m_labels[index], 0, static_cast<int>(index), Qt::AlignLeft | Qt::AlignBottom);
        layout->addWidget(edit, 1, static_cast<int>(index));
        m_edits[index] = edit;
    }
    Retranslate();
    layout->setColumnStretch(static_cast<int>(kEntryFields.size()), 1);
    setTabOrder(Edit(Field::Call), Edit(Field::Time));
    setTabOrder(Edit(Field::Time), Edit(Field::ExchangeSent));
    setTabOrder(Edit(Field::ExchangeSent), Edit(Field::ExchangeReceived));
    connect(qApp, &QApplication::focusChanged, this, &CEntryRow::OnFocusChanged);
}

void CEntryRow::Retranslate() {
    for (std::size_t index = 0; index < m_labels.size(); ++index)
        m_labels[index]->setText(tr(kFieldLooks[index].label));
}

void CEntryRow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void CEntryRow::OnTextEdited(Field field, const QString& text) {
    QLineEdit* edit = Edit(field);
    const QString upper = text.toUpper();
    if (upper != text) {
        const int caret = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(caret);
    }
    emit fieldEdited(field, upper);
}

void CEntryRow::ShowEntry(const EntryForm& entry) {
    for (const Field field : kEntryFields) {
        const QString text = ToQString(entry[field]);
        QLineEdit* edit = Edit(field);
        if (edit->text() == text) continue;
        const int caret = edit->cursorPosition();
        const bool atEnd = caret == edit->text().size();
        edit->setText(text);
        edit->setCursorPosition(atEnd ? static_cast<int>(text.size())
                                      : std::min(caret, static_cast<int>(text.size())));
    }
}

void CEntryRow::SetExchangeAcceptsLetters(bool letters) {
    for (const Field field : {Field::ExchangeSent, Field::ExchangeReceived}) {
        QLineEdit* edit = Edit(field);
        delete edit->validator();
        edit->setValidator(letters ? nullptr
                                   : new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    }
}

void CEntryRow::SetColors(const QColor& back, const QColor& text) {
    for (QLineEdit* edit : m_edits) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Text, text);
        edit->setPalette(palette);
    }
}

void CEntryRow::FocusField(Field field) {
    QLineEdit* edit = Edit(field);
    if (!edit->hasFocus()) edit->setFocus(Qt::OtherFocusReason);
}

std::optional<Field> CEntryRow::FocusedField() const {
    for (const Field field : kEntryFields) {
        if (Edit(field)->hasFocus()) return field;
    }
    return std::nullopt;
}

std::optional<Field> CEntryRow::FieldOf(const QObject* object) const {
    for (const Field field : kEntryFields) {
        if (Edit(field) == object) return field;
    }
    return std::nullopt;
}

// Only moves within the window enter or leave a field: activating another window (a message box, another
// program) and coming back leave the row as it was.
void CEntryRow::OnFocusChanged(QWidget* old, QWidget* now) {
    if (!old || !now || old->window() != window() || now->window() != window()) return;
    if (const auto left = FieldOf(old)) emit fieldLeft(*left);
    if (const auto entered = FieldOf(now)) emit fieldEntered(*entered);
}

}  // namespace tallyhawk
